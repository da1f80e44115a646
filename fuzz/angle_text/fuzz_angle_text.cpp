// Angle text. A text that reads as an angle gives a finite number of degrees, for every kind of
// angle; the kinds differ only in the hemisphere letters they take. Any angle, written as text and
// read again, comes back within the hundred-thousandth of a second the text shows, and that text
// written again is the same. The utility object's calls agree with the functions.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "angle_text.h"
#include "fuzz_check.h"
#include "utilities.h"

namespace {

// Half the last shown digit of the seconds, in degrees, and the rounding a double adds to it;
// angles too large for that form are written as decimal degrees with 15 significant digits.
double display_tolerance(double degrees) {
    return std::max(
        0.5e-5 / 3600.0 + std::fabs(degrees) * 8 * std::numeric_limits<double>::epsilon(),
        std::fabs(degrees) * 1e-14);
}

// Beyond a million degrees a double holds fewer digits than the text shows, so the last shown
// digit of a text read back may differ; no angle the system works with comes near.
constexpr double kStableTextLimit = 1e6;

void check_angle(double degrees) {
    if (!std::isfinite(degrees)) {
        return;
    }
    const std::string text = korv::angle_to_text(degrees);
    const std::optional<double> again = korv::angle_from_text(text);
    KORV_FUZZ_REQUIRE(again.has_value(), "written angle text reads as an angle");
    KORV_FUZZ_REQUIRE(std::fabs(*again - degrees) <= display_tolerance(degrees),
                      "angle text keeps the angle to the precision it shows");
    if (std::fabs(degrees) < kStableTextLimit) {
        KORV_FUZZ_REQUIRE_SAME(korv::angle_to_text(*again), text,
                               "angle text read and written again is the same text");
    }

    korv::Utilities utilities;
    std::string formatted;
    utilities.format_angle(degrees, formatted, korv::kLatitudeAngle);
    KORV_FUZZ_REQUIRE(formatted == text, "format_angle writes the angle text");
}

// The kinds differ only in the hemisphere letter they take: a text read as a plain angle reads
// the same for every kind, and a text with a letter reads as the same angle with a sign.
void check_kinds(std::string_view text, double degrees) {
    for (int32_t kind : {korv::kLongitudeAngle, korv::kLatitudeAngle}) {
        const std::optional<double> same = korv::angle_from_text(text, kind);
        KORV_FUZZ_REQUIRE(same.has_value() && *same == degrees,
                          "a plain angle reads the same for every kind");
    }
    if (text.find_first_of("+-") != std::string_view::npos) {
        return;  // a sign and a letter do not go together
    }
    const std::string south = std::string(text) + " S";
    const std::optional<double> southern = korv::angle_from_text(south, korv::kLatitudeAngle);
    KORV_FUZZ_REQUIRE(southern.has_value() && *southern == -degrees,
                      "S after a latitude makes it negative");
    KORV_FUZZ_REQUIRE(!korv::angle_from_text(south, korv::kLongitudeAngle),
                      "S does not fit a longitude");
    const std::optional<double> eastern =
        korv::angle_from_text("E" + std::string(text), korv::kLongitudeAngle);
    KORV_FUZZ_REQUIRE(eastern.has_value() && *eastern == degrees,
                      "E before a longitude leaves it as it is");
}

void check_text(std::string_view text) {
    korv::Utilities utilities;
    for (int32_t kind : {korv::kPlainAngle, korv::kLongitudeAngle, korv::kLatitudeAngle}) {
        const std::optional<double> degrees = korv::angle_from_text(text, kind);
        double value = std::numeric_limits<double>::quiet_NaN();
        const bool parsed = utilities.parse_angle(text, value, kind);
        KORV_FUZZ_REQUIRE(parsed == degrees.has_value(),
                          "parse_angle says whether the text is an angle");
        if (!degrees) {
            KORV_FUZZ_REQUIRE(value == 0, "a text that is no angle gives 0");
            continue;
        }
        KORV_FUZZ_REQUIRE(std::isfinite(*degrees), "an angle is a finite number of degrees");
        KORV_FUZZ_REQUIRE(value == *degrees, "parse_angle gives the angle's degrees");
        if (kind == korv::kPlainAngle) {
            check_kinds(text, *degrees);
        }
        check_angle(*degrees);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    check_text(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size >= sizeof(double)) {
        double degrees;
        std::memcpy(&degrees, data, sizeof degrees);
        check_angle(degrees);
    }
    return 0;
}
