#include "skin/data/Sputils_Geometry.h"

int RectWidth(const TRect& r) { return r.Right - r.Left; }

int RectHeight(const TRect& r) { return r.Bottom - r.Top; }

TRect NullRect() { return TRect{}; }

bool IsNullRect(const TRect& r) { return RectWidth(r) <= 0 || RectHeight(r) <= 0; }

bool IsNullPoint(const TPoint& p) { return p.X == 0 || p.Y == 0; }

bool EqPoints(const TPoint& p1, const TPoint& p2) { return p1 == p2; }

bool EqRects(const TRect& r1, const TRect& r2) { return r1 == r2; }

bool PointInRect(const TRect& r, const TPoint& p) {
  return p.X >= r.Left && p.X <= r.Right && p.Y >= r.Top && p.Y <= r.Bottom;
}

bool RectInRect(const TRect& r1, const TRect& r2) {
  POINT topLeft{r1.Left, r1.Top};
  POINT bottomRight{r1.Right, r1.Bottom};
  return PtInRect(r2.AsRECT(), topLeft) && PtInRect(r2.AsRECT(), bottomRight);
}

TRect MovedRect(const TRect& r, int dx, int dy) { return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

TRect GrownRect(const TRect& r, int dx, int dy) { return TRect{r.Left, r.Top, r.Right + dx, r.Bottom + dy}; }

TRect RectToCenter(TRect& r1, const TRect& r2) {
  int width = RectWidth(r1);
  int height = RectHeight(r1);
  r1.Left = r2.Left + (RectWidth(r2) - width) / 2;
  r1.Top = r2.Top + (RectHeight(r2) - height) / 2;
  r1.Right = r1.Left + width;
  r1.Bottom = r1.Top + height;
  return r1;
}

int Max(int a, int b) { return a > b ? a : b; }

int Min(int a, int b) { return a < b ? a : b; }
