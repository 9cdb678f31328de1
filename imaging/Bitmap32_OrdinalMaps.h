#pragma once
// Grids of plain values the size of a bitmap: bits, bytes, 16-bit words and 32-bit
// integers, row after row (element (x, y) at x + y * width). They serve as masks,
// visited flags and weight tables; the byte map also converts to and from one channel
// of a TBitmap32. No accessor checks its coordinates: callers stay inside the map.
#include <cstdint>
#include <vector>

#include "imaging/Bitmap32_Colors.h"
#include "imaging/Bitmap32_Persistent.h"

namespace imaging {

class TBitmap32;

// One bit per element, lowest bit first: element i is bit i mod 8 of byte i div 8.
class TBooleanMap : public TCustomMap {
  CLASSLIB_CLASS(TBooleanMap, TCustomMap)
 public:
  bool Empty() const override { return bits_.empty(); }
  uint8_t* GetBits() { return bits_.data(); }
  // ceil(width * height / 8) bytes.
  int32_t ByteCount() const { return static_cast<int32_t>(bits_.size()); }
  bool GetValue(int32_t x, int32_t y) const;
  void SetValue(int32_t x, int32_t y, bool value);
  void ToggleBit(int32_t x, int32_t y);
  // Writes `fill` into every byte; no change notification.
  void Clear(uint8_t fill);

 protected:
  void ChangeSize(int32_t& width, int32_t& height, int32_t newWidth, int32_t newHeight) override;

 private:
  std::vector<uint8_t> bits_;
};

// The storage shared by the byte, word and integer maps. Resizing keeps each element at
// its index (not its row and column); new elements are 0.
template <class T>
class TValueMap : public TCustomMap {
 public:
  bool Empty() const override { return values_.empty(); }
  T* GetBits() { return values_.data(); }
  T GetValue(int32_t x, int32_t y) const { return values_[Index(x, y)]; }
  void SetValue(int32_t x, int32_t y, T value) { values_[Index(x, y)] = value; }
  T* GetValPtr(int32_t x, int32_t y) { return &values_[Index(x, y)]; }
  // Fills every element, then notifies a change.
  void Clear(T fill) {
    values_.assign(values_.size(), fill);
    Changed();
  }

 protected:
  void ChangeSize(int32_t& width, int32_t& height, int32_t newWidth, int32_t newHeight) override {
    values_.resize(static_cast<size_t>(newWidth) * static_cast<size_t>(newHeight));
    width = newWidth;
    height = newHeight;
  }

 private:
  size_t Index(int32_t x, int32_t y) const { return static_cast<size_t>(x) + static_cast<size_t>(y) * Width(); }
  std::vector<T> values_;
};

// How a byte map relates to the pixels of a bitmap.
enum TConversionType : uint8_t { ctRed, ctGreen, ctBlue, ctAlpha, ctUniformRGB, ctWeightedRGB };

class TByteMap : public TValueMap<uint8_t> {
  CLASSLIB_CLASS(TByteMap, TCustomMap)
 public:
  // Takes the bitmap's size and one byte of each pixel: a channel, (r + g + b) div 3
  // or the weighted intensity. One change notification at the end, also on failure.
  void ReadFrom(TBitmap32* source, TConversionType conversion);
  // Sizes the bitmap to the map; a channel conversion writes only that byte of each
  // pixel, the RGB conversions write opaque grey.
  void WriteTo(TBitmap32* dest, TConversionType conversion);
  // Each pixel becomes palette[value].
  void WriteTo(TBitmap32* dest, const TPalette32& palette);
  // From another byte map (size and bytes) or a bitmap (weighted intensity).
  void Assign(TPersistent* source) override;

 protected:
  // Into a bitmap: opaque grey (uniform RGB).
  void AssignTo(TPersistent* dest) override;
};

class TWordMap : public TValueMap<uint16_t> {
  CLASSLIB_CLASS(TWordMap, TCustomMap)
};

class TIntegerMap : public TValueMap<int32_t> {
  CLASSLIB_CLASS(TIntegerMap, TCustomMap)
};

}  // namespace imaging
