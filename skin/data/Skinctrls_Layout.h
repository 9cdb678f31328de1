#pragma once
// Where a skinned button's image and caption go, and the drawing of both: an image of an
// image list or a cell of a glyph strip, the caption word-wrapped and centred, and an
// optional colour marker (three bars under the image or text, or a filled swatch).
// Text is measured and drawn with the canvas's font; the caption is drawn first.
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/ImageList.h"
#include "classlib/graphics/Types.h"
#include "classlib/runtime/AnsiString.h"

enum TspButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// Cells of a glyph strip: 1..4.
using TspNumGlyphs = int;

// Margin -1 centres image and caption together in R; another margin is the distance from
// R's edge on the image's side to the image. Spacing always separates the two.
void CalcButtonLayout(TspButtonLayout Layout, const TRect& R, int ImageWidth, int ImageHeight, int TextWidth,
                      int TextHeight, int Spacing, int Margin, int& TX, int& TY, int& GX, int& GY);

void DrawImageAndText(TCanvas* Cnvs, const TRect& R, int Margin, int Spacing, TspButtonLayout Layout,
                      const AnsiString& Caption, int ImageIndex, TCustomImageList* IL, bool ADown, bool AEnabled,
                      bool ADrawColorMarker, TColor AColorMarkerValue);

void DrawGlyphAndText(TCanvas* Cnvs, const TRect& R, int Margin, int Spacing, TspButtonLayout Layout,
                      const AnsiString& Caption, TBitmap* Glyph, TspNumGlyphs NumGlyphs, int GlyphNum, bool ADown,
                      bool ADrawColorMarker, TColor AColorMarkerValue);
