// quarrow-convert as a user runs it: lines with their labels, separators, comments and line
// endings kept, headers, refused lines and the exit status, strict options, the stored definition
// and datum list, outputs that are never harmed (the input under another name, a device, a link,
// a read-only file) and never left half written by a killed or interrupted run, and agreement with
// PROJ's cct running the pipeline the program prints.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
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

// MGA zone 55 to GDA94 by way of AGD66 to GDA94 (4), for New South Wales and Victoria: a point in
// Victoria, one in Queensland and one in the sea south of both.
const QStringList kByCodes = {
    "--system", "EPSG:28355", "--shift",     "EPSG:1460", "--map-spheroid",
    "12",       "--from",     "source-grid", "--to",      "map-geographic"};
const std::string kNearAndFar = "P1 320000 5810000 10\nP2 500000 7800000\nP3 100000 5000000\n";
const std::string kNearAndFarConverted =
    "P1 144.955686001 -37.838183600 -24.2503\nP2 147.001108375 -19.894710855\n"
    "P3 141.922758272 -45.038982209\n";

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
        LinesCase{"SpreadsheetFileWithByteOrderMarkHeaderAndCommaTab", kGridToGeographic,
                  "\xEF\xBB\xBFName,Easting,Northing\r\nP1,\t320000,\t5810000\r\n",
                  "\xEF\xBB\xBFName,Easting,Northing\r\nP1,\t144.954388661,\t-37.839557195\r\n", 0,
                  ""},
        LinesCase{"CarriageReturnsEndLines", kGridToGeographic, "E N\r320000 5810000\r\r",
                  "E N\r144.954388661 -37.839557195\r\r", 0, ""},
        LinesCase{"LabelsWithBlanksAndCommentsKept", kGridToGeographic,
                  "Trig A 320000 5810000 1 # 1978\nTrig B x 5810000 # bad\n  # indented\n",
                  "Trig A 144.954388661 -37.839557195 1.0000 # 1978\nTrig B * * # bad\n"
                  "  # indented\n",
                  1, "line 2: the easting is not a number"},
        LinesCase{"AScreenfulOfRefusalsThenTheirCount", kGridToGeographic,
                  QByteArray("x 1\n").repeated(25).toStdString() + "320000 5810000\n",
                  QByteArray("* *\n").repeated(25).toStdString() + "144.954388661 -37.839557195\n",
                  1, "line 20: the easting is not a number\nquarrow-convert: 5 more lines refused"},
        LinesCase{"DashForInputAndOutput", kGridToGeographic + QStringList{"-", "-"},
                  "320000 5810000\n", "144.954388661 -37.839557195\n", 0, ""},
        LinesCase{
            "OneShiftOnly",
            kGridToGeographic + QStringList{"--shift", "None", "--shift-parameters", kAgd66Values},
            "1 2\n", "", 2, "give either --shift or --shift-parameters"},
        LinesCase{"TypoInStoredList",
                  {"--system", " 1; 1; 2;-177; 0; 0; 0| 5OOOOO; 1E7; 0.9996; 6; 55", "--from",
                   "source-grid", "--to", "map-grid"},
                  "1 2\n",
                  "",
                  2,
                  "the false easting \"5OOOOO\" is not a number"},
        LinesCase{"ZoneOutOfRange", kGridToGeographic + QStringList{"--zone", "9999999999"},
                  "1 2\n", "", 2, "--zone \"9999999999\" is out of range"},
        LinesCase{"PointsOutsideTheAreasOfUseCountedAndConverted", kByCodes, kNearAndFar,
                  kNearAndFarConverted, 0,
                  "1 of 3 points lie outside the area of use of EPSG:5551 or EPSG:7855 or "
                  "EPSG:28355 (Papua New Guinea - 144°E to 150°E; Australia - 144°E to 150°E)\n"
                  "quarrow-convert: 2 of 3 points lie outside the area of use of EPSG:1460 AGD66 "
                  "to GDA94 (4) (Australia - New South Wales and Victoria)"},
        LinesCase{
            "PointsOutsideTheAreasOfUseRefusedWhenAsked",
            kByCodes + QStringList{"--refuse-outside"}, kNearAndFar,
            kNearAndFarConverted.substr(0, kNearAndFarConverted.find("P2")) + "P2 * *\nP3 * *\n", 1,
            "line 2: the point lies outside the area of use of the datum shift\nline 3: the "
            "point lies outside the area of use of the coordinate system\n"},
        LinesCase{"SpheroidTheDialogLacksRefusedWithTheCode",
                  {"--system", "epsg:5589", "--show", "epsg"},
                  "",
                  "",
                  2,
                  "EPSG:5589: the spheroid Clarke 1858 is not in the list"},
        LinesCase{"EverySystemADefinitionIs",
                  {"--system", kAmg55, "--show", "epsg"},
                  "",
                  "EPSG:20255 AGD66 / AMG zone 55\nEPSG:20355 AGD84 / AMG zone 55\n",
                  0,
                  ""},
        LinesCase{"PublishedShiftsByWords",
                  {"--list-shifts", "jad69", "WGS", "84"},
                  "",
                  "EPSG:1084\tJAD69 to WGS 84 (1)\t5 m\tJamaica - onshore\tcurrent\n"
                  "EPSG:1085\tJAD69 to WGS 84 (2)\t2 m\tJamaica - onshore\tcurrent\n"
                  "EPSG:1086\tJAD69 to WGS 84 (3)\t1 m\tJamaica - onshore\tdeprecated\n"
                  "EPSG:15927\tJAD69 to WGS 84 (3)\t1 m\tJamaica - onshore\tcurrent\n",
                  0,
                  ""},
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

TEST(QuarrowConvertFormats, DialogAnglesReadBackToThePrintedPrecision) {
    const QStringList there = {
        "--system",       kAmg55,     "--from", "source-grid",        "--to",
        "map-geographic", "--format", "dms",    "--shift-parameters", kAgd66Values};
    const QStringList back = {"--system",           kAmg55,      "--from",
                              "map-geographic",     "--to",      "source-grid",
                              "--shift-parameters", kAgd66Values};
    const std::string points = "P1 320000.1234 5810000.5678 12.5\nP2 700000 6200000 -3\n";
    const Outcome dms = run(there, points);
    ASSERT_EQ(dms.status, 0) << dms.err;
    const Outcome returned = run(back, dms.out);
    EXPECT_EQ(returned.status, 0) << returned.err;
    // 1e-5 seconds of arc is 0.3 mm on the ground.
    std::istringstream got(returned.out), given(points);
    std::string label;
    for (double x, y, h, x0, y0, h0;
         got >> label >> x >> y >> h && given >> label >> x0 >> y0 >> h0;) {
        EXPECT_LT(std::hypot(x - x0, y - y0, h - h0), 1e-3) << returned.out;
    }
    EXPECT_EQ(std::count(returned.out.begin(), returned.out.end(), '\n'), 2);
}

// OUTPUT as a user may name it, beside the input "in.txt": what a run does to either.
struct OutputCase {
    const char* name;
    std::string input;
    std::function<QString(const QDir&)> output;  // makes what OUTPUT names, gives OUTPUT
    int status;
    const char* error_part;
    std::function<bool(const QDir&)> holds;
};

class Outputs : public ::testing::TestWithParam<OutputCase> {};

TEST_P(Outputs, AreNeverHarmed) {
    const OutputCase& c = GetParam();
    const QTemporaryDir folder;
    const QDir dir(folder.path());
    write_file(dir.filePath("in.txt").toStdString(), c.input);
    const Outcome result =
        run(kGridToGeographic + QStringList{dir.filePath("in.txt"), c.output(dir)});
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_NE(result.err.find(c.error_part), std::string::npos) << result.err;
    EXPECT_TRUE(c.holds(dir));
}

namespace fs = std::filesystem;
const std::string kPoint = "320000 5810000\n";
constexpr auto kOwnerAndGroup = static_cast<fs::perms>(0640);
QString old_file(const QDir& dir, const char* name, fs::perms permissions) {
    write_file(dir.filePath(name).toStdString(), "old\n");
    fs::permissions(dir.filePath(name).toStdString(), permissions);
    return dir.filePath(name);
}
auto holding(const char* name, const std::string& content) {
    return [=](const QDir& dir) { return read_file(dir.filePath(name).toStdString()) == content; };
}

INSTANTIATE_TEST_SUITE_P(
    QuarrowConvert, Outputs,
    ::testing::Values(
        OutputCase{"HardLinkToTheInput", kPoint,
                   [](const QDir& dir) {
                       fs::create_hard_link(dir.filePath("in.txt").toStdString(),
                                            dir.filePath("b.txt").toStdString());
                       return dir.filePath("b.txt");
                   },
                   2, "b.txt is the input", holding("in.txt", kPoint)},
        OutputCase{"SymbolicLinkToTheInputAndDot", kPoint,
                   [](const QDir& dir) {
                       QFile::link("in.txt", dir.filePath("s.txt"));
                       return dir.path() + "/./s.txt";
                   },
                   2, "is the input", holding("in.txt", kPoint)},
        OutputCase{"DeviceWrittenIntoDirectly", kPoint, [](const QDir&) { return "/dev/null"; }, 0,
                   "", [](const QDir&) { return fs::is_character_file("/dev/null"); }},
        OutputCase{"SymbolicLinkStaysAndTheFileKeepsItsPermissions", kPoint,
                   [](const QDir& dir) {
                       old_file(dir, "t.txt", kOwnerAndGroup);
                       QFile::link("t.txt", dir.filePath("l.txt"));
                       return dir.filePath("l.txt");
                   },
                   0, "",
                   [](const QDir& dir) {
                       return fs::is_symlink(dir.filePath("l.txt").toStdString()) &&
                              holding("t.txt", "144.954388661 -37.839557195\n")(dir) &&
                              fs::status(dir.filePath("t.txt").toStdString()).permissions() ==
                                  kOwnerAndGroup;
                   }},
        OutputCase{"ReadOnlyFileRefused", kPoint,
                   [](const QDir& dir) { return old_file(dir, "r.txt", fs::perms::owner_read); }, 2,
                   "r.txt: it is read-only", holding("r.txt", "old\n")},
        OutputCase{"NothingConvertedLeavesTheFile", "x y\n",
                   [](const QDir& dir) { return old_file(dir, "o.txt", fs::perms::owner_all); }, 1,
                   "no point converted; ", holding("o.txt", "old\n")}),
    [](const auto& info) { return std::string(info.param.name); });

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
    if (GetParam() != SIGKILL) {
        // An interrupted run removes what it wrote and says so; a killed one cannot.
        EXPECT_TRUE(QDir(folder.path()).entryList({"out.txt.*.part"}).isEmpty());
        EXPECT_TRUE(process.readAllStandardError().contains("interrupted; "));
    }
}

INSTANTIATE_TEST_SUITE_P(QuarrowConvert, Stopped, ::testing::Values(SIGKILL, SIGINT, SIGHUP));

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

// PROJ's cs2cs from the same EPSG codes, and GDAL's gdaltransform reading what quarrow-convert
// prints with --show (standing for "{shown}" among its arguments), agree on every point.
struct ReferenceCase {
    const char* name;
    QStringList ours;
    std::string input;  // one point a line, with a height, which is not compared
    const char* reference;
    QStringList theirs;
    const char* shown = "";
    double tolerance = 1e-3;
};

class Reference : public ::testing::TestWithParam<ReferenceCase> {};

std::vector<double> numbers(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<double>(in), std::istream_iterator<double>()};
}

TEST_P(Reference, AgreesOnEveryPoint) {
    const ReferenceCase& c = GetParam();
    const QString program = QStandardPaths::findExecutable(c.reference);
    if (program.isEmpty()) {
        GTEST_SKIP() << c.reference << " is not installed";
    }
    QStringList theirs = c.theirs;
    if (*c.shown != 0) {
        const Outcome shown = run(c.ours + QStringList{"--show", c.shown});
        ASSERT_EQ(shown.status, 0) << shown.err;
        theirs.replaceInStrings("{shown}", QString::fromStdString(shown.out).trimmed());
    }
    const Outcome ours = run(c.ours, c.input), reference = run(program, theirs, c.input);
    ASSERT_EQ(ours.status, 0) << ours.err;
    const std::vector<double> a = numbers(ours.out), b = numbers(reference.out);
    ASSERT_EQ(a.size(), b.size()) << ours.out << reference.out << reference.err;
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_NEAR(a[i], b[i], i % 3 == 2 ? INFINITY : c.tolerance) << ours.out << reference.out;
    }
}

// A system from its code, cs2cs reading longitude before latitude (-r).
ReferenceCase from_code(const char* name, const char* code, const char* geographic,
                        std::string point) {
    return {name,
            {"--system", code, "--from", "source-geographic", "--to", "source-grid"},
            point,
            "cs2cs",
            {"-r", "-d", "6", geographic, code}};
}

const QStringList kAmg55ToGda94 = {"--system", kAmg55,    "--from",    "source-grid",    "--to",
                                   "map-grid", "--shift", "EPSG:1460", "--map-spheroid", "12"};
const QStringList kGdal = {"-s_srs", "{shown}", "-t_srs", "+proj=longlat +ellps=aust_SA"};
const std::string kVictoria = "320000 5810000 0\n271234.5 5912345.25 0\n";

INSTANTIATE_TEST_SUITE_P(
    QuarrowConvert, Reference,
    ::testing::Values(
        ReferenceCase{"Gda94ToGda2020ByEpsg8048",
                      {"--system", "EPSG:28353", "--shift", "EPSG:8048", "--map-spheroid", "12",
                       "--from", "source-grid", "--to", "map-grid"},
                      "310000.5 6100000.25 0\n500000 7000000 0\n",
                      "cs2cs",
                      {"-d", "6", "EPSG:28353", "EPSG:7853"}},
        from_code("ZonedGrid", "EPSG:28355", "EPSG:4283", "146.2 -36.7 0\n"),
        from_code("TransverseMercatorOfItsOwn", "EPSG:2100", "EPSG:4121", "23.7 37.98 0\n"),
        from_code("Lambert", "EPSG:3112", "EPSG:4283", "121.3 -25.1 0\n"),
        from_code("Albers", "EPSG:3577", "EPSG:4283", "145.9 -30.2 0\n"),
        ReferenceCase{"PipelineInGdal",
                      kAmg55ToGda94,
                      kVictoria,
                      "gdaltransform",
                      {"-ct", "{shown}"},
                      "proj",
                      1e-4},
        ReferenceCase{"Wkt2InGdal", kGridToGeographic, kVictoria, "gdaltransform", kGdal, "wkt",
                      1e-9},
        ReferenceCase{"ProjJsonInGdal", kGridToGeographic, kVictoria, "gdaltransform", kGdal,
                      "projjson", 1e-9}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korv::testing
