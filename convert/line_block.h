#pragma once
// A block of lines of a point file and its conversion. One point a line: two or three values
// (east and north, or longitude and latitude, then an optional height) separated by blanks, tabs,
// a comma or a semicolon, optionally led by a label. Empty lines and lines starting with "#" pass
// unchanged. Every line gives one output line: the input line with its values replaced, so that
// its label, separators and line ending stay; a refused line keeps its label and gets "*" for
// each value. A block keeps its buffers from one use to the next, so converting block after
// block allocates nothing once they have grown.

#include <proj.h>

#include <cstdint>
#include <string>
#include <vector>

#include "conversion.h"

namespace korv::convert {

// Lines longer than this are refused without being read, wherever the reads end: no point line
// comes near it.
inline constexpr std::size_t kLongestLine = 64 * 1024;

struct LineFormat {
    // Every line starts with a label. Otherwise a line of three fields starts with a label only
    // when its first field does not read as a value, so a numeric label needs this.
    bool labels = false;
    // Angles written as the dialog shows them (degrees, minutes and seconds) rather than in
    // decimal degrees.
    bool dialog_angles = false;
};

struct RefusedLine {
    std::uint64_t line = 0;  // counted from 1
    Refusal reason = Refusal::kNone;
};

class LineBlock {
public:
    // Whole lines, each ended by "\n" except perhaps the last line of the input.
    std::string input;
    // Number of the block's first line in the whole input, counted from 1.
    std::uint64_t first_line = 1;
    // Lines (counted from 0 within the block) that were longer than kLongestLine; the input holds
    // an empty line in their place.
    std::vector<std::uint32_t> overlong_lines;

    // Clears the block for the next lines, keeping its buffers.
    void clear();

    // Converts every line of `input` into `output`, and writes "line N: reason" to `messages`
    // for each refused line.
    void convert(const Conversion& conversion, const LineFormat& format);

    std::string output;
    std::string messages;
    std::uint64_t line_count = 0;
    std::uint64_t point_count = 0;  // lines that hold a point, converted or refused
    std::uint64_t refused_count = 0;
    // The first refused lines, at most kKeptRefusals of them.
    static constexpr std::size_t kKeptRefusals = 10;
    std::vector<RefusedLine> first_refusals;

private:
    struct Line {
        std::uint32_t begin = 0;  // the line's text, without its ending, in `input`
        std::uint32_t end = 0;
        std::uint32_t next = 0;  // where the next line starts
        std::uint32_t value_begin[3] = {};
        std::uint32_t value_end[3] = {};
        std::uint32_t label_end = 0;   // where the label ends; `begin` when there is none
        std::uint32_t point = 0;       // index into points_
        std::uint8_t value_count = 0;  // 0 for a line that passes unchanged
        char separator = ' ';
        Refusal refusal = Refusal::kNone;
    };

    void read_line(Line& line, PointKind from, const LineFormat& format);
    void write_line(const Line& line, PointKind to, const LineFormat& format);

    std::vector<Line> lines_;
    std::vector<PJ_COORD> points_;
    std::vector<Refusal> refusals_;
};

}  // namespace korv::convert
