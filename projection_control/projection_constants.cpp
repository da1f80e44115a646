#include "projection_constants.h"

#include <optional>
#include <string>

#include "constants_block.h"
#include "korvutil32_layout.h"

namespace korv {

static_assert(kDerivedConstantCount == korvutil32::kConstantsSize,
              "a record holds the whole constants block");

Result<CoordSystem> with_derived_constants(const CoordSystem& record) {
    CoordSystem computed = record;
    if (record.projection <= kLocalGrid) {
        computed.derived[0] = 0;  // "no projection": conversions through the record refuse
        return computed;
    }
    const std::optional<CoordinateSystemDefinition> definition = definition_of(record);
    if (!definition) {
        return Error{ErrorCode::kProjectionNotListed, {std::to_string(record.projection)}};
    }
    korvutil32::write_constants(*definition, computed.derived.data());
    return computed;
}

}  // namespace korv
