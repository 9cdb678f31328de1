#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_SpeedButton.h"

void RegisterSkinSpeedButtons() {
  using C = TspSkinSpeedButton;
  RegisterClassProperties(
      C::StaticClass(),
      {StringProperty<C>("SkinDataName", &C::SetSkinDataName, "toolbutton"),
       ReferenceProperty<C, TCustomImageList>("ImageList", &C::SetImageList),
       IntegerProperty<C>("ImageIndex", &C::SetImageIndex, 0),
       BoolProperty<C>("UseSkinSize", &C::SetUseSkinSize, true),
       BoolProperty<C>("UseSkinFontColor", &C::SetUseSkinFontColor, true),
       IntegerProperty<C>("WidthWithCaption", &C::SetWidthWithCaption, 0),
       IntegerProperty<C>("WidthWithoutCaption", &C::SetWidthWithoutCaption, 0),
       BoolProperty<C>("ShowCaption", &C::SetShowCaption, true),
       BoolProperty<C>("RepeatMode", &C::SetRepeatMode, false),
       IntegerProperty<C>("RepeatInterval", &C::SetRepeatInterval, 100),
       BoolProperty<C>("Flat", &C::SetFlat, false),
       BoolProperty<C>("AllowAllUp", &C::SetAllowAllUp, false),
       BoolProperty<C>("Down", &C::SetDown, false),
       IntegerProperty<C>("GroupIndex", &C::SetGroupIndex, 0),
       ObjectProperty<C>("Glyph", &C::Glyph),
       IntegerProperty<C>("NumGlyphs", &C::SetNumGlyphs, 1),
       IntegerProperty<C>("Margin", &C::SetMargin, -1),
       IntegerProperty<C>("Spacing", &C::SetSpacing, 4),
       EnumProperty<C, TspButtonLayout>("Layout", &C::SetLayout, ButtonLayoutIdents(), "blGlyphLeft")});
}
