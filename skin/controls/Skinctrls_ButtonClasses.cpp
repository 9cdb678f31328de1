#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_Button.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_XFormButton.h"

const TIdentTable& ButtonLayoutIdents() {
  static const TIdentTable layouts("TspButtonLayout", {{"blGlyphLeft", blGlyphLeft},
                                                       {"blGlyphRight", blGlyphRight},
                                                       {"blGlyphTop", blGlyphTop},
                                                       {"blGlyphBottom", blGlyphBottom}});
  return layouts;
}

namespace {

void RegisterButton() {
  using C = TspSkinButton;
  RegisterClassProperties(
      C::StaticClass(),
      {StringProperty<C>("SkinDataName", &C::SetSkinDataName, "button"),
       ReferenceProperty<C, TCustomImageList>("ImageList", &C::SetImageList),
       IntegerProperty<C>("ImageIndex", &C::SetImageIndex, -1),
       BoolProperty<C>("UseSkinSize", &C::SetUseSkinSize, true),
       BoolProperty<C>("UseSkinFontColor", &C::SetUseSkinFontColor, true),
       BoolProperty<C>("RepeatMode", &C::SetRepeatMode, false),
       IntegerProperty<C>("RepeatInterval", &C::SetRepeatInterval, 100),
       BoolProperty<C>("AllowAllUp", &C::SetAllowAllUp, false),
       BoolProperty<C>("CanFocused", &C::SetCanFocused, true),
       BoolProperty<C>("Down", &C::SetDown, false),
       IntegerProperty<C>("GroupIndex", &C::SetGroupIndex, 0),
       ObjectProperty<C>("Glyph", &C::Glyph),
       IntegerProperty<C>("NumGlyphs", &C::SetNumGlyphs, 1),
       IntegerProperty<C>("Margin", &C::SetMargin, -1),
       IntegerProperty<C>("Spacing", &C::SetSpacing, 1),
       EnumProperty<C, TspButtonLayout>("Layout", &C::SetLayout, ButtonLayoutIdents(), "blGlyphLeft"),
       BoolProperty<C>("Cancel", &C::SetCancel, false),
       BoolProperty<C>("Default", &C::SetDefault, false),
       IntegerProperty<C>("ModalResult", &C::SetModalResult, mrNone),
       EventProperty<C>("OnClick", &C::OnClick)});
}

void RegisterXFormButton() {
  using C = TspSkinXFormButton;
  RegisterClassProperties(C::StaticClass(),
                          {ObjectProperty<C>("DefImage", &C::DefImage),
                           ObjectProperty<C>("DefActiveImage", &C::DefActiveImage),
                           ObjectProperty<C>("DefDownImage", &C::DefDownImage),
                           ObjectProperty<C>("DefMask", &C::DefMask),
                           ColorProperty<C>("DefActiveFontColor", &C::SetDefActiveFontColor, 0),
                           ColorProperty<C>("DefDownFontColor", &C::SetDefDownFontColor, 0)});
}

}  // namespace

void RegisterSkinButtons() {
  RegisterButton();
  RegisterXFormButton();
}
