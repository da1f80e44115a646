#pragma once
// Angle text: degrees, minutes and seconds separated by blanks ("-177 0 0.00", "144 25 29.5244").
// A text that starts with "-" is negative as a whole ("-0 30 0" is -0.5 degrees). Decimal degrees
// ("144.4248") and degrees with minutes ("144 25.5") read as well.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "utilities_export.h"

namespace korv {

// Kinds of angle: the forms write all three alike.
inline constexpr int32_t kLongitudeAngle = 1;
inline constexpr int32_t kLatitudeAngle = -1;
inline constexpr int32_t kPlainAngle = 0;

// Decimal degrees of an angle text, or nothing when the text is no angle: empty, more than three
// fields, a field that is not a number, a sign on minutes or seconds, or minutes or seconds of 60
// or more.
KORV_UTILITIES_EXPORT std::optional<double> angle_from_text(std::string_view text);

// The angle as degrees, minutes and seconds, the seconds with at least two and at most five
// decimals (a hundred-thousandth of a second is a third of a millimetre on the ground), so that
// whole values read "6 0 0.00" and surveyed values keep their precision. Magnitudes too large for
// that form are written as decimal degrees.
KORV_UTILITIES_EXPORT std::string angle_to_text(double degrees);

}  // namespace korv
