#include <gtest/gtest.h>

#include "bitmap_fixtures.h"
#include "imaging/Bitmap32_Blend.h"
#include "imaging/Bitmap32_Interpolator.h"
#include "imaging/Imaging.h"

using namespace imaging;
using bitmaptest::Index;
using bitmaptest::Indexed;

namespace {

// The library's rectangle, not the class library's.
using imaging::TRect;

TEST(Bitmap32Pixels, CheckedReadsAndWrites) {
  auto bitmap = Indexed(10, 10);
  bitmap->OuterColor = 0x12345678;
  EXPECT_EQ(bitmap->GetPixelS(-1, 0), 0x12345678u);
  EXPECT_EQ(bitmap->GetPixelS(9, 9), Index(9, 9));
  EXPECT_EQ(bitmap->GetPixelB(-3, 99), Index(0, 9));
  EXPECT_EQ(bitmap->GetPixelB(12, -1), Index(9, 0));
  const auto before = bitmaptest::Pixels(*bitmap);
  bitmap->SetPixelS(-1, 0, 0xFFFFFFFF);
  bitmap->SetPixelS(10, 3, 0xFFFFFFFF);
  bitmap->SetPixelTS(0, -1, 0xFFFFFFFF);
  EXPECT_EQ(bitmaptest::Pixels(*bitmap), before);
  bitmap->SetClipRect(TRect{2, 2, 5, 5});
  EXPECT_EQ(bitmap->GetPixelS(1, 3), 0x12345678u);
  EXPECT_EQ(bitmap->GetPixelS(4, 4), Index(4, 4));
}

TEST(Bitmap32Pixels, BlendedWriteFollowsTheCombineMode) {
  TBitmap32 bitmap;
  bitmap.SetSize(2, 1);
  bitmap.Clear(0xFF000000);
  bitmap.SetPixelT(0, 0, 0x80FFFFFF);
  EXPECT_EQ(bitmap.GetPixel(0, 0), BlendReg(0x80FFFFFF, 0xFF000000));
  bitmap.SetCombineMode(cmMerge);
  bitmap.SetPixel(1, 0, 0x00000000);
  TColor32* p = bitmap.GetPixelPtr(1, 0);
  bitmap.SetPixelT(p, 0x80FF0000);
  EXPECT_EQ(p, bitmap.GetPixelPtr(2, 0));
  EXPECT_EQ(bitmap.GetPixel(1, 0), MergeReg(0x80FF0000, 0x00000000));
}

TEST(Bitmap32Pixels, WrappedReadsFollowTheWrapMode) {
  auto bitmap = Indexed(4, 3);
  struct Case {
    TWrapMode mode;
    int x, y;
    TColor32 expected;
  };
  for (const Case& c : {Case{wmRepeat, 4, 0, Index(0, 0)}, Case{wmRepeat, -1, 3, Index(3, 0)},
                        Case{wmClamp, 9, -2, Index(3, 0)}, Case{wmMirror, 4, 0, Index(3, 0)},
                        Case{wmMirror, -1, 1, Index(0, 1)}}) {
    bitmap->SetWrapMode(c.mode);
    EXPECT_EQ(bitmap->GetPixelW(c.x, c.y), c.expected) << int(c.mode) << " " << c.x << "," << c.y;
  }
  bitmap->SetWrapMode(wmRepeat);
  bitmap->SetPixelW(5, 4, 0xFFABCDEF);
  EXPECT_EQ(bitmap->GetPixel(1, 1), 0xFFABCDEFu);
}

TEST(Bitmap32Pixels, SubPixelWriteAtAPixelCentreUsesTheGammaWeight) {
  TBitmap32 bitmap;
  bitmap.SetSize(4, 4);
  bitmap.Clear(0xFF000000);
  bitmap.SetPixelX(1 << 16, 1 << 16, 0xFFFFFFFF);
  TColor32 expected = 0xFF000000;
  CombineMem(0xFFFFFFFF, expected, (255 * 255 * 255) >> 16);
  EXPECT_EQ((255 * 255 * 255) >> 16, 253);
  EXPECT_EQ(bitmap.GetPixel(1, 1), expected);
  EXPECT_NE(bitmap.GetPixel(1, 1), 0xFFFFFFFFu);
  EXPECT_EQ(bitmap.GetPixel(2, 1), 0xFF000000u);
  EXPECT_EQ(bitmap.GetPixel(1, 2), 0xFF000000u);
  EXPECT_EQ(bitmap.GetPixel(2, 2), 0xFF000000u);
}

TEST(Bitmap32Pixels, ClippedSubPixelWriteStaysInsideTheClip) {
  TBitmap32 bitmap;
  bitmap.SetSize(4, 4);
  bitmap.Clear(0xFF000000);
  bitmap.SetClipRect(TRect{1, 1, 3, 3});
  // Halfway between pixels (0, 0) and (1, 1): only (1, 1) is inside the clip.
  bitmap.SetPixelXS(0x8000, 0x8000, 0xFFFFFFFF);
  EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFF000000u);
  EXPECT_EQ(bitmap.GetPixel(1, 0), 0xFF000000u);
  EXPECT_EQ(bitmap.GetPixel(0, 1), 0xFF000000u);
  EXPECT_NE(bitmap.GetPixel(1, 1), 0xFF000000u);
  bitmap.SetPixelFS(-3.0f, 1.0f, 0xFFFFFFFF);  // wholly outside: nothing
  EXPECT_EQ(bitmap.GetPixel(0, 1), 0xFF000000u);
}

TEST(Bitmap32Pixels, ClippedSubPixelReadsAtTheLastColumnAndRow) {
  auto bitmap = Indexed(4, 3);
  bitmap->OuterColor = 0x11111111;
  EXPECT_EQ(bitmap->GetPixelXS(3 << 16, 1 << 16), Index(3, 1));
  EXPECT_EQ(bitmap->GetPixelXS((3 << 16) + 0x8000, 1 << 16), 0x11111111u);
  EXPECT_EQ(bitmap->GetPixelXS(1 << 16, 2 << 16), Index(1, 2));
  EXPECT_EQ(bitmap->GetPixelXS(-0x10000, 0), 0x11111111u);
  EXPECT_EQ(bitmap->GetPixelFS(1.0f, 1.0f), bitmap->GetPixelX(1 << 16, 1 << 16));
}

TEST(Bitmap32Pixels, BothInterpolatorFormsAtHalfWeights) {
  const TColor32 top[2] = {0xFF000000, 0xFFFFFFFF};
  const TColor32 bottom[2] = {0xFF000000, 0xFFFFFFFF};
  // The multimedia form takes 256 as the full weight: (0 * 128 + 255 * 128) shr 8 = 127.
  EXPECT_EQ(InterpolatorMmx(128, 128, top, bottom), 0xFF7F7F7Fu);
  EXPECT_EQ(InterpolatorMmx(256, 256, top, bottom), 0xFF000000u);
  EXPECT_EQ(InterpolatorPlain(255, 255, top, bottom), CombineReg(0xFF000000, 0xFFFFFFFF, 255));
  EXPECT_EQ(InterpolatorPlain(300, 0, top, bottom), InterpolatorPlain(255, 0, top, bottom));
}

TEST(Bitmap32Pixels, InterpolatorIsBoundByTheProcessorTests) {
  RebindWithMaskedInstructionSets(0xFF);
  EXPECT_EQ(Interpolator, InterpolatorPlain);
  RebindWithMaskedInstructionSets(0);
  EXPECT_EQ(Interpolator, (HasMMX() || Has3DNow()) ? InterpolatorMmx : InterpolatorPlain);
}

TEST(Bitmap32Pixels, WrappedSubPixelReadMixesLinearly) {
  TBitmap32 bitmap;
  bitmap.SetSize(2, 1);
  bitmap.SetPixel(0, 0, 0xFF000000);
  bitmap.SetPixel(1, 0, 0xFFFEFEFE);
  bitmap.SetWrapMode(wmRepeat);
  EXPECT_EQ(bitmap.GetPixelXW(0, 0), 0xFF000000u);
  EXPECT_EQ(bitmap.GetPixelXW(0x8000, 0), CombineReg(0xFFFEFEFE, 0xFF000000, 128));
  // Past the last column the neighbour wraps to column 0.
  EXPECT_EQ(bitmap.GetPixelXW(0x18000, 0), CombineReg(0xFF000000, 0xFFFEFEFE, 128));
}

TEST(Bitmap32Pixels, ResamplerReadRoundsHalvesToEven) {
  auto bitmap = Indexed(4, 4);
  bitmap->Resampler()->PrepareSampling();
  EXPECT_EQ(bitmap->GetPixelR(1.5f, 2.5f), Index(2, 2));
  EXPECT_EQ(bitmap->GetPixelR(0.5f, 0.49f), Index(0, 0));
  bitmap->Resampler()->FinalizeSampling();
}

TEST(Bitmap32Pixels, StippleSequenceOfTwoEntriesAtHalfSteps) {
  TBitmap32 bitmap;
  const TColor32 a = 0xFF000000, b = 0xFFFFFFFF;
  bitmap.SetStipple({a, b});
  bitmap.SetStippleStep(0.5f);
  const TColor32 expected[] = {a, CombineReg(a, b, 127), b, CombineReg(b, a, 127), a};
  for (TColor32 e : expected) EXPECT_EQ(bitmap.GetStippleColor(), e);
  bitmap.SetStipple(TArrayOfColor32{});
  EXPECT_EQ(bitmap.GetStippleColor(), 0xFF000000u);
  EXPECT_EQ(bitmap.StippleCounter(), 0.0f);
}

TEST(Bitmap32Pixels, StippleCounterAdvancesModuloThePattern) {
  TBitmap32 bitmap;
  bitmap.SetStipple({1, 2, 3});
  bitmap.AdvanceStippleCounter(7);
  EXPECT_FLOAT_EQ(bitmap.StippleCounter(), 1.0f);
  bitmap.SetStippleStep(2.0f);
  bitmap.AdvanceStippleCounter(1);
  EXPECT_FLOAT_EQ(bitmap.StippleCounter(), 0.0f);
  EXPECT_EQ(bitmap.GetStippleColor(), 1u);
  EXPECT_EQ(bitmap.GetStippleColor(), 3u);
}

}  // namespace
