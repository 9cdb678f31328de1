#pragma once
// The two timed behaviours the skinned push button and the speed button share: clicking
// repeatedly while held, and running the frames of a look's animation strip. Each holds
// its timer (made on first use) and calls the owner's handler on its ticks.
#include <memory>

#include "classlib/windowing/Timer.h"
#include "skin/data/Skindata_Buttons.h"

// Held, a button clicks after 500 ms and then every `interval` ms.
class TspButtonRepeat {
 public:
  // `onClick` is called on every repeat tick.
  explicit TspButtonRepeat(TNotifyEvent onClick) : onClick_(onClick) {}
  TspButtonRepeat(const TspButtonRepeat&) = delete;
  TspButtonRepeat& operator=(const TspButtonRepeat&) = delete;

  void Start(int interval);
  void Stop();
  bool Running() const { return timer_ != nullptr && timer_->Enabled(); }
  TTimer* Timer() const { return timer_.get(); }
  // One tick: the first only switches to the interval, the others click.
  void Tick();

 private:
  void Ticked(TObject* sender) { (void)sender; Tick(); }

  TNotifyEvent onClick_;
  std::unique_ptr<TTimer> timer_;
  int interval_ = 100;
  bool waiting_ = false;
};

// The frames of a look's animation strip, forward (from the normal toward the active
// face, frames 1..FrameCount) or backward; frame 0 when none runs.
class TspFrameAnimation {
 public:
  // `onTick` is called by the timer; it steps with Step and repaints.
  explicit TspFrameAnimation(TNotifyEvent onTick) : onTick_(onTick) {}
  TspFrameAnimation(const TspFrameAnimation&) = delete;
  TspFrameAnimation& operator=(const TspFrameAnimation&) = delete;

  // Starts over at the first frame of the direction; the look's interval (25 ms unless set).
  void Start(bool forward, const TspDataSkinButtonControl& look);
  void Stop();
  bool Running() const { return timer_ != nullptr && timer_->Enabled(); }
  TTimer* Timer() const { return timer_.get(); }
  int Frame() const { return frame_; }
  // One tick over `frameCount` frames; answers whether the frame changed. The animation
  // stops past its last frame.
  bool Step(int frameCount);
  // While running on a frame of the strip, that frame stands in for the active face
  // (forward) or for the normal face `normal` (backward).
  void ApplyFrame(TspDataSkinButtonControl& look, TRect& normal) const;

 private:
  TNotifyEvent onTick_;
  std::unique_ptr<TTimer> timer_;
  int frame_ = 0;
  bool forward_ = true;
};
