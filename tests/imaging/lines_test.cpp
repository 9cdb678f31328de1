#include <gtest/gtest.h>

#include "bitmap_fixtures.h"

using namespace imaging;
using namespace bitmaptest;

namespace {

using Rect = imaging::TRect;
constexpr TColor32 kInk = 0xFF204060;
constexpr TColor32 kPaper = 0xFF000000;

std::vector<std::pair<int, int>> Inked(const TBitmap32& bitmap) {
  std::vector<std::pair<int, int>> points;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.GetPixel(x, y) != kPaper) points.emplace_back(x, y);
  return points;
}

using Points = std::vector<std::pair<int, int>>;

TEST(Lines, BresenhamPixels) {
  const struct {
    int x1, y1, x2, y2;
    bool l;
    Points expected;
  } cases[] = {
      {0, 0, 4, 2, false, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
      {0, 0, 3, 0, false, {{0, 0}, {1, 0}, {2, 0}}},
      {0, 0, 3, 0, true, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
      {2, 3, 2, 0, false, {{2, 1}, {2, 2}, {2, 3}}},
      {0, 0, 0, 0, false, {}},
      {3, 3, 0, 0, true, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
  };
  for (const auto& c : cases) {
    const auto bitmap = Filled(6, 6, kPaper);
    TEventLog log;
    bitmap->OnAreaChanged = log.AreaEvent();
    bitmap->Line(c.x1, c.y1, c.x2, c.y2, kInk, c.l);
    EXPECT_EQ(Inked(*bitmap), c.expected) << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
    EXPECT_EQ(log.lines, std::vector<std::string>{"area " + std::to_string(c.x1) + "," + std::to_string(c.y1) + "," +
                                                   std::to_string(c.x2) + "," + std::to_string(c.y2) + " other"});
  }
}

TEST(Lines, ClippedStraightLineReportsRunThenWholeBitmap) {
  const auto bitmap = Filled(10, 10, kPaper);
  TEventLog log;
  bitmap->OnAreaChanged = log.AreaEvent();
  bitmap->LineS(-10, 5, 5, 5, kInk);
  EXPECT_EQ(Inked(*bitmap), (Points{{0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 5}}));
  // The run reports every pixel it covers.
  EXPECT_EQ(log.lines, (std::vector<std::string>{"area 0,5,5,6 rect", "area 0,0,10,10 rect"}));
}

TEST(Lines, ClippedLineOutsideDrawsAndReportsNothing) {
  const auto bitmap = Filled(10, 10, kPaper);
  TEventLog log;
  bitmap->OnAreaChanged = log.AreaEvent();
  bitmap->LineS(-10, 2, -5, 4, kInk);
  bitmap->LineS(12, 2, 20, 9, kInk, true);
  EXPECT_TRUE(Inked(*bitmap).empty());
  EXPECT_TRUE(log.lines.empty());
}

TEST(Lines, ClippedLineDrawsTheLastPixelInsideWithoutL) {
  const auto bitmap = Filled(10, 10, kPaper);
  bitmap->LineS(5, 2, 15, 7, kInk);
  const Points inked = Inked(*bitmap);
  ASSERT_FALSE(inked.empty());
  EXPECT_EQ(inked.back().first, 9);
}

TEST(Lines, AntialiasedStartsFullAndReportsTheSegment) {
  const auto bitmap = Filled(12, 6, kPaper);
  TEventLog log;
  bitmap->OnAreaChanged = log.AreaEvent();
  bitmap->LineA(0, 0, 10, 3, kInk);
  EXPECT_EQ(bitmap->GetPixel(0, 0), kInk);
  EXPECT_EQ(log.lines, std::vector<std::string>{"area 0,0,10,3 other"});
  EXPECT_EQ(bitmap->GetPixel(10, 3), kPaper);  // the end point is left out without L
  for (int x = 1; x < 10; ++x) {
    int column = 0;
    for (int y = 0; y < 6; ++y) column += bitmap->GetPixel(x, y) != kPaper;
    EXPECT_GE(column, 1) << x;
  }
}

TEST(Lines, PenPosition) {
  const auto bitmap = Filled(8, 8, kPaper);
  bitmap->PenColor = kInk;
  bitmap->MoveTo(1, 1);
  bitmap->LineToS(5, 1);
  bitmap->LineToS(5, 4);
  EXPECT_EQ(bitmap->PenX(), 5);
  EXPECT_EQ(bitmap->PenY(), 4);
  EXPECT_EQ(Inked(*bitmap), (Points{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {5, 2}, {5, 3}}));
}

// Every segment between points of a grid around an 8 x 8 clip rectangle: the clipped
// lines change nothing outside the clip and, inside it, exactly what the unclipped line
// does there.
TEST(Lines, ClippedLinesMatchTheUnclippedInsideTheClip) {
  const Rect clip{8, 8, 16, 16};
  const int grid[] = {0, 3, 6, 8, 10, 12, 15, 17, 20, 23};
  const auto clipped = Filled(24, 24, kPaper);
  const auto whole = Filled(24, 24, kPaper);
  clipped->SetClipRect(clip);
  for (bool blended : {false, true})
    for (int x1 : grid)
      for (int y1 : grid)
        for (int x2 : grid)
          for (int y2 : grid)
            for (bool l : {false, true}) {
              clipped->Clear(kPaper);
              whole->Clear(kPaper);
              const TColor32 ink = blended ? 0x80FFFFFF : kInk;
              if (blended) {
                clipped->LineTS(x1, y1, x2, y2, ink, l);
                whole->LineT(x1, y1, x2, y2, ink, l);
              } else {
                clipped->LineS(x1, y1, x2, y2, ink, l);
                whole->Line(x1, y1, x2, y2, ink, l);
              }
              for (int y = 0; y < 24; ++y)
                for (int x = 0; x < 24; ++x) {
                  const bool inside = x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom;
                  ASSERT_EQ(clipped->GetPixel(x, y), inside ? whole->GetPixel(x, y) : kPaper)
                      << (blended ? "LineTS " : "LineS ") << x1 << "," << y1 << " -> " << x2 << "," << y2
                      << (l ? " L" : "") << " at " << x << "," << y;
                }
            }
}

// The antialiased clipped line never changes a pixel outside the clip and, inside it,
// blends what the unclipped antialiased line blends there.
TEST(Lines, ClippedAntialiasedLinesStayInsideTheClip) {
  const Rect clip{8, 8, 16, 16};
  const int grid[] = {0, 3, 6, 8, 10, 12, 15, 17, 20, 23};
  const auto clipped = Filled(24, 24, kPaper);
  const auto whole = Filled(24, 24, kPaper);
  clipped->SetClipRect(clip);
  for (int x1 : grid)
    for (int y1 : grid)
      for (int x2 : grid)
        for (int y2 : grid)
          for (bool l : {false, true}) {
            clipped->Clear(kPaper);
            whole->Clear(kPaper);
            clipped->LineAS(x1, y1, x2, y2, kInk, l);
            if (!l) whole->LineA(x1, y1, x2, y2, kInk, false);
            for (int y = 0; y < 24; ++y)
              for (int x = 0; x < 24; ++x) {
                const bool inside = x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom;
                const std::string where = std::to_string(x1) + "," + std::to_string(y1) + " -> " + std::to_string(x2) +
                                          "," + std::to_string(y2) + " at " + std::to_string(x) + "," + std::to_string(y);
                if (!inside) {
                  ASSERT_EQ(clipped->GetPixel(x, y), kPaper) << where;
                } else if (!l && (x != x1 || y != y1)) {
                  ASSERT_EQ(clipped->GetPixel(x, y), whole->GetPixel(x, y)) << where;
                }
              }
          }
}

TEST(FixedLines, EqualEndsDrawOnlyWithL) {
  const auto bitmap = Filled(6, 6, kPaper);
  TEventLog log;
  bitmap->OnAreaChanged = log.AreaEvent();
  bitmap->LineX(2 * 65536, 3 * 65536, 2 * 65536, 3 * 65536, kInk);
  EXPECT_TRUE(Inked(*bitmap).empty());
  EXPECT_EQ(log.lines, std::vector<std::string>{"area 2,3,2,3 other"});
  bitmap->LineX(2 * 65536, 3 * 65536, 2 * 65536, 3 * 65536, kInk, true);
  EXPECT_EQ(Inked(*bitmap), (Points{{2, 3}}));
}

TEST(FixedLines, ClippedLineOutsideDrawsAndReportsNothing) {
  const auto bitmap = Filled(10, 10, kPaper);
  bitmap->SetClipRect(Rect{2, 2, 8, 8});
  TEventLog log;
  bitmap->OnAreaChanged = log.AreaEvent();
  bitmap->LineXS(-5 * 65536, 0, 65536 / 2, 9 * 65536, kInk, true);  // left of the grown clip
  bitmap->LineFS(9.0f, 0.0f, 9.5f, 9.0f, kInk);
  EXPECT_TRUE(Inked(*bitmap).empty());
  EXPECT_TRUE(log.lines.empty());
}

TEST(FixedLines, StippledLineOutsideAdvancesTheCounter) {
  const auto bitmap = Filled(10, 10, kPaper);
  std::vector<TColor32> pattern(100, kInk);
  bitmap->SetStipple(TArrayOfColor32(pattern));
  bitmap->LineXSP(20 * 65536, 0, 20 * 65536 + 30 * 65536, 40 * 65536);
  EXPECT_NEAR(bitmap->StippleCounter(), 50.0f, 1e-3);
  EXPECT_TRUE(Inked(*bitmap).empty());
}

TEST(FixedLines, PenPosition) {
  const auto bitmap = Filled(10, 10, kPaper);
  bitmap->PenColor = kInk;
  bitmap->MoveToF(1, 1);
  bitmap->LineToFS(7, 1);
  EXPECT_EQ(bitmap->PenPosX(), 7 * 65536);
  EXPECT_NE(bitmap->GetPixel(4, 1), kPaper);
  EXPECT_EQ(bitmap->GetPixel(4, 5), kPaper);
}

// Segments between sub-pixel points around an 8 x 8 clip rectangle: the clipped
// fixed-point lines never change a pixel outside it.
TEST(FixedLines, ClippedLinesStayInsideTheClip) {
  const Rect clip{8, 8, 16, 16};
  const TFixed grid[] = {0, 3 * 65536 + 300, 7 * 65536 + 40000, 8 * 65536, 11 * 65536 + 9000, 15 * 65536 + 65535,
                         16 * 65536, 19 * 65536 + 12345, 22 * 65536 + 65000};
  const auto bitmap = Filled(24, 24, kPaper);
  bitmap->SetClipRect(clip);
  bitmap->SetStipple({kInk, 0x80FFFFFF, 0xFF00FF00});
  for (TFixed x1 : grid)
    for (TFixed y1 : grid)
      for (TFixed x2 : grid)
        for (TFixed y2 : grid)
          for (bool l : {false, true})
            for (bool stippled : {false, true}) {
              bitmap->Clear(kPaper);
              if (stippled) bitmap->LineXSP(x1, y1, x2, y2, l);
              else bitmap->LineXS(x1, y1, x2, y2, kInk, l);
              for (int y = 0; y < 24; ++y)
                for (int x = 0; x < 24; ++x)
                  if (x < clip.Left || x >= clip.Right || y < clip.Top || y >= clip.Bottom) {
                    ASSERT_EQ(bitmap->GetPixel(x, y), kPaper)
                        << (stippled ? "LineXSP " : "LineXS ") << x1 << "," << y1 << " -> " << x2 << "," << y2
                        << " at " << x << "," << y;
                  }
            }
}

}  // namespace
