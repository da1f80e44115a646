#include "coordinate_file.h"

#include <memory>
#include <optional>
#include <vector>

#include "field_split.h"
#include "input_file.h"
#include "line_reader.h"
#include "numeric_text.h"
#include "output_file.h"

namespace korv {
namespace {

constexpr double kShortestFileBaseline = 1.0;

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

bool values_finite(const CoordinateFileValues& values) {
    const PointPairs& p = values.points;
    return all_finite({p.original_first.east, p.original_first.north, p.new_first.east,
                       p.new_first.north, p.original_second.east, p.original_second.north,
                       p.new_second.east, p.new_second.north, values.zshift, values.zscale});
}

struct PointLine {
    size_t field_count = 0;
    GridPoint original;
    GridPoint mapped;
};

// The next line's point pair. A field the line does not have reads 0.
PointLine read_point_line(InputFile& file) {
    std::string text;
    read_line_ch(file, text);
    const std::vector<std::string> fields = split_fields(text);
    const size_t k = fields.size() == 4 ? 0 : 1;  // otherwise a label comes first
    const auto number = [&fields, k](size_t i) {
        return k + i < fields.size() ? leading_number(fields[k + i]) : 0.0;
    };
    return {fields.size(), {number(0), number(1)}, {number(2), number(3)}};
}

Result<CoordinateFileValues> read_values(InputFile& file) {
    std::string header;
    read_line_ch(file, header);  // any content
    const PointLine first = read_point_line(file);
    const PointLine second = read_point_line(file);
    CoordinateFileValues read;
    read.points = {first.original, first.mapped, second.original, second.mapped};
    // Only a plain four-number second line is followed by an elevation line. A missing or
    // unreadable one means no elevation change, not a scale of 0 that would flatten every height.
    if (second.field_count == 4) {
        if (const std::optional<double> shift = read_number(file)) {
            read.zshift = *shift;
            read.zscale = read_number(file).value_or(1.0);
        }
    }
    if (file.failed()) {
        return Error{ErrorCode::kCoordinateFileNotRead};
    }
    if (!values_finite(read)) {
        return Error{ErrorCode::kCoordinateFileTooLarge};
    }
    return read;
}

Status check_baseline(const GridPoint& start, const GridPoint& end, ErrorCode too_close) {
    if (baseline_length(start, end) < kShortestFileBaseline) {
        return Error{too_close};
    }
    return kSuccess;
}

}  // namespace

std::array<std::string, 4> coordinate_file_lines(const CoordinateFileValues& values) {
    const PointPairs& p = values.points;
    return {kCoordinateFileHeader,
            number_line({p.original_first.east, p.original_first.north, p.new_first.east,
                         p.new_first.north}),
            number_line({p.original_second.east, p.original_second.north, p.new_second.east,
                         p.new_second.north}),
            number_line({values.zshift, values.zscale})};
}

Status check_savable(const CoordinateFileValues& values) {
    if (!values_finite(values)) {
        return Error{ErrorCode::kCoordinateValuesNotFinite};
    }
    return kSuccess;
}

Status write_coordinate_file(const std::string& path, const CoordinateFileValues& values) {
    if (Status savable = check_savable(values); !savable) {
        return savable;
    }
    const Result<std::unique_ptr<OutputFile>> file = OutputFile::create(path);
    if (!file) {
        return Error{ErrorCode::kCoordinateFileNotWritten, {path}};
    }
    std::string text;
    for (const std::string& line : coordinate_file_lines(values)) {
        text += line + "\r\n";  // the file's lines end as the legacy readers expect
    }
    if (!(*file)->write(text) || !(*file)->commit()) {
        return Error{ErrorCode::kCoordinateFileNotWritten, {path}};
    }
    return kSuccess;
}

Result<CoordinateFileValues> read_coordinate_file(const std::string& path) {
    const std::unique_ptr<InputFile> file = InputFile::open(path);
    if (file == nullptr) {
        return Error{ErrorCode::kCoordinateFileNotOpened, {path}};
    }
    Result<CoordinateFileValues> read = read_values(*file);
    if (!read) {
        return Error{read.error().code, {path}};  // the failures of reading name the file
    }
    return read;
}

std::array<Status, 2> check_file_baselines(const PointPairs& points) {
    return {check_baseline(points.original_first, points.original_second,
                           ErrorCode::kGridPointsIdentical),
            check_baseline(points.new_first, points.new_second, ErrorCode::kMapPointsIdentical)};
}

}  // namespace korv
