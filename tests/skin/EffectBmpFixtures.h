#pragma once
// Pixel pictures for effect bitmap tests: a plain grid of blue, green, red triples that
// tests compare and compute expected pictures in.
#include <array>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <random>
#include <vector>

#include "skin/data/Speffbmp.h"

namespace effecttest {

struct TPixelGrid {
  using Pixel = std::array<uint8_t, 3>;  // blue, green, red
  int w = 0;
  int h = 0;
  std::vector<Pixel> pixels;

  Pixel& at(int x, int y) { return pixels[static_cast<size_t>(y) * w + x]; }
  const Pixel& at(int x, int y) const { return pixels[static_cast<size_t>(y) * w + x]; }
  bool operator==(const TPixelGrid&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const TPixelGrid& grid) {
  out << grid.w << "x" << grid.h << ":";
  for (const auto& p : grid.pixels) out << " " << int(p[2]) << "/" << int(p[1]) << "/" << int(p[0]);
  return out;
}

inline TPixelGrid Pixels(const TspEffectBmp& bmp) {
  TPixelGrid grid{bmp.Width(), bmp.Height(), {}};
  for (int y = 0; y < bmp.Height(); ++y) {
    const uint8_t* row = bmp.GetLine(y);
    for (int x = 0; x < bmp.Width(); ++x) grid.pixels.push_back({row[3 * x], row[3 * x + 1], row[3 * x + 2]});
  }
  return grid;
}

inline void SetPixels(TspEffectBmp& bmp, const TPixelGrid& grid) {
  for (int y = 0; y < grid.h; ++y)
    for (int x = 0; x < grid.w; ++x)
      for (int c = 0; c < 3; ++c) bmp.GetLine(y)[3 * x + c] = grid.at(x, y)[c];
}

inline void FillRandom(TspEffectBmp& bmp, uint32_t seed) {
  std::mt19937 generator(seed);
  std::uniform_int_distribution<int> channel(0, 255);
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < 3 * bmp.Width(); ++x) bmp.GetLine(y)[x] = static_cast<uint8_t>(channel(generator));
}

// The nearest integer, halves to even (the default rounding mode).
inline double RoundEven(double value) { return std::nearbyint(value); }

}  // namespace effecttest
