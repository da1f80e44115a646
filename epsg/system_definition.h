#pragma once
// A published projected system as the Projection control defines it: transverse Mercator as a
// zone of the zoned grids where the zone system fits, else with its own central meridian;
// Lambert conformal conic with two parallels; Albers; equidistant conic. Anything else is refused
// with the reason.

#include "coordinate_system_definition.h"
#include "result.h"
#include "system_record.h"

namespace korv::epsg {

// The definition, or an error saying why the control cannot hold the system: its projection,
// spheroid, unit or axes are not the control's, or a number is finer than the control's field
// keeps (the scale factor to four decimals, false easting and northing in whole metres), or its
// standard parallels are closer than the control accepts.
Result<CoordinateSystemDefinition> system_definition(const SystemRecord& record);

}  // namespace korv::epsg
