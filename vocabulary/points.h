#pragma once
// Points as every part exchanges them: degrees and metres, never radians.

#include <cstdint>

namespace korv {

// A projected point, metres.
struct GridPoint {
    double east = 0;
    double north = 0;

    friend bool operator==(const GridPoint&, const GridPoint&) = default;
};

// A point on the spheroid, decimal degrees, east and north positive.
struct GeographicPoint {
    double longitude = 0;
    double latitude = 0;

    friend bool operator==(const GeographicPoint&, const GeographicPoint&) = default;
};

// A geographic point with its height above the spheroid, metres: what a datum shift moves.
struct GeodeticPoint {
    GeographicPoint position;
    double height = 0;

    friend bool operator==(const GeodeticPoint&, const GeodeticPoint&) = default;
};

// A point as a batch conversion works on it in place: what `x` and `y` hold changes as the point
// goes from grid to geographic or back.
struct PointCoordinates {
    double x = 0;       // east, metres, or longitude, degrees
    double y = 0;       // north, metres, or latitude, degrees
    double height = 0;  // metres above the spheroid; 0 where none is given

    friend bool operator==(const PointCoordinates&, const PointCoordinates&) = default;
};

// What became of one point of a batch conversion.
enum class PointStatus : uint8_t {
    kOk,             // converted; on the way in, still to be converted
    kOutside,        // beyond the input limits, so not converted
    kUnconvertible,  // the conversion has no answer for it
};

}  // namespace korv
