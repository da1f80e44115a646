#pragma once
// Telling which published shift an entry of the datum shift list is: the list keeps seven
// rounded numbers and a name, nothing else.

#include <span>
#include <vector>

#include "datum_shift.h"
#include "published_shift.h"

namespace korv::epsg {

// Whether the values of `entry` are those of `published` as the list prints them: translations
// and the scale change to four decimals, rotations to five significant digits, or to four
// decimals as the list's boxes show them.
bool prints_alike(const DatumShift& entry, const DatumShift& published);

// The published shifts whose values `entry` holds, best first: the one whose code the entry's name
// gives ("... EPSG:1460"), then current before deprecated, then those whose two systems the name
// names ("AGD66 to GDA 94"), the most accurate, the lowest code.
std::vector<PublishedShift> identify(const DatumShift& entry,
                                     std::span<const PublishedShift> published);

}  // namespace korv::epsg
