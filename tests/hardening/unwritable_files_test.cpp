// Files that cannot be written: "datum.csv", a coordinate file and the settings store, each
// against a folder that cannot exist (a file stands in its place), a folder in place of the file,
// a read-only folder and a full disk. Each write runs in a child process that gets the fault's
// limits; afterwards the file is as it was, nothing is left beside it, and the caller was told.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "child_process.h"
#include "coordinate_file.h"
#include "datum_list.h"
#include "read_only_folders.h"
#include "settings_store.h"
#include "source_settings.h"
#include "test_sandbox.h"

namespace korv {
namespace {

namespace fs = std::filesystem;

// One kind of file the system writes, pointed at a root folder: the datum list and the
// coordinate file live in it, the settings store below it.
struct WriteTarget {
    const char* name;
    const char* file_in_root;
    rlim_t full_disk_limit;  // smaller than the new file
    // Writes the earlier content through the system's own code.
    std::function<void(const std::string& root)> write_old;
    // Writes the new content; returns what the caller learnt.
    std::function<std::string(const std::string& root)> write_new;
};

std::string datum_report(const Result<bool>& result) {
    if (!result) {
        return result.error().code == ErrorCode::kDatumListFull ? "list full" : "not saved";
    }
    return *result ? "saved" : "unchanged";
}

const WriteTarget kDatumList{
    "datum_list", "datum.csv", 1024,
    [](const std::string& root) {
        DatumList list(root + "/datum.csv");
        list.load_datum_list();
        for (int i = 1; i <= 40; ++i) {
            (void)list.define_datum_shift(
                {"Shift " + std::to_string(i), 1.0 * i, 2, 3, 0.1, 0.2, 0.3, 1});
        }
    },
    [](const std::string& root) {
        DatumList list(root + "/datum.csv");
        list.load_datum_list();
        const Result<bool> result = list.define_datum_shift({"Shift 1", 9, 9, 9, 0.9, 0.9, 0.9, 9});
        bool kept = false;
        for (int32_t position = 1; position <= list.count(); ++position) {
            kept = kept || (list.entry(position).name == "Shift 1" && list.entry(position).dx == 9);
        }
        return datum_report(result) + ", entry kept for the session: " + (kept ? "yes" : "no");
    }};

CoordinateFileValues coordinates(double offset) {
    return {{1000 + offset, 2000, 500000.5, -7000000.25, 1100, 2000, 500100.5, -7000000.25}, 0, 1};
}

const WriteTarget kCoordinateFile{
    "coordinate_file", "points.crd", 64,
    [](const std::string& root) {
        ASSERT_TRUE(write_coordinate_file(root + "/points.crd", coordinates(0)).ok());
    },
    [](const std::string& root) {
        const Status written = write_coordinate_file(root + "/points.crd", coordinates(5));
        return written ? std::string("written") : "not written: " + written.message();
    }};

StoredSourceSystem coord_system(int32_t zone) {
    CoordinateSystemDefinition definition;
    definition.spheroid = 12;
    definition.projection = kUniversalTransverseMercator;
    definition.hemisphere = 2;
    definition.false_east = 500000;
    definition.false_north = 10000000;
    definition.scale_factor = 0.9996;
    definition.zone_width = 6;
    definition.zone_number = zone;
    return {"MGA zone " + std::to_string(zone), definition};
}

const WriteTarget kSettings{"settings", "Halvern/Quarrtool.conf", 64,
                            [](const std::string& root) {
                                set_settings_folder(QString::fromStdString(root));
                                SettingsStore store(kSettingsApplication);
                                ASSERT_TRUE(save_source_system(store, coord_system(55)).ok());
                            },
                            [](const std::string& root) {
                                set_settings_folder(QString::fromStdString(root));
                                SettingsStore store(kSettingsApplication);
                                const Status saved = save_source_system(store, coord_system(56));
                                return saved ? std::string("saved")
                                             : "not saved: " + saved.message();
                            }};

enum class Fault { kFolderIsAFile, kFolderInPlaceOfFile, kReadOnlyFolder, kFullDisk };

std::string fault_name(Fault fault) {
    switch (fault) {
        case Fault::kFolderIsAFile:
            return "folder_is_a_file";
        case Fault::kFolderInPlaceOfFile:
            return "folder_in_place_of_file";
        case Fault::kReadOnlyFolder:
            return "read_only_folder";
        case Fault::kFullDisk:
            return "full_disk";
    }
    return "?";
}

// What the caller learns, by target, whatever the fault.
::testing::Matcher<std::string> told(const WriteTarget& target) {
    using ::testing::StartsWith;
    if (target.name == kDatumList.name) {
        return "not saved, entry kept for the session: yes";
    }
    if (target.name == kCoordinateFile.name) {
        return ::testing::MatchesRegex(
            "not written: The coordinate file \".*/points.crd\" could not be written; a file of "
            "that name that was there before is unchanged.");
    }
    return StartsWith("not saved: the settings file ");
}

// Every entry of the folder tree with its size, so that a file left beside the target shows.
std::vector<std::string> tree(const std::string& root) {
    std::vector<std::string> entries;
    std::error_code error;
    if (!fs::is_directory(root, error)) {
        return {fs::exists(root, error) ? "a file of " + std::to_string(fs::file_size(root)) : ""};
    }
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        entries.push_back(entry.path().string() + (entry.is_regular_file()
                                                       ? " " + std::to_string(entry.file_size())
                                                       : "/"));
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

class UnwritableFile : public ::testing::TestWithParam<std::tuple<const WriteTarget*, Fault>> {
protected:
    testing::Sandbox sandbox_;
    testing::ReadOnlyFolders read_only_;  // made writable again before the sandbox goes
};

TEST_P(UnwritableFile, IsLeftAsItWasAndTheCallerIsTold) {
    const WriteTarget& target = *std::get<0>(GetParam());
    const Fault fault = std::get<1>(GetParam());
    std::string root = sandbox_.folder().toStdString();
    testing::ChildLimits limits;
    switch (fault) {
        case Fault::kFolderIsAFile:
            root += "/blocker";
            testing::write_file(root, "a file, not a folder");
            break;
        case Fault::kFolderInPlaceOfFile:
            fs::create_directories(root + "/" + target.file_in_root);
            break;
        case Fault::kReadOnlyFolder:
            target.write_old(root);
            for (fs::path folder = fs::path(root + "/" + target.file_in_root).parent_path();
                 folder.string().size() >= root.size(); folder = folder.parent_path()) {
                read_only_.add(folder);
            }
            limits.unprivileged = true;
            break;
        case Fault::kFullDisk:
            target.write_old(root);
            limits.file_size = target.full_disk_limit;
            break;
    }
    const std::string path = root + "/" + target.file_in_root;
    const std::string before = testing::read_file(path);
    const std::vector<std::string> tree_before = tree(root);

    const testing::ChildOutcome outcome =
        testing::run_in_child([&] { return target.write_new(root); }, limits);

    ASSERT_TRUE(outcome.completed) << "signal " << outcome.signal << ": " << outcome.report;
    EXPECT_THAT(outcome.report, told(target));
    EXPECT_EQ(testing::read_file(path), before) << "the file is as it was";
    EXPECT_EQ(tree(root), tree_before) << "nothing is left beside it";
}

INSTANTIATE_TEST_SUITE_P(
    Faults, UnwritableFile,
    ::testing::Combine(::testing::Values(&kDatumList, &kCoordinateFile, &kSettings),
                       ::testing::Values(Fault::kFolderIsAFile, Fault::kFolderInPlaceOfFile,
                                         Fault::kReadOnlyFolder, Fault::kFullDisk)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param)->name) + "_" +
               fault_name(std::get<1>(info.param));
    });

}  // namespace
}  // namespace korv
