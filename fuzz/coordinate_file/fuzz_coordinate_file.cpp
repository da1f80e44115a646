// Coordinate files as whole files, read through the control's reader with the file choice
// answered without a window. Whatever the file holds, the reader ends with status 0 and no
// message, or -1 and only the messages it may give; it closes the file and leaves the current
// directory and the caller's field list as they were. Values it takes are finite; refused values
// leave the caller's values alone. What it read, saved and read again, gives the same ten values
// to 15 significant digits.

#include <QString>
#include <QStringList>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "coordinate_file.h"
#include "file_dialog.h"
#include "fuzz_check.h"
#include "message_box.h"
#include "numeric_text.h"
#include "scratch_folder.h"
#include "text_files.h"
#include "utilities.h"

namespace {

const QString kGridMessage =
    QStringLiteral("The start and end grid coordinates cannot be identical");
const QString kMapMessage = QStringLiteral("The start and end map coordinates cannot be identical");

// The file choice and the message box, answered and recorded without a window.
struct Seams {
    std::optional<QString> answer;
    QStringList messages;

    Seams() {
        korv::set_file_dialog([this](const korv::FileDialogRequest&) { return answer; });
        korv::set_message_sink([this](const QString& text) { messages << text; });
    }
};

Seams& seams() {
    static Seams instance;
    return instance;
}

korv::CoordinateFileValues untouched() {
    return {{7, 7, 7, 7, 7, 7, 7, 7}, 7, 7};
}

std::vector<double> numbers_of(const korv::CoordinateFileValues& values) {
    const korv::PointPairs& p = values.points;
    return {p.gxmin, p.gymin, p.mxmin, p.mymin,       p.gxmax,
            p.gymax, p.mxmax, p.mymax, values.zshift, values.zscale};
}

bool shorter_than_one(double x1, double y1, double x2, double y2) {
    return std::sqrt((y2 - y1) * (y2 - y1) + (x2 - x1) * (x2 - x1)) < 1.0;
}

struct Loaded {
    int32_t ierr = 0;
    QStringList messages;
    korv::CoordinateFileValues values = untouched();
};

Loaded load(const std::string& path) {
    static korv::Utilities utilities;
    std::vector<std::string> fields(korv::kFieldListSize);
    const std::string directory = korv::current_directory();
    seams().answer = QString::fromStdString(path);
    seams().messages.clear();
    Loaded loaded;
    loaded.ierr = korv::load_coordinate_file(utilities, fields, loaded.values);
    loaded.messages = seams().messages;
    KORV_FUZZ_REQUIRE(fields.size() == korv::kFieldListSize, "the field list keeps its size");
    KORV_FUZZ_REQUIRE(korv::current_directory() == directory, "the current directory is restored");
    KORV_FUZZ_REQUIRE(korv::free_file() == 1, "the file is closed");
    KORV_FUZZ_REQUIRE((loaded.ierr == 0) == loaded.messages.isEmpty(),
                      "the status is 0 exactly when no message was shown");
    KORV_FUZZ_REQUIRE(loaded.ierr == 0 || loaded.ierr == -1, "the status is 0 or -1");
    return loaded;
}

void check_loaded(const Loaded& loaded) {
    const std::vector<double> numbers = numbers_of(loaded.values);
    if (loaded.messages.size() == 1 && loaded.messages[0].contains("too large to use")) {
        KORV_FUZZ_REQUIRE(loaded.values == untouched(), "refused values leave the caller's alone");
        return;
    }
    for (const double number : numbers) {
        KORV_FUZZ_REQUIRE(std::isfinite(number), "values taken from a file are finite");
    }
    const korv::PointPairs& p = loaded.values.points;
    QStringList expected;
    if (shorter_than_one(p.gxmin, p.gymin, p.gxmax, p.gymax)) {
        expected << kGridMessage;
    }
    if (shorter_than_one(p.mxmin, p.mymin, p.mxmax, p.mymax)) {
        expected << kMapMessage;
    }
    KORV_FUZZ_REQUIRE(loaded.messages == expected,
                      "a readable file gives exactly the messages for its short baselines");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input_path = korv::fuzz::scratch_path("in.crd");
    static const std::string output_path = korv::fuzz::scratch_path("out.crd");
    static korv::Utilities utilities;
    korv::fuzz::write_scratch_file(input_path, data, size);

    const Loaded first = load(input_path);
    check_loaded(first);
    if (first.values == untouched()) {
        return 0;
    }

    korv::fuzz::remove_scratch_file(output_path);
    seams().answer = QString::fromStdString(output_path);
    seams().messages.clear();
    KORV_FUZZ_REQUIRE(
        korv::save_coordinate_file(utilities, first.values) == 0 && seams().messages.isEmpty(),
        "values read from a file can be saved");
    const std::string written = korv::fuzz::read_scratch_file(output_path);
    const auto lines = korv::coordinate_file_lines(first.values);
    KORV_FUZZ_REQUIRE(
        written == lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2] + "\r\n" + lines[3] + "\r\n",
        "a saved file holds its four lines, each ended by CR LF");

    // The file keeps 15 significant digits, so a baseline within that rounding of 1 may pass the
    // distance check on one side of a save and not on the other; the messages must still be
    // those of the values read.
    const Loaded second = load(output_path);
    check_loaded(second);
    const std::vector<double> before = numbers_of(first.values);
    const std::vector<double> after = numbers_of(second.values);
    for (size_t i = 0; i < before.size(); ++i) {
        KORV_FUZZ_REQUIRE_SAME(korv::format_general(after[i]), korv::format_general(before[i]),
                               "a saved file reads back the same values to 15 significant digits");
    }
    return 0;
}
