#pragma once
// Points as every part exchanges them: degrees and metres, never radians.

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

}  // namespace korv
