#include "imaging/Pngheader.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "imaging/Pngcrc.h"
#include "imaging/Pngimage.h"

bool IsValidPngFormat(unsigned colorType, unsigned bitDepth) {
  switch (colorType) {
    case COLOR_GRAYSCALE:
      return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8 || bitDepth == 16;
    case COLOR_PALETTE:
      return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8;
    case COLOR_RGB:
    case COLOR_GRAYSCALEALPHA:
    case COLOR_RGBALPHA:
      return bitDepth == 8 || bitDepth == 16;
    default:
      return false;
  }
}

HPALETTE CreateLogicalPalette(std::span<const PALETTEENTRY> entries) {
  std::vector<uint8_t> block(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * 256);
  auto* palette = reinterpret_cast<LOGPALETTE*>(block.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(std::min<size_t>(entries.size(), 256));
  std::copy_n(entries.begin(), palette->palNumEntries, palette->palPalEntry);
  return CreatePalette(palette);
}

void PngPixelInfo(uint32_t width, uint8_t colorType, uint8_t bitDepth, uint32_t& rowBytes,
                  uint32_t& offset) {
  rowBytes = 0;
  offset = 0;
  switch (colorType) {
    case COLOR_GRAYSCALE:
      rowBytes = (width * bitDepth + 7) / 8;
      offset = bitDepth == 16 ? 2 : 1;
      break;
    case COLOR_PALETTE:
      rowBytes = (width * bitDepth + 7) / 8;
      offset = 1;
      break;
    case COLOR_RGB:
      rowBytes = width * bitDepth * 3 / 8;
      offset = bitDepth * 3 / 8;
      break;
    case COLOR_GRAYSCALEALPHA:
      rowBytes = width * bitDepth * 2 / 8;
      offset = bitDepth / 4;
      break;
    case COLOR_RGBALPHA:
      rowBytes = width * bitDepth * 4 / 8;
      offset = bitDepth / 2;
      break;
    default:
      break;
  }
}

namespace {

// Bits per pixel of the storage for a colour type and bit depth.
int StorageBitsFor(uint8_t colorType, uint8_t bitDepth) {
  switch (colorType) {
    case COLOR_GRAYSCALE:
      return bitDepth == 16 ? 8 : bitDepth == 2 ? 4 : bitDepth;
    case COLOR_PALETTE:
      return bitDepth == 2 ? 4 : bitDepth;
    case COLOR_GRAYSCALEALPHA:
      return 8;
    default:
      return 24;
  }
}

bool IsIndexed(uint8_t colorType) {
  return colorType == COLOR_GRAYSCALE || colorType == COLOR_PALETTE || colorType == COLOR_GRAYSCALEALPHA;
}

bool HasAlpha(uint8_t colorType) {
  return colorType == COLOR_GRAYSCALEALPHA || colorType == COLOR_RGBALPHA;
}

[[noreturn]] void RaiseOutOfMemory() { RaiseError<EPNGOutMemory>(EPNGOutMemoryText); }

uint8_t* AllocatePlane(uint64_t size, uint8_t fill) {
  if (size > 0x7FFFFFFFu) RaiseOutOfMemory();
  auto* plane = new (std::nothrow) uint8_t[static_cast<size_t>(size)];
  if (plane == nullptr) RaiseOutOfMemory();
  std::memset(plane, fill, static_cast<size_t>(size));
  return plane;
}

}  // namespace

TChunkIHDR::TChunkIHDR(TPNGObject* owner) : TChunk(owner) {}

TChunkIHDR::~TChunkIHDR() { FreeImageData(); }

void TChunkIHDR::DeleteImageDC() {
  if (imageDC_ == nullptr) return;
  TCanvas* canvas = Owner()->Canvas();
  if (canvas->HandleAllocated() && canvas->Handle() == imageDC_) canvas->SetHandle(nullptr);
  if (oldBitmap_ != nullptr) SelectObject(imageDC_, oldBitmap_);
  if (oldPalette_ != nullptr) SelectPalette(imageDC_, static_cast<HPALETTE>(oldPalette_), FALSE);
  DeleteDC(imageDC_);
  imageDC_ = nullptr;
  oldBitmap_ = nullptr;
  oldPalette_ = nullptr;
}

void TChunkIHDR::SelectInto(HDC dc, HBITMAP bitmap) {
  imageDC_ = dc;
  oldBitmap_ = SelectObject(dc, bitmap);
  if (imagePalette_ != nullptr) SetImagePalette(imagePalette_);
  Owner()->Canvas()->SetHandle(dc);
}

void TChunkIHDR::FreeImageData() {
  DeleteImageDC();
  if (imageHandle_ != nullptr) DeleteObject(imageHandle_);
  if (imagePalette_ != nullptr) DeleteObject(imagePalette_);
  FreeAlphaPlane();
  delete[] extraImageData_;
  imageHandle_ = nullptr;
  imagePalette_ = nullptr;
  extraImageData_ = nullptr;
  imageData_ = nullptr;
}

void TChunkIHDR::CreateAlphaPlane(uint8_t fill) {
  FreeAlphaPlane();
  imageAlpha_ = AllocatePlane(uint64_t{Width()} * Height(), fill);
}

void TChunkIHDR::FreeAlphaPlane() {
  delete[] imageAlpha_;
  imageAlpha_ = nullptr;
}

HPALETTE TChunkIHDR::CreateGrayscalePalette(int bitDepth) const {
  if (bitDepth == 16) bitDepth = 8;
  const int count = 1 << bitDepth;
  const uint8_t* gamma = Owner()->GammaTable;
  std::vector<PALETTEENTRY> entries(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const uint8_t level = gamma[MulDiv(i, 255, count - 1)];
    entries[static_cast<size_t>(i)] = PALETTEENTRY{level, level, level, 0};
  }
  return CreateLogicalPalette(entries);
}

void TChunkIHDR::PaletteToDIB(HPALETTE palette) {
  PALETTEENTRY entries[256];
  // A palette longer than the storage's depth fills only the entries it can index.
  const UINT count = std::min<UINT>(GetPaletteEntries(palette, 0, 256, entries), 1u << StorageBits());
  bitmapInfo_.bmiHeader.biClrUsed = count;
  for (UINT j = 0; j < count; ++j) {
    bitmapInfo_.bmiColors[j] = RGBQUAD{entries[j].peBlue, entries[j].peGreen, entries[j].peRed, 0};
  }
}

void TChunkIHDR::UpdateColorTable() {
  if (imageDC_ == nullptr || !hasPalette_) return;
  SetDIBColorTable(imageDC_, 0, 256, bitmapInfo_.bmiColors);
}

void TChunkIHDR::SetImagePalette(HPALETTE palette) {
  const HGDIOBJ previous = SelectPalette(imageDC_, palette, FALSE);
  RealizePalette(imageDC_);
  if (oldPalette_ == nullptr) oldPalette_ = previous;  // the context's own palette
  if (imagePalette_ != nullptr && imagePalette_ != palette) DeleteObject(imagePalette_);
  imagePalette_ = palette;
}

void TChunkIHDR::PrepareImageData() {
  FreeImageData();
  std::memset(&bitmapInfo_, 0, sizeof(bitmapInfo_));
  const int bits = StorageBitsFor(ColorType(), BitDepth());
  hasPalette_ = IsIndexed(ColorType());
  BITMAPINFOHEADER& info = bitmapInfo_.bmiHeader;
  info.biSize = sizeof(BITMAPINFOHEADER);
  info.biWidth = static_cast<LONG>(Width());
  info.biHeight = static_cast<LONG>(Height());
  info.biPlanes = 1;
  info.biBitCount = static_cast<WORD>(bits);
  info.biCompression = BI_RGB;
  bytesPerRow_ = static_cast<int>(((uint64_t{Width()} * bits + 31) / 32) * 4);
  try {
    if (HasAlpha(ColorType())) CreateAlphaPlane(0);
    if (BitDepth() == 16) extraImageData_ = AllocatePlane(uint64_t(bytesPerRow_) * Height(), 0);
    CreateStorage();
  } catch (...) {
    FreeImageData();
    throw;
  }
}

void TChunkIHDR::CreateStorage() {
  if (uint64_t(bytesPerRow_) * Height() > 0x7FFFFFFFu) RaiseOutOfMemory();
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) RaiseOutOfMemory();
  if (hasPalette_) {
    const int count = 1 << StorageBits();
    imagePalette_ = ColorType() == COLOR_PALETTE ? CreateHalftonePalette(dc)
                                                 : CreateGrayscalePalette(BitDepth());
    ResizePalette(imagePalette_, count);
    PaletteToDIB(imagePalette_);
  }
  void* bits = nullptr;
  imageHandle_ = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&bitmapInfo_), DIB_RGB_COLORS,
                                  &bits, nullptr, 0);
  if (imageHandle_ == nullptr || bits == nullptr) {
    DeleteDC(dc);
    RaiseOutOfMemory();
  }
  imageData_ = static_cast<uint8_t*>(bits);
  SelectInto(dc, imageHandle_);
  std::memset(imageData_, 0, size_t(bytesPerRow_) * Height());
}

bool TChunkIHDR::LoadFromStream(TStream* stream, const char* name, uint32_t length) {
  TChunk::LoadFromStream(stream, name, length);
  if (DataSize() < 13) RaiseError<EPngInvalidIHDR>(EPNGInvalidIHDRText);
  const uint8_t* data = Data();
  IHDRData.Width = ReadBigEndian32(data);
  IHDRData.Height = ReadBigEndian32(data + 4);
  IHDRData.BitDepth = data[8];
  IHDRData.ColorType = data[9];
  IHDRData.CompressionMethod = data[10];
  IHDRData.FilterMethod = data[11];
  IHDRData.InterlaceMethod = data[12];
  if (Width() > 65535 || Height() > 65535) RaiseError<EPNGSizeExceeds>(EPNGSizeExceedsText);
  if (IHDRData.CompressionMethod != 0) RaiseError<EPNGUnknownCompression>(EPNGUnknownCompressionText);
  if (IHDRData.InterlaceMethod > 1) RaiseError<EPNGUnknownInterlace>(EPNGUnknownInterlaceText);
  // No storage exists for other kinds, and an empty image has nothing to decode.
  if (!IsValidPngFormat(ColorType(), BitDepth()) || Width() == 0 || Height() == 0) {
    RaiseError<EPngInvalidIHDR>(EPNGInvalidIHDRText);
  }
  Owner()->InterlaceMethod = static_cast<TInterlaceMethod>(IHDRData.InterlaceMethod);
  PrepareImageData();
  return true;
}

bool TChunkIHDR::SaveToStream(TStream* stream) {
  if (IHDRData.BitDepth == 2) IHDRData.BitDepth = 4;  // the storage holds 2-bit images at 4 bits
  ResizeData(13);
  uint8_t* data = Data();
  WriteBigEndian32(data, Width());
  WriteBigEndian32(data + 4, Height());
  data[8] = IHDRData.BitDepth;
  data[9] = IHDRData.ColorType;
  data[10] = IHDRData.CompressionMethod;
  data[11] = IHDRData.FilterMethod;
  data[12] = Owner()->InterlaceMethod;
  return SaveData(stream);
}

void TChunkIHDR::Assign(TChunk* source) {
  auto* header = dynamic_cast<TChunkIHDR*>(source);
  if (header == nullptr) RaiseError<EPngError>(EPNGCannotAssignChunkText);
  IHDRData = header->IHDRData;
  if (header->ImageData() == nullptr) {  // a header that failed to load has no image
    FreeImageData();
    return;
  }
  PrepareImageData();
  CopyImageFrom(*header);
}

void TChunkIHDR::CopyImageFrom(TChunkIHDR& source) {
  const size_t rowsSize = size_t(bytesPerRow_) * Height();
  std::memcpy(imageData_, source.imageData_, rowsSize);
  if (imageAlpha_ != nullptr && source.imageAlpha_ != nullptr) {
    std::memcpy(imageAlpha_, source.imageAlpha_, size_t{Width()} * Height());
  }
  if (extraImageData_ != nullptr && source.extraImageData_ != nullptr) {
    std::memcpy(extraImageData_, source.extraImageData_, rowsSize);
  }
  std::memcpy(bitmapInfo_.bmiColors, source.bitmapInfo_.bmiColors, sizeof(bitmapInfo_.bmiColors));
  bitmapInfo_.bmiHeader.biClrUsed = source.bitmapInfo_.bmiHeader.biClrUsed;
  if (imagePalette_ != nullptr && source.imagePalette_ != nullptr) {
    PALETTEENTRY entries[256];
    const UINT count = GetPaletteEntries(source.imagePalette_, 0, 256, entries);
    ResizePalette(imagePalette_, count);
    SetPaletteEntries(imagePalette_, 0, count, entries);
    RealizePalette(imageDC_);
  }
  UpdateColorTable();
}

void TChunkIHDR::ResizeStorage(uint32_t width, uint32_t height) {
  const int bits = StorageBits();
  const int newBytesPerRow = static_cast<int>(((uint64_t{width} * bits + 31) / 32) * 4);
  if (uint64_t(newBytesPerRow) * height > 0x7FFFFFFFu) RaiseOutOfMemory();
  TMaxBitmapInfo info = bitmapInfo_;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = static_cast<LONG>(height);
  HDC dc = CreateCompatibleDC(imageDC_);
  void* bits32 = nullptr;
  HBITMAP bitmap = dc != nullptr ? CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&info),
                                                    DIB_RGB_COLORS, &bits32, nullptr, 0)
                                 : nullptr;
  if (bitmap == nullptr) {
    if (dc != nullptr) DeleteDC(dc);
    RaiseOutOfMemory();
  }
  auto* rows = static_cast<uint8_t*>(bits32);
  std::memset(rows, 0, size_t(newBytesPerRow) * height);
  const uint32_t keptRows = std::min(height, Height());
  const size_t keptBytes = static_cast<size_t>(std::min(newBytesPerRow, bytesPerRow_));
  const auto copyRows = [&](uint8_t* to, const uint8_t* from) {
    for (uint32_t y = 0; y < keptRows; ++y) {
      std::memcpy(to + size_t(newBytesPerRow) * (height - 1 - y), from + size_t(bytesPerRow_) * (Height() - 1 - y), keptBytes);
    }
  };
  copyRows(rows, imageData_);
  uint8_t* extra = nullptr;
  uint8_t* alpha = nullptr;
  try {
    if (extraImageData_ != nullptr) {
      extra = AllocatePlane(uint64_t(newBytesPerRow) * height, 0);
      copyRows(extra, extraImageData_);
    }
    if (imageAlpha_ != nullptr) {
      alpha = AllocatePlane(uint64_t{width} * height, 255);
      for (uint32_t y = 0; y < keptRows; ++y) {
        std::memcpy(alpha + size_t(y) * width, imageAlpha_ + size_t(y) * Width(), std::min(width, Width()));
      }
    }
  } catch (...) {
    delete[] extra;
    DeleteObject(bitmap);
    DeleteDC(dc);
    throw;
  }
  DeleteImageDC();
  DeleteObject(imageHandle_);
  delete[] extraImageData_;
  FreeAlphaPlane();
  bitmapInfo_ = info;
  IHDRData.Width = width;
  IHDRData.Height = height;
  bytesPerRow_ = newBytesPerRow;
  imageHandle_ = bitmap;
  imageData_ = rows;
  extraImageData_ = extra;
  imageAlpha_ = alpha;
  SelectInto(dc, bitmap);
}

void TChunkIHDR::ConvertGrayTo8Bit() {
  const int bits = StorageBits();
  if (ColorType() != COLOR_GRAYSCALE || bits >= 8) return;
  const int scale = bits == 1 ? 255 : 17;
  std::vector<uint8_t> levels(size_t{Width()} * Height());
  for (uint32_t y = 0; y < Height(); ++y) {
    const uint8_t* row = imageData_ + size_t(bytesPerRow_) * (Height() - 1 - y);
    for (uint32_t x = 0; x < Width(); ++x) {
      const uint32_t bit = x * bits;
      const int index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
      levels[size_t(y) * Width() + x] = static_cast<uint8_t>(index * scale);
    }
  }
  IHDRData.BitDepth = 8;
  PrepareImageData();
  for (uint32_t y = 0; y < Height(); ++y) {
    std::memcpy(imageData_ + size_t(bytesPerRow_) * (Height() - 1 - y), levels.data() + size_t(y) * Width(), Width());
  }
}
