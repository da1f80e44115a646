// Seven-parameter datum shifts: preparing the workspace, and moving geographic points through a
// shift by way of geocentric coordinates.
#pragma once

#include <array>
#include <optional>

#include "ellipsoids.h"

namespace korvutil32 {

// A shift as published: translations in metres, rotations in seconds of arc (coordinate frame
// rotation convention), scale change in parts per million.
struct SevenParameters {
    double dx, dy, dz;
    double rx, ry, rz;
    double sc;
};

// Fills all 32 elements of the workspace (layout in korvutil32_layout.h).
void write_shift_workspace(const SevenParameters& shift, double* workspace);

// The shift X' = t + s * M * X between geocentric coordinates, as the workspace holds it.
struct GeocentricShift {
    std::array<double, 3> translation;  // t, metres
    double scale;                       // s
    std::array<double, 9> matrix;       // M, row by row
};

// The shift a workspace holds, or nothing when its values are not finite or too far out of range
// to come from a real datum shift (a zeroed workspace has scale 0 and is refused).
std::optional<GeocentricShift> read_shift_workspace(const double* workspace);

struct GeodeticPoint {
    double longitude;  // degrees
    double latitude;   // degrees
    double height;     // metres above the ellipsoid
};

// Heights beyond this, in metres, are refused as garbage.
inline constexpr double kMaxHeight = 1e7;

// Moves a point through a shift: direction 1 applies it, -1 undoes it. The point comes in on
// `from` and goes out on `to`. Nothing for a direction other than 1 or -1, a point out of range,
// or a failure in the engine.
std::optional<GeodeticPoint> shift_point(const GeocentricShift& shift, int direction,
                                         const GeodeticPoint& point, const Ellipsoid& from,
                                         const Ellipsoid& to);

}  // namespace korvutil32
