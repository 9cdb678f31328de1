// The faces of the expandable panel: look-less and skinned, unrolled, rolled to a strip
// and rolled to a bar, with the caption buttons in three states.
#include "skin/controls/Skinctrls_ExPanel.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Glyphs.h"
#include "skin/data/Sputils_Text.h"

namespace {

constexpr int kArrowLeft = 1;
constexpr int kArrowRight = 2;
constexpr int kArrowUp = 3;
constexpr int kArrowDown = 4;
constexpr TColor kHotFrame = static_cast<TColor>(0x800000);
constexpr TColor kHotInside = static_cast<TColor>(0xD2BDB6);
constexpr TColor kDownInside = static_cast<TColor>(0xB59385);

int CentredTop(const TRect& within, int height) { return within.Top + within.Height() / 2 - height / 2; }

// The caption bar's two frames: outer shadow, inner highlight and face; narrows `r`.
void DrawBarFrames(TCanvas* canvas, TRect& r) {
  Frm3D(canvas, r, clBtnShadow, clBtnShadow);
  InflateRect(r.AsRECT(), -1, -1);
  Frm3D(canvas, r, clBtnHighlight, clBtnFace);
  InflateRect(r.AsRECT(), -1, -1);
}

// Turns the canvas's font by 90 degrees so text runs upwards.
void TurnFontUpwards(TFont* font) {
  LOGFONTA rotated{};
  GetObjectA(font->Handle(), sizeof(rotated), &rotated);
  rotated.lfEscapement = 900;
  rotated.lfOrientation = 900;
  font->SetHandle(CreateFontIndirectA(&rotated));
}

}  // namespace

const TspSkinExPanel::TButtonPictures& TspSkinExPanel::PicturesOf(int index) const {
  if (index == kCloseButton) return look_.close;
  if (Horizontal()) return rollState_ ? look_.hRestore : look_.hRoll;
  return rollState_ ? look_.vRestore : look_.vRoll;
}

void TspSkinExPanel::ApplyCaptionFont(TFont* font) {
  look_.font.ApplyOrDefault(font, HasLook() && UseSkinFont(), DefaultFont());
  if (HasLook()) font->SetColor(look_.font.Color);
  TspStdLabelLook::ApplyCharset(font, skinData_, DefaultFont());
}

// Buttons

void TspSkinExPanel::DrawButton(TCanvas* canvas, int index) {
  if (buttons_[index].rect.IsEmpty()) return;
  if (HasLook()) DrawSkinButton(canvas, index);
  else DrawDefaultButton(canvas, index);
}

void TspSkinExPanel::DrawDefaultButton(TCanvas* canvas, int index) {
  const TCaptionButton& button = buttons_[index];
  const bool down = button.pressed && button.mouseOver;
  TRect r = button.rect;
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(r);
  if (button.mouseOver) {
    Frm3D(canvas, r, kHotFrame, kHotFrame);
    canvas->Brush()->SetColor(down ? kDownInside : kHotInside);
    canvas->FillRect(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
  }
  if (down) {
    r.Left += 2;
    r.Top += 2;
  }
  if (index == kCloseButton) {
    DrawRCloseImage(canvas, r, clBlack);
    return;
  }
  const int code = Horizontal() ? (rollState_ ? kArrowRight : kArrowLeft) : (rollState_ ? kArrowDown : kArrowUp);
  DrawArrowImage(canvas, r, clBlack, code);
}

void TspSkinExPanel::DrawSkinButton(TCanvas* canvas, int index) {
  const TCaptionButton& button = buttons_[index];
  const TButtonPictures& pictures = PicturesOf(index);
  const TRect& part = button.pressed && button.mouseOver ? pictures.down
                      : button.mouseOver                  ? pictures.active
                                                          : pictures.normal;
  // A state without a picture draws nothing over the face.
  if (part.IsEmpty()) return;
  if (!look_.buttonsTransparent) {
    canvas->CopyRect(button.rect, Picture->Canvas(), part);
    return;
  }
  TBitmap image;
  image.SetSize(part.Width(), part.Height());
  image.Canvas()->CopyRect(Rect(0, 0, part.Width(), part.Height()), Picture->Canvas(), part);
  image.SetTransparentMode(tmFixed);
  image.SetTransparentColor(look_.buttonsTransparentColor);
  image.SetTransparent(true);
  canvas->Draw(button.rect.Left, button.rect.Top, &image);
}

void TspSkinExPanel::DrawButtons(TCanvas* canvas) {
  for (int i : {kCloseButton, kRollButton}) {
    if (Shown(i)) DrawButton(canvas, i);
  }
}

void TspSkinExPanel::PlaceTopButtons(TRect& text, int closeWidth, int closeHeight, int rollWidth, int rollHeight,
                                     int gap) {
  TRect& close = buttons_[kCloseButton].rect;
  TRect& roll = buttons_[kRollButton].rect;
  close = showCloseButton_ ? Rect(text.Right - closeWidth, text.Top, text.Right, text.Top + closeHeight)
                           : Rect(text.Right, 0, 0, 0);
  roll = showRollButton_ ? Rect(close.Left - rollWidth - gap, text.Top, close.Left - gap, text.Top + rollHeight)
                         : TRect{};
  text.Right -= (showCloseButton_ ? closeWidth : 0) + (showRollButton_ ? rollWidth : 0) + gap;
}

// Caption text and picture

void TspSkinExPanel::DrawTopCaption(TCanvas* canvas, TRect text) {
  const TspCaptionPicture picture = CaptionPicture();
  if (const int width = picture.Width(); width > 0) {
    picture.Draw(canvas, text.Left, CentredTop(text, picture.Height()), Enabled());
    text.Left += width + spacing_;
  }
  SPDrawText2(canvas, Caption(), text);
}

void TspSkinExPanel::DrawUpwardCaption(TCanvas* canvas, const TRect& text, int margin) {
  const int textHeight = canvas->TextHeight(Caption());
  const int x = text.Left + text.Width() / 2 - textHeight / 2;
  int y = text.Bottom - margin;
  const TspCaptionPicture picture = CaptionPicture();
  if (const int height = picture.Height(); height > 0) {
    picture.Draw(canvas, text.Left + text.Width() / 2 - picture.Width() / 2, text.Bottom - height - margin, Enabled());
    y -= height + spacing_ + margin;
  }
  TurnFontUpwards(canvas->Font());
  canvas->TextRect(text, x, y, Caption());
}

// Look-less face

void TspSkinExPanel::CreateControlDefaultImage(TBitmap* bitmap) {
  TCanvas* canvas = bitmap->Canvas();
  ApplyCaptionFont(canvas->Font());
  if (rollState_ && Horizontal()) DrawDefaultRolledBar(canvas);
  else DrawDefaultCaptionBar(canvas);
  DrawButtons(canvas);
}

void TspSkinExPanel::DrawDefaultCaptionBar(TCanvas* canvas) {
  const int w = Width();
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(Rect(0, 0, w, Height()));
  Frm3D(canvas, Rect(0, 0, w, Height()), clBtnShadow, clBtnShadow);
  TRect text = Rect(0, 0, w, defaultCaptionHeight_);
  DrawBarFrames(canvas, text);
  const int size = defaultCaptionHeight_ - 6;
  // The square buttons sit 3 pixels from the top, the close button 2 from the right.
  TRect row = Rect(0, 3, w - 2, 3);
  PlaceTopButtons(row, size, size, size, size, 0);
  text.Left += 2;
  text.Right -= (showCloseButton_ ? size : 0) + (showRollButton_ ? size : 0) + 2;
  canvas->Brush()->SetStyle(bsClear);
  DrawTopCaption(canvas, text);
}

void TspSkinExPanel::DrawDefaultRolledBar(TCanvas* canvas) {
  TRect bar = Rect(0, 0, Width(), Height());
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(bar);
  DrawBarFrames(canvas, bar);
  const int size = defaultCaptionHeight_ - 6;
  TRect& close = buttons_[kCloseButton].rect;
  TRect& roll = buttons_[kRollButton].rect;
  close = showCloseButton_ ? Rect(3, 3, size + 3, size + 3) : Rect(0, 0, 0, 3);
  roll = showRollButton_ ? Rect(3, close.Bottom, size + 3, close.Bottom + size) : TRect{};
  TRect text = Rect(0, 0, Width(), Height());
  text.Top += (showCloseButton_ ? size : 0) + (showRollButton_ ? size : 0) + 2;
  canvas->Brush()->SetStyle(bsClear);
  DrawUpwardCaption(canvas, text, 2);
}

// Skin face

void TspSkinExPanel::CreateControlSkinImage(TBitmap* bitmap) {
  if (!HasLook()) {
    CreateControlDefaultImage(bitmap);
    return;
  }
  TCanvas* canvas = bitmap->Canvas();
  if (!rollState_) {
    TspSkinCustomControl::CreateControlSkinImage(bitmap);
    TRect text = look_.captionRect;
    text.Right += Width() - SR.Width();
    DrawSkinCaptionBar(canvas, text);
  } else if (!Horizontal()) {
    CreateHSkinImage(look_.rollLeftOffset, look_.rollRightOffset, bitmap, Picture, look_.rollVSkinRect, Width(),
                     GetRollHeight(), TopStretch);
    TRect text = look_.rollVCaptionRect;
    text.Right += Width() - look_.rollVSkinRect.Width();
    DrawSkinCaptionBar(bitmap->Canvas(), text);
  } else {
    CreateVSkinImage(look_.rollTopOffset, look_.rollBottomOffset, bitmap, Picture, look_.rollHSkinRect,
                     GetRollWidth(), Height(), TopStretch);
    DrawSkinRolledBar(bitmap->Canvas());
  }
  DrawButtons(bitmap->Canvas());
}

void TspSkinExPanel::DrawSkinCaptionBar(TCanvas* canvas, TRect text) {
  ApplyCaptionFont(canvas->Font());
  PlaceTopButtons(text, look_.close.normal.Width(), look_.close.normal.Height(), look_.vRoll.normal.Width(),
                  look_.vRoll.normal.Height(), showCloseButton_ ? 2 : 0);
  canvas->Brush()->SetStyle(bsClear);
  DrawTopCaption(canvas, text);
}

void TspSkinExPanel::DrawSkinRolledBar(TCanvas* canvas) {
  ApplyCaptionFont(canvas->Font());
  TRect text = look_.rollHCaptionRect;
  text.Bottom += Height() - look_.rollHSkinRect.Height();
  const TRect& closePart = look_.close.normal;
  const TRect& rollPart = look_.hRoll.normal;
  TRect& close = buttons_[kCloseButton].rect;
  TRect& roll = buttons_[kRollButton].rect;
  const int gap = showCloseButton_ ? 2 : 0;
  close = showCloseButton_
              ? Rect(text.Left, text.Top, text.Left + closePart.Width(), text.Top + closePart.Height())
              : Rect(0, 0, 0, text.Top);
  roll = showRollButton_ ? Rect(text.Left, close.Bottom + gap, text.Left + rollPart.Width(),
                                close.Bottom + gap + rollPart.Height())
                         : TRect{};
  text.Top += (showCloseButton_ ? closePart.Height() : 0) + (showRollButton_ ? rollPart.Height() : 0) + gap;
  canvas->Brush()->SetStyle(bsClear);
  DrawUpwardCaption(canvas, text, 0);
}
