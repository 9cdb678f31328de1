#pragma once
// Conversions from floating point to integers used throughout the bitmap library.
// "Rounded" always means nearest with halves to even (the default rounding mode);
// truncation, floor and ceiling are spelled out where they are meant.
#include <cmath>
#include <cstdint>

namespace imaging {

// Nearest integer, halves to even.
inline int32_t Round(double value) { return static_cast<int32_t>(std::lrint(value)); }
inline int32_t Round(float value) { return static_cast<int32_t>(std::lrintf(value)); }
// Nearest 64-bit integer of an extended-precision value, halves to even.
inline int64_t Round64(long double value) { return std::llrint(value); }

// Towards zero.
inline int32_t Trunc(double value) { return static_cast<int32_t>(value); }

// Towards negative and positive infinity.
inline int32_t Floor(double value) { return static_cast<int32_t>(std::floor(value)); }
inline int32_t Ceil(double value) { return static_cast<int32_t>(std::ceil(value)); }

}  // namespace imaging
