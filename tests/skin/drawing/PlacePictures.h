#pragma once
// Pictures whose pixel colour names its place, for checking where drawing put what.
#include <cstdint>

#include "classlib/graphics/Bitmap.h"

namespace placepic {

// The colour of place (x, y): red x, green y and a blue tag that keeps it from black
// and white.
constexpr TColor PlaceColor(int x, int y, int tag = 0x80) {
  return static_cast<TColor>((x & 0xFF) | ((y & 0xFF) << 8) | (tag << 16));
}
constexpr int PlaceX(TColor c) { return c & 0xFF; }
constexpr int PlaceY(TColor c) { return (c >> 8) & 0xFF; }

// A 32-bit picture of `width` x `height` coloured by place.
inline void Fill(TBitmap& picture, int width, int height, int tag = 0x80) {
  picture.SetPixelFormat(pf32bit);
  picture.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    auto* row = static_cast<uint8_t*>(picture.ScanLine(y));
    for (int x = 0; x < width; ++x) {
      row[4 * x] = static_cast<uint8_t>(tag);
      row[4 * x + 1] = static_cast<uint8_t>(y);
      row[4 * x + 2] = static_cast<uint8_t>(x);
      row[4 * x + 3] = 0;
    }
  }
}

// The colour at (x, y) of a 32-bit picture.
inline TColor At(TBitmap& picture, int x, int y) {
  const auto* row = static_cast<const uint8_t*>(picture.ScanLine(y));
  return static_cast<TColor>(row[4 * x + 2] | (row[4 * x + 1] << 8) | (row[4 * x] << 16));
}

// A picture of one colour.
inline void Plain(TBitmap& picture, int width, int height, TColor color) {
  picture.SetPixelFormat(pf32bit);
  picture.SetSize(width, height);
  picture.Canvas()->Brush()->SetColor(color);
  picture.Canvas()->FillRect(Rect(0, 0, width, height));
}

}  // namespace placepic
