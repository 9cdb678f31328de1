#pragma once
#include "classlib/graphics/Types.h"

// Rectangle and point tests of the skin library. A rectangle whose width or height is
// not positive is "null": the skin does not give it.
int RectWidth(const TRect& r);
int RectHeight(const TRect& r);
TRect NullRect();
bool IsNullRect(const TRect& r);
// True when either coordinate is 0.
bool IsNullPoint(const TPoint& p);
bool EqPoints(const TPoint& p1, const TPoint& p2);
bool EqRects(const TRect& r1, const TRect& r2);
// All four edges included.
bool PointInRect(const TRect& r, const TPoint& p);
// Both corners of r1 inside r2, right and bottom edges of r2 excluded: equal rectangles
// are not inside each other.
bool RectInRect(const TRect& r1, const TRect& r2);
// r moved by (dx, dy), and r with its right and bottom edges moved by (dx, dy).
TRect MovedRect(const TRect& r, int dx, int dy);
TRect GrownRect(const TRect& r, int dx, int dy);
// Moves r1 so that it is centred in r2 (halves truncated); answers the moved rectangle.
TRect RectToCenter(TRect& r1, const TRect& r2);
int Max(int a, int b);
int Min(int a, int b);
