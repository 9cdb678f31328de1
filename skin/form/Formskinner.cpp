// Form resources: the component's published properties and events.
#include "skin/form/Formskinner.h"

#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_StatusBar.h"
#include "skin/controls/Skinhint.h"
#include "skin/form/Skinmessage.h"

namespace {

const TIdentTable kPositions("TspPositionInMonitor", {{"sppDefault", sppDefault},
                                                      {"sppScreenCenter", sppScreenCenter},
                                                      {"sppDesktopCenter", sppDesktopCenter}});
const TIdentTable kBorderIcons("TspBorderIcon",
                               {{"biSystemMenu", static_cast<int>(TspBorderIcon::biSystemMenu)},
                                {"biMinimize", static_cast<int>(TspBorderIcon::biMinimize)},
                                {"biMaximize", static_cast<int>(TspBorderIcon::biMaximize)},
                                {"biRollUp", static_cast<int>(TspBorderIcon::biRollUp)},
                                {"biMinimizeToTray", static_cast<int>(TspBorderIcon::biMinimizeToTray)}});

// A published field stored as it is read.
template <auto Field>
auto Store() {
  return [](TspFormSkinner* skinner, auto value) { skinner->*Field = value; };
}

void RegisterFormSkinner() {
  using S = TspFormSkinner;
  RegisterClassProperties(
      S::StaticClass(),
      {EnumProperty<S, TspPositionInMonitor>("PositionInMonitor", Store<&S::PositionInMonitor>(), kPositions,
                                             "sppDefault"),
       IntegerProperty<S>("ClientWidth", Store<&S::ClientWidth>(), 0),
       IntegerProperty<S>("ClientHeight", Store<&S::ClientHeight>(), 0),
       BoolProperty<S>("HideCaptionButtons", Store<&S::HideCaptionButtons>(), false),
       ObjectProperty<S>("LogoBitMap", &S::LogoBitMap),
       BoolProperty<S>("LogoBitMapTransparent", Store<&S::LogoBitMapTransparent>(), false),
       BoolProperty<S>("MaximizeOnFullScreen", Store<&S::MaximizeOnFullScreen>(), false),
       IntegerProperty<S>("MinWidth", Store<&S::MinWidth>(), 0),
       IntegerProperty<S>("MinHeight", Store<&S::MinHeight>(), 0),
       IntegerProperty<S>("MaxWidth", Store<&S::MaxWidth>(), 0),
       IntegerProperty<S>("MaxHeight", Store<&S::MaxHeight>(), 0),
       BoolProperty<S>("Sizeable", Store<&S::Sizeable>(), true),
       SetProperty<S, TspBorderIcon>("BorderIcons", Store<&S::BorderIcons>(), kBorderIcons,
                                     "[biSystemMenu, biMinimize, biMaximize, biRollUp]"),
       BoolProperty<S>("SupportNCArea", &S::SetSupportNCArea, true),
       ReferenceProperty<S, TspSkinData>("SkinData", &S::SetSkinData),
       ReferenceProperty<S, TspSkinData>("MenusSkinData", &S::SetMenusSkinData),
       BoolProperty<S>("ShowObjectHint", Store<&S::ShowObjectHint>(), false),
       BoolProperty<S>("UseDefaultObjectHint", Store<&S::UseDefaultObjectHint>(), true),
       BoolProperty<S>("UseSkinCursors", Store<&S::UseSkinCursors>(), false),
       BoolProperty<S>("UseFormCursorInNCArea", Store<&S::UseFormCursorInNCArea>(), false),
       BoolProperty<S>("DraggAble", Store<&S::DraggAble>(), false),
       BoolProperty<S>("Magnetic", Store<&S::Magnetic>(), false),
       IntegerProperty<S>("MagneticSize", Store<&S::MagneticSize>(), 10),
       ReferenceProperty<S, TPopupMenu>("SystemMenu", &S::SetSystemMenu),
       BoolProperty<S>("UseDefaultSysMenu", Store<&S::UseDefaultSysMenu>(), true),
       BoolProperty<S>("ShowIcon", &S::SetShowIcon, false),
       BoolProperty<S>("UseSkinFontInMenu", &S::SetUseSkinFontInMenu, true),
       IntegerProperty<S>("DefMenuItemHeight", &S::SetDefaultMenuItemHeight, 20),
       ObjectProperty<S>("DefMenuItemFont", &S::GetDefaultMenuItemFont),
       IntegerProperty<S>("MaxMenuItemsInWindow", &S::SetMaxMenuItemsInWindow, 0),
       BoolProperty<S>("MenusAlphaBlend", &S::SetMenusAlphaBlend, false),
       BoolProperty<S>("MenusAlphaBlendAnimation", &S::SetMenusAlphaBlendAnimation, false),
       IntegerProperty<S>("MenusAlphaBlendValue", &S::SetMenusAlphaBlendValue, 200),
       ReferenceProperty<S, TspSkinHint>("SkinHint", &S::SetSkinHint),
       ReferenceProperty<S, TspSkinStatusBar>("StatusBar", &S::SetStatusBar),
       EventProperty("OnChangeClientRect", &S::OnChangeClientRect),
       EventProperty("OnChangeSkinData", &S::OnChangeSkinData),
       EventProperty("OnActivate", &S::OnActivate),
       EventProperty("OnDeActivate", &S::OnDeActivate),
       EventProperty("OnMinimize", &S::OnMinimize),
       EventProperty("OnMaximize", &S::OnMaximize),
       EventProperty("OnRestore", &S::OnRestore),
       EventProperty("OnMouseDownEvent", &S::OnMouseDownEvent),
       EventProperty("OnMouseUpEvent", &S::OnMouseUpEvent),
       EventProperty("OnMouseMoveEvent", &S::OnMouseMoveEvent),
       EventProperty("OnMouseEnterEvent", &S::OnMouseEnterEvent),
       EventProperty("OnMouseLeaveEvent", &S::OnMouseLeaveEvent),
       EventProperty("OnPaintEvent", &S::OnPaintEvent),
       EventProperty("OnSwitchChangeStateEvent", &S::OnSwitchChangeStateEvent),
       EventProperty("OnActivateCustomObject", &S::OnActivateCustomObject),
       EventProperty("OnSkinMenuOpen", &S::OnSkinMenuOpen),
       EventProperty("OnSkinMenuClose", &S::OnSkinMenuClose),
       EventProperty("OnMainMenuEnter", &S::OnMainMenuEnter),
       EventProperty("OnMainMenuExit", &S::OnMainMenuExit),
       EventProperty("OnShortCut", &S::OnShortCut)});
  RegisterClassProperties(
      TspSkinComponent::StaticClass(),
      {ReferenceProperty<TspSkinComponent, TspSkinData>("SkinData", &TspSkinComponent::SetSkinData)});
}

}  // namespace

void InitializeFormSkinner() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterFormSkinner();
  RegisterSkinMessage();
}
