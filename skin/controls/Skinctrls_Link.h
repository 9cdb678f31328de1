#pragma once
// What the windowed and the window-less skinned bases both hold: the connection to a
// skin data component and the look's name, the look and cursor found in it, the default
// look and blending switches and the skinned hint's settings.
#include <windows.h>

#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Events.h"
#include "classlib/windowing/Control.h"
#include "skin/controls/Skinctrls_Reskin.h"

// Sent (no parameters) to the children of a skinned control whose background changed:
// blended ones repaint. Windowed children get it by SendMessage, window-less by Perform.
constexpr UINT WM_CHECKPARENTBG = WM_USER + 260;
static_assert(WM_CHECKPARENTBG == 1284);

// Opacity of a blended face unless set.
constexpr BYTE kDefaultSkinAlphaBlendValue = 200;

class TspSkinLink : public IspSkinControl {
 public:
  TspSkinData* SkinData() const override { return skinData_; }
  // The name of the look in the skin's control list.
  AnsiString SkinDataName() const { return skinDataName_; }
  // The skin area the skinned form places the control in.
  AnsiString AreaName() const { return areaName_; }
  void SetAreaName(const AnsiString& value) { areaName_ = value; }
  // Draw the built-in look when the skin has none for the control.
  bool DrawDefault() const { return drawDefault_; }
  void SetDrawDefault(bool value) { drawDefault_ = value; }
  // Blend the face over the parent's picture, AlphaBlendValue of 255 opaque.
  bool AlphaBlend() const { return alphaBlend_; }
  BYTE AlphaBlendValue() const { return alphaBlendValue_; }
  // Take the mouse cursor from the skin's cursors.
  bool UseSkinCursor() const { return useSkinCursor_; }
  void SetUseSkinCursor(bool value) { useSkinCursor_ = value; }
  // The skinned hint's title and image.
  AnsiString HintTitle() const { return hintTitle_; }
  void SetHintTitle(const AnsiString& value) { hintTitle_ = value; }
  int HintImageIndex() const { return hintImageIndex_; }
  void SetHintImageIndex(int value) { hintImageIndex_ = value; }
  TCustomImageList* HintImageList() const { return hintImageList_; }

  // The position of the look in the skin's control list, -1 when there is none.
  int LookIndex() const { return lookIndex_; }
  // The look's cursor number (-1: none).
  int CursorIndex() const { return cursorIndex_; }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  TspSkinLink() = default;
  ~TspSkinLink() = default;

  // The look named SkinDataName in a loaded skin, else -1, into LookIndex.
  void FindLook();
  // Stores the skin data (told to `self` when it is freed); true when a loaded skin
  // should re-skin the control now.
  bool StoreSkinData(TComponent& self, TspSkinData* value);
  void StoreHintImageList(TComponent& self, TCustomImageList* value);
  // Forgets the skin data or hint image list that is being freed.
  void ForgetRemoved(TComponent* component);
  // With UseSkinCursor, the look's skin cursor (or the default cursor) for `self`.
  void ApplySkinCursor(TControl& self);
  // A blank face of the control's size (black) for the look or the built-in look.
  static void PrepareFace(TControl& self, TBitmap& face);
  // Draws the composed face at 0, 0 of `canvas`, morphed toward the parent's picture
  // when AlphaBlend is on.
  void DrawFace(TControl& self, TCanvas* canvas, TBitmap& face) const;

  TspSkinData* skinData_ = nullptr;
  AnsiString skinDataName_;
  AnsiString areaName_;
  bool drawDefault_ = true;
  bool alphaBlend_ = false;
  BYTE alphaBlendValue_ = kDefaultSkinAlphaBlendValue;
  bool useSkinCursor_ = false;
  AnsiString hintTitle_;
  int hintImageIndex_ = 0;
  TCustomImageList* hintImageList_ = nullptr;
  int lookIndex_ = -1;
  int cursorIndex_ = -1;
};
