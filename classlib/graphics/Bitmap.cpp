#include "classlib/graphics/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>

#include "classlib/graphics/BmpCodec.h"
#include "classlib/runtime/SysUtils.h"

namespace {

RGBQUAD Quad(COLORREF color) {
  return RGBQUAD{GetBValue(color), GetGValue(color), GetRValue(color), 0};
}

COLORREF RgbOf(const RGBQUAD& quad) { return RGB(quad.rgbRed, quad.rgbGreen, quad.rgbBlue); }

std::vector<RGBQUAD> DefaultColors(TPixelFormat format) {
  switch (format) {
    case pf1bit: return {Quad(0x000000), Quad(0xFFFFFF)};
    case pf4bit: {
      std::vector<RGBQUAD> colors;
      for (TColor c : {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clSilver, clGray, clRed, clLime,
                       clYellow, clBlue, clFuchsia, clAqua, clWhite}) {
        colors.push_back(Quad(static_cast<COLORREF>(c)));
      }
      return colors;
    }
    case pf8bit: {
      HPALETTE palette = CreateHalftonePalette(nullptr);
      PALETTEENTRY entries[256]{};
      UINT count = GetPaletteEntries(palette, 0, 256, entries);
      DeleteObject(palette);
      std::vector<RGBQUAD> colors(256, RGBQUAD{0, 0, 0, 0});
      for (UINT i = 0; i < count && i < 256; ++i) {
        colors[i] = RGBQUAD{entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
      }
      return colors;
    }
    default: return {};
  }
}

// The colour that `color` becomes under `map`: the first entry whose key it is exactly.
COLORREF MappedColor(COLORREF color, std::span<const TColorMap> map) {
  for (const TColorMap& entry : map) {
    if ((static_cast<COLORREF>(ColorToRGB(entry.From)) & 0xFFFFFF) == color) {
      return static_cast<COLORREF>(ColorToRGB(entry.To)) & 0xFFFFFF;
    }
  }
  return color;
}

TPixelFormat FormatOfBits(int bitCount) {
  switch (bitCount) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 24: return pf24bit;
    default: return pf32bit;
  }
}

// A memory context with one bitmap selected for the length of a copy.
class SelectedDC {
 public:
  explicit SelectedDC(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_ == nullptr) throw EOutOfResources("Out of system resources");
    old_ = SelectObject(dc_, bitmap);
  }
  ~SelectedDC() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  SelectedDC(const SelectedDC&) = delete;
  SelectedDC& operator=(const SelectedDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A one-bit source is drawn with the destination's text and background colours; they
// are set to the source's two table colours for the length of the copy.
class MonoColors {
 public:
  MonoColors(HDC dc, const std::vector<RGBQUAD>& colors) : dc_(colors.size() == 2 ? dc : nullptr) {
    if (dc_ == nullptr) return;
    oldText_ = SetTextColor(dc_, RgbOf(colors[0]));
    oldBack_ = SetBkColor(dc_, RgbOf(colors[1]));
  }
  ~MonoColors() {
    if (dc_ == nullptr) return;
    SetTextColor(dc_, oldText_);
    SetBkColor(dc_, oldBack_);
  }
  MonoColors(const MonoColors&) = delete;
  MonoColors& operator=(const MonoColors&) = delete;

 private:
  HDC dc_;
  COLORREF oldText_ = 0;
  COLORREF oldBack_ = 0;
};

}  // namespace

// The system image behind a bitmap: owned, moved, never copied.
struct TBitmap::Image {
  HBITMAP handle = nullptr;
  uint8_t* bits = nullptr;
  int width = 0;
  int height = 0;
  TPixelFormat format = pf32bit;
  std::vector<RGBQUAD> colors;

  Image() = default;
  Image(int w, int h, TPixelFormat f, std::vector<RGBQUAD> table) : width(w), height(h), format(f) {
    colors = f <= pf8bit ? std::move(table) : std::vector<RGBQUAD>{};
    if (w == 0 || h == 0) return;
    int bitCount = BitsPerPixel(f);
    if (w < 0 || h < 0) throw EInvalidGraphic("Bitmap image is not valid");
    bmpcodec::CheckSize(w, h, bitCount);
    std::vector<uint8_t> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = w;
    header->biHeight = h;
    header->biPlanes = 1;
    header->biBitCount = static_cast<WORD>(bitCount);
    header->biCompression = BI_RGB;
    header->biClrUsed = static_cast<DWORD>(colors.size());
    if (!colors.empty()) {
      std::memcpy(info.data() + sizeof(BITMAPINFOHEADER), colors.data(), colors.size() * sizeof(RGBQUAD));
    }
    void* memory = nullptr;
    handle = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS, &memory,
                              nullptr, 0);
    if (handle == nullptr || memory == nullptr) throw EOutOfResources("Out of system resources");
    bits = static_cast<uint8_t*>(memory);
    std::memset(bits, 0, bmpcodec::Stride(w, bitCount) * static_cast<size_t>(h));
  }
  Image(Image&& other) noexcept { *this = std::move(other); }
  Image& operator=(Image&& other) noexcept {
    std::swap(handle, other.handle);
    std::swap(bits, other.bits);
    std::swap(width, other.width);
    std::swap(height, other.height);
    std::swap(format, other.format);
    std::swap(colors, other.colors);
    return *this;
  }
  ~Image() {
    if (handle != nullptr) DeleteObject(handle);
  }
  size_t Stride() const { return bmpcodec::Stride(width, BitsPerPixel(format)); }
};

// ---- TBitmapCanvas ----

void TBitmapCanvas::CreateHandle() {
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) throw EOutOfResources("Out of system resources");
  if (bitmap_->image_ != nullptr) oldBitmap_ = SelectObject(dc, bitmap_->image_);
  SetHandle(dc);
}

void TBitmapCanvas::FreeContext() {
  if (!HandleAllocated()) return;
  Lock();
  HDC dc = Handle();
  SetHandle(nullptr);
  if (oldBitmap_ != nullptr) SelectObject(dc, oldBitmap_);
  oldBitmap_ = nullptr;
  DeleteDC(dc);
  Unlock();
}

// ---- TBitmap ----

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  delete canvas_;
  if (image_ != nullptr) DeleteObject(image_);
}

int TBitmap::BitsPerPixel(TPixelFormat format) {
  static constexpr int kBits[] = {1, 4, 8, 24, 32};
  return kBits[format];
}

TCanvas* TBitmap::Canvas() {
  if (canvas_ == nullptr) {
    canvas_ = new TBitmapCanvas(this);
    canvas_->OnChange = TNotifyEvent(this, &TBitmap::CanvasChanged);
  }
  return canvas_;
}

void TBitmap::CanvasChanged(TObject*) { Changed(); }

void TBitmap::FreeContext() {
  if (canvas_ != nullptr) canvas_->FreeContext();
}

void TBitmap::Replace(Image&& image) {
  if (canvas_ != nullptr) canvas_->FreeContext();
  if (image_ != nullptr) DeleteObject(image_);
  image_ = image.handle;
  bits_ = image.bits;
  width_ = image.width;
  height_ = image.height;
  format_ = image.format;
  colors_ = std::move(image.colors);
  image.handle = nullptr;
}

void TBitmap::Clear() { Replace(Image(0, 0, format_, colors_)); }

void TBitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  if (width < 0 || height < 0) throw EInvalidGraphic("Bitmap image is not valid");
  std::vector<RGBQUAD> colors = colors_.empty() ? DefaultColors(format_) : colors_;
  Image image(width, height, format_, colors);
  if (image_ != nullptr && image.handle != nullptr) {
    GdiFlush();
    // Rows are bottom-up: the top rows kept are the last ones of each image.
    size_t keep = std::min(image.Stride(), static_cast<size_t>(BytesPerScanLine()));
    int bitCount = BitsPerPixel(format_);
    size_t usedBytes = (static_cast<size_t>(std::min(width, width_)) * bitCount + 7) / 8;
    keep = std::min(keep, usedBytes);
    for (int row = 0; row < std::min(height, height_); ++row) {
      std::memcpy(image.bits + (height - 1 - row) * image.Stride(), static_cast<uint8_t*>(ScanLine(row)), keep);
    }
  }
  Replace(std::move(image));
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == format_) return;
  Image image(width_, height_, format, DefaultColors(format));
  if (image.handle != nullptr) {
    if (canvas_ != nullptr) canvas_->FreeContext();
    SelectedDC source(image_);
    SelectedDC dest(image.handle);
    MonoColors mono(dest.get(), format_ == pf1bit ? colors_ : std::vector<RGBQUAD>{});
    BitBlt(dest.get(), 0, 0, width_, height_, source.get(), 0, 0, SRCCOPY);
    GdiFlush();
  }
  Replace(std::move(image));
  Changed();
}

bool TBitmap::Monochrome() const {
  if (format_ != pf1bit) return false;
  std::vector<RGBQUAD> colors = colors_.empty() ? DefaultColors(pf1bit) : colors_;
  return colors.size() == 2 && RgbOf(colors[0]) == 0 && RgbOf(colors[1]) == 0xFFFFFF;
}

void TBitmap::SetMonochrome(bool monochrome) {
  if (monochrome == Monochrome()) return;
  if (!monochrome) {
    SetPixelFormat(pf24bit);
    return;
  }
  SetPixelFormat(pf1bit);
  std::vector<RGBQUAD> blackWhite = DefaultColors(pf1bit);
  SetColors(blackWhite);
}

void TBitmap::SetColors(std::span<const RGBQUAD> colors) {
  if (format_ > pf8bit) return;
  size_t count = std::min(colors.size(), size_t{1} << BitsPerPixel(format_));
  std::vector<RGBQUAD> table(colors.begin(), colors.begin() + static_cast<std::ptrdiff_t>(count));
  if (image_ != nullptr) {
    Canvas()->Lock();
    SetDIBColorTable(Canvas()->Handle(), 0, static_cast<UINT>(table.size()), table.data());
    Canvas()->Unlock();
  }
  colors_ = std::move(table);
  Changed();
}

void* TBitmap::ScanLine(int row) {
  if (row < 0 || row >= height_) throw EInvalidGraphicOperation("Scan line index out of range");
  GdiFlush();
  return bits_ + static_cast<size_t>(height_ - 1 - row) * BytesPerScanLine();
}

int TBitmap::BytesPerScanLine() const { return static_cast<int>(bmpcodec::Stride(width_, BitsPerPixel(format_))); }

TColor TBitmap::TransparentColor() {
  if (transparentMode_ == tmFixed && transparentColor_ != clDefault) return transparentColor_;
  if (Empty()) return clDefault;
  return Canvas()->Pixels(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
  if (color == transparentColor_) return;
  transparentColor_ = color;
  transparentMode_ = color == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == transparentMode_) return;
  transparentMode_ = mode;
  if (mode == tmAuto) transparentColor_ = clDefault;
  Changed();
}

void TBitmap::Draw(TCanvas* canvas, const TRect& rect) {
  if (Empty()) return;
  TCanvas* own = Canvas();
  own->Lock();
  HDC source = own->Handle();
  HDC dest = canvas->Handle();
  {
    MonoColors mono(dest, format_ == pf1bit ? colors_ : std::vector<RGBQUAD>{});
    if (Transparent()) {
      auto key = static_cast<UINT>(ColorToRGB(TransparentColor()) & 0xFFFFFF);
      TransparentBlt(dest, rect.Left, rect.Top, rect.Width(), rect.Height(), source, 0, 0, width_, height_, key);
    } else {
      StretchBlt(dest, rect.Left, rect.Top, rect.Width(), rect.Height(), source, 0, 0, width_, height_,
                 canvas->CopyMode());
    }
  }
  own->Unlock();
}

void TBitmap::LoadFromMemory(const uint8_t* data, size_t size, bool hasFileHeader, std::span<const TColorMap> map) {
  constexpr size_t kFileHeader = 14;
  try {
    size_t skip = hasFileHeader ? kFileHeader : 0;
    if (size < skip) throw EInvalidGraphic("Bitmap image is not valid");
    size_t bitsOffset = 0;
    if (hasFileHeader) {
      uint32_t offset;
      std::memcpy(&offset, data + 10, sizeof(offset));
      bitsOffset = offset - kFileHeader;
    }
    bmpcodec::Dib dib = bmpcodec::ParseDib(data + skip, size - skip, bitsOffset);
    for (RGBQUAD& color : dib.colors) color = Quad(MappedColor(RgbOf(color), map));
    bool direct = dib.compression == BI_RGB && dib.bitCount != 16;
    TPixelFormat format = dib.bitCount == 16 ? pf24bit : FormatOfBits(dib.bitCount);
    Image image(dib.width, dib.height, format, dib.colors);
    if (direct) {
      size_t stride = image.Stride();
      for (int row = 0; row < dib.height; ++row) {
        int target = dib.topDown ? dib.height - 1 - row : row;
        std::memcpy(image.bits + static_cast<size_t>(target) * stride, dib.bits + static_cast<size_t>(row) * stride,
                    stride);
      }
    } else {
      SelectedDC dc(image.handle);
      if (SetDIBits(dc.get(), image.handle, 0, static_cast<UINT>(dib.height), dib.bits, dib.Info(), DIB_RGB_COLORS) ==
          0) {
        throw EInvalidGraphic("Bitmap image is not valid");
      }
      GdiFlush();
    }
    if (format > pf8bit && !map.empty()) {
      int bytes = BitsPerPixel(format) / 8;
      for (int row = 0; row < image.height; ++row) {
        uint8_t* pixel = image.bits + static_cast<size_t>(row) * image.Stride();
        for (int x = 0; x < image.width; ++x, pixel += bytes) {
          COLORREF to = MappedColor(RGB(pixel[2], pixel[1], pixel[0]), map);
          pixel[0] = GetBValue(to);
          pixel[1] = GetGValue(to);
          pixel[2] = GetRValue(to);
        }
      }
    }
    Replace(std::move(image));
  } catch (...) {
    Clear();
    throw;
  }
  Changed();
}

void TBitmap::LoadFromStream(TStream* stream) {
  std::vector<uint8_t> file;
  try {
    file = bmpcodec::ReadFile(stream);
  } catch (...) {
    Clear();
    throw;
  }
  LoadFromMemory(file.data(), file.size(), true, {});
}

void TBitmap::SaveToStream(TStream* stream) {
  std::vector<RGBQUAD> colors = format_ <= pf8bit ? (colors_.empty() ? DefaultColors(format_) : colors_)
                                                  : std::vector<RGBQUAD>{};
  if (Empty()) {
    // An empty bitmap still writes a valid file: one zero pixel of the format.
    std::vector<uint8_t> row(4, 0);
    bmpcodec::WriteFile(stream, 1, 1, BitsPerPixel(format_), colors, row.data());
    return;
  }
  GdiFlush();
  bmpcodec::WriteFile(stream, width_, height_, BitsPerPixel(format_), colors, bits_);
}

void TBitmap::ReadData(TStream* stream) {
  int32_t size = 0;
  stream->ReadBuffer(&size, sizeof(size));
  if (size < 0) throw EInvalidGraphic("Bitmap image is not valid");
  TMemoryStream data;
  if (data.CopyFrom(stream, size) != size) throw EInvalidGraphic("Bitmap image is not valid");
  data.SetPosition(0);
  LoadFromStream(&data);
}

void TBitmap::WriteData(TStream* stream) {
  TMemoryStream data;
  SaveToStream(&data);
  auto size = static_cast<int32_t>(data.Size());
  stream->WriteBuffer(&size, sizeof(size));
  stream->WriteBuffer(data.Memory(), size);
}

void TBitmap::LoadResource(HINSTANCE instance, const char* name, const AnsiString& shownName,
                           std::span<const TColorMap> map) {
  HRSRC info = FindResourceA(instance, name, MAKEINTRESOURCEA(2));
  if (info == nullptr) throw EResNotFound("Resource " + shownName + " not found");
  HGLOBAL global = ::LoadResource(instance, info);
  const void* data = global != nullptr ? LockResource(global) : nullptr;
  if (data == nullptr) throw EResNotFound("Resource " + shownName + " not found");
  LoadFromMemory(static_cast<const uint8_t*>(data), SizeofResource(instance, info), false, map);
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const AnsiString& name) {
  LoadResource(instance, name.c_str(), name, {});
}

void TBitmap::LoadFromResourceID(HINSTANCE instance, int id) {
  LoadResource(instance, MAKEINTRESOURCEA(id), IntToStr(id), {});
}

void TBitmap::LoadMappedResourceName(HINSTANCE instance, const AnsiString& name, std::span<const TColorMap> map) {
  LoadResource(instance, name.c_str(), name, map);
}

namespace {

struct GdiObjectDeleter {
  void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using OwnedBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

// A logical palette of a colour table.
HPALETTE PaletteOf(const std::vector<RGBQUAD>& colors) {
  std::vector<uint8_t> buffer(sizeof(LOGPALETTE) + colors.size() * sizeof(PALETTEENTRY));
  auto* log = reinterpret_cast<LOGPALETTE*>(buffer.data());
  log->palVersion = 0x300;
  log->palNumEntries = static_cast<WORD>(colors.size());
  for (size_t i = 0; i < colors.size(); ++i) {
    log->palPalEntry[i] = {colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue, 0};
  }
  return CreatePalette(log);
}

// Draws into `dc` through a palette for the length of a copy (nothing without one).
class SelectedPalette {
 public:
  SelectedPalette(HDC dc, HPALETTE palette) : dc_(palette != nullptr ? dc : nullptr) {
    if (dc_ == nullptr) return;
    old_ = SelectPalette(dc_, palette, FALSE);
    RealizePalette(dc_);
  }
  ~SelectedPalette() {
    if (dc_ != nullptr) SelectPalette(dc_, old_, FALSE);
  }
  SelectedPalette(const SelectedPalette&) = delete;
  SelectedPalette& operator=(const SelectedPalette&) = delete;

 private:
  HDC dc_;
  HPALETTE old_ = nullptr;
};

}  // namespace

void TBitmap::SaveToClipboardFormat(WORD& format, HANDLE& data, HPALETTE& palette) {
  if (Empty()) throw EInvalidGraphic("Cannot copy an empty bitmap");
  HDC screen = GetDC(nullptr);
  OwnedBitmap copy(CreateCompatibleBitmap(screen, width_, height_));
  ReleaseDC(nullptr, screen);
  if (copy == nullptr) throw EOutOfResources("Out of system resources");
  {
    SelectedDC target(copy.get());
    BitBlt(target.get(), 0, 0, width_, height_, Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  palette = colors_.empty() ? nullptr : PaletteOf(colors_);
  format = CF_BITMAP;
  data = copy.release();
}

void TBitmap::LoadFromClipboardFormat(WORD format, HANDLE data, HPALETTE palette) {
  BITMAP info{};
  if (format != CF_BITMAP) throw EInvalidGraphic("Unsupported clipboard format");
  if (data == nullptr || GetObjectA(data, sizeof(info), &info) == 0) throw EInvalidGraphic("Bitmap image is not valid");
  TBitmap copy;
  copy.SetPixelFormat(info.bmBitsPixel == 32 ? pf32bit : pf24bit);
  copy.SetSize(info.bmWidth, info.bmHeight);
  {
    SelectedDC source(static_cast<HBITMAP>(data));
    HDC dc = copy.Canvas()->Handle();
    SelectedPalette through(dc, palette);
    if (!BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY)) {
      throw EInvalidGraphic("Bitmap image is not valid");
    }
  }
  Assign(&copy);
}

void TBitmap::Assign(TPersistent* source) {
  if (source == this) return;
  if (auto* bitmap = dynamic_cast<TBitmap*>(source)) {
    Image image(bitmap->width_, bitmap->height_, bitmap->format_, bitmap->colors_);
    if (image.handle != nullptr) {
      GdiFlush();
      std::memcpy(image.bits, bitmap->bits_, image.Stride() * static_cast<size_t>(image.height));
    }
    Replace(std::move(image));
    transparentColor_ = bitmap->transparentColor_;
    transparentMode_ = bitmap->transparentMode_;
    TGraphic::SetTransparent(bitmap->Transparent());
    Changed();
    return;
  }
  if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
    Replace(Image(graphic->Width(), graphic->Height(), format_, DefaultColors(format_)));
    if (!Empty()) Canvas()->Draw(0, 0, graphic);
    Changed();
    return;
  }
  TGraphic::Assign(source);
}
