#include "transform_math.h"

#include <cmath>
#include <utility>

namespace korv {

bool all_finite(std::initializer_list<double> values) {
    for (double value : values) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

PointPairs point_pairs(const CoordTransform& record) {
    return {{record.gxmin, record.gymin},
            {record.mxmin, record.mymin},
            {record.gxmax, record.gymax},
            {record.mxmax, record.mymax}};
}

void set_point_pairs(CoordTransform& record, const PointPairs& points) {
    record.gxmin = points.original_first.east;
    record.gymin = points.original_first.north;
    record.mxmin = points.new_first.east;
    record.mymin = points.new_first.north;
    record.gxmax = points.original_second.east;
    record.gymax = points.original_second.north;
    record.mxmax = points.new_second.east;
    record.mymax = points.new_second.north;
}

double baseline_length(const GridPoint& from, const GridPoint& to) {
    const double dx = to.east - from.east;
    const double dy = to.north - from.north;
    return std::sqrt(dy * dy + dx * dx);
}

void clear_coord_transform(CoordTransform& record) {
    record.reserved_int = 0;
    record.rotation = 0;
    record.reserved_a = 1.0;
    record.reserved_b = 0.0;
    record.xscale = 1.0;
    record.yscale = 1.0;
    record.gxmin = 0.0;
    record.gxmax = 1.0;
    record.mxmin = 0.0;
    record.mxmax = 1.0;
    record.gymin = 0.0;
    record.gymax = 1.0;
    record.mymin = 0.0;
    record.mymax = 1.0;
    record.zshift = 0.0;
    record.zscale = 1.0;
}

double clockwise_bearing(double u, double v) {
    if (u > 0) {
        return -std::atan(v / u) * kStoredRotationDegreesPerRadian;
    }
    if (u == 0) {
        return v > 0 ? -90.0 : 90.0;
    }
    const double bearing = 180.0 - std::fabs(std::atan(v / u) * kStoredRotationDegreesPerRadian);
    return v > 0 ? -bearing : bearing;
}

Result<std::optional<TwoPointSolution>> convert_transform(const PointPairs& points) {
    // With extreme coordinates a length overflows, which is reported rather than solved with
    // infinities.
    const double original_length = baseline_length(points.original_first, points.original_second);
    if (!std::isfinite(original_length)) {
        return Error{ErrorCode::kTransformParametersOverflow};
    }
    if (original_length < kShortestBaseline) {
        return std::optional<TwoPointSolution>();
    }
    const double new_length = baseline_length(points.new_first, points.new_second);
    if (!std::isfinite(new_length)) {
        return Error{ErrorCode::kTransformParametersOverflow};
    }
    if (new_length < kShortestBaseline) {
        return std::optional<TwoPointSolution>();
    }
    const double dgx = points.original_second.east - points.original_first.east;
    const double dgy = points.original_second.north - points.original_first.north;
    const double dmx = points.new_second.east - points.new_first.east;
    const double dmy = points.new_second.north - points.new_first.north;
    // Both lengths are finite and the original one at least kShortestBaseline, so the scale is
    // finite too.
    const double scale = new_length / original_length;
    return std::optional<TwoPointSolution>(
        TwoPointSolution{clockwise_bearing(dmx / new_length, dmy / new_length) -
                             clockwise_bearing(dgx / original_length, dgy / original_length),
                         scale, scale});
}

Result<GridPoint> second_new_point(const CoordTransform& record) {
    const double dx = (record.gxmax - record.gxmin) * record.xscale;
    const double dy = (record.gymax - record.gymin) * record.yscale;
    const double theta = record.rotation / kStoredRotationDegreesPerRadian;
    const GridPoint point{std::cos(theta) * dx + record.mxmin + std::sin(theta) * dy,
                          record.mymin - std::sin(theta) * dx + std::cos(theta) * dy};
    if (!all_finite({dx, dy, point.east, point.north})) {
        return Error{ErrorCode::kTransformOverflow};
    }
    return point;
}

Result<CoordTransform> invert_transform(const CoordTransform& record, int32_t transform_type) {
    CoordTransform inverse = record;
    if (transform_type == kOriginForm) {
        inverse.rotation = -record.rotation;
        inverse.xscale = record.xscale == 0 ? 1.0 : 1.0 / record.xscale;
        inverse.yscale = record.yscale == 0 ? 1.0 : 1.0 / record.yscale;
    }
    std::swap(inverse.gxmin, inverse.mxmin);
    std::swap(inverse.gymin, inverse.mymin);
    std::swap(inverse.gxmax, inverse.mxmax);
    std::swap(inverse.gymax, inverse.mymax);
    // Znew = (Zold + zshift) * zscale undone: Zold = (Znew - zshift * zscale) / zscale.
    if (record.zscale == 0) {
        inverse.zshift = -record.zshift;
        inverse.zscale = 1.0;
    } else {
        inverse.zshift = -record.zshift * record.zscale;
        inverse.zscale = 1.0 / record.zscale;
    }
    if (!all_finite({inverse.rotation, inverse.xscale, inverse.yscale, inverse.gxmin, inverse.gxmax,
                     inverse.mxmin, inverse.mxmax, inverse.gymin, inverse.gymax, inverse.mymin,
                     inverse.mymax, inverse.zshift, inverse.zscale})) {
        return Error{ErrorCode::kTransformOverflow};
    }
    return inverse;
}

}  // namespace korv
