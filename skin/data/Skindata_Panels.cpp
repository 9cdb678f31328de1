#include "skin/data/Skindata_Panels.h"

using namespace skinkeys;

const TspLookKeys<TspDataSkinPanelControl>& TspDataSkinPanelControl::ReadKeys() {
  using C = TspDataSkinPanelControl;
  static const TspLookKeys<C> keys =
      Join<C>({{Integer("bgpictureindex", &C::BGPictureIndex, -1), Rect("captionrect", &C::CaptionRect),
                Word("alignment", &C::Alignment, AlignmentWords(), taCenter)},
               Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
               {Rect("checkimagerect", &C::CheckImageRect), Rect("uncheckimagerect", &C::UnCheckImageRect),
                Rect("markframerect", &C::MarkFrameRect), Rect("framerect", &C::FrameRect),
                Rect("frametextrect", &C::FrameTextRect), Integer("frameleftoffset", &C::FrameLeftOffset),
                Integer("framerightoffset", &C::FrameRightOffset), Rect("gripperrect", &C::GripperRect),
                Boolean("grippertransparent", &C::GripperTransparent),
                Integer("grippertransparentcolor", &C::GripperTransparentColor)}});
  return keys;
}

const TspLookKeys<TspDataSkinExPanelControl>& TspDataSkinExPanelControl::ReadKeys() {
  using C = TspDataSkinExPanelControl;
  static const TspLookKeys<C> keys = Join<C>(
      {{Rect("rollhskinrect", &C::RollHSkinRect), Rect("rollvskinrect", &C::RollVSkinRect),
        Integer("rollleftoffset", &C::RollLeftOffset), Integer("rollrightoffset", &C::RollRightOffset),
        Integer("rolltopoffset", &C::RollTopOffset), Integer("rollbottomoffset", &C::RollBottomOffset),
        Rect("rollvcaptionrect", &C::RollVCaptionRect), Rect("rollhcaptionrect", &C::RollHCaptionRect),
        Rect("closebuttonrect", &C::CloseButtonRect), Rect("closebuttonactiverect", &C::CloseButtonActiveRect),
        Rect("closebuttondownrect", &C::CloseButtonDownRect), Rect("hrollbuttonrect", &C::HRollButtonRect),
        Rect("hrollbuttonactiverect", &C::HRollButtonActiveRect),
        Rect("hrollbuttondownrect", &C::HRollButtonDownRect), Rect("hrestorebuttonrect", &C::HRestoreButtonRect),
        Rect("hrestorebuttonactiverect", &C::HRestoreButtonActiveRect),
        Rect("hrestorebuttondownrect", &C::HRestoreButtonDownRect), Rect("vrollbuttonrect", &C::VRollButtonRect),
        Rect("vrollbuttonactiverect", &C::VRollButtonActiveRect),
        Rect("vrollbuttondownrect", &C::VRollButtonDownRect), Rect("vrestorebuttonrect", &C::VRestoreButtonRect),
        Rect("vrestorebuttonactiverect", &C::VRestoreButtonActiveRect),
        Rect("vrestorebuttondownrect", &C::VRestoreButtonDownRect), Rect("captionrect", &C::CaptionRect)},
       Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
       {Boolean("buttonstransparent", &C::ButtonsTransparent),
        Integer("buttonstransparentcolor", &C::ButtonsTransparentColor)}});
  return keys;
}

const TspLookKeys<TspDataSkinBevel>& TspDataSkinBevel::ReadKeys() {
  using C = TspDataSkinBevel;
  static const TspLookKeys<C> keys{Integer("lightcolor", &C::LightColor), Integer("darkcolor", &C::DarkColor)};
  return keys;
}

const TspLookKeys<TspDataSkinScrollBoxControl>& TspDataSkinScrollBoxControl::ReadKeys() {
  using C = TspDataSkinScrollBoxControl;
  static const TspLookKeys<C> keys{Integer("bgpictureindex", &C::BGPictureIndex, -1)};
  return keys;
}
