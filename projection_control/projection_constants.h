#pragma once
// The constants a record carries for the geodesy library's conversions, derived from its
// definition with the very function the library's CRDPRM writes them with: they need only the
// spheroid table, so the control computes them without loading the library.

#include "coord_system.h"
#include "result.h"

namespace korv {

// `record` with its derived constants filled for its definition. A local grid (projection 0 or
// below) gets element 0 set to 0, "no projection", and keeps the other elements. Any other
// projection has the whole block written as CRDPRM writes it. An error for a projection number
// the list does not hold, for which no conversion could use the block.
Result<CoordSystem> with_derived_constants(const CoordSystem& record);

}  // namespace korv
