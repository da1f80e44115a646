#include "system_matching.h"

#include <cmath>
#include <optional>

#include "spheroid_figures.h"

namespace korv::epsg {
namespace {

// Finer than the control's fields keep: angles to 1e-5 seconds of arc, false easting and
// northing to the metre, the scale factor to four decimals.
constexpr double kAngleTolerance = 1e-8;   // degrees
constexpr double kLengthTolerance = 1e-3;  // metres
constexpr double kScaleTolerance = 1e-9;

bool near(double a, double b, double tolerance) {
    return std::fabs(a - b) <= tolerance;
}

bool same_longitude(double a, double b) {
    return near(std::remainder(a - b, 360.0), 0, kAngleTolerance);
}

// The meridian the projection is centred on; nothing for a zoned definition without a zone.
std::optional<double> central_meridian(const CoordinateSystemDefinition& d) {
    if (!is_zoned(d.projection)) {
        return d.longitude_origin;
    }
    if (d.zone_number < 1) {
        return std::nullopt;
    }
    return d.longitude_origin + (d.zone_number - 1) * d.zone_width;
}

bool same_spheroid(int32_t a, int32_t b) {
    const std::optional<Spheroid> first = find_spheroid(a), second = find_spheroid(b);
    return first && second &&
           has_figures(*first, second->semi_major_axis, second->derived_semi_minor_axis());
}

bool same_parallels(const CoordinateSystemDefinition& a, const CoordinateSystemDefinition& b) {
    return (near(a.standard_parallel_1, b.standard_parallel_1, kAngleTolerance) &&
            near(a.standard_parallel_2, b.standard_parallel_2, kAngleTolerance)) ||
           (near(a.standard_parallel_1, b.standard_parallel_2, kAngleTolerance) &&
            near(a.standard_parallel_2, b.standard_parallel_1, kAngleTolerance));
}

}  // namespace

bool same_system(const CoordinateSystemDefinition& a, const CoordinateSystemDefinition& b) {
    const bool transverse_mercator = is_zoned(a.projection);
    if (transverse_mercator != is_zoned(b.projection) ||
        (!transverse_mercator && a.projection != b.projection) || a.projection == kLocalGrid) {
        return false;
    }
    const std::optional<double> meridian_a = central_meridian(a), meridian_b = central_meridian(b);
    return meridian_a && meridian_b && same_longitude(*meridian_a, *meridian_b) &&
           same_spheroid(a.spheroid, b.spheroid) &&
           near(a.latitude_origin, b.latitude_origin, kAngleTolerance) &&
           near(a.false_east, b.false_east, kLengthTolerance) &&
           near(a.false_north, b.false_north, kLengthTolerance) &&
           (transverse_mercator ? near(a.scale_factor, b.scale_factor, kScaleTolerance)
                                : same_parallels(a, b));
}

}  // namespace korv::epsg
