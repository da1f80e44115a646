// The fingerprint the datum list takes while it reads "datum.csv" must be the one it takes of the
// whole file when it looks for changes: otherwise it reads the file again for nothing, losing
// entries kept for the session only, or misses a change another copy of the program saved.

#include "content_fingerprint.h"

#include <gtest/gtest.h>

#include "input_file.h"
#include "line_reader.h"
#include "test_sandbox.h"

namespace korv {
namespace {

struct FileShape {
    const char* name;
    std::string content;
};

std::string lines(size_t count, const std::string& line) {
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        text += line + std::to_string(i) + "\r\n";
    }
    return text;
}

class FollowedFile : public ::testing::TestWithParam<FileShape> {};

TEST_P(FollowedFile, GivesTheFingerprintOfTheWholeFile) {
    testing::Sandbox sandbox;
    const std::string path = sandbox.path("datum.csv");
    testing::write_file(path, GetParam().content);
    const std::unique_ptr<InputFile> file = InputFile::open(path);
    ContentFingerprint followed;
    std::string line;
    while (!file->at_end()) {
        followed.follow(*file);
        read_line_program(*file, line);
    }
    followed.follow_to_end(*file);
    EXPECT_EQ(followed, ContentFingerprint::of_file(path));

    std::string changed = GetParam().content;
    changed[changed.size() / 2] ^= 1;
    testing::write_file(path, changed);
    EXPECT_NE(followed, ContentFingerprint::of_file(path)) << "a changed byte shows";
}

// Lines cross the 64 KB the file is read in at every place, and a line that is no text runs
// through several of them.
INSTANTIATE_TEST_SUITE_P(
    Shapes, FollowedFile,
    ::testing::Values(FileShape{"lines_across_buffers", lines(9000, "Shift,1,2,3,4,5,6,7,")},
                      FileShape{"a_line_of_control_characters_longer_than_buffers",
                                "Name,Dx,Rx\r\n" + std::string(200000, '\x01') + "\r\nlast"}),
    [](const ::testing::TestParamInfo<FileShape>& info) { return info.param.name; });

}  // namespace
}  // namespace korv
