#include <gtest/gtest.h>

#include "korvutil32.h"
#include "projection_constants.h"
#include "projection_defaults.h"
#include "projection_fields.h"
#include "utilities.h"
#include "zone_stepping.h"

namespace korv {
namespace {

using E = ProjectionEntries;

// The defaults applied to entries, as the control writes them.
ProjectionEntries apply(const ProjectionDefaults& defaults, ProjectionEntries entries) {
    for (const DefaultText& text : defaults.texts) {
        entries.*(text.field) = std::string(text.text);
    }
    return entries;
}

ProjectionEntries typed_by_user() {
    ProjectionEntries entries;
    entries.zone_number = "55";
    entries.false_east = "1";
    entries.false_north = "2";
    entries.scale_factor = "3";
    entries.longitude_origin = "147 0 0.00";
    entries.latitude_origin = "-30 0 0.00";
    entries.standard_parallel_1 = "-20 0 0.00";
    entries.standard_parallel_2 = "-40 0 0.00";
    entries.zone_width = "4 0 0.00";
    return entries;
}

struct DefaultsCase {
    int32_t projection;
    int32_t hemisphere;
    bool selects_northern;
    std::vector<std::pair<EntryText, std::string>> texts;  // in the order written
};

class ProjectionDefaultsTest : public ::testing::TestWithParam<DefaultsCase> {};

TEST_P(ProjectionDefaultsTest, WritesItsTextsInOrder) {
    const DefaultsCase& expected = GetParam();
    const ProjectionDefaults defaults =
        projection_defaults(expected.projection, expected.hemisphere);
    EXPECT_EQ(defaults.select_northern_hemisphere, expected.selects_northern);
    ASSERT_EQ(defaults.texts.size(), expected.texts.size());
    for (size_t i = 0; i < expected.texts.size(); ++i) {
        EXPECT_TRUE(defaults.texts[i].field == expected.texts[i].first) << "write " << i;
        EXPECT_EQ(defaults.texts[i].text, expected.texts[i].second) << "write " << i;
    }
}

std::vector<std::pair<EntryText, std::string>> zoned_texts(const std::string& false_north) {
    return {{&E::zone_number, "0"},
            {&E::longitude_origin, "-177 0 0.00"},
            {&E::latitude_origin, "000 0 0.00"},
            {&E::standard_parallel_1, "000 0 0.00"},
            {&E::standard_parallel_2, "000 0 0.00"},
            {&E::false_east, "500000"},
            {&E::false_north, false_north},
            {&E::scale_factor, "0.9996"},
            {&E::zone_width, "6 0 0.00"}};
}

std::vector<std::pair<EntryText, std::string>> other_texts() {
    return {{&E::false_east, "0"},
            {&E::false_north, "0"},
            {&E::scale_factor, "0.9996"},
            {&E::zone_width, "6 0 0.00"}};
}

INSTANTIATE_TEST_SUITE_P(Positions, ProjectionDefaultsTest,
                         ::testing::Values(DefaultsCase{0, 2, false, other_texts()},
                                           DefaultsCase{1, 2, false, zoned_texts("10000000")},
                                           DefaultsCase{1, 1, false, zoned_texts("0")},
                                           DefaultsCase{2, 2, true, zoned_texts("0")},
                                           DefaultsCase{2, 1, true, zoned_texts("0")},
                                           DefaultsCase{3, 2, false, other_texts()},
                                           DefaultsCase{4, 1, false, other_texts()},
                                           DefaultsCase{5, 2, false, other_texts()}));

TEST(ProjectionDefaultsTest, OtherProjectionsKeepZoneOriginsAndParallels) {
    const ProjectionEntries before = typed_by_user();
    const ProjectionEntries after = apply(projection_defaults(kLambertConformal, 2), before);
    EXPECT_EQ(after.zone_number, before.zone_number);
    EXPECT_EQ(after.longitude_origin, before.longitude_origin);
    EXPECT_EQ(after.latitude_origin, before.latitude_origin);
    EXPECT_EQ(after.standard_parallel_1, before.standard_parallel_1);
    EXPECT_EQ(after.standard_parallel_2, before.standard_parallel_2);
}

struct HemisphereCase {
    int32_t projection;
    int32_t hemisphere;
    std::optional<std::string_view> false_north;
};

class HemisphereFalseNorth : public ::testing::TestWithParam<HemisphereCase> {};

TEST_P(HemisphereFalseNorth, OnlyZonedProjectionsFollowTheHemisphere) {
    EXPECT_EQ(hemisphere_false_north(GetParam().projection, GetParam().hemisphere),
              GetParam().false_north);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, HemisphereFalseNorth,
    ::testing::Values(HemisphereCase{1, 2, "10000000"}, HemisphereCase{1, 1, "0"},
                      HemisphereCase{2, 2, "10000000"}, HemisphereCase{2, 1, "0"},
                      HemisphereCase{0, 2, std::nullopt}, HemisphereCase{3, 2, std::nullopt},
                      HemisphereCase{5, 1, std::nullopt}));

struct StepCase {
    const char* text;
    ZoneStep step;
    std::optional<std::string> stepped;
};

class StepZone : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepZone, StepsWithinTheBounds) {
    EXPECT_EQ(step_zone(GetParam().text, GetParam().step), GetParam().stepped)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StepZone,
    ::testing::Values(
        StepCase{"55", ZoneStep::kDown, "54"}, StepCase{"1", ZoneStep::kDown, "0"},
        StepCase{"0", ZoneStep::kDown, std::nullopt}, StepCase{"-2", ZoneStep::kDown, std::nullopt},
        StepCase{"0.5", ZoneStep::kDown, "-0.5"}, StepCase{"2.5", ZoneStep::kDown, "1.5"},
        StepCase{"998", ZoneStep::kUp, "999"}, StepCase{"999", ZoneStep::kUp, std::nullopt},
        StepCase{"1500", ZoneStep::kUp, std::nullopt}, StepCase{"-1", ZoneStep::kUp, "0"},
        StepCase{" 7 ", ZoneStep::kUp, "8"}, StepCase{"abc", ZoneStep::kUp, std::nullopt},
        StepCase{"", ZoneStep::kDown, std::nullopt}, StepCase{"5 5", ZoneStep::kUp, std::nullopt}));

struct CorrectionCase {
    int32_t projection, spheroid, hemisphere;
    int32_t projection_after, spheroid_after, hemisphere_after;
};

class CorrectRecord : public ::testing::TestWithParam<CorrectionCase> {};

TEST_P(CorrectRecord, BringsListFieldsIntoRange) {
    CoordSystem record;
    record.projection = GetParam().projection;
    record.spheroid = GetParam().spheroid;
    record.hemisphere = GetParam().hemisphere;
    correct_record(record);
    EXPECT_EQ(record.projection, GetParam().projection_after);
    EXPECT_EQ(record.spheroid, GetParam().spheroid_after);
    EXPECT_EQ(record.hemisphere, GetParam().hemisphere_after);
}

INSTANTIATE_TEST_SUITE_P(Records, CorrectRecord,
                         ::testing::Values(CorrectionCase{-3, 0, 7, 0, 1, 2},
                                           CorrectionCase{0, 0, 0, 0, 1, 2},
                                           CorrectionCase{5, 22, 1, 5, 22, 1},
                                           CorrectionCase{7, 99, 2, 7, 99, 2},
                                           CorrectionCase{INT32_MIN, INT32_MIN, -1, 0, 1, 2}));

CoordSystem surveyed_record() {
    CoordSystem record;
    record.name = "  MGA zone 55  ";
    record.defined = kFalse;
    record.projection = kUniversalTransverseMercator;
    record.spheroid = 12;
    record.hemisphere = kSouthernHemisphere;
    record.longitude_origin = -177;
    record.latitude_origin = -12.5;
    record.standard_parallel_1 = -36.123456;
    record.standard_parallel_2 = -37.5;
    record.scale_factor = 0.99962;
    record.false_east = 500000.4;
    record.false_north = 10000000;
    record.zone_number = 55;
    record.zone_width = 6;
    record.derived.fill(7.0);
    return record;
}

TEST(ProjectionFieldsTest, ShowsNumbersInTheirFormats) {
    Utilities utilities;
    const ProjectionEntries shown = entries_for(surveyed_record(), utilities);
    EXPECT_EQ(shown.zone_number, "55");
    EXPECT_EQ(shown.false_east, "500000");
    EXPECT_EQ(shown.false_north, "10000000");
    EXPECT_EQ(shown.scale_factor, "0.9996");
    EXPECT_EQ(shown.longitude_origin, "-177 0 0.00");
    EXPECT_EQ(shown.latitude_origin, "-12 30 0.00");
    EXPECT_EQ(shown.zone_width, "6 0 0.00");
}

TEST(ProjectionFieldsTest, RecordReadBackKeepsTheTwelveValuesOfFieldsAsShown) {
    Utilities utilities;
    const CoordSystem original = surveyed_record();
    CoordSystem read = original;
    read.derived.fill(0.0);
    const ProjectionEntries shown = entries_for(original, utilities);
    read_entries(shown, shown, utilities, read);
    EXPECT_EQ(read.projection, original.projection);
    EXPECT_EQ(read.spheroid, original.spheroid);
    EXPECT_EQ(read.hemisphere, original.hemisphere);
    EXPECT_EQ(read.zone_number, original.zone_number);
    EXPECT_DOUBLE_EQ(read.longitude_origin, original.longitude_origin);
    EXPECT_DOUBLE_EQ(read.latitude_origin, original.latitude_origin);
    EXPECT_NEAR(read.standard_parallel_1, original.standard_parallel_1, 1e-9);
    EXPECT_DOUBLE_EQ(read.standard_parallel_2, original.standard_parallel_2);
    EXPECT_DOUBLE_EQ(read.zone_width, original.zone_width);
    EXPECT_EQ(read.false_east, original.false_east);
    EXPECT_EQ(read.false_north, original.false_north);
    EXPECT_EQ(read.scale_factor, original.scale_factor);
    // Nothing else is read.
    EXPECT_EQ(read.name, original.name);
    EXPECT_EQ(read.defined, original.defined);
    EXPECT_EQ(read.derived[0], 0.0);
}

struct ZoneReadCase {
    const char* text;
    int32_t zone;
};

class ZoneNumberRead : public ::testing::TestWithParam<ZoneReadCase> {};

TEST_P(ZoneNumberRead, RoundsHalvesToEven) {
    Utilities utilities;
    ProjectionEntries entries = typed_by_user();
    entries.zone_number = GetParam().text;
    CoordSystem record;
    read_entries(entries, ProjectionEntries{}, utilities, record);
    EXPECT_EQ(record.zone_number, GetParam().zone);
}

INSTANTIATE_TEST_SUITE_P(Texts, ZoneNumberRead,
                         ::testing::Values(ZoneReadCase{"2.5", 2}, ZoneReadCase{"3.5", 4},
                                           ZoneReadCase{"55.4", 55}, ZoneReadCase{"abc", 0},
                                           ZoneReadCase{"-1.5", -2}));

TEST(DerivedConstantsTest, LocalGridSetsOnlyElementZero) {
    CoordSystem record = surveyed_record();
    record.projection = kLocalGrid;
    const Result<CoordSystem> computed = with_derived_constants(record);
    ASSERT_TRUE(computed);
    EXPECT_EQ(computed->derived[0], 0.0);
    for (int i = 1; i < kDerivedConstantCount; ++i) {
        EXPECT_EQ(computed->derived[i], 7.0) << "element " << i;
    }
}

TEST(DerivedConstantsTest, ZonedProjectionMatchesTheGeodesyLibrary) {
    const Result<CoordSystem> computed = with_derived_constants(surveyed_record());
    ASSERT_TRUE(computed);
    CoordSystem direct = surveyed_record();
    std::array<double, kDerivedConstantCount> expected{};
    CRDPRM(&direct.spheroid, &direct.projection, &direct.hemisphere, &direct.longitude_origin,
           &direct.latitude_origin, &direct.standard_parallel_1, &direct.standard_parallel_2,
           &direct.false_east, &direct.false_north, &direct.scale_factor, &direct.zone_width,
           expected.data());
    EXPECT_EQ(computed->derived, expected);
    EXPECT_EQ(computed->derived[0], kUniversalTransverseMercator);
}

TEST(DerivedConstantsTest, ABlockNamingNoProjectionIsRefused) {
    CoordSystem record = surveyed_record();
    record.projection = 7;
    EXPECT_FALSE(with_derived_constants(record));
}

}  // namespace
}  // namespace korv
