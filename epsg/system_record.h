#pragma once
// A projected system as the dataset defines it, its numbers already in degrees, metres and unity:
// what the catalogue turns into a definition of the Projection control, or refuses.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "published_system.h"

namespace korv::epsg {

// Parameter codes of the dataset's map projection methods.
inline constexpr int32_t kLatitudeOfNaturalOrigin = 8801;
inline constexpr int32_t kLongitudeOfNaturalOrigin = 8802;
inline constexpr int32_t kScaleFactorAtNaturalOrigin = 8805;
inline constexpr int32_t kFalseEasting = 8806;
inline constexpr int32_t kFalseNorthing = 8807;
inline constexpr int32_t kLatitudeOfFalseOrigin = 8821;
inline constexpr int32_t kLongitudeOfFalseOrigin = 8822;
inline constexpr int32_t kLatitudeOfFirstParallel = 8823;
inline constexpr int32_t kLatitudeOfSecondParallel = 8824;
inline constexpr int32_t kEastingAtFalseOrigin = 8826;
inline constexpr int32_t kNorthingAtFalseOrigin = 8827;
inline constexpr int32_t kInitialLongitude = 8830;
inline constexpr int32_t kZoneWidth = 8831;

struct ProjectionParameter {
    int32_t code = 0;
    double value = 0;  // degrees for angles, metres for lengths, unity for scale factors
};

struct SystemRecord {
    PublishedSystem published;
    int32_t method_code = 0;      // the map projection method
    std::string method_name;      // "Transverse Mercator"
    std::string conversion_name;  // "Popular Visualisation Pseudo-Mercator", "UTM zone 55S"
    std::vector<ProjectionParameter> parameters;
    bool parameters_readable = true;  // false when a parameter's unit could not be converted
    std::string ellipsoid_name;       // "GRS 1980"
    double semi_major_axis = 0;       // metres
    double semi_minor_axis = 0;       // metres
    double prime_meridian = 0;        // degrees east of Greenwich
    std::string axes;                 // directions in order, "east, north"
    std::string axis_unit;            // "EPSG:9001"
    std::string axis_unit_name;       // "metre"

    std::optional<double> parameter(int32_t code) const {
        for (const ProjectionParameter& p : parameters) {
            if (p.code == code) {
                return p.value;
            }
        }
        return std::nullopt;
    }
};

}  // namespace korv::epsg
