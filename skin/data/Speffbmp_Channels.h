#pragma once
#include <algorithm>
#include <cstdint>

#include "classlib/runtime/SysUtils.h"

// Channel arithmetic of the effect bitmap: results are rounded halves to even and
// limited to 0..255.
namespace speffbmp {

inline uint8_t Limit(int64_t value) { return static_cast<uint8_t>(std::clamp<int64_t>(value, 0, 255)); }

inline uint8_t RoundChannel(double value) { return Limit(Round(value)); }

// own x ownWeight + other x otherWeight for the three channels of one pixel.
inline void Mix(uint8_t* pixel, const uint8_t* other, double ownWeight, double otherWeight) {
  for (int c = 0; c < 3; ++c) pixel[c] = RoundChannel(pixel[c] * ownWeight + other[c] * otherWeight);
}

// kf limited to 0..1, a value that is not a number counting as 0.
inline double LimitKf(double kf) { return kf > 1 ? 1.0 : (kf >= 0 ? kf : 0.0); }

}  // namespace speffbmp
