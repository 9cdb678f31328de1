#pragma once
// Arrows, angled fonts, masked bitmaps and the parent-background painter of the framed
// controls.
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/windowing/Control.h"

enum TArrowDirection { adUp, adDown, adLeft, adRight };

// The drop-down arrow of a combo box (a chevron with `styledLook`, else a triangle),
// centred in `rect`, moved by a pixel while `down`; grey when disabled. The styled
// arrow takes the colour the visual styles give a combo box's drop-down arrow.
void PaintDropArrow(TCanvas* canvas, const TRect& rect, bool styledLook, bool down, bool enabled);
// An arrow pointing in `direction`, as on spin buttons.
void PaintDirectionArrow(TCanvas* canvas, const TRect& rect, bool styledLook, TArrowDirection direction, bool down,
                         bool enabled);

// A font like `font` whose text runs at `angle` degrees; the caller owns the handle.
HFONT CreateAngledFont(TFont* font, int angle);
bool IsTrueTypeFont(TFont* font);
// The font's text height on the screen plus 2.
int FontLineHeight(TFont* font);
// The size of `text` in `font` on the screen (outside any paint).
SIZE ScreenTextExtent(TFont* font, const AnsiString& text);
// DrawTextA of `text` into `rect` with the canvas's font, a clear background and `color`;
// with DT_CALCRECT only measures, `rect` taking the text's extent. Answers the height.
int DrawCanvasText(TCanvas* canvas, const AnsiString& text, TRect& rect, UINT flags, TColor color);

// Copies `source` of `bitmap`, stretched to `dest`, onto the canvas, leaving the canvas
// untouched where the copy has `transparentColor`.
void PaintMaskedBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& dest, const TRect& source,
                       TColor transparentColor);

// Paints the control's parent (background, then contents) into `dc` as seen through the
// control, for controls that look transparent. With `invalidateParent`, a parent that
// is not a custom control (which paints itself fully) is invalidated as well.
void PaintParentBackground(TControl* control, HDC dc, bool invalidateParent);
