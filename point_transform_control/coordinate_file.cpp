#include "coordinate_file.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <optional>

#include "line_reader.h"
#include "message_box.h"
#include "numeric_text.h"
#include "output_file.h"
#include "utilities.h"

namespace korv {
namespace {

constexpr double kShortestFileBaseline = 1.0;

QString quoted_path(const std::string& path) {
    return QStringLiteral("\"%1\"").arg(QString::fromStdString(path));
}

std::string number_line(std::initializer_list<double> numbers) {
    std::string line;
    for (double number : numbers) {
        if (!line.empty()) {
            line += ' ';
        }
        line += format_general(number);
    }
    return line;
}

bool all_finite(const CoordinateFileValues& values) {
    const PointPairs& p = values.points;
    return std::ranges::all_of(
        std::initializer_list<double>{p.gxmin, p.gymin, p.mxmin, p.mymin, p.gxmax, p.gymax, p.mxmax,
                                      p.mymax, values.zshift, values.zscale},
        [](double value) { return std::isfinite(value); });
}

// Writes the file beside `path`, replacing it only when complete, so an earlier file is never
// replaced by part of a new one. True when `path` holds the new file.
bool write_file(const std::string& path, const CoordinateFileValues& values) {
    const std::unique_ptr<OutputFile> file = OutputFile::create(path);
    if (file == nullptr) {
        return false;
    }
    bool written = true;
    for (const std::string& line : coordinate_file_lines(values)) {
        written = written && file->write_line(line);
    }
    return file->commit() && written;
}

struct PointLine {
    int32_t count = 0;
    double x = 0;
    double y = 0;
    double new_x = 0;
    double new_y = 0;
};

// Splits the next line into fields. The list is emptied first, so fields the line does not have
// read 0 rather than what an earlier line left there.
PointLine read_point_line(InputFile& file, Utilities& utilities, std::vector<std::string>& fields) {
    std::ranges::fill(fields, std::string());
    PointLine line;
    std::string text;
    read_line_ch(file, text);
    utilities.split_fields(line.count, text, "", fields);
    const size_t k = line.count == 4 ? 1 : 2;  // otherwise a label comes first
    line.x = leading_number(fields[k]);
    line.y = leading_number(fields[k + 1]);
    line.new_x = leading_number(fields[k + 2]);
    line.new_y = leading_number(fields[k + 3]);
    return line;
}

enum class ReadFailure { kNone, kCannotOpen, kCannotRead, kOutOfRange };

ReadFailure read_file(const std::string& path, Utilities& utilities,
                      std::vector<std::string>& fields, CoordinateFileValues& values) {
    const std::unique_ptr<InputFile> file = InputFile::open(path);
    if (file == nullptr) {
        return ReadFailure::kCannotOpen;
    }
    std::string header;
    read_line_ch(*file, header);  // any content
    const PointLine first = read_point_line(*file, utilities, fields);
    const PointLine second = read_point_line(*file, utilities, fields);
    CoordinateFileValues read;
    read.points = {first.x,  first.y,  first.new_x,  first.new_y,
                   second.x, second.y, second.new_x, second.new_y};
    // Only a plain four-number second line is followed by an elevation line. A missing or
    // unreadable one means no elevation change, not a scale of 0 that would flatten every height.
    if (second.count == 4) {
        if (const std::optional<double> shift = read_number(*file)) {
            read.zshift = *shift;
            read.zscale = read_number(*file).value_or(1.0);
        }
    }
    if (file->failed()) {
        return ReadFailure::kCannotRead;
    }
    if (!all_finite(read)) {
        return ReadFailure::kOutOfRange;
    }
    values = read;
    return ReadFailure::kNone;
}

int32_t save_chosen(Utilities& utilities, const CoordinateFileValues& values) {
    std::string file_name = "*.crd";
    int32_t ierr = 0;
    utilities.select_save_file(file_name, "crd", kCoordinateFileFilter, kCoordinateFileTitle, ierr);
    if (ierr != 0) {
        return ierr;
    }
    if (!write_file(file_name, values)) {
        show_message(
            QStringLiteral("The coordinate file %1 could not be written; a file of that name "
                           "that was there before is unchanged.")
                .arg(quoted_path(file_name)));
        return -1;
    }
    return 0;
}

int32_t load_chosen(Utilities& utilities, std::vector<std::string>& fields,
                    CoordinateFileValues& values) {
    std::string file_name;
    int32_t ierr = 0;
    utilities.select_open_file(file_name, kCoordinateFileFilter, kCoordinateFileTitle, ierr);
    if (ierr < 0) {
        return ierr;
    }
    switch (read_file(file_name, utilities, fields, values)) {
        case ReadFailure::kCannotOpen:
            show_message(QStringLiteral("The coordinate file %1 could not be opened.")
                             .arg(quoted_path(file_name)));
            return -1;
        case ReadFailure::kCannotRead:
            show_message(QStringLiteral("The coordinate file %1 could not be read.")
                             .arg(quoted_path(file_name)));
            return -1;
        case ReadFailure::kOutOfRange:
            show_message(QStringLiteral("The coordinate file %1 holds a number too large to use.")
                             .arg(quoted_path(file_name)));
            return -1;
        case ReadFailure::kNone:
            break;
    }
    const PointPairs& p = values.points;
    if (std::sqrt((p.gymax - p.gymin) * (p.gymax - p.gymin) +
                  (p.gxmax - p.gxmin) * (p.gxmax - p.gxmin)) < kShortestFileBaseline) {
        show_message(QStringLiteral("The start and end grid coordinates cannot be identical"));
        ierr = -1;
    }
    if (std::sqrt((p.mymax - p.mymin) * (p.mymax - p.mymin) +
                  (p.mxmax - p.mxmin) * (p.mxmax - p.mxmin)) < kShortestFileBaseline) {
        show_message(QStringLiteral("The start and end map coordinates cannot be identical"));
        ierr = -1;
    }
    return ierr;
}

}  // namespace

std::array<std::string, 4> coordinate_file_lines(const CoordinateFileValues& values) {
    const PointPairs& p = values.points;
    return {kCoordinateFileHeader, number_line({p.gxmin, p.gymin, p.mxmin, p.mymin}),
            number_line({p.gxmax, p.gymax, p.mxmax, p.mymax}),
            number_line({values.zshift, values.zscale})};
}

int32_t save_coordinate_file(Utilities& utilities, const CoordinateFileValues& values) {
    if (!all_finite(values)) {
        show_message(QStringLiteral(
            "The transform holds a value that is not a finite number and cannot be saved."));
        return -1;
    }
    const std::string directory = current_directory();
    const int32_t ierr = save_chosen(utilities, values);
    utilities.restore_directory(directory);
    return ierr;
}

int32_t load_coordinate_file(Utilities& utilities, std::vector<std::string>& fields,
                             CoordinateFileValues& values) {
    if (fields.size() < kFieldListSize) {
        fields.resize(kFieldListSize);
    }
    const std::string directory = current_directory();
    const int32_t ierr = load_chosen(utilities, fields, values);
    utilities.restore_directory(directory);
    return ierr;
}

}  // namespace korv
