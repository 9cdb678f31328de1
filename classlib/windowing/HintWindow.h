#pragma once
#include "classlib/windowing/CustomControl.h"

// The window that shows a hint: a top-most bordered tool window that never takes the
// activation, placed in screen coordinates.
class THintWindow : public TCustomControl {
  CLASSLIB_CLASS(THintWindow, TCustomControl)
 public:
  explicit THintWindow(TComponent* owner);
  // The screen rectangle `hint` needs at the origin, wrapped at `maxWidth`.
  virtual TRect CalcHintRect(int maxWidth, const AnsiString& hint);
  // Shows `hint` in `rect` (screen coordinates).
  virtual void ActivateHint(const TRect& rect, const AnsiString& hint);
  void ReleaseHandle();
  bool Active() const { return HandleAllocated() && Showing(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
};
