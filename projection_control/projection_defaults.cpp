#include "projection_defaults.h"

#include "coord_system.h"

namespace korv {
namespace {

constexpr std::string_view kNoFalseNorth = "0";
constexpr std::string_view kSouthernFalseNorth = "10000000";

std::string_view false_north_for(int32_t hemisphere) {
    return hemisphere == kSouthernHemisphere ? kSouthernFalseNorth : kNoFalseNorth;
}

}  // namespace

ProjectionDefaults projection_defaults(int32_t projection, int32_t hemisphere) {
    ProjectionDefaults defaults;
    if (is_zoned(projection)) {
        defaults.select_northern_hemisphere = projection == kUniversalTransverseMercator;
        const int32_t shown_hemisphere =
            defaults.select_northern_hemisphere ? kNorthernHemisphere : hemisphere;
        defaults.texts = {
            {&ProjectionEntries::zone_number, "0"},
            {&ProjectionEntries::longitude_origin, "-177 0 0.00"},
            {&ProjectionEntries::latitude_origin, "000 0 0.00"},
            {&ProjectionEntries::standard_parallel_1, "000 0 0.00"},
            {&ProjectionEntries::standard_parallel_2, "000 0 0.00"},
            {&ProjectionEntries::false_east, "500000"},
            {&ProjectionEntries::false_north, false_north_for(shown_hemisphere)},
            {&ProjectionEntries::scale_factor, "0.9996"},
            {&ProjectionEntries::zone_width, "6 0 0.00"},
        };
    } else {
        defaults.texts = {
            {&ProjectionEntries::false_east, "0"},
            {&ProjectionEntries::false_north, "0"},
            {&ProjectionEntries::scale_factor, "0.9996"},
            {&ProjectionEntries::zone_width, "6 0 0.00"},
        };
    }
    return defaults;
}

std::optional<std::string_view> hemisphere_false_north(int32_t projection, int32_t hemisphere) {
    if (!is_zoned(projection)) {
        return std::nullopt;
    }
    return false_north_for(hemisphere);
}

}  // namespace korv
