#pragma once
// The program's and the controls' way into the geodesy library Korvutil32: typed calls over its
// five C functions. The library is bound by name on the first call, so a program that never
// converts a point never loads it or the projection engine behind it. Statuses and workspaces
// become results: a failure comes back with a message, never as a number to test.

#include <array>
#include <cstdint>

#include "coord_system.h"
#include "datum_shift.h"
#include "points.h"
#include "result.h"

namespace korv {

using DerivedConstants = std::array<double, kDerivedConstantCount>;

// The constants the library derives from a record's definition (CRDPRM), for any projection but
// "Local Grid". An error when the library cannot be loaded or cannot take the definition.
Result<DerivedConstants> derive_constants(const CoordSystem& record);

// Projects a point with a record's zone and derived constants (LL2EN).
Result<GridPoint> to_grid(const CoordSystem& system, GeographicPoint point);

// Unprojects a grid point with a record's zone and derived constants (EN2LL).
Result<GeographicPoint> to_geographic(const CoordSystem& system, GridPoint point);

// A datum shift prepared by the library (DEFINE_DATUM), for moving points through it.
class PreparedDatumShift {
public:
    // Prepares `shift`; an error when the library cannot be loaded.
    static Result<PreparedDatumShift> prepare(const DatumShift& shift);

    // Applies the shift (CONVERT_DATUM, direction 1): the point lies on the spheroid of `from`
    // and comes back on that of `to`.
    Result<GeodeticPoint> forward(const GeodeticPoint& point, const CoordSystem& from,
                                  const CoordSystem& to) const;
    // Undoes the shift (direction -1), from the spheroid of `from` to that of `to`.
    Result<GeodeticPoint> inverse(const GeodeticPoint& point, const CoordSystem& from,
                                  const CoordSystem& to) const;

    const DatumShift& shift() const { return shift_; }

private:
    static constexpr int kWorkspaceSize = 32;
    PreparedDatumShift(DatumShift shift, const std::array<double, kWorkspaceSize>& workspace)
        : shift_(std::move(shift)), workspace_(workspace) {}
    Result<GeodeticPoint> convert(int32_t direction, const GeodeticPoint& point,
                                  const CoordSystem& from, const CoordSystem& to) const;

    DatumShift shift_;
    std::array<double, kWorkspaceSize> workspace_;
};

}  // namespace korv
