#pragma once
// The projections a coordinate system can use, numbered as the Projection control's list shows
// them; a record's `projection` is this number. An unscoped enumeration, so that the number a
// record holds compares with it directly.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "translatable.h"

namespace korv {

enum ProjectionKind : int32_t {
    kLocalGrid = 0,
    kAustralianMapGrid = 1,
    kUniversalTransverseMercator = 2,
    kLambertConformal = 3,
    kAlbersEqualArea = 4,
    kEquidistantConic = 5,
};

inline constexpr int32_t kProjectionCount = 6;

// The names the projection list shows, by number (the Projection control translates them).
inline constexpr std::array<std::string_view, kProjectionCount> kProjectionNames = {
    QT_TRANSLATE_NOOP("korv::Projection", "Local Grid"),
    QT_TRANSLATE_NOOP("korv::Projection", "Australian Map Grid"),
    QT_TRANSLATE_NOOP("korv::Projection", "Universal Transverse Mercator"),
    QT_TRANSLATE_NOOP("korv::Projection", "Lambert Conformal"),
    QT_TRANSLATE_NOOP("korv::Projection", "Albers Equal Area"),
    QT_TRANSLATE_NOOP("korv::Projection", "Equidistant Conic"),
};

// The projection of a list number, or nothing for a number the list does not hold.
constexpr std::optional<ProjectionKind> projection_kind(int32_t number) {
    if (number < 0 || number >= kProjectionCount) {
        return std::nullopt;
    }
    return static_cast<ProjectionKind>(number);
}

constexpr int32_t projection_number(ProjectionKind kind) {
    return static_cast<int32_t>(kind);
}

// The zoned projections are transverse Mercator zone systems: the zone number picks the
// central meridian. Takes a projection's number, as a record holds it.
constexpr bool is_zoned(int32_t projection) {
    return projection == kAustralianMapGrid || projection == kUniversalTransverseMercator;
}

// The conics use both standard parallels.
constexpr bool is_conic(int32_t projection) {
    return projection >= kLambertConformal && projection <= kEquidistantConic;
}

// Hemispheres as a record holds them, and the names the hemisphere list shows (a record's
// hemisphere is the position in that list plus 1).
inline constexpr int32_t kNorthernHemisphere = 1;
inline constexpr int32_t kSouthernHemisphere = 2;
inline constexpr std::array<std::string_view, 2> kHemisphereNames = {
    QT_TRANSLATE_NOOP("korv::Projection", "Northern Hemisphere"),
    QT_TRANSLATE_NOOP("korv::Projection", "Southern Hemisphere"),
};

}  // namespace korv
