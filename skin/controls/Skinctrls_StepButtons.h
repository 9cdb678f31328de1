#pragma once
// What the up-down and the spin edit share: a pair of arrow buttons (0 up, 1 down) on a
// skinned control, their hot and pressed states under the mouse, and the auto-repeat
// while one is held (window timer 1: a first step after 500 + 100 ms, then one per
// 100 ms, one per 50 ms after leaving and re-entering the held button). Derived controls
// say what a step and a click do; the repeat timer goes through a seam tests replace.
#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_ResizeButton.h"

constexpr int kUpButton = 0;
constexpr int kDownButton = 1;
constexpr int kNoButton = -1;

// The direction the held button repeats in.
enum TspRepeatMode { spRepeatNone = 0, spRepeatDecrease = 1, spRepeatIncrease = 2 };

constexpr UINT_PTR kRepeatTimerId = 1;
constexpr UINT kRepeatFirstDelay = 500;
constexpr UINT kRepeatInterval = 100;
constexpr UINT kRepeatResumedInterval = 50;

class TspSkinStepControl : public TspSkinCustomControl {
  CLASSLIB_CLASS(TspSkinStepControl, TspSkinCustomControl)
 public:
  explicit TspSkinStepControl(TComponent* owner);

  // Starts the repeat timer with the first delay; StopTimer ends it.
  void StartTimer() { SetRepeatTimer(kRepeatFirstDelay); }
  void StopTimer() { KillRepeatTimer(); }
  TspButtonState ButtonState(int index) const { return buttons_[index]; }
  const TRect& ButtonRect(int index) const { return buttonRects_[index]; }

  void Dispatch(TMessage& message) override;

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;

  // The button under a point becomes the active one (none while another is captured).
  void TestActive(int x, int y);
  // Whether the buttons repeat and step at all (the up-down's Increment of 0 does not).
  virtual bool CanStep() const { return true; }
  // One step in a direction (spRepeatIncrease or spRepeatDecrease).
  virtual void Step(TspRepeatMode mode) = 0;
  // A held button was released; `over` when the mouse was still over it.
  virtual void ButtonReleased(int index, bool over) = 0;
  // The repeat timer seam (window timer kRepeatTimerId of the control).
  virtual void SetRepeatTimer(UINT interval);
  virtual void KillRepeatTimer();
  // Copies each button's picture for its state from the skin picture onto its place:
  // `down` (pressed and hot) or `hot`, nothing in the normal state.
  void DrawButtonPictures(TBitmap* bitmap, const TRect (&hot)[2], const TRect (&down)[2]);
  // Clears both hot flags, repainting when one was set.
  void ClearHot();

  TspButtonState buttons_[2];
  TRect buttonRects_[2];
  int oldActive_ = kNoButton;
  int active_ = kNoButton;
  int captured_ = kNoButton;
  TspRepeatMode repeatMode_ = spRepeatNone;
  bool waiting_ = false;

 private:
  void ButtonDown(int index);
  void ButtonUp(int index);
  void ButtonEnter(int index);
  void ButtonLeave(int index);
  void RepeatTick();
};
