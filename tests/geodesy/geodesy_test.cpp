// The typed core: what a definition it refuses is told, that point after point reuses one engine
// object per thread, and that a datum shift and its inverted value undo each other.
#include <gtest/gtest.h>

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
