// Where "datum.csv" is kept: beside the program while its folder can be written, else in the
// user's data folder, seeded there and keeping an edit from one load to the next. Each case runs
// in a child process, as the user "nobody" when the test runs as root, so that a folder the user
// cannot write binds as it does for a user.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>

#include "child_process.h"
#include "datum_list.h"
#include "datum_list_place.h"
#include "read_only_folders.h"
#include "test_sandbox.h"

namespace korv {
namespace {

namespace fs = std::filesystem;

enum class ProgramFolder { kWritable, kReadOnly, kOwnedByAnotherUser };

struct PlaceCase {
    const char* name;
    ProgramFolder folder;
    bool list_beside = false;  // a list with a third entry kept beside the program before
};

class DatumListPlace : public ::testing::TestWithParam<PlaceCase> {
protected:
    testing::Sandbox sandbox_;  // the program's folder
    testing::ReadOnlyFolders read_only_;
};

TEST_P(DatumListPlace, IsSeededAndKeepsAnEditAcrossTwoLoads) {
    const ProgramFolder folder = GetParam().folder;
    if (folder == ProgramFolder::kOwnedByAnotherUser && geteuid() != 0) {
        GTEST_SKIP() << "only the superuser can run the child as another user";
    }
    const std::string program = sandbox_.folder().toStdString();
    const std::string data_home = program + "/data";
    fs::create_directory(data_home);
    if (GetParam().list_beside) {
        testing::write_file(program + "/datum.csv",
                            "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc\r\nOwn,1,2,3,0,0,0,0\r\n"
                            "AGD84 to GDA 94,1,2,3,0,0,0,0\r\n");
    }
    fs::permissions(data_home, fs::perms::all);
    testing::ChildLimits limits;
    limits.unprivileged = folder != ProgramFolder::kWritable;
    if (folder == ProgramFolder::kReadOnly) {
        read_only_.add(program);
    } else {
        fs::permissions(program, fs::perms(0755));  // only its owner writes in it
    }

    const testing::ChildOutcome outcome = testing::run_in_child(
        [&] {
            qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data_home));
            set_application_names();
            DatumList first(datum_list_path());
            first.load_datum_list();
            DatumShift edited = first.entry(2);
            edited.dz += 1;
            const Result<bool> saved = first.define_datum_shift(edited);
            DatumList second(datum_list_path());
            second.load_datum_list();
            return first.path() + ", " + first.entry(1).name + ", " +
                   (saved.value_or(false) ? "saved" : "not saved") + ", " +
                   (second.count() == first.count() && second.entry(2).same_values(edited, 1e-9)
                        ? "kept"
                        : "lost");
        },
        limits);

    ASSERT_TRUE(outcome.completed) << "signal " << outcome.signal << ": " << outcome.report;
    const bool beside = folder == ProgramFolder::kWritable;
    EXPECT_EQ(outcome.report, (beside ? program : data_home + "/Halvern/Quarrow") + "/datum.csv, " +
                                  (GetParam().list_beside ? "Own" : "AGD84 to GDA 94") +
                                  ", saved, kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(program), fs::directory_iterator()),
              beside || GetParam().list_beside ? 2 : 1)
        << "nothing but the list itself is left beside the program";
}

INSTANTIATE_TEST_SUITE_P(
    Folders, DatumListPlace,
    ::testing::Values(PlaceCase{"writable", ProgramFolder::kWritable},
                      PlaceCase{"read_only", ProgramFolder::kReadOnly},
                      PlaceCase{"owned_by_another_user", ProgramFolder::kOwnedByAnotherUser},
                      PlaceCase{"read_only_with_a_list_beside", ProgramFolder::kReadOnly, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korv
