// The arrow bar's buttons, tracks and handle in the system's look (visual styles when in
// use, else the system's frame controls and edges) and in the flat look of its own.
#include <algorithm>

#include "classlib/runtime/Exceptions.h"
#include "imaging/Bitmap32_RangeBars.h"
#include "imaging/Bitmap32_System.h"
// Part and state names of the visual styles, after the styles library.
#include <vssym32.h>

namespace imaging {

namespace {

// Owns one GDI object and deletes it.
class TOwnedGdiObject {
 public:
  explicit TOwnedGdiObject(HGDIOBJ object) : object_(object) {}
  ~TOwnedGdiObject() {
    if (object_ != nullptr) DeleteObject(object_);
  }
  TOwnedGdiObject(const TOwnedGdiObject&) = delete;
  TOwnedGdiObject& operator=(const TOwnedGdiObject&) = delete;
  HGDIOBJ Get() const { return object_; }
  HBRUSH Brush() const { return static_cast<HBRUSH>(object_); }

 private:
  HGDIOBJ object_;
};

// Selects an object into a device context for the lifetime of the selector.
class TSelection {
 public:
  TSelection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~TSelection() { SelectObject(dc_, old_); }
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

COLORREF Rgb(TColor color) { return static_cast<COLORREF>(ColorToRGB(color)); }

TColor Lighten(TColor color, int amount) {
  const COLORREF c = Rgb(color);
  auto channel = [amount](int value) { return static_cast<BYTE>(std::clamp(value + amount, 0, 255)); };
  return static_cast<TColor>(RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c))));
}

// Each channel first * w + second * (255 - w), divided by 256.
TColor Mix(TColor first, TColor second, int weight) {
  Assert(weight < 256, "Mix weight must be below 256");
  const COLORREF a = Rgb(first);
  const COLORREF b = Rgb(second);
  auto channel = [weight](int x, int y) { return static_cast<BYTE>((x * weight + y * (255 - weight)) / 256); };
  return static_cast<TColor>(
      RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)), channel(GetBValue(a), GetBValue(b))));
}

void FillSolid(HDC dc, const ::TRect& rect, TColor color) {
  if (rect.IsEmpty()) return;
  TOwnedGdiObject brush(CreateSolidBrush(Rgb(color)));
  FillRect(dc, rect.AsRECT(), brush.Brush());
}

// An 8 x 8 checkerboard of the two colours, solid when they are equal.
void FillTwoColour(HDC dc, const ::TRect& rect, TColor first, TColor second) {
  if (rect.IsEmpty()) return;
  if (Rgb(first) == Rgb(second)) {
    FillSolid(dc, rect, first);
    return;
  }
  const COLORREF a = Rgb(first);
  const COLORREF b = Rgb(second);
  uint32_t pixels[64];
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const COLORREF c = ((x + y) & 1) == 0 ? a : b;
      pixels[y * 8 + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = 8;
  info.bmiHeader.biHeight = -8;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  TOwnedGdiObject bitmap(CreateDIBitmap(dc, &info.bmiHeader, CBM_INIT, pixels, &info, DIB_RGB_COLORS));
  TOwnedGdiObject brush(CreatePatternBrush(static_cast<HBITMAP>(bitmap.Get())));
  FillRect(dc, rect.AsRECT(), brush.Brush());
}

enum TSide : uint8_t { sdTop, sdBottom, sdLeft, sdRight };
using TSides = TSet<TSide>;

// One-pixel lines on the requested sides (top, bottom, left, right in that order), the
// rectangle shrinking by 1 on each side drawn.
void SideLines(HDC dc, ::TRect& rect, const TSides& sides, TColor color) {
  if (sides.Contains(sdTop)) FillSolid(dc, ::TRect{rect.Left, rect.Top, rect.Right, ++rect.Top}, color);
  if (sides.Contains(sdBottom)) FillSolid(dc, ::TRect{rect.Left, --rect.Bottom, rect.Right, rect.Bottom + 1}, color);
  if (sides.Contains(sdLeft)) FillSolid(dc, ::TRect{rect.Left, rect.Top, ++rect.Left, rect.Bottom}, color);
  if (sides.Contains(sdRight)) FillSolid(dc, ::TRect{--rect.Right, rect.Top, rect.Right + 1, rect.Bottom}, color);
}

// Left and top edges in the first colour, right and bottom in the second; with `adjust`
// the rectangle ends one pixel smaller on every side.
void Bevel(HDC dc, ::TRect& rect, TColor topLeft, TColor bottomRight, bool adjust) {
  const ::TRect r = rect;
  FillSolid(dc, ::TRect{r.Left, r.Top, r.Right - 1, r.Top + 1}, topLeft);
  FillSolid(dc, ::TRect{r.Left, r.Top, r.Left + 1, r.Bottom - 1}, topLeft);
  FillSolid(dc, ::TRect{r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
  FillSolid(dc, ::TRect{r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
  if (adjust) rect = ::TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
}

void Shift(::TRect& rect, int dx, int dy) { OffsetRect(rect.AsRECT(), dx, dy); }
void Shrink(::TRect& rect) { InflateRect(rect.AsRECT(), -1, -1); }

void DrawArrow(HDC dc, const ::TRect& rect, TRBDirection direction, TColor color) {
  const int cx = (rect.Left + rect.Right - 1) / 2;
  const int cy = (rect.Top + rect.Bottom - 1) / 2;
  int s = std::min(cx - rect.Left, cy - rect.Top) * 3 / 4 - 1;
  if (s == 0) s = 1;
  const int h = direction == drLeft || direction == drUp ? (s + 1) / 3 : s / 3;
  POINT points[3];
  switch (direction) {
    case drUp:
      points[0] = {cx + s, cy + h}, points[1] = {cx, cy + h - s}, points[2] = {cx - s, cy + h};
      break;
    case drDown:
      points[0] = {cx + s, cy - h}, points[1] = {cx, cy - h + s}, points[2] = {cx - s, cy - h};
      break;
    case drLeft:
      points[0] = {cx + h, cy + s}, points[1] = {cx + h - s, cy}, points[2] = {cx + h, cy - s};
      break;
    case drRight:
      points[0] = {cx - h, cy + s}, points[1] = {cx - h + s, cy}, points[2] = {cx - h, cy - s};
      break;
  }
  TOwnedGdiObject pen(CreatePen(PS_SOLID, 1, Rgb(color)));
  TOwnedGdiObject brush(CreateSolidBrush(Rgb(color)));
  TSelection selectPen(dc, pen.Get());
  TSelection selectBrush(dc, brush.Get());
  Polygon(dc, points, 3);
}

// Every side but the one facing the track (or the handle).
TSides OuterSides(TRBDirection direction) {
  static const TSides kSides[] = {{sdTop, sdBottom, sdLeft}, {sdTop, sdLeft, sdRight}, {sdTop, sdBottom, sdRight},
                                  {sdBottom, sdLeft, sdRight}};
  return kSides[direction];
}

}  // namespace

// --- Dispatch by style ---------------------------------------------------------------------

void TArrowBar::DoDrawButton(::TRect rect, TRBDirection direction, bool pushed, bool enabled, bool hot) {
  if (style_ == rbsMac) {
    DrawMacButton(rect, direction, pushed, enabled);
  } else {
    DrawDefaultButton(rect, direction, pushed, enabled, hot);
  }
}

void TArrowBar::DoDrawTrack(::TRect rect, TRBDirection direction, bool pushed, bool enabled, bool hot) {
  if (style_ == rbsMac) {
    DrawMacTrack(rect, direction, pushed, enabled);
  } else {
    (void)hot;  // tracks look the same under the mouse
    DrawDefaultTrack(rect, direction, pushed);
  }
}

void TArrowBar::DoDrawHandle(::TRect rect, bool horizontal, bool pushed, bool hot) {
  if (style_ == rbsMac) {
    DrawMacHandle(rect, horizontal, pushed);
  } else {
    DrawDefaultHandle(rect, horizontal, pushed, hot);
  }
}

// --- The system's look -----------------------------------------------------------------------

void TArrowBar::DrawDefaultButton(const ::TRect& rect, TRBDirection direction, bool pushed, bool enabled, bool hot) {
  HDC dc = Canvas()->Handle();
  if (USE_THEMES) {
    static constexpr int kBaseState[] = {ABS_LEFTNORMAL, ABS_UPNORMAL, ABS_RIGHTNORMAL, ABS_DOWNNORMAL};
    const int offset = !enabled ? 3 : pushed ? 2 : hot ? 1 : 0;
    DrawThemeBackground(SCROLLBAR_THEME, dc, SBP_ARROWBTN, kBaseState[direction] + offset, rect.AsRECT(), nullptr);
    return;
  }
  static constexpr UINT kFrameState[] = {DFCS_SCROLLLEFT, DFCS_SCROLLUP, DFCS_SCROLLRIGHT, DFCS_SCROLLDOWN};
  UINT state = kFrameState[direction];
  if (!enabled) state |= DFCS_INACTIVE;
  if (pushed) state |= DFCS_PUSHED | DFCS_FLAT;
  RECT r = *rect.AsRECT();
  DrawFrameControl(dc, &r, DFC_SCROLL, state);
}

void TArrowBar::DrawDefaultTrack(const ::TRect& rect, TRBDirection direction, bool pushed) {
  HDC dc = Canvas()->Handle();
  if (USE_THEMES) {
    static constexpr int kPart[] = {SBP_LOWERTRACKHORZ, SBP_LOWERTRACKVERT, SBP_UPPERTRACKHORZ, SBP_UPPERTRACKVERT};
    DrawThemeBackground(SCROLLBAR_THEME, dc, kPart[direction], pushed ? SCRBS_PRESSED : SCRBS_NORMAL, rect.AsRECT(),
                        nullptr);
    return;
  }
  if (pushed) {
    FillSolid(dc, rect, clWindowFrame);
  } else {
    FillTwoColour(dc, rect, clBtnHighlight, Color());
  }
}

void TArrowBar::DrawDefaultHandle(const ::TRect& rect, bool horizontal, bool pushed, bool hot) {
  HDC dc = Canvas()->Handle();
  if (USE_THEMES) {
    const int state = !Enabled() ? SCRBS_DISABLED : pushed ? SCRBS_PRESSED : hot ? SCRBS_HOT : SCRBS_NORMAL;
    DrawThemeBackground(SCROLLBAR_THEME, dc, horizontal ? SBP_THUMBBTNHORZ : SBP_THUMBBTNVERT, state, rect.AsRECT(),
                        nullptr);
    if (showHandleGrip_) {
      DrawThemeBackground(SCROLLBAR_THEME, dc, horizontal ? SBP_GRIPPERHORZ : SBP_GRIPPERVERT, 0, rect.AsRECT(),
                          nullptr);
    }
    return;
  }
  RECT r = *rect.AsRECT();
  DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

// --- The flat look -----------------------------------------------------------------------

void TArrowBar::DrawMacButton(::TRect rect, TRBDirection direction, bool pushed, bool enabled) {
  HDC dc = Canvas()->Handle();
  if (!enabled) {
    SideLines(dc, rect, OuterSides(direction), shadowColor_);
    FillSolid(dc, rect, buttonColor_);
    Shrink(rect);
    Shift(rect, 1, 1);
    DrawArrow(dc, rect, direction, highLightColor_);
    Shift(rect, -1, -1);
    DrawArrow(dc, rect, direction, shadowColor_);
    return;
  }
  SideLines(dc, rect, OuterSides(direction), borderColor_);
  if (pushed) {
    FillSolid(dc, rect, buttonColor_);
    Shift(rect, 1, 1);
    Shrink(rect);
  } else {
    Bevel(dc, rect, highLightColor_, shadowColor_, true);
    FillSolid(dc, rect, buttonColor_);
  }
  DrawArrow(dc, rect, direction, borderColor_);
}

void TArrowBar::DrawMacTrack(::TRect rect, TRBDirection direction, bool pushed, bool enabled) {
  HDC dc = Canvas()->Handle();
  SideLines(dc, rect, OuterSides(direction), enabled ? borderColor_ : shadowColor_);
  if (pushed) {
    FillSolid(dc, rect, borderColor_);
    return;
  }
  if (rect.IsEmpty()) return;
  if (!enabled) {
    FillSolid(dc, rect, buttonColor_);
    return;
  }
  const TColor shade = Mix(borderColor_, Mix(highLightColor_, Color(), 127), 32);
  TSides inner;
  if (direction == drLeft || direction == drUp) inner = {sdTop, sdLeft};
  if (direction == drRight) inner = {sdTop};
  if (direction == drDown) inner = {sdLeft};
  SideLines(dc, rect, inner, shade);
  if (backgnd_ == bgPattern) {
    FillTwoColour(dc, rect, highLightColor_, Color());
  } else {
    FillSolid(dc, rect, Color());
  }
}

void TArrowBar::DrawMacHandle(::TRect rect, bool horizontal, bool pushed) {
  HDC dc = Canvas()->Handle();
  const TColor hi = Lighten(handleColor_, 24);
  const TColor lo = Lighten(handleColor_, -24);
  const int32_t length = horizontal ? rect.Width() : rect.Height();
  {
    TOwnedGdiObject frame(CreateSolidBrush(Rgb(borderColor_)));
    FrameRect(dc, rect.AsRECT(), frame.Brush());
  }
  Shrink(rect);
  if (pushed) {
    Bevel(dc, rect, lo, handleColor_, true);
  } else {
    Bevel(dc, rect, hi, Mix(borderColor_, handleColor_, 96), true);
  }
  FillSolid(dc, rect, handleColor_);
  if (!showHandleGrip_) return;
  if (pushed) Shift(rect, 1, 1);
  const int centre = horizontal ? (rect.Left + rect.Right) / 2 : (rect.Top + rect.Bottom) / 2;
  static constexpr int kGrooves[] = {-5, -2, 1, 4};
  for (int i = length > 10 ? 0 : 1; i < (length > 10 ? 4 : 3); ++i) {
    const int start = centre + kGrooves[i];
    ::TRect groove = horizontal ? ::TRect{start, rect.Top + 1, start + 2, rect.Bottom - 1}
                                : ::TRect{rect.Left + 1, start, rect.Right - 1, start + 2};
    Bevel(dc, groove, hi, lo, false);
  }
}

}  // namespace imaging
