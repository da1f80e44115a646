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
        return Error{"the longitude of origin " + number_text(d.longitude_origin) +
                     " lies outside -360..360"};
    }
    if (!is_zoned(d.projection)) {
        return d.longitude_origin;
    }
    if (d.zone_number < 1) {
        return Error{"the zone number " + std::to_string(d.zone_number) + " is not positive"};
    }
    if (!within(d.zone_width, kMaxLongitude)) {
        return Error{"the zone width " + number_text(d.zone_width) + " lies outside -360..360"};
    }
    const double meridian =
        d.longitude_origin + (static_cast<double>(d.zone_number) - 1.0) * d.zone_width;
    if (!within(meridian, kMaxLongitude)) {
        return Error{"the central meridian of zone " + std::to_string(d.zone_number) +
                     " lies outside -360..360"};
    }
    return meridian;
}

// The first parameter of a definition that cannot be used, if any.
std::optional<Error> parameter_problem(const CoordinateSystemDefinition& d) {
    if (!within(d.latitude_origin, kMaxLatitude)) {
        return Error{"the latitude of origin " + number_text(d.latitude_origin) +
                     " lies outside -90..90"};
    }
    if (!within(d.false_east, kMaxGridOffset) || !within(d.false_north, kMaxGridOffset)) {
        return Error{"the false easting or northing lies beyond 1e9 metres"};
    }
    if (is_zoned(d.projection) && !(d.scale_factor > 0.0 && d.scale_factor <= kMaxScaleFactor)) {
        return Error{"the scale factor " + number_text(d.scale_factor) + " lies outside 0..10"};
    }
    if (is_conic(d.projection) && (!within(d.standard_parallel_1, kMaxLatitude) ||
                                   !within(d.standard_parallel_2, kMaxLatitude))) {
        return Error{"a standard parallel lies outside -90..90"};
    }
    return std::nullopt;
}

}  // namespace

Result<CoordinateSystem> CoordinateSystem::create(const CoordinateSystemDefinition& definition) {
    if (definition.projection == ProjectionKind::kLocalGrid ||
        !projection_kind(projection_number(definition.projection))) {
        return Error{"a local grid has no projection to convert points with"};
    }
    const std::optional<Spheroid> spheroid = find_spheroid(definition.spheroid);
    if (!spheroid) {
        return Error{"the spheroid code " + std::to_string(definition.spheroid) +
                     " is not one of the spheroid table"};
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
    return CoordinateSystem(definition, *spheroid, *meridian, std::move(operation).value());
}

Result<GridPoint> CoordinateSystem::to_grid(GeographicPoint point) const {
    if (!within(point.longitude, kMaxLongitude) || !within(point.latitude, kMaxLatitude)) {
        return Error{"the point lies outside longitudes -360..360 or latitudes -90..90"};
    }
    PJ_COORD coordinate = proj_coord(point.longitude, point.latitude, 0, 0);
    to_grid_all({&coordinate, 1});
    if (!std::isfinite(coordinate.xy.x)) {
        return Error{"the projection cannot take the point"};
    }
    return GridPoint{coordinate.xy.x, coordinate.xy.y};
}

Result<GeographicPoint> CoordinateSystem::to_geographic(GridPoint point) const {
    if (!std::isfinite(point.east) || !std::isfinite(point.north)) {
        return Error{"the grid point is not a finite number"};
    }
    PJ_COORD coordinate = proj_coord(point.east, point.north, 0, 0);
    to_geographic_all({&coordinate, 1});
    if (!std::isfinite(coordinate.v[0])) {
        return Error{"no geographic point maps to the grid point"};
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
    // In blocks, so that the grid points given and the answers projected back fit on the stack.
    constexpr std::size_t kBlock = 256;
    PJ_COORD given[kBlock];
    PJ_COORD again[kBlock];
    for (std::size_t start = 0; start < points.size(); start += kBlock) {
        const std::span<PJ_COORD> block =
            points.subspan(start, std::min(kBlock, points.size() - start));
        for (std::size_t i = 0; i < block.size(); ++i) {
            given[i] = block[i];
            if (!std::isfinite(block[i].v[0]) || !std::isfinite(block[i].v[1])) {
                block[i].v[0] = block[i].v[1] = HUGE_VAL;
            }
        }
        bool made = operation_.transform_all(PJ_INV, block.data(), block.size());
        for (std::size_t i = 0; i < block.size(); ++i) {
            again[i] = block[i];
            // More than half a turn from the central meridian: beyond the fan of a conic.
            if (!std::isfinite(block[i].v[1]) ||
                !(std::fabs(block[i].lp.lam) <= std::numbers::pi + kHalfTurnSlack)) {
                again[i].v[0] = again[i].v[1] = HUGE_VAL;
            }
        }
        // The engine answers for some grid points that no geographic point maps to (beyond a
        // conic's pole, far outside a transverse Mercator's belt); such an answer does not
        // project back.
        made = operation_.transform_all(PJ_FWD, again, block.size()) && made;
        for (std::size_t i = 0; i < block.size(); ++i) {
            // Compared squared: std::hypot would cost a tenth of the whole call.
            const double de = again[i].xy.x - given[i].xy.x, dn = again[i].xy.y - given[i].xy.y;
            if (!made || !(de * de + dn * dn <= kRoundTripTolerance * kRoundTripTolerance)) {
                block[i].v[0] = block[i].v[1] = HUGE_VAL;
                continue;
            }
            block[i].v[0] = fold_longitude(central_meridian_ + block[i].lp.lam * kDegreesPerRadian);
            block[i].v[1] *= kDegreesPerRadian;
        }
    }
}

std::string CoordinateSystem::engine_definition() const {
    return projection_of(definition_, spheroid_, central_meridian_).text();
}

}  // namespace korv::geodesy
