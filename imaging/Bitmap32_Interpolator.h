#pragma once
// The sub-pixel interpolator of the bitmap: a 2 x 2 block mixed by two weights.
#include <cstdint>

#include "imaging/Bitmap32_Colors.h"

namespace imaging {

// wx weighs the left column, wy the top row; top points at the top-left pixel (its right
// neighbour follows it), bottom at the pixel below it.
using TInterpolator = TColor32 (*)(uint32_t wx, uint32_t wy, const TColor32* top, const TColor32* bottom);

// Bound at start-up: the multimedia form when the processor has MMX or 3DNow!, the
// plain form otherwise. The plain form mixes through CombineReg (weights above 255 are
// 255); the multimedia form takes 256 as the full weight, byte by byte.
extern TInterpolator Interpolator;

TColor32 InterpolatorPlain(uint32_t wx, uint32_t wy, const TColor32* top, const TColor32* bottom);
TColor32 InterpolatorMmx(uint32_t wx, uint32_t wy, const TColor32* top, const TColor32* bottom);

// Binds Interpolator by the processor tests.
void BindInterpolator();

}  // namespace imaging
