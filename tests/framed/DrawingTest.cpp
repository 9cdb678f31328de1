#include <gtest/gtest.h>

#include <memory>

#include "BitmapProbe.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/GraphicControl.h"
#include "framed/FrCommon.h"

namespace {

constexpr TColor kBackground = 0xFF00FF;

// On (0, 0, 20, 20) the centre is (10, 9). Each arrow: a pixel just inside its tip, which
// it paints, and the pixel just beyond, which it leaves.
struct ArrowCase {
  const char* name;
  bool styled;
  TArrowDirection direction;
  TPoint inside, beyond;
};

void ExpectTip(BitmapProbe& probe, TPoint inside, TPoint beyond) {
  EXPECT_EQ(clBlack, probe.At(inside.X, inside.Y));
  EXPECT_EQ(kBackground, probe.At(beyond.X, beyond.Y));
}

const ArrowCase kDirectionArrows[] = {
    {"plain up", false, adUp, {10, 7}, {10, 5}},        // tip (10, 6)
    {"plain down", false, adDown, {10, 10}, {10, 13}},  // tip (10, 12)
    {"plain left", false, adLeft, {9, 9}, {7, 9}},      // tip (8, 9)
    {"plain right", false, adRight, {11, 9}, {13, 9}},  // tip (12, 9)
    {"styled up", true, adUp, {10, 9}, {10, 7}},       // tip (10, 8)
    {"styled down", true, adDown, {10, 10}, {10, 12}}, // tip (10, 11)
    {"styled left", true, adLeft, {10, 9}, {8, 9}},    // tip (9, 9)
    {"styled right", true, adRight, {10, 9}, {12, 9}}, // tip (11, 9)
};

TEST(FramedArrows, DirectionArrowsPointToTheirTips) {
  for (const ArrowCase& c : kDirectionArrows) {
    SCOPED_TRACE(c.name);
    BitmapProbe probe(20, 20, kBackground);
    PaintDirectionArrow(probe.Canvas(), Rect(0, 0, 20, 20), c.styled, c.direction, false, true);
    ExpectTip(probe, c.inside, c.beyond);
  }
}

TEST(FramedArrows, DropArrowPointsDownAndMovesWhenPressed) {
  struct Case {
    const char* name;
    bool styled, down;
    TPoint inside, beyond;
  };
  const Case cases[] = {
      {"plain", false, false, {10, 10}, {10, 12}},          // tip (10, 11)
      {"plain pressed", false, true, {11, 11}, {11, 13}},   // tip (11, 12)
      {"styled", true, false, {10, 12}, {10, 14}},          // tip (10, 13)
      {"styled pressed", true, true, {11, 13}, {11, 15}},   // tip (11, 14)
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BitmapProbe probe(20, 20, kBackground);
    PaintDropArrow(probe.Canvas(), Rect(0, 0, 20, 20), c.styled, c.down, true);
    ExpectTip(probe, c.inside, c.beyond);
  }
}

TEST(FramedArrows, DisabledArrowsAreGreyAndDoNotMove) {
  BitmapProbe probe(20, 20, kBackground);
  PaintDirectionArrow(probe.Canvas(), Rect(0, 0, 20, 20), false, adDown, true, false);
  EXPECT_EQ(ColorToRGB(clBtnShadow), probe.At(10, 10));
  EXPECT_EQ(0, probe.Count(clBlack));
  BitmapProbe pressed(20, 20, kBackground);
  PaintDirectionArrow(pressed.Canvas(), Rect(0, 0, 20, 20), false, adDown, false, false);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) ASSERT_EQ(pressed.At(x, y), probe.At(x, y));
  }
}

TEST(FramedArrows, KeepTheCanvasBrushAndPen) {
  BitmapProbe probe(20, 20, kBackground);
  probe.Canvas()->Brush()->SetColor(clLime);
  PaintDropArrow(probe.Canvas(), Rect(0, 0, 20, 20), false, false, true);
  EXPECT_EQ(clLime, probe.Canvas()->Brush()->Color());
  EXPECT_EQ(psSolid, probe.Canvas()->Pen()->Style());
}

TEST(FramedFonts, AngledFontCopiesTheFont) {
  TFont font;
  font.SetName("Arial");
  font.SetHeight(-17);
  font.SetStyle({fsBold, fsItalic, fsStrikeOut});
  font.SetPitch(fpVariable);
  HFONT handle = CreateAngledFont(&font, 90);
  ASSERT_NE(nullptr, handle);
  LOGFONTA log{};
  ASSERT_EQ(static_cast<int>(sizeof(log)), GetObjectA(handle, sizeof(log), &log));
  DeleteObject(handle);
  EXPECT_EQ(-17, log.lfHeight);
  EXPECT_EQ(900, log.lfEscapement);
  EXPECT_EQ(0, log.lfOrientation);
  EXPECT_EQ(700, log.lfWeight);
  EXPECT_EQ(1, log.lfItalic);
  EXPECT_EQ(0, log.lfUnderline);
  EXPECT_EQ(1, log.lfStrikeOut);
  EXPECT_EQ(DEFAULT_CHARSET, log.lfCharSet);
  EXPECT_EQ(VARIABLE_PITCH, log.lfPitchAndFamily);
  EXPECT_STREQ("Arial", log.lfFaceName);
}

TEST(FramedFonts, AngledTextRunsAlongItsAngle) {
  TFont font;
  font.SetName("Arial");
  font.SetHeight(-16);
  BitmapProbe probe(40, 120, clWhite);
  HFONT handle = CreateAngledFont(&font, 90);
  HGDIOBJ previous = SelectObject(probe.DC(), handle);
  SetBkMode(probe.DC(), TRANSPARENT);
  TextOutA(probe.DC(), 10, 110, "WWWWWW", 6);
  SelectObject(probe.DC(), previous);
  DeleteObject(handle);
  // Upward text is taller than wide.
  int top = 120, bottom = -1, left = 40, right = -1;
  for (int y = 0; y < 120; ++y) {
    for (int x = 0; x < 40; ++x) {
      if (probe.At(x, y) == clWhite) continue;
      top = std::min(top, y), bottom = std::max(bottom, y), left = std::min(left, x), right = std::max(right, x);
    }
  }
  ASSERT_GE(bottom, 0);
  EXPECT_GT(bottom - top, 3 * (right - left));
}

TEST(FramedFonts, TrueTypeAndLineHeight) {
  TFont outline;
  outline.SetName("Arial");
  outline.SetHeight(20);  // a cell height of 20
  EXPECT_TRUE(IsTrueTypeFont(&outline));
  EXPECT_EQ(22, FontLineHeight(&outline));
}

TEST(FramedMaskedBitmap, LeavesKeyColouredPixelsUntouched) {
  constexpr TColor kKey = 0x00FF00, kInk = 0x102030, kCanvas = 0xC0C0C0;
  BitmapProbe source(8, 8, kKey);
  source.Canvas()->Brush()->SetColor(kInk);
  source.Canvas()->FillRect(Rect(4, 0, 8, 8));
  BitmapProbe target(20, 20, kCanvas);
  PaintMaskedBitmap(target.Canvas(), source.Bitmap(), Rect(0, 0, 8, 8), Rect(0, 0, 8, 8), kKey);
  EXPECT_EQ(kCanvas, target.At(0, 0));
  EXPECT_EQ(kCanvas, target.At(3, 7));
  EXPECT_EQ(kInk, target.At(4, 0));
  EXPECT_EQ(kInk, target.At(7, 7));
  EXPECT_EQ(kCanvas, target.At(8, 0));
  EXPECT_EQ(32, target.Count(kInk));
  EXPECT_EQ(0, target.Count(kKey));
}

TEST(FramedMaskedBitmap, StretchesThePartToTheDestination) {
  constexpr TColor kKey = 0xFF00FF, kInk = 0x0000FF, kCanvas = 0xFFFFFF;
  BitmapProbe source(8, 8, kKey);
  source.Canvas()->Brush()->SetColor(kInk);
  source.Canvas()->FillRect(Rect(2, 2, 4, 4));
  BitmapProbe target(20, 20, kCanvas);
  PaintMaskedBitmap(target.Canvas(), source.Bitmap(), Rect(10, 10, 18, 18), Rect(0, 0, 4, 4), kKey);
  EXPECT_EQ(16, target.Count(kInk));
  EXPECT_EQ(kInk, target.At(14, 14));
  EXPECT_EQ(kInk, target.At(17, 17));
  EXPECT_EQ(kCanvas, target.At(13, 13));
}

// A window-less control standing on a form, for the parent-background painter.
class TSeeThrough : public TGraphicControl {
  CLASSLIB_CLASS(TSeeThrough, TGraphicControl)
 public:
  explicit TSeeThrough(TComponent* owner) : TGraphicControl(owner) {}
};

// A form that paints a mark at (20, 20) over its background.
class TMarkedForm : public TForm {
  CLASSLIB_CLASS(TMarkedForm, TForm)
 public:
  explicit TMarkedForm(TComponent* owner) : TForm(owner, CreateNew) {}
 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clBlue);
    Canvas()->FillRect(Rect(20, 20, 22, 22));
  }
};

TEST(FramedParentBackground, PaintsTheParentAsSeenThroughTheControl) {
  auto form = std::make_unique<TMarkedForm>(nullptr);
  form->SetColor(clRed);
  auto* control = new TSeeThrough(form.get());
  control->SetParent(form.get());
  control->SetBounds(15, 15, 10, 10);
  BitmapProbe probe(10, 10, kBackground);
  PaintParentBackground(control, probe.DC(), false);
  EXPECT_EQ(clRed, probe.At(0, 0));
  EXPECT_EQ(clRed, probe.At(9, 9));
  EXPECT_EQ(clBlue, probe.At(5, 5));  // the form's (20, 20)
  EXPECT_EQ(clBlue, probe.At(6, 6));
  EXPECT_EQ(4, probe.Count(clBlue));
  // The context is as it was.
  POINT origin{};
  GetViewportOrgEx(probe.DC(), &origin);
  EXPECT_EQ(0, origin.x);
  EXPECT_EQ(0, origin.y);
}

TEST(FramedParentBackground, NothingWithoutAParent) {
  TSeeThrough control(nullptr);
  BitmapProbe probe(10, 10, kBackground);
  PaintParentBackground(&control, probe.DC(), true);
  EXPECT_EQ(100, probe.Count(kBackground));
}

}  // namespace
