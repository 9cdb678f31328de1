#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinhint.h"
#include "skin/controls/Skinimagesmenu.h"

namespace {

void RegisterHint() {
  using C = TspSkinHint;
  RegisterClassProperties(
      C::StaticClass(),
      {StringProperty<C>("LineSeparator", [](C* c, const AnsiString& v) { c->LineSeparator = v; }, "@"),
       ObjectProperty<C>("DefaultFont", &C::DefaultFont),
       BoolProperty<C>("UseSkinFont", [](C* c, bool v) { c->UseSkinFont = v; }, true),
       BoolProperty<C>("AlphaBlendSupport", &C::SetAlphaBlendSupport, true),
       BoolProperty<C>("AlphaBlend", [](C* c, bool v) { c->AlphaBlend = v; }, false),
       IntegerProperty<C>("AlphaBlendValue", &C::SetAlphaBlendValue, 200),
       BoolProperty<C>("AlphaBlendAnimation", [](C* c, bool v) { c->AlphaBlendAnimation = v; }, false),
       ReferenceProperty<C, TspSkinData>("SkinData", &C::SetSkinData),
       BoolProperty<C>("Active", &C::SetActive, true),
       EventProperty<C>("OnShowHint", &C::OnShowHint)});
}

void RegisterImagesMenu() {
  using I = TspImagesMenuItem;
  RegisterClassProperties(I::StaticClass(),
                          {BoolProperty<I>("Button", &I::SetButton, false),
                           BoolProperty<I>("Header", &I::SetHeader, false),
                           StringProperty<I>("Caption", &I::SetCaption),
                           StringProperty<I>("Hint", &I::SetHint),
                           IntegerProperty<I>("ImageIndex", &I::SetImageIndex, -1),
                           EventProperty<I>("OnClick", &I::OnClick)});
  using C = TspSkinImagesMenu;
  RegisterClassProperties(
      C::StaticClass(),
      {ReferenceProperty<C, TCustomImageList>("Images", &C::SetImages),
       CollectionProperty<C>("ImagesItems", [](C* c) -> TCollection* { return c->ImagesItems(); }),
       IntegerProperty<C>("ItemIndex", &C::SetItemIndex, -1),
       IntegerProperty<C>("ColumnsCount", &C::SetColumnsCount, 1),
       BoolProperty<C>("ShowSelectedItem", [](C* c, bool v) { c->ShowSelectedItem = v; }, true),
       BoolProperty<C>("ShowHints", [](C* c, bool v) { c->ShowHints = v; }, true),
       ReferenceProperty<C, TspSkinHint>("SkinHint", &C::SetSkinHint),
       ReferenceProperty<C, TspSkinData>("SkinData", &C::SetSkinData),
       BoolProperty<C>("UseSkinFont", [](C* c, bool v) { c->UseSkinFont = v; }, true),
       ObjectProperty<C>("DefaultFont", &C::DefaultFont),
       BoolProperty<C>("AlphaBlend", [](C* c, bool v) { c->AlphaBlend = v; }, false),
       BoolProperty<C>("AlphaBlendAnimation", [](C* c, bool v) { c->AlphaBlendAnimation = v; }, false),
       IntegerProperty<C>("AlphaBlendValue", &C::SetAlphaBlendValue, 200),
       EventProperty<C>("OnItemClick", &C::OnItemClick),
       EventProperty<C>("OnChange", &C::OnChange),
       EventProperty<C>("OnMenuPopup", &C::OnMenuPopup),
       EventProperty<C>("OnMenuClose", &C::OnMenuClose)});
}

}  // namespace

void RegisterSkinHintsAndImagesMenus() {
  RegisterHint();
  RegisterImagesMenu();
}
