#pragma once
// The constants the geodesy library derives from a definition, which the conversions use.

#include "coord_system.h"

namespace korv {

// Fills `record.derived` for its definition. A local grid (projection 0 or below) gets element 0
// set to 0, "no projection", and keeps the other elements. Any other projection has the whole
// block computed by the geodesy library's CRDPRM from the record's fields. Returns false, leaving
// `derived` as it was, when the library hands back a block that names no projection.
bool compute_derived(CoordSystem& record);

}  // namespace korv
