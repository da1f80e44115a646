#include "line_block.h"

#include <algorithm>
#include <string_view>

#include "angle_text.h"
#include "fixed_text.h"
#include "line_breaks.h"
#include "output_cursor.h"

namespace korv::convert {
namespace {

constexpr int kGridDecimals = 4;
constexpr int kDegreeDecimals = 9;
constexpr int kHeightDecimals = 4;

// Degrees, minutes and seconds as the dialog writes them; on a line whose values blanks separate,
// joined by colons instead ("144:57:16.00"), so that each angle stays one field and the line
// reads back.
void put_dialog_angle(OutputCursor& out, double value, char separator) {
    std::string text = angle_to_text(value);
    if (separator == ' ') {
        std::replace(text.begin(), text.end(), ' ', ':');
    }
    out.reserve(text.size());
    out.put(text.data(), text.size());
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

void LineBlock::write_line(OutputCursor& out, const Line& line, PointKind to,
                           const LineFormat& format) {
    out.reserve_line(line.next - line.begin);
    // Copies the input from `from` up to `to`.
    auto copy = [&](std::uint32_t from, std::uint32_t to) {
        out.put(input.data() + from, to - from);
    };
    const PointLine& shape = line.shape;
    if (shape.kind != PointLine::Kind::kPoint) {
        copy(line.begin, line.next);
        return;
    }
    if (shape.refusal == Refusal::kLineTooLong) {
        out.put("* *", 3);  // nothing of the line is kept but its line end
        copy(line.end, line.next);
        return;
    }
    if (shape.value_count == 0) {
        const std::uint32_t fields_end = line.begin + shape.fields_end;
        copy(line.begin, fields_end);
        if (fields_end > line.begin) {
            out.put(shape.separator);
        }
        out.put('*');
        out.put(shape.separator);
        out.put('*');
        copy(fields_end, line.next);
        return;
    }
    const bool converted = shape.refusal == Refusal::kNone;
    std::uint32_t at = line.begin;
    for (std::size_t v = 0; v < shape.value_count; ++v) {
        copy(at, line.begin + shape.values[v].begin);
        at = line.begin + shape.values[v].end;
        if (!converted) {
            out.put('*');
            continue;
        }
        const PointCoordinates& point = points_[line.point];
        const double value = v == 0 ? point.x : v == 1 ? point.y : point.height;
        if (v == 2) {
            out.put_fixed(value, kHeightDecimals);
        } else if (!is_geographic(to)) {
            out.put_fixed(value, kGridDecimals);
        } else if (format.dialog_angles) {
            put_dialog_angle(out, value, shape.separator);
        } else {
            out.put_fixed(value, kDegreeDecimals);
        }
    }
    copy(at, line.next);
}

void LineBlock::convert(const Conversion& conversion, const LineFormat& format) {
    lines_.clear();
    points_.clear();
    point_refusals_.clear();
    output_size_ = 0;
    refusals.clear();
    line_count = point_count = 0;

    const PointKind from = conversion.setup().from;
    const std::size_t size = input.size();
    OutputCursor out(output_);
    std::size_t at = 0;
    if (first_line == 1 && std::string_view(input).starts_with(kByteOrderMark)) {
        // Skipped when reading, kept in the output, which is text of the same kind.
        out.reserve(kByteOrderMark.size());
        out.put(kByteOrderMark.data(), kByteOrderMark.size());
        at = kByteOrderMark.size();
    }
    bool first = header_possible;
    LineBreaks breaks(input, at);
    std::size_t overlong = 0;
    // True when the line of this index within the block stands in for an overlong one.
    auto stood_in = [&](std::size_t index) {
        const bool is = overlong < overlong_lines.size() && overlong_lines[overlong] == index;
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
        // Built in place: copying a line in right after its parts were stored stalled every line.
        Line& line = lines_.emplace_back();
        line.begin = static_cast<std::uint32_t>(at);
        line.end = static_cast<std::uint32_t>(found.end);
        line.next = static_cast<std::uint32_t>(found.next);
        if (stood_in(lines_.size() - 1) || line.end - line.begin > kLongestLine) {
            refuse_as_too_long(line);
        } else {
            read_line(line, from, format, first);
        }
        at = line.next;
    }
    if (stood_in(lines_.size())) {
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
            write_line(out, line, to, format);
            continue;
        }
        ++point_count;
        if (line.shape.refusal == Refusal::kNone) {
            line.shape.refusal = point_refusals_[line.point];
        }
        write_line(out, line, to, format);
        if (line.shape.refusal != Refusal::kNone) {
            refusals.push_back({first_line + i, line.shape.refusal});
        }
    }
    output_size_ = out.size();
    line_count = lines_.size();
}

}  // namespace korv::convert
