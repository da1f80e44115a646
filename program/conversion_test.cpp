#include "conversion_test.h"

#include <QtGlobal>

#include "angle_text.h"
#include "geodesy_library.h"
#include "numeric_text.h"

namespace korv {
namespace {

constexpr double kLongitudeLimit = 360.0;
constexpr double kLatitudeLimit = 89.0;

Error cannot_convert(Side side) {
    return {side == Side::kSource
                ? QT_TRANSLATE_NOOP(
                      "korv::ConversionTestPanel",
                      "The point cannot be converted with the coordinate system of the source data")
                : QT_TRANSLATE_NOOP("korv::ConversionTestPanel",
                                    "The point cannot be converted with the coordinate system of "
                                    "the map")};
}

bool within(std::optional<double> value, double limit) {
    return value && *value >= -limit && *value <= limit;
}

}  // namespace

Result<GeographicPoint> read_geographic_point(std::string_view longitude_text,
                                              std::string_view latitude_text) {
    const std::optional<double> longitude = angle_from_text(longitude_text, kLongitudeAngle);
    if (!within(longitude, kLongitudeLimit)) {
        return Error{QT_TRANSLATE_NOOP("korv::ConversionTestPanel", "Longitude is invalid")};
    }
    const std::optional<double> latitude = angle_from_text(latitude_text, kLatitudeAngle);
    if (!within(latitude, kLatitudeLimit)) {
        return Error{QT_TRANSLATE_NOOP("korv::ConversionTestPanel", "Latitude is invalid")};
    }
    return GeographicPoint{*longitude, *latitude};
}

Result<GridPoint> read_grid_point(std::string_view east_text, std::string_view north_text) {
    if (!is_numeric(east_text)) {
        return Error{QT_TRANSLATE_NOOP("korv::ConversionTestPanel", "Easting is invalid")};
    }
    if (!is_numeric(north_text)) {
        return Error{QT_TRANSLATE_NOOP("korv::ConversionTestPanel", "Northing is invalid")};
    }
    return GridPoint{leading_number(east_text), leading_number(north_text)};
}

Result<double> read_elevation(std::string_view text) {
    if (!is_numeric(text)) {
        return Error{QT_TRANSLATE_NOOP("korv::ConversionTestPanel", "Elevation is invalid")};
    }
    return leading_number(text);
}

Status map_system_taken(const CoordSystem& map_system) {
    if (map_system.defined == kFalse) {
        return Error{QT_TRANSLATE_NOOP(
            "korv::ConversionTestPanel",
            "The map coordinates have no coordinate system yet: \"Test Transform\" takes the "
            "source data's one for them only while a transform is named. Pick a transform, or "
            "\"None\" for no datum shift, and press \"Test Transform\" again.")};
    }
    return kSuccess;
}

namespace {

Status has_system(const CoordSystem& system, Side side) {
    return side == Side::kMap ? map_system_taken(system) : kSuccess;
}

}  // namespace

Result<GridPoint> geographic_to_grid(const GeographicPoint& point, const CoordSystem& system,
                                     Side side) {
    if (const Status ready = has_system(system, side); !ready) {
        return ready.error();
    }
    const Result<GridPoint> grid = to_grid(system, point);
    return grid ? grid : cannot_convert(side);
}

Result<GeographicPoint> grid_to_geographic(const GridPoint& point, const CoordSystem& system,
                                           Side side) {
    if (const Status ready = has_system(system, side); !ready) {
        return ready.error();
    }
    const Result<GeographicPoint> geographic = to_geographic(system, point);
    return geographic ? geographic : cannot_convert(side);
}

Result<GeodeticPoint> convert_between_datums(const GeodeticPoint& point, Side from,
                                             const DatumShift& shift,
                                             const CoordSystem& source_system) {
    if (shift.is_none()) {
        return point;
    }
    // Prepared for each conversion, which only fills the library's workspace: the first
    // conversion loads the library, and a program that converts nothing never does.
    const Result<PreparedDatumShift> prepared = PreparedDatumShift::prepare(shift);
    if (prepared) {
        const Result<GeodeticPoint> moved =
            from == Side::kSource ? prepared->forward(point, source_system, source_system)
                                  : prepared->inverse(point, source_system, source_system);
        if (moved) {
            return moved;
        }
    }
    return Error{QT_TRANSLATE_NOOP("korv::ConversionTestPanel",
                                   "The point cannot be moved through the datum shift \"%1\"")};
}

}  // namespace korv
