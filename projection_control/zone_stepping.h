#pragma once
// The spin button beside the zone number steps it by one within 0 to 999.

#include <optional>
#include <string>
#include <string_view>

namespace korv {

enum class ZoneStep { kDown = -1, kUp = 1 };

// The zone number text after one step, or nothing when the text stays as it is: when it is not
// a number, or is already at the bound (0 or less going down, 999 or more going up). A stepped
// value keeps its fraction ("2.5" down gives "1.5").
std::optional<std::string> step_zone(std::string_view text, ZoneStep step);

}  // namespace korv
