#pragma once
// Numbers as users type them and as the system stores them. "." is the decimal point everywhere,
// whatever the user's locale: nothing here goes through the locale.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korv {

// A number found at the start of a text.
struct ScannedNumber {
    size_t length = 0;          // characters it takes; 0 when the text starts with no number
    double value = 0;           // beyond the range of a double: an infinity or a zero of its sign
    bool out_of_range = false;  // the number lies beyond the range of a double
};

// The one number scanner every reader of numbers in text builds on: an optional sign, digits
// with at most one decimal point, and an exponent only when digits follow the "e" ("1e" is the
// number 1, "144E" is 144 and a letter). Blanks end the number.
ScannedNumber scan_number(std::string_view text);

// The whole-text rule: the number the whole text spells, blanks and tabs around it allowed, when
// it is finite ("1e-400" is 0). Nothing for an empty text or any other text.
std::optional<double> whole_number(std::string_view text);

// True when `whole_number` reads the text.
bool is_numeric(std::string_view text);

// The leading-number rule: the number at the start of the text. Blanks, tabs and line feeds
// anywhere in the text are skipped first ("1 000" reads 1000); a text without a leading number
// reads 0. A number too large for a double reads as an infinity of its sign, which
// `is_numeric` never accepts.
double leading_number(std::string_view text);

// The nearest 32-bit integer, a half going to the even neighbour (2.5 gives 2, 3.5 gives 4);
// nothing when the value is not finite or lies outside the 32-bit range.
std::optional<int32_t> to_int32_half_even(double value);

// Fixed format with the given number of decimals (0 to 9), at least one integer digit, a "-" for
// negative values: "0" (0 decimals), "0.0", "0.0000", "0.000000", "0.00000000". As
// `write_fixed`: halves round away from zero; a value that rounds to zero is written without a
// sign.
std::string format_fixed(double value, int decimals);

// The format "0.0000e+00": one integer digit, four decimals, the exponent's sign always written,
// at least two exponent digits ("-2.9200e-01").
std::string format_exponent(double value);

// General format: at most 15 significant digits, no trailing zeros, "-" for negative values,
// plain for magnitudes from 1e-4 up to below 1e15 and exponent form ("1E-05", "1.5E+20")
// otherwise. Text written this way and read back with `leading_number` gives the same text.
std::string format_general(double value);

// The settings store's form: one blank before a value that is not negative, then its digits.
std::string format_stored(double value);
std::string format_stored(int32_t value);

}  // namespace korv
