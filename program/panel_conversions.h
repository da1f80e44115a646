#pragma once
// The conversions of the test panel: reading and checking a typed point, projecting and
// unprojecting it with one side's coordinate system, and moving it through the current datum
// shift. Each goes through the conversion engine along the path "Convert File..." converts files
// on, so a point gives on the panel what it gives in a file. Each answers with the converted point
// or an error whose message is the text the panel shows (context "korv::ConversionTestPanel").

#include <string_view>

#include "conversion_setup.h"
#include "points.h"
#include "program_state.h"
#include "result.h"

namespace korv {

// The side of the panel, which names the coordinate system in messages.
enum class Side { kSource = 0, kMap = 1 };

// The typed longitude (-360 to 360) and latitude (-89 to 89, the poles excluded), both limits
// included. A text that is no angle is refused like a value out of range.
Result<GeographicPoint> read_geographic_point(std::string_view longitude_text,
                                              std::string_view latitude_text);

// The typed easting and northing; each must be numeric as a whole.
Result<GridPoint> read_grid_point(std::string_view east_text, std::string_view north_text);

// The typed height for a datum conversion.
Result<double> read_elevation(std::string_view text);

// The map side converts with the copy of the source coordinate system that "Test Transform" takes
// while a transform is named; an error that says so while no copy was taken.
Status map_system_taken(const CoordSystem& map_system);

// What converting between two of the panel's points means with the panel's current state: the
// source side on the source coordinate system, the map side on its committed copy, and the
// current datum shift on the source's spheroid, none for a shift without a name or named "None".
// An error (context "korv::FileConversion") when a record holds a projection the list does not
// know.
Result<convert::ConversionSetup> panel_conversion_setup(const ProgramState& state,
                                                        convert::PointKind from,
                                                        convert::PointKind to);

// Projects or unprojects with a side's coordinate system. A point the coordinate system cannot
// convert (a local grid, a map side without a system, a point outside the projection, or no
// conversion engine to convert with) is refused.
Result<GridPoint> geographic_to_grid(const ProgramState& state, Side side,
                                     const GeographicPoint& point);
Result<GeographicPoint> grid_to_geographic(const ProgramState& state, Side side,
                                           const GridPoint& point);

// Moves the point from side `from` to the other side through the current datum shift: source to
// map applies it, map to source undoes it; both sides lie on the source coordinate system's
// spheroid. A shift that shifts no points passes the point unchanged. When the point cannot be
// moved, the message takes the shift's trimmed name as %1.
Result<GeodeticPoint> convert_between_datums(const ProgramState& state, Side from,
                                             const GeodeticPoint& point);

}  // namespace korv
