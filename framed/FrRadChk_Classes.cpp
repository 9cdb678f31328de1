// The check boxes' and radio buttons' properties for form resources.
#include "classlib/formres/PropertyBinders.h"
#include "framed/FrRadChk.h"

namespace {

const TIdentTable& CheckBoxStateIdents() {
  static const TIdentTable table("TCheckBoxState",
                                 {{"cbUnchecked", cbUnchecked}, {"cbChecked", cbChecked}, {"cbGrayed", cbGrayed}});
  return table;
}

}  // namespace

void RegisterRadioCheckClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  using G = TFrCustomGlyphButton;
  RegisterClassProperties(
      G::StaticClass(),
      {EnumProperty<G, TAlignment>("Alignment", &G::SetAlignment, LeftRightIdents(), "taRightJustify"),
       EnumProperty<G, TAlignmentVertical>("AlignmentVertical", &G::SetAlignmentVertical, AlignmentVerticalIdents(),
                                           "avTop"),
       BoolProperty<G>("Checked", &G::SetChecked, false),
       ObjectProperty<G>("CustomGlyphs", &G::CustomGlyphs),
       BoolProperty<G>("UseCustomGlyphs", &G::SetUseCustomGlyphs, false),
       ColorProperty<G>("FrameColor", &G::SetFrameColor, clBtnShadow),
       ColorProperty<G>("DisabledColor", &G::SetDisabledColor, clBtnFace),
       ColorProperty<G>("TransparentColor", &G::SetTransparentColor, clOlive),
       ColorProperty<G>("WinMaskColor", &G::SetWinMaskColor, clLime),
       BoolProperty<G>("TabOnEnter", &G::SetTabOnEnter, false),
       ReferenceProperty<G, TFrFrameController>("FrameController", &G::SetFrameController)});
  RegisterClassProperties(TFrRadioButton::StaticClass(), {});
  using C = TFrCustomCheckBox;
  RegisterClassProperties(C::StaticClass(),
                          {EnumProperty<C, TCheckBoxState>("State", &C::SetState, CheckBoxStateIdents(), "cbUnchecked"),
                           BoolProperty<C>("AllowGrayed", &C::SetAllowGrayed, false)});
  RegisterClassProperties(TFrCheckBox::StaticClass(), {});
}
