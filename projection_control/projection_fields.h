#pragma once
// How a coordinate-system record is shown in the control's entries and read back from them.
// Numbers are written and read with "." as the decimal point whatever the locale; angles go
// through the utility object's angle text.

#include "coord_system.h"
#include "projection_entries.h"

namespace korv {

class Utilities;

// Brings a record into the range the lists can show: a projection below 0 becomes 0, a spheroid
// below 1 becomes 1, a hemisphere other than 1 or 2 becomes 2. A projection beyond the list is
// left for the caller to refuse.
void correct_record(CoordSystem& record);

// The entries that show `record`: its list choices as they stand, the zone number, false
// easting and false northing as whole numbers, the scale factor with four decimals and the
// angles as angle text.
ProjectionEntries entries_for(const CoordSystem& record, Utilities& utilities);

// Takes the twelve edited fields from the entries into `record`, which holds the values the
// fields were last shown with, as the texts `shown`; changes nothing else. The fields show
// rounded values, so a field that still holds its shown text keeps the record's value to its
// last digit; an empty shown text stands for a field the control rewrote since. Any other text is
// read: the numbers as the leading numbers of their texts, the zone number rounded to the nearest
// whole number (a half to the even one), and angles that cannot be read become 0. The entries
// must have passed `check_entries`, which makes sure the zone number fits.
void read_entries(const ProjectionEntries& entries, const ProjectionEntries& shown,
                  Utilities& utilities, CoordSystem& record);

}  // namespace korv
