#include "damaged_files.h"

#include <fstream>
#include <stdexcept>

namespace korv::testing {

std::string garbage(size_t size, uint32_t seed) {
    std::string bytes(size, '\0');
    uint32_t state = seed;
    for (char& byte : bytes) {
        state = state * 1664525u + 1013904223u;  // a linear congruential sequence
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

void write_long_file(const std::string& path, const std::string& head, char filler, size_t count,
                     const std::string& tail) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << head;
    const std::string chunk(1024 * 1024, filler);
    for (size_t left = count; left > 0;) {
        const size_t n = left < chunk.size() ? left : chunk.size();
        file.write(chunk.data(), static_cast<std::streamsize>(n));
        left -= n;
    }
    file << tail;
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace korv::testing
