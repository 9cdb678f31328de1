#include "framed/FrLabel.h"

#include <cmath>
#include <numbers>

#include "classlib/runtime/SysUtils.h"
#include "classlib/windowing/PaintCanvas.h"
#include "framed/FrCommon_Borders.h"
#include "framed/FrCommon_Drawing.h"

namespace {

// Angles are kept in 0..359 degrees.
int NormalizedAngle(int degrees) { return ((degrees % 360) + 360) % 360; }

}  // namespace

TFrLabel::TFrLabel(TComponent* owner)
    : TLabel(owner), normalColor_(Font()->Color()), currentColor_(Font()->Color()) {
  SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
  if (BlinkingControls == nullptr) BlinkingControls = new TFrBlinkingControlsList;
  BlinkingControls->AddBlinker(this);
}

TFrLabel::~TFrLabel() {
  if (BlinkingControls != nullptr) BlinkingControls->RemoveBlinker(this);
  ReleaseBlinkListWhenEmpty();
}

template <class T>
void TFrLabel::Store(T& field, const T& value) {
  if (field == value) return;
  field = value;
  Invalidate();
}

void TFrLabel::BordersChanged() {
  AdjustBounds();
  Invalidate();
}

template <class T>
void TFrLabel::StoreBorder(T& field, const T& value) {
  if (field == value) return;
  field = value;
  BordersChanged();
}

// ---- Rotation ----

// Rotated text needs an outline font: a bitmap font gives way to "Verdana".
void TFrLabel::UseVerdanaWithoutTrueType() {
  if (!IsTrueTypeFont(Font())) Font()->SetName("Verdana");
}

void TFrLabel::SetAngle(int value) {
  value = NormalizedAngle(value);
  if (value == angle_) return;
  angle_ = value;
  if (!ComponentState().Contains(csLoading) && value != 0) UseVerdanaWithoutTrueType();
  if (value != 0 && rotation_ == roNone) rotation_ = roFlat;
  AdjustBounds();
  Repaint();
}

void TFrLabel::SetRotation(TRotation value) {
  if (value == rotation_) return;
  if (!ComponentState().Contains(csLoading) && value != roNone) UseVerdanaWithoutTrueType();
  rotation_ = value;
  if (value != roCurve) angle_ = 0;
  if (value == roFlat) centerPoint_ = cpCenter;
  BordersChanged();
}

void TFrLabel::SetCenterPoint(TCenterPoint value) { Store(centerPoint_, value); }

// ---- Blinking ----

void TFrLabel::SetBlinking(bool value) {
  if (value == blinking_) return;
  blinking_ = value;
  if (value) return;  // the next tick shows it
  currentColor_ = normalColor_;
  Repaint();
}

void TFrLabel::SetBlinkColor(TColor value) { Store(blinkColor_, value); }

uint16_t TFrLabel::BlinkIntervalOff() const { return BlinkingControls->IntervalOff(); }
void TFrLabel::SetBlinkIntervalOff(uint16_t value) { BlinkingControls->SetIntervalOff(value); }
uint16_t TFrLabel::BlinkIntervalOn() const { return BlinkingControls->IntervalOn(); }
void TFrLabel::SetBlinkIntervalOn(uint16_t value) { BlinkingControls->SetIntervalOn(value); }

void TFrLabel::BlinkStateChanged(bool on) {
  currentColor_ = on ? blinkColor_ : normalColor_;
  Repaint();
}

// ---- Borders and colours ----

void TFrLabel::SetBevelWidth(int value) { StoreBorder(bevelWidth_, value); }

void TFrLabel::SetBorderInner(TFrameStyle value) { StoreBorder(borderInner_, value); }

void TFrLabel::SetBorderOuter(TFrameStyle value) { StoreBorder(borderOuter_, value); }

void TFrLabel::SetBorderSides(TSides value) { StoreBorder(borderSides_, value); }

void TFrLabel::SetBorderWidth(int value) { StoreBorder(borderWidth_, value < 0 ? 0 : value); }

void TFrLabel::SetBorderColor(TColor value) { Store(borderColor_, value); }
void TFrLabel::SetBorderHighlight(TColor value) { Store(borderHighlight_, value); }
void TFrLabel::SetBorderShadow(TColor value) { Store(borderShadow_, value); }
void TFrLabel::SetFlatColor(TColor value) { Store(flatColor_, value); }
void TFrLabel::SetFlyByColor(TColor value) { Store(flyByColor_, value); }
void TFrLabel::SetLightTextStyle(bool value) { Store(lightTextStyle_, value); }
void TFrLabel::SetHighlightColor(TColor value) { Store(highlightColor_, value); }
void TFrLabel::SetShadowColor(TColor value) { Store(shadowColor_, value); }

void TFrLabel::SetTextStyle(TTextStyle value) { StoreBorder(textStyle_, value); }

void TFrLabel::SetShadowDepth(int value) { StoreBorder(shadowDepth_, value); }

void TFrLabel::SetFlyByEnabled(bool value) {
  if (value == flyByEnabled_) return;
  flyByEnabled_ = value;
  if (!value && savedFlyByColor_ != clNone) {
    Font()->SetColor(savedFlyByColor_);
    savedFlyByColor_ = clNone;
  }
  Invalidate();
}

void TFrLabel::ShrinkRectForBorders(TRect& rect, bool includeBorderWidth) {
  if (includeBorderWidth) {
    rect = Rect(rect.Left + borderWidth_, rect.Top + borderWidth_, rect.Right - borderWidth_,
                rect.Bottom - borderWidth_);
  }
  for (TFrameStyle style : {borderOuter_, borderInner_}) {
    rect = InsetSides(rect, borderSides_, ControlBorderRoom(style, bevelWidth_, false));
  }
}

// The band of BorderWidth lies on all four sides, as painting and ShrinkRectForBorders
// place it; the styles take room on their chosen sides only.
void TFrLabel::GrowRectForBorders(TRect& rect) {
  auto grow = [&rect, this](int room) {
    rect.Right += room * ((borderSides_.Contains(sdLeft) ? 1 : 0) + (borderSides_.Contains(sdRight) ? 1 : 0));
    rect.Bottom += room * ((borderSides_.Contains(sdTop) ? 1 : 0) + (borderSides_.Contains(sdBottom) ? 1 : 0));
  };
  grow(ControlBorderRoom(borderOuter_, bevelWidth_, false));
  rect.Right += 2 * borderWidth_;
  rect.Bottom += 2 * borderWidth_;
  grow(ControlBorderRoom(borderInner_, bevelWidth_, false));
  if (rotation_ == roNone && textStyle_ == tsShadow) {
    rect.Right += shadowDepth_;
    rect.Bottom += shadowDepth_;
  }
  if (rotation_ != roFlat || angle_ == 0 || angle_ == 180) return;
  if (textStyle_ == tsShadow) {
    rect.Right += shadowDepth_ / 2;
    rect.Bottom += shadowDepth_ / 2;
  }
  const double w = rect.Right;
  const double h = rect.Bottom;
  const int degrees = angle_ % 90 + (angle_ == 90 || angle_ == 270 ? 90 : 0);
  const double theta = degrees * std::numbers::pi / 180;
  rect.Right = static_cast<int>(Round(std::cos(theta) * w + std::sin(theta) * h));
  rect.Bottom = static_cast<int>(Round(std::sin(theta) * w + std::cos(theta) * h));
}

// The caption measured by the class library's text drawing on the screen, plus the borders.
void TFrLabel::AdjustBounds() {
  if (ComponentState().Contains(csReading) || ComponentState().Contains(csLoading) || !AutoSize()) return;
  auto* canvas = dynamic_cast<TPaintCanvas*>(Canvas());
  HDC screen = GetDC(nullptr);
  TRect rect = ClientRect();
  {
    TPaintScope scope(canvas, screen, Font(), Color());
    DoDrawText(rect, DT_EXPANDTABS | DT_CALCRECT | (WordWrap() ? DT_WORDBREAK : 0));
  }
  ReleaseDC(nullptr, screen);
  GrowRectForBorders(rect);
  int left = Left();
  if (Alignment() == taRightJustify) left += Width() - rect.Right;
  SetBounds(left, Top(), rect.Right, rect.Bottom);
}

void TFrLabel::Loaded() {
  TLabel::Loaded();
  if (angle_ != 0 && rotation_ == roNone) rotation_ = roFlat;
  if (rotation_ != roNone) UseVerdanaWithoutTrueType();
  normalColor_ = Font()->Color();
  currentColor_ = normalColor_;
  AdjustBounds();
}

// ---- Painting ----

void TFrLabel::PaintBorder(TRect& rect, TFrameStyle style) {
  const TControlBorderLook look{flatColor_, borderHighlight_, borderShadow_, bevelWidth_, false};
  rect = PaintControlBorderSides(Canvas(), rect, style, borderSides_, look);
}

void TFrLabel::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect = Rect(0, 0, Width(), Height());
  PaintBorder(rect, borderOuter_);
  if (borderWidth_ > 0) rect = PaintEdgeRings(canvas, rect, borderColor_, borderColor_, borderWidth_, kAllSides);
  PaintBorder(rect, borderInner_);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  if (!Transparent()) canvas->FillRect(rect);
  canvas->Brush()->SetStyle(bsClear);
  if (rotation_ == roCurve) PaintCurvedText();
  else PaintLabelText();
}

// ---- Messages ----

void TFrLabel::FontChanged(TMessage& message) {
  TLabel::Dispatch(message);
  if (ComponentState().Contains(csLoading)) return;
  if (!blinking_) {
    normalColor_ = Font()->Color();
    currentColor_ = normalColor_;
  }
  if (angle_ != 0 && !IsTrueTypeFont(Font())) angle_ = 0;
}

void TFrLabel::MouseEnter(TMessage& message) {
  TLabel::Dispatch(message);
  if (flyByEnabled_) {
    savedFlyByColor_ = Font()->Color();
    Font()->SetColor(flyByColor_);
  }
  MouseEntered();
}

void TFrLabel::MouseLeave(TMessage& message) {
  TLabel::Dispatch(message);
  if (flyByEnabled_ && savedFlyByColor_ != clNone) {
    Font()->SetColor(savedFlyByColor_);
    savedFlyByColor_ = clNone;
  }
  MouseLeft();
}

void TFrLabel::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_BLINKQUERY:
      message.Result = blinking_ ? 1 : 0;
      return;
    case CM_BLINKSTATE:
      if (blinking_) BlinkStateChanged(message.WParam != 0);
      return;
    case CM_FONTCHANGED:
      FontChanged(message);
      return;
    case CM_TEXTCHANGED:
      TLabel::Dispatch(message);
      Repaint();
      return;
    case CM_MOUSEENTER:
      MouseEnter(message);
      return;
    case CM_MOUSELEAVE:
      MouseLeave(message);
      return;
    default:
      TLabel::Dispatch(message);
  }
}
