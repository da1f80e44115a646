#include "coordinate_system.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "angle_units.h"
#include "input_limits.h"
#include "proj_definition.h"

namespace korv::geodesy {
namespace {

// The engine's longitude may exceed half a turn by rounding alone on the edge of a conic's fan.
constexpr double kHalfTurnSlack = 1e-12;

// The belt of a transverse Mercator within which its inverse is exact, in units of the scaled
// semi-major axis: half of it east and west of the central meridian, one and a half north and
// south of the equator. Answers outside it are checked by projecting them back; no grid point
// within twice these distances was found to need that.
constexpr double kTrustedHalfWidth = 0.5;
constexpr double kTrustedHalfLength = 1.5;

// A conic's answers need checking only close to its poles, where its inverse clamps.
constexpr double kTrustedLatitude = 89.9 * kRadiansPerDegree;

bool within(double value, double limit) {
    return std::isfinite(value) && std::fabs(value) <= limit;
}

// Brings a longitude within -720..720 (all this file passes) into -180..180 by whole turns.
// Each step is exact (Sterbenz: the operands are within a factor of two of each other), so no
// rounding creeps in, and it is cheaper than std::remainder on the path that runs for every point.
double fold_longitude(double longitude) {
    for (int turn = 0; turn < 2; ++turn) {
        if (longitude > 180.0) {
            longitude -= 360.0;
        } else if (longitude < -180.0) {
            longitude += 360.0;
        }
    }
    return longitude;
}

// The projection and its own parameters, with the central meridian at `central_meridian`.
ProjDefinition projection_of(const CoordinateSystemDefinition& d, const Spheroid& spheroid,
                             double central_meridian) {
    ProjDefinition definition("tmerc");
    switch (d.projection) {
        case ProjectionKind::kLambertConformal:
            definition = ProjDefinition("lcc");
            break;
        case ProjectionKind::kAlbersEqualArea:
            definition = ProjDefinition("aea");
            break;
        case ProjectionKind::kEquidistantConic:
            definition = ProjDefinition("eqdc");
            break;
        default:
            // The accurate series, named explicitly: a configuration file could switch the
            // engine's default to the short series, which loses millimetres away from the
            // central meridian.
            definition.parameter("algo", "poder_engsager").parameter("k_0", d.scale_factor);
            break;
    }
    if (is_conic(d.projection)) {
        definition.parameter("lat_1", d.standard_parallel_1)
            .parameter("lat_2", d.standard_parallel_2);
    }
    definition.parameter("lat_0", d.latitude_origin)
        .parameter("lon_0", central_meridian)
        .parameter("x_0", d.false_east)
        .parameter("y_0", d.false_north)
        .ellipsoid(spheroid);
    return definition;
}

// The central meridian, checked: for the zoned projections that of the zone, longitude of origin
// + (zone - 1) * zone width, worked out in doubles so no zone number can overflow.
Result<double> central_meridian_of(const CoordinateSystemDefinition& d) {
    if (!within(d.longitude_origin, kLongitudeLimit)) {
        return Error{ErrorCode::kLongitudeOriginOutside, {number_text(d.longitude_origin)}};
    }
    if (!is_zoned(d.projection)) {
        return d.longitude_origin;
    }
    if (d.zone_number < 1) {
        return Error{ErrorCode::kZoneNotPositive, {std::to_string(d.zone_number)}};
    }
    if (!within(d.zone_width, kLongitudeLimit)) {
        return Error{ErrorCode::kZoneWidthOutside, {number_text(d.zone_width)}};
    }
    const double meridian =
        d.longitude_origin + (static_cast<double>(d.zone_number) - 1.0) * d.zone_width;
    if (!within(meridian, kLongitudeLimit)) {
        return Error{ErrorCode::kZoneMeridianOutside, {std::to_string(d.zone_number)}};
    }
    return meridian;
}

// The first parameter of a definition that cannot be used, if any.
std::optional<Error> parameter_problem(const CoordinateSystemDefinition& d) {
    if (!within(d.latitude_origin, kLatitudeLimit)) {
        return Error{ErrorCode::kLatitudeOriginOutside, {number_text(d.latitude_origin)}};
    }
    if (!within(d.false_east, kGridOffsetLimit) || !within(d.false_north, kGridOffsetLimit)) {
        return Error{ErrorCode::kFalseOriginTooFar};
    }
    if (is_zoned(d.projection) && !(d.scale_factor > 0.0 && d.scale_factor <= kScaleFactorLimit)) {
        return Error{ErrorCode::kScaleFactorOutside, {number_text(d.scale_factor)}};
    }
    if (is_conic(d.projection) && (!within(d.standard_parallel_1, kLatitudeLimit) ||
                                   !within(d.standard_parallel_2, kLatitudeLimit))) {
        return Error{ErrorCode::kStandardParallelOutside};
    }
    return std::nullopt;
}

}  // namespace

Result<CoordinateSystem> CoordinateSystem::create(const CoordinateSystemDefinition& definition) {
    if (definition.projection == ProjectionKind::kLocalGrid ||
        !projection_kind(projection_number(definition.projection))) {
        return Error{ErrorCode::kLocalGridNotConvertible};
    }
    const std::optional<Spheroid> spheroid = find_spheroid(definition.spheroid);
    if (!spheroid) {
        return Error{ErrorCode::kSpheroidNotInTable, {std::to_string(definition.spheroid)}};
    }
    if (std::optional<Error> problem = parameter_problem(definition)) {
        return *problem;
    }
    const Result<double> meridian = central_meridian_of(definition);
    if (!meridian) {
        return meridian.error();
    }
    // Longitude of origin 0 for the engine: longitudes reach it already relative to the central
    // meridian. "+over" keeps it from folding the longitudes it returns into -180..180, so an
    // answer from beyond a conic's fan shows as more than half a turn.
    Result<ProjOperation> operation =
        ProjOperation::create(projection_of(definition, *spheroid, 0.0).flag("over").text());
    if (!operation) {
        return operation.error();
    }
    CoordinateSystem system(definition, *spheroid, *meridian, std::move(operation).value());
    if (!is_conic(definition.projection)) {
        const std::optional<PJ_COORD> equator =
            system.operation_.transform(PJ_FWD, proj_coord(0, 0, 0, 0));
        if (!equator) {
            return Error{ErrorCode::kEquatorNotPlaced};
        }
        system.equator_north_ = equator->xy.y;
    }
    return system;
}

bool CoordinateSystem::inverse_trusted(GridPoint point, double latitude_radians) const {
    if (is_conic(definition_.projection)) {
        return std::fabs(latitude_radians) < kTrustedLatitude;
    }
    const double unit = definition_.scale_factor * spheroid_.semi_major_axis;
    return std::fabs(point.east - definition_.false_east) <= kTrustedHalfWidth * unit &&
           std::fabs(point.north - equator_north_) <= kTrustedHalfLength * unit;
}

Result<GridPoint> CoordinateSystem::to_grid(GeographicPoint point) const {
    PointCoordinates coordinates{point.longitude, point.latitude, 0};
    PointStatus status = PointStatus::kOk;
    to_grid_all({&coordinates, 1}, {&status, 1});
    if (status == PointStatus::kOutside) {
        return Error{ErrorCode::kGeographicPointOutside};
    }
    if (status != PointStatus::kOk) {
        return Error{ErrorCode::kPointNotProjectable};
    }
    return GridPoint{coordinates.x, coordinates.y};
}

Result<GeographicPoint> CoordinateSystem::to_geographic(GridPoint point) const {
    PointCoordinates coordinates{point.east, point.north, 0};
    PointStatus status = PointStatus::kOk;
    to_geographic_all({&coordinates, 1}, {&status, 1});
    if (status == PointStatus::kOutside) {
        return Error{ErrorCode::kGridPointNotFinite};
    }
    if (status != PointStatus::kOk) {
        return Error{ErrorCode::kGridPointNotMapped};
    }
    return GeographicPoint{coordinates.x, coordinates.y};
}

void CoordinateSystem::to_grid_all(std::span<PointCoordinates> points,
                                   std::span<PointStatus> statuses) const {
    for (std::size_t i = 0; i < points.size(); ++i) {
        PointCoordinates& p = points[i];
        if (statuses[i] != PointStatus::kOk) {
            p.x = HUGE_VAL;  // the engine passes over it at once
        } else if (within(p.x, kLongitudeLimit) && within(p.y, kLatitudeLimit)) {
            // Longitude from the central meridian (both are within -360..360), in -180..180.
            p.x = fold_longitude(p.x - central_meridian_) * kRadiansPerDegree;
            p.y *= kRadiansPerDegree;
        } else {
            statuses[i] = PointStatus::kOutside;
            p.x = HUGE_VAL;
        }
    }
    const bool made = operation_.transform_all(PJ_FWD, points, false);
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (statuses[i] == PointStatus::kOk &&
            (!made || !std::isfinite(points[i].x) || !std::isfinite(points[i].y))) {
            statuses[i] = PointStatus::kUnconvertible;
        }
    }
}

void CoordinateSystem::to_geographic_all(std::span<PointCoordinates> points,
                                         std::span<PointStatus> statuses) const {
    // In blocks, so that the grid points given fit on the stack (left uninitialised: filling 4 kB
    // would cost a single point's call a tenth of its time).
    constexpr std::size_t kBlock = 256;
    GridPoint given[kBlock];
    for (std::size_t start = 0; start < points.size(); start += kBlock) {
        const std::size_t size = std::min(kBlock, points.size() - start);
        const std::span<PointCoordinates> block = points.subspan(start, size);
        const std::span<PointStatus> block_statuses = statuses.subspan(start, size);
        for (std::size_t i = 0; i < size; ++i) {
            PointCoordinates& p = block[i];
            given[i] = {p.x, p.y};
            if (block_statuses[i] == PointStatus::kOk &&
                (!std::isfinite(p.x) || !std::isfinite(p.y))) {
                block_statuses[i] = PointStatus::kOutside;
            }
            if (block_statuses[i] != PointStatus::kOk) {
                p.x = HUGE_VAL;  // the engine passes over it at once
            }
        }
        const bool made = operation_.transform_all(PJ_INV, block, false);
        for (std::size_t i = 0; i < size; ++i) {
            if (block_statuses[i] != PointStatus::kOk) {
                continue;
            }
            PointCoordinates& p = block[i];
            // More than half a turn from the central meridian: beyond the fan of a conic.
            if (!made || !std::isfinite(p.y) ||
                !(std::fabs(p.x) <= std::numbers::pi + kHalfTurnSlack) ||
                !projects_back(given[i], p)) {
                block_statuses[i] = PointStatus::kUnconvertible;
                continue;
            }
            p.x = fold_longitude(central_meridian_ + p.x * kDegreesPerRadian);
            p.y *= kDegreesPerRadian;
        }
    }
}

bool CoordinateSystem::projects_back(GridPoint point, const PointCoordinates& geographic) const {
    // The engine answers for some grid points that no geographic point maps to (beyond a conic's
    // pole, far outside a transverse Mercator's belt); such an answer does not project back. Only
    // answers from where that can happen are projected back to find out.
    if (inverse_trusted(point, geographic.y)) {
        return true;
    }
    const std::optional<PJ_COORD> again =
        operation_.transform(PJ_FWD, proj_coord(geographic.x, geographic.y, 0, 0));
    if (!again) {
        return false;
    }
    // Compared squared: std::hypot would cost a tenth of the whole call.
    const double de = again->xy.x - point.east, dn = again->xy.y - point.north;
    return de * de + dn * dn <= kRoundTripTolerance * kRoundTripTolerance;
}

std::string CoordinateSystem::engine_definition() const {
    return projection_of(definition_, spheroid_, central_meridian_).text();
}

}  // namespace korv::geodesy
