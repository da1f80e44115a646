#pragma once
// The record of one coordinate system, exchanged whole between the program and the Projection
// control. A plain value: copying it copies everything, the name included.

#include <array>
#include <cstdint>
#include <string>

namespace korv {

// Values of the 16-bit Boolean `defined`.
inline constexpr int16_t kFalse = 0;
inline constexpr int16_t kTrue = -1;

// Projection positions, as in the Projection control's list.
enum ProjectionPosition : int32_t {
    kLocalGrid = 0,
    kAustralianMapGrid = 1,
    kUniversalTransverseMercator = 2,
    kLambertConformal = 3,
    kAlbersEqualArea = 4,
    kEquidistantConic = 5,
    kProjectionCount = 6,
};

inline constexpr int32_t kNorthernHemisphere = 1;
inline constexpr int32_t kSouthernHemisphere = 2;
inline constexpr int kDerivedConstantCount = 20;

struct CoordSystem {
    int16_t defined = kFalse;     // set True by the control when it hands out a checked definition
    std::string name;             // kept in the settings store; no control edits it
    int32_t projection = 0;       // position in the projection list
    int32_t spheroid = 0;         // spheroid code of the geodesy library
    int32_t hemisphere = 0;       // 1 northern, 2 southern
    double longitude_origin = 0;  // degrees
    double latitude_origin = 0;   // degrees
    double standard_parallel_1 = 0;  // degrees
    double standard_parallel_2 = 0;  // degrees
    double scale_factor = 0;
    double false_east = 0;
    double false_north = 0;
    int32_t zone_number = 0;                              // zoned projections only
    double zone_width = 0;                                // degrees
    std::array<double, kDerivedConstantCount> derived{};  // filled by the geodesy library

    friend bool operator==(const CoordSystem&, const CoordSystem&) = default;
};

}  // namespace korv
