#pragma once
#include "classlib/windowing/PaintCanvas.h"
#include "classlib/windowing/WinControl.h"

// A windowed control that paints itself on its Canvas in Paint; the window-less
// children are painted after it. Outside Paint the canvas draws on the client area.
class TCustomControl : public TWinControl {
  CLASSLIB_CLASS(TCustomControl, TWinControl)
 public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;
  TCanvas* Canvas() const;

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  TPaintCanvas* canvas_;
};
