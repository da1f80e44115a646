#pragma once
// Numbers in fixed-point text, "." as the decimal point whatever the locale: the one fixed format
// every field, list and converted file writes, fast enough for millions of numbers. Halves round
// away from zero, as users round by hand and as the dialog's fields have always shown them
// (0.25 with one decimal is "0.3"), so a converted file agrees digit for digit with the test
// panel.

#include <cstddef>

namespace korv {

// The most decimals written.
inline constexpr int kMostFixedDecimals = 9;
// Room for any double in fixed form with up to kMostFixedDecimals decimals: 309 digits, a sign,
// a point, the decimals.
inline constexpr std::size_t kLongestFixedText = 320;

// Writes `value` with `decimals` decimals (0 to kMostFixedDecimals; fewer or more are taken as
// the nearest of them), at least one integer digit and a "-" for negative values, into `text`,
// which holds kLongestFixedText characters; returns the end. Rounds to nearest, a half away from
// zero, exactly; a value that rounds to zero is written without a sign. NaN and infinities are
// written "nan", "inf" and "-inf".
char* write_fixed(char* text, double value, int decimals);

}  // namespace korv
