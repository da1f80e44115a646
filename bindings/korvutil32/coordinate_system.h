// The constants block of a coordinate system: written by CRDPRM, read and checked by the
// conversions. Layout in korvutil32.h and korvutil32_layout.h.
#pragma once

#include <cstdint>
#include <optional>

#include "ellipsoids.h"

namespace korvutil32 {

// Limits beyond which a parameter or coordinate cannot be meant seriously. They turn garbage
// (1e300, a zone number of two thousand million) into a clean failure instead of a number.
inline constexpr double kMaxLongitude = 360.0;  // degrees, the range the program accepts
inline constexpr double kMaxLatitude = 90.0;
inline constexpr double kMaxGridOffset = 1e9;  // metres, false easting and northing
inline constexpr double kMaxScaleFactor = 10.0;

// A coordinate system definition as CRDPRM receives it.
struct CoordinateSystemDefinition {
    int spheroid = 0;
    int projection = 0;
    int hemisphere = 0;
    double longitude_origin = 0.0;
    double latitude_origin = 0.0;
    double standard_parallel_1 = 0.0;
    double standard_parallel_2 = 0.0;
    double false_east = 0.0;
    double false_north = 0.0;
    double scale_factor = 0.0;
    double zone_width = 0.0;
};

enum class ProjectionKind {
    kTransverseMercator,
    kLambertConformal,
    kAlbersEqualArea,
    kEquidistantConic
};

// A checked coordinate system, ready for the engine. The central meridian is resolved: for the
// zoned projections it is that of the zone being converted.
struct CoordinateSystem {
    ProjectionKind kind = ProjectionKind::kTransverseMercator;
    Ellipsoid ellipsoid{};
    double central_meridian = 0.0;
    double latitude_origin = 0.0;
    double standard_parallel_1 = 0.0;  // conics only
    double standard_parallel_2 = 0.0;  // conics only
    double scale_factor = 0.0;         // transverse Mercator only
    double false_east = 0.0;
    double false_north = 0.0;
};

// Fills all 20 elements of block.
void write_constants(const CoordinateSystemDefinition& definition, double* block);

// The coordinate system a block describes for the given zone, or nothing when the block names no
// projection, an unknown spheroid, or a parameter out of range.
std::optional<CoordinateSystem> read_constants(const double* block, std::int32_t zone);

// The ellipsoid a block places points on, for datum conversion: that of its spheroid code when it
// names a projection and a known spheroid, GRS80 otherwise (a local grid carries no ellipsoid).
Ellipsoid ellipsoid_of(const double* block);

}  // namespace korvutil32
