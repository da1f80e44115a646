#pragma once
// The source coordinate system and the datum shift quarrow-convert's options name: given as the
// dialog stores them, kept by the dialog, or published in the EPSG dataset under a code.

#include <optional>

#include "catalogue.h"
#include "command_line.h"
#include "coordinate_system_definition.h"
#include "datum_shift.h"
#include "result.h"

namespace korv::convert {

// The system of --system (the stored lists or an EPSG code), else the one the dialog keeps in the
// settings store, with the zone of --zone; or an error saying why it cannot be had.
Result<CoordinateSystemDefinition> source_definition(const CommandLine& line,
                                                     const epsg::Catalogue& catalogue);

// The shift of --shift (an entry of the dialog's datum list, or an EPSG code) or
// --shift-parameters; a shift without a name for no shift and for "None", as the dialog has it.
Result<DatumShift> datum_shift(const CommandLine& line, const epsg::Catalogue& catalogue);

}  // namespace korv::convert
