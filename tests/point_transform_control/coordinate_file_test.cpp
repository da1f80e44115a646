#include "coordinate_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <QDir>
#include <csignal>
#include <filesystem>

#include "file_dialog.h"
#include "numeric_text.h"
#include "test_sandbox.h"
#include "text_files.h"
#include "utilities.h"

namespace korv {
namespace {

constexpr char kHeaderLine[] = "     Station        Depth      East       North\r\n";

CoordinateFileValues sample_values() {
    return {{1000, 2000, 500000.5, -7000000.25, 1100, 2000, 500100.5, -7000000.25}, 0, 1};
}

// Answers every file choice with one path (or a cancel) and remembers what was asked.
class CoordinateFile : public ::testing::Test {
protected:
    void SetUp() override {
        previous_dialog_ = set_file_dialog([this](const FileDialogRequest& request) {
            requests_.push_back(request);
            return answer_;
        });
    }
    void TearDown() override {
        set_file_dialog(std::move(previous_dialog_));
        EXPECT_EQ(free_file(), 1) << "every file was closed";
    }

    std::string choose(const std::string& name) {
        const std::string path = sandbox_.path(QString::fromStdString(name));
        answer_ = QString::fromStdString(path);
        return path;
    }
    void cancel() { answer_.reset(); }

    int32_t load(CoordinateFileValues& values) {
        return load_coordinate_file(utilities_, fields_, values);
    }
    int32_t load_content(const std::string& content, CoordinateFileValues& values) {
        testing::write_file(choose("in.crd"), content);
        return load(values);
    }

    testing::Sandbox sandbox_;
    testing::MessageRecorder messages_;
    Utilities utilities_;
    std::vector<std::string> fields_ = std::vector<std::string>(kFieldListSize);
    std::optional<QString> answer_;
    std::vector<FileDialogRequest> requests_;
    FileDialogFunction previous_dialog_;
};

TEST_F(CoordinateFile, IsWrittenByteForByte) {
    const std::string path = choose("out.crd");
    ASSERT_EQ(save_coordinate_file(utilities_, sample_values()), 0);
    EXPECT_EQ(testing::read_file(path), std::string(kHeaderLine) +
                                            "1000 2000 500000.5 -7000000.25\r\n"
                                            "1100 2000 500100.5 -7000000.25\r\n"
                                            "0 1\r\n");
    EXPECT_TRUE(messages_.messages().isEmpty());
    ASSERT_EQ(requests_.size(), 1u);
    EXPECT_EQ(requests_[0].kind, FileDialogRequest::Kind::kSave);
    EXPECT_EQ(requests_[0].title, "Specify the name of Coordinate transformation file");
    EXPECT_EQ(requests_[0].filter, "Coordinate Files (*.crd);;All files (*.*)");
    EXPECT_EQ(requests_[0].file_name, "*.crd");
    EXPECT_EQ(requests_[0].default_suffix, "crd");
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
    testing::MessageRecorder messages;
    const std::string path = sandbox.path("round.crd");
    const FileDialogFunction previous =
        set_file_dialog([&path](const FileDialogRequest&) { return QString::fromStdString(path); });
    Utilities utilities;
    std::vector<std::string> fields(kFieldListSize);
    ASSERT_EQ(save_coordinate_file(utilities, GetParam()), 0);
    CoordinateFileValues read{{9, 9, 9, 9, 9, 9, 9, 9}, 9, 9};
    EXPECT_EQ(load_coordinate_file(utilities, fields, read), 0);
    set_file_dialog(previous);
    const auto digits = [](const CoordinateFileValues& v) {
        std::string text;
        for (double value :
             {v.points.gxmin, v.points.gymin, v.points.mxmin, v.points.mymin, v.points.gxmax,
              v.points.gymax, v.points.mxmax, v.points.mymax, v.zshift, v.zscale}) {
            text += format_general(value) + ' ';
        }
        return text;
    };
    EXPECT_EQ(digits(read), digits(GetParam()));
    EXPECT_NEAR(read.points.mymax, GetParam().points.mymax,
                std::fabs(GetParam().points.mymax) * 1e-14);
    EXPECT_TRUE(messages.messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundTrip,
    ::testing::Values(sample_values(),
                      CoordinateFileValues{{1.0 / 3, 2.0 / 3, 6378137.123456789, -45.000000001,
                                            1234567.89012345678, 1e-5, 6378237.98765432, 1e15},
                                           -123.456789012345678,
                                           0.999999999999999},
                      CoordinateFileValues{{-1e300, 0, 1e-300, 5, 1e300, 7, -5e-324, 17}, 0, 0}));

TEST_F(CoordinateFile, CancelledChoicesTouchNothing) {
    cancel();
    EXPECT_EQ(save_coordinate_file(utilities_, sample_values()), -1);
    CoordinateFileValues values = sample_values();
    EXPECT_EQ(load(values), -1);
    EXPECT_EQ(values, sample_values());
    EXPECT_TRUE(messages_.messages().isEmpty());
    EXPECT_TRUE(QDir(sandbox_.folder()).isEmpty(QDir::NoDotAndDotDot | QDir::AllEntries));
    ASSERT_EQ(requests_.size(), 2u);
    EXPECT_EQ(requests_[1].kind, FileDialogRequest::Kind::kOpen);
    EXPECT_EQ(requests_[1].file_name, "");
    EXPECT_EQ(requests_[1].title, "Specify the name of Coordinate transformation file");
}

struct ReadCase {
    const char* name;
    std::string content;
    CoordinateFileValues values;
    int32_t ierr;
    QStringList messages;
};

class ReadFile : public CoordinateFile, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadFile, GivesTheValuesAndMessages) {
    CoordinateFileValues values{{9, 9, 9, 9, 9, 9, 9, 9}, 9, 9};
    EXPECT_EQ(load_content(GetParam().content, values), GetParam().ierr);
    EXPECT_EQ(values, GetParam().values);
    EXPECT_EQ(messages_.messages(), GetParam().messages);
}

const QString kGridTooClose = "The start and end grid coordinates cannot be identical";
const QString kMapTooClose = "The start and end map coordinates cannot be identical";
const std::string kHeader = kHeaderLine;

INSTANTIATE_TEST_SUITE_P(
    Files, ReadFile,
    ::testing::Values(
        ReadCase{"FourFieldLinesAndElevation",
                 kHeader + "0 0 100 100\r\n10 0 100 120\r\n2.5 0.3048\r\n",
                 {{0, 0, 100, 100, 10, 0, 100, 120}, 2.5, 0.3048},
                 0,
                 {}},
        ReadCase{"BlanksBesideTheElevationCommaAreOneSeparator",
                 kHeader + "0 0 100 100\r\n10 0 100 120\r\n2.5 ,0.3048\r\n",
                 {{0, 0, 100, 100, 10, 0, 100, 120}, 2.5, 0.3048},
                 0,
                 {}},
        ReadCase{"LabelledFiveFieldLinesHaveNoElevationLine",
                 kHeader + "P1 0 0 100 100\r\nP2 10 0 100 120\r\n2.5 0.3048\r\n",
                 {{0, 0, 100, 100, 10, 0, 100, 120}, 0, 1},
                 0,
                 {}},
        ReadCase{"FileEndingAfterTheSecondPointMeansNoElevationChange",
                 kHeader + "0 0 100 100\r\n10 0 100 120\r\n",
                 {{0, 0, 100, 100, 10, 0, 100, 120}, 0, 1},
                 0,
                 {}},
        ReadCase{"NonNumericElevationLineMeansNoElevationChange",
                 kHeader + "0 0 100 100\r\n10 0 100 120\r\nshift scale\r\n",
                 {{0, 0, 100, 100, 10, 0, 100, 120}, 0, 1},
                 0,
                 {}},
        ReadCase{"ElevationLineWithTheShiftAlone",
                 kHeader + "0 0 100 100\r\n10 0 100 120\r\n-3\r\n",
                 {{0, 0, 100, 100, 10, 0, 100, 120}, -3, 1},
                 0,
                 {}},
        ReadCase{"AnExplicitElevationScaleOfZeroIsKept",
                 "\n0,0,100,100\n10\t0\t100\t120\n1,0\n",
                 {{0, 0, 100, 100, 10, 0, 100, 120}, 1, 0},
                 0,
                 {}},
        ReadCase{"ShortLineReadsZeroWhereAnEarlierLineHadFields",
                 kHeader + "P1 1 2 3 4 5 6\r\n20\r\n",
                 {{1, 2, 3, 4, 0, 0, 0, 0}, 0, 1},
                 0,
                 {}},
        ReadCase{"GridPointsHalfApart",
                 kHeader + "0 0 100 100\r\n0.5 0 100 120\r\n0 1\r\n",
                 {{0, 0, 100, 100, 0.5, 0, 100, 120}, 0, 1},
                 -1,
                 {kGridTooClose}},
        ReadCase{"GridAndMapPointsHalfApart",
                 kHeader + "0 0 100 100\r\n0 0.5 100.3 100.4\r\n0 1\r\n",
                 {{0, 0, 100, 100, 0, 0.5, 100.3, 100.4}, 0, 1},
                 -1,
                 {kGridTooClose, kMapTooClose}},
        ReadCase{
            "EmptyFile", "", {{0, 0, 0, 0, 0, 0, 0, 0}, 0, 1}, -1, {kGridTooClose, kMapTooClose}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CoordinateFile, ANumberTooLargeLeavesTheValuesAndSaysSo) {
    CoordinateFileValues values = sample_values();
    EXPECT_EQ(load_content(kHeader + "0 0 100 100\r\n1e999 0 100 120\r\n", values), -1);
    EXPECT_EQ(values, sample_values());
    ASSERT_EQ(messages_.messages().size(), 1);
    EXPECT_TRUE(messages_.messages()[0].endsWith("holds a number too large to use."));
}

struct UnreadableCase {
    const char* name;
    std::string path;  // empty: the sandbox folder itself
    const char* ending;
};

class UnreadableFile : public CoordinateFile,
                       public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableFile, FailsWithAMessageAndLeavesTheValues) {
    const std::string path =
        GetParam().path.empty() ? sandbox_.folder().toStdString() : GetParam().path;
    answer_ = QString::fromStdString(path);
    CoordinateFileValues values = sample_values();
    EXPECT_EQ(load(values), -1);
    EXPECT_EQ(values, sample_values());
    EXPECT_EQ(
        messages_.messages(),
        QStringList{QString("The coordinate file \"%1\" %2").arg(path.c_str(), GetParam().ending)});
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadableFile,
                         ::testing::Values(UnreadableCase{"Missing", "/nonexistent/folder/a.crd",
                                                          "could not be opened."},
                                           UnreadableCase{"AFolder", "", "could not be opened."},
                                           // Opens, but reading its first bytes fails.
                                           UnreadableCase{"ReadError", "/proc/self/mem",
                                                          "could not be read."}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CoordinateFile, AFileThatCannotBeCreatedIsReported) {
    // A folder that is not there, and a folder where the file should be.
    std::filesystem::create_directory(sandbox_.path("folder.crd"));
    for (const std::string& path : {sandbox_.path("gone/out.crd"), sandbox_.path("folder.crd")}) {
        messages_.clear();
        answer_ = QString::fromStdString(path);
        EXPECT_EQ(save_coordinate_file(utilities_, sample_values()), -1) << path;
        EXPECT_EQ(messages_.messages(),
                  QStringList{QString("The coordinate file \"%1\" could not be written; a file of "
                                      "that name that was there before is unchanged.")
                                  .arg(path.c_str())});
    }
    EXPECT_FALSE(std::filesystem::exists(sandbox_.path("gone")));
    EXPECT_EQ(QDir(sandbox_.folder()).entryList(QDir::Files), QStringList{})
        << "nothing half written is left beside it";
}

TEST_F(CoordinateFile, AFullDiskLeavesTheEarlierFileWhole) {
    const std::string path = choose("kept.crd");
    const std::string good = std::string(kHeaderLine) + "0 0 1 1\r\n5 5 6 6\r\n0 1\r\n";
    testing::write_file(path, good);
    // A file size limit makes writes fail as a full disk does.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 60;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int32_t ierr = save_coordinate_file(utilities_, sample_values());
    setrlimit(RLIMIT_FSIZE, &previous);
    EXPECT_EQ(ierr, -1);
    EXPECT_EQ(messages_.messages().size(), 1);
    EXPECT_EQ(testing::read_file(path), good);
    EXPECT_EQ(QDir(sandbox_.folder()).entryList(QDir::Files), QStringList{"kept.crd"})
        << "nothing half written is left beside it";
}

TEST_F(CoordinateFile, ValuesThatAreNotFiniteAreNotSaved) {
    choose("out.crd");
    CoordinateFileValues values = sample_values();
    values.zscale = std::numeric_limits<double>::infinity();
    EXPECT_EQ(save_coordinate_file(utilities_, values), -1);
    EXPECT_EQ(messages_.messages().size(), 1);
    EXPECT_FALSE(std::filesystem::exists(sandbox_.path("out.crd")));
}

TEST_F(CoordinateFile, TheCurrentDirectoryIsTheSameAfterwards) {
    const QString start = QDir::currentPath();
    const std::string path = choose("dir.crd");
    // A file dialog may change the current directory; the operations put it back, also when
    // they fail.
    set_file_dialog([&path](const FileDialogRequest&) {
        QDir::setCurrent(QDir::rootPath());
        return QString::fromStdString(path);
    });
    EXPECT_EQ(save_coordinate_file(utilities_, sample_values()), 0);
    EXPECT_EQ(QDir::currentPath(), start);
    CoordinateFileValues values;
    EXPECT_EQ(load(values), 0);
    EXPECT_EQ(QDir::currentPath(), start);
    std::filesystem::remove(path);
    EXPECT_EQ(load(values), -1);
    EXPECT_EQ(QDir::currentPath(), start);
}

}  // namespace
}  // namespace korv
