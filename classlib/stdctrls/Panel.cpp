#include "classlib/stdctrls/Panel.h"

#include "classlib/stdctrls/Frame3D.h"

namespace {
void DrawBevel(TCanvas* canvas, TRect& rect, TPanelBevel bevel, int width) {
  if (bevel == bvNone) return;
  const TColor top = bevel == bvLowered ? clBtnShadow : clBtnHighlight;
  const TColor bottom = bevel == bvLowered ? clBtnHighlight : clBtnShadow;
  if (bevel == bvSpace) {
    const TColor face = canvas->Brush()->Color();
    Frame3D(canvas, rect, face, face, width);
  } else {
    Frame3D(canvas, rect, top, bottom, width);
  }
}
}  // namespace

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls, csOpaque});
  SetBounds(Left(), Top(), 185, 41);
  SetColor(clBtnFace);
}

void TCustomPanel::BordersChanged() {
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel value) {
  bevelInner_ = value;
  BordersChanged();
}

void TCustomPanel::SetBevelOuter(TPanelBevel value) {
  bevelOuter_ = value;
  BordersChanged();
}

void TCustomPanel::SetBevelWidth(int value) {
  bevelWidth_ = value < 1 ? 1 : value;
  BordersChanged();
}

void TCustomPanel::SetBorderWidth(int value) {
  borderWidth_ = value < 0 ? 0 : value;
  BordersChanged();
}

void TCustomPanel::SetBorderStyle(TFormBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomPanel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
  params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TCustomPanel::AdjustClientRect(TRect& rect) {
  TCustomControl::AdjustClientRect(rect);
  int inset = borderWidth_;
  if (bevelOuter_ != bvNone) inset += bevelWidth_;
  if (bevelInner_ != bvNone) inset += bevelWidth_;
  rect = Rect(rect.Left + inset, rect.Top + inset, rect.Right - inset, rect.Bottom - inset);
}

void TCustomPanel::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect = ClientRect();
  canvas->Brush()->SetColor(Color());
  DrawBevel(canvas, rect, bevelOuter_, bevelWidth_);
  Frame3D(canvas, rect, Color(), Color(), borderWidth_);
  DrawBevel(canvas, rect, bevelInner_, bevelWidth_);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->FillRect(rect);
  const AnsiString text = Caption();
  if (text.IsEmpty()) return;
  static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  HDC dc = canvas->Handle();
  HGDIOBJ oldFont = SelectObject(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  RECT r = *rect.AsRECT();
  DrawTextA(dc, text.c_str(), text.Length(), &r, DT_EXPANDTABS | DT_VCENTER | DT_SINGLELINE | kAlign[alignment_]);
  SelectObject(dc, oldFont);
}

void TCustomPanel::Dispatch(TMessage& message) {
  if (message.Msg == CM_TEXTCHANGED) {
    Invalidate();
    return;
  }
  TCustomControl::Dispatch(message);
}
