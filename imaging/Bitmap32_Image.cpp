#include "imaging/Bitmap32_Image.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "classlib/formres/PropertyBinders.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/UpdateScope.h"
#include "classlib/windowing/Screen.h"
#include "imaging/Bitmap32_MicroTiles.h"

namespace imaging {

namespace {

TCustomRepaintOptimizer* MakeMicroTilesOptimizer(TBitmap32* buffer, TRectList* invalidRects) {
  return new TMicroTilesRepaintOptimizer(buffer, invalidRects);
}

// Holds a map's lock for a scope.
class TLockScope {
 public:
  explicit TLockScope(TThreadPersistent* target) : target_(target) { target_->Lock(); }
  ~TLockScope() { target_->Unlock(); }
  TLockScope(const TLockScope&) = delete;
  TLockScope& operator=(const TLockScope&) = delete;

 private:
  TThreadPersistent* target_;
};

// The nearest integer, halves to the even neighbour.
int32_t RoundEven(double value) { return static_cast<int32_t>(std::nearbyint(value)); }

constexpr float kMinScale = 0.001f;

}  // namespace

TRepaintOptimizerFactory RepaintOptimizerFactory = &MakeMicroTilesOptimizer;

// --- TCustomPaintBox32 --------------------------------------------------------------------

TCustomPaintBox32::TCustomPaintBox32(TComponent* owner)
    : TCustomControl(owner),
      buffer_(std::make_unique<TBitmap32>()),
      invalidRects_(std::make_unique<TRectList>()),
      optimizer_(RepaintOptimizerFactory(buffer_.get(), invalidRects_.get())) {
  SetBounds(Left(), Top(), 192, 192);
}

TCustomPaintBox32::~TCustomPaintBox32() {
  // The window goes while everything it paints with is still there.
  DestroyHandle();
  buffer_->OnAreaChanged = nullptr;
}

TRect TCustomPaintBox32::GetViewportRect() { return TRect{0, 0, Width(), Height()}; }

void TCustomPaintBox32::SetBufferOversize(int32_t value) {
  if (value < 0) value = 0;
  if (value == bufferOversize_) return;
  bufferOversize_ = value;
  ResizeBuffer();
  bufferValid_ = false;
}

void TCustomPaintBox32::ResizeBuffer() {
  const TRect viewport = GetViewportRect();
  auto fit = [this](int32_t wanted, int32_t current) {
    if (wanted < 0) wanted = 0;
    int32_t size = wanted;
    if (wanted > current) size = wanted + bufferOversize_;
    else if (wanted >= current - bufferOversize_) size = current;
    return size <= 0 ? 1 : size;
  };
  const int32_t oldWidth = buffer_->Width(), oldHeight = buffer_->Height();
  const int32_t width = fit(viewport.Right - viewport.Left, oldWidth);
  const int32_t height = fit(viewport.Bottom - viewport.Top, oldHeight);
  if (width == oldWidth && height == oldHeight) return;
  {
    TLockScope lock(buffer_.get());
    buffer_->SetSize(width, height);
  }
  DoBufferResized(oldWidth, oldHeight);
  ForceFullInvalidate();
}

void TCustomPaintBox32::SetRepaintMode(TRepaintMode value) {
  if (optimizer_ == nullptr) return;
  const bool imageView = dynamic_cast<TCustomImage32*>(this) != nullptr;
  switch (value) {
    case rmDirect:
      buffer_->OnAreaChanged = TAreaChangedEvent(this, &TCustomPaintBox32::DirectAreaUpdateHandler);
      optimizer_->SetEnabled(false);
      break;
    case rmOptimizer:
      buffer_->OnAreaChanged = imageView ? TAreaChangedEvent()
                                         : TAreaChangedEvent(optimizer_.get(), &TCustomRepaintOptimizer::AreaUpdateHandler);
      optimizer_->SetEnabled(true);
      break;
    default:
      buffer_->OnAreaChanged = nullptr;
      optimizer_->SetEnabled(false);
  }
  repaintMode_ = value;
  Invalidate();
}

void TCustomPaintBox32::DirectAreaUpdateHandler(TObject*, const TRect& area, uint32_t) {
  invalidRects_->Add(area);
  RepaintNow();
}

void TCustomPaintBox32::RepaintNow() {
  if (painting_) return;
  Invalidate();
  Update();
}

bool TCustomPaintBox32::CustomRepaint() {
  return optimizer_->Enabled() && !forceFullRepaint_ && optimizer_->UpdatesAvailable();
}

void TCustomPaintBox32::Invalidate() {
  bufferValid_ = false;
  if (HandleAllocated() && CustomRepaint()) PostMessageA(Handle(), WM_PAINT, 0, 0);
  else TCustomControl::Invalidate();
}

void TCustomPaintBox32::ForceFullInvalidate() {
  if (optimizer_->Enabled()) optimizer_->Reset();
  forceFullRepaint_ = true;
  Invalidate();
}

void TCustomPaintBox32::DoPrepareInvalidRects() {
  if (optimizer_->Enabled() && !forceFullRepaint_) optimizer_->PerformOptimization();
}

void TCustomPaintBox32::DoPaintBuffer() {
  if (forceFullRepaint_) {
    forceFullRepaint_ = false;
    invalidRects_->Clear();
  } else {
    DoPrepareInvalidRects();
  }
  bufferValid_ = true;
}

void TCustomPaintBox32::DoBufferResized(int32_t, int32_t) {
  if (optimizer_->Enabled()) optimizer_->BufferResizedHandler(buffer_->Width(), buffer_->Height());
}

void TCustomPaintBox32::MouseEnter() {
  mouseInControl_ = true;
  OnMouseEnter(this);
}

void TCustomPaintBox32::MouseLeave() {
  mouseInControl_ = false;
  OnMouseLeave(this);
}

void TCustomPaintBox32::CopyToWindow(const TRect& dst, int32_t srcX, int32_t srcY) {
  BitBlt(Canvas()->Handle(), dst.Left, dst.Top, dst.Right - dst.Left, dst.Bottom - dst.Top, buffer_->Handle(), srcX,
         srcY, SRCCOPY);
}

void TCustomPaintBox32::Paint() {
  struct TPaintingScope {
    bool& flag;
    explicit TPaintingScope(bool& f) : flag(f) { flag = true; }
    ~TPaintingScope() { flag = false; }
  } scope(painting_);
  if (optimizer_->Enabled()) optimizer_->BeginPaint();
  if (!bufferValid_) DoPaintBuffer();
  {
    TLockScope lock(buffer_.get());
    if (buffer_->Handle() != nullptr) {
      if (invalidRects_->Count() > 0) {
        for (int32_t i = 0; i < invalidRects_->Count(); ++i) {
          const TRect& r = *invalidRects_->Get(i);
          CopyToWindow(r, r.Left, r.Top);
        }
      } else {
        const TRect viewport = GetViewportRect();
        CopyToWindow(viewport, viewport.Left, viewport.Top);
      }
    }
  }
  DoPaintGDIOverlay();
  if (optimizer_->Enabled()) optimizer_->EndPaint();
  invalidRects_->Clear();
  forceFullRepaint_ = false;
}

void TCustomPaintBox32::Flush() {
  const TRect viewport = GetViewportRect();
  Flush(TRect{0, 0, viewport.Right - viewport.Left, viewport.Bottom - viewport.Top});
}

void TCustomPaintBox32::Flush(const TRect& rect) {
  if (Canvas()->Handle() == nullptr || buffer_->Handle() == nullptr) return;
  const TRect viewport = GetViewportRect();
  Canvas()->Lock();
  try {
    TLockScope lock(buffer_.get());
    TRect dst = rect;
    OffsetRect(dst, viewport.Left, viewport.Top);
    CopyToWindow(dst, rect.Left, rect.Top);
  } catch (...) {
    Canvas()->Unlock();
    throw;
  }
  Canvas()->Unlock();
}

void TCustomPaintBox32::SetBounds(int left, int top, int width, int height) {
  TCustomControl::SetBounds(left, top, width, height);
  if (ComponentState().Contains(csDesigning)) ResizeBuffer();
  bufferValid_ = false;
}

void TCustomPaintBox32::Loaded() {
  bufferValid_ = false;
  TCustomControl::Loaded();
}

void TCustomPaintBox32::Resize() {
  ResizeBuffer();
  bufferValid_ = false;
  TCustomControl::Resize();
}

void TCustomPaintBox32::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (Options.Contains(pboAutoFocus) && CanFocus()) SetFocus();
  TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomPaintBox32::WMPaint(TMessage& message) {
  if (CustomRepaint()) {
    if (InvalidRectsAvailable()) Paint();
    else InvalidateRect(Handle(), nullptr, FALSE);
  }
  TCustomControl::Dispatch(message);
}

void TCustomPaintBox32::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      WMPaint(message);
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_GETDLGCODE:
      TCustomControl::Dispatch(message);
      if (Options.Contains(pboWantArrowKeys)) message.Result |= DLGC_WANTARROWS;
      else message.Result &= ~static_cast<LRESULT>(DLGC_WANTARROWS);
      return;
    case CM_MOUSEENTER:
      TCustomControl::Dispatch(message);
      MouseEnter();
      return;
    case CM_MOUSELEAVE:
      MouseLeave();
      TCustomControl::Dispatch(message);
      return;
    default:
      TCustomControl::Dispatch(message);
  }
}

// --- TPaintBox32 --------------------------------------------------------------------------

void TPaintBox32::DoPaintBuffer() {
  OnPaintBuffer(this);
  TCustomPaintBox32::DoPaintBuffer();
}

// --- TPaintStages -------------------------------------------------------------------------

TPaintStageItem* TPaintStages::Add() {
  items_.emplace_back();
  return &items_.back();
}

TPaintStageItem* TPaintStages::Insert(int32_t index) {
  if (index < 0) index = 0;
  if (index > Count()) index = Count();
  return &*items_.emplace(items_.begin() + index);
}

void TPaintStages::Delete(int32_t index) {
  if (index < 0 || index >= Count()) throw EListError("Invalid stage index");
  items_.erase(items_.begin() + index);
}

// --- TCustomImage32 -----------------------------------------------------------------------

TCustomImage32::TCustomImage32(TComponent* owner)
    : TCustomPaintBox32(owner),
      bitmap_(std::make_unique<TBitmap32>()),
      layers_(std::make_unique<TLayerCollection>(this)),
      paintStages_(std::make_unique<TPaintStages>()) {
  SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks});
  bitmap_->OnResize = TNotifyEvent(this, &TCustomImage32::BitmapResizeHandler);
  layers_->OnChange = TNotifyEvent(this, &TCustomImage32::LayerCollectionChangeHandler);
  layers_->OnGDIUpdate = TNotifyEvent(this, &TCustomImage32::LayerCollectionGDIUpdateHandler);
  layers_->OnGetViewportScale = TGetScaleEvent(this, &TCustomImage32::LayerCollectionGetViewportScaleHandler);
  layers_->OnGetViewportShift = TGetShiftEvent(this, &TCustomImage32::LayerCollectionGetViewportShiftHandler);
  RepaintOptimizer()->RegisterLayerCollection(layers_.get());
  SetRepaintMode(rmFull);
  InitDefaultStages();
}

TCustomImage32::~TCustomImage32() {
  BeginUpdate();
  DestroyHandle();
  paintStages_.reset();
  RepaintOptimizer()->UnregisterLayerCollection(layers_.get());
  layers_.reset();
  bitmap_.reset();
}

void TCustomImage32::InitDefaultStages() {
  struct Default {
    uint32_t kind;
    bool runTime;
    uint32_t parameter;
  };
  static constexpr Default kStages[] = {{PST_CLEAR_BACKGND, true, 0},
                                        {PST_CONTROL_FRAME, false, 0},
                                        {PST_DRAW_BITMAP, true, 0},
                                        {PST_BITMAP_FRAME, false, 0},
                                        {PST_DRAW_LAYERS, true, LOB_VISIBLE}};
  for (const Default& stage : kStages) {
    TPaintStageItem* item = paintStages_->Add();
    item->AtDesignTime = true;
    item->AtRunTime = stage.runTime;
    item->Kind = stage.kind;
    item->Parameter = stage.parameter;
  }
}

void TCustomImage32::SetBitmap(TBitmap32* value) {
  InvalidateCache();
  bitmap_->Assign(value);
}

void TCustomImage32::SetBitmapAlign(TBitmapAlign value) {
  InvalidateCache();
  bitmapAlign_ = value;
  Changed();
}

bool TCustomImage32::ChangeScale(float& scale, float value) {
  if (value < kMinScale) value = kMinScale;
  if (value == scale) return false;
  InvalidateCache();
  scale = value;
  return true;
}

void TCustomImage32::SetScale(float value) {
  if (value < kMinScale) value = kMinScale;
  if (value == scaleX_) return;
  InvalidateCache();
  scaleX_ = value;
  scaleY_ = value;
  DoScaleChange();
  Changed();
}

void TCustomImage32::SetScaleX(float value) {
  if (!ChangeScale(scaleX_, value)) return;
  DoScaleChange();
  Changed();
}

void TCustomImage32::SetScaleY(float value) {
  if (!ChangeScale(scaleY_, value)) return;
  DoScaleChange();
  Changed();
}

void TCustomImage32::SetScaleMode(TScaleMode value) {
  if (value == scaleMode_) return;
  InvalidateCache();
  scaleMode_ = value;
  Changed();
}

void TCustomImage32::SetOffsetHorz(float value) {
  if (value == offsetHorz_) return;
  InvalidateCache();
  offsetHorz_ = value;
  Changed();
}

void TCustomImage32::SetOffsetVert(float value) {
  if (value == offsetVert_) return;
  InvalidateCache();
  offsetVert_ = value;
  Changed();
}

void TCustomImage32::SetOnPixelCombine(const TPixelCombineEvent& value) {
  bitmap_->OnPixelCombine = value;
  Changed();
}

void TCustomImage32::EndUpdate() {
  --updateCount_;
  if (updateCount_ < 0) throw EAssertionFailed("Unpaired EndUpdate call", "Bitmap32_Image", __LINE__);
}

void TCustomImage32::Changed() {
  if (updateCount_ != 0) return;
  Invalidate();
  OnChange(this);
}

void TCustomImage32::Invalidate() {
  MarkBufferStale();
  cacheValid_ = false;
  TCustomPaintBox32::Invalidate();
}

void TCustomImage32::InvalidateCache() {
  if (RepaintOptimizer()->Enabled()) RepaintOptimizer()->Reset();
  cacheValid_ = false;
}

// --- Geometry -----------------------------------------------------------------------------

int32_t TCustomImage32::ShownWidth(float scale) const { return RoundEven(static_cast<double>(bitmap_->Width()) * scale); }

int32_t TCustomImage32::ShownHeight(float scale) const {
  return RoundEven(static_cast<double>(bitmap_->Height()) * scale);
}

SIZE TCustomImage32::GetBitmapSize() {
  if (bitmap_->Empty() || Width() == 0 || Height() == 0) return SIZE{0, 0};
  const TRect viewport = GetViewportRect();
  const int32_t w = viewport.Right - viewport.Left, h = viewport.Bottom - viewport.Top;
  const int32_t bw = bitmap_->Width(), bh = bitmap_->Height();
  TScaleMode mode = scaleMode_;
  if (mode == smOptimal) mode = w < bw || h < bh ? smResize : smNormal;
  if (mode == smOptimalScaled) mode = w < ShownWidth(scaleX_) || h < ShownHeight(scaleY_) ? smResize : smScale;
  SIZE size{bw, bh};
  switch (mode) {
    case smStretch:
      size = SIZE{w, h};
      break;
    case smScale:
      size = SIZE{ShownWidth(scaleX_), ShownHeight(scaleY_)};
      break;
    case smResize: {
      const float sx = static_cast<float>(w) / static_cast<float>(bw);
      const float sy = static_cast<float>(h) / static_cast<float>(bh);
      size = sx >= sy ? SIZE{ShownWidth(sy), h} : SIZE{w, ShownHeight(sx)};
      break;
    }
    default:
      break;
  }
  if (size.cx <= 0) size.cx = 0;
  if (size.cy <= 0) size.cy = 0;
  return size;
}

TRect TCustomImage32::GetBitmapRect() {
  if (bitmap_->Empty()) return TRect{};
  const SIZE size = GetBitmapSize();
  TRect r{0, 0, size.cx, size.cy};
  if (bitmapAlign_ == baCenter) OffsetRect(r, (Width() - size.cx) / 2, (Height() - size.cy) / 2);
  else if (bitmapAlign_ == baCustom) OffsetRect(r, RoundEven(offsetHorz_), RoundEven(offsetVert_));
  return r;
}

void TCustomImage32::ComputeTransform(const TRect& rect, bool emptyIsIdentity) {
  const int32_t w = rect.Right - rect.Left, h = rect.Bottom - rect.Top;
  cachedBitmapRect_ = rect;
  if (bitmap_->Empty() || (emptyIsIdentity && (w < 1 || h < 1))) {
    const int32_t identity[6] = {65536, 65536, 0, 0, 65536, 65536};
    std::copy(std::begin(identity), std::end(identity), cachedXForm_);
    return;
  }
  // The system's MulDiv rounds and answers -1 for a zero divisor.
  const int32_t bw = bitmap_->Width(), bh = bitmap_->Height();
  cachedXForm_[0] = ::MulDiv(w, 65536, bw);
  cachedXForm_[1] = ::MulDiv(h, 65536, bh);
  cachedXForm_[2] = rect.Left;
  cachedXForm_[3] = rect.Top;
  cachedXForm_[4] = ::MulDiv(bw, 65536, w);
  cachedXForm_[5] = ::MulDiv(bh, 65536, h);
}

void TCustomImage32::UpdateCache() {
  if (cacheValid_) return;
  ComputeTransform(GetBitmapRect(), false);
  cacheValid_ = true;
}

TPoint TCustomImage32::BitmapToControl(const TPoint& p) {
  UpdateCache();
  // 64-bit products: large frames shown small overflow 32 bits.
  return TPoint{static_cast<int32_t>(int64_t{p.X} * cachedXForm_[0] / 65536 + cachedXForm_[2]),
                static_cast<int32_t>(int64_t{p.Y} * cachedXForm_[1] / 65536 + cachedXForm_[3])};
}

TPoint TCustomImage32::ControlToBitmap(const TPoint& p) {
  UpdateCache();
  return TPoint{static_cast<int32_t>((int64_t{p.X} - cachedXForm_[2]) * cachedXForm_[4] / 65536),
                static_cast<int32_t>((int64_t{p.Y} - cachedXForm_[3]) * cachedXForm_[5] / 65536)};
}

void TCustomImage32::LayerCollectionGetViewportScaleHandler(TObject*, float& scaleX, float& scaleY) {
  UpdateCache();
  scaleX = static_cast<float>(cachedXForm_[0]) / 65536.0f;
  scaleY = static_cast<float>(cachedXForm_[1]) / 65536.0f;
}

void TCustomImage32::LayerCollectionGetViewportShiftHandler(TObject*, float& shiftX, float& shiftY) {
  UpdateCache();
  shiftX = static_cast<float>(cachedXForm_[2]);
  shiftY = static_cast<float>(cachedXForm_[3]);
}

// --- Painting -----------------------------------------------------------------------------

TPaintStageHandler TCustomImage32::HandlerOf(uint32_t kind) {
  switch (kind) {
    case PST_CUSTOM: return &TCustomImage32::ExecCustom;
    case PST_CLEAR_BUFFER: return &TCustomImage32::ExecClearBuffer;
    case PST_CLEAR_BACKGND: return &TCustomImage32::ExecClearBackgnd;
    case PST_DRAW_BITMAP: return &TCustomImage32::ExecDrawBitmap;
    case PST_DRAW_LAYERS: return &TCustomImage32::ExecDrawLayers;
    case PST_CONTROL_FRAME: return &TCustomImage32::ExecControlFrame;
    case PST_BITMAP_FRAME: return &TCustomImage32::ExecBitmapFrame;
    default: return nullptr;
  }
}

void TCustomImage32::DoPaintBuffer() {
  TCustomRepaintOptimizer* optimizer = RepaintOptimizer();
  if (optimizer->Enabled()) optimizer->BeginPaintBuffer();
  UpdateCache();
  const bool designing = ComponentState().Contains(csDesigning);
  prepared_.clear();
  prepared_.reserve(static_cast<size_t>(paintStages_->Count()));
  for (int32_t i = 0; i < paintStages_->Count(); ++i) {
    const TPaintStageItem* stage = paintStages_->Items(i);
    const bool selected = (stage->AtDesignTime && designing) || (stage->AtRunTime && !designing);
    TPaintStageHandler handler = selected ? HandlerOf(stage->Kind) : nullptr;
    if (handler != nullptr) prepared_.push_back(TPreparedStage{handler, i});
  }
  TBitmap32* buffer = BackBuffer();
  auto runStages = [this, buffer] {
    for (const TPreparedStage& stage : prepared_) (this->*stage.Handler)(buffer, stage.Stage);
  };
  {
    TUpdateScope<TBitmap32> update(buffer);
    const TRect viewport = GetViewportRect();
    if (InvalidRects()->Count() > 0) {
      for (int32_t i = 0; i < InvalidRects()->Count(); ++i) {
        buffer->SetClipRect(*InvalidRects()->Get(i));
        runStages();
      }
    } else {
      buffer->SetClipRect(viewport);
      runStages();
    }
    buffer->SetClipRect(viewport);
  }
  if (optimizer->Enabled()) optimizer->EndPaintBuffer();
  MarkBufferValid();
}

bool TCustomImage32::InvalidRectsAvailable() {
  DoPrepareInvalidRects();
  return InvalidRects()->Count() > 0;
}

void TCustomImage32::ExecClearBackgnd(TBitmap32* dest, int32_t) {
  const TColor32 fill = Color32(Color());
  if (InvalidRects()->Count() > 0) {
    for (int32_t i = 0; i < InvalidRects()->Count(); ++i) dest->FillRectS(*InvalidRects()->Get(i), fill);
    return;
  }
  if (bitmap_->Empty() || bitmap_->DrawMode() != dmOpaque) {
    dest->Clear(fill);
    return;
  }
  const TRect& r = cachedBitmapRect_;
  const int32_t w = Width(), h = Height();
  if (r.Left <= 0 && r.Right >= w && r.Top <= 0 && (r.Bottom >= h || bitmapAlign_ == baTile)) return;
  dest->FillRectS(0, 0, w, r.Top, fill);
  dest->FillRectS(0, r.Bottom, w, h, fill);
  dest->FillRectS(0, r.Top, r.Left, r.Bottom, fill);
  dest->FillRectS(r.Right, r.Top, w, r.Bottom, fill);
}

void TCustomImage32::ExecDrawBitmap(TBitmap32* dest, int32_t) {
  const TRect& r = cachedBitmapRect_;
  if (bitmap_->Empty() || IsRectEmpty(r)) return;
  TLockScope lock(bitmap_.get());
  if (bitmapAlign_ != baTile) {
    bitmap_->DrawTo(dest, r);
    return;
  }
  for (int32_t j = 0; j <= dest->Height() / r.Bottom; ++j) {
    for (int32_t k = 0; k <= dest->Width() / r.Right; ++k) {
      TRect tile = r;
      OffsetRect(tile, k * r.Right, j * r.Bottom);
      bitmap_->DrawTo(dest, tile);
    }
  }
}

void TCustomImage32::ExecDrawLayers(TBitmap32* dest, int32_t stageNum) {
  const uint32_t mask = paintStages_->Items(stageNum)->Parameter;
  for (int32_t i = 0; i < layers_->Count(); ++i) {
    TCustomLayer* layer = layers_->Items(i);
    if ((layer->LayerOptions() & mask) != 0) layer->DoPaint(dest);
  }
}

void TCustomImage32::ExecClearBuffer(TBitmap32* dest, int32_t) { dest->Clear(Color32(Color())); }

void TCustomImage32::ExecControlFrame(TBitmap32* dest, int32_t) {
  const RECT r{0, 0, Width(), Height()};
  DrawFocusRect(dest->Handle(), &r);
}

void TCustomImage32::ExecBitmapFrame(TBitmap32* dest, int32_t) {
  const TRect& r = cachedBitmapRect_;
  dest->GetCanvas()->DrawFocusRect(::Rect(r.Left, r.Top, r.Right, r.Bottom));
}

void TCustomImage32::ExecCustom(TBitmap32* dest, int32_t stageNum) {
  OnPaintStage(this, dest, static_cast<uint32_t>(stageNum));
}

void TCustomImage32::PaintTo(TBitmap32* dest, const TRect& destRect) {
  const TRepaintMode savedMode = RepaintMode();
  if (savedMode != rmFull) SetRepaintMode(rmFull);
  ComputeTransform(destRect, true);
  cacheValid_ = true;
  paintToMode_ = true;
  struct TRestore {
    TCustomImage32* view;
    TRepaintMode mode;
    ~TRestore() {
      view->paintToMode_ = false;
      view->cacheValid_ = false;
      if (mode != rmFull) view->SetRepaintMode(mode);
    }
  } restore{this, savedMode};
  for (int32_t i = 0; i < paintStages_->Count(); ++i) {
    const TPaintStageItem* stage = paintStages_->Items(i);
    TPaintStageHandler handler = stage->AtRunTime ? HandlerOf(stage->Kind) : nullptr;
    if (handler != nullptr) (this->*handler)(dest, i);
  }
}

void TCustomImage32::DoPaintGDIOverlay() {
  for (int32_t i = 0; i < layers_->Count(); ++i) {
    TCustomLayer* layer = layers_->Items(i);
    if ((layer->LayerOptions() & LOB_GDI_OVERLAY) != 0) layer->PaintGDI(Canvas());
  }
  TCustomPaintBox32::DoPaintGDIOverlay();
}

void TCustomImage32::SetupBitmap(bool doClear, TColor32 clearColor) {
  {
    TUpdateScope<TBitmap32> update(bitmap_.get());
    const TRect viewport = GetViewportRect();
    bitmap_->SetSize(viewport.Right - viewport.Left, viewport.Bottom - viewport.Top);
    if (doClear) bitmap_->Clear(clearColor);
  }
  InvalidateCache();
  Changed();
}

// --- Change routing -----------------------------------------------------------------------

void TCustomImage32::SetRepaintMode(TRepaintMode value) {
  TCustomPaintBox32::SetRepaintMode(value);
  switch (value) {
    case rmDirect:
      bitmap_->OnAreaChanged = TAreaChangedEvent(this, &TCustomImage32::BitmapDirectAreaChangeHandler);
      bitmap_->OnChange = nullptr;
      break;
    case rmOptimizer:
      bitmap_->OnAreaChanged = TAreaChangedEvent(this, &TCustomImage32::BitmapAreaChangeHandler);
      bitmap_->OnChange = nullptr;
      break;
    default:
      bitmap_->OnAreaChanged = nullptr;
      bitmap_->OnChange = TNotifyEvent(this, &TCustomImage32::BitmapChangeHandler);
  }
}

void TCustomImage32::BitmapChangeHandler(TObject*) {
  if (RepaintOptimizer()->Enabled()) RepaintOptimizer()->Reset();
  BitmapChanged(bitmap_->BoundsRect());
}

void TCustomImage32::BitmapChanged(const TRect&) { Changed(); }

void TCustomImage32::ForEachMappedArea(const TRect& area, void (TCustomImage32::*use)(const TRect&)) {
  TRect widened = area;
  const int32_t widen = static_cast<int32_t>(bitmap_->Resampler()->GetWidth()) + 1;
  InflateArea(widened, widen, widen);
  const TPoint topLeft = BitmapToControl(TPoint{widened.Left, widened.Top});
  const TPoint bottomRight = BitmapToControl(TPoint{widened.Right, widened.Bottom});
  const TRect mapped{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
  const TRect& r = cachedBitmapRect_;
  // A tiled bitmap shown at no size has no tiles to count: the area is reported once.
  if (bitmapAlign_ != baTile || r.Right <= 0 || r.Bottom <= 0) {
    (this->*use)(mapped);
    return;
  }
  for (int32_t j = 0; j <= BackBuffer()->Height() / r.Bottom; ++j) {
    for (int32_t k = 0; k <= BackBuffer()->Width() / r.Right; ++k) {
      TRect tile = mapped;
      OffsetRect(tile, k * r.Right, j * r.Bottom);
      (this->*use)(tile);
    }
  }
}

void TCustomImage32::HandToOptimizer(const TRect& rect) {
  RepaintOptimizer()->AreaUpdateHandler(this, rect, AREA_KIND_RECT);
}

void TCustomImage32::BitmapAreaChangeHandler(TObject* sender, const TRect& area, uint32_t) {
  if (sender == bitmap_.get()) ForEachMappedArea(area, &TCustomImage32::HandToOptimizer);
  BitmapChanged(area);
}

void TCustomImage32::BitmapDirectAreaChangeHandler(TObject* sender, const TRect& area, uint32_t) {
  if (sender == bitmap_.get()) ForEachMappedArea(area, &TCustomImage32::AddInvalidRect);
  if (updateCount_ > 0) return;
  RepaintNow();
  OnChange(this);
}

// --- Size ---------------------------------------------------------------------------------

SIZE TCustomImage32::AutoSizeExtent() const {
  if (scaleMode_ == smScale) return SIZE{ShownWidth(scaleX_), ShownHeight(scaleY_)};
  return SIZE{bitmap_->Width(), bitmap_->Height()};
}

void TCustomImage32::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  if (value) BitmapResized();
}

void TCustomImage32::BitmapResized() {
  if (autoSize_) {
    const SIZE size = AutoSizeExtent();
    if (size.cx > 0 && size.cy > 0) SetBounds(Left(), Top(), size.cx, size.cy);
  }
  if (updateCount_ == 0) OnBitmapResize(this);
  InvalidateCache();
  ForceFullInvalidate();
}

void TCustomImage32::Resize() {
  InvalidateCache();
  TCustomPaintBox32::Resize();
}

void TCustomImage32::Loaded() {
  TCustomPaintBox32::Loaded();
  DoInitStages();
}

// --- Mouse --------------------------------------------------------------------------------

void TCustomImage32::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomPaintBox32::MouseDown(button, shift, x, y);
  if (TabStop() && CanFocus()) SetFocus();
  TCustomLayer* layer = layers_->MouseEvents() ? layers_->MouseDown(button, shift, x, y) : nullptr;
  if (button == mbLeft || layers_->MouseListener() != nullptr) SetCaptureControl(this);
  MouseDown(button, shift, x, y, layer);
}

void TCustomImage32::MouseMove(TShiftState shift, int x, int y) {
  TCustomPaintBox32::MouseMove(shift, x, y);
  TCustomLayer* layer = layers_->MouseEvents() ? layers_->MouseMove(shift, x, y) : nullptr;
  MouseMove(shift, x, y, layer);
}

void TCustomImage32::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomLayer* layer = layers_->MouseEvents() ? layers_->MouseUp(button, shift, x, y) : nullptr;
  if (button == mbLeft && layers_->MouseListener() == nullptr && GetCaptureControl() == this) SetCaptureControl(nullptr);
  MouseUp(button, shift, x, y, layer);
}

void TCustomImage32::MouseDown(TMouseButton button, TShiftState shift, int x, int y, TCustomLayer* layer) {
  OnMouseDown(this, button, shift, x, y, layer);
}

void TCustomImage32::MouseMove(TShiftState shift, int x, int y, TCustomLayer* layer) {
  OnMouseMove(this, shift, x, y, layer);
}

void TCustomImage32::MouseUp(TMouseButton button, TShiftState shift, int x, int y, TCustomLayer* layer) {
  OnMouseUp(this, button, shift, x, y, layer);
}

void TCustomImage32::MouseLeave() {
  if (layers_->MouseEvents() && layers_->MouseListener() == nullptr && Screen != nullptr) Screen->SetCursor(crDefault);
  TCustomPaintBox32::MouseLeave();
}

// --- Form resources -----------------------------------------------------------------------

namespace {

const TIdentTable& RepaintModes() {
  static const TIdentTable table("TRepaintMode", {{"rmFull", rmFull}, {"rmDirect", rmDirect}, {"rmOptimizer", rmOptimizer}});
  return table;
}

const TIdentTable& PaintBoxOptions() {
  static const TIdentTable table("TPaintBoxOption", {{"pboWantArrowKeys", pboWantArrowKeys}, {"pboAutoFocus", pboAutoFocus}});
  return table;
}

const TIdentTable& BitmapAligns() {
  static const TIdentTable table("TBitmapAlign",
                                 {{"baTopLeft", baTopLeft}, {"baCenter", baCenter}, {"baTile", baTile}, {"baCustom", baCustom}});
  return table;
}

const TIdentTable& ScaleModes() {
  static const TIdentTable table("TScaleMode", {{"smNormal", smNormal},
                                                {"smStretch", smStretch},
                                                {"smScale", smScale},
                                                {"smResize", smResize},
                                                {"smOptimal", smOptimal},
                                                {"smOptimalScaled", smOptimalScaled}});
  return table;
}

}  // namespace

void RegisterImageClasses() {
  using P = TCustomPaintBox32;
  RegisterClassProperties(
      P::StaticClass(),
      {EnumProperty<P, TRepaintMode>("RepaintMode", &P::SetRepaintMode, RepaintModes(), "rmFull"),
       EventProperty("OnGDIOverlay", &P::OnGDIOverlay), EventProperty("OnMouseEnter", &P::OnMouseEnter),
       EventProperty("OnMouseLeave", &P::OnMouseLeave)});
  RegisterClassProperties(
      TPaintBox32::StaticClass(),
      {SetProperty<TPaintBox32, TPaintBoxOption>(
           "Options", [](TPaintBox32* box, TPaintBoxOptions options) { box->Options = options; }, PaintBoxOptions()),
       EventProperty("OnPaintBuffer", &TPaintBox32::OnPaintBuffer)});
  using I = TCustomImage32;
  RegisterClassProperties(
      I::StaticClass(),
      {ObjectProperty<I>("Bitmap", [](I* view) -> TPersistent* { return view->Bitmap(); }),
       EnumProperty<I, TBitmapAlign>("BitmapAlign", &I::SetBitmapAlign, BitmapAligns(), "baTopLeft"),
       BoolProperty<I>("AutoSize", &I::SetAutoSize, false),
       FloatProperty<I>("Scale", [](I* view, double value) { view->SetScale(static_cast<float>(value)); }, 1.0),
       EnumProperty<I, TScaleMode>("ScaleMode", &I::SetScaleMode, ScaleModes(), "smNormal"),
       EventProperty("OnBitmapResize", &I::OnBitmapResize), EventProperty("OnChange", &I::OnChange),
       EventProperty("OnInitStages", &I::OnInitStages), EventProperty("OnMouseDown", &I::OnMouseDown),
       EventProperty("OnMouseMove", &I::OnMouseMove), EventProperty("OnMouseUp", &I::OnMouseUp),
       EventProperty("OnPaintStage", &I::OnPaintStage)});
  RegisterClassProperties(TImage32::StaticClass(), {});
}

}  // namespace imaging
