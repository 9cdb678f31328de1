#include <gtest/gtest.h>

#include <vector>

#include "BitmapProbe.h"
#include "framed/FrCommon.h"

namespace {

constexpr TColor kBackground = 0xFF00FF;
constexpr TColor kFace = 0x3C8CC8;

// The colours a style paints on each side's outer and inner pixel line. Edge-line
// styles leave the inner line alone; etched styles swap the colours inside.
struct Expected {
  TColor ul1, lr1, ul2, lr2;
  int inset;
};

Expected SystemExpected(TFrameStyle style) {
  const TColor bg = kBackground, dk = ColorToRGB(cl3DDkShadow), sh = ColorToRGB(clBtnShadow);
  const TColor hi = ColorToRGB(clBtnHighlight), lt = ColorToRGB(cl3DLight), tx = ColorToRGB(clBtnText);
  switch (style) {
    case fsNone: return {bg, bg, bg, bg, 0};
    case fsFlat: return {dk, dk, bg, bg, 1};
    case fsGroove: return {sh, hi, hi, sh, 2};
    case fsBump: return {hi, sh, sh, hi, 2};
    case fsLowered: return {sh, hi, dk, lt, 2};
    case fsButtonDown: return {tx, tx, sh, sh, 2};
    case fsRaised: return {lt, dk, hi, sh, 2};
    case fsButtonUp: return {hi, dk, lt, sh, 2};
    case fsStatus: return {sh, hi, bg, bg, 1};
    case fsPopup: return {hi, sh, bg, bg, 1};
    case fsFlatBold: return {sh, sh, sh, sh, 2};
  }
  return {};
}

Expected TintedExpected(TFrameStyle style) {
  const TColor bg = kBackground;
  auto d = [](uint8_t amount) { return DarkenColor(kFace, amount); };
  auto l = [](uint8_t amount) { return LightenColor(kFace, amount); };
  switch (style) {
    case fsNone: return {bg, bg, bg, bg, 0};
    case fsFlat: return {d(50), d(50), bg, bg, 1};
    case fsGroove: return {d(50), l(100), l(100), d(50), 2};
    case fsBump: return {l(100), d(50), d(50), l(100), 2};
    case fsLowered: return {d(50), l(100), d(100), l(50), 2};
    case fsButtonDown: return {d(100), d(100), d(50), d(50), 2};
    case fsRaised: return {l(50), d(100), l(100), d(50), 2};
    case fsButtonUp: return {l(100), d(100), l(40), d(50), 2};
    case fsStatus: return {d(50), l(100), bg, bg, 1};
    case fsPopup: return {l(100), d(50), bg, bg, 1};
    case fsFlatBold: return {d(50), d(50), d(50), d(50), 2};
  }
  return {};
}

const TFrameStyle kStyles[] = {fsNone,     fsFlat,     fsGroove, fsBump,  fsLowered, fsButtonDown,
                               fsRaised,   fsButtonUp, fsStatus, fsPopup, fsFlatBold};
const std::vector<TSides> kSideSets = {{sdLeft}, {sdTop}, {sdRight}, {sdBottom}, kAllSides};

// On (2, 2, 18, 18): the outer and inner pixel of each side at its middle, and the
// rectangle the painter answers.
void CheckBorder(BitmapProbe& probe, const TRect& inside, const Expected& e, TSides sides) {
  const TRect r = Rect(2, 2, 18, 18);
  auto pick = [&](TSide side, TColor color) { return sides.Contains(side) ? color : kBackground; };
  EXPECT_EQ(pick(sdLeft, e.ul1), probe.At(r.Left, 10));
  EXPECT_EQ(pick(sdLeft, e.ul2), probe.At(r.Left + 1, 10));
  EXPECT_EQ(pick(sdTop, e.ul1), probe.At(10, r.Top));
  EXPECT_EQ(pick(sdTop, e.ul2), probe.At(10, r.Top + 1));
  EXPECT_EQ(pick(sdRight, e.lr1), probe.At(r.Right - 1, 10));
  EXPECT_EQ(pick(sdRight, e.lr2), probe.At(r.Right - 2, 10));
  EXPECT_EQ(pick(sdBottom, e.lr1), probe.At(10, r.Bottom - 1));
  EXPECT_EQ(pick(sdBottom, e.lr2), probe.At(10, r.Bottom - 2));
  EXPECT_EQ(kBackground, probe.At(10, 10));
  const int in = e.inset;
  EXPECT_EQ(Rect(r.Left + (sides.Contains(sdLeft) ? in : 0), r.Top + (sides.Contains(sdTop) ? in : 0),
                 r.Right - (sides.Contains(sdRight) ? in : 0), r.Bottom - (sides.Contains(sdBottom) ? in : 0)),
            inside);
}

TEST(FramedBorders, EveryStyleInSystemColoursOnEachSide) {
  for (TFrameStyle style : kStyles) {
    for (TSides sides : kSideSets) {
      SCOPED_TRACE(testing::Message() << "style " << style << " sides " << sides.Bits());
      BitmapProbe probe(20, 20, kBackground);
      const TRect inside = PaintStyledBorderSides(probe.Canvas(), Rect(2, 2, 18, 18), style, sides);
      CheckBorder(probe, inside, SystemExpected(style), sides);
    }
  }
}

TEST(FramedBorders, EveryStyleInShadesOfTheFaceOnEachSide) {
  for (TFrameStyle style : kStyles) {
    for (TSides sides : kSideSets) {
      SCOPED_TRACE(testing::Message() << "style " << style << " sides " << sides.Bits());
      BitmapProbe probe(20, 20, kBackground);
      const TRect inside = PaintTintedBorderSides(probe.Canvas(), Rect(2, 2, 18, 18), kFace, style, sides);
      CheckBorder(probe, inside, TintedExpected(style), sides);
    }
  }
}

TEST(FramedBorders, FourSidedFormsPaintLikeAllSides) {
  struct Painter {
    const char* name;
    TRect (*paint)(TCanvas*, const TRect&);
    TRect (*sides)(TCanvas*, const TRect&);
  };
  const Painter painters[] = {
      {"styled", [](TCanvas* c, const TRect& r) { return PaintStyledBorder(c, r, fsRaised); },
       [](TCanvas* c, const TRect& r) { return PaintStyledBorderSides(c, r, fsRaised, kAllSides); }},
      {"tinted", [](TCanvas* c, const TRect& r) { return PaintTintedBorder(c, r, kFace, fsGroove); },
       [](TCanvas* c, const TRect& r) { return PaintTintedBorderSides(c, r, kFace, fsGroove, kAllSides); }},
      {"push button", [](TCanvas* c, const TRect& r) { return PaintPushButtonBorder(c, r, true); },
       [](TCanvas* c, const TRect& r) { return PaintStyledBorderSides(c, r, fsButtonDown, kAllSides); }},
      {"tinted push button", [](TCanvas* c, const TRect& r) { return PaintTintedPushButtonBorder(c, r, kFace, false); },
       [](TCanvas* c, const TRect& r) { return PaintTintedBorderSides(c, r, kFace, fsButtonUp, kAllSides); }},
      {"sunken", [](TCanvas* c, const TRect& r) { return PaintSunkenRaisedSides(c, r, true, kAllSides); },
       [](TCanvas* c, const TRect& r) { return PaintStyledBorderSides(c, r, fsLowered, kAllSides); }},
  };
  for (const Painter& p : painters) {
    SCOPED_TRACE(p.name);
    BitmapProbe one(20, 20, kBackground), other(20, 20, kBackground);
    EXPECT_EQ(p.sides(other.Canvas(), Rect(2, 2, 18, 18)), p.paint(one.Canvas(), Rect(2, 2, 18, 18)));
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) ASSERT_EQ(other.At(x, y), one.At(x, y)) << x << "," << y;
    }
  }
}

TEST(FramedBorders, GrooveOnTheTopAloneClosesBothLineEnds) {
  BitmapProbe probe(20, 20, kBackground);
  const TColor u = ColorToRGB(clBtnShadow), w = ColorToRGB(clBtnHighlight);
  const TRect inside = PaintStyledBorderSides(probe.Canvas(), Rect(2, 2, 18, 18), fsGroove, {sdTop});
  EXPECT_EQ(Rect(2, 4, 18, 18), inside);
  EXPECT_EQ(u, probe.At(17, 2));  // (R - 1, T)
  EXPECT_EQ(w, probe.At(2, 3));   // (L, T + 1)
  for (int x = 2; x < 17; ++x) EXPECT_EQ(u, probe.At(x, 2)) << x;
  for (int x = 3; x < 18; ++x) EXPECT_EQ(w, probe.At(x, 3)) << x;
  EXPECT_EQ(kBackground, probe.At(2, 4));
  EXPECT_EQ(kBackground, probe.At(17, 4));
}

TEST(FramedBorders, EdgeLinesGiveTheFarCornersToTheLowerRightColour) {
  BitmapProbe probe(12, 12, kBackground);
  const TRect inside = PaintEdgeLines(probe.Canvas(), Rect(1, 1, 11, 11), clRed, clBlue, kAllSides);
  EXPECT_EQ(Rect(2, 2, 10, 10), inside);
  EXPECT_EQ(clRed, probe.At(1, 1));
  EXPECT_EQ(clBlue, probe.At(10, 1));  // top-right
  EXPECT_EQ(clBlue, probe.At(1, 10));  // bottom-left
  EXPECT_EQ(clBlue, probe.At(10, 10));
  EXPECT_EQ(kBackground, probe.At(0, 0));
  EXPECT_EQ(kBackground, probe.At(11, 11));
}

TEST(FramedBorders, EdgeLinesOnTheLeftMoveOnlyTheLeftEdge) {
  BitmapProbe probe(12, 12, kBackground);
  EXPECT_EQ(Rect(2, 1, 11, 11), PaintEdgeLines(probe.Canvas(), Rect(1, 1, 11, 11), clRed, clBlue, {sdLeft}));
  EXPECT_EQ(10, probe.Count(clRed));
  EXPECT_EQ(0, probe.Count(clBlue));
}

TEST(FramedBorders, EdgeRingsNestAndResetThePenWidth) {
  BitmapProbe probe(12, 12, kBackground);
  probe.Canvas()->Pen()->SetWidth(3);
  EXPECT_EQ(Rect(3, 3, 9, 9), PaintEdgeRings(probe.Canvas(), Rect(0, 0, 12, 12), clRed, clBlue, 3, kAllSides));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(clRed, probe.At(i, 6)) << i;
    EXPECT_EQ(clBlue, probe.At(11 - i, 6)) << i;
  }
  EXPECT_EQ(kBackground, probe.At(3, 6));
}

TEST(FramedBorders, InvertedRectanglesPaintNothing) {
  BitmapProbe probe(12, 12, kBackground);
  for (TFrameStyle style : kStyles) {
    PaintStyledBorder(probe.Canvas(), Rect(8, 8, 2, 2), style);
    PaintTintedBorder(probe.Canvas(), Rect(8, 2, 8, 10), kFace, style);
  }
  PaintEdgeRings(probe.Canvas(), Rect(2, 8, 10, 8), clRed, clBlue, 2, kAllSides);
  PaintFocusDots(probe.Canvas(), Rect(8, 8, 2, 2));
  EXPECT_EQ(144, probe.Count(kBackground));
}

TEST(FramedBorders, FocusDotsAlternate) {
  BitmapProbe probe(10, 8, kBackground);
  EXPECT_EQ(Rect(1, 1, 9, 7), PaintFocusDots(probe.Canvas(), Rect(0, 0, 10, 8)));
  for (int y = 0; y < 8; ++y) {
    EXPECT_EQ(y % 2 == 1 ? clBlack : kBackground, probe.At(0, y)) << y;
    // The top row's dots reach (9, 0) as well.
    EXPECT_EQ(y % 2 == 1 || y == 0 ? clBlack : kBackground, probe.At(9, y)) << y;
  }
  for (int x = 1; x < 9; ++x) {
    EXPECT_EQ(x % 2 == 1 ? clBlack : kBackground, probe.At(x, 0)) << x;
    EXPECT_EQ(x % 2 == 1 ? clBlack : kBackground, probe.At(x, 7)) << x;
  }
  EXPECT_EQ(kBackground, probe.At(4, 4));
}

TEST(FramedBorders, FrameByStyle) {
  struct Case {
    const char* name;
    TFrameStyle style;
    TColor face;
    TSides sides;
    bool skipFaceRings;
    TColor outerLeft, innerLeft, outerRight;
  };
  const TColor frame = clBlue;
  const Case cases[] = {
      {"flat", fsFlat, kFace, kAllSides, false, frame, kFace, frame},
      {"flat bold", fsFlatBold, kFace, kAllSides, false, frame, frame, frame},
      {"flat on the left only", fsFlat, kFace, {sdLeft}, false, frame, kFace, kFace},
      {"lowered on a window face", fsLowered, clWindow, kAllSides, false, ColorToRGB(clBtnShadow),
       ColorToRGB(cl3DDkShadow), ColorToRGB(clBtnHighlight)},
      {"lowered in shades", fsLowered, kFace, kAllSides, false, DarkenColor(kFace, 50), DarkenColor(kFace, 100),
       LightenColor(kFace, 100)},
      {"flat without face rings", fsFlat, kFace, kAllSides, true, frame, kBackground, frame},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BitmapProbe probe(16, 16, kBackground);
    PaintFrameByStyle(probe.Canvas(), 16, 16, c.style, c.face, frame, c.sides, c.skipFaceRings);
    EXPECT_EQ(c.outerLeft, probe.At(0, 8));
    EXPECT_EQ(c.innerLeft, probe.At(1, 8));
    EXPECT_EQ(c.outerRight, probe.At(15, 8));
    EXPECT_EQ(kBackground, probe.At(8, 8));
  }
}

}  // namespace
