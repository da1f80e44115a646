#include "transform_fields.h"

#include <gtest/gtest.h>

#include "transform_math.h"

namespace korv {
namespace {

CoordTransform cleared() {
    CoordTransform record;
    clear_coord_transform(record);
    return record;
}

// Texts in checking order: rotation, x origin, y origin, new x, new y, x scale, y scale,
// elevation shift, elevation scale.
OriginTexts origin_texts(const char* rotang, const char* xorigin, const char* yorigin,
                         const char* xoffset, const char* yoffset, const char* xscale = "1",
                         const char* yscale = "1", const char* shift = "0",
                         const char* scale = "1") {
    return {rotang, xorigin, yorigin, xoffset, yoffset, xscale, yscale, shift, scale};
}

TEST(TransformFieldsTest, ACleanRecordShowsInTheFieldsFormats) {
    EXPECT_EQ(origin_form_texts(cleared()),
              origin_texts("0.000000", "0.0000", "0.0000", "0.0000", "0.0000", "1.00000000",
                           "1.00000000", "0.0000", "1.00000000"));
    const TwoPointTexts two_point = two_point_form_texts(cleared());
    EXPECT_EQ(two_point[kOriginalX2], "1.0000");
    EXPECT_EQ(two_point[kTwoPointElevationScale], "1.00000000");
}

struct Refusal {
    size_t field;
    const char* text;
    const char* message;
};

class OriginRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(OriginRefusal, ShowsTheFieldsMessageAndLeavesTheRecord) {
    OriginTexts texts = origin_texts("10", "1", "2", "3", "4");
    texts[GetParam().field] = GetParam().text;
    CoordTransform record = cleared();
    record.rotation = 5;
    StoredTransform stored{record, false};
    const Status status = store_origin_form(texts, stored);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.message(), GetParam().message);
    EXPECT_EQ(stored.record, record);
    EXPECT_FALSE(stored.second_point_defined);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, OriginRefusal,
    ::testing::Values(Refusal{kRotang, "ten", "Rotation angle must be numeric"},
                      Refusal{kRotang, "", "Rotation angle must be numeric"},
                      Refusal{kXorigin, "1,5", "Grid x origin must be numeric"},
                      Refusal{kYorigin, "2 x", "Grid y origin must be numeric"},
                      Refusal{kXoffset, "1e999", "New x origin must be numeric"},
                      Refusal{kYoffset, ".", "New y origin must be numeric"},
                      Refusal{kXscale, "x", "Scale for current x axis must be numeric"},
                      Refusal{kXscale, "0.00005", "Scale for current x axis must be non-zero"},
                      Refusal{kYscale, "-", "Scale for current y axis must be numeric"},
                      Refusal{kYscale, "0", "Scale for current y axis must be non-zero"},
                      Refusal{kOriginElevationShift, "z", "Elevation shift must be numeric"},
                      Refusal{kOriginElevationScale, "z", "Elevation scale must be numeric"},
                      Refusal{kOriginElevationScale, "0", "Elevation scale must be non-zero"}));

TEST(TransformFieldsTest, TheFirstRefusedFieldInCheckingOrderIsReported) {
    StoredTransform stored{cleared(), false};
    const Status status = store_origin_form(origin_texts("0", "1", "2", "x", "y", "0"), stored);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.message(), "New x origin must be numeric");
}

TEST(TransformFieldsTest, TheSmallestScaleIsAcceptedWithEitherSign) {
    StoredTransform stored{cleared(), false};
    EXPECT_TRUE(
        store_origin_form(origin_texts("0", "0", "0", "0", "0", "-0.0001", " 0.0001 "), stored)
            .ok());
    EXPECT_EQ(stored.record.xscale, -0.0001);
    EXPECT_EQ(stored.record.yscale, 0.0001);
}

TEST(TransformFieldsTest, FirstOriginStoreTakesTheDefaultSecondPointAndKeepsItAfterwards) {
    StoredTransform stored{cleared(), false};
    ASSERT_TRUE(store_origin_form(origin_texts("0", "5", "7", "0", "0"), stored).ok());
    EXPECT_TRUE(stored.second_point_defined);
    EXPECT_EQ(stored.record.gxmax, 105);
    EXPECT_EQ(stored.record.gymax, 7);
    EXPECT_EQ(stored.record.mxmax, 100);
    EXPECT_EQ(stored.record.mymax, 0);

    ASSERT_TRUE(store_origin_form(origin_texts("0", "10", "7", "0", "0"), stored).ok());
    EXPECT_EQ(stored.record.gxmax, 105) << "the baseline shortens to 95";
    EXPECT_EQ(stored.record.mxmax, 95);
}

TEST(TransformFieldsTest, SecondNewPointComesBackOrFollowsTheDefault) {
    // Points as a coordinate file gives them: (0,0)->(100,100) and (10,0)->(100,120).
    CoordTransform from_file = cleared();
    from_file.mxmin = from_file.mymin = 100;
    from_file.gxmax = 10;
    from_file.gymax = 0;
    from_file.mxmax = 100;
    from_file.mymax = 120;
    const OriginTexts texts =
        origin_texts("-90.000000", "0", "0", "100", "100", "2.00000000", "2.00000000");

    StoredTransform kept{from_file, true};
    ASSERT_TRUE(store_origin_form(texts, kept).ok());
    const TwoPointTexts shown = two_point_form_texts(kept.record);
    EXPECT_EQ(shown[kNewX2], "100.0000");
    EXPECT_EQ(shown[kNewY2], "120.0000");

    StoredTransform after_reset{cleared(), false};
    ASSERT_TRUE(store_origin_form(texts, after_reset).ok());
    const TwoPointTexts defaulted = two_point_form_texts(after_reset.record);
    EXPECT_EQ(defaulted[kOriginalX2], "100.0000");
    EXPECT_EQ(defaulted[kOriginalY2], "0.0000");
    EXPECT_EQ(defaulted[kNewX2], "100.0000");
    EXPECT_EQ(defaulted[kNewY2], "300.0000");
}

TEST(TransformFieldsTest, StoringRoundsToTheDisplayedDecimals) {
    CoordTransform record = cleared();
    record.rotation = 12.3456789123;
    record.xscale = 1.000000004999;
    record.gxmin = 1234.567891;
    record.zshift = -7.123449;
    StoredTransform stored{record, true};
    ASSERT_TRUE(store_origin_form(origin_form_texts(record), stored).ok());
    EXPECT_EQ(stored.record.rotation, 12.345679);
    EXPECT_EQ(stored.record.xscale, 1.0);
    EXPECT_EQ(stored.record.gxmin, 1234.5679);
    EXPECT_EQ(stored.record.zshift, -7.1234);
}

TEST(TransformFieldsTest, AnOverflowingOriginFormKeepsTheStoredFields) {
    CoordTransform record = cleared();
    record.mxmax = 42;
    StoredTransform stored{record, false};
    const Status status = store_origin_form(origin_texts("0", "3", "0", "0", "0", "1e308"), stored);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.message(), "An error orrurred while calculating the transform: Overflow");
    EXPECT_EQ(stored.record.xscale, 1e308);
    EXPECT_EQ(stored.record.gxmin, 3);
    EXPECT_EQ(stored.record.gxmax, 103);
    EXPECT_EQ(stored.record.mxmax, 42) << "no infinity is stored";
}

// Texts in checking order: original 1, new 1, original 2, new 2, elevation shift and scale.
TwoPointTexts two_point_texts(const char* x1, const char* y1, const char* nx1, const char* ny1,
                              const char* x2, const char* y2, const char* nx2, const char* ny2,
                              const char* shift = "0", const char* scale = "1") {
    return {x1, y1, nx1, ny1, x2, y2, nx2, ny2, shift, scale};
}

class TwoPointRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(TwoPointRefusal, ShowsTheFieldsMessageAndLeavesTheRecord) {
    TwoPointTexts texts = two_point_texts("0", "0", "100", "100", "10", "0", "100", "120");
    texts[GetParam().field] = GetParam().text;
    StoredTransform stored{cleared(), false};
    const Status status = store_two_point_form(texts, stored);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.message(), GetParam().message);
    EXPECT_EQ(stored.record, cleared());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TwoPointRefusal,
    ::testing::Values(Refusal{kOriginalX1, "a", "Original X1 must be numeric"},
                      Refusal{kOriginalY1, "a", "Original Y1 must be numeric"},
                      Refusal{kNewX1, "a", "New X1 must be numeric"},
                      Refusal{kNewY1, "a", "New Y1 must be numeric"},
                      Refusal{kOriginalX2, "a", "Original X2 must be numeric"},
                      Refusal{kOriginalY2, "a", "Original Y2 must be numeric"},
                      Refusal{kNewX2, "a", "New X2 must be numeric"},
                      Refusal{kNewY2, "", "New Y2 must be numeric"},
                      Refusal{kTwoPointElevationShift, "a", "Elevation shift must be numeric"},
                      Refusal{kTwoPointElevationScale, "a", "Elevation scale must be numeric"},
                      Refusal{kOriginalX2, "0.05",
                              "First and second original points must be distinct"},
                      Refusal{kNewY2, "100.09", "First and second new points must be distinct"}));

TEST(TransformFieldsTest, TwoPointFormSolvesRotationAndScales) {
    StoredTransform stored{cleared(), false};
    const Status status = store_two_point_form(
        two_point_texts("0", "0", "100", "100", "10", "0", "100", "120", "2.5", "0"), stored);
    ASSERT_TRUE(status.ok()) << status.message();
    EXPECT_EQ(stored.record.rotation, -90);
    EXPECT_EQ(stored.record.xscale, 2);
    EXPECT_EQ(stored.record.yscale, 2);
    EXPECT_EQ(stored.record.mymax, 120);
    EXPECT_EQ(stored.record.zshift, 2.5);
    EXPECT_EQ(stored.record.zscale, 0) << "this tab accepts an elevation scale of 0";
    EXPECT_FALSE(stored.second_point_defined) << "this form leaves the flag alone";
}

TEST(TransformFieldsTest, PointsATenthApartAreDistinct) {
    StoredTransform stored{cleared(), false};
    EXPECT_TRUE(
        store_two_point_form(two_point_texts("0", "0", "0", "0", "0.1", "0", "0", "0.1"), stored)
            .ok());
    EXPECT_NEAR(stored.record.rotation, -90, 1e-9);
}

class TwoPointOverflow : public ::testing::TestWithParam<TwoPointTexts> {};

TEST_P(TwoPointOverflow, SaysSoOnceAndLeavesTheRecord) {
    StoredTransform stored{cleared(), false};
    const Status status = store_two_point_form(GetParam(), stored);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.message(), "An error orrurred while calculating the transform: Overflow");
    EXPECT_EQ(stored.record, cleared());
}

INSTANTIATE_TEST_SUITE_P(
    Points, TwoPointOverflow,
    ::testing::Values(two_point_texts("-1e200", "0", "0", "0", "1e200", "0", "10", "0"),
                      two_point_texts("0", "0", "0", "0", "1e200", "0", "10", "0"),
                      two_point_texts("0", "0", "0", "-1.7e308", "10", "0", "0", "1.7e308")));

}  // namespace
}  // namespace korv
