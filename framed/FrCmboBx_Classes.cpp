// The framed combo boxes' properties for form resources.
#include "classlib/formres/PropertyBinders.h"
#include "framed/FrCmboBx.h"

void RegisterComboBoxClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  using C = TFrCustomComboBox;
  RegisterEntryFrameProperties<C>();
  RegisterClassProperties(
      C::StaticClass(),
      {BoolProperty<C>("AllowEdit", &C::SetAllowEdit, true),
       BoolProperty<C>("AutoComplete", &C::SetAutoComplete, true),
       BoolProperty<C>("BeepOnInvalidKey", &C::SetBeepOnInvalidKey, true),
       IntegerProperty<C>("DropDownWidth", &C::SetDropDownWidth, 0),
       BoolProperty<C>("FlatButtons", &C::SetFlatButtons, false),
       ColorProperty<C>("FlatButtonColor", &C::SetFlatButtonColor, clBtnFace),
       IntegerProperty<C>("ItemHeight", &C::SetOwnerDrawItemHeight),
       BoolProperty<C>("KeepSearchCase", &C::SetKeepSearchCase, false),
       BoolProperty<C>("ReadOnly", &C::SetReadOnly, false),
       EventProperty<C>("OnDeleteItem", &C::OnDeleteItem),
       EventProperty<C>("OnMatch", &C::OnMatch),
       EventProperty<C>("OnNotInList", &C::OnNotInList),
       EventProperty<C>("OnSelEndOk", &C::OnSelEndOk),
       EventProperty<C>("OnSelEndCancel", &C::OnSelEndCancel)});
  RegisterClassProperties(TFrComboBox::StaticClass(), {});
}
