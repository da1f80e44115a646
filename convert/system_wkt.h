#pragma once
// A coordinate system as WKT2 (the 2019 revision), the form other geodesy software reads.

#include <string>

#include "coordinate_system_definition.h"
#include "result.h"

namespace korv::convert {

// The definition's projected coordinate system as WKT2, or an error when the geodesy core
// refuses the definition or the engine cannot express it.
Result<std::string> coordinate_system_wkt(const CoordinateSystemDefinition& definition);

}  // namespace korv::convert
