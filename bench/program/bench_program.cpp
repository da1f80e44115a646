// Loading a full datum list (32767 entries) against std::getline + strtod on the same file, the
// time from starting the dialog to its being shown against that of an empty titled window
// (offscreen, with the control library loaded; the conversion engine loads only when a point is
// first converted), and the test panel's first conversion, which binds the engine.

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "datum_list.h"

extern char** environ;

namespace {

const std::filesystem::path& work_folder() {
    static const std::filesystem::path folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "bench_program";
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

const std::string& full_datum_file() {
    static const std::string path = [] {
        const std::string file = (work_folder() / "datum.csv").string();
        std::ofstream out(file, std::ios::binary);
        out << "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc\r\n";
        for (int i = 1; i <= korv::DatumList::kMaxEntries; ++i) {
            out << "Shift " << i
                << ",-117.7630,-51.5100,139.0610,-2.9200e-01,-4.4300e-01,-2.7700e-01,-0.1910\r\n";
        }
        return file;
    }();
    return path;
}

void BM_load_datum_list(benchmark::State& state) {
    for (auto _ : state) {
        korv::DatumList list(full_datum_file());
        list.load_datum_list();
        benchmark::DoNotOptimize(list.count());
    }
}

void BM_baseline_getline_strtod(benchmark::State& state) {
    struct Entry {
        std::string name;
        double values[7];
    };
    for (auto _ : state) {
        std::ifstream in(full_datum_file(), std::ios::binary);
        std::string line;
        std::getline(in, line);  // header
        std::vector<Entry> entries;
        while (std::getline(in, line)) {
            Entry entry;
            const size_t comma = line.find(',');
            entry.name = line.substr(0, comma);
            const char* p = line.c_str() + comma + 1;
            for (double& value : entry.values) {
                char* end = nullptr;
                value = std::strtod(p, &end);
                p = *end == ',' ? end + 1 : end;
            }
            entries.push_back(std::move(entry));
        }
        benchmark::DoNotOptimize(entries.size());
    }
}

// Seconds from starting `startup_child <what>` to its end, once its window is on screen.
double startup_seconds(const char* what) {
    const std::string child =
        (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "startup_child").string();
    std::string argument = what;
    // A folder of its own: the one of the full datum list would time filling the list.
    std::string folder = (work_folder() / "startup").string();
    std::filesystem::create_directories(folder);
    char* child_argv[] = {const_cast<char*>(child.c_str()), argument.data(), folder.data(),
                          nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, child.c_str(), nullptr, nullptr, child_argv, environ) != 0) {
        return -1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return -1;
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The dialog on screen against an empty titled window, alternately in one run, with their ratio:
// the target is at most 1.3.
void BM_startup_to_dialog_shown(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);  // a display of its own when one is set
    double dialog = 0, window = 0;
    for (auto _ : state) {
        const double window_seconds = startup_seconds("window");
        const double dialog_seconds = startup_seconds("dialog");
        if (window_seconds < 0 || dialog_seconds < 0) {
            state.SkipWithError("the start-up child failed");
            return;
        }
        window += window_seconds;
        dialog += dialog_seconds;
        state.SetIterationTime(dialog_seconds);
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["window_ms"] = window / runs * 1000;
    state.counters["dialog_ms"] = dialog / runs * 1000;
    state.counters["ratio"] = dialog / window;
}

// The test panel's first conversion in a fresh process, binding the conversion engine and PROJ
// behind it (the target is at most 50 ms), and a datum shift right after it.
void BM_first_panel_conversion(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string command =
        (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "startup_child").string() +
        " first-conversion " + (work_folder() / "startup").string();
    std::filesystem::create_directories(work_folder() / "startup");
    double first = 0, shift = 0;
    for (auto _ : state) {
        FILE* child = popen(command.c_str(), "r");
        double first_ms = -1, shift_ms = -1;
        const bool read =
            child != nullptr && std::fscanf(child, "%lf %lf", &first_ms, &shift_ms) == 2;
        if (child == nullptr || pclose(child) != 0 || !read) {
            state.SkipWithError("the first conversion failed");
            return;
        }
        first += first_ms;
        shift += shift_ms;
        state.SetIterationTime(first_ms / 1000);
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["first_conversion_ms"] = first / runs;
    state.counters["shift_after_ms"] = shift / runs;
}

BENCHMARK(BM_baseline_getline_strtod)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_load_datum_list)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_startup_to_dialog_shown)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_first_panel_conversion)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
