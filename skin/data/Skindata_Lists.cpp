#include "skin/data/Skindata_Lists.h"

using namespace skinkeys;

const TspLookKeys<TspDataSkinEditControl>& TspDataSkinEditControl::ReadKeys() {
  using C = TspDataSkinEditControl;
  static const TspLookKeys<C> keys = Join<C>(
      {{Rect("activeskinrect", &C::ActiveSkinRect)}, Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
       {Integer("disabledfontcolor", &C::DisabledFontColor), Integer("activefontcolor", &C::ActiveFontColor),
        Rect("buttonrect", &C::ButtonRect), Rect("activebuttonrect", &C::ActiveButtonRect),
        Rect("downbuttonrect", &C::DownButtonRect), Rect("unenabledbuttonrect", &C::UnEnabledButtonRect)}});
  return keys;
}

const TspLookKeys<TspDataSkinEditControl>& TspDataSkinEditControl::WriteKeys() {
  static const TspLookKeys<TspDataSkinEditControl> keys =
      Reordered(ReadKeys(), {"activeskinrect", "fontname", "fontheight", "fontstyle", "fontcolor", "activefontcolor",
                             "disabledfontcolor", "buttonrect", "activebuttonrect", "downbuttonrect",
                             "unenabledbuttonrect"});
  return keys;
}

const TspLookKeys<TspDataSkinMemoControl>& TspDataSkinMemoControl::ReadKeys() {
  using C = TspDataSkinMemoControl;
  static const TspLookKeys<C> keys{Integer("bgcolor", &C::BGColor), Integer("activebgcolor", &C::ActiveBGColor)};
  return keys;
}

const TspLookKeys<TspDataSkinSpinEditControl>& TspDataSkinSpinEditControl::ReadKeys() {
  using C = TspDataSkinSpinEditControl;
  static const TspLookKeys<C> keys = Join<C>(
      {{Rect("activeskinrect", &C::ActiveSkinRect)}, Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
       {Integer("activefontcolor", &C::ActiveFontColor), Integer("disabledfontcolor", &C::DisabledFontColor),
        Rect("upbuttonrect", &C::UpButtonRect), Rect("activeupbuttonrect", &C::ActiveUpButtonRect),
        Rect("downupbuttonrect", &C::DownUpButtonRect), Rect("downbuttonrect", &C::DownButtonRect),
        Rect("activedownbuttonrect", &C::ActiveDownButtonRect),
        Rect("downdownbuttonrect", &C::DownDownButtonRect)}});
  return keys;
}

const TspLookKeys<TspDataSkinListBox>& TspDataSkinListBox::ReadKeys() {
  using C = TspDataSkinListBox;
  static const TspLookKeys<C> keys = Join<C>(
      {{Rect("itemrect", &C::ItemRect), Rect("activeitemrect", &C::ActiveItemRect),
        Rect("focusitemrect", &C::FocusItemRect), Integer("itemleftoffset", &C::ItemLeftOffset),
        Integer("itemrightoffset", &C::ItemRightOffset), Rect("itemtextrect", &C::ItemTextRect)},
       Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
       {Integer("activefontcolor", &C::ActiveFontColor), Integer("focusfontcolor", &C::FocusFontColor),
        Rect("captionrect", &C::CaptionRect), Text("captionfontname", &C::CaptionFontName, "Arial"),
        Integer("captionfontheight", &C::CaptionFontHeight, 14), Styles("captionfontstyle", &C::CaptionFontStyle),
        Integer("captionfontcolor", &C::CaptionFontColor), Rect("upbuttonrect", &C::UpButtonRect),
        Rect("activeupbuttonrect", &C::ActiveUpButtonRect), Rect("downupbuttonrect", &C::DownUpButtonRect),
        Rect("downbuttonrect", &C::DownButtonRect), Rect("activedownbuttonrect", &C::ActiveDownButtonRect),
        Rect("downdownbuttonrect", &C::DownDownButtonRect), Rect("checkbuttonrect", &C::CheckButtonRect),
        Rect("activecheckbuttonrect", &C::ActiveCheckButtonRect),
        Rect("downcheckbuttonrect", &C::DownCheckButtonRect),
        Text("vscrollbarname", &C::VScrollBarName, "vscrollbar"),
        Text("hscrollbarname", &C::HScrollBarName, "hscrollbar"),
        Text("bothhscrollbarname", &C::BothHScrollBarName, "bothhscrollbar"), Boolean("showfocus", &C::ShowFocus)}});
  return keys;
}

const TspLookKeys<TspDataSkinCheckListBox>& TspDataSkinCheckListBox::ReadKeys() {
  using C = TspDataSkinCheckListBox;
  static const TspLookKeys<C> keys{Rect("checkimagerect", &C::CheckImageRect), Rect("itemcheckrect", &C::ItemCheckRect),
                                   Rect("uncheckimagerect", &C::UnCheckImageRect)};
  return keys;
}

const TspLookKeys<TspDataSkinCheckListBox>& TspDataSkinCheckListBox::WriteKeys() {
  static const TspLookKeys<TspDataSkinCheckListBox> keys =
      Reordered(ReadKeys(), {"itemcheckrect", "uncheckimagerect", "checkimagerect"});
  return keys;
}

const TspLookKeys<TspDataSkinComboBox>& TspDataSkinComboBox::ReadKeys() {
  using C = TspDataSkinComboBox;
  static const TspLookKeys<C> keys = Join<C>(
      {{Rect("activeskinrect", &C::ActiveSkinRect), Rect("itemrect", &C::ItemRect),
        Rect("activeitemrect", &C::ActiveItemRect), Rect("focusitemrect", &C::FocusItemRect),
        Integer("itemleftoffset", &C::ItemLeftOffset), Integer("itemrightoffset", &C::ItemRightOffset),
        Rect("itemtextrect", &C::ItemTextRect)},
       Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
       {Integer("focusfontcolor", &C::FocusFontColor), Integer("activefontcolor", &C::ActiveFontColor),
        Text("listboxname", &C::ListBoxName), Rect("buttonrect", &C::ButtonRect),
        Rect("activebuttonrect", &C::ActiveButtonRect), Rect("downbuttonrect", &C::DownButtonRect),
        Rect("unenabledbuttonrect", &C::UnEnabledButtonRect), Boolean("itemstretcheffect", &C::ItemStretchEffect),
        Boolean("focusitemstretcheffect", &C::FocusItemStretchEffect), Boolean("showfocus", &C::ShowFocus)}});
  return keys;
}

const TspLookKeys<TspDataSkinComboBox>& TspDataSkinComboBox::WriteKeys() {
  static const TspLookKeys<TspDataSkinComboBox> keys = Reordered(
      ReadKeys(), {"activeskinrect", "itemrect", "activeitemrect", "focusitemrect", "itemleftoffset",
                   "itemrightoffset", "itemtextrect", "fontname", "fontheight", "fontstyle", "fontcolor",
                   "focusfontcolor", "activefontcolor", "buttonrect", "activebuttonrect", "downbuttonrect",
                   "unenabledbuttonrect", "listboxname", "itemstretcheffect", "focusitemstretcheffect", "showfocus"});
  return keys;
}
