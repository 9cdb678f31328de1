#pragma once
// The palette, transparency, gamma, time, text, compressed text and physical size chunks.
#include <cstdint>

#include "classlib/graphics/Colors.h"
#include "imaging/Pngchunks.h"

class TChunkPLTE : public TChunk {
  PNG_CHUNK_CLASS(TChunkPLTE, "PLTE")
 public:
  using TChunk::TChunk;
  void Assign(TChunk* source) override;
  // EPNGInvalidPalette for a length that is not a multiple of 3 or above 768.
  bool LoadFromStream(TStream* stream, const char* name, uint32_t length) override;
  bool SaveToStream(TStream* stream) override;
  // The colour-table entry (blue, green, red, 0); EPngError past the entry count.
  uint32_t GetPaletteItem(uint8_t index) const;
  int Count() const { return count_; }
  void SetCount(int count) { count_ = count; }

 private:
  int count_ = 0;
};

class TChunktRNS : public TChunk {
  PNG_CHUNK_CLASS(TChunktRNS, "tRNS")
 public:
  explicit TChunktRNS(TPNGObject* owner);
  void Assign(TChunk* source) override;
  // EPNGInvalidPalette above 256 bytes.
  bool LoadFromStream(TStream* stream, const char* name, uint32_t length) override;
  bool SaveToStream(TStream* stream) override;
  TColor GetTransparentColor() const;
  // The colour (an RGB value) becomes the transparent one; on a palette image with no
  // entry of that colour the chunk keeps what it had.
  void SetTransparentColor(TColor rgb);

  bool BitTransparency = false;
  uint8_t PaletteValues[256];
};

class TChunkgAMA : public TChunk {
  PNG_CHUNK_CLASS(TChunkgAMA, "gAMA")
 public:
  explicit TChunkgAMA(TPNGObject* owner);
  void Assign(TChunk* source) override;
  // Builds the owner's gamma tables from a value that is not 0.
  bool LoadFromStream(TStream* stream, const char* name, uint32_t length) override;
  // Gamma times 100000.
  uint32_t GetValue();
  void SetValue(uint32_t value);
};

class TChunktIME : public TChunk {
  PNG_CHUNK_CLASS(TChunktIME, "tIME")
 public:
  using TChunk::TChunk;
  void Assign(TChunk* source) override;
  bool LoadFromStream(TStream* stream, const char* name, uint32_t length) override;
  bool SaveToStream(TStream* stream) override;

  uint16_t Year = 0;
  uint8_t Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

class TChunktEXt : public TChunk {
  PNG_CHUNK_CLASS(TChunktEXt, "tEXt")
 public:
  using TChunk::TChunk;
  void Assign(TChunk* source) override;
  bool LoadFromStream(TStream* stream, const char* name, uint32_t length) override;
  bool SaveToStream(TStream* stream) override;

  AnsiString Keyword;
  AnsiString Text;

 protected:
  // The keyword's length in the data: up to the first zero byte, or -1 without one.
  int KeywordLength() const;
};

class TChunkzTXt : public TChunktEXt {
  PNG_CHUNK_CLASS(TChunkzTXt, "zTXt")
 public:
  using TChunktEXt::TChunktEXt;
  // A text that cannot be inflated loads empty.
  bool LoadFromStream(TStream* stream, const char* name, uint32_t length) override;
  // An empty text is written as " "; a text that cannot be deflated is not written.
  bool SaveToStream(TStream* stream) override;
};

enum TUnitType : uint8_t { utUnknown = 0, utMeter = 1 };

class TChunkpHYs : public TChunk {
  PNG_CHUNK_CLASS(TChunkpHYs, "pHYs")
 public:
  using TChunk::TChunk;
  void Assign(TChunk* source) override;
  bool LoadFromStream(TStream* stream, const char* name, uint32_t length) override;
  bool SaveToStream(TStream* stream) override;

  uint32_t PPUnitX = 0;
  uint32_t PPUnitY = 0;
  TUnitType UnitType = utUnknown;
};
