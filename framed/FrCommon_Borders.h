#pragma once
// The border painters of the framed controls. Each paints on the chosen sides of a
// rectangle and answers the rectangle left inside what it painted; an empty or inverted
// rectangle paints nothing visible. System-colour painters and tinted painters (shades
// of a face colour) exist for every TFrameStyle.
#include "classlib/graphics/Canvas.h"
#include "framed/FrCommon_Types.h"

// One line per side with the pen as set: left and top in `ulColor`, right and bottom in
// `lrColor` (these own the top-right and bottom-left corners).
TRect PaintEdgeLines(TCanvas* canvas, const TRect& rect, TColor ulColor, TColor lrColor, TSides sides);
// `count` one-pixel edge-line rings, each inside the last.
TRect PaintEdgeRings(TCanvas* canvas, const TRect& rect, TColor ulColor, TColor lrColor, int count, TSides sides);

TRect PaintSunkenRaisedSides(TCanvas* canvas, const TRect& rect, bool lowered, TSides sides);
TRect PaintPushButtonSides(TCanvas* canvas, const TRect& rect, bool down, TSides sides);
TRect PaintPushButtonBorder(TCanvas* canvas, const TRect& rect, bool down);
TRect PaintTintedPushButtonSides(TCanvas* canvas, const TRect& rect, TColor faceColor, TSides sides, bool down);
TRect PaintTintedPushButtonBorder(TCanvas* canvas, const TRect& rect, TColor faceColor, bool down);

TRect PaintStyledBorderSides(TCanvas* canvas, const TRect& rect, TFrameStyle style, TSides sides);
TRect PaintStyledBorder(TCanvas* canvas, const TRect& rect, TFrameStyle style);
TRect PaintTintedBorderSides(TCanvas* canvas, const TRect& rect, TColor faceColor, TFrameStyle style, TSides sides);
TRect PaintTintedBorder(TCanvas* canvas, const TRect& rect, TColor faceColor, TFrameStyle style);

// The dotted focus outline (every other pixel black); answers the rectangle inflated by -1.
TRect PaintFocusDots(TCanvas* canvas, const TRect& rect);

// The frame of a whole window of the given size: two face-colour rings (unless
// `skipFaceRings`), then on the outer edge the style in `frameColor` (fsFlat, fsFlatBold)
// or in system colours (face clWindow) or in shades of the face colour.
void PaintFrameByStyle(TCanvas* canvas, int width, int height, TFrameStyle style, TColor faceColor, TColor frameColor,
                       TSides sides, bool skipFaceRings);

// How a framed panel or label paints its own borders: fsFlat in `Flat` (and fsFlatBold as
// two rings of it when `FlatBoldInFlatColor`), fsStatus and fsPopup as BevelWidth rings of
// Shadow and Highlight (sunken and raised), any other style in system colours.
struct TControlBorderLook {
  TColor Flat = clBtnShadow;
  TColor Highlight = clBtnHighlight;
  TColor Shadow = clBtnShadow;
  int BevelWidth = 1;
  bool FlatBoldInFlatColor = true;
};
TRect PaintControlBorderSides(TCanvas* canvas, const TRect& rect, TFrameStyle style, TSides sides,
                              const TControlBorderLook& look);
// The room such a border takes on each chosen side: 1 for fsFlat, BevelWidth for fsStatus
// and fsPopup, 2 for the other styles (fsFlatBold only when `flatBoldTakesRoom`).
int ControlBorderRoom(TFrameStyle style, int bevelWidth, bool flatBoldTakesRoom);
// `rect` moved in by `amount` on `sides`.
TRect InsetSides(const TRect& rect, TSides sides, int amount);
