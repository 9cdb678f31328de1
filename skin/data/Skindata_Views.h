#pragma once
#include "skin/data/Skindata_Bases.h"
#include "skin/data/Skindata_Enums.h"

// Looks of the list-like views, tab and page controls, grids, bars and frame strips.

// A font and a background colour: the looks of tree views, list views and rich edits.
template <class Self>
class TspDataSkinTextViewLook : public TspLookKind<Self, TspDataSkinControl> {
 public:
  using TspLookKind<Self, TspDataSkinControl>::TspLookKind;

  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 14;
  TColor FontColor = 0;
  TColor BGColor = clWhite;

  static const TspLookKeys<Self>& ReadKeys() {
    using C = TspDataSkinTextViewLook;
    static const TspLookKeys<Self> keys = skinkeys::Join<Self>(
        {skinkeys::Font<Self>(&C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor),
         {skinkeys::Integer<Self>("bgcolor", &C::BGColor)}});
    return keys;
  }
};

class TspDataSkinTreeView : public TspDataSkinTextViewLook<TspDataSkinTreeView> {
  CLASSLIB_CLASS(TspDataSkinTreeView, TspDataSkinControl)
 public:
  using TspDataSkinTextViewLook::TspDataSkinTextViewLook;
};

class TspDataSkinListView : public TspDataSkinTextViewLook<TspDataSkinListView> {
  CLASSLIB_CLASS(TspDataSkinListView, TspDataSkinControl)
 public:
  using TspDataSkinTextViewLook::TspDataSkinTextViewLook;
};

class TspDataSkinRichEdit : public TspDataSkinTextViewLook<TspDataSkinRichEdit> {
  CLASSLIB_CLASS(TspDataSkinRichEdit, TspDataSkinControl)
 public:
  using TspDataSkinTextViewLook::TspDataSkinTextViewLook;
};

// Tabs, and a page frame cut by nine-part geometry of its own.
class TspDataSkinTabControl : public TspLookKind<TspDataSkinTabControl, TspDataSkinControl> {
  CLASSLIB_CLASS(TspDataSkinTabControl, TspDataSkinControl)
 public:
  using TspLookKind::TspLookKind;

  TRect TabRect;
  TRect ActiveTabRect;
  TRect FocusTabRect;
  TRect MouseInTabRect;
  TRect ClientRect;  // face
  TRect TabsBGRect;
  TPoint LeftTopPoint;
  TPoint RightTopPoint;
  TPoint LeftBottomPoint;
  TPoint RightBottomPoint;
  int TabLeftOffset = 0;
  int TabRightOffset = 0;
  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 14;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor FocusFontColor = 0;
  TColor MouseInFontColor = 0;
  AnsiString UpDown;
  int BGPictureIndex = -1;
  bool TabStretchEffect = false;
  bool LeftStretch = false;
  bool TopStretch = false;
  bool RightStretch = false;
  bool BottomStretch = false;
  bool ShowFocus = false;
  int FocusOffsetX = 0;
  int FocusOffsetY = 0;
  bool StretchEffect = false;
  TspStretchType StretchType = spstFull;
  TRect CloseButtonRect;
  TRect CloseButtonActiveRect;
  TRect CloseButtonDownRect;
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = clFuchsia;

  static const TspLookKeys<TspDataSkinTabControl>& ReadKeys();
};

class TspDataSkinGridControl : public TspLookKind<TspDataSkinGridControl, TspDataSkinControl> {
  CLASSLIB_CLASS(TspDataSkinGridControl, TspDataSkinControl)
 public:
  using TspLookKind::TspLookKind;

  TRect FixedCellRect;
  TRect SelectCellRect;
  TRect FocusCellRect;
  int FixedCellLeftOffset = 0;
  int FixedCellRightOffset = 0;
  TRect FixedCellTextRect;
  int CellLeftOffset = 0;
  int CellRightOffset = 0;
  TRect CellTextRect;
  TColor LinesColor = 0;
  TColor BGColor = 0;
  int BGPictureIndex = -1;
  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 14;
  TColor FontColor = 0;
  TColor SelectFontColor = 0;
  TColor FocusFontColor = 0;
  AnsiString FixedFontName = "Arial";
  TFontStyles FixedFontStyle;
  int FixedFontHeight = 14;
  TColor FixedFontColor = 0;
  bool FixedCellStretchEffect = false;
  bool CellStretchEffect = false;
  bool ShowFocus = false;

  static const TspLookKeys<TspDataSkinGridControl>& ReadKeys();
};

class TspDataSkinControlBar : public TspLookKind<TspDataSkinControlBar, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinControlBar, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  TRect ItemRect;
  int BGPictureIndex = -1;
  TRect HGripRect;
  TRect VGripRect;
  int GripOffset1 = 0;
  int GripOffset2 = 0;
  bool ItemStretchEffect = false;
  int ItemOffset1 = 0;  // 3 when read from a section without it
  int ItemOffset2 = 0;
  bool ItemTransparent = false;
  TColor ItemTransparentColor = 0;
  bool GripTransparent = false;
  TColor GripTransparentColor = 0;

  static const TspLookKeys<TspDataSkinControlBar>& ReadKeys();
  static const TspLookKeys<TspDataSkinControlBar>& WriteKeys();
};

class TspDataSkinMainMenuBar : public TspLookKind<TspDataSkinMainMenuBar, TspDataSkinControl> {
  CLASSLIB_CLASS(TspDataSkinMainMenuBar, TspDataSkinControl)
 public:
  using TspLookKind::TspLookKind;

  TRect ItemsRect;  // face
  AnsiString MenuBarItem;
  AnsiString CloseButton;
  AnsiString MaxButton;
  AnsiString MinButton;
  AnsiString SysMenuButton;
  TColor TrackMarkColor = 0;
  TColor TrackMarkActiveColor = 0;
  bool StretchEffect = false;
  bool ItemTransparent = false;

  static const TspLookKeys<TspDataSkinMainMenuBar>& ReadKeys();
};

// A control drawn from a strip of equal frames; a count below 1 reads as 1.
class TspDataSkinFrameControl : public TspLookKind<TspDataSkinFrameControl, TspDataSkinControl> {
  CLASSLIB_CLASS(TspDataSkinFrameControl, TspDataSkinControl)
 public:
  using TspLookKind::TspLookKind;

  void LoadFromFile(TCustomIniFile* ini) override;

  int FramesCount = 1;
  TFramesPlacement FramesPlacement = fpHorizontal;

  static const TspLookKeys<TspDataSkinFrameControl>& ReadKeys();
};

class TspDataSkinFrameGauge : public TspDataSkinFrameControl {
  CLASSLIB_CLASS(TspDataSkinFrameGauge, TspDataSkinFrameControl)
 public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinAnimateControl : public TspDataSkinFrameControl {
  CLASSLIB_CLASS(TspDataSkinAnimateControl, TspDataSkinFrameControl)
 public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinSwitchControl : public TspDataSkinFrameControl {
  CLASSLIB_CLASS(TspDataSkinSwitchControl, TspDataSkinFrameControl)
 public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinFrameRegulator : public TspLookKind<TspDataSkinFrameRegulator, TspDataSkinFrameControl> {
  CLASSLIB_CLASS(TspDataSkinFrameRegulator, TspDataSkinFrameControl)
 public:
  using TspLookKind::TspLookKind;

  TRegulatorKind Kind = rkRound;

  static const TspLookKeys<TspDataSkinFrameRegulator>& ReadKeys();
};
