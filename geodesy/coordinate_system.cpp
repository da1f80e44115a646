#include "coordinate_system.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "proj_definition.h"

namespace korv::geodesy {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

// The engine's longitude may exceed half a turn by rounding alone on the edge of a conic's fan.
constexpr double kHalfTurnSlack = 1e-12;

// The belt of a transverse Mercator within which its inverse is exact, in units of the scaled
// semi-major axis: half of it east and west of the central meridian, one and a half north and
// south of the equator. Answers outside it are checked by projecting them back; no grid point
// within twice these distances was found to need that.
constexpr double kTrustedHalfWidth = 0.5;
constexpr double kTrustedHalfLength = 1.5;

// A conic's answers need checking only close to its poles, where its inverse clamps.
constexpr double kTrustedLatitude = 89.9 * std::numbers::pi / 180.0;

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
    if (!within(d.longitude_origin, kMaxLongitude)) {
        return Error{ErrorCode::kLongitudeOriginOutside, {number_text(d.longitude_origin)}};
    }
    if (!is_zoned(d.projection)) {
        return d.longitude_origin;
    }
    if (d.zone_number < 1) {
        return Error{ErrorCode::kZoneNotPositive, {std::to_string(d.zone_number)}};
    }
    if (!within(d.zone_width, kMaxLongitude)) {
        return Error{ErrorCode::kZoneWidthOutside, {number_text(d.zone_width)}};
    }
    const double meridian =
        d.longitude_origin + (static_cast<double>(d.zone_number) - 1.0) * d.zone_width;
    if (!within(meridian, kMaxLongitude)) {
        return Error{ErrorCode::kZoneMeridianOutside, {std::to_string(d.zone_number)}};
    }
    return meridian;
}

// The first parameter of a definition that cannot be used, if any.
std::optional<Error> parameter_problem(const CoordinateSystemDefinition& d) {
    if (!within(d.latitude_origin, kMaxLatitude)) {
        return Error{ErrorCode::kLatitudeOriginOutside, {number_text(d.latitude_origin)}};
    }
    if (!within(d.false_east, kMaxGridOffset) || !within(d.false_north, kMaxGridOffset)) {
        return Error{ErrorCode::kFalseOriginTooFar};
    }
    if (is_zoned(d.projection) && !(d.scale_factor > 0.0 && d.scale_factor <= kMaxScaleFactor)) {
        return Error{ErrorCode::kScaleFactorOutside, {number_text(d.scale_factor)}};
    }
    if (is_conic(d.projection) && (!within(d.standard_parallel_1, kMaxLatitude) ||
                                   !within(d.standard_parallel_2, kMaxLatitude))) {
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
    if (!within(point.longitude, kMaxLongitude) || !within(point.latitude, kMaxLatitude)) {
        return Error{ErrorCode::kGeographicPointOutside};
    }
    PJ_COORD coordinate = proj_coord(point.longitude, point.latitude, 0, 0);
    to_grid_all({&coordinate, 1});
    if (!std::isfinite(coordinate.xy.x)) {
        return Error{ErrorCode::kPointNotProjectable};
    }
    return GridPoint{coordinate.xy.x, coordinate.xy.y};
}

Result<GeographicPoint> CoordinateSystem::to_geographic(GridPoint point) const {
    if (!std::isfinite(point.east) || !std::isfinite(point.north)) {
        return Error{ErrorCode::kGridPointNotFinite};
    }
    PJ_COORD coordinate = proj_coord(point.east, point.north, 0, 0);
    to_geographic_all({&coordinate, 1});
    if (!std::isfinite(coordinate.v[0])) {
        return Error{ErrorCode::kGridPointNotMapped};
    }
    return GeographicPoint{coordinate.v[0], coordinate.v[1]};
}

void CoordinateSystem::to_grid_all(std::span<PJ_COORD> points) const {
    for (PJ_COORD& p : points) {
        if (within(p.v[0], kMaxLongitude) && within(p.v[1], kMaxLatitude)) {
            // Longitude from the central meridian (both are within -360..360), in -180..180.
            p.v[0] = fold_longitude(p.v[0] - central_meridian_) * kRadiansPerDegree;
            p.v[1] *= kRadiansPerDegree;
        } else {
            p.v[0] = p.v[1] = HUGE_VAL;
        }
    }
    const bool made = operation_.transform_all(PJ_FWD, points.data(), points.size());
    for (PJ_COORD& p : points) {
        if (!made || !std::isfinite(p.v[0]) || !std::isfinite(p.v[1])) {
            p.v[0] = p.v[1] = HUGE_VAL;
        }
    }
}

void CoordinateSystem::to_geographic_all(std::span<PJ_COORD> points) const {
    // In blocks, so that the grid points given fit on the stack (left uninitialised: filling 4 kB
    // would cost a single point's call a tenth of its time).
    constexpr std::size_t kBlock = 256;
    double given[2 * kBlock];
    for (std::size_t start = 0; start < points.size(); start += kBlock) {
        const std::span<PJ_COORD> block =
            points.subspan(start, std::min(kBlock, points.size() - start));
        for (std::size_t i = 0; i < block.size(); ++i) {
            given[2 * i] = block[i].v[0];
            given[2 * i + 1] = block[i].v[1];
            if (!std::isfinite(block[i].v[0]) || !std::isfinite(block[i].v[1])) {
                block[i].v[0] = block[i].v[1] = HUGE_VAL;
            }
        }
        const bool made = operation_.transform_all(PJ_INV, block.data(), block.size());
        for (std::size_t i = 0; i < block.size(); ++i) {
            PJ_COORD& p = block[i];
            // More than half a turn from the central meridian: beyond the fan of a conic.
            if (!made || !std::isfinite(p.v[1]) ||
                !(std::fabs(p.lp.lam) <= std::numbers::pi + kHalfTurnSlack) ||
                !projects_back({given[2 * i], given[2 * i + 1]}, p)) {
                p.v[0] = p.v[1] = HUGE_VAL;
                continue;
            }
            p.v[0] = fold_longitude(central_meridian_ + p.lp.lam * kDegreesPerRadian);
            p.v[1] *= kDegreesPerRadian;
        }
    }
}

bool CoordinateSystem::projects_back(GridPoint point, const PJ_COORD& geographic) const {
    // The engine answers for some grid points that no geographic point maps to (beyond a conic's
    // pole, far outside a transverse Mercator's belt); such an answer does not project back. Only
    // answers from where that can happen are projected back to find out.
    if (inverse_trusted(point, geographic.lp.phi)) {
        return true;
    }
    const std::optional<PJ_COORD> again = operation_.transform(PJ_FWD, geographic);
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
