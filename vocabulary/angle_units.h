#pragma once
// Degrees, radians and seconds of arc. Degrees are what every interface takes; radians are the
// projection engine's own unit.

#include <numbers>

namespace korv {

inline constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
inline constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
inline constexpr double kArcSecondsPerRadian = 180.0 * 3600.0 / std::numbers::pi;
inline constexpr double kRadiansPerArcSecond = std::numbers::pi / 180.0 / 3600.0;

}  // namespace korv
