#pragma once
// What the program keeps for its whole run besides the datum list.

#include "coord_system.h"
#include "datum_shift.h"

namespace korv {

struct ProgramState {
    CoordSystem
        source_coord_system;  // loaded at start-up, read back by "Done" and "Test Transform"
    CoordSystem committed_coord_system;  // the copy the map side of the conversion test uses
    DatumShift current_datum_shift;      // set by "Done" and "Test Transform"; not kept
};

}  // namespace korv
