#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_Bevel.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_StdLabel.h"
#include "skin/data/Skindata_SkinData.h"

namespace {

const TIdentTable kEllipsTypes("TspEllipsType",
                               {{"spetNone", spetNone}, {"spetEndEllips", spetEndEllips},
                                {"spetPathEllips", spetPathEllips}});

void RegisterStdLabel() {
  using C = TspSkinStdLabel;
  RegisterClassProperties(C::StaticClass(),
                          {EnumProperty<C, TspEllipsType>("EllipsType", &C::SetEllipsType, kEllipsTypes, "spetNone"),
                           BoolProperty<C>("UseSkinFont", &C::SetUseSkinFont, true),
                           BoolProperty<C>("UseSkinColor", &C::SetUseSkinColor, true),
                           ObjectProperty<C>("DefaultFont", &C::DefaultFont),
                           ReferenceProperty<C, TspSkinData>("SkinData", &C::SetSkinData),
                           StringProperty<C>("SkinDataName", &C::SetSkinDataName, "stdlabel")});
}

void RegisterBevel() {
  using C = TspSkinBevel;
  RegisterClassProperties(C::StaticClass(), {ReferenceProperty<C, TspSkinData>("SkinData", &C::SetSkinData),
                                             StringProperty<C>("SkinDataName", &C::SetSkinDataName, "bevel"),
                                             BoolProperty<C>("DividerMode", &C::SetDividerMode, false)});
}

}  // namespace

void RegisterSkinLabels() {
  RegisterStdLabel();
  RegisterBevel();
}
