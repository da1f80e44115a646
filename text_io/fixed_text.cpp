#include "fixed_text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace korv {
namespace {

constexpr std::uint64_t kPowersOfTen[] = {1,      10,      100,      1000,      10000,
                                          100000, 1000000, 10000000, 100000000, 1000000000};
constexpr std::uint64_t kPowersOfFive[] = {1, 5, 25, 125, 625, 3125, 15625, 78125, 390625, 1953125};

// Below this magnitude value * 10^9 stays below 10^18, well within 64 bits.
constexpr double kFastLimit = 1e9;

#if defined(__SIZEOF_INT128__)
__extension__ using Wide = unsigned __int128;

// round(|value| * 10^decimals), a half away from zero, exactly: |value| = m * 2^e, so
// |value| * 10^d = m * 5^d * 2^(e + d), an integer product shifted by a power of two.
std::uint64_t scaled_magnitude(double value, int decimals) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(std::fabs(value));
    const int biased = static_cast<int>(bits >> 52);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t mantissa = biased == 0 ? fraction : fraction | std::uint64_t{1} << 52;
    const int exponent = (biased == 0 ? 1 : biased) - 1075;
    const Wide product = static_cast<Wide>(mantissa) * kPowersOfFive[decimals];
    const int shift = exponent + decimals;
    if (shift >= 0) {
        return static_cast<std::uint64_t>(product << shift);
    }
    if (shift <= -127) {
        return 0;  // the product is below 2^74, far less than half of 2^127
    }
    const Wide dropped = product & ((Wide{1} << -shift) - 1);
    const Wide half = Wide{1} << (-shift - 1);
    const std::uint64_t rounded = static_cast<std::uint64_t>(product >> -shift);
    return dropped >= half ? rounded + 1 : rounded;
}

char* write_scaled(char* text, bool negative, std::uint64_t scaled, int decimals) {
    char* at = text;
    if (negative && scaled != 0) {
        *at++ = '-';
    }
    at = std::to_chars(at, text + kLongestFixedText, scaled / kPowersOfTen[decimals]).ptr;
    if (decimals > 0) {
        *at++ = '.';
        std::uint64_t fraction = scaled % kPowersOfTen[decimals];
        for (int i = decimals - 1; i >= 0; --i) {
            at[i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        at += decimals;
    }
    return at;
}
#endif

// Adds one unit in the last place to the digits from `begin` to `end` ("9.99" becomes "10.00");
// returns the new end, one further when a digit was added in front.
char* add_last_unit(char* begin, char* end) {
    for (char* at = end; at-- != begin;) {
        if (*at == '.') {
            continue;
        }
        if (*at != '9') {
            ++*at;
            return end;
        }
        *at = '0';
    }
    std::copy_backward(begin, end, end + 1);
    *begin = '1';
    return end + 1;
}

// std::to_chars rounds the exact binary value to nearest, an exact half to even. A value is an
// exact half at `decimals` places when value * 2^(decimals+1) is an odd integer; it then has
// exactly one decimal more, a 5, which is dropped and the rest rounded away from zero.
char* write_large(char* text, double value, int decimals) {
    const double scaled = std::ldexp(value, decimals + 1);
    const bool half = std::isfinite(scaled) && std::fabs(scaled) < 0x1p53 &&
                      std::fmod(scaled, 2.0) != 0.0 && scaled == std::trunc(scaled);
    char* const end = text + kLongestFixedText;
    if (half) {
        char* last = std::to_chars(text, end, value, std::chars_format::fixed, decimals + 1).ptr;
        --last;  // the 5
        if (decimals == 0) {
            --last;  // and the point before it
        }
        return add_last_unit(text + (value < 0 ? 1 : 0), last);
    }
    char* written = std::to_chars(text, end, value, std::chars_format::fixed, decimals).ptr;
    if (*text == '-' &&
        std::string_view(text + 1, written).find_first_not_of("0.") == std::string_view::npos) {
        std::copy(text + 1, written, text);
        --written;
    }
    return written;
}

}  // namespace

char* write_fixed(char* text, double value, int decimals) {
    decimals = std::clamp(decimals, 0, kMostFixedDecimals);
#if defined(__SIZEOF_INT128__)
    if (std::fabs(value) < kFastLimit) {
        return write_scaled(text, value < 0, scaled_magnitude(value, decimals), decimals);
    }
#endif
    return write_large(text, value, decimals);
}

}  // namespace korv
