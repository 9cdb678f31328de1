#include "framed/FrSplit_Bar.h"

#include <array>

#include "classlib/windowing/Control.h"
#include "classlib/windowing/CustomControl.h"
#include "classlib/windowing/PaintCanvas.h"
#include "framed/FrCommon_Borders.h"

namespace {

// An 8 x 8 monochrome pattern: white, black where x + y is odd. Rows are word-aligned.
HBITMAP MakeCheckerboard() {
  std::array<WORD, 8> rows{};
  for (int y = 0; y < 8; ++y) rows[y] = (y % 2 == 0) ? 0xAA : 0x55;
  return CreateBitmap(8, 8, 1, 1, rows.data());
}

// A private copy of the program's cursor resource, so that destroying it is ours to do.
HCURSOR LoadBarCursor(const char* name) {
  return static_cast<HCURSOR>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
}

}  // namespace

TFrBarTools::TFrBarTools()
    : checkerboard_(MakeCheckerboard()),
      horz_(LoadBarCursor("FRSPLIT_HORZ")),
      horzHotSpot_(LoadBarCursor("FRSPLIT_HORZHOTSPOT")),
      vert_(LoadBarCursor("FRSPLIT_VERT")),
      vertHotSpot_(LoadBarCursor("FRSPLIT_VERTHOTSPOT")) {
  if (checkerboard_) brush_.reset(CreatePatternBrush(checkerboard_.get()));
}

void TFrBarTools::InvertOnScreen(TPoint at, int width, int height) const {
  if (!brush_) return;
  HDC screen = GetDC(nullptr);
  // The pattern's clear bits take the text colour and its set ones the background: every
  // other pixel is inverted, the rest stays.
  const COLORREF oldText = SetTextColor(screen, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(screen, RGB(0xFF, 0xFF, 0xFF));
  HGDIOBJ oldBrush = SelectObject(screen, brush_.get());
  PatBlt(screen, at.X, at.Y, width, height, PATINVERT);
  SelectObject(screen, oldBrush);
  SetBkColor(screen, oldBack);
  SetTextColor(screen, oldText);
  ReleaseDC(nullptr, screen);
}

HCURSOR TFrBarTools::CursorAt(TPoint p, const TRect& bar, const TRect& hotSpot, bool hotSpotVisible, bool locked,
                              bool barAlongX) const {
  if (locked || !PointInBar(bar, p)) return nullptr;
  const bool overHotSpot = hotSpotVisible && PointInBar(hotSpot, p);
  if (barAlongX) return overHotSpot ? vertHotSpot_.get() : vert_.get();
  return overHotSpot ? horzHotSpot_.get() : horz_.get();
}

bool TBarDrag::Press(TControl* control, TPoint p, const TRect& bar, const TRect& hotSpot, bool hotSpotVisible,
                     bool locked) {
  if (!PointInBar(bar, p)) return false;
  const bool onHotSpot = hotSpotVisible && PointInBar(hotSpot, p);
  if (!onHotSpot && locked) return false;
  SetCaptureControl(control);
  dragging = true;
  hotSpotPressed = onHotSpot;
  return true;
}

bool TBarDrag::Release(TControl* control) {
  if (!dragging && !hotSpotPressed) return false;
  dragging = false;
  if (GetCaptureControl() == control) SetCaptureControl(nullptr);
  return true;
}

TBarDrag::THighlight TBarDrag::Track(bool inside, bool repeatInside) {
  if (inside) {
    const bool paint = outside || repeatInside;
    outside = false;
    return paint ? THighlight::kLit : THighlight::kKeep;
  }
  if (outside) return THighlight::kKeep;
  outside = true;
  return THighlight::kUnlit;
}

void PaintOnWindow(TCustomControl* control, const std::function<void()>& paint) {
  if (!control->HandleAllocated()) return;
  HWND window = control->Handle();
  HDC dc = GetDC(window);
  {
    TPaintScope scope(static_cast<TPaintCanvas*>(control->Canvas()), dc, control->Font(), control->Color());
    paint();
  }
  ReleaseDC(window, dc);
}

void PaintBarFace(TCanvas* canvas, const TRect& bar, TColor color, TSplitterStyle style, bool barAlongX,
                  bool fill) {
  if (fill) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(color);
    canvas->FillRect(Rect(bar.Left, bar.Top, bar.Right + 1, bar.Bottom + 1));
  }
  if (style == ssStandard) return;
  const TFrameStyle border = style == ssBump ? fsPopup : fsStatus;
  if (barAlongX) {
    const int mid = bar.Top + bar.Height() / 2;
    PaintStyledBorder(canvas, Rect(bar.Left, mid - 3, bar.Right, mid), border);
    PaintStyledBorder(canvas, Rect(bar.Left, mid, bar.Right, mid + 3), border);
  } else {
    const int mid = bar.Left + bar.Width() / 2;
    PaintStyledBorder(canvas, Rect(mid - 3, bar.Top, mid, bar.Bottom), border);
    PaintStyledBorder(canvas, Rect(mid, bar.Top, mid + 3, bar.Bottom), border);
  }
}

THotSpotPainter::THotSpotPainter(TCanvas* canvas, const TRect& spot, bool alongX)
    : canvas_(canvas), spot_(spot), alongX_(alongX) {}

int THotSpotPainter::Centre() const {
  return alongX_ ? spot_.Left + spot_.Width() / 2 : spot_.Top + spot_.Height() / 2;
}

// (along, across) in the hot spot's axes to client coordinates.
TPoint THotSpotPainter::At(int along, int across) const {
  return alongX_ ? Point(along, across) : Point(across, along);
}

void THotSpotPainter::Frame(const TRect& lit, TColor highlight) {
  const TRect inside = PaintEdgeLines(canvas_, spot_, clBtnShadow, clBtnShadow, kAllSides);
  canvas_->Brush()->SetStyle(bsSolid);
  canvas_->Brush()->SetColor(clBtnFace);
  canvas_->FillRect(inside);
  TRect part = lit;
  if (IntersectRect(part.AsRECT(), lit.AsRECT(), inside.AsRECT())) {
    canvas_->Brush()->SetColor(highlight);
    canvas_->FillRect(part);
  }
  canvas_->Pen()->SetColor(clBtnHighlight);
  canvas_->MoveTo(inside.Left, inside.Bottom - 1);
  canvas_->LineTo(inside.Left, inside.Top);
  canvas_->LineTo(inside.Right, inside.Top);
}

void THotSpotPainter::Divider() {
  const int c = Centre();
  const int from = alongX_ ? spot_.Top + 1 : spot_.Left + 1;
  const int to = alongX_ ? spot_.Bottom - 1 : spot_.Right - 1;
  canvas_->Pen()->SetColor(clBtnShadow);
  canvas_->MoveTo(At(c, from).X, At(c, from).Y);
  canvas_->LineTo(At(c, to).X, At(c, to).Y);
  canvas_->Pen()->SetColor(clBtnHighlight);
  canvas_->MoveTo(At(c - 1, from + 1).X, At(c - 1, from + 1).Y);
  canvas_->LineTo(At(c - 1, to - 1).X, At(c - 1, to - 1).Y);
}

void THotSpotPainter::Triangle(int along, bool towardsFirst) {
  const int across = alongX_ ? spot_.Top + spot_.Height() / 2 : spot_.Left + spot_.Width() / 2;
  // The tip one pixel towards the pointed side, the base two pixels either side of it.
  const int tip = towardsFirst ? -1 : 1;
  const std::array<TPoint, 3> points{At(along - 2, across - tip), At(along, across + tip),
                                     At(along + 2, across - tip)};
  canvas_->Pen()->SetColor(clHighlight);
  canvas_->Brush()->SetStyle(bsSolid);
  canvas_->Brush()->SetColor(clHighlight);
  canvas_->Polygon(points);
}

void THotSpotPainter::Arrows(bool startTowardsFirst, bool endTowardsFirst) {
  const int start = alongX_ ? spot_.Left : spot_.Top;
  const int end = alongX_ ? spot_.Right : spot_.Bottom;
  Triangle(start + 8, startTowardsFirst);
  Triangle(end - 8, endTowardsFirst);
}

void THotSpotPainter::GripDots(bool spareCentre) {
  const int start = alongX_ ? spot_.Left : spot_.Top;
  const int length = alongX_ ? spot_.Width() : spot_.Height();
  const int across = alongX_ ? spot_.Top + spot_.Height() / 2 : spot_.Left + spot_.Width() / 2;
  const int c = Centre();
  for (int i = 0; i <= (length - 32) / 3; ++i) {
    const int along = start + 15 + 3 * i;
    if (spareCentre && along >= c - 3 && along <= c + 3) continue;
    const TPoint dot = At(along, across);
    canvas_->SetPixels(dot.X, dot.Y, clHighlightText);
    canvas_->SetPixels(dot.X + 1, dot.Y + 1, clHighlight);
  }
}
