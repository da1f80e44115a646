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
    // Writes into `room` from its start. Its size is the room made so far, kept from one use to
    // the next, so that the string is not filled again each time it is made larger.
    explicit OutputCursor(std::string& room) : room_(room) {}

    // Makes room for `count` more characters.
    void reserve(std::size_t count) {
        if (room_.size() - used_ < count) {
            room_.resize(std::max(used_ + count, 2 * room_.size()));
        }
    }
    // Room for the line of `size` characters with each of its three values written in full.
    void reserve_line(std::size_t size) { reserve(size + 3 * kLongestFixedText + 3); }

    void put(const char* from, std::size_t count) {
        std::memcpy(room_.data() + used_, from, count);
        used_ += count;
    }
    void put(char c) { room_[used_++] = c; }
    void put_fixed(double value, int decimals) {
        used_ = static_cast<std::size_t>(write_fixed(room_.data() + used_, value, decimals) -
                                         room_.data());
    }

    // The characters written.
    std::size_t size() const { return used_; }

private:
    std::string& room_;
    std::size_t used_ = 0;
};

}  // namespace korv::convert
