#include "skin/controls/Skinctrls_RangeDrawing.h"

#include <algorithm>
#include <cmath>

#include "classlib/windowing/WinControl.h"
#include "skin/data/Speffbmp.h"
#include "skin/data/Sputils_Compose.h"

namespace skinranges {

int Nearest(double x) { return static_cast<int>(std::nearbyint(x)); }

double Fraction(int value, int low, int high) {
  if (high == low) return 0.0;
  return static_cast<double>(value - low) / static_cast<double>(high - low);
}

void PrepareBitmap(TBitmap& bitmap, int w, int h) {
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(std::max(w, 0), std::max(h, 0));
}

void CopyPicture(TBitmap& bitmap, TBitmap* picture, const TRect& source) {
  if (picture == nullptr) return;
  skincompose::CopyPiece(bitmap.Canvas(), Rect(0, 0, bitmap.Width(), bitmap.Height()), picture->Canvas(), source);
}

void MorphToward(TBitmap& target, TBitmap& toward, double kf) {
  if (target.Empty()) return;
  target.FreeContext();
  toward.FreeContext();
  TspEffectBmp blended(target.Handle());
  const TspEffectBmp under(toward.Handle());
  blended.Morph(&under, kf);
  blended.Draw(target.Canvas()->Handle(), 0, 0);
}

void DrawKeyed(TCanvas* canvas, int x, int y, TBitmap& bitmap, bool keyed, TColor keyColour) {
  if (keyed) bitmap.SetTransparentColor(keyColour);
  bitmap.SetTransparent(keyed);
  canvas->Draw(x, y, &bitmap);
}

}  // namespace skinranges

namespace skinranges {

void PaintFaceOnErase(TWinControl& control, bool inPaint, TMessage& message) {
  if (!inPaint && message.WParam != 0) control.PaintWindowInto(reinterpret_cast<HDC>(message.WParam));
  message.Result = 1;
}

}  // namespace skinranges

namespace skinranges {

bool DropBeforeFocus(TWinControl& control, bool canFocused, bool& focusing, const TMessage& message) {
  if (message.Msg == CN_COMMAND) return focusing;
  if (!canFocused || (message.Msg != WM_LBUTTONDOWN && message.Msg != WM_LBUTTONDBLCLK)) return false;
  if (control.ComponentState().Contains(csDesigning) || control.Focused()) return false;
  focusing = true;
  control.SetFocus();
  focusing = false;
  return !control.Focused();
}

void FinishBarMessage(TWinControl& control, bool canFocused, bool inPaint, TMessage& message) {
  switch (message.Msg) {
    case CM_WANTSPECIALKEY: {
      const WPARAM key = message.WParam;
      if (canFocused && (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN)) message.Result = 1;
      break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (canFocused) control.Repaint();
      break;
    case WM_ERASEBKGND:
      PaintFaceOnErase(control, inPaint, message);
      break;
    default: break;
  }
}

bool IsFocusedBar(TWinControl& control, bool canFocused) {
  return canFocused && control.HandleAllocated() && GetFocus() == control.Handle();
}

bool WheelAway(const TMessage& message) { return static_cast<short>(HIWORD(message.WParam)) > 0; }

}  // namespace skinranges
