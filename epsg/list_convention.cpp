#include "list_convention.h"

#include <algorithm>

namespace korv::epsg {

DatumShift in_list_convention(int32_t method, const HelmertValues& values, const std::string& name,
                              int32_t code) {
    const double sign =
        method == kPositionVector || method == kPositionVectorGeocentric ? -1.0 : 1.0;
    std::string entry_name = name + " EPSG:" + std::to_string(code);
    std::ranges::replace(entry_name, ',', ';');
    return {std::move(entry_name),     values.translation[0],     values.translation[1],
            values.translation[2],     sign * values.rotation[0], sign * values.rotation[1],
            sign * values.rotation[2], values.scale_change};
}

}  // namespace korv::epsg
