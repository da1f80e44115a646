#include "transform_fields.h"

#include <cmath>
#include <optional>
#include <span>

#include "numeric_text.h"
#include "transform_math.h"

namespace korv {

// Coordinates and the elevation shift show 4 decimals, the rotation 6, scales 8.
const std::array<TransformField, kOriginFieldCount> kOriginFields = {{
    {&CoordTransform::rotation, 6, "Rotation angle must be numeric", nullptr},
    {&CoordTransform::gxmin, 4, "Grid x origin must be numeric", nullptr},
    {&CoordTransform::gymin, 4, "Grid y origin must be numeric", nullptr},
    {&CoordTransform::mxmin, 4, "New x origin must be numeric", nullptr},
    {&CoordTransform::mymin, 4, "New y origin must be numeric", nullptr},
    {&CoordTransform::xscale, 8, "Scale for current x axis must be numeric",
     "Scale for current x axis must be non-zero"},
    {&CoordTransform::yscale, 8, "Scale for current y axis must be numeric",
     "Scale for current y axis must be non-zero"},
    {&CoordTransform::zshift, 4, "Elevation shift must be numeric", nullptr},
    {&CoordTransform::zscale, 8, "Elevation scale must be numeric",
     "Elevation scale must be non-zero"},
}};

// The two-point tab accepts an elevation scale of zero.
const std::array<TransformField, kTwoPointFieldCount> kTwoPointFields = {{
    {&CoordTransform::gxmin, 4, "Original X1 must be numeric", nullptr},
    {&CoordTransform::gymin, 4, "Original Y1 must be numeric", nullptr},
    {&CoordTransform::mxmin, 4, "New X1 must be numeric", nullptr},
    {&CoordTransform::mymin, 4, "New Y1 must be numeric", nullptr},
    {&CoordTransform::gxmax, 4, "Original X2 must be numeric", nullptr},
    {&CoordTransform::gymax, 4, "Original Y2 must be numeric", nullptr},
    {&CoordTransform::mxmax, 4, "New X2 must be numeric", nullptr},
    {&CoordTransform::mymax, 4, "New Y2 must be numeric", nullptr},
    {&CoordTransform::zshift, 4, "Elevation shift must be numeric", nullptr},
    {&CoordTransform::zscale, 8, "Elevation scale must be numeric", nullptr},
}};

namespace {

constexpr double kSmallestScale = 0.0001;
constexpr double kShortestTypedBaseline = 0.1;

// The message for the first text that is refused, checked in table order.
std::optional<std::string> first_refusal(std::span<const TransformField> fields,
                                         std::span<const std::string> texts) {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (!is_numeric(texts[i])) {
            return fields[i].not_numeric_message;
        }
        if (fields[i].zero_message != nullptr &&
            std::fabs(leading_number(texts[i])) < kSmallestScale) {
            return fields[i].zero_message;
        }
    }
    return std::nullopt;
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

double distance(double x1, double y1, double x2, double y2) {
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

}  // namespace

OriginTexts origin_form_texts(const CoordTransform& record) {
    return texts_of(kOriginFields, record);
}

TwoPointTexts two_point_form_texts(const CoordTransform& record) {
    return texts_of(kTwoPointFields, record);
}

StoreOutcome store_origin_form(const OriginTexts& texts, const CoordTransform& record,
                               bool second_point_defined) {
    StoreOutcome outcome{-1, record, second_point_defined, {}};
    if (std::optional<std::string> refusal = first_refusal(kOriginFields, texts)) {
        outcome.messages.push_back(std::move(*refusal));
        return outcome;
    }
    CoordTransform& stored = outcome.record;
    store_texts(kOriginFields, texts, stored);
    if (!second_point_defined) {
        stored.gxmax = stored.gxmin + 100;
        stored.gymax = stored.gymin;
        outcome.second_point_defined = true;
    }
    const std::optional<NewPoint> second = second_new_point(stored);
    if (!second) {
        outcome.messages.push_back(std::string(kTransformErrorPrefix) + kOverflowDescription);
        return outcome;
    }
    stored.mxmax = second->x;
    stored.mymax = second->y;
    outcome.ierr = 0;
    return outcome;
}

StoreOutcome store_two_point_form(const TwoPointTexts& texts, const CoordTransform& record,
                                  bool second_point_defined) {
    StoreOutcome outcome{-1, record, second_point_defined, {}};
    if (std::optional<std::string> refusal = first_refusal(kTwoPointFields, texts)) {
        outcome.messages.push_back(std::move(*refusal));
        return outcome;
    }
    const auto value = [&texts](TwoPointField field) { return leading_number(texts[field]); };
    // Points far apart near the range of a double overflow the distance itself: that is the
    // arithmetic error of storing this tab, found before anything is stored.
    const std::string overflow = std::string(kTransformErrorPrefix) + kOverflowDescription;
    const double original_distance =
        distance(value(kOriginalX1), value(kOriginalY1), value(kOriginalX2), value(kOriginalY2));
    if (!std::isfinite(original_distance)) {
        outcome.messages.push_back(overflow);
        return outcome;
    }
    if (original_distance < kShortestTypedBaseline) {
        outcome.messages.emplace_back("First and second original points must be distinct");
        return outcome;
    }
    const double new_distance =
        distance(value(kNewX1), value(kNewY1), value(kNewX2), value(kNewY2));
    if (!std::isfinite(new_distance)) {
        outcome.messages.push_back(overflow);
        return outcome;
    }
    if (new_distance < kShortestTypedBaseline) {
        outcome.messages.emplace_back("First and second new points must be distinct");
        return outcome;
    }
    CoordTransform& stored = outcome.record;
    store_texts(kTwoPointFields, texts, stored);
    TwoPointSolution solution = convert_transform(point_pairs(stored));
    if (solution.ierr != 0) {
        if (!solution.error_message.empty()) {
            outcome.messages.push_back(std::move(solution.error_message));
        }
        outcome.messages.emplace_back(
            "The specified points cannot be used to define a meaningful transform");
        return outcome;
    }
    stored.rotation = solution.rotation;
    stored.xscale = solution.xscale;
    stored.yscale = solution.yscale;
    outcome.ierr = 0;
    return outcome;
}

}  // namespace korv
