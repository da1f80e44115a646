#include "conversion_test.h"

#include <gtest/gtest.h>

#include "angle_text.h"
#include "datum_file.h"
#include "korvutil32.h"
#include "test_records.h"

namespace korv {
namespace {

CoordSystem zone55_grs80() {
    CoordSystem system = testing::mga_zone55();
    CRDPRM(&system.spheroid, &system.projection, &system.hemisphere, &system.longitude_origin,
           &system.latitude_origin, &system.standard_parallel_1, &system.standard_parallel_2,
           &system.false_east, &system.false_north, &system.scale_factor, &system.zone_width,
           system.derived.data());
    return system;
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
    const CoordSystem system = zone55_grs80();
    const GeographicPoint flinders_peak =
        value(read_geographic_point("144 25 29.5244", "-37 57 3.7203"));
    const GridPoint grid = value(geographic_to_grid(flinders_peak, system, Side::kSource));
    EXPECT_NEAR(grid.east, 273741.2966, 0.0001);
    EXPECT_NEAR(grid.north, 5796489.7769, 0.0001);
    const GeographicPoint back = value(grid_to_geographic(grid, system, Side::kSource));
    EXPECT_EQ(angle_to_text(back.longitude), "144 25 29.5244");
    EXPECT_EQ(angle_to_text(back.latitude), "-37 57 3.7203");
}

TEST(ConversionTest, ASideThatCannotConvertSaysSoAndNamesTheSide) {
    CoordSystem local_grid;  // element 0 of the constants is 0
    local_grid.defined = kTrue;
    const GeographicPoint point{147, -37};
    EXPECT_EQ(refusal(geographic_to_grid(point, local_grid, Side::kSource)),
              "The point cannot be converted with the coordinate system of the source data");
    EXPECT_EQ(refusal(grid_to_geographic(GridPoint{500000, 5000000}, local_grid, Side::kMap)),
              "The point cannot be converted with the coordinate system of the map");
}

TEST(ConversionTest, NoShiftPassesThePointUnchanged) {
    const GeodeticPoint point{{144.5, -37.25}, 12.5};
    for (const char* name : {"", "None", "  none  ", "NONE"}) {
        DatumShift shift = built_in_datum_shifts()[0];
        shift.name = name;
        const GeodeticPoint moved =
            value(convert_between_datums(point, Side::kSource, shift, zone55_grs80()));
        EXPECT_EQ(moved.position.longitude, 144.5) << name;
        EXPECT_EQ(moved.position.latitude, -37.25) << name;
        EXPECT_EQ(moved.height, 12.5) << name;
    }
}

TEST(ConversionTest, AShiftMovesThePointAndTheOtherDirectionBringsItBack) {
    const CoordSystem system = zone55_grs80();
    const DatumShift& agd66 = built_in_datum_shifts()[1];
    const GeodeticPoint start{{144.5, -37.25}, 100};
    const GeodeticPoint there = value(convert_between_datums(start, Side::kSource, agd66, system));
    // Moving from AGD66 to GDA94 shifts a point in Victoria by roughly 200 m to the north-east.
    EXPECT_GT(there.position.latitude - start.position.latitude, 0.001);
    EXPECT_GT(there.position.longitude - start.position.longitude, 0.0008);
    const GeodeticPoint back = value(convert_between_datums(there, Side::kMap, agd66, system));
    EXPECT_NEAR(back.position.longitude, 144.5, 1e-9);
    EXPECT_NEAR(back.position.latitude, -37.25, 1e-9);
    EXPECT_NEAR(back.height, 100, 1e-3);
}

}  // namespace
}  // namespace korv
