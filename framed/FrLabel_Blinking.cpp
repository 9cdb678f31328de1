// The timer that all blinking labels share.
#include <algorithm>

#include "classlib/windowing/Timer.h"
#include "framed/FrLabel.h"

TFrBlinkingControlsList* BlinkingControls = nullptr;

TFrBlinkingControlsList::TFrBlinkingControlsList() : timer_(new TTimer(nullptr)) {
  timer_->SetInterval(intervalOff_);
  timer_->OnTimer = TNotifyEvent(this, &TFrBlinkingControlsList::BlinkTick);
  timer_->SetEnabled(true);
}

TFrBlinkingControlsList::~TFrBlinkingControlsList() { delete timer_; }

void TFrBlinkingControlsList::AddBlinker(TControl* control) {
  if (std::find(controls_.begin(), controls_.end(), control) == controls_.end()) controls_.push_back(control);
}

void TFrBlinkingControlsList::RemoveBlinker(TControl* control) { std::erase(controls_, control); }

void TFrBlinkingControlsList::BlinkTick(TObject*) {
  blinkState_ = blinkState_ == 0 ? 1 : 0;
  timer_->SetInterval(blinkState_ == 1 ? intervalOn_ : intervalOff_);
  // A copy: a control may go while it is told.
  const std::vector<TControl*> controls = controls_;
  for (TControl* control : controls) {
    if (std::find(controls_.begin(), controls_.end(), control) == controls_.end()) continue;
    if (control->Perform(CM_BLINKQUERY) == 1) control->Perform(CM_BLINKSTATE, blinkState_);
  }
}

void ReleaseBlinkListWhenEmpty() {
  if (BlinkingControls == nullptr || BlinkingControls->BlinkerCount() > 0) return;
  delete BlinkingControls;
  BlinkingControls = nullptr;
}
