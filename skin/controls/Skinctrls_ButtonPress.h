#pragma once
// The pressed state, groups and look handling the skinned push button and the speed
// button share. `Button` is one of them: it names this helper a friend and has the
// members used here (down_, mouseIn_, pressed_, releaseOnClick_, groupIndex_,
// allowAllUp_, repeatMode_, morph_, animation_, look_ and the timer starters).
#include "classlib/graphics/Types.h"
#include "classlib/windowing/WinControl.h"
#include "skin/controls/Skinctrls_ButtonLook.h"
#include "skin/controls/Skinctrls_Faces.h"
#include "skin/controls/Skinctrls_Geometry.h"
#include "skin/data/Skindata_Buttons.h"

template <class Button>
struct TspButtonPress {
  // Sets the pressed state, fading toward the new face, and releases the group's others.
  static void SetDown(Button& b, bool value) {
    b.down_ = value;
    if (b.EnableMorphing()) {
      b.morph_.SetFactor(1);
      if (value) b.StopMorph();
      else b.StartMorph();
    }
    b.Repaint();
    if (b.groupIndex_ != 0 && value && !b.allowAllUp_) DoAllUp(b);
  }

  // Releases the other down buttons of the same parent and group.
  static void DoAllUp(Button& b) {
    if (b.Parent() == nullptr) return;
    for (int i = 0; i < b.Parent()->ControlCount(); ++i) {
      auto* other = dynamic_cast<Button*>(b.Parent()->Controls(i));
      if (other != nullptr && other != &b && other->groupIndex_ == b.groupIndex_ && other->down_) other->SetDown(false);
    }
  }

  static void RefreshButton(Button& b) {
    b.mouseIn_ = false;
    b.down_ = false;
    if (b.EnableMorphing()) b.morph_.SetFactor(0);
    if (b.EnableAnimation()) b.StopAnimate();
    b.Repaint();
  }

  static void ReDrawControl(Button& b) {
    if (b.EnableMorphing() && b.lookIndex_ != -1) b.StartMorph();
    else b.Repaint();
  }

  // The look has an animation strip and skin effects are on.
  static bool AnimatesHotChange(const Button& b) {
    return b.lookIndex_ != -1 && b.EnableAnimation() && !b.look_->AnimateSkinRect.IsEmpty();
  }

  // The pointer came (`forward`) or went: the strip runs toward the matching face.
  static void AnimateHotChange(Button& b, bool forward) {
    if (AnimatesHotChange(b)) b.StartAnimate(forward);
  }

  // The left button went down over the control.
  static void Press(Button& b) {
    if (AnimatesHotChange(b)) b.StopAnimate();
    b.pressed_ = true;
    if (!b.down_) {
      b.mouseIn_ = true;
      b.SetDown(true);
      if (b.repeatMode_ && b.groupIndex_ == 0) b.StartRepeat();
      else if (b.groupIndex_ != 0) b.ButtonClick();
      b.releaseOnClick_ = false;
    } else if (b.groupIndex_ != 0) {
      b.releaseOnClick_ = true;
    }
  }

  // The left button came up: a plain button clicks when released over itself, a group
  // member that allows all up is released by a second click.
  static void Release(Button& b) {
    b.pressed_ = false;
    const bool wasDown = b.down_;
    if (b.groupIndex_ == 0) {
      b.StopRepeat();
      if (!b.mouseIn_) {
        b.down_ = false;
        return;
      }
      b.SetDown(false);
      if (wasDown) b.ButtonClick();
    } else if (wasDown && b.allowAllUp_ && b.releaseOnClick_ && b.mouseIn_) {
      b.SetDown(false);
      b.ButtonClick();
    }
  }

  // The button look of the control's look index (nullptr without one or of another
  // kind); without a look the fade and the animation strip are off.
  static const TspDataSkinButtonControl* ButtonLook(Button& b) {
    if (b.lookIndex_ == -1) {
      b.look_->Morphing = false;
      b.look_->AnimateSkinRect = TRect();
      return nullptr;
    }
    return dynamic_cast<const TspDataSkinButtonControl*>(b.skinData_->CtrlList[b.lookIndex_].get());
  }

  // Copies `data` into the button's look, the running animation frame included.
  static void ApplyLook(Button& b, const TspDataSkinButtonControl& data) {
    CopyButtonLook(*b.look_, data, b.SR);
    b.animation_.ApplyFrame(*b.look_, b.SR);
  }

  // A look-sized face stretched to the control: the content rectangle grows with it.
  // Answers false when the look's own size applies (the caller's base then sizes).
  static bool StretchedSize(Button& b, int W, int H) {
    if (b.lookIndex_ == -1 || b.useSkinSize_ || b.ResizeMode == rmNineParts) return false;
    b.NCR = Rect(b.CR.Left, b.CR.Top, b.CR.Right + W - b.SR.Width(), b.CR.Bottom + H - b.SR.Height());
    return true;
  }

  // While a fade runs, the face is the blend of the normal and the active face.
  static bool BuildMorphFace(Button& b, TBitmap& face) {
    if (!b.EnableMorphing() || b.morph_.Factor() == 0 || b.morph_.Factor() == 1 || !b.Enabled()) return false;
    TBitmap active;
    Button::PrepareFace(b, active);
    b.CreateButtonImage(&face, b.SR, false, false);
    b.CreateButtonImage(&active, b.look_->ActiveSkinRect, false, true);
    BlendFaces(face, active, b.look_->MorphKind, b.morph_.Factor());
    return true;
  }

  // Draws the face of look rectangle R into B (of the control's size) with the content
  // the button's DrawFaceContent puts on it; without the look's size the face stretches.
  static void CreateButtonImage(Button& b, TBitmap* B, const TRect& R, bool ADown, bool AMouseIn) {
    if (!b.useSkinSize_ && b.ResizeMode != rmNineParts) {
      b.DrawFaceContent(B, StretchButtonFace(B, b.Picture, b.ResizeMode, R, b.CR), ADown, AMouseIn);
      return;
    }
    b.CreateSkinControlImage(B, b.Picture, R);
    b.DrawFaceContent(B, b.NCR, ADown, AMouseIn);
  }
};
