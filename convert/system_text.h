#pragma once
// A coordinate system in the forms other geodesy software reads: WKT2 (the 2019 revision) and
// PROJJSON.

#include <string>

#include "coordinate_system_definition.h"
#include "result.h"

namespace korv::convert {

enum class SystemText { kWkt2, kProjJson };

// The definition's projected coordinate system as WKT2 or PROJJSON, or an error when the geodesy
// core refuses the definition or the engine cannot express it.
Result<std::string> coordinate_system_text(const CoordinateSystemDefinition& definition,
                                           SystemText form);

}  // namespace korv::convert
