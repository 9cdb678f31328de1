// The radio button and the check box: their states, keys and glyphs.
#include "classlib/windowing/Button.h"
#include "framed/FrCommon_Colors.h"
#include "framed/FrRadChk.h"
#include "framed/FrThemes.h"

namespace {

bool StylesActive() { return ThemeServices != nullptr && ThemeServices->StylesActive(); }

// Replaces the mapping of `key` (or adds one).
void MapKey(std::vector<TColorMap>& map, TColor key, TColor color) {
  for (TColorMap& entry : map) {
    if (entry.From == key) {
      entry.To = color;
      return;
    }
  }
  map.push_back({key, color});
}

// The system's own glyph, drawn over `fill` (clNone: over what the bitmap holds).
void DrawFrameGlyph(TBitmap* bitmap, TColor fill, UINT state) {
  RECT all{0, 0, bitmap->Width(), bitmap->Height()};
  if (fill != clNone) {
    bitmap->Canvas()->Brush()->SetColor(fill);
    bitmap->Canvas()->FillRect(Rect(0, 0, all.right, all.bottom));
  }
  DrawFrameControl(bitmap->Canvas()->Handle(), &all, DFC_BUTTON, state);
}

}  // namespace

// ---- Radio button ----

TFrRadioButton::TFrRadioButton(TComponent* owner) : TFrCustomGlyphButton(owner) {
  SetAlignmentVertical(avTop);
  SetNumStates(6);
  SetTabStop(false);
}

void TFrRadioButton::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  SetTabStop(value);
  RepaintDisplay();
  if (!value) return;
  UncheckSiblingRadios();
  Click();
}

void TFrRadioButton::UncheckSiblingRadios() {
  if (Parent() == nullptr) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* radio = dynamic_cast<TFrRadioButton*>(Parent()->Controls(i));
    if (radio != nullptr && radio != this) radio->SetChecked(false);
  }
}

void TFrRadioButton::ChangeState() {
  if (!checked_) SetChecked(true);
}

// A press takes the focus without checking; the click on release checks.
void TFrRadioButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  usingMouse_ = true;
  TFrCustomGlyphButton::MouseDown(button, shift, x, y);
}

void TFrRadioButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TFrCustomGlyphButton::MouseUp(button, shift, x, y);
  usingMouse_ = false;
}

void TFrRadioButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
      // Focus from the keyboard checks the button.
      TFrCustomGlyphButton::Dispatch(message);
      if (!usingMouse_) SetChecked(true);
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<char>(message.WParam), Caption()) && CanFocus()) {
        SetFocus();
        message.Result = 1;
        return;
      }
      TFrCustomGlyphButton::Dispatch(message);
      return;
    default:
      TFrCustomGlyphButton::Dispatch(message);
  }
}

int TFrRadioButton::CustomGlyphIndex() const {
  const int checked = checked_ ? 1 : 0;
  if (!Enabled()) return 4 + checked;
  return ShowDownVersion() ? 2 + checked : checked;
}

void TFrRadioButton::MakeGlyphBitmap(TBitmap* bitmap) {
  if (UseCustomGlyphs()) {
    ExtractGlyphImage(CustomGlyphIndex(), bitmap, CustomGlyphs(), GlyphWidth(), GlyphHeight());
  } else if (StylesActive()) {
    const int unchecked = !Enabled() ? 10 : ShowDownVersion() ? 9 : MouseOverButton() ? 8 : 7;
    PaintStyledGlyph(bitmap, checked_ ? unchecked + 4 : unchecked, true);
  } else if (HotTrack()) {
    LoadTemplateGlyph(bitmap, checked_ ? "FRCOMMON_RADIOBUTTON_CHECKED" : "FRCOMMON_RADIOBUTTON_UNCHECKED",
                      TemplateColors());
  } else {
    UINT state = DFCS_BUTTONRADIO | DFCS_TRANSPARENT;
    if (checked_) state |= DFCS_CHECKED;
    if (ShowDownVersion()) state |= DFCS_PUSHED;
    if (!Enabled()) state |= DFCS_INACTIVE;
    DrawFrameGlyph(bitmap, TransparentColor(), state);
  }
}

// Each key colour of the radio templates: a face `face` with the frame and the mark
// blended into it; the hover look shades the ring instead.
std::vector<TColorMap> TFrRadioButton::TemplateColors() const {
  const bool full = DisplayHasFullColor();
  const TColor frame = FrameColor(), highlight = HighlightColor();
  std::vector<TColorMap> map;
  auto face = [&](TColor color, uint8_t markAlpha) {
    for (TColor key : {clWhite, clRed, clFuchsia, clYellow}) MapKey(map, key, color);
    MapKey(map, clGray, MixColors(frame, color, 128));
    MapKey(map, clPurple, MixColors(frame, color, 128));
    MapKey(map, clMaroon, MixColors(frame, color, 80));
    MapKey(map, clLime, MixColors(frame, color, 80));
    MapKey(map, clBlue, MixColors(highlight, color, markAlpha));
  };
  if (full) {
    face(clWindow, 153);
    MapKey(map, clGreen, LightenColor(frame, 10));
    MapKey(map, clAqua, clGreen);
  } else {
    for (TColor key : {clWhite, clRed, clFuchsia, clYellow, clGray, clPurple, clMaroon, clLime}) MapKey(map, key, clWindow);
    MapKey(map, clGreen, AvoidMaskColor(frame));
    MapKey(map, clBlue, AvoidMaskColor(highlight));
    MapKey(map, clAqua, AvoidMaskColor(frame));
  }
  MapKey(map, clBlack, AvoidMaskColor(frame));
  MapKey(map, clNavy, AvoidMaskColor(highlight));
  const THotColors hot = HotColors();
  if (!Enabled()) {
    face(DisabledColor(), 128);
    MapKey(map, clNavy, clBtnShadow);
  } else if (full && ShowDownVersion()) {
    face(hot.Pressed, 153);
  } else if (full && MouseOverButton()) {
    MapKey(map, clGray, MixColors(frame, hot.Dark, 128));
    MapKey(map, clPurple, MixColors(frame, hot.Light, 128));
    MapKey(map, clMaroon, MixColors(frame, hot.Dark, 80));
    MapKey(map, clLime, MixColors(frame, hot.Light, 80));
    MapKey(map, clRed, hot.Dark);
    MapKey(map, clFuchsia, hot.Light);
    MapKey(map, clYellow, MixColors(hot.Light, clWindow, 128));
  }
  return map;
}

// ---- Check box ----

TFrCustomCheckBox::TFrCustomCheckBox(TComponent* owner) : TFrCustomGlyphButton(owner) {
  SetAlignmentVertical(avTop);
  SetNumStates(9);
}

void TFrCustomCheckBox::SetState(TCheckBoxState value) {
  if (value == state_) return;
  state_ = value;
  RepaintDisplay();
  Click();
}

void TFrCustomCheckBox::ChangeState() {
  switch (state_) {
    case cbUnchecked:
      SetState(allowGrayed_ ? cbGrayed : cbChecked);
      break;
    case cbChecked:
      SetState(cbUnchecked);
      break;
    case cbGrayed:
      SetState(cbChecked);
      break;
  }
}

// Space shows the pressed look and toggles on its release; Escape in between cancels.
void TFrCustomCheckBox::KeyDown(WORD& key, TShiftState shift) {
  TFrCustomGlyphButton::KeyDown(key, shift);
  if (key != VK_ESCAPE && key != VK_SPACE) return;
  keyToggle_ = key == VK_SPACE;
  SetShowDownVersion(keyToggle_);
  Repaint();
}

void TFrCustomCheckBox::KeyUp(WORD& key, TShiftState shift) {
  TFrCustomGlyphButton::KeyUp(key, shift);
  if (key != VK_SPACE) return;
  SetShowDownVersion(false);
  if (keyToggle_) ChangeState();
  keyToggle_ = false;
  Repaint();
}

void TFrCustomCheckBox::DoExit() {
  TFrCustomGlyphButton::DoExit();
  SetShowDownVersion(false);
  keyToggle_ = false;
  Repaint();
}

void TFrCustomCheckBox::DialogChar(TMessage& message) {
  if (!IsAccel(static_cast<char>(message.WParam), Caption()) || !CanFocus()) {
    TFrCustomGlyphButton::Dispatch(message);
    return;
  }
  SetFocus();
  if (Focused()) {
    ChangeState();
    Repaint();
  }
  message.Result = 1;
}

void TFrCustomCheckBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_DIALOGCHAR:
      DialogChar(message);
      return;
    case CM_WANTSPECIALKEY:
      // Escape reaches the box while Space is held, to cancel the toggle.
      message.Result = message.WParam == VK_ESCAPE && keyToggle_ ? 1 : 0;
      return;
    default:
      TFrCustomGlyphButton::Dispatch(message);
  }
}

int TFrCustomCheckBox::CustomGlyphIndex() const {
  const int state = static_cast<int>(state_);
  if (!Enabled()) return 6 + state;
  return ShowDownVersion() ? 3 + state : state;
}

void TFrCustomCheckBox::MakeGlyphBitmap(TBitmap* bitmap) {
  if (UseCustomGlyphs()) {
    ExtractGlyphImage(CustomGlyphIndex(), bitmap, CustomGlyphs(), GlyphWidth(), GlyphHeight());
  } else if (StylesActive()) {
    const int base = state_ == cbChecked ? 22 : state_ == cbGrayed ? 26 : 18;
    PaintStyledGlyph(bitmap, !Enabled() ? base : ShowDownVersion() ? base - 1 : MouseOverButton() ? base - 2 : base - 3,
                     false);
  } else if (HotTrack()) {
    static const char* const kNames[] = {"FRCOMMON_CHECKBOX_UNCHECKED", "FRCOMMON_CHECKBOX_CHECKED",
                                         "FRCOMMON_CHECKBOX_GRAYED"};
    LoadTemplateGlyph(bitmap, kNames[state_], TemplateColors());
  } else {
    UINT state = DFCS_BUTTONCHECK;
    if (state_ == cbChecked) state |= DFCS_CHECKED;
    if (state_ == cbGrayed) state |= DFCS_CHECKED | DFCS_BUTTON3STATE;
    if (ShowDownVersion()) state |= DFCS_PUSHED;
    if (!Enabled()) state |= DFCS_INACTIVE;
    DrawFrameGlyph(bitmap, clNone, state);
  }
}

// The check-box templates: face and bands in the window colour, the frame in FrameColor.
std::vector<TColorMap> TFrCustomCheckBox::TemplateColors() const {
  std::vector<TColorMap> map{{clWhite, clWindow}, {clGray, FrameColor()}, {clRed, clWindow}, {clFuchsia, clWindow},
                             {clBlue, AvoidMaskColor(HighlightColor())}};
  const THotColors hot = HotColors();
  if (!Enabled()) {
    for (TColor key : {clWhite, clRed, clFuchsia}) MapKey(map, key, DisabledColor());
    MapKey(map, clBlue, clBtnShadow);
  } else if (ShowDownVersion()) {
    for (TColor key : {clWhite, clRed, clFuchsia}) MapKey(map, key, hot.Pressed);
  } else if (MouseOverButton()) {
    MapKey(map, clRed, hot.Dark);
    MapKey(map, clFuchsia, hot.Light);
  }
  return map;
}
