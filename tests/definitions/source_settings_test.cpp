#include "source_settings.h"

#include <gtest/gtest.h>

#include "settings_store.h"
#include "test_records.h"
#include "test_sandbox.h"
#include "trim.h"

namespace korv {
namespace {

// The stored definition, with standard parallels that show negative and 15-digit values.
CoordinateSystemDefinition zone55() {
    CoordinateSystemDefinition definition = as_definition(testing::mga_zone55());
    definition.standard_parallel_1 = -36.5;
    definition.standard_parallel_2 = -1.0 / 3.0;
    return definition;
}

TEST(SourceSettings, ListsAreWrittenWithABlankBeforeValuesThatAreNotNegative) {
    const CoordinateSystemDefinition record = zone55();
    EXPECT_EQ(parameters1_text(record), " 12; 2; 2;-177; 0;-36.5;-0.333333333333333");
    EXPECT_EQ(parameters2_text(record), " 500000; 10000000; 0.9996; 6; 55");
    EXPECT_EQ(parameters1_text(CoordinateSystemDefinition{}), " 0; 0; 0; 0; 0; 0; 0");
    EXPECT_EQ(parameters2_text(CoordinateSystemDefinition{}), " 0; 0; 0; 0; 0");
}

TEST(SourceSettings, WrittenListsReadBackToTheSameValuesAndTheSameText) {
    const CoordinateSystemDefinition written = zone55();
    CoordinateSystemDefinition read;
    read_parameters1(parameters1_text(written), read);
    read_parameters2(parameters2_text(written), read);
    EXPECT_EQ(read.spheroid, 12);
    EXPECT_EQ(read.projection, 2);
    EXPECT_EQ(read.hemisphere, 2);
    EXPECT_EQ(read.longitude_origin, -177);
    EXPECT_NEAR(read.standard_parallel_2, -1.0 / 3.0, 1e-15) << "kept to 15 significant digits";
    EXPECT_EQ(read.false_north, 10000000);
    EXPECT_EQ(read.scale_factor, 0.9996);
    EXPECT_EQ(read.zone_width, 6);
    EXPECT_EQ(read.zone_number, 55);
    EXPECT_EQ(parameters1_text(read), parameters1_text(written));
    EXPECT_EQ(parameters2_text(read), parameters2_text(written));
}

struct ListCase {
    const char* parameters2;
    double false_east;
    double false_north;
    double scale_factor;
    double zone_width;
    int32_t zone_number;
};

class ReadParameters2 : public ::testing::TestWithParam<ListCase> {};

TEST_P(ReadParameters2, EachValueReadsWithTheLeadingNumberRule) {
    CoordinateSystemDefinition record;
    read_parameters2(GetParam().parameters2, record);
    EXPECT_EQ(record.false_east, GetParam().false_east);
    EXPECT_EQ(record.false_north, GetParam().false_north);
    EXPECT_EQ(record.scale_factor, GetParam().scale_factor);
    EXPECT_EQ(record.zone_width, GetParam().zone_width);
    EXPECT_EQ(record.zone_number, GetParam().zone_number);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ReadParameters2,
    ::testing::Values(ListCase{" 500000; 10000000; 1; 6; 55", 500000, 10000000, 1, 6, 55},
                      ListCase{"1;2;3;4;2.5", 1, 2, 3, 4, 2},  // a half goes to the even neighbour
                      ListCase{"1;2;3;4;3.5", 1, 2, 3, 4, 4},
                      ListCase{"abc;x;;.5e1;zz", 0, 0, 0, 5, 0},  // no number reads 0
                      ListCase{"1;2;3;4;9e99", 1, 2, 3, 4, 0},    // out of range: skipped, stays 0
                      ListCase{"1;2;3;4;-2147483649", 1, 2, 3, 4, 0},
                      ListCase{"1e999;2;3;4;5", 0, 2, 3, 4, 5},  // too large for a double: skipped
                      ListCase{"1;2", 1, 2, 0, 0, 0},  // a short list leaves the rest alone
                      ListCase{"1;2;3;4;5;6;7", 1, 2, 3, 4,
                               5},  // the last value is the rest of the text
                      ListCase{"<no value>", 0, 0, 0, 0, 0}, ListCase{"", 0, 0, 0, 0, 0}));

TEST(SourceSettings, IntegerFieldsOfTheFirstListRoundHalfToEven) {
    CoordinateSystemDefinition record;
    read_parameters1("12.5;2.5;1.5; 147.5;-37.25; 0; 1e-05", record);
    EXPECT_EQ(record.spheroid, 12);
    EXPECT_EQ(record.projection, 2);
    EXPECT_EQ(record.hemisphere, 2);
    EXPECT_EQ(record.longitude_origin, 147.5);
    EXPECT_EQ(record.latitude_origin, -37.25);
    EXPECT_EQ(record.standard_parallel_2, 1e-05);
}

TEST(SourceSettings, NamesAreTrimmedOfSurroundingSpacesOnly) {
    EXPECT_EQ(trimmed("  a b  "), "a b");
    EXPECT_EQ(trimmed("   "), "");
    EXPECT_EQ(trimmed("\tx "), "\tx");
}

TEST(SourceSettings, StoreAndReloadGiveTheTwelveValuesAndTheTrimmedName) {
    testing::Sandbox sandbox;
    StoredSourceSystem written{"  padded name ", zone55()};
    {
        SettingsStore store(kSettingsApplication);
        ASSERT_TRUE(save_source_system(store, written).ok());
    }
    StoredSourceSystem read;
    load_source_system(SettingsStore(kSettingsApplication), read);
    EXPECT_EQ(read.name, "padded name");
    EXPECT_NEAR(read.definition.standard_parallel_2, written.definition.standard_parallel_2, 1e-15);
    written.name = read.name;
    written.definition.standard_parallel_2 = read.definition.standard_parallel_2;
    EXPECT_EQ(read, written) << "every other value has fewer than 15 digits and comes back exactly";
}

TEST(SourceSettings, NoNameMeansNoSettingsAndNeitherListIsRead) {
    testing::Sandbox sandbox;
    {
        SettingsStore store(kSettingsApplication);
        store.set(kSettingsSection, "Name", kNoValue);
        store.set(kSettingsSection, "Parameters1", " 12; 2; 2; 0; 0; 0; 0");
        ASSERT_TRUE(store.commit().ok());
    }
    StoredSourceSystem read;
    load_source_system(SettingsStore(kSettingsApplication), read);
    EXPECT_EQ(read, StoredSourceSystem{});
}

TEST(SourceSettings, AStoredNameWithBlanksIsReadAsStored) {
    testing::Sandbox sandbox;
    {
        SettingsStore store(kSettingsApplication);
        store.set(kSettingsSection, "Name", "  Local  ");
        ASSERT_TRUE(store.commit().ok());
    }
    StoredSourceSystem read;
    load_source_system(SettingsStore(kSettingsApplication), read);
    EXPECT_EQ(read.name, "  Local  ");
    EXPECT_EQ(read.definition.spheroid, 0)
        << "missing lists read as the text <no value>, that is 0";
}

}  // namespace
}  // namespace korv
