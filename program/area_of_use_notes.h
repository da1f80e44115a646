#pragma once
// What the test panel says beside a result whose point lies outside the area of use of the
// published numbers it was converted with: the EPSG systems the coordinate system is, or the
// published transformation the datum shift is. The conversion is made all the same; the note only
// tells the user that the published numbers were not made for that point.

#include <QString>

#include "catalogue.h"
#include "coord_system.h"
#include "datum_shift.h"
#include "points.h"

namespace korv {

// Empty when the point lies within the area of use of any EPSG system `system` is, or it is none.
QString outside_systems_note(const epsg::Catalogue& catalogue, const CoordSystem& system,
                             GeographicPoint point);

// Empty when the point lies within the area of use of the published transformation `shift` is
// (the best identified), or it is none.
QString outside_shift_note(const epsg::Catalogue& catalogue, const DatumShift& shift,
                           GeographicPoint point);

}  // namespace korv
