// Cost of a conversion through Korvutil32 with unchanged constants, against the engine's bare
// transform on an operation made once: the library's own work (checks, cache look-up, locking)
// should add little. Also shown: what a call costs when its operation has to be made.
#include <benchmark/benchmark.h>
#include <proj.h>

#include <array>
#include <chrono>
#include <cstdint>

#include "angle_units.h"
#include "korvutil32.h"

namespace {

using korv::kRadiansPerDegree;

// The operation the library builds for zone-based transverse Mercator on GRS80 (it works with
// longitudes relative to the central meridian, hence lon_0=0).
constexpr const char* kUtmDefinition =
    "+proj=tmerc +algo=poder_engsager +k_0=0.9996 +lat_0=0 +lon_0=0 +x_0=500000 +y_0=10000000 "
    "+a=6378137 +rf=298.257222101 +over";

struct Point {
    double lon, lat;
};
constexpr std::array<Point, 8> kPoints = {{{144.42, -37.95},
                                           {146.10, -35.20},
                                           {148.70, -33.10},
                                           {147.00, -41.50},
                                           {145.30, -28.60},
                                           {149.90, -30.40},
                                           {144.05, -39.80},
                                           {147.55, -25.10}}};

std::array<double, korvutil32::kConstantsSize> utm_constants(double false_east = 500000) {
    std::array<double, korvutil32::kConstantsSize> block{};
    int32_t spheroid = 12, projection = 2, hemisphere = 2;
    double lon0 = -177, lat0 = 0, sp = 0, fn = 10000000, k0 = 0.9996, width = 6;
    CRDPRM(&spheroid, &projection, &hemisphere, &lon0, &lat0, &sp, &sp, &false_east, &fn, &k0,
           &width, block.data());
    return block;
}

class BareOperation {
public:
    BareOperation() : context_(proj_context_create()) {
        proj_log_level(context_, PJ_LOG_NONE);
        operation_ = proj_create(context_, kUtmDefinition);
    }
    ~BareOperation() {
        proj_destroy(operation_);
        proj_context_destroy(context_);
    }
    PJ_COORD forward(const Point& p) const {
        return proj_trans(
            operation_, PJ_FWD,
            proj_coord((p.lon - 147) * kRadiansPerDegree, p.lat * kRadiansPerDegree, 0, 0));
    }
    PJ_COORD inverse(double east, double north) const {
        return proj_trans(operation_, PJ_INV, proj_coord(east, north, 0, 0));
    }

private:
    PJ_CONTEXT* context_;
    PJ* operation_;
};

void BM_BareTransformForward(benchmark::State& state) {
    const BareOperation bare;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(bare.forward(kPoints[i++ % kPoints.size()]));
    }
}
BENCHMARK(BM_BareTransformForward);

void BM_Ll2enSameConstants(benchmark::State& state) {
    auto block = utm_constants();
    int32_t zone = 55, status = 0;
    double east = 0, north = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        Point p = kPoints[i++ % kPoints.size()];
        LL2EN(&p.lon, &p.lat, &zone, &east, &north, block.data(), &status);
        benchmark::DoNotOptimize(east);
        benchmark::DoNotOptimize(north);
    }
}
BENCHMARK(BM_Ll2enSameConstants);

void BM_BareTransformInverse(benchmark::State& state) {
    const BareOperation bare;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            bare.inverse(273741.3 + 1000.0 * (i % 8), 5796489.8 - 700.0 * (i % 8)));
        ++i;
    }
}
BENCHMARK(BM_BareTransformInverse);

// EN2LL projects its answer again to make sure the grid point lies inside the projection's area,
// so it costs about two engine transforms.
void BM_En2llSameConstants(benchmark::State& state) {
    auto block = utm_constants();
    int32_t zone = 55, status = 0;
    double lon = 0, lat = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        double east = 273741.3 + 1000.0 * (i % 8), north = 5796489.8 - 700.0 * (i % 8);
        ++i;
        EN2LL(&east, &north, &zone, &lon, &lat, block.data(), &status);
        benchmark::DoNotOptimize(lon);
        benchmark::DoNotOptimize(lat);
    }
}
BENCHMARK(BM_En2llSameConstants);

// Sixteen coordinate systems in turn, more than the library keeps: every call makes an operation.
void BM_Ll2enNewConstantsEveryCall(benchmark::State& state) {
    std::array<std::array<double, korvutil32::kConstantsSize>, 16> blocks;
    for (std::size_t k = 0; k < blocks.size(); ++k) {
        blocks[k] = utm_constants(500000 + static_cast<double>(k));
    }
    int32_t zone = 55, status = 0;
    double east = 0, north = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        Point p = kPoints[i % kPoints.size()];
        LL2EN(&p.lon, &p.lat, &zone, &east, &north, blocks[i++ % blocks.size()].data(), &status);
        benchmark::DoNotOptimize(east);
    }
}
BENCHMARK(BM_Ll2enNewConstantsEveryCall);

void BM_ConvertDatum(benchmark::State& state) {
    double dx = -117.808, dy = -51.536, dz = 137.784, rx = -0.303, ry = -0.446, rz = -0.234,
           sc = -0.290;
    std::array<double, korvutil32::kWorkspaceSize> workspace{};
    DEFINE_DATUM(&dx, &dy, &dz, &rx, &ry, &rz, &sc, workspace.data());
    auto block = utm_constants();
    int32_t direction = 1;
    std::size_t i = 0;
    for (auto _ : state) {
        Point p = kPoints[i++ % kPoints.size()];
        double h = 100;
        CONVERT_DATUM(&direction, &p.lon, &p.lat, &h, block.data(), &p.lon, &p.lat, &h,
                      block.data(), workspace.data());
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_ConvertDatum);

// A library call against the bare engine call it stands for, side by side in one run, with their
// ratio: the target is at most 1.5 for both directions.
template <typename Bare, typename Library>
void compare_with_bare(benchmark::State& state, Bare&& bare_call, Library&& library_call,
                       const char* name) {
    using Clock = std::chrono::steady_clock;
    constexpr int kBatch = 1000;
    Clock::duration bare_time{}, library_time{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (int i = 0; i < kBatch; ++i) {
            bare_call(i);
        }
        const auto t1 = Clock::now();
        for (int i = 0; i < kBatch; ++i) {
            library_call(i);
        }
        const auto t2 = Clock::now();
        bare_time += t1 - t0;
        library_time += t2 - t1;
    }
    const double calls = static_cast<double>(state.iterations()) * kBatch;
    const double bare_ns = std::chrono::duration<double, std::nano>(bare_time).count() / calls;
    const double library_ns =
        std::chrono::duration<double, std::nano>(library_time).count() / calls;
    state.counters["bare_ns"] = bare_ns;
    state.counters[name] = library_ns;
    state.counters["ratio"] = library_ns / bare_ns;
}

void BM_Ll2enOverBareTransform(benchmark::State& state) {
    const BareOperation bare;
    auto block = utm_constants();
    int32_t zone = 55, status = 0;
    double east = 0, north = 0;
    compare_with_bare(
        state, [&](int i) { benchmark::DoNotOptimize(bare.forward(kPoints[i % kPoints.size()])); },
        [&](int i) {
            Point p = kPoints[i % kPoints.size()];
            LL2EN(&p.lon, &p.lat, &zone, &east, &north, block.data(), &status);
            benchmark::DoNotOptimize(east);
        },
        "ll2en_ns");
}
BENCHMARK(BM_Ll2enOverBareTransform)->Unit(benchmark::kMicrosecond);

void BM_En2llOverBareTransform(benchmark::State& state) {
    const BareOperation bare;
    auto block = utm_constants();
    int32_t zone = 55, status = 0;
    // Grid points of the sample points, so both calls unproject the same points.
    std::array<PJ_COORD, kPoints.size()> grid{};
    for (size_t i = 0; i < kPoints.size(); ++i) {
        grid[i] = bare.forward(kPoints[i]);
    }
    double lon = 0, lat = 0;
    compare_with_bare(
        state,
        [&](int i) {
            const PJ_COORD& g = grid[static_cast<size_t>(i) % grid.size()];
            benchmark::DoNotOptimize(bare.inverse(g.xy.x, g.xy.y));
        },
        [&](int i) {
            PJ_COORD g = grid[static_cast<size_t>(i) % grid.size()];
            EN2LL(&g.xy.x, &g.xy.y, &zone, &lon, &lat, block.data(), &status);
            benchmark::DoNotOptimize(lon);
        },
        "en2ll_ns");
}
BENCHMARK(BM_En2llOverBareTransform)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
