#pragma once
// Positions and rectangles in integer pixels, 16.16 fixed point and single floats, the
// conversions between them and the rectangle routines of the bitmap library.
// Rectangles are half-open: they cover Left..Right-1 and Top..Bottom-1.
#include <cstdint>
#include <vector>

#include "imaging/Bitmap32_Colors.h"
#include "imaging/Bitmap32_Math.h"

namespace imaging {

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  friend bool operator==(const TRect&, const TRect&) = default;
};

struct TFixedPoint {
  TFixed X = 0;
  TFixed Y = 0;
  friend bool operator==(const TFixedPoint&, const TFixedPoint&) = default;
};

struct TFloatPoint {
  float X = 0;
  float Y = 0;
  friend bool operator==(const TFloatPoint&, const TFloatPoint&) = default;
};

struct TFixedRect {
  TFixed Left = 0;
  TFixed Top = 0;
  TFixed Right = 0;
  TFixed Bottom = 0;
  friend bool operator==(const TFixedRect&, const TFixedRect&) = default;
};

struct TFloatRect {
  float Left = 0;
  float Top = 0;
  float Right = 0;
  float Bottom = 0;
  friend bool operator==(const TFloatRect&, const TFloatRect&) = default;
};

// How a fractional rectangle becomes an integer one.
enum TRectRounding : uint8_t { rrClosest = 0, rrOutside = 1, rrInside = 2 };

using TArrayOfByte = std::vector<uint8_t>;
using TArrayOfWord = std::vector<uint16_t>;
using TArrayOfInteger = std::vector<int32_t>;
using TArrayOfArrayOfInteger = std::vector<TArrayOfInteger>;
using TArrayOfSingle = std::vector<float>;
using TArrayOfFloat = std::vector<float>;
using TArrayOfFixed = std::vector<TFixed>;
using TArrayOfArrayOfFixed = std::vector<TArrayOfFixed>;
using TArrayOfPoint = std::vector<TPoint>;
using TArrayOfArrayOfPoint = std::vector<TArrayOfPoint>;
using TArrayOfFloatPoint = std::vector<TFloatPoint>;
using TArrayOfArrayOfFloatPoint = std::vector<TArrayOfFloatPoint>;
using TArrayOfFixedPoint = std::vector<TFixedPoint>;
using TArrayOfArrayOfFixedPoint = std::vector<TArrayOfFixedPoint>;
using TArrayOfColor32Entry = TArrayOfColor32;

TFixed Fixed(float value);
TFixed Fixed(int32_t value);
// A double argument is taken as the single float it would be stored in.
inline TFixed Fixed(double value) { return Fixed(static_cast<float>(value)); }

TPoint Point(int32_t x, int32_t y);
TPoint Point(const TFloatPoint& p);
TPoint Point(const TFixedPoint& p);
TFloatPoint FloatPoint(float x, float y);
TFloatPoint FloatPoint(const TPoint& p);
TFloatPoint FloatPoint(const TFixedPoint& p);
TFixedPoint FixedPoint(int32_t x, int32_t y);
TFixedPoint FixedPoint(float x, float y);
TFixedPoint FixedPoint(const TPoint& p);
TFixedPoint FixedPoint(const TFloatPoint& p);

TRect MakeRect(int32_t l, int32_t t, int32_t r, int32_t b);
TRect MakeRect(const TFloatRect& fr, TRectRounding rounding = rrClosest);
TRect MakeRect(const TFixedRect& fxr, TRectRounding rounding = rrClosest);
TFixedRect FixedRect(TFixed l, TFixed t, TFixed r, TFixed b);
TFixedRect FixedRect(const TRect& r);
TFixedRect FixedRect(const TFloatRect& fr);
TFloatRect FloatRect(float l, float t, float r, float b);
TFloatRect FloatRect(const TRect& r);
TFloatRect FloatRect(const TFixedRect& fxr);

// Rectangles that only touch intersect in an empty rectangle and answer true; without
// any overlap the result is (0, 0, 0, 0) and the answer false.
bool IntersectRect(TRect& dst, const TRect& r1, const TRect& r2);
bool IntersectRect(TFloatRect& dst, const TFloatRect& fr1, const TFloatRect& fr2);
// R1 takes part even when empty; an empty union gives (0, 0, 0, 0) and false.
bool UnionRect(TRect& dst, const TRect& r1, const TRect& r2);
bool UnionRect(TFloatRect& dst, const TFloatRect& fr1, const TFloatRect& fr2);
bool EqualRect(const TRect& r1, const TRect& r2);
bool EqualRectSize(const TRect& r1, const TRect& r2);
bool EqualRectSize(const TFloatRect& r1, const TFloatRect& r2);
void InflateRect(TRect& r, int32_t dx, int32_t dy);
void InflateRect(TFloatRect& fr, float dx, float dy);
void OffsetRect(TRect& r, int32_t dx, int32_t dy);
void OffsetRect(TFloatRect& fr, float dx, float dy);
bool IsRectEmpty(const TRect& r);
bool IsRectEmpty(const TFloatRect& fr);
bool PtInRect(const TRect& r, const TPoint& p);

}  // namespace imaging
