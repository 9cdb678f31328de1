// The page and tab controls and the sheets in form resources.
#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/shell/Skintabs.h"

namespace {

// What both controls publish of their own; B is the shared core of control C.
template <class C, class B>
void RegisterTabsSkin(std::initializer_list<TPropertyInfo> more) {
  RegisterClassProperties(
      C::StaticClass(),
      {ReferenceProperty<B, TspSkinData>("SkinData", &B::SetSkinData),
       StringProperty<B>("SkinDataName", &B::SetSkinDataName, "tab"),
       ObjectProperty<B>("DefaultFont", &B::DefaultFont), BoolProperty<B>("UseSkinFont", &B::SetUseSkinFont, true),
       IntegerProperty<B>("DefaultItemHeight", &B::SetDefaultItemHeight, 20),
       BoolProperty<C>("ShowCloseButtons", &C::SetShowCloseButtons, false),
       BoolProperty<B>("TabsBGTransparent", &B::SetTabsBGTransparent, false),
       ReferenceProperty<B, TCustomImageList>("Images", &B::SetImages),
       EventProperty<C>("OnClose", &C::OnClose), EventProperty<B>("OnAfterClose", &B::OnAfterClose),
       EventProperty<B>("OnDrawSkinTab", &B::OnDrawSkinTab)});
  RegisterClassProperties(C::StaticClass(), more);
}

}  // namespace

void RegisterSkinTabs() {
  using P = TspSkinPageControl;
  RegisterTabsSkin<P, TspSkinTabs<TPageControl>>({BoolProperty<P>("FreeOnClose", &P::SetFreeOnClose, false)});
  RegisterTabsSkin<TspSkinTabControl, TspSkinTabs<TTabControl>>({});
  using S = TspSkinCustomTabSheet;
  RegisterClassProperties(S::StaticClass(), {ObjectProperty<S>("WallPaper", &S::WallPaper)});
  RegisterClassProperties(TspSkinTabSheet::StaticClass(), {});
}
