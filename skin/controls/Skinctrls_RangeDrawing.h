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

// A left press (or double click) on an unfocused control that takes the focus: the
// control is given the focus; true when the press is to be dropped because the focus
// did not come. `focusing` is on meanwhile (CN_COMMAND is dropped while it is).
bool FocusBeforePress(TWinControl& control, bool& focusing, const TMessage& message);
// The wheel turned away from the user (the signed high word of wParam is positive).
bool WheelAway(const TMessage& message);
// The four arrow keys.
bool IsArrowKey(WPARAM key);

}  // namespace skinranges
