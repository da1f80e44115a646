#include "panel_conversions.h"

#include <gtest/gtest.h>

#include "angle_text.h"
#include "conversion_engine_binding.h"
#include "datum_file.h"
#include "test_records.h"

namespace korv {
namespace {

// Both sides on MGA zone 55, as after "Test Transform" with `shift` named.
ProgramState zone55_grs80(const DatumShift& shift = {}) {
    ProgramState state;
    state.source_coord_system = testing::mga_zone55();
    state.source_coord_system.defined = kTrue;
    state.committed_coord_system = state.source_coord_system;
    state.current_datum_shift = shift;
    return state;
}

template <typename T>
T value(const Result<T>& result) {
    if (!result) {
        ADD_FAILURE() << result.message();
        return T{};
    }
    return *result;
}

template <typename T>
std::string refusal(const Result<T>& result) {
    return result ? std::string("(accepted)") : result.message();
}

struct PointCase {
    const char* longitude;
    const char* latitude;
    const char* message;  // empty when the point is accepted
};

class ReadGeographicPoint : public ::testing::TestWithParam<PointCase> {};

TEST_P(ReadGeographicPoint, ChecksTheLimitsInclusively) {
    const Result<GeographicPoint> point =
        read_geographic_point(GetParam().longitude, GetParam().latitude);
    EXPECT_EQ(refusal(point), *GetParam().message ? GetParam().message : "(accepted)");
}

INSTANTIATE_TEST_SUITE_P(Points, ReadGeographicPoint,
                         ::testing::Values(PointCase{"360 0 0", "89 0 0", ""},
                                           PointCase{"-360", "-89", ""},
                                           PointCase{"360 0 0.01", "0", "Longitude is invalid"},
                                           PointCase{"0", "89 0 1", "Latitude is invalid"},
                                           PointCase{"0", "-90", "Latitude is invalid"},
                                           PointCase{"east", "0", "Longitude is invalid"},
                                           PointCase{"0", "", "Latitude is invalid"},
                                           PointCase{"000 00 00.000", "000 00 00.000", ""},
                                           PointCase{"144°25'29.5244\"E", "37°57'3.7203\"S", ""},
                                           PointCase{"144 25 29 N", "0", "Longitude is invalid"},
                                           PointCase{"0", "37 57 3 E", "Latitude is invalid"}));

TEST(ConversionTest, GridBoxesMustBeNumericAsAWhole) {
    EXPECT_EQ(refusal(read_grid_point("273741.3 m", "0")), "Easting is invalid");
    EXPECT_EQ(refusal(read_grid_point(" 273741.3 ", "5796489,7")), "Northing is invalid");
    EXPECT_EQ(value(read_grid_point(" 1e3 ", "-2")).east, 1000);
    EXPECT_EQ(refusal(read_elevation("")), "Elevation is invalid");
    EXPECT_EQ(value(read_elevation(" 12.5 ")), 12.5);
}

TEST(ConversionTest, AZone55PointProjectsAndComesBack) {
    const ProgramState state = zone55_grs80();
    const GeographicPoint flinders_peak =
        value(read_geographic_point("144 25 29.5244", "-37 57 3.7203"));
    const GridPoint grid = value(geographic_to_grid(state, Side::kSource, flinders_peak));
    EXPECT_NEAR(grid.east, 273741.2966, 0.0001);
    EXPECT_NEAR(grid.north, 5796489.7769, 0.0001);
    const GeographicPoint back = value(grid_to_geographic(state, Side::kMap, grid));
    EXPECT_EQ(angle_to_text(back.longitude), "144 25 29.5244");
    EXPECT_EQ(angle_to_text(back.latitude), "-37 57 3.7203");
}

TEST(ConversionTest, ASideThatCannotConvertSaysSoAndNamesTheSide) {
    ProgramState local_grid;
    local_grid.source_coord_system.defined = kTrue;
    local_grid.committed_coord_system.defined = kTrue;
    const GeographicPoint point{147, -37};
    EXPECT_EQ(refusal(geographic_to_grid(local_grid, Side::kSource, point)),
              "The point cannot be converted with the coordinate system of the source data");
    EXPECT_EQ(refusal(grid_to_geographic(local_grid, Side::kMap, GridPoint{500000, 5000000})),
              "The point cannot be converted with the coordinate system of the map");
}

TEST(ConversionTest, NoShiftPassesThePointUnchanged) {
    const GeodeticPoint point{{144.5, -37.25}, 12.5};
    for (const char* name : {"", "None", "  none  ", "NONE"}) {
        DatumShift shift = built_in_datum_shifts()[0];
        shift.name = name;
        const GeodeticPoint moved =
            value(convert_between_datums(zone55_grs80(shift), Side::kSource, point));
        EXPECT_EQ(moved.position.longitude, 144.5) << name;
        EXPECT_EQ(moved.position.latitude, -37.25) << name;
        EXPECT_EQ(moved.height, 12.5) << name;
    }
}

TEST(ConversionTest, AShiftMovesThePointAndTheOtherDirectionBringsItBack) {
    const ProgramState state = zone55_grs80(built_in_datum_shifts()[1]);
    const GeodeticPoint start{{144.5, -37.25}, 100};
    const GeodeticPoint there = value(convert_between_datums(state, Side::kSource, start));
    // Moving from AGD66 to GDA94 shifts a point in Victoria by roughly 200 m to the north-east.
    EXPECT_GT(there.position.latitude - start.position.latitude, 0.001);
    EXPECT_GT(there.position.longitude - start.position.longitude, 0.0008);
    const GeodeticPoint back = value(convert_between_datums(state, Side::kMap, there));
    EXPECT_NEAR(back.position.longitude, 144.5, 1e-9);
    EXPECT_NEAR(back.position.latitude, -37.25, 1e-9);
    EXPECT_NEAR(back.height, 100, 1e-3);
}

// The engine the panel converts with also holds the EPSG catalogue, for the dialog to reach.
TEST(ConversionTest, TheEngineHoldsTheEpsgCatalogue) {
    const Result<convert::ConversionEngine*> engine = conversion_engine();
    ASSERT_TRUE(engine) << engine.message();
    const Result<epsg::PublishedSystem> mga55 = (*engine)->catalogue().system(28355);
    ASSERT_TRUE(mga55) << mga55.message();
    EXPECT_EQ(mga55->name, "GDA94 / MGA zone 55");
}

}  // namespace
}  // namespace korv
