#include "skin/data/Skindata_Objects.h"

using namespace skinkeys;

void TspDataUserObject::LoadFromFile(TCustomIniFile* ini) { ReadLookKeys(*this, ini, IDName, ReadKeys()); }

void TspDataUserObject::SaveToFile(TCustomIniFile* ini) {
  ini->EraseSection(IDName);
  WriteLookKeys(*this, ini, IDName, ReadKeys());
}

const TspLookKeys<TspDataUserObject>& TspDataUserObject::ReadKeys() {
  using C = TspDataUserObject;
  static const TspLookKeys<C> keys{Boolean<C>("rollup", &C::RollUp), Rect<C>("skinrect", &C::SkinRect),
                                   Integer<C>("cursorindex", &C::CursorIndex, -1)};
  return keys;
}

const TspLookKeys<TspDataSkinButton>& TspDataSkinButton::ReadKeys() {
  using C = TspDataSkinButton;
  static const TspLookKeys<C> keys{Rect("downrect", &C::DownRect), Rect("disableskinrsect", &C::DisableSkinRsect),
                                   Integer("groupindex", &C::GroupIndex, -1)};
  return keys;
}

const TspLookKeys<TspDataSkinStdButton>& TspDataSkinStdButton::ReadKeys() {
  using C = TspDataSkinStdButton;
  static const TspLookKeys<C> keys{Word("command", &C::Command, StdCommandWords(), cmDefault),
                                   Rect("restorerect", &C::RestoreRect),
                                   Rect("restoreactiverect", &C::RestoreActiveRect),
                                   Rect("restoredownrect", &C::RestoreDownRect),
                                   Rect("restoreinactiverect", &C::RestoreInActiveRect)};
  return keys;
}

const TspLookKeys<TspDataSkinCaption>& TspDataSkinCaption::ReadKeys() {
  using C = TspDataSkinCaption;
  static const TspLookKeys<C> keys = Join<C>(
      {{Boolean("defaultcaption", &C::DefaultCaption), Rect("textrect", &C::TextRect)},
       Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
       {Integer("activefontcolor", &C::ActiveFontColor), Word("alignment", &C::Alignment, AlignmentWords(), taCenter),
        Boolean("shadow", &C::Shadow), Integer("shadowcolor", &C::ShadowColor), Boolean("light", &C::Light),
        Integer("lightcolor", &C::LightColor), Integer("activelightcolor", &C::ActiveLightColor),
        Integer("activeshadowcolor", &C::ActiveShadowColor), Rect("framerect", &C::FrameRect),
        Rect("activeframerect", &C::ActiveFrameRect), Rect("frametextrect", &C::FrameTextRect),
        Integer("frameleftoffset", &C::FrameLeftOffset), Integer("framerightoffset", &C::FrameRightOffset),
        Boolean("stretcheffect", &C::StretchEffect), Rect("animateskinrect", &C::AnimateSkinRect),
        Integer("framecount", &C::FrameCount), Integer("animateinterval", &C::AnimateInterval, 25),
        Boolean("inactiveanimation", &C::InActiveAnimation), Boolean("fullframe", &C::FullFrame)}});
  return keys;
}

const TspLookKeys<TspDataSkinCaption>& TspDataSkinCaption::WriteKeys() {
  static const TspLookKeys<TspDataSkinCaption> keys = Reordered(
      ReadKeys(), {"defaultcaption", "textrect", "fontname", "fontheight", "fontstyle", "fontcolor",
                   "activefontcolor", "alignment", "light", "lightcolor", "activelightcolor", "shadow", "shadowcolor",
                   "activeshadowcolor", "framerect", "activeframerect", "frametextrect", "frameleftoffset",
                   "framerightoffset", "stretcheffect", "animateskinrect", "framecount", "animateinterval",
                   "inactiveanimation", "fullframe"});
  return keys;
}

const TspLookKeys<TspDataSkinLabel>& TspDataSkinLabel::ReadKeys() {
  using C = TspDataSkinLabel;
  static const TspLookKeys<C> keys{Text("fontname", &C::FontName, "Arial", "fontName"),
                                   Integer("fontheight", &C::FontHeight, 14),
                                   Styles("fontstyle", &C::FontStyle),
                                   Integer("fontcolor", &C::FontColor),
                                   Integer("activefontcolor", &C::ActiveFontColor),
                                   Word("alignment", &C::Alignment, AlignmentWords(), taCenter),
                                   Text("textvalue", &C::TextValue)};
  return keys;
}

void TspDataSkinBitLabel::LoadFromFile(TCustomIniFile* ini) {
  TspLookKind::LoadFromFile(ini);
  Morphing = false;
}

const TspLookKeys<TspDataSkinBitLabel>& TspDataSkinBitLabel::ReadKeys() {
  using C = TspDataSkinBitLabel;
  static const TspLookKeys<C> keys{Text("textvalue", &C::TextValue),
                                   Integer("symbolwidth", &C::SymbolWidth),
                                   Integer("symbolheight", &C::SymbolHeight),
                                   Lines("symbols", &C::Symbols),
                                   Boolean("transparent", &C::Transparent),
                                   Integer("transparentcolor", &C::TransparentColor, clFuchsia)};
  return keys;
}

const TspLookKeys<TspDataSkinGauge>& TspDataSkinGauge::ReadKeys() {
  using C = TspDataSkinGauge;
  static const TspLookKeys<C> keys{Integer("minvalue", &C::MinValue), Integer("maxvalue", &C::MaxValue),
                                   Word("kind", &C::Kind, GaugeKindWords(), gkHorizontal)};
  return keys;
}

void TspDataSkinTrackBar::LoadFromFile(TCustomIniFile* ini) {
  TspLookKind::LoadFromFile(ini);
  Morphing = false;
}

const TspLookKeys<TspDataSkinTrackBar>& TspDataSkinTrackBar::ReadKeys() {
  using C = TspDataSkinTrackBar;
  static const TspLookKeys<C> keys{Rect("buttonrect", &C::ButtonRect),
                                   Rect("activebuttonrect", &C::ActiveButtonRect),
                                   Point("beginpoint", &C::BeginPoint),
                                   Point("endpoint", &C::EndPoint),
                                   Integer("minvalue", &C::MinValue),
                                   Integer("maxvalue", &C::MaxValue),
                                   Boolean("mousedownchangevalue", &C::MouseDownChangeValue),
                                   Boolean("buttontransparent", &C::ButtonTransparent),
                                   Integer("buttontransparentcolor", &C::ButtonTransparentColor)};
  return keys;
}

void TspDataSkinAnimate::LoadFromFile(TCustomIniFile* ini) {
  TspLookKind::LoadFromFile(ini);
  Morphing = false;
}

const TspLookKeys<TspDataSkinAnimate>& TspDataSkinAnimate::ReadKeys() {
  using C = TspDataSkinAnimate;
  static const TspLookKeys<C> keys{Integer("countframes", &C::CountFrames, 1),
                                   Boolean("cycle", &C::Cycle),
                                   Boolean("buttonstyle", &C::ButtonStyle),
                                   Integer("timerinterval", &C::TimerInterval, 50),
                                   Word("command", &C::Command, StdCommandWords(), cmDefault),
                                   Rect("downskinrect", &C::DownSkinRect),
                                   Rect("restorerect", &C::RestoreRect),
                                   Rect("restoreactiverect", &C::RestoreActiveRect),
                                   Rect("restoredownrect", &C::RestoreDownRect),
                                   Rect("restoreinactiverect", &C::RestoreInActiveRect)};
  return keys;
}

const TspLookKeys<TspDataSkinFrameGaugeObject>& TspDataSkinFrameGaugeObject::ReadKeys() {
  static const TspLookKeys<TspDataSkinFrameGaugeObject> keys = FrameKeys();
  return keys;
}

const TspLookKeys<TspDataSkinFrameRegulatorObject>& TspDataSkinFrameRegulatorObject::ReadKeys() {
  using C = TspDataSkinFrameRegulatorObject;
  static const TspLookKeys<C> keys = Join<C>({FrameKeys(), {Word("kind", &C::Kind, RegulatorKindWords(), rkRound)}});
  return keys;
}

const TspLookKeys<TspDataSkinMainMenuItem>& TspDataSkinMainMenuItem::ReadKeys() {
  using C = TspDataSkinMainMenuItem;
  static const TspLookKeys<C> keys = Join<C>(
      {{Integer("itemleftoffset", &C::ItemLeftOffset), Integer("itemrightoffset", &C::ItemRightOffset),
        Rect("downrect", &C::DownRect), Rect("textrect", &C::TextRect)},
       Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
       {Integer("activefontcolor", &C::ActiveFontColor), Integer("downfontcolor", &C::DownFontColor),
        Integer("unenabledfontColor", &C::UnEnabledFontColor), Boolean("stretcheffect", &C::StretchEffect),
        Rect("animateskinrect", &C::AnimateSkinRect), Integer("framecount", &C::FrameCount),
        Integer("animateinterval", &C::AnimateInterval, 25), Boolean("inactiveanimation", &C::InActiveAnimation)}});
  return keys;
}
