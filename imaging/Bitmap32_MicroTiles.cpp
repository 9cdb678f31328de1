#include "imaging/Bitmap32_MicroTiles.h"

#include <algorithm>
#include <cstdlib>

#include "imaging/Bitmap32_LowLevel.h"

namespace imaging {

namespace {

constexpr TRect EmptyUsed(const TMicroTiles& tiles) { return TRect{tiles.Columns, tiles.Rows, 0, 0}; }

void GrowUsed(TMicroTiles& tiles, int32_t left, int32_t top, int32_t right, int32_t bottom) {
  TRect& used = tiles.BoundsUsedTiles;
  used.Left = std::min(used.Left, left);
  used.Top = std::min(used.Top, top);
  used.Right = std::max(used.Right, right);
  used.Bottom = std::max(used.Bottom, bottom);
}

// Unites every tile of a rectangle's tile range with its own part of the rectangle;
// m* are the rectangle's edges within their tiles.
void AddRectParts(TMicroTiles& tiles, int32_t lt, int32_t tt, int32_t rt, int32_t bt, int32_t ml, int32_t mt, int32_t mr,
                  int32_t mb) {
  for (int32_t row = tt; row <= bt; ++row) {
    const int32_t top = row == tt ? mt : 0;
    const int32_t bottom = row == bt ? mb : MICROTILE_SIZE;
    for (int32_t col = lt; col <= rt; ++col) {
      const int32_t left = col == lt ? ml : 0;
      const int32_t right = col == rt ? mr : MICROTILE_SIZE;
      TMicroTile& tile = tiles.At(col, row);
      if (row != tt && row != bt && col != lt && col != rt) tile = MICROTILE_FULL;
      else MicroTileUnion(tile, MakeMicroTile(left, top, right, bottom));
    }
  }
}

}  // namespace

void MicroTileUnion(TMicroTile& dst, TMicroTile src) {
  if (dst == MICROTILE_FULL || src == MICROTILE_EMPTY || MicroTileWidth(src) == 0 || MicroTileHeight(src) == 0) return;
  if (dst == MICROTILE_EMPTY || src == MICROTILE_FULL) {
    dst = src;
    return;
  }
  dst = MakeMicroTile(std::min(MicroTileLeft(dst), MicroTileLeft(src)), std::min(MicroTileTop(dst), MicroTileTop(src)),
                      std::max(MicroTileRight(dst), MicroTileRight(src)),
                      std::max(MicroTileBottom(dst), MicroTileBottom(src)));
}

TMicroTiles MakeEmptyMicroTiles() { return TMicroTiles{}; }

void MicroTilesCreate(TMicroTiles& tiles) { tiles = TMicroTiles{}; }

void MicroTilesDestroy(TMicroTiles& tiles) {
  tiles.Tiles.clear();
  tiles.Tiles.shrink_to_fit();
  tiles.Count = 0;
}

void MicroTilesSetSize(TMicroTiles& tiles, const TRect& dstRect) {
  tiles.BoundsRect = dstRect;
  tiles.Columns = ((dstRect.Right - dstRect.Left) >> MICROTILE_SHIFT) + 1;
  tiles.Rows = ((dstRect.Bottom - dstRect.Top) >> MICROTILE_SHIFT) + 1;
  tiles.Count = (tiles.Columns + 1) * (tiles.Rows + 1);
  tiles.Tiles.resize(static_cast<size_t>(tiles.Count));
  MicroTilesClear(tiles);
}

void MicroTilesClear(TMicroTiles& tiles, TMicroTile value) {
  tiles.BoundsUsedTiles = EmptyUsed(tiles);
  std::fill(tiles.Tiles.begin(), tiles.Tiles.end(), value);
}

void MicroTilesClearUsed(TMicroTiles& tiles, TMicroTile value) {
  const TRect used = tiles.BoundsUsedTiles;
  for (int32_t row = used.Top; row <= used.Bottom; ++row) {
    for (int32_t col = used.Left; col <= used.Right; ++col) tiles.At(col, row) = value;
  }
  tiles.BoundsUsedTiles = EmptyUsed(tiles);
}

void MicroTilesCopy(TMicroTiles& dst, const TMicroTiles& src) {
  if (dst.Count > 0) MicroTilesClearUsed(dst);
  dst.BoundsRect = src.BoundsRect;
  dst.Columns = src.Columns;
  dst.Rows = src.Rows;
  dst.BoundsUsedTiles = src.BoundsUsedTiles;
  dst.Tiles.resize(static_cast<size_t>(src.Count), MICROTILE_EMPTY);
  dst.Count = src.Count;
  const TRect used = src.BoundsUsedTiles;
  for (int32_t row = used.Top; row <= used.Bottom; ++row) {
    const size_t first = static_cast<size_t>(row * src.Columns + used.Left);
    std::copy_n(src.Tiles.begin() + static_cast<ptrdiff_t>(first), used.Right - used.Left + 1,
                dst.Tiles.begin() + static_cast<ptrdiff_t>(first));
  }
}

void MicroTilesAddRect(TMicroTiles& tiles, TRect rect, bool roundToWholeTiles) {
  if (tiles.Count == 0) return;
  if (rect.Right < rect.Left) std::swap(rect.Left, rect.Right);
  if (rect.Bottom < rect.Top) std::swap(rect.Top, rect.Bottom);
  rect.Left = std::max(rect.Left, 0);
  rect.Top = std::max(rect.Top, 0);
  rect.Right = std::min(rect.Right, tiles.Columns << MICROTILE_SHIFT);
  rect.Bottom = std::min(rect.Bottom, tiles.Rows << MICROTILE_SHIFT);
  if (rect.Left > rect.Right || rect.Top > rect.Bottom) return;
  const int32_t lt = rect.Left >> MICROTILE_SHIFT, tt = rect.Top >> MICROTILE_SHIFT;
  const int32_t rt = rect.Right >> MICROTILE_SHIFT, bt = rect.Bottom >> MICROTILE_SHIFT;
  if (roundToWholeTiles) {
    for (int32_t row = tt; row <= bt; ++row) {
      for (int32_t col = lt; col <= rt; ++col) tiles.At(col, row) = MICROTILE_FULL;
    }
  } else {
    constexpr int32_t mask = MICROTILE_SIZE - 1;
    AddRectParts(tiles, lt, tt, rt, bt, rect.Left & mask, rect.Top & mask, rect.Right & mask, rect.Bottom & mask);
  }
  GrowUsed(tiles, lt, tt, rt, bt);
}

void MicroTilesAddLine(TMicroTiles& tiles, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t lineWidth,
                       bool roundToWholeTiles) {
  lineWidth *= 2;
  if (x2 == x1 || y2 == y1) {
    TRect r{x1, y1, x2, y2};
    InflateArea(r, lineWidth, lineWidth);
    MicroTilesAddRect(tiles, r, roundToWholeTiles);
    return;
  }
  const int32_t sx = x2 > x1 ? 1 : -1;
  const int32_t sy = y2 > y1 ? 1 : -1;
  const TFixed dx = std::abs(x2 - x1) << 16;
  const TFixed dy = std::abs(y2 - y1) << 16;
  const bool xMajor = dx > dy;
  const TFixed major = xMajor ? dx : dy;
  const TFixed minorStep = FixedDiv(xMajor ? dy : dx, major / MICROTILE_SIZE);
  const TFixed majorStep = MICROTILE_SIZE << 16;
  const TFixed stepX = sx * (xMajor ? majorStep : minorStep);
  const TFixed stepY = sy * (xMajor ? minorStep : majorStep);
  const int32_t segments = FixedCeil(major / MICROTILE_SIZE);
  TFixed px = x1 << 16, py = y1 << 16;
  for (int32_t i = 0; i < segments; ++i) {
    TRect r = MakeRect(TFixedRect{px, py, px + stepX, py + stepY}, rrClosest);
    InflateArea(r, lineWidth, lineWidth);
    MicroTilesAddRect(tiles, r, roundToWholeTiles);
    px += stepX;
    py += stepY;
  }
}

void MicroTilesUnion(TMicroTiles& dst, const TMicroTiles& src, bool roundToWholeTiles) {
  if (src.Count == 0) return;
  const TRect used = src.BoundsUsedTiles;
  for (int32_t row = used.Top; row <= used.Bottom; ++row) {
    for (int32_t col = used.Left; col <= used.Right; ++col) {
      const TMicroTile s = src.Tiles[static_cast<size_t>(row * src.Columns + col)];
      TMicroTile& d = dst.At(col, row);
      if (!roundToWholeTiles) MicroTileUnion(d, s);
      else if (s != MICROTILE_EMPTY && MicroTileWidth(s) != 0 && MicroTileHeight(s) != 0) d = MICROTILE_FULL;
    }
  }
  GrowUsed(dst, used.Left, used.Top, used.Right, used.Bottom);
}

int32_t MicroTilesCalcRects(const TMicroTiles& tiles, TRectList* dstRects, bool countOnly, bool roundToWholeTiles) {
  return MicroTilesCalcRects(tiles, dstRects, tiles.BoundsRect, countOnly, roundToWholeTiles);
}

int32_t MicroTilesCalcRects(const TMicroTiles& tiles, TRectList* dstRects, const TRect& clip, bool countOnly,
                            bool roundToWholeTiles) {
  if (tiles.Count == 0 || tiles.UsedEmpty()) return 0;
  const TRect used = tiles.BoundsUsedTiles;
  auto tile = [&tiles](int32_t col, int32_t row) { return tiles.Tiles[static_cast<size_t>(row * tiles.Columns + col)]; };
  auto clampX = [&clip](int32_t x) { return Constrain(x, clip.Left, clip.Right); };
  auto clampY = [&clip](int32_t y) { return Constrain(y, clip.Top, clip.Bottom); };
  std::vector<TRect> rects;
  // Per tile: the rectangle that the tile directly above it ended, or -1.
  std::vector<int32_t> mergeAbove(static_cast<size_t>(tiles.Count), -1);
  for (int32_t row = used.Top; row <= used.Bottom; ++row) {
    int32_t col = used.Left;
    while (col <= used.Right) {
      const TMicroTile first = tile(col, row);
      if (first == MICROTILE_EMPTY) {
        ++col;
        continue;
      }
      const int32_t start = col;
      int32_t top, bottom, left, right;
      if (roundToWholeTiles) {
        top = clampY(row << MICROTILE_SHIFT);
        bottom = clampY((row << MICROTILE_SHIFT) + MICROTILE_SIZE);
        left = clampX(col << MICROTILE_SHIFT);
        while (col + 1 <= used.Right && tile(col + 1, row) != MICROTILE_EMPTY) ++col;
        right = clampX((col << MICROTILE_SHIFT) + MICROTILE_SIZE);
      } else {
        top = clampY((row << MICROTILE_SHIFT) + MicroTileTop(first));
        bottom = clampY((row << MICROTILE_SHIFT) + MicroTileBottom(first));
        left = clampX((col << MICROTILE_SHIFT) + MicroTileLeft(first));
        if (MicroTileRight(first) == MICROTILE_SIZE) {
          while (col + 1 <= used.Right) {
            const TMicroTile next = tile(col + 1, row);
            if (MicroTileTop(next) != MicroTileTop(first) || MicroTileBottom(next) != MicroTileBottom(first) ||
                MicroTileLeft(next) != 0) {
              break;
            }
            ++col;
          }
        }
        right = clampX((col << MICROTILE_SHIFT) + MicroTileRight(tile(col, row)));
      }
      const size_t above = static_cast<size_t>(row * tiles.Columns + start);
      int32_t index = mergeAbove[above];
      if (index >= 0 && rects[index].Left == left && rects[index].Right == right && rects[index].Bottom == top) {
        rects[index].Bottom = bottom;
      } else {
        index = static_cast<int32_t>(rects.size());
        rects.push_back(TRect{left, top, right, bottom});
      }
      if (row < used.Bottom) mergeAbove[above + static_cast<size_t>(tiles.Columns)] = index;
      ++col;
    }
  }
  if (!countOnly) {
    for (const TRect& r : rects) dstRects->Add(r);
  }
  return static_cast<int32_t>(rects.size());
}

int32_t MicroTilesCountEmptyTiles(const TMicroTiles& tiles) {
  if (tiles.Count == 0) return 0;
  const auto end = tiles.Tiles.begin() + static_cast<ptrdiff_t>(tiles.Columns) * tiles.Rows;
  return static_cast<int32_t>(std::count(tiles.Tiles.begin(), end, MICROTILE_EMPTY));
}

// --- TMicroTilesMap -----------------------------------------------------------------------

TMicroTilesMap::~TMicroTilesMap() { Clear(); }

TMicroTiles* TMicroTilesMap::Add(void* item) {
  bool isNew = false;
  void** slot = TPointerMap::Add(item, isNew);
  if (isNew) *slot = new TMicroTiles;
  return static_cast<TMicroTiles*>(*slot);
}

void* TMicroTilesMap::Delete(int32_t bucketIndex, int32_t itemIndex) {
  delete static_cast<TMicroTiles*>(TPointerMap::Delete(bucketIndex, itemIndex));
  return nullptr;
}

// --- TMicroTilesRepaintOptimizer ----------------------------------------------------------

TMicroTilesRepaintOptimizer::TMicroTilesRepaintOptimizer(TBitmap32* buffer, TRectList* invalidRects)
    : TCustomRepaintOptimizer(buffer, invalidRects) {}

TMicroTilesRepaintOptimizer::~TMicroTilesRepaintOptimizer() {
  while (LayerCollections().Count() > 0) UnregisterLayerCollection(LayerCollection(0));
}

void TMicroTilesRepaintOptimizer::BindEvents(TLayerCollection* layers) {
  layers->OnLayerUpdated = TLayerUpdateEvent(this, &TMicroTilesRepaintOptimizer::LayerUpdateHandler);
  layers->OnAreaUpdated = TAreaChangedEvent(this, &TMicroTilesRepaintOptimizer::AreaUpdateHandler);
  layers->OnListNotify = TLayerListNotifyEvent(this, &TMicroTilesRepaintOptimizer::LayerCollectionNotifyHandler);
}

void TMicroTilesRepaintOptimizer::UnbindEvents(TLayerCollection* layers) {
  layers->OnLayerUpdated = nullptr;
  layers->OnAreaUpdated = nullptr;
  layers->OnListNotify = nullptr;
}

void TMicroTilesRepaintOptimizer::RegisterLayerCollection(TLayerCollection* layers) {
  TCustomRepaintOptimizer::RegisterLayerCollection(layers);
  if (Enabled()) BindEvents(layers);
}

void TMicroTilesRepaintOptimizer::UnregisterLayerCollection(TLayerCollection* layers) {
  UnbindEvents(layers);
  TCustomRepaintOptimizer::UnregisterLayerCollection(layers);
}

void TMicroTilesRepaintOptimizer::SetEnabled(bool value) {
  if (value == Enabled()) return;
  if (value) {
    for (int32_t i = 0; i < LayerCollections().Count(); ++i) BindEvents(LayerCollection(i));
    BufferResizedHandler(Buffer()->Width(), Buffer()->Height());
  } else {
    for (int32_t i = 0; i < LayerCollections().Count(); ++i) UnbindEvents(LayerCollection(i));
    MicroTilesDestroy(invalidTiles_);
    MicroTilesDestroy(forcedInvalidTiles_);
    MicroTilesDestroy(tempTiles_);
    workingTilesValid_ = false;
    useInvalidTiles_ = false;
    oldInvalidTilesValid_ = false;
    oldInvalidTilesMap_.Clear();
    invalidLayers_.Clear();
  }
  TCustomRepaintOptimizer::SetEnabled(value);
}

void TMicroTilesRepaintOptimizer::BufferResizedHandler(int32_t newWidth, int32_t newHeight) {
  bufferBounds_ = TRect{0, 0, newWidth, newHeight};
  Reset();
}

void TMicroTilesRepaintOptimizer::Reset() {
  workingTilesValid_ = false;
  oldInvalidTilesValid_ = false;
  UpdateOldInvalidTiles();
  MicroTilesClear(forcedInvalidTiles_, MICROTILE_FULL);
  forcedInvalidTiles_.BoundsUsedTiles = TRect{0, 0, forcedInvalidTiles_.Columns, forcedInvalidTiles_.Rows};
  useInvalidTiles_ = true;
}

void TMicroTilesRepaintOptimizer::ValidateWorkingTiles() {
  if (workingTilesValid_) return;
  MicroTilesSetSize(tempTiles_, bufferBounds_);
  MicroTilesSetSize(invalidTiles_, bufferBounds_);
  MicroTilesSetSize(forcedInvalidTiles_, bufferBounds_);
  workingTilesValid_ = true;
}

void TMicroTilesRepaintOptimizer::UpdateOldInvalidTiles() {
  if (oldInvalidTilesValid_) return;
  ValidateWorkingTiles();
  for (int32_t i = 0; i < LayerCollections().Count(); ++i) {
    TLayerCollection* layers = LayerCollection(i);
    for (int32_t j = 0; j < layers->Count(); ++j) {
      TCustomLayer* layer = layers->Items(j);
      TMicroTiles* tiles = NewLayerTiles(layer);
      DrawLayerToMicroTiles(*tiles, layer);
      layer->SetInvalid(false);
    }
  }
  invalidLayers_.Clear();
  oldInvalidTilesValid_ = true;
  useInvalidTiles_ = false;
}

TMicroTiles* TMicroTilesRepaintOptimizer::NewLayerTiles(TCustomLayer* layer) {
  TMicroTiles* tiles = oldInvalidTilesMap_.Add(layer);
  MicroTilesSetSize(*tiles, bufferBounds_);
  return tiles;
}

namespace {

// Keeps a bitmap in measuring mode for a scope.
class TMeasuringScope {
 public:
  TMeasuringScope(TBitmap32* bitmap, const TAreaChangedEvent& handler) : bitmap_(bitmap) {
    bitmap_->BeginMeasuring(handler);
  }
  ~TMeasuringScope() { bitmap_->EndMeasuring(); }
  TMeasuringScope(const TMeasuringScope&) = delete;
  TMeasuringScope& operator=(const TMeasuringScope&) = delete;

 private:
  TBitmap32* bitmap_;
};

}  // namespace

void TMicroTilesRepaintOptimizer::DrawLayerToMicroTiles(TMicroTiles& tiles, TCustomLayer* layer) {
  TMeasuringScope scope(Buffer(), TAreaChangedEvent(this, &TMicroTilesRepaintOptimizer::DrawMeasuringHandler));
  workingTiles_ = &tiles;
  layer->DoPaint(Buffer());
}

void TMicroTilesRepaintOptimizer::DrawMeasuringHandler(TObject*, const TRect& area, uint32_t info) {
  AddArea(*workingTiles_, area, info);
}

void TMicroTilesRepaintOptimizer::AddArea(TMicroTiles& tiles, const TRect& area, uint32_t info) {
  const bool whole = performanceLevel_ > 0;
  if ((info & AREA_KIND_LINE) == 0) {
    MicroTilesAddRect(tiles, area, whole);
    return;
  }
  const auto lineWidth = static_cast<int32_t>(info & 0x00FFFFFF);
  TRect r = area;
  InflateArea(r, lineWidth, lineWidth);
  MicroTilesAddLine(tiles, r.Left, r.Top, r.Right, r.Bottom, lineWidth, whole);
}

void TMicroTilesRepaintOptimizer::AreaUpdateHandler(TObject*, const TRect& area, uint32_t info) {
  ValidateWorkingTiles();
  AddArea(forcedInvalidTiles_, area, info);
  useInvalidTiles_ = true;
}

void TMicroTilesRepaintOptimizer::LayerUpdateHandler(TObject*, TCustomLayer* layer) {
  if (!oldInvalidTilesValid_ || layer->Invalid()) return;
  invalidLayers_.Add(layer);
  layer->SetInvalid(true);
  useInvalidTiles_ = true;
}

void TMicroTilesRepaintOptimizer::InvalidateOldArea(TCustomLayer* layer) {
  void** data = nullptr;
  // A layer the optimiser never measured has no old area to repaint.
  if (!oldInvalidTilesMap_.Find(layer, data)) return;
  ValidateWorkingTiles();
  MicroTilesUnion(invalidTiles_, *static_cast<TMicroTiles*>(*data));
  useInvalidTiles_ = true;
}

void TMicroTilesRepaintOptimizer::LayerCollectionNotifyHandler(TLayerCollection*, TLayerListNotification action,
                                                               TCustomLayer* layer, int32_t) {
  switch (action) {
    case lnLayerAdded:
    case lnLayerInserted:
      NewLayerTiles(layer);
      oldInvalidTilesValid_ = true;
      break;
    case lnLayerDeleted:
      if (oldInvalidTilesValid_) InvalidateOldArea(layer);
      invalidLayers_.Remove(layer);
      oldInvalidTilesMap_.Remove(layer);
      break;
    case lnCleared:
      if (oldInvalidTilesValid_) {
        TPointerMapIterator it(&oldInvalidTilesMap_);
        while (it.Next()) InvalidateOldArea(static_cast<TCustomLayer*>(it.CurrentKey()));
        ResetAdaptiveMode();
      }
      oldInvalidTilesMap_.Clear();
      oldInvalidTilesValid_ = true;
      break;
  }
}

bool TMicroTilesRepaintOptimizer::UpdatesAvailable() {
  UpdateOldInvalidTiles();
  return useInvalidTiles_;
}

void TMicroTilesRepaintOptimizer::PerformOptimization() {
  if (useInvalidTiles_) {
    ValidateWorkingTiles();
    const bool whole = performanceLevel_ > 0;
    for (int32_t i = 0; i < invalidLayers_.Count(); ++i) {
      auto* layer = static_cast<TCustomLayer*>(invalidLayers_.Items(i));
      MicroTilesClearUsed(tempTiles_);
      DrawLayerToMicroTiles(tempTiles_, layer);
      MicroTilesUnion(invalidTiles_, tempTiles_, whole);
      TMicroTiles* old = oldInvalidTilesMap_.Add(layer);
      MicroTilesUnion(invalidTiles_, *old, whole);
      MicroTilesCopy(*old, tempTiles_);
      layer->SetInvalid(false);
    }
    invalidLayers_.Clear();
    MicroTilesCalcRects(invalidTiles_, InvalidRects(), false, whole);
    MicroTilesCalcRects(forcedInvalidTiles_, InvalidRects(), false, whole);
  }
  BeginAdaption();
  MicroTilesClearUsed(invalidTiles_);
  MicroTilesClearUsed(forcedInvalidTiles_);
}

void TMicroTilesRepaintOptimizer::BeginPaintBuffer() {
  if (adaptiveMode_) perfTimer_.Start();
}

void TMicroTilesRepaintOptimizer::EndPaintBuffer() {
  useInvalidTiles_ = false;
  EndAdaption();
}

void TMicroTilesRepaintOptimizer::ScheduleCheck(uint32_t delta) {
  timeDelta_ = delta;
  nextCheck_ = GetTickCount() + delta;
}

void TMicroTilesRepaintOptimizer::BeginAdaption() {
  if (!adaptiveMode_ || performanceLevel_ == 0) return;
  if (GetTickCount() > nextCheck_) {
    StepLevel(-1);
    timedCheck_ = true;
  } else if (!adaptionFailed_ && InvalidRects()->Count() < oldInvalidRectsCount_ - 10) {
    StepLevel(-1);
  } else if (performanceLevel_ == 2) {
    InvalidRects()->Clear();
  }
}

void TMicroTilesRepaintOptimizer::EndAdaption() {
  const int64_t elapsed = perfTimer_.ReadValue();
  auto delta = [this](int32_t change) {
    return static_cast<uint32_t>(Constrain(static_cast<int32_t>(timeDelta_) + change, 1000, 5000));
  };
  if (InvalidRects()->Count() == 0) {
    elapsedTimeForFullSceneRepaint_ = elapsed;
  } else if (adaptiveMode_) {
    if (elapsed > elapsedTimeForFullSceneRepaint_) {
      const int32_t level = Constrain(performanceLevel_ + 1, 0, 2);
      if (level != performanceLevel_) {
        oldInvalidRectsCount_ = InvalidRects()->Count();
        performanceLevel_ = level;
        if (timedCheck_) {
          ScheduleCheck(delta(250));
          timeAtPenalty_ = elapsed;
          timedCheck_ = false;
        }
        adaptionFailed_ = true;
      }
    } else if (elapsed < elapsedTimeForFullSceneRepaint_) {
      if (timedCheck_) {
        ScheduleCheck(1000);
        timedCheck_ = false;
      } else if (timeDelta_ > 1000) {
        ScheduleCheck(delta(-1000));
      }
      adaptionFailed_ = false;
    } else if (elapsed < timeAtPenalty_ && timedCheck_) {
      ScheduleCheck(delta(-250));
      timedCheck_ = false;
    }
  }
  elapsedTimeForLastRepaint_ = elapsed;
}

void TMicroTilesRepaintOptimizer::ResetAdaptiveMode() {
  timeDelta_ = 1000;
  adaptionFailed_ = false;
  performanceLevel_ = 0;
}

void TMicroTilesRepaintOptimizer::SetAdaptiveMode(bool value) {
  if (value == adaptiveMode_) return;
  adaptiveMode_ = value;
  ResetAdaptiveMode();
}

}  // namespace imaging
