// The integer lines of TBitmap32: Bresenham (unchecked and clipped, stored or blended),
// Wu's antialiased lines and the integer pen position.
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "imaging/Bitmap32.h"

namespace imaging {

namespace {

constexpr uint32_t kLineArea = AREA_KIND_LINE + 2;

// Reports the line's area on the way out, also when drawing fails.
struct TLineReport {
  TBitmap32* bitmap;
  TRect area;
  ~TLineReport() { bitmap->Changed(area, kLineArea); }
};

int32_t SignOf(int32_t v) { return (v > 0) - (v < 0); }

// The unchecked Bresenham walk: straight lines through the runs `horz`(x1, y, x2) and
// `vert`(x, y1, y2), other lines pixel by pixel through `store`(x, y).
template <class Horz, class Vert, class Store>
void Bresenham(int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool l, Horz horz, Vert vert, Store store) {
  int32_t dx = x2 - x1, dy = y2 - y1;
  if (dx == 0 || dy == 0) {
    if (dx == 0 && dy > 0) vert(x1, y1, y2 - 1);
    else if (dx == 0 && dy < 0) vert(x1, y2 + 1, y1);
    else if (x1 < x2) horz(x1, y1, x2 - 1);
    else if (x1 > x2) horz(x2 + 1, y1, x1);
    if (l) store(x2, y2);
    return;
  }
  const int32_t sx = SignOf(dx), sy = SignOf(dy);
  dx = std::abs(dx);
  dy = std::abs(dy);
  int32_t x = x1, y = y1;
  if (dy < dx) {
    int32_t e = dx >> 1;
    for (int32_t i = 0; i < dx; ++i) {
      store(x, y);
      e += dy;
      x += sx;
      if (e >= dx) {
        y += sy;
        e -= dx;
      }
    }
  } else {
    int32_t e = dy >> 1;
    for (int32_t i = 0; i < dy; ++i) {
      store(x, y);
      e += dx;
      y += sy;
      if (e >= dy) {
        x += sx;
        e -= dy;
      }
    }
  }
  if (l) store(x, y);
}

}  // namespace

void TBitmap32::Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value, bool l) {
  TLineReport report{this, TRect{x1, y1, x2, y2}};
  Bresenham(
      x1, y1, x2, y2, l, [&](int32_t a, int32_t y, int32_t b) { HorzLine(a, y, b, value); },
      [&](int32_t x, int32_t a, int32_t b) { VertLine(x, a, b, value); },
      [&](int32_t x, int32_t y) { SetPixel(x, y, value); });
}

void TBitmap32::LineT(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value, bool l) {
  TLineReport report{this, TRect{x1, y1, x2, y2}};
  const TBlendMem blend = BLEND_MEM[combineMode_];
  Bresenham(
      x1, y1, x2, y2, l, [&](int32_t a, int32_t y, int32_t b) { HorzLineT(a, y, b, value); },
      [&](int32_t x, int32_t a, int32_t b) { VertLineT(x, a, b, value); },
      [&](int32_t x, int32_t y) { blend(value, *GetPixelPtr(x, y)); });
  EMMS();
}

void TBitmap32::LineS(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value, bool l) {
  ClippedLine(x1, y1, x2, y2, value, l, false);
}

void TBitmap32::LineTS(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value, bool l) {
  ClippedLine(x1, y1, x2, y2, value, l, true);
}

namespace {

// Mirrors one axis so that the line runs towards higher values; false when the line
// lies wholly before or after the clip range lo..hi (both included).
bool MirrorAxis(int32_t& a1, int32_t& a2, int32_t& d, int32_t& lo, int32_t& hi, int32_t& s) {
  if (d > 0) {
    s = 1;
    return a1 <= hi && a2 >= lo;
  }
  s = -1;
  if (a2 > hi || a1 < lo) return false;
  a1 = -a1;
  a2 = -a2;
  d = -d;
  const int32_t t = lo;
  lo = -hi;
  hi = -t;
  return true;
}

}  // namespace

// Bresenham clipped against the clip rectangle by computing where the walk enters and
// leaves it (64-bit intermediates), so that the pixels drawn are those of the unclipped
// line.
void TBitmap32::ClippedLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value, bool l, bool blended) {
  const TRect area{x1, y1, x2, y2};
  if (measuring_) {
    Changed(area, kLineArea);
    return;
  }
  int32_t dx = x2 - x1, dy = y2 - y1;
  if (dx == 0 || dy == 0) {
    Bresenham(
        x1, y1, x2, y2, l,
        [&](int32_t a, int32_t y, int32_t b) { blended ? HorzLineTS(a, y, b, value) : HorzLineS(a, y, b, value); },
        [&](int32_t x, int32_t a, int32_t b) { blended ? VertLineTS(x, a, b, value) : VertLineS(x, a, b, value); },
        [&](int32_t x, int32_t y) { blended ? SetPixelTS(x, y, value) : SetPixelS(x, y, value); });
    if (!blended) Changed();
    return;
  }
  int32_t cx1 = clipRect_.Left, cx2 = clipRect_.Right - 1, cy1 = clipRect_.Top, cy2 = clipRect_.Bottom - 1;
  int32_t sx = 0, sy = 0;
  if (!MirrorAxis(x1, x2, dx, cx1, cx2, sx) || !MirrorAxis(y1, y2, dy, cy1, cy2, sy)) return;
  const bool steep = dx < dy;
  if (steep) {
    std::swap(x1, y1);
    std::swap(x2, y2);
    std::swap(dx, dy);
    std::swap(cx1, cy1);
    std::swap(cx2, cy2);
    std::swap(sx, sy);
  }
  const int64_t dx2 = 2 * int64_t{dx}, dy2 = 2 * int64_t{dy};
  int64_t xs = x1, ys = y1, xe = x2;
  int64_t e = dy2 - dx;
  bool settled = false;
  if (y1 < cy1) {
    const int64_t t = dx2 * (cy1 - y1) - dx;
    xs = x1 + t / dy2;
    const int64_t r = t % dy2;
    if (xs > cx2) return;
    if (xs >= cx1) {
      ys = cy1;
      e = e - r - dx;
      if (r > 0) {
        ++xs;
        e += dy2;
      }
      settled = true;
    }
  }
  if (!settled && x1 < cx1) {
    const int64_t t = dy2 * (cx1 - x1);
    ys = y1 + t / dx2;
    const int64_t r = t % dx2;
    if (ys > cy2 || (ys == cy2 && r >= dx)) return;
    xs = cx1;
    e += r;
    if (r >= dx) {
      ++ys;
      e -= dx2;
    }
  }
  bool endClipped = false;
  if (y2 > cy2) {
    const int64_t t = dx2 * (cy2 - y1) + dx;
    xe = x1 + t / dy2;
    if (t % dy2 == 0) --xe;
    endClipped = true;
  }
  if (xe > cx2) {
    xe = cx2;
    endClipped = true;
  }
  ++xe;
  if (sy < 0) ys = -ys;
  if (sx < 0) {
    xs = -xs;
    xe = -xe;
  }
  const int64_t minorDone = dx2 - dy2;
  if (!l && !endClipped) xe -= sx;
  const ptrdiff_t major = steep ? ptrdiff_t{sx} * Width() : sx;
  const ptrdiff_t minor = steep ? sy : ptrdiff_t{sy} * Width();
  TColor32* p = steep ? GetPixelPtr(static_cast<int32_t>(ys), static_cast<int32_t>(xs))
                      : GetPixelPtr(static_cast<int32_t>(xs), static_cast<int32_t>(ys));
  const TBlendMem blend = BLEND_MEM[combineMode_];
  while (xs != xe) {
    xs += sx;
    if (blended) blend(value, *p);
    else *p = value;
    p += major;
    if (e >= 0) {
      p += minor;
      e -= minorDone;
    } else {
      e += dy2;
    }
  }
  if (blended) EMMS();
  Changed(area, kLineArea);
}

void TBitmap32::LineA(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value, bool l) {
  if (x1 == x2 || y1 == y2) {
    LineT(x1, y1, x2, y2, value, l);
    return;
  }
  TLineReport report{this, TRect{x1, y1, x2, y2}};
  int32_t dx = x2 - x1, dy = y2 - y1;
  const int32_t sx = SignOf(dx), sy = SignOf(dy);
  dx = std::abs(dx);
  dy = std::abs(dy);
  BLEND_MEM[combineMode_](value, *GetPixelPtr(x1, y1));
  const TBlendMemEx blend = BLEND_MEM_EX[combineMode_];
  const bool steep = dy > dx;
  const int32_t major = steep ? dy : dx;
  const auto ea = static_cast<uint16_t>(((steep ? dx : dy) << 16) / major);
  uint16_t e = 0;
  int32_t x = x1, y = y1;
  for (int32_t count = l ? major : major - 1; count > 0; --count) {
    const auto next = static_cast<uint16_t>(e + ea);
    const bool wrapped = next <= e;
    e = next;
    if (steep) {
      if (wrapped) x += sx;
      y += sy;
    } else {
      if (wrapped) y += sy;
      x += sx;
    }
    const int32_t w = e >> 8;
    blend(value, *GetPixelPtr(x, y), GAMMA_TABLE[w ^ 255]);
    blend(value, steep ? *GetPixelPtr(x + sx, y) : *GetPixelPtr(x, y + sy), GAMMA_TABLE[w]);
  }
  EMMS();
}

// The Wu walk of LineA in mirrored, major-axis-first coordinates, over just the columns
// of the clip rectangle, skipping to the first one arithmetically.
void TBitmap32::LineAS(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value, bool l) {
  const TRect area{x1, y1, x2, y2};
  if (measuring_) {
    Changed(area, kLineArea);
    return;
  }
  if (clipRect_.Right <= clipRect_.Left || clipRect_.Bottom <= clipRect_.Top) return;
  int32_t dx = x2 - x1, dy = y2 - y1;
  if (dx == 0 || dy == 0 || std::abs(dx) == std::abs(dy)) {
    LineTS(x1, y1, x2, y2, value, l);
    return;
  }
  int32_t cx1 = clipRect_.Left, cx2 = clipRect_.Right - 1, cy1 = clipRect_.Top, cy2 = clipRect_.Bottom - 1;
  int32_t sx = 0, sy = 0;
  if (!MirrorAxis(x1, x2, dx, cx1, cx2, sx) || !MirrorAxis(y1, y2, dy, cy1, cy2, sy)) return;
  const bool steep = dx < dy;
  if (steep) {
    std::swap(x1, y1);
    std::swap(dx, dy);
    std::swap(cx1, cy1);
    std::swap(cx2, cy2);
    std::swap(sx, sy);
  }
  const auto ea = static_cast<uint32_t>((int64_t{dy} << 16) / dx);
  const TBlendMemEx blend = BLEND_MEM_EX[combineMode_];
  const auto blendAt = [&](int64_t major, int64_t minor, int32_t weight) {
    if (weight == 0) return;
    const auto a = static_cast<int32_t>(sx * major), b = static_cast<int32_t>(sy * minor);
    blend(value, steep ? *GetPixelPtr(b, a) : *GetPixelPtr(a, b), weight);
  };
  const int64_t last = std::min<int64_t>(l ? dx : dx - 1, int64_t{cx2} - x1);
  for (int64_t n = std::max<int64_t>(0, int64_t{cx1} - x1); n <= last; ++n) {
    const int64_t walked = n * ea;
    const int64_t row = y1 + (walked >> 16);
    if (row > cy2) break;
    const auto w = static_cast<int32_t>((walked & 0xFFFF) >> 8);
    if (row >= cy1) blendAt(x1 + n, row, GAMMA_TABLE[w ^ 255]);
    if (row + 1 >= cy1 && row + 1 <= cy2) blendAt(x1 + n, row + 1, GAMMA_TABLE[w]);
  }
  EMMS();
  Changed(area, kLineArea);
}

void TBitmap32::MoveTo(int32_t x, int32_t y) {
  penX_ = x;
  penY_ = y;
}

void TBitmap32::LineToS(int32_t x, int32_t y) {
  LineS(penX_, penY_, x, y, PenColor);
  MoveTo(x, y);
}

void TBitmap32::LineToTS(int32_t x, int32_t y) {
  LineTS(penX_, penY_, x, y, PenColor);
  MoveTo(x, y);
}

void TBitmap32::LineToAS(int32_t x, int32_t y) {
  LineAS(penX_, penY_, x, y, PenColor);
  MoveTo(x, y);
}

}  // namespace imaging
