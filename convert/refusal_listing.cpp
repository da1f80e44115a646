#include "refusal_listing.h"

namespace korv::convert {

std::string RefusalListing::list(std::span<const RefusedLine> refused) {
    std::string text;
    for (const RefusedLine& line : refused) {
        if (listed_ < most_) {
            ++listed_;
            text += "line " + std::to_string(line.line) + ": " +
                    std::string(describe(line.reason)) + "\n";
        } else {
            ++unlisted_[static_cast<std::size_t>(line.reason)];
        }
    }
    return text;
}

std::string RefusalListing::rest() const {
    std::uint64_t total = 0;
    std::string reasons;
    for (std::size_t reason = 0; reason < kReasons; ++reason) {
        if (unlisted_[reason] > 0) {
            total += unlisted_[reason];
            reasons += "  " + std::to_string(unlisted_[reason]) + " " +
                       std::string(describe(static_cast<Refusal>(reason))) + "\n";
        }
    }
    if (total == 0) {
        return {};
    }
    return "quarrow-convert: " + std::to_string(total) +
           " more lines refused, not listed (--verbose lists them all):\n" + reasons;
}

}  // namespace korv::convert
