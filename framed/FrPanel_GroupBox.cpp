// The framed group box: a frame below half the caption's height in one of four looks,
// or the visual styles' group box while they are active.
#include <string>

#include "classlib/windowing/Button.h"
#include "framed/FrCommon_Borders.h"
#include "framed/FrCommon_Drawing.h"
#include "framed/FrPanel.h"
#include "framed/FrThemes.h"

namespace {

constexpr int kStyledGroupBoxNormal = 27;
constexpr int kStyledGroupBoxDisabled = 28;

std::wstring WideText(const AnsiString& text) {
  if (text.IsEmpty()) return {};
  std::wstring wide(static_cast<size_t>(text.Length()), L'\0');
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), text.Length(), wide.data(), text.Length());
  wide.resize(static_cast<size_t>(length > 0 ? length : 0));
  return wide;
}

}  // namespace

TFrCustomGroupBox::TFrCustomGroupBox(TComponent* owner) : TFrCustomPanel(owner) {
  SetControlStyle(ControlStyle() + TControlStyle{csSetCaption, csDoubleClicks});
  SetBorderOuter(fsNone);
  SetBorderInner(fsNone);
  SetAlignment(taLeftJustify);
  SetAlignmentVertical(avTop);
  SetHeight(105);
}

void TFrCustomGroupBox::SetGroupStyle(TFrGroupBoxStyle value) {
  if (value == groupStyle_) return;
  groupStyle_ = value;
  Realign();
  Invalidate();
}

// Children sit below the caption line, inside the frame.
void TFrCustomGroupBox::AdjustClientRect(TRect& rect) {
  TFrCustomPanel::AdjustClientRect(rect);
  const int textHeight = ScreenTextExtent(Font(), "Yy").cy;
  if (groupStyle_ == gsCustom) {
    rect.Top += textHeight;
    rect = Rect(rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2);
    return;
  }
  const int lineTop = textHeight / 2 - 1;
  rect.Top += lineTop < BorderWidth() ? lineTop : textHeight - BorderWidth();
  const int inset = groupStyle_ == gsStandard ? 2 : 1;
  rect = Rect(rect.Left + inset, rect.Top + inset, rect.Right - inset, rect.Bottom - inset);
}

// The caption's place on the frame line (empty without a caption or in gsCustom).
TRect TFrCustomGroupBox::CaptionRect() {
  const AnsiString text = Caption();
  if (text.IsEmpty() || groupStyle_ == gsCustom) return TRect{};
  const SIZE extent = Canvas()->TextExtent(text);
  const int x = groupStyle_ == gsTopLine ? 0 : 8;
  return Rect(x, 0, x + extent.cx, extent.cy);
}

void TFrCustomGroupBox::Paint() {
  if (groupStyle_ == gsCustom) {
    TFrCustomPanel::Paint();
    return;
  }
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  const int frameTop = canvas->TextHeight("Pp") / 2 - 1;
  const TRect captionRect = CaptionRect();
  if (ThemeAware() && ThemeServices != nullptr && ThemeServices->StylesActive()) {
    PaintStyled(captionRect, frameTop);
    return;
  }
  HDC dc = canvas->Handle();
  const int saved = SaveDC(dc);
  if (Transparent()) {
    ExcludeClipRect(dc, captionRect.Left, captionRect.Top, captionRect.Right, captionRect.Bottom);
  } else {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(ClientRect());
  }
  const TRect frame = Rect(0, frameTop, Width(), Height());
  if (groupStyle_ == gsFlat) PaintFlatFrame(frame);
  else PaintOwnFrame(frame);
  RestoreDC(dc, saved);
  PaintGroupCaption(captionRect);
}

// gsStandard frames all sides, gsTopLine only the top; fsNone stands for an etched line.
void TFrCustomGroupBox::PaintOwnFrame(const TRect& frame) {
  TCanvas* canvas = Canvas();
  const TSides sides = groupStyle_ == gsStandard ? kAllSides : TSides{sdTop};
  const TFrameStyle style = BorderOuter() == fsNone ? fsGroove : BorderOuter();
  const bool flat = style == fsFlat || style == fsFlatBold;
  if (!flat) {
    PaintStyledBorderSides(canvas, frame, style, sides);
    return;
  }
  const TColor color = AdjustedFlatColor();
  if (groupStyle_ == gsStandard) {
    PaintEdgeRings(canvas, frame, color, color, style == fsFlatBold ? 2 : 1, kAllSides);
    return;
  }
  canvas->Pen()->SetColor(color);
  canvas->Pen()->SetWidth(1);
  for (int line = 0; line < (style == fsFlatBold ? 2 : 1); ++line) {
    canvas->MoveTo(frame.Left + 2, frame.Top + line);
    canvas->LineTo(frame.Right - 2, frame.Top + line);
  }
}

// A rectangle with cut corners in the adjusted flat colour.
void TFrCustomGroupBox::PaintFlatFrame(const TRect& b) {
  TCanvas* canvas = Canvas();
  const TColor color = AdjustedFlatColor();
  canvas->Pen()->SetColor(color);
  canvas->Pen()->SetWidth(1);
  const TPoint lines[][2] = {{Point(b.Left, b.Top + 2), Point(b.Left, b.Bottom - 2)},
                             {Point(b.Left + 2, b.Top), Point(b.Right - 2, b.Top)},
                             {Point(b.Right - 1, b.Top + 2), Point(b.Right - 1, b.Bottom - 2)},
                             {Point(b.Left + 2, b.Bottom - 1), Point(b.Right - 2, b.Bottom - 1)}};
  for (const auto& line : lines) {
    canvas->MoveTo(line[0].X, line[0].Y);
    canvas->LineTo(line[1].X, line[1].Y);
  }
  canvas->SetPixels(b.Left + 1, b.Top + 1, color);
  canvas->SetPixels(b.Right - 2, b.Top + 1, color);
  canvas->SetPixels(b.Right - 2, b.Bottom - 2, color);
  canvas->SetPixels(b.Left + 1, b.Bottom - 2, color);
}

void TFrCustomGroupBox::PaintGroupCaption(const TRect& captionRect) {
  if (captionRect.Width() <= 0) return;
  TCanvas* canvas = Canvas();
  if (!Transparent()) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(captionRect);
  }
  canvas->Brush()->SetStyle(bsClear);
  DrawCaptionText(captionRect, DT_SINGLELINE);
  canvas->Brush()->SetStyle(bsSolid);
}

// The styles draw the frame and the caption; nothing else is painted.
void TFrCustomGroupBox::PaintStyled(const TRect& captionRect, int frameTop) {
  HDC dc = Canvas()->Handle();
  if (!Transparent()) PaintParentBackground(this, dc, false);
  const ThemedElementDetails details =
      TThemeServices::ButtonElement(Enabled() ? kStyledGroupBoxNormal : kStyledGroupBoxDisabled);
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, captionRect.Left, captionRect.Top, captionRect.Right, captionRect.Bottom);
  ThemeServices->PaintElement(dc, details, Rect(0, frameTop, Width(), Height()));
  RestoreDC(dc, saved);
  if (captionRect.Width() <= 0) return;
  HGDIOBJ previousFont = SelectObject(dc, Font()->Handle());
  ThemeServices->PaintElementText(dc, details, WideText(Caption()), captionRect, 0, 0);
  SelectObject(dc, previousFont);
}

// The caption's accelerator moves the focus to the first child.
void TFrCustomGroupBox::DialogChar(TMessage& message) {
  if (IsAccel(static_cast<char>(message.WParam), Caption()) && CanFocus()) {
    SelectNext(nullptr, true, true);
    message.Result = 1;
    return;
  }
  TFrCustomPanel::Dispatch(message);
}

void TFrCustomGroupBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_DIALOGCHAR:
      DialogChar(message);
      return;
    case CM_FONTCHANGED:
      TFrCustomPanel::Dispatch(message);
      Realign();
      Invalidate();
      return;
    default:
      TFrCustomPanel::Dispatch(message);
  }
}
