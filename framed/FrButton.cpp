// The windowed button base: press and hover tracking, the 3D caption and transparency.
#include "framed/FrButton.h"

#include "framed/FrCommon_Drawing.h"
#include "framed/FrThemes.h"

namespace {

constexpr UINT kMeasureFlags = DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_CALCRECT;

}  // namespace

TFrCustomButton::TFrCustomButton(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(TControlStyle{csCaptureMouse, csSetCaption, csDoubleClicks});
  SetBounds(Left(), Top(), 115, 17);
  SetTabStop(true);
}

void TFrCustomButton::SetAlignmentVertical(TAlignmentVertical value) { StoreAndRepaint(alignmentVertical_, value); }
void TFrCustomButton::SetHotTrack(bool value) { StoreAndRepaint(hotTrack_, value); }
void TFrCustomButton::SetHighlightColor(TColor value) { StoreAndRepaint(highlightColor_, value); }
void TFrCustomButton::SetLightTextStyle(bool value) { StoreAndRepaint(lightTextStyle_, value); }
void TFrCustomButton::SetTextStyle(TTextStyle value) { StoreAndRepaint(textStyle_, value); }
void TFrCustomButton::SetTextHighlightColor(TColor value) { StoreAndRepaint(textHighlightColor_, value); }
void TFrCustomButton::SetTextShadowColor(TColor value) { StoreAndRepaint(textShadowColor_, value); }
void TFrCustomButton::SetTextShadowDepth(int value) { StoreAndRepaint(textShadowDepth_, value); }
void TFrCustomButton::SetTransparent(bool value) { StoreAndRepaint(transparent_, value); }

// ---- Mouse tracking ----

void TFrCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (CanFocus()) SetFocus();
  if (!Focused()) return;
  showDownVersion_ = true;
  RepaintDisplay();
  dragging_ = true;
}

void TFrCustomButton::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (!dragging_) return;
  const bool inside = InsideClient(x, y);
  if (inside == showDownVersion_) return;
  showDownVersion_ = inside;
  RepaintDisplay();
}

void TFrCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (!dragging_) return;
  dragging_ = false;
  showDownVersion_ = false;
  if (InsideClient(x, y)) ChangeState();
  RepaintDisplay();
}

void TFrCustomButton::MouseEntered() {
  mouseOverButton_ = true;
  OnMouseEnter(this);
}

void TFrCustomButton::MouseLeft() {
  mouseOverButton_ = false;
  OnMouseLeave(this);
}

void TFrCustomButton::HoverChanged(bool entered) {
  if (entered) MouseEntered();
  else MouseLeft();
  if (!(hotTrack_ || ThemeServices->StylesActive()) || !HandleAllocated()) return;
  TRect rect;
  GetDisplayRect(rect);
  InvalidateRect(Handle(), rect.AsRECT(), FALSE);
}

void TFrCustomButton::EraseBackground(TMessage& message) {
  if (!transparent_) {
    TCustomControl::Dispatch(message);
    return;
  }
  PaintParentBackground(this, reinterpret_cast<HDC>(message.WParam), true);
  message.Result = 1;
}

void TFrCustomButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TCustomControl::Dispatch(message);
      RepaintFocus();
      return;
    case WM_ERASEBKGND:
      EraseBackground(message);
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TCustomControl::Dispatch(message);
      // The message reaches the control the pointer entered or left only.
      if (reinterpret_cast<TControl*>(message.LParam) == this || message.LParam == 0)
        HoverChanged(message.Msg == CM_MOUSEENTER);
      return;
    case CM_TEXTCHANGED:
      TCustomControl::Dispatch(message);
      Repaint();
      return;
    default:
      TCustomControl::Dispatch(message);
  }
}

// ---- The caption ----

void TFrCustomButton::DrawCaptionPass(TCanvas* canvas, const AnsiString& text, TRect rect, int dx, int dy,
                                      UINT flags, TColor color) {
  rect = Rect(rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy);
  DrawCanvasText(canvas, text, rect, flags, color);
}

void TFrCustomButton::PaintCaption(TCanvas* canvas, const TRect& rect, UINT flags) {
  canvas->Brush()->SetStyle(bsClear);
  canvas->SetFont(Font());
  const AnsiString text = Caption();
  TRect measured = rect;
  const int h = DrawCanvasText(canvas, text, measured, kMeasureFlags, Font()->Color());
  TRect t = rect;
  if (alignmentVertical_ == avCenter) {
    t.Top = (rect.Bottom + rect.Top - h) >> 1;
    t.Bottom = t.Top + h;
  } else if (alignmentVertical_ == avBottom) {
    t.Top = rect.Bottom - h - 1;
  }
  if (!Enabled()) {
    DrawCaptionPass(canvas, text, t, 1, 1, flags, clBtnHighlight);
    DrawCaptionPass(canvas, text, t, 0, 0, flags, clBtnShadow);
    canvas->Brush()->SetStyle(bsSolid);
    return;
  }
  if (textStyle_ == tsRaised || textStyle_ == tsRecessed) {
    const bool raised = textStyle_ == tsRaised;
    const TColor lower = raised ? textShadowColor_ : textHighlightColor_;
    const TColor upper = raised ? textHighlightColor_ : textShadowColor_;
    if (!raised || !lightTextStyle_) DrawCaptionPass(canvas, text, t, 1, 1, flags, lower);
    if (raised || !lightTextStyle_) DrawCaptionPass(canvas, text, t, -1, -1, flags, upper);
  } else if (textStyle_ == tsShadow) {
    DrawCaptionPass(canvas, text, t, textShadowDepth_, textShadowDepth_, flags, textShadowColor_);
  }
  DrawCaptionPass(canvas, text, t, 0, 0, flags, Font()->Color());
  canvas->Brush()->SetStyle(bsSolid);
}
