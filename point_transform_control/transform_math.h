#pragma once
// The arithmetic of a grid-to-map transform: its cleared state, solving the two-point form,
// deriving the second new point from the origin form, and inversion. No widgets and no messages:
// failures come back as results whose messages the control shows (context
// "korv::PointTransform").

#include <QtGlobal>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "coord_transform.h"
#include "points.h"
#include "result.h"

namespace korv {

// Degrees per radian as the PointTransform control has always turned rotations, in both
// directions: its own fixed value, not the full-precision `kDegreesPerRadian`, since stored
// rotations and coordinate files depend on it.
inline constexpr double kStoredRotationDegreesPerRadian = 57.29577951;

// Values of `transform_type`: the form the control shows and stores.
inline constexpr int32_t kOriginForm = 0;    // "Origin, Scale and Azimuth"
inline constexpr int32_t kTwoPointForm = 1;  // "Two Point"

// Baselines shorter than this cannot be solved.
inline constexpr double kShortestBaseline = 0.0001;

// The two point pairs of a transform in the order the system exchanges them: each original (grid)
// point followed by the new (map) point it maps to, x as east and y as north.
struct PointPairs {
    GridPoint original_first;
    GridPoint new_first;
    GridPoint original_second;
    GridPoint new_second;

    friend bool operator==(const PointPairs&, const PointPairs&) = default;
};

PointPairs point_pairs(const CoordTransform& record);
// Writes the points into the record's gxmin .. mymax.
void set_point_pairs(CoordTransform& record, const PointPairs& points);

// True when every value is a finite number.
bool all_finite(std::initializer_list<double> values);

// The distance between two points, taken as the root of the sum of squares, as stored transforms
// and files were always checked: an infinity when that sum overflows.
double baseline_length(const GridPoint& from, const GridPoint& to);

// Writes the cleared record: the identity transform, second points (1, 1) on both sides,
// elevation shift 0 and scale 1, and the reserved fields 0, 1.0 and 0.0.
void clear_coord_transform(CoordTransform& record);

// Clockwise bearing in degrees of the unit vector (u, v): -atan2(v, u), with +180 (not -180) for
// a vector along -x.
double clockwise_bearing(double u, double v);

// The rotation and scales that carry the original baseline onto the new one.
struct TwoPointSolution {
    double rotation = 0;
    double xscale = 0;
    double yscale = 0;
};

// Solves the two-point form. The rotation is the difference of the two bearings, not brought
// into a standard range, so it lies anywhere in (-360, 360); both scales are the new baseline's
// length over the original one's. Nothing when a baseline is shorter than kShortestBaseline (the
// points define no transform); kTransformParametersOverflow when a baseline's length overflows. The
// original baseline is looked at first.
Result<std::optional<TwoPointSolution>> convert_transform(const PointPairs& points);

// The image (mxmax, mymax) of the second original point under the origin form of `record`;
// kTransformOverflow when it lies beyond the range of a double.
Result<GridPoint> second_new_point(const CoordTransform& record);

// The inverse of `record`. Original and new coordinates swap and the elevation is undone; for
// the origin form rotation and scales are inverted too, while the two-point form leaves them to
// be solved again. kTransformOverflow when a result would not be a finite number.
Result<CoordTransform> invert_transform(const CoordTransform& record, int32_t transform_type);

}  // namespace korv
