#pragma once
// The constants the geodesy library derives from a definition, which the conversions use.

#include "coord_system.h"
#include "result.h"

namespace korv {

// `record` with its derived constants filled for its definition. A local grid (projection 0 or
// below) gets element 0 set to 0, "no projection", and keeps the other elements. Any other
// projection has the whole block computed by the geodesy library. An error when the library
// cannot be loaded or cannot take the definition.
Result<CoordSystem> with_derived_constants(const CoordSystem& record);

}  // namespace korv
