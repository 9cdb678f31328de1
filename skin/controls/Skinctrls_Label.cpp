#include "skin/controls/Skinctrls_Label.h"

#include "classlib/windowing/ControlMessages.h"
#include "skin/controls/Skinctrls_LabelFont.h"
#include "skin/data/Skindata_Labels.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Text.h"

void DrawSkinBorder(TCanvas* canvas, const TRect& rect, TspSkinBorderStyle style) {
  switch (style) {
    case TspSkinBorderStyle::bvFrame: Frm3D(canvas, rect, clBtnShadow, clBtnShadow); break;
    case TspSkinBorderStyle::bvRaised: Frm3D(canvas, rect, clBtnHighlight, clBtnShadow); break;
    case TspSkinBorderStyle::bvLowered: Frm3D(canvas, rect, clBtnShadow, clBtnHighlight); break;
    case TspSkinBorderStyle::bvNone: break;
  }
}

SIZE MeasureText(TFont* font, const AnsiString& text) {
  TBitmap bitmap;
  bitmap.SetSize(1, 1);
  bitmap.Canvas()->Font()->Assign(font);
  return bitmap.Canvas()->TextExtent(text);
}

TspSkinLabel::TspSkinLabel(TComponent* owner) : TspSkinCustomControl(owner) {
  SetSkinDataName("label");
  SetBounds(Left(), Top(), 75, 21);
}

void TspSkinLabel::SetEllipsType(TspEllipsType2 value) {
  if (value == ellipsType_) return;
  ellipsType_ = value;
  Invalidate();
}

void TspSkinLabel::SetBorderStyle(TspSkinBorderStyle value) {
  borderStyle_ = value;
  if (lookIndex_ != -1) return;
  Repaint();
  Realign();
}

void TspSkinLabel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Repaint();
}

void TspSkinLabel::SetAutoSize(bool value) {
  autoSize_ = value;
  if (value) AdjustBounds();
}

void TspSkinLabel::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (lookIndex_ == -1) return;
  if (auto* look = dynamic_cast<TspDataSkinLabelControl*>(skinData_->CtrlList[lookIndex_].get())) {
    lookFont_.CopyFrom(*look);
  }
  // A fixed-size look decides the size for good.
  if (ResizeMode == rmFixed) autoSize_ = false;
}

void TspSkinLabel::CalcSize(int& W, int& H) {
  if (useSkinSize_ || ResizeMode == rmNineParts) {
    TspSkinCustomControl::CalcSize(W, H);
  } else {
    NLT = LT;
    NRT = Point(W + RT.X - SR.Width(), RT.Y);
    NCR = CR;
    NCR.Right += W - SR.Width();
  }
  const int offset = CalcWidthOffset();
  if (offset > 0 && autoSize_) W += offset;
}

void TspSkinLabel::ApplyTextFont(TFont* font) {
  lookFont_.ApplyOrDefault(font, lookIndex_ != -1 && UseSkinFont(), DefaultFont());
}

int TspSkinLabel::CalcWidthOffset() { return WidthOffset(0); }

int TspSkinLabel::WidthOffset(int prefix) {
  TFont font;
  ApplyTextFont(&font);
  const int contentWidth = prefix + MeasureText(&font, Caption()).cx;
  if (lookIndex_ == -1) return contentWidth + 4 - Width();
  if (ResizeMode == rmFixed) return 0;
  return contentWidth - NCR.Width();
}

void TspSkinLabel::AdjustBounds() {
  if (Align() == alTop || Align() == alBottom || Align() == alClient) return;
  const int offset = CalcWidthOffset();
  if (offset != 0) SetWidth(Width() + offset);
}

void TspSkinLabel::SetControlRegion() {
  if (useSkinSize_) TspSkinCustomControl::SetControlRegion();
}

void TspSkinLabel::DrawLabelText(TCanvas* canvas, TRect rect) {
  TFont* font = canvas->Font();
  ApplyTextFont(font);
  if (lookIndex_ != -1) font->SetColor(lookFont_.Color);
  TspStdLabelLook::ApplyCharset(font, skinData_, DefaultFont());
  AnsiString text = Caption();
  if (ellipsType_ == spetEllips) CorrectTextbyWidth(canvas, text, rect.Width());
  const SIZE size = canvas->TextExtent(text);
  const int y = rect.Top + rect.Height() / 2 - size.cy / 2;
  int x = rect.Left;
  if (alignment_ == taRightJustify) x = rect.Right - size.cx;
  else if (alignment_ == taCenter) x = rect.Left + rect.Width() / 2 - size.cx / 2;
  canvas->Brush()->SetStyle(bsClear);
  if (!useSkinFontColor_) font->SetColor(DefaultFont()->Color());
  canvas->TextRect(rect, x, y, text);
}

void TspSkinLabel::CreateControlDefaultImage(TBitmap* bitmap) {
  TspSkinCustomControl::CreateControlDefaultImage(bitmap);
  DrawSkinBorder(bitmap->Canvas(), ClientRect(), borderStyle_);
  DrawLabelText(bitmap->Canvas(), Rect(2, 2, Width() - 2, Height() - 2));
}

TRect TspSkinLabel::ComposeSkinFace(TBitmap* bitmap) {
  if (useSkinSize_ || ResizeMode == rmNineParts) {
    TspSkinCustomControl::CreateControlSkinImage(bitmap);
    return NCR;
  }
  CreateStretchImage(bitmap, Picture, SR, CR, true);
  TRect text = NCR;
  text.Bottom += Height() - SR.Height();
  return text;
}

void TspSkinLabel::CreateControlSkinImage(TBitmap* bitmap) {
  DrawLabelText(bitmap->Canvas(), ComposeSkinFace(bitmap));
}

void TspSkinLabel::Dispatch(TMessage& message) {
  if (message.Msg == WM_ERASEBKGND) {
    if (!InPaint()) PaintWindow(reinterpret_cast<HDC>(message.WParam));
    message.Result = 0;
    return;
  }
  TspSkinCustomControl::Dispatch(message);
  if (message.Msg == CM_TEXTCHANGED) {
    if (autoSize_) AdjustBounds();
    Repaint();
  }
}
