#pragma once
// A coordinate system ready to convert points: checked once when it is made, then converting
// through cheap const calls from any thread. Degrees and metres at the interface.

#include <span>
#include <string>

#include "coordinate_system_definition.h"
#include "points.h"
#include "proj_operation.h"
#include "result.h"
#include "spheroids.h"

namespace korv::geodesy {

class CoordinateSystem {
public:
    // The coordinate system of a definition, or an error saying which part of it cannot be used:
    // a local grid (which has no projection), an unknown spheroid, a parameter out of range, a
    // zone whose central meridian lies beyond -360..360, or a definition the engine refuses.
    static Result<CoordinateSystem> create(const CoordinateSystemDefinition& definition);

    // Grid coordinates of a point (longitude within -360..360, latitude within -90..90).
    Result<GridPoint> to_grid(GeographicPoint point) const;

    // Geographic coordinates of a grid point, the longitude within -180..180. A grid point that
    // no geographic point maps to (beyond a conic's fan or pole, far outside a transverse
    // Mercator's belt) is refused.
    Result<GeographicPoint> to_geographic(GridPoint point) const;

    // The same conversions for many points at once, in place and with the same numbers point
    // for point: to_grid_all takes longitudes and latitudes in degrees in x and y and returns
    // eastings and northings there, to_geographic_all the other way; heights stay. Only points
    // whose status is kOk are converted. A point the single call refuses gets kOutside (beyond
    // the input limits) or kUnconvertible, and its coordinates are then unspecified.
    void to_grid_all(std::span<PointCoordinates> points, std::span<PointStatus> statuses) const;
    void to_geographic_all(std::span<PointCoordinates> points,
                           std::span<PointStatus> statuses) const;

    const CoordinateSystemDefinition& definition() const { return definition_; }
    const Spheroid& spheroid() const { return spheroid_; }
    // Longitude of the meridian the projection is centred on: for the zoned projections that of
    // the zone.
    double central_meridian() const { return central_meridian_; }

    // The projection as one engine definition in degrees of longitude from Greenwich, as other
    // engine-based tools take it ("+proj=tmerc +lon_0=147 ...").
    std::string engine_definition() const;

private:
    CoordinateSystem(const CoordinateSystemDefinition& definition, const Spheroid& spheroid,
                     double central_meridian, ProjOperation operation)
        : definition_(definition),
          spheroid_(spheroid),
          central_meridian_(central_meridian),
          operation_(std::move(operation)) {}

    // Whether the engine's answer for a grid point can be taken without projecting it back: inside
    // the belt where the inverse transverse Mercator is exact, or short of a conic's poles.
    bool inverse_trusted(GridPoint point, double latitude_radians) const;
    // Whether the engine's answer (radians, relative to the central meridian) for `point` is one
    // that maps back to it.
    bool projects_back(GridPoint point, const PointCoordinates& geographic) const;

    CoordinateSystemDefinition definition_;
    Spheroid spheroid_;
    double central_meridian_;
    // Works with longitudes relative to the central meridian, so every zone of a zoned system
    // shares one engine object.
    ProjOperation operation_;
    // The northing of the equator on the central meridian (transverse Mercator), found once.
    double equator_north_ = 0;
};

// Largest distance, in metres, by which an answer of to_geographic may miss the grid point it
// came from when projected again. Points the projection covers come back within nanometres.
inline constexpr double kRoundTripTolerance = 1e-3;

}  // namespace korv::geodesy
