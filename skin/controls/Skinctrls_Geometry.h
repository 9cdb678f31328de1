#pragma once
// The resizable look of a skinned control: the corner points, skin and client rectangles
// of its descriptor (LT .. CR, in the coordinates of the look's skin rectangle SR), the
// same points for the control's current size (NLT .. NCR), the pictures and the stretch
// settings, and the rules that fit a size to the look, map look rectangles onto the
// control and compose the face or its window region.
#include <windows.h>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Types.h"
#include "skin/data/Sputils_Values.h"

class TspSkinData;
class TspDataSkinCustomControl;

// How a look follows the control's size.
enum TspResizeMode {
  rmNone = -1,     // no skin rectangle: the control keeps any size, nothing is drawn
  rmFixed = 0,     // the skin rectangle's size
  rmNineParts = 1, // corners fixed, edges and client follow both axes
  rmHorizontal = 2,// ends fixed, width free, height fixed
  rmVertical = 3,  // ends fixed, height free, width fixed
};

struct TspSkinLookGeometry {
  TPoint LT, RT, LB, RB;
  TRect SR, CR;
  TPoint NLT, NRT, NLB, NRB;
  TRect NCR;
  // The skin picture the look is cut from and its mask (none: null); owned by the skin.
  TBitmap* Picture = nullptr;
  TBitmap* Mask = nullptr;
  bool ClientStretch = false;
  bool LeftStretch = false;
  bool TopStretch = false;
  bool RightStretch = false;
  bool BottomStretch = false;
  TspStretchType StretchType = spstFull;
  int ResizeMode = rmFixed;

  // NCR's left, top, width and height: the face's client rectangle at the current size.
  int GetRealClientLeft() const { return NCR.Left; }
  int GetRealClientTop() const { return NCR.Top; }
  int GetRealClientWidth() const { return NCR.Width(); }
  int GetRealClientHeight() const { return NCR.Height(); }

 protected:
  // Reads the look at `lookIndex` of the skin (nothing for -1): a resizable look's
  // geometry, stretch settings and cursor, its pictures (the mask only `withMask`) and
  // resize mode; a look of another descriptor class becomes fixed-size without pictures.
  void ReadLook(const TspSkinData& skin, int lookIndex, int& cursorIndex, bool withMask);
  void ReadLook(const TspDataSkinCustomControl& look, const TspSkinData& skin, bool withMask);
  // A look that is not resizable: fixed size, no picture, no mask.
  void ForgetLook();
  // The resize mode that LT .. SR give.
  int ComputeResizeMode() const;
  // Fits a requested size to the look and computes NLT .. NCR for it (`hasLook` false:
  // the fixed mode changes nothing).
  void FitSize(int& W, int& H, bool hasLook);
  // A rectangle of the look's coordinates at the size W x H.
  TRect MapRect(const TRect& rect, int W, int H) const;
  // Draws `rect` of `picture` at W x H into `bitmap` by the resize mode; the nine-part
  // face only when `nineParts`.
  void ComposeFace(TBitmap* bitmap, TBitmap* picture, const TRect& rect, int W, int H, bool nineParts) const;
  // The window region of the mask at W x H (NLT .. NCR already fitted), or null.
  HRGN CreateLookRegion(int W, int H) const;
};
