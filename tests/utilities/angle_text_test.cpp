#include "angle_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "utilities.h"

namespace korv {
namespace {

struct ParseCase {
    const char* text;
    std::optional<double> degrees;
};

class AngleFromText : public ::testing::TestWithParam<ParseCase> {};

TEST_P(AngleFromText, ReadsDegreesMinutesAndSeconds) {
    const std::optional<double> degrees = angle_from_text(GetParam().text);
    ASSERT_EQ(degrees.has_value(), GetParam().degrees.has_value()) << GetParam().text;
    if (degrees) {
        EXPECT_NEAR(*degrees, *GetParam().degrees, 1e-12) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AngleFromText,
    ::testing::Values(ParseCase{"-177 0 0.00", -177.0}, ParseCase{"000 0 0.00", 0.0},
                      ParseCase{"000 00 00.000", 0.0}, ParseCase{"6 0 0.00", 6.0},
                      ParseCase{"144 25 29.5244", 144 + 25 / 60.0 + 29.5244 / 3600},
                      ParseCase{"-37 57 03.7203", -(37 + 57 / 60.0 + 3.7203 / 3600)},
                      ParseCase{"-0 30 0", -0.5}, ParseCase{"  12   30  ", 12.5},
                      ParseCase{"144.5", 144.5}, ParseCase{"-89", -89.0},
                      ParseCase{"+10 0 36", 10.01}, ParseCase{"89 0 0.01", 89 + 0.01 / 3600},
                      ParseCase{"", std::nullopt}, ParseCase{"   ", std::nullopt},
                      ParseCase{"abc", std::nullopt}, ParseCase{"1 2 3 4", std::nullopt},
                      ParseCase{"10 -5 0", std::nullopt}, ParseCase{"10 60 0", std::nullopt},
                      ParseCase{"10 0 60", std::nullopt}, ParseCase{"10x 0 0", std::nullopt},
                      ParseCase{"1e999", std::nullopt}, ParseCase{"10,5", std::nullopt}));

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

TEST(AngleText, TextThatIsNoAngleParsesAsZeroAndSaysSo) {
    Utilities utilities;
    double value = 12.0;
    EXPECT_FALSE(utilities.parse_angle("north", value, kLatitudeAngle));
    EXPECT_EQ(value, 0.0);
}

}  // namespace
}  // namespace korv
