#include "transform_math.h"

#include <cmath>
#include <utility>

namespace korv {
namespace {

bool all_finite(std::initializer_list<double> values) {
    for (double value : values) {
        if (!std::isfinite(value)) {
            return false;
        }
    }
    return true;
}

TwoPointSolution overflowed() {
    TwoPointSolution solution;
    solution.error_message = std::string(kParametersErrorPrefix) + kOverflowDescription;
    return solution;
}

}  // namespace

PointPairs point_pairs(const CoordTransform& record) {
    return {record.gxmin, record.gymin, record.mxmin, record.mymin,
            record.gxmax, record.gymax, record.mxmax, record.mymax};
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
        return -std::atan(v / u) * kDegreesPerRadian;
    }
    if (u == 0) {
        return v > 0 ? -90.0 : 90.0;
    }
    const double bearing = 180.0 - std::fabs(std::atan(v / u) * kDegreesPerRadian);
    return v > 0 ? -bearing : bearing;
}

TwoPointSolution convert_transform(const PointPairs& points) {
    TwoPointSolution solution;
    // The lengths are taken as the sum of squares, as stored transforms were always solved; with
    // extreme coordinates that sum overflows, which is reported rather than solved with infinities.
    const double dgx = points.gxmax - points.gxmin;
    const double dgy = points.gymax - points.gymin;
    const double original_length = std::sqrt(dgy * dgy + dgx * dgx);
    if (!std::isfinite(original_length)) {
        return overflowed();
    }
    if (original_length < kShortestBaseline) {
        return solution;
    }
    const double dmx = points.mxmax - points.mxmin;
    const double dmy = points.mymax - points.mymin;
    const double new_length = std::sqrt(dmy * dmy + dmx * dmx);
    if (!std::isfinite(new_length)) {
        return overflowed();
    }
    if (new_length < kShortestBaseline) {
        return solution;
    }
    // Both lengths are finite and the original one at least kShortestBaseline, so the scale is
    // finite too.
    const double scale = new_length / original_length;
    solution.rotation = clockwise_bearing(dmx / new_length, dmy / new_length) -
                        clockwise_bearing(dgx / original_length, dgy / original_length);
    solution.xscale = scale;
    solution.yscale = scale;
    solution.ierr = 0;
    return solution;
}

std::optional<NewPoint> second_new_point(const CoordTransform& record) {
    const double dx = (record.gxmax - record.gxmin) * record.xscale;
    const double dy = (record.gymax - record.gymin) * record.yscale;
    const double theta = record.rotation / kDegreesPerRadian;
    const NewPoint point{std::cos(theta) * dx + record.mxmin + std::sin(theta) * dy,
                         record.mymin - std::sin(theta) * dx + std::cos(theta) * dy};
    if (!all_finite({dx, dy, point.x, point.y})) {
        return std::nullopt;
    }
    return point;
}

std::optional<CoordTransform> invert_transform(const CoordTransform& record,
                                               int32_t transform_type) {
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
        return std::nullopt;
    }
    return inverse;
}

}  // namespace korv
