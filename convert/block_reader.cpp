#include "block_reader.h"

#include <algorithm>
#include <string_view>

#include "line_breaks.h"
#include "stream_conversion.h"

namespace korv::convert {
namespace {

constexpr std::size_t kSmallestRead = 16 * 1024;

}  // namespace

void BlockReader::count_line(LineBlock& block, std::size_t begin, std::size_t end) {
    if (stand_in_) {
        block.overlong_lines.push_back(static_cast<std::uint32_t>(line_count_));
        stand_in_ = false;
        header_open_ = false;
    } else if (header_open_) {
        std::string_view text(block.input.data() + begin, end - begin);
        if (at_start_ && text.starts_with(kByteOrderMark)) {
            text.remove_prefix(kByteOrderMark.size());
        }
        header_open_ = passes_unchanged(text);
    }
    at_start_ = false;
    ++line_count_;
}

Result<bool> BlockReader::fill(LineBlock& block) {
    block.clear();
    block.input.swap(carry_);
    block.header_possible = header_open_;
    std::string& input = block.input;
    std::size_t line_end = 0;  // just past the last line counted
    std::size_t scanned = 0;   // no line end lies between line_end and this
    line_count_ = 0;
    LineBreaks breaks(input, 0);
    while (true) {
        while (line_count_ < line_limit_) {
            // Searched from where the last search stopped, so that a line read in many small
            // reads is not searched again and again.
            const LineBreaks::Line line = breaks.line_at(std::max(line_end, scanned));
            if (breaks.open(line)) {
                scanned = line.end;  // a carriage return at the end is searched again
                break;
            }
            count_line(block, line_end, line.end);
            line_end = line.next;
        }
        const bool enough =
            line_count_ == line_limit_ || input.size() >= byte_limit_ || source_.interactive();
        if (line_count_ > 0 && enough) {
            break;
        }
        if (at_end_) {
            if (input.size() > line_end || stand_in_) {
                const std::size_t last_end = input.size() > line_end && input.back() == '\r'
                                                 ? input.size() - 1
                                                 : input.size();
                count_line(block, line_end, last_end);  // the last line, without a line end
                line_end = input.size();
            }
            break;
        }
        // The line so far, without a carriage return that may end it.
        if (scanned - line_end > kLongestLine) {
            // Refused unread: the rest of it is skipped as it comes, a byte order mark before it
            // kept.
            const bool marked = at_start_ && std::string_view(input).starts_with(kByteOrderMark);
            input.resize(line_end + (marked ? kByteOrderMark.size() : 0));
            scanned = line_end;
            skipping_ = stand_in_ = true;
        } else if (std::optional<Error> error = read_more(input)) {
            return *error;
        }
        breaks = LineBreaks(input, std::max(line_end, scanned));
    }
    carry_.assign(input, line_end);
    input.resize(line_end);
    return line_count_ > 0;
}

std::optional<Error> BlockReader::read_more(std::string& input) {
    const std::size_t old_size = input.size();
    // Up to a block's worth; a line longer than a block is read on in small steps.
    const std::size_t wanted = old_size < byte_limit_ ? byte_limit_ - old_size : kSmallestRead;
    // Read into a buffer of its own, so that reads that bring a few bytes each (a pipe, a
    // terminal) do not clear a block's worth of the input each time.
    read_buffer_.resize(std::max(wanted, read_buffer_.size()));
    const Result<std::size_t> got = source_.read(read_buffer_.data(), wanted);
    if (!got) {
        return got.error();
    }
    input.append(read_buffer_.data(), *got);
    at_end_ = *got == 0;
    if (skipping_) {
        // The rest of an overlong line goes, up to its line end, which stays.
        const std::size_t end = input.find_first_of("\r\n", old_size);
        skipping_ = end == std::string::npos;
        input.erase(old_size, skipping_ ? std::string::npos : end - old_size);
    }
    return std::nullopt;
}

}  // namespace korv::convert
