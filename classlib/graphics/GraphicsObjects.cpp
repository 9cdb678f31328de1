#include "classlib/graphics/GraphicsObjects.h"

#include <cstring>
#include <mutex>

#include "classlib/graphics/Bitmap.h"
#include "classlib/runtime/SysUtils.h"

// ---- TGraphicsObject ----

TGraphicsObject::~TGraphicsObject() {
  if (handle_ != nullptr) DeleteObject(handle_);
}

bool TGraphicsObject::HandleAllocated() const {
  std::lock_guard guard(lock_);
  return handle_ != nullptr;
}

HGDIOBJ TGraphicsObject::GetHandleObject() {
  std::lock_guard guard(lock_);
  if (handle_ == nullptr) handle_ = CreateHandleObject();
  return handle_;
}

void TGraphicsObject::AdoptHandle(HGDIOBJ handle) { Replace(handle); }

void TGraphicsObject::Changed() { Replace(nullptr); }

void TGraphicsObject::Replace(HGDIOBJ handle) {
  HGDIOBJ old;
  {
    std::lock_guard guard(lock_);
    old = handle_;
    handle_ = handle;
  }
  OnChange(this);
  if (old != nullptr && old != handle) DeleteObject(old);
}

// ---- TFont ----

namespace {

// The font every new TFont starts with.
constexpr const char* kDefaultFontName = "MS Sans Serif";
constexpr int kDefaultFontHeight = -11;

int ScreenPixelsPerInch() {
  static const int ppi = [] {
    HDC screen = GetDC(nullptr);
    int value = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return value > 0 ? value : 96;
  }();
  return ppi;
}

}  // namespace

TFont::TFont() { data_ = {kDefaultFontName, kDefaultFontHeight, clWindowText, {}, DEFAULT_CHARSET, fpDefault}; }

AnsiString TFont::Name() const { return Snapshot().name; }
void TFont::SetName(const AnsiString& name) { Set(&Data::name, name); }
int TFont::Height() const { return Snapshot().height; }
void TFont::SetHeight(int height) { Set(&Data::height, height); }
int TFont::Size() const { return -MulDiv(Height(), 72, PixelsPerInch()); }
void TFont::SetSize(int size) { SetHeight(-MulDiv(size, PixelsPerInch(), 72)); }
TColor TFont::Color() const { return Snapshot().color; }
void TFont::SetColor(TColor color) { Set(&Data::color, color); }
TFontStyles TFont::Style() const { return Snapshot().style; }
void TFont::SetStyle(const TFontStyles& style) { Set(&Data::style, style); }
TFontCharset TFont::Charset() const { return Snapshot().charset; }
void TFont::SetCharset(TFontCharset charset) { Set(&Data::charset, charset); }
TFontPitch TFont::Pitch() const { return Snapshot().pitch; }
void TFont::SetPitch(TFontPitch pitch) { Set(&Data::pitch, pitch); }
int TFont::PixelsPerInch() const { return ScreenPixelsPerInch(); }

void TFont::SetHandle(HFONT font) {
  LOGFONTA description{};
  if (font != nullptr && GetObjectA(font, sizeof(description), &description) != 0) {
    std::lock_guard guard(Guard());
    data_.name = description.lfFaceName;
    data_.height = description.lfHeight;
    TFontStyles style;
    if (description.lfWeight >= FW_BOLD) style.Include(fsBold);
    if (description.lfItalic) style.Include(fsItalic);
    if (description.lfUnderline) style.Include(fsUnderline);
    if (description.lfStrikeOut) style.Include(fsStrikeOut);
    data_.style = style;
    data_.charset = description.lfCharSet;
    switch (description.lfPitchAndFamily & 3) {
      case FIXED_PITCH: data_.pitch = fpFixed; break;
      case VARIABLE_PITCH: data_.pitch = fpVariable; break;
      default: data_.pitch = fpDefault; break;
    }
  }
  AdoptHandle(font);
}

HGDIOBJ TFont::CreateHandleObject() {
  LOGFONTA description{};
  description.lfHeight = data_.height;
  description.lfWeight = data_.style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  description.lfItalic = data_.style.Contains(fsItalic);
  description.lfUnderline = data_.style.Contains(fsUnderline);
  description.lfStrikeOut = data_.style.Contains(fsStrikeOut);
  description.lfCharSet = data_.charset;
  description.lfOutPrecision = OUT_DEFAULT_PRECIS;
  description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  description.lfQuality = DEFAULT_QUALITY;
  description.lfPitchAndFamily = data_.pitch == fpFixed      ? FIXED_PITCH
                                 : data_.pitch == fpVariable ? VARIABLE_PITCH
                                                             : DEFAULT_PITCH;
  std::strncpy(description.lfFaceName, data_.name.c_str(), LF_FACESIZE - 1);
  HFONT font = CreateFontIndirectA(&description);
  if (font == nullptr) throw EOutOfResources("Out of system resources");
  return font;
}

void TFont::Assign(TPersistent* source) {
  if (!AssignSameKind<TFont>(source)) TGraphicsObject::Assign(source);
}

// ---- TPen ----

TColor TPen::Color() const { return Snapshot().color; }
void TPen::SetColor(TColor color) { Set(&Data::color, color); }
int TPen::Width() const { return Snapshot().width; }
void TPen::SetWidth(int width) { Set(&Data::width, width < 0 ? 0 : width); }
TPenStyle TPen::Style() const { return Snapshot().style; }
void TPen::SetStyle(TPenStyle style) { Set(&Data::style, style); }
TPenMode TPen::Mode() const { return Snapshot().mode; }
void TPen::SetMode(TPenMode mode) { Set(&Data::mode, mode); }

int TPen::Rop2() const {
  static constexpr int kRop2[] = {R2_BLACK,       R2_WHITE,       R2_NOP,         R2_NOT,
                                  R2_COPYPEN,     R2_NOTCOPYPEN,  R2_MERGEPENNOT, R2_MASKPENNOT,
                                  R2_MERGENOTPEN, R2_MASKNOTPEN,  R2_MERGEPEN,    R2_NOTMERGEPEN,
                                  R2_MASKPEN,     R2_NOTMASKPEN,  R2_XORPEN,      R2_NOTXORPEN};
  return kRop2[Mode()];
}

HGDIOBJ TPen::CreateHandleObject() {
  HPEN pen = CreatePen(static_cast<int>(data_.style), data_.width, static_cast<COLORREF>(ColorToRGB(data_.color)));
  if (pen == nullptr) throw EOutOfResources("Out of system resources");
  return pen;
}

void TPen::Assign(TPersistent* source) {
  if (!AssignSameKind<TPen>(source)) TGraphicsObject::Assign(source);
}

// ---- TBrush ----

TColor TBrush::Color() const { return Snapshot().color; }

void TBrush::SetColor(TColor color) {
  Data data = Snapshot();
  data.color = color;
  if (color == clNone) data.style = bsClear;
  else if (data.style == bsClear) data.style = bsSolid;
  Update(data);
}

TBrushStyle TBrush::Style() const { return Snapshot().style; }

void TBrush::SetStyle(TBrushStyle style) {
  Data data = Snapshot();
  data.style = style;
  if (style == bsClear) data.bitmap = nullptr;
  Update(data);
}

TBitmap* TBrush::Bitmap() const { return Snapshot().bitmap; }

void TBrush::SetBitmap(TBitmap* bitmap) {
  Data data = Snapshot();
  data.bitmap = bitmap;
  Update(data);
}

HGDIOBJ TBrush::CreateHandleObject() {
  HBRUSH brush = nullptr;
  auto color = static_cast<COLORREF>(ColorToRGB(data_.color));
  if (data_.bitmap != nullptr && !data_.bitmap->Empty()) {
    brush = CreatePatternBrush(data_.bitmap->Handle());
  } else if (data_.style == bsClear) {
    LOGBRUSH hollow{BS_HOLLOW, 0, 0};
    brush = CreateBrushIndirect(&hollow);
  } else if (data_.style == bsSolid) {
    brush = CreateSolidBrush(color);
  } else {
    brush = CreateHatchBrush(static_cast<int>(data_.style) - static_cast<int>(bsHorizontal), color);
  }
  if (brush == nullptr) throw EOutOfResources("Out of system resources");
  return brush;
}

void TBrush::Assign(TPersistent* source) {
  if (!AssignSameKind<TBrush>(source)) TGraphicsObject::Assign(source);
}
