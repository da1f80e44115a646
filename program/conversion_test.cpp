#include "conversion_test.h"

#include <cmath>

#include "angle_text.h"
#include "korvutil32.h"
#include "numeric_text.h"
#include "trim_spaces.h"

namespace korv {
namespace {

constexpr double kLongitudeLimit = 360.0;
constexpr double kLatitudeLimit = 89.0;

Refusal cannot_convert(Side side) {
    return {side == Side::kSource
                ? "The point cannot be converted with the coordinate system of the source data"
                : "The point cannot be converted with the coordinate system of the map"};
}

bool within(std::optional<double> value, double limit) {
    return value && *value >= -limit && *value <= limit;
}

}  // namespace

Outcome<GeographicPoint> read_geographic_point(std::string_view longitude_text,
                                               std::string_view latitude_text) {
    const std::optional<double> longitude = angle_from_text(longitude_text, kLongitudeAngle);
    if (!within(longitude, kLongitudeLimit)) {
        return Refusal{"Longitude is invalid"};
    }
    const std::optional<double> latitude = angle_from_text(latitude_text, kLatitudeAngle);
    if (!within(latitude, kLatitudeLimit)) {
        return Refusal{"Latitude is invalid"};
    }
    return GeographicPoint{*longitude, *latitude};
}

Outcome<GridPoint> read_grid_point(std::string_view east_text, std::string_view north_text) {
    if (!is_numeric(east_text)) {
        return Refusal{"Easting is invalid"};
    }
    if (!is_numeric(north_text)) {
        return Refusal{"Northing is invalid"};
    }
    return GridPoint{leading_number(east_text), leading_number(north_text)};
}

Outcome<double> read_elevation(std::string_view text) {
    if (!is_numeric(text)) {
        return Refusal{"Elevation is invalid"};
    }
    return leading_number(text);
}

Outcome<GridPoint> geographic_to_grid(const GeographicPoint& point, const CoordSystem& system,
                                      Side side) {
    GeographicPoint in = point;
    CoordSystem constants = system;  // the library takes every argument by address
    GridPoint out;
    int32_t status = 0;
    LL2EN(&in.longitude, &in.latitude, &constants.zone_number, &out.east, &out.north,
          constants.derived.data(), &status);
    if (status != 0) {
        return cannot_convert(side);
    }
    return out;
}

Outcome<GeographicPoint> grid_to_geographic(const GridPoint& point, const CoordSystem& system,
                                            Side side) {
    GridPoint in = point;
    CoordSystem constants = system;
    GeographicPoint out;
    int32_t status = 0;
    EN2LL(&in.east, &in.north, &constants.zone_number, &out.longitude, &out.latitude,
          constants.derived.data(), &status);
    if (status != 0) {
        return cannot_convert(side);
    }
    return out;
}

Outcome<PointWithHeight> convert_between_datums(const PointWithHeight& point, Side from,
                                                const DatumShift& shift,
                                                const CoordSystem& source_system) {
    const std::string name = trim_spaces(shift.name);
    if (name.empty() || same_name(name, "NONE")) {
        return point;
    }
    int32_t direction = from == Side::kSource ? 1 : -1;
    PointWithHeight in = point;
    // The library leaves its outputs alone when it cannot convert: they start as NaN to tell.
    PointWithHeight out{{NAN, NAN}, NAN};
    CoordSystem constants = source_system;
    DatumShift prepared = shift;
    CONVERT_DATUM(&direction, &in.point.longitude, &in.point.latitude, &in.height,
                  constants.derived.data(), &out.point.longitude, &out.point.latitude, &out.height,
                  constants.derived.data(), prepared.workspace.data());
    if (std::isnan(out.point.longitude) || std::isnan(out.point.latitude) ||
        std::isnan(out.height)) {
        return Refusal{"The point cannot be moved through the datum shift \"" + name + "\""};
    }
    return out;
}

}  // namespace korv
