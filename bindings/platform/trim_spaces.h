#pragma once
// Names and fields are trimmed of spaces only, as the stored files and settings expect.

#include <string>
#include <string_view>

namespace korv {

// The text without leading and trailing spaces (tabs and other characters stay).
inline std::string trim_spaces(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace korv
