#pragma once
// Drawing and arithmetic the skinned value controls (gauge, scroll bar, track bar,
// slider) share.
#include "classlib/graphics/Bitmap.h"

namespace skinranges {

// x rounded to the nearest integer, an exact half to the even neighbour.
int Nearest(double x);
// (value - low) / (high - low), 0 when the bounds are equal.
double Fraction(int value, int low, int high);
// Makes a 24-bit bitmap of w x h (at least 0 x 0).
void PrepareBitmap(TBitmap& bitmap, int w, int h);
// Copies `source` of `picture` onto the whole of `bitmap` (stretched when sizes differ).
void CopyPicture(TBitmap& bitmap, TBitmap* picture, const TRect& source);
// Blends `target` toward `toward` (same size) by kf: 0 keeps target, 1 gives toward.
void MorphToward(TBitmap& target, TBitmap& toward, double kf);
// Draws `bitmap` at (x, y), leaving out `keyColour` when `keyed`.
void DrawKeyed(TCanvas* canvas, int x, int y, TBitmap& bitmap, bool keyed, TColor keyColour);

}  // namespace skinranges

class TWinControl;
struct TMessage;

namespace skinranges {

// WM_ERASEBKGND of a control that paints its whole face: outside its own WM_PAINT
// (`inPaint` false) the face is painted into the message's device context.
void PaintFaceOnErase(TWinControl& control, bool inPaint, TMessage& message);

}  // namespace skinranges

namespace skinranges {

// The keyboard side of the bars that can take the focus (scroll bar, track bar).
//
// Before the control's handling: a left press (or double click) on an unfocused bar
// gives it the focus first; true when the message is to be dropped: the focus did not
// come, or a CN_COMMAND arrives while the focus is being given (`focusing`).
bool DropBeforeFocus(TWinControl& control, bool canFocused, bool& focusing, const TMessage& message);
// After the control's handling: the arrow keys are claimed (CM_WANTSPECIALKEY) and a
// change of focus repaints, both only when `canFocused`; an erase paints the face.
void FinishBarMessage(TWinControl& control, bool canFocused, bool inPaint, TMessage& message);
// The bar has the focus and takes it.
bool IsFocusedBar(TWinControl& control, bool canFocused);
// The wheel turned away from the user (the signed high word of wParam is positive).
bool WheelAway(const TMessage& message);

}  // namespace skinranges
