#pragma once
// Low-level routines of the bitmap library: runs of words, clamping, wrapping and
// mirroring of coordinates, range ordering and clipping, shifts and scratch blocks.
#include <cstddef>
#include <cstdint>

#include "imaging/Bitmap32_Colors.h"

namespace imaging {

// How coordinates outside a bitmap are brought back into it.
enum TWrapMode : uint8_t { wmClamp = 0, wmRepeat = 1, wmMirror = 2 };

using TWrapProc = int32_t (*)(int32_t value, int32_t max);
using TWrapProcEx = int32_t (*)(int32_t value, int32_t min, int32_t max);

// Value limited to 0..255.
int32_t Clamp(int32_t value);
int32_t Clamp(int32_t value, int32_t max);
int32_t Clamp(int32_t value, int32_t min, int32_t max);
int32_t Constrain(int32_t value, int32_t lo, int32_t hi);
float Constrain(float value, float lo, float hi);
int32_t SwapConstrain(int32_t value, int32_t constrain1, int32_t constrain2);

// Over an empty range (max = -1, or max < min for the two-limit form) these answer the
// lower limit.
int32_t Wrap(int32_t value, int32_t max);
int32_t Wrap(int32_t value, int32_t min, int32_t max);
// Over an empty range (max = 0, or max < min for the two-limit form) these answer the
// lower limit.
int32_t Mirror(int32_t value, int32_t max);
int32_t Mirror(int32_t value, int32_t min, int32_t max);

// Indexed by TWrapMode: Clamp, Wrap, Mirror.
extern const TWrapProc WRAP_PROCS[3];
extern const TWrapProcEx WRAP_PROCS_EX[3];

// Sets count 32-bit words; bound to the fastest form at start-up.
using TFillLongword = void (*)(void* dest, int32_t count, uint32_t value);
extern TFillLongword FillLongword;
void FillWord(void* dest, int32_t count, uint32_t value);
// Copy from the first word to the last; safe for overlapping ranges only when the
// destination starts before the source.
void MoveLongword(const void* source, void* dest, int32_t count);
void MoveWord(const void* source, void* dest, int32_t count);

template <class T>
void Swap(T& a, T& b) {
  T t = a;
  a = b;
  b = t;
}
// Afterwards a <= b.
template <class T>
void TestSwap(T& a, T& b) {
  if (a > b) Swap(a, b);
}
// Orders a and b and clips them to 0..size-1; true when a non-empty range remains.
bool TestClip(int32_t& a, int32_t& b, int32_t size);
// The same with the range start..stop-1.
bool TestClip(int32_t& a, int32_t& b, int32_t start, int32_t stop);

// Arithmetic shifts right.
constexpr int32_t SAR_4(int32_t value) { return value >> 4; }
constexpr int32_t SAR_8(int32_t value) { return value >> 8; }
constexpr int32_t SAR_9(int32_t value) { return value >> 9; }
constexpr int32_t SAR_11(int32_t value) { return value >> 11; }
constexpr int32_t SAR_12(int32_t value) { return value >> 12; }
constexpr int32_t SAR_13(int32_t value) { return value >> 13; }
constexpr int32_t SAR_14(int32_t value) { return value >> 14; }
constexpr int32_t SAR_15(int32_t value) { return value >> 15; }
constexpr int32_t SAR_16(int32_t value) { return value >> 16; }

// The class-library colour as an opaque TColor32, without resolving system colours.
TColor32 ColorSwap(TColor winColor);

// A scratch block of at least `size` bytes (rounded up to a multiple of 4), taken from
// the heap; StackFree releases it (nullptr is ignored).
void* StackAlloc(int32_t size);
void StackFree(void* block);

// Binds FillLongword by the processor tests.
void BindLowLevelRoutines();

}  // namespace imaging
