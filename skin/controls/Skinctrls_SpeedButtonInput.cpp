// TspSkinSpeedButton: clicking, mouse, the accelerator, groups and the timers.
#include "classlib/windowing/Button.h"
#include "skin/controls/Skinctrls_SpeedButton.h"

// Clicking, pressed state and groups

void TspSkinSpeedButton::ButtonClick() {
  if (OnClick) OnClick(this);
}

void TspSkinSpeedButton::SetDown(bool value) { ButtonPress::SetDown(*this, value); }

void TspSkinSpeedButton::DoAllUp() { ButtonPress::DoAllUp(*this); }

void TspSkinSpeedButton::RefreshButton() { ButtonPress::RefreshButton(*this); }

void TspSkinSpeedButton::ReDrawControl() { ButtonPress::ReDrawControl(*this); }

// Mouse

void TspSkinSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspGraphicSkinCustomControl::MouseDown(button, shift, x, y);
  if (button == mbLeft) ButtonPress::Press(*this);
}

void TspSkinSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) ButtonPress::Release(*this);
  TspGraphicSkinCustomControl::MouseUp(button, shift, x, y);
}

// A disabled button and a down group member keep their look; the hot flag follows the
// pointer all the same.
void TspSkinSpeedButton::MouseEnterChanged(bool enter) {
  if (ComponentState().Contains(csDesigning)) return;
  mouseIn_ = enter;
  const bool lookChanges = Enabled() && (groupIndex_ == 0 || !down_);
  if (lookChanges && enter && down_) {
    if (EnableMorphing()) morph_.SetFactor(1);
    Repaint();
  } else if (lookChanges) {
    ButtonPress::AnimateHotChange(*this, enter);
    ReDrawControl();
  }
  if (!down_ || !repeatMode_ || groupIndex_ != 0) return;
  if (enter) StartRepeat();
  else if (repeat_.Running()) StopRepeat();
}

// Messages

void TspSkinSpeedButton::CMDialogChar(TMessage& message) {
  const bool reachable = Enabled() && Visible() && Parent() != nullptr && Parent()->Showing();
  if (reachable && IsAccel(static_cast<char>(message.WParam), Caption())) {
    ButtonClick();
    message.Result = 1;
    return;
  }
  TspGraphicSkinCustomControl::Dispatch(message);
}

void TspSkinSpeedButton::CMEnabledChanged(TMessage& message) {
  TspGraphicSkinCustomControl::Dispatch(message);
  if (EnableMorphing()) morph_.Reset();
  mouseIn_ = false;
  Repaint();
}

void TspSkinSpeedButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TspGraphicSkinCustomControl::Dispatch(message);
      MouseEnterChanged(message.Msg == CM_MOUSEENTER);
      return;
    case CM_TEXTCHANGED:
      TspGraphicSkinCustomControl::Dispatch(message);
      if (lookIndex_ != -1 || ComponentState().Contains(csDesigning) || drawDefault_) Repaint();
      return;
    case CM_ENABLEDCHANGED:
      CMEnabledChanged(message);
      return;
    case CM_DIALOGCHAR:
      CMDialogChar(message);
      return;
    default:
      TspGraphicSkinCustomControl::Dispatch(message);
  }
}

// Timers

void TspSkinSpeedButton::StartAnimate(bool forward) {
  if (!flat_) animation_.Start(forward, *look_);
}

void TspSkinSpeedButton::DoMorph() {
  if (morph_.Tick(mouseIn_, lookIndex_ != -1 && EnableMorphing())) Repaint();
}

void TspSkinSpeedButton::DoAnimate() {
  if (animation_.Step(look_->FrameCount)) Repaint();
}
