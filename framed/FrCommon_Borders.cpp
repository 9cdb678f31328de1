#include "framed/FrCommon_Borders.h"

#include "framed/FrCommon_Colors.h"

namespace {

// How one frame style paints: edge lines, an etched pair of lines, or two rings.
struct TBorderRecipe {
  enum Kind { kNothing, kLines, kEtched, kRings } kind = kNothing;
  TColor ul1 = clBlack;  // lines, etched u, ring 1
  TColor lr1 = clBlack;  // lines, etched w, ring 1
  TColor ul2 = clBlack;  // ring 2
  TColor lr2 = clBlack;  // ring 2
};

TBorderRecipe Lines(TColor ul, TColor lr) { return {TBorderRecipe::kLines, ul, lr}; }
TBorderRecipe Etched(TColor u, TColor w) { return {TBorderRecipe::kEtched, u, w}; }
TBorderRecipe Rings(TColor ul1, TColor lr1, TColor ul2, TColor lr2) {
  return {TBorderRecipe::kRings, ul1, lr1, ul2, lr2};
}

TBorderRecipe SystemRecipe(TFrameStyle style) {
  switch (style) {
    case fsNone: return {};
    case fsFlat: return Lines(cl3DDkShadow, cl3DDkShadow);
    case fsGroove: return Etched(clBtnShadow, clBtnHighlight);
    case fsBump: return Etched(clBtnHighlight, clBtnShadow);
    case fsLowered: return Rings(clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight);
    case fsButtonDown: return Rings(clBtnText, clBtnText, clBtnShadow, clBtnShadow);
    case fsRaised: return Rings(cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow);
    case fsButtonUp: return Rings(clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow);
    case fsStatus: return Lines(clBtnShadow, clBtnHighlight);
    case fsPopup: return Lines(clBtnHighlight, clBtnShadow);
    case fsFlatBold: return Rings(clBtnShadow, clBtnShadow, clBtnShadow, clBtnShadow);
  }
  return {};
}

TBorderRecipe TintedRecipe(TColor face, TFrameStyle style) {
  auto dark = [face](uint8_t amount) { return DarkenColor(face, amount); };
  auto light = [face](uint8_t amount) { return LightenColor(face, amount); };
  switch (style) {
    case fsNone: return {};
    case fsFlat: return Lines(dark(50), dark(50));
    case fsGroove: return Etched(dark(50), light(100));
    case fsBump: return Etched(light(100), dark(50));
    case fsLowered: return Rings(dark(50), light(100), dark(100), light(50));
    case fsButtonDown: return Rings(dark(100), dark(100), dark(50), dark(50));
    case fsRaised: return Rings(light(50), dark(100), light(100), dark(50));
    case fsButtonUp: return Rings(light(100), dark(100), light(40), dark(50));
    case fsStatus: return Lines(dark(50), light(100));
    case fsPopup: return Lines(light(100), dark(50));
    case fsFlatBold: return Rings(dark(50), dark(50), dark(50), dark(50));
  }
  return {};
}

// Lines drawn over an empty or inverted rectangle would show outside it.
bool IsEmpty(const TRect& rect) { return rect.Width() <= 0 || rect.Height() <= 0; }

// Two lines a pixel apart, `u` outside and `w` inside on the top and left (the other way
// round on the bottom and right), with the line ends closed by corner pixels.
TRect PaintEtchedSides(TCanvas* canvas, const TRect& r, TColor u, TColor w, TSides sides) {
  if (IsEmpty(r)) return InsetSides(r, sides, 2);
  const bool left = sides.Contains(sdLeft), top = sides.Contains(sdTop);
  const bool right = sides.Contains(sdRight), bottom = sides.Contains(sdBottom);
  if (right) canvas->SetPixels(r.Right - 1, r.Top, w);
  else if (top) canvas->SetPixels(r.Right - 1, r.Top, u);
  if (bottom) canvas->SetPixels(r.Left, r.Bottom - 1, w);
  else if (left) canvas->SetPixels(r.Left, r.Bottom - 1, u);
  if (top && !left) canvas->SetPixels(r.Left, r.Top + 1, w);
  if (left && !top) canvas->SetPixels(r.Left + 1, r.Top, w);
  if (bottom && !right) canvas->SetPixels(r.Right - 1, r.Bottom - 2, u);
  if (right && !bottom) canvas->SetPixels(r.Right - 2, r.Bottom - 1, u);
  PaintEdgeLines(canvas, Rect(r.Left + 1, r.Top + 1, r.Right, r.Bottom), w, w, sides);
  PaintEdgeLines(canvas, Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1), u, u, sides);
  return InsetSides(r, sides, 2);
}

TRect PaintRecipe(TCanvas* canvas, const TRect& rect, const TBorderRecipe& recipe, TSides sides) {
  switch (recipe.kind) {
    case TBorderRecipe::kNothing: return rect;
    case TBorderRecipe::kLines: return PaintEdgeLines(canvas, rect, recipe.ul1, recipe.lr1, sides);
    case TBorderRecipe::kEtched: return PaintEtchedSides(canvas, rect, recipe.ul1, recipe.lr1, sides);
    case TBorderRecipe::kRings: {
      const TRect inner = PaintEdgeLines(canvas, rect, recipe.ul1, recipe.lr1, sides);
      return PaintEdgeLines(canvas, inner, recipe.ul2, recipe.lr2, sides);
    }
  }
  return rect;
}

void Line(TCanvas* canvas, int x1, int y1, int x2, int y2) {
  canvas->MoveTo(x1, y1);
  canvas->LineTo(x2, y2);
}

}  // namespace

TRect PaintEdgeLines(TCanvas* canvas, const TRect& rect, TColor ulColor, TColor lrColor, TSides sides) {
  if (IsEmpty(rect)) return InsetSides(rect, sides, 1);
  TPen* pen = canvas->Pen();
  pen->SetColor(ulColor);
  if (sides.Contains(sdLeft)) Line(canvas, rect.Left, rect.Top, rect.Left, rect.Bottom);
  if (sides.Contains(sdTop)) Line(canvas, rect.Left, rect.Top, rect.Right, rect.Top);
  pen->SetColor(lrColor);
  if (sides.Contains(sdRight)) Line(canvas, rect.Right - 1, rect.Top, rect.Right - 1, rect.Bottom);
  if (sides.Contains(sdBottom)) Line(canvas, rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom - 1);
  return InsetSides(rect, sides, 1);
}

TRect PaintEdgeRings(TCanvas* canvas, const TRect& rect, TColor ulColor, TColor lrColor, int count, TSides sides) {
  canvas->Pen()->SetWidth(1);
  TRect inside = rect;
  for (int ring = 0; ring < count; ++ring) inside = PaintEdgeLines(canvas, inside, ulColor, lrColor, sides);
  return inside;
}

TRect PaintSunkenRaisedSides(TCanvas* canvas, const TRect& rect, bool lowered, TSides sides) {
  return PaintRecipe(canvas, rect, SystemRecipe(lowered ? fsLowered : fsRaised), sides);
}

TRect PaintPushButtonSides(TCanvas* canvas, const TRect& rect, bool down, TSides sides) {
  return PaintRecipe(canvas, rect, SystemRecipe(down ? fsButtonDown : fsButtonUp), sides);
}

TRect PaintPushButtonBorder(TCanvas* canvas, const TRect& rect, bool down) {
  return PaintPushButtonSides(canvas, rect, down, kAllSides);
}

TRect PaintTintedPushButtonSides(TCanvas* canvas, const TRect& rect, TColor faceColor, TSides sides, bool down) {
  return PaintRecipe(canvas, rect, TintedRecipe(faceColor, down ? fsButtonDown : fsButtonUp), sides);
}

TRect PaintTintedPushButtonBorder(TCanvas* canvas, const TRect& rect, TColor faceColor, bool down) {
  return PaintTintedPushButtonSides(canvas, rect, faceColor, kAllSides, down);
}

TRect PaintStyledBorderSides(TCanvas* canvas, const TRect& rect, TFrameStyle style, TSides sides) {
  return PaintRecipe(canvas, rect, SystemRecipe(style), sides);
}

TRect PaintStyledBorder(TCanvas* canvas, const TRect& rect, TFrameStyle style) {
  return PaintStyledBorderSides(canvas, rect, style, kAllSides);
}

TRect PaintTintedBorderSides(TCanvas* canvas, const TRect& rect, TColor faceColor, TFrameStyle style, TSides sides) {
  return PaintRecipe(canvas, rect, TintedRecipe(faceColor, style), sides);
}

TRect PaintTintedBorder(TCanvas* canvas, const TRect& rect, TColor faceColor, TFrameStyle style) {
  return PaintTintedBorderSides(canvas, rect, faceColor, style, kAllSides);
}

TRect PaintFocusDots(TCanvas* canvas, const TRect& rect) {
  for (int y = rect.Top + 1; y < rect.Bottom; y += 2) {
    canvas->SetPixels(rect.Left, y, clBlack);
    canvas->SetPixels(rect.Right - 1, y, clBlack);
  }
  for (int x = rect.Left + 1; x < rect.Right; x += 2) {
    canvas->SetPixels(x, rect.Top, clBlack);
    canvas->SetPixels(x, rect.Bottom - 1, clBlack);
  }
  return Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
}

void PaintFrameByStyle(TCanvas* canvas, int width, int height, TFrameStyle style, TColor faceColor, TColor frameColor,
                       TSides sides, bool skipFaceRings) {
  const TRect outer = Rect(0, 0, width, height);
  if (!skipFaceRings) PaintEdgeRings(canvas, outer, faceColor, faceColor, 2, kAllSides);
  switch (style) {
    case fsFlat: PaintEdgeLines(canvas, outer, frameColor, frameColor, sides); break;
    case fsFlatBold: PaintEdgeRings(canvas, outer, frameColor, frameColor, 2, sides); break;
    default:
      if (faceColor == clWindow) PaintStyledBorderSides(canvas, outer, style, sides);
      else PaintTintedBorderSides(canvas, outer, faceColor, style, sides);
      break;
  }
}

// ---- Borders of framed panels and labels ----

TRect PaintControlBorderSides(TCanvas* canvas, const TRect& rect, TFrameStyle style, TSides sides,
                              const TControlBorderLook& look) {
  switch (style) {
    case fsFlat:
      return PaintEdgeRings(canvas, rect, look.Flat, look.Flat, 1, sides);
    case fsFlatBold:
      if (!look.FlatBoldInFlatColor) break;
      return PaintEdgeRings(canvas, rect, look.Flat, look.Flat, 2, sides);
    case fsStatus:
      return PaintEdgeRings(canvas, rect, look.Shadow, look.Highlight, look.BevelWidth, sides);
    case fsPopup:
      return PaintEdgeRings(canvas, rect, look.Highlight, look.Shadow, look.BevelWidth, sides);
    default:
      break;
  }
  return PaintStyledBorderSides(canvas, rect, style, sides);
}

int ControlBorderRoom(TFrameStyle style, int bevelWidth, bool flatBoldTakesRoom) {
  switch (style) {
    case fsNone: return 0;
    case fsFlat: return 1;
    case fsStatus:
    case fsPopup: return bevelWidth;
    case fsFlatBold: return flatBoldTakesRoom ? 2 : 0;
    default: return 2;
  }
}

TRect InsetSides(const TRect& rect, TSides sides, int amount) {
  TRect inside = rect;
  if (sides.Contains(sdLeft)) inside.Left += amount;
  if (sides.Contains(sdTop)) inside.Top += amount;
  if (sides.Contains(sdRight)) inside.Right -= amount;
  if (sides.Contains(sdBottom)) inside.Bottom -= amount;
  return inside;
}
