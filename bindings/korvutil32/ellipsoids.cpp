// The table of spheroid codes. The figures are the published defining parameters; they are handed
// to the projection engine as numbers rather than as ellipsoid names, because some of the engine's
// names carry different figures than the ones surveyors know under the same name.
#include "ellipsoids.h"

#include <array>
#include <cstddef>

namespace korvutil32 {
namespace {

constexpr std::array kEllipsoids{
    Ellipsoid{1, 6378160.0, 298.25, 0.0},          // Australian National
    Ellipsoid{2, 6378388.0, 297.0, 0.0},           // International
    Ellipsoid{3, 6378206.4, 0.0, 6356583.8},       // Clarke 1866
    Ellipsoid{4, 6378249.145, 293.465, 0.0},       // Clarke 1880
    Ellipsoid{5, 6377397.155, 299.1528128, 0.0},   // Bessel 1841
    Ellipsoid{6, 6377563.396, 299.3249646, 0.0},   // Airy 1830
    Ellipsoid{7, 6377276.345, 300.8017, 0.0},      // Everest 1830 (1937 adjustment)
    Ellipsoid{8, 6378166.0, 298.3, 0.0},           // Fischer 1960
    Ellipsoid{9, 6378150.0, 298.3, 0.0},           // Fischer 1968
    Ellipsoid{10, 6378160.0, 298.247167427, 0.0},  // GRS67
    Ellipsoid{11, 6378140.0, 298.257, 0.0},        // GRS75
    Ellipsoid{12, 6378137.0, 298.257222101, 0.0},  // GRS80
    Ellipsoid{13, 6378388.0, 297.0, 0.0},          // Hayford 1910
    Ellipsoid{14, 6378270.0, 297.0, 0.0},          // Hough 1956
    Ellipsoid{15, 6378245.0, 298.3, 0.0},          // Krassovsky 1940
    Ellipsoid{16, 6378160.0, 298.25, 0.0},         // South American 1969
    Ellipsoid{17, 6378165.0, 298.3, 0.0},          // WGS60
    Ellipsoid{18, 6378145.0, 298.25, 0.0},         // WGS66
    Ellipsoid{19, 6378135.0, 298.26, 0.0},         // WGS72
    Ellipsoid{20, 6378137.0, 298.257223563, 0.0},  // WGS84
    Ellipsoid{21, 6377298.556, 300.8017, 0.0},     // Everest 1830 (1967 adjustment)
    Ellipsoid{22, 6377304.063, 300.8017, 0.0},     // Everest 1830 (modified)
};

// The codes run from 1 without gaps, so a code is its own index (plus one).
constexpr bool codes_are_positions() {
    for (std::size_t i = 0; i < kEllipsoids.size(); ++i) {
        if (kEllipsoids[i].code != static_cast<int>(i) + 1) {
            return false;
        }
    }
    return true;
}
static_assert(codes_are_positions());

}  // namespace

double Ellipsoid::derived_inverse_flattening() const {
    if (!defined_by_semi_minor_axis()) {
        return inverse_flattening;
    }
    return semi_major_axis / (semi_major_axis - semi_minor_axis);
}

double Ellipsoid::derived_semi_minor_axis() const {
    if (defined_by_semi_minor_axis()) {
        return semi_minor_axis;
    }
    return semi_major_axis * (1.0 - 1.0 / inverse_flattening);
}

std::optional<Ellipsoid> find_ellipsoid(int code) {
    if (code < 1 || code > static_cast<int>(kEllipsoids.size())) {
        return std::nullopt;
    }
    return kEllipsoids[static_cast<std::size_t>(code - 1)];
}

Ellipsoid grs80() {
    return *find_ellipsoid(kGrs80Code);
}

}  // namespace korvutil32
