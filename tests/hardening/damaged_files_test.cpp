// Damaged files: "datum.csv", a coordinate file, the settings store and the line readers given
// garbage, a line of 100 MB, NUL bytes, a file that ends in the middle of a line, and names with
// 8-bit characters. Each load runs in a child process with a processor-time limit and its peak
// memory measured: it must end in time, with memory that does not grow with the file, and with
// the result stated for the case.

#include <gtest/gtest.h>

#include <QStringList>
#include <filesystem>
#include <functional>
#include <optional>

#include "child_process.h"
#include "coordinate_file.h"
#include "damaged_files.h"
#include "datum_list.h"
#include "file_numbers.h"
#include "line_reader.h"
#include "numeric_text.h"
#include "settings_store.h"
#include "source_settings.h"
#include "test_sandbox.h"

namespace korv {
namespace {

namespace fs = std::filesystem;

// Far below the 100 MB of the longest file: a load that holds the file's content fails it. The
// address sanitizer's shadow memory, redzones and quarantine about double what a load holds.
#if defined(__SANITIZE_ADDRESS__)
constexpr long kMemoryBoundKib = 96 * 1024;
#else
constexpr long kMemoryBoundKib = 48 * 1024;
#endif
constexpr rlim_t kProcessorSeconds = 120;

struct DamagedCase {
    const char* name;
    std::function<void(const std::string& path)> make;
    // The load's report; nothing where any defined result will do.
    std::optional<std::string> expected;
};

// Writes a file with the given content.
std::function<void(const std::string&)> content(std::string text) {
    return [text = std::move(text)](const std::string& path) { testing::write_file(path, text); };
}

std::string with_nul_bytes(const std::string& text) {
    std::string result;
    for (const char c : text) {
        result += c;
        if (c == ',' || c == ' ') {
            result += '\0';
        }
    }
    return result;
}

class DamagedFile : public ::testing::TestWithParam<DamagedCase> {
protected:
    // Runs the load in a child and checks time, memory and its report.
    void expect_load(const std::function<std::string()>& load) {
        testing::ChildLimits limits;
        limits.cpu_seconds = kProcessorSeconds;
        const testing::ChildOutcome outcome = testing::run_in_child(load, limits);
        ASSERT_TRUE(outcome.completed)
            << "ended by signal " << outcome.signal << ": " << outcome.report;
        if (GetParam().expected) {
            EXPECT_EQ(outcome.report, *GetParam().expected);
        }
        EXPECT_LT(outcome.peak_memory_growth_kib, kMemoryBoundKib);
        RecordProperty("peak_memory_growth_kib", std::to_string(outcome.peak_memory_growth_kib));
    }
    testing::Sandbox sandbox_;
};

// ---- "datum.csv"

const std::string kHeader = "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc\r\n";
const std::string kBuiltInEntries =
    "AGD84 to GDA 94,-117.7630,-51.5100,139.0610,-2.9200e-01,-4.4300e-01,-2.7700e-01,-0.1910 | "
    "AGD66 to GDA 94,-117.8080,-51.5360,137.7840,-3.0300e-01,-4.4600e-01,-2.3400e-01,-0.2900";

std::string entries_of(const DatumList& list) {
    std::string report;
    for (int32_t position = 1; position <= list.count(); ++position) {
        report += (position > 1 ? " | " : "") + format_datum_line(list.entry(position));
    }
    return report;
}

using DamagedDatumFile = DamagedFile;

TEST_P(DamagedDatumFile, LoadsInBoundedMemoryAndTime) {
    const std::string path = sandbox_.path("datum.csv");
    GetParam().make(path);
    const uintmax_t size = fs::file_size(path);
    expect_load([&] {
        DatumList list(path);
        list.load_datum_list();
        return entries_of(list);
    });
    if (GetParam().expected == kBuiltInEntries || fs::exists(path + ".bak")) {
        EXPECT_EQ(fs::file_size(path + ".bak"), size) << "an unusable file is kept";
    } else {
        EXPECT_EQ(fs::file_size(path), size) << "a usable file is not written";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedDatumFile,
    ::testing::Values(
        DamagedCase{"garbage", content(testing::garbage(65536, 1)), kBuiltInEntries},
        DamagedCase{"line_of_100_MB",
                    [](const std::string& path) {
                        testing::write_long_file(path, "", 'x', testing::kHundredMegabytes, "\r\n");
                    },
                    kBuiltInEntries},
        // The loader cuts a long line into pieces of 10240 characters and takes each as an
        // entry: the names it keeps of them must not add up to the line's 100 MB.
        DamagedCase{"data_line_of_100_MB",
                    [](const std::string& path) {
                        testing::write_long_file(path, kHeader, 'x', testing::kHundredMegabytes,
                                                 "\r\n");
                    },
                    std::nullopt},
        DamagedCase{"nul_bytes", content(with_nul_bytes(kHeader + "My shift,1.5,2,3,4,5,6,7\r\n")),
                    "My shift,1.5000,2.0000,3.0000,4.0000e+00,5.0000e+00,6.0000e+00,7.0000"},
        DamagedCase{"ends_mid_line", content(kHeader + "Whole,1,2,3,4,5,6,7\r\nCut,1,2."),
                    "Whole,1.0000,2.0000,3.0000,4.0000e+00,5.0000e+00,6.0000e+00,7.0000 | "
                    "Cut,1.0000,2.0000,0.0000,0.0000e+00,0.0000e+00,0.0000e+00,0.0000"},
        DamagedCase{"name_with_8_bit_characters",
                    content(kHeader + "Caf\xe9 Stra\xc3\x9f"
                                      "e,1,2,3,4,5,6,7\r\n"),
                    "Caf Strae,1.0000,2.0000,3.0000,4.0000e+00,5.0000e+00,6.0000e+00,7.0000"}),
    [](const ::testing::TestParamInfo<DamagedCase>& info) { return info.param.name; });

// ---- coordinate files

const std::string kCoordinateHeader = "     Station        Depth      East       North\r\n";
const std::string kPointLines =
    "1000 2000 500000 7000000\r\n"
    "1100 2000 500100 7000000\r\n";

// The values read and the messages of the baseline checks that fail, or why the file was refused.
std::string report_of(const Result<CoordinateFileValues>& read) {
    if (!read) {
        return read.message();
    }
    const PointPairs& p = read->points;
    std::string report;
    for (const double number :
         {p.original_first.east, p.original_first.north, p.new_first.east, p.new_first.north,
          p.original_second.east, p.original_second.north, p.new_second.east, p.new_second.north,
          read->zshift, read->zscale}) {
        report += (report.empty() ? "" : " ") + format_general(number);
    }
    for (const Status& check : check_file_baselines(p)) {
        if (!check) {
            report += "; " + check.message();
        }
    }
    return report;
}

using DamagedCoordinateFile = DamagedFile;

TEST_P(DamagedCoordinateFile, LoadsInBoundedMemoryAndTime) {
    const std::string path = sandbox_.path(QString::fromUtf8("Böhm Straße.crd"));
    GetParam().make(path);
    expect_load([&] { return report_of(read_coordinate_file(path)); });
}

const std::string kBothPointsIdentical =
    "0 0 0 0 0 0 0 0 0 1; The start and end grid coordinates cannot be identical; "
    "The start and end map coordinates cannot be identical";

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedCoordinateFile,
    ::testing::Values(
        // Bytes the reader drops, and control codes: every line reads empty.
        DamagedCase{"garbage",
                    [](const std::string& path) {
                        std::string bytes = testing::garbage(65536, 2);
                        for (char& byte : bytes) {
                            byte = static_cast<char>(static_cast<unsigned char>(byte) | 0x80);
                        }
                        testing::write_file(path, bytes);
                    },
                    kBothPointsIdentical},
        DamagedCase{"line_of_100_MB",
                    [](const std::string& path) {
                        testing::write_long_file(path, "", 'x', testing::kHundredMegabytes, "\r\n");
                    },
                    kBothPointsIdentical},
        // The elevation line is read as numbers up to the next blank, comma or line end: a run
        // of 100 MB of digits must not be held whole before it is found to be no number.
        DamagedCase{"elevation_line_of_100_MB_digits",
                    [](const std::string& path) {
                        testing::write_long_file(path, kCoordinateHeader + kPointLines + "1", '0',
                                                 testing::kHundredMegabytes, " 1\r\n");
                    },
                    "1000 2000 500000 7000000 1100 2000 500100 7000000 0 1"},
        // Point lines drop NUL bytes; in the elevation line, read as numbers, a NUL byte makes
        // the scale no number, which reads as no change.
        DamagedCase{"nul_bytes",
                    content(with_nul_bytes(kCoordinateHeader + kPointLines + "5 2\r\n")),
                    "1000 2000 500000 7000000 1100 2000 500100 7000000 5 1"},
        DamagedCase{"ends_mid_line", content(kCoordinateHeader + kPointLines + "5"),
                    "1000 2000 500000 7000000 1100 2000 500100 7000000 5 1"},
        DamagedCase{"labels_with_8_bit_characters",
                    content(kCoordinateHeader + "P\xfcnkt 1000 2000 500000 7000000\r\n"
                                                "Stra\xc3\x9f"
                                                "e 1100 2000 500100 7000000\r\n"),
                    "1000 2000 500000 7000000 1100 2000 500100 7000000 0 1"}),
    [](const ::testing::TestParamInfo<DamagedCase>& info) { return info.param.name; });

// ---- the settings store

std::string record_of(const StoredSourceSystem& system) {
    return "name \"" + system.name + "\"; " + parameters1_text(system.definition) + " / " +
           parameters2_text(system.definition);
}

using DamagedSettings = DamagedFile;

TEST_P(DamagedSettings, LoadInBoundedMemoryAndTime) {
    fs::create_directories(sandbox_.path("Halvern"));
    GetParam().make(sandbox_.settings_file().toStdString());
    expect_load([] {
        SettingsStore store(kSettingsApplication);
        StoredSourceSystem system;
        load_source_system(store, system);
        return record_of(system);
    });
}

const std::string kZeroRecord = "name \"\";  0; 0; 0; 0; 0; 0; 0 /  0; 0; 0; 0; 0";

// The store as the program writes it: strings holding ";" are quoted.
const std::string kSettingsFile =
    "[Projection]\n"
    "Name=MGA zone 55\n"
    "Parameters1=\" 12; 2; 2;-177; 0; 0; 0\"\n"
    "Parameters2=\" 500000; 10000000; 0.9996; 6; 55\"\n";

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedSettings,
    ::testing::Values(
        DamagedCase{"garbage", content(testing::garbage(65536, 3)), kZeroRecord},
        // The store reads the whole file: a value of 100 MB must not be held several times
        // over on its way to the record.
        DamagedCase{"value_of_100_MB",
                    [](const std::string& path) {
                        testing::write_long_file(path,
                                                 "[Projection]\nName=Zone 55\nParameters1=\"1", '0',
                                                 testing::kHundredMegabytes, "\"\n");
                    },
                    std::nullopt},
        // A value that starts with a NUL byte has no leading number and reads 0; the name keeps
        // the NUL bytes it holds.
        DamagedCase{"nul_bytes", content(with_nul_bytes(kSettingsFile)),
                    "name \"" + with_nul_bytes("MGA zone 55") +
                        "\";  0; 0; 0;-177; 0; 0; 0 /  0; 0; 0; 0; 0"},
        // The unterminated last list gives the values it holds; the others keep their 0.
        DamagedCase{"ends_mid_line", content(kSettingsFile.substr(0, kSettingsFile.size() - 20)),
                    "name \"MGA zone 55\";  12; 2; 2;-177; 0; 0; 0 /  500000; 10000; 0; 0; 0"},
        DamagedCase{"name_with_8_bit_characters",
                    content("[Projection]\nName=Caf\xe9 Stra\xc3\x9f"
                            "e\n" +
                            kSettingsFile.substr(kSettingsFile.find("Parameters1"))),
                    // The store is UTF-8: a byte that is no UTF-8 becomes U+FFFD.
                    "name \"Caf\xef\xbf\xbd Stra\xc3\x9f"
                    "e\";  12; 2; 2;-177; 0; 0; 0 /  500000; 10000000; 0.9996; 6; 55"}),
    [](const ::testing::TestParamInfo<DamagedCase>& info) { return info.param.name; });

// ---- the line readers on one line of 100 MB

struct ReaderCase {
    const char* name;
    std::string (*reader)(int32_t);
    size_t limit;
};

class LongLine : public ::testing::TestWithParam<ReaderCase> {
protected:
    testing::Sandbox sandbox_;
};

TEST_P(LongLine, IsReadInPiecesNoLongerThanTheReadersLimit) {
    const std::string path = sandbox_.path("long.txt");
    testing::write_long_file(path, "", 'x', testing::kHundredMegabytes, "\r\nnext\r\n");
    testing::ChildLimits limits;
    limits.cpu_seconds = kProcessorSeconds;
    const testing::ChildOutcome outcome = testing::run_in_child(
        [&] {
            const int32_t fnum = free_file();
            open_for_input(fnum, path);
            size_t pieces = 0;
            size_t characters = 0;
            size_t longest = 0;
            std::string last;
            while (!at_end(fnum)) {
                last = GetParam().reader(fnum);
                ++pieces;
                characters += last.size();
                longest = std::max(longest, last.size());
            }
            close_file(fnum);
            return std::to_string(characters) + " characters, longest " + std::to_string(longest) +
                   ", last \"" + last + "\", pieces " + std::to_string(pieces);
        },
        limits);
    ASSERT_TRUE(outcome.completed) << "ended by signal " << outcome.signal;
    RecordProperty("peak_memory_growth_kib", std::to_string(outcome.peak_memory_growth_kib));
    // A line cut at the limit goes on in the next piece; when its length is a multiple of the
    // limit, its line end makes one more, empty, piece. Then comes "next".
    const size_t limit = GetParam().limit;
    const size_t pieces = testing::kHundredMegabytes / limit + 1 + 1;
    EXPECT_EQ(outcome.report, std::to_string(testing::kHundredMegabytes + 4) +
                                  " characters, longest " + std::to_string(GetParam().limit) +
                                  ", last \"next\", pieces " + std::to_string(pieces));
    EXPECT_LT(outcome.peak_memory_growth_kib, kMemoryBoundKib);
}

INSTANTIATE_TEST_SUITE_P(Readers, LongLine,
                         ::testing::Values(ReaderCase{"get_line_ch", get_line_ch, 11264},
                                           ReaderCase{"get_line_program", get_line_program, 10240}),
                         [](const ::testing::TestParamInfo<ReaderCase>& info) {
                             return info.param.name;
                         });

}  // namespace
}  // namespace korv
