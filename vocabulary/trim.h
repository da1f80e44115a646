#pragma once
// Trimming names and fields. The stored files and settings trim blanks only (tabs and other
// characters stay); the field splitter also trims tabs.

#include <string_view>

namespace korv {

inline constexpr std::string_view kBlanks = " ";
inline constexpr std::string_view kBlanksAndTabs = " \t";

// The text without the characters of `blanks` at either end.
constexpr std::string_view trimmed(std::string_view text, std::string_view blanks = kBlanks) {
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace korv
