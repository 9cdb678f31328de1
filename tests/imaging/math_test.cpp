#include <gtest/gtest.h>

#include <cmath>

#include "imaging/Bitmap32_Math.h"

using namespace imaging;

namespace {

struct FixedCase {
  const char* name;
  TFixed (*routine)(TFixed);
  TFixed input;
  TFixed expected;
};

TEST(FixedMath, UnaryRoutinesGiveTheirTableValues) {
  const FixedCase cases[] = {
      {"FixedRound 1.5", FixedRound, 0x18000, 1},
      {"FixedRound 1.5 + raw 1", FixedRound, 0x18001, 2},
      {"FixedRound 2.5", FixedRound, 0x28000, 2},
      {"FixedRound -2.5", FixedRound, -0x28000, -3},
      {"FixedFloor -0.5", FixedFloor, -0x8000, -1},
      {"FixedFloor 1.99", FixedFloor, 0x1FFFF, 1},
      {"FixedCeil 1 + raw 1", FixedCeil, 0x10001, 2},
      {"FixedCeil -1.5", FixedCeil, -0x18000, -1},
      {"FixedCeil 3.0", FixedCeil, 0x30000, 3},
      {"FixedSqr 1.5", FixedSqr, 0x18000, 0x24000},
      {"FixedSqrtLP 2.0", FixedSqrtLP, 0x20000, 92672},  // 1.4140625
      {"FixedSqrtLP 100.0", FixedSqrtLP, 100 << 16, 10 << 16},
      {"FixedSqrtLP negative", FixedSqrtLP, -0x10000, 0},
      {"FixedSqrtHP 2.0", FixedSqrtHP, 0x20000, 92681},
      {"FixedSqrtHP 100.0", FixedSqrtHP, 100 << 16, 10 << 16},
      {"OneOver 2.0", OneOver, 0x20000, 0x8000},
      {"OneOver 0.25", OneOver, 0x4000, 0x40000},
  };
  for (const auto& c : cases) EXPECT_EQ(c.routine(c.input), c.expected) << c.name;
}

TEST(FixedMath, MultiplyDivideAndCombine) {
  EXPECT_EQ(FixedMul(-1, FixedOne), -1);
  EXPECT_EQ(FixedMul(0x18000, 0x20000), 0x30000);
  EXPECT_EQ(FixedMul(-0x18000, 0x8000), -0xC000);
  EXPECT_EQ(FixedDiv(0x30000, 0x20000), 0x18000);
  EXPECT_EQ(FixedDiv(-1, 0x20000), 0);  // truncated towards zero
  EXPECT_EQ(FixedCombine(0, 10 << 16, 20 << 16), 20 << 16);
  EXPECT_EQ(FixedCombine(FixedOne, 10 << 16, 20 << 16), 10 << 16);
  EXPECT_EQ(FixedCombine(FixedHalf, 10 << 16, 20 << 16), 15 << 16);
}

// Below 16385.0 the high-precision root is the exact floor of sqrt(a * 65536).
TEST(FixedMath, HighPrecisionRootIsExactBelowItsLimit) {
  for (int64_t a = 1; a < (INT64_C(16385) << 16); a = a * 3 + 7) {
    const auto expected = static_cast<int64_t>(std::sqrt(static_cast<long double>(a) * 65536.0L));
    EXPECT_EQ(FixedSqrtHP(static_cast<TFixed>(a)), expected) << a;
  }
}

TEST(IntegerMath, MulDivRoundsAwayFromZeroAndFlagsOverflow) {
  struct Case {
    int32_t a, b, c, expected;
  } const cases[] = {
      {5, 3, 2, 8},     {-5, 3, 2, -8},  {5, -3, -2, 8},          {1, 1, 0, -1},
      {7, 1, 3, 2},     {8, 1, 3, 3},    {0x10000, 0x10000, 1, -1}, {100000, 100000, 1000, 10000000},
      {5, 3, 1, 15},
  };
  for (const auto& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(IntegerMath, PowersAverageAndSign) {
  EXPECT_TRUE(IsPowerOf2(0));
  EXPECT_TRUE(IsPowerOf2(64));
  EXPECT_FALSE(IsPowerOf2(6));
  EXPECT_EQ(NextPowerOf2(5), 8);
  EXPECT_EQ(NextPowerOf2(8), 8);
  EXPECT_EQ(NextPowerOf2(0), 1);
  EXPECT_EQ(NextPowerOf2(-7), 1);
  EXPECT_EQ(PrevPowerOf2(5), 4);
  EXPECT_EQ(PrevPowerOf2(0), 0);
  EXPECT_EQ(PrevPowerOf2(1024), 1024);
  EXPECT_EQ(Average(0x7FFFFFFF, 0x7FFFFFFD), 0x7FFFFFFE);
  EXPECT_EQ(Average(-3, 0), -2);
  EXPECT_EQ(Sign(-9), -1);
  EXPECT_EQ(Sign(0), 0);
  EXPECT_EQ(Sign(4), 1);
}

TEST(FloatMath, SinCosAndHypotInSingles) {
  float s, c;
  SinCos(1.0f, s, c);
  EXPECT_EQ(s, std::sin(1.0f));
  EXPECT_EQ(c, std::cos(1.0f));
  SinCos(1.0f, 2.0f, s, c);
  EXPECT_EQ(s, std::sin(1.0f) * 2.0f);
  EXPECT_EQ(c, std::cos(1.0f) * 2.0f);
  EXPECT_EQ(Hypot(3.0f, 4.0f), 5.0f);
}

}  // namespace
