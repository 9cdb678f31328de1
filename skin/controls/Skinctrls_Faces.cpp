#include "skin/controls/Skinctrls_Faces.h"

#include <cmath>

#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Skindata_Strings.h"
#include "skin/data/Speffbmp.h"

namespace {

constexpr double kMorphStep = 0.2;

}  // namespace

bool StepFaceMorph(double& kf, bool toHot) {
  if (toHot && kf < 1) kf = std::round((kf + kMorphStep) * 10) / 10;
  else if (!toHot && kf > 0) kf = std::round((kf - kMorphStep) * 10) / 10;
  else {
    kf = toHot ? 1 : 0;
    return false;
  }
  return true;
}

bool SkinEffectsOn(const TspSkinData* skin) {
  return skin != nullptr && !skin->Empty && skin->EnableSkinEffects();
}

void TspFaceMorph::Start() {
  if (Running()) return;
  if (timer_ == nullptr) {
    timer_ = std::make_unique<TTimer>(nullptr);
    timer_->SetEnabled(false);
    timer_->SetInterval(kFaceMorphInterval);
    timer_->OnTimer = onTick_;
  }
  timer_->SetEnabled(true);
}

void TspFaceMorph::Stop() {
  if (timer_ != nullptr) timer_->SetEnabled(false);
}

bool TspFaceMorph::Tick(bool toHot, bool allowed) {
  if (!allowed) {
    kf_ = toHot ? 1 : 0;
    Stop();
    return false;
  }
  if (!StepFaceMorph(kf_, toHot)) Stop();
  return true;
}

bool FocusBeforePress(TWinControl& control, bool& focusing) {
  if (control.Focused() || control.ComponentState().Contains(csDesigning)) return false;
  focusing = true;
  if (control.CanFocus()) control.SetFocus();
  focusing = false;
  return !control.Focused();
}

void BlendFaces(TBitmap& face, TBitmap& hot, TMorphKind kind, double kf) {
  face.FreeContext();
  hot.FreeContext();
  TspEffectBmp normal(face.Handle());
  const TspEffectBmp target(hot.Handle());
  normal.MorphByKind(kind, &target, kf);
  normal.Draw(face.Canvas()->Handle(), 0, 0);
}

void SetCaptionCharset(TCanvas* canvas, TspSkinData* skin, const TFont* fallback) {
  TspResourceStrData* strings = skin != nullptr ? skin->ResourceStrData() : nullptr;
  canvas->Font()->SetCharset(strings != nullptr ? strings->CharSet() : fallback->Charset());
}
