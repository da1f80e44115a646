#include "datum_transformation.h"

#include <cmath>

#include "angle_units.h"
#include "input_limits.h"
#include "proj_definition.h"

namespace korv::geodesy {
namespace {

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

bool within_limits(const PointCoordinates& point) {
    return within(point.x, kLongitudeLimit) && within(point.y, kLatitudeLimit) &&
           within(point.height, kHeightLimit);
}

void run_all(const ProjOperation& operation, std::span<PointCoordinates> points,
             std::span<PointStatus> statuses) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        PointCoordinates& p = points[i];
        if (statuses[i] == PointStatus::kOk && !within_limits(p)) {
            statuses[i] = PointStatus::kOutside;
        }
        if (statuses[i] != PointStatus::kOk) {
            p.x = HUGE_VAL;  // the engine passes over it at once
            continue;
        }
        p.x *= kRadiansPerDegree;
        p.y *= kRadiansPerDegree;
    }
    const bool made = operation.transform_all(PJ_FWD, points, true);
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (statuses[i] != PointStatus::kOk) {
            continue;
        }
        PointCoordinates& p = points[i];
        if (!made || !std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.height)) {
            statuses[i] = PointStatus::kUnconvertible;
            continue;
        }
        p.x *= kDegreesPerRadian;
        p.y *= kDegreesPerRadian;
    }
}

Result<GeodeticPoint> run(const ProjOperation& operation, const GeodeticPoint& point) {
    PointCoordinates coordinates{point.position.longitude, point.position.latitude, point.height};
    PointStatus status = PointStatus::kOk;
    run_all(operation, {&coordinates, 1}, {&status, 1});
    if (status == PointStatus::kOutside) {
        return Error{ErrorCode::kGeodeticPointOutside};
    }
    if (status != PointStatus::kOk) {
        return Error{ErrorCode::kShiftCannotMovePoint};
    }
    return GeodeticPoint{{coordinates.x, coordinates.y}, coordinates.height};
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

void DatumTransformation::forward_all(std::span<PointCoordinates> points,
                                      std::span<PointStatus> statuses) const {
    run_all(forward_, points, statuses);
}

void DatumTransformation::inverse_all(std::span<PointCoordinates> points,
                                      std::span<PointStatus> statuses) const {
    run_all(inverse_, points, statuses);
}

}  // namespace korv::geodesy
