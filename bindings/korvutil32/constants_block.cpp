#include "constants_block.h"

#include <algorithm>
#include <optional>

#include "korvutil32_layout.h"

namespace korvutil32 {
namespace {

namespace slot = constants;

// The integer held in a double, when it holds exactly a whole number in low..high. Checked before
// converting, since converting a NaN or an out-of-range double to int is undefined.
std::optional<int32_t> whole_number(double value, int32_t low, int32_t high) {
    if (!(value >= low && value <= high)) {
        return std::nullopt;
    }
    const auto whole = static_cast<int32_t>(value);
    if (static_cast<double>(whole) != value) {
        return std::nullopt;
    }
    return whole;
}

std::optional<korv::ProjectionKind> projection_in(const double* block) {
    const std::optional<int32_t> code = whole_number(block[slot::kProjection], 1, 5);
    return code ? korv::projection_kind(*code) : std::nullopt;
}

}  // namespace

void write_constants(const korv::CoordinateSystemDefinition& d, double* block) {
    std::fill(block, block + kConstantsSize, 0.0);
    block[slot::kProjection] = d.projection == korv::ProjectionKind::kLocalGrid
                                   ? projection::kNone
                                   : korv::projection_number(d.projection);
    block[slot::kSpheroid] = d.spheroid;
    block[slot::kHemisphere] = d.hemisphere;
    block[slot::kLongitudeOrigin] = d.longitude_origin;
    block[slot::kLatitudeOrigin] = d.latitude_origin;
    block[slot::kStandardParallel1] = d.standard_parallel_1;
    block[slot::kStandardParallel2] = d.standard_parallel_2;
    block[slot::kFalseEast] = d.false_east;
    block[slot::kFalseNorth] = d.false_north;
    block[slot::kScaleFactor] = d.scale_factor;
    block[slot::kZoneWidth] = d.zone_width;
    if (const std::optional<korv::Spheroid> spheroid = korv::find_spheroid(d.spheroid)) {
        block[slot::kSemiMajorAxis] = spheroid->semi_major_axis;
        block[slot::kInverseFlattening] = spheroid->derived_inverse_flattening();
        block[slot::kSemiMinorAxis] = spheroid->derived_semi_minor_axis();
    }
}

korv::CoordinateSystemDefinition definition_of(const double* block, int32_t zone) {
    korv::CoordinateSystemDefinition d;
    const std::optional<korv::ProjectionKind> projection = projection_in(block);
    const std::optional<int32_t> spheroid = whole_number(block[slot::kSpheroid], 0, 1000);
    if (!projection || !spheroid) {
        return d;  // a local grid
    }
    d.projection = *projection;
    d.spheroid = *spheroid;
    d.hemisphere = whole_number(block[slot::kHemisphere], 1, 2).value_or(0);
    d.longitude_origin = block[slot::kLongitudeOrigin];
    d.latitude_origin = block[slot::kLatitudeOrigin];
    d.standard_parallel_1 = block[slot::kStandardParallel1];
    d.standard_parallel_2 = block[slot::kStandardParallel2];
    d.false_east = block[slot::kFalseEast];
    d.false_north = block[slot::kFalseNorth];
    d.scale_factor = block[slot::kScaleFactor];
    d.zone_width = block[slot::kZoneWidth];
    d.zone_number = zone;
    return d;
}

korv::Spheroid spheroid_of(const double* block) {
    if (block != nullptr && projection_in(block)) {
        if (const std::optional<int32_t> code = whole_number(block[slot::kSpheroid], 0, 1000)) {
            if (const std::optional<korv::Spheroid> spheroid = korv::find_spheroid(*code)) {
                return *spheroid;
            }
        }
    }
    return korv::grs80();
}

}  // namespace korvutil32
