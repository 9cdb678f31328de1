#pragma once
// The double-buffered paint box and the image view built on it. Everything they show is
// drawn into a TBitmap32 back buffer first and then copied to the window, either whole or
// by the rectangles that need repainting.
#include <cstdint>
#include <memory>
#include <vector>

#include "classlib/windowing/CustomControl.h"
#include "imaging/Bitmap32.h"
#include "imaging/Bitmap32_Containers.h"
#include "imaging/Bitmap32_Layers.h"
#include "imaging/Bitmap32_RangeBars.h"
#include "imaging/Bitmap32_RepaintOpt.h"

namespace imaging {

enum TRepaintMode : uint8_t { rmFull = 0, rmDirect = 1, rmOptimizer = 2 };
enum TPaintBoxOption : uint8_t { pboWantArrowKeys = 0, pboAutoFocus = 1 };
using TPaintBoxOptions = TSet<TPaintBoxOption>;

// Makes the repaint optimiser of every new paint box (by default a micro-tiles one).
using TRepaintOptimizerFactory = TCustomRepaintOptimizer* (*)(TBitmap32* buffer, TRectList* invalidRects);
extern TRepaintOptimizerFactory RepaintOptimizerFactory;

class TCustomPaintBox32 : public TCustomControl {
  CLASSLIB_CLASS(TCustomPaintBox32, TCustomControl)
 public:
  explicit TCustomPaintBox32(TComponent* owner);
  ~TCustomPaintBox32() override;

  TBitmap32* BackBuffer() const { return buffer_.get(); }
  int32_t BufferOversize() const { return bufferOversize_; }
  void SetBufferOversize(int32_t value);
  bool BufferValid() const { return bufferValid_; }
  TRepaintMode RepaintMode() const { return repaintMode_; }
  virtual void SetRepaintMode(TRepaintMode value);
  TRectList* InvalidRects() const { return invalidRects_.get(); }
  TCustomRepaintOptimizer* RepaintOptimizer() const { return optimizer_.get(); }
  TPaintBoxOptions Options = {};
  bool MouseInControl() const { return mouseInControl_; }

  // Marks the buffer stale; while the optimiser has updates, posts WM_PAINT instead of
  // invalidating the window.
  void Invalidate() override;
  virtual void ForceFullInvalidate();
  // Copies the whole buffer, or one rectangle of it, to the window at once.
  void Flush();
  void Flush(const TRect& rect);
  void ResetInvalidRects() { invalidRects_->Clear(); }
  virtual TRect GetViewportRect();
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;

  TNotifyEvent OnGDIOverlay;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  virtual bool CustomRepaint();
  virtual bool InvalidRectsAvailable() { return true; }
  virtual void DoPrepareInvalidRects();
  virtual void DoPaintBuffer();
  virtual void DoPaintGDIOverlay() { OnGDIOverlay(this); }
  virtual void DoBufferResized(int32_t oldWidth, int32_t oldHeight);
  virtual void MouseEnter();
  virtual void MouseLeave();
  void Paint() override;
  void Resize() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void Dispatch(TMessage& message) override;
  void MarkBufferValid() { bufferValid_ = true; }
  void MarkBufferStale() { bufferValid_ = false; }
  bool FullRepaintPending() const { return forceFullRepaint_; }
  bool Painting() const { return painting_; }
  // Repaints the window now (unless inside Paint).
  void RepaintNow();
  void DirectAreaUpdateHandler(TObject* sender, const TRect& area, uint32_t info);

 private:
  void ResizeBuffer();
  void CopyToWindow(const TRect& dst, int32_t srcX, int32_t srcY);
  void WMPaint(TMessage& message);

  std::unique_ptr<TBitmap32> buffer_;
  int32_t bufferOversize_ = 40;
  bool bufferValid_ = false;
  TRepaintMode repaintMode_ = rmFull;
  std::unique_ptr<TRectList> invalidRects_;
  bool forceFullRepaint_ = true;
  std::unique_ptr<TCustomRepaintOptimizer> optimizer_;
  bool mouseInControl_ = false;
  bool painting_ = false;
};

// A paint box whose owner draws the buffer in OnPaintBuffer.
class TPaintBox32 : public TCustomPaintBox32 {
  CLASSLIB_CLASS(TPaintBox32, TCustomPaintBox32)
 public:
  explicit TPaintBox32(TComponent* owner) : TCustomPaintBox32(owner) {}
  TNotifyEvent OnPaintBuffer;

 protected:
  void DoPaintBuffer() override;
};

enum TBitmapAlign : uint8_t { baTopLeft = 0, baCenter = 1, baTile = 2, baCustom = 3 };
enum TScaleMode : uint8_t { smNormal = 0, smStretch = 1, smScale = 2, smResize = 3, smOptimal = 4, smOptimalScaled = 5 };

constexpr uint32_t PST_CUSTOM = 1;
constexpr uint32_t PST_CLEAR_BUFFER = 2;
constexpr uint32_t PST_CLEAR_BACKGND = 3;
constexpr uint32_t PST_DRAW_BITMAP = 4;
constexpr uint32_t PST_DRAW_LAYERS = 5;
constexpr uint32_t PST_CONTROL_FRAME = 6;
constexpr uint32_t PST_BITMAP_FRAME = 7;

struct TPaintStageItem {
  bool AtDesignTime = false;
  bool AtRunTime = true;
  uint32_t Kind = 0;
  uint32_t Parameter = 0;
};

// The ordered stages that render an image view into its buffer.
class TPaintStages : public TObject {
  CLASSLIB_CLASS(TPaintStages, TObject)
 public:
  TPaintStageItem* Add();
  // The index is taken into 0..Count().
  TPaintStageItem* Insert(int32_t index);
  // Raises EListError "Invalid stage index" outside 0..Count()-1.
  void Delete(int32_t index);
  void Clear() { items_.clear(); }
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  // No index check.
  TPaintStageItem* Items(int32_t index) { return &items_[static_cast<size_t>(index)]; }

 private:
  std::vector<TPaintStageItem> items_;
};

class TCustomImage32;
using TImgMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int, TCustomLayer*>;
using TImgMouseMoveEvent = TEvent<TObject*, TShiftState, int, int, TCustomLayer*>;
using TPaintStageEvent = TEvent<TObject*, TBitmap32*, uint32_t>;
using TPaintStageHandler = void (TCustomImage32::*)(TBitmap32* dest, int32_t stageNum);

// Shows one bitmap scaled and placed in the client area, with layers over it.
class TCustomImage32 : public TCustomPaintBox32 {
  CLASSLIB_CLASS(TCustomImage32, TCustomPaintBox32)
 public:
  explicit TCustomImage32(TComponent* owner);
  ~TCustomImage32() override;

  TBitmap32* Bitmap() const { return bitmap_.get(); }
  void SetBitmap(TBitmap32* value);
  TBitmapAlign BitmapAlign() const { return bitmapAlign_; }
  void SetBitmapAlign(TBitmapAlign value);
  float Scale() const { return scaleX_; }
  void SetScale(float value);
  float ScaleX() const { return scaleX_; }
  void SetScaleX(float value);
  float ScaleY() const { return scaleY_; }
  void SetScaleY(float value);
  TScaleMode ScaleMode() const { return scaleMode_; }
  virtual void SetScaleMode(TScaleMode value);
  float OffsetHorz() const { return offsetHorz_; }
  void SetOffsetHorz(float value);
  float OffsetVert() const { return offsetVert_; }
  void SetOffsetVert(float value);
  TLayerCollection* Layers() const { return layers_.get(); }
  void SetLayers(TLayerCollection* value) { layers_->Assign(value); }
  TPaintStages* PaintStages() const { return paintStages_.get(); }
  const TPixelCombineEvent& OnPixelCombine() const { return bitmap_->OnPixelCombine; }
  void SetOnPixelCombine(const TPixelCombineEvent& value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  // True only while PaintTo renders into another bitmap.
  bool PaintingToBitmap() const { return paintToMode_; }
  int32_t UpdateCount() const { return updateCount_; }

  virtual void BeginUpdate() { ++updateCount_; }
  // Raises EAssertionFailed "Unpaired EndUpdate call" below zero.
  virtual void EndUpdate();
  virtual void Changed();
  TPoint BitmapToControl(const TPoint& p);
  TPoint ControlToBitmap(const TPoint& p);
  virtual TRect GetBitmapRect();
  virtual SIZE GetBitmapSize();
  virtual void SetupBitmap(bool doClear = false, TColor32 clearColor = 0xFF000000);
  virtual void PaintTo(TBitmap32* dest, const TRect& destRect);
  void Invalidate() override;
  void InvalidateCache();
  void SetRepaintMode(TRepaintMode value) override;
  void Loaded() override;

  TNotifyEvent OnBitmapResize;
  TNotifyEvent OnChange;
  TNotifyEvent OnInitStages;
  TImgMouseEvent OnMouseDown;
  TImgMouseMoveEvent OnMouseMove;
  TImgMouseEvent OnMouseUp;
  TPaintStageEvent OnPaintStage;
  TNotifyEvent OnScaleChange;

  // Stage handlers.
  virtual void ExecBitmapFrame(TBitmap32* dest, int32_t stageNum);
  virtual void ExecClearBuffer(TBitmap32* dest, int32_t stageNum);
  virtual void ExecClearBackgnd(TBitmap32* dest, int32_t stageNum);
  virtual void ExecControlFrame(TBitmap32* dest, int32_t stageNum);
  virtual void ExecCustom(TBitmap32* dest, int32_t stageNum);
  virtual void ExecDrawBitmap(TBitmap32* dest, int32_t stageNum);
  virtual void ExecDrawLayers(TBitmap32* dest, int32_t stageNum);

 protected:
  virtual void BitmapResized();
  virtual void BitmapChanged(const TRect& area);
  virtual void DoInitStages() { OnInitStages(this); }
  virtual void DoScaleChange() { OnScaleChange(this); }
  virtual void InitDefaultStages();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y, TCustomLayer* layer);
  virtual void MouseMove(TShiftState shift, int x, int y, TCustomLayer* layer);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y, TCustomLayer* layer);
  virtual void UpdateCache();
  bool InvalidRectsAvailable() override;
  void DoPaintBuffer() override;
  void DoPaintGDIOverlay() override;
  void MouseLeave() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Resize() override;

 private:
  struct TPreparedStage {
    TPaintStageHandler Handler;
    int32_t Stage;
  };
  static TPaintStageHandler HandlerOf(uint32_t kind);
  void ComputeTransform(const TRect& rect, bool emptyIsIdentity);
  int32_t ShownWidth(float scale) const;
  int32_t ShownHeight(float scale) const;
  SIZE AutoSizeExtent() const;
  bool ChangeScale(float& scale, float value);
  void ForEachMappedArea(const TRect& area, void (TCustomImage32::*use)(const TRect&));
  void AddInvalidRect(const TRect& rect) { InvalidRects()->Add(rect); }
  void HandToOptimizer(const TRect& rect);
  void BitmapResizeHandler(TObject*) { BitmapResized(); }
  void BitmapChangeHandler(TObject* sender);
  void BitmapAreaChangeHandler(TObject* sender, const TRect& area, uint32_t info);
  void BitmapDirectAreaChangeHandler(TObject* sender, const TRect& area, uint32_t info);
  void LayerCollectionChangeHandler(TObject*) { Changed(); }
  void LayerCollectionGDIUpdateHandler(TObject*) { Paint(); }
  void LayerCollectionGetViewportScaleHandler(TObject* sender, float& scaleX, float& scaleY);
  void LayerCollectionGetViewportShiftHandler(TObject* sender, float& shiftX, float& shiftY);

  std::unique_ptr<TBitmap32> bitmap_;
  TBitmapAlign bitmapAlign_ = baTopLeft;
  std::unique_ptr<TLayerCollection> layers_;
  float offsetHorz_ = 0;
  float offsetVert_ = 0;
  std::unique_ptr<TPaintStages> paintStages_;
  std::vector<TPreparedStage> prepared_;
  float scaleX_ = 1.0f;
  float scaleY_ = 1.0f;
  TScaleMode scaleMode_ = smNormal;
  int32_t updateCount_ = 0;
  bool autoSize_ = false;
  TRect cachedBitmapRect_;
  int32_t cachedXForm_[6] = {65536, 65536, 0, 0, 65536, 65536};  // scale x/y, shift x/y, inverse x/y
  bool cacheValid_ = false;
  bool paintToMode_ = false;
};

// The image view with its properties published for form resources.
class TImage32 : public TCustomImage32 {
  CLASSLIB_CLASS(TImage32, TCustomImage32)
 public:
  explicit TImage32(TComponent* owner) : TCustomImage32(owner) {}
};

enum TScrollBarVisibility : uint8_t { svAlways = 0, svHidden = 1, svAuto = 2 };
enum TSizeGripStyle : uint8_t { sgAuto = 0, sgNone = 1, sgAlways = 2 };

class TCustomImgView32;

// The look of a scrolling view's two bars (the horizontal one is the master), their
// increment, thickness and visibility.
class TIVScrollProperties : public TArrowBarAccess {
  CLASSLIB_CLASS(TIVScrollProperties, TArrowBarAccess)
 public:
  TIVScrollProperties(TCustomImgView32* view, TArrowBar* master, TArrowBar* slave)
      : TArrowBarAccess(master, slave), view_(view) {}

  TRBIncrement Increment() const;
  void SetIncrement(TRBIncrement value);
  // The bars' thickness; 0: the system's horizontal scroll bar height.
  int32_t Size() const;
  void SetSize(int32_t value);
  TScrollBarVisibility Visibility() const;
  void SetVisibility(TScrollBarVisibility value);
  // Also copies the increment, size and visibility of another view's scroll properties.
  void Assign(TPersistent* source) override;

 private:
  TCustomImgView32* view_;
};

// An image view with two scroll bars of its own and a size grip between them: a bitmap
// larger than the viewport scrolls, a smaller one is centred, and `OverSize` adds a
// margin around it. The bars place the bitmap through the custom offsets.
class TCustomImgView32 : public TCustomImage32 {
  CLASSLIB_CLASS(TCustomImgView32, TCustomImage32)
 public:
  explicit TCustomImgView32(TComponent* owner);
  ~TCustomImgView32() override;

  bool Centered() const { return centered_; }
  void SetCentered(bool value);
  TIVScrollProperties* ScrollBars() const { return scrollBars_.get(); }
  void SetScrollBars(TIVScrollProperties* value) { scrollBars_->Assign(value); }
  TSizeGripStyle SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(TSizeGripStyle value);
  int32_t OverSize() const { return overSize_; }
  void SetOverSize(int32_t value);
  TCustomRangeBar* HorizontalBar() const { return horScroll_; }
  TCustomRangeBar* VerticalBar() const { return verScroll_; }

  void Scroll(int32_t dx, int32_t dy);
  // Scrolls the bitmap point (x, y) into the middle of the viewport.
  void ScrollToCenter(int32_t x, int32_t y);
  void Recenter();
  bool GetScrollBarsVisible();
  // 0 while the bars are hidden.
  int32_t GetScrollBarSize();
  bool IsSizeGripVisible();
  ::TRect GetSizeGripRect();
  TRect GetViewportRect() override;
  void SetScaleMode(TScaleMode value) override;
  void Loaded() override;

  TNotifyEvent OnScroll;

 protected:
  virtual void DoScroll() { OnScroll(this); }
  virtual void ScrollHandler(TObject* sender);
  virtual void UpdateImage();
  virtual void UpdateScrollBars();
  void Paint() override;
  void BitmapResized() override;
  void DoScaleChange() override;
  using TCustomImage32::MouseDown;
  using TCustomImage32::MouseMove;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void Resize() override;

 private:
  friend class TIVScrollProperties;
  void AlignAll();
  void PaintSizeGrip(HDC dc);
  bool OnSizeGrip(int x, int y);
  // Shows the sizing cursor while the mouse is over the grip, the default one after.
  void SetGripCursor(bool on);
  int32_t ScaledOverSize() const;

  bool centered_ = true;
  int32_t scrollBarSize_ = 0;
  TScrollBarVisibility scrollBarVisibility_ = svAlways;
  std::unique_ptr<TIVScrollProperties> scrollBars_;
  TSizeGripStyle sizeGrip_ = sgAuto;
  int32_t overSize_ = 0;
  bool scrollUpdatesDisabled_ = false;
  TCustomRangeBar* horScroll_ = nullptr;
  TCustomRangeBar* verScroll_ = nullptr;
  bool gripCursor_ = false;
};

class TImgView32 : public TCustomImgView32 {
  CLASSLIB_CLASS(TImgView32, TCustomImgView32)
 public:
  explicit TImgView32(TComponent* owner) : TCustomImgView32(owner) {}
};

// Registers the paint box and the image view with their properties for form resources.
void RegisterImageClasses();
// Registers the scrolling view and its scroll properties for form resources.
void RegisterImgViewClasses();

}  // namespace imaging
