#include "classlib/stdctrls/Image.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(new TPicture) {
  SetBounds(Left(), Top(), 105, 105);
  picture_->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
}

TImage::~TImage() { delete picture_; }

void TImage::SetAutoSize(bool value) {
  autoSize_ = value;
  PictureChanged(this);
}

void TImage::SetStretch(bool value) {
  stretch_ = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  center_ = value;
  Invalidate();
}

void TImage::SetTransparent(bool value) {
  transparent_ = value;
  PictureChanged(this);
}

void TImage::PictureChanged(TObject*) {
  TGraphic* graphic = picture_->Graphic();
  if (graphic != nullptr) {
    if (graphic->Transparent() != transparent_) graphic->SetTransparent(transparent_);
    if (autoSize_ && graphic->Width() > 0 && graphic->Height() > 0)
      SetBounds(Left(), Top(), graphic->Width(), graphic->Height());
  }
  Invalidate();
}

TRect TImage::DestRect() const {
  if (stretch_) return ClientRect();
  const int w = picture_->Width(), h = picture_->Height();
  if (!center_) return Rect(0, 0, w, h);
  const int left = (Width() - w) / 2, top = (Height() - h) / 2;
  return Rect(left, top, left + w, top + h);
}

void TImage::Paint() {
  TGraphic* graphic = picture_->Graphic();
  if (graphic == nullptr || graphic->Empty()) return;
  Canvas()->StretchDraw(DestRect(), graphic);
}
