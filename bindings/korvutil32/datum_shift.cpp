#include "datum_shift.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "coordinate_system.h"
#include "korvutil32_layout.h"
#include "numeric_checks.h"
#include "operation_cache.h"
#include "proj_definition.h"
#include "proj_session.h"

namespace korvutil32 {
namespace {

namespace slot = workspace;

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kRadiansPerArcSecond = kRadiansPerDegree / 3600.0;

// Bounds on a workspace that could come from a real datum shift; far wider than any published one.
constexpr double kMaxTranslation = 1e7;  // metres
constexpr double kMinScale = 0.5;
constexpr double kMaxScale = 2.0;
constexpr double kMaxMatrixElement = 2.0;

// Input and output ellipsoid of a conversion, with room to spare.
constexpr std::size_t kCacheCapacity = 4;

OperationCache<int>& geocentric_cache() {
    static auto* const cache = new OperationCache<int>(kCacheCapacity);
    return *cache;
}

// The engine operation between geodetic (radians, metres) and geocentric coordinates on an
// ellipsoid. Call under the session lock.
PJ* geocentric_operation(ProjSession& session, const Ellipsoid& ellipsoid) {
    return geocentric_cache().find_or_create(ellipsoid.code, [&] {
        return session.create(ProjDefinition("cart").ellipsoid(ellipsoid).text());
    });
}

using Vector = std::array<double, 3>;

// X' = t + s * M * X
Vector apply(const GeocentricShift& shift, const Vector& x) {
    const auto& m = shift.matrix;
    Vector result{};
    for (int i = 0; i < 3; ++i) {
        const double rotated = m[3 * i] * x[0] + m[3 * i + 1] * x[1] + m[3 * i + 2] * x[2];
        result[i] = shift.translation[i] + shift.scale * rotated;
    }
    return result;
}

// X = transpose(M) * (X' - t) / s: the reverse of apply() as the shift method defines it. The
// small-angle M is orthogonal only to first order, so this undoes apply() to second order in the
// rotations: some hundredths of a millimetre for rotations of a second of arc.
Vector undo(const GeocentricShift& shift, const Vector& x) {
    const auto& m = shift.matrix;
    const Vector d{x[0] - shift.translation[0], x[1] - shift.translation[1],
                   x[2] - shift.translation[2]};
    Vector result{};
    for (int j = 0; j < 3; ++j) {
        result[j] = (m[j] * d[0] + m[3 + j] * d[1] + m[6 + j] * d[2]) / shift.scale;
    }
    return result;
}

}  // namespace

void write_shift_workspace(const SevenParameters& shift, double* workspace) {
    std::fill(workspace, workspace + kWorkspaceSize, 0.0);
    const double rx = shift.rx * kRadiansPerArcSecond;
    const double ry = shift.ry * kRadiansPerArcSecond;
    const double rz = shift.rz * kRadiansPerArcSecond;

    workspace[slot::kTranslation + 0] = shift.dx;
    workspace[slot::kTranslation + 1] = shift.dy;
    workspace[slot::kTranslation + 2] = shift.dz;
    workspace[slot::kRotationSeconds + 0] = shift.rx;
    workspace[slot::kRotationSeconds + 1] = shift.ry;
    workspace[slot::kRotationSeconds + 2] = shift.rz;
    workspace[slot::kScalePpm] = shift.sc;
    workspace[slot::kScale] = 1.0 + shift.sc / 1e6;
    workspace[slot::kRotationRadians + 0] = rx;
    workspace[slot::kRotationRadians + 1] = ry;
    workspace[slot::kRotationRadians + 2] = rz;

    // Coordinate frame rotation, small-angle form, as the published shifts are defined:
    // M = [[1, rz, -ry], [-rz, 1, rx], [ry, -rx, 1]].
    const double matrix[3][3] = {{1.0, rz, -ry}, {-rz, 1.0, rx}, {ry, -rx, 1.0}};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            workspace[slot::matrix(i, j)] = matrix[i][j];
        }
    }
}

std::optional<GeocentricShift> read_shift_workspace(const double* workspace) {
    GeocentricShift shift{};
    for (int i = 0; i < 3; ++i) {
        shift.translation[i] = workspace[slot::kTranslation + i];
        if (!within(shift.translation[i], kMaxTranslation)) {
            return std::nullopt;
        }
    }
    shift.scale = workspace[slot::kScale];
    if (!(shift.scale >= kMinScale && shift.scale <= kMaxScale)) {
        return std::nullopt;
    }
    for (int k = 0; k < 9; ++k) {
        shift.matrix[k] = workspace[slot::kRotationMatrix + k];
        if (!within(shift.matrix[k], kMaxMatrixElement)) {
            return std::nullopt;
        }
    }
    return shift;
}

std::optional<GeodeticPoint> shift_point(const GeocentricShift& shift, int direction,
                                         const GeodeticPoint& point, const Ellipsoid& from,
                                         const Ellipsoid& to) {
    if ((direction != 1 && direction != -1) || !within(point.longitude, kMaxLongitude) ||
        !within(point.latitude, kMaxLatitude) || !within(point.height, kMaxHeight)) {
        return std::nullopt;
    }
    ProjSession& session = ProjSession::instance();
    const auto lock = session.lock();
    PJ* source = geocentric_operation(session, from);
    PJ* target = geocentric_operation(session, to);
    if (source == nullptr || target == nullptr) {
        return std::nullopt;
    }
    const std::optional<PJ_COORD> geocentric =
        transform(source, PJ_FWD,
                  proj_coord(point.longitude * kRadiansPerDegree,
                             point.latitude * kRadiansPerDegree, point.height, 0));
    if (!geocentric) {
        return std::nullopt;
    }
    const Vector x{geocentric->xyz.x, geocentric->xyz.y, geocentric->xyz.z};
    const Vector shifted = direction == 1 ? apply(shift, x) : undo(shift, x);
    const std::optional<PJ_COORD> geodetic =
        transform(target, PJ_INV, proj_coord(shifted[0], shifted[1], shifted[2], 0));
    if (!geodetic) {
        return std::nullopt;
    }
    return GeodeticPoint{geodetic->lpz.lam * kDegreesPerRadian,
                         geodetic->lpz.phi * kDegreesPerRadian, geodetic->lpz.z};
}

}  // namespace korvutil32
