#include "proj_definition.h"

#include <charconv>
#include <system_error>

namespace korv::geodesy {

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

std::string number_text(double value) {
    // std::to_chars ignores the locale and, without a precision, writes the shortest text that
    // round-trips exactly; 32 characters hold any double in that form, NaN and infinities
    // included, which the engine refuses.
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc{} ? std::string(buffer, end) : std::string("nan");
}

ProjDefinition& ProjDefinition::parameter(std::string_view name, double value) {
    return parameter(name, std::string_view(number_text(value)));
}

ProjDefinition& ProjDefinition::ellipsoid(const Spheroid& spheroid) {
    parameter("a", spheroid.semi_major_axis);
    if (spheroid.defined_by_semi_minor_axis()) {
        return parameter("b", spheroid.semi_minor_axis);
    }
    return parameter("rf", spheroid.inverse_flattening);
}

ProjDefinition& ProjDefinition::step(const ProjDefinition& operation, bool inverse) {
    flag("step");
    if (inverse) {
        flag("inv");
    }
    text_ += ' ';
    text_ += operation.text();
    return *this;
}

}  // namespace korv::geodesy
