#include "projections.h"

#include <cmath>
#include <numbers>
#include <string>

#include "numeric_checks.h"
#include "operation_cache.h"
#include "proj_definition.h"
#include "proj_session.h"

namespace korvutil32 {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

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

// The engine's longitude may exceed half a turn by rounding alone on the edge of a conic's fan.
constexpr double kHalfTurnSlack = 1e-12;

// Enough for the source and the map coordinate system, with room to spare.
constexpr std::size_t kCacheCapacity = 8;

// Everything an engine operation depends on. The central meridian is not part of it: the engine
// always works with longitudes relative to the central meridian (see project()), so every zone of
// a zoned system shares one operation. Parameters a projection does not use are zero, so that
// they cannot cause a miss.
struct ProjectionKey {
    ProjectionKind kind;
    int spheroid;
    double latitude_origin;
    double standard_parallel_1;
    double standard_parallel_2;
    double scale_factor;
    double false_east;
    double false_north;

    explicit ProjectionKey(const CoordinateSystem& system)
        : kind(system.kind),
          spheroid(system.ellipsoid.code),
          latitude_origin(system.latitude_origin),
          standard_parallel_1(system.standard_parallel_1),
          standard_parallel_2(system.standard_parallel_2),
          scale_factor(system.scale_factor),
          false_east(system.false_east),
          false_north(system.false_north) {}

    bool operator==(const ProjectionKey& other) const {
        return kind == other.kind && spheroid == other.spheroid &&
               same_bits(latitude_origin, other.latitude_origin) &&
               same_bits(standard_parallel_1, other.standard_parallel_1) &&
               same_bits(standard_parallel_2, other.standard_parallel_2) &&
               same_bits(scale_factor, other.scale_factor) &&
               same_bits(false_east, other.false_east) && same_bits(false_north, other.false_north);
    }
};

OperationCache<ProjectionKey>& projection_cache() {
    static auto* const cache = new OperationCache<ProjectionKey>(kCacheCapacity);
    return *cache;
}

ProjDefinition conic(const char* operation, const CoordinateSystem& system) {
    ProjDefinition definition(operation);
    definition.parameter("lat_1", system.standard_parallel_1)
        .parameter("lat_2", system.standard_parallel_2);
    return definition;
}

// The projection and its own parameters.
ProjDefinition projection_of(const CoordinateSystem& system) {
    switch (system.kind) {
        case ProjectionKind::kLambertConformal:
            return conic("lcc", system);
        case ProjectionKind::kAlbersEqualArea:
            return conic("aea", system);
        case ProjectionKind::kEquidistantConic:
            return conic("eqdc", system);
        case ProjectionKind::kTransverseMercator:
            break;
    }
    // The accurate series, named explicitly: a configuration file could switch the engine's
    // default to the short series, which loses millimetres away from the central meridian.
    ProjDefinition definition("tmerc");
    definition.parameter("algo", "poder_engsager").parameter("k_0", system.scale_factor);
    return definition;
}

// The whole engine definition. Longitude of origin 0: longitudes reach the engine already
// relative to the central meridian. "+over" keeps the engine from folding the longitudes it
// returns into -180..180, so an answer from beyond a conic's fan shows as more than half a turn.
std::string definition_of(const CoordinateSystem& system) {
    ProjDefinition definition = projection_of(system);
    definition.parameter("lat_0", system.latitude_origin)
        .parameter("lon_0", 0.0)
        .parameter("x_0", system.false_east)
        .parameter("y_0", system.false_north)
        .ellipsoid(system.ellipsoid)
        .flag("over");
    return definition.text();
}

// The cached operation for a coordinate system, created on first use. Call under the session
// lock.
PJ* operation_for(ProjSession& session, const CoordinateSystem& system) {
    return projection_cache().find_or_create(ProjectionKey(system),
                                             [&] { return session.create(definition_of(system)); });
}

}  // namespace

std::optional<GridPoint> project(const CoordinateSystem& system, GeographicPoint point) {
    if (!within(point.longitude, kMaxLongitude) || !within(point.latitude, kMaxLatitude)) {
        return std::nullopt;
    }
    // Longitude from the central meridian (both are within -360..360), in -180..180.
    const double offset = fold_longitude(point.longitude - system.central_meridian);

    ProjSession& session = ProjSession::instance();
    const auto lock = session.lock();
    PJ* operation = operation_for(session, system);
    if (operation == nullptr) {
        return std::nullopt;
    }
    const std::optional<PJ_COORD> grid =
        transform(operation, PJ_FWD,
                  proj_coord(offset * kRadiansPerDegree, point.latitude * kRadiansPerDegree, 0, 0));
    if (!grid) {
        return std::nullopt;
    }
    return GridPoint{grid->xy.x, grid->xy.y};
}

std::optional<GeographicPoint> unproject(const CoordinateSystem& system, GridPoint point) {
    if (!std::isfinite(point.east) || !std::isfinite(point.north)) {
        return std::nullopt;
    }
    ProjSession& session = ProjSession::instance();
    const auto lock = session.lock();
    PJ* operation = operation_for(session, system);
    if (operation == nullptr) {
        return std::nullopt;
    }
    const std::optional<PJ_COORD> geographic =
        transform(operation, PJ_INV, proj_coord(point.east, point.north, 0, 0));
    // More than half a turn from the central meridian: beyond the fan of a conic.
    if (!geographic || std::fabs(geographic->lp.lam) > std::numbers::pi + kHalfTurnSlack) {
        return std::nullopt;
    }
    // The engine answers for some grid points that no geographic point maps to (beyond a conic's
    // pole, far outside a transverse Mercator's belt); such an answer does not project back.
    const std::optional<PJ_COORD> again = transform(operation, PJ_FWD, *geographic);
    if (!again) {
        return std::nullopt;
    }
    // Compared squared: std::hypot would cost a tenth of the whole call.
    const double de = again->xy.x - point.east, dn = again->xy.y - point.north;
    if (!(de * de + dn * dn <= kRoundTripTolerance * kRoundTripTolerance)) {
        return std::nullopt;
    }
    const double longitude =
        fold_longitude(system.central_meridian + geographic->lp.lam * kDegreesPerRadian);
    return GeographicPoint{longitude, geographic->lp.phi * kDegreesPerRadian};
}

}  // namespace korvutil32
