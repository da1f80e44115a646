// The spheroid codes of a coordinate system and the ellipsoids they stand for.
#pragma once

#include <optional>

namespace korvutil32 {

// An ellipsoid as its defining figures were published: the semi-major axis with either the
// inverse flattening or, for Clarke 1866, the semi-minor axis.
struct Ellipsoid {
    int code;
    double semi_major_axis;     // a, metres
    double inverse_flattening;  // 1/f; 0 when the ellipsoid is defined by b
    double semi_minor_axis;     // b, metres; 0 when the ellipsoid is defined by 1/f

    bool defined_by_semi_minor_axis() const { return inverse_flattening == 0.0; }
    // 1/f, derived from a and b when the ellipsoid is defined by them.
    double derived_inverse_flattening() const;
    // b, derived from a and 1/f when the ellipsoid is defined by them.
    double derived_semi_minor_axis() const;
};

inline constexpr int kGrs80Code = 12;

// The ellipsoid of a spheroid code, or nothing for a code that is not in the table.
std::optional<Ellipsoid> find_ellipsoid(int code);

// GRS80, the ellipsoid assumed where a coordinate system names none.
Ellipsoid grs80();

}  // namespace korvutil32
