#include "datum_transformation.h"

#include <cmath>
#include <numbers>

#include "coordinate_system.h"
#include "proj_definition.h"

namespace korv::geodesy {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kArcSecondsPerRadian = 180.0 * 3600.0 / std::numbers::pi;

// Bounds on a shift that could be real; far wider than any published one.
constexpr double kMaxTranslation = 1e7;                      // metres
constexpr double kMinScaleChange = -0.5e6;                   // ppm: the scale stays at 0.5 or more
constexpr double kMaxScaleChange = 1e6;                      // ppm: the scale stays at 2 or less
constexpr double kMaxRotation = 2.0 * kArcSecondsPerRadian;  // seconds of arc

bool within(double value, double limit) {
    return std::isfinite(value) && std::fabs(value) <= limit;
}

std::optional<Error> shift_problem(const DatumShift& s) {
    if (!within(s.dx, kMaxTranslation) || !within(s.dy, kMaxTranslation) ||
        !within(s.dz, kMaxTranslation)) {
        return Error{ErrorCode::kShiftTranslationUnreal};
    }
    if (!within(s.rx, kMaxRotation) || !within(s.ry, kMaxRotation) || !within(s.rz, kMaxRotation)) {
        return Error{ErrorCode::kShiftRotationUnreal};
    }
    if (!(s.sc >= kMinScaleChange && s.sc <= kMaxScaleChange)) {
        return Error{ErrorCode::kShiftScaleUnreal};
    }
    return std::nullopt;
}

ProjDefinition geocentric(const Spheroid& spheroid) {
    ProjDefinition cart("cart");
    cart.ellipsoid(spheroid);
    return cart;
}

// The shift as the engine's Helmert operation: rotations in seconds of arc, the scale change in
// parts per million, coordinate frame convention, small-angle rotation matrix.
ProjDefinition helmert(const DatumShift& s) {
    ProjDefinition helmert("helmert");
    helmert.parameter("x", s.dx)
        .parameter("y", s.dy)
        .parameter("z", s.dz)
        .parameter("rx", s.rx)
        .parameter("ry", s.ry)
        .parameter("rz", s.rz)
        .parameter("s", s.sc)
        .parameter("convention", "coordinate_frame");
    return helmert;
}

// Geodetic on `from` (radians, metres) to geocentric, through the shift one way, and back to
// geodetic on `to`.
Result<ProjOperation> pipeline(const DatumShift& shift, const Spheroid& from, const Spheroid& to,
                               bool undo) {
    ProjDefinition pipeline("pipeline");
    pipeline.step(geocentric(from)).step(helmert(shift), undo).step(geocentric(to), true);
    return ProjOperation::create(pipeline.text());
}

bool within_limits(const PJ_COORD& point) {
    return within(point.v[0], kMaxLongitude) && within(point.v[1], kMaxLatitude) &&
           within(point.v[2], kMaxHeight);
}

void run_all(const ProjOperation& operation, std::span<PJ_COORD> points) {
    for (PJ_COORD& p : points) {
        if (within_limits(p)) {
            p.v[0] *= kRadiansPerDegree;
            p.v[1] *= kRadiansPerDegree;
        } else {
            p.v[0] = p.v[1] = p.v[2] = HUGE_VAL;
        }
    }
    const bool made = operation.transform_all(PJ_FWD, points.data(), points.size());
    for (PJ_COORD& p : points) {
        if (!made || !std::isfinite(p.v[0]) || !std::isfinite(p.v[1]) || !std::isfinite(p.v[2])) {
            p.v[0] = p.v[1] = p.v[2] = HUGE_VAL;
            continue;
        }
        p.v[0] *= kDegreesPerRadian;
        p.v[1] *= kDegreesPerRadian;
    }
}

Result<GeodeticPoint> run(const ProjOperation& operation, const GeodeticPoint& point) {
    PJ_COORD coordinate =
        proj_coord(point.position.longitude, point.position.latitude, point.height, 0);
    if (!within_limits(coordinate)) {
        return Error{ErrorCode::kGeodeticPointOutside};
    }
    run_all(operation, {&coordinate, 1});
    if (!std::isfinite(coordinate.v[0])) {
        return Error{ErrorCode::kShiftCannotMovePoint};
    }
    return GeodeticPoint{{coordinate.v[0], coordinate.v[1]}, coordinate.v[2]};
}

}  // namespace

Result<DatumTransformation> DatumTransformation::create(const DatumShift& shift,
                                                        const Spheroid& from, const Spheroid& to) {
    if (std::optional<Error> problem = shift_problem(shift)) {
        return *problem;
    }
    Result<ProjOperation> forward = pipeline(shift, from, to, false);
    Result<ProjOperation> inverse = pipeline(shift, from, to, true);
    if (!forward) {
        return forward.error();
    }
    if (!inverse) {
        return inverse.error();
    }
    return DatumTransformation(shift, std::move(forward).value(), std::move(inverse).value());
}

Result<GeodeticPoint> DatumTransformation::forward(const GeodeticPoint& point) const {
    return run(forward_, point);
}

Result<GeodeticPoint> DatumTransformation::inverse(const GeodeticPoint& point) const {
    return run(inverse_, point);
}

void DatumTransformation::forward_all(std::span<PJ_COORD> points) const {
    run_all(forward_, points);
}

void DatumTransformation::inverse_all(std::span<PJ_COORD> points) const {
    run_all(inverse_, points);
}

}  // namespace korv::geodesy
