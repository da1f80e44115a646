#pragma once
// Published systems and shifts as quarrow-convert prints them, one a line.

#include <string>

#include "published_shift.h"
#include "published_system.h"

namespace korv::convert {

// "EPSG:28355 GDA94 / MGA zone 55", as the dialog names it under the Projection control.
std::string system_line(const epsg::PublishedSystem& system);

// The columns of --list-shifts, separated by tabs: code, name, accuracy, area of use, and whether
// it is deprecated: "EPSG:1460\tAGD66 to GDA94 (4)\t1 m\tAustralia - ...\tcurrent". The accuracy
// is "unknown" where the dataset gives none.
std::string shift_line(const epsg::PublishedShift& shift);

}  // namespace korv::convert
