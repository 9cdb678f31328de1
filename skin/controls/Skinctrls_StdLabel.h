#pragma once
// The window-less label whose text takes its font and colour from a "stdlabel" look.
#include <memory>

#include "classlib/stdctrls/Label.h"
#include "skin/controls/Skinctrls_LabelFont.h"
#include "skin/controls/Skinctrls_Reskin.h"

class TspSkinData;

enum TspEllipsType { spetNone, spetEndEllips, spetPathEllips };

// A TCustomLabel drawing (and measuring) its text with the look's font name, style, height
// and colour, or with DefaultFont when there is no look. It draws no face: it is transparent.
// The look is looked up afresh on every draw; a look of another kind keeps the values
// cached before.
class TspSkinStdLabel : public TCustomLabel, public IspSkinControl {
  CLASSLIB_CLASS(TspSkinStdLabel, TCustomLabel)
 public:
  explicit TspSkinStdLabel(TComponent* owner);
  ~TspSkinStdLabel() override;

  TspEllipsType EllipsType() const { return ellipsType_; }
  void SetEllipsType(TspEllipsType value);
  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }
  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool value) { useSkinColor_ = value; }
  TFont* DefaultFont() const { return defaultFont_.get(); }
  void SetDefaultFont(TFont* value) { defaultFont_->Assign(value); }
  const AnsiString& SkinDataName() const { return skinDataName_; }
  void SetSkinDataName(const AnsiString& value) { skinDataName_ = value; }
  int LookIndex() const { return look_.Index(); }

  TspSkinData* SkinData() const override { return skinData_; }
  void SetSkinData(TspSkinData* value) override;
  // Nothing to drop: the label keeps copies of the look's values, never the look.
  void BeforeChangeSkinData() override {}
  void ChangeSkinData() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void DoDrawText(TRect& rect, UINT flags) override;

 private:
  void GetSkinData() { look_.Find(skinData_, skinDataName_); }

  TspEllipsType ellipsType_ = spetNone;
  bool useSkinFont_ = true;
  bool useSkinColor_ = true;
  std::unique_ptr<TFont> defaultFont_;
  TspSkinData* skinData_ = nullptr;
  AnsiString skinDataName_ = "stdlabel";
  TspStdLabelLook look_;
};
