#include "imaging/Bitmap32_DrawingEx.h"

#include "imaging/Bitmap32_Math.h"

namespace imaging {

namespace {

constexpr int32_t kLeft = 1, kRight = 2, kAbove = 4, kBelow = 8;

int32_t HorizontalCode(int32_t x, int32_t minX, int32_t maxX) { return x < minX ? kLeft : x > maxX ? kRight : 0; }

int32_t OutCode(int32_t x, int32_t y, int32_t minX, int32_t minY, int32_t maxX, int32_t maxY) {
  return HorizontalCode(x, minX, maxX) | (y < minY ? kAbove : 0) | (y > maxY ? kBelow : 0);
}

}  // namespace

bool ClipLine(int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2, int32_t minX, int32_t minY, int32_t maxX,
              int32_t maxY) {
  int32_t c1 = OutCode(x1, y1, minX, minY, maxX, maxY);
  int32_t c2 = OutCode(x2, y2, minX, minY, maxX, maxY);
  if ((c1 & c2) != 0) return false;
  if ((c1 | c2) == 0) return true;
  if ((c1 & (kAbove | kBelow)) != 0) {
    const int32_t v = y1 > maxY ? maxY : minY;
    x1 += MulDiv(v - y1, x2 - x1, y2 - y1);
    y1 = v;
    c1 = HorizontalCode(x1, minX, maxX);
  }
  if ((c2 & (kAbove | kBelow)) != 0) {
    const int32_t v = (c2 & kBelow) == 0 ? minY : maxY;
    x2 += MulDiv(v - y2, x2 - x1, y2 - y1);
    y2 = v;
    c2 = HorizontalCode(x2, minX, maxX);
  }
  if ((c1 & c2) != 0) return false;
  if (c1 != 0) {
    const int32_t v = c1 == kLeft ? minX : maxX;
    y1 += MulDiv(v - x1, y2 - y1, x2 - x1);
    x1 = v;
  }
  if (c2 != 0) {
    const int32_t v = c2 == kLeft ? minX : maxX;
    y2 += MulDiv(v - x2, y2 - y1, x2 - x1);
    x2 = v;
  }
  return true;
}

}  // namespace imaging
