#include "classlib/windowing/GraphicControl.h"

#include "classlib/windowing/WinControl.h"

namespace {
// The parent's client context moved to the control's corner and clipped to it.
class TGraphicControlCanvas : public TPaintCanvas {
 public:
  explicit TGraphicControlCanvas(TGraphicControl* control) : control_(control) {}

 protected:
  HWND WindowHandle() override {
    TWinControl* parent = control_->Parent();
    return parent != nullptr ? parent->Handle() : nullptr;
  }
  void CreateHandle() override {
    TControlCanvas::CreateHandle();
    if (!HandleAllocated()) return;
    HDC dc = Handle();
    SetViewportOrgEx(dc, control_->Left(), control_->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, control_->Width(), control_->Height());
  }

 private:
  TGraphicControl* control_;
};
}  // namespace

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(new TGraphicControlCanvas(this)) {}

TGraphicControl::~TGraphicControl() { delete canvas_; }

TCanvas* TGraphicControl::Canvas() const { return canvas_; }

void TGraphicControl::Dispatch(TMessage& message) {
  if (message.Msg != WM_PAINT) {
    TControl::Dispatch(message);
    return;
  }
  if (message.WParam == 0) return;
  TPaintScope scope(canvas_, reinterpret_cast<HDC>(message.WParam), Font(), Color());
  Paint();
}
