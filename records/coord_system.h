#pragma once
// The record of one coordinate system, exchanged whole between the program and the Projection
// control. A plain value: copying it copies everything, the name included.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "coordinate_system_definition.h"
#include "projection_kind.h"

namespace korv {

// Values of the 16-bit Boolean `defined`.
inline constexpr int16_t kFalse = 0;
inline constexpr int16_t kTrue = -1;

inline constexpr int kDerivedConstantCount = 20;

struct CoordSystem {
    int16_t defined = kFalse;     // set True by the control when it hands out a checked definition
    std::string name;             // kept in the settings store; no control edits it
    int32_t projection = 0;       // a ProjectionKind: the position in the projection list
    int32_t spheroid = 0;         // spheroid code of the geodesy library
    int32_t hemisphere = 0;       // 1 northern, 2 southern
    double longitude_origin = 0;  // degrees
    double latitude_origin = 0;   // degrees
    double standard_parallel_1 = 0;  // degrees
    double standard_parallel_2 = 0;  // degrees
    double scale_factor = 0;
    double false_east = 0;
    double false_north = 0;
    int32_t zone_number = 0;                              // zoned projections only
    double zone_width = 0;                                // degrees
    std::array<double, kDerivedConstantCount> derived{};  // filled by the geodesy library

    friend bool operator==(const CoordSystem&, const CoordSystem&) = default;
};

// The definition a record holds with its projection number as it is, even one the projection
// list does not hold: what the settings store keeps of it.
inline CoordinateSystemDefinition as_definition(const CoordSystem& record) {
    return CoordinateSystemDefinition{static_cast<ProjectionKind>(record.projection),
                                      record.spheroid,
                                      record.hemisphere,
                                      record.longitude_origin,
                                      record.latitude_origin,
                                      record.standard_parallel_1,
                                      record.standard_parallel_2,
                                      record.false_east,
                                      record.false_north,
                                      record.scale_factor,
                                      record.zone_width,
                                      record.zone_number};
}

// The definition a record holds, as the geodesy core takes it; nothing for a projection number
// the list does not hold.
inline std::optional<CoordinateSystemDefinition> definition_of(const CoordSystem& record) {
    if (!projection_kind(record.projection)) {
        return std::nullopt;
    }
    return as_definition(record);
}

// A record of `definition` named `name`: not yet defined, its derived constants zero.
inline CoordSystem as_record(const CoordinateSystemDefinition& definition, std::string name = {}) {
    CoordSystem record;
    record.name = std::move(name);
    record.projection = projection_number(definition.projection);
    record.spheroid = definition.spheroid;
    record.hemisphere = definition.hemisphere;
    record.longitude_origin = definition.longitude_origin;
    record.latitude_origin = definition.latitude_origin;
    record.standard_parallel_1 = definition.standard_parallel_1;
    record.standard_parallel_2 = definition.standard_parallel_2;
    record.scale_factor = definition.scale_factor;
    record.false_east = definition.false_east;
    record.false_north = definition.false_north;
    record.zone_number = definition.zone_number;
    record.zone_width = definition.zone_width;
    return record;
}

}  // namespace korv
