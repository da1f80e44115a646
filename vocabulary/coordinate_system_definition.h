#pragma once
// A coordinate system as the user states it: the projection, its spheroid and parameters, and
// the zone. Plain values, not yet checked; the geodesy core checks them once when it makes a
// coordinate system from them.

#include <cstdint>

#include "projection_kind.h"

namespace korv {

struct CoordinateSystemDefinition {
    ProjectionKind projection = ProjectionKind::kLocalGrid;
    int32_t spheroid = 0;            // a code of the spheroid table
    int32_t hemisphere = 0;          // 1 northern, 2 southern; the false northing carries it
    double longitude_origin = 0;     // degrees; for the zoned projections zone 1's meridian
    double latitude_origin = 0;      // degrees
    double standard_parallel_1 = 0;  // degrees, conics only
    double standard_parallel_2 = 0;  // degrees, conics only
    double false_east = 0;           // metres
    double false_north = 0;          // metres
    double scale_factor = 0;         // on the central meridian, zoned projections only
    double zone_width = 0;           // degrees, zoned projections only
    int32_t zone_number = 0;         // zoned projections only

    friend bool operator==(const CoordinateSystemDefinition&,
                           const CoordinateSystemDefinition&) = default;
};

}  // namespace korv
