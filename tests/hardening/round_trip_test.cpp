// What the system writes it reads back the same: numbers at the edge of the double range in each
// format the files and the settings use, and "datum.csv" files the loader accepts, saved by the
// program and loaded again.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "datum_list.h"
#include "file_numbers.h"
#include "files.h"
#include "numeric_text.h"
#include "test_sandbox.h"

namespace korv {
namespace {

struct FormatCase {
    const char* name;
    std::string (*format)(double);
    double value;
};

std::string general(double value) {
    return format_general(value);
}
std::string exponent(double value) {
    return format_exponent(value);
}
std::string stored(double value) {
    return format_stored(value);
}

class LargestNumbers : public ::testing::TestWithParam<FormatCase> {};

TEST_P(LargestNumbers, ReadBackAsFiniteNumbersThatWriteTheSameText) {
    const std::string text = GetParam().format(GetParam().value);
    const double again = leading_number(text);
    EXPECT_TRUE(std::isfinite(again)) << text;
    EXPECT_EQ(GetParam().format(again), text);
    EXPECT_LE(std::fabs(again - GetParam().value), std::fabs(GetParam().value) * 1e-4) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, LargestNumbers,
    ::testing::Values(FormatCase{"general_largest", general, DBL_MAX},
                      FormatCase{"general_most_negative", general, -DBL_MAX},
                      FormatCase{"general_just_below_the_rounding_step", general,
                                 1.797693134862315e308},
                      FormatCase{"stored_largest", stored, DBL_MAX},
                      FormatCase{"stored_most_negative", stored, -DBL_MAX},
                      FormatCase{"exponent_largest", exponent, DBL_MAX},
                      FormatCase{"exponent_most_negative", exponent, -DBL_MAX},
                      FormatCase{"exponent_just_below_the_rounding_step", exponent, 1.79765e308}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

struct DatumFileCase {
    const char* name;
    std::string content;
};

const std::string kHeader = "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc\r\n";

class SavedDatumList : public ::testing::TestWithParam<DatumFileCase> {
protected:
    std::string file() const { return sandbox_.path("datum.csv"); }
    testing::Sandbox sandbox_;
};

// The program rewrites the whole file whenever an entry is edited; what it loaded must survive.
TEST_P(SavedDatumList, LoadsAgainWithTheSameEntries) {
    testing::write_file(file(), GetParam().content);
    DatumList list(file());
    list.load_datum_list();
    ASSERT_TRUE(list.save_datum_list().ok());
    DatumList again(file());
    again.load_datum_list();
    EXPECT_FALSE(file_exists(file() + ".bak")) << "the saved file was found unusable";
    ASSERT_EQ(again.count(), list.count());
    for (int32_t position = 1; position <= list.count(); ++position) {
        EXPECT_EQ(again.entry(position).name, list.entry(position).name) << position;
        EXPECT_EQ(format_datum_line(again.entry(position)), format_datum_line(list.entry(position)))
            << position;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, SavedDatumList,
    ::testing::Values(
        DatumFileCase{
            "blanks_tabs_and_extra_fields",
            kHeader + "  My\tshift  , 1.5 , -2 , 3e1 , -2.92e-01 , 0 , 0 , 0.25 , x,9\r\n"},
        DatumFileCase{"short_lines_and_line_ends_of_every_kind",
                      kHeader + "Short,7\rNo line feed\nLast,1,2,3,4,5,6,7"},
        DatumFileCase{"largest_numbers",
                      kHeader + "Edge,1.7976931348623157e308,-1e300,0,1.7976931348623157e308,"
                                "-1.7976931348623157e308,4.9e-324,1e-300\r\n"},
        // A name that starts with "None" once its blanks are trimmed must not be written where
        // the loader skips the line (a file of only such entries would then be replaced).
        DatumFileCase{"name_starting_with_None_after_a_blank",
                      kHeader + " None of the above,1,2,3,4,5,6,7\r\nKept,1,2,3,4,5,6,7\r\n"},
        // A number too large for a double must not load as an infinity, written as "inf".
        DatumFileCase{"number_too_large_for_a_double", kHeader + "Big,1e999,2,3,4,5,6,7\r\n"},
        // The loader takes lines of up to 10240 characters: a name that long, written with its
        // seven numbers after it, must not make a line the loader cuts in two.
        DatumFileCase{"name_of_10200_characters",
                      kHeader + std::string(10200, 'A') + ",1,2,3,4,5,6,7\r\n"}),
    [](const ::testing::TestParamInfo<DatumFileCase>& info) { return info.param.name; });

}  // namespace
}  // namespace korv
