// TspSkinButton: clicking, mouse, keys and focus, groups, and the three timers (repeat,
// cross-fade, frame animation).
#include "classlib/windowing/Action.h"
#include "classlib/windowing/Button.h"
#include "classlib/windowing/ControlActionLink.h"
#include "skin/controls/Skinctrls_Button.h"
#include "skin/controls/Skinctrls_Faces.h"

// Clicking

void TspSkinButton::ButtonClick() {
  TCustomForm* form = GetParentForm(this);
  if (canFocused_ && form != nullptr) form->SetModalResult(modalResult_);
  TBasicAction* action = Action();
  if (OnClick && action != nullptr && !(OnClick == action->OnExecute)) {
    OnClick(this);
    return;
  }
  if (!ComponentState().Contains(csDesigning) && ActionLink() != nullptr) {
    ActionLink()->Execute(this);
    return;
  }
  OnClick(this);
}

void TspSkinButton::Click() {
  if (ActionLink() == nullptr) TspSkinCustomControl::Click();
}

// Pressed state and groups

void TspSkinButton::SetDown(bool value) { ButtonPress::SetDown(*this, value); }

void TspSkinButton::DoAllUp() { ButtonPress::DoAllUp(*this); }

void TspSkinButton::RefreshButton() { ButtonPress::RefreshButton(*this); }

void TspSkinButton::ReDrawControl() { ButtonPress::ReDrawControl(*this); }

// Mouse

void TspSkinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseDown(button, shift, x, y);
  if (button == mbLeft) ButtonPress::Press(*this);
}

void TspSkinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button != mbLeft) {
    TspSkinCustomControl::MouseUp(button, shift, x, y);
    return;
  }
  ButtonPress::Release(*this);
  if (HandleAllocated() && Visible()) TspSkinCustomControl::MouseUp(button, shift, x, y);
}

void TspSkinButton::MouseEnterChanged(bool enter) {
  if (ComponentState().Contains(csDesigning)) return;
  // A focused button already shows its active face.
  const bool lookChanges = groupIndex_ != 0 ? !down_ : !(IsFocused() && !down_);
  if (enter) {
    mouseIn_ = true;
    if (lookChanges && down_) {
      if (EnableMorphing()) morph_.SetFactor(1);
      Repaint();
    } else if (lookChanges) {
      ButtonPress::AnimateHotChange(*this, true);
      ReDrawControl();
    }
    if (down_ && repeatMode_ && groupIndex_ == 0) StartRepeat();
    return;
  }
  const bool standsAsDefault = canFocused_ && default_ && activeDefault_ && !Focused();
  if (!standsAsDefault) mouseIn_ = false;
  if (lookChanges) {
    ButtonPress::AnimateHotChange(*this, false);
    ReDrawControl();
  }
  if (down_ && repeatMode_ && repeat_.Running() && groupIndex_ == 0) StopRepeat();
}

// A left press on a focusable button that has no focus takes it first; answers true
// when the press is dropped because the focus did not come.
bool TspSkinButton::FocusingPress() {
  return canFocused_ && FocusBeforePress(*this, clicksDisabled_);
}

// Keys

void TspSkinButton::KeyMessage(const TMessage& message) {
  if (!canFocused_) return;
  const auto key = static_cast<WORD>(message.WParam);
  if (message.Msg == WM_KEYDOWN && key == VK_SPACE && spaceDown_) {
    SetDown(true);
    if (repeatMode_) ButtonClick();
  } else if (message.Msg == WM_KEYDOWN && key == VK_RETURN) {
    ButtonClick();
  } else if (message.Msg == WM_KEYUP && key == VK_SPACE && spaceDown_) {
    SetDown(false);
    ButtonClick();
  }
}

void TspSkinButton::CMDialogKey(TMessage& message) {
  if (message.WParam == VK_RETURN && activeDefault_ && Enabled()) {
    ButtonClick();
    message.Result = 1;
    return;
  }
  const bool noShift = !KeyboardShiftState().Contains(ssShift);
  if (message.WParam == VK_ESCAPE && cancel_ && canFocused_ && noShift && CanFocus()) {
    ButtonClick();
    message.Result = 1;
    return;
  }
  TspSkinCustomControl::Dispatch(message);
}

void TspSkinButton::CMDialogChar(TMessage& message) {
  if (IsAccel(static_cast<char>(message.WParam), Caption()) && CanFocus() && canFocused_) {
    SetFocus();
    ButtonClick();
    message.Result = 1;
    return;
  }
  TspSkinCustomControl::Dispatch(message);
}

// Focus and the default button

void TspSkinButton::CMFocusChanged(TMessage& message) {
  auto* focused = reinterpret_cast<TWinControl*>(message.LParam);
  auto* button = dynamic_cast<TspSkinButton*>(focused);
  activeDefault_ = button != nullptr ? button == this : default_;
  if (canFocused_ && default_) {
    if (button != nullptr && button != this) {
      mouseIn_ = false;
      ReDrawControl();
    } else if (focused != nullptr && focused != this) {
      mouseIn_ = true;
      if (EnableMorphing()) morph_.SetFactor(1);
      Repaint();
    }
  }
  TspSkinCustomControl::Dispatch(message);
}

void TspSkinButton::WMKillFocus(TMessage& message) {
  if (repeatMode_ && repeat_.Running()) StopRepeat();
  if (groupIndex_ == 0 && down_) down_ = false;
  TspSkinCustomControl::Dispatch(message);
  if (!canFocused_) return;
  ButtonPress::AnimateHotChange(*this, false);
  ReDrawControl();
}

void TspSkinButton::CMEnabledChanged(TMessage& message) {
  TspSkinCustomControl::Dispatch(message);
  if (EnableMorphing()) morph_.Reset();
  mouseIn_ = false;
  Repaint();
}

void TspSkinButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (FocusingPress()) return;
      break;
    case CN_COMMAND:
      if (clicksDisabled_) return;
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      KeyMessage(message);
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(message);
      MouseEnterChanged(message.Msg == CM_MOUSEENTER);
      return;
    case CM_TEXTCHANGED:
      TspSkinCustomControl::Dispatch(message);
      if (lookIndex_ != -1 || ComponentState().Contains(csDesigning) || drawDefault_) Repaint();
      return;
    case CM_FOCUSCHANGED:
      CMFocusChanged(message);
      return;
    case CM_ENABLEDCHANGED:
      CMEnabledChanged(message);
      return;
    case CM_DIALOGKEY:
      CMDialogKey(message);
      return;
    case CM_DIALOGCHAR:
      CMDialogChar(message);
      return;
    case WM_ERASEBKGND:
      // Outside its own WM_PAINT the button paints its whole face into the erase DC.
      if (!InPaint()) PaintWindow(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_SETFOCUS:
      TspSkinCustomControl::Dispatch(message);
      if (!canFocused_) return;
      ButtonPress::AnimateHotChange(*this, true);
      ReDrawControl();
      return;
    case WM_KILLFOCUS:
      WMKillFocus(message);
      return;
    default:
      break;
  }
  TspSkinCustomControl::Dispatch(message);
}

// Timers

void TspSkinButton::DoMorph() {
  if (morph_.Tick(mouseIn_ || IsFocused(), lookIndex_ != -1 && EnableMorphing())) Repaint();
}

void TspSkinButton::DoAnimate() {
  if (animation_.Step(look_->FrameCount)) Repaint();
}
