#include "framed/FrCommon_Drawing.h"

#include <array>
#include <cstring>
#include <span>

#include "classlib/windowing/CustomControl.h"
#include "classlib/windowing/WinControl.h"
#include "framed/FrCommon_Colors.h"
#include "framed/FrThemes.h"

// ---- Arrows ----

namespace {

// The colour the visual styles give a combo box's drop-down arrow: a pixel of its button.
TColor StyledArrowColor() {
  TBitmap button;
  button.SetSize(17, 21);
  if (ThemeServices != nullptr) {
    ThemeServices->PaintElement(button.Canvas()->Handle(), TThemeServices::ComboBoxElement(2), Rect(0, 0, 16, 20));
  }
  const TColor color = button.Canvas()->Pixels(8, 10);
  return ColorsHardToTellApart(color, clWindow) ? cl3DDkShadow : color;
}

TColor ArrowColor(bool styledLook, bool enabled) {
  if (!enabled) return clBtnShadow;
  return styledLook ? StyledArrowColor() : clBlack;
}

// The centre of `rect`, one pixel higher for an even height.
TPoint ArrowCentre(const TRect& rect) {
  const int height = rect.Bottom - rect.Top;
  return Point(rect.Left + (rect.Right - rect.Left) / 2, rect.Top + height / 2 - (height % 2 == 0 ? 1 : 0));
}

void FillArrow(TCanvas* canvas, std::span<const TPoint> points, bool styledLook, bool enabled) {
  TBrush* brush = canvas->Brush();
  const TColor previous = brush->Color();
  brush->SetColor(ArrowColor(styledLook, enabled));
  canvas->Pen()->SetStyle(psClear);
  canvas->Polygon(points);
  canvas->Pen()->SetStyle(psSolid);
  brush->SetColor(previous);
}

}  // namespace

void PaintDropArrow(TCanvas* canvas, const TRect& rect, bool styledLook, bool down, bool enabled) {
  TPoint c = ArrowCentre(rect);
  c.Y += styledLook ? 4 : 2;
  if (down) c = Point(c.X + 1, c.Y + 1);
  const int x = c.X, y = c.Y;
  if (styledLook) {
    const std::array<TPoint, 6> chevron = {Point(x, y),     Point(x - 4, y - 5), Point(x - 3, y - 7),
                                           Point(x, y - 3), Point(x + 3, y - 7), Point(x + 5, y - 5)};
    FillArrow(canvas, chevron, styledLook, enabled);
  } else {
    const std::array<TPoint, 3> triangle = {Point(x, y), Point(x - 3, y - 4), Point(x + 4, y - 4)};
    FillArrow(canvas, triangle, styledLook, enabled);
  }
}

void PaintDirectionArrow(TCanvas* canvas, const TRect& rect, bool styledLook, TArrowDirection direction, bool down,
                         bool enabled) {
  TPoint c = ArrowCentre(rect);
  static constexpr int kStyledShift[4][2] = {{0, 4}, {0, 2}, {-1, 0}, {-3, 0}};
  static constexpr int kPlainShift[4][2] = {{0, 2}, {0, 2}, {-2, 0}, {-2, 0}};
  const int(&shift)[2] = styledLook ? kStyledShift[direction] : kPlainShift[direction];
  c = Point(c.X + shift[0], c.Y + shift[1]);
  if (down && enabled) c = Point(c.X + 1, c.Y + 1);
  const int x = c.X, y = c.Y;
  if (styledLook) {
    const std::array<std::array<TPoint, 6>, 4> chevrons = {{
        {Point(x, y - 5), Point(x + 4, y), Point(x + 1, y), Point(x, y - 2), Point(x - 1, y), Point(x - 4, y)},
        {Point(x, y), Point(x - 3, y - 4), Point(x, y - 4), Point(x, y - 3), Point(x + 1, y - 4), Point(x + 4, y - 4)},
        {Point(x, y), Point(x + 4, y - 4), Point(x + 4, y - 1), Point(x + 3, y), Point(x + 4, y + 1), Point(x + 4, y + 4)},
        {Point(x + 4, y), Point(x, y + 4), Point(x, y + 1), Point(x + 1, y), Point(x, y - 1), Point(x, y - 4)},
    }};
    FillArrow(canvas, chevrons[direction], styledLook, enabled);
  } else {
    const std::array<std::array<TPoint, 3>, 4> triangles = {{
        {Point(x, y - 5), Point(x + 4, y), Point(x - 4, y)},
        {Point(x, y + 1), Point(x - 3, y - 3), Point(x + 4, y - 3)},
        {Point(x, y), Point(x + 4, y - 4), Point(x + 4, y + 4)},
        {Point(x + 4, y), Point(x, y + 4), Point(x, y - 4)},
    }};
    FillArrow(canvas, triangles[direction], styledLook, enabled);
  }
}

// ---- Fonts ----

namespace {

TEXTMETRICA ScreenMetrics(TFont* font) {
  TEXTMETRICA metrics{};
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font->Handle());
  GetTextMetricsA(screen, &metrics);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return metrics;
}

BYTE PitchOf(TFontPitch pitch) {
  switch (pitch) {
    case fpVariable: return VARIABLE_PITCH;
    case fpFixed: return FIXED_PITCH;
    default: return DEFAULT_PITCH;
  }
}

}  // namespace

HFONT CreateAngledFont(TFont* font, int angle) {
  LOGFONTA log{};
  log.lfHeight = font->Height();
  log.lfEscapement = angle * 10;
  const TFontStyles style = font->Style();
  log.lfWeight = style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  log.lfItalic = style.Contains(fsItalic) ? 1 : 0;
  log.lfUnderline = style.Contains(fsUnderline) ? 1 : 0;
  log.lfStrikeOut = style.Contains(fsStrikeOut) ? 1 : 0;
  log.lfCharSet = DEFAULT_CHARSET;
  log.lfPitchAndFamily = PitchOf(font->Pitch());
  const AnsiString name = font->Name();
  std::strncpy(log.lfFaceName, name.c_str(), LF_FACESIZE - 1);
  return CreateFontIndirectA(&log);
}

bool IsTrueTypeFont(TFont* font) { return (ScreenMetrics(font).tmPitchAndFamily & TMPF_TRUETYPE) != 0; }

int FontLineHeight(TFont* font) { return ScreenMetrics(font).tmHeight + 2; }

SIZE ScreenTextExtent(TFont* font, const AnsiString& text) {
  SIZE size{};
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font->Handle());
  GetTextExtentPoint32A(screen, text.c_str(), text.Length(), &size);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return size;
}

int DrawCanvasText(TCanvas* canvas, const AnsiString& text, TRect& rect, UINT flags, TColor color) {
  HDC dc = canvas->Handle();
  HGDIOBJ previousFont = SelectObject(dc, canvas->Font()->Handle());
  const int previousMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF previousColor = SetTextColor(dc, ColorToRGB(color));
  RECT r = *rect.AsRECT();
  const int height = DrawTextA(dc, text.c_str(), text.Length(), &r, flags);
  SetTextColor(dc, previousColor);
  SetBkMode(dc, previousMode);
  SelectObject(dc, previousFont);
  rect = Rect(r.left, r.top, r.right, r.bottom);
  return height;
}

// ---- Masked bitmaps ----

namespace {

// A memory context with one bitmap selected, both freed at the end of the scope.
class TMaskContext {
 public:
  TMaskContext(int width, int height)
      : bitmap_(CreateBitmap(width, height, 1, 1, nullptr)), dc_(CreateCompatibleDC(nullptr)),
        previous_(SelectObject(dc_, bitmap_)) {}
  ~TMaskContext() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  TMaskContext(const TMaskContext&) = delete;
  TMaskContext& operator=(const TMaskContext&) = delete;
  HDC Handle() const { return dc_; }

 private:
  HBITMAP bitmap_;
  HDC dc_;
  HGDIOBJ previous_;
};

// Copies `source` (same size as `dest`) onto `target` where the monochrome `mask` is 0
// and leaves `target` where it is 1.
void TransparentCopy(HDC target, const TRect& dest, HDC source, HDC mask) {
  const COLORREF background = SetBkColor(target, RGB(255, 255, 255));
  const COLORREF text = SetTextColor(target, RGB(0, 0, 0));
  const int w = dest.Width(), h = dest.Height();
  BitBlt(target, dest.Left, dest.Top, w, h, source, 0, 0, SRCINVERT);
  BitBlt(target, dest.Left, dest.Top, w, h, mask, 0, 0, SRCAND);
  BitBlt(target, dest.Left, dest.Top, w, h, source, 0, 0, SRCINVERT);
  SetBkColor(target, background);
  SetTextColor(target, text);
}

}  // namespace

void PaintMaskedBitmap(TCanvas* canvas, TBitmap* bitmap, const TRect& dest, const TRect& source,
                       TColor transparentColor) {
  const int w = dest.Width(), h = dest.Height();
  if (w <= 0 || h <= 0) return;
  TBitmap copy;
  copy.SetSize(w, h);
  HDC copyDC = copy.Canvas()->Handle();
  SetStretchBltMode(copyDC, COLORONCOLOR);
  StretchBlt(copyDC, 0, 0, w, h, bitmap->Canvas()->Handle(), source.Left, source.Top, source.Width(), source.Height(),
             SRCCOPY);
  TMaskContext mask(w, h);
  const COLORREF background = SetBkColor(copyDC, static_cast<COLORREF>(ColorToRGB(transparentColor)));
  BitBlt(mask.Handle(), 0, 0, w, h, copyDC, 0, 0, SRCCOPY);
  SetBkColor(copyDC, background);
  TransparentCopy(canvas->Handle(), dest, copyDC, mask.Handle());
}

// ---- Parent background ----

void PaintParentBackground(TControl* control, HDC dc, bool invalidateParent) {
  TWinControl* parent = control->Parent();
  if (parent == nullptr) return;
  const int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, -control->Left(), -control->Top(), nullptr);
  IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
  SendMessageA(parent->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageA(parent->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  RestoreDC(dc, saved);
  // Forms and frames are custom controls too: they paint themselves in full.
  if (invalidateParent && dynamic_cast<TCustomControl*>(parent) == nullptr) parent->Invalidate();
}
