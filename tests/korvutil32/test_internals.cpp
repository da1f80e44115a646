// The operation caches: converting point after point in one coordinate system must reuse one
// engine operation instead of creating one per call.
#include <gtest/gtest.h>

#include <vector>

#include "coordinate_system.h"
#include "datum_shift.h"
#include "korvutil32_layout.h"
#include "operation_cache.h"
#include "proj_session.h"
#include "projections.h"

namespace k = korvutil32;

namespace {

std::size_t created() {
    return k::ProjSession::instance().operations_created();
}

k::CoordinateSystem zoned(std::int32_t zone) {
    const k::CoordinateSystemDefinition d{12, 2, 2, -177, 0, 0, 0, 500000, 1e7, 0.9996, 6};
    double block[k::kConstantsSize];
    k::write_constants(d, block);
    return *k::read_constants(block, zone);
}

TEST(Korvutil32Cache, RepeatedConversionsCreateNoOperation) {
    const k::GeocentricShift shift{{-117.8, -51.5, 137.8}, 1.0, {1, 0, 0, 0, 1, 0, 0, 0, 1}};
    ASSERT_TRUE(k::project(zoned(55), {147, -30}));
    ASSERT_TRUE(k::shift_point(shift, 1, {147, -30, 0}, *k::find_ellipsoid(1), k::grs80()));
    const std::size_t before = created();
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(k::project(zoned(55), {147 + i * 0.01, -30}));
        ASSERT_TRUE(k::unproject(zoned(55), {300000, 6000000}));
        ASSERT_TRUE(k::project(zoned(50 + i % 7), {120, -30}));  // all zones share one
        ASSERT_TRUE(k::shift_point(shift, -1, {147, -30, 0}, k::grs80(), *k::find_ellipsoid(1)));
    }
    EXPECT_EQ(created(), before);
}

TEST(Korvutil32Cache, EvictsTheLeastRecentlyUsedAndDoesNotRememberFailures) {
    k::ProjSession& session = k::ProjSession::instance();
    const auto lock = session.lock();
    k::OperationCache<int> cache(2);
    std::vector<int> made;
    const auto lookup = [&](int key, const char* definition = "+proj=cart +a=6378137 +rf=298.25") {
        return cache.find_or_create(key, [&] {
            made.push_back(key);
            return session.create(definition);
        });
    };
    for (int key : {1, 2, 1, 3, 1, 2}) {  // 3 pushes out 2, the least recently used
        EXPECT_NE(lookup(key), nullptr);
    }
    EXPECT_EQ(made, (std::vector<int>{1, 2, 3, 2}));
    EXPECT_EQ(lookup(4, "+proj=no_such_projection"), nullptr);
    EXPECT_EQ(lookup(4, "+proj=no_such_projection"), nullptr);
    EXPECT_EQ(made, (std::vector<int>{1, 2, 3, 2, 4, 4}));
    EXPECT_EQ(cache.size(), 2u);
}

}  // namespace
