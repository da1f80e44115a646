// quarrow-convert against PROJ's cct and cs2cs on the same file of grid points (source grid to map
// geographic through the seven-parameter "AGD66 to GDA 94" shift, AMG zone 55 to GRS80), each
// run as a whole command reading the file and writing its result, in the same run; then the peak
// memory of quarrow-convert on a large input. After the benchmarks it prints the medians and the
// ratio of quarrow-convert's points per second to the faster of the two.
//
//   build/bin/bench_convert --benchmark_repetitions=5 [--points=1000000] [--memory_input_mb=100]
//
// --memory_input_mb=1024 measures the peak memory on a 1 GB input.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bench_support.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

long g_points = 1000000;
long g_memory_input_mb = 100;

const std::string kSystem = " 1; 1; 2;-177; 0; 0; 0| 500000; 10000000; 0.9996; 6; 55";
const std::string kShift = "-117.808,-51.536,137.784,-0.303,-0.446,-0.234,-0.290";

// Wall times of every run of each command, and quarrow-convert's peak memory.
std::map<std::string, std::vector<double>> g_seconds;
long g_peak_kib = 0;

const fs::path& work_folder() {
    static const fs::path folder = [] {
        const fs::path path =
            fs::temp_directory_path() / ("bench_convert-" + std::to_string(getpid()));
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

// One million (or --points) grid points in the zone's belt, "easting northing" in millimetres.
const std::string& grid_file() {
    static const std::string path = [] {
        const std::string file = (work_folder() / "grid.txt").string();
        std::ofstream out(file, std::ios::binary);
        std::mt19937_64 random(1);
        std::uniform_real_distribution<double> east(200000, 800000), north(5800000, 7200000);
        char line[64];
        for (long i = 0; i < g_points; ++i) {
            const int length =
                std::snprintf(line, sizeof line, "%.3f %.3f\n", east(random), north(random));
            out.write(line, length);
        }
        return file;
    }();
    return path;
}

// The grid file repeated up to --memory_input_mb.
const std::string& large_file() {
    static const std::string path = [] {
        const std::string file = (work_folder() / "large.txt").string();
        std::ifstream in(grid_file(), std::ios::binary);
        const std::string block((std::istreambuf_iterator<char>(in)), {});
        std::ofstream out(file, std::ios::binary);
        for (long long written = 0; written < g_memory_input_mb * 1024LL * 1024LL;
             written += static_cast<long long>(block.size())) {
            out << block;
        }
        return file;
    }();
    return path;
}

struct ChildRun {
    double seconds = 0;
    long peak_kib = 0;
    bool succeeded = false;
};

// Runs a command with standard input from `input` and standard output to `output`.
ChildRun run_command(const std::vector<std::string>& command, const std::string& input,
                     const std::string& output) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::vector<char*> argv;
    for (const std::string& argument : command) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    ChildRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        run.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        run.peak_kib = usage.ru_maxrss;
        run.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

std::vector<std::string> quarrow_convert() {
    return {QUARROW_CONVERT_PROGRAM,
            "--system",
            kSystem,
            "--from",
            "source-grid",
            "--to",
            "map-geographic",
            "--shift-parameters",
            kShift,
            "--map-spheroid",
            "12"};
}

// cct running the pipeline quarrow-convert prints for the same conversion.
std::vector<std::string> cct() {
    std::vector<std::string> command = quarrow_convert();
    command.insert(command.end(), {"--show", "proj"});
    const std::string pipeline_file = (work_folder() / "pipeline.txt").string();
    if (!run_command(command, "/dev/null", pipeline_file).succeeded) {
        return {};
    }
    std::ifstream in(pipeline_file);
    std::vector<std::string> cct_command = {"cct", "-d", "9", "-z", "0"};
    for (std::string step; in >> step;) {
        cct_command.push_back(step);
    }
    return cct_command;
}

// cs2cs with the same projection and shift: its +towgs84 takes the rotations in the position
// vector convention, the opposite sign of the coordinate frame.
std::vector<std::string> cs2cs() {
    return {"cs2cs",
            "-f",
            "%.9f",
            "+proj=tmerc",
            "+algo=poder_engsager",
            "+k_0=0.9996",
            "+lat_0=0",
            "+lon_0=147",
            "+x_0=500000",
            "+y_0=10000000",
            "+a=6378160",
            "+rf=298.25",
            "+towgs84=-117.808,-51.536,137.784,0.303,0.446,0.234,-0.290",
            "+to",
            "+proj=longlat",
            "+ellps=GRS80",
            "+towgs84=0,0,0"};
}

void BM_command(benchmark::State& state, const std::string& name,
                std::vector<std::string> (*command_of)()) {
    const std::vector<std::string> command = command_of();
    const std::string output = (work_folder() / (name + ".out")).string();
    for (auto _ : state) {
        const ChildRun run =
            command.empty() ? ChildRun{} : run_command(command, grid_file(), output);
        if (!run.succeeded) {
            state.SkipWithError((name + " did not run").c_str());
            return;
        }
        state.SetIterationTime(run.seconds);
        state.counters["points_per_second"] = static_cast<double>(g_points) / run.seconds;
        g_seconds[name].push_back(run.seconds);
    }
}

void BM_peak_memory(benchmark::State& state) {
    const std::string output = (work_folder() / "large.out").string();
    for (auto _ : state) {
        const ChildRun run = run_command(quarrow_convert(), large_file(), output);
        if (!run.succeeded) {
            state.SkipWithError("quarrow-convert did not run");
            return;
        }
        state.SetIterationTime(run.seconds);
        state.counters["input_MiB"] = static_cast<double>(g_memory_input_mb);
        state.counters["peak_MiB"] = static_cast<double>(run.peak_kib) / 1024.0;
        g_peak_kib = std::max(g_peak_kib, run.peak_kib);
    }
}

BENCHMARK_CAPTURE(BM_command, quarrow_convert, std::string("quarrow-convert"), quarrow_convert)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_command, cct, std::string("cct"), cct)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_command, cs2cs, std::string("cs2cs"), cs2cs)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_peak_memory)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void print_summary() {
    std::printf("\n%ld points, medians of the runs above:\n", g_points);
    double fastest_proj = 0;
    std::string fastest_name;
    for (const auto& [name, seconds] : g_seconds) {
        const double m = korv::bench::median(seconds);
        std::printf("  %-16s %8.3f s  %10.0f points/s  (%zu runs)\n", name.c_str(), m,
                    static_cast<double>(g_points) / m, seconds.size());
        if (name != "quarrow-convert" && (fastest_proj == 0 || m < fastest_proj)) {
            fastest_proj = m;
            fastest_name = name;
        }
    }
    if (g_seconds.count("quarrow-convert") != 0 && fastest_proj > 0) {
        std::printf("  quarrow-convert converts %.2f times the points per second of %s\n",
                    fastest_proj / korv::bench::median(g_seconds["quarrow-convert"]),
                    fastest_name.c_str());
    }
    if (g_peak_kib > 0) {
        std::printf("  peak memory of quarrow-convert on %ld MiB: %.1f MiB\n", g_memory_input_mb,
                    static_cast<double>(g_peak_kib) / 1024.0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    korv::bench::take_option(argc, argv, "--points", g_points);
    korv::bench::take_option(argc, argv, "--memory_input_mb", g_memory_input_mb);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    print_summary();
    std::error_code ignored;
    fs::remove_all(work_folder(), ignored);
    return 0;
}
