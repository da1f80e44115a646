#pragma once
// What an angle stands for. Angle text is written alike for all three; they differ in the
// hemisphere letters it may carry (E and W for longitudes, N and S for latitudes, none for plain
// angles). The numbers are the kinds the utility component's angle calls take.

#include <cstdint>

namespace korv {

inline constexpr int32_t kLongitudeAngle = 1;
inline constexpr int32_t kLatitudeAngle = -1;
inline constexpr int32_t kPlainAngle = 0;

}  // namespace korv
