#include "fixed_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>

namespace korv {
namespace {

// The value's exact decimal digits (std::to_chars is exact with enough decimals), rounded by hand
// at `decimals` places, a half away from zero, without a sign on a value that rounds to zero.
std::string rounded_by_hand(double value, int decimals) {
    char exact[600];
    const char* end =
        std::to_chars(exact, exact + sizeof exact, std::fabs(value), std::chars_format::fixed, 200)
            .ptr;
    std::string digits(static_cast<const char*>(exact), end);
    const size_t point = digits.find('.');
    const bool up = digits[point + 1 + static_cast<size_t>(decimals)] >= '5';
    digits.resize(point + 1 + static_cast<size_t>(decimals));
    for (size_t i = digits.size(); up && i-- > 0;) {
        if (digits[i] == '.') {
            continue;
        }
        if (digits[i] != '9') {
            ++digits[i];
            break;
        }
        digits[i] = '0';
        if (i == 0) {
            digits.insert(0, "1");
        }
    }
    if (decimals == 0) {
        digits.pop_back();  // the point
    }
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    return (value < 0 && !zero ? "-" : "") + digits;
}

TEST(FixedText, RoundsEveryValueAsByHandHalvesAwayFromZero) {
    std::mt19937_64 random(12);
    for (int i = 0; i < 100000; ++i) {
        // Random magnitudes, and multiples of 2^-16, many of them exact halves at four decimals.
        const double value = i % 2 == 0 ? std::ldexp(static_cast<double>(random() >> 11),
                                                     static_cast<int>(random() % 90) - 80)
                                        : static_cast<double>(random() % 4000000000) / 65536.0;
        for (const double signed_value : {value, -value}) {
            for (const int decimals : {0, 1, 4, 9}) {
                char text[kLongestFixedText];
                ASSERT_EQ(std::string(text, write_fixed(text, signed_value, decimals)),
                          rounded_by_hand(signed_value, decimals))
                    << signed_value;
            }
        }
    }
}

}  // namespace
}  // namespace korv
