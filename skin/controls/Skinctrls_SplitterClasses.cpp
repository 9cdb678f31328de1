#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_Splitter.h"
#include "skin/data/Skindata_SkinData.h"

void RegisterSkinSplitters() {
  using S = TspSkinSplitter;
  RegisterClassProperties(S::StaticClass(), {BoolProperty<S>("Transparent", &S::SetTransparent, false),
                                             IntegerProperty<S>("DefaultSize", &S::SetDefaultSize, 10),
                                             StringProperty<S>("SkinDataName", &S::SetSkinDataName, "vsplitter"),
                                             ReferenceProperty<S, TspSkinData>("SkinData", &S::SetSkinData)});
  using C = TspCustomSplitter;
  RegisterClassProperties(C::StaticClass(),
                          {EnumProperty<C, TAlign>("Align", &C::SetAlign, AlignIdents(), "alLeft"),
                           IntegerProperty<C>("Cursor", &C::SetCursor, crHSplit),
                           BoolProperty<C>("AutoSnap", &C::SetAutoSnap, true),
                           IntegerProperty<C>("MinSize", &C::SetMinSize, 30),
                           BoolProperty<C>("ParentColor", &C::SetParentColor, true),
                           EventProperty<C>("OnCanResize", &C::OnCanResize),
                           EventProperty<C>("OnMoved", &C::OnMoved),
                           EventProperty<C>("OnPaint", &C::OnPaint)});
  using E = TspSkinSplitterEx;
  RegisterClassProperties(E::StaticClass(), {IntegerProperty<E>("DefaultSize", &E::SetDefaultSize, 10),
                                             StringProperty<E>("SkinDataName", &E::SetSkinDataName, "vsplitter")});
}
