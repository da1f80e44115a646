// Accuracy of LL2EN and EN2LL against published worked examples, against the defining properties
// of each projection, and in round trips.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "korvutil32_test_helpers.h"

using namespace korvutil32_test;

namespace {

constexpr double kUsSurveyFoot = 1200.0 / 3937.0;
const Figure kClarke1866{6378206.4, 6378206.4 / (6378206.4 - 6356583.8)};
const Figure kAustralianNational{6378160.0, 298.25};

Definition conic(int32_t projection, int32_t spheroid, double sp1, double sp2, double lat0,
                 double lon0, double false_east = 0, double false_north = 0) {
    return Definition{spheroid, projection, 2, lon0, lat0, sp1, sp2, false_east, false_north, 1, 6};
}

TEST(Korvutil32Projection, FlindersPeakMatchesThePublishedGridCoordinates) {
    const Block block = make_block(utm());
    const double lat = dms(-37, 57, 3.7203), lon = dms(144, 25, 29.5244);

    const Result grid = ll2en(block, 55, lon, lat);
    ASSERT_EQ(grid.status, 0);
    EXPECT_NEAR(grid.a, 273741.2966, 1e-4);
    EXPECT_NEAR(grid.b, 5796489.7769, 1e-4);

    const Result back = en2ll(block, 55, 273741.2966, 5796489.7769);
    ASSERT_EQ(back.status, 0);
    EXPECT_NEAR(back.a, lon, 1e-9);
    EXPECT_NEAR(back.b, lat, 1e-9);
}

struct PublishedExample {
    std::string source;
    Definition definition;
    double lon, lat, east, north, tolerance;  // tolerance: half the last published digit
};

TEST(Korvutil32Projection, ConicsMatchPublishedWorkedExamples) {
    const std::vector<PublishedExample> examples = {
        {"Lambert 2SP, Texas South Central (Clarke 1866, US survey feet)",
         conic(3, 3, dms(28, 23, 0), dms(30, 17, 0), dms(27, 50, 0), -99, 2000000 * kUsSurveyFoot),
         -96, 28.5, 2963503.91 * kUsSurveyFoot, 254759.80 * kUsSurveyFoot, 0.003},
        {"Lambert 2SP, Clarke 1866", conic(3, 3, 33, 45, 23, -96), -75, 35, 1894410.9, 1564649.5,
         0.06},
        {"Albers, Clarke 1866", conic(4, 3, 29.5, 45.5, 23, -96), -75, 35, 1885472.7, 1535925.0,
         0.06},
    };
    for (const PublishedExample& example : examples) {
        SCOPED_TRACE(example.source);
        const Block block = make_block(example.definition);
        const Result grid = ll2en(block, 1, example.lon, example.lat);
        ASSERT_EQ(grid.status, 0);
        EXPECT_NEAR(grid.a, example.east, example.tolerance);
        EXPECT_NEAR(grid.b, example.north, example.tolerance);

        const Result back = en2ll(block, 1, example.east, example.north);
        ASSERT_EQ(back.status, 0);
        EXPECT_NEAR(back.a, example.lon, example.tolerance / kMetresPerDegree * 2);
        EXPECT_NEAR(back.b, example.lat, example.tolerance / kMetresPerDegree);
    }
}

// Scale along the meridian (h) and the parallel (k) at a point, from grid distances over a short
// step compared with the ellipsoid's own arc lengths.
struct Scales {
    double h, k;
};

Scales local_scales(const Block& block, const Figure& figure, double lon, double lat) {
    const double step = 1e-4;  // degrees
    const auto distance = [&](double lon1, double lat1, double lon2, double lat2) {
        const Result p = ll2en(block, 1, lon1, lat1), q = ll2en(block, 1, lon2, lat2);
        EXPECT_EQ(p.status + q.status, 0);
        return std::hypot(p.a - q.a, p.b - q.b);
    };
    const double along_meridian = distance(lon, lat - step / 2, lon, lat + step / 2);
    const double along_parallel = distance(lon - step / 2, lat, lon + step / 2, lat);
    return {along_meridian / (figure.meridional(lat) * radians(step)),
            along_parallel / (figure.prime_vertical(lat) * std::cos(radians(lat)) * radians(step))};
}

TEST(Korvutil32Projection, ConicsHaveTheirDefiningScaleProperties) {
    struct Case {
        int32_t projection, spheroid;
        Figure figure;
        double sp1, sp2, lat0, lon0;
    };
    const std::vector<Case> cases = {
        {3, 3, kClarke1866, 33, 45, 23, -96},     {3, 1, kAustralianNational, -10, -40, -30, 135},
        {4, 3, kClarke1866, 29.5, 45.5, 23, -96}, {4, 1, kAustralianNational, -18, -36, 0, 132},
        {5, 3, kClarke1866, 29.5, 45.5, 23, -96}, {5, 1, kAustralianNational, -10, -40, -30, 135},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("projection " + std::to_string(c.projection) + ", parallels " +
                     std::to_string(c.sp1) + " " + std::to_string(c.sp2));
        const Block block =
            make_block(conic(c.projection, c.spheroid, c.sp1, c.sp2, c.lat0, c.lon0));
        // True scale along both standard parallels, wherever on them.
        EXPECT_NEAR(local_scales(block, c.figure, c.lon0 + 7, c.sp1).k, 1.0, 1e-9);
        EXPECT_NEAR(local_scales(block, c.figure, c.lon0 - 11, c.sp2).k, 1.0, 1e-9);
        for (double lat : {c.sp1, (c.sp1 + c.sp2) / 2, c.sp2 + 8}) {
            const Scales s = local_scales(block, c.figure, c.lon0 + 5, lat);
            switch (c.projection) {
                case 3:  // conformal
                    EXPECT_NEAR(s.h / s.k, 1.0, 1e-9) << "at " << lat;
                    break;
                case 4:  // equal area
                    EXPECT_NEAR(s.h * s.k, 1.0, 1e-9) << "at " << lat;
                    break;
                case 5:  // true distances along the meridians
                    EXPECT_NEAR(s.h, 1.0, 1e-9) << "at " << lat;
                    break;
            }
        }
    }
}

// On the central meridian easting is the false easting and northing the false northing plus the
// scaled meridian arc; the zone number picks the meridian.
TEST(Korvutil32Projection, TransverseMercatorCentralMeridianIsTheScaledMeridianArc) {
    const Block block = make_block(utm());
    for (int32_t zone : {1, 55, 60}) {
        for (double lat : {-5.0, -37.5, -62.0, 12.0}) {
            const Result grid = ll2en(block, zone, -177.0 + (zone - 1) * 6, lat);
            ASSERT_EQ(grid.status, 0);
            EXPECT_NEAR(grid.a, 500000, 1e-6);
            EXPECT_NEAR(grid.b, 10000000 + 0.9996 * kGrs80.meridian_arc(0, lat), 1e-4) << lat;
        }
    }
}

TEST(Korvutil32Projection, RoundTripsWithinAMicrometreForEveryProjectionAndSeveralSpheroids) {
    struct Case {
        Definition definition;
        int32_t zone;
        double centre_lon, centre_lat;
    };
    const std::vector<Case> cases = {
        {utm(), 55, 147, -35},
        {{6, 2, 1, -177, 0, 0, 0, 500000, 0, 0.9996, 6}, 30, -3, 54},
        {{3, 2, 1, -177, 0, 0, 0, 500000, 0, 0.9996, 6}, 14, -99, 30},
        {{21, 1, 1, -177, 0, 0, 0, 500000, 0, 0.9996, 6}, 47, 99, 10},
        {{1, 1, 2, -177, 0, 0, 0, 500000, 10000000, 0.9996, 6}, 53, 135, -25},
        {conic(3, 1, -18, -36, 0, 134, 1e6, 5e6), 0, 134, -27},
        {conic(3, 15, 44, 60, 50, 40, 5e5, 0), 0, 40, 52},
        {conic(4, 12, -18, -36, 0, 132), 0, 132, -27},
        {conic(4, 5, 40, 55, 45, 10, 4e6, 2.8e6), 0, 10, 48},
        {conic(5, 12, -18, -36, -27, 134), 0, 134, -27},
        {conic(5, 4, 5, 25, 15, 20, 2e5, 1e5), 0, 20, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("projection " + std::to_string(c.definition.projection) + ", spheroid " +
                     std::to_string(c.definition.spheroid));
        const Block block = make_block(c.definition);
        for (double dlon = -9; dlon <= 9; dlon += 1.5) {
            for (double dlat = -15; dlat <= 15; dlat += 2.5) {
                const double lon = c.centre_lon + dlon, lat = c.centre_lat + dlat;
                const Result grid = ll2en(block, c.zone, lon, lat);
                ASSERT_EQ(grid.status, 0) << lon << " " << lat;
                const Result geo = en2ll(block, c.zone, grid.a, grid.b);
                ASSERT_EQ(geo.status, 0) << lon << " " << lat;
                EXPECT_NEAR(geo.a, lon, 1e-11);  // about a micrometre
                EXPECT_NEAR(geo.b, lat, 1e-11);
                const Result again = ll2en(block, c.zone, geo.a, geo.b);
                EXPECT_NEAR(again.a, grid.a, 1e-6);
                EXPECT_NEAR(again.b, grid.b, 1e-6);
            }
        }
    }
}

}  // namespace
