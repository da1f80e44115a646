#include "conversion.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "area_of_use_check.h"
#include "input_limits.h"
#include "translatable.h"

namespace korv::convert {
namespace {

constexpr std::array<std::string_view, 4> kPointKindNames = {"source-grid", "source-geographic",
                                                             "map-geographic", "map-grid"};

// Points converted at once, with their statuses on the stack.
constexpr std::size_t kChunk = 512;

constexpr std::string_view kPipelinePrefix = "+proj=pipeline ";

int position(PointKind kind) {
    return static_cast<int>(kind);
}

// The spheroid a side's points lie on for the datum shift. A local grid names none, and the panel
// then moves points on GRS80; an unknown code is refused.
// The two sides of the path, which name their coordinate system in failures.
enum class Side { kSource, kMap };

Result<Spheroid> shift_spheroid(const CoordinateSystemDefinition& definition, Side side) {
    if (definition.projection == ProjectionKind::kLocalGrid) {
        return grs80();
    }
    if (const std::optional<Spheroid> spheroid = find_spheroid(definition.spheroid)) {
        return *spheroid;
    }
    return Error{side == Side::kSource ? ErrorCode::kSourceSpheroidNotInTable
                                       : ErrorCode::kMapSpheroidNotInTable,
                 {std::to_string(definition.spheroid)}};
}

Result<geodesy::CoordinateSystem> system_of(const CoordinateSystemDefinition& definition,
                                            Side side) {
    Result<geodesy::CoordinateSystem> system = geodesy::CoordinateSystem::create(definition);
    if (!system) {
        return Error{side == Side::kSource ? ErrorCode::kSourceSystemUnusable
                                           : ErrorCode::kMapSystemUnusable,
                     {},
                     system.error()};
    }
    return system;
}

// Refuses geographic points the panel would not read.
void check_geographic(std::span<const PointCoordinates> points, std::span<PointStatus> statuses,
                      std::span<Refusal> refusals) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (statuses[i] != PointStatus::kOk) {
            continue;
        }
        if (!(std::fabs(points[i].x) <= kLongitudeLimit)) {
            refusals[i] = Refusal::kLongitudeOutside;
        } else if (!(std::fabs(points[i].y) <= kPanelLatitudeLimit)) {
            refusals[i] = Refusal::kLatitudeOutside;
        } else {
            continue;
        }
        statuses[i] = PointStatus::kOutside;
    }
}

}  // namespace

std::string_view point_kind_name(PointKind kind) {
    return kPointKindNames[static_cast<std::size_t>(kind)];
}

std::optional<PointKind> point_kind(std::string_view name) {
    for (std::size_t i = 0; i < kPointKindNames.size(); ++i) {
        if (kPointKindNames[i] == name) {
            return static_cast<PointKind>(i);
        }
    }
    return std::nullopt;
}

ErrorCode refusal_code(Refusal refusal) {
    switch (refusal) {
        case Refusal::kNone:
        case Refusal::kFieldCount:
            return ErrorCode::kLineFieldCount;
        case Refusal::kLineTooLong:
            return ErrorCode::kLineTooLong;
        case Refusal::kEastingUnreadable:
            return ErrorCode::kEastingNotNumber;
        case Refusal::kNorthingUnreadable:
            return ErrorCode::kNorthingNotNumber;
        case Refusal::kLongitudeUnreadable:
            return ErrorCode::kLongitudeNotAngle;
        case Refusal::kLatitudeUnreadable:
            return ErrorCode::kLatitudeNotAngle;
        case Refusal::kHeightUnreadable:
            return ErrorCode::kHeightNotNumber;
        case Refusal::kLongitudeOutside:
            return ErrorCode::kLongitudeBeyondLimits;
        case Refusal::kLatitudeOutside:
            return ErrorCode::kLatitudeBeyondLimits;
        case Refusal::kSourceSystem:
            return ErrorCode::kPointOutsideSourceSystem;
        case Refusal::kMapSystem:
            return ErrorCode::kPointOutsideMapSystem;
        case Refusal::kDatumShift:
            return ErrorCode::kPointNotShifted;
        case Refusal::kOutsideSystemArea:
            return ErrorCode::kPointOutsideSystemArea;
        case Refusal::kOutsideShiftArea:
            return ErrorCode::kPointOutsideShiftArea;
    }
    return ErrorCode::kLineFieldCount;
}

std::string_view describe(Refusal refusal) {
    return error_text(refusal_code(refusal));
}

Result<Conversion> Conversion::create(const ConversionSetup& setup) {
    if (setup.from == setup.to) {
        return Error{ErrorCode::kSamePointKinds};
    }
    std::vector<Step> steps;
    std::string pipeline = "+proj=pipeline";
    if (is_geographic(setup.from)) {
        pipeline += " +step +proj=unitconvert +xy_in=deg +xy_out=rad";
    }
    auto add_system_step = [&](StepKind kind, bool map_side) -> std::optional<Error> {
        Result<geodesy::CoordinateSystem> system =
            system_of(map_side ? setup.map : setup.source, map_side ? Side::kMap : Side::kSource);
        if (!system) {
            return system.error();
        }
        pipeline += kind == StepKind::kToGeographic ? " +step +inv " : " +step ";
        pipeline += system->engine_definition();
        steps.push_back({kind, map_side ? Refusal::kMapSystem : Refusal::kSourceSystem,
                         std::move(system).value(), std::nullopt});
        return std::nullopt;
    };
    auto add_shift_step = [&](bool towards_map) -> std::optional<Error> {
        const StepKind kind = towards_map ? StepKind::kShiftForward : StepKind::kShiftInverse;
        if (setup.shift.is_none()) {
            // The points pass unchanged, though read across as the panel reads them.
            steps.push_back({kind, Refusal::kDatumShift, std::nullopt, std::nullopt});
            return std::nullopt;
        }
        const Result<Spheroid> source = shift_spheroid(setup.source, Side::kSource);
        const Result<Spheroid> map =
            setup.shift_within_source_spheroid ? source : shift_spheroid(setup.map, Side::kMap);
        if (!source || !map) {
            return (source ? map : source).error();
        }
        // The transformation that undoes the shift takes points given on the map's spheroid.
        Result<geodesy::DatumTransformation> transformation =
            towards_map ? geodesy::DatumTransformation::create(setup.shift, *source, *map)
                        : geodesy::DatumTransformation::create(setup.shift, *map, *source);
        if (!transformation) {
            return Error{ErrorCode::kShiftUnusable, {}, transformation.error()};
        }
        // The shift's own pipeline, its steps spliced into this one.
        const std::string_view shift_pipeline = transformation->engine_definition(!towards_map);
        if (!shift_pipeline.starts_with(kPipelinePrefix)) {
            return Error{ErrorCode::kShiftNotPipeline, {std::string(shift_pipeline)}};
        }
        pipeline += ' ';
        pipeline += shift_pipeline.substr(kPipelinePrefix.size());
        steps.push_back(
            {kind, Refusal::kDatumShift, std::nullopt, std::move(transformation).value()});
        return std::nullopt;
    };
    const int from = position(setup.from), to = position(setup.to);
    const int direction = from < to ? 1 : -1;
    for (int at = from; at != to; at += direction) {
        // The crossing from `at` to its neighbour.
        const int left = std::min(at, at + direction);
        std::optional<Error> problem;
        if (left == position(PointKind::kSourceGrid)) {
            problem =
                add_system_step(direction > 0 ? StepKind::kToGeographic : StepKind::kToGrid, false);
        } else if (left == position(PointKind::kSourceGeographic)) {
            problem = add_shift_step(direction > 0);
        } else {
            problem =
                add_system_step(direction > 0 ? StepKind::kToGrid : StepKind::kToGeographic, true);
        }
        if (problem) {
            return *problem;
        }
    }
    if (is_geographic(setup.to)) {
        pipeline += " +step +proj=unitconvert +xy_in=rad +xy_out=deg";
    }
    return Conversion(setup, std::move(steps), std::move(pipeline));
}

void Conversion::convert_all(std::span<PointCoordinates> points,
                             std::span<Refusal> refusals) const {
    for (std::size_t start = 0; start < points.size(); start += kChunk) {
        const std::size_t size = std::min(kChunk, points.size() - start);
        convert_chunk(points.subspan(start, size), refusals.subspan(start, size));
    }
}

void Conversion::convert_chunk(std::span<PointCoordinates> points,
                               std::span<Refusal> refusals) const {
    PointStatus status_of[kChunk];
    const std::span<PointStatus> statuses(status_of, points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        statuses[i] = refusals[i] == Refusal::kNone ? PointStatus::kOk : PointStatus::kOutside;
    }
    if (is_geographic(setup_.from)) {
        check_geographic(points, statuses, refusals);
        run_area_check(points, statuses, refusals);
    }
    for (const Step& step : steps_) {
        switch (step.kind) {
            case StepKind::kToGeographic:
                step.system->to_geographic_all(points, statuses);
                break;
            case StepKind::kToGrid:
                check_geographic(points, statuses, refusals);
                step.system->to_grid_all(points, statuses);
                break;
            case StepKind::kShiftForward:
            case StepKind::kShiftInverse:
                check_geographic(points, statuses, refusals);
                if (step.transformation && step.kind == StepKind::kShiftForward) {
                    step.transformation->forward_all(points, statuses);
                } else if (step.transformation) {
                    step.transformation->inverse_all(points, statuses);
                }
                break;
        }
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (statuses[i] != PointStatus::kOk && refusals[i] == Refusal::kNone) {
                refusals[i] = step.refusal;
            }
        }
        if (&step == &steps_.front() && step.kind == StepKind::kToGeographic) {
            run_area_check(points, statuses, refusals);
        }
    }
}

void Conversion::run_area_check(std::span<const PointCoordinates> points,
                                std::span<PointStatus> statuses,
                                std::span<Refusal> refusals) const {
    if (!area_check_) {
        return;
    }
    area_check_->check(points, refusals);
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (refusals[i] != Refusal::kNone) {
            statuses[i] = PointStatus::kOutside;  // refused: the later steps pass over it
        }
    }
}

}  // namespace korv::convert
