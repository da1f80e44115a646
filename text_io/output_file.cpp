#include "output_file.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <random>
#include <system_error>

#include "native_files.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korv {
namespace {

namespace fs = std::filesystem;

// More links than this in a row are taken for a loop.
constexpr int kMostLinks = 40;
// Names tried for the file written beside the target before giving up.
constexpr int kNameAttempts = 100;

// The failure to write `target`, in the system's own words.
Error not_writable(const std::string& target) {
    return Error{ErrorCode::kFileNotWritable, {target, std::strerror(errno)}};
}

// The file a path leads to, its symbolic links followed, whether or not that file exists.
Result<fs::path> place_of(const std::string& target) {
    std::error_code error;
    fs::path place = native_path(target);
    for (int links = 0; fs::is_symlink(place, error); ++links) {
        if (links == kMostLinks) {
            return Error{ErrorCode::kFileLinksTooDeep, {target}};
        }
        const fs::path next = fs::read_symlink(place, error);
        place = next.is_absolute() ? next : place.parent_path() / next;
    }
    return place;
}

// Gives the written file the replaced file's owner and group where the system allows it: a user
// may give a file only to themselves, and the group only to a group of their own.
void keep_owner([[maybe_unused]] const fs::path& replaced,
                [[maybe_unused]] const fs::path& written) {
#ifndef _WIN32
    struct stat held {};
    if (::stat(replaced.c_str(), &held) == 0 &&
        ::chown(written.c_str(), held.st_uid, held.st_gid) != 0 &&
        ::chown(written.c_str(), static_cast<uid_t>(-1), held.st_gid) != 0) {
        // Kept by the user who writes it, as any new file of theirs.
    }
#endif
}

// Refuses a regular file that may not be written: replacing it would get round its permissions.
std::optional<Error> write_refused(const fs::path& place, const fs::file_status& status,
                                   const std::string& target) {
    constexpr fs::perms kWritable =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & kWritable) == fs::perms::none) {
        return Error{ErrorCode::kFileReadOnly, {target}};
    }
    std::FILE* probe = open_native(place, "r+b");
    if (probe == nullptr) {
        return not_writable(target);
    }
    std::fclose(probe);
    return std::nullopt;
}

}  // namespace

Result<std::unique_ptr<OutputFile>> OutputFile::create(const std::string& target) {
    const Result<fs::path> place = place_of(target);
    if (!place) {
        return place.error();
    }
    std::error_code error;
    const fs::file_status status = fs::status(*place, error);
    if (fs::is_directory(status)) {
        return Error{ErrorCode::kFileIsFolder, {target}};
    }
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        std::FILE* file = open_native(*place, "wb");
        if (file == nullptr) {
            return not_writable(target);
        }
        return std::unique_ptr<OutputFile>(new OutputFile(file, target, *place, {}));
    }
    if (fs::exists(status)) {
        if (std::optional<Error> refused = write_refused(*place, status, target)) {
            return *refused;
        }
    }
    std::random_device random;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        fs::path written = *place;
        written += "." + std::to_string(random() % 1000000) + ".part";
        // "x": never opens a file that is already there.
        std::FILE* file = open_native(written, "wbx");
        if (file != nullptr) {
            return std::unique_ptr<OutputFile>(new OutputFile(file, target, *place, written));
        }
        if (errno != EEXIST) {
            return not_writable(target);
        }
    }
    return Error{ErrorCode::kNoNameBesideFile, {target}};
}

OutputFile::~OutputFile() {
    discard();
}

void OutputFile::discard() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
        std::error_code ignored;
        if (replaces()) {
            fs::remove(written_, ignored);
        }
    }
}

Status OutputFile::write(std::string_view bytes) {
    if (file_ == nullptr) {
        return Error{ErrorCode::kFileClosed, {target_}};
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        failed_ = true;
        return not_writable(target_);
    }
    return kSuccess;
}

Status OutputFile::flush() {
    if (file_ != nullptr && std::fflush(file_) != 0) {
        return not_writable(target_);
    }
    return kSuccess;
}

Status OutputFile::commit() {
    if (file_ == nullptr) {
        return Error{ErrorCode::kFileClosed, {target_}};
    }
    // A write error may show only when the last of the buffer goes out.
    std::optional<Error> failure;
    if (failed_) {
        failure = Error{ErrorCode::kFilePartlyWritten, {target_}};
    } else if (std::fflush(file_) != 0 || std::ferror(file_)) {
        failure = not_writable(target_);
    }
    if (std::fclose(file_) != 0 && !failure) {
        failure = not_writable(target_);
    }
    file_ = nullptr;
    if (!replaces()) {
        return failure ? Status(*failure) : kSuccess;
    }
    std::error_code error;
    if (!failure) {
        const fs::file_status replaced = fs::status(place_, error);
        if (fs::exists(replaced)) {
            keep_owner(place_, written_);
            fs::permissions(written_, replaced.permissions(), error);
        }
        fs::rename(written_, place_, error);
        if (error) {
            failure = Error{ErrorCode::kFileNotReplaced, {target_, error.message()}};
        }
    }
    if (failure) {
        fs::remove(written_, error);
        return *failure;
    }
    return kSuccess;
}

}  // namespace korv
