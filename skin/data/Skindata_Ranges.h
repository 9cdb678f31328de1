#pragma once
#include "skin/data/Skindata_Bases.h"

// Looks of controls that show a position or a divider.

class TspDataSkinScrollBarControl : public TspLookKind<TspDataSkinScrollBarControl, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinScrollBarControl, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  TRect TrackArea;  // face
  TRect UpButtonRect;  // face
  TRect ActiveUpButtonRect;
  TRect DownUpButtonRect;
  TRect DownButtonRect;  // face
  TRect ActiveDownButtonRect;
  TRect DownDownButtonRect;
  TRect ThumbRect;
  TRect ActiveThumbRect;
  TRect DownThumbRect;
  int ThumbOffset1 = 0;
  int ThumbOffset2 = 0;
  TRect GlyphRect;
  TRect ActiveGlyphRect;
  TRect DownGlyphRect;
  bool GlyphTransparent = false;
  TColor GlyphTransparentColor = clFuchsia;
  bool ThumbTransparent = false;
  TColor ThumbTransparentColor = clFuchsia;
  bool ThumbStretchEffect = false;
  int ThumbMinSize = 0;
  int ThumbMinPageSize = 0;

  static const TspLookKeys<TspDataSkinScrollBarControl>& ReadKeys();
};

class TspDataSkinTrackBarControl : public TspLookKind<TspDataSkinTrackBarControl, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinTrackBarControl, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  TRect ActiveSkinRect;
  TRect TrackArea;  // face
  TRect ButtonRect;
  TRect ActiveButtonRect;
  bool Vertical = false;
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = clFuchsia;

  static const TspLookKeys<TspDataSkinTrackBarControl>& ReadKeys();
};

class TspDataSkinGaugeControl : public TspLookKind<TspDataSkinGaugeControl, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinGaugeControl, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  TRect ProgressArea;  // face
  TRect ProgressRect;
  bool ProgressTransparent = false;
  TColor ProgressTransparentColor = clFuchsia;
  bool ProgressStretch = false;
  bool Vertical = false;
  int BeginOffset = 0;
  int EndOffset = 0;
  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 14;
  TColor FontColor = 0;
  TRect AnimationSkinRect;
  int AnimationCountFrames = 0;
  int AnimationTimerInterval = 0;
  TRect ProgressAnimationSkinRect;
  int ProgressAnimationCountFrames = 0;
  int ProgressAnimationTimerInterval = 0;
  int AnimationBeginOffset = 0;
  int AnimationEndOffset = 0;

  static const TspLookKeys<TspDataSkinGaugeControl>& ReadKeys();
};

// Ruler and thumb pictures for both orientations; no nine-part geometry.
class TspDataSkinSlider : public TspLookKind<TspDataSkinSlider, TspDataSkinControl> {
  CLASSLIB_CLASS(TspDataSkinSlider, TspDataSkinControl)
 public:
  using TspLookKind::TspLookKind;

  TRect HRulerRect;
  TRect HThumbRect;
  TRect VRulerRect;
  TRect VThumbRect;
  int EdgeSize = 0;
  TColor BGColor = 0;
  TColor PointsColor = 0;

  static const TspLookKeys<TspDataSkinSlider>& ReadKeys();
};

class TspDataSkinSplitterControl : public TspLookKind<TspDataSkinSplitterControl, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinSplitterControl, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  TRect GripperRect;
  bool GripperTransparent = false;
  TColor GripperTransparentColor = clFuchsia;

  static const TspLookKeys<TspDataSkinSplitterControl>& ReadKeys();
};

// Two buttons; the face never stretches, so its corner points and client rectangle are
// held empty whatever the section says, when read and when written.
class TspDataSkinUpDownControl : public TspLookKind<TspDataSkinUpDownControl, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinUpDownControl, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  void LoadFromFile(TCustomIniFile* ini) override;
  void SaveToFile(TCustomIniFile* ini) override;

  TRect UpButtonRect;
  TRect ActiveUpButtonRect;
  TRect DownUpButtonRect;
  TRect DownButtonRect;
  TRect ActiveDownButtonRect;
  TRect DownDownButtonRect;

  static const TspLookKeys<TspDataSkinUpDownControl>& ReadKeys();

 private:
  void ClearGeometry();
};
