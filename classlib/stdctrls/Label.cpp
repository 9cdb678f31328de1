#include "classlib/stdctrls/Label.h"

#include "classlib/windowing/PaintCanvas.h"

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
  SetBounds(Left(), Top(), 65, 17);
  SetColor(clBtnFace);
  SetParentColor(true);
}

void TCustomLabel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  TControlStyle style = ControlStyle();
  if (value) style.Exclude(csOpaque);
  else style.Include(csOpaque);
  SetControlStyle(style);
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
  if (value == showAccelChar_) return;
  showAccelChar_ = value;
  AdjustBounds();
  Invalidate();
}

UINT TCustomLabel::AlignmentFlags() const {
  static constexpr UINT kFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  return kFlags[alignment_];
}

void TCustomLabel::DoDrawText(TRect& rect, UINT flags) {
  AnsiString text = GetLabelText();
  const bool measuring = (flags & DT_CALCRECT) != 0;
  if (measuring && (text.IsEmpty() || (showAccelChar_ && text == "&"))) text += " ";
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  HDC dc = Canvas()->Handle();
  HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  RECT r = *rect.AsRECT();
  if (!Enabled() && !measuring) {
    OffsetRect(&r, 1, 1);
    SetTextColor(dc, ColorToRGB(clBtnHighlight));
    DrawTextA(dc, text.c_str(), text.Length(), &r, flags);
    OffsetRect(&r, -1, -1);
    SetTextColor(dc, ColorToRGB(clBtnShadow));
  } else {
    SetTextColor(dc, ColorToRGB(Font()->Color()));
  }
  DrawTextA(dc, text.c_str(), text.Length(), &r, flags);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
  rect = Rect(r.left, r.top, r.right, r.bottom);
}

void TCustomLabel::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect = ClientRect();
  if (!transparent_) {
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(rect);
  }
  canvas->Brush()->SetStyle(bsClear);
  UINT flags = DT_EXPANDTABS | AlignmentFlags() | (wordWrap_ ? DT_WORDBREAK : 0);
  if (layout_ != tlTop) {
    TRect measured = rect;
    DoDrawText(measured, flags | DT_CALCRECT);
    const int offset = rect.Height() - measured.Height();
    rect.Top += layout_ == tlBottom ? offset : offset / 2;
  }
  DoDrawText(rect, flags);
}

void TCustomLabel::AdjustBounds() {
  if (ComponentState().Contains(csLoading) || !autoSize_) return;
  auto* canvas = dynamic_cast<TPaintCanvas*>(Canvas());
  HDC screen = GetDC(nullptr);
  TRect rect = ClientRect();
  {
    TPaintScope scope(canvas, screen, Font(), Color());
    DoDrawText(rect, DT_EXPANDTABS | DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : 0));
  }
  ReleaseDC(nullptr, screen);
  int left = Left();
  if (alignment_ == taRightJustify) left += Width() - rect.Width();
  else if (alignment_ == taCenter) left += (Width() - rect.Width()) / 2;
  SetBounds(left, Top(), rect.Width(), rect.Height());
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      AdjustBounds();
      Invalidate();
      return;
    case CM_DIALOGCHAR:
      message.Result = 0;
      return;
    default:
      TGraphicControl::Dispatch(message);
  }
}
