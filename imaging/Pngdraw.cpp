// Drawing, row and pixel access and resizing of PNG pictures.
#include <algorithm>
#include <cstdlib>

#include "imaging/Pngimage.h"

namespace {

// A memory device context holding one bitmap; both go with it.
class TMemoryBitmap {
 public:
  TMemoryBitmap(HDC compatible, HBITMAP bitmap) : dc_(CreateCompatibleDC(compatible)), bitmap_(bitmap) {
    if (dc_ == nullptr || bitmap_ == nullptr) {
      Release();
      RaiseError<EPNGOutMemory>(EPNGOutMemoryText);
    }
    old_ = SelectObject(dc_, bitmap_);
    SetStretchBltMode(dc_, COLORONCOLOR);
  }
  ~TMemoryBitmap() { Release(); }
  TMemoryBitmap(const TMemoryBitmap&) = delete;
  TMemoryBitmap& operator=(const TMemoryBitmap&) = delete;
  HDC dc() const { return dc_; }

 private:
  void Release() {
    if (dc_ != nullptr && old_ != nullptr) SelectObject(dc_, old_);
    if (dc_ != nullptr) DeleteDC(dc_);
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
  }

  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_ = nullptr;
};

// A packed index of `bits` bits at column x of a storage row.
int IndexAt(const uint8_t* row, int x, int bits) {
  const int perByte = 8 / bits;
  return (row[x / perByte] >> (8 - bits - bits * (x % perByte))) & ((1 << bits) - 1);
}

void PutIndex(uint8_t* row, int x, int bits, int index) {
  const int perByte = 8 / bits;
  const int shift = 8 - bits - bits * (x % perByte);
  const int mask = ((1 << bits) - 1) << shift;
  row[x / perByte] = static_cast<uint8_t>((row[x / perByte] & ~mask) | ((index << shift) & mask));
}

uint8_t Blend(int alpha, int picture, int target) {
  return static_cast<uint8_t>((alpha * picture + (255 - alpha) * target + 255) >> 8);
}

TColor Rgb(int red, int green, int blue) { return static_cast<TColor>(red | (green << 8) | (blue << 16)); }

}  // namespace

void TPNGObject::Draw(TCanvas* canvas, const TRect& rect) {
  if (!HasImage()) return;
  const TChunkIHDR* header = RequireHeader();
  HDC dc = canvas->Handle();
  switch (GetTransparencyMode()) {
    case ptmBit:
      DrawMasked(dc, rect, static_cast<COLORREF>(ColorToRGB(GetTransparentColor())));
      break;
    case ptmPartial:
      DrawPartialTrans(dc, rect);
      break;
    default:
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchDIBits(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), 0, 0,
                    static_cast<int>(header->Width()), static_cast<int>(header->Height()),
                    header->ImageData(), header->BitmapInfoPtr(), DIB_RGB_COLORS, SRCCOPY);
      break;
  }
}

void TPNGObject::DrawMasked(HDC dc, const TRect& rect, COLORREF transparentColor) {
  const TChunkIHDR* header = RequireHeader();
  const int width = rect.Width();
  const int height = rect.Height();
  const int sourceWidth = std::abs(static_cast<int>(header->BitmapInfoPtr()->bmiHeader.biWidth));
  const int sourceHeight = std::abs(static_cast<int>(header->BitmapInfoPtr()->bmiHeader.biHeight));
  TMemoryBitmap source(dc, CreateDIBitmap(dc, &header->BitmapInfoPtr()->bmiHeader, CBM_INIT,
                                          header->ImageData(), header->BitmapInfoPtr(), DIB_RGB_COLORS));
  TMemoryBitmap mask(dc, CreateBitmap(width, height, 1, 1, nullptr));
  TMemoryBitmap inverse(dc, CreateBitmap(width, height, 1, 1, nullptr));
  TMemoryBitmap colour(dc, CreateCompatibleBitmap(dc, width, height));
  // Pixels of the transparent colour become white in the mask, all others black.
  const COLORREF background = SetBkColor(source.dc(), transparentColor);
  StretchBlt(mask.dc(), 0, 0, width, height, source.dc(), 0, 0, sourceWidth, sourceHeight, SRCCOPY);
  SetBkColor(source.dc(), background);
  BitBlt(inverse.dc(), 0, 0, width, height, mask.dc(), 0, 0, NOTSRCCOPY);
  // The target stays where the picture is transparent and turns black elsewhere; the
  // picture turns black where it is transparent; the two are then combined.
  BitBlt(colour.dc(), 0, 0, width, height, dc, rect.Left, rect.Top, SRCCOPY);
  BitBlt(colour.dc(), 0, 0, width, height, mask.dc(), 0, 0, SRCAND);
  StretchBlt(source.dc(), 0, 0, sourceWidth, sourceHeight, inverse.dc(), 0, 0, width, height, SRCAND);
  StretchBlt(colour.dc(), 0, 0, width, height, source.dc(), 0, 0, sourceWidth, sourceHeight, SRCPAINT);
  BitBlt(dc, rect.Left, rect.Top, width, height, colour.dc(), 0, 0, SRCCOPY);
}

void TPNGObject::DrawPartialTrans(HDC dc, const TRect& rect) {
  const TChunkIHDR* header = RequireImage();
  if (rect.Right == rect.Left || rect.Bottom == rect.Top) return;
  TRect area = rect;
  if (area.Right < area.Left) std::swap(area.Left, area.Right);
  if (area.Bottom < area.Top) std::swap(area.Top, area.Bottom);
  const int width = area.Width();
  const int height = area.Height();
  const int imageWidth = static_cast<int>(header->Width());
  const int imageHeight = static_cast<int>(header->Height());
  const bool stretching = width != imageWidth || height != imageHeight;
  const double factorX = stretching ? static_cast<double>(width) / imageWidth : 1.0;
  const double factorY = stretching ? static_cast<double>(height) / imageHeight : 1.0;

  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  TMemoryBitmap buffer(nullptr, bitmap);
  BitBlt(buffer.dc(), 0, 0, width, height, dc, area.Left, area.Top, SRCCOPY);
  GdiFlush();

  const auto* transparency = chunks_.FindChunk<TChunktRNS>();
  const int storageBits = header->StorageBits();
  const bool greyAlpha = header->ColorType() == COLOR_GRAYSCALEALPHA;
  const RGBQUAD* colours = header->BitmapInfoPtr()->bmiColors;
  auto* pixels = static_cast<uint8_t*>(bits);
  for (int j = 0; j < height; ++j) {
    const int sourceRow = std::min(stretching ? static_cast<int>(j / factorY) : j, imageHeight - 1);
    const uint8_t* row = GetScanline(sourceRow);
    const uint8_t* alpha = GetAlphaScanline(sourceRow);
    uint8_t* out = pixels + size_t(j) * width * 4;
    for (int i = 0; i < width; ++i, out += 4) {
      const int s = std::min(stretching ? static_cast<int>(i / factorX) : i, imageWidth - 1);
      int a;
      uint8_t blue, green, red;
      if (storageBits <= 8 && greyAlpha) {
        a = alpha[s];
        blue = green = red = row[s];
      } else if (storageBits <= 8) {
        const int index = IndexAt(row, s, storageBits);
        a = transparency != nullptr ? transparency->PaletteValues[index] : 255;
        blue = colours[index].rgbBlue;
        green = colours[index].rgbGreen;
        red = colours[index].rgbRed;
      } else {
        a = alpha != nullptr ? alpha[s] : 255;
        if (a == 0) continue;
        blue = row[3 * s];
        green = row[3 * s + 1];
        red = row[3 * s + 2];
        if (a == 255) {
          out[0] = blue;
          out[1] = green;
          out[2] = red;
          continue;
        }
      }
      out[0] = Blend(a, blue, out[0]);
      out[1] = Blend(a, green, out[1]);
      out[2] = Blend(a, red, out[2]);
    }
  }
  BitBlt(dc, area.Left, area.Top, width, height, buffer.dc(), 0, 0, SRCCOPY);
}

void TPNGObject::DrawUsingPixelInformation(TCanvas* canvas, const TPoint& position) {
  HDC screen = GetDC(nullptr);
  const double screenX = GetDeviceCaps(screen, LOGPIXELSX) / 0.0254;
  const double screenY = GetDeviceCaps(screen, LOGPIXELSY) / 0.0254;
  ::ReleaseDC(nullptr, screen);
  int width = Width();
  int height = Height();
  const auto* physical = chunks_.FindChunk<TChunkpHYs>();
  // A density of 0 says nothing about the size: the picture keeps its own.
  if (physical != nullptr && physical->PPUnitX != 0 && physical->PPUnitY != 0) {
    width = static_cast<int>(width / (physical->PPUnitX / screenX));
    height = static_cast<int>(height / (physical->PPUnitY / screenY));
  }
  Draw(canvas, Rect(position.X, position.Y, position.X + width, position.Y + height));
}

// ---- rows and pixels ----

uint8_t* TPNGObject::GetScanline(int y) const {
  const TChunkIHDR* header = RequireImage();
  return header->ImageData() + size_t(header->BytesPerRow()) * (header->Height() - 1 - y);
}

uint8_t* TPNGObject::GetAlphaScanline(int y) const {
  const TChunkIHDR* header = RequireImage();
  if (header->ImageAlpha() == nullptr) return nullptr;
  return header->ImageAlpha() + size_t(y) * header->Width();
}

uint8_t* TPNGObject::GetExtraScanline(int y) const {
  const TChunkIHDR* header = RequireImage();
  if (header->ExtraImageData() == nullptr) return nullptr;
  return header->ExtraImageData() + size_t(header->BytesPerRow()) * (header->Height() - 1 - y);
}

TColor TPNGObject::GetPixels(int x, int y) const {
  if (!HasImage() || x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
  const TChunkIHDR* header = RequireHeader();
  const uint8_t* row = GetScanline(y);
  switch (header->ColorType()) {
    case COLOR_PALETTE: {
      const RGBQUAD& entry = header->BitmapInfoPtr()->bmiColors[IndexAt(row, x, header->StorageBits())];
      return Rgb(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
    }
    case COLOR_GRAYSCALE: {
      const int bits = header->StorageBits();
      const int index = IndexAt(row, x, bits);
      const uint8_t level = GammaTable[bits == 1 ? index * 255 : bits == 4 ? index * 17 : index];
      return Rgb(level, level, level);
    }
    case COLOR_GRAYSCALEALPHA:
      return Rgb(row[x], row[x], row[x]);
    case COLOR_RGB:
    case COLOR_RGBALPHA:
      return Rgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    default:
      return 0;
  }
}

void TPNGObject::SetPixels(int x, int y, TColor color) {
  if (!HasImage() || x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  const TChunkIHDR* header = RequireHeader();
  uint8_t* row = GetScanline(y);
  const TColor rgb = ColorToRGB(color);
  switch (header->ColorType()) {
    case COLOR_GRAYSCALE:
    case COLOR_PALETTE: {
      const UINT index = GetNearestPaletteIndex(GetPalette(), static_cast<COLORREF>(rgb));
      PutIndex(row, x, header->StorageBits(), static_cast<int>(index));
      break;
    }
    case COLOR_GRAYSCALEALPHA:
      row[x] = static_cast<uint8_t>(color);
      break;
    case COLOR_RGB:
    case COLOR_RGBALPHA:
      row[3 * x] = static_cast<uint8_t>(rgb >> 16);
      row[3 * x + 1] = static_cast<uint8_t>(rgb >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(rgb);
      break;
    default:
      break;
  }
}

void TPNGObject::Resize(int width, int height) {
  if (width < 1 || height < 1) RaiseError<EPNGInvalidNewSize>(EPNGInvalidNewSizeText);
  RequireImage()->ResizeStorage(static_cast<uint32_t>(width), static_cast<uint32_t>(height));
  Changed();
}
