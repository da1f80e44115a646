#pragma once
// The ranges within which the system takes coordinates and parameters, both ends included. A
// value beyond them cannot be meant seriously (1e300 metres, a zone two thousand million
// degrees wide): it is refused with a clear message rather than converted into a number.

namespace korv {

// Degrees east or west of Greenwich: every longitude the user gives, a central meridian too.
inline constexpr double kLongitudeLimit = 360.0;
// Degrees north or south: the poles, as far as geodesy takes a latitude or a parallel.
inline constexpr double kLatitudeLimit = 90.0;
// Degrees north or south that the test panel and the file conversion read a latitude within, and
// the Projection control a conic's parallels and latitude of origin: one degree short of the
// poles, near which the projections' grids run off.
inline constexpr double kPanelLatitudeLimit = 89.0;
// Metres above or below the spheroid that a datum shift takes a height within.
inline constexpr double kHeightLimit = 1e7;
// Metres of a false easting or northing.
inline constexpr double kGridOffsetLimit = 1e9;
// The largest scale factor on a zoned projection's central meridian.
inline constexpr double kScaleFactorLimit = 10.0;

}  // namespace korv
