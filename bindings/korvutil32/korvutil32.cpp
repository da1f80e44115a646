// The library's C entry points: they check the caller's pointers, copy every input before any
// output is written (callers pass the same variables for input and output), and keep exceptions
// from crossing the C interface.
#include "korvutil32.h"

#include <limits>
#include <optional>

#include "coordinate_system.h"
#include "datum_shift.h"
#include "projections.h"

namespace {

using korvutil32::CoordinateSystem;
using korvutil32::CoordinateSystemDefinition;
using korvutil32::GeocentricShift;
using korvutil32::GeodeticPoint;
using korvutil32::GeographicPoint;
using korvutil32::GridPoint;
using korvutil32::SevenParameters;

// Runs a conversion; an exception (only memory exhaustion is possible) counts as a failure.
template <typename Work>
auto guarded(Work&& work) noexcept -> decltype(work()) {
    try {
        return work();
    } catch (...) {
        return std::nullopt;
    }
}

template <typename... Pointers>
bool all_present(const Pointers*... pointers) {
    return ((pointers != nullptr) && ...);
}

double value_or_nan(const double* value) {
    return value != nullptr ? *value : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

extern "C" {

KORVUTIL32_API void DEFINE_DATUM(double* dx, double* dy, double* dz, double* rx, double* ry,
                                 double* rz, double* sc, double* workspace) {
    if (workspace == nullptr) {
        return;
    }
    // A missing value is stored as NaN, which makes the conversion refuse the workspace rather
    // than apply a shift that was never fully given.
    const SevenParameters shift{value_or_nan(dx), value_or_nan(dy), value_or_nan(dz),
                                value_or_nan(rx), value_or_nan(ry), value_or_nan(rz),
                                value_or_nan(sc)};
    korvutil32::write_shift_workspace(shift, workspace);
}

KORVUTIL32_API void CONVERT_DATUM(int32_t* direction, double* lon, double* lat, double* h,
                                  double* in_constants, double* lon_out, double* lat_out,
                                  double* h_out, double* out_constants, double* workspace) {
    if (!all_present(direction, lon, lat, h, in_constants, lon_out, lat_out, h_out, out_constants,
                     workspace)) {
        return;
    }
    const std::optional<GeodeticPoint> result = guarded([&]() -> std::optional<GeodeticPoint> {
        const std::optional<GeocentricShift> shift = korvutil32::read_shift_workspace(workspace);
        if (!shift) {
            return std::nullopt;
        }
        return korvutil32::shift_point(*shift, *direction, GeodeticPoint{*lon, *lat, *h},
                                       korvutil32::ellipsoid_of(in_constants),
                                       korvutil32::ellipsoid_of(out_constants));
    });
    if (result) {
        *lon_out = result->longitude;
        *lat_out = result->latitude;
        *h_out = result->height;
    }
}

KORVUTIL32_API void LL2EN(double* lon, double* lat, int32_t* zone, double* east, double* north,
                          double* constants, int32_t* status) {
    if (status == nullptr) {
        return;
    }
    std::optional<GridPoint> result;
    if (all_present(lon, lat, zone, east, north, constants)) {
        result = guarded([&]() -> std::optional<GridPoint> {
            const std::optional<CoordinateSystem> system =
                korvutil32::read_constants(constants, *zone);
            if (!system) {
                return std::nullopt;
            }
            return korvutil32::project(*system, GeographicPoint{*lon, *lat});
        });
    }
    if (result) {
        *east = result->east;
        *north = result->north;
    }
    *status = result ? 0 : -1;
}

KORVUTIL32_API void EN2LL(double* east, double* north, int32_t* zone, double* lon, double* lat,
                          double* constants, int32_t* status) {
    if (status == nullptr) {
        return;
    }
    std::optional<GeographicPoint> result;
    if (all_present(east, north, zone, lon, lat, constants)) {
        result = guarded([&]() -> std::optional<GeographicPoint> {
            const std::optional<CoordinateSystem> system =
                korvutil32::read_constants(constants, *zone);
            if (!system) {
                return std::nullopt;
            }
            return korvutil32::unproject(*system, GridPoint{*east, *north});
        });
    }
    if (result) {
        *lon = result->longitude;
        *lat = result->latitude;
    }
    *status = result ? 0 : -1;
}

KORVUTIL32_API void CRDPRM(int32_t* spheroid, int32_t* projection, int32_t* hemisphere,
                           double* lon0, double* lat0, double* sp1, double* sp2, double* false_east,
                           double* false_north, double* scale_factor, double* zone_width,
                           double* constants) {
    if (constants == nullptr) {
        return;
    }
    CoordinateSystemDefinition definition;
    // With any argument missing the block is still filled, with projection 0: conversions
    // through it then fail instead of using a half-described system.
    if (all_present(spheroid, projection, hemisphere, lon0, lat0, sp1, sp2, false_east, false_north,
                    scale_factor, zone_width)) {
        definition = CoordinateSystemDefinition{
            *spheroid, *projection, *hemisphere,  *lon0,         *lat0,      *sp1,
            *sp2,      *false_east, *false_north, *scale_factor, *zone_width};
    }
    korvutil32::write_constants(definition, constants);
}

}  // extern "C"
