#pragma once
// Whole-bitmap pixel filters: copying chosen colour components, grey-scale and alpha
// conversions, inversion, a look-up table per channel, chroma keying and logical bit
// masks. Dst is written, Src read; a missing bitmap raises Exception "The source is nil",
// "Destination is nil" or "The bitmap is nil" and changes nothing. Unless said otherwise
// Dst takes Src's size and reports itself changed.
#include <array>
#include <cstdint>

#include "imaging/Bitmap32.h"

namespace imaging {

enum TLogicalOperator : uint8_t { loXOR = 0, loAND = 1, loOR = 2 };
using TLUT8 = std::array<uint8_t, 256>;

// In place: dst[i] := dst[i] op mask; copying: dst[i] := src[i] op mask (count <= 0:
// nothing), indexed by TLogicalOperator.
using TBitmaskLine = void (*)(TColor32* dst, TColor32 mask, int32_t count);
using TBitmaskLineEx = void (*)(const TColor32* src, TColor32* dst, int32_t count, TColor32 mask);
extern const TBitmaskLine BitmaskLineRoutines[3];
extern const TBitmaskLineEx BitmaskLineExRoutines[3];

// The bytes of the components: alpha 0xFF000000, red 0x00FF0000, green 0x0000FF00, blue
// 0x000000FF, or-ed.
TColor32 CreateBitmask(TColor32Components components);

void CopyComponents(TBitmap32* dst, TBitmap32* src, TColor32Components components);
// Copies the components of srcRect (clipped to src) to (dstX, dstY), clipped to dst's
// bounds and clip rectangle; dst keeps its size and reports the rectangle written.
void CopyComponents(TBitmap32* dst, int32_t dstX, int32_t dstY, TBitmap32* src, TRect srcRect,
                    TColor32Components components);
// Opaque grey of each source alpha.
void AlphaToGrayscale(TBitmap32* dst, TBitmap32* src);
// Dst keeps its colours and takes the source intensities as alpha.
void IntensityToAlpha(TBitmap32* dst, TBitmap32* src);
void ColorToGrayscale(TBitmap32* dst, TBitmap32* src, bool preserveAlpha = false);
// Red, green and blue through the table; alpha dst's own when preserveAlpha, else 255.
void ApplyLUT(TBitmap32* dst, TBitmap32* src, const TLUT8& lut, bool preserveAlpha = false);
// Dst := src with the components inverted (in place when they are the same bitmap).
void Invert(TBitmap32* dst, TBitmap32* src, TColor32Components components);
// `second` receives the inverted colours of `first`.
void InvertRGB(TBitmap32* first, TBitmap32* second);
// Pixels whose red, green and blue equal color's get alpha 0.
void ChromaKey(TBitmap32* bitmap, TColor32 color);
// Dst pixel := src pixel op bitmask over srcRect placed at (dstX, dstY), clipped like
// CopyComponents.
void ApplyBitmask(TBitmap32* dst, int32_t dstX, int32_t dstY, TBitmap32* src, TRect srcRect, TColor32 bitmask,
                  TLogicalOperator logicalOperator);
// In place over rect (clipped to the bounds and clip rectangle).
void ApplyBitmask(TBitmap32* bitmap, TRect rect, TColor32 bitmask, TLogicalOperator logicalOperator);

}  // namespace imaging
