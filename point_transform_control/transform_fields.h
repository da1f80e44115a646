#pragma once
// The two tabs of a transform as text: which record field each text box shows, in what format,
// how its text is checked, and storing a tab's texts into the record. Messages are for the
// control to show (context "korv::PointTransform").

#include <array>
#include <cstdint>
#include <string>

#include <optional>

#include "coord_transform.h"
#include "result.h"

namespace korv {

// One text box of a tab: the record field it shows with `decimals` decimals, the failure of a
// text that is not a number, and the failure of a magnitude below 0.0001 (none when any value
// is accepted).
struct TransformField {
    double CoordTransform::*value;
    int decimals;
    ErrorCode not_numeric;
    std::optional<ErrorCode> zero;
};

// The origin tab's boxes in the order they are checked.
enum OriginField : size_t {
    kRotang,
    kXorigin,
    kYorigin,
    kXoffset,
    kYoffset,
    kXscale,
    kYscale,
    kOriginElevationShift,
    kOriginElevationScale,
    kOriginFieldCount,
};

// The two-point tab's boxes in the order they are checked.
enum TwoPointField : size_t {
    kOriginalX1,
    kOriginalY1,
    kNewX1,
    kNewY1,
    kOriginalX2,
    kOriginalY2,
    kNewX2,
    kNewY2,
    kTwoPointElevationShift,
    kTwoPointElevationScale,
    kTwoPointFieldCount,
};

extern const std::array<TransformField, kOriginFieldCount> kOriginFields;
extern const std::array<TransformField, kTwoPointFieldCount> kTwoPointFields;

using OriginTexts = std::array<std::string, kOriginFieldCount>;
using TwoPointTexts = std::array<std::string, kTwoPointFieldCount>;

// The texts that show `record` on each tab.
OriginTexts origin_form_texts(const CoordTransform& record);
TwoPointTexts two_point_form_texts(const CoordTransform& record);

// A control's transform as its tabs store it: the record, and whether its second original point
// has been set (false after clearing; the next store of the origin tab then sets it).
struct StoredTransform {
    CoordTransform record;
    bool second_point_defined = false;

    friend bool operator==(const StoredTransform&, const StoredTransform&) = default;
};

// Checks the origin tab's texts and stores them into `stored`. The second original point becomes
// the default (x origin + 100, y origin) while it is not yet set; the second new point is then
// derived from the origin form. Every value is read back from its text, so values carry the
// precision of their display format. A refused text gives its message with `stored` unchanged;
// a second new point beyond the range of a double gives kTransformOverflow, with the values taken
// from the texts kept.
Status store_origin_form(const OriginTexts& texts, StoredTransform& stored);

// Checks the two-point tab's texts, stores the points and the elevation into `stored`, and solves
// rotation and scales from the points. A refused text, points too close together or so far apart
// that their distance overflows (kTransformOverflow) give their message with `stored` unchanged.
Status store_two_point_form(const TwoPointTexts& texts, StoredTransform& stored);

}  // namespace korv
