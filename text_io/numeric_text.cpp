#include "numeric_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "fixed_text.h"
#include "trim.h"

namespace korv {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr long kLargestExactPower = 22;
// Every integer up to this is a double, exactly.
constexpr uint64_t kLargestExactMantissa = uint64_t{1} << 53;
// Significant digits gathered in 64 bits without overflow.
constexpr int kMostMantissaDigits = 19;
// Exponents beyond this are clamped: far beyond the range of a double.
constexpr long kExponentClamp = 1000000;

// Decimal exponent of the first significant digit of a number as scan_number finds it
// ("123.4" 2, "0.05" -2, "1e400" 400), or nothing for a zero. Exponents are clamped far beyond
// the range of a double.
std::optional<long long> decimal_magnitude(std::string_view number) {
    constexpr long long kClamp = 1000000;
    size_t i = (number.front() == '+' || number.front() == '-') ? 1 : 0;
    const size_t integer_start = i;
    while (i < number.size() && is_digit(number[i])) {
        ++i;
    }
    std::optional<long long> magnitude;
    for (size_t k = integer_start; k < i && !magnitude; ++k) {
        if (number[k] != '0') {
            magnitude = static_cast<long long>(i - k) - 1;
        }
    }
    if (i < number.size() && number[i] == '.') {
        ++i;
        long long zeros = 0;
        for (; i < number.size() && is_digit(number[i]); ++i) {
            if (!magnitude && number[i] != '0') {
                magnitude = -(zeros + 1);
            }
            zeros += magnitude ? 0 : 1;
        }
    }
    if (!magnitude || i == number.size()) {
        return magnitude;
    }
    // An exponent follows: "e", an optional sign, digits.
    ++i;
    const bool negative = number[i] == '-';
    i += (number[i] == '+' || number[i] == '-') ? 1 : 0;
    long long exponent = 0;
    for (; i < number.size(); ++i) {
        exponent = std::min(kClamp, exponent * 10 + (number[i] - '0'));
    }
    return *magnitude + (negative ? -exponent : exponent);
}

// The value of a scanned number the quick way cannot give: std::from_chars, which never looks at
// the locale (a Qt application switches the process to the user's, whose decimal separator may
// be a comma), and beyond the range of a double an infinity of its sign, or a zero of its sign
// when the number is too small.
ScannedNumber exact_value(std::string_view number) {
    ScannedNumber scanned{number.size(), 0, false};
    const bool negative = number.front() == '-';
    const std::string_view digits = number.front() == '+' ? number.substr(1) : number;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), scanned.value);
    if (error == std::errc::result_out_of_range) {
        const double limit = decimal_magnitude(number).value_or(-1) >= 0
                                 ? std::numeric_limits<double>::infinity()
                                 : 0.0;
        scanned.value = negative ? -limit : limit;
        scanned.out_of_range = true;
    }
    return scanned;
}

// The largest magnitudes the general (15 significant digits) and exponent (5 significant digits)
// formats write: rounding a larger double to that many digits goes past the largest double, and
// the text would read back as an infinity.
constexpr double kLargestGeneral = 1.79769313486231e308;
constexpr double kLargestExponent = 1.7976e308;

// Formatting that never looks at the locale.
std::string to_text(double value, std::chars_format format, int precision) {
    char buffer[400];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return std::string(buffer, result.ptr);
}

}  // namespace

// Hand-written rather than a grammar check followed by std::from_chars: the digits are gathered
// while the grammar is checked, and a number of at most 19 significant digits whose value is an
// exact integer times an exact power of ten (coordinates, with their few decimals, are) is one
// correctly rounded multiplication or division, the value std::from_chars gives. bench/text_io
// measures it: the grammar and the value together take the time std::from_chars takes for the
// value alone. Any other number goes through std::from_chars.
ScannedNumber scan_number(std::string_view text) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* at = begin;
    const bool negative = at != end && *at == '-';
    if (at != end && (*at == '+' || *at == '-')) {
        ++at;
    }
    uint64_t mantissa = 0;
    int mantissa_digits = 0;  // significant digits gathered; leading zeros are not
    long scale = 0;           // the number is mantissa * 10^scale, before the exponent
    bool inexact = false;     // a significant digit did not fit the mantissa
    size_t digits = 0;
    const auto gather = [&](char c, bool fraction) {
        if (mantissa_digits < kMostMantissaDigits) {
            mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
            mantissa_digits += mantissa != 0 ? 1 : 0;
            scale -= fraction ? 1 : 0;
        } else {
            inexact = inexact || c != '0';
            scale += fraction ? 0 : 1;
        }
    };
    for (; at != end && is_digit(*at); ++at, ++digits) {
        gather(*at, false);
    }
    if (at != end && *at == '.') {
        for (++at; at != end && is_digit(*at); ++at, ++digits) {
            gather(*at, true);
        }
    }
    if (digits == 0) {
        return {};
    }
    long exponent = 0;
    if (at != end && (*at == 'e' || *at == 'E')) {
        const char* e = at + 1;
        const bool negative_exponent = e != end && *e == '-';
        if (e != end && (*e == '+' || *e == '-')) {
            ++e;
        }
        if (e != end && is_digit(*e)) {
            for (; e != end && is_digit(*e); ++e) {
                exponent = std::min(kExponentClamp, exponent * 10 + (*e - '0'));
            }
            exponent = negative_exponent ? -exponent : exponent;
            at = e;
        }
    }
    const size_t length = static_cast<size_t>(at - begin);
    const long power = scale + exponent;
    if (mantissa == 0 && !inexact) {
        return {length, negative ? -0.0 : 0.0, false};
    }
    if (inexact || mantissa > kLargestExactMantissa || power < -kLargestExactPower ||
        power > kLargestExactPower) {
        return exact_value(text.substr(0, length));
    }
    const double whole = static_cast<double>(mantissa);
    const double value =
        power < 0 ? whole / kExactPowersOfTen[-power] : whole * kExactPowersOfTen[power];
    return {length, negative ? -value : value, false};
}

std::optional<double> whole_number(std::string_view text) {
    text = trimmed(text, kBlanksAndTabs);
    const ScannedNumber number = scan_number(text);
    if (number.length == 0 || number.length != text.size() || !std::isfinite(number.value)) {
        return std::nullopt;
    }
    return number.value;
}

bool is_numeric(std::string_view text) {
    return whole_number(text).has_value();
}

double leading_number(std::string_view text) {
    std::string compact;
    if (text.find_first_of(" \t\n") != std::string_view::npos) {
        compact.reserve(text.size());
        for (char c : text) {
            if (c != ' ' && c != '\t' && c != '\n') {
                compact.push_back(c);
            }
        }
        text = compact;
    }
    return scan_number(text).value;
}

std::optional<int32_t> to_int32_half_even(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    }
    if (whole < static_cast<double>(std::numeric_limits<int32_t>::min()) ||
        whole > static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<int32_t>(whole);
}

std::string format_fixed(double value, int decimals) {
    char text[kLongestFixedText];
    return std::string(text, write_fixed(text, value, decimals));
}

std::string format_exponent(double value) {
    if (value == 0.0) {
        value = 0.0;  // no "-0.0000e+00"
    }
    if (std::isfinite(value)) {
        value = std::clamp(value, -kLargestExponent, kLargestExponent);
    }
    return to_text(value, std::chars_format::scientific, 4);
}

std::string format_general(double value) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    }
    if (value == 0.0) {
        return "0";
    }
    value = std::clamp(value, -kLargestGeneral, kLargestGeneral);
    const std::string scientific = to_text(std::fabs(value), std::chars_format::scientific, 14);
    // scientific: d.dddddddddddddde[+-]xx
    std::string digits;
    digits.push_back(scientific[0]);
    digits.append(scientific, 2, 14);
    const int exponent = std::atoi(scientific.c_str() + 17);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    std::string text = value < 0 ? "-" : "";
    if (exponent >= -4 && exponent <= 14) {
        if (exponent < 0) {
            text += "0.";
            text.append(static_cast<size_t>(-exponent - 1), '0');
            text += digits;
        } else {
            const size_t integer_digits = static_cast<size_t>(exponent) + 1;
            if (digits.size() <= integer_digits) {
                text += digits;
                text.append(integer_digits - digits.size(), '0');
            } else {
                text += digits.substr(0, integer_digits);
                text += '.';
                text += digits.substr(integer_digits);
            }
        }
        return text;
    }
    text += digits[0];
    if (digits.size() > 1) {
        text += '.';
        text += digits.substr(1);
    }
    char exponent_text[16];
    std::snprintf(exponent_text, sizeof exponent_text, "E%c%02d", exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    return text + exponent_text;
}

std::string format_stored(double value) {
    const std::string text = format_general(value);
    return text.front() == '-' ? text : " " + text;
}

std::string format_stored(int32_t value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

}  // namespace korv
