// quarrow-convert as a user runs it: lines with their labels, separators and line endings kept,
// refused lines and the exit status, the stored definition and datum list, an output file that a
// killed or interrupted run never leaves half written, and agreement with PROJ's cct running the
// pipeline the program prints.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <fstream>
#include <sstream>

#include "test_records.h"
#include "test_sandbox.h"

namespace korv::testing {
namespace {

const QString kAmg55 = QStringLiteral(" 1; 1; 2;-177; 0; 0; 0| 500000; 10000000; 0.9996; 6; 55");
const QString kAgd66Values = QStringLiteral("-117.808,-51.536,137.784,-0.303,-0.446,-0.234,-0.290");

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// The test's own environment; in the sanitizer build the program also gets the list of leaks
// that are not this project's.
QProcessEnvironment child_environment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LSAN_OPTIONS", "suppressions=" KORV_LSAN_SUPPRESSIONS);
    return environment;
}

Outcome run(const QString& program, const QStringList& arguments, const std::string& input = {},
            const QProcessEnvironment& environment = child_environment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.write(input.data(), static_cast<qint64>(input.size()));
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

Outcome run(const QStringList& arguments, const std::string& input = {}) {
    return run(QStringLiteral(QUARROW_CONVERT_PROGRAM), arguments, input);
}

struct LinesCase {
    const char* name;
    QStringList arguments;
    std::string input;
    std::string output;
    int status;
    std::string error_part;
};

class Lines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(Lines, GiveTheirOutputAndStatus) {
    const LinesCase& c = GetParam();
    const Outcome result = run(c.arguments, c.input);
    EXPECT_EQ(result.out, c.output);
    EXPECT_EQ(result.status, c.status);
    EXPECT_NE(result.err.find(c.error_part), std::string::npos) << result.err;
}

const QStringList kGridToGeographic = {"--system",    kAmg55, "--from",
                                       "source-grid", "--to", "source-geographic"};

INSTANTIATE_TEST_SUITE_P(
    QuarrowConvert, Lines,
    ::testing::Values(
        LinesCase{"LabelsSeparatorsAndLineEndsKept", kGridToGeographic,
                  "P1, 320000, 5810000, 12.5\r\n# a comment\n\n  P2;320000;5810000\n"
                  "P3\t320000\t5810000\n320000 5810000",
                  "P1, 144.954388661, -37.839557195, 12.5000\r\n# a comment\n\n"
                  "  P2;144.954388661;-37.839557195\nP3\t144.954388661\t-37.839557195\n"
                  "144.954388661 -37.839557195",
                  0, ""},
        LinesCase{"NumericLabelsWithLabels", kGridToGeographic + QStringList{"--labels"},
                  "7 320000 5810000\n", "7 144.954388661 -37.839557195\n", 0, ""},
        LinesCase{"DialogAnglesReadAndWritten",
                  {"--system", kAmg55, "--from", "source-geographic", "--to", "map-geographic",
                   "--format", "dms", "--shift", "None"},
                  "A,144 57 16.0,-37 50 22.4\n",
                  "A,144 57 16.00,-37 50 22.40\n",
                  0,
                  ""},
        LinesCase{"RefusedLinesKeepTheirLabel", kGridToGeographic,
                  "P1 320000 5810000\nP2 abc 5810000\nP3\nP4 2e7 5e6\n",
                  "P1 144.954388661 -37.839557195\nP2 * *\nP3 * *\nP4 * *\n", 1,
                  "line 2: the easting is not a number\nline 3: the line does not hold two or "
                  "three values, optionally led by a label\nline 4: the point cannot be "
                  "converted with the coordinate system of the source data\n"},
        LinesCase{"OverlongLineRefusedUnread", kGridToGeographic,
                  std::string(200000, '1') + "\n320000 5810000\n",
                  "* *\n144.954388661 -37.839557195\n", 1, "line 1: the line is too long"},
        LinesCase{"LatitudeBeyondThePanelsLimit",
                  {"--system", kAmg55, "--from", "map-geographic", "--to", "map-grid"},
                  "147 89\n147 -89.5\n",
                  "500000.0000 19886350.9910\n* *\n",
                  1,
                  "line 2: the latitude lies outside -89..89"},
        LinesCase{"BadOption", kGridToGeographic + QStringList{"--to", "map"}, "1 2\n", "", 2,
                  "--to \"map\": it takes"},
        LinesCase{"UnreadableInput", kGridToGeographic + QStringList{"/no/such/file"}, "", "", 2,
                  "cannot read /no/such/file"},
        LinesCase{"LocalGridRefusedAtOnce",
                  {"--system", " 1; 0; 2; 0; 0; 0; 0| 0; 0; 1; 6; 55", "--from", "source-grid",
                   "--to", "source-geographic"},
                  "1 2\n",
                  "",
                  2,
                  "a local grid has no projection"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuarrowConvertInputs, StoredDefinitionAndListedShiftAsGivenOnTheCommandLine) {
    // A copy of the program in a folder of its own, beside a datum list of its own, with the
    // stored MGA zone 55 of a settings store of its own.
    const Sandbox sandbox;
    ASSERT_TRUE(store_mga_zone55());
    const QString program = sandbox.folder() + "/quarrow-convert";
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUARROW_CONVERT_PROGRAM), program));
    write_file(sandbox.path("datum.csv"),
               "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc\nMy Shift,-117.808,-51.536,137.784,-0.303,-0.446,"
               "-0.234,-0.290\n");
    QProcessEnvironment environment = child_environment();
    environment.insert("XDG_CONFIG_HOME", sandbox.folder());
    environment.insert("LD_LIBRARY_PATH",
                       QFileInfo(QStringLiteral(QUARROW_CONVERT_PROGRAM)).absolutePath());
    const std::string points = "320000 5810000 10\n700000 6200000\n";
    const Outcome stored =
        run(program, {"--from", "source-grid", "--to", "map-grid", "--shift", "  my SHIFT"}, points,
            environment);
    const Outcome given =
        run(program,
            {"--system", " 12; 2; 2;-177; 0; 0; 0| 500000; 10000000; 0.9996; 6; 55", "--from",
             "source-grid", "--to", "map-grid", "--shift-parameters", kAgd66Values},
            points, environment);
    EXPECT_EQ(stored.status, 0) << stored.err;
    EXPECT_EQ(stored.out, given.out);
    EXPECT_NE(stored.out, points);
    EXPECT_EQ(run(program, {"--from", "source-grid", "--to", "map-grid", "--shift", "Other"},
                  points, environment)
                  .status,
              2);
}

// The program killed or interrupted while it writes: the target keeps its old content.
class Stopped : public ::testing::TestWithParam<int> {};

TEST_P(Stopped, RunLeavesTheTargetAsItWas) {
    const QTemporaryDir folder;
    const std::string input = folder.filePath("points.txt").toStdString();
    const QString target = folder.filePath("out.txt");
    {
        std::ofstream file(input);
        for (int i = 0; i < 3000000; ++i) {
            file << 300000 + i % 400000 << ".5 " << 5800000 + i % 1000000 << ".25\n";
        }
    }
    write_file(target.toStdString(), "old\n");
    QProcess process;
    process.start(QStringLiteral(QUARROW_CONVERT_PROGRAM),
                  kGridToGeographic + QStringList{QString::fromStdString(input), target});
    ASSERT_TRUE(process.waitForStarted());
    // Stopped once the file beside the target holds part of the output.
    bool writing = false;
    for (int i = 0; i < 2000 && !writing; ++i) {
        QThread::msleep(5);
        for (const QFileInfo& file : QDir(folder.path()).entryInfoList({"out.txt.*.part"})) {
            writing = writing || file.size() > 0;
        }
    }
    ASSERT_TRUE(writing);
    ::kill(static_cast<pid_t>(process.processId()), GetParam());
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(read_file(target.toStdString()), "old\n");
    if (GetParam() == SIGINT) {
        // An interrupted run removes what it wrote; a killed one cannot.
        EXPECT_TRUE(QDir(folder.path()).entryList({"out.txt.*.part"}).isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(QuarrowConvert, Stopped, ::testing::Values(SIGKILL, SIGINT));

// PROJ's cct, running the pipeline --show proj prints, gives every point within 1e-9 degrees
// or 0.1 mm (the program's own output is rounded to 9 and 4 decimals).
class CctAgreement : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(CctAgreement, EveryPoint) {
    const QString cct = QStandardPaths::findExecutable("cct");
    if (cct.isEmpty()) {
        GTEST_SKIP() << "cct is not installed";
    }
    const auto [from, to] = GetParam();
    const QStringList arguments = {
        "--system",           kAmg55,       "--from",         from, "--to", to,
        "--shift-parameters", kAgd66Values, "--map-spheroid", "12"};
    const bool from_grid = std::string(from).ends_with("grid");
    std::string input;
    for (int i = 0; i < 200; ++i) {
        std::ostringstream line;
        line.precision(12);
        if (from_grid) {
            line << 250000 + 2711.3 * i << " " << 5700000 + 7013.7 * i << " " << i * 3.5;
        } else {
            line << 144 + 0.0271 * i << " " << -38 + 0.071 * i << " " << i * 3.5;
        }
        input += line.str() + "\n";
    }
    const Outcome pipeline = run(arguments + QStringList{"--show", "proj"});
    ASSERT_EQ(pipeline.status, 0) << pipeline.err;
    const Outcome ours = run(arguments, input);
    ASSERT_EQ(ours.status, 0) << ours.err;
    const Outcome theirs = run(
        cct, QStringList{"-d", "12"} + QString::fromStdString(pipeline.out).trimmed().split(' '),
        input);
    ASSERT_EQ(theirs.status, 0) << theirs.err;
    const double tolerance = std::string(to).ends_with("grid") ? 1e-4 : 1e-9;
    std::istringstream our_lines(ours.out), their_lines(theirs.out);
    std::string our_line, their_line;
    int compared = 0;
    while (std::getline(our_lines, our_line) && std::getline(their_lines, their_line)) {
        std::istringstream a(our_line), b(their_line);
        double x1, y1, h1, x2, y2, h2;
        ASSERT_TRUE(a >> x1 >> y1 >> h1 && b >> x2 >> y2 >> h2) << our_line << " | " << their_line;
        EXPECT_NEAR(x1, x2, tolerance) << our_line << " | " << their_line;
        EXPECT_NEAR(y1, y2, tolerance) << our_line << " | " << their_line;
        EXPECT_NEAR(h1, h2, 1e-4) << our_line << " | " << their_line;
        ++compared;
    }
    EXPECT_EQ(compared, 200);
}

INSTANTIATE_TEST_SUITE_P(QuarrowConvert, CctAgreement,
                         ::testing::Values(std::pair{"source-grid", "map-geographic"},
                                           std::pair{"map-geographic", "source-grid"},
                                           std::pair{"map-grid", "source-geographic"},
                                           std::pair{"source-geographic", "map-grid"}));

}  // namespace
}  // namespace korv::testing
