#include "imaging/Bitmap32.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "classlib/formres/PropertyBinders.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Icon.h"
#include "classlib/graphics/Metafile.h"
#include "classlib/stdctrls/Clipboard.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/SysUtils.h"
#include "imaging/Bitmap32_Interpolator.h"
#include "imaging/Bitmap32_Resamplers.h"
#include "imaging/Bitmap32_Rounding.h"

namespace imaging {

static_assert(sizeof(TRect) == sizeof(RECT), "TRect must lie like RECT");

namespace {

// Taken once at start-up: the font put back into a context when the bitmap's font goes,
// and the bitmap that measures text for bitmaps without a context (its canvas lock
// guards it between threads).
HGDIOBJ StockFont = nullptr;
::TBitmap* MeasuringBitmap = nullptr;

// Runs `notify` on the way out, also when the work fails.
template <class Notify>
struct TOnExit {
  Notify notify;
  ~TOnExit() { notify(); }
};
template <class Notify>
TOnExit(Notify) -> TOnExit<Notify>;

}  // namespace

namespace {

const TIdentTable& DrawModes() {
  static const TIdentTable table("TDrawMode", {{"dmOpaque", dmOpaque}, {"dmBlend", dmBlend},
                                               {"dmCustom", dmCustom}, {"dmTransparent", dmTransparent}});
  return table;
}

const TIdentTable& CombineModes() {
  static const TIdentTable table("TCombineMode", {{"cmBlend", cmBlend}, {"cmMerge", cmMerge}});
  return table;
}

const TIdentTable& WrapModes() {
  static const TIdentTable table("TWrapMode", {{"wmClamp", wmClamp}, {"wmRepeat", wmRepeat}, {"wmMirror", wmMirror}});
  return table;
}

void RegisterBitmap32Properties() {
  using B = TBitmap32;
  RegisterClassProperties(
      B::StaticClass(),
      {EnumProperty<B, TDrawMode>("DrawMode", &B::SetDrawMode, DrawModes(), "dmOpaque"),
       EnumProperty<B, TCombineMode>("CombineMode", &B::SetCombineMode, CombineModes(), "cmBlend"),
       EnumProperty<B, TWrapMode>("WrapMode", &B::SetWrapMode, WrapModes(), "wmClamp"),
       IntegerProperty<B>("MasterAlpha", [](B* b, int value) { b->SetMasterAlpha(static_cast<uint32_t>(value)); }, 255),
       IntegerProperty<B>("OuterColor", [](B* b, int value) { b->OuterColor = static_cast<TColor32>(value); }, 0),
       StringProperty<B>("ResamplerClassName", &B::SetResamplerClassName),
       ObjectProperty<B>("Resampler", [](B* b) -> TPersistent* { return b->Resampler(); }),
       EventProperty("OnChange", static_cast<TNotifyEvent B::*>(&B::OnChange)),
       EventProperty("OnHandleChanged", &B::OnHandleChanged),
       EventProperty("OnPixelCombine", &B::OnPixelCombine),
       EventProperty("OnAreaChanged", &B::OnAreaChanged),
       EventProperty("OnResize", static_cast<TNotifyEvent B::*>(&B::OnResize))});
}

}  // namespace

void InitializeBitmap32() {
  StockFont = GetStockObject(SYSTEM_FONT);
  MeasuringBitmap = new ::TBitmap;
  MeasuringBitmap->SetSize(8, 8);
  RegisterBitmap32Properties();
}

void FinalizeBitmap32() { FreeAndNil(MeasuringBitmap); }

// The DIB section, its memory device context and the selection of one into the other.
class TBitmap32::Storage {
 public:
  explicit Storage(const BITMAPINFO& info) {
    void* bits = nullptr;
    section_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bits == nullptr) {
      if (section_ != nullptr) DeleteObject(section_);
      throw Exception("Can't allocate the DIB handle");
    }
    dc_ = CreateCompatibleDC(nullptr);
    if (dc_ == nullptr) {
      DeleteObject(section_);
      throw Exception("Can't create compatible DC");
    }
    if (SelectObject(dc_, section_) == nullptr) {
      DeleteDC(dc_);
      DeleteObject(section_);
      throw Exception("Can't select an object into DC");
    }
    bits_ = static_cast<TColor32*>(bits);
  }
  ~Storage() {
    DeleteDC(dc_);
    DeleteObject(section_);
  }
  Storage(const Storage&) = delete;
  Storage& operator=(const Storage&) = delete;

  TColor32* Bits() const { return bits_; }
  HBITMAP Section() const { return section_; }
  HDC DC() const { return dc_; }

 private:
  HBITMAP section_ = nullptr;
  HDC dc_ = nullptr;
  TColor32* bits_ = nullptr;
};

// --- Life cycle and storage ---------------------------------------------------------------

TBitmap32::TBitmap32() {
  BITMAPINFOHEADER& header = bitmapInfo_.bmiHeader;
  header.biSize = sizeof(BITMAPINFOHEADER);
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  font_ = std::make_unique<TFont>();
  font_->OnChange = TNotifyEvent(this, &TBitmap32::FontChanged);
  new TNearestResampler(this);
}

TBitmap32::~TBitmap32() {
  BeginUpdate();
  Lock();
  DeleteCanvas();
  SetSize(0, 0);
  font_.reset();
  resampler_.reset();
  Unlock();
}

bool TBitmap32::Empty() const { return storage_ == nullptr || TCustomMap::Empty(); }

HBITMAP TBitmap32::BitmapHandle() const { return storage_ != nullptr ? storage_->Section() : nullptr; }

HDC TBitmap32::Handle() const { return storage_ != nullptr ? storage_->DC() : nullptr; }

void TBitmap32::ChangeSize(int32_t& width, int32_t& height, int32_t newWidth, int32_t newHeight) {
  FontChanged(nullptr);
  DeleteCanvas();
  storage_.reset();
  bits_ = nullptr;
  width = 0;
  height = 0;
  // Until the new storage stands, clipped drawing must find nothing to touch.
  SetClipRect(TRect{});
  try {
    if (newWidth > 0 && newHeight > 0) {
      bitmapInfo_.bmiHeader.biWidth = newWidth;
      bitmapInfo_.bmiHeader.biHeight = -newHeight;
      storage_ = std::make_unique<Storage>(bitmapInfo_);
      bits_ = storage_->Bits();
    }
    width = newWidth;
    height = newHeight;
    ResetClipRect();
  } catch (...) {
    HandleChanged();
    throw;
  }
  HandleChanged();
}

void TBitmap32::HandleChanged() {
  if (canvas_ != nullptr) canvas_->SetHandle(Handle());
  if (OnHandleChanged) OnHandleChanged(this);
}

// --- Canvas and font ------------------------------------------------------------------------

TCanvas* TBitmap32::GetCanvas() {
  if (canvas_ == nullptr) {
    canvas_ = new TCanvas;
    canvas_->SetHandle(Handle());
    canvas_->OnChange = TNotifyEvent(this, &TBitmap32::CanvasChanged);
  }
  return canvas_;
}

void TBitmap32::DeleteCanvas() {
  if (canvas_ == nullptr) return;
  canvas_->SetHandle(nullptr);
  FreeAndNil(canvas_);
}

// The system batches GDI output per thread: flush it before the pixels are read.
void TBitmap32::CanvasChanged(TObject*) {
  GdiFlush();
  Changed();
}

void TBitmap32::SetFont(TFont* font) {
  font_->Assign(font);
  FontChanged(font_.get());
}

// The font's system object is about to be retired: put the stock font back first.
void TBitmap32::FontChanged(TObject*) {
  if (selectedFont_ == nullptr) return;
  if (Handle() != nullptr) SelectObject(Handle(), StockFont);
  selectedFont_ = nullptr;
}

void TBitmap32::UpdateFont() {
  HDC dc = Handle();
  if (dc == nullptr) return;
  if (selectedFont_ == nullptr) selectedFont_ = font_->Handle();
  SelectObject(dc, selectedFont_);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(font_->Color())));
  SetBkMode(dc, TRANSPARENT);
}

void TBitmap32::SetClipRect(const TRect& rect) {
  if (!IntersectRect(clipRect_, rect, BoundsRect()) || IsRectEmpty(clipRect_)) clipRect_ = TRect{};
  fixedClipRect_ = TFixedRect{clipRect_.Left * FixedOne, clipRect_.Top * FixedOne, clipRect_.Right * FixedOne,
                              clipRect_.Bottom * FixedOne};
  clipRect256_ = TRect{clipRect_.Left * 256, clipRect_.Top * 256, clipRect_.Right * 256, clipRect_.Bottom * 256};
  clipping_ = !(clipRect_ == BoundsRect());
}

void TBitmap32::Clear(TColor32 color) {
  if (Empty()) return;
  if (!measuring_) {
    if (clipping_) FillRect(clipRect_.Left, clipRect_.Top, clipRect_.Right, clipRect_.Bottom, color);
    else FillLongword(bits_, Width() * Height(), color);
  }
  Changed();
}

// --- Properties and notification ---------------------------------------------------------

// A different value is stored and reported as a change of the whole bitmap.
template <class T>
void TBitmap32::ChangeProperty(T& field, T value) {
  if (value == field) return;
  field = value;
  Changed();
}

void TBitmap32::SetDrawMode(TDrawMode value) { ChangeProperty(drawMode_, value); }

void TBitmap32::SetCombineMode(TCombineMode value) { ChangeProperty(combineMode_, value); }

void TBitmap32::SetWrapMode(TWrapMode value) { ChangeProperty(wrapMode_, value); }

void TBitmap32::SetMasterAlpha(uint32_t value) { ChangeProperty(masterAlpha_, value); }

void TBitmap32::SetResampler(TCustomResampler* resampler) {
  if (resampler == nullptr || resampler == resampler_.get()) return;
  resampler_.reset(resampler);
  Changed();
}

AnsiString TBitmap32::ResamplerClassName() const { return resampler_->ClassName(); }

void TBitmap32::SetResamplerClassName(const AnsiString& name) {
  if (name.IsEmpty() || ResamplerClassName() == name || ResamplerList == nullptr) return;
  const TClass found = ResamplerList->Find(name);
  if (found != nullptr && found->InheritsFrom(TBitmap32Resampler::StaticClass())) found->Create(this);
}

void TBitmap32::Changed() { Changed(BoundsRect(), AREA_KIND_RECT); }

void TBitmap32::Changed(const TRect& area, uint32_t info) {
  if ((UpdateCount() == 0 || measuring_) && OnAreaChanged) OnAreaChanged(this, area, info);
  if (!measuring_) TCustomMap::Changed();
}

void TBitmap32::BeginMeasuring(const TAreaChangedEvent& callback) {
  measuring_ = true;
  savedOnAreaChanged_ = OnAreaChanged;
  OnAreaChanged = callback;
}

void TBitmap32::EndMeasuring() {
  measuring_ = false;
  OnAreaChanged = savedOnAreaChanged_;
}

// --- Text ---------------------------------------------------------------------------------------

namespace {

struct TAnsiText {
  using String = AnsiString;
  static SIZE Extent(HDC dc, const String& text) {
    SIZE size{0, 0};
    if (!text.IsEmpty()) GetTextExtentPoint32A(dc, text.c_str(), text.Length(), &size);
    return size;
  }
  static void Out(HDC dc, int32_t x, int32_t y, const RECT* clip, const String& text) {
    ExtTextOutA(dc, x, y, clip != nullptr ? ETO_CLIPPED : 0, clip, text.c_str(), text.Length(), nullptr);
  }
  static void Format(HDC dc, RECT* rect, UINT flags, const String& text) {
    DrawTextA(dc, text.c_str(), text.Length(), rect, flags);
  }
  static String WithBlank(const String& text) { return text + " "; }
};

struct TWideText {
  using String = std::wstring;
  static SIZE Extent(HDC dc, const String& text) {
    SIZE size{0, 0};
    if (!text.empty()) GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
  }
  static void Out(HDC dc, int32_t x, int32_t y, const RECT* clip, const String& text) {
    ExtTextOutW(dc, x, y, clip != nullptr ? ETO_CLIPPED : 0, clip, text.c_str(), static_cast<UINT>(text.size()),
                nullptr);
  }
  static void Format(HDC dc, RECT* rect, UINT flags, const String& text) {
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), rect, flags);
  }
  static String WithBlank(const String& text) { return text + L" "; }
};

// Makes the font's system object anew with the given output quality.
void SetFontQuality(TFont* font, BYTE quality) {
  LOGFONTA description{};
  description.lfHeight = font->Height();
  const TFontStyles style = font->Style();
  description.lfWeight = style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  description.lfItalic = style.Contains(fsItalic);
  description.lfUnderline = style.Contains(fsUnderline);
  description.lfStrikeOut = style.Contains(fsStrikeOut);
  description.lfCharSet = font->Charset();
  const AnsiString name = SameText(font->Name(), "Default") ? TFont().Name() : font->Name();
  lstrcpynA(description.lfFaceName, name.c_str(), LF_FACESIZE);
  description.lfQuality = quality;
  const TFontPitch pitch = font->Pitch();
  description.lfPitchAndFamily = pitch == fpVariable ? VARIABLE_PITCH : (pitch == fpFixed ? FIXED_PITCH : DEFAULT_PITCH);
  font->SetHandle(CreateFontIndirectA(&description));
}

// White text on 0 becomes `color` with the text's coverage (its blue byte) as alpha.
void TextBlueToAlpha(TColor32* pixels, int32_t count, TColor32 color) {
  for (int32_t i = 0; i < count; ++i)
    if (pixels[i] != 0) pixels[i] = color | (pixels[i] & 0xFF) << 24;
}

// Each pixel of `small` gets `color` with the average blue of its scale x scale block
// of `large` as alpha.
void TextScaleDown(TBitmap32& small, const TBitmap32& large, int32_t scale, TColor32 color) {
  for (int32_t y = 0; y < small.Height(); ++y)
    for (int32_t x = 0; x < small.Width(); ++x) {
      uint32_t sum = 0;
      for (int32_t j = 0; j < scale; ++j)
        for (int32_t i = 0; i < scale; ++i) sum += large.GetPixel(x * scale + i, y * scale + j) & 0xFF;
      small.SetPixel(x, y, color | (sum / scale / scale) << 24);
    }
}

}  // namespace

template <class Text>
SIZE TBitmap32::ExtentOf(const typename Text::String& text) {
  UpdateFont();
  if (Handle() != nullptr) return Text::Extent(Handle(), text);
  TCanvas* canvas = MeasuringBitmap->Canvas();
  canvas->Lock();
  TOnExit unlock{[canvas] { canvas->Unlock(); }};
  HDC dc = canvas->Handle();
  const HGDIOBJ previous = SelectObject(dc, font_->Handle());
  const SIZE size = Text::Extent(dc, text);
  SelectObject(dc, previous);
  return size;
}

SIZE TBitmap32::TextExtent(const AnsiString& text) { return ExtentOf<TAnsiText>(text); }
SIZE TBitmap32::TextExtentW(const std::wstring& text) { return ExtentOf<TWideText>(text); }

template <class Text>
void TBitmap32::TextAt(int32_t x, int32_t y, const TRect* clip, const typename Text::String& text) {
  UpdateFont();
  if (!measuring_ && Handle() != nullptr) {
    Text::Out(Handle(), x, y, reinterpret_cast<const RECT*>(clip), text);
    GdiFlush();
  }
  const SIZE extent = ExtentOf<Text>(text);
  Changed(TRect{x, y, x + extent.cx + 1, y + extent.cy + 1}, AREA_KIND_RECT);
}

void TBitmap32::Textout(int32_t x, int32_t y, const AnsiString& text) {
  TextAt<TAnsiText>(x, y, clipping_ ? &clipRect_ : nullptr, text);
}

void TBitmap32::TextoutW(int32_t x, int32_t y, const std::wstring& text) {
  TextAt<TWideText>(x, y, clipping_ ? &clipRect_ : nullptr, text);
}

void TBitmap32::Textout(int32_t x, int32_t y, const TRect& clip, const AnsiString& text) {
  TextAt<TAnsiText>(x, y, &clip, text);
}

void TBitmap32::TextoutW(int32_t x, int32_t y, const TRect& clip, const std::wstring& text) {
  TextAt<TWideText>(x, y, &clip, text);
}

template <class Text>
void TBitmap32::TextIn(const TRect& rect, UINT flags, const typename Text::String& text) {
  UpdateFont();
  TRect area = rect;
  if (!measuring_ && Handle() != nullptr) {
    Text::Format(Handle(), reinterpret_cast<RECT*>(&area), flags, text);
    GdiFlush();
  }
  Changed(area, AREA_KIND_RECT);
}

void TBitmap32::Textout(const TRect& rect, UINT flags, const AnsiString& text) { TextIn<TAnsiText>(rect, flags, text); }

void TBitmap32::TextoutW(const TRect& rect, UINT flags, const std::wstring& text) {
  TextIn<TWideText>(rect, flags, text);
}

template <class Text>
void TBitmap32::RenderTextOf(int32_t x, int32_t y, const typename Text::String& text, int32_t aaLevel,
                             TColor32 color) {
  if (Empty()) return;
  const uint32_t alpha = color >> 24;
  color &= 0x00FFFFFF;
  aaLevel = Constrain(aaLevel, -1, 4);
  const auto measured = Text::WithBlank(text);
  const BYTE quality = aaLevel == -1 ? ANTIALIASED_QUALITY : NONANTIALIASED_QUALITY;
  SetFontQuality(font_.get(), quality);
  TOnExit restore{[this] { SetFontQuality(font_.get(), DEFAULT_QUALITY); }};
  TBitmap32 rendered;
  if (aaLevel <= 0) {
    const SIZE size = ExtentOf<Text>(measured);
    rendered.SetSize(size.cx, size.cy);
    rendered.SetFont(font_.get());
    rendered.Clear(0);
    rendered.Font()->SetColor(clWhite);
    SetFontQuality(rendered.Font(), quality);
    rendered.TextAt<Text>(0, 0, nullptr, text);
    TextBlueToAlpha(rendered.Bits(), rendered.Width() * rendered.Height(), color);
  } else {
    const int32_t scale = 1 << aaLevel;
    TCanvas* canvas = MeasuringBitmap->Canvas();
    canvas->Lock();
    TOnExit unlock{[canvas] { canvas->Unlock(); }};
    TFont* large = canvas->Font();
    large->Assign(font_.get());
    large->SetHeight(font_->Height() * scale);
    HDC dc = canvas->Handle();
    const HGDIOBJ previous = SelectObject(dc, large->Handle());
    SIZE size = Text::Extent(dc, measured);
    SelectObject(dc, previous);
    size.cx = (size.cx / scale + 1) * scale;
    size.cy = (size.cy / scale + 1) * scale;
    TBitmap32 supersampled;
    supersampled.SetSize(size.cx, size.cy);
    supersampled.Clear(0);
    supersampled.SetFont(large);
    supersampled.Font()->SetColor(clWhite);
    SetFontQuality(supersampled.Font(), quality);
    supersampled.TextAt<Text>(0, 0, nullptr, text);
    rendered.SetSize(size.cx / scale, size.cy / scale);
    TextScaleDown(rendered, supersampled, scale, color);
  }
  rendered.SetDrawMode(dmBlend);
  rendered.SetMasterAlpha(alpha);
  rendered.SetCombineMode(combineMode_);
  rendered.DrawTo(this, x, y);
}

void TBitmap32::RenderText(int32_t x, int32_t y, const AnsiString& text, int32_t aaLevel, TColor32 color) {
  RenderTextOf<TAnsiText>(x, y, text, aaLevel, color);
}

void TBitmap32::RenderTextW(int32_t x, int32_t y, const std::wstring& text, int32_t aaLevel, TColor32 color) {
  RenderTextOf<TWideText>(x, y, text, aaLevel, color);
}

// --- Pixels ---------------------------------------------------------------------------------

bool TBitmap32::InClip(int32_t x, int32_t y) const {
  return x >= clipRect_.Left && x < clipRect_.Right && y >= clipRect_.Top && y < clipRect_.Bottom;
}

TColor32 TBitmap32::GetPixelS(int32_t x, int32_t y) const { return InClip(x, y) ? GetPixel(x, y) : OuterColor; }

void TBitmap32::SetPixelS(int32_t x, int32_t y, TColor32 value) {
  if (InClip(x, y)) SetPixel(x, y, value);
}

TColor32 TBitmap32::GetPixelB(int32_t x, int32_t y) const {
  return GetPixel(Constrain(x, 0, Width() - 1), Constrain(y, 0, Height() - 1));
}

void TBitmap32::SetPixelT(int32_t x, int32_t y, TColor32 value) {
  BLEND_MEM[combineMode_](value, *GetPixelPtr(x, y));
  EMMS();
}

void TBitmap32::SetPixelT(TColor32*& ptr, TColor32 value) {
  BLEND_MEM[combineMode_](value, *ptr);
  ++ptr;
  EMMS();
}

void TBitmap32::SetPixelTS(int32_t x, int32_t y, TColor32 value) {
  if (InClip(x, y)) SetPixelT(x, y, value);
}

TColor32 TBitmap32::GetPixelW(int32_t x, int32_t y) const {
  const TWrapProcEx wrap = WRAP_PROCS_EX[wrapMode_];
  return GetPixel(wrap(x, clipRect_.Left, clipRect_.Right - 1), wrap(y, clipRect_.Top, clipRect_.Bottom - 1));
}

void TBitmap32::SetPixelW(int32_t x, int32_t y, TColor32 value) {
  const TWrapProcEx wrap = WRAP_PROCS_EX[wrapMode_];
  SetPixel(wrap(x, clipRect_.Left, clipRect_.Right - 1), wrap(y, clipRect_.Top, clipRect_.Bottom - 1), value);
}

namespace {

// The four gamma weights of a 24.8 position: left, right, top, bottom.
struct TSubPixelWeights {
  uint32_t left, right, top, bottom;
  TSubPixelWeights(int32_t x, int32_t y)
      : left(GAMMA_TABLE[255 - (x & 255)]),
        right(GAMMA_TABLE[x & 255]),
        top(GAMMA_TABLE[255 - (y & 255)]),
        bottom(GAMMA_TABLE[y & 255]) {}
};

// Combines `color` into one pixel of the 2 x 2 block by the block weights wx, wy.
void CombineSubPixel(TCombineMode mode, TColor32 color, TColor32& pixel, uint32_t wx, uint32_t wy) {
  if (mode == cmBlend) {
    CombineMem(color, pixel, static_cast<int32_t>((wx * (color >> 24) * wy) >> 16));
  } else {
    CombineMem(MergeReg(color, pixel), pixel, static_cast<int32_t>((wx * wy) >> 8));
  }
}

}  // namespace

void TBitmap32::SET_T256(int32_t x, int32_t y, TColor32 color) {
  const TSubPixelWeights w(x, y);
  TColor32* p = GetPixelPtr(x >> 8, y >> 8);
  const int32_t stride = Width();
  CombineSubPixel(combineMode_, color, p[0], w.left, w.top);
  CombineSubPixel(combineMode_, color, p[1], w.right, w.top);
  CombineSubPixel(combineMode_, color, p[stride + 1], w.right, w.bottom);
  CombineSubPixel(combineMode_, color, p[stride], w.left, w.bottom);
}

void TBitmap32::SET_TS256(int32_t x, int32_t y, TColor32 color) {
  const TRect& c = clipRect256_;
  if (x < c.Left - 256 || x >= c.Right || y < c.Top - 256 || y >= c.Bottom) return;
  const TSubPixelWeights w(x, y);
  const int32_t px = x >> 8;
  const int32_t py = y >> 8;
  const bool left = px >= clipRect_.Left, right = px < clipRect_.Right - 1;
  const bool top = py >= clipRect_.Top, bottom = py < clipRect_.Bottom - 1;
  const int32_t stride = Width();
  TColor32* p = bits_ + px + py * stride;
  if (left && top) CombineSubPixel(combineMode_, color, p[0], w.left, w.top);
  if (right && top) CombineSubPixel(combineMode_, color, p[1], w.right, w.top);
  if (right && bottom) CombineSubPixel(combineMode_, color, p[stride + 1], w.right, w.bottom);
  if (left && bottom) CombineSubPixel(combineMode_, color, p[stride], w.left, w.bottom);
}

TColor32 TBitmap32::GET_T256(int32_t x, int32_t y) const {
  const auto ux = static_cast<uint32_t>(x);
  const auto uy = static_cast<uint32_t>(y);
  const TColor32* p = GetPixelPtr(static_cast<int32_t>(ux >> 8), static_cast<int32_t>(uy >> 8));
  return Interpolator(GAMMA_TABLE[255 - (ux & 255)], GAMMA_TABLE[255 - (uy & 255)], p, p + Width());
}

TColor32 TBitmap32::GET_TS256(int32_t x, int32_t y) const {
  const TRect& c = clipRect_;
  if (x < c.Left * 256 || y < c.Top * 256) return OuterColor;
  const int32_t xr = (c.Right - 1) * 256;
  const int32_t yb = (c.Bottom - 1) * 256;
  if (x < xr && y < yb) return GET_T256(x, y);
  if (x == xr && y <= yb) return GetPixel(c.Right - 1, y >> 8);
  if (y == yb && x <= xr) return GetPixel(x >> 8, c.Bottom - 1);
  return OuterColor;
}

void TBitmap32::SetPixelX(TFixed x, TFixed y, TColor32 color) {
  SET_T256((x + 127) >> 8, (y + 127) >> 8, color);
  EMMS();
}

void TBitmap32::SetPixelXS(TFixed x, TFixed y, TColor32 color) {
  SET_TS256((x + 127) >> 8, (y + 127) >> 8, color);
  EMMS();
}

void TBitmap32::SetPixelF(float x, float y, TColor32 color) {
  SET_T256(Round(x * 256.0f), Round(y * 256.0f), color);
  EMMS();
}

void TBitmap32::SetPixelFS(float x, float y, TColor32 color) {
  SET_TS256(Round(x * 256.0f), Round(y * 256.0f), color);
  EMMS();
}

TColor32 TBitmap32::GetPixelX(TFixed x, TFixed y) const {
  const TColor32 result = GET_T256((x + 127) >> 8, (y + 127) >> 8);
  EMMS();
  return result;
}

TColor32 TBitmap32::GetPixelXS(TFixed x, TFixed y) const {
  const TColor32 result = GET_TS256((x + 127) >> 8, (y + 127) >> 8);
  EMMS();
  return result;
}

TColor32 TBitmap32::GetPixelF(float x, float y) const {
  const TColor32 result = GET_T256(Round(x * 256.0f), Round(y * 256.0f));
  EMMS();
  return result;
}

TColor32 TBitmap32::GetPixelFS(float x, float y) const {
  const TColor32 result = GET_TS256(Round(x * 256.0f), Round(y * 256.0f));
  EMMS();
  return result;
}

TColor32 TBitmap32::GetPixelXW(TFixed x, TFixed y) const {
  const TWrapProcEx wrap = WRAP_PROCS_EX[wrapMode_];
  const TRect& c = clipRect_;
  const int32_t x0 = wrap(x >> 16, c.Left, c.Right - 1), x1 = wrap((x >> 16) + 1, c.Left, c.Right - 1);
  const int32_t y0 = wrap(y >> 16, c.Top, c.Bottom - 1), y1 = wrap((y >> 16) + 1, c.Top, c.Bottom - 1);
  const auto fx = (x >> 8) & 255;
  const auto fy = (y >> 8) & 255;
  const TColor32 upper = CombineReg(GetPixel(x1, y0), GetPixel(x0, y0), fx);
  const TColor32 lower = CombineReg(GetPixel(x1, y1), GetPixel(x0, y1), fx);
  const TColor32 result = CombineReg(lower, upper, fy);
  EMMS();
  return result;
}

void TBitmap32::SetPixelXW(TFixed x, TFixed y, TColor32 color) {
  const TWrapProcEx wrap = WRAP_PROCS_EX[wrapMode_];
  const TRect& c = clipRect256_;
  SET_T256(wrap((x + 127) >> 8, c.Left, c.Right - 128), wrap((y + 127) >> 8, c.Top, c.Bottom - 128), color);
  EMMS();
}

TColor32 TBitmap32::GetPixelFW(float x, float y) const {
  const TColor32 result = GetPixelXW(Round(x * 65536.0f), Round(y * 65536.0f));
  EMMS();
  return result;
}

void TBitmap32::SetPixelFW(float x, float y, TColor32 color) {
  SetPixelXW(Round(x * 65536.0f), Round(y * 65536.0f), color);
  EMMS();
}

TColor32 TBitmap32::GetPixelR(float x, float y) const { return resampler_->GetSampleFloat(x, y); }

// --- Stipple ----------------------------------------------------------------------------------

void TBitmap32::SetStipple(const TArrayOfColor32& pattern) {
  stipplePattern_ = pattern;
  stippleCounter_ = 0;
}

void TBitmap32::AdvanceStippleCounter(float lengthPixels) {
  const auto n = static_cast<double>(stipplePattern_.size());
  const double d = static_cast<double>(lengthPixels) * stippleStep_;
  if (n == 0 || d == 0) return;
  const double counter = stippleCounter_ + d;
  stippleCounter_ = static_cast<float>(counter - std::floor(counter / n) * n);
}

TColor32 TBitmap32::GetStippleColor() {
  const auto n = static_cast<int32_t>(stipplePattern_.size());
  if (n == 0) return clBlack32;
  // Into 0 .. n; a single step, so that a huge counter cannot keep the loop of repeated
  // subtractions running.
  const double counter = stippleCounter_;
  stippleCounter_ = static_cast<float>(counter - std::floor(counter / n) * n);
  if (stippleCounter_ >= static_cast<float>(n) || !(stippleCounter_ >= 0)) stippleCounter_ = 0;
  const int32_t i = Round(static_cast<double>(stippleCounter_) - 0.5);
  const int32_t w = Round((static_cast<double>(stippleCounter_) - i) * 255);
  const int32_t j = i + 1 == n ? 0 : i + 1;
  TColor32 result = stipplePattern_[i];
  if (255 - w != 255) {
    result = CombineReg(stipplePattern_[i], stipplePattern_[j], 255 - w);
    EMMS();
  }
  stippleCounter_ = static_cast<float>(static_cast<double>(stippleCounter_) + stippleStep_);
  return result;
}

// --- Runs --------------------------------------------------------------------------------------

void TBitmap32::HorzLine(int32_t x1, int32_t y, int32_t x2, TColor32 value) {
  FillLongword(GetPixelPtr(x1, y), x2 - x1 + 1, value);
}

void TBitmap32::HorzLineT(int32_t x1, int32_t y, int32_t x2, TColor32 value) {
  if (x2 < x1) return;
  TColor32* p = GetPixelPtr(x1, y);
  for (int32_t x = x1; x <= x2; ++x, ++p) BLEND_MEM[combineMode_](value, *p);
  EMMS();
}

void TBitmap32::VertLine(int32_t x, int32_t y1, int32_t y2, TColor32 value) {
  TColor32* p = GetPixelPtr(x, y1);
  for (int32_t y = y1; y <= y2; ++y, p += Width()) *p = value;
}

void TBitmap32::VertLineT(int32_t x, int32_t y1, int32_t y2, TColor32 value) {
  if (y2 < y1) return;
  TColor32* p = GetPixelPtr(x, y1);
  for (int32_t y = y1; y <= y2; ++y, p += Width()) BLEND_MEM[combineMode_](value, *p);
  EMMS();
}

namespace {

// The pixels of a run from a1 to a2 (both included, either order) at `across` on the
// other axis.
TRect RunArea(int32_t across, int32_t a1, int32_t a2, bool horizontal) {
  TestSwap(a1, a2);
  return horizontal ? TRect{a1, across, a2 + 1, across + 1} : TRect{across, a1, across + 1, a2 + 1};
}

}  // namespace

// A clipped horizontal run (x1..x2 on row y1) or vertical run (y1..y2 on column x1).
// The reported area covers every pixel of the run, its last one included.
void TBitmap32::CheckedRun(int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool horizontal, TColor32 value,
                           bool blended) {
  if (measuring_) {
    Changed(horizontal ? RunArea(y1, x1, x2, true) : RunArea(x1, y1, y2, false), AREA_KIND_RECT);
    return;
  }
  if (horizontal) {
    if (y1 < clipRect_.Top || y1 >= clipRect_.Bottom || !TestClip(x1, x2, clipRect_.Left, clipRect_.Right)) return;
    if (blended) HorzLineT(x1, y1, x2, value);
    else HorzLine(x1, y1, x2, value);
    Changed(RunArea(y1, x1, x2, true), AREA_KIND_RECT);
  } else {
    if (x1 < clipRect_.Left || x1 >= clipRect_.Right || !TestClip(y1, y2, clipRect_.Top, clipRect_.Bottom)) return;
    if (blended) VertLineT(x1, y1, y2, value);
    else VertLine(x1, y1, y2, value);
    Changed(RunArea(x1, y1, y2, false), AREA_KIND_RECT);
  }
}

void TBitmap32::HorzLineS(int32_t x1, int32_t y, int32_t x2, TColor32 value) {
  CheckedRun(x1, y, x2, y, true, value, false);
}

void TBitmap32::HorzLineTS(int32_t x1, int32_t y, int32_t x2, TColor32 value) {
  CheckedRun(x1, y, x2, y, true, value, true);
}

void TBitmap32::VertLineS(int32_t x, int32_t y1, int32_t y2, TColor32 value) {
  CheckedRun(x, y1, x, y2, false, value, false);
}

void TBitmap32::VertLineTS(int32_t x, int32_t y1, int32_t y2, TColor32 value) {
  CheckedRun(x, y1, x, y2, false, value, true);
}

// The stippled run from a1 to a2 along its axis at `fixedAxis` on the other; the pattern
// advances over the parts outside the clip rectangle as if they were drawn.
void TBitmap32::StippledRun(int32_t fixedAxis, int32_t a1, int32_t a2, bool horizontal) {
  if (measuring_) {
    Changed(RunArea(fixedAxis, a1, a2, horizontal), AREA_KIND_RECT);
    return;
  }
  if (Empty()) return;
  const int32_t lo = horizontal ? clipRect_.Left : clipRect_.Top;
  const int32_t hi = horizontal ? clipRect_.Right : clipRect_.Bottom;
  const int32_t crossLo = horizontal ? clipRect_.Top : clipRect_.Left;
  const int32_t crossHi = horizontal ? clipRect_.Bottom : clipRect_.Right;
  if (fixedAxis < crossLo || fixedAxis >= crossHi || (a1 < lo && a2 < lo) || (a1 >= hi && a2 >= hi)) {
    AdvanceStippleCounter(static_cast<float>(std::abs(a2 - a1) + 1));
    return;
  }
  if (a1 < lo) {
    AdvanceStippleCounter(static_cast<float>(lo - a1));
    a1 = lo;
  } else if (a1 >= hi) {
    AdvanceStippleCounter(static_cast<float>(a1 - hi + 1));
    a1 = hi - 1;
  }
  int32_t rest = 0;
  if (a2 < lo) {
    rest = lo - a2;
    a2 = lo;
  } else if (a2 >= hi) {
    rest = a2 - hi + 1;
    a2 = hi - 1;
  }
  const int32_t step = a2 >= a1 ? 1 : -1;
  for (int32_t a = a1;; a += step) {
    if (horizontal) SetPixelT(a, fixedAxis, GetStippleColor());
    else SetPixelT(fixedAxis, a, GetStippleColor());
    if (a == a2) break;
  }
  Changed(RunArea(fixedAxis, a1, a2, horizontal), AREA_KIND_RECT);
  if (rest > 0) AdvanceStippleCounter(static_cast<float>(rest));
}

void TBitmap32::HorzLineTSP(int32_t x1, int32_t y, int32_t x2) { StippledRun(y, x1, x2, true); }

void TBitmap32::VertLineTSP(int32_t x, int32_t y1, int32_t y2) { StippledRun(x, y1, y2, false); }

// --- Rectangles -------------------------------------------------------------------------------

void TBitmap32::FillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value) {
  if (x2 > x1)
    for (int32_t y = y1; y < y2; ++y) FillLongword(GetPixelPtr(x1, y), x2 - x1, value);
  Changed(TRect{x1, y1, x2, y2}, AREA_KIND_RECT);
}

bool TBitmap32::LimitToClip(int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2) const {
  const TRect& c = clipRect_;
  if (x2 <= x1 || y2 <= y1 || x1 >= c.Right || x2 <= c.Left || y1 >= c.Bottom || y2 <= c.Top) return false;
  x1 = std::max(x1, c.Left);
  y1 = std::max(y1, c.Top);
  x2 = std::min(x2, c.Right);
  y2 = std::min(y2, c.Bottom);
  return true;
}

void TBitmap32::FillRectS(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value) {
  if (!measuring_ && LimitToClip(x1, y1, x2, y2)) FillRect(x1, y1, x2, y2, value);
  Changed(TRect{x1, y1, x2, y2}, AREA_KIND_RECT);
}

void TBitmap32::FillRectS(const TRect& rect, TColor32 value) {
  FillRectS(rect.Left, rect.Top, rect.Right, rect.Bottom, value);
}

void TBitmap32::BlendRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value) {
  const auto alpha = static_cast<int32_t>(value >> 24);
  for (int32_t y = y1; y < y2; ++y) {
    TColor32* p = GetPixelPtr(x1, y);
    for (int32_t x = x1; x < x2; ++x, ++p) {
      if (combineMode_ == cmMerge) MergeMem(value, *p);
      else CombineMem(value, *p, alpha);
    }
  }
}

void TBitmap32::FillRectT(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value) {
  const uint32_t alpha = value >> 24;
  if (alpha == 255) {
    FillRect(x1, y1, x2, y2, value);
    return;
  }
  if (alpha == 0) return;
  TOnExit report{[&] {
    EMMS();
    Changed(TRect{x1, y1, x2, y2}, AREA_KIND_RECT);
  }};
  BlendRect(x1, y1, x2, y2, value);
}

void TBitmap32::FillRectTS(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value) {
  if (!measuring_ && LimitToClip(x1, y1, x2, y2)) FillRectT(x1, y1, x2, y2, value);
  Changed(TRect{x1, y1, x2, y2}, AREA_KIND_RECT);
}

void TBitmap32::FillRectTS(const TRect& rect, TColor32 value) {
  FillRectTS(rect.Left, rect.Top, rect.Right, rect.Bottom, value);
}

// The outline with the clipped runs: top and left in `topLeft`, bottom and right in
// `bottomRight`; no pixel is drawn twice.
void TBitmap32::Frame(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 topLeft, TColor32 bottomRight,
                      bool blended) {
  int32_t lx1 = x1, ly1 = y1, lx2 = x2, ly2 = y2;
  if (!LimitToClip(lx1, ly1, lx2, ly2)) return;
  const int32_t xr = x2 - 1;
  CheckedRun(x1, y1, xr, y1, true, topLeft, blended);
  if (y1 < y2 - 1) CheckedRun(x1, y2 - 1, xr, y2 - 1, true, bottomRight, blended);
  if (y1 + 1 < y2 - 1) {
    CheckedRun(x1, y1 + 1, x1, y2 - 2, false, topLeft, blended);
    if (x1 < xr) CheckedRun(xr, y1 + 1, xr, y2 - 2, false, bottomRight, blended);
  }
}

void TBitmap32::FrameRectS(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value) {
  Frame(x1, y1, x2, y2, value, value, false);
}

void TBitmap32::FrameRectTS(int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor32 value) {
  Frame(x1, y1, x2, y2, value, value, true);
}

void TBitmap32::FrameRectTSP(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (x1 >= x2 || y1 >= y2 || x1 >= Width() || y1 >= Height() || x2 <= 0 || y2 <= 0) return;
  if (x1 == x2 - 1 && y1 == y2 - 1) {
    SetPixelT(x1, y1, GetStippleColor());
    Changed(TRect{x1, y1, x1 + 1, y1 + 1}, AREA_KIND_RECT);
  } else if (x1 == x2 - 1) {
    VertLineTSP(x1, y1, y2 - 1);
  } else if (y1 == y2 - 1) {
    HorzLineTSP(x1, y1, x2 - 1);
  } else {
    HorzLineTSP(x1, y1, x2 - 2);
    VertLineTSP(x2 - 1, y1, y2 - 2);
    HorzLineTSP(x2 - 1, y2 - 1, x1 + 1);
    VertLineTSP(x1, y2 - 1, y1 + 1);
  }
}

void TBitmap32::RaiseRectTS(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t contrast) {
  if (contrast == 0) return;
  const int32_t q = std::abs(contrast);
  const TColor32 light = 0x00FFFFFF | static_cast<TColor32>(Clamp(q * 512 / 100)) << 24;
  const TColor32 dark = static_cast<TColor32>(Clamp(q * 255 / 100)) << 24;
  if (contrast > 0) Frame(x1, y1, x2, y2, light, dark, true);
  else Frame(x1, y1, x2, y2, dark, light, true);
}

// --- Transfers ---------------------------------------------------------------------------------

void TBitmap32::Draw(int32_t dstX, int32_t dstY, TBitmap32* src) {
  if (src != nullptr) src->DrawTo(this, dstX, dstY);
}

void TBitmap32::Draw(int32_t dstX, int32_t dstY, const TRect& srcRect, TBitmap32* src) {
  if (src != nullptr) src->DrawTo(this, dstX, dstY, srcRect);
}

void TBitmap32::Draw(const TRect& dstRect, const TRect& srcRect, TBitmap32* src) {
  if (src != nullptr) src->DrawTo(this, dstRect, srcRect);
}

void TBitmap32::Draw(const TRect& dstRect, const TRect& srcRect, HDC src) {
  if (Empty()) return;
  if (!measuring_) {
    StretchBlt(Handle(), dstRect.Left, dstRect.Top, dstRect.Right - dstRect.Left, dstRect.Bottom - dstRect.Top, src,
               srcRect.Left, srcRect.Top, srcRect.Right - srcRect.Left, srcRect.Bottom - srcRect.Top, SRCCOPY);
    GdiFlush();
  }
  Changed(dstRect, AREA_KIND_RECT);
}

void TBitmap32::DrawTo(TBitmap32* dst) { DrawTo(dst, 0, 0); }

void TBitmap32::DrawTo(TBitmap32* dst, int32_t dstX, int32_t dstY) { DrawTo(dst, dstX, dstY, BoundsRect()); }

void TBitmap32::DrawTo(TBitmap32* dst, int32_t dstX, int32_t dstY, const TRect& srcRect) {
  BlockTransfer(dst, dstX, dstY, dst != nullptr ? dst->ClipRect() : TRect{}, this, srcRect, drawMode_,
                OnPixelCombine);
}

void TBitmap32::DrawTo(TBitmap32* dst, const TRect& dstRect) { DrawTo(dst, dstRect, BoundsRect()); }

void TBitmap32::DrawTo(TBitmap32* dst, const TRect& dstRect, const TRect& srcRect) {
  StretchTransfer(dst, dstRect, dst != nullptr ? dst->ClipRect() : TRect{}, this, srcRect, resampler_.get(), drawMode_,
                  OnPixelCombine);
}

void TBitmap32::DrawTo(HDC dst, int32_t dstX, int32_t dstY) {
  if (Empty()) return;
  StretchDIBits(dst, dstX, dstY, Width(), Height(), 0, 0, Width(), Height(), bits_, &bitmapInfo_, DIB_RGB_COLORS,
                SRCCOPY);
}

void TBitmap32::DrawTo(HDC dst, const TRect& dstRect, const TRect& srcRect) {
  if (Empty()) return;
  StretchBlt(dst, dstRect.Left, dstRect.Top, dstRect.Right - dstRect.Left, dstRect.Bottom - dstRect.Top, Handle(),
             srcRect.Left, srcRect.Top, srcRect.Right - srcRect.Left, srcRect.Bottom - srcRect.Top, SRCCOPY);
}

void TBitmap32::TileTo(HDC dst, const TRect& dstRect, const TRect& srcRect) {
  constexpr int32_t kTile = 1024;
  const int32_t w = dstRect.Right - dstRect.Left;
  const int32_t h = dstRect.Bottom - dstRect.Top;
  if (w <= 0 || h <= 0) return;
  const std::unique_ptr<TBitmap32> tile(new TBitmap32);
  for (int32_t row = 0; row < (h + kTile - 1) / kTile; ++row) {
    for (int32_t column = 0; column < (w + kTile - 1) / kTile; ++column) {
      const TRect part{column * kTile, row * kTile, std::min((column + 1) * kTile, w), std::min((row + 1) * kTile, h)};
      const int32_t tw = part.Right - part.Left, th = part.Bottom - part.Top;
      tile->SetSize(tw, th);
      TRect target = dstRect;
      OffsetRect(target, -dstRect.Left - part.Left, -dstRect.Top - part.Top);
      StretchTransfer(tile.get(), target, TRect{0, 0, tw, th}, this, srcRect, resampler_.get(), drawMode_, OnPixelCombine);
      StretchDIBits(dst, dstRect.Left + part.Left, dstRect.Top + part.Top, tw, th, 0, 0, tw, th, tile->Bits(),
                    &tile->BitmapInfo(), DIB_RGB_COLORS, SRCCOPY);
    }
  }
}

void TBitmap32::ResetAlpha(uint8_t alpha) {
  if (!measuring_ && bits_ != nullptr) {
    auto* bytes = reinterpret_cast<uint8_t*>(bits_);
    for (int32_t i = 0; i < Width() * Height(); ++i) bytes[i * 4 + 3] = alpha;
  }
  Changed();
}

// --- Conversions and input/output ------------------------------------------------------------

namespace {
// Icons and metafiles leave parts of the target untouched; those parts become alpha 0.
bool KeepsTransparency(TGraphic* graphic) {
  return dynamic_cast<TIcon*>(graphic) != nullptr || dynamic_cast<TMetafile*>(graphic) != nullptr;
}
}  // namespace

void TBitmap32::Assign(TPersistent* source) {
  BeginUpdate();
  TOnExit finish{[this] {
    EndUpdate();
    Changed();
  }};
  if (source == nullptr) {
    SetSize(0, 0);
  } else if (auto* bitmap32 = dynamic_cast<TBitmap32*>(source)) {
    bitmap32->CopyMapTo(this);
    bitmap32->CopyPropertiesTo(this);
  } else if (auto* bitmap = dynamic_cast<::TBitmap*>(source)) {
    CopyFromBitmap(bitmap);
  } else if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
    AssignDrawnGraphic(graphic);
  } else if (auto* picture = dynamic_cast<TPicture*>(source)) {
    TGraphic* held = picture->Graphic();
    if (auto* heldBitmap = dynamic_cast<::TBitmap*>(held)) CopyFromBitmap(heldBitmap);
    else if (KeepsTransparency(held)) AssignWithTransparency(held);
    else if (held != nullptr) AssignDrawnGraphic(held);
    else SetSize(0, 0);
  } else if (auto* clipboard = dynamic_cast<TClipboard*>(source)) {
    TPicture picture;
    picture.Assign(clipboard);
    AssignDrawnGraphic(picture.Graphic());
  } else {
    TCustomMap::Assign(source);
  }
}

// The picture drawn through a temporary canvas into (0, 0, width, height).
void TBitmap32::DrawGraphic(TGraphic* graphic, int32_t width, int32_t height) {
  TCanvas canvas;
  canvas.SetHandle(Handle());
  graphic->Draw(&canvas, ::TRect{0, 0, width, height});
  canvas.SetHandle(nullptr);
  GdiFlush();
}

void TBitmap32::AssignDrawnGraphic(TGraphic* graphic) {
  SetSize(graphic->Width(), graphic->Height());
  if (Empty()) return;
  DrawGraphic(graphic, Width(), Height());
  ResetAlpha();
}

// Drawn once on white and once on red: where the two differ the picture is transparent.
void TBitmap32::AssignWithTransparency(TGraphic* graphic) {
  SetSize(graphic->Width(), graphic->Height());
  if (Empty()) return;
  Clear(0xFFFFFFFF);
  DrawGraphic(graphic, Width(), Height());
  TBitmap32 onRed;
  onRed.SetSize(Width(), Height());
  onRed.Clear(0xFFFF0000);
  onRed.DrawGraphic(graphic, Width(), Height());
  for (int32_t i = 0; i < Width() * Height(); ++i) {
    const TColor32 rgb = bits_[i] & 0x00FFFFFF;
    bits_[i] = rgb == (onRed.bits_[i] & 0x00FFFFFF) ? rgb | 0xFF000000 : rgb;
  }
}

void TBitmap32::CopyFromBitmap(::TBitmap* source) {
  SetSize(source->Width(), source->Height());
  if (Empty()) return;
  TCanvas* canvas = source->Canvas();
  canvas->Lock();
  {
    TOnExit unlock{[canvas] { canvas->Unlock(); }};
    BitBlt(Handle(), 0, 0, Width(), Height(), canvas->Handle(), 0, 0, SRCCOPY);
    GdiFlush();
  }
  if (source->PixelFormat() != pf32bit) ResetAlpha();
  if (source->Transparent()) {
    const TColor32 key = Color32(source->TransparentColor()) & 0x00FFFFFF;
    for (int32_t i = 0; i < Width() * Height(); ++i)
      if ((bits_[i] & 0x00FFFFFF) == key) bits_[i] &= 0x00FFFFFF;
  }
  SetFont(canvas->Font());
}

void TBitmap32::AssignTo(TPersistent* dest) {
  if (auto* picture = dynamic_cast<TPicture*>(dest)) CopyToBitmap(picture->Bitmap());
  else if (auto* bitmap = dynamic_cast<::TBitmap*>(dest)) CopyToBitmap(bitmap);
  else if (auto* clipboard = dynamic_cast<TClipboard*>(dest)) CopyToClipboard(clipboard);
  else TCustomMap::AssignTo(dest);
}

void TBitmap32::CopyToClipboard(TClipboard* clipboard) {
  ::TBitmap bitmap;
  CopyToBitmap(&bitmap);
  clipboard->Assign(&bitmap);
}

void TBitmap32::CopyToBitmap(::TBitmap* dest) {
  dest->SetPixelFormat(pf32bit);
  dest->Canvas()->Font()->Assign(font_.get());
  dest->SetSize(Width(), Height());
  if (Empty()) return;
  DrawTo(dest->Canvas()->Handle(), 0, 0);
  GdiFlush();
}

void TBitmap32::LoadFromStream(TStream* stream) {
  TOnExit notify{[this] { Changed(); }};
  ::TBitmap bitmap;
  bitmap.LoadFromStream(stream);
  Assign(&bitmap);
}

void TBitmap32::SaveToStream(TStream* stream) {
  ::TBitmap bitmap;
  AssignTo(&bitmap);
  bitmap.SaveToStream(stream);
}

void TBitmap32::LoadFromFile(const AnsiString& fileName) {
  TPicture picture;
  picture.LoadFromFile(fileName);
  Assign(&picture);
}

void TBitmap32::SaveToFile(const AnsiString& fileName) {
  ::TBitmap bitmap;
  AssignTo(&bitmap);
  bitmap.SaveToFile(fileName);
}

void TBitmap32::LoadFromResourceID(HINSTANCE instance, int id) {
  TOnExit notify{[this] { Changed(); }};
  ::TBitmap bitmap;
  bitmap.LoadFromResourceID(instance, id);
  Assign(&bitmap);
}

void TBitmap32::LoadFromResourceName(HINSTANCE instance, const AnsiString& name) {
  TOnExit notify{[this] { Changed(); }};
  ::TBitmap bitmap;
  bitmap.LoadFromResourceName(instance, name);
  Assign(&bitmap);
}

void TBitmap32::DefineProperties(TFiler* filer) {
  filer->DefineBinaryProperty("Data", [this](TStream* stream) { ReadData(stream); });
}

void TBitmap32::CopyMapTo(TBitmap32* dst) const {
  dst->SetSize(Width(), Height());
  if (!Empty()) MoveLongword(bits_, dst->bits_, Width() * Height());
}

void TBitmap32::CopyPropertiesTo(TBitmap32* dst) const {
  dst->SetDrawMode(drawMode_);
  dst->SetCombineMode(combineMode_);
  dst->SetWrapMode(wrapMode_);
  dst->SetMasterAlpha(masterAlpha_);
  dst->OuterColor = OuterColor;
  dst->SetResamplerClassName(ResamplerClassName());
  if (resampler_ != nullptr && dst->resampler_ != nullptr) dst->resampler_->Assign(resampler_.get());
  dst->SetFont(font_.get());
}

void TBitmap32::ReadData(TStream* stream) {
  TOnExit notify{[this] { Changed(); }};
  int32_t size[2] = {0, 0};
  stream->ReadBuffer(size, sizeof(size));
  // A damaged payload must not make the bitmap allocate more than the stream holds.
  const int64_t bytes = static_cast<int64_t>(std::max(size[0], 0)) * std::max(size[1], 0) * 4;
  if (bytes > stream->Size() - stream->Position()) throw EReadError("Stream read error");
  SetSize(size[0], size[1]);
  if (bits_ != nullptr) stream->ReadBuffer(bits_, Width() * Height() * 4);
}

void TBitmap32::WriteData(TStream* stream) const {
  const int32_t size[2] = {Width(), Height()};
  stream->WriteBuffer(size, sizeof(size));
  if (bits_ != nullptr) stream->WriteBuffer(bits_, Width() * Height() * 4);
}

bool TBitmap32::Equal(const TBitmap32* other) const {
  if (other == nullptr) return false;
  if (Empty() || other->Empty()) return Empty() && other->Empty();
  if (ClassType() != other->ClassType()) return false;
  return Width() == other->Width() && Height() == other->Height() &&
         std::memcmp(bits_, other->bits_, static_cast<size_t>(Width()) * Height() * 4) == 0;
}

// --- Rearrangements -----------------------------------------------------------------------------

void TBitmap32::Roll(int32_t dx, int32_t dy, bool fillBack, TColor32 fillColor) {
  if (Empty() || (dx == 0 && dy == 0)) return;
  const int32_t w = Width(), h = Height();
  if (std::abs(dx) >= w || std::abs(dy) >= h) {
    if (fillBack) Clear(fillColor);
    return;
  }
  const int32_t shift = dx + dy * w;
  const int32_t count = w * h - std::abs(shift);
  if (shift <= 0) MoveLongword(bits_ - shift, bits_, count);
  else std::memmove(bits_ + shift, bits_, static_cast<size_t>(count) * 4);
  if (fillBack) {
    TRect r = BoundsRect();
    OffsetRect(r, dx, dy);
    IntersectRect(r, r, BoundsRect());
    if (r.Top > 0) FillRect(0, 0, w, r.Top, fillColor);
    else FillRect(0, r.Bottom, w, h, fillColor);
    if (r.Left > 0) FillRect(0, r.Top, r.Left, r.Bottom, fillColor);
    else FillRect(r.Right, r.Top, w, r.Bottom, fillColor);
  }
  Changed();
}

TBitmap32* TBitmap32::FlipTarget(TBitmap32* dst) const { return dst == this ? nullptr : dst; }

void TBitmap32::FlipHorz(TBitmap32* dst) {
  dst = FlipTarget(dst);
  const int32_t w = Width(), h = Height();
  if (dst != nullptr) {
    dst->BeginUpdate();
    dst->SetSize(w, h);
    for (int32_t y = 0; y < h; ++y)
      for (int32_t x = 0; x < w; ++x) dst->SetPixel(w - 1 - x, y, GetPixel(x, y));
    dst->EndUpdate();
    dst->Changed();
    return;
  }
  for (int32_t y = 0; y < h; ++y) {
    TColor32* row = GetScanLine(y);
    for (int32_t x = 0; x < w / 2; ++x) Swap(row[x], row[w - 1 - x]);
  }
  Changed();
}

void TBitmap32::FlipVert(TBitmap32* dst) {
  dst = FlipTarget(dst);
  const int32_t w = Width(), h = Height();
  if (dst != nullptr) {
    dst->SetSize(w, h);
    for (int32_t y = 0; y < h; ++y) MoveLongword(GetScanLine(y), dst->GetScanLine(h - 1 - y), w);
    dst->Changed();
    return;
  }
  std::vector<TColor32> buffer(static_cast<size_t>(w));
  for (int32_t y = 0; y < h / 2; ++y) {
    MoveLongword(GetScanLine(y), buffer.data(), w);
    MoveLongword(GetScanLine(h - 1 - y), GetScanLine(y), w);
    MoveLongword(buffer.data(), GetScanLine(h - 1 - y), w);
  }
  Changed();
}

// Fills the target (dst, or a temporary copied back into this bitmap) with pixel (x, y)
// going to map(x, y); swapSides gives the target height x width.
template <class Map>
void TBitmap32::RotateInto(TBitmap32* dst, bool swapSides, Map map) {
  dst = FlipTarget(dst);
  std::unique_ptr<TBitmap32> temporary;
  TBitmap32* target = dst;
  if (target == nullptr) {
    temporary.reset(new TBitmap32);
    target = temporary.get();
  } else {
    target->BeginUpdate();
  }
  const int32_t w = Width(), h = Height();
  if (swapSides) target->SetSize(h, w);
  else target->SetSize(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      const TPoint to = map(x, y);
      target->SetPixel(to.X, to.Y, GetPixel(x, y));
    }
  if (dst != nullptr) {
    dst->EndUpdate();
    dst->Changed();
  } else {
    temporary->CopyMapTo(this);
  }
}

void TBitmap32::Rotate90(TBitmap32* dst) {
  const int32_t h = Height();
  RotateInto(dst, true, [h](int32_t x, int32_t y) { return TPoint{h - 1 - y, x}; });
}

void TBitmap32::Rotate270(TBitmap32* dst) {
  const int32_t w = Width();
  RotateInto(dst, true, [w](int32_t x, int32_t y) { return TPoint{y, w - 1 - x}; });
}

void TBitmap32::Rotate180(TBitmap32* dst) {
  dst = FlipTarget(dst);
  const int32_t n = Width() * Height();
  if (dst != nullptr) {
    dst->SetSize(Width(), Height());
    for (int32_t i = 0; i < n; ++i) dst->bits_[n - 1 - i] = bits_[i];
    dst->Changed();
    return;
  }
  for (int32_t i = 0; i < n / 2; ++i) Swap(bits_[i], bits_[n - 1 - i]);
  Changed();
}

}  // namespace imaging
