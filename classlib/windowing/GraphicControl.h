#pragma once
#include "classlib/windowing/Control.h"
#include "classlib/windowing/PaintCanvas.h"

// A control without a window: its parent paints it (in z-order, below the windowed
// children) by sending it WM_PAINT with a context whose origin is the control's corner.
// Its Canvas draws on that context during Paint, elsewhere on the parent's window.
class TGraphicControl : public TControl {
  CLASSLIB_CLASS(TGraphicControl, TControl)
 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  TCanvas* Canvas() const;
  void Dispatch(TMessage& message) override;

 protected:
  virtual void Paint() {}

 private:
  TPaintCanvas* canvas_;
};
