#include "classlib/graphics/BmpCodec.h"

#include <cstring>

#include "classlib/graphics/Graphic.h"

namespace bmpcodec {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kMaxPixelBytes = size_t{256} << 20;
constexpr int kMaxSide = 32768;

[[noreturn]] void Invalid() { throw EInvalidGraphic("Bitmap image is not valid"); }

template <class T>
T Get(const uint8_t* data, size_t offset) {
  T value;
  std::memcpy(&value, data + offset, sizeof(T));
  return value;
}

struct Layout {
  size_t headerSize;
  size_t masksSize;
  size_t colorCount;
  size_t bitsSize;
  BITMAPINFOHEADER header;
};

// Reads the facts of an info header (at least 40 bytes present at `info`).
Layout Measure(const uint8_t* info) {
  Layout layout{};
  layout.headerSize = Get<uint32_t>(info, 0);
  if (layout.headerSize < sizeof(BITMAPINFOHEADER) || layout.headerSize > 4096) Invalid();
  std::memcpy(&layout.header, info, sizeof(BITMAPINFOHEADER));
  const BITMAPINFOHEADER& h = layout.header;
  if (h.biPlanes != 1 || h.biHeight == INT32_MIN) Invalid();
  int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  CheckSize(h.biWidth, height, h.biBitCount);
  switch (h.biBitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: Invalid();
  }
  bool rle = h.biCompression == BI_RLE8 || h.biCompression == BI_RLE4;
  if (h.biCompression == BI_RLE8 && h.biBitCount != 8) Invalid();
  if (h.biCompression == BI_RLE4 && h.biBitCount != 4) Invalid();
  if (h.biCompression == BI_BITFIELDS && h.biBitCount != 16 && h.biBitCount != 32) Invalid();
  if (h.biCompression != BI_RGB && h.biCompression != BI_BITFIELDS && !rle) Invalid();
  if (rle && h.biHeight < 0) Invalid();
  layout.masksSize = (h.biCompression == BI_BITFIELDS && layout.headerSize == sizeof(BITMAPINFOHEADER)) ? 12 : 0;
  size_t maxColors = h.biBitCount <= 8 ? size_t{1} << h.biBitCount : 0;
  layout.colorCount = h.biClrUsed != 0 && h.biClrUsed < maxColors ? h.biClrUsed : maxColors;
  if (h.biBitCount > 8 && h.biClrUsed > 256) Invalid();
  if (h.biBitCount > 8) layout.colorCount = h.biClrUsed;
  layout.bitsSize = rle ? h.biSizeImage : Stride(h.biWidth, h.biBitCount) * static_cast<size_t>(height);
  if (layout.bitsSize == 0 || layout.bitsSize > kMaxPixelBytes) Invalid();
  return layout;
}

}  // namespace

size_t Stride(int width, int bitCount) {
  return ((static_cast<size_t>(width) * static_cast<size_t>(bitCount) + 31) / 32) * 4;
}

void CheckSize(int width, int height, int bitCount) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) Invalid();
  if (Stride(width, bitCount) * static_cast<size_t>(height) > kMaxPixelBytes) Invalid();
}

Dib ParseDib(const uint8_t* dib, size_t size, size_t bitsOffset) {
  if (size < sizeof(BITMAPINFOHEADER)) Invalid();
  Layout layout = Measure(dib);
  size_t tableEnd = layout.headerSize + layout.masksSize + layout.colorCount * sizeof(RGBQUAD);
  if (bitsOffset == 0) bitsOffset = tableEnd;
  if (bitsOffset < tableEnd || tableEnd > size || bitsOffset > size || size - bitsOffset < layout.bitsSize) {
    Invalid();
  }
  Dib result;
  const BITMAPINFOHEADER& h = layout.header;
  result.width = h.biWidth;
  result.height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  result.topDown = h.biHeight < 0;
  result.bitCount = h.biBitCount;
  result.compression = h.biCompression;
  const uint8_t* table = dib + layout.headerSize + layout.masksSize;
  result.colors.resize(layout.colorCount);
  if (layout.colorCount != 0) std::memcpy(result.colors.data(), table, layout.colorCount * sizeof(RGBQUAD));
  // A plain BITMAPINFO for the system: the base header, the masks and the colours.
  result.info.resize(sizeof(BITMAPINFOHEADER) + 12 + 256 * sizeof(RGBQUAD));
  BITMAPINFOHEADER base = h;
  base.biSize = sizeof(BITMAPINFOHEADER);
  base.biClrUsed = static_cast<DWORD>(layout.colorCount);
  std::memcpy(result.info.data(), &base, sizeof(base));
  size_t at = sizeof(BITMAPINFOHEADER);
  if (h.biCompression == BI_BITFIELDS) {
    std::memcpy(result.info.data() + at, dib + (layout.masksSize != 0 ? layout.headerSize : 40), 12);
    at += 12;
  }
  if (layout.colorCount != 0) std::memcpy(result.info.data() + at, table, layout.colorCount * sizeof(RGBQUAD));
  result.bits = dib + bitsOffset;
  result.bitsSize = layout.bitsSize;
  return result;
}

std::vector<uint8_t> ReadFile(TStream* stream) {
  std::vector<uint8_t> file(kFileHeaderSize + sizeof(BITMAPINFOHEADER));
  auto readInto = [&](size_t offset, size_t count) {
    if (stream->Read(file.data() + offset, static_cast<int>(count)) != static_cast<int>(count)) Invalid();
  };
  readInto(0, file.size());
  if (file[0] != 'B' || file[1] != 'M') Invalid();
  uint32_t bitsOffset = Get<uint32_t>(file.data(), 10);
  Layout layout = Measure(file.data() + kFileHeaderSize);
  size_t tableEnd = kFileHeaderSize + layout.headerSize + layout.masksSize + layout.colorCount * sizeof(RGBQUAD);
  if (bitsOffset < tableEnd || bitsOffset > tableEnd + 65536) Invalid();
  size_t total = bitsOffset + layout.bitsSize;
  size_t have = file.size();
  file.resize(total);
  readInto(have, total - have);
  return file;
}

void WriteFile(TStream* stream, int width, int height, int bitCount, const std::vector<RGBQUAD>& colors,
               const uint8_t* rows) {
  size_t tableSize = colors.size() * sizeof(RGBQUAD);
  size_t bitsSize = Stride(width, bitCount) * static_cast<size_t>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = static_cast<DWORD>(kFileHeaderSize + sizeof(BITMAPINFOHEADER) + tableSize);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + bitsSize);
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = static_cast<WORD>(bitCount);
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(bitsSize);
  info.biClrUsed = static_cast<DWORD>(colors.size());
  stream->WriteBuffer(&file, kFileHeaderSize);
  stream->WriteBuffer(&info, sizeof(info));
  if (tableSize != 0) stream->WriteBuffer(colors.data(), static_cast<int>(tableSize));
  stream->WriteBuffer(rows, static_cast<int>(bitsSize));
}

}  // namespace bmpcodec
