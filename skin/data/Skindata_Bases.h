#pragma once
#include "classlib/graphics/Colors.h"
#include "skin/data/Skindata_Keys.h"

// The roots of the look descriptors. A descriptor holds what the skin's section of its
// name says and never draws; LoadFromFile reads that section, SaveToFile erases and
// rewrites it.

// Root of every control look.
class TspDataSkinControl : public TObject {
  CLASSLIB_CLASS(TspDataSkinControl, TObject)
 public:
  explicit TspDataSkinControl(const AnsiString& name) : IDName(name) {}

  virtual void LoadFromFile(TCustomIniFile* ini);
  virtual void SaveToFile(TCustomIniFile* ini);

  AnsiString IDName;
  int PictureIndex = -1;
  int MaskPictureIndex = -1;
  TRect SkinRect;
  int CursorIndex = -1;

  static const TspLookKeys<TspDataSkinControl>& ReadKeys();
};

// A control look cut from its picture in nine parts by four corner points and a client
// rectangle (relative to the top-left of "skinrect").
class TspDataSkinCustomControl : public TspLookKind<TspDataSkinCustomControl, TspDataSkinControl> {
  CLASSLIB_CLASS(TspDataSkinCustomControl, TspDataSkinControl)
 public:
  using TspLookKind::TspLookKind;

  TPoint LeftTopPoint;
  TPoint RightTopPoint;
  TPoint LeftBottomPoint;
  TPoint RightBottomPoint;
  TRect ClientRect;
  bool StretchEffect = false;
  bool LeftStretch = false;
  bool TopStretch = false;
  bool RightStretch = false;
  bool BottomStretch = false;
  TspStretchType StretchType = spstFull;

  static const TspLookKeys<TspDataSkinCustomControl>& ReadKeys();
  static const TspLookKeys<TspDataSkinCustomControl>& WriteKeys();
};

// Root of every form-object look.
class TspDataSkinObject : public TObject {
  CLASSLIB_CLASS(TspDataSkinObject, TObject)
 public:
  explicit TspDataSkinObject(const AnsiString& name) : IDName(name) {}

  virtual void LoadFromFile(TCustomIniFile* ini);
  virtual void SaveToFile(TCustomIniFile* ini);

  AnsiString IDName;
  AnsiString Hint;
  bool SkinRectInAPicture = false;
  TRect SkinRect;
  TRect ActiveSkinRect;
  TRect InActiveSkinRect;
  bool Morphing = false;
  TMorphKind MorphKind = mkDefault;
  int ActivePictureIndex = -1;
  int CursorIndex = -1;
  bool RollUp = false;

  static const TspLookKeys<TspDataSkinObject>& ReadKeys();
};

// A named rectangle of the skinned form, in the coordinates of the form's picture.
class TspDataSkinArea : public TObject {
  CLASSLIB_CLASS(TspDataSkinArea, TObject)
 public:
  TspDataSkinArea(const AnsiString& name, const TRect& rect) : IDName(name), AreaRect(rect) {}

  AnsiString IDName;
  TRect AreaRect;
};

// The ten colours of section SKINCOLORS.
class TspSkinColors : public TObject {
  CLASSLIB_CLASS(TspSkinColors, TObject)
 public:
  TspSkinColors() = default;

  // The system colours of the ten purposes.
  void SetColorsToDefault();
  // Reads the ten keys; a missing key keeps the colour held (the system colour after
  // SetColorsToDefault), so a skin without the section keeps the system's colours.
  void LoadFromFile(TCustomIniFile* ini);
  // Writes the ten keys (the caller erases the section first).
  void SaveToFile(TCustomIniFile* ini);

  TColor BtnFace = 0;
  TColor BtnText = 0;
  TColor Window = 0;
  TColor WindowText = 0;
  TColor Highlight = 0;
  TColor HighlightText = 0;
  TColor BtnHighlight = 0;
  TColor BtnShadow = 0;
  TColor Light3D = 0;
  TColor DkShadow3D = 0;

  static constexpr const char* kSection = "SKINCOLORS";
};
