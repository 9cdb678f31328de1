#include "imaging/Pngancillary.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "imaging/Bitmap32_Rounding.h"
#include "imaging/Pngcrc.h"
#include "imaging/Pngimage.h"
#include "imaging/Pngzlib.h"

namespace {

template <class T>
T* SameKind(TChunk* source) {
  auto* chunk = dynamic_cast<T*>(source);
  if (chunk == nullptr) RaiseError<EPngError>(EPNGCannotAssignChunkText);
  return chunk;
}

TColor Rgb(uint8_t red, uint8_t green, uint8_t blue) {
  return static_cast<TColor>(red | (green << 8) | (blue << 16));
}

uint8_t RedOf(TColor rgb) { return static_cast<uint8_t>(rgb); }
uint8_t GreenOf(TColor rgb) { return static_cast<uint8_t>(rgb >> 8); }
uint8_t BlueOf(TColor rgb) { return static_cast<uint8_t>(rgb >> 16); }

}  // namespace

// ---- PLTE ----

void TChunkPLTE::Assign(TChunk* source) { count_ = SameKind<TChunkPLTE>(source)->count_; }

bool TChunkPLTE::LoadFromStream(TStream* stream, const char* name, uint32_t length) {
  TChunk::LoadFromStream(stream, name, length);
  if (DataSize() % 3 != 0 || DataSize() > 768) RaiseError<EPNGInvalidPalette>(EPNGInvalidPaletteText);
  count_ = static_cast<int>(DataSize() / 3);
  // A colour image's PLTE only suggests colours; an empty one has none to give.
  if (!GetHeader()->HasPalette() || count_ == 0) return true;
  const uint8_t* gamma = Owner()->GammaTable;
  std::vector<PALETTEENTRY> entries(static_cast<size_t>(count_));
  for (int i = 0; i < count_; ++i) {
    const uint8_t* rgb = Data() + 3 * i;
    entries[static_cast<size_t>(i)] = PALETTEENTRY{gamma[rgb[0]], gamma[rgb[1]], gamma[rgb[2]], 0};
  }
  Owner()->SetPalette(CreateLogicalPalette(entries));
  return true;
}

bool TChunkPLTE::SaveToStream(TStream* stream) {
  TChunkIHDR* header = GetHeader();
  if (count_ == 0) count_ = static_cast<int>(header->BitmapInfo().bmiHeader.biClrUsed);
  PALETTEENTRY entries[256] = {};
  if (header->ImagePalette() != nullptr) GetPaletteEntries(header->ImagePalette(), 0, 256, entries);
  ResizeData(static_cast<uint32_t>(count_) * 3);
  const uint8_t* inverse = Owner()->InverseTable;
  for (int i = 0; i < count_; ++i) {
    Data()[3 * i] = inverse[entries[i].peRed];
    Data()[3 * i + 1] = inverse[entries[i].peGreen];
    Data()[3 * i + 2] = inverse[entries[i].peBlue];
  }
  return SaveData(stream);
}

uint32_t TChunkPLTE::GetPaletteItem(uint8_t index) const {
  if (index >= count_) RaiseError<EPngError>(EPNGUnknownPalEntryText);
  const RGBQUAD& entry = GetHeader()->BitmapInfo().bmiColors[index];
  return entry.rgbBlue | (entry.rgbGreen << 8) | (entry.rgbRed << 16);
}

// ---- tRNS ----

TChunktRNS::TChunktRNS(TPNGObject* owner) : TChunk(owner) { std::memset(PaletteValues, 255, 256); }

void TChunktRNS::Assign(TChunk* source) {
  auto* other = SameKind<TChunktRNS>(source);
  std::memcpy(PaletteValues, other->PaletteValues, 256);
  BitTransparency = other->BitTransparency;
  TChunk::Assign(source);
}

bool TChunktRNS::LoadFromStream(TStream* stream, const char* name, uint32_t length) {
  TChunk::LoadFromStream(stream, name, length);
  if (DataSize() > 256) RaiseError<EPNGInvalidPalette>(EPNGInvalidPaletteText);
  std::memset(PaletteValues, 255, 256);
  std::memcpy(PaletteValues, Data(), DataSize());
  if (GetHeader()->ColorType() != COLOR_PALETTE) {
    BitTransparency = true;
    return true;
  }
  // Bit transparency: one entry alone is not opaque, and it is fully transparent.
  int notOpaque = 0;
  bool onlyClear = true;
  for (uint32_t i = 0; i < DataSize(); ++i) {
    if (PaletteValues[i] == 255) continue;
    ++notOpaque;
    onlyClear = onlyClear && PaletteValues[i] == 0;
  }
  BitTransparency = notOpaque == 1 && onlyClear;
  return true;
}

bool TChunktRNS::SaveToStream(TStream* stream) {
  if (DataSize() <= 256) std::memcpy(Data(), PaletteValues, DataSize());
  return SaveData(stream);
}

TColor TChunktRNS::GetTransparentColor() const {
  TChunkIHDR* header = GetHeader();
  const bool wide = header->BitDepth() == 16;
  switch (header->ColorType()) {
    case COLOR_GRAYSCALE: {
      // The index as the storage holds the grey: high byte of 16 bits, 5v for 2 bits.
      const uint8_t low = PaletteValues[1];
      const int index = wide ? PaletteValues[0] : header->BitDepth() == 2 ? 5 * (low & 3) : low;
      const uint8_t level = header->BitmapInfo().bmiColors[index].rgbRed;
      return Rgb(level, level, level);
    }
    case COLOR_RGB: {
      const uint8_t* gamma = Owner()->GammaTable;
      const int byte = wide ? 0 : 1;
      return Rgb(gamma[PaletteValues[byte]], gamma[PaletteValues[2 + byte]], gamma[PaletteValues[4 + byte]]);
    }
    case COLOR_PALETTE: {
      const TMaxBitmapInfo& info = header->BitmapInfo();
      for (uint32_t i = 0; i < DataSize() && i < info.bmiHeader.biClrUsed; ++i) {
        if (PaletteValues[i] != 0) continue;
        const RGBQUAD& entry = info.bmiColors[i];
        return Rgb(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
      }
      return 0;
    }
    default:
      return 0;
  }
}

namespace {

// A colour value as the file's sample of that depth, so that reading it back as the
// storage does gives the value again.
uint16_t SampleOf(uint8_t value, uint8_t bitDepth) {
  if (bitDepth == 16) return static_cast<uint16_t>(value * 257);
  if (bitDepth >= 8) return value;
  const int top = (1 << bitDepth) - 1;
  return static_cast<uint16_t>((value * top + 127) / 255);
}

void PutSample(uint8_t* bytes, uint16_t sample) {
  bytes[0] = static_cast<uint8_t>(sample >> 8);
  bytes[1] = static_cast<uint8_t>(sample);
}

}  // namespace

void TChunktRNS::SetTransparentColor(TColor rgb) {
  TChunkIHDR* header = GetHeader();
  const uint8_t depth = header->BitDepth();
  switch (header->ColorType()) {
    case COLOR_GRAYSCALE:
      std::memset(PaletteValues, 0, 256);
      BitTransparency = true;
      ResizeData(2);
      PutSample(PaletteValues, SampleOf(RedOf(rgb), depth));
      break;
    case COLOR_RGB:
      std::memset(PaletteValues, 0, 256);
      BitTransparency = true;
      ResizeData(6);
      PutSample(PaletteValues, SampleOf(RedOf(rgb), depth));
      PutSample(PaletteValues + 2, SampleOf(GreenOf(rgb), depth));
      PutSample(PaletteValues + 4, SampleOf(BlueOf(rgb), depth));
      break;
    case COLOR_PALETTE: {
      const TMaxBitmapInfo& info = header->BitmapInfo();
      for (uint32_t i = 0; i < info.bmiHeader.biClrUsed && i < 256; ++i) {
        const RGBQUAD& entry = info.bmiColors[i];
        if (entry.rgbRed != RedOf(rgb) || entry.rgbGreen != GreenOf(rgb) || entry.rgbBlue != BlueOf(rgb)) continue;
        std::memset(PaletteValues, 255, 256);
        PaletteValues[i] = 0;
        BitTransparency = true;
        ResizeData(i + 1);
        return;
      }
      break;  // no entry has that colour: the chunk stays as it was
    }
    default:
      std::memset(PaletteValues, 0, 256);
      BitTransparency = true;
      break;
  }
}

// ---- gAMA ----

TChunkgAMA::TChunkgAMA(TPNGObject* owner) : TChunk(owner) { SetValue(1); }

void TChunkgAMA::Assign(TChunk* source) { SetValue(SameKind<TChunkgAMA>(source)->GetValue()); }

uint32_t TChunkgAMA::GetValue() {
  if (DataSize() == 4) return ReadBigEndian32(Data());
  SetValue(1);
  return 1;
}

void TChunkgAMA::SetValue(uint32_t value) {
  if (DataSize() != 4) ResizeData(4);
  WriteBigEndian32(Data(), value);
}

bool TChunkgAMA::LoadFromStream(TStream* stream, const char* name, uint32_t length) {
  TChunk::LoadFromStream(stream, name, length);
  const uint32_t value = GetValue();
  if (value == 0) return true;
  TPNGObject* owner = Owner();
  const long double exponent = 1.0L / (value / 100000.0L * 2.2L);
  for (int i = 0; i < 256; ++i) {
    const long double base = i / 255.0L;
    const long double level = base == 0.0L ? 0.0L : 255.0L * std::pow(base, exponent);
    const auto g = static_cast<uint8_t>(imaging::Round64(level));
    owner->GammaTable[i] = g;
    owner->InverseTable[g] = static_cast<uint8_t>(i);
  }
  return true;
}

// ---- tIME ----

void TChunktIME::Assign(TChunk* source) {
  auto* other = SameKind<TChunktIME>(source);
  Year = other->Year;
  Month = other->Month;
  Day = other->Day;
  Hour = other->Hour;
  Minute = other->Minute;
  Second = other->Second;
}

bool TChunktIME::LoadFromStream(TStream* stream, const char* name, uint32_t length) {
  TChunk::LoadFromStream(stream, name, length);
  if (DataSize() != 7) return true;
  const uint8_t* data = Data();
  Year = static_cast<uint16_t>((data[0] << 8) | data[1]);
  Month = data[2];
  Day = data[3];
  Hour = data[4];
  Minute = data[5];
  Second = data[6];
  return true;
}

bool TChunktIME::SaveToStream(TStream* stream) {
  ResizeData(7);
  const uint8_t bytes[7] = {static_cast<uint8_t>(Year >> 8), static_cast<uint8_t>(Year), Month, Day,
                            Hour, Minute, Second};
  std::memcpy(Data(), bytes, 7);
  return SaveData(stream);
}

// ---- tEXt ----

void TChunktEXt::Assign(TChunk* source) {
  auto* other = SameKind<TChunktEXt>(source);
  Keyword = other->Keyword;
  Text = other->Text;
}

int TChunktEXt::KeywordLength() const {
  const void* zero = std::memchr(Data(), 0, DataSize());
  return zero != nullptr ? static_cast<int>(static_cast<const uint8_t*>(zero) - Data()) : -1;
}

bool TChunktEXt::LoadFromStream(TStream* stream, const char* name, uint32_t length) {
  TChunk::LoadFromStream(stream, name, length);
  if (DataSize() <= 2) return true;
  const auto* bytes = reinterpret_cast<const char*>(Data());
  const int keywordLength = KeywordLength();
  if (keywordLength < 0) {  // no separator: all keyword, no text
    Keyword = AnsiString(bytes, static_cast<int>(DataSize()));
    Text = "";
    return true;
  }
  Keyword = AnsiString(bytes, keywordLength);
  Text = AnsiString(bytes + keywordLength + 1, static_cast<int>(DataSize()) - keywordLength - 1);
  return true;
}

bool TChunktEXt::SaveToStream(TStream* stream) {
  ResizeData(static_cast<uint32_t>(Keyword.Length() + 1 + Text.Length()));
  std::memcpy(Data(), Keyword.c_str(), Keyword.Length());
  Data()[Keyword.Length()] = 0;
  std::memcpy(Data() + Keyword.Length() + 1, Text.c_str(), Text.Length());
  return SaveData(stream);
}

// ---- zTXt ----

bool TChunkzTXt::LoadFromStream(TStream* stream, const char* name, uint32_t length) {
  TChunktEXt::LoadFromStream(stream, name, length);
  if (DataSize() < 4) return true;
  Text = "";
  const int keywordLength = KeywordLength();
  if (keywordLength < 0 || static_cast<uint32_t>(keywordLength) + 1 >= DataSize()) return true;
  Keyword = AnsiString(reinterpret_cast<const char*>(Data()), keywordLength);
  if (Data()[keywordLength + 1] != 0) return true;  // unknown compression method
  const uint32_t start = static_cast<uint32_t>(keywordLength) + 2;
  const TZlibResult text = ZlibInflate(Data() + start, DataSize() - start);
  if (text.ok) Text = AnsiString(reinterpret_cast<const char*>(text.output.data()), static_cast<int>(text.output.size()));
  return true;
}

bool TChunkzTXt::SaveToStream(TStream* stream) {
  if (Text.IsEmpty()) Text = " ";
  const TZlibResult packed =
      ZlibDeflate(reinterpret_cast<const uint8_t*>(Text.c_str()), static_cast<size_t>(Text.Length()),
                  Owner()->CompressionLevel);
  if (!packed.ok) return false;
  const auto keywordLength = static_cast<uint32_t>(Keyword.Length());
  ResizeData(keywordLength + 2 + static_cast<uint32_t>(packed.output.size()));
  std::memcpy(Data(), Keyword.c_str(), keywordLength);
  Data()[keywordLength] = 0;
  Data()[keywordLength + 1] = 0;
  std::memcpy(Data() + keywordLength + 2, packed.output.data(), packed.output.size());
  return SaveData(stream);
}

// ---- pHYs ----

void TChunkpHYs::Assign(TChunk* source) {
  auto* other = SameKind<TChunkpHYs>(source);
  PPUnitX = other->PPUnitX;
  PPUnitY = other->PPUnitY;
  UnitType = other->UnitType;
}

bool TChunkpHYs::LoadFromStream(TStream* stream, const char* name, uint32_t length) {
  TChunk::LoadFromStream(stream, name, length);
  if (DataSize() != 9) return true;
  PPUnitX = ReadBigEndian32(Data());
  PPUnitY = ReadBigEndian32(Data() + 4);
  UnitType = static_cast<TUnitType>(Data()[8]);
  return true;
}

bool TChunkpHYs::SaveToStream(TStream* stream) {
  ResizeData(9);
  WriteBigEndian32(Data(), PPUnitX);
  WriteBigEndian32(Data() + 4, PPUnitY);
  Data()[8] = UnitType;
  return SaveData(stream);
}
