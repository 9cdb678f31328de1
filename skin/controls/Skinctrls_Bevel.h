#pragma once
// The window-less bevel whose two line colours come from a "bevel" look.
#include "classlib/stdctrls/Bevel.h"
#include "skin/controls/Skinctrls_Reskin.h"

// A TBevel painted in the look's "lightcolor" and "darkcolor" (the system's button
// highlight and shadow without a look), with a divider mode drawing a short centred
// separator. The colours change only when the skin data does; when that component is
// freed the bevel drops it and goes back to the system colours.
class TspSkinBevel : public TBevel, public IspSkinControl {
  CLASSLIB_CLASS(TspSkinBevel, TBevel)
 public:
  explicit TspSkinBevel(TComponent* owner) : TBevel(owner) {}

  const AnsiString& SkinDataName() const { return skinDataName_; }
  void SetSkinDataName(const AnsiString& value) { skinDataName_ = value; }
  bool DividerMode() const { return dividerMode_; }
  void SetDividerMode(bool value);
  TColor LightColor() const { return lightColor_; }
  TColor DarkColor() const { return darkColor_; }

  TspSkinData* SkinData() const override { return skinData_; }
  // Always re-reads the colours: no skin data brings the system colours back.
  void SetSkinData(TspSkinData* value) override;
  // Nothing to drop: the bevel keeps copies of the look's colours.
  void BeforeChangeSkinData() override {}
  void ChangeSkinData() override;
  // On a skinned tool bar the bevel stays centred vertically in the bar's client rectangle.
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;

 private:
  void BevelRect(const TRect& rect, TColor first, TColor second);
  void BevelLine(TColor colour, int x1, int y1, int x2, int y2);
  void PaintDivider(TColor first, TColor second);
  void PaintShape(TColor first, TColor second);

  TspSkinData* skinData_ = nullptr;
  AnsiString skinDataName_ = "bevel";
  bool dividerMode_ = false;
  int lookIndex_ = -1;
  TColor lightColor_ = clBtnHighlight;
  TColor darkColor_ = clBtnShadow;
};
