#pragma once
// Whether the control's entries make a definition it may hand out.

#include "projection_entries.h"
#include "result.h"

namespace korv {

class Utilities;

// Success, or the first check the entries fail with its message. The checks depend on the
// selected projection: the zoned ones check the zone number and that their origins are angles
// any point can be converted with, the conics their standard parallels and origins, every
// projection its false easting, false northing and scale factor, every projection but "Local Grid"
// its zone width, and the zoned ones that the central meridian of their zone lies within -360 to
// 360 degrees. Angles are read through `utilities`. A message is the untranslated text, marked for
// translation in the context "korv::Projection", where the control translates it before showing it.
Status check_entries(const ProjectionEntries& entries, Utilities& utilities);

}  // namespace korv
