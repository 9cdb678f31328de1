// The base of the skin objects (faces, morphing, pointer events), the user object and
// the switch.
#include <algorithm>

#include "skin/data/Speffbmp.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/form/Formskinner.h"

namespace {

constexpr double kMorphStep = 0.2;

// A bitmap of the face's target size holding `face` of `picture`, as an effect bitmap.
TspEffectBmp FaceBitmap(TBitmap* picture, const TRect& face, int width, int height) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(width, height);
  if (picture != nullptr) bitmap.Canvas()->CopyRect(Rect(0, 0, width, height), picture->Canvas(), face);
  bitmap.FreeContext();
  return TspEffectBmp(bitmap.Handle());
}

}  // namespace

TspActiveSkinObject::TspActiveSkinObject(TspFormSkinner* form, TspDataSkinObject* data)
    : Parent(form), SkinData(form->SkinData()) {
  if (data == nullptr) return;
  IDName = data->IDName;
  Hint = data->Hint;
  SkinRectInAPicture = data->SkinRectInAPicture;
  SkinRect = data->SkinRect;
  ActiveSkinRect = data->ActiveSkinRect;
  InActiveSkinRect = data->InActiveSkinRect;
  Morphing = data->Morphing;
  MorphKind = data->MorphKind;
  CursorIndex = data->CursorIndex;
  RollUp = data->RollUp;
  const int index = data->ActivePictureIndex;
  if (SkinData != nullptr && index >= 0 && index < static_cast<int>(SkinData->ActivePictures.size())) {
    ActivePicture = SkinData->ActivePictures[static_cast<size_t>(index)].get();
  } else {
    ActiveSkinRect = NullRect();
  }
  ObjectRect = SkinRect;
  if (SkinData != nullptr) Picture = RollUp ? SkinData->RollUpPicture.get() : SkinData->Picture.get();
}

bool TspActiveSkinObject::EnableMorphing() const {
  return Morphing && Parent->SkinData() != nullptr && Parent->SkinData()->EnableSkinEffects();
}

void TspActiveSkinObject::Redraw() {
  if (EnableMorphing()) {
    Parent->MorphTimer->SetEnabled(true);
  } else {
    Parent->DrawSkinObject(this);
  }
}

bool TspActiveSkinObject::CanMorphing() { return (Active && morphKf_ < 1) || (!Active && morphKf_ > 0); }

void TspActiveSkinObject::DoMorphing() {
  SetMorphKf(Active ? morphKf_ + kMorphStep : morphKf_ - kMorphStep);
  Parent->DrawSkinObject(this);
}

void TspActiveSkinObject::SetMorphKf(double value) { morphKf_ = std::clamp(value, 0.0, 1.0); }

bool TspActiveSkinObject::BetweenMorphEnds() const {
  return EnableMorphing() && ((Active && morphKf_ != 1) || (!Active && morphKf_ != 0));
}

void TspActiveSkinObject::CopyFace(TCanvas* canvas, TBitmap* picture, const TRect& face) const {
  if (picture == nullptr) return;
  canvas->CopyRect(ObjectRect, picture->Canvas(), face);
}

void TspActiveSkinObject::DrawMorph(TCanvas* canvas, TBitmap* normalPicture, const TRect& normalFace,
                                    const TRect& activeFace) const {
  const int width = RectWidth(ObjectRect);
  const int height = RectHeight(ObjectRect);
  TspEffectBmp normal = FaceBitmap(normalPicture, normalFace, width, height);
  const TspEffectBmp active = FaceBitmap(ActivePicture, activeFace, width, height);
  normal.MorphByKind(MorphKind, &active, morphKf_);
  normal.Draw(canvas->Handle(), ObjectRect.Left, ObjectRect.Top);
}

void TspActiveSkinObject::Draw(TCanvas* canvas, bool alone) {
  if (Enabled && !Parent->GetFormActive() && !IsNullRect(InActiveSkinRect)) {
    CopyFace(canvas, ActivePicture, InActiveSkinRect);
  } else if (!IsNullRect(ActiveSkinRect) && BetweenMorphEnds()) {
    DrawMorph(canvas, NormalFacePicture(), SkinRect, ActiveSkinRect);
  } else if (Active && !IsNullRect(ActiveSkinRect)) {
    CopyFace(canvas, ActivePicture, ActiveSkinRect);
  } else if (alone || SkinRectInAPicture) {
    CopyFace(canvas, NormalFacePicture(), SkinRect);
  }
}

void TspActiveSkinObject::MouseDown(int x, int y, TMouseButton button) {
  Parent->MouseDownEvent(IDName, x, y, ObjectRect, button);
}

void TspActiveSkinObject::MouseUp(int x, int y, TMouseButton button) {
  if (MouseIn) Parent->MouseUpEvent(IDName, x, y, ObjectRect, button);
}

void TspActiveSkinObject::MouseMove(int x, int y) { Parent->MouseMoveEvent(IDName, x, y, ObjectRect); }

void TspActiveSkinObject::MouseEnter() {
  MouseIn = Active = true;
  if (!IsNullRect(ActiveSkinRect)) Redraw();
  Parent->MouseEnterEvent(IDName);
}

void TspActiveSkinObject::MouseLeave() {
  MouseIn = Active = false;
  if (!IsNullRect(ActiveSkinRect)) Redraw();
  Parent->MouseLeaveEvent(IDName);
}

void TspUserObject::Draw(TCanvas* canvas, bool alone) {
  (void)alone;
  Parent->PaintEvent(IDName, canvas, ObjectRect);
}

void TspSkinSwitchObject::SetState(TSwitchState value) {
  State = value;
  Active = value == swsOn;
  Redraw();
  Parent->SwitchChangeStateEvent(IDName, State);
}

void TspSkinSwitchObject::SimpleSetState(TSwitchState value) {
  State = value;
  Active = value == swsOn;
  if (value == swsOn) SetMorphKf(1);
}

void TspSkinSwitchObject::MouseDown(int x, int y, TMouseButton button) {
  if (button == mbLeft) SetState(State == swsOn ? swsOff : swsOn);
  TspActiveSkinObject::MouseDown(x, y, button);
}

void TspSkinSwitchObject::MouseEnter() {
  MouseIn = true;
  Parent->MouseEnterEvent(IDName);
}

void TspSkinSwitchObject::MouseLeave() {
  MouseIn = false;
  Parent->MouseLeaveEvent(IDName);
}
