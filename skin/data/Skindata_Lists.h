#pragma once
#include "skin/data/Skindata_Bases.h"

// Looks of the text-entry, list and combo controls. A rectangle naming a part without
// a state word gives its place on the face; the state words name the pictures copied
// over it in that state.

class TspDataSkinEditControl : public TspLookKind<TspDataSkinEditControl, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinEditControl, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  TRect ActiveSkinRect;
  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 12;
  TColor FontColor = 0;
  TColor DisabledFontColor = 0;
  TColor ActiveFontColor = 0;
  TRect ButtonRect;  // face
  TRect ActiveButtonRect;
  TRect DownButtonRect;
  TRect UnEnabledButtonRect;

  static const TspLookKeys<TspDataSkinEditControl>& ReadKeys();
  static const TspLookKeys<TspDataSkinEditControl>& WriteKeys();
};

class TspDataSkinMemoControl : public TspLookKind<TspDataSkinMemoControl, TspDataSkinEditControl> {
  CLASSLIB_CLASS(TspDataSkinMemoControl, TspDataSkinEditControl)
 public:
  using TspLookKind::TspLookKind;

  TColor BGColor = 0;
  TColor ActiveBGColor = 0;

  static const TspLookKeys<TspDataSkinMemoControl>& ReadKeys();
};

class TspDataSkinSpinEditControl : public TspLookKind<TspDataSkinSpinEditControl, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinSpinEditControl, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  TRect ActiveSkinRect;
  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 12;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor DisabledFontColor = 0;
  TRect UpButtonRect;  // face
  TRect ActiveUpButtonRect;
  TRect DownUpButtonRect;
  TRect DownButtonRect;  // face
  TRect ActiveDownButtonRect;
  TRect DownDownButtonRect;

  static const TspLookKeys<TspDataSkinSpinEditControl>& ReadKeys();
};

class TspDataSkinListBox : public TspLookKind<TspDataSkinListBox, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinListBox, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  TRect ItemRect;
  TRect ActiveItemRect;
  TRect FocusItemRect;
  int ItemLeftOffset = 0;
  int ItemRightOffset = 0;
  TRect ItemTextRect;  // item
  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 14;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TColor FocusFontColor = 0;
  TRect CaptionRect;  // face
  AnsiString CaptionFontName = "Arial";
  TFontStyles CaptionFontStyle;
  int CaptionFontHeight = 14;
  TColor CaptionFontColor = 0;
  TRect UpButtonRect;  // face
  TRect ActiveUpButtonRect;
  TRect DownUpButtonRect;
  TRect DownButtonRect;  // face
  TRect ActiveDownButtonRect;
  TRect DownDownButtonRect;
  TRect CheckButtonRect;  // face
  TRect ActiveCheckButtonRect;
  TRect DownCheckButtonRect;
  AnsiString HScrollBarName;
  AnsiString VScrollBarName;
  AnsiString BothHScrollBarName;
  bool ShowFocus = false;

  static const TspLookKeys<TspDataSkinListBox>& ReadKeys();
};

class TspDataSkinCheckListBox : public TspLookKind<TspDataSkinCheckListBox, TspDataSkinListBox> {
  CLASSLIB_CLASS(TspDataSkinCheckListBox, TspDataSkinListBox)
 public:
  using TspLookKind::TspLookKind;

  TRect UnCheckImageRect;
  TRect CheckImageRect;
  TRect ItemCheckRect;  // item

  static const TspLookKeys<TspDataSkinCheckListBox>& ReadKeys();
  static const TspLookKeys<TspDataSkinCheckListBox>& WriteKeys();
};

class TspDataSkinComboBox : public TspLookKind<TspDataSkinComboBox, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinComboBox, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  TRect ItemRect;
  TRect ActiveItemRect;
  TRect FocusItemRect;
  int ItemLeftOffset = 0;
  int ItemRightOffset = 0;
  TRect ItemTextRect;  // item
  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 14;
  TColor FontColor = 0;
  TColor FocusFontColor = 0;
  TColor ActiveFontColor = 0;
  TRect ButtonRect;  // face
  TRect ActiveButtonRect;
  TRect DownButtonRect;
  TRect UnEnabledButtonRect;
  bool ItemStretchEffect = false;
  bool FocusItemStretchEffect = false;
  TRect ActiveSkinRect;
  bool ShowFocus = false;
  AnsiString ListBoxName;

  static const TspLookKeys<TspDataSkinComboBox>& ReadKeys();
  static const TspLookKeys<TspDataSkinComboBox>& WriteKeys();
};
