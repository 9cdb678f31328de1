#include "classlib/stdctrls/Shape.h"

#include <algorithm>

TShape::TShape(TComponent* owner) : TGraphicControl(owner), pen_(new TPen), brush_(new TBrush) {
  SetBounds(Left(), Top(), 65, 65);
  pen_->OnChange = TNotifyEvent(this, &TShape::StyleChanged);
  brush_->OnChange = TNotifyEvent(this, &TShape::StyleChanged);
}

TShape::~TShape() {
  delete pen_;
  delete brush_;
}

void TShape::SetShape(TShapeType value) {
  if (value == shape_) return;
  shape_ = value;
  Invalidate();
}

void TShape::Paint() {
  TCanvas* canvas = Canvas();
  canvas->SetPen(pen_);
  canvas->SetBrush(brush_);
  const int inset = pen_->Width() / 2;
  int x = inset, y = inset;
  int w = Width() - pen_->Width() + 1, h = Height() - pen_->Width() + 1;
  if (pen_->Width() == 0) {
    --w;
    --h;
  }
  if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
    const int side = std::min(w, h);
    x += (w - side) / 2;
    y += (h - side) / 2;
    w = h = side;
  }
  switch (shape_) {
    case stRectangle:
    case stSquare:
      canvas->Rectangle(x, y, x + w, y + h);
      break;
    case stRoundRect:
    case stRoundSquare:
      canvas->RoundRect(x, y, x + w, y + h, std::min(w, h) / 4, std::min(w, h) / 4);
      break;
    default:
      canvas->Ellipse(x, y, x + w, y + h);
  }
}
