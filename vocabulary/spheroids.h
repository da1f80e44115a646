#pragma once
// The spheroids a coordinate system can name: a code, the name the spheroid list shows, and the
// published defining figures (the semi-major axis with the inverse flattening, or for Clarke 1866
// with the semi-minor axis). The one table of them: the Projection control's list, the geodesy
// library and the tests all read it.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "translatable.h"

namespace korv {

struct Spheroid {
    int32_t code;
    std::string_view name;      // as the spheroid list shows it
    double semi_major_axis;     // a, metres
    double inverse_flattening;  // 1/f; 0 when the spheroid is defined by b
    double semi_minor_axis;     // b, metres; 0 when the spheroid is defined by 1/f

    constexpr bool defined_by_semi_minor_axis() const { return inverse_flattening == 0.0; }
    // 1/f, derived from a and b where b defines the spheroid.
    constexpr double derived_inverse_flattening() const {
        return defined_by_semi_minor_axis() ? semi_major_axis / (semi_major_axis - semi_minor_axis)
                                            : inverse_flattening;
    }
    // b, derived from a and 1/f where 1/f defines the spheroid.
    constexpr double derived_semi_minor_axis() const {
        return defined_by_semi_minor_axis() ? semi_minor_axis
                                            : semi_major_axis * (1.0 - 1.0 / inverse_flattening);
    }
};

// In the order of the spheroid list. The codes are not in list order: the two later Everest
// entries carry 21 and 22.
inline constexpr std::array<Spheroid, 22> kSpheroids = {{
    {1, QT_TRANSLATE_NOOP("korv::Projection", "Australian National Spheroid"), 6378160.0, 298.25,
     0.0},
    {2, QT_TRANSLATE_NOOP("korv::Projection", "International Spheroid"), 6378388.0, 297.0, 0.0},
    {3, QT_TRANSLATE_NOOP("korv::Projection", "Clark 1866"), 6378206.4, 0.0, 6356583.8},
    {4, QT_TRANSLATE_NOOP("korv::Projection", "Clark 1880"), 6378249.145, 293.465, 0.0},
    {5, QT_TRANSLATE_NOOP("korv::Projection", "Bessel 1841"), 6377397.155, 299.1528128, 0.0},
    {6, QT_TRANSLATE_NOOP("korv::Projection", "Airy 1830"), 6377563.396, 299.3249646, 0.0},
    {7, QT_TRANSLATE_NOOP("korv::Projection", "Everest 1830 (1937 Adjustment)"), 6377276.345,
     300.8017, 0.0},
    {21, QT_TRANSLATE_NOOP("korv::Projection", "Everest 1830 (1967 Adjustment)"), 6377298.556,
     300.8017, 0.0},
    {22, QT_TRANSLATE_NOOP("korv::Projection", "Everest 1830 (Modified)"), 6377304.063, 300.8017,
     0.0},
    {8, QT_TRANSLATE_NOOP("korv::Projection", "Fischer 1960"), 6378166.0, 298.3, 0.0},
    {9, QT_TRANSLATE_NOOP("korv::Projection", "Fischer 1968"), 6378150.0, 298.3, 0.0},
    {10, QT_TRANSLATE_NOOP("korv::Projection", "GRS67"), 6378160.0, 298.247167427, 0.0},
    {11, QT_TRANSLATE_NOOP("korv::Projection", "GRS75"), 6378140.0, 298.257, 0.0},
    {12, QT_TRANSLATE_NOOP("korv::Projection", "GRS80/GDA94/MGA94"), 6378137.0, 298.257222101, 0.0},
    {13, QT_TRANSLATE_NOOP("korv::Projection", "Hayford 1910 (International)"), 6378388.0, 297.0,
     0.0},
    {14, QT_TRANSLATE_NOOP("korv::Projection", "Hough 1956"), 6378270.0, 297.0, 0.0},
    {15, QT_TRANSLATE_NOOP("korv::Projection", "Krassovsky 1940"), 6378245.0, 298.3, 0.0},
    {16, QT_TRANSLATE_NOOP("korv::Projection", "South American 1969"), 6378160.0, 298.25, 0.0},
    {17, QT_TRANSLATE_NOOP("korv::Projection", "WGS60"), 6378165.0, 298.3, 0.0},
    {18, QT_TRANSLATE_NOOP("korv::Projection", "WGS66"), 6378145.0, 298.25, 0.0},
    {19, QT_TRANSLATE_NOOP("korv::Projection", "WGS72"), 6378135.0, 298.26, 0.0},
    {20, QT_TRANSLATE_NOOP("korv::Projection", "WGS84"), 6378137.0, 298.257223563, 0.0},
}};

// The code a record names when no spheroid is chosen.
inline constexpr int32_t kFirstSpheroidCode = 1;
inline constexpr int32_t kGrs80Code = 12;

// The spheroid of a code, or nothing for a code the table does not hold.
constexpr std::optional<Spheroid> find_spheroid(int32_t code) {
    for (const Spheroid& spheroid : kSpheroids) {
        if (spheroid.code == code) {
            return spheroid;
        }
    }
    return std::nullopt;
}

// GRS80, which stands in where a coordinate system names no spheroid.
constexpr Spheroid grs80() {
    return *find_spheroid(kGrs80Code);
}

}  // namespace korv
