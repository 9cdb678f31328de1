#pragma once
// Layers: an ordered stack of objects drawn over an image view's bitmap, hit-tested and
// fed with the view's mouse events from the top down. Positioned layers have a float
// rectangle that may follow the view's scale and offset; bitmap layers show a bitmap of
// their own; rubber bands draw a frame with handles and move and size themselves.
#include <cstdint>

#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Cursors.h"
#include "classlib/runtime/Lists.h"
#include "classlib/windowing/Control.h"
#include "imaging/Bitmap32.h"
#include "imaging/Bitmap32_Persistent.h"

namespace imaging {

constexpr uint32_t LOB_VISIBLE = 0x80000000;
constexpr uint32_t LOB_GDI_OVERLAY = 0x40000000;
constexpr uint32_t LOB_MOUSE_EVENTS = 0x20000000;
constexpr uint32_t LOB_NO_UPDATE = 0x10000000;
constexpr uint32_t LOB_NO_CAPTURE = 0x08000000;
constexpr uint32_t LOB_INVALID = 0x04000000;
constexpr uint32_t LOB_FORCE_UPDATE = 0x02000000;

enum TLayerListNotification : uint8_t { lnLayerAdded, lnLayerInserted, lnLayerDeleted, lnCleared };
enum TLayerState : uint8_t { lsMouseLeft, lsMouseRight, lsMouseMiddle };
using TLayerStates = TSet<TLayerState>;
enum TDragState : uint8_t { dsNone, dsMove, dsSizeL, dsSizeT, dsSizeR, dsSizeB, dsSizeTL, dsSizeTR, dsSizeBL, dsSizeBR };
enum TRBHandle : uint8_t {
  rhCenter, rhSides, rhCorners, rhFrame, rhNotLeftSide, rhNotRightSide, rhNotTopSide, rhNotBottomSide,
  rhNotTLCorner, rhNotTRCorner, rhNotBLCorner, rhNotBRCorner
};
using TRBHandles = TSet<TRBHandle>;

class TLayerCollection;
class TCustomLayer;
class TPositionedLayer;
using TLayerClass = TClass;

using TLayerListNotifyEvent = TEvent<TLayerCollection*, TLayerListNotification, TCustomLayer*, int32_t>;
using TLayerUpdateEvent = TEvent<TObject*, TCustomLayer*>;
using TGetScaleEvent = TEvent<TObject*, float&, float&>;
using TGetShiftEvent = TEvent<TObject*, float&, float&>;
using THitTestEvent = TEvent<TObject*, int32_t, int32_t, bool&>;
using TPaintLayerEvent = TEvent<TObject*, TBitmap32*>;
using TRBResizingEvent = TEvent<TObject*, const TFloatRect&, TFloatRect&, TDragState, TShiftState>;

// The stack of layers of one view; index 0 is painted first (the bottom).
class TLayerCollection : public TPersistent {
  CLASSLIB_CLASS(TLayerCollection, TPersistent)
 public:
  using TCreateArgument = TPersistent*;
  explicit TLayerCollection(TPersistent* owner);
  // Clears the layers without change notifications.
  ~TLayerCollection() override;

  // Makes a layer of `layerClass` (a TCustomLayer class) on top; notified twice as added.
  TCustomLayer* Add(TLayerClass layerClass);
  template <class L>
  L* Add() { return static_cast<L*>(Add(L::StaticClass())); }
  TCustomLayer* Insert(int32_t index, TLayerClass layerClass);
  void Delete(int32_t index);
  void Clear();
  void Assign(TPersistent* source) override;

  int32_t Count() const { return items_.Count(); }
  // Raises the list's index error for a bad index.
  TCustomLayer* Items(int32_t index) const { return static_cast<TCustomLayer*>(items_.Items(index)); }
  void SetItems(int32_t index, TCustomLayer* layer);
  int32_t IndexOf(const TCustomLayer* layer) const { return items_.IndexOf(const_cast<TCustomLayer*>(layer)); }
  TPersistent* GetOwner() const override { return owner_; }
  TPersistent* Owner() const { return owner_; }

  void BeginUpdate();
  // Raises EAssertionFailed "Unpaired EndUpdate" below zero.
  void EndUpdate();
  void Changed() { OnChange(this); }
  void Changing() { OnChanging(this); }
  void GDIUpdate();
  void DoUpdateArea(const TRect& area);
  void DoUpdateLayer(TCustomLayer* layer);

  virtual void GetViewportScale(float& x, float& y);
  virtual void GetViewportShift(float& x, float& y);
  TFloatPoint LocalToViewport(const TFloatPoint& p, bool scaled);
  TFloatPoint ViewportToLocal(const TFloatPoint& p, bool scaled);
  // From the top down, the first layer sharing a bit with `optionMask` that is hit.
  TCustomLayer* FindLayerAtPos(int32_t x, int32_t y, uint32_t optionMask);

  // Mouse routing; each answers the layer that took the event (or null).
  TCustomLayer* MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  TCustomLayer* MouseMove(TShiftState shift, int32_t x, int32_t y);
  TCustomLayer* MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  bool MouseEvents() const { return mouseEvents_; }
  void SetMouseEvents(bool value);
  TCustomLayer* MouseListener() const { return mouseListener_; }
  void SetMouseListener(TCustomLayer* layer);

  // Used by layers joining and leaving.
  void InsertItem(TCustomLayer* layer);
  void RemoveItem(TCustomLayer* layer);
  void Notify(TLayerListNotification action, TCustomLayer* layer, int32_t index);
  // Moves a layer within the list (SetIndex).
  void MoveItem(int32_t currentIndex, int32_t newIndex) { items_.Move(currentIndex, newIndex); }

  TNotifyEvent OnChanging;
  TNotifyEvent OnChange;
  TNotifyEvent OnGDIUpdate;
  TLayerListNotifyEvent OnListNotify;
  TLayerUpdateEvent OnLayerUpdated;
  TAreaChangedEvent OnAreaUpdated;
  TGetScaleEvent OnGetViewportScale;
  TGetShiftEvent OnGetViewportShift;

 private:
  TCustomLayer* ListenerOr(int32_t x, int32_t y);

  TList items_;
  bool mouseEvents_ = true;
  TCustomLayer* mouseListener_ = nullptr;
  int32_t updateCount_ = 0;
  TPersistent* owner_;
};

// A layer: its options, mouse states, events and free notifications.
class TCustomLayer : public TNotifiablePersistent {
  CLASSLIB_CLASS(TCustomLayer, TNotifiablePersistent)
 public:
  using TCreateArgument = TLayerCollection*;
  explicit TCustomLayer(TLayerCollection* collection);
  // OnDestroy, then the free notifications (newest first), then the layer leaves.
  ~TCustomLayer() override;

  int32_t Index() const { return collection_ != nullptr ? collection_->IndexOf(this) : -1; }
  virtual void SetIndex(int32_t value);
  bool Visible() const { return (options_ & LOB_VISIBLE) != 0; }
  void SetVisible(bool value);
  bool MouseEvents() const { return (options_ & LOB_MOUSE_EVENTS) != 0; }
  void SetMouseEvents(bool value);
  bool Invalid() const { return (options_ & LOB_INVALID) != 0; }
  void SetInvalid(bool value) { SetBit(LOB_INVALID, value); }
  bool ForceUpdate() const { return (options_ & LOB_FORCE_UPDATE) != 0; }
  void SetForceUpdate(bool value) { SetBit(LOB_FORCE_UPDATE, value); }
  uint32_t LayerOptions() const { return options_; }
  virtual void SetLayerOptions(uint32_t value);
  TLayerCollection* LayerCollection() const { return collection_; }
  virtual void SetLayerCollection(TLayerCollection* value);
  TCursor Cursor() const { return cursor_; }
  virtual void SetCursor(TCursor value);
  TLayerStates& LayerStates() { return states_; }

  bool HitTest(int32_t x, int32_t y);
  void BringToFront();
  void SendToBack();
  void SetAsMouseListener();
  void AddNotification(TCustomLayer* layer);
  void RemoveNotification(TCustomLayer* layer);
  void Update();
  void Update(const TRect& area);
  void Changed() override;
  void Changed(const TRect& area);
  void Changing();
  void DoPaint(TBitmap32* buffer);
  virtual void PaintGDI(TCanvas* canvas) { (void)canvas; }
  virtual void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  virtual void MouseMove(TShiftState shift, int32_t x, int32_t y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y);

  THitTestEvent OnHitTest;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TPaintLayerEvent OnPaint;
  TNotifyEvent OnDestroy;

 protected:
  virtual bool DoHitTest(int32_t x, int32_t y);
  virtual void Notification(TCustomLayer* layer) { (void)layer; }
  virtual void Paint(TBitmap32* buffer) { (void)buffer; }
  // The options a new layer of the class starts with (set after it joined).
  void InitOptions(uint32_t options) { options_ = options; }

 private:
  void SetBit(uint32_t bit, bool value);
  void ChangedWith(const TRect* area);

  TCursor cursor_ = crDefault;
  TList* freeNotifies_ = nullptr;
  TLayerCollection* collection_ = nullptr;
  TLayerStates states_;
  uint32_t options_ = 0;
};

// A layer with a float rectangle, in viewport coordinates or, when Scaled, in bitmap
// coordinates mapped through the view's scale and shift.
class TPositionedLayer : public TCustomLayer {
  CLASSLIB_CLASS(TPositionedLayer, TCustomLayer)
 public:
  explicit TPositionedLayer(TLayerCollection* collection);
  const TFloatRect& Location() const { return location_; }
  void SetLocation(const TFloatRect& value);
  bool Scaled() const { return scaled_; }
  void SetScaled(bool value);
  virtual TFloatRect GetAdjustedRect(const TFloatRect& r);
  TFloatRect GetAdjustedLocation() { return GetAdjustedRect(location_); }

 protected:
  bool DoHitTest(int32_t x, int32_t y) override;
  virtual void DoSetLocation(const TFloatRect& value) { location_ = value; }

 private:
  TFloatRect location_{0, 0, 64, 64};
  bool scaled_ = false;
};

// Shows its own bitmap stretched into its location.
class TBitmapLayer : public TPositionedLayer {
  CLASSLIB_CLASS(TBitmapLayer, TPositionedLayer)
 public:
  explicit TBitmapLayer(TLayerCollection* collection);
  ~TBitmapLayer() override;
  TBitmap32* Bitmap() const { return bitmap_; }
  void SetBitmap(TBitmap32* value) { bitmap_->Assign(value); }
  bool AlphaHit = false;
  bool Cropped() const { return cropped_; }
  void SetCropped(bool value);

 protected:
  bool DoHitTest(int32_t x, int32_t y) override;
  void Paint(TBitmap32* buffer) override;

 private:
  void BitmapAreaChanged(TObject* sender, const TRect& area, uint32_t info);
  TBitmap32* bitmap_;
  bool cropped_ = false;
};

// A frame with handles that the user drags to move and size it (and its child layer).
class TRubberbandLayer : public TPositionedLayer {
  CLASSLIB_CLASS(TRubberbandLayer, TPositionedLayer)
 public:
  explicit TRubberbandLayer(TLayerCollection* collection);
  ~TRubberbandLayer() override;

  TPositionedLayer* ChildLayer() const { return child_; }
  void SetChildLayer(TPositionedLayer* value);
  const TArrayOfColor32& FrameStipple() const { return frameStipple_; }
  void SetFrameStipple(const TArrayOfColor32& value) { frameStipple_ = value; }
  float FrameStippleStep() const { return stippleStep_; }
  void SetFrameStippleStep(float value) { SetAndRedraw(stippleStep_, value); }
  float FrameStippleCounter() const { return stippleCounter_; }
  void SetFrameStippleCounter(float value) { SetAndRedraw(stippleCounter_, value); }
  TColor32 HandleFrame() const { return handleFrame_; }
  void SetHandleFrame(TColor32 value) { SetAndRedraw(handleFrame_, value); }
  TColor32 HandleFill() const { return handleFill_; }
  void SetHandleFill(TColor32 value) { SetAndRedraw(handleFill_, value); }
  TRBHandles Handles() const { return handles_; }
  void SetHandles(TRBHandles value) { SetAndRedraw(handles_, value); }
  int32_t HandleSize() const { return handleSize_; }
  void SetHandleSize(int32_t value) { SetAndRedraw(handleSize_, value < 1 ? 1 : value); }
  float MinWidth = 10;
  float MaxHeight = 0;
  float MinHeight = 10;
  float MaxWidth = 0;
  TNotifyEvent OnUserChange;
  TRBResizingEvent OnResizing;

  void SetLayerOptions(uint32_t value) override;
  TDragState GetDragState(int32_t x, int32_t y);
  void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
  void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

 protected:
  bool DoHitTest(int32_t x, int32_t y) override { return GetDragState(x, y) != dsNone; }
  void DoSetLocation(const TFloatRect& value) override;
  virtual void DoResizing(const TFloatRect& oldLocation, TFloatRect& newLocation, TDragState dragState,
                          TShiftState shift);
  void Notification(TCustomLayer* layer) override;
  void Paint(TBitmap32* buffer) override;

 private:
  // Stores a look property and redraws the overlay when it changed.
  template <class T>
  void SetAndRedraw(T& field, T value) {
    if (field == value) return;
    field = value;
    if (LayerCollection() != nullptr) LayerCollection()->GDIUpdate();
  }
  void DragTo(TShiftState shift, int32_t x, int32_t y);
  void DrawHandle(TBitmap32* buffer, int32_t x, int32_t y);

  TPositionedLayer* child_ = nullptr;
  TArrayOfColor32 frameStipple_{0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000, 0xFF000000};
  float stippleStep_ = 1.0f;
  float stippleCounter_ = 0;
  TColor32 handleFrame_ = 0xFF000000;
  TColor32 handleFill_ = 0xFFFFFFFF;
  TRBHandles handles_{rhCenter, rhSides, rhCorners, rhFrame};
  int32_t handleSize_ = 3;
  bool dragging_ = false;
  TDragState dragState_ = dsNone;
  TFloatRect oldLocation_;
  TFloatPoint mouseShift_;
};

}  // namespace imaging
