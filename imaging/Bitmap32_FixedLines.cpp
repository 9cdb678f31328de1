// The fixed-point lines of TBitmap32: a sub-pixel write every pixel length along the
// line, plain or stippled, unchecked or clipped, and the fixed-point pen position.
#include <cstdint>

#include "imaging/Bitmap32.h"
#include "imaging/Bitmap32_DrawingEx.h"
#include "imaging/Bitmap32_Math.h"
#include "imaging/Bitmap32_Rounding.h"

namespace imaging {

namespace {

constexpr TFixed kHalfPixelBias = 127;

TRect FixedArea(TFixed x1, TFixed y1, TFixed x2, TFixed y2) { return MakeRect(TFixedRect{x1, y1, x2, y2}, rrClosest); }

// The line's length in 16.16, one pixel longer with `l`.
int64_t FixedLength(TFixed dx, TFixed dy, bool l) {
  return Round(Hypot(static_cast<float>(dx), static_cast<float>(dy))) + (l ? 65536 : 0);
}

// The colour with its alpha scaled by the covered part (16.16) of the last pixel.
TColor32 PartialAlpha(TColor32 color, int64_t part) {
  return (color & 0x00FFFFFF) | static_cast<TColor32>(((int64_t{color >> 24} * part) << 8) & 0xFF000000);
}

enum class TStep { Scaled, Divided };

// Walks from (x1, y1) to (x2, y2) (16.16): a write at each whole pixel length through
// `write`(x, y in 24.8, partial part or -1), then the last partial pixel halfway between
// the last point and the end. False (nothing written) for a line under 1/256 pixel.
template <class Write>
bool WalkFixed(TFixed x1, TFixed y1, TFixed x2, TFixed y2, bool l, TStep stepKind, Write write) {
  const int64_t dx = int64_t{x2} - x1, dy = int64_t{y2} - y1;
  const int64_t n = FixedLength(static_cast<TFixed>(dx), static_cast<TFixed>(dy), l);
  if (n < 256) return false;
  int64_t x = int64_t{x1} + kHalfPixelBias, y = int64_t{y1} + kHalfPixelBias;
  const int64_t endX = int64_t{x2} + kHalfPixelBias, endY = int64_t{y2} + kHalfPixelBias;
  const int64_t k = n >> 16;
  int64_t stepX = dx, stepY = dy;
  if (k > 0) {
    if (stepKind == TStep::Scaled) {
      const float s = 65536.0f / static_cast<float>(n);
      stepX = Round(static_cast<float>(dx) * s);
      stepY = Round(static_cast<float>(dy) * s);
    } else {
      stepX = Round(static_cast<double>(dx) / static_cast<double>(n) * 65536);
      stepY = Round(static_cast<double>(dy) / static_cast<double>(n) * 65536);
    }
    for (int64_t i = 0; i < k; ++i) {
      write(static_cast<int32_t>(x >> 8), static_cast<int32_t>(y >> 8), int64_t{-1});
      x += stepX;
      y += stepY;
    }
  }
  write(static_cast<int32_t>((endX + x - stepX) >> 9), static_cast<int32_t>((endY + y - stepY) >> 9), n - (k << 16));
  return true;
}

float LengthInPixels(int64_t dx, int64_t dy) {
  return Hypot(static_cast<float>(dx), static_cast<float>(dy)) / 65536.0f;
}

}  // namespace

bool TBitmap32::StrictlyInsideClip(TFixed x1, TFixed y1, TFixed x2, TFixed y2) const {
  const TFixedRect& c = fixedClipRect_;
  const auto inside = [&](TFixed x, TFixed y) {
    return x > c.Left && y > c.Top && x < c.Right - 131072 && y < c.Bottom - 131072;
  };
  return inside(x1, y1) && inside(x2, y2);
}

void TBitmap32::LineX(TFixed x1, TFixed y1, TFixed x2, TFixed y2, TColor32 value, bool l) {
  struct Report {
    TBitmap32* bitmap;
    TRect area;
    ~Report() { bitmap->Changed(area, AREA_KIND_LINE + 2); }
  } report{this, FixedArea(x1, y1, x2, y2)};
  WalkFixed(x1, y1, x2, y2, l, TStep::Scaled, [&](int32_t x, int32_t y, int64_t part) {
    SET_T256(x, y, part < 0 ? value : PartialAlpha(value, part));
  });
  EMMS();
}

void TBitmap32::LineXS(TFixed x1, TFixed y1, TFixed x2, TFixed y2, TColor32 value, bool l) {
  const TRect area = FixedArea(x1, y1, x2, y2);
  if (measuring_) {
    Changed(area, AREA_KIND_LINE + 2);
    return;
  }
  const TFixed endX = x2, endY = y2;
  const TFixedRect& c = fixedClipRect_;
  if (!ClipLine(x1, y1, x2, y2, c.Left - 65536, c.Top - 65536, c.Right, c.Bottom)) return;
  l = l || x2 != endX || y2 != endY;
  if (StrictlyInsideClip(x1, y1, x2, y2)) {
    LineX(x1, y1, x2, y2, value, l);
    return;
  }
  const bool drawn = WalkFixed(x1, y1, x2, y2, l, TStep::Scaled, [&](int32_t x, int32_t y, int64_t part) {
    SET_TS256(x, y, part < 0 ? value : PartialAlpha(value, part));
  });
  EMMS();
  if (drawn) Changed(area, AREA_KIND_LINE + 2);
}

void TBitmap32::LineF(float x1, float y1, float x2, float y2, TColor32 value, bool l) {
  LineX(Fixed(x1), Fixed(y1), Fixed(x2), Fixed(y2), value, l);
}

void TBitmap32::LineFS(float x1, float y1, float x2, float y2, TColor32 value, bool l) {
  LineXS(Fixed(x1), Fixed(y1), Fixed(x2), Fixed(y2), value, l);
}

void TBitmap32::LineXP(TFixed x1, TFixed y1, TFixed x2, TFixed y2, bool l) {
  WalkFixed(x1, y1, x2, y2, l, TStep::Divided, [&](int32_t x, int32_t y, int64_t part) {
    const TColor32 color = GetStippleColor();
    SET_T256(x, y, part < 0 ? color : PartialAlpha(color, part));
    EMMS();
  });
  Changed(FixedArea(x1, y1, x2, y2), AREA_KIND_LINE + 2);
}

void TBitmap32::LineXSP(TFixed x1, TFixed y1, TFixed x2, TFixed y2, bool l) {
  const TRect area = FixedArea(x1, y1, x2, y2);
  if (measuring_) {
    Changed(area, AREA_KIND_LINE + 4);
    return;
  }
  const TFixed startX = x1, startY = y1, endX = x2, endY = y2;
  const TFixedRect& c = fixedClipRect_;
  if (!ClipLine(x1, y1, x2, y2, c.Left - 65536, c.Top - 65536, c.Right, c.Bottom)) {
    AdvanceStippleCounter(LengthInPixels(int64_t{x2} - x1, int64_t{y2} - y1) - (l ? 1.0f : 0.0f));
    return;
  }
  l = l || x2 != endX || y2 != endY;
  if (StrictlyInsideClip(x1, y1, x2, y2)) {
    LineXP(x1, y1, x2, y2, l);
    return;
  }
  if (x1 != startX || y1 != startY) AdvanceStippleCounter(LengthInPixels(int64_t{x1} - startX, int64_t{y1} - startY));
  const bool drawn = WalkFixed(x1, y1, x2, y2, l, TStep::Divided, [&](int32_t x, int32_t y, int64_t part) {
    const TColor32 color = GetStippleColor();
    SET_TS256(x, y, part < 0 ? color : PartialAlpha(color, part));
    EMMS();
  });
  if (!drawn) return;
  // So that a following stippled line continues the pattern where this one stopped.
  AdvanceStippleCounter(LengthInPixels(int64_t{endX} - (int64_t{x2} + kHalfPixelBias),
                                       int64_t{endY} - (int64_t{y2} + kHalfPixelBias)) -
                        (l ? 1.0f : 0.0f));
  Changed(area, AREA_KIND_LINE + 4);
}

void TBitmap32::LineFP(float x1, float y1, float x2, float y2, bool l) {
  LineXP(Fixed(x1), Fixed(y1), Fixed(x2), Fixed(y2), l);
}

void TBitmap32::LineFSP(float x1, float y1, float x2, float y2, bool l) {
  LineXSP(Fixed(x1), Fixed(y1), Fixed(x2), Fixed(y2), l);
}

void TBitmap32::MoveToX(TFixed x, TFixed y) {
  penPosX_ = x;
  penPosY_ = y;
}

void TBitmap32::MoveToF(float x, float y) { MoveToX(Fixed(x), Fixed(y)); }

void TBitmap32::LineToXS(TFixed x, TFixed y) {
  LineXS(penPosX_, penPosY_, x, y, PenColor);
  MoveToX(x, y);
}

void TBitmap32::LineToXSP(TFixed x, TFixed y) {
  LineXSP(penPosX_, penPosY_, x, y);
  MoveToX(x, y);
}

void TBitmap32::LineToFS(float x, float y) { LineToXS(Fixed(x), Fixed(y)); }

void TBitmap32::LineToFSP(float x, float y) { LineToXSP(Fixed(x), Fixed(y)); }

}  // namespace imaging
