#include "zone_stepping.h"

#include "numeric_text.h"

namespace korv {
namespace {

constexpr double kLowestZone = 0;
constexpr double kHighestZone = 999;

}  // namespace

std::optional<std::string> step_zone(std::string_view text, ZoneStep step) {
    if (!is_numeric(text)) {
        return std::nullopt;
    }
    const double zone = leading_number(text);
    const bool room = step == ZoneStep::kDown ? zone > kLowestZone : zone < kHighestZone;
    if (!room) {
        return std::nullopt;
    }
    return format_general(zone + static_cast<int>(step));
}

}  // namespace korv
