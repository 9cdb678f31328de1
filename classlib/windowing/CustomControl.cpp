#include "classlib/windowing/CustomControl.h"

namespace {
// The client area of a windowed control, whose window is made on demand.
class TWinControlCanvas : public TPaintCanvas {
 public:
  explicit TWinControlCanvas(TWinControl* control) : control_(control) {}

 protected:
  HWND WindowHandle() override { return control_->Handle(); }

 private:
  TWinControl* control_;
};
}  // namespace

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(new TWinControlCanvas(this)) {}

TCustomControl::~TCustomControl() {
  // The window goes before the canvas it may still be painting with.
  DestroyHandle();
  delete canvas_;
}

TCanvas* TCustomControl::Canvas() const { return canvas_; }

void TCustomControl::PaintWindow(HDC dc) {
  TPaintScope scope(canvas_, dc, Font(), Color());
  Paint();
}
