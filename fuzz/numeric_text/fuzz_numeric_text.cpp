// The number scanner, the numeric test, the leading-number rule and the number formats. For any
// text: the number at its start and a numeric text read as the finite number they spell. For the
// value a text reads as, and for any double the input's first eight bytes spell: every format reads
// back within its precision, and the general format, read back and written again, gives the same
// text.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "numeric_text.h"

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// The value of a text that is one number, read by the standard library without any locale;
// nothing when the number is too small for a double and reads as zero or a subnormal.
std::optional<double> spelled_value(std::string_view number) {
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-') {
        number.remove_prefix(1);
    }
    double value = 0;
    const std::from_chars_result result =
        std::from_chars(number.data(), number.data() + number.size(), value);
    KORV_FUZZ_REQUIRE(result.ptr == number.data() + number.size(), "a numeric text is one number");
    if (result.ec == std::errc::result_out_of_range) {
        return std::nullopt;
    }
    KORV_FUZZ_REQUIRE(result.ec == std::errc(), "a numeric text is one finite number");
    return negative ? -value : value;
}

void check_text(std::string_view text) {
    // The number the scanner finds at the start of any text, trailing text or not, is the number
    // its characters spell.
    const korv::ScannedNumber scanned = korv::scan_number(text);
    if (scanned.length > 0 && !scanned.out_of_range) {
        const std::optional<double> spelled = spelled_value(text.substr(0, scanned.length));
        KORV_FUZZ_REQUIRE(spelled && *spelled == scanned.value,
                          "a scanned number reads as the number it spells");
    }
    const double value = korv::leading_number(text);
    KORV_FUZZ_REQUIRE(!std::isnan(value), "the leading number is never NaN");
    if (korv::is_numeric(text)) {
        KORV_FUZZ_REQUIRE(std::isfinite(value), "a numeric text reads as a finite number");
        const std::optional<double> spelled = spelled_value(trimmed(text));
        KORV_FUZZ_REQUIRE(
            spelled ? value == *spelled : std::fabs(value) < std::numeric_limits<double>::min(),
            "a numeric text reads as the number it spells");
    }
}

void check_general(double value) {
    const std::string text = korv::format_general(value);
    const double again = korv::leading_number(text);
    KORV_FUZZ_REQUIRE(korv::is_numeric(text), "the general format is numeric");
    KORV_FUZZ_REQUIRE_SAME(korv::format_general(again), text,
                           "the general format read back and written again is the same text");
    if (std::fabs(value) >= std::numeric_limits<double>::min()) {
        KORV_FUZZ_REQUIRE(std::fabs(again - value) <= std::fabs(value) * 1e-14,
                          "the general format keeps 15 significant digits");
    }
    KORV_FUZZ_REQUIRE(korv::leading_number(korv::format_stored(value)) == again,
                      "the stored form reads as the general form");
}

void check_fixed(double value) {
    for (const int decimals : {0, 1, 4, 6, 8}) {
        const std::string text = korv::format_fixed(value, decimals);
        KORV_FUZZ_REQUIRE(korv::is_numeric(text), "a fixed format is numeric");
        const size_t point = text.find('.');
        KORV_FUZZ_REQUIRE(decimals == 0 ? point == std::string::npos
                                        : point != std::string::npos &&
                                              text.size() - point - 1 == size_t(decimals),
                          "a fixed format has exactly its decimals");
        const double again = korv::leading_number(text);
        const double half_unit = 0.5 * std::pow(10.0, -decimals);
        KORV_FUZZ_REQUIRE(
            std::fabs(again - value) <= half_unit * (1 + 1e-9) + std::fabs(value) * 0x1p-52,
            "a fixed format is within half a unit of its last decimal");
        KORV_FUZZ_REQUIRE(again != 0 || text.front() != '-', "zero is written without a sign");
    }
}

void check_exponent(double value) {
    const std::string text = korv::format_exponent(value);
    KORV_FUZZ_REQUIRE(korv::is_numeric(text), "the exponent format is numeric");
    const size_t e = text.find('e');
    KORV_FUZZ_REQUIRE(
        e != std::string::npos && e + 3 < text.size() && (text[e + 1] == '+' || text[e + 1] == '-'),
        "the exponent format writes the exponent's sign and two digits");
    const double again = korv::leading_number(text);
    KORV_FUZZ_REQUIRE(
        std::fabs(again - value) <= std::fabs(value) * 1e-4 || std::fabs(value) < 1e-300,
        "the exponent format keeps five significant digits");
}

void check_integer(double value) {
    const std::optional<int32_t> nearest = korv::to_int32_half_even(value);
    if (!nearest) {
        KORV_FUZZ_REQUIRE(!std::isfinite(value) || std::fabs(value) > 2147483647.0,
                          "only values outside the 32-bit range have no nearest integer");
        return;
    }
    const double difference = std::fabs(*nearest - value);
    KORV_FUZZ_REQUIRE(difference <= 0.5, "the nearest integer is the nearest");
    KORV_FUZZ_REQUIRE(difference < 0.5 || *nearest % 2 == 0, "a half goes to the even neighbour");
}

void check_value(double value) {
    if (!std::isfinite(value)) {
        return;
    }
    check_general(value);
    check_fixed(value);
    check_exponent(value);
    check_integer(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check_text(text);
    check_value(korv::leading_number(text));
    if (size >= sizeof(double)) {
        double bits;
        std::memcpy(&bits, data, sizeof bits);
        check_value(bits);
    }
    return 0;
}
