#include "transform_fields.h"

#include <cmath>
#include <optional>
#include <span>

#include "numeric_text.h"
#include "transform_math.h"

namespace korv {

// Coordinates and the elevation shift show 4 decimals, the rotation 6, scales 8.
const std::array<TransformField, kOriginFieldCount> kOriginFields = {{
    {&CoordTransform::rotation, 6, ErrorCode::kRotationNotNumeric, std::nullopt},
    {&CoordTransform::gxmin, 4, ErrorCode::kGridXOriginNotNumeric, std::nullopt},
    {&CoordTransform::gymin, 4, ErrorCode::kGridYOriginNotNumeric, std::nullopt},
    {&CoordTransform::mxmin, 4, ErrorCode::kNewXOriginNotNumeric, std::nullopt},
    {&CoordTransform::mymin, 4, ErrorCode::kNewYOriginNotNumeric, std::nullopt},
    {&CoordTransform::xscale, 8, ErrorCode::kXScaleNotNumeric, ErrorCode::kXScaleZero},
    {&CoordTransform::yscale, 8, ErrorCode::kYScaleNotNumeric, ErrorCode::kYScaleZero},
    {&CoordTransform::zshift, 4, ErrorCode::kElevationShiftNotNumeric, std::nullopt},
    {&CoordTransform::zscale, 8, ErrorCode::kElevationScaleNotNumeric,
     ErrorCode::kElevationScaleZero},
}};

// The two-point tab accepts an elevation scale of zero.
const std::array<TransformField, kTwoPointFieldCount> kTwoPointFields = {{
    {&CoordTransform::gxmin, 4, ErrorCode::kOriginalX1NotNumeric, std::nullopt},
    {&CoordTransform::gymin, 4, ErrorCode::kOriginalY1NotNumeric, std::nullopt},
    {&CoordTransform::mxmin, 4, ErrorCode::kNewX1NotNumeric, std::nullopt},
    {&CoordTransform::mymin, 4, ErrorCode::kNewY1NotNumeric, std::nullopt},
    {&CoordTransform::gxmax, 4, ErrorCode::kOriginalX2NotNumeric, std::nullopt},
    {&CoordTransform::gymax, 4, ErrorCode::kOriginalY2NotNumeric, std::nullopt},
    {&CoordTransform::mxmax, 4, ErrorCode::kNewX2NotNumeric, std::nullopt},
    {&CoordTransform::mymax, 4, ErrorCode::kNewY2NotNumeric, std::nullopt},
    {&CoordTransform::zshift, 4, ErrorCode::kElevationShiftNotNumeric, std::nullopt},
    {&CoordTransform::zscale, 8, ErrorCode::kElevationScaleNotNumeric, std::nullopt},
}};

namespace {

constexpr double kSmallestScale = 0.0001;
constexpr double kShortestTypedBaseline = 0.1;

// The message of the first text that is refused, checked in table order.
Status check_texts(std::span<const TransformField> fields, std::span<const std::string> texts) {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (!is_numeric(texts[i])) {
            return Error{fields[i].not_numeric};
        }
        if (fields[i].zero && std::fabs(leading_number(texts[i])) < kSmallestScale) {
            return Error{*fields[i].zero};
        }
    }
    return kSuccess;
}

// The points must lie at least kShortestTypedBaseline apart; points so far apart that their
// distance overflows are the arithmetic error of storing the tab.
Status check_baseline(const GridPoint& first, const GridPoint& second, ErrorCode too_close) {
    const double length = baseline_length(first, second);
    if (!std::isfinite(length)) {
        return Error{ErrorCode::kTransformOverflow};
    }
    if (length < kShortestTypedBaseline) {
        return Error{too_close};
    }
    return kSuccess;
}

void store_texts(std::span<const TransformField> fields, std::span<const std::string> texts,
                 CoordTransform& record) {
    for (size_t i = 0; i < fields.size(); ++i) {
        record.*fields[i].value = leading_number(texts[i]);
    }
}

template <size_t N>
std::array<std::string, N> texts_of(const std::array<TransformField, N>& fields,
                                    const CoordTransform& record) {
    std::array<std::string, N> texts;
    for (size_t i = 0; i < N; ++i) {
        texts[i] = format_fixed(record.*fields[i].value, fields[i].decimals);
    }
    return texts;
}

}  // namespace

OriginTexts origin_form_texts(const CoordTransform& record) {
    return texts_of(kOriginFields, record);
}

TwoPointTexts two_point_form_texts(const CoordTransform& record) {
    return texts_of(kTwoPointFields, record);
}

Status store_origin_form(const OriginTexts& texts, StoredTransform& stored) {
    if (Status checked = check_texts(kOriginFields, texts); !checked) {
        return checked;
    }
    CoordTransform& record = stored.record;
    store_texts(kOriginFields, texts, record);
    if (!stored.second_point_defined) {
        record.gxmax = record.gxmin + 100;
        record.gymax = record.gymin;
        stored.second_point_defined = true;
    }
    const Result<GridPoint> second = second_new_point(record);
    if (!second) {
        return second.error();
    }
    record.mxmax = second->east;
    record.mymax = second->north;
    return kSuccess;
}

Status store_two_point_form(const TwoPointTexts& texts, StoredTransform& stored) {
    if (Status checked = check_texts(kTwoPointFields, texts); !checked) {
        return checked;
    }
    CoordTransform typed = stored.record;
    store_texts(kTwoPointFields, texts, typed);
    const PointPairs points = point_pairs(typed);
    if (Status checked = check_baseline(points.original_first, points.original_second,
                                        ErrorCode::kOriginalPointsNotDistinct);
        !checked) {
        return checked;
    }
    if (Status checked =
            check_baseline(points.new_first, points.new_second, ErrorCode::kNewPointsNotDistinct);
        !checked) {
        return checked;
    }
    stored.record = typed;
    // The checks above leave baselines that solve; points that would not define no transform.
    const Result<std::optional<TwoPointSolution>> solved = convert_transform(points);
    if (!solved || !*solved) {
        return Error{ErrorCode::kPointsUnusable};
    }
    stored.record.rotation = (*solved)->rotation;
    stored.record.xscale = (*solved)->xscale;
    stored.record.yscale = (*solved)->yscale;
    return kSuccess;
}

}  // namespace korv
