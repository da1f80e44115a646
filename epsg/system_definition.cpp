#include "system_definition.h"

#include <cmath>
#include <optional>
#include <string>

#include "catalogue_errors.h"
#include "spheroid_figures.h"
#include "unit_table.h"
#include "word_search.h"

namespace korv::epsg {
namespace {

// The dataset's map projection methods the control defines.
constexpr int32_t kTransverseMercatorMethod = 9807;
constexpr int32_t kZonedTransverseMercatorMethod = 9824;
constexpr int32_t kLambertTwoParallelsMethod = 9802;
constexpr int32_t kAlbersMethod = 9822;
constexpr int32_t kEquidistantConicMethod = 1119;

// The zone system of the zoned grids: 6° zones, zone 1 centred on 177° W, scale factor 0.9996 on
// the central meridian, the central meridian 500 km east of the false origin, the false origin
// 10 000 km south of the equator in the southern hemisphere.
constexpr double kZone1Meridian = -177;
constexpr double kZonedGridWidth = 6;
constexpr int kZoneCount = 60;
constexpr double kZonedScaleFactor = 0.9996;
constexpr double kZonedFalseEasting = 500000;
constexpr double kSouthernFalseNorthing = 10000000;

// What the control's fields keep: the scale factor to four decimals, false easting and northing
// in whole metres. The control's standard parallels must lie 0.1° apart.
constexpr double kLeastParallelSpacing = 0.1;

bool whole(double value) {
    return std::fabs(value - std::round(value)) <= 1e-9 * std::fmax(1, std::fabs(value));
}

// The projection as a refusal names it: its method, in the conversion's own spelling where that
// names the method ("Popular Visualisation Pseudo-Mercator").
std::string projection_name(const SystemRecord& record) {
    return letters_and_digits(record.conversion_name) == letters_and_digits(record.method_name)
               ? record.conversion_name
               : record.method_name;
}

std::optional<int32_t> listed_spheroid(const SystemRecord& record) {
    for (const Spheroid& spheroid : kSpheroids) {
        if (has_figures(spheroid, record.semi_major_axis, record.semi_minor_axis)) {
            return spheroid.code;
        }
    }
    return std::nullopt;
}

double greenwich_longitude(double longitude, const SystemRecord& record) {
    return std::remainder(longitude + record.prime_meridian, 360.0);
}

int32_t hemisphere_of_area(const SystemRecord& record) {
    const AreaOfUse& area = record.published.area;
    return area.south + area.north < 0 ? kSouthernHemisphere : kNorthernHemisphere;
}

// Transverse Mercator: a zone of the zoned grids when its numbers are theirs, else zone 1 of a
// system centred on its own meridian.
void define_transverse_mercator(const SystemRecord& record, double central_meridian,
                                CoordinateSystemDefinition& d) {
    d.projection = record.published.name.find("AMG zone") != std::string::npos
                       ? kAustralianMapGrid
                       : kUniversalTransverseMercator;
    d.zone_width = kZonedGridWidth;
    d.longitude_origin = central_meridian;
    d.zone_number = 1;
    d.hemisphere = hemisphere_of_area(record);
    const double zone = (central_meridian - kZone1Meridian) / kZonedGridWidth;
    const bool zoned = d.scale_factor == kZonedScaleFactor && d.latitude_origin == 0 &&
                       d.false_east == kZonedFalseEasting &&
                       (d.false_north == 0 || d.false_north == kSouthernFalseNorthing) &&
                       whole(zone) && zone >= 0 && zone < kZoneCount;
    if (zoned) {
        d.longitude_origin = kZone1Meridian;
        d.zone_number = static_cast<int32_t>(std::lround(zone)) + 1;
        d.hemisphere = d.false_north == 0 ? kNorthernHemisphere : kSouthernHemisphere;
    }
}

// The definition for the record's method, or nothing when a parameter is missing.
std::optional<CoordinateSystemDefinition> definition_by_method(const SystemRecord& r) {
    const auto p = [&r](int32_t code) { return r.parameter(code); };
    CoordinateSystemDefinition d;
    if (r.method_code == kTransverseMercatorMethod ||
        r.method_code == kZonedTransverseMercatorMethod) {
        const auto latitude = p(kLatitudeOfNaturalOrigin), scale = p(kScaleFactorAtNaturalOrigin),
                   east = p(kFalseEasting), north = p(kFalseNorthing);
        if (!latitude || !scale || !east || !north) {
            return std::nullopt;
        }
        d.latitude_origin = *latitude;
        d.scale_factor = *scale;
        d.false_east = *east;
        d.false_north = *north;
        if (r.method_code == kTransverseMercatorMethod) {
            const auto meridian = p(kLongitudeOfNaturalOrigin);
            if (!meridian) {
                return std::nullopt;
            }
            define_transverse_mercator(r, greenwich_longitude(*meridian, r), d);
            return d;
        }
        // A zone system without its zone: the user picks the zone.
        const auto initial = p(kInitialLongitude), width = p(kZoneWidth);
        if (!initial || !width) {
            return std::nullopt;
        }
        d.projection = kUniversalTransverseMercator;
        d.zone_width = *width;
        d.longitude_origin = greenwich_longitude(*initial + *width / 2, r);
        d.hemisphere = d.false_north == 0 ? kNorthernHemisphere : kSouthernHemisphere;
        return d;
    }
    const auto latitude = p(kLatitudeOfFalseOrigin), meridian = p(kLongitudeOfFalseOrigin),
               first = p(kLatitudeOfFirstParallel), second = p(kLatitudeOfSecondParallel),
               east = p(kEastingAtFalseOrigin), north = p(kNorthingAtFalseOrigin);
    if (!latitude || !meridian || !first || !second || !east || !north) {
        return std::nullopt;
    }
    d.projection = r.method_code == kLambertTwoParallelsMethod ? kLambertConformal
                   : r.method_code == kAlbersMethod            ? kAlbersEqualArea
                                                               : kEquidistantConic;
    d.latitude_origin = *latitude;
    d.longitude_origin = greenwich_longitude(*meridian, r);
    d.standard_parallel_1 = *first;
    d.standard_parallel_2 = *second;
    d.false_east = *east;
    d.false_north = *north;
    d.scale_factor = 1;  // unused by the conics; 1 passes the control's check
    d.zone_width = kZonedGridWidth;
    d.hemisphere = hemisphere_of_area(r);
    return d;
}

}  // namespace

Result<CoordinateSystemDefinition> system_definition(const SystemRecord& record) {
    const int32_t code = record.published.code;
    const int32_t method = record.method_code;
    if (method != kTransverseMercatorMethod && method != kZonedTransverseMercatorMethod &&
        method != kLambertTwoParallelsMethod && method != kAlbersMethod &&
        method != kEquidistantConicMethod) {
        return projection_not_defined(code, projection_name(record));
    }
    const std::optional<int32_t> spheroid = listed_spheroid(record);
    if (!spheroid) {
        return spheroid_not_listed(record.ellipsoid_name);
    }
    if (record.axis_unit != kMetre) {
        return unit_not_defined(code, record.axis_unit_name);
    }
    if (record.axes != "east, north" && record.axes != "north, east") {
        return axes_not_defined(code, record.axes);
    }
    std::optional<CoordinateSystemDefinition> definition =
        record.parameters_readable ? definition_by_method(record) : std::nullopt;
    if (!definition) {
        return parameter_unreadable(code);
    }
    definition->spheroid = *spheroid;
    if (is_conic(definition->projection) &&
        std::fabs(definition->standard_parallel_1 - definition->standard_parallel_2) <
            kLeastParallelSpacing) {
        return parallels_too_close(code);
    }
    return *definition;
}

}  // namespace korv::epsg
