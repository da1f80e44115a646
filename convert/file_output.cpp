#include "file_output.h"

#include <filesystem>
#include <system_error>

#include "native_files.h"

namespace korv::convert {
namespace {

namespace fs = std::filesystem;

fs::path stream_path(const std::string& name, const char* standard) {
    return name == "-" ? fs::path(standard) : native_path(name);
}

}  // namespace

bool is_same_file(const std::string& input, const std::string& output) {
    std::error_code error;
    const fs::path out = stream_path(output, "/dev/stdout");
    return fs::is_regular_file(out, error) &&
           fs::equivalent(stream_path(input, "/dev/stdin"), out, error);
}

Result<std::unique_ptr<FileOutput>> FileOutput::create(const std::string& target) {
    Result<std::unique_ptr<OutputFile>> file = OutputFile::create(target);
    if (!file) {
        return file.error();
    }
    return std::unique_ptr<FileOutput>(new FileOutput(std::move(file).value()));
}

}  // namespace korv::convert
