#include <gtest/gtest.h>

#include "imaging/Bitmap32_Geometry.h"

using namespace imaging;

namespace {

TEST(GeometryConversions, FixedRoundsHalvesToEven) {
  EXPECT_EQ(Fixed(1.5f), 98304);
  EXPECT_EQ(Fixed(0.5f / 65536), 0);
  EXPECT_EQ(Fixed(1.5f / 65536), 2);
  EXPECT_EQ(Fixed(-3), -196608);
  EXPECT_EQ(Point(FloatPoint(2.5f, 3.5f)), (TPoint{2, 4}));
  EXPECT_EQ(Point(TFixedPoint{0x28000, -0x28000}), (TPoint{2, -3}));
  EXPECT_EQ(FixedPoint(2, -1), (TFixedPoint{0x20000, -0x10000}));
  EXPECT_EQ(FloatPoint(TFixedPoint{0x18000, -0x4000}), (TFloatPoint{1.5f, -0.25f}));
  EXPECT_EQ(FixedPoint(TPoint{2, -1}), (TFixedPoint{0x20000, -0x10000}));
  EXPECT_EQ(FixedPoint(TFloatPoint{0.25f, 1.0f}), (TFixedPoint{0x4000, 0x10000}));
  EXPECT_EQ(FixedRect(FloatRect(0.5f, 1, 2, 3)), (TFixedRect{0x8000, 0x10000, 0x20000, 0x30000}));
  EXPECT_EQ(FloatRect(FixedRect(TRect{1, 2, 3, 4})), (TFloatRect{1, 2, 3, 4}));
}

TEST(GeometryConversions, MakeRectInTheThreeRoundings) {
  struct Case {
    TFloatRect input;
    TRectRounding rounding;
    TRect expected;
  } const cases[] = {
      {{0.2f, 0.2f, 2.7f, 2.7f}, rrClosest, {0, 0, 3, 3}},
      {{0.2f, 0.2f, 2.7f, 2.7f}, rrOutside, {0, 0, 3, 3}},
      {{0.2f, 0.2f, 2.7f, 2.7f}, rrInside, {1, 1, 2, 2}},
      {{0.2f, 0.2f, 0.7f, 0.7f}, rrInside, {1, 1, 1, 1}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MakeRect(c.input, c.rounding), c.expected) << int(c.rounding);
    EXPECT_EQ(MakeRect(FixedRect(c.input), c.rounding), c.expected) << "fixed " << int(c.rounding);
  }
  // Halves: the float form rounds them to even, the fixed form down.
  EXPECT_EQ(MakeRect(TFloatRect{0.5f, 1.5f, 2.5f, 3.5f}, rrClosest), (TRect{0, 2, 2, 4}));
  EXPECT_EQ(MakeRect(FixedRect(TFloatRect{0.5f, 1.5f, 2.5f, 3.5f}), rrClosest), (TRect{0, 1, 2, 3}));
}

TEST(RectRoutines, IntersectionOfTouchingAndSeparateRects) {
  TRect r{9, 9, 9, 9};
  EXPECT_TRUE(IntersectRect(r, TRect{0, 0, 5, 5}, TRect{5, 0, 9, 5}));
  EXPECT_EQ(r, (TRect{5, 0, 5, 5}));
  EXPECT_FALSE(IntersectRect(r, TRect{0, 0, 5, 5}, TRect{6, 0, 9, 5}));
  EXPECT_EQ(r, (TRect{0, 0, 0, 0}));
  TFloatRect f;
  EXPECT_TRUE(IntersectRect(f, TFloatRect{0, 0, 2, 2}, TFloatRect{1, 1, 3, 3}));
  EXPECT_EQ(f, (TFloatRect{1, 1, 2, 2}));
  EXPECT_FALSE(IntersectRect(f, TFloatRect{0, 0, 1, 1}, TFloatRect{2, 2, 3, 3}));
  EXPECT_EQ(f, (TFloatRect{}));
}

TEST(RectRoutines, UnionKeepsAnEmptyFirstRect) {
  TRect r;
  EXPECT_TRUE(UnionRect(r, TRect{0, 0, 2, 2}, TRect{5, 5, 5, 9}));
  EXPECT_EQ(r, (TRect{0, 0, 2, 2}));
  EXPECT_FALSE(UnionRect(r, TRect{3, 3, 3, 3}, TRect{1, 1, 1, 1}));
  EXPECT_EQ(r, (TRect{0, 0, 0, 0}));
  // An empty first rectangle still stretches the union.
  EXPECT_TRUE(UnionRect(r, TRect{0, 0, 0, 0}, TRect{2, 2, 4, 4}));
  EXPECT_EQ(r, (TRect{0, 0, 4, 4}));
  TFloatRect f;
  EXPECT_TRUE(UnionRect(f, TFloatRect{0, 0, 1, 1}, TFloatRect{2, 2, 3, 3}));
  EXPECT_EQ(f, (TFloatRect{0, 0, 3, 3}));
}

TEST(RectRoutines, ComparisonInflationOffsetAndContainment) {
  EXPECT_TRUE(EqualRect(TRect{1, 2, 3, 4}, TRect{1, 2, 3, 4}));
  EXPECT_FALSE(EqualRect(TRect{1, 2, 3, 4}, TRect{1, 2, 3, 5}));
  EXPECT_TRUE(EqualRectSize(TRect{0, 0, 3, 4}, TRect{10, 10, 13, 14}));
  EXPECT_FALSE(EqualRectSize(TRect{0, 0, 3, 4}, TRect{0, 0, 4, 3}));
  EXPECT_TRUE(EqualRectSize(TFloatRect{0, 0, 1.5f, 2}, TFloatRect{1, 1, 2.5f, 3}));
  EXPECT_FALSE(EqualRectSize(TFloatRect{0, 0, 1.5f, 2}, TFloatRect{0, 0, 1.5001f, 2}));
  TRect r{1, 1, 3, 3};
  InflateRect(r, 1, 2);
  EXPECT_EQ(r, (TRect{0, -1, 4, 5}));
  OffsetRect(r, -1, 1);
  EXPECT_EQ(r, (TRect{-1, 0, 3, 6}));
  TFloatRect f{0, 0, 1, 1};
  InflateRect(f, 0.5f, 0.25f);
  OffsetRect(f, 1, 0);
  EXPECT_EQ(f, (TFloatRect{0.5f, -0.25f, 2.5f, 1.25f}));
  EXPECT_TRUE(IsRectEmpty(TRect{2, 0, 2, 5}));
  EXPECT_TRUE(IsRectEmpty(TFloatRect{0, 3, 5, 2}));
  EXPECT_FALSE(IsRectEmpty(TRect{0, 0, 1, 1}));
  EXPECT_FALSE(PtInRect(TRect{0, 0, 5, 5}, TPoint{5, 0}));
  EXPECT_TRUE(PtInRect(TRect{0, 0, 5, 5}, TPoint{4, 4}));
}

}  // namespace
