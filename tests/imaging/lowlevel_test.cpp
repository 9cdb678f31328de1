#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "imaging/Bitmap32_LowLevel.h"
#include "imaging/Imaging.h"

using namespace imaging;

namespace {

TEST(Clamping, LimitsToTheirRanges) {
  EXPECT_EQ(Clamp(-5), 0);
  EXPECT_EQ(Clamp(300), 255);
  EXPECT_EQ(Clamp(128), 128);
  EXPECT_EQ(Clamp(9, 7), 7);
  EXPECT_EQ(Clamp(-1, 7), 0);
  EXPECT_EQ(Clamp(5, 10, 3), 3);  // lower above upper: upper wins
  EXPECT_EQ(Constrain(-4, -2, 2), -2);
  EXPECT_EQ(Constrain(1.5f, 0.0f, 1.0f), 1.0f);
  EXPECT_EQ(Constrain(-0.5f, 0.0f, 1.0f), 0.0f);
  EXPECT_EQ(SwapConstrain(12, 10, 3), 10);
  EXPECT_EQ(SwapConstrain(1, 10, 3), 3);
  EXPECT_EQ(SwapConstrain(5, 10, 3), 5);
}

struct WrapCase {
  const char* name;
  int32_t result;
  int32_t expected;
};

TEST(Wrapping, WrapAndMirrorTables) {
  const WrapCase cases[] = {
      {"Wrap(-1, 3)", Wrap(-1, 3), 3},
      {"Wrap(4, 3)", Wrap(4, 3), 0},
      {"Wrap(-1, 0, 3)", Wrap(-1, 0, 3), 3},
      {"Wrap(-2, 0, 3)", Wrap(-2, 0, 3), 2},
      {"Wrap(9, 2, 4)", Wrap(9, 2, 4), 3},
      {"Wrap(-9, 2, 4)", Wrap(-9, 2, 4), 3},
      {"Mirror(4, 3)", Mirror(4, 3), 2},
      {"Mirror(6, 3)", Mirror(6, 3), 0},
      {"Mirror(-1, 3)", Mirror(-1, 3), 1},
      {"Mirror(3, 3)", Mirror(3, 3), 3},
      {"Mirror(-1, 0, 3)", Mirror(-1, 0, 3), 0},
      {"Mirror(-2, 0, 3)", Mirror(-2, 0, 3), 1},
      {"Mirror(4, 0, 3)", Mirror(4, 0, 3), 3},
      {"Mirror(8, 0, 3)", Mirror(8, 0, 3), 0},
      {"Mirror(-6, 0, 3)", Mirror(-6, 0, 3), 2},
  };
  for (const auto& c : cases) EXPECT_EQ(c.result, c.expected) << c.name;
}

// Empty ranges would divide by zero; they answer the lower limit instead.
TEST(Wrapping, EmptyRangesAnswerTheLowerLimit) {
  const WrapCase cases[] = {
      {"Mirror(5, 0)", Mirror(5, 0), 0},
      {"Wrap(5, -1)", Wrap(5, -1), 0},
      {"Wrap(5, 4, 3)", Wrap(5, 4, 3), 4},
      {"Wrap(-5, 4, 3)", Wrap(-5, 4, 3), 4},
      {"Mirror(5, 4, 3)", Mirror(5, 4, 3), 4},
      {"Mirror(-5, 4, 3)", Mirror(-5, 4, 3), 4},
  };
  for (const auto& c : cases) EXPECT_EQ(c.result, c.expected) << c.name;
}

TEST(Wrapping, ProcTablesFollowTheWrapModes) {
  EXPECT_EQ(WRAP_PROCS[wmClamp](-3, 5), 0);
  EXPECT_EQ(WRAP_PROCS[wmRepeat](-1, 5), 5);
  EXPECT_EQ(WRAP_PROCS[wmMirror](7, 5), 3);
  EXPECT_EQ(WRAP_PROCS_EX[wmClamp](9, 2, 5), 5);
  EXPECT_EQ(WRAP_PROCS_EX[wmRepeat](6, 2, 5), 2);
  EXPECT_EQ(WRAP_PROCS_EX[wmMirror](1, 2, 5), 2);
}

TEST(RangeClipping, TestClipOrdersAndClips) {
  int32_t a = 7, b = 2;
  EXPECT_TRUE(TestClip(a, b, 5));
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 4);
  a = 7;
  b = 9;
  EXPECT_FALSE(TestClip(a, b, 5));
  a = -3;
  b = 12;
  EXPECT_TRUE(TestClip(a, b, 10, 20));
  EXPECT_EQ(a, 10);
  EXPECT_EQ(b, 12);
  int32_t x = 5, y = 1;
  TestSwap(x, y);
  EXPECT_EQ(x, 1);
  EXPECT_EQ(y, 5);
}

// Both forms of FillLongword write exactly `count` words and nothing around them.
TEST(WordRuns, FillLongwordWritesExactlyCountWordsInBothForms) {
  for (TCPUInstructionSets masked : {TCPUInstructionSets{0}, TCPUInstructionSets{0xFF}}) {
    RebindWithMaskedInstructionSets(masked);
    for (int32_t count : {-1, 0, 1, 2, 3, 6}) {
      std::array<uint32_t, 10> words;
      words.fill(0xAAAAAAAA);
      FillLongword(&words[1], count, 0x12345678);
      for (int i = 0; i < 10; ++i) {
        const bool inside = i >= 1 && i <= count;
        EXPECT_EQ(words[i], inside ? 0x12345678u : 0xAAAAAAAAu)
            << "masked " << int(masked) << " count " << count << " word " << i;
      }
    }
  }
  RebindWithMaskedInstructionSets(0);
}

TEST(WordRuns, FillWordAndMovesCopyForwards) {
  std::array<uint16_t, 5> halves{};
  FillWord(&halves[1], 3, 0xABCD1234);
  EXPECT_EQ(halves, (std::array<uint16_t, 5>{0, 0x1234, 0x1234, 0x1234, 0}));

  std::array<uint32_t, 5> words{1, 2, 3, 4, 5};
  MoveLongword(words.data(), words.data(), 5);
  EXPECT_EQ(words, (std::array<uint32_t, 5>{1, 2, 3, 4, 5}));
  MoveLongword(&words[1], &words[0], 4);  // destination before source: correct
  EXPECT_EQ(words, (std::array<uint32_t, 5>{2, 3, 4, 5, 5}));
  std::array<uint16_t, 4> source{7, 8, 9, 10}, target{};
  MoveWord(source.data(), target.data(), 3);
  EXPECT_EQ(target, (std::array<uint16_t, 4>{7, 8, 9, 0}));
}

TEST(Shifts, ArithmeticShiftsKeepTheSign) {
  EXPECT_EQ(SAR_4(-32), -2);
  EXPECT_EQ(SAR_8(-1), -1);
  EXPECT_EQ(SAR_16(-0x18000), -2);
  EXPECT_EQ(SAR_12(0x7000), 7);
}

TEST(ColorSwapping, DropsTheTopByteAndMakesOpaque) {
  EXPECT_EQ(ColorSwap(0x02FF0000), 0xFF0000FFu);
  EXPECT_EQ(ColorSwap(0x00123456), 0xFF563412u);
}

TEST(ScratchBlocks, HoldTheirSizeUntilFreed) {
  auto* block = static_cast<uint8_t*>(StackAlloc(4097));
  ASSERT_NE(block, nullptr);
  for (int i = 0; i < 4100; ++i) block[i] = static_cast<uint8_t>(i);  // rounded up to 4100
  EXPECT_EQ(block[4099], static_cast<uint8_t>(4099));
  StackFree(block);
  StackFree(nullptr);
}

}  // namespace
