#pragma once
#include "skin/data/Skindata_Bases.h"

// Looks of text-only controls.

// A font with a normal and a hover colour; no picture of its own.
class TspDataSkinStdLabelControl : public TspLookKind<TspDataSkinStdLabelControl, TspDataSkinControl> {
  CLASSLIB_CLASS(TspDataSkinStdLabelControl, TspDataSkinControl)
 public:
  using TspLookKind::TspLookKind;

  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 12;
  TColor FontColor = 0;
  TColor ActiveFontColor = clBlue;

  static const TspLookKeys<TspDataSkinStdLabelControl>& ReadKeys();
};

// A resizable face with a caption font.
class TspDataSkinLabelControl : public TspLookKind<TspDataSkinLabelControl, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinLabelControl, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 12;
  TColor FontColor = 0;

  static const TspLookKeys<TspDataSkinLabelControl>& ReadKeys();
};

// Text drawn from a grid of character pictures: line i of Symbols lists the characters
// of row i of the grid.
class TspDataSkinBitLabelControl : public TspLookKind<TspDataSkinBitLabelControl, TspDataSkinCustomControl> {
  CLASSLIB_CLASS(TspDataSkinBitLabelControl, TspDataSkinCustomControl)
 public:
  using TspLookKind::TspLookKind;

  TRect SkinTextRect;
  int SymbolWidth = 0;
  int SymbolHeight = 0;
  TStringList Symbols;

  static const TspLookKeys<TspDataSkinBitLabelControl>& ReadKeys();
};
