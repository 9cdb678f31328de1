#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_ButtonsBar.h"
#include "skin/controls/Skinctrls_ControlBar.h"
#include "skin/controls/Skinctrls_ToolBar.h"
#include "skin/data/Skindata_SkinData.h"

namespace {

void RegisterToolBar() {
  using C = TspSkinToolBar;
  RegisterClassProperties(
      C::StaticClass(),
      {StringProperty<C>("SkinDataName", &C::SetSkinDataName, "toolpanel"),
       BoolProperty<C>("AdjustControls", &C::SetAdjustControls, true),
       BoolProperty<C>("CanScroll", &C::SetCanScroll, false),
       BoolProperty<C>("HotScroll", &C::SetHotScroll, false),
       IntegerProperty<C>("ScrollOffset", &C::SetScrollOffset, 0),
       IntegerProperty<C>("ScrollTimerInterval", &C::SetScrollTimerInterval, 50),
       BoolProperty<C>("ShowCaptions", &C::SetShowCaptions, false),
       BoolProperty<C>("AutoShowHideCaptions", &C::SetAutoShowHideCaptions, false),
       IntegerProperty<C>("WidthWithCaptions", &C::SetWidthWithCaptions, 0),
       IntegerProperty<C>("WidthWithoutCaptions", &C::SetWidthWithoutCaptions, 0),
       BoolProperty<C>("Flat", &C::SetFlat, false),
       ReferenceProperty<C, TCustomImageList>("Images", &C::SetImages),
       ReferenceProperty<C, TCustomImageList>("HotImages", &C::SetHotImages),
       ReferenceProperty<C, TCustomImageList>("DisabledImages", &C::SetDisabledImages)});
}

void RegisterControlBar() {
  using C = TspSkinControlBar;
  // SkinBevel has no fixed default: it is always stored.
  TPropertyInfo skinBevel = BoolProperty<C>("SkinBevel", &C::SetSkinBevel, false);
  skinBevel.defaultValue = AnsiString();
  RegisterClassProperties(C::StaticClass(),
                          {StringProperty<C>("SkinDataName", &C::SetSkinDataName, "controlbar"),
                           ReferenceProperty<C, TspSkinData>("SkinData", &C::SetSkinData), skinBevel});
}

void RegisterButtonsBar() {
  using I = TspButtonBarItem;
  RegisterClassProperties(I::StaticClass(),
                          {StringProperty<I>("Text", &I::SetText), StringProperty<I>("Hint", &I::SetHint),
                           IntegerProperty<I>("ImageIndex", &I::SetImageIndex, 0),
                           IntegerProperty<I>("Tag", &I::SetTag, 0),
                           EnumProperty<I, TspButtonLayout>("Layout", &I::SetLayout, ButtonLayoutIdents(), "blGlyphTop"),
                           IntegerProperty<I>("Margin", &I::SetMargin, -1),
                           IntegerProperty<I>("Spacing", &I::SetSpacing, 1), EventProperty<I>("OnClick", &I::OnClick),
                           EventProperty<I>("OnDblClick", &I::OnDblClick)});
  using S = TspButtonBarSection;
  RegisterClassProperties(S::StaticClass(),
                          {StringProperty<S>("Text", &S::SetText), StringProperty<S>("Hint", &S::SetHint),
                           CollectionProperty<S>("Items", &S::Items), IntegerProperty<S>("Tag", &S::SetTag, 0),
                           IntegerProperty<S>("ImageIndex", &S::SetImageIndex, 0),
                           IntegerProperty<S>("Margin", &S::SetMargin, -1),
                           IntegerProperty<S>("Spacing", &S::SetSpacing, 1), EventProperty<S>("OnClick", &S::OnClick),
                           EventProperty<S>("OnDblClick", &S::OnDblClick)});
  using C = TspSkinButtonsBar;
  RegisterClassProperties(
      C::StaticClass(),
      {CollectionProperty<C>("Sections", &C::Sections), IntegerProperty<C>("SectionIndex", &C::SetSectionIndex, 0),
       BoolProperty<C>("ShowButtons", &C::SetShowButtons, true), BoolProperty<C>("WebStyle", &C::SetWebStyle, false),
       BoolProperty<C>("ShowItemHint", &C::SetShowItemHint, true),
       ObjectProperty<C>("DefaultSectionFont", &C::DefaultSectionFont),
       ObjectProperty<C>("DefaultItemFont", &C::DefaultItemFont),
       IntegerProperty<C>("DefaultButtonHeight", &C::SetDefaultButtonHeight, 25),
       IntegerProperty<C>("ItemHeight", &C::SetItemHeight, 60),
       BoolProperty<C>("ItemsTransparent", &C::SetItemsTransparent, true),
       StringProperty<C>("SectionButtonSkinDataName", &C::SetSectionButtonSkinDataName, "toolbutton"),
       ReferenceProperty<C, TCustomImageList>("SectionImages", &C::SetSectionImages),
       ReferenceProperty<C, TCustomImageList>("ItemImages", &C::SetItemImages),
       EventProperty<C>("OnChanging", &C::OnChanging), EventProperty<C>("OnChange", &C::OnChange)});
}

}  // namespace

void RegisterSkinToolBars() {
  RegisterToolBar();
  RegisterControlBar();
  RegisterButtonsBar();
}
