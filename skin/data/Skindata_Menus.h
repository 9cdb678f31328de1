#pragma once
#include "skin/data/Skindata_Bases.h"

// Looks of popup menus and the hint window.

// A popup-menu item (a form object). After reading, an empty hot check, radio or arrow
// mark takes the normal one.
class TspDataSkinMenuItem : public TspLookKind<TspDataSkinMenuItem, TspDataSkinObject> {
  CLASSLIB_CLASS(TspDataSkinMenuItem, TspDataSkinObject)
 public:
  using TspLookKind::TspLookKind;

  void LoadFromFile(TCustomIniFile* ini) override;

  TRect DividerRect;
  int DividerLeftOffset = 0;
  int DividerRightOffset = 0;
  int ItemLeftOffset = 0;
  int ItemRightOffset = 0;
  AnsiString FontName;
  int FontHeight = 0;
  TFontStyles FontStyle;
  TColor UnEnabledFontColor = 0;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TRect TextRect;
  bool StretchEffect = false;
  bool DividerStretchEffect = false;
  bool InActiveStretchEffect = false;
  TRect AnimateSkinRect;
  int FrameCount = 0;
  int AnimateInterval = 0;
  bool InActiveAnimation = false;
  TRect ImageRect;
  bool UseImageColor = false;
  TColor ImageColor = 0;
  TColor ActiveImageColor = 0;
  bool InActiveTransparent = false;
  TRect CheckImageRect;
  TRect ActiveCheckImageRect;
  TRect RadioImageRect;
  TRect ActiveRadioImageRect;
  TRect ArrowImageRect;
  TRect ActiveArrowImageRect;

  static const TspLookKeys<TspDataSkinMenuItem>& ReadKeys();
};

// A look read from a section of fixed name (Self::kSection); the writer erases the
// section first.
template <class Self>
class TspDataSkinSectionLook : public TObject {
 public:
  void LoadFromFile(TCustomIniFile* ini) {
    ReadLookKeys(static_cast<Self&>(*this), ini, Self::kSection, Self::ReadKeys());
  }
  void SaveToFile(TCustomIniFile* ini) {
    ini->EraseSection(Self::kSection);
    WriteLookKeys(static_cast<const Self&>(*this), ini, Self::kSection, Self::WriteKeys());
  }
  static const TspLookKeys<Self>& WriteKeys() { return Self::ReadKeys(); }
};

// The frame of every popup menu window: a nine-part picture with an items area.
class TspDataSkinPopupWindow : public TspDataSkinSectionLook<TspDataSkinPopupWindow> {
  CLASSLIB_CLASS(TspDataSkinPopupWindow, TObject)
 public:
  static constexpr const char* kSection = "POPUPWINDOW";

  int WindowPictureIndex = -1;
  int MaskPictureIndex = -1;
  TPoint LeftTopPoint;
  TPoint RightTopPoint;
  TPoint LeftBottomPoint;
  TPoint RightBottomPoint;
  TRect ItemsRect;
  TColor ScrollMarkerColor = 0;
  TColor ScrollMarkerActiveColor = 0;
  int CursorIndex = -1;
  bool TopStretch = false;
  bool LeftStretch = false;
  bool RightStretch = false;
  bool BottomStretch = false;
  bool StretchEffect = false;
  TspStretchType StretchType = spstFull;

  static const TspLookKeys<TspDataSkinPopupWindow>& ReadKeys();
  static const TspLookKeys<TspDataSkinPopupWindow>& WriteKeys();
};

// The frame and font of the hint window.
class TspDataSkinHintWindow : public TspDataSkinSectionLook<TspDataSkinHintWindow> {
  CLASSLIB_CLASS(TspDataSkinHintWindow, TObject)
 public:
  static constexpr const char* kSection = "HINTWINDOW";

  int WindowPictureIndex = -1;
  int MaskPictureIndex = -1;
  TPoint LeftTopPoint;
  TPoint RightTopPoint;
  TPoint LeftBottomPoint;
  TPoint RightBottomPoint;
  TRect ClientRect;
  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 12;
  TColor FontColor = 0;
  bool TopStretch = false;
  bool LeftStretch = false;
  bool RightStretch = false;
  bool BottomStretch = false;
  bool StretchEffect = false;
  TspStretchType StretchType = spstFull;

  static const TspLookKeys<TspDataSkinHintWindow>& ReadKeys();
};
