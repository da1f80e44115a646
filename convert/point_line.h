#pragma once
// What one line of a point file holds. A point line is two or three values (east and north, or
// longitude and latitude, then an optional height) separated by blanks, tabs, a comma or a
// semicolon; the values are the line's last fields, and whatever comes before them is the
// point's label, blanks and all ("Trig Station A 320000 5810000 12.5"). A "#" that begins a field
// starts a comment, which runs to the line's end. Lines that hold nothing but blanks, or nothing
// but a comment, pass unchanged, and so does a header: the first line of the file that holds
// anything else, when the fields where its values would be hold no digit ("Name,Easting,
// Northing,Height", "E N").

#include <cstdint>
#include <string_view>

#include "conversion.h"

namespace korv::convert {

// How the first line that is neither empty nor a comment is read.
enum class HeaderReading : std::uint8_t {
    kAuto,       // a header when the fields where its values would be hold no digit
    kFirstLine,  // always a header
    kNone,       // always a point
};

struct LineFormat {
    // Every line starts with a label. Otherwise a line of three fields starts with a label only
    // when its first field does not read as a value, so a numeric label needs this.
    bool labels = false;
    // Angles written as the dialog shows them (degrees, minutes and seconds) rather than in
    // decimal degrees.
    bool dialog_angles = false;
    HeaderReading header = HeaderReading::kAuto;
};

// A field of a line: offsets into the line's text, its end excluded.
struct FieldSpan {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
};

struct PointLine {
    enum class Kind : std::uint8_t { kPassing, kHeader, kPoint };
    Kind kind = Kind::kPassing;
    // The values found, 2 or 3; 0 on a point line refused for not holding them.
    std::uint8_t value_count = 0;
    FieldSpan values[3];
    // Where the last field ends: a line refused for not holding its values gets its "*" here,
    // before the separators, blanks and comment that follow.
    std::uint32_t fields_end = 0;
    char separator = ' ';
    Refusal refusal = Refusal::kNone;
};

// Reads `text`, one line without its line end, of points of `from` into `read` (the height 0
// when none is given). `first` when no earlier line of the file held anything but blanks and
// comments: only that line can be a header.
PointLine read_point_line(std::string_view text, PointKind from, const LineFormat& format,
                          bool first, double (&read)[3]);

}  // namespace korv::convert
