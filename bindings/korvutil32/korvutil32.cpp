// The library's C entry points, a thin layer over the geodesy core: they check the caller's
// pointers, translate constants blocks and workspaces into the core's values, copy every input
// before any output is written (callers pass the same variables for input and output), and keep
// exceptions from crossing the C interface.
#include "korvutil32.h"

#include <limits>

#include "constants_block.h"
#include "conversion_cache.h"
#include "coordinate_system.h"
#include "datum_transformation.h"
#include "shift_workspace.h"

namespace {

using korv::GeodeticPoint;
using korv::GeographicPoint;
using korv::GridPoint;
using korv::Result;
namespace geodesy = korv::geodesy;

template <typename... Pointers>
bool all_present(const Pointers*... pointers) {
    return ((pointers != nullptr) && ...);
}

double value_or_nan(const double* value) {
    return value != nullptr ? *value : std::numeric_limits<double>::quiet_NaN();
}

// Runs a conversion; an exception (only memory exhaustion is possible) counts as a failure.
template <typename T, typename Work>
Result<T> guarded(Work&& work) noexcept {
    try {
        return work();
    } catch (...) {
        return korv::Error{korv::ErrorCode::kOutOfMemory};
    }
}

// The coordinate system a block describes for a zone, made once per thread and reused while
// callers convert point after point with the same block.
const Result<geodesy::CoordinateSystem>& system_for(const double* block, int32_t zone) {
    thread_local korvutil32::ConversionCache<geodesy::CoordinateSystem, korvutil32::SystemKey>
        cache;
    return cache.find_or_make(korvutil32::system_key(block, zone), [&] {
        return geodesy::CoordinateSystem::create(korvutil32::definition_of(block, zone));
    });
}

const Result<geodesy::DatumTransformation>& transformation_for(const double* workspace,
                                                               const double* in_constants,
                                                               const double* out_constants) {
    thread_local korvutil32::ConversionCache<geodesy::DatumTransformation,
                                             korvutil32::TransformationKey>
        cache;
    const korv::Spheroid from = korvutil32::spheroid_of(in_constants);
    const korv::Spheroid to = korvutil32::spheroid_of(out_constants);
    return cache.find_or_make(korvutil32::transformation_key(workspace, from.code, to.code),
                              [&]() -> Result<geodesy::DatumTransformation> {
                                  const std::optional<korv::DatumShift> shift =
                                      korvutil32::read_shift_workspace(workspace);
                                  if (!shift) {
                                      return korv::Error{korv::ErrorCode::kWorkspaceNotDefined};
                                  }
                                  return geodesy::DatumTransformation::create(*shift, from, to);
                              });
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
    const korv::DatumShift shift{{},
                                 value_or_nan(dx),
                                 value_or_nan(dy),
                                 value_or_nan(dz),
                                 value_or_nan(rx),
                                 value_or_nan(ry),
                                 value_or_nan(rz),
                                 value_or_nan(sc)};
    korvutil32::write_shift_workspace(shift, workspace);
}

KORVUTIL32_API void CONVERT_DATUM(int32_t* direction, double* lon, double* lat, double* h,
                                  double* in_constants, double* lon_out, double* lat_out,
                                  double* h_out, double* out_constants, double* workspace) {
    if (!all_present(direction, lon, lat, h, in_constants, lon_out, lat_out, h_out, out_constants,
                     workspace) ||
        (*direction != 1 && *direction != -1)) {
        return;
    }
    const GeodeticPoint point{{*lon, *lat}, *h};
    const Result<GeodeticPoint> result = guarded<GeodeticPoint>([&]() -> Result<GeodeticPoint> {
        const auto& transformation = transformation_for(workspace, in_constants, out_constants);
        if (!transformation) {
            return transformation.error();
        }
        return *direction == 1 ? transformation->forward(point) : transformation->inverse(point);
    });
    if (result) {
        *lon_out = result->position.longitude;
        *lat_out = result->position.latitude;
        *h_out = result->height;
    }
}

KORVUTIL32_API void LL2EN(double* lon, double* lat, int32_t* zone, double* east, double* north,
                          double* constants, int32_t* status) {
    if (status == nullptr) {
        return;
    }
    if (!all_present(lon, lat, zone, east, north, constants)) {
        *status = -1;
        return;
    }
    const GeographicPoint point{*lon, *lat};
    const Result<GridPoint> result = guarded<GridPoint>([&]() -> Result<GridPoint> {
        const auto& system = system_for(constants, *zone);
        return system ? system->to_grid(point) : Result<GridPoint>(system.error());
    });
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
    if (!all_present(east, north, zone, lon, lat, constants)) {
        *status = -1;
        return;
    }
    const GridPoint point{*east, *north};
    const Result<GeographicPoint> result =
        guarded<GeographicPoint>([&]() -> Result<GeographicPoint> {
            const auto& system = system_for(constants, *zone);
            return system ? system->to_geographic(point) : Result<GeographicPoint>(system.error());
        });
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
    korv::CoordinateSystemDefinition definition;
    // With any argument missing the block is still filled, with projection 0: conversions
    // through it then fail instead of using a half-described system.
    if (all_present(spheroid, projection, hemisphere, lon0, lat0, sp1, sp2, false_east, false_north,
                    scale_factor, zone_width)) {
        definition.projection =
            korv::projection_kind(*projection).value_or(korv::ProjectionKind::kLocalGrid);
        definition.spheroid = *spheroid;
        definition.hemisphere = *hemisphere;
        definition.longitude_origin = *lon0;
        definition.latitude_origin = *lat0;
        definition.standard_parallel_1 = *sp1;
        definition.standard_parallel_2 = *sp2;
        definition.false_east = *false_east;
        definition.false_north = *false_north;
        definition.scale_factor = *scale_factor;
        definition.zone_width = *zone_width;
    }
    korvutil32::write_constants(definition, constants);
}

}  // extern "C"
