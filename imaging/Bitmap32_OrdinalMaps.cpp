#include "imaging/Bitmap32_OrdinalMaps.h"

#include <algorithm>

#include "imaging/Bitmap32.h"

namespace imaging {

// --- Bit map ----------------------------------------------------------------------------

namespace {
size_t BitIndex(int32_t x, int32_t y, int32_t width) {
  return static_cast<size_t>(x) + static_cast<size_t>(y) * static_cast<size_t>(width);
}
}  // namespace

bool TBooleanMap::GetValue(int32_t x, int32_t y) const {
  const size_t i = BitIndex(x, y, Width());
  return (bits_[i >> 3] >> (i & 7)) & 1;
}

void TBooleanMap::SetValue(int32_t x, int32_t y, bool value) {
  const size_t i = BitIndex(x, y, Width());
  const auto mask = static_cast<uint8_t>(1u << (i & 7));
  if (value) bits_[i >> 3] |= mask;
  else bits_[i >> 3] &= static_cast<uint8_t>(~mask);
}

void TBooleanMap::ToggleBit(int32_t x, int32_t y) {
  const size_t i = BitIndex(x, y, Width());
  bits_[i >> 3] ^= static_cast<uint8_t>(1u << (i & 7));
}

void TBooleanMap::Clear(uint8_t fill) { bits_.assign(bits_.size(), fill); }

void TBooleanMap::ChangeSize(int32_t& width, int32_t& height, int32_t newWidth, int32_t newHeight) {
  bits_.resize((static_cast<size_t>(newWidth) * static_cast<size_t>(newHeight) + 7) / 8);
  width = newWidth;
  height = newHeight;
}

// --- Byte map ---------------------------------------------------------------------------

namespace {

// Holds an update of `target` open for a scope; closing it notifies one change.
class TUpdateWithChange {
 public:
  explicit TUpdateWithChange(TNotifiablePersistent* target) : target_(target) { target_->BeginUpdate(); }
  ~TUpdateWithChange() {
    target_->EndUpdate();
    target_->Changed();
  }
  TUpdateWithChange(const TUpdateWithChange&) = delete;
  TUpdateWithChange& operator=(const TUpdateWithChange&) = delete;

 private:
  TNotifiablePersistent* target_;
};

uint8_t ByteOf(TColor32 color, TConversionType conversion) {
  switch (conversion) {
    case ctRed: return static_cast<uint8_t>(color >> 16);
    case ctGreen: return static_cast<uint8_t>(color >> 8);
    case ctBlue: return static_cast<uint8_t>(color);
    case ctAlpha: return static_cast<uint8_t>(color >> 24);
    case ctUniformRGB: return static_cast<uint8_t>((((color >> 16) & 0xFF) + ((color >> 8) & 0xFF) + (color & 0xFF)) / 3);
    case ctWeightedRGB: break;
  }
  return static_cast<uint8_t>(Intensity(color));
}

// The pixel with the byte written as the conversion says.
TColor32 WithByte(TColor32 pixel, uint8_t value, TConversionType conversion) {
  const auto placed = [&](int shift) { return (pixel & ~(TColor32{0xFF} << shift)) | (TColor32{value} << shift); };
  switch (conversion) {
    case ctRed: return placed(16);
    case ctGreen: return placed(8);
    case ctBlue: return placed(0);
    case ctAlpha: return placed(24);
    case ctUniformRGB:
    case ctWeightedRGB: break;
  }
  return Gray32(value);
}

}  // namespace

void TByteMap::ReadFrom(TBitmap32* source, TConversionType conversion) {
  TUpdateWithChange update(this);
  SetSize(source->Width(), source->Height());
  if (Empty()) return;
  const TColor32* pixels = source->Bits();
  uint8_t* values = GetBits();
  const size_t count = static_cast<size_t>(Width()) * Height();
  for (size_t i = 0; i < count; ++i) values[i] = ByteOf(pixels[i], conversion);
}

namespace {

// Sizes `dest` like the map for the scope of a write; closing it ends the update,
// notifies a change and, when the size changed, reports the resize.
class TBitmapWrite {
 public:
  TBitmapWrite(TBitmap32* dest, const TCustomMap& map) : dest_(dest) {
    dest_->BeginUpdate();
    resized_ = dest_->SetSize(map.Width(), map.Height());
  }
  ~TBitmapWrite() {
    dest_->EndUpdate();
    dest_->Changed();
    if (resized_) dest_->Resized();
  }
  TBitmapWrite(const TBitmapWrite&) = delete;
  TBitmapWrite& operator=(const TBitmapWrite&) = delete;

 private:
  TBitmap32* dest_;
  bool resized_ = false;
};

}  // namespace

void TByteMap::WriteTo(TBitmap32* dest, TConversionType conversion) {
  TBitmapWrite write(dest, *this);
  if (Empty()) return;
  TColor32* pixels = dest->Bits();
  const uint8_t* values = GetBits();
  const size_t count = static_cast<size_t>(Width()) * Height();
  for (size_t i = 0; i < count; ++i) pixels[i] = WithByte(pixels[i], values[i], conversion);
}

void TByteMap::WriteTo(TBitmap32* dest, const TPalette32& palette) {
  TUpdateWithChange update(dest);
  dest->SetSize(Width(), Height());
  if (Empty()) return;
  TColor32* pixels = dest->Bits();
  const uint8_t* values = GetBits();
  const size_t count = static_cast<size_t>(Width()) * Height();
  for (size_t i = 0; i < count; ++i) pixels[i] = palette[values[i]];
}

void TByteMap::Assign(TPersistent* source) {
  TUpdateWithChange update(this);
  if (auto* map = dynamic_cast<TByteMap*>(source)) {
    TCustomMap::SetSize(map->Width(), map->Height());
    if (!map->Empty()) std::copy(map->GetBits(), map->GetBits() + static_cast<size_t>(Width()) * Height(), GetBits());
  } else if (auto* bitmap = dynamic_cast<TBitmap32*>(source)) {
    ReadFrom(bitmap, ctWeightedRGB);
  } else {
    TCustomMap::Assign(source);
  }
}

void TByteMap::AssignTo(TPersistent* dest) {
  if (auto* bitmap = dynamic_cast<TBitmap32*>(dest)) WriteTo(bitmap, ctUniformRGB);
  else TCustomMap::AssignTo(dest);
}

}  // namespace imaging
