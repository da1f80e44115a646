#pragma once
// Writes a block's output through a pointer into a string: room for a whole line is made once,
// so that its pieces are written without a check of the string's size, or a call, for each.

#include <algorithm>
#include <cstring>
#include <string>

#include "fixed_text.h"

namespace korv::convert {

class OutputCursor {
public:
    // Writes after what `text` holds, using the room it has already grown to.
    explicit OutputCursor(std::string& text) : text_(text), used_(text.size()) {
        text_.resize(std::max(text_.capacity(), used_));
    }

    // Makes room for `count` more characters.
    void reserve(std::size_t count) {
        if (text_.size() - used_ < count) {
            text_.resize(std::max(used_ + count, 2 * text_.size()));
        }
    }
    // Room for the line of `size` characters with each of its three values written in full.
    void reserve_line(std::size_t size) { reserve(size + 3 * kLongestFixedText + 3); }

    void put(const char* from, std::size_t count) {
        std::memcpy(text_.data() + used_, from, count);
        used_ += count;
    }
    void put(char c) { text_[used_++] = c; }
    void put_fixed(double value, int decimals) {
        used_ = static_cast<std::size_t>(write_fixed(text_.data() + used_, value, decimals) -
                                         text_.data());
    }

    // Drops the room not used.
    void finish() { text_.resize(used_); }

private:
    std::string& text_;
    std::size_t used_;
};

}  // namespace korv::convert
