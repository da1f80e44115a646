// Shared helpers for the Korvutil32 tests: building constants blocks through CRDPRM, calling the
// conversions with plain values, and ellipsoid figures computed independently of the engine.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numbers>

#include "korvutil32.h"

namespace korvutil32_test {

using Block = std::array<double, korvutil32::kConstantsSize>;
using Workspace = std::array<double, korvutil32::kWorkspaceSize>;

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline constexpr double kUntouched = -12345.678;      // sentinel for outputs that must not change
inline constexpr double kMetresPerDegree = 111320.0;  // rough, for expressing errors in metres

struct Definition {
    int32_t spheroid = 12;
    int32_t projection = 2;
    int32_t hemisphere = 2;
    double lon0 = -177, lat0 = 0, sp1 = 0, sp2 = 0;
    double false_east = 500000, false_north = 10000000, scale_factor = 0.9996, zone_width = 6;
};

// Zone-based transverse Mercator on GRS80, southern hemisphere (zone 55 is centred on 147 E).
inline Definition utm() {
    return {};
}

inline Block make_block(Definition d) {
    Block block{};
    CRDPRM(&d.spheroid, &d.projection, &d.hemisphere, &d.lon0, &d.lat0, &d.sp1, &d.sp2,
           &d.false_east, &d.false_north, &d.scale_factor, &d.zone_width, block.data());
    return block;
}

struct Result {
    double a = kUntouched;  // east, or longitude
    double b = kUntouched;  // north, or latitude
    int32_t status = 12345;
};

inline Result ll2en(Block block, int32_t zone, double lon, double lat) {
    Result r;
    LL2EN(&lon, &lat, &zone, &r.a, &r.b, block.data(), &r.status);
    return r;
}

inline Result en2ll(Block block, int32_t zone, double east, double north) {
    Result r;
    EN2LL(&east, &north, &zone, &r.a, &r.b, block.data(), &r.status);
    return r;
}

inline Workspace define_datum(double dx, double dy, double dz, double rx, double ry, double rz,
                              double sc) {
    Workspace w{};
    DEFINE_DATUM(&dx, &dy, &dz, &rx, &ry, &rz, &sc, w.data());
    return w;
}

inline Workspace agd66_to_gda94() {
    return define_datum(-117.808, -51.536, 137.784, -0.303, -0.446, -0.234, -0.290);
}
inline Workspace agd84_to_gda94() {
    return define_datum(-117.763, -51.510, 139.061, -0.292, -0.443, -0.277, -0.191);
}

// Bit-for-bit equality of two arrays (NaN elements included).
template <typename Array>
bool same_bytes(const Array& a, const Array& b) {
    return std::memcmp(a.data(), b.data(), sizeof a) == 0;
}

inline double dms(double degrees, double minutes, double seconds) {
    const double magnitude = std::fabs(degrees) + minutes / 60 + seconds / 3600;
    return std::signbit(degrees) ? -magnitude : magnitude;
}

inline double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// Ellipsoid radii of curvature, from a and 1/f, written out here so the checks do not lean on
// the engine under test.
struct Figure {
    double a, rf;
    double e2() const { return (2 - 1 / rf) / rf; }
    double prime_vertical(double lat) const {
        return a / std::sqrt(1 - e2() * std::pow(std::sin(radians(lat)), 2));
    }
    double meridional(double lat) const {
        return a * (1 - e2()) / std::pow(1 - e2() * std::pow(std::sin(radians(lat)), 2), 1.5);
    }
    // Meridian arc from lat1 to lat2 in metres (Simpson's rule, far finer than a micrometre).
    double meridian_arc(double lat1, double lat2) const {
        const int n = 20000;
        const double h = radians(lat2 - lat1) / n;
        double sum = meridional(lat1) + meridional(lat2);
        for (int i = 1; i < n; ++i) {
            sum += (i % 2 ? 4 : 2) * meridional(lat1 + (lat2 - lat1) * i / n);
        }
        return sum * h / 3;
    }
};

inline constexpr Figure kGrs80{6378137.0, 298.257222101};

}  // namespace korvutil32_test
