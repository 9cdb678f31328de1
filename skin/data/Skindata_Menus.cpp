#include "skin/data/Skindata_Menus.h"

#include "skin/data/Sputils_Geometry.h"

using namespace skinkeys;

namespace {

void CompleteFrom(TRect& hot, const TRect& normal) {
  if (IsNullRect(hot)) hot = normal;
}

}  // namespace

void TspDataSkinMenuItem::LoadFromFile(TCustomIniFile* ini) {
  TspLookKind::LoadFromFile(ini);
  CompleteFrom(ActiveCheckImageRect, CheckImageRect);
  CompleteFrom(ActiveRadioImageRect, RadioImageRect);
  CompleteFrom(ActiveArrowImageRect, ArrowImageRect);
}

const TspLookKeys<TspDataSkinMenuItem>& TspDataSkinMenuItem::ReadKeys() {
  using C = TspDataSkinMenuItem;
  static const TspLookKeys<C> keys = Join<C>(
      {{Integer("itemleftoffset", &C::ItemLeftOffset), Integer("itemrightoffset", &C::ItemRightOffset),
        Rect("dividerrect", &C::DividerRect), Integer("dividerleftoffset", &C::DividerLeftOffset),
        Integer("dividerrightoffset", &C::DividerRightOffset), Rect("textrect", &C::TextRect),
        Rect("imagerect", &C::ImageRect)},
       Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
       {Integer("activefontcolor", &C::ActiveFontColor), Integer("unenabledfontcolor", &C::UnEnabledFontColor),
        Boolean("stretcheffect", &C::StretchEffect), Boolean("inactivestretcheffect", &C::InActiveStretchEffect),
        Boolean("dividerstretcheffect", &C::DividerStretchEffect), Rect("animateskinrect", &C::AnimateSkinRect),
        Integer("framecount", &C::FrameCount), Integer("animateinterval", &C::AnimateInterval, 25),
        Boolean("inactiveanimation", &C::InActiveAnimation), Boolean("useimagecolor", &C::UseImageColor),
        Integer("imagecolor", &C::ImageColor), Integer("activeimagecolor", &C::ActiveImageColor),
        Boolean("inactivetransparent", &C::InActiveTransparent), Rect("checkimagerect", &C::CheckImageRect),
        Rect("activecheckimagerect", &C::ActiveCheckImageRect), Rect("radioimagerect", &C::RadioImageRect),
        Rect("activeradioimagerect", &C::ActiveRadioImageRect), Rect("arrowimagerect", &C::ArrowImageRect),
        Rect("activearrowimagerect", &C::ActiveArrowImageRect)}});
  return keys;
}

const TspLookKeys<TspDataSkinPopupWindow>& TspDataSkinPopupWindow::ReadKeys() {
  using C = TspDataSkinPopupWindow;
  static const TspLookKeys<C> keys{Integer("windowpictureindex", &C::WindowPictureIndex, -1),
                                   Integer("maskpictureindex", &C::MaskPictureIndex, -1),
                                   Point("lefttoppoint", &C::LeftTopPoint),
                                   Point("righttoppoint", &C::RightTopPoint),
                                   Point("leftbottompoint", &C::LeftBottomPoint),
                                   Point("rightbottompoint", &C::RightBottomPoint),
                                   Integer("cursorindex", &C::CursorIndex, -1),
                                   Rect("itemsrect", &C::ItemsRect),
                                   Integer("scrollmarkercolor", &C::ScrollMarkerColor),
                                   Integer("scrollmarkeractivecolor", &C::ScrollMarkerActiveColor),
                                   Boolean("leftstretch", &C::LeftStretch),
                                   Boolean("rightstretch", &C::RightStretch),
                                   Boolean("topstretch", &C::TopStretch),
                                   Boolean("bottomstretch", &C::BottomStretch),
                                   Boolean("stretcheffect", &C::StretchEffect),
                                   Word("stretchtype", &C::StretchType, StretchTypeWords(), spstFull)};
  return keys;
}

const TspLookKeys<TspDataSkinPopupWindow>& TspDataSkinPopupWindow::WriteKeys() {
  static const TspLookKeys<TspDataSkinPopupWindow> keys = Reordered(
      ReadKeys(), {"windowpictureindex", "maskpictureindex", "lefttoppoint", "righttoppoint", "leftbottompoint",
                   "rightbottompoint", "itemsrect", "cursorindex", "scrollmarkercolor", "scrollmarkeractivecolor",
                   "leftstretch", "rightstretch", "topstretch", "bottomstretch", "stretcheffect", "stretchtype"});
  return keys;
}

const TspLookKeys<TspDataSkinHintWindow>& TspDataSkinHintWindow::ReadKeys() {
  using C = TspDataSkinHintWindow;
  static const TspLookKeys<C> keys = Join<C>(
      {{Integer("windowpictureindex", &C::WindowPictureIndex, -1), Integer("maskpictureindex", &C::MaskPictureIndex, -1),
        Point("lefttoppoint", &C::LeftTopPoint), Point("righttoppoint", &C::RightTopPoint),
        Point("leftbottompoint", &C::LeftBottomPoint), Point("rightbottompoint", &C::RightBottomPoint),
        Rect("clientrect", &C::ClientRect)},
       Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
       {Boolean("leftstretch", &C::LeftStretch), Boolean("rightstretch", &C::RightStretch),
        Boolean("topstretch", &C::TopStretch), Boolean("bottomstretch", &C::BottomStretch),
        Boolean("stretcheffect", &C::StretchEffect),
        Word("stretchtype", &C::StretchType, StretchTypeWords(), spstFull)}});
  return keys;
}
