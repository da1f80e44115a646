// Loading a full datum list (32767 entries) against std::getline + strtod on the same file, and
// the time from starting a process to the dialog shown (offscreen, with the control library
// loaded; the geodesy library loads only when a point is first converted).

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "datum_list.h"
#include "form_projections.h"
#include "program_folder.h"
#include "settings_store.h"

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

// The child: start the dialog and report when it is on screen.
int run_startup_child(int argc, char** argv) {
    QApplication application(argc, argv);
    korv::set_settings_folder(QString::fromStdString(work_folder().string()));
    korv::set_program_folder(QString::fromStdString(work_folder().string()));
    korv::Form_projections form;
    form.Form_Load();
    form.show();
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });  // runs once the window is shown
    return QApplication::exec();
}

void BM_startup_to_dialog_shown(benchmark::State& state) {
    std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (auto _ : state) {
        char child_flag[] = "--startup-child";
        char* child_argv[] = {self.data(), child_flag, nullptr};
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, self.c_str(), nullptr, nullptr, child_argv, environ) != 0) {
            state.SkipWithError("cannot start the child process");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
    }
}

BENCHMARK(BM_baseline_getline_strtod)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_load_datum_list)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_startup_to_dialog_shown)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--startup-child") {
        return run_startup_child(argc, argv);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
