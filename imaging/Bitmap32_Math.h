#pragma once
// 16.16 fixed-point arithmetic and the small integer and floating-point helpers of the
// bitmap library. No routine checks for overflow.
#include <cstdint>

namespace imaging {

// A signed 16.16 fixed-point number: the value times 65536.
using TFixed = int32_t;

constexpr TFixed FixedOne = 0x10000;
constexpr TFixed FixedHalf = 0x8000;

TFixed FixedFloor(TFixed a);
TFixed FixedCeil(TFixed a);
// Halves round down: 2.5 gives 2, -2.5 gives -3.
TFixed FixedRound(TFixed a);
TFixed FixedMul(TFixed a, TFixed b);
// Truncated towards zero; b must not be 0.
TFixed FixedDiv(TFixed a, TFixed b);
// The fixed reciprocal 2^32 div a; only for values whose reciprocal fits.
TFixed OneOver(TFixed a);
TFixed FixedSqr(TFixed a);
// Square root with 8 fractional bits of precision; negative inputs give 0.
TFixed FixedSqrtLP(TFixed a);
// Square root with full 16 fractional bits while the remainder of the integer root
// stays below 65536 (always for values below 16385.0).
TFixed FixedSqrtHP(TFixed a);
// y at w = 0, x at w = 1.0.
TFixed FixedCombine(TFixed w, TFixed x, TFixed y);

void SinCos(float theta, float& sinValue, float& cosValue);
void SinCos(float theta, float radius, float& sinValue, float& cosValue);
float Hypot(float x, float y);

// a * b / c with a 64-bit intermediate, rounded half away from zero; -1 when the
// quotient does not fit (c = 0 included).
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

// The library's own uniform random source (a 32-bit xorshift generator), one per
// process; SetRandomSeed makes a run repeatable. Not for concurrent use.
void SetRandomSeed(uint32_t seed);
// Uniform in [0, 1).
float RandomFraction();
// Uniform in 0 .. range - 1; 0 for a range below 1.
int32_t RandomInteger(int32_t range);

// 0 counts as a power of two.
bool IsPowerOf2(int32_t value);
int32_t PrevPowerOf2(int32_t value);
int32_t NextPowerOf2(int32_t value);
// The floor of the mean, without overflow.
int32_t Average(int32_t a, int32_t b);
int32_t Sign(int32_t value);

}  // namespace imaging
