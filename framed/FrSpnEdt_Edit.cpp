// The framed spin edit: the number, its range and format, stepping by buttons, keys and
// wheel, the character filter, and the spin buttons' place and look.
#include <algorithm>

#include "classlib/runtime/SystemActions.h"
#include "classlib/runtime/SysUtils.h"
#include "framed/FrCommon_Drawing.h"
#include "framed/FrSpnEdt.h"
#include "framed/FrThemes.h"

namespace {

bool StylesInUse() { return ThemeServices != nullptr && ThemeServices->StylesActive(); }

}  // namespace

TFrSpinEdit::TFrSpinEdit(TComponent* owner) : TFrCustomEdit(owner), buttons_(new TFrSpinButtons(this)) {
  buttons_->SetParent(this);
  buttons_->SetBounds(0, 0, buttonWidth_, 17);
  buttons_->SetFocusControl(this);
  buttons_->OnUpRightClick = TNotifyEvent(this, &TFrSpinEdit::UpClick);
  buttons_->OnDownLeftClick = TNotifyEvent(this, &TFrSpinEdit::DownClick);
  SetWidth(47);
  SetAlignment(taRightJustify);
  SetValue(0);
}

void TFrSpinEdit::CreateParams(TCreateParams& params) {
  TFrCustomEdit::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

void TFrSpinEdit::CreateHandleState() {
  TFrCustomEdit::CreateHandleState();
  PlaceButtons();
}

void TFrSpinEdit::Loaded() {
  TFrCustomEdit::Loaded();
  SetValue(loadedValue_);
  PlaceButtons();
}

// ---- The number ----

double TFrSpinEdit::CheckValue(double value) {
  if (min_ == max_ && !checkRange_) return value;
  return std::clamp(value, min_, max_);
}

double TFrSpinEdit::Value() {
  const AnsiString text = Text();
  if (text.IsEmpty()) {
    if (allowBlank_) return blankValue_;
    SetText(FloatToStr(min_));
    return StrToFloatDef(Text(), min_);
  }
  return StrToFloatDef(text, min_);
}

void TFrSpinEdit::SetValue(double value) {
  if (Loading()) {
    loadedValue_ = value;
    return;
  }
  SetText(FloatToStrF(CheckValue(value), ffFixed, 18, decimals_));
}

void TFrSpinEdit::SetMin(double value) {
  if (value == min_) return;
  min_ = value;
  if (max_ < min_) max_ = min_;
  if (!Loading()) SetValue(Value());
  Invalidate();
}

void TFrSpinEdit::SetMax(double value) {
  if (value == max_) return;
  max_ = value;
  if (max_ < min_) min_ = max_;
  if (!Loading()) SetValue(Value());
  Invalidate();
}

void TFrSpinEdit::SetCheckRange(bool value) {
  if (value == checkRange_) return;
  checkRange_ = value;
  if (!Loading()) SetValue(Value());
}

void TFrSpinEdit::SetDecimals(int value) {
  if (value == decimals_) return;
  decimals_ = value;
  if (!Loading()) SetValue(Value());
}

void TFrSpinEdit::SetIntegersOnly(bool value) {
  integersOnly_ = value;
  if (!value) return;
  SetDecimals(0);
  if (!Loading()) SetValue(static_cast<double>(Round(Value())));
}

void TFrSpinEdit::Step(double amount, TSpinButtonType button) {
  if (ReadOnly()) {
    SystemBeep(0);
    return;
  }
  bool allow = true;
  OnChanging(this, allow);
  if (!allow) return;
  SetValue(Value() + amount);
  OnButtonClick(this, button);
}

// ---- Keys and wheel ----

bool TFrSpinEdit::IsValidChar(char key) {
  const auto c = static_cast<unsigned char>(key);
  const std::string text = Text().str();
  const char separator = FormatSettings().DecimalSeparator;
  bool valid;
  if (c < 32) {
    valid = c != '\r';
  } else if (c == static_cast<unsigned char>(separator)) {
    valid = !integersOnly_ &&
            (text.find(separator) == std::string::npos || SelText().str().find(separator) != std::string::npos);
  } else if (c == '+' || c == '-') {
    const bool allSelected = SelLength() > 0 && SelLength() == static_cast<int>(text.size());
    valid = allSelected || (SelStart() == 0 && text.find_first_of("+-") == std::string::npos);
  } else {
    valid = c >= '0' && c <= '9';
  }
  if (!allowKeyEdit_ && (c == VK_BACK || c >= 32)) valid = false;
  return valid;
}

void TFrSpinEdit::KeyPress(char& key) {
  TFrCustomEdit::KeyPress(key);
  if (key == 0 || IsValidChar(key)) return;
  key = 0;
  SystemBeep(0);
}

void TFrSpinEdit::KeyDown(WORD& key, TShiftState shift) {
  TFrCustomEdit::KeyDown(key, shift);
  if (!allowKeyEdit_ && key == VK_DELETE) {
    key = 0;
    SystemBeep(0);
  }
  switch (key) {
    case VK_PRIOR: IncValue(pageSize_); break;
    case VK_NEXT: DecValue(pageSize_); break;
    case VK_UP: IncValue(increment_); break;
    case VK_DOWN: DecValue(increment_); break;
    default: break;
  }
}

bool TFrSpinEdit::DoMouseWheel(TShiftState shift, int wheelDelta, const TPoint& mousePos) {
  TFrCustomEdit::DoMouseWheel(shift, wheelDelta, mousePos);
  const double amount = shift.Contains(ssCtrl) ? pageSize_ : increment_;
  if (wheelDelta < 0) DecValue(amount);
  else IncValue(amount);
  return true;
}

// ---- Focus: leaving clamps and formats the text ----

void TFrSpinEdit::DoEnter() {
  TFrCustomEdit::DoEnter();
  UpdateMargins();
  if (AutoSelect() && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
}

void TFrSpinEdit::DoExit() {
  TFrCustomEdit::DoExit();
  UpdateMargins();
  if (allowBlank_ && Text().IsEmpty()) return;
  SetValue(StrToFloatDef(Text(), min_));
}

// ---- The spin buttons ----

TRect TFrSpinEdit::GetEditRect() {
  TRect rect = ClientRect();
  rect.Right -= buttons_->Width() + 2;
  return rect;
}

void TFrSpinEdit::SetButtonWidth(int value) {
  value = std::max(value, 0);
  if (value == buttonWidth_) return;
  buttonWidth_ = value;
  buttons_->SetWidth(buttons_->Orientation() == orVertical ? value : value * 2);
  PlaceButtons();
  Invalidate();
}

void TFrSpinEdit::SetFlatButtons(bool value) {
  TFrCustomEdit::SetFlatButtons(value);
  buttons_->SetFlat(value);
  PlaceButtons();
}

void TFrSpinEdit::SetOrientation(TOrientation value) {
  buttons_->SetOrientation(value);
  PlaceButtons();
  Invalidate();
}

void TFrSpinEdit::SetDirection(TSpinDirection value) { buttons_->SetDirection(value); }

// In the text area's right edge; an edit lower than a line of its font grows first.
void TFrSpinEdit::PlaceButtons() {
  if (Loading()) return;
  const int lineHeight = FontLineHeight(Font());
  if (Height() < lineHeight) {
    SetHeight(lineHeight);
    return;
  }
  const int w = buttons_->Width();
  if (EntryFrame().FrameVisible() || Ctl3D()) {
    if (StylesInUse()) buttons_->SetBounds(Width() - w - 3, -1, w, Height() - 1);
    else buttons_->SetBounds(Width() - w - 4, 0, w, Height() - 3);
  } else {
    buttons_->SetBounds(Width() - w - 1, 1, w, Height() - 3);
  }
  UpdateMargins();
}

void TFrSpinEdit::UpdateMargins() {
  if (Loading() || !HandleAllocated()) return;
  SendMessageA(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(0, buttons_->Width() + 2));
}

// Flat buttons rise while the edit is hot or focused.
void TFrSpinEdit::FlatButtonLook() {
  if (!FlatButtons()) return;
  const bool raised = EntryFrame().Hot() || Focused();
  if (StylesInUse()) {
    buttons_->SetFlat(!raised);
    buttons_->SetColor(Color());
  } else {
    buttons_->SetColor(raised ? flatButtonColor_ : Color());
  }
}

void TFrSpinEdit::RepaintHotState() {
  TFrCustomEdit::RepaintHotState();
  FlatButtonLook();
}

void TFrSpinEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_CUT:
    case WM_PASTE:
      if (allowKeyEdit_ && !ReadOnly()) TFrCustomEdit::Dispatch(message);
      return;
    case WM_SIZE:
      TFrCustomEdit::Dispatch(message);
      PlaceButtons();
      return;
    case CM_ENABLEDCHANGED:
      TFrCustomEdit::Dispatch(message);
      UpdateMargins();
      buttons_->SetEnabled(Enabled());
      if (FlatButtons()) buttons_->SetColor(Color());
      return;
    case CM_FONTCHANGED:
      TFrCustomEdit::Dispatch(message);
      UpdateMargins();
      buttons_->SetEnabled(Enabled());
      return;
    default:
      TFrCustomEdit::Dispatch(message);
  }
}
