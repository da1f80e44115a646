#include "geodesy_library.h"

#include <QLibrary>
#include <cmath>
#include <limits>

#include "korvutil32.h"
#include "program_folder.h"

namespace korv {
namespace {

static_assert(kDerivedConstantCount == korvutil32::kConstantsSize,
              "a record holds the whole constants block");

// The five functions, resolved by name.
struct Functions {
    decltype(&::DEFINE_DATUM) define_datum = nullptr;
    decltype(&::CONVERT_DATUM) convert_datum = nullptr;
    decltype(&::LL2EN) ll2en = nullptr;
    decltype(&::EN2LL) en2ll = nullptr;
    decltype(&::CRDPRM) crdprm = nullptr;
};

template <typename Function>
bool resolve(QLibrary& library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

Result<Functions> bind() {
    // Loaded for the rest of the process: the functions stay in use until it ends.
    QLibrary library;
    QString reason;
    if (!load_library(library, QStringLiteral("Korvutil32"), reason)) {
        return Error{"the geodesy library Korvutil32 cannot be loaded: " + reason.toStdString()};
    }
    Functions f;
    if (!resolve(library, "DEFINE_DATUM", f.define_datum) ||
        !resolve(library, "CONVERT_DATUM", f.convert_datum) ||
        !resolve(library, "LL2EN", f.ll2en) || !resolve(library, "EN2LL", f.en2ll) ||
        !resolve(library, "CRDPRM", f.crdprm)) {
        return Error{library.fileName().toStdString() + " lacks a function of the geodesy library"};
    }
    return f;
}

// Bound once, on the first call, from whichever thread makes it.
const Result<Functions>& library() {
    static const Result<Functions> bound = bind();
    return bound;
}

constexpr double kUnset = std::numeric_limits<double>::quiet_NaN();

}  // namespace

Result<DerivedConstants> derive_constants(const CoordSystem& record) {
    const Result<Functions>& f = library();
    if (!f) {
        return f.error();
    }
    // The library takes every argument by address; it reads the copies and writes the block.
    CoordSystem in = record;
    DerivedConstants block = record.derived;
    f->crdprm(&in.spheroid, &in.projection, &in.hemisphere, &in.longitude_origin,
              &in.latitude_origin, &in.standard_parallel_1, &in.standard_parallel_2, &in.false_east,
              &in.false_north, &in.scale_factor, &in.zone_width, block.data());
    // A block that names no projection is the library's sign that it could not take the
    // definition, and conversions through it would all fail.
    if (block[korvutil32::constants::kProjection] == korvutil32::projection::kNone) {
        return Error{"the geodesy library cannot take the definition"};
    }
    return block;
}

Result<GridPoint> to_grid(const CoordSystem& system, GeographicPoint point) {
    const Result<Functions>& f = library();
    if (!f) {
        return f.error();
    }
    CoordSystem in = system;
    GridPoint out;
    int32_t status = 0;
    f->ll2en(&point.longitude, &point.latitude, &in.zone_number, &out.east, &out.north,
             in.derived.data(), &status);
    if (status != 0) {
        return Error{"the coordinate system cannot project the point"};
    }
    return out;
}

Result<GeographicPoint> to_geographic(const CoordSystem& system, GridPoint point) {
    const Result<Functions>& f = library();
    if (!f) {
        return f.error();
    }
    CoordSystem in = system;
    GeographicPoint out;
    int32_t status = 0;
    f->en2ll(&point.east, &point.north, &in.zone_number, &out.longitude, &out.latitude,
             in.derived.data(), &status);
    if (status != 0) {
        return Error{"no geographic point maps to the grid point"};
    }
    return out;
}

Result<PreparedDatumShift> PreparedDatumShift::prepare(const DatumShift& shift) {
    const Result<Functions>& f = library();
    if (!f) {
        return f.error();
    }
    DatumShift in = shift;
    std::array<double, kWorkspaceSize> workspace{};
    f->define_datum(&in.dx, &in.dy, &in.dz, &in.rx, &in.ry, &in.rz, &in.sc, workspace.data());
    return PreparedDatumShift(shift, workspace);
}

Result<GeodeticPoint> PreparedDatumShift::forward(const GeodeticPoint& point,
                                                  const CoordSystem& from,
                                                  const CoordSystem& to) const {
    return convert(1, point, from, to);
}

Result<GeodeticPoint> PreparedDatumShift::inverse(const GeodeticPoint& point,
                                                  const CoordSystem& from,
                                                  const CoordSystem& to) const {
    return convert(-1, point, from, to);
}

Result<GeodeticPoint> PreparedDatumShift::convert(int32_t direction, const GeodeticPoint& point,
                                                  const CoordSystem& from,
                                                  const CoordSystem& to) const {
    const Result<Functions>& f = library();
    if (!f) {
        return f.error();
    }
    GeodeticPoint in = point;
    CoordSystem in_system = from, out_system = to;
    std::array<double, kWorkspaceSize> workspace = workspace_;
    // The library reports no status here: it leaves the outputs alone when it cannot convert.
    GeodeticPoint out{{kUnset, kUnset}, kUnset};
    f->convert_datum(&direction, &in.position.longitude, &in.position.latitude, &in.height,
                     in_system.derived.data(), &out.position.longitude, &out.position.latitude,
                     &out.height, out_system.derived.data(), workspace.data());
    if (std::isnan(out.position.longitude) || std::isnan(out.position.latitude) ||
        std::isnan(out.height)) {
        return Error{"the datum shift cannot move the point"};
    }
    return out;
}

}  // namespace korv
