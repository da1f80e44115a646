#pragma once
// Folders a test makes read-only, made writable again when the test ends so that its sandbox
// can be removed.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <vector>

namespace korv::testing {

class ReadOnlyFolders {
public:
    ReadOnlyFolders() = default;
    ReadOnlyFolders(const ReadOnlyFolders&) = delete;
    ReadOnlyFolders& operator=(const ReadOnlyFolders&) = delete;
    ~ReadOnlyFolders() {
        for (const std::filesystem::path& folder : folders_) {
            std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add);
        }
    }

    void add(const std::filesystem::path& folder) {
        ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
        folders_.push_back(folder);
    }

private:
    std::vector<std::filesystem::path> folders_;
};

}  // namespace korv::testing
