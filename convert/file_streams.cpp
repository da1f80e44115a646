#include "file_streams.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "native_files.h"

namespace korv::convert {
namespace {

namespace fs = std::filesystem;

// The failure `code`, naming first `subject` when there is one, then the system's own words.
Error system_error(ErrorCode code, std::string subject = {}) {
    std::vector<std::string> values;
    if (!subject.empty()) {
        values.push_back(std::move(subject));
    }
    values.emplace_back(std::strerror(errno));
    return Error{code, std::move(values)};
}

}  // namespace

Result<std::unique_ptr<FileSource>> FileSource::open(const std::string& path) {
    const fs::path place = native_path(path);
    std::error_code error;
    if (fs::is_directory(place, error)) {
        return Error{ErrorCode::kFolderNotReadable, {path}};
    }
    std::FILE* file = open_native(place, "rb");
    if (file == nullptr) {
        return system_error(ErrorCode::kFileNotReadable, path);
    }
    std::optional<std::uint64_t> size;
    if (fs::is_regular_file(place, error)) {
        const std::uintmax_t bytes = fs::file_size(place, error);
        if (!error) {
            size = bytes;
        }
    }
    return std::unique_ptr<FileSource>(new FileSource(file, true, false, size));
}

std::unique_ptr<FileSource> FileSource::standard_input(bool interactive) {
    return std::unique_ptr<FileSource>(new FileSource(stdin, false, interactive, std::nullopt));
}

FileSource::~FileSource() {
    if (owned_) {
        std::fclose(file_);
    }
}

Result<std::size_t> FileSource::read(char* buffer, std::size_t size) {
    std::size_t count = 0;
    if (interactive_) {
        // A line at a time, as it is typed.
        int c = 0;
        while (count < size && (c = std::getc(file_)) != EOF) {
            buffer[count++] = static_cast<char>(c);
            if (c == '\n') {
                break;
            }
        }
    } else {
        count = std::fread(buffer, 1, size, file_);
    }
    if (count == 0 && std::ferror(file_)) {
        return system_error(ErrorCode::kInputNotReadable);
    }
    return count;
}

Status StandardOutput::write(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) {
        return system_error(ErrorCode::kStandardOutputNotWritable);
    }
    return kSuccess;
}

Status StandardOutput::flush() {
    if (std::fflush(stdout) != 0) {
        return system_error(ErrorCode::kStandardOutputNotWritable);
    }
    return kSuccess;
}

}  // namespace korv::convert
