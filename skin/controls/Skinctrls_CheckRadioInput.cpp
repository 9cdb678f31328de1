// TspSkinCheckRadioBox: toggling, groups, mouse, keys and focus, and the cross-fade timer.
#include "classlib/windowing/Button.h"
#include "skin/controls/Skinctrls_CheckRadio.h"
#include "skin/controls/Skinctrls_Faces.h"

// Toggling and groups

void TspSkinCheckRadioBox::SetCheckState() {
  if (!radio_) SetChecked(!checked_);
  else if (!checked_) SetChecked(true);
}

void TspSkinCheckRadioBox::UnCheckAll() {
  if (Parent() == nullptr) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TspSkinCheckRadioBox*>(Parent()->Controls(i));
    if (other != nullptr && other != this && other->groupIndex_ == groupIndex_ && other->checked_)
      other->SetChecked(false);
  }
}

void TspSkinCheckRadioBox::ReDrawControl() {
  if (EnableMorphing() && lookIndex_ != -1) StartMorph();
  else Repaint();
}

// Mouse

void TspSkinCheckRadioBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!mouseIn_) {
    mouseIn_ = true;
    ReDrawControl();
  }
  TspSkinCustomControl::MouseDown(button, shift, x, y);
}

void TspSkinCheckRadioBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseUp(button, shift, x, y);
  // Only a release over the box counts.
  if (button != mbLeft || !mouseIn_ || x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  if (allowGrayed_ && !radio_ && state_ == cbUnchecked) {
    state_ = cbGrayed;
    Repaint();
    OnClick(this);
    return;
  }
  SetCheckState();
}

void TspSkinCheckRadioBox::MouseEnterChanged(bool enter) {
  if (ComponentState().Contains(csDesigning)) return;
  mouseIn_ = enter;
  ReDrawControl();
}

// A left press on a focusable box that has no focus takes it first; answers true when
// the press is dropped because the focus did not come.
bool TspSkinCheckRadioBox::FocusingPress() {
  return FocusBeforePress(*this, focusing_);
}

// Keys and focus

void TspSkinCheckRadioBox::CMDialogChar(TMessage& message) {
  if (canFocused_ && IsAccel(static_cast<char>(message.WParam), Caption()) && CanFocus()) {
    SetFocus();
    SetCheckState();
    message.Result = 1;
    return;
  }
  TspSkinCustomControl::Dispatch(message);
}

void TspSkinCheckRadioBox::CMEnabledChanged(TMessage& message) {
  TspSkinCustomControl::Dispatch(message);
  if (EnableMorphing()) morph_.Reset();
  mouseIn_ = false;
  Repaint();
}

void TspSkinCheckRadioBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (canFocused_ && FocusingPress()) return;
      break;
    case WM_KEYUP:
      if (message.WParam == VK_SPACE && IsFocused()) SetCheckState();
      break;
    case CM_DIALOGCHAR:
      CMDialogChar(message);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TspSkinCustomControl::Dispatch(message);
      if (canFocused_) ReDrawControl();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(message);
      MouseEnterChanged(message.Msg == CM_MOUSEENTER);
      return;
    case CM_ENABLEDCHANGED:
      CMEnabledChanged(message);
      return;
    case CM_TEXTCHANGED:
      TspSkinCustomControl::Dispatch(message);
      if (lookIndex_ != -1 || ComponentState().Contains(csDesigning) || drawDefault_) Repaint();
      return;
    case WM_ERASEBKGND:
      // Outside its own WM_PAINT a faced box paints its whole face into the erase DC.
      if (!flat_ && !InPaint()) PaintWindow(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_MOVE:
      TspSkinCustomControl::Dispatch(message);
      // A flat box shows the parent's picture of its new place.
      Invalidate();
      return;
    default:
      break;
  }
  TspSkinCustomControl::Dispatch(message);
}

// The cross-fade

void TspSkinCheckRadioBox::DoMorph() {
  if (morph_.Tick(mouseIn_ || IsFocused(), lookIndex_ != -1 && EnableMorphing())) Repaint();
}
