#pragma once
// Where the lines of a point file end: a line feed, a carriage return and line feed, or a lone
// carriage return each end a line, as files from every system and spreadsheet end them. Shared by
// the reader that cuts the input into blocks and the block that splits them, so both see the
// same lines.

#include <cstring>
#include <string_view>

namespace korv::convert {

// The UTF-8 byte order mark spreadsheets put before "CSV UTF-8" files.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// True for a line that holds no point and passes unchanged: nothing but blanks and tabs, or a
// comment, whose first character other than blanks and tabs is "#".
inline bool passes_unchanged(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos || text[first] == '#';
}

class LineBreaks {
public:
    struct Line {
        std::size_t end = 0;   // where the line's text ends: at its line end, or the text's end
        std::size_t next = 0;  // where the next line starts, after the line end
    };

    // Finds the line ends of `text` from `from` on.
    LineBreaks(std::string_view text, std::size_t from) : text_(text), return_(find('\r', from)) {}

    // The line that starts at `begin` (not before the `from` given): a line without a line end
    // runs to the text's end, and then `end` and `next` are the text's size.
    Line line_at(std::size_t begin) {
        if (return_ < begin) {
            return_ = find('\r', begin);
        }
        // Most files hold no carriage return, or one per line: one search for each kind of end,
        // the line feed only up to the next carriage return.
        const void* feed =
            return_ > begin ? std::memchr(text_.data() + begin, '\n', return_ - begin) : nullptr;
        if (feed != nullptr) {
            const auto at = static_cast<std::size_t>(static_cast<const char*>(feed) - text_.data());
            return {at, at + 1};
        }
        if (return_ == text_.size()) {
            return {return_, return_};
        }
        const bool pair = return_ + 1 < text_.size() && text_[return_ + 1] == '\n';
        return {return_, return_ + (pair ? 2 : 1)};
    }

    // True when the line's end is not yet known: no line end in the text, or a carriage return as
    // its last byte, which a line feed may still follow.
    bool open(const Line& line) const {
        return line.end == text_.size() ||
               (line.next == text_.size() && line.next == line.end + 1 && text_[line.end] == '\r');
    }

private:
    std::size_t find(char c, std::size_t from) const {
        if (from >= text_.size()) {
            return text_.size();
        }
        const void* found = std::memchr(text_.data() + from, c, text_.size() - from);
        return found == nullptr
                   ? text_.size()
                   : static_cast<std::size_t>(static_cast<const char*>(found) - text_.data());
    }

    std::string_view text_;
    std::size_t return_;  // the first carriage return at or after the last search, or the size
};

}  // namespace korv::convert
