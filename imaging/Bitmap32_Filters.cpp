#include "imaging/Bitmap32_Filters.h"

#include <algorithm>
#include <functional>

#include "classlib/runtime/Exceptions.h"

namespace imaging {

namespace {

template <class Op>
void InPlace(TColor32* dst, TColor32 mask, int32_t count) {
  for (int32_t i = 0; i < count; ++i) dst[i] = Op()(dst[i], mask);
}

template <class Op>
void Copying(const TColor32* src, TColor32* dst, int32_t count, TColor32 mask) {
  for (int32_t i = 0; i < count; ++i) dst[i] = Op()(src[i], mask);
}

void CheckParams(TBitmap32* dst, TBitmap32* src, bool resize) {
  if (src == nullptr) throw Exception("The source is nil");
  if (dst == nullptr) throw Exception("Destination is nil");
  if (resize) dst->SetSize(src->Width(), src->Height());
}

// Runs `work` inside an update of `bitmap`, closing it also when the work fails.
template <class Work>
void InUpdate(TBitmap32* bitmap, Work&& work) {
  struct Close {
    TBitmap32* bitmap;
    ~Close() { bitmap->EndUpdate(); }
  } close{bitmap};
  bitmap->BeginUpdate();
  work();
}

// Intersection that may come out inverted (right below left or bottom above top).
TRect Intersection(const TRect& a, const TRect& b) {
  return TRect{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
               std::min(a.Bottom, b.Bottom)};
}
bool Inverted(const TRect& r) { return r.Right < r.Left || r.Bottom < r.Top; }

// Clips srcRect to src and its placement at (dstX, dstY) to dst's bounds and clip
// rectangle; false when either comes out inverted. Then runs `row`(source row,
// destination row, width) for each row (outside measuring) and reports the rectangle.
template <class Row>
void TransferRows(TBitmap32* dst, int32_t dstX, int32_t dstY, TBitmap32* src, TRect srcRect, Row row) {
  srcRect = Intersection(srcRect, src->BoundsRect());
  if (Inverted(srcRect)) return;
  dstX = std::clamp(dstX, 0, dst->Width());
  dstY = std::clamp(dstY, 0, dst->Height());
  TRect dstRect{dstX, dstY, dstX + srcRect.Right - srcRect.Left, dstY + srcRect.Bottom - srcRect.Top};
  dstRect = Intersection(Intersection(dstRect, dst->BoundsRect()), dst->ClipRect());
  if (Inverted(dstRect)) return;
  const int32_t width = dstRect.Right - dstRect.Left;
  if (!dst->MeasuringMode() && width > 0)
    InUpdate(dst, [&] {
      for (int32_t y = dstRect.Top; y < dstRect.Bottom; ++y)
        row(src->GetPixelPtr(srcRect.Left, srcRect.Top + y - dstRect.Top), dst->GetPixelPtr(dstRect.Left, y), width);
    });
  dst->Changed(dstRect, AREA_KIND_RECT);
}

// Dst takes src's size; each pixel is made by `pixel`(source pixel, destination pixel).
template <class Pixel>
void MapPixels(TBitmap32* dst, TBitmap32* src, Pixel pixel) {
  CheckParams(dst, src, true);
  const size_t count = static_cast<size_t>(src->Width()) * src->Height();
  const TColor32* s = src->Bits();
  TColor32* d = dst->Bits();
  for (size_t i = 0; i < count; ++i) d[i] = pixel(s[i], d[i]);
  dst->Changed();
}

}  // namespace

const TBitmaskLine BitmaskLineRoutines[3] = {InPlace<std::bit_xor<TColor32>>, InPlace<std::bit_and<TColor32>>,
                                             InPlace<std::bit_or<TColor32>>};
const TBitmaskLineEx BitmaskLineExRoutines[3] = {Copying<std::bit_xor<TColor32>>, Copying<std::bit_and<TColor32>>,
                                                 Copying<std::bit_or<TColor32>>};

TColor32 CreateBitmask(TColor32Components components) {
  TColor32 mask = 0;
  for (int c = ccBlue; c <= ccAlpha; ++c)
    if (components & (1u << c)) mask |= TColor32{0xFF} << (8 * c);
  return mask;
}

void CopyComponents(TBitmap32* dst, TBitmap32* src, TColor32Components components) {
  if (components == 0) return;
  CheckParams(dst, src, true);
  CopyComponents(dst, 0, 0, src, src->BoundsRect(), components);
}

void CopyComponents(TBitmap32* dst, int32_t dstX, int32_t dstY, TBitmap32* src, TRect srcRect,
                    TColor32Components components) {
  if (components == 0) return;
  CheckParams(dst, src, false);
  const TColor32 mask = CreateBitmask(components);
  TransferRows(dst, dstX, dstY, src, srcRect, [mask](const TColor32* s, TColor32* d, int32_t n) {
    for (int32_t i = 0; i < n; ++i) d[i] = (d[i] & ~mask) | (s[i] & mask);
  });
}

void AlphaToGrayscale(TBitmap32* dst, TBitmap32* src) {
  MapPixels(dst, src, [](TColor32 s, TColor32) { return Gray32(static_cast<uint8_t>(s >> 24)); });
}

void IntensityToAlpha(TBitmap32* dst, TBitmap32* src) {
  MapPixels(dst, src, [](TColor32 s, TColor32 d) { return SetAlpha(d, Intensity(s)); });
}

void ColorToGrayscale(TBitmap32* dst, TBitmap32* src, bool preserveAlpha) {
  MapPixels(dst, src, [preserveAlpha](TColor32 s, TColor32) {
    return Gray32(static_cast<uint8_t>(Intensity(s)), preserveAlpha ? static_cast<uint8_t>(s >> 24) : 0xFF);
  });
}

void ApplyLUT(TBitmap32* dst, TBitmap32* src, const TLUT8& lut, bool preserveAlpha) {
  MapPixels(dst, src, [&lut, preserveAlpha](TColor32 s, TColor32 d) {
    const TColor32 alpha = preserveAlpha ? d & 0xFF000000u : 0xFF000000u;
    return alpha | TColor32{lut[(s >> 16) & 0xFF]} << 16 | TColor32{lut[(s >> 8) & 0xFF]} << 8 | lut[s & 0xFF];
  });
}

void Invert(TBitmap32* dst, TBitmap32* src, TColor32Components components) {
  if (components == 0) return;
  const TColor32 mask = CreateBitmask(components);
  if (dst == src && dst != nullptr) {
    ApplyBitmask(src, src->BoundsRect(), mask, loXOR);
    return;
  }
  CheckParams(dst, src, true);
  ApplyBitmask(dst, 0, 0, src, src->BoundsRect(), mask, loXOR);
}

void InvertRGB(TBitmap32* first, TBitmap32* second) {
  Invert(second, first, 1u << ccRed | 1u << ccGreen | 1u << ccBlue);
}

void ChromaKey(TBitmap32* bitmap, TColor32 color) {
  const size_t count = static_cast<size_t>(bitmap->Width()) * bitmap->Height();
  TColor32* pixels = bitmap->Bits();
  for (size_t i = 0; i < count; ++i)
    if (((pixels[i] ^ color) & 0x00FFFFFF) == 0) pixels[i] &= 0x00FFFFFF;
  bitmap->Changed();
}

void ApplyBitmask(TBitmap32* dst, int32_t dstX, int32_t dstY, TBitmap32* src, TRect srcRect, TColor32 bitmask,
                  TLogicalOperator logicalOperator) {
  CheckParams(dst, src, false);
  const TBitmaskLineEx line = BitmaskLineExRoutines[logicalOperator];
  TransferRows(dst, dstX, dstY, src, srcRect,
               [line, bitmask](const TColor32* s, TColor32* d, int32_t n) { line(s, d, n, bitmask); });
}

void ApplyBitmask(TBitmap32* bitmap, TRect rect, TColor32 bitmask, TLogicalOperator logicalOperator) {
  if (bitmap == nullptr) throw Exception("The bitmap is nil");
  const TBitmaskLine line = BitmaskLineRoutines[logicalOperator];
  rect = Intersection(Intersection(rect, bitmap->BoundsRect()), bitmap->ClipRect());
  if (Inverted(rect)) return;
  if (!bitmap->MeasuringMode())
    InUpdate(bitmap, [&] {
      const int32_t width = rect.Right - rect.Left;
      if (width == bitmap->Width())
        line(bitmap->GetPixelPtr(rect.Left, rect.Top), bitmask, width * (rect.Bottom - rect.Top));
      else
        for (int32_t y = rect.Top; y < rect.Bottom; ++y) line(bitmap->GetPixelPtr(rect.Left, y), bitmask, width);
    });
  bitmap->Changed(rect, AREA_KIND_RECT);
}

}  // namespace imaging
