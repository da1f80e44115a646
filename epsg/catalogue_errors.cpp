#include "catalogue_errors.h"

namespace korv::epsg {
namespace {

std::string system_name(int32_t code) {
    return "EPSG:" + std::to_string(code);
}

}  // namespace

Error database_unreadable(std::string_view path, std::string_view reason) {
    return Error{ErrorCode::kEpsgDatabaseUnreadable, {std::string(path), std::string(reason)}};
}

Error unknown_system(int32_t code) {
    return Error{ErrorCode::kEpsgSystemUnknown, {system_name(code)}};
}

Error unknown_shift(int32_t code) {
    return Error{ErrorCode::kEpsgShiftUnknown, {system_name(code)}};
}

Error projection_not_defined(int32_t code, std::string_view projection) {
    return Error{ErrorCode::kEpsgProjectionNotDefined,
                 {system_name(code), std::string(projection)}};
}

Error spheroid_not_listed(std::string_view spheroid) {
    return Error{ErrorCode::kEpsgSpheroidNotListed, {std::string(spheroid)}};
}

Error unit_not_defined(int32_t code, std::string_view unit) {
    return Error{ErrorCode::kEpsgUnitNotDefined, {system_name(code), std::string(unit)}};
}

Error axes_not_defined(int32_t code, std::string_view axes) {
    return Error{ErrorCode::kEpsgAxesNotDefined, {system_name(code), std::string(axes)}};
}

Error parameter_unreadable(int32_t code) {
    return Error{ErrorCode::kEpsgParameterUnreadable, {system_name(code)}};
}

Error parallels_too_close(int32_t code) {
    return Error{ErrorCode::kEpsgParallelsTooClose, {system_name(code)}};
}

}  // namespace korv::epsg
