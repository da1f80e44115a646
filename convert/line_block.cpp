#include "line_block.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <string_view>

#include "angle_text.h"
#include "fixed_text.h"

namespace korv::convert {
namespace {

constexpr int kGridDecimals = 4;
constexpr int kDegreeDecimals = 9;
constexpr int kHeightDecimals = 4;
// A label and up to three values; a fifth field makes the line unreadable.
constexpr std::size_t kMostFields = 5;

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// The separator of a line: a semicolon or a comma when it holds one, else a tab, else blanks.
char separator_of(std::string_view text) {
    char found = ' ';
    for (const char c : text) {
        if (c == ';') {
            return ';';
        }
        if (c == ',') {
            found = ',';
        } else if (c == '\t' && found == ' ') {
            found = '\t';
        }
    }
    return found;
}

struct Span {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
};

// The fields of the text from `offset` on, at most kMostFields of them. Blanks separate as a
// run; any other separator ends a field at each occurrence, and blanks and tabs around it go.
std::size_t split(std::string_view text, std::uint32_t offset, char separator,
                  Span (&fields)[kMostFields]) {
    std::size_t count = 0;
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (separator == ' ') {
        while (count < kMostFields) {
            while (i < n && text[i] == ' ') {
                ++i;
            }
            if (i == n) {
                break;
            }
            const std::size_t start = i;
            while (i < n && text[i] != ' ') {
                ++i;
            }
            fields[count++] = {static_cast<std::uint32_t>(offset + start),
                               static_cast<std::uint32_t>(offset + i)};
        }
        return count;
    }
    while (count < kMostFields) {
        std::size_t start = i;
        std::size_t stop = text.find(separator, i);
        const bool last = stop == std::string_view::npos;
        if (last) {
            stop = n;
        }
        std::size_t end = stop;
        while (start < end && is_blank(text[start])) {
            ++start;
        }
        while (end > start && is_blank(text[end - 1])) {
            --end;
        }
        fields[count++] = {static_cast<std::uint32_t>(offset + start),
                           static_cast<std::uint32_t>(offset + end)};
        if (last) {
            break;
        }
        i = stop + 1;
    }
    return count;
}

// A plain decimal number, "." as the decimal point whatever the locale, an exponent allowed.
bool read_number(std::string_view text, double& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-') {
        ++first;
    }
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc{} && end == last && std::isfinite(value);
}

// An angle in decimal degrees, or in any notation the dialog reads; `kind` 1 for a longitude,
// -1 for a latitude. Decimal degrees take the fast path.
bool read_angle(std::string_view text, double& value, int32_t kind) {
    if (read_number(text, value)) {
        return true;
    }
    const std::optional<double> angle = angle_from_text(text, kind);
    if (angle) {
        value = *angle;
    }
    return angle.has_value();
}

bool read_value(std::string_view text, double& value, PointKind kind, int position) {
    if (position == 2 || !is_geographic(kind)) {
        return read_number(text, value);
    }
    return read_angle(text, value, position == 0 ? 1 : -1);
}

Refusal unreadable(PointKind kind, int position) {
    if (position == 2) {
        return Refusal::kHeightUnreadable;
    }
    if (is_geographic(kind)) {
        return position == 0 ? Refusal::kLongitudeUnreadable : Refusal::kLatitudeUnreadable;
    }
    return position == 0 ? Refusal::kEastingUnreadable : Refusal::kNorthingUnreadable;
}

void append_fixed(std::string& out, double value, int decimals) {
    char text[kLongestFixedText];
    out.append(text, write_fixed(text, value, decimals));
}

void append_number(std::string& out, std::uint64_t value) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

}  // namespace

void LineBlock::clear() {
    input.clear();
    overlong_lines.clear();
}

void LineBlock::read_line(Line& line, PointKind from, const LineFormat& format) {
    const std::string_view text(input.data() + line.begin, line.end - line.begin);
    if (text.find_first_not_of(" \t") == std::string_view::npos || text.front() == '#') {
        return;  // passes unchanged
    }
    line.separator = separator_of(text);
    Span fields[kMostFields];
    const std::size_t count = split(text, line.begin, line.separator, fields);
    auto field = [&](std::size_t i) {
        return std::string_view(input.data() + fields[i].begin, fields[i].end - fields[i].begin);
    };
    bool labelled = format.labels || count == 4;
    double value = 0;
    if (!labelled && count == 3) {
        labelled = !read_value(field(0), value, from, 0);
    }
    const std::size_t first_value = labelled ? 1 : 0;
    const std::size_t values = count - std::min(count, first_value);
    if (values < 2 || values > 3) {
        // The label is kept even on a line that holds too few or too many values.
        const bool label = count > 0 && (labelled || !read_value(field(0), value, from, 0));
        line.label_end = label ? fields[0].end : line.begin;
        line.value_count = 2;
        line.refusal = Refusal::kFieldCount;
        return;
    }
    line.value_count = static_cast<std::uint8_t>(values);
    double read[3] = {0, 0, 0};
    for (std::size_t v = 0; v < values; ++v) {
        const Span& span = fields[first_value + v];
        line.value_begin[v] = span.begin;
        line.value_end[v] = span.end;
        if (line.refusal == Refusal::kNone &&
            !read_value(field(first_value + v), read[v], from, static_cast<int>(v))) {
            line.refusal = unreadable(from, static_cast<int>(v));
        }
    }
    if (line.refusal == Refusal::kNone) {
        line.point = static_cast<std::uint32_t>(points_.size());
        points_.push_back(proj_coord(read[0], read[1], read[2], 0));
        refusals_.push_back(Refusal::kNone);
    }
}

void LineBlock::write_line(const Line& line, PointKind to, const LineFormat& format) {
    // Copies the input from `from` up to `to`.
    auto copy = [&](std::uint32_t from, std::uint32_t to) {
        output.append(input.data() + from, to - from);
    };
    if (line.value_count == 0) {
        copy(line.begin, line.next);
        return;
    }
    if (line.refusal == Refusal::kFieldCount || line.refusal == Refusal::kLineTooLong) {
        if (line.label_end > line.begin) {
            copy(line.begin, line.label_end);
            output += line.separator;
        }
        output += '*';
        output += line.separator;
        output += '*';
        copy(line.end, line.next);
        return;
    }
    const bool converted = line.refusal == Refusal::kNone;
    std::uint32_t at = line.begin;
    for (std::size_t v = 0; v < line.value_count; ++v) {
        copy(at, line.value_begin[v]);
        at = line.value_end[v];
        if (!converted) {
            output += '*';
            continue;
        }
        const double value = points_[line.point].v[v];
        if (v == 2) {
            append_fixed(output, value, kHeightDecimals);
        } else if (!is_geographic(to)) {
            append_fixed(output, value, kGridDecimals);
        } else if (format.dialog_angles) {
            output += angle_to_text(value);
        } else {
            append_fixed(output, value, kDegreeDecimals);
        }
    }
    copy(at, line.next);
}

void LineBlock::convert(const Conversion& conversion, const LineFormat& format) {
    lines_.clear();
    points_.clear();
    refusals_.clear();
    output.clear();
    messages.clear();
    first_refusals.clear();
    line_count = point_count = refused_count = 0;

    const PointKind from = conversion.setup().from;
    const std::size_t size = input.size();
    std::size_t overlong = 0;
    for (std::size_t at = 0; at < size;) {
        const void* newline = std::memchr(input.data() + at, '\n', size - at);
        Line line;
        line.begin = static_cast<std::uint32_t>(at);
        line.next = static_cast<std::uint32_t>(
            newline != nullptr ? static_cast<const char*>(newline) - input.data() + 1 : size);
        line.end = line.next - (newline != nullptr ? 1 : 0);
        if (line.end > line.begin && input[line.end - 1] == '\r') {
            --line.end;
        }
        const bool stood_in =
            overlong < overlong_lines.size() && overlong_lines[overlong] == lines_.size();
        overlong += stood_in ? 1 : 0;
        if (stood_in || line.end - line.begin > kLongestLine) {
            line.value_count = 2;
            line.refusal = Refusal::kLineTooLong;
        } else {
            read_line(line, from, format);
        }
        lines_.push_back(line);
        at = line.next;
    }

    conversion.convert_all(points_, refusals_);

    const PointKind to = conversion.setup().to;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        if (line.value_count != 0) {
            ++point_count;
            if (line.refusal == Refusal::kNone) {
                line.refusal = refusals_[line.point];
            }
        }
        write_line(line, to, format);
        if (line.value_count != 0 && line.refusal != Refusal::kNone) {
            ++refused_count;
            const std::uint64_t number = first_line + i;
            messages += "line ";
            append_number(messages, number);
            messages += ": ";
            messages += describe(line.refusal);
            messages += '\n';
            if (first_refusals.size() < kKeptRefusals) {
                first_refusals.push_back({number, line.refusal});
            }
        }
    }
    line_count = lines_.size();
}

}  // namespace korv::convert
