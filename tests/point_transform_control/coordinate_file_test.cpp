#include "coordinate_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QDir>
#include <csignal>
#include <filesystem>

#include "numeric_text.h"
#include "test_sandbox.h"

namespace korv {
namespace {

constexpr char kHeaderLine[] = "     Station        Depth      East       North\r\n";

CoordinateFileValues sample_values() {
    return {{1000, 2000, 500000.5, -7000000.25, 1100, 2000, 500100.5, -7000000.25}, 0, 1};
}

class CoordinateFile : public ::testing::Test {
protected:
    std::string path(const std::string& name) {
        return sandbox_.path(QString::fromStdString(name));
    }
    Result<CoordinateFileValues> read_content(const std::string& content) {
        const std::string in = path("in.crd");
        testing::write_file(in, content);
        return read_coordinate_file(in);
    }

    testing::Sandbox sandbox_;
};

TEST_F(CoordinateFile, IsWrittenByteForByte) {
    const std::string out = path("out.crd");
    ASSERT_TRUE(write_coordinate_file(out, sample_values()).ok());
    EXPECT_EQ(testing::read_file(out), std::string(kHeaderLine) +
                                           "1000 2000 500000.5 -7000000.25\r\n"
                                           "1100 2000 500100.5 -7000000.25\r\n"
                                           "0 1\r\n");
}

TEST(CoordinateFileLines, UseTheGeneralFormatWithOneBlankBetweenNumbers) {
    const CoordinateFileValues values{
        {1e-16, -0.000123, 123456789012345678.0, 1.0 / 3, 0, -0.0, 2.5e20, 99.125}, -1.5, 0.3048};
    const std::array<std::string, 4> lines = coordinate_file_lines(values);
    EXPECT_EQ(lines[0].size(), 47u);
    EXPECT_EQ(lines[1], "1E-16 -0.000123 1.23456789012346E+17 0.333333333333333");
    EXPECT_EQ(lines[2], "0 0 2.5E+20 99.125");
    EXPECT_EQ(lines[3], "-1.5 0.3048");
}

class RoundTrip : public ::testing::TestWithParam<CoordinateFileValues> {};

TEST_P(RoundTrip, GivesTheSameValuesTo15SignificantDigits) {
    testing::Sandbox sandbox;
    const std::string path = sandbox.path("round.crd");
    ASSERT_TRUE(write_coordinate_file(path, GetParam()).ok());
    const Result<CoordinateFileValues> read = read_coordinate_file(path);
    ASSERT_TRUE(read.ok()) << read.message();
    const auto digits = [](const CoordinateFileValues& v) {
        std::string text;
        for (double value :
             {v.points.original_first.east, v.points.original_first.north, v.points.new_first.east,
              v.points.new_first.north, v.points.original_second.east,
              v.points.original_second.north, v.points.new_second.east, v.points.new_second.north,
              v.zshift, v.zscale}) {
            text += format_general(value) + ' ';
        }
        return text;
    };
    EXPECT_EQ(digits(*read), digits(GetParam()));
    EXPECT_NEAR(read->points.new_second.north, GetParam().points.new_second.north,
                std::fabs(GetParam().points.new_second.north) * 1e-14);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundTrip,
    ::testing::Values(sample_values(),
                      CoordinateFileValues{{1.0 / 3, 2.0 / 3, 6378137.123456789, -45.000000001,
                                            1234567.89012345678, 1e-5, 6378237.98765432, 1e15},
                                           -123.456789012345678,
                                           0.999999999999999},
                      CoordinateFileValues{{-1e300, 0, 1e-300, 5, 1e300, 7, -5e-324, 17}, 0, 0}));

struct ReadCase {
    const char* name;
    std::string content;
    CoordinateFileValues values;
    std::vector<std::string> messages;  // of the baseline checks that fail
};

class ReadFile : public CoordinateFile, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadFile, GivesTheValuesAndTheBaselineChecks) {
    const Result<CoordinateFileValues> read = read_content(GetParam().content);
    ASSERT_TRUE(read.ok()) << read.message();
    EXPECT_EQ(*read, GetParam().values);
    std::vector<std::string> messages;
    for (const Status& check : check_file_baselines(read->points)) {
        if (!check) {
            messages.push_back(check.message());
        }
    }
    EXPECT_EQ(messages, GetParam().messages);
}

const std::string kGridTooClose = "The start and end grid coordinates cannot be identical";
const std::string kMapTooClose = "The start and end map coordinates cannot be identical";
const std::string kHeader = kHeaderLine;

INSTANTIATE_TEST_SUITE_P(
    Files, ReadFile,
    ::testing::Values(
        ReadCase{"FourFieldLinesAndElevation",
                 kHeader + "0 0 100 100\r\n10 0 100 120\r\n2.5 0.3048\r\n",
                 {{0, 0, 100, 100, 10, 0, 100, 120}, 2.5, 0.3048},
                 {}},
        ReadCase{"BlanksBesideTheElevationCommaAreOneSeparator",
                 kHeader + "0 0 100 100\r\n10 0 100 120\r\n2.5 ,0.3048\r\n",
                 {{0, 0, 100, 100, 10, 0, 100, 120}, 2.5, 0.3048},
                 {}},
        ReadCase{"LabelledFiveFieldLinesHaveNoElevationLine",
                 kHeader + "P1 0 0 100 100\r\nP2 10 0 100 120\r\n2.5 0.3048\r\n",
                 {{0, 0, 100, 100, 10, 0, 100, 120}, 0, 1},
                 {}},
        ReadCase{"FileEndingAfterTheSecondPointMeansNoElevationChange",
                 kHeader + "0 0 100 100\r\n10 0 100 120\r\n",
                 {{0, 0, 100, 100, 10, 0, 100, 120}, 0, 1},
                 {}},
        ReadCase{"NonNumericElevationLineMeansNoElevationChange",
                 kHeader + "0 0 100 100\r\n10 0 100 120\r\nshift scale\r\n",
                 {{0, 0, 100, 100, 10, 0, 100, 120}, 0, 1},
                 {}},
        ReadCase{"ElevationLineWithTheShiftAlone",
                 kHeader + "0 0 100 100\r\n10 0 100 120\r\n-3\r\n",
                 {{0, 0, 100, 100, 10, 0, 100, 120}, -3, 1},
                 {}},
        ReadCase{"AnExplicitElevationScaleOfZeroIsKept",
                 "\n0,0,100,100\n10\t0\t100\t120\n1,0\n",
                 {{0, 0, 100, 100, 10, 0, 100, 120}, 1, 0},
                 {}},
        ReadCase{"ShortLineReadsZeroWhereAnEarlierLineHadFields",
                 kHeader + "P1 1 2 3 4 5 6\r\n20\r\n",
                 {{1, 2, 3, 4, 0, 0, 0, 0}, 0, 1},
                 {}},
        ReadCase{"GridPointsHalfApart",
                 kHeader + "0 0 100 100\r\n0.5 0 100 120\r\n0 1\r\n",
                 {{0, 0, 100, 100, 0.5, 0, 100, 120}, 0, 1},
                 {kGridTooClose}},
        ReadCase{"GridAndMapPointsHalfApart",
                 kHeader + "0 0 100 100\r\n0 0.5 100.3 100.4\r\n0 1\r\n",
                 {{0, 0, 100, 100, 0, 0.5, 100.3, 100.4}, 0, 1},
                 {kGridTooClose, kMapTooClose}},
        ReadCase{"EmptyFile", "", {{0, 0, 0, 0, 0, 0, 0, 0}, 0, 1}, {kGridTooClose, kMapTooClose}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CoordinateFile, ANumberTooLargeIsRefused) {
    const Result<CoordinateFileValues> read =
        read_content(kHeader + "0 0 100 100\r\n1e999 0 100 120\r\n");
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error().code, ErrorCode::kCoordinateFileTooLarge);
}

struct UnreadableCase {
    const char* name;
    std::string path;  // empty: the sandbox folder itself
    ErrorCode code;
};

class UnreadableFile : public CoordinateFile,
                       public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableFile, IsRefusedWithItsMessage) {
    const std::string path =
        GetParam().path.empty() ? sandbox_.folder().toStdString() : GetParam().path;
    const Result<CoordinateFileValues> read = read_coordinate_file(path);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error(), Error(GetParam().code, {path}));
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadableFile,
                         ::testing::Values(UnreadableCase{"Missing", "/nonexistent/folder/a.crd",
                                                          ErrorCode::kCoordinateFileNotOpened},
                                           UnreadableCase{"AFolder", "",
                                                          ErrorCode::kCoordinateFileNotOpened},
                                           // Opens, but reading its first bytes fails.
                                           UnreadableCase{"ReadError", "/proc/self/mem",
                                                          ErrorCode::kCoordinateFileNotRead}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CoordinateFile, AFileThatCannotBeCreatedIsReported) {
    // A folder that is not there, and a folder where the file should be.
    std::filesystem::create_directory(path("folder.crd"));
    for (const std::string& target : {path("gone/out.crd"), path("folder.crd")}) {
        const Status written = write_coordinate_file(target, sample_values());
        ASSERT_FALSE(written.ok()) << target;
        EXPECT_EQ(written.error(), Error(ErrorCode::kCoordinateFileNotWritten, {target}));
    }
    EXPECT_FALSE(std::filesystem::exists(path("gone")));
    EXPECT_EQ(QDir(sandbox_.folder()).entryList(QDir::Files), QStringList{})
        << "nothing half written is left beside it";
}

TEST_F(CoordinateFile, AFullDiskLeavesTheEarlierFileWhole) {
    const std::string kept = path("kept.crd");
    const std::string good = std::string(kHeaderLine) + "0 0 1 1\r\n5 5 6 6\r\n0 1\r\n";
    testing::write_file(kept, good);
    // A file size limit makes writes fail as a full disk does.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 60;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status written = write_coordinate_file(kept, sample_values());
    setrlimit(RLIMIT_FSIZE, &previous);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error(), Error(ErrorCode::kCoordinateFileNotWritten, {kept}));
    EXPECT_EQ(testing::read_file(kept), good);
    EXPECT_EQ(QDir(sandbox_.folder()).entryList(QDir::Files), QStringList{"kept.crd"})
        << "nothing half written is left beside it";
}

TEST_F(CoordinateFile, ValuesThatAreNotFiniteAreNotSaved) {
    CoordinateFileValues values = sample_values();
    values.zscale = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(check_savable(values).ok());
    const Status written = write_coordinate_file(path("out.crd"), values);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.message(),
              "The transform holds a value that is not a finite number and cannot be saved.");
    EXPECT_FALSE(std::filesystem::exists(path("out.crd")));
}

}  // namespace
}  // namespace korv
