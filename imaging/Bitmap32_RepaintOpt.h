#pragma once
// The contract between a double-buffered view and its repaint optimiser, which decides
// which rectangles of the back buffer must be redrawn, and InflateArea.
#include <cstdint>

#include "classlib/runtime/Lists.h"
#include "imaging/Bitmap32.h"
#include "imaging/Bitmap32_Containers.h"
#include "imaging/Bitmap32_Layers.h"

namespace imaging {

// Grows a rectangle by dx and dy on every side; a reversed side grows outward too.
void InflateArea(TRect& area, int32_t dx, int32_t dy);

class TCustomRepaintOptimizer : public TObject {
  CLASSLIB_CLASS(TCustomRepaintOptimizer, TObject)
 public:
  // `buffer` and `invalidRects` belong to the paint box.
  TCustomRepaintOptimizer(TBitmap32* buffer, TRectList* invalidRects);
  // Unregisters every collection.
  ~TCustomRepaintOptimizer() override;

  virtual bool GetEnabled() const { return enabled_; }
  virtual void SetEnabled(bool value) { enabled_ = value; }
  bool Enabled() const { return GetEnabled(); }

  // A registered collection reports its list changes to the optimiser.
  virtual void RegisterLayerCollection(TLayerCollection* layers);
  virtual void UnregisterLayerCollection(TLayerCollection* layers);

  virtual void BeginPaint() {}
  virtual void EndPaint() {}
  virtual void BeginPaintBuffer() {}
  virtual void EndPaintBuffer() {}

  virtual void Reset() = 0;
  virtual bool UpdatesAvailable() = 0;
  // Fills the invalid-rectangle list.
  virtual void PerformOptimization() = 0;
  virtual void AreaUpdateHandler(TObject* sender, const TRect& area, uint32_t info) = 0;
  virtual void LayerUpdateHandler(TObject* sender, TCustomLayer* layer) = 0;
  virtual void BufferResizedHandler(int32_t newWidth, int32_t newHeight) = 0;

 protected:
  virtual void LayerCollectionNotifyHandler(TLayerCollection* sender, TLayerListNotification action,
                                            TCustomLayer* layer, int32_t index) = 0;
  TList& LayerCollections() { return layerCollections_; }
  TLayerCollection* LayerCollection(int32_t index) const {
    return static_cast<TLayerCollection*>(layerCollections_.Items(index));
  }
  TRectList* InvalidRects() const { return invalidRects_; }
  TBitmap32* Buffer() const { return buffer_; }

 private:
  bool enabled_ = false;
  TList layerCollections_;
  TRectList* invalidRects_;
  TBitmap32* buffer_;
};

using TCustomRepaintOptimizerClass = TClass;

}  // namespace imaging
