#pragma once
#include "classlib/runtime/Component.h"
#include "classlib/runtime/UtilityWindow.h"

// Calls OnTimer every Interval milliseconds while Enabled, on the window thread (the
// thread that made it, which must serve messages).
class TTimer : public TComponent {
  CLASSLIB_CLASS(TTimer, TComponent)
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned ms);

  TNotifyEvent OnTimer;

 protected:
  virtual void Timer() { OnTimer(this); }

 private:
  void UpdateTimer();
  void WndProc(TMessage& message);

  bool enabled_ = true;
  unsigned interval_ = 1000;
  TUtilityWindow window_;
};
