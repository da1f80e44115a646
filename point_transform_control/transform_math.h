#pragma once
// The arithmetic of a grid-to-map transform: its cleared state, solving the two-point form,
// deriving the second new point from the origin form, and inversion. No widgets and no messages:
// callers show what these functions return.

#include <cstdint>
#include <optional>
#include <string>

#include "coord_transform.h"

namespace korv {

// Degrees per radian as this system has always used it, in both directions. It is the system's
// fixed value, not the full-precision 180/pi: stored rotations and files depend on it.
inline constexpr double kDegreesPerRadian = 57.29577951;

// Values of `transform_type`: the form the control shows and stores.
inline constexpr int32_t kOriginForm = 0;    // "Origin, Scale and Azimuth"
inline constexpr int32_t kTwoPointForm = 1;  // "Two Point"

// Baselines shorter than this cannot be solved.
inline constexpr double kShortestBaseline = 0.0001;

// Message prefixes for an arithmetic error, followed by its description. The second one's
// spelling is the one users have always seen.
inline constexpr char kParametersErrorPrefix[] =
    "An error occurred while calculating the transform parameters: ";
inline constexpr char kTransformErrorPrefix[] =
    "An error orrurred while calculating the transform: ";
// The description of a result beyond the range of a double.
inline constexpr char kOverflowDescription[] = "Overflow";

// The two point pairs of a transform in the order the system exchanges them: first original
// point, first new point, second original point, second new point, each x then y.
struct PointPairs {
    double gxmin = 0;
    double gymin = 0;
    double mxmin = 0;
    double mymin = 0;
    double gxmax = 0;
    double gymax = 0;
    double mxmax = 0;
    double mymax = 0;

    friend bool operator==(const PointPairs&, const PointPairs&) = default;
};

PointPairs point_pairs(const CoordTransform& record);

// Writes the cleared record: the identity transform, second points (1, 1) on both sides,
// elevation shift 0 and scale 1, and the reserved fields 0, 1.0 and 0.0.
void clear_coord_transform(CoordTransform& record);

// Clockwise bearing in degrees of the unit vector (u, v): -atan2(v, u), with +180 (not -180) for
// a vector along -x.
double clockwise_bearing(double u, double v);

// The rotation and scales that carry the original baseline onto the new one.
struct TwoPointSolution {
    int32_t ierr = -1;  // 0 when solved; -1 for a baseline shorter than kShortestBaseline
    double rotation = 0;
    double xscale = 0;
    double yscale = 0;
    // Set when the arithmetic overflowed: the whole message to show, and ierr is -1.
    std::string error_message;
};

// Solves the two-point form. The rotation is the difference of the two bearings, not brought
// into a standard range, so it lies anywhere in (-360, 360); both scales are the new baseline's
// length over the original one's.
TwoPointSolution convert_transform(const PointPairs& points);

// The image (mxmax, mymax) of the second original point under the origin form of `record`;
// nothing when it lies beyond the range of a double.
struct NewPoint {
    double x = 0;
    double y = 0;
};
std::optional<NewPoint> second_new_point(const CoordTransform& record);

// The inverse of `record`. Original and new coordinates swap and the elevation is undone; for
// the origin form rotation and scales are inverted too, while the two-point
// form leaves them to be solved again. Nothing when a result would not be a finite number.
std::optional<CoordTransform> invert_transform(const CoordTransform& record,
                                               int32_t transform_type);

}  // namespace korv
