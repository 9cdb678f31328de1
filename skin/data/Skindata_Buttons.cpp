#include "skin/data/Skindata_Buttons.h"

using namespace skinkeys;

const TspLookKeys<TspDataSkinButtonControl>& TspDataSkinButtonControl::ReadKeys() {
  using C = TspDataSkinButtonControl;
  static const TspLookKeys<C> keys =
      Join<C>({Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
               {Integer("activefontcolor", &C::ActiveFontColor), Integer("disabledfontcolor", &C::DisabledFontColor),
                Integer("downfontcolor", &C::DownFontColor), Boolean("morphing", &C::Morphing),
                Word("morphkind", &C::MorphKind, MorphKindWords(), mkDefault),
                Rect("activeskinrect", &C::ActiveSkinRect), Rect("downskinrect", &C::DownSkinRect),
                Rect("focusedskinrect", &C::FocusedSkinRect), Rect("disabledskinrect", &C::DisabledSkinRect),
                Rect("animateskinrect", &C::AnimateSkinRect), Integer("framecount", &C::FrameCount),
                Integer("animateinterval", &C::AnimateInterval, 25), Boolean("showfocus", &C::ShowFocus),
                Rect("menumarkerflatrect", &C::MenuMarkerFlatRect), Rect("menumarkerrect", &C::MenuMarkerRect),
                Rect("menumarkeractiverect", &C::MenuMarkerActiveRect),
                Rect("menumarkerdownrect", &C::MenuMarkerDownRect),
                Integer("menumarkertransparentcolor", &C::MenuMarkerTransparentColor)}});
  return keys;
}

const TspLookKeys<TspDataSkinButtonControl>& TspDataSkinButtonControl::WriteKeys() {
  static const TspLookKeys<TspDataSkinButtonControl> keys =
      Reordered(ReadKeys(), {"fontname", "fontheight", "fontstyle", "fontcolor", "activefontcolor", "downfontcolor",
                             "disabledfontcolor", "morphing", "morphkind", "activeskinrect", "downskinrect",
                             "focusedskinrect", "disabledskinrect", "animateskinrect", "framecount",
                             "animateinterval", "showfocus", "menumarkerflatrect", "menumarkerrect",
                             "menumarkeractiverect", "menumarkerdownrect", "menumarkertransparentcolor"});
  return keys;
}

const TspLookKeys<TspDataSkinMenuButtonControl>& TspDataSkinMenuButtonControl::ReadKeys() {
  using C = TspDataSkinMenuButtonControl;
  static const TspLookKeys<C> keys{Rect("trackbuttonrect", &C::TrackButtonRect)};
  return keys;
}

const TspLookKeys<TspDataSkinCheckRadioControl>& TspDataSkinCheckRadioControl::ReadKeys() {
  using C = TspDataSkinCheckRadioControl;
  static const TspLookKeys<C> keys =
      Join<C>({Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
               {Integer("activefontcolor", &C::ActiveFontColor), Integer("unenabledfontcolor", &C::UnEnabledFontColor),
                Integer("framefontcolor", &C::FrameFontColor), Boolean("morphing", &C::Morphing),
                Word("morphkind", &C::MorphKind, MorphKindWords(), mkDefault),
                Rect("activeskinrect", &C::ActiveSkinRect), Rect("checkimagearea", &C::CheckImageArea),
                Rect("textarea", &C::TextArea), Rect("checkimagerect", &C::CheckImageRect),
                Rect("uncheckimagerect", &C::UnCheckImageRect),
                Rect("activecheckimagerect", &C::ActiveCheckImageRect),
                Rect("activeuncheckimagerect", &C::ActiveUnCheckImageRect),
                Rect("unenabledcheckimagerect", &C::UnEnabledCheckImageRect),
                Rect("unenableduncheckimagerect", &C::UnEnabledUnCheckImageRect),
                Rect("grayedcheckimagerect", &C::GrayedCheckImageRect),
                Rect("activegrayedcheckimagerect", &C::ActiveGrayedCheckImageRect)}});
  return keys;
}
