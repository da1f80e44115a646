#pragma once
// Coordinate files ("*.crd"): one transform in its two-point form as four lines, each ended by a
// carriage return and a line feed: a header, the first point pair (original x, original y, new x,
// new y), the second point pair, and the elevation shift and scale. Numbers are written in general
// form with up to 15 significant digits and one blank between them. Messages are for the control
// to show (context "korv::PointTransform"); where one names the file, it does so as %1, for which
// the control puts the file's path in quotes.

#include <QtGlobal>
#include <array>
#include <string>

#include "result.h"
#include "transform_math.h"

namespace korv {

inline constexpr char kCoordinateFileHeader[] = "     Station        Depth      East       North";
inline constexpr char kCoordinateFileTitle[] =
    QT_TRANSLATE_NOOP("korv::PointTransform", "Specify the name of Coordinate transformation file");
inline constexpr char kCoordinateFileFilter[] =
    QT_TRANSLATE_NOOP("korv::PointTransform", "Coordinate Files (*.crd)|*.crd|All files (*.*)|*.*");
// The name a save proposes, and the extension a chosen name without one gets.
inline constexpr char kCoordinateFilePattern[] = "*.crd";
inline constexpr char kCoordinateFileExtension[] = "crd";

// The values a coordinate file holds, in file order.
struct CoordinateFileValues {
    PointPairs points;
    double zshift = 0;
    double zscale = 1;

    friend bool operator==(const CoordinateFileValues&, const CoordinateFileValues&) = default;
};

// The four lines of the file for `values`, without their line ends.
std::array<std::string, 4> coordinate_file_lines(const CoordinateFileValues& values);

// Whether `values` can be written: refused when one is not a finite number.
Status check_savable(const CoordinateFileValues& values);

// Writes `values` to the file at `path`, beside it first and moved over it only when complete, so
// an existing file is never left half written. Refused as `check_savable` refuses, or when the
// file cannot be written (an earlier file of that name is then unchanged).
Status write_coordinate_file(const std::string& path, const CoordinateFileValues& values);

// The values of the coordinate file at `path`. A point line with exactly four fields holds the
// four numbers; otherwise a label comes first and is skipped; a missing field reads 0. The
// elevation line is read only after a four-field second point line; a missing or unreadable one
// reads as shift 0 and scale 1. Refused when the file cannot be opened or read, or holds a
// number too large to use.
Result<CoordinateFileValues> read_coordinate_file(const std::string& path);

// The checks of a file's points, grid first, then map: each pair must lie at least 1 apart. Both
// always run, so both can fail for one file.
std::array<Status, 2> check_file_baselines(const PointPairs& points);

}  // namespace korv
