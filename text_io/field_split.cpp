#include "field_split.h"

#include "trim.h"

namespace korv {
namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// Blanks around a comma belong to it, so "2 , 3" holds two fields.
std::vector<std::string> split_blanks_and_commas(std::string_view line) {
    std::vector<std::string> fields;
    size_t i = 0;
    const size_t n = line.size();
    auto skip_blanks = [&] {
        while (i < n && is_blank(line[i])) {
            ++i;
        }
    };
    skip_blanks();
    if (i == n) {
        return fields;
    }
    while (true) {
        const size_t start = i;
        while (i < n && !is_blank(line[i]) && line[i] != ',') {
            ++i;
        }
        fields.emplace_back(line.substr(start, i - start));
        skip_blanks();
        if (i == n) {
            break;
        }
        if (line[i] == ',') {
            ++i;
            skip_blanks();
        }
    }
    return fields;
}

std::vector<std::string> split_on(std::string_view line, std::string_view separator) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        const size_t at = line.find(separator, start);
        fields.emplace_back(trimmed(line.substr(start, at - start), kBlanksAndTabs));
        if (at == std::string_view::npos) {
            break;
        }
        start = at + separator.size();
    }
    return fields;
}

}  // namespace

std::vector<std::string> split_fields(std::string_view line, std::string_view separator) {
    return separator.empty() ? split_blanks_and_commas(line) : split_on(line, separator);
}

}  // namespace korv
