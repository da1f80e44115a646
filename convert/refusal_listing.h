#pragma once
// The refused lines as quarrow-convert tells them on standard error: "line N: reason" for the
// first ones, a screenful at most, then how many more were refused for each reason, so that a
// wrong option on a large file does not bury the terminal.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "line_block.h"

namespace korv::convert {

class RefusalListing {
public:
    // Lines listed one by one before the rest are only counted.
    static constexpr std::size_t kScreenful = 20;

    // Lists `most` refused lines one by one.
    explicit RefusalListing(std::size_t most) : most_(most) {}

    // The "line N: reason" lines to show for the next refused lines, each ending with "\n".
    std::string list(std::span<const RefusedLine> refused);
    // The lines that close the listing: for the lines not listed, how many were refused for
    // each reason; empty when every line was listed.
    std::string rest() const;

private:
    static constexpr std::size_t kReasons =
        static_cast<std::size_t>(Refusal::kOutsideShiftArea) + 1;

    std::size_t most_;
    std::size_t listed_ = 0;
    std::array<std::uint64_t, kReasons> unlisted_{};
};

}  // namespace korv::convert
