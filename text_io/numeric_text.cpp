#include "numeric_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "fixed_text.h"

namespace korv {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// Length of the number at the start of `text` (sign, digits, one point, exponent), 0 when there
// is none.
size_t number_prefix_length(std::string_view text) {
    const size_t sign = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const size_t length = unsigned_number_length(text.substr(sign));
    return length == 0 ? 0 : sign + length;
}

// Decimal exponent of the first significant digit of a number as number_prefix_length finds it
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

// The value of one number as number_prefix_length finds it. std::from_chars never looks at the
// locale (a Qt application switches the process to the user's, whose decimal separator may be a
// comma). Beyond the range of a double a number reads as an infinity of its sign, or as a zero
// of its sign when it is too small.
double parse_c_number(std::string_view number) {
    const bool negative = number.front() == '-';
    if (number.front() == '+') {
        number.remove_prefix(1);  // from_chars takes no plus sign
    }
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        const double limit = decimal_magnitude(number).value_or(-1) >= 0
                                 ? std::numeric_limits<double>::infinity()
                                 : 0.0;
        return negative ? -limit : limit;
    }
    return value;
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

size_t unsigned_number_length(std::string_view text) {
    size_t i = 0;
    size_t digits = 0;
    for (; i < text.size() && is_digit(text[i]); ++i, ++digits) {
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && is_digit(text[i]); ++i, ++digits) {
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && is_digit(text[j])) {
            for (; j < text.size() && is_digit(text[j]); ++j) {
            }
            i = j;
        }
    }
    return i;
}

bool is_numeric(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    const size_t length = number_prefix_length(text);
    if (length == 0 || length != text.size()) {
        return false;
    }
    return std::isfinite(parse_c_number(text));
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
    const size_t length = number_prefix_length(text);
    return length == 0 ? 0.0 : parse_c_number(text.substr(0, length));
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
