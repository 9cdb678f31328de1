// The faces of the skinned panel: look-less, skinned, background picture, client piece
// only and the transparent modes, with the caption bar's check box, picture and arrow.
#include "skin/controls/Skinctrls_LabelFont.h"
#include "skin/controls/Skinctrls_Panel.h"
#include "skin/data/Skindata_Labels.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Glyphs.h"
#include "skin/data/Sputils_ParentImage.h"
#include "skin/data/Sputils_Text.h"

namespace {

constexpr int kArrowUp = 3;
constexpr int kArrowDown = 4;
constexpr int kDefaultCheckBoxSize = 14;

// Draws `source` of `from` at x, y leaving out its lower-left pixel's colour.
void SkinDrawCheckImage(int x, int y, TCanvas* to, const TRect& source, TCanvas* from) {
  TBitmap image;
  image.SetSize(source.Width(), source.Height());
  image.Canvas()->CopyRect(Rect(0, 0, source.Width(), source.Height()), from, source);
  image.SetTransparent(true);
  to->Draw(x, y, &image);
}

int CentredTop(const TRect& within, int height) { return within.Top + within.Height() / 2 - height / 2; }

// Where content `width` wide starts in `rect` by `alignment` (`indent` from a left edge).
int AlignedLeft(const TRect& rect, TAlignment alignment, int width, int indent) {
  if (alignment == taRightJustify) return rect.Right - width;
  if (alignment == taCenter) return rect.Left + indent + rect.Width() / 2 - width / 2;
  return rect.Left + indent;
}

}  // namespace

TspCaptionPicture TspSkinPanel::CaptionPicture() const {
  return TspCaptionPicture{captionImageList_, captionImageIndex_, glyph_.get(), numGlyphs_};
}

int TspSkinPanel::CaptionContentWidth(int textWidth) const {
  return glyph_->Empty() ? textWidth : textWidth + glyph_->Width() / numGlyphs_ + spacing_;
}

void TspSkinPanel::ApplyCaptionFont(TFont* font) {
  lookFont_.ApplyOrDefault(font, lookIndex_ != -1 && UseSkinFont(), DefaultFont());
  TspStdLabelLook::ApplyCharset(font, skinData_, DefaultFont());
}

TColor TspSkinPanel::TransparentFrameColor() const {
  return Picture->Canvas()->Pixels(SR.Left + SR.Width() / 2, SR.Bottom - 1);
}

void TspSkinPanel::DrawCheckImage(TCanvas* canvas, int x, const TRect& within) {
  const TRect& source = checked_ ? checkImageRect_ : uncheckImageRect_;
  const int w = checkImageRect_.Width(), h = checkImageRect_.Height();
  SkinDrawCheckImage(x, CentredTop(within, h), canvas, Rect(source.Left, source.Top, source.Left + w, source.Top + h),
                     Picture->Canvas());
}

void TspSkinPanel::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  GetSkinData();
  int w = Width(), h = Height();
  CalcSize(w, h);
  if (lookIndex_ != -1 && transparentMode_) PaintTransparentFace();
  else if (lookIndex_ == -1 || (!directPaint_ && ClientStretch)) TspSkinCustomControl::Paint();
  else if (ShowsClientPieceOnly() && directPaint_ && !alphaBlend_) PaintClientPieceOnly(Canvas());
  else if (bgPictureIndex_ == -1) TspSkinCustomControl::Paint();
  else PaintBackgroundPicture(Canvas());
}

void TspSkinPanel::PaintClientPieceOnly(TCanvas* canvas) {
  const TRect piece = Rect(SR.Left + CR.Left, SR.Top + CR.Top, SR.Left + CR.Right, SR.Top + CR.Bottom);
  DrawClientPiece(canvas, ClientRect(), Picture, piece, ClientStretch, StretchType);
}

void TspSkinPanel::PaintBackgroundPicture(TCanvas* canvas) {
  TBitmap* picture = skinData_->ActivePictures[static_cast<size_t>(bgPictureIndex_)].get();
  const TRect area = ClientStretch && StretchType == spstFull ? NCR : ClientRect();
  DrawClientPiece(canvas, area, picture, Rect(0, 0, picture->Width(), picture->Height()), ClientStretch,
                  StretchType);
}

void TspSkinPanel::PaintTransparentFace() {
  TBitmap face;
  face.SetPixelFormat(pf24bit);
  face.SetSize(Width(), Height());
  GetParentImage(this, face.Canvas());
  if (captionMode_) {
    PaintTransparentGroupFrame(face);
  } else if (borderStyle_ != TspSkinBorderStyle::bvNone) {
    TCanvas* canvas = face.Canvas();
    canvas->Pen()->SetColor(TransparentFrameColor());
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(0, 0, Width(), Height());
  }
  PaintTransparent(face.Canvas());
  Canvas()->Draw(0, 0, &face);
}

void TspSkinPanel::PaintTransparentGroupFrame(TBitmap& face) {
  TCanvas* canvas = face.Canvas();
  const TColor frame = TransparentFrameColor();
  ApplyCaptionFont(canvas->Font());
  const int textHeight = canvas->TextHeight(Caption());
  int x = 5;
  sizedCaptionRect_ = Rect(5, 0, face.Width(), textHeight + 5);
  if (checkedMode_) {
    DrawCheckImage(canvas, sizedCaptionRect_.Left, sizedCaptionRect_);
    x += checkImageRect_.Width() + 5;
  }
  const TspCaptionPicture picture = CaptionPicture();
  const int pictureX = x;
  const int pictureY = CentredTop(sizedCaptionRect_, picture.Height());
  if (const int pictureWidth = picture.Width(); pictureWidth > 0) x += pictureWidth + 2;

  const TRect textRect = Rect(x, 0, face.Width(), textHeight + 5);
  const int lookIndex = skinData_->GetControlIndex("stdlabel");
  auto* label = lookIndex != -1 ? dynamic_cast<TspDataSkinStdLabelControl*>(skinData_->CtrlList[lookIndex].get()) : nullptr;
  const TColor textColour = label != nullptr ? label->FontColor : skinData_->SkinColors->BtnText;
  canvas->Font()->SetColor(textColour);
  canvas->Brush()->SetStyle(bsClear);
  SPDrawText(canvas, Caption(), textRect);
  const int w = Caption().IsEmpty() ? 0 : canvas->TextWidth(Caption());
  picture.Draw(canvas, pictureX, pictureY, Enabled());

  const int middle = textRect.Height() / 2;
  int lineFrom = textRect.Left + w + 3;
  if (rollUpMode_) {
    DrawArrowImage(canvas, Rect(textRect.Left + w + 3, 0, textRect.Left + w + 10, textRect.Bottom), textColour,
                   rollUpState_ ? kArrowDown : kArrowUp);
    lineFrom = textRect.Left + w + 12;
  }
  canvas->Pen()->SetColor(frame);
  canvas->Pen()->SetWidth(1);
  canvas->MoveTo(lineFrom, middle);
  canvas->LineTo(Width(), middle);
  canvas->MoveTo(0, middle);
  canvas->LineTo(4, middle);
  const TPoint rest[] = {{Width() - 1, middle}, {Width() - 1, Height() - 1}, {0, Height() - 1}, {0, middle}};
  canvas->Polyline(rest);
}

void TspSkinPanel::CreateControlDefaultImage(TBitmap* bitmap) {
  TspSkinCustomControl::CreateControlDefaultImage(bitmap);
  TCanvas* canvas = bitmap->Canvas();
  DrawSkinBorder(canvas, Rect(0, 0, Width(), Height()), borderStyle_);
  if (captionMode_) DrawDefaultCaption(canvas);
}

void TspSkinPanel::DrawDefaultCaption(TCanvas* canvas) {
  // Two one-pixel frames around the caption bar; what is inside holds the text.
  const bool framed = borderStyle_ == TspSkinBorderStyle::bvFrame;
  TRect r = framed ? Rect(0, 0, Width(), defaultCaptionHeight_) : Rect(1, 1, Width() - 1, defaultCaptionHeight_);
  Frm3D(canvas, r, clBtnShadow, framed ? clBtnShadow : clBtnHighlight);
  InflateRect(r.AsRECT(), -1, -1);
  Frm3D(canvas, r, clBtnHighlight, framed ? clBtnFace : clBtnShadow);
  InflateRect(r.AsRECT(), -1, -1);
  if (checkedMode_) r.Left += 20;
  if (rollUpMode_) r.Right -= 10;

  TFont* font = canvas->Font();
  font->Assign(DefaultFont());
  TspStdLabelLook::ApplyCharset(font, skinData_, DefaultFont());
  const SIZE text = canvas->TextExtent(Caption());
  const int y = CentredTop(r, text.cy);
  int x = AlignedLeft(r, defaultAlignment_, CaptionContentWidth(text.cx), 2);
  if (checkedMode_) {
    const TRect box = Rect(5, CentredTop(r, kDefaultCheckBoxSize), 5 + kDefaultCheckBoxSize,
                           CentredTop(r, kDefaultCheckBoxSize) + kDefaultCheckBoxSize);
    Frm3D(canvas, box, clBtnShadow, clBtnShadow);
    if (checked_) ::DrawCheckImage(canvas, box.Left + 3, box.Top + 2, clBtnText);
  }
  const TspCaptionPicture picture = CaptionPicture();
  const int pictureX = x;
  if (const int pictureWidth = picture.Width(); pictureWidth > 0) x += pictureWidth + spacing_;
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextRect(r, x, y, Caption());
  picture.Draw(canvas, pictureX, CentredTop(r, picture.Height()), Enabled());
  if (rollUpMode_)
    DrawArrowImage(canvas, Rect(r.Right, r.Top, r.Right + 10, r.Bottom), clBtnText, rollUpState_ ? kArrowDown : kArrowUp);
}

void TspSkinPanel::CreateControlSkinImage(TBitmap* bitmap) {
  if (ShowsClientPieceOnly() && !ClientStretch) {
    const TRect piece = Rect(SR.Left + CR.Left, SR.Top + CR.Top, SR.Left + CR.Right, SR.Top + CR.Bottom);
    DrawClientPiece(bitmap->Canvas(), Rect(0, 0, bitmap->Width(), bitmap->Height()), Picture, piece, false, StretchType);
    return;
  }
  TspSkinCustomControl::CreateControlSkinImage(bitmap);
  if (ResizeMode < rmNineParts) sizedCaptionRect_ = captionRect_;
  else GetNewRect(captionRect_, sizedCaptionRect_);
  if (!Caption().IsEmpty() && !captionRect_.IsEmpty()) DrawSkinCaption(bitmap->Canvas());
}

void TspSkinPanel::DrawSkinCaption(TCanvas* canvas) {
  TRect r = sizedCaptionRect_;
  if (rollUpMode_) r.Right -= 12;
  if (checkedMode_) {
    DrawCheckImage(canvas, r.Left, r);
    r.Left += checkImageRect_.Width() + 2;
  }
  ApplyCaptionFont(canvas->Font());
  canvas->Font()->SetColor(lookFont_.Color);
  const SIZE text = canvas->TextExtent(Caption());
  const int y = CentredTop(r, text.cy);
  int x = AlignedLeft(r, lookAlignment_, CaptionContentWidth(text.cx), 0);
  const TspCaptionPicture picture = CaptionPicture();
  const int pictureX = x;
  if (const int pictureWidth = picture.Width(); pictureWidth > 0) x += pictureWidth + spacing_;
  if (rollUpMode_) {
    const TRect arrow = Rect(r.Right, r.Top, r.Right + 10, r.Bottom);
    if (!markFrameRect_.IsEmpty())
      canvas->CopyRect(Rect(arrow.Left, arrow.Top, arrow.Left + markFrameRect_.Width(),
                            captionRect_.Top + markFrameRect_.Height()),
                       Picture->Canvas(), markFrameRect_);
    DrawArrowImage(canvas, arrow, lookFont_.Color, rollUpState_ ? kArrowDown : kArrowUp);
  }
  if (!frameRect_.IsEmpty()) DrawCaptionFrame(canvas, x, text.cx);
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextRect(r, x, y, Caption());
  picture.Draw(canvas, pictureX, CentredTop(r, picture.Height()), Enabled());
}

void TspSkinPanel::DrawCaptionFrame(TCanvas* canvas, int& x, int textWidth) {
  const int extra = frameRect_.Width() - frameTextRect_.Width();
  TBitmap frame;
  CreateHSkinImage(frameLeftOffset_, frameRightOffset_, &frame, Picture, frameRect_, textWidth + extra,
                   frameRect_.Height(), false);
  int frameX = x;
  if (lookAlignment_ == taRightJustify) {
    frameX = x - extra;
    x = frameX + frameTextRect_.Left;
  } else if (lookAlignment_ == taCenter) {
    frameX = x - frameTextRect_.Left - 2;
    x -= 2;
  } else {
    x += frameTextRect_.Left;
  }
  canvas->Draw(frameX, captionRect_.Top, &frame);
}
