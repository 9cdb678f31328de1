#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_SkinEdit.h"
#include "skin/controls/Skinctrls_SpinEdit.h"
#include "skin/controls/Skinctrls_UpDown.h"
#include "skin/data/Skindata_SkinData.h"

namespace {

void RegisterEdits() {
  using E = TspCustomEdit;
  RegisterClassProperties(E::StaticClass(), {BoolProperty<E>("ReadOnly", &E::SetReadOnly, false)});
  using C = TspSkinCustomEdit;
  RegisterClassProperties(
      C::StaticClass(),
      {ReferenceProperty<C, TspSkinData>("SkinData", &C::SetSkinData),
       StringProperty<C>("SkinDataName", &C::SetSkinDataName, "edit"),
       ColorProperty<C>("DefaultColor", &C::SetDefaultColor, clWindow), ObjectProperty<C>("DefaultFont", &C::DefaultFont),
       BoolProperty<C>("UseSkinFont", &C::SetUseSkinFont, true),
       IntegerProperty<C>("DefaultWidth", &C::SetDefaultWidth), IntegerProperty<C>("DefaultHeight", &C::SetDefaultHeight),
       BoolProperty<C>("ButtonMode", &C::SetButtonMode, false),
       BoolProperty<C>("AlphaBlend", &C::SetAlphaBlend, false),
       IntegerProperty<C>("AlphaBlendValue",
                          [](C* edit, int value) {
                            if (value < 0 || value > 255) throw EFormValueError("AlphaBlendValue must lie between 0 and 255");
                            edit->SetAlphaBlendValue(static_cast<BYTE>(value));
                          }),
       EnumProperty<C, TAlignment>("Alignment", &C::SetAlignment, AlignmentIdents(), "taLeftJustify"),
       EventProperty<C>("OnButtonClick", &C::OnButtonClick), EventProperty<C>("OnMouseEnter", static_cast<TNotifyEvent C::*>(&C::OnMouseEnter)),
       EventProperty<C>("OnMouseLeave", static_cast<TNotifyEvent C::*>(&C::OnMouseLeave))});
  RegisterClassProperties(TspSkinEdit::StaticClass(), {});
  RegisterClassProperties(TspSkinMaskEdit::StaticClass(), {});
}

const TIdentTable kUpDownOrientations("TspUpDownOrientation",
                                       {{"udHorizontal", udHorizontal}, {"udVertical", udVertical}});
const TIdentTable kValueTypes("TspValueType", {{"vtInteger", vtInteger}, {"vtFloat", vtFloat}});

void RegisterUpDown() {
  using C = TspSkinUpDown;
  RegisterClassProperties(
      C::StaticClass(),
      {BoolProperty<C>("UseSkinSize", &C::SetUseSkinSize, true),
       EnumProperty<C, TspUpDownOrientation>("Orientation", &C::SetOrientation, kUpDownOrientations, "udHorizontal"),
       IntegerProperty<C>("Increment", &C::SetIncrement), IntegerProperty<C>("Min", &C::SetMin),
       IntegerProperty<C>("Max", &C::SetMax), IntegerProperty<C>("Position", &C::SetPosition),
       EventProperty<C>("OnChange", &C::OnChange), EventProperty<C>("OnUpButtonClick", &C::OnUpButtonClick),
       EventProperty<C>("OnDownButtonClick", &C::OnDownButtonClick)});
}

void RegisterSpinEdit() {
  using C = TspSkinSpinEdit;
  RegisterClassProperties(
      C::StaticClass(),
      {ColorProperty<C>("DefaultColor", &C::SetDefaultColor, clWindow),
       BoolProperty<C>("UseSkinSize", &C::SetUseSkinSize, true),
       EnumProperty<C, TspValueType>("ValueType", &C::SetValueType, kValueTypes, "vtInteger"),
       IntegerProperty<C>("Decimal",
                          [](C* spin, int value) {
                            if (value < 0 || value > 255) throw EFormValueError("Decimal must lie between 0 and 255");
                            spin->SetDecimal(static_cast<BYTE>(value));
                          }, 2),
       FloatProperty<C>("MinValue", &C::SetMinValue, 0), FloatProperty<C>("MaxValue", &C::SetMaxValue, 0),
       FloatProperty<C>("Value", &C::SetValue, 0), FloatProperty<C>("Increment", &C::SetIncrement, 1),
       BoolProperty<C>("EditorEnabled", &C::SetEditorEnabled, true), IntegerProperty<C>("MaxLength", &C::SetMaxLength),
       EventProperty<C>("OnChange", &C::OnChange), EventProperty<C>("OnEditKeyDown", &C::OnEditKeyDown),
       EventProperty<C>("OnEditKeyUp", &C::OnEditKeyUp), EventProperty<C>("OnEditKeyPress", &C::OnEditKeyPress),
       EventProperty<C>("OnEditEnter", &C::OnEditEnter), EventProperty<C>("OnEditExit", &C::OnEditExit)});
}

}  // namespace

void RegisterSkinEdits() {
  RegisterEdits();
  RegisterUpDown();
  RegisterSpinEdit();
}
