#include "skin/data/Skinctrls_Layout.h"

#include <functional>

#include "skin/data/Sputils_Glyphs.h"

namespace {

constexpr UINT kMeasureFlags = DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK;  // 0x450
constexpr UINT kDrawFlags = DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER;  // 0x55

// The canvas's context with its font selected and its text colour set.
HDC TextContext(TCanvas* canvas) {
  canvas->TextExtent(AnsiString());
  HDC dc = canvas->Handle();
  SetBkMode(dc, canvas->Brush()->Style() == bsClear ? TRANSPARENT : OPAQUE);
  return dc;
}

// The caption's size in a box of R's size less the image on the layout's axis.
SIZE MeasureCaption(TCanvas* canvas, const AnsiString& caption, const TRect& r, TspButtonLayout layout, SIZE image) {
  if (caption.IsEmpty()) return SIZE{0, 0};
  TRect box = Rect(0, 0, r.Width(), r.Height());
  if (layout == blGlyphLeft || layout == blGlyphRight) box.Right -= image.cx;
  else box.Bottom -= image.cy;
  DrawTextA(TextContext(canvas), caption.c_str(), caption.Length(), box.AsRECT(), kMeasureFlags);
  return SIZE{box.Width(), box.Height()};
}

void Bars(TCanvas* canvas, int left, int right, int lastRow, TColor color) {
  canvas->Pen()->SetColor(color);
  for (int y = lastRow - 2; y <= lastRow; ++y) {
    canvas->MoveTo(left, y);
    canvas->LineTo(right, y);
  }
}

// What the two drawing routines share: the image's size, whether the brush goes clear,
// how the image is drawn and how wide its marker bars are.
struct TButtonImage {
  SIZE Size{0, 0};
  int MarkerWidth = 0;
  bool ClearAlways = true;
  std::function<void(int x, int y)> Draw;
};

void DrawContent(TCanvas* canvas, const TRect& r, int margin, int spacing, TspButtonLayout layout,
                 const AnsiString& caption, const TButtonImage& image, bool down, bool drawMarker, TColor marker) {
  const SIZE text = MeasureCaption(canvas, caption, r, layout, image.Size);
  if (image.ClearAlways || !caption.IsEmpty()) canvas->Brush()->SetStyle(bsClear);
  int tx = 0, ty = 0, gx = 0, gy = 0;
  CalcButtonLayout(layout, r, image.Size.cx, image.Size.cy, text.cx, text.cy, spacing, margin, tx, ty, gx, gy);
  const int shift = down ? 1 : 0;
  tx += shift, ty += shift, gx += shift, gy += shift;
  TRect textRect = Rect(tx, ty, tx + text.cx + 2, ty + text.cy);
  if (!caption.IsEmpty()) {
    DrawTextA(TextContext(canvas), caption.c_str(), caption.Length(), textRect.AsRECT(), kDrawFlags);
  }
  const bool hasImage = image.Size.cx > 0 && image.Size.cy > 0;
  if (hasImage) image.Draw(gx, gy);
  if (!drawMarker) return;
  if (hasImage) {
    Bars(canvas, gx, gx + image.MarkerWidth, gy + image.Size.cy, marker);
  } else if (!caption.IsEmpty()) {
    Bars(canvas, tx, tx + text.cx + 2, ty + text.cy + 1, marker);
  } else {
    canvas->Brush()->SetColor(marker);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(Rect(r.Left + 4, r.Top + 4 + shift, r.Right - 2, r.Bottom - 4 + shift));
  }
}

}  // namespace

void CalcButtonLayout(TspButtonLayout Layout, const TRect& R, int ImageWidth, int ImageHeight, int TextWidth,
                      int TextHeight, int Spacing, int Margin, int& TX, int& TY, int& GX, int& GY) {
  const int cx = R.Left + R.Width() / 2;
  const int cy = R.Top + R.Height() / 2;
  const int h = (TextWidth + ImageWidth + Spacing) / 2;
  const int v = (TextHeight + ImageHeight + Spacing) / 2;
  const bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
  if (horizontal) {
    GY = cy - ImageHeight / 2;
    TY = cy - TextHeight / 2;
  } else {
    GX = cx - ImageWidth / 2;
    TX = cx - TextWidth / 2;
  }
  const bool centred = Margin == -1;
  switch (Layout) {
    case blGlyphLeft:
      GX = centred ? cx - h : R.Left + Margin;
      TX = centred ? cx + h - TextWidth : GX + ImageWidth + Spacing;
      break;
    case blGlyphRight:
      GX = centred ? cx + h - ImageWidth : R.Right - ImageWidth - Margin;
      TX = centred ? cx - h : GX - Spacing - TextWidth;
      break;
    case blGlyphTop:
      GY = centred ? cy - v : R.Top + Margin;
      TY = centred ? cy + v - TextHeight : GY + ImageHeight + Spacing;
      break;
    case blGlyphBottom:
      GY = centred ? cy + v - ImageHeight : R.Bottom - ImageHeight - Margin;
      TY = centred ? cy - v : GY - Spacing - TextHeight;
      break;
  }
}

void DrawImageAndText(TCanvas* Cnvs, const TRect& R, int Margin, int Spacing, TspButtonLayout Layout,
                      const AnsiString& Caption, int ImageIndex, TCustomImageList* IL, bool ADown, bool AEnabled,
                      bool ADrawColorMarker, TColor AColorMarkerValue) {
  TButtonImage image;
  if (IL != nullptr && ImageIndex >= 0 && ImageIndex < IL->Count()) {
    image.Size = SIZE{IL->Width(), IL->Height()};
    image.MarkerWidth = IL->Width();
    image.Draw = [&](int x, int y) { IL->Draw(Cnvs, x, y, ImageIndex, AEnabled); };
  }
  DrawContent(Cnvs, R, Margin, Spacing, Layout, Caption, image, ADown, ADrawColorMarker, AColorMarkerValue);
}

void DrawGlyphAndText(TCanvas* Cnvs, const TRect& R, int Margin, int Spacing, TspButtonLayout Layout,
                      const AnsiString& Caption, TBitmap* Glyph, TspNumGlyphs NumGlyphs, int GlyphNum, bool ADown,
                      bool ADrawColorMarker, TColor AColorMarkerValue) {
  TButtonImage image;
  image.ClearAlways = false;
  if (Glyph != nullptr && !Glyph->Empty() && NumGlyphs >= 1) {
    image.Size = SIZE{Glyph->Width() / NumGlyphs, Glyph->Height()};
    image.MarkerWidth = Glyph->Width();
    image.Draw = [&](int x, int y) { DrawGlyph(Cnvs, x, y, Glyph, NumGlyphs, GlyphNum); };
  }
  DrawContent(Cnvs, R, Margin, Spacing, Layout, Caption, image, ADown, ADrawColorMarker, AColorMarkerValue);
}
