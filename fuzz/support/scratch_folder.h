#pragma once
// A private folder for the files a fuzz target writes, one per process and removed at its exit.
// It lies in TMPDIR, or in memory (/dev/shm) so that millions of runs do not wear a disk.

#include <cstdint>
#include <string>
#include <string_view>

namespace korv::fuzz {

// The path of `name` in the folder; the folder is made on first use.
std::string scratch_path(std::string_view name);

// Writes `size` bytes to the file, replacing what it held. Aborts when it cannot.
void write_scratch_file(const std::string& path, const uint8_t* data, size_t size);

// The whole content of a file; empty when there is none.
std::string read_scratch_file(const std::string& path);

// Removes the file if it is there.
void remove_scratch_file(const std::string& path);

}  // namespace korv::fuzz
