#pragma once
// The definition most tests work with: MGA zone 55, GRS80, southern hemisphere.

#include "coord_system.h"

namespace korv::testing {

// The record, named "MGA zone 55", with `derived` left zero.
CoordSystem mga_zone55();

// Stores the same definition as the program keeps it in the settings store; true when written.
bool store_mga_zone55();

}  // namespace korv::testing
