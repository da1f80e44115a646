#pragma once
// What a conversion converts between, in plain values of the shared vocabulary: the two points,
// the two coordinate systems and the datum shift. Free of the geodesy core, so that the dialog,
// which binds the conversion engine only when it converts a file, states a conversion with it.

#include <cstdint>

#include "coordinate_system_definition.h"
#include "datum_shift.h"

namespace korv::convert {

// The four points of the conversion test panel, in the order of the path between them.
enum class PointKind : uint8_t { kSourceGrid, kSourceGeographic, kMapGeographic, kMapGrid };

struct ConversionSetup {
    CoordinateSystemDefinition source;  // the source coordinate system
    CoordinateSystemDefinition map;     // the map's; the panel uses a copy of the source's
    // The shift between the source datum and the map datum, from the source's spheroid to the
    // map's. A shift that is none (`DatumShift::is_none`: no name, or "None") passes points
    // unchanged, as the panel does for "None".
    DatumShift shift;
    PointKind from = PointKind::kSourceGrid;
    PointKind to = PointKind::kMapGeographic;
    // The shift leaves points on the source's spheroid, as the test panel moves them, even when
    // the map's coordinate system is on another one.
    bool shift_within_source_spheroid = false;
};

}  // namespace korv::convert
