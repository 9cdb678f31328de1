#pragma once
// Types shared by the bitmap, its samplers and the transfer routines.
#include <cstdint>

#include "classlib/runtime/Events.h"
#include "imaging/Bitmap32_Colors.h"
#include "imaging/Bitmap32_Geometry.h"

namespace imaging {

// How a transferred pixel reaches the destination.
enum TDrawMode : uint8_t { dmOpaque = 0, dmBlend = 1, dmCustom = 2, dmTransparent = 3 };

// F the source pixel, B the destination pixel (written back), M the master alpha.
using TPixelCombineEvent = TEvent<TColor32, TColor32&, TColor32>;
// Sender, changed area and its kind (AREA_KIND_RECT or AREA_KIND_LINE plus line width).
using TAreaChangedEvent = TEvent<TObject*, const TRect&, uint32_t>;

// The area is a rectangle of pixels.
constexpr uint32_t AREA_KIND_RECT = 0x80000000;
// The area's corners are the end points of a line whose width is the low 24 bits.
constexpr uint32_t AREA_KIND_LINE = 0x40000000;

}  // namespace imaging
