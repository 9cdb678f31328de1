#include "imaging/Bitmap32_Samplers.h"

#include <climits>

namespace imaging {

TColor32 TCustomSampler::GetSampleInt(int32_t x, int32_t y) {
  return GetSampleFixed(static_cast<TFixed>(static_cast<uint32_t>(x) << 16),
                        static_cast<TFixed>(static_cast<uint32_t>(y) << 16));
}

TColor32 TCustomSampler::GetSampleFixed(TFixed x, TFixed y) {
  return GetSampleFloat(static_cast<float>(x / 65536.0), static_cast<float>(y / 65536.0));
}

TColor32 TCustomSampler::GetSampleFloat(float x, float y) { return GetSampleFixed(Fixed(x), Fixed(y)); }

TRect TCustomSampler::GetSampleBounds() { return TRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}; }

}  // namespace imaging
