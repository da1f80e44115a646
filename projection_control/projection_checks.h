#pragma once
// Whether the control's entries make a definition it may hand out.

#include <optional>
#include <string>

#include "projection_entries.h"

namespace korv {

class Utilities;

// The message of the first check the entries fail, or nothing when they pass. The checks depend
// on the selected projection: the zoned ones check the zone number and that their origins are
// angle text, the conics their standard parallels and origins, every projection its false easting,
// false northing and scale factor, and every projection but "Local Grid" its zone width. Angles are
// read through `utilities`.
std::optional<std::string> check_entries(const ProjectionEntries& entries, Utilities& utilities);

}  // namespace korv
