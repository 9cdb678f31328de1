#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_HeaderControl.h"
#include "skin/controls/Skinctrls_ListView.h"
#include "skin/controls/Skinctrls_RichEdit.h"
#include "skin/controls/Skinctrls_ScrollBar.h"
#include "skin/controls/Skinctrls_TreeView.h"
#include "skin/data/Skindata_SkinData.h"

namespace {

// The skin connection, defaults and attached bars of the tree view, list view and rich edit.
template <class C>
void RegisterViewSkin(const char* skinDataName, std::initializer_list<TPropertyInfo> more) {
  RegisterClassProperties(
      C::StaticClass(),
      {ReferenceProperty<C, TspSkinData>("SkinData", &C::SetSkinData),
       StringProperty<C>("SkinDataName", &C::SetSkinDataName, skinDataName),
       ObjectProperty<C>("DefaultFont", &C::DefaultFont), ColorProperty<C>("DefaultColor", &C::SetDefaultColor, clWindow),
       ReferenceProperty<C, TspSkinScrollBar>("VScrollBar", &C::SetVScrollBar),
       ReferenceProperty<C, TspSkinScrollBar>("HScrollBar", &C::SetHScrollBar)});
  RegisterClassProperties(C::StaticClass(), more);
}

void RegisterHeaderControl() {
  using C = TspSkinHeaderControl;
  RegisterClassProperties(
      C::StaticClass(),
      {ReferenceProperty<C, TspSkinData>("SkinData", &C::SetSkinData),
       StringProperty<C>("SkinDataName", &C::SetSkinDataName, "resizebutton"),
       ObjectProperty<C>("DefaultFont", &C::DefaultFont), IntegerProperty<C>("DefaultHeight", &C::SetDefaultHeight, 0),
       BoolProperty<C>("UseSkinFont", &C::SetUseSkinFont, true),
       EventProperty<C>("OnSkinSectionClick", &C::OnSkinSectionClick),
       EventProperty<C>("OnDrawSkinSection", &C::OnDrawSkinSection)});
}

}  // namespace

void RegisterSkinViews() {
  using T = TspSkinCustomTreeView;
  RegisterViewSkin<T>("treeview", {BoolProperty<T>("UseSkinFont", &T::SetUseSkinFont, true)});
  RegisterClassProperties(TspSkinTreeView::StaticClass(), {});
  using L = TspSkinCustomListView;
  RegisterViewSkin<L>("listview", {BoolProperty<L>("UseSkinFont", &L::SetUseSkinFont, true),
                                   StringProperty<L>("HeaderSkinDataName", &L::SetHeaderSkinDataName, "resizebutton"),
                                   EventProperty<L>("OnDrawHeaderSection", &L::OnDrawHeaderSection)});
  RegisterClassProperties(TspSkinListView::StaticClass(), {});
  RegisterHeaderControl();
  using R = TspSkinRichEdit;
  RegisterViewSkin<R>("richedit", {BoolProperty<R>("SkinSupport", &R::SetSkinSupport, false)});
}
