#include "imaging/Bitmap32_Persistent.h"

#include "classlib/graphics/Graphic.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/WinApi.h"
#include "classlib/windowing/Control.h"

namespace imaging {

void TNotifiablePersistent::Changed() {
  if (updateCount_ == 0 && OnChange) OnChange(this);
}

void TNotifiablePersistent::BeginUpdate() { ++updateCount_; }

void TNotifiablePersistent::EndUpdate() {
  Assert(updateCount_ > 0, "Unpaired TThreadPersistent.EndUpdate");
  --updateCount_;
}

void TThreadPersistent::Lock() {
  InterlockedIncrement(&lockCount_);
  lock_.Enter();
}

void TThreadPersistent::Unlock() {
  lock_.Leave();
  InterlockedDecrement(&lockCount_);
}

int32_t TThreadPersistent::LockCount() const { return static_cast<int32_t>(lockCount_); }

bool TCustomMap::SetSize(int32_t newWidth, int32_t newHeight) {
  if (newWidth < 0) newWidth = 0;
  if (newHeight < 0) newHeight = 0;
  if (newWidth == width_ && newHeight == height_) return false;
  ChangeSize(width_, height_, newWidth, newHeight);
  Changed();
  Resized();
  return true;
}

void TCustomMap::SetSizeFrom(TPersistent* source) {
  if (source == nullptr) {
    SetSize(0, 0);
  } else if (auto* map = dynamic_cast<TCustomMap*>(source)) {
    SetSize(map->Width(), map->Height());
  } else if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
    SetSize(graphic->Width(), graphic->Height());
  } else if (auto* control = dynamic_cast<TControl*>(source)) {
    SetSize(control->Width(), control->Height());
  } else {
    SizeSourceError(source);
  }
}

void TCustomMap::SizeSourceError(TPersistent* source) {
  throw Exception(AnsiString("Can't set size from '") + source->ClassName() + "'");
}

void TCustomMap::Resized() {
  if (OnResize) OnResize(this);
}

void TCustomMap::ChangeSize(int32_t& width, int32_t& height, int32_t newWidth, int32_t newHeight) {
  width = newWidth;
  height = newHeight;
}

}  // namespace imaging
