// Coordinate files as whole files, read through the control's reader. Whatever the file holds,
// the reader gives finite values, or refuses the file with one of its messages. The baseline
// checks fail exactly for the pairs of points less than 1 apart. What it read, saved and read
// again, gives the same ten values to 15 significant digits.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "coordinate_file.h"
#include "fuzz_check.h"
#include "numeric_text.h"
#include "scratch_folder.h"

namespace {

constexpr std::array kRefusals = {korv::ErrorCode::kCoordinateFileNotRead,
                                  korv::ErrorCode::kCoordinateFileTooLarge};

std::vector<double> numbers_of(const korv::CoordinateFileValues& values) {
    const korv::PointPairs& p = values.points;
    return {p.original_first.east, p.original_first.north, p.new_first.east,
            p.new_first.north,     p.original_second.east, p.original_second.north,
            p.new_second.east,     p.new_second.north,     values.zshift,
            values.zscale};
}

bool shorter_than_one(const korv::GridPoint& a, const korv::GridPoint& b) {
    return std::sqrt((b.north - a.north) * (b.north - a.north) +
                     (b.east - a.east) * (b.east - a.east)) < 1.0;
}

// Checks what was read, and gives the values when the file was taken.
bool check_read(const korv::Result<korv::CoordinateFileValues>& read) {
    if (!read) {
        KORV_FUZZ_REQUIRE(
            std::find(kRefusals.begin(), kRefusals.end(), read.error().code) != kRefusals.end(),
            "a file that opens is refused only as unreadable or too large");
        return false;
    }
    for (const double number : numbers_of(*read)) {
        KORV_FUZZ_REQUIRE(std::isfinite(number), "values taken from a file are finite");
    }
    const korv::PointPairs& p = read->points;
    const std::array<korv::Status, 2> checks = korv::check_file_baselines(p);
    KORV_FUZZ_REQUIRE(
        checks[0].ok() != shorter_than_one(p.original_first, p.original_second) &&
            (checks[0].ok() || checks[0].error().code == korv::ErrorCode::kGridPointsIdentical),
        "the grid check fails exactly for grid points less than 1 apart");
    KORV_FUZZ_REQUIRE(
        checks[1].ok() != shorter_than_one(p.new_first, p.new_second) &&
            (checks[1].ok() || checks[1].error().code == korv::ErrorCode::kMapPointsIdentical),
        "the map check fails exactly for map points less than 1 apart");
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input_path = korv::fuzz::scratch_path("in.crd");
    static const std::string output_path = korv::fuzz::scratch_path("out.crd");
    korv::fuzz::write_scratch_file(input_path, data, size);

    const korv::Result<korv::CoordinateFileValues> first = korv::read_coordinate_file(input_path);
    if (!check_read(first)) {
        return 0;
    }

    korv::fuzz::remove_scratch_file(output_path);
    KORV_FUZZ_REQUIRE(korv::write_coordinate_file(output_path, *first).ok(),
                      "values read from a file can be saved");
    const std::string written = korv::fuzz::read_scratch_file(output_path);
    const auto lines = korv::coordinate_file_lines(*first);
    KORV_FUZZ_REQUIRE(
        written == lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2] + "\r\n" + lines[3] + "\r\n",
        "a saved file holds its four lines, each ended by CR LF");

    // The file keeps 15 significant digits, so a baseline within that rounding of 1 may pass the
    // distance check on one side of a save and not on the other; the checks must still be those
    // of the values read.
    const korv::Result<korv::CoordinateFileValues> second = korv::read_coordinate_file(output_path);
    KORV_FUZZ_REQUIRE(check_read(second), "a saved file can be read");
    const std::vector<double> before = numbers_of(*first);
    const std::vector<double> after = numbers_of(*second);
    for (size_t i = 0; i < before.size(); ++i) {
        KORV_FUZZ_REQUIRE_SAME(korv::format_general(after[i]), korv::format_general(before[i]),
                               "a saved file reads back the same values to 15 significant digits");
    }
    return 0;
}
