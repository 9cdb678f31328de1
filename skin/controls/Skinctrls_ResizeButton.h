#pragma once
// The small push buttons that edits, up-downs and spin edits draw on their own faces:
// the built-in look (a frame and a fill by state) and the skin's "editbutton" or
// "resizebutton" look composed to the button's size, with an optional arrow.
#include "classlib/graphics/Canvas.h"

class TspSkinData;

// A button's state: hot (the mouse is over it) and pressed (held down).
struct TspButtonState {
  bool Hot = false;
  bool Pressed = false;
};

class TspDataSkinButtonControl;

// The skin's button look of exactly that name, or null (no skin, an empty skin, no such
// look or a look of another kind).
const TspDataSkinButtonControl* FindSkinButtonLook(TspSkinData* skin, const char* lookName);

// The skin's picture at `index`, or null when the index is -1 or beyond its pictures.
TBitmap* SkinPictureAt(const TspSkinData& skin, int index);

// No arrow on the button (DrawArrowImage codes: 1 left, 2 right, 3 up, 4 down).
constexpr int kNoArrow = 0;

// The built-in look: pressed and hot a navy frame on $B59385, hot a navy frame on
// $D2BDB6, otherwise a clBtnShadow frame on clBtnFace (`frameWhenNormal`) or clBtnFace
// alone; then a black arrow.
void DrawDefaultButton(TCanvas* canvas, const TRect& rect, TspButtonState state, bool frameWhenNormal, int arrow);
// The skin's button look named `lookName` ("editbutton" falls back to "resizebutton")
// composed to `rect` by state, with an arrow in the state's font colour (moved in by 2
// pixels while pressed). False when the skin has no such look.
bool DrawSkinButton(TspSkinData* skin, const char* lookName, TCanvas* canvas, const TRect& rect,
                    TspButtonState state, int arrow);
