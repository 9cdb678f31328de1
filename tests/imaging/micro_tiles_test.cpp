#include <gtest/gtest.h>

#include <vector>

#include "imaging/Bitmap32_MicroTiles.h"

namespace {

using namespace imaging;
using TRect = imaging::TRect;
using TPoint = imaging::TPoint;

std::vector<TRect> RectsOf(const TMicroTiles& tiles, bool whole = false) {
  TRectList list;
  const int32_t count = MicroTilesCalcRects(tiles, &list, false, whole);
  std::vector<TRect> rects;
  for (int32_t i = 0; i < list.Count(); ++i) rects.push_back(*list.Get(i));
  EXPECT_EQ(count, static_cast<int32_t>(rects.size()));
  return rects;
}

TMicroTiles Grid(int32_t width, int32_t height) {
  TMicroTiles tiles = MakeEmptyMicroTiles();
  MicroTilesSetSize(tiles, TRect{0, 0, width, height});
  return tiles;
}

struct UnionCase {
  TMicroTile dst, src, expected;
};

TEST(MicroTiles, TileUnionTable) {
  const UnionCase cases[] = {
      {MakeMicroTile(0, 0, 4, 4), MakeMicroTile(5, 5, 10, 10), MakeMicroTile(0, 0, 10, 10)},
      {MICROTILE_FULL, MakeMicroTile(1, 2, 3, 4), MICROTILE_FULL},
      {MakeMicroTile(0, 0, 4, 4), MakeMicroTile(3, 3, 3, 9), MakeMicroTile(0, 0, 4, 4)},  // zero width
      {MakeMicroTile(0, 0, 4, 4), MakeMicroTile(3, 3, 9, 3), MakeMicroTile(0, 0, 4, 4)},  // zero height
      {MICROTILE_EMPTY, MakeMicroTile(1, 2, 3, 4), MakeMicroTile(1, 2, 3, 4)},
      {MakeMicroTile(8, 8, 9, 9), MICROTILE_FULL, MICROTILE_FULL},
      {MakeMicroTile(8, 8, 20, 9), MakeMicroTile(1, 12, 3, 30), MakeMicroTile(1, 8, 20, 30)},
  };
  for (const UnionCase& c : cases) {
    TMicroTile dst = c.dst;
    MicroTileUnion(dst, c.src);
    EXPECT_EQ(c.expected, dst) << std::hex << c.dst << " + " << c.src;
  }
  EXPECT_EQ(8224u, MICROTILE_FULL);
  EXPECT_EQ(MICROTILE_FULL, MakeMicroTile(0, 0, 32, 32));
}

TEST(MicroTiles, GridGeometryCountsOneSpareColumnAndRow) {
  TMicroTiles tiles = Grid(64, 100);
  EXPECT_EQ(3, tiles.Columns);
  EXPECT_EQ(4, tiles.Rows);
  EXPECT_EQ(4 * (tiles.Rows + 1), tiles.Count);
  EXPECT_EQ(9, MicroTilesCountEmptyTiles(Grid(64, 64)));
  EXPECT_EQ(0, MicroTilesCountEmptyTiles(MakeEmptyMicroTiles()));
  EXPECT_TRUE(RectsOf(tiles).empty());
}

TEST(MicroTiles, WholeTileRectangleFillsOneTileAndYieldsItself) {
  TMicroTiles tiles = Grid(100, 100);
  MicroTilesAddRect(tiles, TRect{0, 0, 32, 32});
  EXPECT_EQ(MICROTILE_FULL, tiles.At(0, 0));
  EXPECT_EQ(tiles.Columns * tiles.Rows - 1, MicroTilesCountEmptyTiles(tiles));
  EXPECT_EQ((TRect{0, 0, 1, 1}), tiles.BoundsUsedTiles);
  EXPECT_EQ(std::vector<TRect>{(TRect{0, 0, 32, 32})}, RectsOf(tiles));
}

struct RectsCase {
  std::vector<TRect> added;
  std::vector<TRect> expected;
};

TEST(MicroTiles, AddedRectanglesComeBackMergedAcrossAndDown) {
  const RectsCase cases[] = {
      {{{10, 10, 20, 20}}, {{10, 10, 20, 20}}},
      {{{0, 0, 32, 32}, {32, 0, 64, 32}}, {{0, 0, 64, 32}}},           // adjacent across
      {{{0, 0, 32, 32}, {0, 32, 32, 64}}, {{0, 0, 32, 64}}},           // stacked
      {{{5, 5, 70, 70}}, {{5, 5, 70, 70}}},                            // a block of 3 x 3 tiles
      {{{20, 10, 10, 2}}, {{10, 2, 20, 10}}},                          // reversed edges
      {{{-50, -50, 10, 8}}, {{0, 0, 10, 8}}},                          // raised to the origin
      {{{10, 10, 20, 20}, {50, 40, 60, 50}}, {{10, 10, 20, 20}, {50, 40, 60, 50}}},
      {{{0, 0, 40, 10}, {0, 40, 40, 50}}, {{0, 0, 40, 10}, {0, 40, 40, 50}}},  // gap between rows
  };
  for (const RectsCase& c : cases) {
    TMicroTiles tiles = Grid(100, 100);
    for (const TRect& r : c.added) MicroTilesAddRect(tiles, r);
    EXPECT_EQ(c.expected, RectsOf(tiles)) << c.added.front().Left << "," << c.added.front().Top;
  }
}

TEST(MicroTiles, WholeTilesRoundOutwardAndAreClippedToTheBounds) {
  TMicroTiles tiles = Grid(100, 60);
  MicroTilesAddRect(tiles, TRect{10, 10, 20, 20}, true);
  EXPECT_EQ(MICROTILE_FULL, tiles.At(0, 0));
  EXPECT_EQ(std::vector<TRect>{(TRect{0, 0, 32, 32})}, RectsOf(tiles, true));
  MicroTilesAddRect(tiles, TRect{90, 50, 95, 55}, true);
  EXPECT_EQ((std::vector<TRect>{{0, 0, 32, 32}, {64, 32, 96, 60}}), RectsOf(tiles, true));
}

TEST(MicroTiles, HorizontalLineIsGrownByTwiceItsWidth) {
  TMicroTiles tiles = Grid(200, 100);
  MicroTilesAddLine(tiles, 0, 10, 100, 10, 1);
  EXPECT_EQ(std::vector<TRect>{(TRect{0, 8, 102, 12})}, RectsOf(tiles));
}

TEST(MicroTiles, SlantedLineCoversBothEndsInSegments) {
  TMicroTiles tiles = Grid(200, 200);
  MicroTilesAddLine(tiles, 10, 10, 150, 80, 0);
  TRectList list;
  MicroTilesCalcRects(tiles, &list);
  auto covered = [&list](int32_t x, int32_t y) {
    for (int32_t i = 0; i < list.Count(); ++i) {
      if (PtInRect(*list.Get(i), TPoint{x, y})) return true;
    }
    return false;
  };
  EXPECT_TRUE(covered(10, 10));
  EXPECT_TRUE(covered(149, 79));
  EXPECT_TRUE(covered(80, 45));
  EXPECT_FALSE(covered(150, 10));
  EXPECT_FALSE(covered(10, 79));
}

TEST(MicroTiles, CopyUnionAndClearUsed) {
  TMicroTiles a = Grid(100, 100);
  MicroTilesAddRect(a, TRect{10, 10, 20, 20});
  TMicroTiles b = MakeEmptyMicroTiles();
  MicroTilesCopy(b, a);
  EXPECT_EQ(RectsOf(a), RectsOf(b));

  TMicroTiles c = Grid(100, 100);
  MicroTilesAddRect(c, TRect{70, 70, 80, 80});
  MicroTilesUnion(c, a);
  EXPECT_EQ((std::vector<TRect>{{10, 10, 20, 20}, {70, 70, 80, 80}}), RectsOf(c));
  MicroTilesUnion(c, a, true);
  EXPECT_EQ(MICROTILE_FULL, c.At(0, 0));

  MicroTilesClearUsed(c);
  EXPECT_EQ(c.Columns * c.Rows, MicroTilesCountEmptyTiles(c));
  EXPECT_TRUE(RectsOf(c).empty());
}

// --- Repaint optimiser ----------------------------------------------------------------

// A layer body that fills one rectangle.
struct TPainter {
  TRect area;
  void Paint(TObject*, TBitmap32* buffer) { buffer->FillRectS(area, 0xFFFF0000); }
};

class RepaintOptimizer : public testing::Test {
 protected:
  void SetUp() override {
    buffer.SetSize(100, 60);
    // Exact tiles whatever the repaints cost.
    optimizer.SetAdaptiveMode(false);
    optimizer.RegisterLayerCollection(&layers);
  }
  void TearDown() override { optimizer.UnregisterLayerCollection(&layers); }

  // One repaint cycle as the paint box runs it; answers the rectangles to repaint.
  std::vector<TRect> Cycle() {
    rects.Clear();
    std::vector<TRect> result;
    if (!optimizer.UpdatesAvailable()) return result;
    optimizer.BeginPaintBuffer();
    optimizer.PerformOptimization();
    for (int32_t i = 0; i < rects.Count(); ++i) result.push_back(*rects.Get(i));
    optimizer.EndPaintBuffer();
    return result;
  }

  static bool Covers(const std::vector<TRect>& rects, const TRect& area) {
    for (const TRect& r : rects) {
      if (r.Left <= area.Left && r.Top <= area.Top && r.Right >= area.Right && r.Bottom >= area.Bottom) return true;
    }
    return false;
  }

  TCustomLayer* PaintingLayer() {
    TCustomLayer* layer = layers.Add<TCustomLayer>();
    layer->OnPaint = TPaintLayerEvent(&painter, &TPainter::Paint);
    return layer;
  }

  TBitmap32 buffer;
  TRectList rects;
  TMicroTilesRepaintOptimizer optimizer{&buffer, &rects};
  TLayerCollection layers{nullptr};
  TPainter painter{{10, 10, 20, 20}};
};

TEST_F(RepaintOptimizer, EnablingWithoutLayersRepaintsTheWholeBufferOnce) {
  EXPECT_FALSE(optimizer.Enabled());
  optimizer.SetEnabled(true);
  EXPECT_EQ(std::vector<TRect>{(TRect{0, 0, 100, 60})}, Cycle());
  EXPECT_TRUE(Cycle().empty());
}

TEST_F(RepaintOptimizer, ChangedLayerRepaintsItsOldAndNewArea) {
  TCustomLayer* layer = PaintingLayer();
  optimizer.SetEnabled(true);
  Cycle();
  painter.area = TRect{50, 40, 60, 50};
  layer->Changed();
  EXPECT_TRUE(layer->Invalid());
  EXPECT_EQ((std::vector<TRect>{{10, 10, 20, 20}, {50, 40, 60, 50}}), Cycle());
  EXPECT_FALSE(layer->Invalid());
  // Nothing changed since: nothing to repaint.
  EXPECT_TRUE(Cycle().empty());
}

TEST_F(RepaintOptimizer, DeletedLayerRepaintsTheAreaItCovered) {
  TCustomLayer* layer = PaintingLayer();
  optimizer.SetEnabled(true);
  Cycle();
  delete layer;
  EXPECT_EQ(std::vector<TRect>{(TRect{10, 10, 20, 20})}, Cycle());
}

TEST_F(RepaintOptimizer, AreaUpdatesAreRepaintedAsReported) {
  optimizer.SetEnabled(true);
  Cycle();
  optimizer.AreaUpdateHandler(nullptr, TRect{40, 5, 45, 25}, AREA_KIND_RECT);
  EXPECT_EQ(std::vector<TRect>{(TRect{40, 5, 45, 25})}, Cycle());
}

TEST_F(RepaintOptimizer, DisablingAndEnablingForgetsTheLayerAreas) {
  TCustomLayer* layer = PaintingLayer();
  optimizer.SetEnabled(true);
  Cycle();
  optimizer.SetEnabled(false);
  EXPECT_FALSE(layers.OnLayerUpdated.Assigned());
  painter.area = TRect{70, 10, 80, 20};  // unseen while disabled
  optimizer.SetEnabled(true);
  EXPECT_EQ(std::vector<TRect>{(TRect{0, 0, 100, 60})}, Cycle());
  painter.area = TRect{70, 40, 80, 50};
  layer->Changed();
  const std::vector<TRect> repainted = Cycle();
  EXPECT_TRUE(Covers(repainted, TRect{70, 10, 80, 20}));
  EXPECT_TRUE(Covers(repainted, TRect{70, 40, 80, 50}));
  EXPECT_FALSE(Covers(repainted, TRect{10, 10, 20, 20}));
}

TEST_F(RepaintOptimizer, DisabledOptimizerIgnoresLayerChangesAndKeepsNoGrids) {
  TCustomLayer* layer = PaintingLayer();
  layer->Changed();
  EXPECT_FALSE(layer->Invalid());
  EXPECT_TRUE(layers.OnListNotify.Assigned());
  EXPECT_FALSE(layers.OnAreaUpdated.Assigned());
}

TEST(RepaintArea, InflateAreaGrowsReversedRectanglesOutward) {
  const TRect cases[][2] = {{{10, 10, 20, 20}, {8, 7, 22, 23}}, {{20, 20, 10, 10}, {22, 23, 8, 7}},
                            {{10, 20, 20, 10}, {8, 23, 22, 7}}};
  for (const auto& c : cases) {
    TRect r = c[0];
    InflateArea(r, 2, 3);
    EXPECT_EQ(c[1], r);
  }
}

}  // namespace
