// The hand-written number routines against the plain standard-library way, on a million
// coordinates as files of points hold them: the number scanner against std::from_chars reading
// the same whole fields, and the fixed formatter against std::to_chars writing the same digits
// (nine decimals, as converted degrees are written). Compare the items per second of each pair.
//
//   build/bin/bench_number_text --benchmark_repetitions=5

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "fixed_text.h"
#include "numeric_text.h"

namespace {

constexpr int kValues = 1000000;
constexpr int kDecimals = 9;

// Eastings and northings with three decimals, and degrees with nine, as the text files hold them.
const std::vector<std::string>& texts() {
    static const std::vector<std::string> made = [] {
        std::vector<std::string> values;
        std::mt19937_64 random(3);
        std::uniform_real_distribution<double> metres(200000, 7200000), degrees(-180, 180);
        char text[64];
        for (int i = 0; i < kValues; ++i) {
            const int length = i % 2 == 0
                                   ? std::snprintf(text, sizeof text, "%.3f", metres(random))
                                   : std::snprintf(text, sizeof text, "%.9f", degrees(random));
            values.emplace_back(text, static_cast<size_t>(length));
        }
        return values;
    }();
    return made;
}

std::vector<double> values() {
    std::vector<double> read;
    for (const std::string& text : texts()) {
        read.push_back(korv::leading_number(text));
    }
    return read;
}

template <typename Read>
void read_all(benchmark::State& state, Read read) {
    const std::vector<std::string>& all = texts();
    for (auto _ : state) {
        double sum = 0;
        for (const std::string& text : all) {
            sum += read(text);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

void BM_scan_number(benchmark::State& state) {
    read_all(state, [](const std::string& text) {
        const korv::ScannedNumber number = korv::scan_number(text);
        return number.length == text.size() ? number.value : 0.0;
    });
}

void BM_std_from_chars(benchmark::State& state) {
    read_all(state, [](const std::string& text) {
        double value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        return error == std::errc() && end == text.data() + text.size() ? value : 0.0;
    });
}

template <typename Write>
void write_all(benchmark::State& state, Write write) {
    const std::vector<double> all = values();
    char text[korv::kLongestFixedText];
    for (auto _ : state) {
        size_t characters = 0;
        for (const double value : all) {
            characters += static_cast<size_t>(write(text, value) - text);
        }
        benchmark::DoNotOptimize(characters);
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

void BM_write_fixed(benchmark::State& state) {
    write_all(state,
              [](char* text, double value) { return korv::write_fixed(text, value, kDecimals); });
}

void BM_std_to_chars_fixed(benchmark::State& state) {
    write_all(state, [](char* text, double value) {
        return std::to_chars(text, text + korv::kLongestFixedText, value, std::chars_format::fixed,
                             kDecimals)
            .ptr;
    });
}

BENCHMARK(BM_scan_number)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_std_from_chars)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_write_fixed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_std_to_chars_fixed)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
