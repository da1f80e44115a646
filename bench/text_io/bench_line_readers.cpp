// The three line readers on a 50 MB file, against reading the same file with std::getline and
// taking its numbers with strtod, in the same run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "file_numbers.h"
#include "line_reader.h"

namespace {

constexpr size_t kFileBytes = 50u * 1024 * 1024;

// A coordinate-file-like text: CR LF lines of five numbers.
const std::string& big_file() {
    static const std::string path = [] {
        const std::string file =
            (std::filesystem::temp_directory_path() / "bench_lines.txt").string();
        std::ofstream out(file, std::ios::binary);
        const std::string line = "P17 273741.2966 5796489.7769 144.4248678 -37.9510334\r\n";
        for (size_t written = 0; written < kFileBytes; written += line.size()) {
            out << line;
        }
        return file;
    }();
    return path;
}

template <std::string (*Reader)(int32_t)>
void read_with(benchmark::State& state) {
    for (auto _ : state) {
        const int32_t fnum = korv::free_file();
        korv::open_for_input(fnum, big_file());
        size_t characters = 0;
        while (!korv::at_end(fnum)) {
            characters += Reader(fnum).size();
        }
        korv::close_file(fnum);
        benchmark::DoNotOptimize(characters);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
}

void BM_get_line(benchmark::State& state) {
    read_with<korv::get_line>(state);
}
void BM_get_line_ch(benchmark::State& state) {
    read_with<korv::get_line_ch>(state);
}
void BM_get_line_program(benchmark::State& state) {
    read_with<korv::get_line_program>(state);
}

void BM_baseline_getline_strtod(benchmark::State& state) {
    for (auto _ : state) {
        std::ifstream in(big_file(), std::ios::binary);
        std::string line;
        double sum = 0;
        while (std::getline(in, line)) {
            const char* p = line.c_str();
            while (*p != '\0' && *p != ' ') {
                ++p;  // the label
            }
            char* end = nullptr;
            for (double value = std::strtod(p, &end); end != p; value = std::strtod(p, &end)) {
                sum += value;
                p = end;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
}

BENCHMARK(BM_baseline_getline_strtod)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_get_line)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_get_line_ch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_get_line_program)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
