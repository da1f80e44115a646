// The typed core: what a definition it refuses is told, that point after point reuses one engine
// object per thread, and that a datum shift and its inverted value undo each other.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "coordinate_system.h"
#include "datum_transformation.h"

namespace korv::geodesy {
namespace {

CoordinateSystemDefinition mga(int32_t zone) {
    return {ProjectionKind::kUniversalTransverseMercator,
            kGrs80Code,
            kSouthernHemisphere,
            -177,
            0,
            0,
            0,
            500000,
            10000000,
            0.9996,
            6,
            zone};
}

const DatumShift kAgd66{
    "AGD66 to GDA 94", -117.808, -51.536, 137.784, -0.303, -0.446, -0.234, -0.290};

TEST(GeodesyCoordinateSystem, RefusedDefinitionsSayWhy) {
    struct Case {
        const char* what;
        CoordinateSystemDefinition definition;
        const char* message_part;
    };
    auto with = [](auto change) {
        CoordinateSystemDefinition d = mga(55);
        change(d);
        return d;
    };
    const std::vector<Case> cases = {
        {"local grid", with([](auto& d) { d.projection = ProjectionKind::kLocalGrid; }),
         "local grid"},
        {"unknown spheroid", with([](auto& d) { d.spheroid = 99; }), "spheroid code 99"},
        {"zone 0", with([](auto& d) { d.zone_number = 0; }), "zone number 0"},
        {"meridian beyond 360", with([](auto& d) { d.zone_number = 100; }), "zone 100"},
        {"scale factor 0", with([](auto& d) { d.scale_factor = 0; }), "scale factor"},
        {"opposite parallels", with([](auto& d) {
             d.projection = ProjectionKind::kLambertConformal;
             d.standard_parallel_1 = 30;
             d.standard_parallel_2 = -30;
         }),
         "engine refuses"},
    };
    for (const Case& c : cases) {
        const Result<CoordinateSystem> system = CoordinateSystem::create(c.definition);
        ASSERT_FALSE(system) << c.what;
        EXPECT_NE(system.message().find(c.message_part), std::string::npos)
            << c.what << ": " << system.message();
    }
}

TEST(GeodesyCoordinateSystem, PointAfterPointReusesOneEngineObjectOnEachThread) {
    auto convert_many = [] {
        const Result<CoordinateSystem> zone55 = CoordinateSystem::create(mga(55));
        const Result<CoordinateSystem> zone54 = CoordinateSystem::create(mga(54));
        const Result<DatumTransformation> shift =
            DatumTransformation::create(kAgd66, *find_spheroid(1), grs80());
        ASSERT_TRUE(zone55 && zone54 && shift);
        const std::size_t before = ProjOperation::objects_made_on_this_thread();
        for (int i = 0; i < 100; ++i) {
            ASSERT_TRUE(zone55->to_grid({147 + i * 0.01, -30}));
            ASSERT_TRUE(zone54->to_geographic({300000, 6000000}));  // every zone shares one
            ASSERT_TRUE(shift->forward({{147, -30}, 0}));
            ASSERT_TRUE(shift->inverse({{147, -30}, 0}));
        }
        EXPECT_EQ(ProjOperation::objects_made_on_this_thread(), before);
    };
    convert_many();
    std::thread other(convert_many);  // a thread of its own makes its own objects
    other.join();
}

// Grid points are checked by projecting the answer back only where the engine's inverse can be
// wrong; every answer given anywhere on a sweep far beyond the belt or fan must still project back.
TEST(GeodesyCoordinateSystem, EveryAnswerProjectsBackWherePointsAreNotCheckedAgain) {
    auto conic = [](ProjectionKind kind, double sp1, double sp2, double lat0, int32_t spheroid) {
        return CoordinateSystemDefinition{
            kind, spheroid, kSouthernHemisphere, 134, lat0, sp1, sp2, 1e6, 5e6, 1, 6, 1};
    };
    CoordinateSystemDefinition steep = mga(30);
    steep.scale_factor = 0.5;
    steep.latitude_origin = 60;
    // A false easting as large as the belt is wide: the belt lies around it, not around 0.
    CoordinateSystemDefinition far_east = mga(55);
    far_east.false_east = 1e7;
    const std::vector<CoordinateSystemDefinition> definitions = {
        mga(55),
        steep,
        far_east,
        conic(ProjectionKind::kLambertConformal, -18, -36, 0, 1),
        conic(ProjectionKind::kAlbersEqualArea, 29.5, 45.5, 23, 3),
        conic(ProjectionKind::kEquidistantConic, -18, -36, -27, 12),
        conic(ProjectionKind::kEquidistantConic, 5, 25, 15, 4),
    };
    for (const CoordinateSystemDefinition& definition : definitions) {
        const Result<CoordinateSystem> system = CoordinateSystem::create(definition);
        ASSERT_TRUE(system) << system.message();
        for (double dx = -3e7; dx <= 3e7; dx += 3.3e5) {
            for (double dy = -3e7; dy <= 3e7; dy += 3.3e5) {
                const GridPoint grid{definition.false_east + dx, definition.false_north + dy};
                const Result<GeographicPoint> geographic = system->to_geographic(grid);
                if (!geographic) {
                    continue;
                }
                const Result<GridPoint> again = system->to_grid(*geographic);
                ASSERT_TRUE(again) << dx << " " << dy;
                EXPECT_LT(std::hypot(again->east - grid.east, again->north - grid.north), 1e-3)
                    << "projection " << definition.projection << " at " << dx << " " << dy;
            }
        }
    }
}

// A batch call converts each point as the single call does, tells for each refused point why, and
// passes over points refused before it.
TEST(GeodesyBatch, EachPointGetsTheSingleCallsNumbersOrItsOwnStatus) {
    const Result<CoordinateSystem> zone55 = CoordinateSystem::create(mga(55));
    const Result<DatumTransformation> shift =
        DatumTransformation::create(kAgd66, *find_spheroid(1), grs80());
    ASSERT_TRUE(zone55 && shift);
    std::vector<PointCoordinates> grid = {{320000, 5810000, 0}, {NAN, 5810000, 0}, {1e8, 1e8, 0}};
    std::vector<PointStatus> statuses(3, PointStatus::kOk);
    statuses.push_back(PointStatus::kOutside);  // refused earlier: passed over
    grid.push_back({1, 2, 3});
    zone55->to_geographic_all(grid, statuses);
    EXPECT_EQ(statuses,
              (std::vector<PointStatus>{PointStatus::kOk, PointStatus::kOutside,
                                        PointStatus::kUnconvertible, PointStatus::kOutside}));
    const Result<GeographicPoint> single = zone55->to_geographic({320000, 5810000});
    ASSERT_TRUE(single);
    EXPECT_EQ(grid[0].x, single->longitude);
    EXPECT_EQ(grid[0].y, single->latitude);

    std::vector<PointCoordinates> moved = {grid[0], {grid[0].x, grid[0].y, 2e7}};
    std::vector<PointStatus> moved_statuses(2, PointStatus::kOk);
    moved[0].height = 12.5;
    shift->forward_all(moved, moved_statuses);
    EXPECT_EQ(moved_statuses, (std::vector<PointStatus>{PointStatus::kOk, PointStatus::kOutside}));
    const Result<GeodeticPoint> one = shift->forward({*single, 12.5});
    ASSERT_TRUE(one);
    EXPECT_EQ(moved[0],
              (PointCoordinates{one->position.longitude, one->position.latitude, one->height}));
}

TEST(GeodesyDatumTransformation, TheInvertedShiftUndoesTheShiftAndInverseUndoesForward) {
    const Result<DatumTransformation> shift =
        DatumTransformation::create(kAgd66, *find_spheroid(1), *find_spheroid(1));
    const Result<DatumTransformation> inverted =
        DatumTransformation::create(kAgd66.inverted(), *find_spheroid(1), *find_spheroid(1));
    ASSERT_TRUE(shift && inverted);
    EXPECT_EQ(kAgd66.inverted().name, "AGD66 to GDA 94 Inverse");
    for (const GeodeticPoint& p :
         {GeodeticPoint{{144.4248, -37.9510}, 737}, GeodeticPoint{{115.857, -31.953}, 20},
          GeodeticPoint{{153.026, -27.47}, 5}}) {
        const Result<GeodeticPoint> there = shift->forward(p);
        ASSERT_TRUE(there);
        const Result<GeodeticPoint> undone = shift->inverse(*there);
        const Result<GeodeticPoint> back = inverted->forward(*there);
        ASSERT_TRUE(undone && back);
        for (const GeodeticPoint& q : {*undone, *back}) {
            EXPECT_NEAR(q.position.longitude, p.position.longitude, 1e-9);  // 0.1 mm
            EXPECT_NEAR(q.position.latitude, p.position.latitude, 1e-9);
            EXPECT_NEAR(q.height, p.height, 1e-4);
        }
    }
}

}  // namespace
}  // namespace korv::geodesy
