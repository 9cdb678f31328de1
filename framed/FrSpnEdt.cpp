// The framed spin buttons: two repeating control buttons with arrow or custom glyphs.
#include "framed/FrSpnEdt.h"

#include "classlib/runtime/Exceptions.h"

TFrSpinButtons::TFrSpinButtons(TComponent* owner) : TWinControl(owner) {
  TControlStyle style = ControlStyle();
  style.Exclude(csAcceptsControls);
  style.Exclude(csSetCaption);
  SetControlStyle(style);
  upRight_ = CreateSpinButton();
  downLeft_ = CreateSpinButton();
  ShowArrow(sbUpRight);
  ShowArrow(sbDownLeft);
  SetBounds(Left(), Top(), 16, 25);
}

TFrControlButton* TFrSpinButtons::CreateSpinButton() {
  auto* button = new TFrControlButton(this);
  button->SetParent(this);
  button->OnClick = TNotifyEvent(this, &TFrSpinButtons::ButtonClick);
  button->OnMouseDown = TMouseEvent(this, &TFrSpinButtons::ButtonMouseDown);
  button->SetRepeatClicks(true);
  button->SetNumGlyphs(2);
  return button;
}

void TFrSpinButtons::ButtonClick(TObject* sender) {
  (sender == upRight_ ? OnUpRightClick : OnDownLeftClick)(this);
}

void TFrSpinButtons::ButtonMouseDown(TObject*, TMouseButton button, TShiftState, int, int) {
  if (button != mbLeft) return;
  TWinControl* target = nullptr;
  if (focusControl_ != nullptr && focusControl_->TabStop() && focusControl_->CanFocus()) target = focusControl_;
  else if (TabStop() && CanFocus()) target = this;
  if (target == nullptr || target->Focused()) return;
  target->SetFocus();
  if (!target->Focused()) Abort();
}

void TFrSpinButtons::ShowArrow(TSpinButtonType which) {
  static constexpr TFrControlButtonStyle kArrows[2][2] = {{cbsUp, cbsRight}, {cbsDown, cbsLeft}};
  Button(which)->SetStyle(kArrows[which][direction_]);
}

void TFrSpinButtons::SetGlyph(TSpinButtonType which, TBitmap* value) {
  TFrControlButton* button = Button(which);
  custom_[which] = value != nullptr && !value->Empty();
  if (custom_[which]) {
    button->SetGlyph(value);
    button->SetStyle(cbsNone);
    return;
  }
  TBitmap none;
  button->SetGlyph(&none);
  ShowArrow(which);
}

void TFrSpinButtons::SetDirection(TSpinDirection value) {
  if (value == direction_) return;
  direction_ = value;
  SetGlyph(sbUpRight, nullptr);
  SetGlyph(sbDownLeft, nullptr);
  Invalidate();
}

void TFrSpinButtons::SetOrientation(TOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  if (!ComponentState().Contains(csLoading)) SetWidth(value == orVertical ? Width() / 2 : Width() * 2);
  Invalidate();
}

void TFrSpinButtons::SetFlat(bool value) {
  if (value == Flat()) return;
  upRight_->SetFlat(value);
  downLeft_->SetFlat(value);
}

void TFrSpinButtons::SetEnabled(bool value) {
  TWinControl::SetEnabled(value);
  upRight_->SetEnabled(value);
  downLeft_->SetEnabled(value);
}

void TFrSpinButtons::SetColor(TColor value) {
  TWinControl::SetColor(value);
  upRight_->SetColor(value);
  downLeft_->SetColor(value);
}

void TFrSpinButtons::SetFocusControl(TWinControl* value) {
  if (focusControl_ != nullptr) focusControl_->RemoveFreeNotification(this);
  focusControl_ = value;
  if (value != nullptr) value->FreeNotification(this);
}

void TFrSpinButtons::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

// Vertical: up/right above, down/left below (one pixel short); horizontal: down/left at
// the left, up/right at the right.
void TFrSpinButtons::ArrangeButtons(int width, int height) {
  if (ComponentState().Contains(csLoading)) return;
  if (orientation_ == orVertical) {
    const int half = height / 2;
    upRight_->SetBounds(0, 0, width, half);
    downLeft_->SetBounds(0, half, width, height - half - 1);
  } else {
    const int half = width / 2;
    downLeft_->SetBounds(0, 0, half, height - 1);
    upRight_->SetBounds(half, 0, width - half, height - 1);
  }
}

void TFrSpinButtons::SetBounds(int left, int top, int width, int height) {
  ArrangeButtons(width, height);
  TWinControl::SetBounds(left, top, width, height);
}

void TFrSpinButtons::Loaded() {
  TWinControl::Loaded();
  ArrangeButtons(Width(), Height());
}

void TFrSpinButtons::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS;
      return;
    case WM_SIZE:
      ArrangeButtons(Width(), Height());
      message.Result = 0;
      return;
    default:
      TWinControl::Dispatch(message);
  }
}

void TFrSpinButtons::KeyDown(WORD& key, TShiftState shift) {
  if (key == VK_UP) upRight_->Click();
  else if (key == VK_DOWN) downLeft_->Click();
  TWinControl::KeyDown(key, shift);
}
