// The workspace of a datum shift (32 doubles, layout in korvutil32.h): written by DEFINE_DATUM,
// read back by CONVERT_DATUM.
#pragma once

#include <optional>

#include "datum_shift.h"

namespace korvutil32 {

// Fills all 32 elements of `workspace` from the shift's seven values.
void write_shift_workspace(const korv::DatumShift& shift, double* workspace);

// The shift a workspace holds (without a name), or nothing when the workspace is not one that
// DEFINE_DATUM wrote: every element must be what DEFINE_DATUM writes for the seven values it
// holds, so a zeroed or edited workspace is refused.
std::optional<korv::DatumShift> read_shift_workspace(const double* workspace);

}  // namespace korvutil32
