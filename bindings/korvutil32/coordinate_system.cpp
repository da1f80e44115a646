#include "coordinate_system.h"

#include <algorithm>

#include "korvutil32_layout.h"
#include "numeric_checks.h"

namespace korvutil32 {
namespace {

namespace slot = constants;

bool is_projection_code(int code) {
    return code >= projection::kAustralianMapGrid && code <= projection::kEquidistantConic;
}

std::optional<int> projection_code_of(const double* block) {
    return whole_number(block[slot::kProjection], projection::kAustralianMapGrid,
                        projection::kEquidistantConic);
}

std::optional<Ellipsoid> ellipsoid_in(const double* block) {
    const std::optional<int> code = whole_number(block[slot::kSpheroid], 0, 1000);
    if (!code) {
        return std::nullopt;
    }
    return find_ellipsoid(*code);
}

// Zoned projections: the zone's central meridian, longitude of origin + (zone - 1) * zone width,
// worked out in doubles so no zone number can overflow.
std::optional<double> zone_central_meridian(const double* block, std::int32_t zone) {
    const double origin = block[slot::kLongitudeOrigin];
    const double width = block[slot::kZoneWidth];
    if (zone < 1 || !within(origin, kMaxLongitude) || !within(width, kMaxLongitude)) {
        return std::nullopt;
    }
    const double meridian = origin + (static_cast<double>(zone) - 1.0) * width;
    if (!within(meridian, kMaxLongitude)) {
        return std::nullopt;
    }
    return meridian;
}

ProjectionKind kind_of(int code) {
    switch (code) {
        case projection::kLambertConformal:
            return ProjectionKind::kLambertConformal;
        case projection::kAlbersEqualArea:
            return ProjectionKind::kAlbersEqualArea;
        case projection::kEquidistantConic:
            return ProjectionKind::kEquidistantConic;
        default:
            return ProjectionKind::kTransverseMercator;
    }
}

}  // namespace

void write_constants(const CoordinateSystemDefinition& definition, double* block) {
    std::fill(block, block + kConstantsSize, 0.0);
    block[slot::kProjection] =
        is_projection_code(definition.projection) ? definition.projection : 0;
    block[slot::kSpheroid] = definition.spheroid;
    block[slot::kHemisphere] = definition.hemisphere;
    block[slot::kLongitudeOrigin] = definition.longitude_origin;
    block[slot::kLatitudeOrigin] = definition.latitude_origin;
    block[slot::kStandardParallel1] = definition.standard_parallel_1;
    block[slot::kStandardParallel2] = definition.standard_parallel_2;
    block[slot::kFalseEast] = definition.false_east;
    block[slot::kFalseNorth] = definition.false_north;
    block[slot::kScaleFactor] = definition.scale_factor;
    block[slot::kZoneWidth] = definition.zone_width;
    if (const std::optional<Ellipsoid> ellipsoid = find_ellipsoid(definition.spheroid)) {
        block[slot::kSemiMajorAxis] = ellipsoid->semi_major_axis;
        block[slot::kInverseFlattening] = ellipsoid->derived_inverse_flattening();
        block[slot::kSemiMinorAxis] = ellipsoid->derived_semi_minor_axis();
    }
}

std::optional<CoordinateSystem> read_constants(const double* block, std::int32_t zone) {
    const std::optional<int> code = projection_code_of(block);
    const std::optional<Ellipsoid> ellipsoid = ellipsoid_in(block);
    if (!code || !ellipsoid) {
        return std::nullopt;
    }
    CoordinateSystem system;
    system.kind = kind_of(*code);
    system.ellipsoid = *ellipsoid;
    system.latitude_origin = block[slot::kLatitudeOrigin];
    system.false_east = block[slot::kFalseEast];
    system.false_north = block[slot::kFalseNorth];
    if (!within(system.latitude_origin, kMaxLatitude) ||
        !within(system.false_east, kMaxGridOffset) || !within(system.false_north, kMaxGridOffset)) {
        return std::nullopt;
    }

    if (system.kind == ProjectionKind::kTransverseMercator) {
        const std::optional<double> meridian = zone_central_meridian(block, zone);
        system.scale_factor = block[slot::kScaleFactor];
        if (!meridian || !(system.scale_factor > 0.0 && system.scale_factor <= kMaxScaleFactor)) {
            return std::nullopt;
        }
        system.central_meridian = *meridian;
        return system;
    }

    // The conics: the zone plays no part and the scale factor is not used.
    system.central_meridian = block[slot::kLongitudeOrigin];
    system.standard_parallel_1 = block[slot::kStandardParallel1];
    system.standard_parallel_2 = block[slot::kStandardParallel2];
    if (!within(system.central_meridian, kMaxLongitude) ||
        !within(system.standard_parallel_1, kMaxLatitude) ||
        !within(system.standard_parallel_2, kMaxLatitude)) {
        return std::nullopt;
    }
    return system;
}

Ellipsoid ellipsoid_of(const double* block) {
    if (block != nullptr && projection_code_of(block)) {
        if (const std::optional<Ellipsoid> ellipsoid = ellipsoid_in(block)) {
            return *ellipsoid;
        }
    }
    return grs80();
}

}  // namespace korvutil32
