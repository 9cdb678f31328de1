#pragma once
#include "skin/data/Skindata_Bases.h"

// Button looks: a caption font with a colour per state, a face per state, an optional
// fade and frame animation, and the pictures of a drop-down marker.
class TspDataSkinButtonControl : public TspLookKind<TspDataSkinButtonControl, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinButtonControl, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 12;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor DownFontColor = 0;
  TColor DisabledFontColor = 0;
  bool Morphing = false;
  TMorphKind MorphKind = mkDefault;
  TRect ActiveSkinRect;
  TRect DownSkinRect;
  TRect DisabledSkinRect;
  TRect FocusedSkinRect;
  TRect AnimateSkinRect;
  int FrameCount = 0;
  int AnimateInterval = 0;
  bool ShowFocus = false;
  TRect MenuMarkerFlatRect;
  TRect MenuMarkerRect;
  TRect MenuMarkerActiveRect;
  TRect MenuMarkerDownRect;
  TColor MenuMarkerTransparentColor = 0;

  static const TspLookKeys<TspDataSkinButtonControl>& ReadKeys();
  static const TspLookKeys<TspDataSkinButtonControl>& WriteKeys();
};

// A button look with a separately pressable drop-down part.
class TspDataSkinMenuButtonControl : public TspLookKind<TspDataSkinMenuButtonControl, TspDataSkinButtonControl> {
  CLASSLIB_CLASS(TspDataSkinMenuButtonControl, TspDataSkinButtonControl)
 public:
  using TspLookKind::TspLookKind;

  TRect TrackButtonRect;  // in face coordinates

  static const TspLookKeys<TspDataSkinMenuButtonControl>& ReadKeys();
};

// The look of check boxes and radio buttons: faces, glyph per state and caption font.
class TspDataSkinCheckRadioControl : public TspLookKind<TspDataSkinCheckRadioControl, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinCheckRadioControl, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 12;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor UnEnabledFontColor = 0;
  bool Morphing = false;
  TMorphKind MorphKind = mkDefault;
  TRect ActiveSkinRect;
  TRect CheckImageArea;
  TRect TextArea;
  TRect CheckImageRect;
  TRect UnCheckImageRect;
  TRect ActiveCheckImageRect;
  TRect ActiveUnCheckImageRect;
  TRect UnEnabledCheckImageRect;
  TRect UnEnabledUnCheckImageRect;
  TRect GrayedCheckImageRect;
  TRect ActiveGrayedCheckImageRect;
  TColor FrameFontColor = 0;

  static const TspLookKeys<TspDataSkinCheckRadioControl>& ReadKeys();
};
