#include "imaging/Bitmap32_Layers.h"

#include <cmath>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/SysUtils.h"
#include "classlib/runtime/UpdateScope.h"
#include "classlib/windowing/Screen.h"
#include "imaging/Bitmap32_Image.h"
#include "imaging/Bitmap32_RepaintOpt.h"
#include "imaging/Bitmap32_Resamplers.h"

namespace imaging {

namespace {

TLayerState StateOf(TMouseButton button) {
  switch (button) {
    case mbRight: return lsMouseRight;
    case mbMiddle: return lsMouseMiddle;
    default: return lsMouseLeft;
  }
}

constexpr TLayerStates kButtonStates{lsMouseLeft, lsMouseRight, lsMouseMiddle};

void SetScreenCursor(TCursor cursor) {
  if (Screen != nullptr) Screen->SetCursor(cursor);
}

// The nearest integer, halves to the even neighbour.
int32_t RoundEven(float value) { return static_cast<int32_t>(std::nearbyint(value)); }

}  // namespace

// --- TLayerCollection ---------------------------------------------------------------------

TLayerCollection::TLayerCollection(TPersistent* owner) : owner_(owner) {}

TLayerCollection::~TLayerCollection() {
  updateCount_ = 1;
  Clear();
}

TCustomLayer* TLayerCollection::Add(TLayerClass layerClass) {
  auto* layer = static_cast<TCustomLayer*>(layerClass->Create(this));
  layer->SetIndex(Count() - 1);
  Notify(lnLayerAdded, layer, layer->Index());
  return layer;
}

TCustomLayer* TLayerCollection::Insert(int32_t index, TLayerClass layerClass) {
  TUpdateScope<TLayerCollection> scope(this);
  TCustomLayer* layer = Add(layerClass);
  layer->SetIndex(index);
  Notify(lnLayerInserted, layer, index);
  return layer;
}

void TLayerCollection::Delete(int32_t index) { delete Items(index); }

void TLayerCollection::Clear() {
  {
    TUpdateScope<TLayerCollection> scope(this);
    while (Count() > 0) delete Items(Count() - 1);
  }
  Notify(lnCleared, nullptr, 0);
}

void TLayerCollection::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TLayerCollection*>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  TUpdateScope<TLayerCollection> scope(this);
  while (Count() > 0) delete Items(Count() - 1);
  for (int32_t i = 0; i < other->Count(); ++i) {
    TCustomLayer* from = other->Items(i);
    Add(from->ClassType())->Assign(from);
  }
}

void TLayerCollection::SetItems(int32_t index, TCustomLayer* layer) { Items(index)->Assign(layer); }

void TLayerCollection::BeginUpdate() {
  if (updateCount_ == 0) Changing();
  ++updateCount_;
}

void TLayerCollection::EndUpdate() {
  --updateCount_;
  if (updateCount_ == 0) Changed();
  if (updateCount_ < 0) throw EAssertionFailed("Unpaired EndUpdate", "Bitmap32_Layers", __LINE__);
}

void TLayerCollection::GDIUpdate() {
  if (updateCount_ == 0) OnGDIUpdate(this);
}

void TLayerCollection::DoUpdateArea(const TRect& area) {
  OnAreaUpdated(this, area, AREA_KIND_RECT);
  Changed();
}

void TLayerCollection::DoUpdateLayer(TCustomLayer* layer) {
  OnLayerUpdated(this, layer);
  Changed();
}

void TLayerCollection::GetViewportScale(float& x, float& y) {
  if (OnGetViewportScale) {
    OnGetViewportScale(this, x, y);
  } else {
    x = 1;
    y = 1;
  }
}

void TLayerCollection::GetViewportShift(float& x, float& y) {
  if (OnGetViewportShift) {
    OnGetViewportShift(this, x, y);
  } else {
    x = 0;
    y = 0;
  }
}

TFloatPoint TLayerCollection::LocalToViewport(const TFloatPoint& p, bool scaled) {
  if (!scaled) return p;
  float sx = 1, sy = 1, dx = 0, dy = 0;
  GetViewportScale(sx, sy);
  GetViewportShift(dx, dy);
  return TFloatPoint{p.X * sx + dx, p.Y * sy + dy};
}

TFloatPoint TLayerCollection::ViewportToLocal(const TFloatPoint& p, bool scaled) {
  if (!scaled) return p;
  float sx = 1, sy = 1, dx = 0, dy = 0;
  GetViewportScale(sx, sy);
  GetViewportShift(dx, dy);
  return TFloatPoint{(p.X - dx) / sx, (p.Y - dy) / sy};
}

TCustomLayer* TLayerCollection::FindLayerAtPos(int32_t x, int32_t y, uint32_t optionMask) {
  for (int32_t i = Count() - 1; i >= 0; --i) {
    TCustomLayer* layer = Items(i);
    if ((layer->LayerOptions() & optionMask) != 0 && layer->HitTest(x, y)) return layer;
  }
  return nullptr;
}

TCustomLayer* TLayerCollection::ListenerOr(int32_t x, int32_t y) {
  return mouseListener_ != nullptr ? mouseListener_ : FindLayerAtPos(x, y, LOB_MOUSE_EVENTS);
}

TCustomLayer* TLayerCollection::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  TCustomLayer* layer = ListenerOr(x, y);
  if (layer != mouseListener_ && (layer == nullptr || (layer->LayerOptions() & LOB_NO_CAPTURE) == 0)) {
    SetMouseListener(layer);
  }
  if (mouseListener_ != nullptr) {
    mouseListener_->LayerStates().Include(StateOf(button));
    mouseListener_->MouseDown(button, shift, x, y);
  }
  return layer;
}

TCustomLayer* TLayerCollection::MouseMove(TShiftState shift, int32_t x, int32_t y) {
  TCustomLayer* layer = ListenerOr(x, y);
  if (layer != nullptr) {
    layer->MouseMove(shift, x, y);
  } else if (auto* control = dynamic_cast<TControl*>(owner_)) {
    SetScreenCursor(control->Cursor());
  }
  return layer;
}

TCustomLayer* TLayerCollection::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  TCustomLayer* layer = ListenerOr(x, y);
  if (layer != nullptr) {
    layer->LayerStates().Exclude(StateOf(button));
    layer->MouseUp(button, shift, x, y);
  }
  if (mouseListener_ != nullptr && (mouseListener_->LayerStates() * kButtonStates).Empty()) {
    SetMouseListener(nullptr);
  }
  return layer;
}

void TLayerCollection::SetMouseEvents(bool value) {
  mouseEvents_ = value;
  SetMouseListener(nullptr);
}

void TLayerCollection::SetMouseListener(TCustomLayer* layer) {
  if (layer == mouseListener_) return;
  if (mouseListener_ != nullptr) mouseListener_->LayerStates() = mouseListener_->LayerStates() - kButtonStates;
  mouseListener_ = layer;
}

void TLayerCollection::InsertItem(TCustomLayer* layer) {
  TUpdateScope<TLayerCollection> scope(this);
  int32_t index = items_.Add(layer);
  layer->SetLayerCollection(this);
  Notify(lnLayerAdded, layer, index);
}

void TLayerCollection::RemoveItem(TCustomLayer* layer) {
  TUpdateScope<TLayerCollection> scope(this);
  int32_t index = items_.IndexOf(layer);
  if (index < 0) return;
  if (mouseListener_ == layer) SetMouseListener(nullptr);
  items_.Delete(index);
  layer->SetLayerCollection(nullptr);
  Notify(lnLayerDeleted, layer, index);
}

void TLayerCollection::Notify(TLayerListNotification action, TCustomLayer* layer, int32_t index) {
  OnListNotify(this, action, layer, index);
}

// --- TCustomLayer -------------------------------------------------------------------------

TCustomLayer::TCustomLayer(TLayerCollection* collection) {
  SetLayerCollection(collection);
  options_ = LOB_VISIBLE;
}

TCustomLayer::~TCustomLayer() {
  OnDestroy(this);
  while (freeNotifies_ != nullptr && freeNotifies_->Count() > 0) {
    auto* watcher = static_cast<TCustomLayer*>(freeNotifies_->Last());
    freeNotifies_->Delete(freeNotifies_->Count() - 1);
    watcher->Notification(this);
  }
  FreeAndNil(freeNotifies_);
  SetLayerCollection(nullptr);
}

void TCustomLayer::SetIndex(int32_t value) {
  if (collection_ == nullptr) return;
  int32_t current = Index();
  int32_t last = collection_->Count() - 1;
  if (value < 0) value = 0;
  if (value > last) value = last;
  if (value == current) return;
  if (Visible()) {
    TUpdateScope<TLayerCollection> scope(collection_);
    collection_->MoveItem(current, value);
  } else {
    collection_->MoveItem(current, value);
  }
}

void TCustomLayer::SetVisible(bool value) {
  if (value) {
    SetLayerOptions(options_ | LOB_VISIBLE);
    return;
  }
  // A hidden layer still reports the change that hid it.
  options_ |= LOB_FORCE_UPDATE;
  SetLayerOptions(options_ & ~LOB_VISIBLE);
  options_ &= ~LOB_FORCE_UPDATE;
}

void TCustomLayer::SetMouseEvents(bool value) {
  SetLayerOptions(value ? options_ | LOB_MOUSE_EVENTS : options_ & ~LOB_MOUSE_EVENTS);
}

void TCustomLayer::SetLayerOptions(uint32_t value) {
  Changing();
  options_ = value;
  Changed();
}

void TCustomLayer::SetBit(uint32_t bit, bool value) {
  if (value) options_ |= bit;
  else options_ &= ~bit;
}

void TCustomLayer::SetLayerCollection(TLayerCollection* value) {
  if (value == collection_) return;
  if (collection_ != nullptr) {
    TLayerCollection* old = collection_;
    if (old->MouseListener() == this) old->SetMouseListener(nullptr);
    collection_ = nullptr;
    old->RemoveItem(this);
  }
  collection_ = value;
  if (value != nullptr && value->IndexOf(this) < 0) value->InsertItem(this);
}

void TCustomLayer::SetCursor(TCursor value) {
  if (value == cursor_) return;
  cursor_ = value;
  if (collection_ != nullptr && collection_->MouseListener() == this) SetScreenCursor(value);
}

bool TCustomLayer::HitTest(int32_t x, int32_t y) {
  bool passed = DoHitTest(x, y);
  OnHitTest(this, x, y, passed);
  return passed;
}

bool TCustomLayer::DoHitTest(int32_t, int32_t) { return true; }

void TCustomLayer::BringToFront() {
  if (collection_ != nullptr) SetIndex(collection_->Count());
}

void TCustomLayer::SendToBack() { SetIndex(0); }

void TCustomLayer::SetAsMouseListener() {
  if (collection_ != nullptr) collection_->SetMouseListener(this);
  SetScreenCursor(cursor_);
}

void TCustomLayer::AddNotification(TCustomLayer* layer) {
  if (freeNotifies_ == nullptr) freeNotifies_ = new TList;
  if (freeNotifies_->IndexOf(layer) < 0) freeNotifies_->Add(layer);
}

void TCustomLayer::RemoveNotification(TCustomLayer* layer) {
  if (freeNotifies_ == nullptr) return;
  freeNotifies_->Remove(layer);
  if (freeNotifies_->Count() == 0) FreeAndNil(freeNotifies_);
}

void TCustomLayer::Update() {
  if (collection_ != nullptr && (options_ & (LOB_VISIBLE | LOB_FORCE_UPDATE)) != 0) {
    collection_->DoUpdateLayer(this);
  }
}

void TCustomLayer::Update(const TRect& area) {
  if (collection_ != nullptr) collection_->DoUpdateArea(area);
}

void TCustomLayer::Changed() { ChangedWith(nullptr); }

void TCustomLayer::Changed(const TRect& area) { ChangedWith(&area); }

void TCustomLayer::ChangedWith(const TRect* area) {
  if (UpdateCount() > 0 || collection_ == nullptr || (options_ & LOB_NO_UPDATE) != 0) return;
  if (area != nullptr) Update(*area);
  else Update();
  if (Visible()) collection_->Changed();
  else if ((options_ & LOB_GDI_OVERLAY) != 0) collection_->GDIUpdate();
  TNotifiablePersistent::Changed();
}

void TCustomLayer::Changing() {
  if (UpdateCount() <= 0 && Visible() && collection_ != nullptr && (options_ & LOB_NO_UPDATE) == 0) {
    collection_->Changing();
  }
}

void TCustomLayer::DoPaint(TBitmap32* buffer) {
  Paint(buffer);
  OnPaint(this, buffer);
}

void TCustomLayer::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  OnMouseDown(this, button, shift, x, y);
}

void TCustomLayer::MouseMove(TShiftState shift, int32_t x, int32_t y) {
  SetScreenCursor(cursor_);
  OnMouseMove(this, shift, x, y);
}

void TCustomLayer::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  SetScreenCursor(crDefault);
  OnMouseUp(this, button, shift, x, y);
}

// --- TPositionedLayer ---------------------------------------------------------------------

TPositionedLayer::TPositionedLayer(TLayerCollection* collection) : TCustomLayer(collection) {
  InitOptions(LOB_VISIBLE | LOB_MOUSE_EVENTS);
}

void TPositionedLayer::SetLocation(const TFloatRect& value) {
  Changing();
  DoSetLocation(value);
  Changed();
}

void TPositionedLayer::SetScaled(bool value) {
  if (value == scaled_) return;
  Changing();
  scaled_ = value;
  Changed();
}

TFloatRect TPositionedLayer::GetAdjustedRect(const TFloatRect& r) {
  if (!scaled_ || LayerCollection() == nullptr) return r;
  float sx = 1, sy = 1, dx = 0, dy = 0;
  LayerCollection()->GetViewportScale(sx, sy);
  LayerCollection()->GetViewportShift(dx, dy);
  return TFloatRect{r.Left * sx + dx, r.Top * sy + dy, r.Right * sx + dx, r.Bottom * sy + dy};
}

bool TPositionedLayer::DoHitTest(int32_t x, int32_t y) {
  TFloatRect r = GetAdjustedLocation();
  auto fx = static_cast<float>(x);
  auto fy = static_cast<float>(y);
  return r.Left <= fx && fx < r.Right && r.Top <= fy && fy < r.Bottom;
}

// --- TBitmapLayer -------------------------------------------------------------------------

TBitmapLayer::TBitmapLayer(TLayerCollection* collection) : TPositionedLayer(collection), bitmap_(new TBitmap32) {
  bitmap_->OnAreaChanged = TAreaChangedEvent(this, &TBitmapLayer::BitmapAreaChanged);
}

TBitmapLayer::~TBitmapLayer() { delete bitmap_; }

void TBitmapLayer::SetCropped(bool value) {
  if (value == cropped_) return;
  cropped_ = value;
  Changed();
}

bool TBitmapLayer::DoHitTest(int32_t x, int32_t y) {
  if (!TPositionedLayer::DoHitTest(x, y)) return false;
  if (!AlphaHit) return true;
  TFloatRect r = GetAdjustedLocation();
  int32_t w = RoundEven(r.Right - r.Left);
  int32_t h = RoundEven(r.Bottom - r.Top);
  if (w < 1 || h < 1) return false;
  int32_t bx = RoundEven((static_cast<float>(x) - r.Left) * static_cast<float>(bitmap_->Width()) / static_cast<float>(w));
  int32_t by = RoundEven((static_cast<float>(y) - r.Top) * static_cast<float>(bitmap_->Height()) / static_cast<float>(h));
  return AlphaComponent(bitmap_->GetPixelS(bx, by)) != 0;
}

void TBitmapLayer::Paint(TBitmap32* buffer) {
  if (bitmap_->Empty()) return;
  TFloatRect location = GetAdjustedLocation();
  TRect dst = MakeRect(location, rrClosest);
  TRect clip = buffer->ClipRect();
  TRect visible;
  if (!IntersectRect(visible, dst, clip)) return;
  auto* view = LayerCollection() != nullptr ? dynamic_cast<TCustomImage32*>(LayerCollection()->Owner()) : nullptr;
  if (cropped_ && view != nullptr && !view->PaintingToBitmap()) {
    if (location.Right - location.Left < 0.5f || location.Bottom - location.Top < 0.5f) return;
    TRect bitmapRect = view->GetBitmapRect();
    IntersectRect(clip, clip, bitmapRect);
  }
  StretchTransfer(buffer, dst, clip, bitmap_, bitmap_->BoundsRect(), bitmap_->Resampler(), bitmap_->DrawMode(),
                  bitmap_->OnPixelCombine);
}

void TBitmapLayer::BitmapAreaChanged(TObject*, const TRect& area, uint32_t) {
  if (bitmap_->Empty() || LayerCollection() == nullptr || (LayerOptions() & LOB_NO_UPDATE) != 0) return;
  TFloatRect t = GetAdjustedLocation();
  float sx = (t.Right - t.Left) / static_cast<float>(bitmap_->Width());
  float sy = (t.Bottom - t.Top) / static_cast<float>(bitmap_->Height());
  TRect mapped{static_cast<int32_t>(std::floor(t.Left + static_cast<float>(area.Left) * sx)),
               static_cast<int32_t>(std::floor(t.Top + static_cast<float>(area.Top) * sy)),
               static_cast<int32_t>(std::ceil(t.Left + static_cast<float>(area.Right) * sx)),
               static_cast<int32_t>(std::ceil(t.Top + static_cast<float>(area.Bottom) * sy))};
  int32_t widen = static_cast<int32_t>(bitmap_->Resampler()->GetWidth()) + 1;
  InflateArea(mapped, widen, widen);
  Changed(mapped);
}

// --- TRubberbandLayer ---------------------------------------------------------------------

TRubberbandLayer::TRubberbandLayer(TLayerCollection* collection) : TPositionedLayer(collection) {}

TRubberbandLayer::~TRubberbandLayer() { SetChildLayer(nullptr); }

void TRubberbandLayer::SetChildLayer(TPositionedLayer* value) {
  if (child_ != nullptr) child_->RemoveNotification(this);
  child_ = value;
  if (value == nullptr) return;
  SetLocation(value->Location());
  SetScaled(value->Scaled());
  value->AddNotification(this);
}

void TRubberbandLayer::Notification(TCustomLayer* layer) {
  if (layer == child_) child_ = nullptr;
}

void TRubberbandLayer::SetLayerOptions(uint32_t value) { TPositionedLayer::SetLayerOptions(value & ~LOB_NO_UPDATE); }

void TRubberbandLayer::DoSetLocation(const TFloatRect& value) {
  TPositionedLayer::DoSetLocation(value);
  if (child_ != nullptr) child_->SetLocation(value);
}

TDragState TRubberbandLayer::GetDragState(int32_t x, int32_t y) {
  const int32_t d = handleSize_ + 1;
  TRect r = MakeRect(GetAdjustedLocation(), rrClosest);
  --r.Right;
  --r.Bottom;
  auto isNear = [d](int32_t edge, int32_t at) { return std::abs(edge - at) <= d; };
  const bool left = isNear(r.Left, x), right = isNear(r.Right, x), hCenter = isNear((r.Left + r.Right) / 2, x);
  const bool top = isNear(r.Top, y), bottom = isNear(r.Bottom, y), vCenter = isNear((r.Top + r.Bottom) / 2, y);
  const bool corners = handles_.Contains(rhCorners), sides = handles_.Contains(rhSides);
  auto allowed = [this](bool kind, TRBHandle not_) { return kind && !handles_.Contains(not_); };
  if (right && bottom && allowed(corners, rhNotBRCorner)) return dsSizeBR;
  if (left && bottom && allowed(corners, rhNotBLCorner)) return dsSizeBL;
  if (right && top && allowed(corners, rhNotTRCorner)) return dsSizeTR;
  if (left && top && allowed(corners, rhNotTLCorner)) return dsSizeTL;
  if (right && vCenter && allowed(sides, rhNotRightSide)) return dsSizeR;
  if (hCenter && bottom && allowed(sides, rhNotBottomSide)) return dsSizeB;
  if (left && vCenter && allowed(sides, rhNotLeftSide)) return dsSizeL;
  if (top && hCenter && allowed(sides, rhNotTopSide)) return dsSizeT;
  if (handles_.Contains(rhCenter) && PtInRect(r, TPoint{x, y})) return dsMove;
  return dsNone;
}

void TRubberbandLayer::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  if (dragging_) return;
  dragState_ = GetDragState(x, y);
  dragging_ = dragState_ != dsNone;
  if (dragging_) {
    oldLocation_ = Location();
    TFloatRect adjusted = GetAdjustedLocation();
    mouseShift_ = dragState_ == dsMove
                      ? TFloatPoint{static_cast<float>(x) - adjusted.Left, static_cast<float>(y) - adjusted.Top}
                      : TFloatPoint{0, 0};
  }
  TPositionedLayer::MouseDown(button, shift, x, y);
}

namespace {

TCursor CursorOf(TDragState state) {
  switch (state) {
    case dsSizeL:
    case dsSizeR: return crSizeWE;
    case dsSizeT:
    case dsSizeB: return crSizeNS;
    case dsSizeTL:
    case dsSizeBR: return crSizeNWSE;
    case dsSizeTR:
    case dsSizeBL: return crSizeNESW;
    default: return crDefault;
  }
}

// Moves the low edge of a span, keeping its length within [min, max] (no maximum when
// max < min).
void MoveLowEdge(float& lo, float hi, float delta, float min, float max) {
  lo += delta;
  if (hi - lo < min) lo = hi - min;
  if (max >= min && hi - lo > max) lo = hi - max;
}

void MoveHighEdge(float lo, float& hi, float delta, float min, float max) {
  hi += delta;
  if (hi - lo < min) hi = lo + min;
  if (max >= min && hi - lo > max) hi = lo + max;
}

}  // namespace

void TRubberbandLayer::MouseMove(TShiftState shift, int32_t x, int32_t y) {
  if (!dragging_) {
    dragState_ = GetDragState(x, y);
    SetScreenCursor(dragState_ == dsMove ? Cursor() : CursorOf(dragState_));
    return;
  }
  DragTo(shift, x, y);
}

void TRubberbandLayer::DragTo(TShiftState shift, int32_t x, int32_t y) {
  float mx = static_cast<float>(x) - mouseShift_.X;
  float my = static_cast<float>(y) - mouseShift_.Y;
  if (Scaled()) {
    TFloatRect r = GetAdjustedLocation();
    if (IsRectEmpty(r)) return;
    const TFloatRect& loc = Location();
    mx = loc.Left + (mx - r.Left) / (r.Right - r.Left) * (loc.Right - loc.Left);
    my = loc.Top + (my - r.Top) / (r.Bottom - r.Top) * (loc.Bottom - loc.Top);
  }
  TFloatRect n = oldLocation_;
  const float w = n.Right - n.Left;
  const float h = n.Bottom - n.Top;
  if (dragState_ == dsMove) {
    n = TFloatRect{mx, my, mx + w, my + h};
  } else {
    const TDragState s = dragState_;
    if (s == dsSizeL || s == dsSizeTL || s == dsSizeBL) MoveLowEdge(n.Left, n.Right, mx - oldLocation_.Left, MinWidth, MaxWidth);
    if (s == dsSizeR || s == dsSizeTR || s == dsSizeBR) MoveHighEdge(n.Left, n.Right, mx - oldLocation_.Right, MinWidth, MaxWidth);
    if (s == dsSizeT || s == dsSizeTL || s == dsSizeTR) MoveLowEdge(n.Top, n.Bottom, my - oldLocation_.Top, MinHeight, MaxHeight);
    if (s == dsSizeB || s == dsSizeBL || s == dsSizeBR) MoveHighEdge(n.Top, n.Bottom, my - oldLocation_.Bottom, MinHeight, MaxHeight);
  }
  DoResizing(oldLocation_, n, dragState_, shift);
  if (n == Location()) return;
  SetLocation(n);
  OnUserChange(this);
}

void TRubberbandLayer::DoResizing(const TFloatRect& oldLocation, TFloatRect& newLocation, TDragState dragState,
                                  TShiftState shift) {
  OnResizing(this, oldLocation, newLocation, dragState, shift);
}

void TRubberbandLayer::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  dragging_ = false;
  TPositionedLayer::MouseUp(button, shift, x, y);
}

void TRubberbandLayer::DrawHandle(TBitmap32* buffer, int32_t x, int32_t y) {
  const int32_t s = handleSize_;
  buffer->FillRectTS(x - s, y - s, x + s, y + s, handleFill_);
  buffer->FrameRectTS(x - s, y - s, x + s, y + s, handleFrame_);
}

void TRubberbandLayer::Paint(TBitmap32* buffer) {
  TRect r = MakeRect(GetAdjustedLocation(), rrClosest);
  if (handles_.Contains(rhFrame)) {
    buffer->SetStipple(frameStipple_);
    buffer->SetStippleStep(stippleStep_);
    buffer->SetStippleCounter(stippleCounter_);
    buffer->FrameRectTSP(r.Left, r.Top, r.Right, r.Bottom);
  }
  if (handles_.Contains(rhCorners)) {
    if (!handles_.Contains(rhNotTLCorner)) DrawHandle(buffer, r.Left, r.Top);
    if (!handles_.Contains(rhNotTRCorner)) DrawHandle(buffer, r.Right, r.Top);
    if (!handles_.Contains(rhNotBLCorner)) DrawHandle(buffer, r.Left, r.Bottom);
    if (!handles_.Contains(rhNotBRCorner)) DrawHandle(buffer, r.Right, r.Bottom);
  }
  if (handles_.Contains(rhSides)) {
    const int32_t cx = (r.Left + r.Right) / 2;
    const int32_t cy = (r.Top + r.Bottom) / 2;
    if (!handles_.Contains(rhNotTopSide)) DrawHandle(buffer, cx, r.Top);
    if (!handles_.Contains(rhNotLeftSide)) DrawHandle(buffer, r.Left, cy);
    if (!handles_.Contains(rhNotRightSide)) DrawHandle(buffer, r.Right, cy);
    if (!handles_.Contains(rhNotBottomSide)) DrawHandle(buffer, cx, r.Bottom);
  }
}

}  // namespace imaging
