#pragma once
// The conversions of the test panel: reading and checking a typed point, projecting and
// unprojecting it with one side's coordinate system, and moving it through the current datum
// shift. Each answers with the converted point or the message the user is shown.

#include <string>
#include <string_view>
#include <variant>

#include "coord_system.h"
#include "datum_shift.h"

namespace korv {

struct GeographicPoint {
    double longitude = 0;  // decimal degrees
    double latitude = 0;
};

struct GridPoint {
    double east = 0;
    double north = 0;
};

// A message for the user when a step cannot be done.
struct Refusal {
    std::string message;
};

template <typename T>
using Outcome = std::variant<T, Refusal>;

// The side of the panel, which names the coordinate system in messages.
enum class Side { kSource = 0, kMap = 1 };

// The typed longitude (-360 to 360) and latitude (-89 to 89, the poles excluded), both limits
// included. A text that is no angle is refused like a value out of range.
Outcome<GeographicPoint> read_geographic_point(std::string_view longitude_text,
                                               std::string_view latitude_text);

// The typed easting and northing; each must be numeric as a whole.
Outcome<GridPoint> read_grid_point(std::string_view east_text, std::string_view north_text);

// The typed height for a datum conversion.
Outcome<double> read_elevation(std::string_view text);

// Projects or unprojects with a side's coordinate system. A point the coordinate system cannot
// convert (a local grid, a side not yet defined, a point outside the projection) is refused.
Outcome<GridPoint> geographic_to_grid(const GeographicPoint& point, const CoordSystem& system,
                                      Side side);
Outcome<GeographicPoint> grid_to_geographic(const GridPoint& point, const CoordSystem& system,
                                            Side side);

struct PointWithHeight {
    GeographicPoint point;
    double height = 0;
};

// Moves the point from side `from` to the other side through the shift: source to map applies
// it, map to source undoes it; both sides lie on the source coordinate system's spheroid. A shift
// without a name, or named "None" in any case, passes the point unchanged.
Outcome<PointWithHeight> convert_between_datums(const PointWithHeight& point, Side from,
                                                const DatumShift& shift,
                                                const CoordSystem& source_system);

}  // namespace korv
