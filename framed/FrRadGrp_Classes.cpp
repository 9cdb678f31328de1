// The radio groups' properties for form resources.
#include "classlib/formres/PropertyBinders.h"
#include "framed/FrRadGrp.h"

void RegisterRadioGroupClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  using G = TFrCustomRadioGroup;
  RegisterClassProperties(
      G::StaticClass(),
      {StringsProperty<G>("Items", &G::Items),
       IntegerProperty<G>("ItemIndex", &G::SetItemIndex, -1),
       IntegerProperty<G>("Columns", &G::SetColumns, 1),
       BoolProperty<G>("SpaceEvenly", &G::SetSpaceEvenly, false),
       IntegerProperty<G>("StartXPos", &G::SetStartXPos, 8),
       IntegerProperty<G>("StartYPos", &G::SetStartYPos, 2),
       IntegerProperty<G>("VerticalSpacing", &G::SetVerticalSpacing, 3),
       IntegerProperty<G>("ItemHeight", &G::SetItemHeight, 17),
       ObjectProperty<G>("ItemFont", &G::ItemFont),
       ColorProperty<G>("ItemFrameColor", &G::SetItemFrameColor, clBtnShadow),
       BoolProperty<G>("ItemHotTrack", &G::SetItemHotTrack, false),
       ColorProperty<G>("ItemHighlightColor", &G::SetItemHighlightColor, clHighlight),
       ColorProperty<G>("ItemHotTrackColor", &G::SetItemHotTrackColor, clHighlight),
       EnumProperty<G, TFrHotTrackColorType>("ItemHotTrackColorType", &G::SetItemHotTrackColorType,
                                             HotTrackColorTypeIdents(), "htctComplement"),
       ObjectProperty<G>("CustomGlyphs", &G::CustomGlyphs),
       BoolProperty<G>("UseCustomGlyphs", &G::SetUseCustomGlyphs, false),
       BoolProperty<G>("LightTextStyle", &G::SetLightTextStyle, false),
       EnumProperty<G, TTextStyle>("TextStyle", &G::SetTextStyle, TextStyleIdents(), "tsNormal"),
       IntegerProperty<G>("TextShadowDepth", &G::SetTextShadowDepth, 2),
       ColorProperty<G>("TextShadowColor", &G::SetTextShadowColor, clBtnShadow),
       ColorProperty<G>("TextHighlightColor", &G::SetTextHighlightColor, clBtnHighlight),
       ColorProperty<G>("TransparentColor", &G::SetTransparentColor, clOlive),
       ColorProperty<G>("WinMaskColor", &G::SetWinMaskColor, clTeal),
       BoolProperty<G>("TabOnEnter", &G::SetTabOnEnter, false),
       EventProperty<G>("OnChanging", &G::OnChanging)});
  RegisterClassProperties(TFrRadioGroup::StaticClass(), {});
}
