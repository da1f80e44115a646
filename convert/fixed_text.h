#pragma once
// Numbers in fixed-point text, "." as the decimal point whatever the locale, fast enough to write
// millions of them: the digits std::to_chars writes, worked out exactly in integers for the
// magnitudes coordinates have.

#include <cstddef>

namespace korv::convert {

// Room for any double in fixed form with up to 9 decimals: 309 digits, a sign, a point.
inline constexpr std::size_t kLongestFixedText = 320;

// Writes `value` with `decimals` decimals (0 to 9), rounded as std::to_chars rounds (to nearest,
// a tie to even), into `text`, which holds kLongestFixedText characters; returns the end. A value
// that rounds to zero is written without a sign. NaN and infinities are written as "*".
char* write_fixed(char* text, double value, int decimals);

}  // namespace korv::convert
