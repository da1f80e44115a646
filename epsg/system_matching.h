#pragma once
// Whether two definitions are one coordinate system: they place every point alike, however the
// zone system or the projection's name says it.

#include "coordinate_system_definition.h"

namespace korv::epsg {

// The same projection (the two zoned transverse Mercators and a transverse Mercator of zone 1
// alike), the same spheroid figures, central meridian, latitude of origin, false easting and
// northing, scale factor (transverse Mercator) and standard parallels in either order (conics),
// each within what the control's fields keep. A zoned definition without a zone matches none.
bool same_system(const CoordinateSystemDefinition& a, const CoordinateSystemDefinition& b);

}  // namespace korv::epsg
