// The effect bitmap's in-place image effects, masks, rotations and mirror.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

#include "skin/data/Speffbmp.h"
#include "skin/data/Speffbmp_Channels.h"

using speffbmp::Limit;
using speffbmp::LimitKf;
using speffbmp::Mix;
using speffbmp::RoundChannel;

namespace {

std::mt19937& NoiseGenerator() {
  thread_local std::mt19937 generator{std::random_device{}()};
  return generator;
}

// A pseudo-random integer 0..amount - 1, minus amount div 2.
int Noise(int amount) { return std::uniform_int_distribution<int>(0, amount - 1)(NoiseGenerator()) - amount / 2; }

const uint8_t kWhite[3] = {255, 255, 255};

bool IsWhite(const uint8_t* pixel) { return std::memcmp(pixel, kWhite, 3) == 0; }

}  // namespace

void TspEffectBmp::SeedNoise(uint32_t seed) { NoiseGenerator().seed(seed); }

void TspEffectBmp::ChangeBrightness(double kf) {
  kf = LimitKf(kf);
  ForEachRow([&](uint8_t* row, int) {
    for (int i = 0; i < 3 * width_; i += 3) Mix(row + i, kWhite, 1 - kf, kf);
  });
}

void TspEffectBmp::ChangeDarkness(double kf) {
  kf = LimitKf(kf);
  ForEachRow([&](uint8_t* row, int) {
    for (int i = 0; i < 3 * width_; ++i) row[i] = RoundChannel((1 - kf) * row[i]);
  });
}

void TspEffectBmp::Invert() {
  ForEachRow([&](uint8_t* row, int) {
    for (int i = 0; i < 3 * width_; ++i) row[i] = static_cast<uint8_t>(255 - row[i]);
  });
}

void TspEffectBmp::GrayScale() {
  ForEachRow([&](uint8_t* row, int) {
    for (int i = 0; i < 3 * width_; i += 3) {
      const uint8_t grey = RoundChannel(0.3 * row[i + 2] + 0.59 * row[i + 1] + 0.11 * row[i]);
      std::memset(row + i, grey, 3);
    }
  });
}

void TspEffectBmp::AddMonoNoise(int amount) {
  if (amount < 1) return;
  ForEachRow([&](uint8_t* row, int) {
    for (int i = 0; i < 3 * width_; i += 3) {
      const int n = Noise(amount);
      for (int c = 0; c < 3; ++c) row[i + c] = Limit(row[i + c] + n);
    }
  });
}

void TspEffectBmp::AddColorNoise(int amount) {
  if (amount < 1) return;
  ForEachRow([&](uint8_t* row, int) {
    for (int i = 0; i < 3 * width_; ++i) row[i] = Limit(row[i] + Noise(amount));
  });
}

int TspEffectBmp::LowNeighbour(int index, int amount) {
  const int low = index - amount;
  return low < 0 ? index : low;
}

// A neighbour past the end is the last row or column (never one from the other side).
int TspEffectBmp::HighNeighbour(int index, int amount, int count) {
  return std::clamp(index + amount, 0, count - 1);
}

void TspEffectBmp::AverageNeighbours(int x, int y, int amount, uint8_t* pixel) const {
  const int up = std::min(LowNeighbour(y, amount), height_ - 1);
  const int down = HighNeighbour(y, amount, height_);
  const int left = std::min(LowNeighbour(x, amount), width_ - 1);
  const int right = HighNeighbour(x, amount, width_);
  const uint8_t* corners[4] = {PixelAt(left, up), PixelAt(left, down), PixelAt(right, up), PixelAt(right, down)};
  for (int c = 0; c < 3; ++c) {
    const int sum = corners[0][c] + corners[1][c] + corners[2][c] + corners[3][c];
    pixel[c] = Limit(sum / 4);
  }
}

bool TspEffectBmp::MaskFits(const TspEffectBmp* mask) const {
  return !Empty() && mask != nullptr && mask->width_ == width_ && mask->height_ >= height_;
}

// Blurs in place, rows top-down and pixels left to right, each from the current state;
// with a mask only where the mask is not white.
void TspEffectBmp::BlurWhere(const TspEffectBmp* mask, int amount) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (mask != nullptr && IsWhite(mask->PixelAt(x, y))) continue;
      uint8_t average[3];
      AverageNeighbours(x, y, amount, average);
      std::memcpy(PixelAt(x, y), average, 3);
    }
  }
}

void TspEffectBmp::SplitBlur(int amount) {
  if (amount == 0 || Empty()) return;
  BlurWhere(nullptr, amount);
}

void TspEffectBmp::MaskBlur(const TspEffectBmp* mask, int amount) {
  if (amount == 0 || !MaskFits(mask)) return;
  BlurWhere(mask, amount);
}

bool TspEffectBmp::EdgeOfMask(const TspEffectBmp* mask, int x, int y, int amount) const {
  const int up = std::min(LowNeighbour(y, amount), mask->height_ - 1);
  const int down = HighNeighbour(y, amount, mask->height_);
  const int left = std::min(LowNeighbour(x, amount), width_ - 1);
  const int right = HighNeighbour(x, amount, width_);
  return IsWhite(mask->PixelAt(left, up)) || IsWhite(mask->PixelAt(left, down)) ||
         IsWhite(mask->PixelAt(right, up)) || IsWhite(mask->PixelAt(right, down));
}

void TspEffectBmp::MaskAntialiasing(const TspEffectBmp* mask, int amount) {
  if (amount == 0 || !MaskFits(mask)) return;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (IsWhite(mask->PixelAt(x, y)) || !EdgeOfMask(mask, x, y, amount)) continue;
      uint8_t average[3];
      AverageNeighbours(x, y, amount, average);
      std::memcpy(PixelAt(x, y), average, 3);
    }
  }
}

void TspEffectBmp::MaskFillColor(const TspEffectBmp* mask, TColor color, double kf) {
  if (!MaskFits(mask)) return;
  const uint32_t rgb = static_cast<uint32_t>(ColorToRGB(color));
  const uint8_t fill[3] = {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb)};
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (!IsWhite(mask->PixelAt(x, y))) Mix(PixelAt(x, y), fill, 1 - kf, kf);
    }
  }
}

void TspEffectBmp::Mosaic(int size) {
  if (size <= 1) return;
  for (int top = 0; top < height_; top += size) {
    const uint8_t* first = GetLine(top);
    const int bottom = std::min(top + size, height_);
    for (int y = top; y < bottom; ++y) {
      uint8_t* row = GetLine(y);
      for (int x = 0; x < width_; ++x) std::memmove(row + 3 * x, first + 3 * (x - x % size), 3);
    }
  }
}

void TspEffectBmp::Rotate90_1(TspEffectBmp* dest) const {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) std::memcpy(dest->PixelAt(y, width_ - 1 - x), PixelAt(x, y), 3);
  }
}

void TspEffectBmp::Rotate90_2(TspEffectBmp* dest) const {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) std::memcpy(dest->PixelAt(height_ - 1 - y, x), PixelAt(x, y), 3);
  }
}

void TspEffectBmp::FlipVert(TspEffectBmp* dest) const {
  for (int y = 0; y < height_; ++y) std::memcpy(dest->GetLine(height_ - 1 - y), GetLine(y), 3 * static_cast<size_t>(width_));
}

void TspEffectBmp::Wave(int a, int b, int amp) {
  if (a == 0 || b == 0 || Empty()) return;
  const TspEffectBmp copy(*this);
  for (int x = 0; x < width_; ++x) {
    for (int y = 0; y < height_; ++y) {
      const int64_t fromX = Round(amp * std::sin(static_cast<double>(y) / b) + x);
      const int64_t fromY = Round(y + amp * std::sin(static_cast<double>(x) / a));
      const int cx = static_cast<int>(std::clamp<int64_t>(fromX, 0, width_ - 1));
      const int cy = static_cast<int>(std::clamp<int64_t>(fromY, 0, height_ - 1));
      std::memcpy(PixelAt(x, y), copy.PixelAt(cx, cy), 3);
    }
  }
}
