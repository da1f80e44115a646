#pragma once
// A named seven-parameter datum shift and its line in "datum.csv".

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "korvutil32.h"

namespace korv {

struct DatumShift {
    std::string name;  // compared without regard to case
    double dx = 0;     // translations, metres
    double dy = 0;
    double dz = 0;
    double rx = 0;  // rotations, seconds of arc
    double ry = 0;
    double rz = 0;
    double sc = 0;                                               // scale change, parts per million
    std::array<double, korvutil32::kWorkspaceSize> workspace{};  // filled by `prepare`
};

// The seven values in the order of the file and the boxes.
struct ShiftValues {
    double dx = 0, dy = 0, dz = 0, rx = 0, ry = 0, rz = 0, sc = 0;
    friend bool operator==(const ShiftValues&, const ShiftValues&) = default;
};

ShiftValues values_of(const DatumShift& shift);
void set_values(DatumShift& shift, const ShiftValues& values);

// Fills the workspace from the seven values (the geodesy library's DEFINE_DATUM).
void prepare(DatumShift& shift);

// The two published shifts the list starts with: AGD84 and AGD66 to GDA94.
const std::array<DatumShift, 2>& built_in_datum_shifts();

// Names are compared as their upper-case forms.
bool same_name(std::string_view a, std::string_view b);

// True when no value differs from the other's by more than 0.001 (0.001 itself, as typed,
// counts as equal).
bool values_match(const ShiftValues& a, const ShiftValues& b);

// The file's header line, as written.
inline constexpr std::string_view kDatumFileHeader = "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc";

// A header is accepted when its upper-case form contains "NAME", "DX" and "RX" anywhere.
bool is_datum_file_header(std::string_view line);

// Empty lines and lines starting with "None" (case matters) hold no entry.
bool is_entry_line(std::string_view line);

// The longest line the program's line reader takes whole: every line the list writes stays
// within it, so that the file loads as it was saved.
inline constexpr size_t kLongestDatumLine = 10240;

// The name, trimmed, as the file keeps it with these values: whole, unless its line would be
// longer than `kLongestDatumLine`; it is then cut to what fits and trimmed again.
std::string name_that_fits(std::string_view name, const ShiftValues& values);

// One entry line: eight fields separated by commas, the name trimmed (and cut by
// `name_that_fits`), each number read with the leading-number rule (missing or unreadable
// numbers, and numbers too large for a double, read 0); a ninth field and beyond are ignored.
DatumShift parse_datum_line(std::string_view line);

// The entry as written: the trimmed name, dx, dy, dz and sc as "0.0000", the rotations as
// "0.0000e+00". A name starting with "None" is written with one blank in front, so that the line
// is not taken for one without an entry.
std::string format_datum_line(const DatumShift& shift);

// The inverse of a prepared shift: the name followed by " Inverse", the rotations negated, the
// translation rotated back and divided by the scale, and the scale change inverted.
DatumShift inverse_of(const DatumShift& shift);

}  // namespace korv
