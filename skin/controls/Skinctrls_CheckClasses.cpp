#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_CheckGroups.h"
#include "skin/controls/Skinctrls_Classes.h"

namespace {

const TIdentTable kCheckBoxStates("TCheckBoxState",
                                  {{"cbUnchecked", cbUnchecked}, {"cbChecked", cbChecked}, {"cbGrayed", cbGrayed}});

void RegisterCheckRadioBox() {
  using C = TspSkinCheckRadioBox;
  RegisterClassProperties(
      C::StaticClass(),
      {StringProperty<C>("SkinDataName", &C::SetSkinDataName, "checkbox"),
       BoolProperty<C>("Checked", &C::SetChecked, false),
       EnumProperty<C, TCheckBoxState>("State", &C::SetState, kCheckBoxStates, "cbUnchecked"),
       BoolProperty<C>("AllowGrayed", &C::SetAllowGrayed, false),
       BoolProperty<C>("Radio", &C::SetRadio, false),
       IntegerProperty<C>("GroupIndex", &C::SetGroupIndex, 0),
       BoolProperty<C>("Flat", &C::SetFlat, true),
       BoolProperty<C>("WordWrap", &C::SetWordWrap, false),
       ReferenceProperty<C, TCustomImageList>("Images", &C::SetImages),
       IntegerProperty<C>("ImageIndex", &C::SetImageIndex, 0),
       BoolProperty<C>("UseSkinFontColor", &C::SetUseSkinFontColor, true),
       BoolProperty<C>("CanFocused", &C::SetCanFocused, true),
       EventProperty<C>("OnClick", &C::OnClick)});
}

// The properties both groups add to the group box's.
template <class C>
void RegisterButtonGroup(const char* buttonSkinDataName) {
  RegisterClassProperties(C::StaticClass(),
                          {StringsProperty<C>("Items", &C::Items), IntegerProperty<C>("Columns", &C::SetColumns, 1),
                           StringProperty<C>("ButtonSkinDataName", &C::SetButtonSkinDataName, buttonSkinDataName),
                           ObjectProperty<C>("ButtonDefaultFont", &C::ButtonDefaultFont),
                           ReferenceProperty<C, TCustomImageList>("Images", &C::SetImages)});
}

}  // namespace

void RegisterSkinChecks() {
  RegisterCheckRadioBox();
  RegisterButtonGroup<TspSkinRadioGroup>("radiobox");
  RegisterClassProperties(
      TspSkinRadioGroup::StaticClass(),
      {IntegerProperty<TspSkinRadioGroup>("ItemIndex", &TspSkinRadioGroup::SetItemIndex, -1)});
  RegisterButtonGroup<TspSkinCheckGroup>("checkbox");
}
