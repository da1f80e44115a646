// Small checks on numbers that arrive from callers: every value the library works with is tested
// with these before it is used, so that NaN, infinities and absurd magnitudes end in a clean
// failure instead of a meaningless result.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace korvutil32 {

// True when value is finite and no larger than limit in magnitude.
inline bool within(double value, double limit) {
    return std::isfinite(value) && std::fabs(value) <= limit;
}

// The integer held in a double, when it holds exactly a whole number in low..high. Checked before
// converting, since converting a NaN or an out-of-range double to int is undefined.
inline std::optional<int> whole_number(double value, int low, int high) {
    if (!(value >= low && value <= high)) {
        return std::nullopt;
    }
    const int whole = static_cast<int>(value);  // defined: value is within int range
    if (static_cast<double>(whole) != value) {
        return std::nullopt;
    }
    return whole;
}

// Exact equality of two doubles, bit for bit (so a NaN equals itself and 0 differs from -0).
inline bool same_bits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

}  // namespace korvutil32
