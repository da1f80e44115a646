#include "line_reader.h"

#include <gtest/gtest.h>

#include "file_numbers.h"
#include "test_sandbox.h"

namespace korv {
namespace {

using Reader = std::string (*)(int32_t);

struct ReaderCase {
    const char* name;
    Reader reader;
    std::string content;
    std::vector<std::string> lines;  // every line read until the end of the file
};

class LineReaders : public ::testing::TestWithParam<ReaderCase> {
protected:
    testing::Sandbox sandbox_;
};

TEST_P(LineReaders, ReadEveryLineOfTheFile) {
    const ReaderCase& test = GetParam();
    const std::string path = sandbox_.path("lines.txt");
    testing::write_file(path, test.content);
    ASSERT_TRUE(open_for_input(7, path));
    std::vector<std::string> lines;
    while (!at_end(7) && lines.size() < 100) {
        lines.push_back(test.reader(7));
    }
    EXPECT_EQ(test.reader(7), "") << "a call at the end of the file gives the empty text";
    close_file(7);
    EXPECT_EQ(lines, test.lines);
}

std::string repeated(char c, size_t count) {
    return std::string(count, c);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineReaders,
    ::testing::Values(
        ReaderCase{"ch_tab_and_crlf", get_line_ch, "A\tB\r\nnext", {"A B", "next"}},
        ReaderCase{"program_tab_and_crlf", get_line_program, "A\tB\r\nnext", {"A B", "next"}},
        ReaderCase{"ch_empty_lines", get_line_ch, "\n\nx\n", {"", "", "x"}},
        ReaderCase{"ch_last_line_without_end", get_line_ch, "a\nlast", {"a", "last"}},
        ReaderCase{"ch_returns_only_give_one_line", get_line_ch, "a\rb\rc", {"abc"}},
        ReaderCase{"program_returns_end_lines", get_line_program, "a\rb\rc", {"a", "b", "c"}},
        ReaderCase{
            "program_two_returns_give_an_empty_line", get_line_program, "a\r\rb", {"a", "", "b"}},
        ReaderCase{"program_return_at_the_end", get_line_program, "a\r", {"a"}},
        ReaderCase{"ch_drops_control_and_8_bit_bytes",
                   get_line_ch,
                   std::string("Caf\xe9\x01\x7f\x00!\n", 9),
                   {"Caf!"}},
        ReaderCase{"ch_cuts_long_lines_after_11264",
                   get_line_ch,
                   repeated('x', 20000),
                   {repeated('x', 11264), repeated('x', 8736)}},
        ReaderCase{"program_cuts_long_lines_after_10240",
                   get_line_program,
                   repeated('x', 20000),
                   {repeated('x', 10240), repeated('x', 9760)}},
        ReaderCase{"ch_line_of_exactly_one_step",
                   get_line_ch,
                   repeated('y', 1024) + "\r\nz",
                   {repeated('y', 1024), "z"}},
        ReaderCase{"plain_stops_at_return_not_at_line_feed",
                   get_line,
                   "a\nb\r\nc\rd",
                   {"a\nb", "c", "d"}}),
    [](const ::testing::TestParamInfo<ReaderCase>& info) { return info.param.name; });

TEST(LineReaderTest, ANumberNotOpenForReadingGivesTheEmptyText) {
    EXPECT_EQ(get_line_ch(200), "");
    EXPECT_EQ(get_line_program(-1), "");
    EXPECT_EQ(get_line(0), "");
}

}  // namespace
}  // namespace korv
