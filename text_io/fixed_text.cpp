#include "fixed_text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
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
    // Adding half of the unit dropped carries into the units kept exactly when what is dropped
    // is a half or more.
    const Wide half = Wide{1} << (-shift - 1);
    return static_cast<std::uint64_t>((product + half) >> -shift);
}

// "00" to "99": digits are written two at a time, which halves the chain of divisions.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the two digits of `value` (below 100) at `at`.
void write_pair(char* at, std::uint64_t value) {
    std::memcpy(at, kDigitPairs + 2 * value, 2);
}

// Writes the `Count` digits of `value` (below 10^Count), leading zeros included, ending at
// `end`: two at a time from the last, dividing by a constant, which the compiler turns into a
// multiplication.
template <int Count>
void write_digits(char* end, std::uint64_t value) {
    for (int i = 0; i < Count / 2; ++i) {
        end -= 2;
        write_pair(end, value % 100);
        value /= 100;
    }
    if constexpr (Count % 2 == 1) {
        end[-1] = static_cast<char>('0' + value);
    }
}

// Writes scaled / 10^Decimals with its decimals at `at`; returns the end. The digits are stored
// straight into the text: building them elsewhere and copying them over costs more than writing
// them.
template <int Decimals>
char* write_scaled(char* at, std::uint64_t scaled) {
    constexpr std::uint64_t kUnit = kPowersOfTen[Decimals];
    constexpr int kMostIntegerDigits = 20;
    at = std::to_chars(at, at + kMostIntegerDigits, scaled / kUnit).ptr;
    if constexpr (Decimals > 0) {
        *at++ = '.';
        write_digits<Decimals>(at + Decimals, scaled % kUnit);
        at += Decimals;
    }
    return at;
}

// One writer for each number of decimals, so that each divides by a constant rather than by a
// power of ten looked up, a division several times slower.
using ScaledWriter = char* (*)(char*, std::uint64_t);
constexpr ScaledWriter kScaledWriters[kMostFixedDecimals + 1] = {
    write_scaled<0>, write_scaled<1>, write_scaled<2>, write_scaled<3>, write_scaled<4>,
    write_scaled<5>, write_scaled<6>, write_scaled<7>, write_scaled<8>, write_scaled<9>};
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
        const std::uint64_t scaled = scaled_magnitude(value, decimals);
        char* at = text;
        if (value < 0 && scaled != 0) {
            *at++ = '-';
        }
        return kScaledWriters[decimals](at, scaled);
    }
#endif
    return write_large(text, value, decimals);
}

}  // namespace korv
