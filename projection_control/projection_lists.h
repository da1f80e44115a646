#pragma once
// The entries of the control's three lists. A record's `projection` is a position in the
// projection list, its `hemisphere` a position in the hemisphere list plus 1, and its `spheroid`
// the code of a spheroid entry, which the geodesy library gives its meaning.

#include <array>
#include <cstdint>

#include "coord_system.h"

namespace korv {

inline constexpr std::array<const char*, 6> kProjectionNames = {
    "Local Grid",        "Australian Map Grid", "Universal Transverse Mercator",
    "Lambert Conformal", "Albers Equal Area",   "Equidistant Conic",
};

inline constexpr std::array<const char*, 2> kHemisphereNames = {
    "Northern Hemisphere",
    "Southern Hemisphere",
};

struct SpheroidEntry {
    const char* name;
    int32_t code;
};

// In list order; the codes are not: the two later Everest entries carry 21 and 22.
inline constexpr std::array<SpheroidEntry, 22> kSpheroids = {{
    {"Australian National Spheroid", 1},
    {"International Spheroid", 2},
    {"Clark 1866", 3},
    {"Clark 1880", 4},
    {"Bessel 1841", 5},
    {"Airy 1830", 6},
    {"Everest 1830 (1937 Adjustment)", 7},
    {"Everest 1830 (1967 Adjustment)", 21},
    {"Everest 1830 (Modified)", 22},
    {"Fischer 1960", 8},
    {"Fischer 1968", 9},
    {"GRS67", 10},
    {"GRS75", 11},
    {"GRS80/GDA94/MGA94", 12},
    {"Hayford 1910 (International)", 13},
    {"Hough 1956", 14},
    {"Krassovsky 1940", 15},
    {"South American 1969", 16},
    {"WGS60", 17},
    {"WGS66", 18},
    {"WGS72", 19},
    {"WGS84", 20},
}};

// The spheroid a record names when no entry of the list is selected.
inline constexpr int32_t kFirstSpheroidCode = 1;

// The zoned projections number their zones; the conics use both standard parallels.
constexpr bool is_zoned(int32_t projection) {
    return projection == kAustralianMapGrid || projection == kUniversalTransverseMercator;
}
constexpr bool is_conic(int32_t projection) {
    return projection >= kLambertConformal && projection <= kEquidistantConic;
}

}  // namespace korv
