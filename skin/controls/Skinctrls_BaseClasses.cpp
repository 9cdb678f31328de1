#include "skin/controls/Skinctrls_Classes.h"

#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/FormError.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_GraphicBases.h"
#include "skin/data/Skindata_SkinData.h"

namespace {

// A byte property (0..255); other numbers are refused.
template <class C, class Setter>
TPropertyInfo ByteProperty(const char* name, Setter setter, BYTE defaultValue) {
  return IntegerProperty<C>(
      name,
      [name, setter](C* control, int value) {
        if (value < 0 || value > 255) throw EFormValueError(AnsiString(name) + " must lie between 0 and 255");
        std::invoke(setter, control, static_cast<BYTE>(value));
      },
      defaultValue);
}

// The skin connection, blending and hint settings of both base families.
template <class C>
void RegisterSkinLinkProperties() {
  RegisterClassProperties(
      C::StaticClass(),
      {ReferenceProperty<C, TspSkinData>("SkinData", &C::SetSkinData),
       StringProperty<C>("SkinDataName", &C::SetSkinDataName),
       StringProperty<C>("AreaName", &C::SetAreaName),
       BoolProperty<C>("DrawDefault", &C::SetDrawDefault, true),
       BoolProperty<C>("AlphaBlend", &C::SetAlphaBlend, false),
       ByteProperty<C>("AlphaBlendValue", &C::SetAlphaBlendValue, kDefaultSkinAlphaBlendValue),
       BoolProperty<C>("UseSkinCursor", &C::SetUseSkinCursor, false),
       StringProperty<C>("HintTitle", &C::SetHintTitle),
       IntegerProperty<C>("HintImageIndex", &C::SetHintImageIndex, 0),
       ReferenceProperty<C, TCustomImageList>("HintImageList", &C::SetHintImageList),
       EventProperty<C>("OnMouseEnter", static_cast<TNotifyEvent C::*>(&C::OnMouseEnter)),
       EventProperty<C>("OnMouseLeave", static_cast<TNotifyEvent C::*>(&C::OnMouseLeave))});
}

// The default look's font and size of both resizable families.
template <class C>
void RegisterDefaultLookProperties() {
  RegisterClassProperties(C::StaticClass(), {ObjectProperty<C>("DefaultFont", &C::DefaultFont),
                                             BoolProperty<C>("UseSkinFont", &C::SetUseSkinFont, true),
                                             IntegerProperty<C>("DefaultWidth", &C::SetDefaultWidth, 0),
                                             IntegerProperty<C>("DefaultHeight", &C::SetDefaultHeight, 0)});
}

}  // namespace

void RegisterSkinControlBases() {
  RegisterSkinLinkProperties<TspSkinControl>();
  RegisterDefaultLookProperties<TspSkinCustomControl>();
  RegisterSkinLinkProperties<TspGraphicSkinControl>();
  RegisterDefaultLookProperties<TspGraphicSkinCustomControl>();
}
