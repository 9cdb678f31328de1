#include "skin/controls/Skinctrls_StepButtons.h"

#include "classlib/windowing/ControlMessages.h"
#include "skin/data/Sputils_Geometry.h"

TspSkinStepControl::TspSkinStepControl(TComponent* owner) : TspSkinCustomControl(owner) {}

void TspSkinStepControl::SetRepeatTimer(UINT interval) {
  if (HandleAllocated()) SetTimer(Handle(), kRepeatTimerId, interval, nullptr);
}

void TspSkinStepControl::KillRepeatTimer() {
  if (HandleAllocated()) KillTimer(Handle(), kRepeatTimerId);
}

void TspSkinStepControl::TestActive(int x, int y) {
  oldActive_ = active_;
  active_ = kNoButton;
  for (int i : {kUpButton, kDownButton}) {
    if (PointInRect(buttonRects_[i], Point(x, y))) {
      active_ = i;
      break;
    }
  }
  if (captured_ != kNoButton && active_ != captured_) active_ = kNoButton;
  if (active_ == oldActive_) return;
  if (oldActive_ != kNoButton) ButtonLeave(oldActive_);
  if (active_ != kNoButton) ButtonEnter(active_);
}

void TspSkinStepControl::DrawButtonPictures(TBitmap* bitmap, const TRect (&hot)[2], const TRect (&down)[2]) {
  if (Picture == nullptr) return;
  for (int i : {kUpButton, kDownButton}) {
    const TspButtonState b = buttons_[i];
    const TRect source = b.Hot && b.Pressed ? down[i] : (b.Hot ? hot[i] : TRect{});
    if (!source.IsEmpty()) bitmap->Canvas()->CopyRect(buttonRects_[i], Picture->Canvas(), source);
  }
}

void TspSkinStepControl::ClearHot() {
  bool changed = false;
  for (TspButtonState& b : buttons_) {
    changed = changed || b.Hot;
    b.Hot = false;
  }
  if (changed) Repaint();
}

void TspSkinStepControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TestActive(x, y);
  if (active_ != kNoButton) {
    buttons_[1 - active_].Hot = false;
    captured_ = active_;
    ButtonDown(active_);
  }
  TspSkinCustomControl::MouseDown(button, shift, x, y);
}

void TspSkinStepControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (captured_ != kNoButton) {
    const int index = captured_;
    captured_ = kNoButton;
    ButtonUp(index);
  }
  TspSkinCustomControl::MouseUp(button, shift, x, y);
}

void TspSkinStepControl::MouseMove(TShiftState shift, int x, int y) {
  TestActive(x, y);
  TspSkinCustomControl::MouseMove(shift, x, y);
}

void TspSkinStepControl::ButtonDown(int index) {
  buttons_[index].Hot = true;
  buttons_[index].Pressed = true;
  Repaint();
  if (!CanStep()) return;
  repeatMode_ = index == kUpButton ? spRepeatIncrease : spRepeatDecrease;
  waiting_ = true;
  StartTimer();
}

void TspSkinStepControl::ButtonUp(int index) {
  if (CanStep()) {
    KillRepeatTimer();
    repeatMode_ = spRepeatNone;
  }
  const bool over = buttons_[index].Hot;
  buttons_[index].Pressed = false;
  if (index != active_) buttons_[index].Hot = false;
  Repaint();
  ButtonReleased(index, over);
}

void TspSkinStepControl::ButtonEnter(int index) {
  buttons_[1 - index].Hot = false;
  buttons_[index].Hot = true;
  Repaint();
  if (buttons_[index].Pressed && CanStep()) SetRepeatTimer(kRepeatResumedInterval);
}

void TspSkinStepControl::ButtonLeave(int index) {
  buttons_[index].Hot = false;
  Repaint();
  if (buttons_[index].Pressed && CanStep()) KillRepeatTimer();
}

void TspSkinStepControl::RepeatTick() {
  if (waiting_) {
    waiting_ = false;
    SetRepeatTimer(kRepeatInterval);
    return;
  }
  if (repeatMode_ != spRepeatNone) Step(repeatMode_);
}

void TspSkinStepControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_TIMER:
      TspSkinCustomControl::Dispatch(message);
      if (message.WParam == kRepeatTimerId) RepeatTick();
      return;
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(message);
      ClearHot();
      return;
    default:
      TspSkinCustomControl::Dispatch(message);
  }
}
