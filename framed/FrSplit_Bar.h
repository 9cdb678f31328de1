#pragma once
// What the splitter's bar and the size panel's bar share: the checkerboard brush that
// inverts a dragged bar on the screen, the four bar cursors, the dragging state, and the
// painting of the bar's grips and of its hot spot.
#include <functional>
#include <memory>

#include "classlib/graphics/Canvas.h"
#include "framed/FrCommon_Types.h"

class TControl;
class TCustomControl;

// True when `p` lies in `rect` (right and bottom edges excluded).
inline bool PointInBar(const TRect& rect, TPoint p) {
  return p.X >= rect.Left && p.X < rect.Right && p.Y >= rect.Top && p.Y < rect.Bottom;
}

// The state of one drag of a bar, from the press to the release, and of the hot spot's
// highlight under the pointer.
struct TBarDrag {
  enum class THighlight { kKeep, kLit, kUnlit };

  // A left press at `p` starts a drag, the mouse captured by `control`, when it lies on
  // `bar` and on the hot spot (when shown) or on a bar that is not locked.
  bool Press(TControl* control, TPoint p, const TRect& bar, const TRect& hotSpot, bool hotSpotVisible, bool locked);
  // Moves count while dragging, except when a locked bar's hot spot is held.
  bool Follows(bool locked) const { return dragging && !(hotSpotPressed && locked); }
  // A left release ends the drag (or the held hot-spot press) and frees the mouse; false
  // when nothing was pressed.
  bool Release(TControl* control);
  // What the hot spot needs painted for the pointer now `inside` it or not: lit on entering
  // (and at every move with `repeatInside`), unlit once on leaving.
  THighlight Track(bool inside, bool repeatInside);

  bool dragging = false;
  bool hotSpotPressed = false;  // the press was on the hot spot and may still be a click
  int grabOffset = 0;
  int start = 0;                // the bar's position (or the panel's origin) at the press
  int last = 0;                 // where the inverted bar was drawn last
  bool outside = true;          // the pointer was outside the hot spot at the last highlight
};

// The brush and the cursors of a draggable bar, made with it and freed with it. A
// program without the framed resources gets no bar cursors (null): the class library's
// cursor stays.
class TFrBarTools {
 public:
  TFrBarTools();
  TFrBarTools(const TFrBarTools&) = delete;
  TFrBarTools& operator=(const TFrBarTools&) = delete;

  // Inverts a checkerboard rectangle of the bar's size at a screen point; inverting the
  // same rectangle again erases it.
  void InvertOnScreen(TPoint at, int width, int height) const;
  // Over an unlocked bar at `p`: "FRSPLIT_VERT" (a bar along the x axis) or "FRSPLIT_HORZ",
  // or their hot-spot twins over the shown hot spot. Null elsewhere, over a locked bar or
  // without the resources: the class library's cursor then.
  HCURSOR CursorAt(TPoint p, const TRect& bar, const TRect& hotSpot, bool hotSpotVisible, bool locked,
                   bool barAlongX) const;

 private:
  struct TGdiDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
  };
  struct TCursorDeleter {
    void operator()(HICON cursor) const { DestroyCursor(cursor); }
  };
  using TOwnedCursor = std::unique_ptr<std::remove_pointer_t<HCURSOR>, TCursorDeleter>;

  std::unique_ptr<std::remove_pointer_t<HBITMAP>, TGdiDeleter> checkerboard_;
  std::unique_ptr<std::remove_pointer_t<HBRUSH>, TGdiDeleter> brush_;
  TOwnedCursor horz_, horzHotSpot_, vert_, vertHotSpot_;
};

// Runs `paint` on the control's canvas bound to its window outside a paint cycle (the
// highlight of a hot spot under the pointer). Nothing without a window.
void PaintOnWindow(TCustomControl* control, const std::function<void()>& paint);

// The bar rectangle (one pixel wider and higher) filled with `color` when `fill`; with a
// style other than ssStandard, two 3-pixel strips meeting at the bar's middle get a raised
// (ssBump) or sunken (ssGroove) border.
void PaintBarFace(TCanvas* canvas, const TRect& bar, TColor color, TSplitterStyle style, bool barAlongX,
                  bool fill);

// Paints a hot spot lying along a bar: `alongX` when the bar (and the hot spot) runs from
// left to right. "First" means up for such a bar and left for an upright one.
class THotSpotPainter {
 public:
  THotSpotPainter(TCanvas* canvas, const TRect& spot, bool alongX);

  // The hot spot's centre along the bar.
  int Centre() const;
  // Outline, face, the highlighted part `lit` (clipped to the inside) and the light edge.
  void Frame(const TRect& lit, TColor highlight);
  // The line splitting a two-way hot spot at its centre.
  void Divider();
  // The two triangles 8 pixels from the ends, each pointing towards the first pane or away.
  void Arrows(bool startTowardsFirst, bool endTowardsFirst);
  // Grip dots from 15 pixels in, every 3 pixels, stopping 17 before the end; `spareCentre`
  // leaves those within 3 pixels of the centre out.
  void GripDots(bool spareCentre);

 private:
  TPoint At(int along, int across) const;
  void Triangle(int along, bool towardsFirst);

  TCanvas* canvas_;
  TRect spot_;
  bool alongX_;
};
