#include "skin/controls/Skinctrls_ButtonTimers.h"

#include "skin/controls/Skinctrls_ButtonLook.h"

namespace {

constexpr unsigned kRepeatDelay = 500;
constexpr unsigned kDefaultFrameInterval = 25;

// Makes the timer on first use and (re)starts it at `interval`.
void RestartTimer(std::unique_ptr<TTimer>& timer, unsigned interval, const TNotifyEvent& onTimer) {
  if (timer == nullptr) timer = std::make_unique<TTimer>(nullptr);
  timer->SetEnabled(false);
  timer->SetInterval(interval);
  timer->OnTimer = onTimer;
  timer->SetEnabled(true);
}

}  // namespace

void TspButtonRepeat::Start(int interval) {
  interval_ = interval;
  waiting_ = true;
  RestartTimer(timer_, kRepeatDelay, TNotifyEvent(this, &TspButtonRepeat::Ticked));
}

void TspButtonRepeat::Stop() {
  if (timer_ != nullptr) timer_->SetEnabled(false);
}

void TspButtonRepeat::Tick() {
  if (waiting_) {
    waiting_ = false;
    timer_->SetInterval(static_cast<unsigned>(interval_));
    return;
  }
  onClick_(nullptr);
}

void TspFrameAnimation::Start(bool forward, const TspDataSkinButtonControl& look) {
  Stop();
  forward_ = forward;
  frame_ = forward ? 1 : look.FrameCount;
  const unsigned interval = look.AnimateInterval > 0 ? static_cast<unsigned>(look.AnimateInterval) : kDefaultFrameInterval;
  RestartTimer(timer_, interval, onTick_);
}

void TspFrameAnimation::Stop() {
  frame_ = 0;
  if (timer_ != nullptr) timer_->SetEnabled(false);
}

bool TspFrameAnimation::Step(int frameCount) {
  bool changed = false;
  if (forward_) {
    if (frameCount >= frame_) ++frame_, changed = true;
    if (frame_ > frameCount) Stop();
  } else {
    if (frame_ >= 0) --frame_, changed = true;
    if (frame_ <= 0) Stop();
  }
  return changed;
}

void TspFrameAnimation::ApplyFrame(TspDataSkinButtonControl& look, TRect& normal) const {
  if (!Running() || frame_ < 1 || frame_ > look.FrameCount) return;
  if (forward_) look.ActiveSkinRect = AnimationFrameRect(look, normal, frame_);
  else normal = AnimationFrameRect(look, normal, frame_);
}
