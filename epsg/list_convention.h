#pragma once
// Published Helmert shifts in the convention of the datum shift list: coordinate frame rotations
// in seconds of arc, translations in metres, the scale change in parts per million.

#include <array>
#include <cstdint>
#include <string>

#include "datum_shift.h"

namespace korv::epsg {

// The dataset's methods of a fixed Helmert shift between geodetic systems: by geographic or by
// geocentric coordinates, with three parameters, or seven in one of the two rotation conventions.
inline constexpr int32_t kGeocentricTranslations = 9603;
inline constexpr int32_t kPositionVector = 9606;
inline constexpr int32_t kCoordinateFrame = 9607;
inline constexpr int32_t kGeocentricTranslationsGeocentric = 1031;
inline constexpr int32_t kCoordinateFrameGeocentric = 1032;
inline constexpr int32_t kPositionVectorGeocentric = 1033;

struct HelmertValues {
    std::array<double, 3> translation{};  // metres
    std::array<double, 3> rotation{};     // seconds of arc, in the method's own convention
    double scale_change = 0;              // parts per million
};

// The shift as the list keeps it, named "<name> EPSG:<code>". Position vector rotations turn the
// other way round from the list's coordinate frame ones, so they change sign; a comma, which the
// list's lines cannot hold in a name, becomes a semicolon.
DatumShift in_list_convention(int32_t method, const HelmertValues& values, const std::string& name,
                              int32_t code);

}  // namespace korv::epsg
