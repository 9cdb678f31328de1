#include "imaging/Bitmap32_RepaintOpt.h"

namespace imaging {

void InflateArea(TRect& area, int32_t dx, int32_t dy) {
  if (area.Right < area.Left) dx = -dx;
  if (area.Bottom < area.Top) dy = -dy;
  area.Left -= dx;
  area.Top -= dy;
  area.Right += dx;
  area.Bottom += dy;
}

TCustomRepaintOptimizer::TCustomRepaintOptimizer(TBitmap32* buffer, TRectList* invalidRects)
    : invalidRects_(invalidRects), buffer_(buffer) {}

TCustomRepaintOptimizer::~TCustomRepaintOptimizer() {
  // Derived parts are gone here: only the base unregistration runs.
  while (layerCollections_.Count() > 0) TCustomRepaintOptimizer::UnregisterLayerCollection(LayerCollection(0));
}

void TCustomRepaintOptimizer::RegisterLayerCollection(TLayerCollection* layers) {
  if (layerCollections_.IndexOf(layers) >= 0) return;
  layerCollections_.Add(layers);
  layers->OnListNotify = TLayerListNotifyEvent(this, &TCustomRepaintOptimizer::LayerCollectionNotifyHandler);
}

void TCustomRepaintOptimizer::UnregisterLayerCollection(TLayerCollection* layers) {
  layers->OnListNotify = nullptr;
  layerCollections_.Remove(layers);
}

}  // namespace imaging
