// The buttons' properties for form resources.
#include "classlib/formres/PropertyBinders.h"
#include "framed/FrCommon_Properties.h"
#include "framed/FrButton.h"

namespace {

const TIdentTable& ControlButtonStyleIdents() {
  static const TIdentTable table("TFrControlButtonStyle", {{"cbsNone", cbsNone},
                                                           {"cbsLeft", cbsLeft},
                                                           {"cbsUp", cbsUp},
                                                           {"cbsRight", cbsRight},
                                                           {"cbsDown", cbsDown},
                                                           {"cbsDropDown", cbsDropDown}});
  return table;
}

const TIdentTable& AlignmentIdents() {
  static const TIdentTable table("TAlignment",
                                 {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}});
  return table;
}

}  // namespace

void RegisterButtonClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  using B = TFrCustomButton;
  RegisterClassProperties(
      B::StaticClass(),
      {EnumProperty<B, TAlignmentVertical>("AlignmentVertical", &B::SetAlignmentVertical, AlignmentVerticalIdents(),
                                           "avCenter"),
       BoolProperty<B>("HotTrack", &B::SetHotTrack, false),
       ColorProperty<B>("HighlightColor", &B::SetHighlightColor, clHighlight),
       ColorProperty<B>("HotTrackColor", &B::SetHotTrackColor, clHighlight),
       EnumProperty<B, TFrHotTrackColorType>("HotTrackColorType", &B::SetHotTrackColorType, HotTrackColorTypeIdents(),
                                             "htctComplement"),
       BoolProperty<B>("LightTextStyle", &B::SetLightTextStyle, false),
       EnumProperty<B, TTextStyle>("TextStyle", &B::SetTextStyle, TextStyleIdents(), "tsNormal"),
       ColorProperty<B>("TextHighlightColor", &B::SetTextHighlightColor, clBtnHighlight),
       ColorProperty<B>("TextShadowColor", &B::SetTextShadowColor, clBtnShadow),
       IntegerProperty<B>("TextShadowDepth", &B::SetTextShadowDepth, 2),
       BoolProperty<B>("Transparent", &B::SetTransparent, false),
       EventProperty<B>("OnMouseEnter", &B::OnMouseEnter),
       EventProperty<B>("OnMouseLeave", &B::OnMouseLeave)});
  using C = TFrControlButton;
  RegisterClassProperties(
      C::StaticClass(),
      {BoolProperty<C>("Flat", &C::SetFlat, false),
       ObjectProperty<C>("Glyph", &C::Glyph),
       IntegerProperty<C>("NumGlyphs", &C::SetNumGlyphs, 1),
       WordProperty<C>("Delay", &C::SetDelay, 100),
       WordProperty<C>("InitialDelay", &C::SetInitialDelay, 400),
       BoolProperty<C>("RepeatClicks", &C::SetRepeatClicks, false),
       EnumProperty<C, TFrControlButtonStyle>("Style", &C::SetStyle, ControlButtonStyleIdents(), "cbsNone"),
       ColorProperty<C>("Color", &C::SetColor, clBtnFace),
       EventProperty<C>("OnMouseEnter", &C::OnMouseEnter),
       EventProperty<C>("OnMouseLeave", &C::OnMouseLeave)});
  using P = TFrButton;
  RegisterClassProperties(
      P::StaticClass(),
      {EnumProperty<P, TAlignment>("Alignment", &P::SetAlignment, AlignmentIdents(), "taCenter"),
       BoolProperty<P>("AllowAllUp", &P::SetAllowAllUp, false),
       BoolProperty<P>("Cancel", &P::SetCancel, false),
       BoolProperty<P>("Default", &P::SetDefault, false),
       IntegerProperty<P>("GroupIndex", &P::SetGroupIndex, 0),
       BoolProperty<P>("Down", &P::SetDown, false),
       IntegerProperty<P>("ModalResult", &P::SetModalResult, 0),
       BoolProperty<P>("ShowDownPattern", &P::SetShowDownPattern, true),
       BoolProperty<P>("ShowFocusRect", &P::SetShowFocusRect, true),
       ColorProperty<P>("Color", &P::SetColor, clBtnFace)});
}
