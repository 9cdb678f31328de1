#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>

#include "skin/data/Sputils.h"
#include "tests/skin/drawing/PlacePictures.h"

namespace {

using TPixels = std::set<std::pair<int, int>>;

// Pixel sets of the shapes the glyphs are made of (all ends included).
TPixels Fill(int left, int top, int right, int bottom) {
  TPixels p;
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) p.insert({x, y});
  return p;
}
TPixels Frame(int left, int top, int right, int bottom) {
  TPixels p = Fill(left, top, right, bottom);
  for (const auto& inner : Fill(left + 1, top + 1, right - 1, bottom - 1)) p.erase(inner);
  return p;
}
TPixels Diagonal(int x, int y, int dx, int n) {
  TPixels p;
  for (int k = 0; k < n; ++k) p.insert({x + dx * k, y + k});
  return p;
}
TPixels operator+(TPixels a, const TPixels& b) {
  a.insert(b.begin(), b.end());
  return a;
}

constexpr TColor kInk = 0x102030;
const TRect kBox = Rect(0, 0, 20, 20);  // centre (10, 10)

TPixels Drawn(const std::function<void(TCanvas*)>& draw) {
  TBitmap b;
  placepic::Plain(b, 30, 30, clWhite);
  draw(b.Canvas());
  TPixels inked;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) {
      const TColor c = placepic::At(b, x, y);
      if (c == kInk) inked.insert({x, y});
      else EXPECT_EQ(clWhite, c) << "stray colour at " << x << ", " << y;
    }
  }
  return inked;
}

TEST(SkinGlyphs, EveryGlyphDrawsItsPattern) {
  const int X = 3, Y = 4;
  TPixels check;  // three strokes: two pixels down-right, five up-right
  for (int i = 0; i < 3; ++i) {
    for (int k = 0; k < 2; ++k) check.insert({X + k, Y + 5 - i + k});
    for (int k = 0; k < 5; ++k) check.insert({X + 2 + k, Y + 7 - i - k});
  }
  TPixels rollUp, restoreRollUp;
  for (int i = 1; i <= 4; ++i) {
    rollUp = rollUp + Fill(X + 5 - i, Y + 2 + i, X + 4 + i, Y + 2 + i);
    restoreRollUp = restoreRollUp + Fill(X + 5 - i, Y + 6 - i, X + 4 + i, Y + 6 - i);
  }
  const TPixels close = Diagonal(X + 1, Y + 1, 1, 8) + Diagonal(X + 9, Y + 1, -1, 8) + Diagonal(X + 2, Y + 1, 1, 8) +
                        Diagonal(X + 8, Y + 1, -1, 8);
  struct Case {
    const char* name;
    std::function<void(TCanvas*)> draw;
    TPixels expected;
  } cases[] = {
      {"track arrow", [](TCanvas* c) { DrawTrackArrowImage(c, kBox, kInk); },
       Fill(8, 10, 12, 10) + Fill(9, 11, 11, 11) + Fill(10, 12, 10, 12)},
      {"arrow left", [](TCanvas* c) { DrawArrowImage(c, kBox, kInk, 1); },
       Fill(8, 10, 8, 10) + Fill(9, 9, 9, 11) + Fill(10, 8, 10, 12) + Fill(11, 7, 11, 13)},
      {"arrow right", [](TCanvas* c) { DrawArrowImage(c, kBox, kInk, 2); },
       Fill(12, 10, 12, 10) + Fill(11, 9, 11, 11) + Fill(10, 8, 10, 12) + Fill(9, 7, 9, 13)},
      {"arrow up", [](TCanvas* c) { DrawArrowImage(c, kBox, kInk, 3); },
       Fill(10, 8, 10, 8) + Fill(9, 9, 11, 9) + Fill(8, 10, 12, 10) + Fill(7, 11, 13, 11)},
      {"arrow down", [](TCanvas* c) { DrawArrowImage(c, kBox, kInk, 4); },
       Fill(10, 12, 10, 12) + Fill(9, 11, 11, 11) + Fill(8, 10, 12, 10) + Fill(7, 9, 13, 9)},
      {"arrow code 0", [](TCanvas* c) { DrawArrowImage(c, kBox, kInk, 0); }, {}},
      {"arrow code 5", [](TCanvas* c) { DrawArrowImage(c, kBox, kInk, 5); }, {}},
      {"radio", [](TCanvas* c) { DrawRadioImage(c, X, Y, kInk); }, Fill(X, Y, X + 5, Y + 5)},
      {"check", [](TCanvas* c) { DrawCheckImage(c, X, Y, kInk); }, check},
      {"close", [](TCanvas* c) { DrawCloseImage(c, X, Y, kInk); }, close},
      {"close in a rectangle", [](TCanvas* c) { DrawRCloseImage(c, Rect(1, 2, 21, 22), kInk); },  // at 11 - 5, 12 - 5
       [&] {
         TPixels moved;
         for (auto [x, y] : close) moved.insert({x - X + 6, y - Y + 7});
         return moved;
       }()},
      {"system menu", [](TCanvas* c) { DrawSysMenuImage(c, X, Y, kInk); }, Frame(X + 1, Y + 3, X + 8, Y + 5)},
      {"minimize", [](TCanvas* c) { DrawMinimizeImage(c, X, Y, kInk); }, Fill(X + 1, Y + 8, X + 8, Y + 9)},
      {"maximize", [](TCanvas* c) { DrawMaximizeImage(c, X, Y, kInk); },
       Frame(X, Y, X + 10, Y + 9) + Fill(X, Y, X + 10, Y + 1)},
      {"restore", [](TCanvas* c) { DrawRestoreImage(c, X, Y, kInk); },
       Frame(X + 2, Y, X + 9, Y + 5) + Fill(X + 2, Y, X + 9, Y + 1) + Frame(X, Y + 4, X + 6, Y + 9) +
           Fill(X, Y + 4, X + 6, Y + 5)},
      {"roll up", [](TCanvas* c) { DrawRollUpImage(c, X, Y, kInk); }, rollUp},
      {"restore roll up", [](TCanvas* c) { DrawRestoreRollUpImage(c, X, Y, kInk); }, restoreRollUp},
      {"minimized title", [](TCanvas* c) { DrawMTImage(c, X, Y, kInk); }, Fill(X + 2, Y + 2, X + 6, Y + 6)},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, Drawn(c.draw)) << c.name;
}

TEST(SkinGlyphs, AGlyphCellIsCopiedOutAndDrawnWithoutItsLowerLeftColour) {
  TBitmap strip;
  placepic::Fill(strip, 64, 8);
  TBitmap b;
  placepic::Plain(b, 40, 20, clWhite);
  DrawGlyph(b.Canvas(), 5, 6, &strip, 4, 2);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool inCell = x >= 5 && x < 21 && y >= 6 && y < 14;
      const bool keyed = x == 5 && y == 13;  // the cell's lower-left pixel
      const TColor expected = inCell && !keyed ? placepic::PlaceColor(16 + x - 5, y - 6) : clWhite;
      ASSERT_EQ(expected, placepic::At(b, x, y)) << x << ", " << y;
    }
  }
  TBitmap empty;
  DrawGlyph(b.Canvas(), 0, 0, &empty, 4, 1);
  EXPECT_EQ(clWhite, placepic::At(b, 0, 0));
}

}  // namespace
