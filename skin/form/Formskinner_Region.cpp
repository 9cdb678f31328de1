#include "skin/form/Formskinner_Region.h"

#include <utility>

TspRegionCalls& RegionCalls() {
  static TspRegionCalls calls;
  return calls;
}

TspRegion& TspRegion::operator=(TspRegion&& other) noexcept {
  if (this != &other) {
    TspRegion old(Release());
    handle_ = other.Release();
  }
  return *this;
}

TspRegion::~TspRegion() {
  if (handle_ != nullptr) RegionCalls().DeleteObject(handle_);
}

HRGN TspRegion::Release() { return std::exchange(handle_, nullptr); }

void TspRegion::Unite(TspRegion other) {
  if (!other) return;
  if (handle_ == nullptr) {
    handle_ = other.Release();
    return;
  }
  RegionCalls().CombineRgn(handle_, handle_, other.Handle(), RGN_OR);
}

bool TspRegion::HandTo(HWND window, bool redraw) {
  if (handle_ == nullptr) return false;
  if (RegionCalls().SetWindowRgn(window, handle_, redraw ? TRUE : FALSE) == 0) return false;
  handle_ = nullptr;
  return true;
}
