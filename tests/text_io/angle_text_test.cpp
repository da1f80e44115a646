#include "angle_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "utilities.h"

namespace korv {
namespace {

struct ParseCase {
    const char* text;
    std::optional<double> degrees;
    int32_t kind = kPlainAngle;
};

class AngleFromText : public ::testing::TestWithParam<ParseCase> {};

TEST_P(AngleFromText, ReadsTheNotationsSurveyorsWriteAndRefusesTheRest) {
    const std::optional<double> degrees = angle_from_text(GetParam().text, GetParam().kind);
    ASSERT_EQ(degrees.has_value(), GetParam().degrees.has_value()) << GetParam().text;
    if (degrees) {
        EXPECT_NEAR(*degrees, *GetParam().degrees, 1e-12) << GetParam().text;
    }
    Utilities utilities;
    double value = 12.0;
    EXPECT_EQ(utilities.parse_angle(GetParam().text, value, GetParam().kind), degrees.has_value());
    EXPECT_EQ(value, degrees.value_or(0.0)) << "a text that is no angle gives 0";
}

constexpr double kSurveyed = 144 + 25 / 60.0 + 29.5244 / 3600;
constexpr int32_t kLon = kLongitudeAngle;
constexpr int32_t kLat = kLatitudeAngle;

INSTANTIATE_TEST_SUITE_P(
    Texts, AngleFromText,
    ::testing::Values(
        // Blanks between degrees, minutes and seconds, as the fields show them.
        ParseCase{"-177 0 0.00", -177.0}, ParseCase{"000 0 0.00", 0.0},
        ParseCase{"000 00 00.000", 0.0}, ParseCase{"6 0 0.00", 6.0, kLat},
        ParseCase{"144 25 29.5244", kSurveyed},
        ParseCase{"-37 57 03.7203", -(37 + 57 / 60.0 + 3.7203 / 3600)}, ParseCase{"-0 30 0", -0.5},
        ParseCase{"  12   30  ", 12.5}, ParseCase{"+10 0 36", 10.01},
        ParseCase{"89 0 0.01", 89 + 0.01 / 3600},
        // Decimal degrees, marks, colons and hemisphere letters.
        ParseCase{"144.5", 144.5}, ParseCase{"-89", -89.0}, ParseCase{"1E+300", 1e300},
        ParseCase{"144\u00b025'29.5244\"", kSurveyed},
        ParseCase{"144\u00b0 25\u2032 29.5244\u2033", kSurveyed},
        ParseCase{"144\u00b025'29.5244''", kSurveyed}, ParseCase{"144d25m29.5244s", kSurveyed},
        ParseCase{"144:25:29.5244", kSurveyed}, ParseCase{"-177\u00b0", -177.0, kLon},
        ParseCase{"30'", 0.5}, ParseCase{"144\u00b025'29.5244\"E", kSurveyed, kLon},
        ParseCase{"W 144 25 29.5244", -kSurveyed, kLon}, ParseCase{"144.5E", 144.5, kLon},
        ParseCase{"37 30 0 S", -37.5, kLat}, ParseCase{"N37.5", 37.5, kLat},
        // No angle.
        ParseCase{"", std::nullopt}, ParseCase{"   ", std::nullopt}, ParseCase{"abc", std::nullopt},
        ParseCase{"1 2 3 4", std::nullopt}, ParseCase{"10 -5 0", std::nullopt},
        ParseCase{"10 60 0", std::nullopt}, ParseCase{"10 0 60", std::nullopt},
        ParseCase{"10\u00b060'", std::nullopt}, ParseCase{"10x 0 0", std::nullopt},
        ParseCase{"1e999", std::nullopt}, ParseCase{"10,5", std::nullopt},
        ParseCase{"1.5.3", std::nullopt}, ParseCase{"10'5\u00b0", std::nullopt},
        ParseCase{"10::5", std::nullopt}, ParseCase{"10:", std::nullopt},
        ParseCase{"--10", std::nullopt}, ParseCase{"-37 S", std::nullopt, kLat},
        ParseCase{"S 37 N", std::nullopt, kLat}, ParseCase{"37 S", std::nullopt, kLon},
        ParseCase{"144 E", std::nullopt, kLat}, ParseCase{"6 E", std::nullopt},
        ParseCase{"144 25 29.5244 -", std::nullopt}, ParseCase{"144\u00b1", std::nullopt}));

struct FormatCase {
    double degrees;
    const char* text;
};

class AngleToText : public ::testing::TestWithParam<FormatCase> {};

TEST_P(AngleToText, WritesDegreesMinutesAndSeconds) {
    EXPECT_EQ(angle_to_text(GetParam().degrees), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, AngleToText,
    ::testing::Values(FormatCase{-177, "-177 0 0.00"}, FormatCase{0, "0 0 0.00"},
                      FormatCase{6, "6 0 0.00"}, FormatCase{-0.5, "-0 30 0.00"},
                      FormatCase{144 + 25 / 60.0 + 29.5244 / 3600, "144 25 29.5244"},
                      FormatCase{-(37 + 57 / 60.0 + 3.7203 / 3600), "-37 57 3.7203"},
                      FormatCase{59.999999999999, "60 0 0.00"}, FormatCase{-1e-12, "0 0 0.00"},
                      FormatCase{1e300, "1E+300"}));

TEST(AngleText, FormatThenParseRoundTripsToTheDisplayedPrecisionForEveryKind) {
    Utilities utilities;
    const double tenth_of_millimetre_in_degrees = 1e-5 / 3600.0;
    for (int32_t kind : {kLongitudeAngle, kLatitudeAngle, kPlainAngle}) {
        for (double degrees = -360.0; degrees <= 360.0; degrees += 0.7654321) {
            std::string text;
            utilities.format_angle(degrees, text, kind);
            double back = 0;
            ASSERT_TRUE(utilities.parse_angle(text, back, kind)) << text;
            EXPECT_NEAR(back, degrees, tenth_of_millimetre_in_degrees) << text;
            std::string again;
            utilities.format_angle(back, again, kind);
            EXPECT_EQ(again, text);
        }
    }
}

}  // namespace
}  // namespace korv
