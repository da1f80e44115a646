#include "file_numbers.h"
#include "files.h"
#include "input_file.h"

#include "files.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QDir>
#include <csignal>
#include <filesystem>

#include "test_sandbox.h"

namespace korv {
namespace {

class TextFiles : public ::testing::Test {
protected:
    void TearDown() override {
        for (int32_t fnum = 1; fnum <= 255; ++fnum) {
            close_file(fnum);
        }
    }
    std::string make(const std::string& content) {
        const std::string path = sandbox_.path("input.txt");
        testing::write_file(path, content);
        return path;
    }
    testing::Sandbox sandbox_;
};

TEST_F(TextFiles, FileNumbersAreHandedOutLowestFirstAndReused) {
    const std::string path = make("x");
    const int32_t first = free_file();
    EXPECT_EQ(first, 1);
    ASSERT_TRUE(open_for_input(first, path));
    EXPECT_FALSE(open_for_input(first, path)) << "a number in use cannot be opened again";
    EXPECT_EQ(free_file(), 2);
    EXPECT_TRUE(close_file(first));
    EXPECT_EQ(free_file(), 1);
    EXPECT_FALSE(open_for_input(0, path));
    EXPECT_FALSE(open_for_input(256, path));
    EXPECT_FALSE(open_for_input(1, sandbox_.path("missing.txt")));
    EXPECT_FALSE(open_for_input(1, sandbox_.folder().toStdString())) << "a folder is no file";
}

TEST_F(TextFiles, ReadLineEndsAtReturnOrReturnLineFeedButNotAtALoneLineFeed) {
    ASSERT_TRUE(open_for_input(1, make("a\r\nb\rc\nd\r\n\r\nlast")));
    EXPECT_EQ(get_line(1), "a");
    EXPECT_EQ(get_line(1), "b");
    EXPECT_EQ(get_line(1), "c\nd");
    EXPECT_EQ(get_line(1), "");
    EXPECT_EQ(get_line(1), "last");
    EXPECT_TRUE(at_end(1));
    EXPECT_EQ(get_line(1), "");
}

TEST_F(TextFiles, ReadNumberTakesNumbersSeparatedByBlanksCommasAndLineEnds) {
    ASSERT_TRUE(open_for_input(1, make("  1.5 -2\r\n3,4e2\n\n 5 ,6\t, 7 8 ,,9 x")));
    EXPECT_EQ(read_number(1), 1.5);
    EXPECT_EQ(read_number(1), -2.0);
    EXPECT_EQ(read_number(1), 3.0);
    EXPECT_EQ(read_number(1), 400.0);
    for (double number : {5.0, 6.0, 7.0, 8.0}) {
        EXPECT_EQ(read_number(1), number) << "blanks beside a comma are one separator";
    }
    EXPECT_EQ(read_number(1), std::nullopt) << "a second comma leaves an empty field";
    EXPECT_EQ(read_number(1), 9.0);
    EXPECT_EQ(read_number(1), std::nullopt) << "x is no number";
    EXPECT_EQ(read_number(1), std::nullopt) << "end of file";
}

TEST_F(TextFiles, PositionCanBeTakenAndSetBack) {
    std::string content(200000, 'x');
    content[150000] = 'y';
    ASSERT_TRUE(open_for_input(1, make(content)));
    InputFile* file = input_file(1);
    ASSERT_NE(file, nullptr);
    for (int i = 0; i < 150000; ++i) {
        file->next();
    }
    const int64_t mark = file->position();
    EXPECT_EQ(file->next(), 'y');
    ASSERT_TRUE(file->set_position(mark));
    EXPECT_EQ(file->next(), 'y');
    ASSERT_TRUE(file->set_position(0));
    EXPECT_EQ(file->position(), 0);
    EXPECT_EQ(file->next(), 'x');
}

TEST_F(TextFiles, WrittenLinesEndWithReturnLineFeedAndAppearOnlyWhenClosed) {
    const std::string path = sandbox_.path("out.csv");
    testing::write_file(path, "old content");
    ASSERT_TRUE(open_for_output(1, path));
    EXPECT_TRUE(write_line(1, "Name,Dx"));
    EXPECT_TRUE(write_line(1, ""));
    EXPECT_EQ(testing::read_file(path), "old content") << "the old file stays until closed";
    EXPECT_TRUE(close_file(1));
    EXPECT_EQ(testing::read_file(path), "Name,Dx\r\n\r\n");
    EXPECT_TRUE(file_exists(path));
    EXPECT_TRUE(delete_file(path));
    EXPECT_FALSE(file_exists(path));
    EXPECT_FALSE(write_line(1, "closed")) << "writing to a closed number fails";
}

TEST_F(TextFiles, AFileThatCannotBeCompletedIsReportedOnClose) {
    const std::string path = sandbox_.path("keep.csv");
    ASSERT_TRUE(open_for_output(1, path));
    std::filesystem::remove_all(sandbox_.folder().toStdString());
    EXPECT_TRUE(write_line(1, std::string(100000, 'x')));
    EXPECT_FALSE(close_file(1)) << "its folder vanished: the file cannot be put in place";
}

TEST_F(TextFiles, AFullDiskLeavesTheOldFileWholeAndNothingBesideIt) {
    const std::string path = sandbox_.path("datum.csv");
    testing::write_file(path, "old content");
    // A file size limit makes writes fail as a full disk does; the failure shows only when the
    // buffered text is flushed.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ASSERT_TRUE(open_for_output(1, path));
    write_line(1, std::string(500, 'x'));
    const bool closed = close_file(1);
    const bool copied = copy_file(path, sandbox_.path("copy.csv"));
    setrlimit(RLIMIT_FSIZE, &previous);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(copied) << "a small file still fits";
    EXPECT_EQ(testing::read_file(path), "old content");
    EXPECT_EQ(QDir(sandbox_.folder()).entryList(QDir::Files),
              (QStringList{"copy.csv", "datum.csv"}));
}

}  // namespace
}  // namespace korv
