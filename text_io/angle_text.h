#pragma once
// Angle text, as surveyors write it. The fields show degrees, minutes and seconds separated by
// blanks ("-177 0 0.00", "144 25 29.5244"); besides that form, angle text may be written as
// decimal degrees ("144.4248"), with marks ("144°25'29.5244\"", "144°25′29.5244″",
// "144d25m29.5244s"), with colons ("144:25:29.5244"), with a sign, or with a hemisphere letter
// before or after it ("37 57 3.72 S", "E144.5"). A sign makes the whole angle negative
// ("-0 30 0" is -0.5 degrees), as do the letters S and W.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "angle_kind.h"

namespace korv {

// Decimal degrees of an angle text, or nothing when the text is no angle: empty, a character
// that is no part of angle text, minutes or seconds of 60 or more, more than degrees, minutes and
// seconds, marks out of that order, two signs (a sign and a hemisphere letter count as two), or
// a hemisphere letter that does not fit `kind`: N or S for latitudes, E or W for longitudes, none
// for plain angles. The letters are capitals; small d, m and s mark degrees, minutes and seconds.
std::optional<double> angle_from_text(std::string_view text, int32_t kind = kPlainAngle);

// The angle as degrees, minutes and seconds, the seconds with at least two and at most five
// decimals (a hundred-thousandth of a second is a third of a millimetre on the ground), so that
// whole values read "6 0 0.00" and surveyed values keep their precision. Magnitudes too large for
// that form are written as decimal degrees.
std::string angle_to_text(double degrees);

}  // namespace korv
