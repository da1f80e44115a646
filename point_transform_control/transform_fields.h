#pragma once
// The two tabs of a transform as text: which record field each text box shows, in what format,
// how its text is checked, and storing a tab's texts into the record.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "coord_transform.h"

namespace korv {

// One text box of a tab: the record field it shows with `decimals` decimals, the message for a
// text that is not a number, and the message for a magnitude below 0.0001 (null when any value
// is accepted).
struct TransformField {
    double CoordTransform::*value;
    int decimals;
    const char* not_numeric_message;
    const char* zero_message;
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

// What storing a tab did.
struct StoreOutcome {
    int32_t ierr = -1;
    // The record afterwards: unchanged when a text was refused; when the transform could not be
    // computed, the values taken from the texts are kept.
    CoordTransform record;
    bool second_point_defined = false;
    std::vector<std::string> messages;  // to show, in this order
};

// Checks the origin tab's texts and stores them. The second original point becomes the default
// (x origin + 100, y origin) while `second_point_defined` is false; the second new point is then
// derived from the origin form. Every value is read back from its text, so values carry the
// precision of their display format.
StoreOutcome store_origin_form(const OriginTexts& texts, const CoordTransform& record,
                               bool second_point_defined);

// Checks the two-point tab's texts, stores the points and the elevation, and solves rotation and
// scales from the points. Points so far apart that their distance overflows are refused with the
// one overflow message, the record unchanged.
StoreOutcome store_two_point_form(const TwoPointTexts& texts, const CoordTransform& record,
                                  bool second_point_defined);

}  // namespace korv
