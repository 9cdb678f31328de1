#pragma once
// A small 32-bit bitmap to paint on and read back in RGB.
#include "classlib/graphics/Bitmap.h"

class BitmapProbe {
 public:
  BitmapProbe(int width, int height, TColor background);

  TCanvas* Canvas() { return bitmap_.Canvas(); }
  HDC DC() { return bitmap_.Canvas()->Handle(); }
  TBitmap* Bitmap() { return &bitmap_; }
  // The pixel as an RGB colour.
  TColor At(int x, int y) { return bitmap_.Canvas()->Pixels(x, y); }
  // How many pixels have `color`.
  int Count(TColor color);

 private:
  TBitmap bitmap_;
};
