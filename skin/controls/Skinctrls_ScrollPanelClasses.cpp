#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_ScrollPanel.h"

void RegisterSkinScrollPanels() {
  static const TIdentTable scrollTypes("TspScrollType", {{"stHorizontal", stHorizontal}, {"stVertical", stVertical}});
  using C = TspSkinScrollPanel;
  RegisterClassProperties(C::StaticClass(),
                          {BoolProperty<C>("CanFocused", &C::SetCanFocused, false),
                           BoolProperty<C>("HotScroll", &C::SetHotScroll, false),
                           BoolProperty<C>("AutoSize", &C::SetAutoSize, false),
                           EnumProperty<C, TspScrollType>("ScrollType", &C::SetScrollType, scrollTypes, "stHorizontal"),
                           IntegerProperty<C>("ScrollOffset", &C::SetScrollOffset, 0),
                           IntegerProperty<C>("ScrollTimerInterval", &C::SetScrollTimerInterval, 50),
                           EnumProperty<C, TAlign>("Align", &C::SetAlign, AlignIdents(), "alNone"),
                           StringProperty<C>("SkinDataName", &C::SetSkinDataName, "panel")});
}
