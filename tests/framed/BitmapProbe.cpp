#include "BitmapProbe.h"

BitmapProbe::BitmapProbe(int width, int height, TColor background) {
  bitmap_.SetSize(width, height);
  bitmap_.Canvas()->Brush()->SetColor(background);
  bitmap_.Canvas()->FillRect(Rect(0, 0, width, height));
}

int BitmapProbe::Count(TColor color) {
  int count = 0;
  for (int y = 0; y < bitmap_.Height(); ++y) {
    for (int x = 0; x < bitmap_.Width(); ++x) count += At(x, y) == color ? 1 : 0;
  }
  return count;
}
