#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_GraphicButton.h"
#include "skin/controls/Skinctrls_MenuButton.h"
#include "skin/controls/Skinctrls_MenuSpeedButton.h"

namespace {

// What both drop-down buttons publish beside their base's properties.
template <class C>
void RegisterMenuProperties() {
  RegisterClassProperties(
      C::StaticClass(),
      {StringProperty<C>("SkinDataName", &C::SetSkinDataName, "toolmenubutton"),
          ReferenceProperty<C, TspSkinPopupMenu>("SkinPopupMenu", &C::SetSkinPopupMenu),
          ReferenceProperty<C, TspSkinImagesMenu>(
              "SkinImagesMenu", [](C* button, TspSkinImagesMenu* menu) { button->SetSkinImagesMenu(menu); }),
          BoolProperty<C>("UseImagesMenuImage", &C::SetUseImagesMenuImage, false),
          BoolProperty<C>("UseImagesMenuCaption", &C::SetUseImagesMenuCaption, false),
          BoolProperty<C>("TrackButtonMode", &C::SetTrackButtonMode, false),
          EventProperty<C>("OnShowTrackMenu", &C::OnShowTrackMenu),
          EventProperty<C>("OnHideTrackMenu", &C::OnHideTrackMenu)});
}

const TIdentTable& TrackPositionIdents() {
  static const TIdentTable positions("TspTrackPosition", {{"sptpRight", sptpRight}, {"sptpBottom", sptpBottom}});
  return positions;
}

void RegisterGraphicButtons() {
  using G = TspSkinGraphicButton;
  RegisterClassProperties(G::StaticClass(),
                          {IntegerProperty<G>("ItemIndex", &G::SetItemIndex, 0),
                           ReferenceProperty<G, TspSkinHint>("MenuSkinHint", &G::SetMenuSkinHint),
                           BoolProperty<G>("MenuShowHints", &G::SetMenuShowHints, true),
                           BoolProperty<G>("MenuUseSkinFont", &G::SetMenuUseSkinFont, true),
                           ObjectProperty<G>("MenuDefaultFont", &G::MenuDefaultFont),
                           BoolProperty<G>("MenuAlphaBlend", &G::SetMenuAlphaBlend, false),
                           IntegerProperty<G>("MenuAlphaBlendValue", &G::SetMenuAlphaBlendValue, 200),
                           BoolProperty<G>("MenuAlphaBlendAnimation", &G::SetMenuAlphaBlendAnimation, false)});
  for (TClass picker : {TspSkinGradientStyleButton::StaticClass(), TspSkinBrushStyleButton::StaticClass(),
                        TspSkinPenStyleButton::StaticClass(), TspSkinPenWidthButton::StaticClass(),
                        TspSkinShadowStyleButton::StaticClass()})
    RegisterClassProperties(picker, {});
}

}  // namespace

void RegisterSkinMenuButtons() {
  RegisterMenuProperties<TspSkinMenuButton>();
  using S = TspSkinMenuSpeedButton;
  RegisterMenuProperties<S>();
  RegisterClassProperties(S::StaticClass(),
                          {BoolProperty<S>("NewStyle", &S::SetNewStyle, false),
                           EnumProperty<S, TspTrackPosition>("TrackPosition", &S::SetTrackPosition,
                                                             TrackPositionIdents(), "sptpRight")});
  RegisterGraphicButtons();
}
