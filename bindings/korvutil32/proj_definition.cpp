#include "proj_definition.h"

#include <charconv>
#include <system_error>

namespace korvutil32 {

ProjDefinition::ProjDefinition(std::string_view operation) {
    parameter("proj", operation);
}

ProjDefinition& ProjDefinition::flag(std::string_view name) {
    if (!text_.empty()) {
        text_ += ' ';
    }
    text_ += '+';
    text_ += name;
    return *this;
}

ProjDefinition& ProjDefinition::parameter(std::string_view name, std::string_view value) {
    flag(name);
    text_ += '=';
    text_ += value;
    return *this;
}

ProjDefinition& ProjDefinition::parameter(std::string_view name, double value) {
    // std::to_chars ignores the locale and, without a precision, writes the shortest text that
    // round-trips exactly; 32 characters hold any double in that form.
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc{}) {
        return parameter(name, std::string_view("nan"));  // the engine refuses it
    }
    return parameter(name, std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

ProjDefinition& ProjDefinition::ellipsoid(const Ellipsoid& ellipsoid) {
    parameter("a", ellipsoid.semi_major_axis);
    if (ellipsoid.defined_by_semi_minor_axis()) {
        return parameter("b", ellipsoid.semi_minor_axis);
    }
    return parameter("rf", ellipsoid.inverse_flattening);
}

}  // namespace korvutil32
