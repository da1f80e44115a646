#include "line_block.h"

#include <algorithm>
#include <string_view>

#include "angle_text.h"
#include "fixed_text.h"
#include "line_breaks.h"

namespace korv::convert {
namespace {

constexpr int kGridDecimals = 4;
constexpr int kDegreeDecimals = 9;
constexpr int kHeightDecimals = 4;

void append_fixed(std::string& out, double value, int decimals) {
    char text[kLongestFixedText];
    out.append(text, write_fixed(text, value, decimals));
}

// Degrees, minutes and seconds as the dialog writes them; on a line whose values blanks separate,
// joined by colons instead ("144:57:16.00"), so that each angle stays one field and the line
// reads back.
void append_dialog_angle(std::string& out, double value, char separator) {
    std::string text = angle_to_text(value);
    if (separator == ' ') {
        std::replace(text.begin(), text.end(), ' ', ':');
    }
    out += text;
}

}  // namespace

void LineBlock::clear() {
    input.clear();
    overlong_lines.clear();
    header_possible = false;
}

void LineBlock::read_line(Line& line, PointKind from, const LineFormat& format, bool& first) {
    const std::string_view text(input.data() + line.begin, line.end - line.begin);
    double read[3];
    line.shape = read_point_line(text, from, format, first, read);
    if (line.shape.kind == PointLine::Kind::kPassing) {
        return;
    }
    first = false;
    if (line.shape.kind == PointLine::Kind::kPoint && line.shape.refusal == Refusal::kNone) {
        line.point = static_cast<std::uint32_t>(points_.size());
        points_.push_back({read[0], read[1], read[2]});
        point_refusals_.push_back(Refusal::kNone);
    }
}

void LineBlock::write_line(const Line& line, PointKind to, const LineFormat& format) {
    // Copies the input from `from` up to `to`.
    auto copy = [&](std::uint32_t from, std::uint32_t to) {
        output.append(input.data() + from, to - from);
    };
    const PointLine& shape = line.shape;
    if (shape.kind != PointLine::Kind::kPoint) {
        copy(line.begin, line.next);
        return;
    }
    if (shape.refusal == Refusal::kLineTooLong) {
        output += "* *";  // nothing of the line is kept but its line end
        copy(line.end, line.next);
        return;
    }
    if (shape.value_count == 0) {
        const std::uint32_t fields_end = line.begin + shape.fields_end;
        copy(line.begin, fields_end);
        if (fields_end > line.begin) {
            output += shape.separator;
        }
        output += '*';
        output += shape.separator;
        output += '*';
        copy(fields_end, line.next);
        return;
    }
    const bool converted = shape.refusal == Refusal::kNone;
    std::uint32_t at = line.begin;
    for (std::size_t v = 0; v < shape.value_count; ++v) {
        copy(at, line.begin + shape.values[v].begin);
        at = line.begin + shape.values[v].end;
        if (!converted) {
            output += '*';
            continue;
        }
        const PointCoordinates& point = points_[line.point];
        const double value = v == 0 ? point.x : v == 1 ? point.y : point.height;
        if (v == 2) {
            append_fixed(output, value, kHeightDecimals);
        } else if (!is_geographic(to)) {
            append_fixed(output, value, kGridDecimals);
        } else if (format.dialog_angles) {
            append_dialog_angle(output, value, shape.separator);
        } else {
            append_fixed(output, value, kDegreeDecimals);
        }
    }
    copy(at, line.next);
}

void LineBlock::convert(const Conversion& conversion, const LineFormat& format) {
    lines_.clear();
    points_.clear();
    point_refusals_.clear();
    output.clear();
    refusals.clear();
    line_count = point_count = 0;

    const PointKind from = conversion.setup().from;
    const std::size_t size = input.size();
    std::size_t at = 0;
    if (first_line == 1 && std::string_view(input).starts_with(kByteOrderMark)) {
        // Skipped when reading, kept in the output, which is text of the same kind.
        output += kByteOrderMark;
        at = kByteOrderMark.size();
    }
    bool first = header_possible;
    LineBreaks breaks(input, at);
    std::size_t overlong = 0;
    auto stood_in = [&] {
        const bool is =
            overlong < overlong_lines.size() && overlong_lines[overlong] == lines_.size();
        overlong += is ? 1 : 0;
        return is;
    };
    auto refuse_as_too_long = [&](Line& line) {
        line.shape.kind = PointLine::Kind::kPoint;
        line.shape.refusal = Refusal::kLineTooLong;
        first = false;
    };
    while (at < size) {
        const LineBreaks::Line found = breaks.line_at(at);
        Line line;
        line.begin = static_cast<std::uint32_t>(at);
        line.end = static_cast<std::uint32_t>(found.end);
        line.next = static_cast<std::uint32_t>(found.next);
        if (stood_in() || line.end - line.begin > kLongestLine) {
            refuse_as_too_long(line);
        } else {
            read_line(line, from, format, first);
        }
        lines_.push_back(line);
        at = line.next;
    }
    if (stood_in()) {
        // The input's last line, too long and without a line end: nothing of it is left.
        Line line;
        line.begin = line.end = line.next = static_cast<std::uint32_t>(size);
        refuse_as_too_long(line);
        lines_.push_back(line);
    }

    conversion.convert_all(points_, point_refusals_);

    const PointKind to = conversion.setup().to;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        if (line.shape.kind != PointLine::Kind::kPoint) {
            write_line(line, to, format);
            continue;
        }
        ++point_count;
        if (line.shape.refusal == Refusal::kNone) {
            line.shape.refusal = point_refusals_[line.point];
        }
        write_line(line, to, format);
        if (line.shape.refusal != Refusal::kNone) {
            refusals.push_back({first_line + i, line.shape.refusal});
        }
    }
    line_count = lines_.size();
}

}  // namespace korv::convert
