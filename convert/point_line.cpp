#include "point_line.h"

#include <array>
#include <cmath>
#include <optional>

#include "angle_text.h"
#include "field_split.h"
#include "numeric_text.h"

namespace korv::convert {
namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

bool holds_digit(std::string_view text) {
    return text.find_first_of("0123456789") != std::string_view::npos;
}

// How many fields the text holds, and the last three of them (the last in last[2]); only those
// of the `count` found are set. Left unset rather than cleared: clearing cost a tenth of the
// time a line takes to read.
struct Fields {
    std::size_t count = 0;
    struct Span {
        std::uint32_t begin;
        std::uint32_t end;
    } last[3];

    void add(std::size_t begin, std::size_t end) {
        last[0] = last[1];
        last[1] = last[2];
        last[2] = {static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(end)};
        ++count;
    }
};

// The separator of a line, where its comment starts, and, as the same pass finds them, its
// fields when blanks separate them. The separator is a semicolon when the text before the
// comment holds one, else a comma, else a tab, else blanks.
struct Shape {
    char separator = ' ';
    std::size_t comment = 0;  // the text's size when there is none
    // Nothing but blanks and tabs before the comment: the lines passes_unchanged() tells, found
    // in this pass rather than another.
    bool empty = true;
    Fields blank_fields;  // the runs of other characters; the fields when blanks separate
};

// True for the characters that neither separate nor start a comment: most of a line, which the
// pass over it then takes at one test a character.
constexpr std::array<bool, 256> kPlain = [] {
    std::array<bool, 256> plain{};
    plain.fill(true);
    for (const unsigned char c : std::string_view(" \t#,;")) {
        plain[c] = false;
    }
    return plain;
}();

bool is_plain(char c) {
    return kPlain[static_cast<unsigned char>(c)];
}

Shape shape_of(std::string_view text) {
    Shape shape;
    shape.comment = text.size();
    std::size_t field_begin = 0;
    bool in_field = false;
    auto enter_field = [&](std::size_t at) {
        if (!in_field) {
            field_begin = at;
            shape.empty = false;
            in_field = true;
        }
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (is_plain(text[i])) {
            enter_field(i);
            while (i + 1 < text.size() && is_plain(text[i + 1])) {
                ++i;
            }
            continue;
        }
        const char c = text[i];
        if (is_blank(c)) {
            if (in_field) {
                shape.blank_fields.add(field_begin, i);
                in_field = false;
            }
            shape.separator = c == '\t' && shape.separator == ' ' ? '\t' : shape.separator;
            continue;
        }
        if (c == '#' &&
            (i == 0 || is_blank(text[i - 1]) || text[i - 1] == ',' || text[i - 1] == ';')) {
            shape.comment = i;
            break;
        }
        enter_field(i);
        if (c == ';') {
            shape.separator = ';';
        } else if (c == ',' && shape.separator != ';') {
            shape.separator = ',';
        }
    }
    if (in_field) {
        shape.blank_fields.add(field_begin, shape.comment);
    }
    return shape;
}

// Blanks separate as a run (the line then holds no comma); any other separator ends a field at
// each occurrence, and blanks and tabs around it go.
Fields split(std::string_view text, const char& separator) {
    Fields fields;
    for_each_field(text, separator == ' ' ? std::string_view() : std::string_view(&separator, 1),
                   [&](size_t begin, size_t end) { fields.add(begin, end); });
    return fields;
}

// The whole field as one finite number within the range of a double.
bool read_number(std::string_view text, double& value) {
    const ScannedNumber number = scan_number(text);
    value = number.value;
    return number.length == text.size() && number.length != 0 && !number.out_of_range;
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

std::string_view field(std::string_view text, Fields::Span span) {
    return text.substr(span.begin, span.end - span.begin);
}

}  // namespace

PointLine read_point_line(std::string_view text, PointKind from, const LineFormat& format,
                          bool first, double (&read)[3]) {
    PointLine line;
    const Shape shape = shape_of(text);
    if (shape.empty) {
        return line;
    }
    if (first && format.header == HeaderReading::kFirstLine) {
        line.kind = PointLine::Kind::kHeader;
        return line;
    }
    line.kind = PointLine::Kind::kPoint;
    line.separator = shape.separator;
    std::string_view content = text.substr(0, shape.comment);
    if (shape.separator != ' ') {
        // Empty fields at the end (a spreadsheet's empty height column) hold no value.
        const char around[] = {' ', '\t', shape.separator};
        const std::size_t last = content.find_last_not_of(std::string_view(around, 3));
        content = content.substr(0, last == std::string_view::npos ? 0 : last + 1);
    }
    // Taken where they are, not copied: copying them right after the pass that wrote them
    // stalled every line.
    Fields separated;
    if (shape.separator != ' ') {
        separated = split(content, shape.separator);
    }
    const Fields& fields = shape.separator == ' ' ? shape.blank_fields : separated;
    line.fields_end = fields.count > 0 ? fields.last[2].end : 0;
    const bool header_possible = first && format.header == HeaderReading::kAuto;

    // Three values when the field before the last two reads as the first value; a line of three
    // fields led by a label, or any line with --labels, has its label there instead.
    read[2] = 0;
    const bool three = fields.count >= 3 && !(format.labels && fields.count == 3) &&
                       read_value(field(text, fields.last[0]), read[0], from, 0);
    if (fields.count < 2 || (fields.count == 2 && format.labels)) {
        if (header_possible && !holds_digit(content)) {
            line.kind = PointLine::Kind::kHeader;
        }
        line.refusal = Refusal::kFieldCount;
        return line;
    }
    line.value_count = three ? 3 : 2;
    const Fields::Span* values = fields.last + (three ? 0 : 1);
    bool digits = false;
    for (int v = 0; v < line.value_count; ++v) {
        line.values[v] = {values[v].begin, values[v].end};
        digits = digits || (header_possible && holds_digit(field(text, values[v])));
    }
    if (header_possible && !digits) {
        line.kind = PointLine::Kind::kHeader;
        return line;
    }
    for (int v = three ? 1 : 0; v < line.value_count; ++v) {
        if (!read_value(field(text, values[v]), read[v], from, v)) {
            line.refusal = unreadable(from, v);
            break;
        }
    }
    return line;
}

}  // namespace korv::convert
