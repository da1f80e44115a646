#pragma once
// Telling spheroids by their figures, which the dataset and the spheroid list both publish.

#include <cmath>

#include "spheroids.h"

namespace korv::epsg {

// Axes alike to a hundredth of a millimetre: GRS80 and WGS84 differ by a tenth in the minor one.
inline constexpr double kAxisTolerance = 1e-5;  // metres

// Whether `spheroid` has the semi-major and semi-minor axes given, in metres.
inline bool has_figures(const Spheroid& spheroid, double semi_major_axis, double semi_minor_axis) {
    return std::fabs(spheroid.semi_major_axis - semi_major_axis) <= kAxisTolerance &&
           std::fabs(spheroid.derived_semi_minor_axis() - semi_minor_axis) <= kAxisTolerance;
}

}  // namespace korv::epsg
