#pragma once
// Coordinate files ("*.crd"): one transform in its two-point form as four lines, each ended by a
// carriage return and a line feed: a header, the first point pair (original x, original y, new x,
// new y), the second point pair, and the elevation shift and scale. Numbers are written in general
// form with up to 15 significant digits and one blank between them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "transform_math.h"

namespace korv {

class Utilities;

inline constexpr char kCoordinateFileHeader[] = "     Station        Depth      East       North";
inline constexpr char kCoordinateFileTitle[] = "Specify the name of Coordinate transformation file";
inline constexpr char kCoordinateFileFilter[] =
    "Coordinate Files (*.crd)|*.crd|All files (*.*)|*.*";
// Size of the field list a control hands to the reader (indices 0 to 64).
inline constexpr size_t kFieldListSize = 65;

// The values a coordinate file holds, in file order.
struct CoordinateFileValues {
    PointPairs points;
    double zshift = 0;
    double zscale = 1;

    friend bool operator==(const CoordinateFileValues&, const CoordinateFileValues&) = default;
};

// The four lines of the file for `values`, without their line ends.
std::array<std::string, 4> coordinate_file_lines(const CoordinateFileValues& values);

// Lets the user choose a file and writes `values` to it, beside the file and moved over it only
// when complete, so an existing file is never left half written. Returns 0 when written, the
// choice's status when the user cancelled, and -1 after a message when the values are not all
// finite numbers or the file could not be written. The current directory is the same afterwards.
int32_t save_coordinate_file(Utilities& utilities, const CoordinateFileValues& values);

// Lets the user choose a file and reads it into `values`, splitting point lines with `fields`.
// A point line with exactly four fields holds the four numbers; otherwise a label comes first
// and is skipped; a missing field reads 0. The elevation line is read only after a four-field
// second point line; a missing or unreadable one reads as shift 0 and scale 1.
// Returns 0 when read; the choice's status (negative) when the user cancelled; -1 after a message
// when the file could not be opened or read or holds a number too large to use (`values` then
// unchanged), or when the two grid points or the two map points lie less than 1 apart (`values`
// then hold what was read, and both messages can appear). The current directory is the same
// afterwards.
int32_t load_coordinate_file(Utilities& utilities, std::vector<std::string>& fields,
                             CoordinateFileValues& values);

}  // namespace korv
