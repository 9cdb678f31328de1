#pragma once
// Micro-tiles: which parts of a bitmap changed, at a resolution of 32 x 32 pixel tiles,
// each tile keeping the one sub-rectangle of itself that is dirty; and the repaint
// optimiser that keeps one grid per layer and turns changes into rectangles.
#include <cstdint>
#include <vector>

#include "imaging/Bitmap32_Containers.h"
#include "imaging/Bitmap32_RepaintOpt.h"
#include "imaging/Bitmap32_LowLevel.h"
#include "imaging/Bitmap32_System.h"

namespace imaging {

constexpr int32_t MICROTILE_SHIFT = 5;
constexpr int32_t MICROTILE_SIZE = 32;

// A tile's dirty rectangle in tile coordinates 0..32: left in bits 24-31, top 16-23,
// right 8-15, bottom 0-7.
using TMicroTile = uint32_t;
constexpr TMicroTile MICROTILE_EMPTY = 0;
constexpr TMicroTile MICROTILE_FULL = 0x00002020;

constexpr TMicroTile MakeMicroTile(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return static_cast<TMicroTile>(left) << 24 | static_cast<TMicroTile>(top) << 16 |
         static_cast<TMicroTile>(right) << 8 | static_cast<TMicroTile>(bottom);
}
constexpr int32_t MicroTileLeft(TMicroTile t) { return static_cast<int32_t>(t >> 24); }
constexpr int32_t MicroTileTop(TMicroTile t) { return static_cast<int32_t>((t >> 16) & 0xFF); }
constexpr int32_t MicroTileRight(TMicroTile t) { return static_cast<int32_t>((t >> 8) & 0xFF); }
constexpr int32_t MicroTileBottom(TMicroTile t) { return static_cast<int32_t>(t & 0xFF); }
constexpr int32_t MicroTileWidth(TMicroTile t) { return MicroTileRight(t) - MicroTileLeft(t); }
constexpr int32_t MicroTileHeight(TMicroTile t) { return MicroTileBottom(t) - MicroTileTop(t); }

// Unites src into dst; zero-sized sources and full destinations stay as they are.
void MicroTileUnion(TMicroTile& dst, TMicroTile src);

// A grid of tiles over Bounds, from the origin: tile (c, r) covers x in [32c, 32c + 32)
// and y in [32r, 32r + 32). Tiles outside BoundsUsedTiles (inclusive tile indices) are
// empty. Tiles are stored row after row with a stride of Columns.
struct TMicroTiles {
  TRect BoundsRect;
  int32_t Columns = 0;
  int32_t Rows = 0;
  TRect BoundsUsedTiles;
  int32_t Count = 0;
  std::vector<TMicroTile> Tiles;

  TMicroTile& At(int32_t column, int32_t row) { return Tiles[static_cast<size_t>(row * Columns + column)]; }
  bool UsedEmpty() const { return BoundsUsedTiles.Right < BoundsUsedTiles.Left || BoundsUsedTiles.Bottom < BoundsUsedTiles.Top; }
};

TMicroTiles MakeEmptyMicroTiles();
void MicroTilesCreate(TMicroTiles& tiles);
void MicroTilesDestroy(TMicroTiles& tiles);
void MicroTilesSetSize(TMicroTiles& tiles, const TRect& dstRect);
void MicroTilesClear(TMicroTiles& tiles, TMicroTile value = MICROTILE_EMPTY);
void MicroTilesClearUsed(TMicroTiles& tiles, TMicroTile value = MICROTILE_EMPTY);
void MicroTilesCopy(TMicroTiles& dst, const TMicroTiles& src);
void MicroTilesAddRect(TMicroTiles& tiles, TRect rect, bool roundToWholeTiles = false);
void MicroTilesAddLine(TMicroTiles& tiles, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t lineWidth,
                       bool roundToWholeTiles = false);
void MicroTilesUnion(TMicroTiles& dst, const TMicroTiles& src, bool roundToWholeTiles = false);
// Answers the number of rectangles; unless countOnly they are appended to the list.
int32_t MicroTilesCalcRects(const TMicroTiles& tiles, TRectList* dstRects, bool countOnly = false,
                            bool roundToWholeTiles = false);
int32_t MicroTilesCalcRects(const TMicroTiles& tiles, TRectList* dstRects, const TRect& clip, bool countOnly = false,
                            bool roundToWholeTiles = false);
int32_t MicroTilesCountEmptyTiles(const TMicroTiles& tiles);

// Layers (keys) to owned grids.
class TMicroTilesMap : public TPointerMap {
  CLASSLIB_CLASS(TMicroTilesMap, TPointerMap)
 public:
  TMicroTilesMap() = default;
  ~TMicroTilesMap() override;
  // The key's grid, made empty for a new key.
  TMicroTiles* Add(void* item);
  // Raise EListError "Item not found ($0%x)" for an absent key.
  TMicroTiles* GetData(void* item) const { return static_cast<TMicroTiles*>(TPointerMap::GetData(item)); }

 protected:
  void* Delete(int32_t bucketIndex, int32_t itemIndex) override;
};

// Records per layer the area it painted last, collects what changed since and adapts
// its precision (exact tiles, whole tiles, the whole scene) to how long repaints take.
class TMicroTilesRepaintOptimizer : public TCustomRepaintOptimizer {
  CLASSLIB_CLASS(TMicroTilesRepaintOptimizer, TCustomRepaintOptimizer)
 public:
  TMicroTilesRepaintOptimizer(TBitmap32* buffer, TRectList* invalidRects);
  ~TMicroTilesRepaintOptimizer() override;

  void SetEnabled(bool value) override;
  void RegisterLayerCollection(TLayerCollection* layers) override;
  void UnregisterLayerCollection(TLayerCollection* layers) override;
  void BeginPaintBuffer() override;
  void EndPaintBuffer() override;
  void Reset() override;
  bool UpdatesAvailable() override;
  void PerformOptimization() override;
  void AreaUpdateHandler(TObject* sender, const TRect& area, uint32_t info) override;
  void LayerUpdateHandler(TObject* sender, TCustomLayer* layer) override;
  void BufferResizedHandler(int32_t newWidth, int32_t newHeight) override;

  bool AdaptiveMode() const { return adaptiveMode_; }
  void SetAdaptiveMode(bool value);
  void ResetAdaptiveMode();
  int32_t PerformanceLevel() const { return performanceLevel_; }

 protected:
  void LayerCollectionNotifyHandler(TLayerCollection* sender, TLayerListNotification action, TCustomLayer* layer,
                                    int32_t index) override;

 private:
  void BindEvents(TLayerCollection* layers);
  static void UnbindEvents(TLayerCollection* layers);
  void ValidateWorkingTiles();
  void UpdateOldInvalidTiles();
  void DrawLayerToMicroTiles(TMicroTiles& tiles, TCustomLayer* layer);
  void DrawMeasuringHandler(TObject* sender, const TRect& area, uint32_t info);
  void AddArea(TMicroTiles& tiles, const TRect& area, uint32_t info);
  TMicroTiles* NewLayerTiles(TCustomLayer* layer);
  void InvalidateOldArea(TCustomLayer* layer);
  void BeginAdaption();
  void EndAdaption();
  void StepLevel(int32_t delta) { performanceLevel_ = Constrain(performanceLevel_ + delta, 0, 2); }
  void ScheduleCheck(uint32_t delta);

  TRect bufferBounds_;
  TMicroTiles invalidTiles_;
  TMicroTiles forcedInvalidTiles_;
  TMicroTiles tempTiles_;
  TMicroTiles* workingTiles_ = nullptr;
  TMicroTilesMap oldInvalidTilesMap_;
  TList invalidLayers_;
  bool workingTilesValid_ = false;
  bool oldInvalidTilesValid_ = false;
  bool useInvalidTiles_ = false;

  bool adaptiveMode_ = true;
  int32_t performanceLevel_ = 0;
  TPerfTimer perfTimer_;
  int64_t elapsedTimeForLastRepaint_ = 0;
  int64_t elapsedTimeForFullSceneRepaint_ = 0;
  int64_t timeAtPenalty_ = 0;
  bool adaptionFailed_ = false;
  bool timedCheck_ = false;
  uint32_t timeDelta_ = 0;
  uint32_t nextCheck_ = 0;
  int32_t oldInvalidRectsCount_ = 0;
};

}  // namespace imaging
