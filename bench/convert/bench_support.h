#pragma once
// What the conversion benchmarks share: their own "--name=value" options and the median of runs.

#include <algorithm>
#include <string>
#include <vector>

namespace korv::bench {

// Takes this program's own "--name=value" option out of the arguments, before Google Benchmark
// sees them.
inline void take_option(int& argc, char** argv, const std::string& name, long& value) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind(name + "=", 0) == 0) {
            value = std::stol(argument.substr(name.size() + 1));
            std::copy(argv + i + 1, argv + argc, argv + i);
            --argc;
            return;
        }
    }
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace korv::bench
