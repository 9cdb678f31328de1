// Drawing on a 32-bit device-independent bitmap: plain, with one colour left out, and
// blended per pixel; at the physical size of pHYs.
#include <gtest/gtest.h>

#include "classlib/graphics/Bitmap.h"
#include "png_test_support.h"

using namespace pngtest;

namespace {

// A 32-bit target filled with one colour; Rgb reads a pixel as 0x00BBGGRR.
class Target {
 public:
  Target(int width, int height, TColor fill) {
    bitmap_.SetPixelFormat(pf32bit);
    bitmap_.SetSize(width, height);
    bitmap_.Canvas()->Brush()->SetColor(fill);
    bitmap_.Canvas()->FillRect(Rect(0, 0, width, height));
  }
  TCanvas* Canvas() { return bitmap_.Canvas(); }
  TColor Rgb(int x, int y) {
    const auto* pixel = static_cast<const uint8_t*>(bitmap_.ScanLine(y)) + 4 * x;
    return pixel[2] | pixel[1] << 8 | pixel[0] << 16;
  }

 private:
  TBitmap bitmap_;
};

int Blend(int alpha, int picture, int target) { return (alpha * picture + (255 - alpha) * target + 255) >> 8; }

TColor BlendRgb(int alpha, TColor picture, TColor target) {
  TColor out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    out |= Blend(alpha, (picture >> shift) & 0xFF, (target >> shift) & 0xFF) << shift;
  }
  return out;
}

TEST(PngDraw, EmptyPictureDrawsNothing) {
  Target target(4, 4, clWhite);
  TPNGObject png;
  png.Draw(target.Canvas(), Rect(0, 0, 4, 4));
  EXPECT_EQ(target.Rgb(1, 1), clWhite);
}

TEST(PngDraw, OpaquePictureIsCopied) {
  const auto png = LoadFixture("c2_d8_33x7_plain");
  Target target(33, 7, clWhite);
  png->Draw(target.Canvas(), Rect(0, 0, 33, 7));
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 33; ++x) ASSERT_EQ(target.Rgb(x, y), png->GetPixels(x, y)) << x << "," << y;
  }
}

TEST(PngDraw, CanvasDrawPlacesThePictureAtItsOwnSize) {
  const auto png = LoadFixture("c6_d8_3x3_plain");
  Target target(5, 5, clWhite);
  target.Canvas()->Draw(2, 1, png.get());
  EXPECT_EQ(target.Rgb(1, 1), clWhite);
  EXPECT_EQ(target.Rgb(2, 0), clWhite);
  const uint8_t alpha = png->GetAlphaScanline(0)[0];
  EXPECT_EQ(target.Rgb(2, 1), BlendRgb(alpha, png->GetPixels(0, 0), clWhite));
}

TEST(PngDraw, AlphaKeepsReplacesOrBlends) {
  TPNGObject png(6, 8, 3, 1);
  const uint8_t alpha[3] = {0, 255, 128};
  for (int x = 0; x < 3; ++x) png.GetAlphaScanline(0)[x] = alpha[x];
  png.SetPixels(1, 0, 0x203040);
  Target target(3, 1, clWhite);
  png.Draw(target.Canvas(), Rect(0, 0, 3, 1));
  EXPECT_EQ(target.Rgb(0, 0), clWhite);
  EXPECT_EQ(target.Rgb(1, 0), 0x203040);
  EXPECT_EQ(target.Rgb(2, 0), 0x7F7F7F);
}

TEST(PngDraw, StretchedBlendTakesTruncatedSourceColumns) {
  TPNGObject png(6, 8, 10, 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 10; ++x) {
      png.SetPixels(x, y, static_cast<TColor>(x * 25 + y * 0x010000));
      png.GetAlphaScanline(y)[x] = 255;
    }
  }
  Target target(20, 4, clBlack);
  png.Draw(target.Canvas(), Rect(0, 0, 20, 4));
  for (int j = 0; j < 4; ++j) {
    for (int i = 0; i < 20; ++i) ASSERT_EQ(target.Rgb(i, j), png.GetPixels(i / 2, j / 2)) << i << "," << j;
  }
  png.Draw(target.Canvas(), Rect(5, 0, 5, 4));  // no width: nothing
  EXPECT_EQ(target.Rgb(5, 0), png.GetPixels(2, 0));
}

TEST(PngDraw, PartialPaletteBlendsEachEntryOwnSizeAndStretched) {
  const auto png = LoadFixture("trns_pal_partial");  // entry 0 alpha 0, entry 1 alpha 128
  const Expected e = ReadExpected("trns_pal_partial");
  const TColor background = 0x4080C0;
  const TColor entry1 = e.palette[3] | e.palette[4] << 8 | e.palette[5] << 16;
  for (const int scale : {1, 3}) {
    Target target(8 * scale, 2 * scale, background);
    png->Draw(target.Canvas(), Rect(0, 0, 8 * scale, 2 * scale));
    for (int j = 0; j < 2 * scale; ++j) {
      for (int i = 0; i < 8 * scale; ++i) {
        const int index = e.rows[j / scale][i / scale];
        const TColor expected = index == 0 ? background : BlendRgb(128, entry1, background);
        ASSERT_EQ(target.Rgb(i, j), expected) << "scale " << scale << " at " << i << "," << j;
      }
    }
  }
}

TEST(PngDraw, GreyTransparentColourIsLeftOut) {
  const auto png = LoadFixture("trns_grey8");  // grey 10 is transparent
  Target target(6, 3, clRed);
  png->Draw(target.Canvas(), Rect(0, 0, 6, 3));
  const int levels[6] = {10, 200, 10, 90, 10, 250};
  for (int x = 0; x < 6; ++x) {
    EXPECT_EQ(target.Rgb(x, 1), levels[x] == 10 ? clRed : levels[x] * 0x010101) << x;
  }
}

TEST(PngDraw, BlendBufferTooLargeForTheSystemRaises) {
  TPNGObject png(6, 8, 2, 2);
  Target target(2, 2, clWhite);
  EXPECT_THROW(png.DrawPartialTrans(target.Canvas()->Handle(), Rect(0, 0, 60000, 60000)), EPNGOutMemory);
}

TEST(PngDraw, PhysicalSizeAtNinetySixDpi) {
  const auto png = LoadFixture("phys_100");  // 100 x 10 at 3780 pixels per metre
  const TColor marker = 0xFF00FF;
  Target target(120, 10, marker);
  png->DrawUsingPixelInformation(target.Canvas(), Point(0, 0));
  int drawn = 0;
  for (int x = 0; x < 120; ++x) {
    bool changed = false;
    for (int y = 0; y < 10; ++y) changed = changed || target.Rgb(x, y) != marker;
    if (changed) drawn = x + 1;
  }
  EXPECT_EQ(drawn, 99);
}

}  // namespace
