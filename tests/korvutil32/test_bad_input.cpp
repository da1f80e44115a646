// Garbage in, a defined result out: status -1 with outputs untouched, blocks never modified,
// nothing printed, and no dependence on the process locale or on the calling thread.
#include <gtest/gtest.h>
#include <proj.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "korvutil32_test_helpers.h"

using namespace korvutil32_test;
namespace slot = korvutil32::constants;

namespace {

constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();
constexpr int32_t kMinInt = std::numeric_limits<int32_t>::min();

Block with(Block block, int index, double value) {
    block[index] = value;
    return block;
}

Block lambert() {
    return make_block({1, 3, 2, 135, -32, -20, -38, 1e6, 2e6, 1, 6});
}
Block equidistant() {
    return make_block({12, 5, 2, 135, -32, -20, -38, 1e6, 2e6, 1, 6});
}
Block opposite_parallels() {
    return with(with(lambert(), slot::kStandardParallel1, 30), 6, -30);
}

TEST(Korvutil32BadInput, ConversionsRefuseGarbageWithStatusMinusOneAndTouchNothing) {
    const Block utm_block = make_block(utm());
    Definition unknown_projection = utm();
    unknown_projection.projection = 77;
    // For a conic the pole maps to the apex of the fan: grid points beyond the apex, or beyond the
    // image of the far pole, belong to no geographic point.
    const Result apex = ll2en(lambert(), 1, 135, -90);
    const Result far_pole = ll2en(equidistant(), 1, 135, 90);
    ASSERT_EQ(apex.status + far_pole.status, 0);

    struct Case {
        std::string what;
        bool inverse;  // EN2LL (x, y = east, north) rather than LL2EN (x, y = lon, lat)
        Block block;
        int32_t zone;
        double x, y;
    };
    const std::vector<Case> cases = {
        {"local grid", false, with(utm_block, slot::kProjection, 0), 55, 147, -30},
        {"local grid", true, with(utm_block, slot::kProjection, 0), 55, 273741, 5796489},
        {"unknown projection", false, make_block(unknown_projection), 55, 147, -30},
        {"NaN projection", false, with(utm_block, slot::kProjection, kNaN), 55, 147, -30},
        {"spheroid 99", false, with(utm_block, slot::kSpheroid, 99), 55, 147, -30},
        {"spheroid 99", true, with(utm_block, slot::kSpheroid, 99), 55, 273741, 5796489},
        {"spheroid 1e300", false, with(utm_block, slot::kSpheroid, 1e300), 55, 147, -30},
        {"longitude NaN", false, utm_block, 55, kNaN, -30},
        {"longitude 1e300", false, utm_block, 55, 1e300, -30},
        {"longitude 361", false, utm_block, 55, 361, -30},
        {"latitude -inf", false, utm_block, 55, 147, -kInf},
        {"latitude 91", false, utm_block, 55, 147, 91},
        {"zone 0", false, utm_block, 0, 147, -30},
        {"zone 0", true, utm_block, 0, 273741, 5796489},
        {"zone INT32_MAX", false, utm_block, kMaxInt, 147, -30},
        {"zone past 360 degrees", false, utm_block, 91, 147, -30},
        {"scale factor 0", false, with(utm_block, slot::kScaleFactor, 0), 55, 147, -30},
        {"false easting 1e300", false, with(utm_block, slot::kFalseEast, 1e300), 55, 147, -30},
        {"latitude origin 95", false, with(utm_block, slot::kLatitudeOrigin, 95), 55, 147, -30},
        {"conic parallel NaN", false, with(lambert(), slot::kStandardParallel1, kNaN), 1, 135, 0},
        {"conic with opposite parallels", false, opposite_parallels(), 1, 135, -30},
        {"easting NaN", true, utm_block, 55, kNaN, 5796489},
        {"easting 1e300", true, utm_block, 55, 1e300, 5796489},
        {"far outside the belt", true, utm_block, 55, 500000 + 2.2e7, 5796489},
        {"northing typed with extra digits", true, utm_block, 55, 273741, 57964890000.0},
        {"beyond the apex of a conic", true, lambert(), 1, apex.a, apex.b - 1e6},
        {"beyond the far pole of a conic", true, equidistant(), 1, far_pole.a, far_pole.b + 1e6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Block block = c.block;
        double x = c.x, y = c.y, a = kUntouched, b = kUntouched;
        int32_t zone = c.zone, status = 12345;
        if (c.inverse) {
            EN2LL(&x, &y, &zone, &a, &b, block.data(), &status);
        } else {
            LL2EN(&x, &y, &zone, &a, &b, block.data(), &status);
        }
        EXPECT_EQ(status, -1);
        EXPECT_EQ(a, kUntouched);
        EXPECT_EQ(b, kUntouched);
        EXPECT_TRUE(same_bytes(block, c.block));
    }
}

TEST(Korvutil32BadInput, ConvertDatumLeavesTheOutputsUntouched) {
    struct Case {
        std::string what;
        int32_t direction;
        double lon, lat, h;
        Workspace workspace;
    };
    const Workspace shift = agd66_to_gda94();
    const std::vector<Case> cases = {
        {"direction 0", 0, 147, -30, 0, shift},
        {"direction 2", 2, 147, -30, 0, shift},
        {"direction INT32_MIN", kMinInt, 147, -30, 0, shift},
        {"longitude NaN", 1, kNaN, -30, 0, shift},
        {"longitude 1e300", 1, 1e300, -30, 0, shift},
        {"latitude 91", -1, 147, 91, 0, shift},
        {"height inf", 1, 147, -30, kInf, shift},
        {"height 1e300", 1, 147, -30, 1e300, shift},
        {"workspace never defined", 1, 147, -30, 0, Workspace{}},
        {"shift with NaN translation", 1, 147, -30, 0, define_datum(kNaN, 0, 0, 0, 0, 0, 0)},
        {"scale change of -1e6 ppm", -1, 147, -30, 0, define_datum(0, 0, 0, 0, 0, 0, -1e6)},
        {"rotation 1e300", 1, 147, -30, 0, define_datum(0, 0, 0, 1e300, 0, 0, 0)},
        {"translation 1e300", 1, 147, -30, 0, define_datum(0, 1e300, 0, 0, 0, 0, 0)},
    };
    const Block block = make_block(utm());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int32_t direction = c.direction;
        double lon = c.lon, lat = c.lat, h = c.h;
        double out[3] = {kUntouched, kUntouched, kUntouched};
        Block in = block, target = block;
        Workspace w = c.workspace;
        CONVERT_DATUM(&direction, &lon, &lat, &h, in.data(), &out[0], &out[1], &out[2],
                      target.data(), w.data());
        EXPECT_EQ(out[0], kUntouched);
        EXPECT_EQ(out[1], kUntouched);
        EXPECT_EQ(out[2], kUntouched);
        EXPECT_TRUE(same_bytes(w, c.workspace));
        EXPECT_TRUE(same_bytes(in, block) && same_bytes(target, block));
    }
}

TEST(Korvutil32BadInput, NullPointersAreHarmlessAndStatusIsAlwaysWritten) {
    Block block = make_block(utm());
    double lon = 147, lat = -30, e = kUntouched, n = kUntouched, h = 0;
    int32_t zone = 55, status = 12345, direction = 1;
    LL2EN(&lon, &lat, &zone, &e, &n, nullptr, &status);
    EXPECT_EQ(status, -1);
    status = 7;
    EN2LL(nullptr, &n, &zone, &lon, &lat, block.data(), &status);
    EXPECT_EQ(status, -1);
    LL2EN(&lon, &lat, &zone, &e, &n, block.data(), nullptr);
    EXPECT_EQ(e, kUntouched);
    LL2EN(&lon, &lat, &zone, &e, &n, block.data(), &status);
    EXPECT_EQ(status, 0);

    DEFINE_DATUM(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    Workspace w = agd66_to_gda94();
    DEFINE_DATUM(&h, nullptr, &h, &h, &h, &h, &h, w.data());  // dy missing: the shift is unusable
    double out = kUntouched;
    CONVERT_DATUM(&direction, &lon, &lat, &h, block.data(), &out, &out, &out, block.data(),
                  w.data());
    CONVERT_DATUM(nullptr, &lon, &lat, &h, nullptr, &out, &out, &out, nullptr, nullptr);
    EXPECT_EQ(out, kUntouched);

    CRDPRM(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
           nullptr, nullptr);
    CRDPRM(&zone, &zone, &zone, nullptr, &lat, &lat, &lat, &e, &n, &lat, &lat, block.data());
    EXPECT_EQ(block[slot::kProjection], 0);  // half-described: no projection
}

// Redirects this process's stderr into a file while the object lives.
class StderrCapture {
public:
    StderrCapture() : file_(std::tmpfile()), saved_(dup(2)) {
        std::fflush(stderr);
        dup2(fileno(file_), 2);
    }
    ~StderrCapture() { std::fclose(file_); }
    std::string finish() {
        std::fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
        std::string text;
        std::rewind(file_);
        for (int c; (c = std::fgetc(file_)) != EOF;) {
            text += static_cast<char>(c);
        }
        return text;
    }

private:
    std::FILE* file_;
    int saved_;
};

TEST(Korvutil32BadInput, NothingIsPrintedEvenWhenTheEngineFails) {
    // Hide the engine's database as on a machine without it, where every definition complains.
    // (Effective when this test runs first in its process, as under ctest.)
    const std::string saved = std::getenv("PROJ_DATA") ? std::getenv("PROJ_DATA") : "";
    setenv("PROJ_DATA", "/nonexistent", 1);
    StderrCapture capture;
    for (int i = 0; i < 3; ++i) {
        ll2en(make_block(utm()), 55, 147, -30);
        ll2en(opposite_parallels(), 1, 135, -30);  // the engine refuses the definition
        en2ll(make_block(utm()), 55, 1e300, 0);
        en2ll(lambert(), 1, 0, 1e9);
        int32_t direction = i == 2 ? 5 : 1;
        double lon = 147, lat = -30, h = 0;
        Workspace w = agd66_to_gda94();
        Block b = make_block(utm());
        CONVERT_DATUM(&direction, &lon, &lat, &h, b.data(), &lon, &lat, &h, b.data(), w.data());
    }
    EXPECT_EQ(capture.finish(), "");

    // The capture itself works: an engine context left at its defaults does print here.
    StderrCapture control;
    PJ_CONTEXT* loud = proj_context_create();
    proj_destroy(proj_create(loud, "+proj=lcc +lat_1=30 +lat_2=-30 +ellps=GRS80"));
    proj_context_destroy(loud);
    EXPECT_NE(control.finish(), "");
    saved.empty() ? unsetenv("PROJ_DATA") : setenv("PROJ_DATA", saved.c_str(), 1);
}

TEST(Korvutil32BadInput, CommaDecimalLocaleChangesNothing) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no comma-decimal locale (the test environment provides one via LOCPATH)";
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    Definition d = utm();
    d.false_east = 500000.5;  // a new parameter set, so its definition is written now
    const Result grid = ll2en(make_block(d), 55, dms(144, 25, 29.5244), dms(-37, 57, 3.7203));
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(grid.status, 0);
    EXPECT_NEAR(grid.a, 273741.7966, 1e-4);
    EXPECT_NEAR(grid.b, 5796489.7769, 1e-4);
}

TEST(Korvutil32BadInput, ConcurrentCallersGetTheSameAnswersAsOne) {
    const std::vector<Block> blocks = {make_block(utm()), lambert(), equidistant()};
    std::vector<Result> expected;
    for (const Block& b : blocks) {
        expected.push_back(ll2en(b, 55, 140, -33));
    }
    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 300; ++i) {
                const std::size_t k = static_cast<std::size_t>(i + t) % blocks.size();
                const Result r = ll2en(blocks[k], 55, 140, -33);
                mismatches[t] += r.a != expected[k].a || r.b != expected[k].b;
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

}  // namespace
