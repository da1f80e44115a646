#pragma once
// Where a published coordinate system or datum shift is meant to be used: a named region and the
// box of longitudes and latitudes around it. Points outside still convert; the program only tells
// the user that the published numbers were not made for them.

#include <cmath>
#include <string>

#include "points.h"

namespace korv {

struct AreaOfUse {
    std::string name;    // "Australia - offshore"; empty when the dataset names no area
    double south = -90;  // degrees, -90..90
    double north = 90;
    double west = -180;  // degrees, -180..180; greater than east when the box crosses 180°
    double east = 180;

    // Whether the point (degrees, any longitude) lies within the box, its edges included.
    bool contains(GeographicPoint point) const {
        if (!std::isfinite(point.longitude) || !(point.latitude >= south) ||
            !(point.latitude <= north)) {
            return false;
        }
        // Longitude into -180..180, so a point given as 190° meets a box drawn at -170°; 180° and
        // -180° are one meridian.
        const double longitude = std::remainder(point.longitude, 360.0);
        const auto spans = [this](double l) {
            return west <= east ? l >= west && l <= east : l >= west || l <= east;
        };
        return spans(longitude) || (std::fabs(longitude) == 180.0 && spans(-longitude));
    }

    friend bool operator==(const AreaOfUse&, const AreaOfUse&) = default;
};

}  // namespace korv
