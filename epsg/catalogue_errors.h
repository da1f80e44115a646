#pragma once
// Why the catalogue cannot give what was asked, each kind of failure worded in one place.

#include <cstdint>
#include <string>
#include <string_view>

#include "result.h"

namespace korv::epsg {

Error database_unreadable(std::string_view path, std::string_view reason);
Error unknown_system(int32_t code);
Error unknown_shift(int32_t code);

// Systems the Projection control cannot define.
Error projection_not_defined(int32_t code, std::string_view projection);
Error spheroid_not_listed(std::string_view spheroid);
Error unit_not_defined(int32_t code, std::string_view unit);
Error axes_not_defined(int32_t code, std::string_view axes);
Error parameter_unreadable(int32_t code);
Error parallels_too_close(int32_t code);

}  // namespace korv::epsg
