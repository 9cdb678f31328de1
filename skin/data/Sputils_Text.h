#pragma once
#include <string>

#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Colors.h"
#include "classlib/runtime/AnsiString.h"

// Text fitting and drawing of the skin library. Wide text is drawn with the system's
// wide output on the NT platform and converted to the system code page elsewhere.

// Shortens `s` to the longest beginning that fits `width` pixels with "..." after it
// ("..." alone when none fits); a text that fits stays as it is.
void CorrectTextbyWidth(TCanvas* canvas, AnsiString& s, int width);
void CorrectTextbyWidthW(TCanvas* canvas, std::wstring& s, int width);

// Draws `s` into `r` with the DT_ flags in the canvas's font and brush; answers the
// system's result (with DT_CALCRECT, `r` receives the text's extent).
int SPDrawSkinText(TCanvas* canvas, const std::wstring& s, TRect& r, UINT flags);
int CalcTextWidthW(TCanvas* canvas, const std::wstring& s);
int CalcTextHeightW(TCanvas* canvas, const std::wstring& s);

// Single-line text in `r`: left-aligned and vertically centred (SPDrawText), or clipped
// to `r` from 2 pixels right of its left edge (SPDrawText2), plus `offset` (SPDrawText3).
// An empty text draws nothing.
void SPDrawText(TCanvas* canvas, const AnsiString& s, const TRect& r);
void SPDrawText2(TCanvas* canvas, const AnsiString& s, const TRect& r);
void SPDrawText3(TCanvas* canvas, const AnsiString& s, const TRect& r, int offset);

// A one-pixel frame: top and left edges in `topColor`, right and bottom edges (with the
// top-right and bottom-left pixels) in `bottomColor`.
void Frm3D(TCanvas* canvas, TRect r, TColor topColor, TColor bottomColor);
