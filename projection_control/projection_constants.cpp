#include "projection_constants.h"

#include "korvutil32.h"

namespace korv {

static_assert(kDerivedConstantCount == korvutil32::kConstantsSize,
              "the record holds the whole constants block");

bool compute_derived(CoordSystem& record) {
    if (record.projection <= kLocalGrid) {
        record.derived[korvutil32::constants::kProjection] = korvutil32::projection::kNone;
        return true;
    }
    // The library writes every element, so work on a copy that is kept only when it is sound.
    std::array<double, kDerivedConstantCount> derived = record.derived;
    CRDPRM(&record.spheroid, &record.projection, &record.hemisphere, &record.longitude_origin,
           &record.latitude_origin, &record.standard_parallel_1, &record.standard_parallel_2,
           &record.false_east, &record.false_north, &record.scale_factor, &record.zone_width,
           derived.data());
    // CRDPRM reports nothing; a block that names no projection is the library's sign that it
    // could not take the definition, and conversions through it would all fail.
    if (derived[korvutil32::constants::kProjection] == korvutil32::projection::kNone) {
        return false;
    }
    record.derived = derived;
    return true;
}

}  // namespace korv
