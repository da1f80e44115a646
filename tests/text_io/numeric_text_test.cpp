#include "numeric_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace korv {
namespace {

struct NumericCase {
    const char* text;
    bool numeric;
};

class IsNumeric : public ::testing::TestWithParam<NumericCase> {};

TEST_P(IsNumeric, WholeTextMustBeOneNumber) {
    EXPECT_EQ(is_numeric(GetParam().text), GetParam().numeric) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, IsNumeric,
                         ::testing::Values(NumericCase{"0", true}, NumericCase{"  -12.5  ", true},
                                           NumericCase{"+3", true}, NumericCase{".5", true},
                                           NumericCase{"5.", true}, NumericCase{"1e5", true},
                                           NumericCase{"1.5E-03", true}, NumericCase{"\t7\t", true},
                                           NumericCase{"", false}, NumericCase{"   ", false},
                                           NumericCase{".", false}, NumericCase{"-", false},
                                           NumericCase{"1.2.3", false}, NumericCase{"1 000", false},
                                           NumericCase{"12abc", false}, NumericCase{"abc", false},
                                           NumericCase{"1e", false}, NumericCase{"1e+", false},
                                           NumericCase{"1,5", false}, NumericCase{"1e999", false},
                                           NumericCase{"--1", false}, NumericCase{"0x10", false},
                                           NumericCase{"inf", false}, NumericCase{"nan", false}));

struct LeadingCase {
    const char* text;
    double value;
};

class LeadingNumber : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumber, ReadsTheNumberAtTheStart) {
    EXPECT_DOUBLE_EQ(leading_number(GetParam().text), GetParam().value)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumber,
    ::testing::Values(LeadingCase{"1 000", 1000}, LeadingCase{" 500000", 500000},
                      LeadingCase{"-117.7630", -117.763}, LeadingCase{"1E-05", 1e-5},
                      LeadingCase{" 1.5E+20", 1.5e20}, LeadingCase{"12abc", 12},
                      LeadingCase{"abc", 0}, LeadingCase{"", 0}, LeadingCase{"1e", 1},
                      LeadingCase{"2.5e+", 2.5}, LeadingCase{"1\t2\n3", 123},
                      LeadingCase{"-2.9200e-01,x", -0.292}, LeadingCase{".25", 0.25},
                      LeadingCase{"1,5", 1}, LeadingCase{"<no value>", 0}, LeadingCase{"- 5", -5}));

TEST(LeadingNumberTest, TooLargeReadsAsInfinityOfItsSign) {
    EXPECT_EQ(leading_number("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(leading_number("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(leading_number("1e-999"), 0.0);
}

TEST(LeadingNumberTest, DecimalPointIsAlwaysAPointWhateverTheLocale) {
    const char* comma_locales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"};
    const char* chosen = nullptr;
    for (const char* name : comma_locales) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            chosen = name;
            break;
        }
    }
    if (chosen == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma on this machine";
    }
    EXPECT_DOUBLE_EQ(leading_number("1.5"), 1.5);
    EXPECT_TRUE(is_numeric("2.25"));
    EXPECT_FALSE(is_numeric("2,25"));
    EXPECT_EQ(format_fixed(1.5, 4), "1.5000");
    EXPECT_EQ(format_general(0.25), "0.25");
    std::setlocale(LC_ALL, "C");
}

struct RoundCase {
    double value;
    std::optional<int32_t> result;
};

class ToInt32HalfEven : public ::testing::TestWithParam<RoundCase> {};

TEST_P(ToInt32HalfEven, RoundsHalvesToEvenAndRefusesOutOfRange) {
    EXPECT_EQ(to_int32_half_even(GetParam().value), GetParam().result) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ToInt32HalfEven,
    ::testing::Values(RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-2.5, -2},
                      RoundCase{-3.5, -4}, RoundCase{0.49999999999999994, 0}, RoundCase{2.6, 3},
                      RoundCase{-0.4, 0}, RoundCase{55, 55}, RoundCase{2147483647.0, 2147483647},
                      RoundCase{2147483647.4, 2147483647}, RoundCase{2147483647.5, std::nullopt},
                      RoundCase{-2147483648.0, INT32_MIN}, RoundCase{-2147483648.5, INT32_MIN},
                      RoundCase{-2147483649.0, std::nullopt}, RoundCase{1e300, std::nullopt},
                      RoundCase{std::numeric_limits<double>::quiet_NaN(), std::nullopt},
                      RoundCase{-std::numeric_limits<double>::infinity(), std::nullopt}));

struct FixedCase {
    double value;
    int decimals;
    const char* text;
};

class FormatFixed : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixed, WritesTheFieldFormats) {
    EXPECT_EQ(format_fixed(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FormatFixed,
    ::testing::Values(FixedCase{500000.4, 0, "500000"}, FixedCase{500000.5, 0, "500001"},
                      FixedCase{-12, 0, "-12"}, FixedCase{0.99962, 4, "0.9996"},
                      FixedCase{1, 4, "1.0000"}, FixedCase{-117.763, 4, "-117.7630"},
                      FixedCase{0.00004, 4, "0.0000"}, FixedCase{-0.00004, 4, "0.0000"},
                      FixedCase{-0.0, 1, "0.0"}, FixedCase{0.125, 2, "0.13"},
                      FixedCase{-0.125, 2, "-0.13"}, FixedCase{2.5, 0, "3"},
                      FixedCase{273741.29664, 1, "273741.3"}, FixedCase{1, 8, "1.00000000"},
                      FixedCase{-90, 6, "-90.000000"}));

TEST(FormatExponent, WritesFourDecimalsAndTwoExponentDigits) {
    EXPECT_EQ(format_exponent(-0.292), "-2.9200e-01");
    EXPECT_EQ(format_exponent(0.0), "0.0000e+00");
    EXPECT_EQ(format_exponent(-0.0), "0.0000e+00");
    EXPECT_EQ(format_exponent(12345.678), "1.2346e+04");
    EXPECT_EQ(format_exponent(1e-120), "1.0000e-120");
}

struct GeneralCase {
    double value;
    const char* text;
};

class FormatGeneral : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(FormatGeneral, WritesAtMostFifteenSignificantDigits) {
    EXPECT_EQ(format_general(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatGeneral,
    ::testing::Values(GeneralCase{0, "0"}, GeneralCase{-0.0, "0"}, GeneralCase{500000, "500000"},
                      GeneralCase{10000000, "10000000"}, GeneralCase{-177, "-177"},
                      GeneralCase{0.9996, "0.9996"}, GeneralCase{0.1, "0.1"},
                      GeneralCase{1.0 / 3.0, "0.333333333333333"}, GeneralCase{0.0001, "0.0001"},
                      GeneralCase{0.00001, "1E-05"}, GeneralCase{-0.000015, "-1.5E-05"},
                      GeneralCase{1e-16, "1E-16"}, GeneralCase{123456789012345, "123456789012345"},
                      GeneralCase{1e15, "1E+15"}, GeneralCase{1.5e20, "1.5E+20"},
                      GeneralCase{1e100, "1E+100"}, GeneralCase{999999999999999.9, "1E+15"},
                      GeneralCase{273741.2966, "273741.2966"}));

TEST(FormatGeneralTest, WrittenAndReadBackGivesTheSameText) {
    const double values[] = {0.1,     1.0 / 3.0, -2.0 / 3.0, 1e-5,   123456.789012345,
                             6.02e23, -1e-300,   1e308,      5e-324, 144.42486788888889};
    for (double value : values) {
        const std::string text = format_general(value);
        EXPECT_EQ(format_general(leading_number(text)), text) << value;
        const std::string stored = format_stored(value);
        EXPECT_EQ(format_stored(leading_number(stored)), stored) << value;
    }
}

TEST(FormatStored, PutsABlankBeforeValuesThatAreNotNegative) {
    EXPECT_EQ(format_stored(0.0), " 0");
    EXPECT_EQ(format_stored(500000.0), " 500000");
    EXPECT_EQ(format_stored(-177.0), "-177");
    EXPECT_EQ(format_stored(int32_t{55}), " 55");
    EXPECT_EQ(format_stored(int32_t{-1}), "-1");
    EXPECT_EQ(format_stored(int32_t{0}), " 0");
}

}  // namespace
}  // namespace korv
