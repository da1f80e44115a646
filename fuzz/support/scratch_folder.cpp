#include "scratch_folder.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fuzz_check.h"

namespace korv::fuzz {
namespace {

// TMPDIR when it is set (the run script gives each target its own), else memory, else /tmp.
std::string base_folder() {
    if (const char* tmpdir = std::getenv("TMPDIR"); tmpdir != nullptr && *tmpdir != '\0') {
        return tmpdir;
    }
    return access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
}

std::string make_folder() {
    std::string pattern = base_folder() + "/korv-fuzz-XXXXXX";
    KORV_FUZZ_REQUIRE(mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
    return pattern;
}

// Made on first use, removed with everything in it when the process ends.
class Folder {
public:
    Folder() : path_(make_folder()) {}
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

const std::string& folder() {
    static const Folder made;
    return made.path();
}

}  // namespace

std::string scratch_path(std::string_view name) {
    return folder() + "/" + std::string(name);
}

void write_scratch_file(const std::string& path, const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    KORV_FUZZ_REQUIRE(file != nullptr, "the scratch file can be created");
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    KORV_FUZZ_REQUIRE(std::fclose(file) == 0 && written, "the scratch file can be written");
}

std::string read_scratch_file(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void remove_scratch_file(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

}  // namespace korv::fuzz
