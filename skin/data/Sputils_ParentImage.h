#pragma once
// Pictures of what lies under a control: its parent's background and the window-less
// siblings below it (for controls drawn as if transparent), or the screen (for popups).
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Types.h"
#include "classlib/windowing/Control.h"
#include "classlib/runtime/WinApi.h"

// A parent that paints its own background on request (a skinned tab control does):
// PaintBG paints its whole client area into `dc` in its client coordinates.
class IspBackgroundPainter {
 public:
  virtual void PaintBG(HDC dc) = 0;

 protected:
  ~IspBackgroundPainter() = default;
};

// Paints what the parent shows under the control into `Canvas`, the control's top-left
// at the canvas origin: the parent's background (a form only erases it; other parents
// also paint their face), then the visible window-less siblings before the control in
// the parent's list that overlap it. The parent and each painted sibling carry
// csPaintCopy meanwhile. Nothing happens without a parent.
void GetParentImage(TControl* Control, TCanvas* Canvas);
// The same for the part `Rect` (in the control's coordinates): its top-left at the origin.
void GetParentImageRect(TControl* Control, const TRect& Rect, TCanvas* Canvas);
// Copies the screen at X, Y, of the bitmap's current size, into the bitmap.
void GetScreenImage(int X, int Y, TBitmap* Bitmap);
