#include "imaging/Bitmap32_Math.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace imaging {

TFixed FixedFloor(TFixed a) { return a >> 16; }

TFixed FixedCeil(TFixed a) { return static_cast<int32_t>(static_cast<uint32_t>(a) + 0xFFFFu) >> 16; }

TFixed FixedRound(TFixed a) { return static_cast<int32_t>(static_cast<uint32_t>(a) + 0x7FFFu) >> 16; }

TFixed FixedMul(TFixed a, TFixed b) {
  return static_cast<TFixed>((static_cast<int64_t>(a) * b) >> 16);
}

TFixed FixedDiv(TFixed a, TFixed b) {
  return static_cast<TFixed>(static_cast<int64_t>(a) * FixedOne / b);
}

TFixed OneOver(TFixed a) { return static_cast<TFixed>(INT64_C(0x100000000) / a); }

TFixed FixedSqr(TFixed a) { return FixedMul(a, a); }

namespace {

// One pass of the bit-by-bit square root: the bits from `bit` down to 1 (every other
// bit) are decided; `remainder` and `root` carry the state between passes.
void RootBits(uint32_t& remainder, uint32_t& root, uint32_t bit) {
  for (; bit != 0; bit >>= 2) {
    const uint32_t trial = root + bit;
    if (remainder >= trial) {
      remainder -= trial;
      root = (root >> 1) + bit;
    } else {
      root >>= 1;
    }
  }
}

}  // namespace

TFixed FixedSqrtLP(TFixed a) {
  if (a <= 0) return 0;
  uint32_t remainder = static_cast<uint32_t>(a);
  uint32_t root = 0;
  RootBits(remainder, root, 1u << 30);
  return static_cast<TFixed>(root << 8);
}

TFixed FixedSqrtHP(TFixed a) {
  uint32_t remainder = static_cast<uint32_t>(a);
  uint32_t root = 0;
  RootBits(remainder, root, 1u << 30);
  // Eight further bits: the remainder keeps only its low 16 bits when shifted.
  remainder <<= 16;
  root <<= 16;
  RootBits(remainder, root, 1u << 14);
  return static_cast<TFixed>(root);
}

TFixed FixedCombine(TFixed w, TFixed x, TFixed y) {
  return static_cast<TFixed>(static_cast<uint32_t>(y) + static_cast<uint32_t>(FixedMul(x - y, w)));
}

void SinCos(float theta, float& sinValue, float& cosValue) {
  sinValue = std::sin(theta);
  cosValue = std::cos(theta);
}

void SinCos(float theta, float radius, float& sinValue, float& cosValue) {
  SinCos(theta, sinValue, cosValue);
  sinValue *= radius;
  cosValue *= radius;
}

float Hypot(float x, float y) { return std::sqrt(x * x + y * y); }

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
  const uint64_t product = static_cast<uint64_t>(std::abs(static_cast<int64_t>(a))) *
                           static_cast<uint64_t>(std::abs(static_cast<int64_t>(b)));
  const uint64_t divisor = static_cast<uint64_t>(std::abs(static_cast<int64_t>(c)));
  if (2 * (product >> 32) >= divisor) return -1;
  const uint64_t quotient = (product + divisor / 2) / divisor;
  if (quotient > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) return -1;
  const int32_t magnitude = static_cast<int32_t>(quotient);
  return (a ^ b ^ c) < 0 ? -magnitude : magnitude;
}

bool IsPowerOf2(int32_t value) { return (value & (value - 1)) == 0; }

int32_t PrevPowerOf2(int32_t value) {
  uint32_t bits = static_cast<uint32_t>(value);
  if (bits == 0) return 0;
  uint32_t highest = 1;
  while (bits >>= 1) highest <<= 1;
  return static_cast<int32_t>(highest);
}

int32_t NextPowerOf2(int32_t value) {
  if (value <= 1) return 1;
  uint32_t power = 1;
  while (power < static_cast<uint32_t>(value)) power <<= 1;
  return static_cast<int32_t>(power);
}

int32_t Average(int32_t a, int32_t b) { return ((a ^ b) >> 1) + (a & b); }

int32_t Sign(int32_t value) { return (value > 0) - (value < 0); }

namespace {
uint32_t randomState = 0x9E3779B9u;

uint32_t NextRandom() {
  randomState ^= randomState << 13;
  randomState ^= randomState >> 17;
  randomState ^= randomState << 5;
  return randomState;
}
}  // namespace

// A zero state would stay zero: it is replaced by the start value.
void SetRandomSeed(uint32_t seed) { randomState = seed != 0 ? seed : 0x9E3779B9u; }

float RandomFraction() { return static_cast<float>(NextRandom() >> 8) * (1.0f / 16777216.0f); }

int32_t RandomInteger(int32_t range) {
  if (range < 1) return 0;
  return static_cast<int32_t>((uint64_t{NextRandom()} * static_cast<uint32_t>(range)) >> 32);
}

}  // namespace imaging
