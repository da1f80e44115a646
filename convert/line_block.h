#pragma once
// A block of lines of a point file and its conversion. Every line gives one output line: the
// input line with its values replaced, so that its label, separators, comment and line end stay
// (point_line.h tells what a line holds). A refused point keeps every character but its values,
// which become "*"; a line that does not hold its values gets two "*" after its last field. A
// block keeps its buffers from one use to the next, so converting block after block allocates
// nothing once they have grown.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion.h"
#include "point_line.h"
#include "points.h"

namespace korv::convert {

class OutputCursor;

// Lines longer than this are refused without being read, wherever the reads end: no point line
// comes near it.
inline constexpr std::size_t kLongestLine = 64 * 1024;

struct RefusedLine {
    std::uint64_t line = 0;  // counted from 1
    Refusal reason = Refusal::kNone;
};

class LineBlock {
public:
    // Whole lines, each with its line end (LF, CR LF or CR) except perhaps the last line of the
    // input. The block that starts the input may start with a byte order mark.
    std::string input;
    // Number of the block's first line in the whole input, counted from 1.
    std::uint64_t first_line = 1;
    // Lines (counted from 0 within the block) that were longer than kLongestLine; the input holds
    // an empty line with the line's own line end in their place.
    std::vector<std::uint32_t> overlong_lines;
    // No line before the block held anything but blanks and comments, so the first line of the
    // block that does may be a header.
    bool header_possible = false;

    // Clears the block for the next lines, keeping its buffers.
    void clear();

    // Converts every line of `input` into `output`.
    void convert(const Conversion& conversion, const LineFormat& format);

    // The converted lines.
    std::string_view output() const { return {output_.data(), output_size_}; }
    std::uint64_t line_count = 0;
    std::uint64_t point_count = 0;      // lines that hold a point, converted or refused
    std::vector<RefusedLine> refusals;  // every refused line, in order

private:
    struct Line {
        std::uint32_t begin = 0;  // the line's text, without its ending, in `input`
        std::uint32_t end = 0;
        std::uint32_t next = 0;   // where the next line starts
        std::uint32_t point = 0;  // index into points_
        PointLine shape;
    };

    void read_line(Line& line, PointKind from, const LineFormat& format, bool& first);
    void write_line(OutputCursor& out, const Line& line, PointKind to, const LineFormat& format);

    // Its size is the room made so far: only the first output_size_ characters are the output.
    std::string output_;
    std::size_t output_size_ = 0;
    std::vector<Line> lines_;
    std::vector<PointCoordinates> points_;
    std::vector<Refusal> point_refusals_;
};

}  // namespace korv::convert
