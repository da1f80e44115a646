/*
 * Korvutil32: projection and datum conversions for survey coordinates.
 *
 * Five functions with a plain C interface. Every argument is passed by address and no function
 * returns a value. Angles are decimal degrees (east and north positive), lengths are metres.
 *
 * Guarantees common to all five functions:
 *  - A null pointer argument never crashes: the call does nothing, except that LL2EN and EN2LL
 *    still report status -1 when their status pointer is valid.
 *  - The library never prints anything. Its projection engine runs silently, and no exception
 *    ever leaves a call.
 *  - A call only ever writes its output arguments. The 20-element constants block is written by
 *    CRDPRM alone and the 32-element shift workspace by DEFINE_DATUM alone; every other call only
 *    reads them.
 *  - Inputs are read before any output is written, so an output may share its variable with an
 *    input (for example lon and lon_out of CONVERT_DATUM).
 *  - Safe to call at any time, from any thread: the engine is set up on first use and calls are
 *    serialised internally.
 *
 * Constants block (20 doubles), written by CRDPRM:
 *   [0]  projection code: 1 "Australian Map Grid" and 2 "Universal Transverse Mercator" (zoned
 *        transverse Mercator), 3 Lambert conformal conic with two standard parallels, 4 Albers
 *        equal area, 5 equidistant conic. 0 means "no projection" (a local grid): conversions
 *        through such a block fail. A caller may set this element to 0 itself.
 *   [1]  spheroid code (see below)
 *   [2]  hemisphere (1 north, 2 south); recorded only, the false northing carries it
 *   [3]  longitude of origin; for the zoned projections the central meridian of zone 1
 *   [4]  latitude of origin
 *   [5]  standard parallel 1 (conics)
 *   [6]  standard parallel 2 (conics)
 *   [7]  false easting, metres
 *   [8]  false northing, metres
 *   [9]  scale factor on the central meridian (zoned projections; the conics do not use it)
 *   [10] zone width, degrees (zoned projections)
 *   [11] semi-major axis a, metres (0 for an unknown spheroid code)
 *   [12] inverse flattening 1/f
 *   [13] semi-minor axis b, metres
 *   [14..19] 0, reserved
 * Conversions take the ellipsoid from the code in [1]; [11..13] are there for display only.
 *
 * Spheroid codes: 1 Australian National, 2 International, 3 Clarke 1866, 4 Clarke 1880,
 * 5 Bessel 1841, 6 Airy 1830, 7 Everest 1830 (1937), 8 Fischer 1960, 9 Fischer 1968, 10 GRS67,
 * 11 GRS75, 12 GRS80, 13 Hayford 1910, 14 Hough 1956, 15 Krassovsky 1940, 16 South American 1969,
 * 17 WGS60, 18 WGS66, 19 WGS72, 20 WGS84, 21 Everest 1830 (1967), 22 Everest 1830 Modified.
 *
 * Shift workspace (32 doubles), written by DEFINE_DATUM, for a shift X' = t + s * M * X between
 * geocentric coordinates:
 *   [0..2]   translation t = (dx, dy, dz), metres
 *   [3..5]   rotations rx, ry, rz as given, seconds of arc
 *   [6]      scale change sc as given, parts per million
 *   [7]      scale multiplier s = 1 + sc / 1 000 000
 *   [8..16]  rotation matrix M row by row (element 8 + 3i + j is row i, column j):
 *            M = [[1, rz, -ry], [-rz, 1, rx], [ry, -rx, 1]], rotations in radians
 *            (coordinate frame rotation convention)
 *   [17..19] rotations rx, ry, rz in radians
 *   [20..31] 0, reserved
 * The C++ constants in korvutil32_layout.h name these positions.
 */
#ifndef KORVUTIL32_H
#define KORVUTIL32_H

#include <stdint.h>

/* Exported from the library's own build (KORVUTIL32_BUILD), imported by its callers on Windows. */
#if defined(_WIN32) || defined(__CYGWIN__)
#if defined(KORVUTIL32_BUILD)
#define KORVUTIL32_API __declspec(dllexport)
#else
#define KORVUTIL32_API __declspec(dllimport)
#endif
#elif defined(__GNUC__) || defined(__clang__)
#define KORVUTIL32_API __attribute__((visibility("default")))
#else
#define KORVUTIL32_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/*
 * Prepares a seven-parameter datum shift: fills all 32 elements of the workspace from dx, dy, dz
 * (metres), rx, ry, rz (seconds of arc) and sc (parts per million). Non-finite values are stored
 * as they are, which makes CONVERT_DATUM refuse the workspace.
 */
KORVUTIL32_API void DEFINE_DATUM(double* dx, double* dy, double* dz, double* rx, double* ry,
                                 double* rz, double* sc, double* workspace);

/*
 * Moves a geographic point and its ellipsoidal height through a prepared datum shift.
 * direction 1 applies the shift (X' = t + s * M * X), direction -1 undoes it
 * (X = transpose(M) * (X' - t) / s). The point passed in lies on the ellipsoid of in_constants,
 * the point returned on that of out_constants, whatever the direction; a block that names no
 * projection or an unknown spheroid stands for GRS80. The returned longitude lies in -180..180.
 * On any failure (direction other than 1 or -1, longitude outside -360..360, latitude outside
 * -90..90, height beyond 10 000 km, a workspace not made by DEFINE_DATUM from finite values) the
 * three outputs are left untouched.
 */
KORVUTIL32_API void CONVERT_DATUM(int32_t* direction, double* lon, double* lat, double* h,
                                  double* in_constants, double* lon_out, double* lat_out,
                                  double* h_out, double* out_constants, double* workspace);

/*
 * Projects a geographic point (longitude -360..360, latitude -90..90) to easting and northing.
 * zone selects the central meridian of the zoned projections: longitude of origin
 * + (zone - 1) * zone width; it must be 1 or more, and the central meridian within -360..360.
 * The conics ignore zone. status is always written: 0 on success; -1, with east and north left
 * untouched, for a block without a projection, an unknown spheroid, parameters out of range or a
 * point the projection cannot take.
 */
KORVUTIL32_API void LL2EN(double* lon, double* lat, int32_t* zone, double* east, double* north,
                          double* constants, int32_t* status);

/*
 * The inverse of LL2EN: easting and northing to longitude (-180..180) and latitude. The answer is
 * checked by projecting it again; a grid point outside the area the projection covers gives
 * status -1. status is always written: 0 on success, -1 with lon and lat left untouched on failure
 * (the same causes as LL2EN).
 */
KORVUTIL32_API void EN2LL(double* east, double* north, int32_t* zone, double* lon, double* lat,
                          double* constants, int32_t* status);

/*
 * Fills all 20 elements of the constants block from a coordinate system definition (layout
 * above). An unknown projection code, or any null argument, leaves element 0 at 0 so that
 * conversions through the block fail cleanly. Parameter values are checked when the block is
 * used, not here.
 */
KORVUTIL32_API void CRDPRM(int32_t* spheroid, int32_t* projection, int32_t* hemisphere,
                           double* lon0, double* lat0, double* sp1, double* sp2, double* false_east,
                           double* false_north, double* scale_factor, double* zone_width,
                           double* constants);

#ifdef __cplusplus
}  // extern "C"
#include "korvutil32_layout.h"
#endif

#endif  // KORVUTIL32_H
