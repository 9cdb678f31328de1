#include "classlib/windowing/Timer.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner), window_(TWndMethod(this, &TTimer::WndProc)) {
  UpdateTimer();
}

TTimer::~TTimer() { KillTimer(window_.Handle(), kTimerId); }

void TTimer::SetEnabled(bool on) {
  enabled_ = on;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned ms) {
  interval_ = ms;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  KillTimer(window_.Handle(), kTimerId);
  if (enabled_ && interval_ > 0) SetTimer(window_.Handle(), kTimerId, interval_, nullptr);
}

void TTimer::WndProc(TMessage& message) {
  if (message.Msg == WM_TIMER) {
    Timer();
    return;
  }
  message.Result = DefWindowProcA(window_.Handle(), message.Msg, message.WParam, message.LParam);
}
