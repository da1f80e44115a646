#pragma once
// Damaged files for the tests: garbage, and files with one enormous line.

#include <cstddef>
#include <cstdint>
#include <string>

namespace korv::testing {

inline constexpr size_t kHundredMegabytes = 100u * 1024 * 1024;

// `size` bytes that look like nothing: every byte value, in an order fixed by `seed`.
std::string garbage(size_t size, uint32_t seed);

// Writes `head`, then `count` copies of `filler`, then `tail`, without holding them in memory.
void write_long_file(const std::string& path, const std::string& head, char filler, size_t count,
                     const std::string& tail = {});

}  // namespace korv::testing
