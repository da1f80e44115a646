#pragma once
// "datum.csv" line by line: its header, an entry's line, and the two published shifts the file is
// seeded with.

#include <array>
#include <string>
#include <string_view>

#include "datum_shift.h"

namespace korv {

// The seven values in the order of the file's fields: dx, dy, dz, rx, ry, rz, sc.
inline constexpr std::array<double DatumShift::*, 7> kDatumValues = {
    &DatumShift::dx, &DatumShift::dy, &DatumShift::dz, &DatumShift::rx,
    &DatumShift::ry, &DatumShift::rz, &DatumShift::sc};

// The two published shifts the list starts with: AGD84 and AGD66 to GDA94.
const std::array<DatumShift, 2>& built_in_datum_shifts();

// Names are compared as their upper-case forms.
bool same_name(std::string_view a, std::string_view b);

// How far a typed value may lie from an entry's and still count as the same: 0.001, as typed. The
// boxes show four decimals, so an edit of exactly 0.001 must not count as a change because of
// binary rounding in the difference.
inline constexpr double kEditTolerance = 0.001 + 1e-9;

// The file's header line, as written.
inline constexpr std::string_view kDatumFileHeader = "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc";
// Every line written ends with a carriage return and a line feed.
inline constexpr std::string_view kDatumLineEnd = "\r\n";

// A header is accepted when its upper-case form contains "NAME", "DX" and "RX" anywhere.
bool is_datum_file_header(std::string_view line);

// Empty lines and lines starting with "None" (case matters) hold no entry.
bool is_entry_line(std::string_view line);

// The longest line the program's line reader takes whole: every line the list writes stays
// within it, so that the file loads as it was saved.
inline constexpr size_t kLongestDatumLine = 10240;

// The name, trimmed, as the file keeps it with the values of `shift`: whole, unless its line would
// be longer than `kLongestDatumLine`; it is then cut to what fits and trimmed again. A part of
// `name`.
std::string_view name_that_fits(std::string_view name, const DatumShift& shift);

// One entry line: eight fields separated by commas, the name trimmed (and cut by
// `name_that_fits`), each number read with the leading-number rule (missing or unreadable
// numbers, and numbers too large for a double, read 0); a ninth field and beyond are ignored.
DatumShift parse_datum_line(std::string_view line);

// The entry as written: the trimmed name, dx, dy, dz and sc as "0.0000", the rotations as
// "0.0000e+00". A name starting with "None" is written with one blank in front, so that the line
// is not taken for one without an entry.
std::string format_datum_line(const DatumShift& shift);

}  // namespace korv
