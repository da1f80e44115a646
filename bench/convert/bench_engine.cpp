// The conversion engine on one core against the projection engine alone: one million grid points
// (AMG zone 55 on the Australian National spheroid) converted to map geographic on GRS80 through
// the seven-parameter "AGD66 to GDA 94" shift, once as the engine converts a file (read, split,
// parsed, converted, formatted and written to a file) and once as `proj_trans_generic` runs the
// engine's own pipeline (`Conversion::pipeline()`) over the same points held in memory. The
// process is held to one core, so the engine's reader, worker and writer share it. After the
// benchmarks it prints the medians and their ratio.
//
//   build/bin/bench_convert_engine --benchmark_repetitions=5 [--points=1000000]

#include <benchmark/benchmark.h>
#include <proj.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "block_reader.h"
#include "conversion.h"
#include "file_output.h"
#include "file_streams.h"
#include "stream_conversion.h"

namespace {

namespace fs = std::filesystem;
using namespace korv;
using namespace korv::convert;

long g_points = 1000000;
std::map<std::string, std::vector<double>> g_seconds;

const fs::path& work_folder() {
    static const fs::path folder = [] {
        const fs::path path =
            fs::temp_directory_path() / ("bench_convert_engine-" + std::to_string(getpid()));
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

struct Point {
    double east;
    double north;
    double height;
};

// The points, and the file that holds them as "easting northing" in millimetres.
const std::vector<Point>& points() {
    static const std::vector<Point> held = [] {
        std::vector<Point> made;
        std::mt19937_64 random(1);
        std::uniform_real_distribution<double> east(200000, 800000), north(5800000, 7200000);
        std::ofstream out(work_folder() / "grid.txt", std::ios::binary);
        char line[64];
        for (long i = 0; i < g_points; ++i) {
            const int length =
                std::snprintf(line, sizeof line, "%.3f %.3f\n", east(random), north(random));
            out.write(line, length);
            double e = 0, n = 0;
            std::sscanf(line, "%lf %lf", &e, &n);
            made.push_back({e, n, 0.0});
        }
        return made;
    }();
    return held;
}

const Conversion& conversion() {
    static const Conversion made = [] {
        ConversionSetup setup;
        setup.source = {.projection = kAustralianMapGrid,
                        .spheroid = 1,
                        .hemisphere = kSouthernHemisphere,
                        .longitude_origin = -177,
                        .false_east = 500000,
                        .false_north = 10000000,
                        .scale_factor = 0.9996,
                        .zone_width = 6,
                        .zone_number = 55};
        setup.map = setup.source;
        setup.map.spheroid = kGrs80Code;
        setup.shift = DatumShift{
            "AGD66 to GDA 94", -117.808, -51.536, 137.784, -0.303, -0.446, -0.234, -0.290};
        setup.from = PointKind::kSourceGrid;
        setup.to = PointKind::kMapGeographic;
        return std::move(Conversion::create(setup)).value();
    }();
    return made;
}

void record(benchmark::State& state, const std::string& name, double seconds) {
    state.SetIterationTime(seconds);
    state.counters["points_per_second"] = static_cast<double>(g_points) / seconds;
    g_seconds[name].push_back(seconds);
}

void BM_engine_file_to_file(benchmark::State& state) {
    points();
    const std::string input = (work_folder() / "grid.txt").string();
    const std::string output = (work_folder() / "converted.txt").string();
    StreamOptions options;
    options.threads = 1;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Result<std::unique_ptr<FileSource>> source = FileSource::open(input);
        Result<std::unique_ptr<FileOutput>> sink = FileOutput::create(output);
        if (!source || !sink) {
            state.SkipWithError("the files cannot be opened");
            return;
        }
        ByteSink& written = **sink;
        const Result<Summary> summary = convert_stream(conversion(), **source, written, options);
        if (!summary || summary->refused != 0 || !(*sink)->commit().ok()) {
            state.SkipWithError("the conversion failed");
            return;
        }
        record(state, "engine, file to file",
               std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

void BM_proj_trans_generic(benchmark::State& state) {
    PJ_CONTEXT* context = proj_context_create();
    PJ* pipeline = proj_create(context, conversion().pipeline().c_str());
    if (pipeline == nullptr) {
        state.SkipWithError("PROJ refuses the pipeline");
        return;
    }
    std::vector<Point> work;
    for (auto _ : state) {
        work = points();
        const auto start = std::chrono::steady_clock::now();
        constexpr size_t kStride = sizeof(Point);
        const size_t count = work.size();
        proj_trans_generic(pipeline, PJ_FWD, &work[0].east, kStride, count, &work[0].north, kStride,
                           count, &work[0].height, kStride, count, nullptr, 0, 0);
        record(state, "proj_trans_generic",
               std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        benchmark::DoNotOptimize(work.data());
    }
    proj_destroy(pipeline);
    proj_context_destroy(context);
}

// The engine's conversion alone, over the same points in memory: what the file's reading,
// parsing, formatting and writing add is the difference.
void BM_engine_in_memory(benchmark::State& state) {
    std::vector<PointCoordinates> work;
    std::vector<Refusal> refusals(points().size());
    for (auto _ : state) {
        work.clear();
        for (const Point& p : points()) {
            work.push_back({p.east, p.north, p.height});
        }
        std::fill(refusals.begin(), refusals.end(), Refusal::kNone);
        const auto start = std::chrono::steady_clock::now();
        conversion().convert_all(work, refusals);
        record(state, "engine, in memory",
               std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        benchmark::DoNotOptimize(work.data());
    }
}

// The file's text, held in memory.
const std::string& grid_text() {
    static const std::string text = [] {
        points();
        std::ifstream in(work_folder() / "grid.txt", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    return text;
}

class TextSource : public ByteSource {
public:
    explicit TextSource(const std::string& text) : text_(text) {}
    Result<std::size_t> read(char* buffer, std::size_t size) override {
        const std::size_t count = std::min(size, text_.size() - at_);
        std::copy_n(text_.data() + at_, count, buffer);
        at_ += count;
        return count;
    }

private:
    const std::string& text_;
    std::size_t at_ = 0;
};

// The block reader, hand-written to cut the input into blocks of whole lines (every line end a
// file may hold), against std::getline cutting the same text into lines.
void BM_block_reader(benchmark::State& state) {
    for (auto _ : state) {
        TextSource source(grid_text());
        BlockReader reader(source, 128 * 1024, 8192);
        LineBlock block;
        std::size_t lines = 0;
        while (reader.fill(block).value_or(false)) {
            lines += reader.line_count();
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(grid_text().size()));
}

void BM_std_getline(benchmark::State& state) {
    for (auto _ : state) {
        std::istringstream in(grid_text());
        std::size_t lines = 0;
        for (std::string line; std::getline(in, line);) {
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(grid_text().size()));
}

BENCHMARK(BM_block_reader)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_std_getline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_engine_file_to_file)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_engine_in_memory)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_proj_trans_generic)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// Holds the process to the first core it may run on.
void hold_to_one_core() {
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0) {
        return;
    }
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (CPU_ISSET(cpu, &allowed)) {
            cpu_set_t one;
            CPU_ZERO(&one);
            CPU_SET(cpu, &one);
            sched_setaffinity(0, sizeof one, &one);
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    korv::bench::take_option(argc, argv, "--points", g_points);
    hold_to_one_core();
    points();  // made before any run is timed
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const auto engine = g_seconds.find("engine, file to file");
    const auto in_memory = g_seconds.find("engine, in memory");
    const auto proj = g_seconds.find("proj_trans_generic");
    if (engine != g_seconds.end() && in_memory != g_seconds.end() && proj != g_seconds.end()) {
        const double e = bench::median(engine->second), m = bench::median(in_memory->second),
                     p = bench::median(proj->second);
        std::printf(
            "\n%ld points on one core, medians: engine file to file %.3f s, its conversion alone "
            "in memory %.3f s, proj_trans_generic in memory %.3f s; file to file / "
            "proj_trans_generic %.2f\n",
            g_points, e, m, p, e / p);
    }
    std::error_code ignored;
    fs::remove_all(work_folder(), ignored);
    return 0;
}
