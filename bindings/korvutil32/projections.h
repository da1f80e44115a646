// Projecting and unprojecting points through the engine, with one cached engine operation per
// distinct set of projection parameters.
#pragma once

#include <optional>

#include "coordinate_system.h"

namespace korvutil32 {

struct GeographicPoint {
    double longitude;  // degrees
    double latitude;   // degrees
};

struct GridPoint {
    double east;   // metres
    double north;  // metres
};

// Grid coordinates of a point (longitude within -360..360, latitude within -90..90), or nothing
// when the engine cannot project it.
std::optional<GridPoint> project(const CoordinateSystem& system, GeographicPoint point);

// Geographic coordinates of a grid point, longitude within -180..180. Nothing when the grid point
// lies outside the area the projection covers, detected by projecting the answer again.
std::optional<GeographicPoint> unproject(const CoordinateSystem& system, GridPoint point);

// Largest distance, in metres, by which an unprojected answer may miss the grid point it came
// from when projected again. Points the projection covers come back within nanometres.
inline constexpr double kRoundTripTolerance = 1e-3;

}  // namespace korvutil32
