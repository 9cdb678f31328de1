// The scroll bar's input: presses on the parts and the track, auto-repeat, dragging,
// hover, keys, wheel and focus.
#include "skin/controls/Skinctrls_RangeDrawing.h"
#include "skin/controls/Skinctrls_ScrollBar.h"

namespace {

bool Contains(const TRect& r, int X, int Y) { return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom; }

}  // namespace

void TspSkinScrollBar::SetRepeatTimer(int interval) {
  if (HandleAllocated()) SetTimer(Handle(), kRepeatTimer, static_cast<UINT>(interval), nullptr);
}

void TspSkinScrollBar::KillRepeatTimer() {
  if (HandleAllocated()) KillTimer(Handle(), kRepeatTimer);
}

void TspSkinScrollBar::StartScroll() {
  KillRepeatTimer();
  SetRepeatTimer(kRepeatInterval);
}

void TspSkinScrollBar::StopTimer() {
  KillRepeatTimer();
  repeatMode_ = 0;
}

bool TspSkinScrollBar::Before(int X, int Y) const { return Horizontal() ? X < parts_[0].R.Left : Y < parts_[0].R.Top; }

bool TspSkinScrollBar::After(int X, int Y) const {
  return Horizontal() ? X > parts_[0].R.Right : Y > parts_[0].R.Bottom;
}

void TspSkinScrollBar::StepDown() {
  if (OnDownButtonClick) OnDownButtonClick(this);
  else SetPosition(position_ - smallChange_);
}

void TspSkinScrollBar::StepUp() {
  if (OnUpButtonClick) OnUpButtonClick(this);
  else SetPosition(position_ + smallChange_);
}

// Pressing and releasing

void TspSkinScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  leftHeld_ = true;
  CalcRects();
  repeatMode_ = 0;
  firstTick_ = true;
  for (int part = 0; part < 3; ++part) {
    if (!Contains(parts_[part].R, x, y)) continue;
    pressed_ = part;
    ButtonDown(part, x, y);
    return;
  }
  if (!Contains(track_, x, y)) return;
  const bool before = Before(x, y);
  SetPosition(position_ + (before ? -largeChange_ : largeChange_));
  repeatMode_ = before ? 3 : 4;
  SetRepeatTimer(kFirstRepeatDelay);
  if (before) OnPageUp(this);
  else OnPageDown(this);
}

void TspSkinScrollBar::ButtonDown(int part, int X, int Y) {
  parts_[part].Down = true;
  Repaint();
  if (part == 0) {
    dragOrigin_ = Horizontal() ? X : Y;
    pressOffset_ = thumbOffset_;
    dragging_ = true;
    Repaint();
    return;
  }
  if (part == 1) StepUp();
  else StepDown();
  repeatMode_ = part == 1 ? 2 : 1;
  SetRepeatTimer(kFirstRepeatDelay);
}

void TspSkinScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseUp(button, shift, x, y);
  leftHeld_ = false;
  if (repeatMode_ == 3 || repeatMode_ == 4) StopTimer();
  const int pressed = pressed_;
  if (pressed != -1) ButtonUp(pressed);
  pressed_ = -1;
  if (button == mbLeft && pressed == 0) OnLastChange(this);
}

void TspSkinScrollBar::ButtonUp(int part) {
  parts_[part].Down = false;
  if (part != hovered_) parts_[part].Hot = false;
  Repaint();
  if (part == 0) dragging_ = false;
  else StopTimer();
}

// Moving and hovering

void TspSkinScrollBar::MouseMove(TShiftState shift, int x, int y) {
  lastPointer_ = Point(x, y);
  TestActive(x, y);
  if (dragging_) {
    const int distance = (Horizontal() ? x : y) - dragOrigin_;
    SetPosition(CalcValue(pageSize_ == 0 ? distance + pressOffset_ : distance));
  }
  TspSkinCustomControl::MouseMove(shift, x, y);
}

void TspSkinScrollBar::TestActive(int X, int Y) {
  previousHovered_ = hovered_;
  hovered_ = -1;
  for (int part = 0; part < 3 && hovered_ == -1; ++part)
    if (Contains(parts_[part].R, X, Y)) hovered_ = part;
  if (pressed_ != -1 && hovered_ != pressed_) hovered_ = -1;
  if (hovered_ == previousHovered_) return;
  if (previousHovered_ != -1) ButtonLeave(previousHovered_);
  if (hovered_ != -1) ButtonEnter(hovered_);
}

void TspSkinScrollBar::ButtonEnter(int part) {
  parts_[part].Hot = true;
  Repaint();
  if (part != 0 && parts_[part].Down) SetRepeatTimer(kRepeatInterval);
}

void TspSkinScrollBar::ButtonLeave(int part) {
  parts_[part].Hot = false;
  Repaint();
  if (part != 0 && parts_[part].Down) KillRepeatTimer();
}

void TspSkinScrollBar::Leave() {
  if (hovered_ != -1 && pressed_ == -1 && !dragging_) {
    parts_[hovered_].Hot = false;
    Repaint();
    hovered_ = -1;
  }
  if (leftHeld_ && repeatMode_ == 4) StopTimer();
}

// Auto-repeat

void TspSkinScrollBar::RepeatStep() {
  if (firstTick_) {
    firstTick_ = false;
    StartScroll();
    return;
  }
  switch (repeatMode_) {
    case 1: StepDown(); break;
    case 2: StepUp(); break;
    case 3:
      TestActive(lastPointer_.X, lastPointer_.Y);
      if (!Before(lastPointer_.X, lastPointer_.Y)) {
        StopTimer();
        break;
      }
      SetPosition(position_ - largeChange_);
      OnPageUp(this);
      break;
    case 4:
      TestActive(lastPointer_.X, lastPointer_.Y);
      if (!After(lastPointer_.X, lastPointer_.Y)) {
        StopTimer();
        break;
      }
      SetPosition(position_ + largeChange_);
      OnPageDown(this);
      break;
    default: break;
  }
}

// Keys, wheel and focus

void TspSkinScrollBar::KeyDown(WORD& key, TShiftState shift) {
  TspSkinCustomControl::KeyDown(key, shift);
  if (!canFocused_) return;
  if (key == VK_LEFT || key == VK_UP) SetPosition(position_ - smallChange_);
  else if (key == VK_RIGHT || key == VK_DOWN) SetPosition(position_ + smallChange_);
}

void TspSkinScrollBar::WndProc(TMessage& message) {
  if (!skinranges::DropBeforeFocus(*this, canFocused_, focusing_, message)) TspSkinCustomControl::WndProc(message);
}

void TspSkinScrollBar::Dispatch(TMessage& message) {
  if (message.Msg == WM_MOUSEWHEEL && IsFocused()) {
    SetPosition(position_ + (skinranges::WheelAway(message) ? -smallChange_ : smallChange_));
    return;
  }
  TspSkinCustomControl::Dispatch(message);
  skinranges::FinishBarMessage(*this, canFocused_, InPaint(), message);
  switch (message.Msg) {
    case WM_TIMER:
      if (message.WParam == kRepeatTimer) RepeatStep();
      break;
    case CM_MOUSELEAVE:
      if (!ComponentState().Contains(csDesigning)) Leave();
      break;
    case CM_ENABLEDCHANGED:
      Repaint();
      break;
    default: break;
  }
}
