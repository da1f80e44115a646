#include "projection_checks.h"

#include <cmath>

#include "angle_text.h"
#include "numeric_text.h"
#include "coord_system.h"
#include "utilities.h"

namespace korv {
namespace {

constexpr double kLatitudeLimit = 89.0;
constexpr double kLongitudeLimit = 360.0;
constexpr double kZoneWidthLimit = 89.0;
constexpr double kSmallestParallelSpacing = 0.1;

// The degrees of an angle text, or nothing when it is no angle text. A text that cannot be read
// fails its check rather than passing as 0 degrees, so a mistyped parallel is never taken as the
// equator.
std::optional<double> angle(const std::string& text, int32_t kind, Utilities& utilities) {
    double value = 0;
    if (!utilities.parse_angle(text, value, kind)) {
        return std::nullopt;
    }
    return value;
}

bool within(const std::optional<double>& value, double limit) {
    return value && *value >= -limit && *value <= limit;
}

// The zone number as the record will hold it, when it fits.
std::optional<int32_t> zone_number(const std::string& text) {
    return to_int32_half_even(leading_number(text));
}

std::optional<std::string> check_zone(const ProjectionEntries& entries) {
    if (!is_numeric(entries.zone_number)) {
        return "Zone number must be numeric";
    }
    const std::optional<int32_t> zone = zone_number(entries.zone_number);
    if (!zone) {
        return "Zone number is out of range";
    }
    if (*zone <= 0) {
        return "Zone number must be positive";
    }
    return std::nullopt;
}

// The zoned projections use their origins without a range check, so only text that is no angle
// is refused: read as 0 degrees it would move every point by the longitude typed.
std::optional<std::string> check_zoned_origins(const ProjectionEntries& entries,
                                               Utilities& utilities) {
    if (!angle(entries.longitude_origin, kLongitudeAngle, utilities)) {
        return "Longitude origin is invalid";
    }
    if (!angle(entries.latitude_origin, kLatitudeAngle, utilities)) {
        return "Latitude origin is invalid";
    }
    return std::nullopt;
}

std::optional<std::string> check_conic(const ProjectionEntries& entries, Utilities& utilities) {
    const std::optional<double> parallel_1 =
        angle(entries.standard_parallel_1, kLatitudeAngle, utilities);
    if (!within(parallel_1, kLatitudeLimit)) {
        return "Standard parallel 1 is invalid";
    }
    const std::optional<double> parallel_2 =
        angle(entries.standard_parallel_2, kLatitudeAngle, utilities);
    if (!within(parallel_2, kLatitudeLimit)) {
        return "Standard parallel 2 is invalid";
    }
    if (std::fabs(*parallel_1 - *parallel_2) < kSmallestParallelSpacing) {
        return "The standard parallels must be distinct";
    }
    if (!within(angle(entries.longitude_origin, kLongitudeAngle, utilities), kLongitudeLimit)) {
        return "Longitude origin is invalid";
    }
    if (!within(angle(entries.latitude_origin, kLatitudeAngle, utilities), kLatitudeLimit)) {
        return "Latitude origin is invalid";
    }
    return std::nullopt;
}

std::optional<std::string> check_numbers(const ProjectionEntries& entries) {
    if (!is_numeric(entries.false_east)) {
        return "The false easting must be numeric";
    }
    if (!is_numeric(entries.false_north)) {
        return "The false north must be numeric";
    }
    if (!is_numeric(entries.scale_factor)) {
        return "The scale factor must be numeric";
    }
    if (leading_number(entries.scale_factor) <= 0) {
        return "The scale factor must be positive";
    }
    return std::nullopt;
}

// The zone width is checked as a latitude, as the definitions in use always have been, but
// stored as a plain angle: a hemisphere letter would pass here and be stored as 0.
std::optional<std::string> check_zone_width(const ProjectionEntries& entries,
                                            Utilities& utilities) {
    double width = 0;
    utilities.parse_angle(entries.zone_width, width, kLatitudeAngle);
    if (width <= 0 || width > kZoneWidthLimit ||
        !angle(entries.zone_width, kPlainAngle, utilities)) {
        return "The zone width is invalid";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> check_entries(const ProjectionEntries& entries, Utilities& utilities) {
    const int32_t projection = entries.projection;
    if (is_zoned(projection)) {
        if (auto failure = check_zone(entries)) {
            return failure;
        }
        if (auto failure = check_zoned_origins(entries, utilities)) {
            return failure;
        }
    }
    if (is_conic(projection)) {
        if (auto failure = check_conic(entries, utilities)) {
            return failure;
        }
    }
    if (auto failure = check_numbers(entries)) {
        return failure;
    }
    if (projection > kLocalGrid) {
        if (auto failure = check_zone_width(entries, utilities)) {
            return failure;
        }
    }
    // The record keeps a zone number for every projection, so it must fit even where the
    // projection does not use it.
    if (!zone_number(entries.zone_number)) {
        return "Zone number is out of range";
    }
    return std::nullopt;
}

}  // namespace korv
