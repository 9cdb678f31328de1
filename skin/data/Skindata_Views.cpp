#include "skin/data/Skindata_Views.h"

using namespace skinkeys;

const TspLookKeys<TspDataSkinTabControl>& TspDataSkinTabControl::ReadKeys() {
  using C = TspDataSkinTabControl;
  static const TspLookKeys<C> keys = Join<C>(
      {{Rect("tabrect", &C::TabRect), Rect("activetabrect", &C::ActiveTabRect), Rect("focustabrect", &C::FocusTabRect),
        Rect("mouseintabrect", &C::MouseInTabRect), Rect("clientrect", &C::ClientRect),
        Integer("bgpictureindex", &C::BGPictureIndex, -1), Point("lefttoppoint", &C::LeftTopPoint),
        Point("righttoppoint", &C::RightTopPoint), Point("leftbottompoint", &C::LeftBottomPoint),
        Point("rightbottompoint", &C::RightBottomPoint), Integer("tableftoffset", &C::TabLeftOffset),
        Integer("tabrightoffset", &C::TabRightOffset), Rect("tabsbgrect", &C::TabsBGRect),
        Boolean("tabstretcheffect", &C::TabStretchEffect), Boolean("leftstretch", &C::LeftStretch),
        Boolean("topstretch", &C::TopStretch), Boolean("rightstretch", &C::RightStretch),
        Boolean("bottomstretch", &C::BottomStretch), Boolean("stretcheffect", &C::StretchEffect),
        Word("stretchtype", &C::StretchType, StretchTypeWords(), spstFull)},
       Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
       {Integer("activefontcolor", &C::ActiveFontColor), Integer("focusfontcolor", &C::FocusFontColor),
        Integer("mouseinfontcolor", &C::MouseInFontColor), Text("updown", &C::UpDown),
        Boolean("showfocus", &C::ShowFocus), Integer("focusoffsetx", &C::FocusOffsetX),
        Integer("focusoffsety", &C::FocusOffsetY), Rect("closebuttonrect", &C::CloseButtonRect),
        Rect("closebuttonactiverect", &C::CloseButtonActiveRect), Rect("closebuttondownrect", &C::CloseButtonDownRect),
        Boolean("buttontransparent", &C::ButtonTransparent),
        Integer("buttontransparentcolor", &C::ButtonTransparentColor)}});
  return keys;
}

const TspLookKeys<TspDataSkinGridControl>& TspDataSkinGridControl::ReadKeys() {
  using C = TspDataSkinGridControl;
  static const TspLookKeys<C> keys = Join<C>(
      {{Rect("fixedcellrect", &C::FixedCellRect), Rect("selectcellrect", &C::SelectCellRect),
        Rect("focuscellrect", &C::FocusCellRect), Integer("fixedcellleftoffset", &C::FixedCellLeftOffset),
        Integer("fixedcellrightoffset", &C::FixedCellRightOffset), Rect("fixedcelltextrect", &C::FixedCellTextRect),
        Integer("cellleftoffset", &C::CellLeftOffset), Integer("cellrightoffset", &C::CellRightOffset),
        Rect("celltextrect", &C::CellTextRect), Integer("linescolor", &C::LinesColor), Integer("bgcolor", &C::BGColor),
        Integer("bgpictureindex", &C::BGPictureIndex, -1)},
       Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
       {Integer("selectfontcolor", &C::SelectFontColor), Integer("focusfontcolor", &C::FocusFontColor),
        Text("fixedfontname", &C::FixedFontName, "Arial"), Integer("fixedfontheight", &C::FixedFontHeight, 14),
        Styles("fixedfontstyle", &C::FixedFontStyle), Integer("fixedfontcolor", &C::FixedFontColor),
        Boolean("cellstretcheffect", &C::CellStretchEffect),
        Boolean("fixedcellstretcheffect", &C::FixedCellStretchEffect), Boolean("showfocus", &C::ShowFocus)}});
  return keys;
}

const TspLookKeys<TspDataSkinControlBar>& TspDataSkinControlBar::ReadKeys() {
  using C = TspDataSkinControlBar;
  static const TspLookKeys<C> keys{Rect("itemrect", &C::ItemRect),
                                   Integer("bgpictureindex", &C::BGPictureIndex, -1),
                                   Rect("hgriprect", &C::HGripRect),
                                   Rect("vgriprect", &C::VGripRect),
                                   Integer("gripoffset1", &C::GripOffset1),
                                   Integer("gripoffset2", &C::GripOffset2),
                                   Boolean("itemstretcheffect", &C::ItemStretchEffect),
                                   Integer("itemoffset1", &C::ItemOffset1, 3),
                                   Integer("itemoffset2", &C::ItemOffset2, 3),
                                   Boolean("itemtransparent", &C::ItemTransparent),
                                   Integer("itemtransparentcolor", &C::ItemTransparentColor),
                                   Boolean("griptransparent", &C::GripTransparent),
                                   Integer("griptransparentcolor", &C::GripTransparentColor)};
  return keys;
}

const TspLookKeys<TspDataSkinControlBar>& TspDataSkinControlBar::WriteKeys() {
  static const TspLookKeys<TspDataSkinControlBar> keys =
      Reordered(ReadKeys(), {"itemrect", "bgpictureindex", "hgriprect", "vgriprect", "gripoffset1", "gripoffset2",
                             "itemoffset1", "itemoffset2", "itemstretcheffect", "itemtransparent",
                             "itemtransparentcolor", "griptransparent", "griptransparentcolor"});
  return keys;
}

const TspLookKeys<TspDataSkinMainMenuBar>& TspDataSkinMainMenuBar::ReadKeys() {
  using C = TspDataSkinMainMenuBar;
  static const TspLookKeys<C> keys{Rect("itemsrect", &C::ItemsRect),
                                   Text("menubaritem", &C::MenuBarItem),
                                   Text("closebutton", &C::CloseButton),
                                   Text("minbutton", &C::MinButton),
                                   Text("maxbutton", &C::MaxButton),
                                   Text("sysmenubutton", &C::SysMenuButton),
                                   Integer("trackmarkcolor", &C::TrackMarkColor),
                                   Integer("trackmarkactivecolor", &C::TrackMarkActiveColor),
                                   Boolean("stretcheffect", &C::StretchEffect),
                                   Boolean("itemtransparent", &C::ItemTransparent)};
  return keys;
}

void TspDataSkinFrameControl::LoadFromFile(TCustomIniFile* ini) {
  TspLookKind::LoadFromFile(ini);
  if (FramesCount < 1) FramesCount = 1;
}

const TspLookKeys<TspDataSkinFrameControl>& TspDataSkinFrameControl::ReadKeys() {
  using C = TspDataSkinFrameControl;
  static const TspLookKeys<C> keys{Integer("framescount", &C::FramesCount, 1),
                                   Word("framesplacement", &C::FramesPlacement, FramesPlacementWords(), fpHorizontal)};
  return keys;
}

const TspLookKeys<TspDataSkinFrameRegulator>& TspDataSkinFrameRegulator::ReadKeys() {
  using C = TspDataSkinFrameRegulator;
  static const TspLookKeys<C> keys{Word("kind", &C::Kind, RegulatorKindWords(), rkRound)};
  return keys;
}
