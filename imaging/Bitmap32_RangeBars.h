#pragma once
// Scroll-bar-like controls drawn by the library itself: the arrow bar lays out two
// arrow buttons, two track parts and a handle, draws them in the system's look (with
// visual styles when they are in use) or in a flat look of its own, and tracks the mouse
// with a timer for auto-repeat and hot tracking. The range bar scrolls a float position
// over a range with a visible window, the gauge bar an integer between Min and Max.
#include <cstdint>

#include "classlib/windowing/CustomControl.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/Timer.h"

namespace imaging {

enum TRBDirection : uint8_t { drLeft = 0, drUp = 1, drRight = 2, drDown = 3 };
using TRBDirections = TSet<TRBDirection>;
enum TRBZone : uint8_t { zNone = 0, zBtnPrev = 1, zTrackPrev = 2, zHandle = 3, zTrackNext = 4, zBtnNext = 5 };
enum TRBStyle : uint8_t { rbsDefault = 0, rbsMac = 1 };
enum TRBBackgnd : uint8_t { bgPattern = 0, bgSolid = 1 };
// 1 .. 32768.
using TRBIncrement = uint16_t;

// What the bar's timer is doing.
enum TRBTimerMode : int32_t { tmIdle = 0, tmFirstDelay = 1, tmRepeating = 2, tmHotTracking = 3 };

class TArrowBar : public TCustomControl {
  CLASSLIB_CLASS(TArrowBar, TCustomControl)
 public:
  explicit TArrowBar(TComponent* owner);

  TRBBackgnd Backgnd() const { return backgnd_; }
  void SetBackgnd(TRBBackgnd value) { SetAndInvalidate(backgnd_, value); }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  int32_t ButtonSize() const { return buttonSize_; }
  void SetButtonSize(int32_t value) { SetAndInvalidate(buttonSize_, value); }
  TColor HandleColor() const { return handleColor_; }
  void SetHandleColor(TColor value) { SetAndInvalidate(handleColor_, value); }
  TColor ButtonColor() const { return buttonColor_; }
  void SetButtonColor(TColor value) { SetAndInvalidate(buttonColor_, value); }
  TColor HighLightColor() const { return highLightColor_; }
  void SetHighLightColor(TColor value) { SetAndInvalidate(highLightColor_, value); }
  TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(TColor value) { SetAndInvalidate(shadowColor_, value); }
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value) { SetAndInvalidate(borderColor_, value); }
  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind value);
  bool ShowArrows() const { return showArrows_; }
  void SetShowArrows(bool value) { SetAndInvalidate(showArrows_, value); }
  bool ShowHandleGrip() const { return showHandleGrip_; }
  void SetShowHandleGrip(bool value) { SetAndInvalidate(showHandleGrip_, value); }
  TRBStyle Style() const { return style_; }
  void SetStyle(TRBStyle value);

  TRBZone DragZone() const { return dragZone_; }
  TRBZone HotZone() const { return hotZone_; }
  TRBTimerMode TimerMode() const { return timerMode_; }
  // The zone at a client point and the rectangle of a zone.
  TRBZone GetZone(int x, int y);
  ::TRect GetZoneRect(TRBZone zone);
  // The client rectangle less the two buttons.
  ::TRect GetTrackBoundary();
  int32_t GetButtonSize();

  TNotifyEvent OnChange;
  TNotifyEvent OnUserChange;

 protected:
  virtual void DoChange();
  virtual void DoDrawButton(::TRect rect, TRBDirection direction, bool pushed, bool enabled, bool hot);
  virtual void DoDrawHandle(::TRect rect, bool horizontal, bool pushed, bool hot);
  virtual void DoDrawTrack(::TRect rect, TRBDirection direction, bool pushed, bool enabled, bool hot);
  virtual bool DrawEnabled() { return Enabled(); }
  virtual ::TRect GetHandleRect() { return ::TRect{}; }
  virtual void MouseLeft() { StopHotTracking(); }
  virtual void TimerHandler(TObject* sender);
  // Paints the border into `dc` (the window's own when null).
  virtual void DrawNCArea(HDC dc, HRGN clip);

  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Dispatch(TMessage& message) override;

  bool Horizontal() const { return kind_ == sbHorizontal; }
  // The coordinate along the bar and the client length along it.
  int32_t Along(int x, int y) const { return Horizontal() ? x : y; }
  int32_t ClientLengthAlong() const { return Horizontal() ? ClientWidth() : ClientHeight(); }
  int32_t TrackLength();
  int32_t PressAlong() const { return Along(pressX_, pressY_); }
  // The mouse position now, in client coordinates.
  ::TPoint CursorPos() const;
  // The zone under the mouse now, its position clamped into the client rectangle.
  TRBZone ZoneUnderCursor();
  // Changes made inside run as made by the user (OnUserChange follows OnChange).
  template <typename F>
  void AsUserChange(F change) {
    userChange_ = true;
    change();
    userChange_ = false;
  }
  // Moves the position by `delta`; true when it changed. Nothing in the arrow bar.
  virtual bool StepPosition(int32_t delta) {
    (void)delta;
    return false;
  }
  // One auto-repeat step of the pressed zone, as a user change: a button moves by
  // `buttonStep` and ends the repeat once nothing moves; a track part moves by
  // `trackStep` while the mouse stays on its side of the handle.
  void RepeatStep(int32_t buttonStep, int32_t trackStep);
  void StartDragTracking();
  void StartHotTracking();
  void StopHotTracking();
  TTimer* Timer() const { return timer_; }

 private:
  template <typename T>
  void SetAndInvalidate(T& field, T value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }
  void WMNCCalcSize(TMessage& message);
  void WMNCPaint(TMessage& message);
  void DrawDefaultButton(const ::TRect& rect, TRBDirection direction, bool pushed, bool enabled, bool hot);
  void DrawDefaultTrack(const ::TRect& rect, TRBDirection direction, bool pushed);
  void DrawDefaultHandle(const ::TRect& rect, bool horizontal, bool pushed, bool hot);
  void DrawMacButton(::TRect rect, TRBDirection direction, bool pushed, bool enabled);
  void DrawMacTrack(::TRect rect, TRBDirection direction, bool pushed, bool enabled);
  void DrawMacHandle(::TRect rect, bool horizontal, bool pushed);

  TRBBackgnd backgnd_ = bgPattern;
  TBorderStyle borderStyle_ = bsSingle;
  int32_t buttonSize_ = 0;
  TColor handleColor_ = clBtnShadow;
  TColor buttonColor_ = clBtnFace;
  TColor highLightColor_ = clBtnHighlight;
  TColor shadowColor_ = clBtnShadow;
  TColor borderColor_ = clWindowFrame;
  TScrollBarKind kind_ = sbHorizontal;
  bool showArrows_ = true;
  bool showHandleGrip_ = true;
  TRBStyle style_ = rbsDefault;
  bool userChange_ = false;
  TRBZone dragZone_ = zNone;
  TRBZone hotZone_ = zNone;
  TTimer* timer_;
  TRBTimerMode timerMode_ = tmIdle;
  int32_t pressX_ = 0;
  int32_t pressY_ = 0;

 protected:
  bool UserChange() const { return userChange_; }
};

class TCustomRangeBar : public TArrowBar {
  CLASSLIB_CLASS(TCustomRangeBar, TArrowBar)
 public:
  explicit TCustomRangeBar(TComponent* owner);

  // Keeps the middle of the window at the same fraction of the range when the range or
  // window changes.
  bool Centered() const { return centered_; }
  void SetCentered(bool value) { centered_ = value; }
  TRBIncrement Increment() const { return increment_; }
  void SetIncrement(TRBIncrement value) { increment_ = value; }
  float Position() const { return position_; }
  void SetPosition(float value);
  int32_t Range() const { return range_; }
  void SetRange(int32_t value) { SetParams(value, window_); }
  int32_t Window() const { return window_; }
  void SetWindow(int32_t value) { SetParams(range_, value); }
  void SetParams(int32_t range, int32_t window);
  // `Window` when above 0, else the control's length along.
  int32_t EffectiveWindow() const { return effectiveWindow_; }

 protected:
  bool DrawEnabled() override;
  ::TRect GetHandleRect() override;
  void TimerHandler(TObject* sender) override;
  bool StepPosition(int32_t delta) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, const ::TPoint& mousePos) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void Resize() override;

 private:
  void UpdateEffectiveWindow();
  void AdjustPosition();
  // The position that keeps the window's middle at the fraction it had of `oldRange`.
  void Recentre(int32_t oldWindow, int32_t oldRange);
  float HandleDragDistance(int32_t d);

  bool centered_ = false;
  int32_t effectiveWindow_ = 0;
  TRBIncrement increment_ = 8;
  float position_ = 0;
  int32_t range_ = 0;
  int32_t window_ = 0;
  float positionBeforeDrag_ = 0;
};

class TRangeBar : public TCustomRangeBar {
  CLASSLIB_CLASS(TRangeBar, TCustomRangeBar)
 public:
  explicit TRangeBar(TComponent* owner) : TCustomRangeBar(owner) {}
};

class TCustomGaugeBar : public TArrowBar {
  CLASSLIB_CLASS(TCustomGaugeBar, TArrowBar)
 public:
  explicit TCustomGaugeBar(TComponent* owner);

  int32_t HandleSize() const { return handleSize_; }
  void SetHandleSize(int32_t value);
  int32_t LargeChange() const { return largeChange_; }
  void SetLargeChange(int32_t value) { largeChange_ = value <= 0 ? 1 : value; }
  int32_t Max() const { return max_; }
  void SetMax(int32_t value);
  int32_t Min() const { return min_; }
  void SetMin(int32_t value);
  int32_t Position() const { return position_; }
  void SetPosition(int32_t value);
  int32_t SmallChange() const { return smallChange_; }
  void SetSmallChange(int32_t value) { smallChange_ = value <= 0 ? 1 : value; }
  // The handle's length along: HandleSize, or the client thickness when 0, below the
  // track length.
  int32_t GetHandleSize();

 protected:
  ::TRect GetHandleRect() override;
  void TimerHandler(TObject* sender) override;
  bool StepPosition(int32_t delta) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, const ::TPoint& mousePos) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;

 private:
  void SetLimit(int32_t& limit, int32_t value);

  int32_t handleSize_ = 0;
  int32_t largeChange_ = 1;
  int32_t max_ = 100;
  int32_t min_ = 0;
  int32_t position_ = 0;
  int32_t smallChange_ = 1;
  int32_t positionBeforeDrag_ = 0;
};

class TGaugeBar : public TCustomGaugeBar {
  CLASSLIB_CLASS(TGaugeBar, TCustomGaugeBar)
 public:
  explicit TGaugeBar(TComponent* owner) : TCustomGaugeBar(owner) {}
};

// Sets the look of one bar, or of two at once: reads come from the master, writes go to
// the master and then to the slave.
class TArrowBarAccess : public TPersistent {
  CLASSLIB_CLASS(TArrowBarAccess, TPersistent)
 public:
  TArrowBarAccess(TArrowBar* master, TArrowBar* slave) : master_(master), slave_(slave) {}

  TArrowBar* Master() const { return master_; }
  TArrowBar* Slave() const { return slave_; }

  TColor Color() const { return master_->Color(); }
  void SetColor(TColor value) { SetBoth(&TArrowBar::SetColor, value); }
  TRBBackgnd Backgnd() const { return master_->Backgnd(); }
  void SetBackgnd(TRBBackgnd value) { SetBoth(&TArrowBar::SetBackgnd, value); }
  int32_t ButtonSize() const { return master_->ButtonSize(); }
  void SetButtonSize(int32_t value) { SetBoth(&TArrowBar::SetButtonSize, value); }
  TColor HandleColor() const { return master_->HandleColor(); }
  void SetHandleColor(TColor value) { SetBoth(&TArrowBar::SetHandleColor, value); }
  TColor ButtonColor() const { return master_->ButtonColor(); }
  void SetButtonColor(TColor value) { SetBoth(&TArrowBar::SetButtonColor, value); }
  TColor HighLightColor() const { return master_->HighLightColor(); }
  void SetHighLightColor(TColor value) { SetBoth(&TArrowBar::SetHighLightColor, value); }
  TColor ShadowColor() const { return master_->ShadowColor(); }
  void SetShadowColor(TColor value) { SetBoth(&TArrowBar::SetShadowColor, value); }
  TColor BorderColor() const { return master_->BorderColor(); }
  void SetBorderColor(TColor value) { SetBoth(&TArrowBar::SetBorderColor, value); }
  bool ShowArrows() const { return master_->ShowArrows(); }
  void SetShowArrows(bool value) { SetBoth(&TArrowBar::SetShowArrows, value); }
  bool ShowHandleGrip() const { return master_->ShowHandleGrip(); }
  void SetShowHandleGrip(bool value) { SetBoth(&TArrowBar::SetShowHandleGrip, value); }
  TRBStyle Style() const { return master_->Style(); }
  void SetStyle(TRBStyle value) { SetBoth(&TArrowBar::SetStyle, value); }

  // Another access object's look (read from its master) is copied to these bars.
  void Assign(TPersistent* source) override;

 private:
  template <typename C, typename V>
  void SetBoth(void (C::*set)(V), V value) {
    (master_->*set)(value);
    if (slave_ != nullptr) (slave_->*set)(value);
  }

  TArrowBar* master_;
  TArrowBar* slave_;
};

// Registers the bars and the access object with their properties for form resources.
void RegisterRangeBarClasses();

}  // namespace imaging
