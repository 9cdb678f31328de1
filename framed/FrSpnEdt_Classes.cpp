// The spin buttons' and spin edits' properties for form resources.
#include "classlib/formres/PropertyBinders.h"
#include "framed/FrSpnEdt.h"

namespace {

const TIdentTable& SpinDirectionIdents() {
  static const TIdentTable table("TSpinDirection", {{"sdUpDown", sdUpDown}, {"sdLeftRight", sdLeftRight}});
  return table;
}

}  // namespace

void RegisterSpinEditClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  using B = TFrSpinButtons;
  RegisterClassProperties(
      B::StaticClass(),
      {EnumProperty<B, TSpinDirection>("Direction", &B::SetDirection, SpinDirectionIdents(), "sdUpDown"),
       BoolProperty<B>("Flat", &B::SetFlat, false),
       ColorProperty<B>("Color", &B::SetColor, clBtnFace),
       EnumProperty<B, TOrientation>("Orientation", &B::SetOrientation, OrientationIdents(), "orVertical"),
       ReferenceProperty<B, TWinControl>("FocusControl", &B::SetFocusControl),
       EventProperty<B>("OnUpRightClick", &B::OnUpRightClick),
       EventProperty<B>("OnDownLeftClick", &B::OnDownLeftClick)});
  using S = TFrSpinEdit;
  RegisterClassProperties(
      S::StaticClass(),
      {FloatProperty<S>("Value", &S::SetValue, 0),
       FloatProperty<S>("Min", &S::SetMin, 0),
       FloatProperty<S>("Max", &S::SetMax, 100),
       BoolProperty<S>("CheckRange", &S::SetCheckRange, false),
       FloatProperty<S>("Increment", &S::SetIncrement, 1),
       FloatProperty<S>("PageSize", &S::SetPageSize, 10),
       IntegerProperty<S>("Decimals", &S::SetDecimals, 0),
       BoolProperty<S>("IntegersOnly", &S::SetIntegersOnly, true),
       BoolProperty<S>("AllowKeyEdit", &S::SetAllowKeyEdit, false),
       BoolProperty<S>("AllowBlank", &S::SetAllowBlank, false),
       FloatProperty<S>("BlankValue", &S::SetBlankValue, 0),
       IntegerProperty<S>("ButtonWidth", &S::SetButtonWidth, 17),
       EnumProperty<S, TSpinDirection>("Direction", &S::SetDirection, SpinDirectionIdents(), "sdUpDown"),
       EnumProperty<S, TOrientation>("Orientation", &S::SetOrientation, OrientationIdents(), "orVertical"),
       ColorProperty<S>("FlatButtonColor", &S::SetFlatButtonColor, clBtnFace),
       EnumProperty<S, TAlignment>("Alignment", &S::SetAlignment, LeftRightIdents(), "taRightJustify"),
       EventProperty<S>("OnChanging", &S::OnChanging),
       EventProperty<S>("OnButtonClick", &S::OnButtonClick),
       ObsoleteProperty("FlatButtonParentColor", TFormValueKind::Ident)});
}
