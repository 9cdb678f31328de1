// The window-less arrow, drop-down and glyph button with auto-repeat.
#include <memory>

#include "classlib/windowing/Timer.h"
#include "classlib/windowing/WinControl.h"
#include "framed/FrButton.h"
#include "framed/FrCommon_Borders.h"
#include "framed/FrCommon_Colors.h"
#include "framed/FrCommon_Drawing.h"
#include "framed/FrThemes.h"

namespace {

bool StylesActive() { return ThemeServices != nullptr && ThemeServices->StylesActive(); }

TArrowDirection ArrowDirectionOfStyle(TFrControlButtonStyle style) {
  switch (style) {
    case cbsUp:
      return adUp;
    case cbsDown:
      return adDown;
    case cbsLeft:
      return adLeft;
    default:
      return adRight;
  }
}

// The first of the four spin elements (normal, hot, pressed, disabled) of an arrow.
int SpinElementBase(TFrControlButtonStyle style) {
  switch (style) {
    case cbsUp:
      return 2;
    case cbsDown:
      return 6;
    case cbsRight:
      return 10;
    default:
      return 14;
  }
}

}  // namespace

TFrControlButton::TFrControlButton(TComponent* owner) : TGraphicControl(owner), glyph_(new TBitmap) {
  SetControlStyle(TControlStyle{csCaptureMouse});
  SetBounds(Left(), Top(), 17, 21);
  SetColor(clBtnFace);
  glyph_->OnChange = TNotifyEvent(this, &TFrControlButton::GlyphChanged);
}

TFrControlButton::~TFrControlButton() {
  delete repeatTimer_;
  delete glyph_;
}

void TFrControlButton::SetFlat(bool value) {
  if (value == flat_) return;
  flat_ = value;
  Repaint();
}

void TFrControlButton::SetNumGlyphs(int value) {
  if (value < 1 || value > 4 || value == numGlyphs_) return;
  numGlyphs_ = value;
  Invalidate();
}

void TFrControlButton::SetStyle(TFrControlButtonStyle value) {
  if (value == style_) return;
  style_ = value;
  Invalidate();
}

// A strip of two to four square images sets the count; five or more count as one.
void TFrControlButton::GlyphChanged(TObject*) {
  const int w = glyph_->Width(), h = glyph_->Height();
  if (h > 0 && w % h == 0) {
    const int count = w / h;
    numGlyphs_ = count < 5 && count > 0 ? count : 1;
  }
  Invalidate();
}

TPoint TFrControlButton::GetGlyphSize() const { return Point(glyph_->Width() / numGlyphs_, glyph_->Height()); }

// ---- Pressing and repeating ----

void TFrControlButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (!down_) {
    down_ = true;
    Invalidate();
  }
  dragging_ = true;
  if (!repeatClicks_) return;
  if (repeatTimer_ == nullptr) {
    repeatTimer_ = new TTimer(nullptr);
    repeatTimer_->SetEnabled(false);
    repeatTimer_->OnTimer = TNotifyEvent(this, &TFrControlButton::RepeatTick);
  }
  repeatTimer_->SetInterval(initialDelay_);
  repeatTimer_->SetEnabled(true);
}

void TFrControlButton::RepeatTick(TObject*) {
  repeatTimer_->SetInterval(delay_);
  if (!down_ || GetCaptureControl() != this) return;
  try {
    Click();
  } catch (...) {
    repeatTimer_->SetEnabled(false);
    throw;
  }
}

void TFrControlButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (repeatTimer_ != nullptr) repeatTimer_->SetEnabled(false);
  if (!dragging_) return;
  dragging_ = false;
  const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight();
  down_ = false;
  mouseOverButton_ = false;
  Repaint();
  if (inside) Click();
  RefreshHoverAfterRelease();
}

// The hover look of a flat or styled button follows where the pointer is after a release.
void TFrControlButton::RefreshHoverAfterRelease() {
  if (!(flat_ || StylesActive()) || !Enabled() || Parent() == nullptr) return;
  POINT cursor;
  GetCursorPos(&cursor);
  const TPoint at = Parent()->ScreenToClient(Point(cursor.x, cursor.y));
  const bool over = Parent()->ControlAtPos(at, true) == this;
  mouseOverButton_ = !over;
  Perform(over ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
}

void TFrControlButton::MouseEntered() {
  mouseOverButton_ = true;
  OnMouseEnter(this);
  if (flat_ || StylesActive()) Repaint();
}

void TFrControlButton::MouseLeft() {
  mouseOverButton_ = false;
  OnMouseLeave(this);
  if (flat_ || StylesActive()) Repaint();
}

void TFrControlButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
      TGraphicControl::Dispatch(message);
      MouseEntered();
      return;
    case CM_MOUSELEAVE:
      TGraphicControl::Dispatch(message);
      MouseLeft();
      return;
    default:
      TGraphicControl::Dispatch(message);
  }
}

// ---- Painting ----

void TFrControlButton::Paint() {
  TRect rect = ClientRect();
  if (style_ == cbsDropDown) {
    PaintDropDownButton(rect);
    return;
  }
  if (style_ != cbsNone) {
    PaintArrowButton(rect);
    return;
  }
  PaintButtonFace(rect);
  if (glyph_->Empty()) return;
  const TPoint size = GetGlyphSize();
  rect = CenteredBounds(Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1), size.X, size.Y);
  if (down_) {
    const int dy = StylesActive() ? 0 : 1;
    rect = Rect(rect.Left + 1, rect.Top + dy, rect.Right + 1, rect.Bottom + dy);
  }
  PaintGlyph(rect);
}

void TFrControlButton::PaintPlainFace(TRect& rect) {
  TCanvas* canvas = Canvas();
  TColor fill = clBtnFace;
  if (flat_) {
    if (down_ || Hot()) rect = PaintStyledBorder(canvas, rect, down_ ? fsStatus : fsPopup);
    fill = Color();
  } else if (down_) {
    rect = PaintEdgeRings(canvas, rect, clBtnShadow, clBtnShadow, 1, kAllSides);
  } else {
    rect = PaintStyledBorder(canvas, rect, fsButtonUp);
  }
  canvas->Brush()->SetColor(fill);
  canvas->FillRect(rect);
}

bool TFrControlButton::PaintStyledState(const TRect& rect, int base) {
  int state = 0;
  if (down_) state = 2;
  else if (Hot()) state = 1;
  else if (flat_) {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(rect);
    return false;
  } else if (!Enabled()) state = 3;
  const int element = base + state;
  const ThemedElementDetails details = style_ == cbsDropDown ? TThemeServices::ComboBoxElement(element)
                                                              : TThemeServices::SpinElement(element);
  ThemeServices->PaintElement(Canvas()->Handle(), details, rect);
  return true;
}

void TFrControlButton::PaintButtonFace(TRect& rect) {
  if (!StylesActive()) {
    PaintPlainFace(rect);
    return;
  }
  if (!down_ && !Hot() && flat_) {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(rect);
  } else {
    // The thumb's border falls outside the control: drawn over a larger area off screen.
    auto face = std::make_unique<TBitmap>();
    face->SetSize(rect.Width(), rect.Height());
    face->Canvas()->CopyRect(Rect(0, 0, rect.Width(), rect.Height()), Canvas(), rect);
    const int state = down_ ? 2 : Hot() ? 1 : !Enabled() ? 3 : 0;
    const TRect grown = Rect(rect.Left - 1, rect.Top - 2, rect.Right + 2, rect.Bottom + 2);
    ThemeServices->PaintElement(face->Canvas()->Handle(), TThemeServices::ScrollBarElement(18 + state), grown);
    Canvas()->Draw(0, 0, face.get());
  }
  rect = Rect(rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2);
}

void TFrControlButton::PaintArrowButton(TRect& rect) {
  if (StylesActive()) {
    if (!PaintStyledState(rect, SpinElementBase(style_)))
      PaintDirectionArrow(Canvas(), rect, true, ArrowDirectionOfStyle(style_), down_, Enabled());
    return;
  }
  PaintPlainFace(rect);
  PaintDirectionArrow(Canvas(), rect, false, ArrowDirectionOfStyle(style_), down_, Enabled());
}

void TFrControlButton::PaintDropDownButton(TRect& rect) {
  if (StylesActive()) {
    rect = Rect(rect.Left - 1, rect.Top - 1, rect.Right + 1, rect.Bottom + 1);
    if (!PaintStyledState(rect, 2)) PaintDropArrow(Canvas(), rect, true, down_, Enabled());
    return;
  }
  PaintPlainFace(rect);
  PaintDropArrow(Canvas(), rect, false, down_, Enabled());
}

// The glyph (the second image while disabled, when there is one) over what the face shows,
// keyed by its lower-left pixel.
void TFrControlButton::PaintGlyph(const TRect& rect) {
  const int w = rect.Width(), h = rect.Height();
  const TRect source = numGlyphs_ >= 2 && !Enabled() ? Rect(w, 0, 2 * w, h) : Rect(0, 0, w, h);
  auto composed = std::make_unique<TBitmap>();
  composed->SetSize(w, h);
  composed->Canvas()->Brush()->SetColor(Color());
  composed->Canvas()->CopyRect(Rect(0, 0, w, h), Canvas(), rect);
  const TColor key = glyph_->Canvas()->Pixels(0, glyph_->Height() - 1);
  PaintMaskedBitmap(composed->Canvas(), glyph_, Rect(0, 0, w, h), source, key);
  Canvas()->Draw(rect.Left, rect.Top, composed.get());
}
