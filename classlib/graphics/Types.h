#pragma once
#include "classlib/runtime/WinApi.h"

// How text sits in its box across: shared by controls and skin descriptions.
enum TAlignment : unsigned char { taLeftJustify, taRightJustify, taCenter };

// Points and rectangles in device pixels. A rectangle covers Left..Right-1 and
// Top..Bottom-1; both types have the layout of the system's POINT and RECT.
struct TPoint {
  LONG X = 0;
  LONG Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  LONG Left = 0;
  LONG Top = 0;
  LONG Right = 0;
  LONG Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  RECT* AsRECT() { return reinterpret_cast<RECT*>(this); }
  const RECT* AsRECT() const { return reinterpret_cast<const RECT*>(this); }
  friend bool operator==(const TRect&, const TRect&) = default;
};

static_assert(sizeof(TPoint) == sizeof(POINT) && sizeof(TRect) == sizeof(RECT));

inline TPoint Point(int x, int y) { return TPoint{x, y}; }
inline TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) {
  return TRect{left, top, left + width, top + height};
}
