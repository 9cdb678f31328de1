#pragma once
// What the skinned push button and the check box share about their faces: the step of
// the cross-fade between the normal and the hot face, the blend of the two faces, the
// character set of drawn captions, and references to components they are told to forget.
#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/runtime/Component.h"
#include "classlib/windowing/WinControl.h"
#include "classlib/windowing/Timer.h"
#include "skin/data/Sputils_Values.h"

class TspSkinData;

// The cross-fade ticks every 20 ms and moves 0.2 a tick.
constexpr unsigned kFaceMorphInterval = 20;

// One tick of a cross-fade: moves `kf` by 0.2 toward 1 (`toHot`) or 0, kept on tenths so
// the ends are reached exactly. At its end already, `kf` is set to that end and the
// answer is false: the fade is over.
bool StepFaceMorph(double& kf, bool toHot);

// Skin effects are on: skin data that is loaded and lets effects run.
bool SkinEffectsOn(const TspSkinData* skin);

// The cross-fade state a control with a normal and a hot face holds: the factor (0 the
// normal face, 1 the hot face) and the timer that steps it, made on first use. The
// timer calls `onTick`, which steps the fade with Tick and repaints.
class TspFaceMorph {
 public:
  explicit TspFaceMorph(TNotifyEvent onTick) : onTick_(onTick) {}
  TspFaceMorph(const TspFaceMorph&) = delete;
  TspFaceMorph& operator=(const TspFaceMorph&) = delete;

  // A fade runs with a morphing look and skin effects on.
  static bool Allowed(bool lookMorphing, const TspSkinData* skin) { return lookMorphing && SkinEffectsOn(skin); }

  double Factor() const { return kf_; }
  void SetFactor(double value) { kf_ = value; }
  // Null until the first fade.
  TTimer* Timer() const { return timer_.get(); }
  bool Running() const { return timer_ != nullptr && timer_->Enabled(); }
  void Start();
  void Stop();
  // Stops the fade and goes back to the normal face (an enabled change).
  void Reset() {
    Stop();
    kf_ = 0;
  }
  // One tick toward the hot (`toHot`) or the normal face; a fade that may not run
  // (`allowed` off) jumps to its end. Stops the timer at the end; answers whether the
  // face is to be repainted.
  bool Tick(bool toHot, bool allowed);

 private:
  double kf_ = 0;
  std::unique_ptr<TTimer> timer_;
  TNotifyEvent onTick_;
};

// A left press on a focusable control that has no focus takes it first, with `focusing`
// set meanwhile; answers true when the press is to be dropped because the focus did not
// come.
bool FocusBeforePress(TWinControl& control, bool& focusing);

// Blends `face` toward `hot` (both of the same size) by `kf` with the transition `kind`.
void BlendFaces(TBitmap& face, TBitmap& hot, TMorphKind kind, double kf);

// The character set of captions: the skin's interface strings', else `fallback`'s.
void SetCaptionCharset(TCanvas* canvas, TspSkinData* skin, const TFont* fallback);

// Points `field` at `value`, moving `self`'s free notification from the old component
// to the new one.
template <class T>
void ReplaceReference(TComponent& self, T*& field, T* value) {
  if (field != nullptr && field != value) self.RemoveFreeNotification(field);
  field = value;
  if (value != nullptr) self.FreeNotification(value);
}
