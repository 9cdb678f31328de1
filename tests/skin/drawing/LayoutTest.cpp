#include <gtest/gtest.h>

#include <string>

#include "skin/data/Skinctrls_Layout.h"
#include "tests/skin/drawing/PlacePictures.h"

namespace {

struct TPlaces {
  int TX, TY, GX, GY;
  friend bool operator==(const TPlaces&, const TPlaces&) = default;
};

TPlaces Layout(TspButtonLayout layout, int margin, int spacing) {
  TPlaces p{};
  // R (10, 20, 110, 60): centre (60, 40); image 16 x 12, text 30 x 9.
  CalcButtonLayout(layout, Rect(10, 20, 110, 60), 16, 12, 30, 9, spacing, margin, p.TX, p.TY, p.GX, p.GY);
  return p;
}

TEST(SkinButtonLayout, PlacesImageAndTextForEveryLayoutAndMargin) {
  struct Case {
    TspButtonLayout layout;
    int margin, spacing;
    TPlaces expected;
  } cases[] = {
      // Centred: h = (30 + 16 + s) div 2, v = (9 + 12 + s) div 2.
      {blGlyphLeft, -1, 4, {60 + 25 - 30, 40 - 4, 60 - 25, 40 - 6}},
      {blGlyphRight, -1, 4, {60 - 25, 40 - 4, 60 + 25 - 16, 40 - 6}},
      {blGlyphTop, -1, 5, {60 - 15, 40 + 13 - 9, 60 - 8, 40 - 13}},
      {blGlyphBottom, -1, 5, {60 - 15, 40 - 13, 60 - 8, 40 + 13 - 12}},
      {blGlyphLeft, -1, 0, {60 + 23 - 30, 40 - 4, 60 - 23, 40 - 6}},
      // From the edge on the image's side.
      {blGlyphLeft, 0, 4, {10 + 16 + 4, 40 - 4, 10, 40 - 6}},
      {blGlyphRight, 0, 4, {110 - 16 - 4 - 30, 40 - 4, 110 - 16, 40 - 6}},
      {blGlyphTop, 3, 2, {60 - 15, 23 + 12 + 2, 60 - 8, 23}},
      {blGlyphBottom, 3, 2, {60 - 15, 60 - 12 - 3 - 2 - 9, 60 - 8, 60 - 12 - 3}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, Layout(c.layout, c.margin, c.spacing))
        << "layout " << c.layout << " margin " << c.margin << " spacing " << c.spacing;
  }
}

constexpr TColor kMarker = 0x2040C0;
constexpr TColor kGlyphTag = 0x90;

class SkinButtonDrawing : public testing::Test {
 protected:
  void SetUp() override {
    placepic::Plain(face_, 120, 60, clWhite);
    face_.Canvas()->Font()->SetName("Arial");
    face_.Canvas()->Font()->SetHeight(-12);
    face_.Canvas()->Font()->SetColor(clBlack);
    placepic::Fill(glyph_, 64, 12, kGlyphTag);
  }

  // The bounding box of the pixels of one kind.
  template <class Kind>
  TRect Box(Kind kind) {
    TRect box = Rect(1000, 1000, -1, -1);
    for (int y = 0; y < face_.Height(); ++y) {
      for (int x = 0; x < face_.Width(); ++x) {
        if (!kind(placepic::At(face_, x, y))) continue;
        box = Rect(std::min<int>(box.Left, x), std::min<int>(box.Top, y), std::max<int>(box.Right, x + 1),
                   std::max<int>(box.Bottom, y + 1));
      }
    }
    return box;
  }
  TRect GlyphBox() {
    return Box([](TColor c) { return (c >> 16) == kGlyphTag; });
  }
  TRect MarkerBox() {
    return Box([](TColor c) { return c == kMarker; });
  }
  TRect InkBox() {
    return Box([](TColor c) { return c != clWhite && c != kMarker && (c >> 16) != kGlyphTag; });
  }
  SIZE Measure(const char* caption, int width) {
    TRect r = Rect(0, 0, width, 60);
    face_.Canvas()->TextExtent(AnsiString());
    DrawTextA(face_.Canvas()->Handle(), caption, -1, r.AsRECT(), DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
    return SIZE{r.Width(), r.Height()};
  }

  TBitmap face_;
  TBitmap glyph_;
  const TRect R = Rect(0, 0, 120, 60);  // centre (60, 30)
};

TEST_F(SkinButtonDrawing, ALoneImageSitsHalfTheSpacingBeforeTheCentreAndMovesWhenDown) {
  DrawGlyphAndText(face_.Canvas(), R, -1, 6, blGlyphLeft, "", &glyph_, 1, 1, false, false, 0);
  EXPECT_EQ(Rect(60 - 35, 24, 60 - 35 + 64, 36), GlyphBox());
  placepic::Plain(face_, 120, 60, clWhite);
  DrawGlyphAndText(face_.Canvas(), R, -1, 6, blGlyphTop, "", &glyph_, 4, 1, true, false, 0);
  EXPECT_EQ(Rect(60 - 8 + 1, 30 - 9 + 1, 60 + 8 + 1, 30 - 9 + 12 + 1), GlyphBox());
}

TEST_F(SkinButtonDrawing, TheChosenCellOfTheGlyphIsShown) {
  DrawGlyphAndText(face_.Canvas(), R, 0, 0, blGlyphRight, "", &glyph_, 4, 3, false, false, 0);
  const TRect box = GlyphBox();
  EXPECT_EQ(Rect(120 - 16, 24, 120, 36), box);  // flush against the right edge
  EXPECT_EQ(32, placepic::PlaceX(placepic::At(face_, box.Left, box.Top)));
  EXPECT_EQ(47, placepic::PlaceX(placepic::At(face_, box.Right - 1, box.Top)));
}

TEST_F(SkinButtonDrawing, LoneTextSitsHalfTheSpacingAfterTheCentreWithBarsUnderIt) {
  const SIZE text = Measure("Save", 120);
  for (bool down : {false, true}) {
    placepic::Plain(face_, 120, 60, clWhite);
    DrawGlyphAndText(face_.Canvas(), R, -1, 8, blGlyphLeft, "Save", nullptr, 1, 1, down, true, kMarker);
    const int d = down ? 1 : 0;
    const int tx = 60 + (text.cx + 8) / 2 - text.cx + d;
    const int ty = 30 - text.cy / 2 + d;
    EXPECT_EQ(Rect(tx, ty + text.cy - 1, tx + text.cx + 2, ty + text.cy + 2), MarkerBox()) << "down " << down;
    const TRect ink = InkBox();
    EXPECT_GE(ink.Left, tx);
    EXPECT_LE(ink.Right, tx + text.cx + 2);
  }
}

TEST_F(SkinButtonDrawing, AWrappedCaptionIsCentredAsABlock) {
  const char* caption = "Convert every file now";
  const TRect narrow = Rect(30, 0, 90, 60);
  const SIZE text = Measure(caption, narrow.Width());
  ASSERT_GT(text.cy, Measure("C", 60).cy);  // wraps
  DrawGlyphAndText(face_.Canvas(), narrow, -1, 0, blGlyphTop, caption, nullptr, 1, 1, false, true, kMarker);
  const int tx = 60 - text.cx / 2;
  EXPECT_EQ(tx, MarkerBox().Left);
  const TRect ink = InkBox();
  EXPECT_GE(ink.Left, tx);
  EXPECT_LE(ink.Right, tx + text.cx + 2);
  EXPECT_GT(ink.Height(), text.cy / 2);
}

TEST_F(SkinButtonDrawing, WithoutImageOrCaptionTheMarkerIsASwatch) {
  DrawGlyphAndText(face_.Canvas(), R, -1, 4, blGlyphLeft, "", nullptr, 1, 1, false, true, kMarker);
  EXPECT_EQ(Rect(4, 4, 118, 56), MarkerBox());
  placepic::Plain(face_, 120, 60, clWhite);
  DrawGlyphAndText(face_.Canvas(), R, -1, 4, blGlyphLeft, "", nullptr, 1, 1, true, true, kMarker);
  EXPECT_EQ(Rect(4, 5, 118, 57), MarkerBox());
}

TEST_F(SkinButtonDrawing, MarkerBarsUnderAGlyphSpanTheWholeStrip) {
  DrawGlyphAndText(face_.Canvas(), R, 2, 0, blGlyphLeft, "", &glyph_, 4, 1, false, true, kMarker);
  // Image at (2, 24); the bars cover its last two rows and the row below, 64 px wide.
  EXPECT_EQ(Rect(2, 34, 66, 37), MarkerBox());
}

class SkinImageListDrawing : public SkinButtonDrawing {
 protected:
  void SetUp() override {
    SkinButtonDrawing::SetUp();
    list_.SetSize(16, 12);
    list_.SetMasked(false);
    TBitmap image;
    placepic::Fill(image, 16, 12, kGlyphTag);
    image.SetPixelFormat(pf24bit);
    list_.Add(&image, nullptr);
  }
  TCustomImageList list_{nullptr};
};

TEST_F(SkinImageListDrawing, TheListsImageIsPlacedAndMarked) {
  DrawImageAndText(face_.Canvas(), R, 5, 0, blGlyphLeft, "", 0, &list_, false, true, true, kMarker);
  // Image at (5, 24), 16 x 12; bars from its second-last row to the row below it.
  EXPECT_EQ(Rect(5, 34, 21, 37), MarkerBox());
  EXPECT_EQ(Rect(5, 24, 21, 34), GlyphBox());
}

TEST_F(SkinImageListDrawing, AMissingImageFallsBackToTheTextBarsOrTheSwatch) {
  struct Case {
    int index;
    TCustomImageList* list;
  } cases[] = {{-1, &list_}, {1, &list_}, {5, &list_}, {0, nullptr}};
  for (const Case& c : cases) {
    placepic::Plain(face_, 120, 60, clWhite);
    DrawImageAndText(face_.Canvas(), R, -1, 0, blGlyphLeft, "", c.index, c.list, false, true, true, kMarker);
    EXPECT_EQ(Rect(4, 4, 118, 56), MarkerBox()) << "index " << c.index;
    EXPECT_EQ(Rect(1000, 1000, -1, -1), GlyphBox()) << "index " << c.index;
    placepic::Plain(face_, 120, 60, clWhite);
    DrawImageAndText(face_.Canvas(), R, -1, 0, blGlyphLeft, "Go", c.index, c.list, false, true, true, kMarker);
    const SIZE text = Measure("Go", 120);
    const int tx = 60 + text.cx / 2 - text.cx;
    EXPECT_EQ(tx, MarkerBox().Left) << "index " << c.index;
    EXPECT_EQ(2, MarkerBox().Bottom - (30 - text.cy / 2 + text.cy)) << "index " << c.index;
  }
}

}  // namespace
