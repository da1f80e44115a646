// The EPSG catalogue on PROJ's database: which published systems the Projection control can hold
// and why not the others, which systems a definition is, finding entries by words, and shifts in
// the datum list's convention told apart by their printed values.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "proj_database_catalogue.h"

namespace korv::epsg {
namespace {

const ProjDatabaseCatalogue& catalogue() {
    static const ProjDatabaseCatalogue installed;
    return installed;
}

std::vector<int32_t> codes(const std::vector<PublishedSystem>& systems) {
    std::vector<int32_t> found;
    for (const PublishedSystem& system : systems) {
        found.push_back(system.code);
    }
    return found;
}

struct DefinitionCase {
    int32_t code;
    CoordinateSystemDefinition expected;
};

class SystemDefinitions : public ::testing::TestWithParam<DefinitionCase> {};

TEST_P(SystemDefinitions, FillTheControl) {
    const Result<CoordinateSystemDefinition> definition =
        catalogue().system_definition(GetParam().code);
    ASSERT_TRUE(definition) << definition.message();
    const CoordinateSystemDefinition& e = GetParam().expected;
    EXPECT_EQ(definition->projection, e.projection);
    EXPECT_EQ(definition->spheroid, e.spheroid);
    EXPECT_EQ(definition->hemisphere, e.hemisphere);
    EXPECT_NEAR(definition->longitude_origin, e.longitude_origin, 1e-9);
    EXPECT_NEAR(definition->latitude_origin, e.latitude_origin, 1e-9);
    EXPECT_NEAR(definition->standard_parallel_1, e.standard_parallel_1, 1e-9);
    EXPECT_NEAR(definition->standard_parallel_2, e.standard_parallel_2, 1e-9);
    EXPECT_EQ(definition->false_east, e.false_east);
    EXPECT_EQ(definition->false_north, e.false_north);
    EXPECT_EQ(definition->scale_factor, e.scale_factor);
    EXPECT_EQ(definition->zone_number, e.zone_number);
    EXPECT_EQ(definition->zone_width, e.zone_width);
}

// Zoned grids by their zone; a transverse Mercator of its own, one with a meridian given from
// Ferro, the zone system without a zone, and conics with parallels given in sexagesimal DMS.
INSTANTIATE_TEST_SUITE_P(
    Catalogue, SystemDefinitions,
    ::testing::Values(
        DefinitionCase{
            28355,
            {kUniversalTransverseMercator, 12, 2, -177, 0, 0, 0, 500000, 10000000, 0.9996, 6, 55}},
        DefinitionCase{20255,
                       {kAustralianMapGrid, 1, 2, -177, 0, 0, 0, 500000, 10000000, 0.9996, 6, 55}},
        DefinitionCase{
            32632, {kUniversalTransverseMercator, 20, 1, -177, 0, 0, 0, 500000, 0, 0.9996, 6, 32}},
        DefinitionCase{
            2193,
            {kUniversalTransverseMercator, 12, 2, 173, 0, 0, 0, 1600000, 10000000, 0.9996, 6, 1}},
        DefinitionCase{
            31251,
            {kUniversalTransverseMercator, 5, 1, 10 + 1.0 / 3, 0, 0, 0, 0, -5000000, 1, 6, 1}},
        DefinitionCase{
            32700,
            {kUniversalTransverseMercator, 20, 2, -177, 0, 0, 0, 500000, 10000000, 0.9996, 6, 0}},
        DefinitionCase{3112, {kLambertConformal, 12, 2, 134, 0, -18, -36, 0, 0, 1, 6, 0}},
        DefinitionCase{3577, {kAlbersEqualArea, 12, 2, 132, 0, -18, -36, 0, 0, 1, 6, 0}},
        DefinitionCase{32139,
                       {kLambertConformal, 12, 1, -100 - 1.0 / 3, 29 + 2.0 / 3, 31 + 53.0 / 60,
                        30 + 7.0 / 60, 700000, 3000000, 1, 6, 0}}));

class SystemRefusals : public ::testing::TestWithParam<std::pair<int32_t, const char*>> {};

TEST_P(SystemRefusals, SayWhy) {
    const Result<CoordinateSystemDefinition> definition =
        catalogue().system_definition(GetParam().first);
    ASSERT_FALSE(definition);
    EXPECT_EQ(definition.message(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, SystemRefusals,
    ::testing::Values(
        std::pair{3857,
                  "EPSG:3857 uses the Popular Visualisation Pseudo-Mercator projection, which "
                  "this dialog does not define"},
        std::pair{5466, "the spheroid Clarke 1858 is not in the list"},
        std::pair{2229,
                  "EPSG:2229 gives its coordinates in US survey foot, which this dialog does not "
                  "define"},
        std::pair{26979,
                  "EPSG:26979 has standard parallels less than 0.1 degrees apart, which this "
                  "dialog does not accept"},
        std::pair{4326, "EPSG:4326 is not a projected coordinate system of the EPSG dataset"}));

TEST(Catalogue, MatchesTheSystemsADefinitionIs) {
    const CoordinateSystemDefinition amg55 = *catalogue().system_definition(20255);
    EXPECT_EQ(codes(catalogue().matching_systems(amg55)), (std::vector<int32_t>{20255, 20355}));

    // MGA zone 55 written as a transverse Mercator of its own is still MGA zone 55.
    CoordinateSystemDefinition mga55 = *catalogue().system_definition(28355);
    mga55.longitude_origin = 147;
    mga55.zone_number = 1;
    const std::vector<int32_t> matched = codes(catalogue().matching_systems(mga55));
    EXPECT_TRUE(std::ranges::find(matched, 7855) != matched.end());
    EXPECT_TRUE(std::ranges::find(matched, 28355) != matched.end());

    mga55.false_east += 1;
    EXPECT_TRUE(catalogue().matching_systems(mga55).empty());
}

TEST(Catalogue, FindsEntriesByEveryWordTyped) {
    const std::span<const PublishedSystem> systems = *catalogue().systems();
    const auto found = [&](std::string_view words) {
        std::vector<int32_t> codes;
        for (std::size_t at : catalogue().find_systems(words)) {
            codes.push_back(systems[at].code);
        }
        return codes;
    };
    EXPECT_EQ(found("mga ZONE 55"), (std::vector<int32_t>{7855, 28355}));
    EXPECT_EQ(found("EPSG:3857"), (std::vector<int32_t>{3857}));
    EXPECT_EQ(found("   ").size(), systems.size());
    EXPECT_TRUE(found("mercator pseudo").size() == 1);

    const std::span<const PublishedShift> shifts = *catalogue().shifts();
    std::vector<int32_t> gda2020;
    for (std::size_t at : catalogue().find_shifts("Geocentric Datum of Australia 2020")) {
        gda2020.push_back(shifts[at].code);
    }
    EXPECT_TRUE(std::ranges::find(gda2020, 8048) != gda2020.end());
}

// Published numbers in the list's convention: millimetres, milliarcseconds and parts per billion
// scaled, position vector rotations turned round, three-parameter shifts with zero rotations.
TEST(Catalogue, ShiftsInTheListsConvention) {
    const DatumShift gda2020 = catalogue().shift(8048)->shift;
    EXPECT_EQ(gda2020.name, "GDA94 to GDA2020 (1) EPSG:8048");
    EXPECT_TRUE(gda2020.same_values(
        {"", 0.06155, -0.01087, -0.04019, -0.0394924, -0.0327221, -0.0328979, -0.009994}, 1e-12));
    EXPECT_TRUE(catalogue().shift(1314)->shift.same_values(
        {"", 446.448, -125.157, 542.06, -0.15, -0.247, -0.842, -20.489}, 1e-12));
    EXPECT_TRUE(catalogue().shift(1108)->shift.same_values({"", -133, -48, 148, 0, 0, 0, 0}, 0));
    const PublishedShift nsw = *catalogue().shift(1460);
    EXPECT_EQ(nsw.shift.name, "AGD66 to GDA94 (4) EPSG:1460");
    EXPECT_EQ(nsw.accuracy, 1.0);
    EXPECT_EQ(nsw.source_datum, "Australian Geodetic Datum 1966");
    EXPECT_FALSE(catalogue().shift(28355));
}

TEST(Catalogue, IdentifiesListEntriesByTheirPrintedValues) {
    const auto best = [](const DatumShift& entry) {
        const std::vector<PublishedShift> found = catalogue().identify_shift(entry);
        return found.empty() ? 0 : found.front().code;
    };
    // The seeded entries, and 8048 as "datum.csv" prints it.
    EXPECT_EQ(best({"AGD84 to GDA 94", -117.763, -51.51, 139.061, -0.292, -0.443, -0.277, -0.191}),
              1280);
    const DatumShift agd66{
        "AGD66 to GDA 94", -117.808, -51.536, 137.784, -0.303, -0.446, -0.234, -0.29};
    EXPECT_EQ(best(agd66), 15979);
    EXPECT_EQ(catalogue().identify_shift(agd66).front().area.name, "Australia - offshore");
    EXPECT_EQ(
        best({"GDA2020", 0.0616, -0.0109, -0.0402, -3.9492e-02, -3.2722e-02, -3.2898e-02, -0.0100}),
        8048);
    // Rotations of the other convention, or a value edited, are no published shift.
    EXPECT_EQ(best({"x", -117.808, -51.536, 137.784, 0.303, 0.446, 0.234, -0.29}), 0);
    EXPECT_EQ(best({"x", -117.808, -51.536, 137.7842, -0.303, -0.446, -0.234, -0.29}), 0);
    EXPECT_EQ(best({"None", -133, -48, 148, 0, 0, 0, 0}), 0);
}

TEST(Catalogue, AreaOfUseAcrossTheAntimeridian) {
    const AreaOfUse fiji{"Fiji", -20, -12, 176, -178};
    EXPECT_TRUE(fiji.contains({179.5, -17}));
    EXPECT_TRUE(fiji.contains({-179, -17}));
    EXPECT_TRUE(fiji.contains({181, -17}));
    EXPECT_FALSE(fiji.contains({175, -17}));
    EXPECT_FALSE(fiji.contains({179.5, -21}));
}

TEST(Catalogue, AnUnreadableDatabaseIsToldNotThrown) {
    const std::string junk = ::testing::TempDir() + "/not_a_database.db";
    std::ofstream(junk) << "Name,Dx\n";
    for (const std::string& path : {junk, std::string("/nonexistent/proj.db")}) {
        const ProjDatabaseCatalogue broken(path);
        ASSERT_FALSE(broken.systems());
        EXPECT_NE(broken.systems().message().find(path), std::string::npos);
        EXPECT_TRUE(broken.find_shifts("AGD66").empty());
        EXPECT_TRUE(broken.identify_shift({"x", 1, 2, 3, 0, 0, 0, 0}).empty());
    }
}

}  // namespace
}  // namespace korv::epsg
