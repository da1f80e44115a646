// Named positions in the two arrays that Korvutil32 shares with its callers: the 20-element
// constants block of a coordinate system and the 32-element workspace of a datum shift. The
// program reads the shift's translation, scale and rotation matrix straight from the workspace
// (to derive the inverse shift), so these positions are part of the library's interface.
#ifndef KORVUTIL32_LAYOUT_H
#define KORVUTIL32_LAYOUT_H

namespace korvutil32 {

inline constexpr int kConstantsSize = 20;
inline constexpr int kWorkspaceSize = 32;

// Constants block, filled by CRDPRM.
namespace constants {
inline constexpr int kProjection = 0;  // 0 = no projection (local grid)
inline constexpr int kSpheroid = 1;
inline constexpr int kHemisphere = 2;
inline constexpr int kLongitudeOrigin = 3;
inline constexpr int kLatitudeOrigin = 4;
inline constexpr int kStandardParallel1 = 5;
inline constexpr int kStandardParallel2 = 6;
inline constexpr int kFalseEast = 7;
inline constexpr int kFalseNorth = 8;
inline constexpr int kScaleFactor = 9;
inline constexpr int kZoneWidth = 10;
inline constexpr int kSemiMajorAxis = 11;
inline constexpr int kInverseFlattening = 12;
inline constexpr int kSemiMinorAxis = 13;
}  // namespace constants

// Projection codes held in constants::kProjection.
namespace projection {
inline constexpr int kNone = 0;
inline constexpr int kAustralianMapGrid = 1;
inline constexpr int kUniversalTransverseMercator = 2;
inline constexpr int kLambertConformal = 3;
inline constexpr int kAlbersEqualArea = 4;
inline constexpr int kEquidistantConic = 5;
}  // namespace projection

// Datum shift workspace, filled by DEFINE_DATUM, for the shift X' = t + s * M * X.
namespace workspace {
inline constexpr int kTranslation = 0;       // 0, 1, 2: dx, dy, dz in metres
inline constexpr int kRotationSeconds = 3;   // 3, 4, 5: rx, ry, rz as given, seconds of arc
inline constexpr int kScalePpm = 6;          // sc as given, parts per million
inline constexpr int kScale = 7;             // s = 1 + sc / 1 000 000
inline constexpr int kRotationMatrix = 8;    // 8 .. 16: M row by row
inline constexpr int kRotationRadians = 17;  // 17, 18, 19: rx, ry, rz in radians

// Position of row `row`, column `column` (each 0..2) of the rotation matrix M.
constexpr int matrix(int row, int column) {
    return kRotationMatrix + 3 * row + column;
}
}  // namespace workspace

}  // namespace korvutil32

#endif  // KORVUTIL32_LAYOUT_H
