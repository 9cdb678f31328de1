// The framed edits' and memos' properties for form resources.
#include "classlib/formres/PropertyBinders.h"
#include "framed/FrEdit.h"

void RegisterEditClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  using E = TFrCustomEdit;
  RegisterEntryFrameProperties<E>();
  RegisterClassProperties(
      E::StaticClass(),
      {EnumProperty<E, TAlignment>("Alignment", &E::SetAlignment, LeftRightIdents(), "taLeftJustify"),
       BoolProperty<E>("FlatButtons", &E::SetFlatButtons, false),
       EventProperty<E>("OnDropDown", &E::OnDropDown),
       EventProperty<E>("OnCloseUp", &E::OnCloseUp),
       EventProperty<E>("OnValidateError", &E::OnValidateError)});
  RegisterClassProperties(TFrEdit::StaticClass(), {});
  using M = TFrMemo;
  RegisterEntryFrameProperties<M>();
  RegisterClassProperties(M::StaticClass(), {EventProperty<M>("OnLineColChange", &M::OnLineColChange),
                                             EventProperty<M>("OnClipboardChange", &M::OnClipboardChange)});
}
