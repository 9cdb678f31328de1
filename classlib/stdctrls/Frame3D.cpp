#include "classlib/stdctrls/Frame3D.h"

void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
  canvas->Pen()->SetWidth(1);
  --rect.Bottom;
  --rect.Right;
  for (int i = 0; i < width; ++i) {
    canvas->Pen()->SetColor(topColor);
    const TPoint topLeft[] = {Point(rect.Left, rect.Bottom), Point(rect.Left, rect.Top), Point(rect.Right, rect.Top)};
    canvas->Polyline(topLeft);
    canvas->Pen()->SetColor(bottomColor);
    const TPoint bottomRight[] = {Point(rect.Right, rect.Top), Point(rect.Right, rect.Bottom),
                                  Point(rect.Left - 1, rect.Bottom)};
    canvas->Polyline(bottomRight);
    ++rect.Left;
    ++rect.Top;
    --rect.Right;
    --rect.Bottom;
  }
  ++rect.Bottom;
  ++rect.Right;
}
