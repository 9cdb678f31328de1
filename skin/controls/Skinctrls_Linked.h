#pragma once
// The behaviour the windowed and the window-less skinned bases share, written once over
// their class-library base (TCustomControl or TGraphicControl): finding the look, the
// off-screen face with the built-in look and blending, re-skinning, the messages.
#include "classlib/graphics/Bitmap.h"
#include "classlib/windowing/CustomControl.h"
#include "classlib/windowing/GraphicControl.h"
#include "skin/controls/Skinctrls_Link.h"

template <class Base>
class TspSkinLinked : public Base, public TspSkinLink {
 public:
  explicit TspSkinLinked(TComponent* owner) : Base(owner) {}

  virtual void SetAlphaBlend(bool value);
  virtual void SetAlphaBlendValue(BYTE value);
  // Finds the look: LookIndex is -1 without a loaded skin or when the skin lacks the name.
  virtual void GetSkinData();
  // Stores the skin data; a loaded one re-skins the control (not while designing).
  void SetSkinData(TspSkinData* value) override;
  // Finds the look again, takes the skin's cursor when UseSkinCursor, repaints.
  void ChangeSkinData() override;
  void BeforeChangeSkinData() override;
  // The parent's picture changed (WM_CHECKPARENTBG): a blended control repaints.
  virtual void CheckParentBackground();

  void SetHintImageList(TCustomImageList* value) { StoreHintImageList(*this, value); }

  void Dispatch(TMessage& message) override;

 protected:
  void Paint() override;
  // Draw the built-in and the skin look into the off-screen picture of the control's size.
  virtual void CreateControlDefaultImage(TBitmap* bitmap) { (void)bitmap; }
  virtual void CreateControlSkinImage(TBitmap* bitmap) { (void)bitmap; }
  void Notification(TComponent* component, TOperation operation) override;
};

extern template class TspSkinLinked<TCustomControl>;
extern template class TspSkinLinked<TGraphicControl>;
