#include "skin/controls/Skinctrls_SpinEdit.h"

#include "classlib/runtime/SysUtils.h"
#include "classlib/windowing/ControlMessages.h"
#include "skin/controls/Skinctrls_NumberText.h"
#include "skin/data/Skindata_Lists.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Skindata_Strings.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Geometry.h"

namespace {

constexpr int kArrowUp = 3, kArrowDown = 4;
constexpr int kDefaultButtonWidth = 15;

}  // namespace

TspSkinSpinEdit::TspSkinSpinEdit(TComponent* owner) : TspSkinStepControl(owner) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls, csCaptureMouse, csOpaque, csDoubleClicks});
  editor_ = new TspSkinNumEdit(this);
  editor_->SetParent(this);
  editor_->SetColor(defaultColor_);
  editor_->Font()->Assign(DefaultFont());
  editor_->OnChange = TNotifyEvent(this, &TspSkinSpinEdit::EditChange);
  editor_->OnUpClick = TNotifyEvent(this, &TspSkinSpinEdit::UpClick);
  editor_->OnDownClick = TNotifyEvent(this, &TspSkinSpinEdit::DownClick);
  editor_->OnKeyDown = TKeyEvent(this, &TspSkinSpinEdit::EditKeyDown);
  editor_->OnKeyUp = TKeyEvent(this, &TspSkinSpinEdit::EditKeyUp);
  editor_->OnKeyPress = TKeyPressEvent(this, &TspSkinSpinEdit::EditKeyPress);
  editor_->OnEnter = TNotifyEvent(this, &TspSkinSpinEdit::EditEnter);
  editor_->OnExit = TNotifyEvent(this, &TspSkinSpinEdit::EditExit);
  editor_->OnEditMouseEnter = TNotifyEvent(this, &TspSkinSpinEdit::EditMouseEnter);
  editor_->OnEditMouseLeave = TNotifyEvent(this, &TspSkinSpinEdit::EditMouseLeave);
  ShowText("0");
  SetBounds(Left(), Top(), 120, 20);
  skinDataName_ = "spinedit";
  CalcRects();
}

TspSkinSpinEdit::~TspSkinSpinEdit() = default;

// ---- Value ------------------------------------------------------------------

double TspSkinSpinEdit::CheckValue(double value) const {
  if (minValue_ == 0 && maxValue_ == 0) return value;
  if (value < minValue_) return minValue_;
  if (value > maxValue_) return maxValue_;
  return value;
}

bool TspSkinSpinEdit::IsNumText(const AnsiString& text) const { return ::IsNumText(text, valueType_ == vtFloat); }

AnsiString TspSkinSpinEdit::FormattedValue() const {
  return FormatNumberText(value_, valueType_ == vtFloat, decimal_);
}

AnsiString TspSkinSpinEdit::GetText() const { return editor_->Text(); }

void TspSkinSpinEdit::ShowText(const AnsiString& text) {
  const bool guarded = textGuard_;
  textGuard_ = true;
  editor_->SetText(text);
  textGuard_ = guarded;
}

void TspSkinSpinEdit::SetValue(double value) {
  const bool fromChange = textGuard_;
  SimpleSetValue(value);
  if (!fromChange) Change();
}

void TspSkinSpinEdit::SimpleSetValue(double value) {
  value_ = CheckValue(value);
  ShowText(FormattedValue());
}

void TspSkinSpinEdit::Change() {
  const bool guarded = textGuard_;
  textGuard_ = true;
  OnChange(this);
  textGuard_ = guarded;
}

void TspSkinSpinEdit::UpClick(TObject*) { SetValue(value_ + increment_); }

void TspSkinSpinEdit::DownClick(TObject*) { SetValue(value_ - increment_); }

void TspSkinSpinEdit::Step(TspRepeatMode mode) {
  if (mode == spRepeatIncrease) UpClick(this);
  else DownClick(this);
}

void TspSkinSpinEdit::ButtonReleased(int index, bool over) {
  if (over) Step(index == kUpButton ? spRepeatIncrease : spRepeatDecrease);
}

void TspSkinSpinEdit::EditChange(TObject*) {
  if (!textGuard_) ReadTypedText();
}

void TspSkinSpinEdit::ReadTypedText() {
  const AnsiString text = editor_->Text();
  if (!IsNumText(text)) return;
  // A number too long to convert is not a number yet: it is corrected on leaving.
  const std::optional<double> typed = ReadNumberText(text, valueType_ == vtFloat);
  if (!typed) return;
  const double v = *typed;
  const double c = CheckValue(v);
  if (c != value_) {
    value_ = c;
    Change();
  }
  const bool beyondAwayFromZero = (c < v && (c >= 0 || v >= 0)) || (c > v && c < 0 && v < 0) ||
                                  (v < 0 && minValue_ > 0) || (v > 0 && maxValue_ < 0);
  if (beyondAwayFromZero) ShowText(FormatNumberText(c, valueType_ == vtFloat, decimal_));
}

void TspSkinSpinEdit::SetValueType(TspValueType value) {
  if (value != valueType_ && value == vtInteger) {
    increment_ = static_cast<double>(Round(increment_));
    if (increment_ == 0) increment_ = 1;
  }
  valueType_ = value;
  editor_->SetFloat(value == vtFloat);
}

void TspSkinSpinEdit::SetMinValue(double value) {
  minValue_ = value;
  if (value_ < minValue_) SetValue(minValue_);
}

void TspSkinSpinEdit::SetMaxValue(double value) {
  maxValue_ = value;
  if (value_ > maxValue_) SetValue(maxValue_);
}

// ---- Editor events ----------------------------------------------------------

void TspSkinSpinEdit::EditKeyDown(TObject*, WORD& key, TShiftState shift) { OnEditKeyDown(this, key, shift); }

void TspSkinSpinEdit::EditKeyUp(TObject*, WORD& key, TShiftState shift) { OnEditKeyUp(this, key, shift); }

void TspSkinSpinEdit::EditKeyPress(TObject*, char& key) { OnEditKeyPress(this, key); }

void TspSkinSpinEdit::EditEnter(TObject*) {
  OnEditEnter(this);
  editorFocused_ = true;
  if (ShowsActive()) Repaint();
  if (HoverColours()) editor_->Font()->SetColor(look_.ActiveFontColor);
}

void TspSkinSpinEdit::EditExit(TObject*) {
  OnEditExit(this);
  editorFocused_ = false;
  if (ShowsActive()) Repaint();
  if (HoverColours() && !mouseIn_) editor_->Font()->SetColor(look_.FontColor);
  ShowText(FormattedValue());
}

void TspSkinSpinEdit::EditMouseEnter(TObject*) { MouseEntered(true); }

void TspSkinSpinEdit::EditMouseLeave(TObject*) { MouseLeft(true); }

void TspSkinSpinEdit::MouseEntered(bool fromEditor) {
  if (fromEditor || (ShowsActive() && !editorFocused_)) {
    const bool changed = !mouseIn_;
    mouseIn_ = true;
    if (changed && ShowsActive() && !editorFocused_) Repaint();
  }
  if (HoverColours() && !editorFocused_) editor_->Font()->SetColor(look_.ActiveFontColor);
}

void TspSkinSpinEdit::MouseLeft(bool fromEditor) {
  POINT cursor;
  GetCursorPos(&cursor);
  if (!fromEditor && editor_->HandleAllocated() && WindowFromPoint(cursor) == editor_->Handle()) return;
  mouseIn_ = false;
  if (ShowsActive() && !editorFocused_) Repaint();
  if (HoverColours() && !editorFocused_) editor_->Font()->SetColor(look_.FontColor);
}

// ---- Skin, fonts and colours ------------------------------------------------

void TspSkinSpinEdit::GetSkinData() {
  TspSkinStepControl::GetSkinData();
  if (!Skinned()) return;
  const auto* data =
      dynamic_cast<const TspDataSkinSpinEditControl*>(skinData_->CtrlList[static_cast<size_t>(lookIndex_)].get());
  if (data == nullptr) return;
  look_.ActiveSkinRect = data->ActiveSkinRect;
  look_.FontName = data->FontName;
  look_.FontStyle = data->FontStyle;
  look_.FontHeight = data->FontHeight;
  look_.FontColor = data->FontColor;
  look_.DisabledFontColor = data->DisabledFontColor;
  look_.ActiveFontColor = data->ActiveFontColor;
  look_.UpButtonRect = data->UpButtonRect;
  look_.ActiveUpButtonRect = data->ActiveUpButtonRect;
  look_.DownUpButtonRect = data->DownUpButtonRect.IsEmpty() ? data->ActiveUpButtonRect : data->DownUpButtonRect;
  look_.DownButtonRect = data->DownButtonRect;
  look_.ActiveDownButtonRect = data->ActiveDownButtonRect;
  look_.DownDownButtonRect = data->DownDownButtonRect.IsEmpty() ? data->ActiveDownButtonRect : data->DownDownButtonRect;
  look_.LOffset = data->LeftTopPoint.X;
  look_.ROffset = data->SkinRect.Width() - data->RightTopPoint.X;
}

void TspSkinSpinEdit::ApplyEditorFont() {
  TFont* font = editor_->Font();
  if (Skinned() && UseSkinFont()) {
    font->SetStyle(look_.FontStyle);
    font->SetColor(look_.FontColor);
    font->SetHeight(look_.FontHeight);
    font->SetName(look_.FontName);
  } else {
    font->Assign(DefaultFont());
    if (Skinned()) font->SetColor(look_.FontColor);
  }
  const bool strings = skinData_ != nullptr && skinData_->ResourceStrData() != nullptr;
  font->SetCharset(strings ? skinData_->ResourceStrData()->CharSet() : DefaultFont()->Charset());
}

void TspSkinSpinEdit::ApplyEditorColour() {
  TColor colour;
  if (!Enabled()) colour = Skinned() ? look_.DisabledFontColor : clGrayText;
  else if (!Skinned()) colour = DefaultFont()->Color();
  else colour = mouseIn_ || editorFocused_ ? look_.ActiveFontColor : look_.FontColor;
  editor_->Font()->SetColor(colour);
}

void TspSkinSpinEdit::ChangeSkinData() {
  TspSkinStepControl::ChangeSkinData();
  ApplyEditorFont();
  if (editor_->EditTransparent() != Skinned()) editor_->SetEditTransparent(Skinned());
  if (Skinned() && useSkinSize_) SetHeight(SR.Height());
  CalcRects();
  ApplyEditorColour();
  Repaint();
}

void TspSkinSpinEdit::DefaultFontChange() {
  if (Skinned() && UseSkinFont()) return;
  editor_->Font()->Assign(DefaultFont());
  CalcRects();
}

void TspSkinSpinEdit::SetDefaultColor(TColor value) {
  defaultColor_ = value;
  if (!Skinned()) editor_->SetColor(value);
}

void TspSkinSpinEdit::SetUseSkinSize(bool value) {
  useSkinSize_ = value;
  if (Skinned()) ChangeSkinData();
}

// ---- Geometry ---------------------------------------------------------------

void TspSkinSpinEdit::CalcRects() {
  const int W = Width(), H = Height();
  const int editorHeight = TextHeightOf(editor_->Font());
  if (!Skinned()) {
    buttonRects_[kUpButton] = Rect(W - kDefaultButtonWidth - 2, 2, W - 2, H / 2);
    buttonRects_[kDownButton] = Rect(W - kDefaultButtonWidth - 2, H / 2, W - 2, H - 2);
    editor_->SetBounds(2, H / 2 - editorHeight / 2, W - 19, editorHeight);
    return;
  }
  const int dw = W - SR.Width();
  TRect up = look_.UpButtonRect, down = look_.DownButtonRect;
  if (up.Left > RT.X) up = MovedRect(up, dw, 0);
  if (down.Left > RT.X) down = MovedRect(down, dw, 0);
  TRect area = CR;
  area.Right += dw;
  if (!useSkinSize_) {
    const int dh = H - SR.Height();
    area.Bottom += dh;
    if (down.Bottom < up.Bottom) {
      up.Bottom += dh;
      down.Bottom += dh;
    } else {
      const TRect whole = Rect(up.Left, up.Top, down.Right, down.Bottom + dh);
      const int middle = whole.Top + whole.Height() / 2;
      up = Rect(whole.Left, whole.Top, whole.Right, middle);
      down = Rect(whole.Left, middle, whole.Right, whole.Bottom);
    }
  }
  buttonRects_[kUpButton] = up;
  buttonRects_[kDownButton] = down;
  editor_->SetBounds(area.Left, area.Top + area.Height() / 2 - editorHeight / 2, area.Width(), editorHeight);
}

void TspSkinSpinEdit::CalcSize(int& W, int& H) {
  if (useSkinSize_) TspSkinStepControl::CalcSize(W, H);
}

void TspSkinSpinEdit::SetControlRegion() {
  if (useSkinSize_) TspSkinStepControl::SetControlRegion();
}

// ---- Painting ---------------------------------------------------------------

void TspSkinSpinEdit::CreateControlDefaultImage(TBitmap* bitmap) {
  TCanvas* canvas = bitmap->Canvas();
  const TRect all = Rect(0, 0, Width(), Height());
  canvas->Brush()->SetColor(defaultColor_);
  canvas->FillRect(all);
  canvas->Brush()->SetColor(clBtnShadow);
  canvas->FrameRect(all);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FrameRect(Rect(1, 1, all.Right - 1, all.Bottom - 1));
  DrawDefaultButton(canvas, buttonRects_[kUpButton], buttons_[kUpButton], false, kArrowUp);
  DrawDefaultButton(canvas, buttonRects_[kDownButton], buttons_[kDownButton], false, kArrowDown);
}

void TspSkinSpinEdit::CreateControlSkinImage(TBitmap* bitmap) {
  const bool active = (mouseIn_ || editorFocused_) && !look_.ActiveSkinRect.IsEmpty();
  if (!useSkinSize_) {
    if (Picture != nullptr) CreateStretchImage(bitmap, Picture, active ? look_.ActiveSkinRect : SR, CR, true);
    DrawSkinButton(skinData_, "editbutton", bitmap->Canvas(), buttonRects_[kUpButton], buttons_[kUpButton], kArrowUp);
    DrawSkinButton(skinData_, "editbutton", bitmap->Canvas(), buttonRects_[kDownButton], buttons_[kDownButton],
                   kArrowDown);
    return;
  }
  if (!active) TspSkinStepControl::CreateControlSkinImage(bitmap);
  else if (Picture != nullptr)
    CreateHSkinImage(look_.LOffset, look_.ROffset, bitmap, Picture, look_.ActiveSkinRect, Width(), SR.Height(),
                     ClientStretch);
  DrawButtonPictures(bitmap, {look_.ActiveUpButtonRect, look_.ActiveDownButtonRect},
                     {look_.DownUpButtonRect, look_.DownDownButtonRect});
}

void TspSkinSpinEdit::PaintEditorInto(HDC dc) {
  if (!editor_->HandleAllocated()) return;
  const int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, editor_->Left(), editor_->Top(), nullptr);
  IntersectClipRect(dc, 0, 0, editor_->Width(), editor_->Height());
  SendMessageA(editor_->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  RestoreDC(dc, saved);
}

void TspSkinSpinEdit::Invalidate() {
  TspSkinStepControl::Invalidate();
  if (Skinned()) editor_->Invalidate();
}

// ---- Messages ---------------------------------------------------------------

void TspSkinSpinEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      const bool outsidePaint = !InPaint();
      TspSkinStepControl::Dispatch(message);
      if (outsidePaint && message.WParam != 0) PaintEditorInto(reinterpret_cast<HDC>(message.WParam));
      return;
    }
    case WM_SIZE:
      TspSkinStepControl::Dispatch(message);
      CalcRects();
      return;
    case CM_MOUSEENTER:
      TspSkinStepControl::Dispatch(message);
      TestActive(-1, -1);
      MouseEntered(false);
      return;
    case CM_MOUSELEAVE:
      TspSkinStepControl::Dispatch(message);
      MouseLeft(false);
      return;
    case CM_ENABLEDCHANGED:
      TspSkinStepControl::Dispatch(message);
      ApplyEditorColour();
      return;
    case CM_FOCUSCHANGED:
      TspSkinStepControl::Dispatch(message);
      if (Focused() && editor_->HandleAllocated()) editor_->SetFocus();
      return;
    default:
      TspSkinStepControl::Dispatch(message);
  }
}
