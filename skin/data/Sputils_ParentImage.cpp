#include "skin/data/Sputils_ParentImage.h"

#include <memory>

#include "classlib/windowing/Forms.h"
#include "classlib/windowing/GraphicControl.h"
#include "classlib/windowing/WinControl.h"

namespace {

// Saves a device context's state and restores it at the end of the scope.
class TSavedDC {
 public:
  explicit TSavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~TSavedDC() { RestoreDC(dc_, saved_); }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// Marks a control as painting into a copy for the length of the scope.
class TPaintCopyScope {
 public:
  explicit TPaintCopyScope(TControl* control) : control_(control) { control_->SetControlState(csPaintCopy, true); }
  ~TPaintCopyScope() { control_->SetControlState(csPaintCopy, false); }
  TPaintCopyScope(const TPaintCopyScope&) = delete;
  TPaintCopyScope& operator=(const TPaintCopyScope&) = delete;

 private:
  TControl* control_;
};

void PaintParentBackground(TWinControl* parent, HDC dc) {
  if (auto* painter = dynamic_cast<IspBackgroundPainter*>(parent)) {
    painter->PaintBG(dc);
    return;
  }
  parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  if (dynamic_cast<TForm*>(parent) == nullptr) parent->PaintWindowInto(dc);
}

// The parent's picture under the control; `offset` is the captured part's top-left in
// the control's coordinates.
void PaintUnder(TControl* control, const TPoint& offset, TCanvas* canvas) {
  if (control == nullptr || control->Parent() == nullptr) return;
  TWinControl* parent = control->Parent();
  const TPaintCopyScope parentCopy(parent);
  HDC dc = canvas->Handle();
  const TRect bounds = control->BoundsRect();
  const int originX = bounds.Left + offset.X;
  const int originY = bounds.Top + offset.Y;
  {
    const TSavedDC state(dc);
    SetViewportOrgEx(dc, -originX, -originY, nullptr);
    IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
    PaintParentBackground(parent, dc);
  }
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* child = parent->Controls(i);
    if (child == control) break;
    if (dynamic_cast<TGraphicControl*>(child) == nullptr || !child->Visible()) continue;
    const TRect childBounds = child->BoundsRect();
    RECT common;
    if (!IntersectRect(&common, childBounds.AsRECT(), bounds.AsRECT())) continue;
    const TPaintCopyScope childCopy(child);
    const TSavedDC state(dc);
    SetViewportOrgEx(dc, childBounds.Left - originX, childBounds.Top - originY, nullptr);
    IntersectClipRect(dc, 0, 0, childBounds.Width(), childBounds.Height());
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

struct TScreenDCDeleter {
  void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};

}  // namespace

void GetParentImage(TControl* Control, TCanvas* Canvas) { PaintUnder(Control, Point(0, 0), Canvas); }

void GetParentImageRect(TControl* Control, const TRect& Rect, TCanvas* Canvas) {
  PaintUnder(Control, Point(Rect.Left, Rect.Top), Canvas);
}

void GetScreenImage(int X, int Y, TBitmap* Bitmap) {
  const std::unique_ptr<std::remove_pointer_t<HDC>, TScreenDCDeleter> screen(GetDC(nullptr));
  if (!screen || Bitmap->Empty()) return;
  BitBlt(Bitmap->Canvas()->Handle(), 0, 0, Bitmap->Width(), Bitmap->Height(), screen.get(), X, Y, SRCCOPY);
}
