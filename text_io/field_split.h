#pragma once
// Splitting a line of a text file into its fields.

#include <string>
#include <string_view>
#include <vector>

namespace korv {

// The fields of `line` in order, without surrounding blanks or tabs. With an empty separator,
// blanks and commas separate (a run of blanks counts once, each comma counts, so ",," holds an
// empty field, and a line of blanks has no fields); otherwise the separator text does.
std::vector<std::string> split_fields(std::string_view line, std::string_view separator = {});

}  // namespace korv
