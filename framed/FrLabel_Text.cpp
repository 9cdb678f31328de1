// The framed label's text: level, at an angle, or one character at a time along an arc,
// each drawn in passes (3D copies or a shadow, then the text).
#include <cmath>
#include <numbers>

#include "classlib/runtime/SysUtils.h"
#include "framed/FrCommon_Drawing.h"
#include "framed/FrLabel.h"

namespace {

constexpr UINT kAlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

int RoundToInt(double value) { return static_cast<int>(Round(value)); }

// A font made for one drawing, selected into a context and freed with the scope.
class TSelectedFont {
 public:
  TSelectedFont(HDC dc, HFONT font) : dc_(dc), font_(font), previous_(SelectObject(dc, font)) {}
  ~TSelectedFont() {
    SelectObject(dc_, previous_);
    DeleteObject(font_);
  }
  TSelectedFont(const TSelectedFont&) = delete;
  TSelectedFont& operator=(const TSelectedFont&) = delete;

 private:
  HDC dc_;
  HFONT font_;
  HGDIOBJ previous_;
};

// The text alignment of a context for one drawing, restored with the scope.
class TTextAlignScope {
 public:
  TTextAlignScope(HDC dc, UINT align) : dc_(dc), previous_(SetTextAlign(dc, align)) {}
  ~TTextAlignScope() { SetTextAlign(dc_, previous_); }
  TTextAlignScope(const TTextAlignScope&) = delete;
  TTextAlignScope& operator=(const TTextAlignScope&) = delete;

 private:
  HDC dc_;
  UINT previous_;
};

void DrawTextAt(HDC dc, int x, int y, const TRect* clip, const AnsiString& text, TColor color) {
  SetTextColor(dc, ColorToRGB(color));
  ExtTextOutA(dc, x, y, clip != nullptr ? ETO_CLIPPED : 0, clip != nullptr ? clip->AsRECT() : nullptr, text.c_str(),
              static_cast<UINT>(text.Length()), nullptr);
}

}  // namespace

std::vector<TFrLabel::TTextPass> TFrLabel::TextPasses(int shadowOffset, int textOffset, bool stylesWhenDisabled) const {
  std::vector<TTextPass> passes;
  if (Enabled() || stylesWhenDisabled) {
    if (textStyle_ == tsRaised || textStyle_ == tsRecessed) {
      const bool raised = textStyle_ == tsRaised;
      const TColor lower = raised ? shadowColor_ : highlightColor_;
      const TColor upper = raised ? highlightColor_ : shadowColor_;
      if (!raised || !lightTextStyle_) passes.push_back({1, 1, lower});
      if (raised || !lightTextStyle_) passes.push_back({-1, -1, upper});
    } else if (textStyle_ == tsShadow) {
      passes.push_back({shadowOffset, shadowOffset, shadowColor_});
    }
  }
  if (Enabled()) {
    passes.push_back({textOffset, textOffset, currentColor_});
  } else {
    passes.push_back({1, 1, clBtnHighlight});
    passes.push_back({0, 0, clBtnShadow});
  }
  return passes;
}

UINT TFrLabel::TextFlags() const {
  return kAlignmentFlags[Alignment()] | DT_EXPANDTABS | (WordWrap() ? DT_WORDBREAK : 0) |
         (ShowAccelChar() ? 0 : DT_NOPREFIX);
}

// Moves the text down for a centre or bottom layout, and a shadowed text back by its
// shadow where the shadow would leave the label.
void TFrLabel::ApplyLayoutOffset(TRect& rect, UINT flags) {
  if (Layout() != tlTop) {
    TRect measured = rect;
    DrawCanvasText(Canvas(), GetLabelText(), measured, flags | DT_CALCRECT, currentColor_);
    int dy = Height() - borderWidth_ - measured.Bottom;
    if (Layout() == tlCenter) dy /= 2;
    rect = Rect(rect.Left, rect.Top + dy, rect.Right, rect.Bottom + dy);
  }
  if (textStyle_ != tsShadow) return;
  if ((flags & DT_RIGHT) != 0) rect = Rect(rect.Left - shadowDepth_, rect.Top, rect.Right - shadowDepth_, rect.Bottom);
  if (Layout() == tlBottom) rect = Rect(rect.Left, rect.Top - shadowDepth_, rect.Right, rect.Bottom - shadowDepth_);
}

void TFrLabel::PaintLabelText() {
  TRect rect = ClientRect();
  ShrinkRectForBorders(rect, true);
  const UINT flags = TextFlags();
  Canvas()->SetFont(Font());
  if (rotation_ == roFlat) {
    PaintAngledText(rect, flags);
    return;
  }
  ApplyLayoutOffset(rect, flags);
  const AnsiString text = GetLabelText();
  for (const TTextPass& pass : TextPasses(shadowDepth_, 0, false)) {
    TRect moved = Rect(rect.Left + pass.dx, rect.Top + pass.dy, rect.Right + pass.dx, rect.Bottom + pass.dy);
    DrawCanvasText(Canvas(), text, moved, flags, pass.color);
  }
}

// The text turned about the label's centre; level, upright and upside-down text keep
// to the alignment.
void TFrLabel::PaintAngledText(const TRect& r, UINT flags) {
  TCanvas* canvas = Canvas();
  const AnsiString text = GetLabelText();
  const int h2 = shadowDepth_ / 2;
  const double a = angle_ * std::numbers::pi / 180 + std::numbers::pi / 2;
  const int lineHeight = canvas->TextHeight("Pp");
  const double e = 0.25 * lineHeight;
  const int w = canvas->TextWidth(text);
  const int f = textStyle_ == tsShadow ? h2 : 0;
  const int h = lineHeight + f;
  const int g = w + f;
  const bool centred = (flags & DT_CENTER) != 0;
  const bool right = (flags & DT_RIGHT) != 0;
  int x = Width() / 2;
  int y = Height() / 2;
  UINT align = TA_TOP | TA_LEFT;
  switch (angle_) {
    case 0:
      if (centred) align = TA_CENTER;
      else x = right ? r.Right - w - 2 * f : r.Left + f;
      y -= h / 2;
      break;
    case 90:
      x -= RoundToInt(std::cos(a) * e);
      y = centred ? r.Bottom - (r.Bottom - g) / 2 : right ? r.Top + g + f : r.Bottom - f;
      align = TA_BASELINE;
      break;
    case 180:
      x = centred ? r.Right - (r.Right - g) / 2 : right ? r.Left + g : r.Right - f;
      y -= h / 4;
      align = TA_BASELINE;
      break;
    case 270:
      x -= RoundToInt(std::cos(a) * e);
      y = centred ? (r.Bottom - g) / 2 : right ? r.Bottom - g - f : r.Top + f;
      align = TA_BASELINE;
      break;
    default:
      x -= RoundToInt(std::cos(a) * e);
      y += RoundToInt(std::sin(a) * e);
      align = TA_BASELINE | TA_CENTER;
  }
  HDC dc = canvas->Handle();
  TSelectedFont font(dc, CreateAngledFont(Font(), angle_));
  TTextAlignScope alignScope(dc, align);
  const int bkMode = SetBkMode(dc, TRANSPARENT);
  for (const TTextPass& pass : TextPasses(h2, textStyle_ == tsShadow ? -h2 : 0, false)) {
    const TRect clip = Rect(r.Left + pass.dx, r.Top + pass.dy, r.Right + pass.dx, r.Bottom + pass.dy);
    DrawTextAt(dc, x + pass.dx, y + pass.dy, &clip, text, pass.color);
  }
  SetBkMode(dc, bkMode);
}

TPoint TFrLabel::CurvePivot() const {
  const int b = borderWidth_;
  const int xs[] = {b, Width() / 2, Width() - b};
  const int ys[] = {b, Height() / 2, Height() - b};
  return Point(xs[centerPoint_ % 3], ys[centerPoint_ / 3]);
}

TPoint TFrLabel::CurveRadii() const {
  const int b2 = 2 * borderWidth_;
  const int hw = Width() / 2;
  const int hh = Height() / 2;
  switch (centerPoint_) {
    case cpUpperCenter:
    case cpLowerCenter: return Point(hw - b2, Height() - b2);
    case cpLeftCenter:
    case cpRightCenter: return Point(Width() - b2, hh - b2);
    case cpCenter: return Point(hw - b2, hh - b2);
    default: return Point(Width() - b2, Height() - b2);
  }
}

// Each character turned to its place on an ellipse about the pivot, from Angle onwards.
// A label with no room for the arc draws nothing.
void TFrLabel::PaintCurvedText() {
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  const TPoint pivot = CurvePivot();
  const TPoint radii = CurveRadii();
  if (radii.X <= 0) return;
  const int t = canvas->TextHeight("Yy");
  const double step = (canvas->TextWidth("w") + 2) / static_cast<double>(radii.X);
  LOGFONTA log{};
  GetObjectA(Font()->Handle(), sizeof log, &log);
  HDC dc = canvas->Handle();
  TTextAlignScope alignScope(dc, TA_BASELINE | TA_CENTER);
  const int bkMode = SetBkMode(dc, TRANSPARENT);
  const AnsiString text = GetLabelText();
  double a = angle_ * std::numbers::pi / 180;
  for (int i = 1; i <= text.Length(); ++i) {
    const int x = pivot.X - RoundToInt(std::sin(a) * (radii.X - t));
    const int y = pivot.Y - RoundToInt(std::cos(a) * (radii.Y - t));
    log.lfEscapement = RoundToInt(a * 1800 / std::numbers::pi);
    log.lfOrientation = log.lfEscapement;
    TSelectedFont font(dc, CreateFontIndirectA(&log));
    const AnsiString character = text.SubString(i, 1);
    for (const TTextPass& pass : TextPasses(shadowDepth_, 0, true)) {
      DrawTextAt(dc, x + pass.dx, y + pass.dy, nullptr, character, pass.color);
    }
    a -= step;
  }
  SetBkMode(dc, bkMode);
}
