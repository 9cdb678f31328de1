#include "skin/controls/Skinctrls_Link.h"

#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Speffbmp.h"
#include "skin/data/Sputils_ParentImage.h"

void TspSkinLink::FindLook() {
  lookIndex_ = (skinData_ == nullptr || skinData_->Empty) ? -1 : skinData_->GetControlIndex(skinDataName_);
}

bool TspSkinLink::StoreSkinData(TComponent& self, TspSkinData* value) {
  if (skinData_ != nullptr && skinData_ != value) self.RemoveFreeNotification(skinData_);
  skinData_ = value;
  if (value == nullptr) return false;
  self.FreeNotification(value);
  return !value->Empty && !self.ComponentState().Contains(csDesigning);
}

void TspSkinLink::StoreHintImageList(TComponent& self, TCustomImageList* value) {
  if (hintImageList_ != nullptr && hintImageList_ != value) self.RemoveFreeNotification(hintImageList_);
  hintImageList_ = value;
  if (value != nullptr) self.FreeNotification(value);
}

void TspSkinLink::ForgetRemoved(TComponent* component) {
  if (component == nullptr) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == hintImageList_) hintImageList_ = nullptr;
}

void TspSkinLink::ApplySkinCursor(TControl& self) {
  if (!useSkinCursor_) return;
  if (cursorIndex_ == -1 || skinData_ == nullptr) self.SetCursor(crDefault);
  else self.SetCursor(static_cast<TCursor>(skinData_->StartCursorIndex + cursorIndex_));
}

void TspSkinLink::PrepareFace(TControl& self, TBitmap& face) {
  face.SetPixelFormat(pf24bit);
  face.SetSize(self.Width(), self.Height());
}

void TspSkinLink::DrawFace(TControl& self, TCanvas* canvas, TBitmap& face) const {
  if (!alphaBlend_) {
    canvas->Draw(0, 0, &face);
    return;
  }
  TBitmap parent;
  PrepareFace(self, parent);
  GetParentImage(&self, parent.Canvas());
  face.FreeContext();
  parent.FreeContext();
  TspEffectBmp blended(face.Handle());
  const TspEffectBmp under(parent.Handle());
  blended.Morph(&under, 1.0 - alphaBlendValue_ / 255.0);
  blended.Draw(canvas->Handle(), 0, 0);
}
