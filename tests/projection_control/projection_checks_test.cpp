#include "projection_checks.h"

#include <gtest/gtest.h>

#include "coord_system.h"
#include "utilities.h"

namespace korv {
namespace {

// Entries that pass every check, for any projection.
ProjectionEntries passing(int32_t projection) {
    ProjectionEntries entries;
    entries.projection = projection;
    entries.spheroid = 12;
    entries.hemisphere = kSouthernHemisphere;
    entries.zone_number = "55";
    entries.false_east = "500000";
    entries.false_north = "10000000";
    entries.scale_factor = "0.9996";
    entries.longitude_origin = is_zoned(projection) ? "-177 0 0.00" : "134 0 0.00";
    entries.latitude_origin = "0 0 0.00";
    entries.standard_parallel_1 = "-18 0 0.00";
    entries.standard_parallel_2 = "-36 0 0.00";
    entries.zone_width = "6 0 0.00";
    return entries;
}

struct Typed {
    EntryText field;
    const char* text;
};

struct CheckCase {
    const char* name;
    int32_t projection;
    std::vector<Typed> typed;
    const char* message;  // empty when the entries pass
};

void PrintTo(const CheckCase& check, std::ostream* out) {
    *out << check.name;
}

class CheckEntries : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckEntries, GivesTheFirstFailingMessage) {
    const CheckCase& check = GetParam();
    ProjectionEntries entries = passing(check.projection);
    for (const Typed& typed : check.typed) {
        entries.*(typed.field) = typed.text;
    }
    Utilities utilities;
    const Status checked = check_entries(entries, utilities);
    EXPECT_EQ(checked ? std::string() : checked.message(), check.message);
}

using E = ProjectionEntries;
constexpr int32_t kAmg = kAustralianMapGrid;
constexpr int32_t kUtm = kUniversalTransverseMercator;
constexpr int32_t kLambert = kLambertConformal;

INSTANTIATE_TEST_SUITE_P(
    Zoned, CheckEntries,
    ::testing::Values(
        CheckCase{"amg_passes", kAmg, {}, ""},
        CheckCase{"zone_letters", kUtm, {{&E::zone_number, "abc"}}, "Zone number must be numeric"},
        CheckCase{"zone_empty", kAmg, {{&E::zone_number, ""}}, "Zone number must be numeric"},
        CheckCase{"zone_0", kUtm, {{&E::zone_number, "0"}}, "Zone number must be positive"},
        CheckCase{"zone_negative", kUtm, {{&E::zone_number, "-3"}}, "Zone number must be positive"},
        CheckCase{"zone_half_rounds_to_even_0",
                  kUtm,
                  {{&E::zone_number, "0.5"}},
                  "Zone number must be positive"},
        CheckCase{"zone_1_5_rounds_to_2", kUtm, {{&E::zone_number, "1.5"}}, ""},
        CheckCase{"zone_too_large_for_the_record",
                  kUtm,
                  {{&E::zone_number, "1e20"}},
                  "Zone number is out of range"},
        CheckCase{"zone_checked_before_numbers",
                  kAmg,
                  {{&E::zone_number, "x"}, {&E::false_east, "x"}},
                  "Zone number must be numeric"},
        CheckCase{"latitude_origin_at_the_pole_and_parallels_unchecked",
                  kUtm,
                  {{&E::standard_parallel_1, "abc"},
                   {&E::standard_parallel_2, "abc"},
                   {&E::latitude_origin, "90 0 0"}},
                  ""},
        CheckCase{"zone_55_of_20_degree_zones",
                  kUtm,
                  {{&E::zone_width, "20 0 0.00"}},
                  "The zone number and zone width put the central meridian of the zone outside "
                  "-360 to 360 degrees"},
        CheckCase{"origins_in_other_notations",
                  kAmg,
                  {{&E::longitude_origin, "-177\u00b0"}, {&E::latitude_origin, "10\u00b030'S"}},
                  ""},
        CheckCase{"zone_before_origins",
                  kUtm,
                  {{&E::zone_number, "0"}, {&E::longitude_origin, "x"}},
                  "Zone number must be positive"}));

INSTANTIATE_TEST_SUITE_P(
    Conic, CheckEntries,
    ::testing::Values(
        CheckCase{"lambert_passes", kLambert, {}, ""},
        CheckCase{"zone_not_checked", kEquidistantConic, {{&E::zone_number, "abc"}}, ""},
        CheckCase{"parallel_1_at_89", kLambert, {{&E::standard_parallel_1, "89 0 0.00"}}, ""},
        CheckCase{"parallel_1_at_minus_89",
                  kAlbersEqualArea,
                  {{&E::standard_parallel_1, "-89 0 0.00"}},
                  ""},
        CheckCase{"parallel_1_beyond_89",
                  kLambert,
                  {{&E::standard_parallel_1, "89 0 0.01"}},
                  "Standard parallel 1 is invalid"},
        CheckCase{"parallel_1_unreadable",
                  kLambert,
                  {{&E::standard_parallel_1, "-36 30 0O"}},
                  "Standard parallel 1 is invalid"},
        CheckCase{"parallel_2_beyond_minus_89",
                  kAlbersEqualArea,
                  {{&E::standard_parallel_2, "-90 0 0.00"}},
                  "Standard parallel 2 is invalid"},
        CheckCase{"parallel_1_before_parallel_2",
                  kLambert,
                  {{&E::standard_parallel_1, "91"}, {&E::standard_parallel_2, "91"}},
                  "Standard parallel 1 is invalid"},
        CheckCase{
            "parallels_0_05_apart",
            kLambert,
            {{&E::standard_parallel_1, "-36 0 0.00"}, {&E::standard_parallel_2, "-36 3 0.00"}},
            "The standard parallels must be distinct"},
        CheckCase{
            "parallels_0_2_apart",
            kLambert,
            {{&E::standard_parallel_1, "-36 0 0.00"}, {&E::standard_parallel_2, "-36 12 0.00"}},
            ""},
        CheckCase{"longitude_at_360", kLambert, {{&E::longitude_origin, "-360 0 0.00"}}, ""},
        CheckCase{"longitude_beyond_360",
                  kLambert,
                  {{&E::longitude_origin, "360 0 0.01"}},
                  "Longitude origin is invalid"},
        CheckCase{"latitude_beyond_89",
                  kEquidistantConic,
                  {{&E::latitude_origin, "-89 30 0.00"}},
                  "Latitude origin is invalid"},
        CheckCase{"distinct_before_longitude",
                  kLambert,
                  {{&E::standard_parallel_2, "-18 0 0.00"}, {&E::longitude_origin, "400"}},
                  "The standard parallels must be distinct"},
        CheckCase{"longitude_before_latitude",
                  kLambert,
                  {{&E::longitude_origin, "400"}, {&E::latitude_origin, "100"}},
                  "Longitude origin is invalid"},
        CheckCase{"angles_before_numbers",
                  kLambert,
                  {{&E::latitude_origin, "100"}, {&E::false_east, "x"}},
                  "Latitude origin is invalid"}));

INSTANTIATE_TEST_SUITE_P(
    EveryProjection, CheckEntries,
    ::testing::Values(
        CheckCase{"local_grid_passes", kLocalGrid, {}, ""},
        CheckCase{"false_east_letters",
                  kLocalGrid,
                  {{&E::false_east, "abc"}},
                  "The false easting must be numeric"},
        CheckCase{"false_east_with_blank_inside",
                  kAmg,
                  {{&E::false_east, "500 000"}},
                  "The false easting must be numeric"},
        CheckCase{"false_north_empty",
                  kLambert,
                  {{&E::false_north, ""}},
                  "The false north must be numeric"},
        CheckCase{"scale_letters",
                  kLocalGrid,
                  {{&E::scale_factor, "abc"}},
                  "The scale factor must be numeric"},
        CheckCase{
            "scale_0", kLocalGrid, {{&E::scale_factor, "0"}}, "The scale factor must be positive"},
        CheckCase{
            "scale_minus_1", kUtm, {{&E::scale_factor, "-1"}}, "The scale factor must be positive"},
        CheckCase{"scale_decimal_comma",
                  kLocalGrid,
                  {{&E::scale_factor, "0,9996"}},
                  "The scale factor must be numeric"},
        CheckCase{"easting_before_northing_before_scale",
                  kLocalGrid,
                  {{&E::false_east, "x"}, {&E::false_north, "x"}, {&E::scale_factor, "x"}},
                  "The false easting must be numeric"},
        CheckCase{"northing_before_scale",
                  kLocalGrid,
                  {{&E::false_north, "x"}, {&E::scale_factor, "x"}},
                  "The false north must be numeric"},
        CheckCase{
            "local_grid_angles_unreadable",
            kLocalGrid,
            {{&E::zone_width, "abc"}, {&E::longitude_origin, "x"}, {&E::latitude_origin, "x"}},
            ""},
        CheckCase{"zone_width_with_a_letter_it_cannot_be_stored_with",
                  kAmg,
                  {{&E::zone_width, "6 N"}},
                  "The zone width is invalid"},
        CheckCase{"local_grid_zone_letters", kLocalGrid, {{&E::zone_number, "abc"}}, ""},
        CheckCase{"local_grid_zone_too_large",
                  kLocalGrid,
                  {{&E::zone_number, "99999999999"}},
                  "Zone number is out of range"},
        CheckCase{
            "zone_width_89", kAmg, {{&E::zone_width, "89 0 0.00"}, {&E::zone_number, "1"}}, ""},
        CheckCase{
            "zone_width_0", kAmg, {{&E::zone_width, "0 0 0.00"}}, "The zone width is invalid"},
        CheckCase{"zone_width_beyond_89",
                  kLambert,
                  {{&E::zone_width, "89 0 0.01"}},
                  "The zone width is invalid"},
        CheckCase{
            "zone_width_unreadable", kUtm, {{&E::zone_width, "six"}}, "The zone width is invalid"},
        CheckCase{"scale_before_zone_width",
                  kAmg,
                  {{&E::scale_factor, "0"}, {&E::zone_width, "0"}},
                  "The scale factor must be positive"}));

}  // namespace
}  // namespace korv
