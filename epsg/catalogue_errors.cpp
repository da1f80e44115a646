#include "catalogue_errors.h"

#include "proj_definition.h"

namespace korv::epsg {
namespace {

std::string system_name(int32_t code) {
    return "EPSG:" + std::to_string(code);
}

// "EPSG:code <what>, which this dialog does not define".
Error not_defined(int32_t code, std::string_view what) {
    return Error{system_name(code) + " " + std::string(what) +
                 ", which this dialog does not define"};
}

}  // namespace

Error database_unreadable(std::string_view path, std::string_view reason) {
    return Error{"the EPSG dataset \"" + std::string(path) +
                 "\" cannot be read: " + std::string(reason)};
}

Error unknown_system(int32_t code) {
    return Error{system_name(code) + " is not a projected coordinate system of the EPSG dataset"};
}

Error unknown_shift(int32_t code) {
    return Error{system_name(code) + " is not a Helmert datum shift of the EPSG dataset"};
}

Error projection_not_defined(int32_t code, std::string_view projection) {
    return not_defined(code, "uses the " + std::string(projection) + " projection");
}

Error spheroid_not_listed(std::string_view spheroid) {
    return Error{"the spheroid " + std::string(spheroid) + " is not in the list"};
}

Error unit_not_defined(int32_t code, std::string_view unit) {
    return not_defined(code, "gives its coordinates in " + std::string(unit));
}

Error axes_not_defined(int32_t code, std::string_view axes) {
    return not_defined(code, "has the axes " + std::string(axes));
}

Error parameter_unreadable(int32_t code) {
    return Error{system_name(code) + " gives a parameter in a unit the catalogue cannot read"};
}

Error parallels_too_close(int32_t code) {
    return Error{system_name(code) +
                 " has standard parallels less than 0.1 degrees apart, which this dialog does "
                 "not accept"};
}

Error finer_than_field(int32_t code, std::string_view what, double value, std::string_view kept) {
    return Error{system_name(code) + " has " + std::string(what) + " " +
                 geodesy::number_text(value) + ", which this dialog keeps " + std::string(kept)};
}

}  // namespace korv::epsg
