#include "transform_math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korv {
namespace {

struct BaselineCase {
    const char* name;
    PointPairs points;
    double rotation;
    double scale;
};

class ConvertTransform : public ::testing::TestWithParam<BaselineCase> {};

// The solution of two point pairs that define a transform.
TwoPointSolution solved(const PointPairs& points) {
    const Result<std::optional<TwoPointSolution>> solution = convert_transform(points);
    EXPECT_TRUE(solution.ok() && solution->has_value());
    return solution.ok() ? solution->value_or(TwoPointSolution{}) : TwoPointSolution{};
}

TEST_P(ConvertTransform, RotationIsTheBearingDifferenceAndScalesTheLengthRatio) {
    const TwoPointSolution solution = solved(GetParam().points);
    EXPECT_NEAR(solution.rotation, GetParam().rotation, 1e-6);
    EXPECT_DOUBLE_EQ(solution.xscale, GetParam().scale);
    EXPECT_DOUBLE_EQ(solution.yscale, GetParam().scale);
}

// Unit vectors at bearings of -170 and 170 degrees, scaled to length 100.
constexpr double kCos170 = -98.48077530122080;
constexpr double kSin170 = 17.36481776669303;

INSTANTIATE_TEST_SUITE_P(
    Baselines, ConvertTransform,
    ::testing::Values(BaselineCase{"EastThenNorth", {0, 0, 100, 100, 10, 0, 100, 120}, -90, 2},
                      BaselineCase{"MinusXOntoPlusX", {0, 0, 0, 0, -10, 0, 10, 0}, -180, 1},
                      BaselineCase{"NotBroughtIntoRange",
                                   {0, 0, 0, 0, kCos170, kSin170, kCos170, -kSin170},
                                   340,
                                   1},
                      BaselineCase{"NorthOntoSouth", {5, 5, 1, 1, 5, 15, 1, -4}, 180, 0.5},
                      BaselineCase{"SouthOntoEast", {0, 0, 0, 0, 0, -3, 6, 0}, -90, 2},
                      BaselineCase{"Diagonal", {1, 1, 0, 0, 2, 2, 3, 0}, 45, 3 / std::sqrt(2.0)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConvertTransformTest, UsesTheSystemsDegreesPerRadian) {
    // A bearing of 45 degrees computed with 57.29577951, not with 180/pi: the two differ in the
    // ninth decimal, which stored rotations carry.
    const TwoPointSolution solution = solved({0, 0, 0, 0, 1, 0, 1, -1});
    EXPECT_DOUBLE_EQ(solution.rotation, std::atan(1.0) * 57.29577951);
    EXPECT_NE(solution.rotation, std::atan(1.0) * 180 / M_PI);
}

TEST(ConvertTransformTest, BearingsFollowTheClockwiseConvention) {
    EXPECT_EQ(clockwise_bearing(1, 0), 0);
    EXPECT_EQ(clockwise_bearing(0, 1), -90);
    EXPECT_EQ(clockwise_bearing(0, -1), 90);
    EXPECT_EQ(clockwise_bearing(-1, 0), 180) << "along -x is +180, never -180";
    EXPECT_NEAR(clockwise_bearing(-1, 1e-12), -180, 1e-9);
}

class ShortBaseline : public ::testing::TestWithParam<PointPairs> {};

TEST_P(ShortBaseline, DefinesNoTransformWithoutAnError) {
    const Result<std::optional<TwoPointSolution>> solution = convert_transform(GetParam());
    ASSERT_TRUE(solution.ok()) << solution.message();
    EXPECT_FALSE(solution->has_value());
}

INSTANTIATE_TEST_SUITE_P(Baselines, ShortBaseline,
                         ::testing::Values(PointPairs{0, 0, 0, 0, 0.00005, 0, 10, 0},
                                           PointPairs{0, 0, 0, 0, 10, 0, 0, 0.00009},
                                           PointPairs{7, 7, 1, 1, 7, 7, 1, 1}));

class OverflowingBaseline : public ::testing::TestWithParam<PointPairs> {};

TEST_P(OverflowingBaseline, IsReportedAsAnArithmeticError) {
    const Result<std::optional<TwoPointSolution>> solution = convert_transform(GetParam());
    ASSERT_FALSE(solution.ok());
    EXPECT_EQ(solution.message(),
              "An error occurred while calculating the transform parameters: Overflow");
}

INSTANTIATE_TEST_SUITE_P(Baselines, OverflowingBaseline,
                         ::testing::Values(PointPairs{0, 0, 0, 0, 1e200, 0, 10, 0},
                                           PointPairs{-1e308, 0, 0, 0, 1e308, 0, 10, 0},
                                           PointPairs{0, 0, 0, 0, 10, 0, 0, 1e300}));

TEST(ClearCoordTransformTest, GivesTheIdentityWithUnitSecondPoints) {
    CoordTransform record;
    record.reserved_int = 7;
    record.rotation = 12;
    record.reserved_b = 3;
    record.gxmax = 99;
    clear_coord_transform(record);
    CoordTransform cleared;
    cleared.reserved_a = 1.0;
    cleared.xscale = cleared.yscale = 1.0;
    cleared.gxmax = cleared.mxmax = cleared.gymax = cleared.mymax = 1.0;
    cleared.zscale = 1.0;
    EXPECT_EQ(record, cleared);
}

TEST(SecondNewPointTest, FollowsTheOriginForm) {
    CoordTransform record;
    clear_coord_transform(record);
    record.rotation = -90;
    record.xscale = record.yscale = 2;
    record.mxmin = record.mymin = 100;
    record.gxmax = 10;
    record.gymax = 0;
    const Result<GridPoint> point = second_new_point(record);
    ASSERT_TRUE(point.ok());
    EXPECT_NEAR(point->east, 100, 1e-6);
    EXPECT_NEAR(point->north, 120, 1e-9);
}

TEST(SecondNewPointTest, NothingWhenItLiesBeyondTheRangeOfADouble) {
    CoordTransform record;
    clear_coord_transform(record);
    record.gxmax = 100;
    record.xscale = 1e308;
    const Result<GridPoint> point = second_new_point(record);
    ASSERT_FALSE(point.ok());
    EXPECT_EQ(point.message(), "An error orrurred while calculating the transform: Overflow");
}

CoordTransform sample_transform() {
    CoordTransform record;
    clear_coord_transform(record);
    record.rotation = 33.25;
    record.xscale = record.yscale = 0.9996;
    record.gxmin = 1000;
    record.gymin = 2000;
    record.mxmin = 500000;
    record.mymin = 7000000;
    record.gxmax = 1100;
    record.gymax = 2050;
    record.mxmax = 500123;
    record.mymax = 7000456;
    record.zshift = 12.5;
    record.zscale = 0.3048;
    return record;
}

TEST(InvertTransformTest, TwiceGivesTheStartBack) {
    const CoordTransform start = sample_transform();
    for (int32_t form : {kOriginForm, kTwoPointForm}) {
        const Result<CoordTransform> once = invert_transform(start, form);
        ASSERT_TRUE(once.ok());
        const Result<CoordTransform> twice = invert_transform(*once, form);
        ASSERT_TRUE(twice.ok());
        EXPECT_EQ(twice->gxmin, start.gxmin);
        EXPECT_EQ(twice->mymax, start.mymax);
        EXPECT_DOUBLE_EQ(twice->rotation, start.rotation);
        EXPECT_DOUBLE_EQ(twice->xscale, start.xscale);
        EXPECT_DOUBLE_EQ(twice->zshift, start.zshift);
        EXPECT_DOUBLE_EQ(twice->zscale, start.zscale);
    }
}

TEST(InvertTransformTest, OriginFormInvertsRotationScalesAndElevation) {
    const CoordTransform start = sample_transform();
    const CoordTransform inverse = *invert_transform(start, kOriginForm);
    EXPECT_EQ(inverse.rotation, -33.25);
    EXPECT_EQ(inverse.xscale, 1 / 0.9996);
    EXPECT_EQ(inverse.gxmin, 500000);
    EXPECT_EQ(inverse.mxmin, 1000);
    EXPECT_EQ(inverse.gymax, 7000456);
    EXPECT_EQ(inverse.mymax, 2050);
    EXPECT_EQ(inverse.zshift, -12.5 * 0.3048);
    EXPECT_EQ(inverse.zscale, 1 / 0.3048);
    // The elevation really is undone: Zold = (Znew + zshift') * zscale'.
    const double z_old = 40;
    const double z_new = (z_old + start.zshift) * start.zscale;
    EXPECT_NEAR((z_new + inverse.zshift) * inverse.zscale, z_old, 1e-12);
}

TEST(InvertTransformTest, TwoPointFormLeavesRotationAndScalesToBeSolvedAgain) {
    const CoordTransform inverse = *invert_transform(sample_transform(), kTwoPointForm);
    EXPECT_EQ(inverse.rotation, 33.25);
    EXPECT_EQ(inverse.xscale, 0.9996);
    EXPECT_EQ(inverse.gxmax, 500123);
}

TEST(InvertTransformTest, ZeroScalesInvertToOne) {
    CoordTransform record = sample_transform();
    record.xscale = 0;
    record.zscale = 0;
    const CoordTransform inverse = *invert_transform(record, kOriginForm);
    EXPECT_EQ(inverse.xscale, 1.0);
    EXPECT_EQ(inverse.zshift, -12.5);
    EXPECT_EQ(inverse.zscale, 1.0);
}

class InvertOverflow : public ::testing::TestWithParam<CoordTransform> {};

TEST_P(InvertOverflow, IsAnErrorRatherThanInfinities) {
    EXPECT_FALSE(invert_transform(GetParam(), kOriginForm).ok());
}

CoordTransform with(double CoordTransform::*field, double value, double CoordTransform::*other,
                    double other_value) {
    CoordTransform record = sample_transform();
    record.*field = value;
    record.*other = other_value;
    return record;
}

INSTANTIATE_TEST_SUITE_P(
    Extremes, InvertOverflow,
    ::testing::Values(with(&CoordTransform::xscale, 1e-310, &CoordTransform::yscale, 1),
                      with(&CoordTransform::zshift, 1e200, &CoordTransform::zscale, 1e200),
                      with(&CoordTransform::zscale, 4e-309, &CoordTransform::zshift, 0)));

}  // namespace
}  // namespace korv
