#pragma once
// One conversion between two of the four points of the conversion test panel, along the panel's
// own path: source grid, source geographic, map geographic, map grid. Grid points become
// geographic on their side's coordinate system, geographic points cross between the sides
// through the datum shift (source to map applies it, map to source undoes it), and geographic
// points become grid points on their side. Checked once when it is made; then const and usable
// from any number of threads at once.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "conversion_setup.h"
#include "coordinate_system.h"
#include "datum_transformation.h"
#include "points.h"
#include "result.h"

namespace korv::convert {

// "source-grid", "source-geographic", "map-geographic", "map-grid".
std::string_view point_kind_name(PointKind kind);
std::optional<PointKind> point_kind(std::string_view name);
constexpr bool is_geographic(PointKind kind) {
    return kind == PointKind::kSourceGeographic || kind == PointKind::kMapGeographic;
}

// Why a point was not converted. kNone marks a point still being converted.
enum class Refusal : uint8_t {
    kNone,
    kFieldCount,
    kLineTooLong,
    kEastingUnreadable,
    kNorthingUnreadable,
    kLongitudeUnreadable,
    kLatitudeUnreadable,
    kHeightUnreadable,
    kLongitudeOutside,
    kLatitudeOutside,
    kSourceSystem,
    kMapSystem,
    kDatumShift,
    kOutsideSystemArea,  // only when points outside the areas of use are refused
    kOutsideShiftArea,
};

class AreaOfUseCheck;

// The failure a refusal is, whose words the dialog shows translated and the command line in
// English ("the easting is not a number").
ErrorCode refusal_code(Refusal refusal);
std::string_view describe(Refusal refusal);

class Conversion {
public:
    // The conversion, or an error naming what cannot be used: a coordinate system or a shift the
    // path needs that the geodesy core refuses, or `from` equal to `to`.
    static Result<Conversion> create(const ConversionSetup& setup);

    // Converts points in place: x and y hold east and north in metres or longitude and latitude
    // in decimal degrees, the height 0 when none was given. Only points whose refusal is kNone
    // are converted; a point refused on the way gets the refusal of the step that refused it,
    // and its values are then meaningless. A geographic point is refused where the panel refuses
    // it when it is read: a longitude beyond -360..360 or a latitude beyond -89..89.
    void convert_all(std::span<PointCoordinates> points, std::span<Refusal> refusals) const;

    // The whole conversion as one engine pipeline, degrees and metres in and out, that
    // engine-based tools run on their own ("+proj=pipeline +step ...").
    const std::string& pipeline() const { return pipeline_; }

    const ConversionSetup& setup() const { return setup_; }

    // Runs `check` on every point once it is geographic on its way (at once when the points
    // given are), before it goes on. Set before converting.
    void check_areas(std::shared_ptr<const AreaOfUseCheck> check) {
        area_check_ = std::move(check);
    }

private:
    enum class StepKind : uint8_t { kToGeographic, kToGrid, kShiftForward, kShiftInverse };
    struct Step {
        StepKind kind;
        Refusal refusal;  // what a point this step cannot take is refused with
        std::optional<geodesy::CoordinateSystem> system;
        std::optional<geodesy::DatumTransformation> transformation;  // none: points pass
    };

    // Converts at most 512 points, their statuses on the stack.
    void convert_chunk(std::span<PointCoordinates> points, std::span<Refusal> refusals) const;
    // Runs the area check, if any, on geographic points not yet refused.
    void run_area_check(std::span<const PointCoordinates> points, std::span<PointStatus> statuses,
                        std::span<Refusal> refusals) const;

    Conversion(ConversionSetup setup, std::vector<Step> steps, std::string pipeline)
        : setup_(std::move(setup)), steps_(std::move(steps)), pipeline_(std::move(pipeline)) {}

    ConversionSetup setup_;
    std::vector<Step> steps_;
    std::string pipeline_;
    std::shared_ptr<const AreaOfUseCheck> area_check_;
};

}  // namespace korv::convert
