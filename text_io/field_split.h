#pragma once
// Splitting a line of a text file into its fields: the one splitter the utility component's
// `split_fields` and the file conversion's point lines share.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korv {

// Calls `on_field(begin, end)` with the offsets of each field of `line` in order, without
// surrounding blanks or tabs. With an empty separator, blanks and commas separate: a run of
// blanks and tabs counts once, and so does a comma with the blanks around it, so ",," holds an
// empty field and a line of blanks has no fields. Otherwise each occurrence of the separator text
// ends a field, so a line holds one field more than separators.
template <typename OnField>
void for_each_field(std::string_view line, std::string_view separator, OnField&& on_field) {
    const auto is_blank = [](char c) { return c == ' ' || c == '\t'; };
    const size_t n = line.size();
    size_t i = 0;
    if (separator.empty()) {
        const auto skip_blanks = [&] {
            while (i < n && is_blank(line[i])) {
                ++i;
            }
        };
        skip_blanks();
        if (i == n) {
            return;
        }
        while (true) {
            const size_t start = i;
            while (i < n && !is_blank(line[i]) && line[i] != ',') {
                ++i;
            }
            on_field(start, i);
            skip_blanks();
            if (i == n) {
                return;
            }
            if (line[i] == ',') {
                ++i;
                skip_blanks();
            }
        }
    }
    while (true) {
        const size_t stop = line.find(separator, i);
        size_t start = i;
        size_t end = stop == std::string_view::npos ? n : stop;
        while (start < end && is_blank(line[start])) {
            ++start;
        }
        while (end > start && is_blank(line[end - 1])) {
            --end;
        }
        on_field(start, end);
        if (stop == std::string_view::npos) {
            return;
        }
        i = stop + separator.size();
    }
}

// The fields of `line` in order, as `for_each_field` finds them.
std::vector<std::string> split_fields(std::string_view line, std::string_view separator = {});

}  // namespace korv
