#include "utilities.h"

#include <gtest/gtest.h>

#include <QDir>

#include "file_dialog.h"
#include "test_sandbox.h"

namespace korv {
namespace {

struct SplitCase {
    const char* line;
    std::vector<std::string> fields;
};

class SplitFields : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitFields, BlanksAndCommasSeparateFields) {
    Utilities utilities;
    std::vector<std::string> fields(65, "stale");
    int32_t count = 0;
    utilities.split_fields(count, GetParam().line, "", fields);
    ASSERT_EQ(count, static_cast<int32_t>(GetParam().fields.size())) << GetParam().line;
    for (int32_t i = 1; i <= count; ++i) {
        EXPECT_EQ(fields[static_cast<size_t>(i)], GetParam().fields[static_cast<size_t>(i - 1)]);
    }
    EXPECT_EQ(fields[0], "stale") << "field 0 is not used";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SplitFields,
    ::testing::Values(SplitCase{"1000 2000 1100.5 -2000", {"1000", "2000", "1100.5", "-2000"}},
                      SplitCase{"  P1   1 2\t3 4  ", {"P1", "1", "2", "3", "4"}},
                      SplitCase{"1,2 , 3", {"1", "2", "3"}}, SplitCase{"1,,3", {"1", "", "3"}},
                      SplitCase{"", {}}, SplitCase{"    ", {}}, SplitCase{"0 1", {"0", "1"}}));

TEST(SplitFieldsTest, FieldsBeyondTheCallersArrayAreDropped) {
    Utilities utilities;
    std::vector<std::string> fields(4);
    int32_t count = 0;
    utilities.split_fields(count, "a b c d e f", "", fields);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(fields[3], "c");
}

TEST(SplitFieldsTest, AGivenSeparatorSplitsOnItAlone) {
    Utilities utilities;
    std::vector<std::string> fields(65);
    int32_t count = 0;
    utilities.split_fields(count, " a b ; c ;", ";", fields);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(fields[1], "a b");
    EXPECT_EQ(fields[2], "c");
    EXPECT_EQ(fields[3], "");
}

TEST(UtilitiesTest, InitCoordSystemLeavesTheRecordZeroed) {
    Utilities utilities;
    CoordSystem record;
    record.projection = 3;
    record.name = "x";
    record.derived[7] = 1;
    utilities.init_coord_system(record);
    EXPECT_EQ(record, CoordSystem{});
}

TEST(UtilitiesTest, RestoreDirectoryMakesTheNotedDirectoryCurrentAgain) {
    Utilities utilities;
    testing::Sandbox sandbox;
    const std::string noted = current_directory();
    QDir::setCurrent(sandbox.folder());
    utilities.restore_directory(noted);
    EXPECT_EQ(current_directory(), noted);
}

TEST(UtilitiesTest, FileChoicesPassTheirTextsAndReportCancel) {
    Utilities utilities;
    FileDialogRequest seen;
    std::optional<QString> answer = QStringLiteral("/data/survey");
    const FileDialogFunction previous = set_file_dialog([&](const FileDialogRequest& request) {
        seen = request;
        return answer;
    });
    const std::string filter = "Coordinate Files (*.crd)|*.crd|All files (*.*)|*.*";
    const std::string title = "Specify the name of Coordinate transformation file";

    std::string name = "*.crd";
    int32_t ierr = 99;
    utilities.select_save_file(name, "crd", filter, title, ierr);
    EXPECT_EQ(ierr, 0);
    EXPECT_EQ(name, "/data/survey.crd") << "a name without extension gets the default one";
    EXPECT_EQ(seen.kind, FileDialogRequest::Kind::kSave);
    EXPECT_EQ(seen.title.toStdString(), title);
    EXPECT_EQ(seen.filter, "Coordinate Files (*.crd);;All files (*.*)");

    name.clear();
    utilities.select_open_file(name, filter, title, ierr);
    EXPECT_EQ(ierr, 0);
    EXPECT_EQ(name, "/data/survey") << "an opened name is taken as chosen";
    EXPECT_EQ(seen.kind, FileDialogRequest::Kind::kOpen);

    answer.reset();
    name.clear();
    utilities.select_open_file(name, filter, title, ierr);
    EXPECT_LT(ierr, 0);
    EXPECT_EQ(name, "");
    utilities.select_save_file(name, "crd", filter, title, ierr);
    EXPECT_NE(ierr, 0);
    set_file_dialog(previous);
}

TEST(UtilitiesTest, FiltersWithoutPatternsInTheirDescriptionGetThem) {
    EXPECT_EQ(dialog_filter("Text|*.txt;*.csv"), "Text (*.txt *.csv)");
    EXPECT_EQ(dialog_filter(""), "");
}

}  // namespace
}  // namespace korv
