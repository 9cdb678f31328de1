#include "skin/controls/Skinctrls_XFormButton.h"

#include "skin/data/Sputils_Regions.h"

TspSkinXFormButton::TspSkinXFormButton(TComponent* owner)
    : TspSkinButton(owner),
      defImage_(std::make_unique<TBitmap>()),
      defActiveImage_(std::make_unique<TBitmap>()),
      defDownImage_(std::make_unique<TBitmap>()),
      defMask_(std::make_unique<TBitmap>()) {
  SetCanFocused(false);
}

TspSkinXFormButton::~TspSkinXFormButton() = default;

void TspSkinXFormButton::SetDefImage(TBitmap* value) {
  defImage_->Assign(value);
  if (defImage_->Empty()) return;
  SetDefaultHeight(defImage_->Height());
  SetDefaultWidth(defImage_->Width());
}

void TspSkinXFormButton::SetDefMask(TBitmap* value) {
  defMask_->Assign(value);
  if (!defImage_->Empty()) SetControlRegion();
}

void TspSkinXFormButton::SetBounds(int left, int top, int width, int height) {
  TspSkinButton::SetBounds(left, top, width, height);
  if (PictureMode() && (Width() != defImage_->Width() || Height() != defImage_->Height()))
    SetBounds(Left(), Top(), defImage_->Width(), defImage_->Height());
}

void TspSkinXFormButton::ChangeSkinData() {
  GetSkinData();
  if (!PictureMode()) {
    TspSkinButton::ChangeSkinData();
    return;
  }
  SetBounds(Left(), Top(), defImage_->Width(), defImage_->Height());
  SetControlRegion();
  Repaint();
}

void TspSkinXFormButton::SetControlRegion() {
  if (!PictureMode()) {
    TspSkinButton::SetControlRegion();
    return;
  }
  HRGN region = nullptr;
  CreateSkinSimplyRegion(region, defMask_.get());
  HandOverRegion(region);
}

void TspSkinXFormButton::Loaded() {
  TspSkinButton::Loaded();
  GetSkinData();
  if (lookIndex_ != -1) return;
  // The resource fills the pictures in place: the size follows the normal picture here.
  if (!defImage_->Empty()) {
    SetDefaultHeight(defImage_->Height());
    SetDefaultWidth(defImage_->Width());
  }
  if (!defMask_->Empty()) SetControlRegion();
}

void TspSkinXFormButton::CreateControlDefaultImage(TBitmap* bitmap) {
  if (PictureMode()) DrawDefaultButton(bitmap->Canvas());
  else TspSkinButton::CreateControlDefaultImage(bitmap);
}

void TspSkinXFormButton::DrawDefaultButton(TCanvas* canvas) {
  canvas->Font()->Assign(DefaultFont());
  SetContentCharset(canvas);
  const bool drawnDown = DrawnDown();
  const bool hot = mouseIn_ || IsFocused();
  TBitmap* picture = defImage_.get();
  if (drawnDown && !defDownImage_->Empty()) picture = defDownImage_.get();
  else if (hot && !defActiveImage_->Empty()) picture = defActiveImage_.get();
  if (drawnDown) canvas->Font()->SetColor(defDownFontColor_);
  else if (hot) canvas->Font()->SetColor(defActiveFontColor_);
  canvas->Draw(0, 0, picture);
  canvas->Brush()->SetStyle(bsClear);
  DrawGlyphAndText(canvas, ClientRect(), Margin(), Spacing(), Layout(), Caption(), Glyph(), NumGlyphs(),
                   GetGlyphNum(down_, mouseIn_), drawnDown, false, 0);
}
