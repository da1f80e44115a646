// DEFINE_DATUM and CONVERT_DATUM: the workspace layout the program reads, agreement with the
// published transformations as the engine's own database defines them, and reversibility.
#include <gtest/gtest.h>
#include <proj.h>

#include <string>
#include <vector>

#include "korvutil32_test_helpers.h"

using namespace korvutil32_test;
namespace ws = korvutil32::workspace;

namespace {

struct Point3 {
    double lon, lat, h;
};

// Points spread over Australia, the first one Flinders Peak.
const std::vector<Point3> kAustralianPoints = {
    {dms(144, 25, 29.5244), dms(-37, 57, 3.7203), 737.0},
    {115.857, -31.953, 20.0},
    {153.026, -27.470, 5.0},
    {130.845, -12.463, 30.0},
    {147.325, -42.882, 1270.0},
    {138.600, -34.929, 50.0},
    {133.870, -23.698, 580.0},
    {149.130, -35.281, 600.0},
};

Block block_on(int32_t spheroid) {
    Definition d = utm();
    d.spheroid = spheroid;
    return make_block(d);
}

Point3 convert(int32_t direction, Point3 p, Block in, Block out, Workspace w) {
    CONVERT_DATUM(&direction, &p.lon, &p.lat, &p.h, in.data(), &p.lon, &p.lat, &p.h, out.data(),
                  w.data());
    return p;
}

double horizontal_metres(const Point3& a, const Point3& b) {
    return std::hypot((a.lat - b.lat) * kMetresPerDegree,
                      (a.lon - b.lon) * kMetresPerDegree * std::cos(radians(a.lat)));
}

// A silent engine context of the test's own, with its database, for reference values.
struct ReferenceEngine {
    PJ_CONTEXT* context = proj_context_create();
    ReferenceEngine() { proj_log_level(context, PJ_LOG_NONE); }
    ~ReferenceEngine() { proj_context_destroy(context); }
    PJ* create(const std::string& definition) { return proj_create(context, definition.c_str()); }
};

TEST(Korvutil32DatumShift, WorkspaceHoldsTranslationScaleAndCoordinateFrameMatrix) {
    const Workspace w = agd84_to_gda94();
    const double arc_second = radians(1.0 / 3600);
    const double rx = -0.292 * arc_second, ry = -0.443 * arc_second, rz = -0.277 * arc_second;
    const double expected_matrix[3][3] = {{1, rz, -ry}, {-rz, 1, rx}, {ry, -rx, 1}};

    EXPECT_EQ(w[ws::kTranslation + 0], -117.763);
    EXPECT_EQ(w[ws::kTranslation + 1], -51.510);
    EXPECT_EQ(w[ws::kTranslation + 2], 139.061);
    EXPECT_DOUBLE_EQ(w[ws::kScale], 1 - 0.191e-6);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            EXPECT_NEAR(w[ws::matrix(i, j)], expected_matrix[i][j], 1e-18) << i << "," << j;
        }
    }
}

TEST(Korvutil32DatumShift, AgreesWithThePublishedTransformationsInBothDirections) {
    ReferenceEngine engine;
    struct Case {
        const char* operation;  // the published transformation in the engine's database
        Workspace workspace;
    };
    const std::vector<Case> cases = {
        {"urn:ogc:def:coordinateOperation:EPSG::15979", agd66_to_gda94()},
        {"urn:ogc:def:coordinateOperation:EPSG::1280", agd84_to_gda94()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operation);
        PJ* published = engine.create(c.operation);
        if (published == nullptr) {
            GTEST_SKIP() << "the engine's database is not available";
        }
        for (const Point3& p : kAustralianPoints) {
            // The published operation works in latitude, longitude order and keeps heights.
            const PJ_COORD forward =
                proj_trans(published, PJ_FWD, proj_coord(p.lat, p.lon, p.h, 0));
            const Point3 ours = convert(1, p, block_on(1), block_on(12), c.workspace);
            EXPECT_LT(horizontal_metres(ours, {forward.v[1], forward.v[0], 0}), 1e-3);

            const PJ_COORD reverse =
                proj_trans(published, PJ_INV, proj_coord(p.lat, p.lon, p.h, 0));
            const Point3 back = convert(-1, p, block_on(12), block_on(1), c.workspace);
            EXPECT_LT(horizontal_metres(back, {reverse.v[1], reverse.v[0], 0}), 1e-3);
        }
        proj_destroy(published);
    }
}

TEST(Korvutil32DatumShift, HeightsFollowTheThreeDimensionalShift) {
    ReferenceEngine engine;
    PJ* reference = engine.create(
        "+proj=pipeline +step +proj=unitconvert +xy_in=deg +xy_out=rad "
        "+step +proj=cart +a=6378160 +rf=298.25 "
        "+step +proj=helmert +x=-117.808 +y=-51.536 +z=137.784 +rx=-0.303 +ry=-0.446 "
        "+rz=-0.234 +s=-0.290 +convention=coordinate_frame "
        "+step +inv +proj=cart +a=6378137 +rf=298.257222101 "
        "+step +proj=unitconvert +xy_in=rad +xy_out=deg");
    ASSERT_NE(reference, nullptr);
    for (const Point3& p : kAustralianPoints) {
        const PJ_COORD expected = proj_trans(reference, PJ_FWD, proj_coord(p.lon, p.lat, p.h, 0));
        const Point3 ours = convert(1, p, block_on(1), block_on(12), agd66_to_gda94());
        EXPECT_LT(horizontal_metres(ours, {expected.v[0], expected.v[1], 0}), 1e-3);
        EXPECT_NEAR(ours.h, expected.v[2], 1e-3);
    }
    proj_destroy(reference);
}

TEST(Korvutil32DatumShift, ApplyingThenUndoingReturnsThePoint) {
    for (const Point3& p : kAustralianPoints) {
        const Point3 there = convert(1, p, block_on(1), block_on(12), agd66_to_gda94());
        const Point3 back = convert(-1, there, block_on(12), block_on(1), agd66_to_gda94());
        EXPECT_NEAR(back.lon, p.lon, 1e-9);
        EXPECT_NEAR(back.lat, p.lat, 1e-9);
        EXPECT_NEAR(back.h, p.h, 1e-3);
    }
}

// The program derives an inverse shift from workspace elements 0..2, 7 and 8..16 as
// t' = -transpose(M) t / s, with negated rotations and the reciprocal scale. Applying that shift
// must match undoing the original, which pins down the layout, including the matrix orientation.
TEST(Korvutil32DatumShift, InverseDerivedFromTheWorkspaceUndoesTheShift) {
    const Workspace w = agd84_to_gda94();
    const auto m = [&](int i, int j) { return w[ws::matrix(i, j)]; };
    double t[3];
    for (int j = 0; j < 3; ++j) {
        t[j] = -(m(0, j) * w[0] + m(1, j) * w[1] + m(2, j) * w[2]) / w[ws::kScale];
    }
    const Workspace inverse =
        define_datum(t[0], t[1], t[2], 0.292, 0.443, 0.277, (1 / (1 - 0.191e-6) - 1) * 1e6);
    for (const Point3& p : kAustralianPoints) {
        const Point3 undone = convert(-1, p, block_on(12), block_on(1), w);
        const Point3 inverted = convert(1, p, block_on(12), block_on(1), inverse);
        EXPECT_LT(horizontal_metres(undone, inverted), 1e-4);
        EXPECT_NEAR(undone.h, inverted.h, 1e-4);
    }
}

TEST(Korvutil32DatumShift, BlocksWithoutAnEllipsoidStandForGrs80) {
    const Point3 p = kAustralianPoints[1];
    const Point3 expected = convert(1, p, block_on(12), block_on(12), agd66_to_gda94());

    Block local_grid = block_on(1);  // a stale spheroid code must not count once projection is 0
    local_grid[korvutil32::constants::kProjection] = 0;
    const Block unknown_spheroid = block_on(99);
    for (const Block& block : {local_grid, unknown_spheroid}) {
        const Point3 got = convert(1, p, block, block, agd66_to_gda94());
        EXPECT_EQ(got.lon, expected.lon);
        EXPECT_EQ(got.lat, expected.lat);
        EXPECT_EQ(got.h, expected.h);
    }
    // Separate output variables give the same answer as converting in place.
    int32_t direction = 1;
    Point3 in = p, out{kUntouched, kUntouched, kUntouched};
    Block grs80 = block_on(12);
    Workspace w = agd66_to_gda94();
    CONVERT_DATUM(&direction, &in.lon, &in.lat, &in.h, grs80.data(), &out.lon, &out.lat, &out.h,
                  grs80.data(), w.data());
    EXPECT_EQ(out.lon, expected.lon);
    EXPECT_EQ(out.h, expected.h);
    EXPECT_EQ(in.lon, p.lon);
}

}  // namespace
