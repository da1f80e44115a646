#include "projection_checks.h"

#include <QtGlobal>
#include <cmath>

#include "angle_text.h"
#include "coord_system.h"
#include "input_limits.h"
#include "numeric_text.h"
#include "utilities.h"

namespace korv {
namespace {

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

Status check_zone(const ProjectionEntries& entries) {
    if (!is_numeric(entries.zone_number)) {
        return Error{ErrorCode::kZoneNumberNotNumeric};
    }
    const std::optional<int32_t> zone = zone_number(entries.zone_number);
    if (!zone) {
        return Error{ErrorCode::kZoneNumberOutOfRange};
    }
    if (*zone <= 0) {
        return Error{ErrorCode::kZoneNumberNotPositive};
    }
    return kSuccess;
}

// The zoned projections check their origins only against what no point can be converted with: a
// longitude beyond -360 to 360 degrees, a latitude beyond the poles, or text that is no angle
// (read as 0 degrees it would move every point by the longitude typed).
Status check_zoned_origins(const ProjectionEntries& entries, Utilities& utilities) {
    if (!within(angle(entries.longitude_origin, kLongitudeAngle, utilities), kLongitudeLimit)) {
        return Error{ErrorCode::kLongitudeOriginInvalid};
    }
    if (!within(angle(entries.latitude_origin, kLatitudeAngle, utilities), kLatitudeLimit)) {
        return Error{ErrorCode::kLatitudeOriginInvalid};
    }
    return kSuccess;
}

Status check_conic(const ProjectionEntries& entries, Utilities& utilities) {
    const std::optional<double> parallel_1 =
        angle(entries.standard_parallel_1, kLatitudeAngle, utilities);
    if (!within(parallel_1, kPanelLatitudeLimit)) {
        return Error{ErrorCode::kStandardParallel1Invalid};
    }
    const std::optional<double> parallel_2 =
        angle(entries.standard_parallel_2, kLatitudeAngle, utilities);
    if (!within(parallel_2, kPanelLatitudeLimit)) {
        return Error{ErrorCode::kStandardParallel2Invalid};
    }
    if (std::fabs(*parallel_1 - *parallel_2) < kSmallestParallelSpacing) {
        return Error{ErrorCode::kStandardParallelsNotDistinct};
    }
    if (!within(angle(entries.longitude_origin, kLongitudeAngle, utilities), kLongitudeLimit)) {
        return Error{ErrorCode::kLongitudeOriginInvalid};
    }
    if (!within(angle(entries.latitude_origin, kLatitudeAngle, utilities), kPanelLatitudeLimit)) {
        return Error{ErrorCode::kLatitudeOriginInvalid};
    }
    return kSuccess;
}

Status check_numbers(const ProjectionEntries& entries) {
    if (!is_numeric(entries.false_east)) {
        return Error{ErrorCode::kFalseEastingNotNumeric};
    }
    if (!is_numeric(entries.false_north)) {
        return Error{ErrorCode::kFalseNorthNotNumeric};
    }
    if (!is_numeric(entries.scale_factor)) {
        return Error{ErrorCode::kScaleFactorNotNumeric};
    }
    if (leading_number(entries.scale_factor) <= 0) {
        return Error{ErrorCode::kScaleFactorNotPositive};
    }
    return kSuccess;
}

// The zone width is checked as a latitude, as the definitions in use always have been, but
// stored as a plain angle: a hemisphere letter would pass here and be stored as 0.
Status check_zone_width(const ProjectionEntries& entries, Utilities& utilities) {
    double width = 0;
    utilities.parse_angle(entries.zone_width, width, kLatitudeAngle);
    if (width <= 0 || width > kZoneWidthLimit ||
        !angle(entries.zone_width, kPlainAngle, utilities)) {
        return Error{ErrorCode::kZoneWidthInvalid};
    }
    return kSuccess;
}

// The zoned projections centre zone n on the longitude origin plus n - 1 zone widths; no point of
// a zone whose central meridian lies beyond -360 to 360 degrees can be converted, so such a zone
// is refused here, where the user can mend it, rather than point by point.
Status check_central_meridian(const ProjectionEntries& entries, Utilities& utilities) {
    const double origin = angle(entries.longitude_origin, kLongitudeAngle, utilities).value_or(0);
    const double zones_east = *zone_number(entries.zone_number) - 1.0;
    const double width = angle(entries.zone_width, kPlainAngle, utilities).value_or(0);
    if (!within(origin + zones_east * width, kLongitudeLimit)) {
        return Error{ErrorCode::kZoneMeridianInvalid};
    }
    return kSuccess;
}

}  // namespace

Status check_entries(const ProjectionEntries& entries, Utilities& utilities) {
    const int32_t projection = entries.projection;
    if (is_zoned(projection)) {
        if (Status zone = check_zone(entries); !zone) {
            return zone;
        }
        if (Status origins = check_zoned_origins(entries, utilities); !origins) {
            return origins;
        }
    }
    if (is_conic(projection)) {
        if (Status conic = check_conic(entries, utilities); !conic) {
            return conic;
        }
    }
    if (Status numbers = check_numbers(entries); !numbers) {
        return numbers;
    }
    if (projection > kLocalGrid) {
        if (Status width = check_zone_width(entries, utilities); !width) {
            return width;
        }
    }
    if (is_zoned(projection)) {
        if (Status meridian = check_central_meridian(entries, utilities); !meridian) {
            return meridian;
        }
    }
    // The record keeps a zone number for every projection, so it must fit even where the
    // projection does not use it.
    if (!zone_number(entries.zone_number)) {
        return Error{ErrorCode::kZoneNumberOutOfRange};
    }
    return kSuccess;
}

}  // namespace korv
