// The constants block of a coordinate system (20 doubles, layout in korvutil32.h): written by
// CRDPRM from a definition, read back into one by the conversions.
#pragma once

#include <cstdint>

#include "coordinate_system_definition.h"
#include "spheroids.h"

namespace korvutil32 {

// Fills all 20 elements of `block`. A projection other than 1..5 is written as 0, "no
// projection", so that conversions through the block fail cleanly.
void write_constants(const korv::CoordinateSystemDefinition& definition, double* block);

// The definition a block holds for the given zone, with its projection as written (a block whose
// element 0 is not a whole number 1..5, or whose spheroid code is not a whole number, reads as a
// local grid, which the core refuses to convert with).
korv::CoordinateSystemDefinition definition_of(const double* block, int32_t zone);

// The spheroid a block places points on, for datum conversion: that of its code when it names a
// projection and a known spheroid, GRS80 otherwise (a local grid carries no spheroid).
korv::Spheroid spheroid_of(const double* block);

}  // namespace korvutil32
