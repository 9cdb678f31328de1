#pragma once
// The header chunk of a PNG picture and the decoded image it owns: a device-independent
// bitmap section in a memory device context (bottom-up rows, colour table and logical
// palette for indexed kinds), a top-down alpha plane for grey-alpha and RGBA images and a
// plane of low bytes for 16-bit images.
#include <cstdint>
#include <span>

#include "classlib/runtime/WinApi.h"
#include "imaging/Pngchunks.h"

// PNG colour types.
constexpr uint8_t COLOR_GRAYSCALE = 0;
constexpr uint8_t COLOR_RGB = 2;
constexpr uint8_t COLOR_PALETTE = 3;
constexpr uint8_t COLOR_GRAYSCALEALPHA = 4;
constexpr uint8_t COLOR_RGBALPHA = 6;

struct TIHDRData {
  uint32_t Width = 0;
  uint32_t Height = 0;
  uint8_t BitDepth = 0;
  uint8_t ColorType = 0;
  uint8_t CompressionMethod = 0;
  uint8_t FilterMethod = 0;
  uint8_t InterlaceMethod = 0;
};

struct TMaxBitmapInfo {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[256];
};

// True for the colour type and bit depth pairs the PNG standard allows.
bool IsValidPngFormat(unsigned colorType, unsigned bitDepth);

// A logical palette (version 0x300) of up to 256 entries.
HPALETTE CreateLogicalPalette(std::span<const PALETTEENTRY> entries);

// Bytes of one row of `width` pixels without the filter byte, and the filter's byte
// distance to the pixel on the left; both 0 for an unknown colour type.
void PngPixelInfo(uint32_t width, uint8_t colorType, uint8_t bitDepth, uint32_t& rowBytes,
                  uint32_t& offset);

class TChunkIHDR : public TChunk {
  PNG_CHUNK_CLASS(TChunkIHDR, "IHDR")
 public:
  explicit TChunkIHDR(TPNGObject* owner);
  ~TChunkIHDR() override;

  // A copy of the header and of the whole image; EPngError from another kind.
  void Assign(TChunk* source) override;
  // EPngInvalidIHDR for short data, a pair the standard forbids or a zero size;
  // EPNGSizeExceeds, EPNGUnknownCompression, EPNGUnknownInterlace; then builds the
  // storage (EPNGOutMemory when the system cannot).
  bool LoadFromStream(TStream* stream, const char* name, uint32_t length) override;
  bool SaveToStream(TStream* stream) override;

  // Builds an empty storage (all samples and alpha 0) for the current header fields;
  // EPNGOutMemory, with no storage left, when it cannot be made.
  void PrepareImageData();
  void FreeImageData();
  // A grey ramp of 2^depth entries (16 counts as 8) through the owner's gamma table.
  HPALETTE CreateGrayscalePalette(int bitDepth) const;
  // Copies the palette's entries into the colour table.
  void PaletteToDIB(HPALETTE palette);

  TIHDRData IHDRData;

  uint32_t Width() const { return IHDRData.Width; }
  uint32_t Height() const { return IHDRData.Height; }
  uint8_t BitDepth() const { return IHDRData.BitDepth; }
  uint8_t ColorType() const { return IHDRData.ColorType; }

  HBITMAP ImageHandle() const { return imageHandle_; }
  HDC ImageDC() const { return imageDC_; }
  HPALETTE ImagePalette() const { return imagePalette_; }
  bool HasPalette() const { return hasPalette_; }
  TMaxBitmapInfo& BitmapInfo() { return bitmapInfo_; }
  const BITMAPINFO* BitmapInfoPtr() const { return reinterpret_cast<const BITMAPINFO*>(&bitmapInfo_); }
  uint8_t* ImageData() const { return imageData_; }
  uint8_t* ImageAlpha() const { return imageAlpha_; }
  uint8_t* ExtraImageData() const { return extraImageData_; }
  int BytesPerRow() const { return bytesPerRow_; }
  int StorageBits() const { return bitmapInfo_.bmiHeader.biBitCount; }

  // New storage of that size keeping the top-left content: new pixels 0, new alpha 255.
  void ResizeStorage(uint32_t width, uint32_t height);
  // Turns a 1, 2 or 4-bit grey image into an 8-bit one with the same levels.
  void ConvertGrayTo8Bit();

  // Replaces the logical palette (the previous one is deleted) and selects it.
  void SetImagePalette(HPALETTE palette);
  // Writes the colour table into the bitmap section as well.
  void UpdateColorTable();

 private:
  friend class TPNGObject;
  void CreateStorage();
  void SelectInto(HDC dc, HBITMAP bitmap);
  void DeleteImageDC();
  void CreateAlphaPlane(uint8_t fill);
  void FreeAlphaPlane();
  void CopyImageFrom(TChunkIHDR& source);

  HBITMAP imageHandle_ = nullptr;
  HDC imageDC_ = nullptr;
  HPALETTE imagePalette_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  HGDIOBJ oldPalette_ = nullptr;
  bool hasPalette_ = false;
  TMaxBitmapInfo bitmapInfo_{};
  uint8_t* extraImageData_ = nullptr;
  uint8_t* imageData_ = nullptr;
  uint8_t* imageAlpha_ = nullptr;
  int bytesPerRow_ = 0;
};
