#pragma once
// A plane transform from original (grid) coordinates to new (map) coordinates, with an elevation
// shift and scale. It holds both forms of the transform: origin, scales and rotation, and the two
// point pairs. Field order is fixed: hosts exchange the record whole.
//
// An original point (x, y) maps to the new point (X, Y), with theta = rotation / 57.29577951:
//   dx = (x - gxmin) * xscale, dy = (y - gymin) * yscale
//   X = mxmin + cos(theta) * dx + sin(theta) * dy
//   Y = mymin - sin(theta) * dx + cos(theta) * dy
//   Znew = (Zold + zshift) * zscale

#include <cstdint>

namespace korv {

struct CoordTransform {
    int16_t reserved_int = 0;  // carried along unchanged
    double rotation = 0;       // clockwise, degrees, from original to new axes
    double reserved_a = 0;     // carried along unchanged
    double reserved_b = 0;     // carried along unchanged
    double xscale = 0;
    double yscale = 0;
    double gxmin = 0;  // first original point x (the original x origin)
    double gxmax = 0;  // second original point x
    double mxmin = 0;  // first new point x (the new x origin)
    double mxmax = 0;  // second new point x
    double gymin = 0;  // first original point y (the original y origin)
    double gymax = 0;  // second original point y
    double mymin = 0;  // first new point y (the new y origin)
    double mymax = 0;  // second new point y
    double zshift = 0;
    double zscale = 0;

    friend bool operator==(const CoordTransform&, const CoordTransform&) = default;
};

}  // namespace korv
