#include "classlib/stdctrls/Bevel.h"

#include "classlib/stdctrls/Frame3D.h"

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) { SetBounds(Left(), Top(), 50, 50); }

void TBevel::SetShape(TBevelShape value) {
  if (value == shape_) return;
  shape_ = value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
  if (value == style_) return;
  style_ = value;
  Invalidate();
}

void TBevel::Line(TColor color, int x1, int y1, int x2, int y2) {
  Canvas()->Pen()->SetColor(color);
  Canvas()->MoveTo(x1, y1);
  Canvas()->LineTo(x2, y2);
}

void TBevel::Paint() {
  const TColor shadow = clBtnShadow, highlight = clBtnHighlight;
  const TColor first = style_ == bsLowered ? shadow : highlight;
  const TColor second = style_ == bsLowered ? highlight : shadow;
  const int w = Width(), h = Height();
  TRect rect = ClientRect();
  Canvas()->Pen()->SetWidth(1);
  switch (shape_) {
    case bsBox:
      Frame3D(Canvas(), rect, first, second, 1);
      break;
    case bsFrame: {
      TRect inner = Rect(1, 1, w, h);
      Frame3D(Canvas(), inner, second, second, 1);
      TRect outer = Rect(0, 0, w - 1, h - 1);
      Frame3D(Canvas(), outer, first, first, 1);
      break;
    }
    case bsTopLine:
      Line(first, 0, 0, w, 0);
      Line(second, 0, 1, w, 1);
      break;
    case bsBottomLine:
      Line(first, 0, h - 2, w, h - 2);
      Line(second, 0, h - 1, w, h - 1);
      break;
    case bsLeftLine:
      Line(first, 0, 0, 0, h);
      Line(second, 1, 0, 1, h);
      break;
    case bsRightLine:
      Line(first, w - 2, 0, w - 2, h);
      Line(second, w - 1, 0, w - 1, h);
      break;
    case bsSpacer:
      break;
  }
}
