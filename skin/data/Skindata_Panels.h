#pragma once
#include "skin/data/Skindata_Bases.h"

// Looks of container-like controls: panels, expandable panels, bevels and scroll boxes.
class TspDataSkinPanelControl : public TspLookKind<TspDataSkinPanelControl, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinPanelControl, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  TRect CaptionRect;  // face
  TAlignment Alignment = taCenter;
  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 12;
  TColor FontColor = 0;
  int BGPictureIndex = -1;
  TRect CheckImageRect;
  TRect UnCheckImageRect;
  TRect MarkFrameRect;
  TRect FrameRect;
  int FrameLeftOffset = 0;
  int FrameRightOffset = 0;
  TRect FrameTextRect;
  TRect GripperRect;
  bool GripperTransparent = false;
  TColor GripperTransparentColor = clFuchsia;

  static const TspLookKeys<TspDataSkinPanelControl>& ReadKeys();
};

// A panel that rolls up sideways or upwards, with close and roll buttons.
class TspDataSkinExPanelControl : public TspLookKind<TspDataSkinExPanelControl, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinExPanelControl, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  TRect RollHSkinRect;
  TRect RollVSkinRect;
  int RollLeftOffset = 0;
  int RollRightOffset = 0;
  int RollTopOffset = 0;
  int RollBottomOffset = 0;
  TRect RollVCaptionRect;
  TRect RollHCaptionRect;
  TRect CloseButtonRect;
  TRect CloseButtonActiveRect;
  TRect CloseButtonDownRect;
  TRect HRollButtonRect;
  TRect HRollButtonActiveRect;
  TRect HRollButtonDownRect;
  TRect HRestoreButtonRect;
  TRect HRestoreButtonActiveRect;
  TRect HRestoreButtonDownRect;
  TRect VRollButtonRect;
  TRect VRollButtonActiveRect;
  TRect VRollButtonDownRect;
  TRect VRestoreButtonRect;
  TRect VRestoreButtonActiveRect;
  TRect VRestoreButtonDownRect;
  TRect CaptionRect;
  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 12;
  TColor FontColor = 0;
  bool ButtonsTransparent = false;
  TColor ButtonsTransparentColor = clFuchsia;

  static const TspLookKeys<TspDataSkinExPanelControl>& ReadKeys();
};

// Two line colours; no nine-part geometry.
class TspDataSkinBevel : public TspLookKind<TspDataSkinBevel, TspDataSkinControl> {
  CLASSLIB_CLASS(TspDataSkinBevel, TspDataSkinControl)
 public:
  using TspLookKind::TspLookKind;

  TColor LightColor = 0;
  TColor DarkColor = 0;

  static const TspLookKeys<TspDataSkinBevel>& ReadKeys();
};

class TspDataSkinScrollBoxControl : public TspLookKind<TspDataSkinScrollBoxControl, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinScrollBoxControl, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  int BGPictureIndex = -1;

  static const TspLookKeys<TspDataSkinScrollBoxControl>& ReadKeys();
};
