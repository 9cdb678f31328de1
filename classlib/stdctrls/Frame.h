#pragma once
#include "classlib/windowing/CustomControl.h"

// A container of controls to place inside forms, made like a form from its own
// resource; AutoScroll and AutoSize are kept as flags.
class TCustomFrame : public TCustomControl {
  CLASSLIB_CLASS(TCustomFrame, TCustomControl)
 public:
  explicit TCustomFrame(TComponent* owner);
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value) { autoScroll_ = value; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value) { autoSize_ = value; }

 private:
  bool autoScroll_ = true;
  bool autoSize_ = false;
};

class TFrame : public TCustomFrame {
  CLASSLIB_CLASS(TFrame, TCustomFrame)
 public:
  using TCustomFrame::TCustomFrame;
};
