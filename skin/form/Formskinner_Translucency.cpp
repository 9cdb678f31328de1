// A translucent form: the layered style at AlphaBlendValue, the fade-in from transparent
// each time the form is shown (steps of 10 on a window timer, more than 5 ms apart) and
// the window class's drop shadow.
#include <algorithm>

#include "skin/data/Sputils_Regions.h"
#include "skin/data/Sputils_System.h"
#include "skin/form/Formskinner.h"

namespace {

constexpr int kFadeStep = 10;
constexpr DWORD kFadeStepMs = 5;
constexpr BYTE kOpaque = 255;

}  // namespace

bool TspFormSkinner::TranslucencyUsable() const { return CheckW2KWXP() && (alphaBlend_ || AlphaBlendAnimation); }

void TspFormSkinner::ApplyLayered(bool layered) {
  if (!OwnerForm->HandleAllocated()) return;
  HWND window = OwnerForm->Handle();
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
  const LONG_PTR wanted = layered ? style | WS_EX_LAYERED : style & ~static_cast<LONG_PTR>(WS_EX_LAYERED);
  if (wanted != style) SetWindowLongPtrA(window, GWL_EXSTYLE, wanted);
}

void TspFormSkinner::SetAlphaBlend(bool value) {
  if (value == alphaBlend_) return;
  alphaBlend_ = value;
  if (!ComponentState().Empty() || !OwnerForm->HandleAllocated()) return;
  ApplyLayered(value);
  if (value) SetAlphaBlendTransparent(OwnerForm->Handle(), alphaBlendValue_);
}

void TspFormSkinner::SetAlphaBlendValue(BYTE value) {
  if (value == alphaBlendValue_) return;
  alphaBlendValue_ = value;
  if (alphaBlend_ && ComponentState().Empty() && OwnerForm->HandleAllocated()) {
    SetAlphaBlendTransparent(OwnerForm->Handle(), value);
  }
}

// On showing: fully transparent, and the timer carries the form to its opacity.
void TspFormSkinner::StartFadeIn() {
  if (!TranslucencyUsable() || !OwnerForm->HandleAllocated()) return;
  HWND window = OwnerForm->Handle();
  ApplyLayered(true);
  SetAlphaBlendTransparent(window, 0);
  fadeAlpha_ = 0;
  fadeTick_ = GetTickCount();
  fading_ = true;
  SetTimer(window, kFadeTimerId, 1, nullptr);
}

// One tick of the fade: with the animation a step of 10 once more than 5 ms have passed,
// else the final opacity at once. A form that ends opaque loses the layered style.
void TspFormSkinner::FadeStep() {
  if (!fading_) return;
  HWND window = OwnerForm->Handle();
  const int target = AlphaBlendAnimation && !alphaBlend_ ? kOpaque : alphaBlendValue_;
  if (AlphaBlendAnimation) {
    const DWORD now = GetTickCount();
    if (now - fadeTick_ > kFadeStepMs) {
      fadeAlpha_ = std::min(fadeAlpha_ + kFadeStep, target);
      fadeTick_ = now;
      SetAlphaBlendTransparent(window, fadeAlpha_);
    }
    if (fadeAlpha_ < target) return;
  } else if (target != kOpaque) {
    SetAlphaBlendTransparent(window, alphaBlendValue_);
  }
  StopFade();
  if (target == kOpaque) ApplyLayered(false);
}

void TspFormSkinner::StopFade() {
  if (!fading_) return;
  fading_ = false;
  if (OwnerForm->HandleAllocated()) KillTimer(OwnerForm->Handle(), kFadeTimerId);
}

// On hiding: a fade still running stops, and the form is no longer layered (the next
// showing makes it so again).
void TspFormSkinner::HideTranslucent() {
  StopFade();
  if (TranslucencyUsable()) ApplyLayered(false);
}

void TspFormSkinner::RepaintTranslucentForm() {
  if (!alphaBlend_ || alphaBlendValue_ == kOpaque || !CheckW2KWXP() || !supportNCArea_) return;
  RepaintFrame();
  RepaintForm();
}

void TspFormSkinner::EnableShadow(bool value, bool reshow) {
  if (!CheckW2KWXP() || value == ShadowEnabled) return;
  ShadowEnabled = value;
  const bool hide = reshow && OwnerForm->Visible();
  if (hide) OwnerForm->Hide();
  HWND window = OwnerForm->Handle();
  const ULONG_PTR style = GetClassLongPtrA(window, GCL_STYLE);
  const ULONG_PTR wanted = value ? style | CS_DROPSHADOW : style & ~static_cast<ULONG_PTR>(CS_DROPSHADOW);
  if (wanted != style) SetClassLongPtrA(window, GCL_STYLE, static_cast<LONG_PTR>(wanted));
  if (hide) OwnerForm->Show();
}
