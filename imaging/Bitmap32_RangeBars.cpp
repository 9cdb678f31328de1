#include "imaging/Bitmap32_RangeBars.h"

#include <algorithm>

#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/PropertyBinders.h"

namespace imaging {

namespace {

constexpr unsigned kFirstRepeatDelay = 600;
constexpr unsigned kRepeatInterval = 100;
constexpr unsigned kHotTrackingInterval = 150;

bool Contains(const ::TRect& rect, int x, int y) {
  return x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
}

}  // namespace

TArrowBar::TArrowBar(TComponent* owner) : TCustomControl(owner) {
  TControlStyle style = ControlStyle();
  style.Exclude(csAcceptsControls);
  style.Exclude(csDoubleClicks);
  style.Include(csOpaque);
  SetControlStyle(style);
  SetBounds(Left(), Top(), 100, 16);
  SetParentColor(false);
  SetColor(clScrollBar);
  timer_ = new TTimer(this);
  timer_->OnTimer = TNotifyEvent(this, &TArrowBar::TimerHandler);
}

void TArrowBar::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TArrowBar::SetStyle(TRBStyle value) {
  style_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TArrowBar::SetKind(TScrollBarKind value) {
  if (kind_ == value) return;
  kind_ = value;
  const TComponentState& state = ComponentState();
  if (state.Contains(csDesigning) && !state.Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  Invalidate();
}

// --- Geometry ------------------------------------------------------------------------------

int32_t TArrowBar::GetButtonSize() {
  if (!showArrows_) return 0;
  const int32_t length = ClientLengthAlong();
  const int32_t thickness = Horizontal() ? ClientHeight() : ClientWidth();
  const int32_t wanted = buttonSize_ != 0 ? buttonSize_ : std::min(thickness, 32);
  int32_t size = length > 2 * wanted ? wanted : length / 2;
  if (style_ == rbsMac) --size;
  return size < 2 ? 0 : size;
}

::TRect TArrowBar::GetTrackBoundary() {
  ::TRect rect = ClientRect();
  const int32_t buttons = GetButtonSize();
  if (Horizontal()) {
    rect.Left += buttons;
    rect.Right -= buttons;
  } else {
    rect.Top += buttons;
    rect.Bottom -= buttons;
  }
  return rect;
}

int32_t TArrowBar::TrackLength() {
  const ::TRect track = GetTrackBoundary();
  return Horizontal() ? track.Width() : track.Height();
}

TRBZone TArrowBar::GetZone(int x, int y) {
  const ::TRect client = ClientRect();
  if (!Contains(client, x, y)) return zNone;
  const int32_t along = Along(x, y);
  const int32_t length = ClientLengthAlong();
  const int32_t buttons = GetButtonSize();
  if (along < buttons) return zBtnPrev;
  if (along >= length - buttons) return zBtnNext;
  const ::TRect handle = GetHandleRect();
  if (Contains(handle, x, y)) return zHandle;
  const int32_t handleStart = Horizontal() ? handle.Left : handle.Top;
  const int32_t handleEnd = Horizontal() ? handle.Right : handle.Bottom;
  if (along > 0 && along < handleStart) return zTrackPrev;
  if (along >= handleEnd && along < length - 1) return zTrackNext;
  return zNone;
}

::TRect TArrowBar::GetZoneRect(TRBZone zone) {
  const int32_t buttons = GetButtonSize();
  ::TRect rect = ClientRect();
  // Cuts `rect` along the bar: keeps from `start` (inclusive) to `end` (exclusive).
  auto cut = [this, &rect](int32_t start, int32_t end) {
    ::TRect r = rect;
    (Horizontal() ? r.Left : r.Top) = start;
    (Horizontal() ? r.Right : r.Bottom) = end;
    return r;
  };
  const int32_t clientStart = Horizontal() ? rect.Left : rect.Top;
  const int32_t clientEnd = Horizontal() ? rect.Right : rect.Bottom;
  if (zone == zBtnPrev) return cut(clientStart, clientStart + buttons);
  if (zone == zBtnNext) return cut(clientEnd - buttons, clientEnd);
  if (zone == zNone) return ::TRect{};
  rect = GetTrackBoundary();
  ::TRect handle = GetHandleRect();
  if (handle.IsEmpty() || !DrawEnabled()) {
    const int32_t cx = (rect.Left + rect.Right) / 2;
    const int32_t cy = (rect.Top + rect.Bottom) / 2;
    handle = ::TRect{cx, cy, cx, cy};
  }
  if (zone == zHandle) return handle;
  const int32_t handleStart = Horizontal() ? handle.Left : handle.Top;
  const int32_t handleEnd = Horizontal() ? handle.Right : handle.Bottom;
  if (zone == zTrackPrev) return cut(Horizontal() ? rect.Left : rect.Top, handleStart);
  return cut(handleEnd, Horizontal() ? rect.Right : rect.Bottom);
}

// --- Painting ------------------------------------------------------------------------------

void TArrowBar::Paint() {
  const TRBDirection previous = Horizontal() ? drLeft : drUp;
  const TRBDirection next = Horizontal() ? drRight : drDown;
  const bool enabled = DrawEnabled();
  if (showArrows_) {
    DoDrawButton(GetZoneRect(zBtnPrev), previous, dragZone_ == zBtnPrev, enabled, hotZone_ == zBtnPrev);
    DoDrawButton(GetZoneRect(zBtnNext), next, dragZone_ == zBtnNext, enabled, hotZone_ == zBtnNext);
  }
  const ::TRect handle = enabled ? GetHandleRect() : ::TRect{};
  DoDrawTrack(GetZoneRect(zTrackPrev), previous, dragZone_ == zTrackPrev, enabled, hotZone_ == zTrackPrev);
  DoDrawTrack(GetZoneRect(zTrackNext), next, dragZone_ == zTrackNext, enabled, hotZone_ == zTrackNext);
  if (!handle.IsEmpty()) DoDrawHandle(handle, Horizontal(), dragZone_ == zHandle, hotZone_ == zHandle);
}

void TArrowBar::DrawNCArea(HDC dc, HRGN clip) {
  (void)clip;
  if (borderStyle_ == bsNone) return;
  const HWND window = Handle();
  const bool ownDC = dc == nullptr;
  if (ownDC) dc = GetWindowDC(window);
  RECT rect;
  GetWindowRect(window, &rect);
  OffsetRect(&rect, -rect.left, -rect.top);
  DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
  if (ownDC) ReleaseDC(window, dc);
}

void TArrowBar::WMNCCalcSize(TMessage& message) {
  DefaultHandler(message);
  if (borderStyle_ != bsSingle) return;
  auto* rect = reinterpret_cast<RECT*>(message.LParam);
  InflateRect(rect, -1, -1);
}

void TArrowBar::WMNCPaint(TMessage& message) {
  DefaultHandler(message);
  DrawNCArea(nullptr, nullptr);
}

void TArrowBar::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = -1;
      return;
    case WM_NCCALCSIZE:
      WMNCCalcSize(message);
      return;
    case WM_NCPAINT:
      WMNCPaint(message);
      return;
    case CM_ENABLEDCHANGED:
      TCustomControl::Dispatch(message);
      Invalidate();
      return;
    case CM_MOUSELEAVE:
      MouseLeft();
      return;
    default:
      TCustomControl::Dispatch(message);
  }
}

// --- Mouse and timer -----------------------------------------------------------------------

void TArrowBar::DoChange() {
  OnChange(this);
  if (userChange_) OnUserChange(this);
}

void TArrowBar::StartDragTracking() {
  timer_->SetInterval(kFirstRepeatDelay);
  timerMode_ = tmRepeating;
  TimerHandler(timer_);
  timerMode_ = tmFirstDelay;
  timer_->SetEnabled(true);
}

void TArrowBar::StartHotTracking() {
  timer_->SetInterval(kHotTrackingInterval);
  timerMode_ = tmHotTracking;
  timer_->SetEnabled(true);
}

void TArrowBar::StopHotTracking() {
  timer_->SetEnabled(false);
  timerMode_ = tmIdle;
  hotZone_ = zNone;
  Invalidate();
}

::TPoint TArrowBar::CursorPos() const {
  POINT cursor;
  GetCursorPos(&cursor);
  return ScreenToClient(::Point(cursor.x, cursor.y));
}

TRBZone TArrowBar::ZoneUnderCursor() {
  const ::TPoint p = CursorPos();
  const ::TRect client = ClientRect();
  const int x = std::clamp<int>(p.X, client.Left, std::max<int>(client.Left, client.Right - 1));
  const int y = std::clamp<int>(p.Y, client.Top, std::max<int>(client.Top, client.Bottom - 1));
  return GetZone(x, y);
}

void TArrowBar::TimerHandler(TObject* sender) {
  (void)sender;
  if (timerMode_ == tmFirstDelay) {
    timer_->SetInterval(kRepeatInterval);
    timerMode_ = tmRepeating;
  } else if (timerMode_ == tmHotTracking) {
    const ::TPoint p = CursorPos();
    if (!Contains(ClientRect(), p.X, p.Y)) StopHotTracking();
  }
}

void TArrowBar::RepeatStep(int32_t buttonStep, int32_t trackStep) {
  AsUserChange([&] {
    const bool previous = dragZone_ == zBtnPrev || dragZone_ == zTrackPrev;
    if (dragZone_ == zBtnPrev || dragZone_ == zBtnNext) {
      if (!StepPosition(previous ? -buttonStep : buttonStep)) StartHotTracking();
    } else if (dragZone_ == zTrackPrev || dragZone_ == zTrackNext) {
      const TRBZone zone = ZoneUnderCursor();
      const bool onSide = previous ? zone == zBtnPrev || zone == zTrackPrev : zone == zTrackNext || zone == zBtnNext;
      if (onSide) StepPosition(previous ? -trackStep : trackStep);
    }
  });
}

void TArrowBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  dragZone_ = GetZone(x, y);
  Invalidate();
  pressX_ = x;
  pressY_ = y;
  StartDragTracking();
}

void TArrowBar::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (dragZone_ != zNone || !DrawEnabled()) return;
  const TRBZone zone = GetZone(x, y);
  if (zone == hotZone_) return;
  hotZone_ = zone;
  if (zone != zNone) StartHotTracking();
  Invalidate();
}

void TArrowBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  dragZone_ = zNone;
  Invalidate();
  StartHotTracking();
}

// --- Access object -----------------------------------------------------------------------

void TArrowBarAccess::Assign(TPersistent* source) {
  const auto* other = dynamic_cast<TArrowBarAccess*>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  SetColor(other->Color());
  SetBackgnd(other->Backgnd());
  SetButtonSize(other->ButtonSize());
  SetHandleColor(other->HandleColor());
  SetButtonColor(other->ButtonColor());
  SetHighLightColor(other->HighLightColor());
  SetShadowColor(other->ShadowColor());
  SetBorderColor(other->BorderColor());
  SetShowArrows(other->ShowArrows());
  SetShowHandleGrip(other->ShowHandleGrip());
  SetStyle(other->Style());
}

// --- Form resources ------------------------------------------------------------------------

namespace {

const TIdentTable& Backgnds() {
  static const TIdentTable table("TRBBackgnd", {{"bgPattern", bgPattern}, {"bgSolid", bgSolid}});
  return table;
}

const TIdentTable& BorderStyles() {
  static const TIdentTable table("TBorderStyle", {{"bsNone", bsNone}, {"bsSingle", bsSingle}});
  return table;
}

const TIdentTable& Styles() {
  static const TIdentTable table("TRBStyle", {{"rbsDefault", rbsDefault}, {"rbsMac", rbsMac}});
  return table;
}

// The look shared by the bars and the access object.
template <class T>
void RegisterLook() {
  RegisterClassProperties(T::StaticClass(), {
      ColorProperty<T>("Color", &T::SetColor, clScrollBar),
      EnumProperty<T, TRBBackgnd>("Backgnd", &T::SetBackgnd, Backgnds(), "bgPattern"),
      IntegerProperty<T>("ButtonSize", &T::SetButtonSize, 0),
      ColorProperty<T>("HandleColor", &T::SetHandleColor, clBtnShadow),
      ColorProperty<T>("ButtonColor", &T::SetButtonColor, clBtnFace),
      ColorProperty<T>("HighLightColor", &T::SetHighLightColor, clBtnHighlight),
      ColorProperty<T>("ShadowColor", &T::SetShadowColor, clBtnShadow),
      ColorProperty<T>("BorderColor", &T::SetBorderColor, clWindowFrame),
      BoolProperty<T>("ShowArrows", &T::SetShowArrows, true),
      BoolProperty<T>("ShowHandleGrip", &T::SetShowHandleGrip, true),
      EnumProperty<T, TRBStyle>("Style", &T::SetStyle, Styles(), "rbsDefault")});
}

}  // namespace

void RegisterRangeBarClasses() {
  using A = TArrowBar;
  RegisterLook<A>();
  RegisterClassProperties(A::StaticClass(),
                          {EnumProperty<A, TBorderStyle>("BorderStyle", &A::SetBorderStyle, BorderStyles(), "bsSingle"),
                           EnumProperty<A, TScrollBarKind>("Kind", &A::SetKind, ScrollBarKindIdents(), "sbHorizontal"),
                           EventProperty("OnChange", &A::OnChange), EventProperty("OnUserChange", &A::OnUserChange)});
  using R = TCustomRangeBar;
  RegisterClassProperties(
      R::StaticClass(),
      {IntegerProperty<R>("Increment",
                          [](R* bar, int value) { bar->SetIncrement(static_cast<TRBIncrement>(std::clamp(value, 1, 32768))); },
                          8),
       IntegerProperty<R>("Range", &R::SetRange, 0), IntegerProperty<R>("Window", &R::SetWindow, 0),
       FloatProperty<R>("Position", [](R* bar, double value) { bar->SetPosition(static_cast<float>(value)); }, 0.0)});
  RegisterClassProperties(TRangeBar::StaticClass(), {});
  using G = TCustomGaugeBar;
  RegisterClassProperties(
      G::StaticClass(),
      {IntegerProperty<G>("HandleSize", &G::SetHandleSize, 0), IntegerProperty<G>("LargeChange", &G::SetLargeChange, 1),
       IntegerProperty<G>("Max", &G::SetMax, 100), IntegerProperty<G>("Min", &G::SetMin, 0),
       IntegerProperty<G>("SmallChange", &G::SetSmallChange, 1), IntegerProperty<G>("Position", &G::SetPosition, 0)});
  RegisterClassProperties(TGaugeBar::StaticClass(), {});
  RegisterLook<TArrowBarAccess>();
}

}  // namespace imaging
