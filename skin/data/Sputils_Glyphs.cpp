#include "skin/data/Sputils_Glyphs.h"

#include <array>

namespace {

// A line from (x1, y1) up to, not including, (x2, y2).
void Line(TCanvas* c, int x1, int y1, int x2, int y2) {
  c->MoveTo(x1, y1);
  c->LineTo(x2, y2);
}

// Row y from x1 to x2, both included.
void Row(TCanvas* c, int y, int x1, int x2) { Line(c, x1, y, x2 + 1, y); }
// Column x from y1 to y2, both included.
void Column(TCanvas* c, int x, int y1, int y2) { Line(c, x, y1, x, y2 + 1); }

TPoint Centre(const TRect& r) { return Point(r.Left + r.Width() / 2, r.Top + r.Height() / 2); }

void Outline(TCanvas* c, const TRect& r) { c->Rectangle(r); }

}  // namespace

void DrawTrackArrowImage(TCanvas* Cnvs, const TRect& R, TColor Color) {
  Cnvs->Pen()->SetColor(Color);
  const TPoint c = Centre(R);
  for (int i = 0; i < 3; ++i) Row(Cnvs, c.Y + i, c.X - 2 + i, c.X + 2 - i);
}

void DrawArrowImage(TCanvas* Cnvs, const TRect& R, TColor Color, int Code) {
  Cnvs->Pen()->SetColor(Color);
  const TPoint c = Centre(R);
  for (int i = 0; i <= 3; ++i) {
    switch (Code) {
      case 1: Column(Cnvs, c.X - 2 + i, c.Y - i, c.Y + i); break;
      case 2: Column(Cnvs, c.X + 2 - i, c.Y - i, c.Y + i); break;
      case 3: Row(Cnvs, c.Y - 2 + i, c.X - i, c.X + i); break;
      case 4: Row(Cnvs, c.Y + 2 - i, c.X - i, c.X + i); break;
      default: return;
    }
  }
}

void DrawRadioImage(TCanvas* Cnvs, int X, int Y, TColor Color) {
  Cnvs->Pen()->SetColor(Color);
  Cnvs->Brush()->SetColor(Color);
  Cnvs->Rectangle(X, Y, X + 6, Y + 6);
}

void DrawCheckImage(TCanvas* Cnvs, int X, int Y, TColor Color) {
  Cnvs->Pen()->SetColor(Color);
  for (int i = 0; i < 3; ++i) {
    const std::array<TPoint, 3> points{Point(X, Y + 5 - i), Point(X + 2, Y + 7 - i), Point(X + 7, Y + 2 - i)};
    Cnvs->Polyline(points);
  }
}

void DrawGlyph(TCanvas* Cnvs, int X, int Y, TBitmap* Glyph, int NumGlyphs, int GlyphNum) {
  if (Glyph == nullptr || Glyph->Empty() || NumGlyphs < 1) return;
  const int w = Glyph->Width() / NumGlyphs;
  const int h = Glyph->Height();
  if (w <= 0) return;
  TBitmap cell;
  cell.SetSize(w, h);
  cell.Canvas()->CopyRect(Rect(0, 0, w, h), Glyph->Canvas(), Rect((GlyphNum - 1) * w, 0, GlyphNum * w, h));
  cell.SetTransparentMode(tmAuto);
  cell.SetTransparent(true);
  Cnvs->Draw(X, Y, &cell);
}

void DrawCloseImage(TCanvas* C, int X, int Y, TColor Color) {
  C->Pen()->SetColor(Color);
  Line(C, X + 1, Y + 1, X + 9, Y + 9);
  Line(C, X + 9, Y + 1, X + 1, Y + 9);
  Line(C, X + 2, Y + 1, X + 10, Y + 9);
  Line(C, X + 8, Y + 1, X, Y + 9);
}

void DrawRCloseImage(TCanvas* C, const TRect& R, TColor Color) {
  const TPoint c = Centre(R);
  DrawCloseImage(C, c.X - 5, c.Y - 5, Color);
}

void DrawSysMenuImage(TCanvas* C, int X, int Y, TColor Color) {
  C->Pen()->SetColor(Color);
  C->Brush()->SetStyle(bsClear);
  Outline(C, Rect(X + 1, Y + 3, X + 9, Y + 6));
}

void DrawMinimizeImage(TCanvas* C, int X, int Y, TColor Color) {
  C->Pen()->SetColor(Color);
  Line(C, X + 1, Y + 8, X + 9, Y + 8);
  Line(C, X + 1, Y + 9, X + 9, Y + 9);
}

void DrawMaximizeImage(TCanvas* C, int X, int Y, TColor Color) {
  C->Pen()->SetColor(Color);
  C->Brush()->SetStyle(bsClear);
  Outline(C, Rect(X, Y, X + 11, Y + 10));
  Outline(C, Rect(X, Y, X + 11, Y + 2));
}

void DrawRestoreImage(TCanvas* C, int X, int Y, TColor Color) {
  C->Pen()->SetColor(Color);
  C->Brush()->SetStyle(bsClear);
  Outline(C, Rect(X + 2, Y, X + 10, Y + 6));
  Outline(C, Rect(X + 2, Y, X + 10, Y + 2));
  Outline(C, Rect(X, Y + 4, X + 7, Y + 10));
  Outline(C, Rect(X, Y + 4, X + 7, Y + 6));
}

void DrawRestoreRollUpImage(TCanvas* C, int X, int Y, TColor Color) {
  C->Pen()->SetColor(Color);
  for (int i = 0; i <= 4; ++i) Line(C, X + 5 - i, Y + 6 - i, X + 5 + i, Y + 6 - i);
}

void DrawRollUpImage(TCanvas* C, int X, int Y, TColor Color) {
  C->Pen()->SetColor(Color);
  for (int i = 0; i <= 4; ++i) Line(C, X + 5 - i, Y + 2 + i, X + 5 + i, Y + 2 + i);
}

void DrawMTImage(TCanvas* C, int X, int Y, TColor Color) {
  C->Pen()->SetColor(Color);
  C->Brush()->SetColor(Color);
  C->Rectangle(X + 2, Y + 2, X + 7, Y + 7);
}
