#pragma once
// Cuts an input into blocks of whole lines for the conversion: at most a given number of lines
// and, unless a single line is longer, about a given number of bytes. A line end that a read
// splits (a carriage return whose line feed has not come yet) is never split between blocks.
// A line longer than kLongestLine is not kept: an empty line with its own line end stands in for
// it.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "line_block.h"
#include "result.h"

namespace korv::convert {

class ByteSource;

class BlockReader {
public:
    BlockReader(ByteSource& source, std::size_t byte_limit, std::size_t line_limit)
        : source_(source), byte_limit_(byte_limit), line_limit_(line_limit) {}

    // Fills the block with the next lines; false when the input has none left.
    Result<bool> fill(LineBlock& block);

    // Lines in the block filled last.
    std::size_t line_count() const { return line_count_; }

private:
    std::optional<Error> read_more(std::string& input);
    // Counts the line from `begin` to `end` (its text) into the block.
    void count_line(LineBlock& block, std::size_t begin, std::size_t end);

    ByteSource& source_;
    const std::size_t byte_limit_;
    const std::size_t line_limit_;
    std::string carry_;  // read beyond the last block's lines
    std::vector<char> read_buffer_;
    std::size_t line_count_ = 0;
    bool at_end_ = false;
    bool at_start_ = true;   // no line was counted yet: the input may start with a byte order mark
    bool skipping_ = false;  // the rest of an overlong line is skipped as it is read
    bool stand_in_ = false;  // the next line counted stands in for an overlong line
    bool header_open_ = true;  // no line so far held anything but blanks and comments
};

}  // namespace korv::convert
