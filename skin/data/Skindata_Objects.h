#pragma once
#include "skin/data/Skindata_Bases.h"
#include "skin/data/Skindata_Enums.h"

// Looks of the objects a skinned form draws on its picture: caption, buttons, labels,
// gauges and other decorations. Own fields start zero, false or empty unless given.

// An area the application paints itself: reads and writes only "rollup", "skinrect"
// and "cursorindex".
class TspDataUserObject : public TspDataSkinObject {
  CLASSLIB_CLASS(TspDataUserObject, TspDataSkinObject)
 public:
  using TspDataSkinObject::TspDataSkinObject;

  void LoadFromFile(TCustomIniFile* ini) override;
  void SaveToFile(TCustomIniFile* ini) override;

  static const TspLookKeys<TspDataUserObject>& ReadKeys();
};

class TspDataSkinButton : public TspLookKind<TspDataSkinButton, TspDataSkinObject> {
  CLASSLIB_CLASS(TspDataSkinButton, TspDataSkinObject)
 public:
  using TspLookKind::TspLookKind;

  int GroupIndex = -1;
  TRect DownRect;
  TRect DisableSkinRsect;

  static const TspLookKeys<TspDataSkinButton>& ReadKeys();
};

class TspDataSkinStdButton : public TspLookKind<TspDataSkinStdButton, TspDataSkinButton> {
  CLASSLIB_CLASS(TspDataSkinStdButton, TspDataSkinButton)
 public:
  using TspLookKind::TspLookKind;

  TStdCommand Command = cmClose;
  TRect RestoreRect;
  TRect RestoreActiveRect;
  TRect RestoreDownRect;
  TRect RestoreInActiveRect;

  static const TspLookKeys<TspDataSkinStdButton>& ReadKeys();
};

class TspDataSkinMainMenuBarButton : public TspDataSkinStdButton {
  CLASSLIB_CLASS(TspDataSkinMainMenuBarButton, TspDataSkinStdButton)
 public:
  using TspDataSkinStdButton::TspDataSkinStdButton;
};

class TspDataSkinCaption : public TspLookKind<TspDataSkinCaption, TspDataSkinObject> {
  CLASSLIB_CLASS(TspDataSkinCaption, TspDataSkinObject)
 public:
  using TspLookKind::TspLookKind;

  AnsiString FontName;
  int FontHeight = 0;
  TFontStyles FontStyle;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor ShadowColor = 0;
  TColor ActiveShadowColor = 0;
  bool Shadow = false;
  TAlignment Alignment = taLeftJustify;
  TRect TextRect;
  bool DefaultCaption = false;
  TRect FrameRect;
  TRect ActiveFrameRect;
  int FrameLeftOffset = 0;
  int FrameRightOffset = 0;
  TRect FrameTextRect;
  bool Light = false;
  TColor LightColor = 0;
  TColor ActiveLightColor = 0;
  bool StretchEffect = false;
  TRect AnimateSkinRect;
  int FrameCount = 0;
  int AnimateInterval = 0;
  bool InActiveAnimation = false;
  bool FullFrame = false;

  static const TspLookKeys<TspDataSkinCaption>& ReadKeys();
  static const TspLookKeys<TspDataSkinCaption>& WriteKeys();
};

class TspDataSkinLabel : public TspLookKind<TspDataSkinLabel, TspDataSkinObject> {
  CLASSLIB_CLASS(TspDataSkinLabel, TspDataSkinObject)
 public:
  using TspLookKind::TspLookKind;

  AnsiString FontName;
  int FontHeight = 0;
  TFontStyles FontStyle;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TAlignment Alignment = taLeftJustify;
  AnsiString TextValue;

  static const TspLookKeys<TspDataSkinLabel>& ReadKeys();
};

// Text drawn from a grid of character pictures; never morphs.
class TspDataSkinBitLabel : public TspLookKind<TspDataSkinBitLabel, TspDataSkinObject> {
  CLASSLIB_CLASS(TspDataSkinBitLabel, TspDataSkinObject)
 public:
  using TspLookKind::TspLookKind;

  void LoadFromFile(TCustomIniFile* ini) override;

  TStringList Symbols;
  AnsiString TextValue;
  int SymbolWidth = 0;
  int SymbolHeight = 0;
  bool Transparent = false;
  TColor TransparentColor = clFuchsia;

  static const TspLookKeys<TspDataSkinBitLabel>& ReadKeys();
};

class TspDataSkinGauge : public TspLookKind<TspDataSkinGauge, TspDataSkinObject> {
  CLASSLIB_CLASS(TspDataSkinGauge, TspDataSkinObject)
 public:
  using TspLookKind::TspLookKind;

  int MinValue = 0;
  int MaxValue = 0;
  TGaugeKind Kind = gkHorizontal;

  static const TspLookKeys<TspDataSkinGauge>& ReadKeys();
};

// Never morphs.
class TspDataSkinTrackBar : public TspLookKind<TspDataSkinTrackBar, TspDataSkinObject> {
  CLASSLIB_CLASS(TspDataSkinTrackBar, TspDataSkinObject)
 public:
  using TspLookKind::TspLookKind;

  void LoadFromFile(TCustomIniFile* ini) override;

  TRect ButtonRect;
  TRect ActiveButtonRect;
  TPoint BeginPoint;
  TPoint EndPoint;
  int MinValue = 0;
  int MaxValue = 0;
  bool MouseDownChangeValue = false;
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = 0;

  static const TspLookKeys<TspDataSkinTrackBar>& ReadKeys();
};

// Never morphs.
class TspDataSkinAnimate : public TspLookKind<TspDataSkinAnimate, TspDataSkinObject> {
  CLASSLIB_CLASS(TspDataSkinAnimate, TspDataSkinObject)
 public:
  using TspLookKind::TspLookKind;

  void LoadFromFile(TCustomIniFile* ini) override;

  int CountFrames = 0;
  bool Cycle = false;
  bool ButtonStyle = false;
  int TimerInterval = 0;
  TStdCommand Command = cmClose;
  TRect DownSkinRect;
  TRect RestoreRect;
  TRect RestoreActiveRect;
  TRect RestoreDownRect;
  TRect RestoreInActiveRect;

  static const TspLookKeys<TspDataSkinAnimate>& ReadKeys();
};

class TspDataSkinSwitch : public TspDataSkinObject {
  CLASSLIB_CLASS(TspDataSkinSwitch, TspDataSkinObject)
 public:
  using TspDataSkinObject::TspDataSkinObject;
};

// The value range and frame strip shared by the frame gauge and frame regulator objects.
template <class Self>
class TspDataSkinFrameObjectLook : public TspLookKind<Self, TspDataSkinObject> {
 public:
  using TspLookKind<Self, TspDataSkinObject>::TspLookKind;

  int MinValue = 0;
  int MaxValue = 0;
  int CountFrames = 0;
  TFramesPlacement FramesPlacement = fpHorizontal;

  static TspLookKeys<Self> FrameKeys() {
    using C = TspDataSkinFrameObjectLook;
    return {skinkeys::Integer<Self>("minvalue", &C::MinValue), skinkeys::Integer<Self>("maxvalue", &C::MaxValue),
            skinkeys::Integer<Self>("countframes", &C::CountFrames),
            skinkeys::Word<Self, TFramesPlacement>("framesplacement", &C::FramesPlacement, FramesPlacementWords(),
                                                   fpHorizontal)};
  }
};

class TspDataSkinFrameGaugeObject : public TspDataSkinFrameObjectLook<TspDataSkinFrameGaugeObject> {
  CLASSLIB_CLASS(TspDataSkinFrameGaugeObject, TspDataSkinObject)
 public:
  using TspDataSkinFrameObjectLook::TspDataSkinFrameObjectLook;

  static const TspLookKeys<TspDataSkinFrameGaugeObject>& ReadKeys();
};

class TspDataSkinFrameRegulatorObject : public TspDataSkinFrameObjectLook<TspDataSkinFrameRegulatorObject> {
  CLASSLIB_CLASS(TspDataSkinFrameRegulatorObject, TspDataSkinObject)
 public:
  using TspDataSkinFrameObjectLook::TspDataSkinFrameObjectLook;

  TRegulatorKind Kind = rkRound;

  static const TspLookKeys<TspDataSkinFrameRegulatorObject>& ReadKeys();
};

class TspDataSkinMainMenuItem : public TspLookKind<TspDataSkinMainMenuItem, TspDataSkinObject> {
  CLASSLIB_CLASS(TspDataSkinMainMenuItem, TspDataSkinObject)
 public:
  using TspLookKind::TspLookKind;

  TRect DownRect;
  AnsiString FontName;
  int FontHeight = 0;
  TFontStyles FontStyle;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor DownFontColor = 0;
  TColor UnEnabledFontColor = 0;
  TRect TextRect;
  int ItemLeftOffset = 0;
  int ItemRightOffset = 0;
  bool StretchEffect = false;
  TRect AnimateSkinRect;
  int FrameCount = 0;
  int AnimateInterval = 0;
  bool InActiveAnimation = false;

  static const TspLookKeys<TspDataSkinMainMenuItem>& ReadKeys();
};

class TspDataSkinMainMenuBarItem : public TspDataSkinMainMenuItem {
  CLASSLIB_CLASS(TspDataSkinMainMenuBarItem, TspDataSkinMainMenuItem)
 public:
  using TspDataSkinMainMenuItem::TspDataSkinMainMenuItem;
};
