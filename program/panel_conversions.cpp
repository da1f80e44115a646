#include "panel_conversions.h"

#include "angle_text.h"
#include "conversion_engine_binding.h"
#include "input_limits.h"
#include "numeric_text.h"
#include "trim.h"

namespace korv {
namespace {

using convert::PointKind;

Error cannot_convert(Side side) {
    return {side == Side::kSource ? ErrorCode::kPointNotConvertedWithSource
                                  : ErrorCode::kPointNotConvertedWithMap};
}

bool within(std::optional<double> value, double limit) {
    return value && *value >= -limit && *value <= limit;
}

PointKind geographic_kind(Side side) {
    return side == Side::kSource ? PointKind::kSourceGeographic : PointKind::kMapGeographic;
}

PointKind grid_kind(Side side) {
    return side == Side::kSource ? PointKind::kSourceGrid : PointKind::kMapGrid;
}

// The point converted between two of the panel's points by the engine, bound on the first
// conversion; an error when the engine cannot be bound, the conversion cannot be made or the
// point is refused.
Result<PointCoordinates> convert_on_path(const ProgramState& state, PointKind from, PointKind to,
                                         const PointCoordinates& point) {
    const Result<convert::ConversionSetup> setup = panel_conversion_setup(state, from, to);
    if (!setup) {
        return setup.error();
    }
    const Result<convert::ConversionEngine*> engine = conversion_engine();
    if (!engine) {
        return engine.error();
    }
    return (*engine)->convert_point(*setup, point);
}

Status has_system(const ProgramState& state, Side side) {
    return side == Side::kMap ? map_system_taken(state.committed_coord_system) : kSuccess;
}

}  // namespace

Result<GeographicPoint> read_geographic_point(std::string_view longitude_text,
                                              std::string_view latitude_text) {
    const std::optional<double> longitude = angle_from_text(longitude_text, kLongitudeAngle);
    if (!within(longitude, kLongitudeLimit)) {
        return Error{ErrorCode::kPanelLongitudeInvalid};
    }
    const std::optional<double> latitude = angle_from_text(latitude_text, kLatitudeAngle);
    if (!within(latitude, kPanelLatitudeLimit)) {
        return Error{ErrorCode::kPanelLatitudeInvalid};
    }
    return GeographicPoint{*longitude, *latitude};
}

Result<GridPoint> read_grid_point(std::string_view east_text, std::string_view north_text) {
    if (!is_numeric(east_text)) {
        return Error{ErrorCode::kPanelEastingInvalid};
    }
    if (!is_numeric(north_text)) {
        return Error{ErrorCode::kPanelNorthingInvalid};
    }
    return GridPoint{leading_number(east_text), leading_number(north_text)};
}

Result<double> read_elevation(std::string_view text) {
    if (!is_numeric(text)) {
        return Error{ErrorCode::kPanelElevationInvalid};
    }
    return leading_number(text);
}

Status map_system_taken(const CoordSystem& map_system) {
    if (map_system.defined == kFalse) {
        return Error{ErrorCode::kMapSystemNotTaken};
    }
    return kSuccess;
}

Result<convert::ConversionSetup> panel_conversion_setup(const ProgramState& state, PointKind from,
                                                        PointKind to) {
    const std::optional<CoordinateSystemDefinition> source =
        definition_of(state.source_coord_system);
    const std::optional<CoordinateSystemDefinition> map =
        definition_of(state.committed_coord_system);
    if (!source || !map) {
        return Error{ErrorCode::kSystemProjectionNotListed};
    }
    convert::ConversionSetup setup;
    setup.source = *source;
    setup.map = *map;
    if (!state.current_datum_shift.is_none()) {
        setup.shift = state.current_datum_shift;
    }
    setup.from = from;
    setup.to = to;
    setup.shift_within_source_spheroid = true;
    return setup;
}

Result<GridPoint> geographic_to_grid(const ProgramState& state, Side side,
                                     const GeographicPoint& point) {
    if (const Status ready = has_system(state, side); !ready) {
        return ready.error();
    }
    const Result<PointCoordinates> grid = convert_on_path(
        state, geographic_kind(side), grid_kind(side), {point.longitude, point.latitude, 0});
    if (!grid) {
        return cannot_convert(side);
    }
    return GridPoint{grid->x, grid->y};
}

Result<GeographicPoint> grid_to_geographic(const ProgramState& state, Side side,
                                           const GridPoint& point) {
    if (const Status ready = has_system(state, side); !ready) {
        return ready.error();
    }
    const Result<PointCoordinates> geographic = convert_on_path(
        state, grid_kind(side), geographic_kind(side), {point.east, point.north, 0});
    if (!geographic) {
        return cannot_convert(side);
    }
    return GeographicPoint{geographic->x, geographic->y};
}

Result<GeodeticPoint> convert_between_datums(const ProgramState& state, Side from,
                                             const GeodeticPoint& point) {
    // No shift is no conversion: the point passes without binding the engine.
    if (state.current_datum_shift.is_none()) {
        return point;
    }
    const Side to = from == Side::kSource ? Side::kMap : Side::kSource;
    const Result<PointCoordinates> moved =
        convert_on_path(state, geographic_kind(from), geographic_kind(to),
                        {point.position.longitude, point.position.latitude, point.height});
    if (!moved) {
        return Error{ErrorCode::kPointNotMovedThroughShift,
                     {std::string(trimmed(state.current_datum_shift.name))}};
    }
    return GeodeticPoint{{moved->x, moved->y}, moved->height};
}

}  // namespace korv
