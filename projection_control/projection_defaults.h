#pragma once
// The texts the control fills in when the user picks a projection or a hemisphere.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "projection_entries.h"

namespace korv {

struct DefaultText {
    EntryText field;
    std::string_view text;
};

struct ProjectionDefaults {
    // "Universal Transverse Mercator" is always northern: the hemisphere list is set to
    // "Northern Hemisphere" before the texts are written.
    bool select_northern_hemisphere = false;
    // The texts to write, in this order.
    std::vector<DefaultText> texts;
};

// The defaults for a newly picked projection (a position in the projection list), given the
// hemisphere selected at that moment (1 northern, 2 southern). The zoned projections get the
// transverse Mercator zone system: zone "0", central meridian of zone 1 and 6 degree zones, and a
// false northing for their hemisphere. The other projections reset only the false origin, the
// scale factor and the zone width.
ProjectionDefaults projection_defaults(int32_t projection, int32_t hemisphere);

// The false northing the zoned projections take when the user picks a hemisphere (1 northern,
// 2 southern); nothing for the other projections, whose false northing stays as typed.
std::optional<std::string_view> hemisphere_false_north(int32_t projection, int32_t hemisphere);

}  // namespace korv
