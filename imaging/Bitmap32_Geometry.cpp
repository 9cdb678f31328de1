#include "imaging/Bitmap32_Geometry.h"

#include <algorithm>

#include "imaging/Bitmap32_Rounding.h"

namespace imaging {

namespace {

constexpr double FixedToFloat = 1.0 / 65536;

TFixed ToFixed(float value) { return Round(static_cast<double>(value) * 65536); }
float ToFloat(TFixed value) { return static_cast<float>(value * FixedToFloat); }

// The edges of a fractional rectangle, already turned into integers.
TRect RoundedRect(int32_t l, int32_t t, int32_t r, int32_t b, TRectRounding rounding) {
  if (rounding == rrInside) {
    r = std::max(r, l);
    b = std::max(b, t);
  }
  return TRect{l, t, r, b};
}

template <class Rect>
bool IntersectEdges(Rect& dst, const Rect& r1, const Rect& r2) {
  dst = Rect{std::max(r1.Left, r2.Left), std::max(r1.Top, r2.Top), std::min(r1.Right, r2.Right),
             std::min(r1.Bottom, r2.Bottom)};
  if (dst.Right >= dst.Left && dst.Bottom >= dst.Top) return true;
  dst = Rect{};
  return false;
}

template <class Rect>
bool UnionEdges(Rect& dst, const Rect& r1, const Rect& r2) {
  dst = r1;
  if (!IsRectEmpty(r2)) {
    dst.Left = std::min(dst.Left, r2.Left);
    dst.Top = std::min(dst.Top, r2.Top);
    dst.Right = std::max(dst.Right, r2.Right);
    dst.Bottom = std::max(dst.Bottom, r2.Bottom);
  }
  if (!IsRectEmpty(dst)) return true;
  dst = Rect{};
  return false;
}

template <class Rect, class Delta>
void Inflate(Rect& r, Delta dx, Delta dy) {
  r.Left -= dx;
  r.Top -= dy;
  r.Right += dx;
  r.Bottom += dy;
}

template <class Rect, class Delta>
void Offset(Rect& r, Delta dx, Delta dy) {
  r.Left += dx;
  r.Top += dy;
  r.Right += dx;
  r.Bottom += dy;
}

}  // namespace

TFixed Fixed(float value) { return ToFixed(value); }
TFixed Fixed(int32_t value) { return static_cast<TFixed>(static_cast<uint32_t>(value) << 16); }

TPoint Point(int32_t x, int32_t y) { return TPoint{x, y}; }
TPoint Point(const TFloatPoint& p) { return TPoint{Round(p.X), Round(p.Y)}; }
TPoint Point(const TFixedPoint& p) { return TPoint{FixedRound(p.X), FixedRound(p.Y)}; }

TFloatPoint FloatPoint(float x, float y) { return TFloatPoint{x, y}; }
TFloatPoint FloatPoint(const TPoint& p) { return TFloatPoint{static_cast<float>(p.X), static_cast<float>(p.Y)}; }
TFloatPoint FloatPoint(const TFixedPoint& p) { return TFloatPoint{ToFloat(p.X), ToFloat(p.Y)}; }

TFixedPoint FixedPoint(int32_t x, int32_t y) { return TFixedPoint{Fixed(x), Fixed(y)}; }
TFixedPoint FixedPoint(float x, float y) { return TFixedPoint{ToFixed(x), ToFixed(y)}; }
TFixedPoint FixedPoint(const TPoint& p) { return FixedPoint(p.X, p.Y); }
TFixedPoint FixedPoint(const TFloatPoint& p) { return FixedPoint(p.X, p.Y); }

TRect MakeRect(int32_t l, int32_t t, int32_t r, int32_t b) { return TRect{l, t, r, b}; }

TRect MakeRect(const TFloatRect& fr, TRectRounding rounding) {
  switch (rounding) {
    case rrOutside:
      return RoundedRect(Floor(fr.Left), Floor(fr.Top), Ceil(fr.Right), Ceil(fr.Bottom), rounding);
    case rrInside:
      return RoundedRect(Ceil(fr.Left), Ceil(fr.Top), Floor(fr.Right), Floor(fr.Bottom), rounding);
    default:
      return RoundedRect(Round(fr.Left), Round(fr.Top), Round(fr.Right), Round(fr.Bottom), rounding);
  }
}

TRect MakeRect(const TFixedRect& fxr, TRectRounding rounding) {
  switch (rounding) {
    case rrOutside:
      return RoundedRect(FixedFloor(fxr.Left), FixedFloor(fxr.Top), FixedCeil(fxr.Right), FixedCeil(fxr.Bottom),
                         rounding);
    case rrInside:
      return RoundedRect(FixedCeil(fxr.Left), FixedCeil(fxr.Top), FixedFloor(fxr.Right), FixedFloor(fxr.Bottom),
                         rounding);
    default:
      return RoundedRect(FixedRound(fxr.Left), FixedRound(fxr.Top), FixedRound(fxr.Right), FixedRound(fxr.Bottom),
                         rounding);
  }
}

TFixedRect FixedRect(TFixed l, TFixed t, TFixed r, TFixed b) { return TFixedRect{l, t, r, b}; }
TFixedRect FixedRect(const TRect& r) { return TFixedRect{Fixed(r.Left), Fixed(r.Top), Fixed(r.Right), Fixed(r.Bottom)}; }
TFixedRect FixedRect(const TFloatRect& fr) {
  return TFixedRect{ToFixed(fr.Left), ToFixed(fr.Top), ToFixed(fr.Right), ToFixed(fr.Bottom)};
}

TFloatRect FloatRect(float l, float t, float r, float b) { return TFloatRect{l, t, r, b}; }
TFloatRect FloatRect(const TRect& r) {
  return TFloatRect{static_cast<float>(r.Left), static_cast<float>(r.Top), static_cast<float>(r.Right),
                    static_cast<float>(r.Bottom)};
}
TFloatRect FloatRect(const TFixedRect& fxr) {
  return TFloatRect{ToFloat(fxr.Left), ToFloat(fxr.Top), ToFloat(fxr.Right), ToFloat(fxr.Bottom)};
}

bool IntersectRect(TRect& dst, const TRect& r1, const TRect& r2) { return IntersectEdges(dst, r1, r2); }
bool IntersectRect(TFloatRect& dst, const TFloatRect& fr1, const TFloatRect& fr2) {
  return IntersectEdges(dst, fr1, fr2);
}

bool UnionRect(TRect& dst, const TRect& r1, const TRect& r2) { return UnionEdges(dst, r1, r2); }
bool UnionRect(TFloatRect& dst, const TFloatRect& fr1, const TFloatRect& fr2) { return UnionEdges(dst, fr1, fr2); }

bool EqualRect(const TRect& r1, const TRect& r2) { return r1 == r2; }

bool EqualRectSize(const TRect& r1, const TRect& r2) {
  return r1.Right - r1.Left == r2.Right - r2.Left && r1.Bottom - r1.Top == r2.Bottom - r2.Top;
}

bool EqualRectSize(const TFloatRect& r1, const TFloatRect& r2) {
  const TFixedRect a = FixedRect(r1);
  const TFixedRect b = FixedRect(r2);
  return a.Right - a.Left == b.Right - b.Left && a.Bottom - a.Top == b.Bottom - b.Top;
}

void InflateRect(TRect& r, int32_t dx, int32_t dy) { Inflate(r, dx, dy); }
void InflateRect(TFloatRect& fr, float dx, float dy) { Inflate(fr, dx, dy); }
void OffsetRect(TRect& r, int32_t dx, int32_t dy) { Offset(r, dx, dy); }
void OffsetRect(TFloatRect& fr, float dx, float dy) { Offset(fr, dx, dy); }

bool IsRectEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }
bool IsRectEmpty(const TFloatRect& fr) { return fr.Right <= fr.Left || fr.Bottom <= fr.Top; }

bool PtInRect(const TRect& r, const TPoint& p) {
  return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

}  // namespace imaging
