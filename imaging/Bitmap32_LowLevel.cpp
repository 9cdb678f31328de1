#include "imaging/Bitmap32_LowLevel.h"

#include <emmintrin.h>

#include <cstdlib>

#include "imaging/Bitmap32_System.h"

namespace imaging {

int32_t Clamp(int32_t value) {
  if (value < 0) return 0;
  return value > 255 ? 255 : value;
}

int32_t Clamp(int32_t value, int32_t max) {
  if (value > max) return max;
  return value < 0 ? 0 : value;
}

int32_t Clamp(int32_t value, int32_t min, int32_t max) {
  if (value < min) value = min;
  if (value > max) value = max;
  return value;
}

int32_t Constrain(int32_t value, int32_t lo, int32_t hi) { return Clamp(value, lo, hi); }

float Constrain(float value, float lo, float hi) {
  if (value < lo) return lo;
  return value > hi ? hi : value;
}

int32_t SwapConstrain(int32_t value, int32_t constrain1, int32_t constrain2) {
  TestSwap(constrain1, constrain2);
  if (value < constrain1) return constrain1;
  return value > constrain2 ? constrain2 : value;
}

int32_t Wrap(int32_t value, int32_t max) {
  const int32_t period = max + 1;
  if (period == 0) return 0;
  const int32_t r = value % period;
  return r < 0 ? r + period : r;
}

int32_t Wrap(int32_t value, int32_t min, int32_t max) {
  const int32_t period = max - min + 1;
  if (period == 0) return min;
  if (value < min) return max + (value - max) % period;
  return min + (value - min) % period;
}

int32_t Mirror(int32_t value, int32_t max) {
  if (max == 0) return 0;
  if (value < 0) value = -value;
  const int32_t q = value / max;
  const int32_t r = value % max;
  return (q & 1) ? max - r : r;
}

int32_t Mirror(int32_t value, int32_t min, int32_t max) {
  const int32_t period = max - min + 1;
  if (period == 0) return min;
  int32_t q, r;
  if (value < min) {
    q = (value - max) / period;
    r = max + (value - max) % period;
  } else {
    q = (value - min) / period;
    r = min + (value - min) % period;
  }
  return (q & 1) ? min + max - r : r;
}

namespace {

void FillLongwordPlain(void* dest, int32_t count, uint32_t value) {
  auto* words = static_cast<uint32_t*>(dest);
  for (int32_t i = 0; i < count; ++i) words[i] = value;
}

// Writes one word first for an odd count, then two words per 64-bit store.
void FillLongwordWide(void* dest, int32_t count, uint32_t value) {
  if (count <= 0) return;
  auto* words = static_cast<uint32_t*>(dest);
  if (count & 1) *words++ = value;
  const __m128i pair = _mm_set1_epi32(static_cast<int>(value));
  for (int32_t i = count >> 1; i > 0; --i, words += 2) _mm_storel_epi64(reinterpret_cast<__m128i*>(words), pair);
}

template <class Word>
void MoveWords(const void* source, void* dest, int32_t count) {
  if (source == dest) return;
  const auto* from = static_cast<const Word*>(source);
  auto* to = static_cast<Word*>(dest);
  for (int32_t i = 0; i < count; ++i) to[i] = from[i];
}

}  // namespace

const TWrapProc WRAP_PROCS[3] = {static_cast<TWrapProc>(Clamp), static_cast<TWrapProc>(Wrap),
                                 static_cast<TWrapProc>(Mirror)};
const TWrapProcEx WRAP_PROCS_EX[3] = {static_cast<TWrapProcEx>(Clamp), static_cast<TWrapProcEx>(Wrap),
                                      static_cast<TWrapProcEx>(Mirror)};

TFillLongword FillLongword = FillLongwordPlain;

void FillWord(void* dest, int32_t count, uint32_t value) {
  auto* words = static_cast<uint16_t*>(dest);
  for (int32_t i = 0; i < count; ++i) words[i] = static_cast<uint16_t>(value);
}

void MoveLongword(const void* source, void* dest, int32_t count) { MoveWords<uint32_t>(source, dest, count); }

void MoveWord(const void* source, void* dest, int32_t count) { MoveWords<uint16_t>(source, dest, count); }

bool TestClip(int32_t& a, int32_t& b, int32_t start, int32_t stop) {
  TestSwap(a, b);
  if (a < start) a = start;
  if (b >= stop) b = stop - 1;
  return b >= a;
}

bool TestClip(int32_t& a, int32_t& b, int32_t size) { return TestClip(a, b, 0, size); }

TColor32 ColorSwap(TColor winColor) {
  const auto rgb = static_cast<uint32_t>(winColor);
  return 0xFF000000u | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

void* StackAlloc(int32_t size) {
  const size_t rounded = (static_cast<size_t>(size > 0 ? size : 0) + 3) & ~size_t{3};
  return std::malloc(rounded ? rounded : 4);
}

void StackFree(void* block) { std::free(block); }

void BindLowLevelRoutines() { FillLongword = HasMMX() ? FillLongwordWide : FillLongwordPlain; }

}  // namespace imaging
