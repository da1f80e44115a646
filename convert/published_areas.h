#pragma once
// The areas of use a conversion's points are checked against, and what quarrow-convert tells of
// the points found outside them.

#include <cstdint>
#include <string>
#include <vector>

#include "area_of_use_check.h"
#include "catalogue.h"
#include "conversion_setup.h"

namespace korv::convert {

// The areas of the EPSG systems the source coordinate system is, when the conversion projects or
// unprojects, and of the published shift the datum shift is (the best identified), when it
// crosses between the datums. None for what the dataset does not publish.
std::vector<CheckedArea> published_areas(const ConversionSetup& setup,
                                         const epsg::Catalogue& catalogue);

// A line for each area that points of the `points` converted lie outside: "quarrow-convert: 3 of
// 120 points lie outside the area of use of EPSG:1460 AGD66 to GDA94 (4) (Australia - New South
// Wales and Victoria)\n"; empty when none do.
std::string outside_summary(const AreaOfUseCheck& check, std::uint64_t points);

}  // namespace korv::convert
