#include <gtest/gtest.h>

#include <string>

#include "classlib/graphics/Bitmap.h"
#include "skin/data/Sputils.h"

namespace {

TEST(SkinGeometry, RectangleAndPointTests) {
  EXPECT_TRUE(IsNullPoint(Point(5, 0)));
  EXPECT_TRUE(IsNullPoint(Point(0, 5)));
  EXPECT_FALSE(IsNullPoint(Point(5, 7)));
  EXPECT_TRUE(IsNullRect(Rect(10, 10, 10, 20)));
  EXPECT_TRUE(IsNullRect(Rect(10, 10, 5, 20)));
  EXPECT_FALSE(IsNullRect(Rect(0, 0, 1, 1)));
  EXPECT_TRUE(PointInRect(Rect(0, 0, 10, 10), Point(10, 10)));
  EXPECT_FALSE(PointInRect(Rect(0, 0, 10, 10), Point(11, 10)));
  EXPECT_FALSE(RectInRect(Rect(0, 0, 10, 10), Rect(0, 0, 10, 10)));
  EXPECT_TRUE(RectInRect(Rect(0, 0, 9, 9), Rect(0, 0, 10, 10)));
  EXPECT_EQ(3, RectWidth(Rect(2, 5, 5, 9)));
  EXPECT_EQ(4, RectHeight(Rect(2, 5, 5, 9)));
  EXPECT_TRUE(EqRects(NullRect(), Rect(0, 0, 0, 0)));
  EXPECT_FALSE(EqPoints(Point(1, 2), Point(2, 1)));
  EXPECT_EQ(7, Max(-3, 7));
  EXPECT_EQ(-3, Min(-3, 7));
}

TEST(SkinGeometry, RectToCenterMovesTheFirstIntoTheMiddleOfTheSecond) {
  TRect r = Rect(0, 0, 10, 10);
  TRect answered = RectToCenter(r, Rect(0, 0, 25, 25));
  EXPECT_EQ(Rect(7, 7, 17, 17), r);
  EXPECT_EQ(r, answered);
  TRect wide = Rect(3, 3, 33, 7);  // wider than the target: the left edge goes before it
  RectToCenter(wide, Rect(10, 20, 20, 30));
  EXPECT_EQ(Rect(0, 23, 30, 27), wide);
}

class SkinText : public testing::Test {
 protected:
  void SetUp() override {
    bitmap_.SetSize(200, 40);
    canvas_ = bitmap_.Canvas();
    canvas_->Font()->SetName("Arial");
    canvas_->Font()->SetHeight(-14);
  }

  TBitmap bitmap_;
  TCanvas* canvas_ = nullptr;
};

TEST_F(SkinText, CorrectTextByWidthKeepsShortensOrGivesTheEllipsisAlone) {
  struct {
    const char* text;
    int width;
    const char* expected;
  } cases[] = {
      {"Hello world", canvas_->TextWidth("Hello world"), "Hello world"},
      {"Hello world", canvas_->TextWidth("Hello..."), "Hello..."},
      {"Hello world", 1, "..."},
      {"", 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    AnsiString s = c.text;
    CorrectTextbyWidth(canvas_, s, c.width);
    EXPECT_EQ(AnsiString(c.expected), s);
    std::wstring w(c.text, c.text + std::string(c.text).size());
    CorrectTextbyWidthW(canvas_, w, c.width);
    std::string expected = c.expected;
    EXPECT_EQ(std::wstring(expected.begin(), expected.end()), w);
  }
}

TEST_F(SkinText, WideMeasuresMatchTheNarrowCanvas) {
  EXPECT_EQ(canvas_->TextWidth("Measure me"), CalcTextWidthW(canvas_, L"Measure me"));
  EXPECT_EQ(canvas_->TextHeight("Measure me"), CalcTextHeightW(canvas_, L"Measure me"));
}

TEST_F(SkinText, DrawnTextLandsInsideTheRectangleAndEmptyTextDrawsNothing) {
  auto inkIn = [&](const TRect& r) {
    int ink = 0;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 200; ++x) {
        bool inside = x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
        if (canvas_->Pixels(x, y) == clBlack) ink += inside ? 1 : -1000;
      }
    }
    return ink;
  };
  auto clear = [&] {
    canvas_->Brush()->SetColor(clWhite);
    canvas_->FillRect(Rect(0, 0, 200, 40));
    canvas_->Font()->SetColor(clBlack);
  };
  const TRect box = Rect(20, 5, 120, 35);
  clear();
  SPDrawText(canvas_, "Text", box);
  EXPECT_GT(inkIn(box), 0);
  clear();
  SPDrawText2(canvas_, "Text", box);
  EXPECT_GT(inkIn(Rect(22, 5, 120, 35)), 0);
  clear();
  SPDrawText3(canvas_, "Text", box, 30);
  EXPECT_GT(inkIn(Rect(52, 5, 120, 35)), 0);
  clear();
  TRect wide = box;
  SPDrawSkinText(canvas_, L"Text", wide, DT_SINGLELINE | DT_VCENTER);
  EXPECT_GT(inkIn(box), 0);
  clear();
  SPDrawText(canvas_, "", box);
  SPDrawText2(canvas_, "", box);
  EXPECT_EQ(0, inkIn(box));
}

TEST_F(SkinText, Frm3DPutsTheCornersInTheBottomColour) {
  canvas_->Brush()->SetColor(clWhite);
  canvas_->FillRect(Rect(0, 0, 200, 40));
  Frm3D(canvas_, Rect(0, 0, 10, 10), clRed, clBlue);
  struct {
    int x, y;
    TColor colour;
  } pixels[] = {{0, 0, clRed},  {5, 0, clRed},  {0, 5, clRed},  {9, 0, clBlue},  {9, 9, clBlue},
                {0, 9, clBlue}, {9, 5, clBlue}, {5, 9, clBlue}, {5, 5, clWhite}, {10, 10, clWhite}};
  for (const auto& p : pixels) {
    SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
    EXPECT_EQ(p.colour, canvas_->Pixels(p.x, p.y));
  }
}

TEST(SkinPixelCopy, RowsAreThreeBytesAPixelPaddedByWidthModFour) {
  const int strides[] = {4, 8, 12, 12, 16};
  for (int width = 1; width <= 5; ++width) {
    SCOPED_TRACE(width);
    TBitmap source;
    source.SetPixelFormat(pf24bit);
    source.SetSize(width, 2);
    source.Canvas()->SetPixels(width - 1, 1, static_cast<TColor>(RGB(10, 20, 30)));
    source.Canvas()->SetPixels(0, 0, static_cast<TColor>(RGB(200, 100, 50)));
    TFBitmap copy(source.Handle());
    EXPECT_EQ(width, copy.Width());
    EXPECT_EQ(2, copy.Height());
    EXPECT_EQ(strides[width - 1], copy.RowInc());
    EXPECT_EQ(width % 4, copy.Gap());
    EXPECT_EQ(2 * strides[width - 1], copy.Size());
    EXPECT_EQ(copy.Bits() + copy.RowInc(), copy.ScanLine(1));
    const uint8_t* last = copy.ScanLine(1) + 3 * (width - 1);
    EXPECT_EQ(30, last[0]);
    EXPECT_EQ(20, last[1]);
    EXPECT_EQ(10, last[2]);
    const uint8_t* first = copy.ScanLine(0);
    EXPECT_EQ(50, first[0]);
    EXPECT_EQ(200, first[2]);
    EXPECT_EQ(static_cast<COLORREF>(RGB(10, 20, 30)), GetPixel(copy.DC(), width - 1, 1));
  }
}

}  // namespace
