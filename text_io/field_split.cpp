#include "field_split.h"

namespace korv {

std::vector<std::string> split_fields(std::string_view line, std::string_view separator) {
    std::vector<std::string> fields;
    for_each_field(line, separator, [&](size_t begin, size_t end) {
        fields.emplace_back(line.substr(begin, end - begin));
    });
    return fields;
}

}  // namespace korv
