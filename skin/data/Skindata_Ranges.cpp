#include "skin/data/Skindata_Ranges.h"

using namespace skinkeys;

const TspLookKeys<TspDataSkinScrollBarControl>& TspDataSkinScrollBarControl::ReadKeys() {
  using C = TspDataSkinScrollBarControl;
  static const TspLookKeys<C> keys{Rect("trackarea", &C::TrackArea),
                                   Rect("upbuttonrect", &C::UpButtonRect),
                                   Rect("activeupbuttonrect", &C::ActiveUpButtonRect),
                                   Rect("downupbuttonrect", &C::DownUpButtonRect),
                                   Rect("downbuttonrect", &C::DownButtonRect),
                                   Rect("activedownbuttonrect", &C::ActiveDownButtonRect),
                                   Rect("downdownbuttonrect", &C::DownDownButtonRect),
                                   Rect("thumbrect", &C::ThumbRect),
                                   Rect("activethumbrect", &C::ActiveThumbRect),
                                   Rect("downthumbrect", &C::DownThumbRect),
                                   Integer("thumboffset1", &C::ThumbOffset1),
                                   Integer("thumboffset2", &C::ThumbOffset2),
                                   Boolean("thumbtransparent", &C::ThumbTransparent),
                                   Integer("thumbtransparentcolor", &C::ThumbTransparentColor),
                                   Boolean("thumbstretcheffect", &C::ThumbStretchEffect),
                                   Integer("thumbminsize", &C::ThumbMinSize),
                                   Integer("thumbminpagesize", &C::ThumbMinPageSize),
                                   Rect("glyphrect", &C::GlyphRect),
                                   Rect("activeglyphrect", &C::ActiveGlyphRect),
                                   Rect("downglyphrect", &C::DownGlyphRect),
                                   Boolean("glyphtransparent", &C::GlyphTransparent),
                                   Integer("glyphtransparentcolor", &C::GlyphTransparentColor)};
  return keys;
}

const TspLookKeys<TspDataSkinTrackBarControl>& TspDataSkinTrackBarControl::ReadKeys() {
  using C = TspDataSkinTrackBarControl;
  static const TspLookKeys<C> keys{Rect("activeskinrect", &C::ActiveSkinRect),
                                   Rect("trackarea", &C::TrackArea),
                                   Rect("buttonrect", &C::ButtonRect),
                                   Rect("activebuttonrect", &C::ActiveButtonRect),
                                   Boolean("vertical", &C::Vertical),
                                   Boolean("buttontransparent", &C::ButtonTransparent),
                                   Integer("buttontransparentcolor", &C::ButtonTransparentColor)};
  return keys;
}

const TspLookKeys<TspDataSkinGaugeControl>& TspDataSkinGaugeControl::ReadKeys() {
  using C = TspDataSkinGaugeControl;
  static const TspLookKeys<C> keys = Join<C>(
      {{Rect("progressarea", &C::ProgressArea), Rect("progressrect", &C::ProgressRect),
        Integer("beginoffset", &C::BeginOffset), Integer("endoffset", &C::EndOffset),
        Boolean("vertical", &C::Vertical)},
       Font(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
       {Boolean("progresstransparent", &C::ProgressTransparent),
        Integer("progresstransparentcolor", &C::ProgressTransparentColor),
        Boolean("progressstretch", &C::ProgressStretch), Rect("animationskinrect", &C::AnimationSkinRect),
        Integer("animationcountframes", &C::AnimationCountFrames),
        Integer("animationtimerinterval", &C::AnimationTimerInterval),
        Rect("progressanimationskinrect", &C::ProgressAnimationSkinRect),
        Integer("progressanimationcountframes", &C::ProgressAnimationCountFrames),
        Integer("progressanimationtimerinterval", &C::ProgressAnimationTimerInterval),
        Integer("animationbeginoffset", &C::AnimationBeginOffset),
        Integer("animationendoffset", &C::AnimationEndOffset)}});
  return keys;
}

const TspLookKeys<TspDataSkinSlider>& TspDataSkinSlider::ReadKeys() {
  using C = TspDataSkinSlider;
  static const TspLookKeys<C> keys{Integer("bgcolor", &C::BGColor),       Rect("hrulerrect", &C::HRulerRect),
                                   Rect("hthumbrect", &C::HThumbRect),    Rect("vrulerrect", &C::VRulerRect),
                                   Rect("vthumbrect", &C::VThumbRect),    Integer("edgesize", &C::EdgeSize),
                                   Integer("pointscolor", &C::PointsColor)};
  return keys;
}

const TspLookKeys<TspDataSkinSplitterControl>& TspDataSkinSplitterControl::ReadKeys() {
  using C = TspDataSkinSplitterControl;
  static const TspLookKeys<C> keys{Rect("gripperrect", &C::GripperRect),
                                   Boolean("grippertransparent", &C::GripperTransparent),
                                   Integer("grippertransparentcolor", &C::GripperTransparentColor)};
  return keys;
}

const TspLookKeys<TspDataSkinUpDownControl>& TspDataSkinUpDownControl::ReadKeys() {
  using C = TspDataSkinUpDownControl;
  static const TspLookKeys<C> keys{Rect("upbuttonrect", &C::UpButtonRect),
                                   Rect("activeupbuttonrect", &C::ActiveUpButtonRect),
                                   Rect("downupbuttonrect", &C::DownUpButtonRect),
                                   Rect("downbuttonrect", &C::DownButtonRect),
                                   Rect("activedownbuttonrect", &C::ActiveDownButtonRect),
                                   Rect("downdownbuttonrect", &C::DownDownButtonRect)};
  return keys;
}

void TspDataSkinUpDownControl::LoadFromFile(TCustomIniFile* ini) {
  TspLookKind::LoadFromFile(ini);
  ClearGeometry();
}

void TspDataSkinUpDownControl::SaveToFile(TCustomIniFile* ini) {
  ClearGeometry();
  TspLookKind::SaveToFile(ini);
}

void TspDataSkinUpDownControl::ClearGeometry() {
  LeftTopPoint = RightTopPoint = LeftBottomPoint = RightBottomPoint = TPoint{};
  ClientRect = TRect{};
}
