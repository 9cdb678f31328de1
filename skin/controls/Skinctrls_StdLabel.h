#pragma once
// The window-less label whose text takes its font and colour from a "stdlabel" look.
#include <memory>

#include "classlib/stdctrls/Label.h"
#include "skin/controls/Skinctrls_LabelFont.h"

class TspSkinData;

enum TspEllipsType { spetNone, spetEndEllips, spetPathEllips };

// A TCustomLabel drawing (and measuring) its text with the look's font name, style, height
// and colour, or with DefaultFont when there is no look. It draws no face: it is transparent.
// The look is looked up afresh on every draw; a look of another kind keeps the values
// cached before.
class TspSkinStdLabel : public TCustomLabel, public TspLabelSkinLink {
  CLASSLIB_CLASS(TspSkinStdLabel, TCustomLabel)
 public:
  explicit TspSkinStdLabel(TComponent* owner);
  ~TspSkinStdLabel() override;

  TspEllipsType EllipsType() const { return ellipsType_; }
  void SetEllipsType(TspEllipsType value);
  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool value) { useSkinColor_ = value; }

  void SetSkinData(TspSkinData* value) override;
  void ChangeSkinData() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void DoDrawText(TRect& rect, UINT flags) override;

 private:
  TspEllipsType ellipsType_ = spetNone;
  bool useSkinColor_ = true;
};
