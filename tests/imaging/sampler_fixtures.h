#pragma once
// Samplers for the rasterizer and nested-sampler tests: one answering a colour naming
// its position, one recording every position asked.
#include <atomic>
#include <vector>

#include "bitmap_fixtures.h"
#include "classlib/runtime/Exceptions.h"
#include "imaging/Bitmap32_Samplers.h"

namespace bitmaptest {

// Answers Index(x, y) for every integer position; counts the preparations,
// finalisations and samples (safe from several threads). Optional bounds.
class TIndexSampler : public imaging::TCustomSampler {
 public:
  imaging::TColor32 GetSampleInt(int32_t x, int32_t y) override {
    ++samples;
    if (failAfter >= 0 && samples > failAfter) throw Exception("sampler failed");
    return Index(x, y);
  }
  void PrepareSampling() override { ++prepared; }
  void FinalizeSampling() override { ++finalized; }
  bool HasBounds() override { return hasBounds; }
  imaging::TRect GetSampleBounds() override { return bounds; }

  std::atomic<int> samples{0};
  int prepared = 0;
  int finalized = 0;
  int failAfter = -1;
  bool hasBounds = false;
  imaging::TRect bounds;
};

// Records the positions asked, in order, and answers `color`.
class TRecordingSampler : public imaging::TCustomSampler {
 public:
  imaging::TColor32 GetSampleInt(int32_t x, int32_t y) override {
    ints.push_back(imaging::TPoint{x, y});
    return color;
  }
  imaging::TColor32 GetSampleFixed(imaging::TFixed x, imaging::TFixed y) override {
    fixeds.push_back(imaging::TFixedPoint{x, y});
    return color;
  }
  imaging::TColor32 GetSampleFloat(float x, float y) override {
    floats.push_back(imaging::TFloatPoint{x, y});
    return color;
  }

  imaging::TColor32 color = 0xFF336699;
  std::vector<imaging::TPoint> ints;
  std::vector<imaging::TFixedPoint> fixeds;
  std::vector<imaging::TFloatPoint> floats;
};

}  // namespace bitmaptest
