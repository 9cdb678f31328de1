#include <gtest/gtest.h>

#include "bitmap_fixtures.h"
#include "imaging/Bitmap32_Blend.h"

using namespace imaging;
using bitmaptest::Filled;
using bitmaptest::TEventLog;

namespace {

// The library's rectangle, not the class library's.
using imaging::TRect;

using Lines = std::vector<std::string>;
constexpr TColor32 kBack = 0xFF000000;
constexpr TColor32 kInk = 0xFFFFFFFF;

// The pixels that differ from the background, as "x,y" texts in row order.
std::vector<std::string> Inked(const TBitmap32& bitmap) {
  std::vector<std::string> result;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.GetPixel(x, y) != kBack) result.push_back(std::to_string(x) + "," + std::to_string(y));
  return result;
}

// Reported run areas cover the run's last pixel too, so that a repaint of the area
// shows the whole run.
TEST(Bitmap32Runs, ClippedRunsLimitToTheClipAndReportTheirRange) {
  auto bitmap = Filled(6, 4, kBack);
  TEventLog log;
  bitmap->OnAreaChanged = log.AreaEvent();
  bitmap->HorzLineS(4, 1, -3, kInk);  // reversed and past the left edge
  bitmap->VertLineS(5, 2, 9, kInk);
  bitmap->HorzLineS(0, 7, 5, kInk);   // row outside: nothing, no report
  EXPECT_EQ(Inked(*bitmap), (Lines{"0,1", "1,1", "2,1", "3,1", "4,1", "5,2", "5,3"}));
  EXPECT_EQ(log.lines, (Lines{"area 0,1,5,2 rect", "area 5,2,6,4 rect"}));
}

TEST(Bitmap32Runs, BlendedRunsUseTheCombineMode) {
  auto bitmap = Filled(3, 3, kBack);
  bitmap->HorzLineTS(0, 0, 2, 0x80FFFFFF);
  bitmap->VertLineT(1, 1, 2, 0x80FFFFFF);
  const TColor32 once = BlendReg(0x80FFFFFF, kBack);
  EXPECT_EQ(bitmap->GetPixel(2, 0), once);
  EXPECT_EQ(bitmap->GetPixel(1, 2), once);
  EXPECT_EQ(bitmap->GetPixel(0, 1), kBack);
}

TEST(Bitmap32Runs, StippledRunAdvancesThePatternOverClippedParts) {
  auto bitmap = Filled(4, 1, kBack);
  bitmap->SetStipple({0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004, 0xFF000005, 0xFF000006});
  TEventLog log;
  bitmap->OnAreaChanged = log.AreaEvent();
  bitmap->HorzLineTSP(-2, 0, 5);  // entries 0 and 1 fall left of the clip, 6 and 7 right of it
  EXPECT_EQ(bitmaptest::Pixels(*bitmap), (std::vector<TColor32>{0xFF000003, 0xFF000004, 0xFF000005, 0xFF000006}));
  EXPECT_EQ(log.lines, (Lines{"area 0,0,4,1 rect"}));
  EXPECT_FLOAT_EQ(bitmap->StippleCounter(), 2.0f);  // 8 entries walked in a pattern of 6
  bitmap->HorzLineTSP(0, 3, 2);                     // outside: only the counter moves
  EXPECT_FLOAT_EQ(bitmap->StippleCounter(), 5.0f);
}

TEST(Bitmap32Rects, FillAndFrameTable) {
  struct Case {
    const char* name;
    void (*draw)(TBitmap32&);
    Lines inked;
    Lines reports;
  };
  const Case cases[] = {
      {"empty fill reports", [](TBitmap32& b) { b.FillRect(2, 2, 2, 5, kInk); }, {}, {"area 2,2,2,5 rect"}},
      {"clipped fill", [](TBitmap32& b) { b.FillRectS(-1, 1, 2, 9, kInk); },
       {"0,1", "1,1", "0,2", "1,2", "0,3", "1,3"}, {"area 0,1,2,4 rect", "area 0,1,2,4 rect"}},
      {"fill missing the clip", [](TBitmap32& b) { b.FillRectS(7, 0, 9, 2, kInk); }, {}, {"area 7,0,9,2 rect"}},
      {"one-pixel frame", [](TBitmap32& b) { b.FrameRectS(0, 0, 1, 1, kInk); }, {"0,0"}, {"area 0,0,1,1 rect"}},
      {"three by two frame", [](TBitmap32& b) { b.FrameRectS(0, 0, 3, 2, kInk); },
       {"0,0", "1,0", "2,0", "0,1", "1,1", "2,1"}, {"area 0,0,3,1 rect", "area 0,1,3,2 rect"}},
      {"transparent fill does nothing", [](TBitmap32& b) { b.FillRectT(0, 0, 2, 2, 0x00FFFFFF); }, {}, {}},
  };
  for (const Case& c : cases) {
    auto bitmap = Filled(5, 4, kBack);
    TEventLog log;
    bitmap->OnAreaChanged = log.AreaEvent();
    c.draw(*bitmap);
    EXPECT_EQ(Inked(*bitmap), c.inked) << c.name;
    EXPECT_EQ(log.lines, c.reports) << c.name;
  }
}

TEST(Bitmap32Rects, BlendedFillUnderBothCombineModes) {
  auto bitmap = Filled(2, 1, 0xFF204060);
  bitmap->FillRectT(0, 0, 1, 1, 0x80FF0000);
  TColor32 expected = 0xFF204060;
  CombineMem(0x80FF0000, expected, 0x80);
  EXPECT_EQ(bitmap->GetPixel(0, 0), expected);
  bitmap->SetCombineMode(cmMerge);
  bitmap->FillRectTS(TRect{1, 0, 5, 5}, 0x80FF0000);
  EXPECT_EQ(bitmap->GetPixel(1, 0), MergeReg(0x80FF0000, 0xFF204060));
  bitmap->FillRectT(0, 0, 2, 1, 0xFF0000FF);  // opaque: a plain fill
  EXPECT_EQ(bitmap->GetPixel(1, 0), 0xFF0000FFu);
}

TEST(Bitmap32Rects, RaisedFrameColours) {
  auto bitmap = Filled(3, 3, 0xFF808080);
  bitmap->RaiseRectTS(0, 0, 3, 3, 50);
  // Light edge: white at alpha 255 (256 clamped); dark edge: black at alpha 127.
  EXPECT_EQ(bitmap->GetPixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(bitmap->GetPixel(0, 1), 0xFFFFFFFFu);
  EXPECT_EQ(bitmap->GetPixel(2, 2), BlendReg(0x7F000000, 0xFF808080));
  EXPECT_NE(bitmap->GetPixel(2, 2), 0xFF808080u);
  EXPECT_EQ(bitmap->GetPixel(1, 1), 0xFF808080u);
  auto sunken = Filled(3, 3, 0xFF808080);
  sunken->RaiseRectTS(TRect{0, 0, 3, 3}, -50);
  EXPECT_EQ(sunken->GetPixel(1, 0), BlendReg(0x7F000000, 0xFF808080));
  EXPECT_EQ(sunken->GetPixel(2, 1), 0xFFFFFFFFu);
  EXPECT_EQ(sunken->GetPixel(1, 1), 0xFF808080u);
}

TEST(Bitmap32Rects, StippledFrameWalksClockwise) {
  auto bitmap = Filled(3, 3, kBack);
  TArrayOfColor32 pattern;
  for (TColor32 i = 1; i <= 8; ++i) pattern.push_back(0xFF000000 | i);
  bitmap->SetStipple(pattern);
  bitmap->FrameRectTSP(0, 0, 3, 3);
  const std::vector<TColor32> expected{0xFF000001, 0xFF000002, 0xFF000003, 0xFF000008, kBack,
                                       0xFF000004, 0xFF000007, 0xFF000006, 0xFF000005};
  EXPECT_EQ(bitmaptest::Pixels(*bitmap), expected);
}

TEST(Bitmap32Runs, MeasuredRunsReportOrderedInclusiveAreas) {
  auto bitmap = Filled(4, 4, kBack);
  TEventLog log;
  bitmap->BeginMeasuring(log.AreaEvent());
  bitmap->HorzLineS(3, 1, 0, kInk);
  bitmap->VertLineTSP(2, 9, 7);
  bitmap->EndMeasuring();
  EXPECT_EQ(log.lines, (Lines{"area 0,1,4,2 rect", "area 2,7,3,10 rect"}));
  EXPECT_TRUE(Inked(*bitmap).empty());
}

TEST(Bitmap32Runs, HugeStippleCounterStillYieldsAColour) {
  TBitmap32 bitmap;
  bitmap.SetStipple({1, 2});
  bitmap.SetStippleCounter(3.0e30f);
  const TColor32 colour = bitmap.GetStippleColor();
  EXPECT_TRUE(colour == 1u || colour == 2u);
}

TEST(Bitmap32Rects, ClearFillsTheClipWhenClipping) {
  auto bitmap = Filled(4, 4, kBack);
  bitmap->SetClipRect(TRect{1, 1, 3, 3});
  bitmap->Clear(kInk);
  EXPECT_EQ(Inked(*bitmap), (Lines{"1,1", "2,1", "1,2", "2,2"}));
}

}  // namespace
