#pragma once
// Small built-in glyphs drawn when a skin gives no picture for them: arrows, the check
// and radio marks, caption-button symbols and cells of a glyph strip. Each routine sets
// the canvas's pen colour (and brush where it fills or outlines) and leaves it so.
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Types.h"

// A downward triangle of 5, 3 and 1 pixels whose top row is the rectangle's centre row.
void DrawTrackArrowImage(TCanvas* Cnvs, const TRect& R, TColor Color);
// A triangle of 1, 3, 5 and 7 pixels with its tip 2 pixels from the centre: Code 1 points
// left, 2 right, 3 up, 4 down; other codes draw nothing.
void DrawArrowImage(TCanvas* Cnvs, const TRect& R, TColor Color, int Code);
void DrawRadioImage(TCanvas* Cnvs, int X, int Y, TColor Color);
void DrawCheckImage(TCanvas* Cnvs, int X, int Y, TColor Color);
// Cell GlyphNum (from 1) of a strip of NumGlyphs equal cells, drawn at X, Y with the
// cell's lower-left pixel colour left out. An empty strip draws nothing.
void DrawGlyph(TCanvas* Cnvs, int X, int Y, TBitmap* Glyph, int NumGlyphs, int GlyphNum);

// Caption-button symbols in a cell of about 11 x 10 pixels from X, Y.
void DrawCloseImage(TCanvas* C, int X, int Y, TColor Color);
void DrawSysMenuImage(TCanvas* C, int X, int Y, TColor Color);
void DrawMinimizeImage(TCanvas* C, int X, int Y, TColor Color);
void DrawMaximizeImage(TCanvas* C, int X, int Y, TColor Color);
void DrawRestoreImage(TCanvas* C, int X, int Y, TColor Color);
void DrawRestoreRollUpImage(TCanvas* C, int X, int Y, TColor Color);
void DrawRollUpImage(TCanvas* C, int X, int Y, TColor Color);
void DrawMTImage(TCanvas* C, int X, int Y, TColor Color);
// The close cross centred in R.
void DrawRCloseImage(TCanvas* C, const TRect& R, TColor Color);
