// The effect bitmap's image effects.
#include <gtest/gtest.h>

#include <functional>

#include "skin/data/Speffbmp.h"
#include "tests/skin/EffectBmpFixtures.h"

using effecttest::FillRandom;
using effecttest::Pixels;
using effecttest::SetPixels;
using effecttest::TPixelGrid;

namespace {

void Fill(TspEffectBmp& bmp, int value) {
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) bmp.SetPixel(x, y, value);
}

TEST(Effects, ColourEffectsTurnKnownPixelsIntoKnownPixels) {
  struct Case {
    const char* name;
    std::function<void(TspEffectBmp&)> effect;
    int before;
    int after;
  };
  const Case cases[] = {
      {"brightness 0.5 of black", [](TspEffectBmp& b) { b.ChangeBrightness(0.5); }, 0x000000, 0x808080},
      {"brightness 0.5 of white", [](TspEffectBmp& b) { b.ChangeBrightness(0.5); }, 0xFFFFFF, 0xFFFFFF},
      {"brightness 2 is 1", [](TspEffectBmp& b) { b.ChangeBrightness(2); }, 0x102030, 0xFFFFFF},
      {"brightness -1 is 0", [](TspEffectBmp& b) { b.ChangeBrightness(-1); }, 0x102030, 0x102030},
      {"darkness 0.3 of 100", [](TspEffectBmp& b) { b.ChangeDarkness(0.3); }, 0x646464, 0x464646},
      {"darkness 0.5 halves to even", [](TspEffectBmp& b) { b.ChangeDarkness(0.5); }, 0x050301, 0x020200},
      {"darkness 7 is 1", [](TspEffectBmp& b) { b.ChangeDarkness(7); }, 0x405060, 0x000000},
      {"grey of pure red", [](TspEffectBmp& b) { b.GrayScale(); }, 0xFF0000, 0x4C4C4C},
      {"grey of pure green", [](TspEffectBmp& b) { b.GrayScale(); }, 0x00FF00, 0x969696},
      {"invert", [](TspEffectBmp& b) { b.Invert(); }, 0x00FF10, 0xFF00EF},
  };
  for (const Case& c : cases) {
    TspEffectBmp bmp(3, 2);
    Fill(bmp, c.before);
    c.effect(bmp);
    TspEffectBmp expected(3, 2);
    Fill(expected, c.after);
    EXPECT_EQ(Pixels(bmp), Pixels(expected)) << c.name;
  }
}

TEST(Effects, InvertTwiceRestoresThePicture) {
  TspEffectBmp bmp(5, 4);
  FillRandom(bmp, 1);
  const TPixelGrid before = Pixels(bmp);
  bmp.Invert();
  EXPECT_NE(Pixels(bmp), before);
  bmp.Invert();
  EXPECT_EQ(Pixels(bmp), before);
}

TEST(Effects, MonoNoiseMovesAllThreeChannelsOfAPixelByOneAmount) {
  TspEffectBmp bmp(16, 16);
  Fill(bmp, 0x808080);
  TspEffectBmp::SeedNoise(42);
  bmp.AddMonoNoise(50);
  bool moved = false;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const auto p = Pixels(bmp).at(x, y);
      EXPECT_EQ(p[0], p[1]);
      EXPECT_EQ(p[1], p[2]);
      EXPECT_GE(p[0] - 128, -25);
      EXPECT_LE(p[0] - 128, 24);
      moved = moved || p[0] != 128;
    }
  }
  EXPECT_TRUE(moved);
  TspEffectBmp again(16, 16);
  Fill(again, 0x808080);
  TspEffectBmp::SeedNoise(42);
  again.AddMonoNoise(50);
  EXPECT_EQ(Pixels(again), Pixels(bmp));
}

TEST(Effects, ColourNoiseMovesEachChannelOnItsOwnWithinItsRangeAndLimits) {
  TspEffectBmp grey(16, 16), bright(16, 16);
  Fill(grey, 0x808080);
  Fill(bright, 0xFF0000);
  TspEffectBmp::SeedNoise(7);
  grey.AddColorNoise(20);
  bright.AddColorNoise(20);
  bool channelsDiffer = false;
  for (const auto& p : Pixels(grey).pixels) {
    for (int c = 0; c < 3; ++c) {
      EXPECT_GE(p[c] - 128, -10);
      EXPECT_LE(p[c] - 128, 9);
    }
    channelsDiffer = channelsDiffer || p[0] != p[1] || p[1] != p[2];
  }
  EXPECT_TRUE(channelsDiffer);
  for (const auto& p : Pixels(bright).pixels) {
    EXPECT_LE(p[0], 9);         // 0 plus noise, limited at 0
    EXPECT_GE(p[2], 255 - 10);  // 255 plus noise, limited at 255
  }
}

TEST(Effects, MosaicFillsBlocksWithTheirTopLeftPixel) {
  TspEffectBmp bmp(3, 3);
  FillRandom(bmp, 2);
  const TPixelGrid o = Pixels(bmp);
  bmp.Mosaic(2);
  const int from[3][3][2] = {{{0, 0}, {0, 0}, {2, 0}}, {{0, 0}, {0, 0}, {2, 0}}, {{0, 2}, {0, 2}, {2, 2}}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Pixels(bmp).at(x, y), o.at(from[y][x][0], from[y][x][1])) << x << "," << y;
  bmp.Mosaic(1);
  TspEffectBmp same(3, 3);
  FillRandom(same, 2);
  same.Mosaic(1);
  EXPECT_EQ(Pixels(same), o);
}

TEST(Effects, QuarterTurnsAndTheMirrorMovePixelsWhereTheyBelong) {
  TspEffectBmp bmp(4, 3);
  FillRandom(bmp, 3);
  TspEffectBmp clockwise(3, 4), back(4, 3), counter(3, 4), flipped(4, 3);
  bmp.Rotate90_2(&clockwise);
  clockwise.Rotate90_1(&back);
  EXPECT_EQ(Pixels(back), Pixels(bmp));
  bmp.Rotate90_1(&counter);
  bmp.FlipVert(&flipped);
  // The top-right pixel goes to the bottom-right clockwise, to the top-left counter-clockwise.
  EXPECT_EQ(clockwise.GetPixel(2, 3), bmp.GetPixel(3, 0));
  EXPECT_EQ(counter.GetPixel(0, 0), bmp.GetPixel(3, 0));
  EXPECT_EQ(flipped.GetPixel(3, 2), bmp.GetPixel(3, 0));
  EXPECT_EQ(flipped.GetPixel(1, 0), bmp.GetPixel(1, 2));
}

// A column of rows 0..8 black and row 9 at 200 (and the same as a row): blurring in
// place from the top, rows 7 and 8 see row 9 as their lower neighbour, and row 9 sees
// itself below it (never row 1 from the top of the picture).
TEST(Effects, SplitBlurTakesTheLastRowOrColumnAsTheNeighbourPastTheEdge) {
  TspEffectBmp rows(1, 10), columns(10, 1);
  Fill(rows, 0);
  Fill(columns, 0);
  rows.SetPixel(0, 9, 0xC8C8C8);
  columns.SetPixel(9, 0, 0xC8C8C8);
  rows.SplitBlur(2);
  columns.SplitBlur(2);
  const int expected[10] = {0, 0, 0, 0, 0, 0, 0, 100, 100, 150};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(rows.GetPixel(0, i), expected[i] * 0x010101) << "row " << i;
    EXPECT_EQ(columns.GetPixel(i, 0), expected[i] * 0x010101) << "column " << i;
  }
}

TEST(Effects, SplitBlurOfZeroAndAnAmountBeyondTheSizeStayInsideThePicture) {
  TspEffectBmp bmp(4, 3);
  FillRandom(bmp, 4);
  const TPixelGrid before = Pixels(bmp);
  bmp.SplitBlur(0);
  EXPECT_EQ(Pixels(bmp), before);
  for (int amount : {7, -7}) {
    TspEffectBmp uniform(4, 3);
    Fill(uniform, 0x336699);
    uniform.SplitBlur(amount);
    TspEffectBmp expected(4, 3);
    Fill(expected, 0x336699);
    EXPECT_EQ(Pixels(uniform), Pixels(expected)) << amount;
  }
}

TEST(Effects, MaskBlurChangesOnlyPixelsUnderTheMask) {
  TspEffectBmp bmp(5, 5), mask(5, 6);
  FillRandom(bmp, 5);
  Fill(mask, 0xFFFFFF);
  mask.SetPixel(2, 2, 0);
  const TPixelGrid o = Pixels(bmp);
  bmp.MaskBlur(&mask, 1);
  TPixelGrid expected = o;
  for (int c = 0; c < 3; ++c)
    expected.at(2, 2)[c] = static_cast<uint8_t>((o.at(1, 1)[c] + o.at(1, 3)[c] + o.at(3, 1)[c] + o.at(3, 3)[c]) / 4);
  EXPECT_EQ(Pixels(bmp), expected);
}

TEST(Effects, MaskAntialiasingSoftensOnlyTheMasksEdge) {
  TspEffectBmp bmp(6, 1), mask(6, 1);
  FillRandom(bmp, 6);
  for (int x = 0; x < 6; ++x) mask.SetPixel(x, 0, x < 3 ? 0xFFFFFF : 0x000000);
  const TPixelGrid o = Pixels(bmp);
  bmp.MaskAntialiasing(&mask, 1);
  TPixelGrid expected = o;
  for (int c = 0; c < 3; ++c) expected.at(3, 0)[c] = static_cast<uint8_t>((2 * o.at(2, 0)[c] + 2 * o.at(4, 0)[c]) / 4);
  EXPECT_EQ(Pixels(bmp), expected);
}

TEST(Effects, MaskFillColorBlendsTheResolvedColourInsideTheMaskOnly) {
  TspEffectBmp bmp(4, 2), mask(4, 2);
  FillRandom(bmp, 7);
  const TPixelGrid o = Pixels(bmp);
  Fill(mask, 0xFFFFFF);
  bmp.MaskFillColor(&mask, clRed, 1);
  EXPECT_EQ(Pixels(bmp), o);
  mask.SetPixel(1, 1, 0x000000);
  bmp.MaskFillColor(&mask, clBtnFace, 1);
  const uint32_t face = static_cast<uint32_t>(ColorToRGB(clBtnFace));
  EXPECT_EQ(bmp.GetPixel(1, 1), static_cast<int>(GetRValue(face) * 65536 + GetGValue(face) * 256 + GetBValue(face)));
  bmp.SetPixel(1, 1, o.at(1, 1)[0] | o.at(1, 1)[1] << 8 | o.at(1, 1)[2] << 16);
  EXPECT_EQ(Pixels(bmp), o);
}

TEST(Effects, MaskEffectsIgnoreAMaskOfAnotherWidthOrTooLow) {
  TspEffectBmp bmp(4, 3);
  FillRandom(bmp, 8);
  const TPixelGrid o = Pixels(bmp);
  TspEffectBmp wide(5, 3), low(4, 2);
  Fill(wide, 0);
  Fill(low, 0);
  for (TspEffectBmp* mask : {&wide, &low}) {
    bmp.MaskBlur(mask, 1);
    bmp.MaskAntialiasing(mask, 1);
    bmp.MaskFillColor(mask, clBlack, 1);
    EXPECT_EQ(Pixels(bmp), o);
  }
}

TEST(Effects, WaveShiftsEachColumnByTheRoundedSineOfItsIndex) {
  TspEffectBmp bmp(6, 4);
  FillRandom(bmp, 9);
  const TPixelGrid o = Pixels(bmp);
  bmp.Wave(0, 5, 3);
  EXPECT_EQ(Pixels(bmp), o);
  // A = 1, Amp = 1: rows move by round(sin x) = 0, 1, 1, 0, -1, -1; B huge keeps columns.
  bmp.Wave(1, 1000000, 1);
  const int shift[6] = {0, 1, 1, 0, -1, -1};
  for (int x = 0; x < 6; ++x)
    for (int y = 0; y < 4; ++y) EXPECT_EQ(Pixels(bmp).at(x, y), o.at(x, std::clamp(y + shift[x], 0, 3))) << x << "," << y;
}

}  // namespace
