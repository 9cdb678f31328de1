#include "skin/data/Sputils_Text.h"

#include "classlib/graphics/GraphicsObjects.h"
#include "skin/data/Sputils_System.h"

namespace {

const std::wstring kWideEllipsis = L"...";

// The canvas's device context with its font selected and the background mode of its
// brush, as text output needs them.
HDC PrepareForText(TCanvas* canvas) {
  canvas->TextExtent(AnsiString());
  HDC dc = canvas->Handle();
  if (canvas->Brush()->Style() == bsClear) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(canvas->Brush()->Color())));
    SetBkMode(dc, OPAQUE);
  }
  return dc;
}

std::string ToSystemCodePage(const std::wstring& s) {
  if (s.empty()) return {};
  int size = WideCharToMultiByte(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, s.data(), static_cast<int>(s.size()), out.data(), size, nullptr, nullptr);
  return out;
}

// The shortening shared by both text kinds; `fits` measures a candidate.
template <class Text, class Fits>
void ShortenToWidth(Text& s, const Text& ellipsis, Fits fits) {
  if (fits(s)) return;
  while (!s.empty()) {
    s.pop_back();
    if (fits(s + ellipsis)) break;
  }
  s += ellipsis;
}

void DrawCentredFromLeft(TCanvas* canvas, const AnsiString& s, const TRect& r, int offset) {
  if (s.IsEmpty()) return;
  int y = r.Top + (r.Bottom - r.Top) / 2 - canvas->TextHeight(s) / 2;
  canvas->TextRect(r, r.Left + offset + 2, y, s);
}

}  // namespace

void CorrectTextbyWidth(TCanvas* canvas, AnsiString& s, int width) {
  std::string text = s.str();
  ShortenToWidth(text, std::string("..."),
                 [&](const std::string& t) { return canvas->TextWidth(AnsiString(t)) <= width; });
  s = AnsiString(text);
}

void CorrectTextbyWidthW(TCanvas* canvas, std::wstring& s, int width) {
  ShortenToWidth(s, kWideEllipsis, [&](const std::wstring& t) { return CalcTextWidthW(canvas, t) <= width; });
}

int SPDrawSkinText(TCanvas* canvas, const std::wstring& s, TRect& r, UINT flags) {
  HDC dc = PrepareForText(canvas);
  if (SP_PlatformIsUnicode) return DrawTextW(dc, s.c_str(), static_cast<int>(s.size()), r.AsRECT(), flags);
  std::string narrow = ToSystemCodePage(s);
  return DrawTextA(dc, narrow.c_str(), static_cast<int>(narrow.size()), r.AsRECT(), flags);
}

int CalcTextWidthW(TCanvas* canvas, const std::wstring& s) {
  TRect r;
  SPDrawSkinText(canvas, s, r, DT_CALCRECT);
  return r.Width();
}

int CalcTextHeightW(TCanvas* canvas, const std::wstring& s) {
  TRect r;
  SPDrawSkinText(canvas, s, r, DT_CALCRECT);
  return r.Height();
}

void SPDrawText(TCanvas* canvas, const AnsiString& s, const TRect& r) {
  if (s.IsEmpty()) return;
  TRect bounds = r;
  DrawTextA(PrepareForText(canvas), s.c_str(), s.Length(), bounds.AsRECT(), DT_SINGLELINE | DT_VCENTER);
}

void SPDrawText2(TCanvas* canvas, const AnsiString& s, const TRect& r) { DrawCentredFromLeft(canvas, s, r, 0); }

void SPDrawText3(TCanvas* canvas, const AnsiString& s, const TRect& r, int offset) {
  DrawCentredFromLeft(canvas, s, r, offset);
}

void Frm3D(TCanvas* canvas, TRect r, TColor topColor, TColor bottomColor) {
  canvas->Pen()->SetWidth(1);
  --r.Right;
  --r.Bottom;
  canvas->Pen()->SetColor(topColor);
  const TPoint top[] = {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}};
  canvas->Polyline(top);
  canvas->Pen()->SetColor(bottomColor);
  const TPoint bottom[] = {{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}};
  canvas->Polyline(bottom);
}
