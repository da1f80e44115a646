#pragma once
// Moving geodetic points through a seven-parameter datum shift, by way of geocentric coordinates:
// from the spheroid the points are given on to geocentric, through the shift, and back to
// geodetic on the spheroid the points are wanted on. Checked once when it is made; then cheap
// const calls from any thread.

#include <span>
#include <string>

#include "datum_shift.h"
#include "points.h"
#include "proj_operation.h"
#include "result.h"
#include "spheroids.h"

namespace korv::geodesy {

class DatumTransformation {
public:
    // The transformation for `shift` between points on `from` and points on `to`. An error for
    // values that cannot come from a real datum shift: not finite, translations beyond 10 000 km,
    // a scale change beyond -500 000..1 000 000 ppm, rotations beyond two radians.
    static Result<DatumTransformation> create(const DatumShift& shift, const Spheroid& from,
                                              const Spheroid& to);

    // Applies the shift (X' = t + s * M * X): a point on `from` in, a point on `to` out, the
    // longitude within -180..180. Points with longitudes beyond -360..360, latitudes beyond
    // -90..90 or heights beyond 10 000 km are refused.
    Result<GeodeticPoint> forward(const GeodeticPoint& point) const;

    // Undoes the shift (X = transpose(M) * (X' - t) / s), again from `from` to `to`.
    Result<GeodeticPoint> inverse(const GeodeticPoint& point) const;

    // The same for many points at once, in place and with the same numbers point for point:
    // longitude and latitude in degrees in x and y, the height in metres. Only points whose
    // status is kOk are moved. A point the single call refuses gets kOutside (beyond the input
    // limits) or kUnconvertible, and its coordinates are then unspecified.
    void forward_all(std::span<PointCoordinates> points, std::span<PointStatus> statuses) const;
    void inverse_all(std::span<PointCoordinates> points, std::span<PointStatus> statuses) const;

    const DatumShift& shift() const { return shift_; }

    // The engine pipeline of `forward` (or of `inverse`), in radians and metres.
    const std::string& engine_definition(bool inverse = false) const {
        return (inverse ? inverse_ : forward_).definition();
    }

private:
    DatumTransformation(DatumShift shift, ProjOperation forward, ProjOperation inverse)
        : shift_(std::move(shift)), forward_(std::move(forward)), inverse_(std::move(inverse)) {}

    DatumShift shift_;
    ProjOperation forward_;
    ProjOperation inverse_;
};

}  // namespace korv::geodesy
