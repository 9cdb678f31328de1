#include "imaging/Bitmap32_Interpolator.h"

#include <algorithm>

#include "imaging/Bitmap32_Blend.h"
#include "imaging/Bitmap32_System.h"

namespace imaging {

TInterpolator Interpolator = InterpolatorPlain;

TColor32 InterpolatorPlain(uint32_t wx, uint32_t wy, const TColor32* top, const TColor32* bottom) {
  const auto x = static_cast<int32_t>(std::min<uint32_t>(wx, 255));
  const auto y = static_cast<int32_t>(std::min<uint32_t>(wy, 255));
  const TColor32 upper = CombineReg(top[0], top[1], x);
  const TColor32 lower = CombineReg(bottom[0], bottom[1], x);
  return CombineReg(upper, lower, y);
}

namespace {

// One byte lane of the multimedia form: (a * w + b * (256 - w)) shr 8. With w at most
// 256 the 16-bit lane never wraps, so plain integer arithmetic gives the same bytes.
uint32_t MixLane(uint32_t a, uint32_t b, uint32_t w) { return ((a * w + b * (256 - w)) >> 8) & 0xFF; }

TColor32 MixBytes(TColor32 a, TColor32 b, uint32_t w) {
  TColor32 result = 0;
  for (int shift = 0; shift < 32; shift += 8) result |= MixLane((a >> shift) & 0xFF, (b >> shift) & 0xFF, w) << shift;
  return result;
}

}  // namespace

TColor32 InterpolatorMmx(uint32_t wx, uint32_t wy, const TColor32* top, const TColor32* bottom) {
  const uint32_t x = std::min<uint32_t>(wx, 256);
  const uint32_t y = std::min<uint32_t>(wy, 256);
  return MixBytes(MixBytes(top[0], top[1], x), MixBytes(bottom[0], bottom[1], x), y);
}

void BindInterpolator() { Interpolator = (HasMMX() || Has3DNow()) ? InterpolatorMmx : InterpolatorPlain; }

}  // namespace imaging
