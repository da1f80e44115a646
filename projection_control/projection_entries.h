#pragma once
// What the control's fields hold at one moment: the three list choices and the nine texts, as
// the user sees them. The checks, the defaults and the conversions to and from a record work on
// this, so they need no widgets.

#include <cstdint>
#include <string>

namespace korv {

struct ProjectionEntries {
    int32_t projection = -1;  // selected position in the projection list, -1 when none
    int32_t spheroid = 1;     // code of the selected spheroid entry, 1 when none
    int32_t hemisphere = 0;   // selected position in the hemisphere list plus 1, 0 when none

    std::string zone_number;
    std::string false_east;
    std::string false_north;
    std::string scale_factor;
    std::string longitude_origin;
    std::string latitude_origin;
    std::string standard_parallel_1;
    std::string standard_parallel_2;
    std::string zone_width;
};

// One of the nine texts, named by its member.
using EntryText = std::string ProjectionEntries::*;

}  // namespace korv
