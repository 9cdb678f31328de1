#pragma once
// Nested samplers: samplers answering each request by asking another sampler (usually
// a bitmap's resampler) and combining what it answers. A transformer maps the position
// through a transformation first; the super-samplers and the pattern sampler average
// sub-pixel samples for anti-aliasing. The nested sampler and the transformation are
// not owned. Preparation, finalisation and the bound queries pass through every level.
#include <cstdint>
#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "imaging/Bitmap32_Resamplers.h"
#include "imaging/Bitmap32_Transforms.h"

namespace imaging {

CLASSLIB_EXCEPTION(ENestedException, Exception)

class TNestedSampler : public TCustomSampler, public IPublishedProperties {
  CLASSLIB_CLASS(TNestedSampler, TCustomSampler)
 public:
  using TCreateArgument = TCustomSampler*;
  explicit TNestedSampler(TCustomSampler* sampler = nullptr) { SetSampler(sampler); }

  TCustomSampler* Sampler() const { return sampler_; }
  void SetSampler(TCustomSampler* value) { sampler_ = value; }

  // Without a nested sampler these raise ENestedException "Nested sampler is nil".
  void PrepareSampling() override;
  void FinalizeSampling() override;
  bool HasBounds() override;
  TRect GetSampleBounds() override;
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 protected:
  // Another nested sampler takes the published properties.
  void AssignTo(TPersistent* dest) override;
  TCustomSampler* Nested() const;

 private:
  TCustomSampler* sampler_ = nullptr;
};

// Samples the nested sampler at the transformation's reverse mapping of each position.
class TTransformer : public TNestedSampler {
  CLASSLIB_CLASS(TTransformer, TNestedSampler)
 public:
  explicit TTransformer(TCustomSampler* sampler = nullptr, TTransformation* transformation = nullptr);
  TTransformation* Transformation() const { return transformation_; }
  void SetTransformation(TTransformation* value) { transformation_ = value; }

  // Integer positions go through the fixed mapping.
  TColor32 GetSampleInt(int32_t x, int32_t y) override;
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;
  TColor32 GetSampleFloat(float x, float y) override;
  // Also prepares a stale transformation.
  void PrepareSampling() override;
  bool HasBounds() override;
  // The transformed bounds of the nested sampler's bounds.
  TRect GetSampleBounds() override;

 protected:
  TTransformation* Mapping() const { return transformation_; }

 private:
  TTransformation* transformation_ = nullptr;
};

// The transformer of nearest-neighbour resamplers: it asks for whole pixels. A fixed
// mapping takes the upper 16 bits as unsigned, so a negative coordinate asks for a
// large positive one (-0.5 becomes 65535).
class TNearestTransformer : public TTransformer {
  CLASSLIB_CLASS(TNearestTransformer, TTransformer)
 public:
  using TTransformer::TTransformer;
  TColor32 GetSampleInt(int32_t x, int32_t y) override;
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;
  // Rounded to the nearest pixel, halves to even.
  TColor32 GetSampleFloat(float x, float y) override;
};

// A range of sample counts: 1 .. 2147483647.
using TSamplingRange = int32_t;

// The mean of SamplingX x SamplingY samples spread evenly over the pixel (4 x 4 at
// offsets -0.375, -0.125, 0.125 and 0.375).
class TSuperSampler : public TNestedSampler {
  CLASSLIB_CLASS(TSuperSampler, TNestedSampler)
 public:
  explicit TSuperSampler(TCustomSampler* sampler = nullptr);
  TSamplingRange SamplingX() const { return samplingX_; }
  TSamplingRange SamplingY() const { return samplingY_; }
  void SetSamplingX(TSamplingRange value);
  void SetSamplingY(TSamplingRange value);
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 private:
  void UpdateScale();
  TSamplingRange samplingX_ = 4;
  TSamplingRange samplingY_ = 4;
  TFixed distanceX_ = 0, distanceY_ = 0, offsetX_ = 0, offsetY_ = 0, scale_ = 0;
};

// Samples the pixel's corners and centre and refines the quadrants whose colours
// differ by more than Tolerance (sum of the red, green and blue differences), down to
// offsets of 1 / 2^Level.
class TAdaptiveSuperSampler : public TNestedSampler {
  CLASSLIB_CLASS(TAdaptiveSuperSampler, TNestedSampler)
 public:
  explicit TAdaptiveSuperSampler(TCustomSampler* sampler = nullptr);
  int32_t Level() const { return level_; }
  void SetLevel(int32_t value);
  int32_t Tolerance = 256;
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 protected:
  // True when the colours differ enough to refine.
  virtual bool CompareColors(TColor32 c1, TColor32 c2);

 private:
  using TRecurseProc = TColor32 (TAdaptiveSuperSampler::*)(TFixed x, TFixed y, TFixed offset, TColor32 a,
                                                           TColor32 b);
  TColor32 Sample(TFixed x, TFixed y) { return Nested()->GetSampleFixed(x, y); }
  TColor32 DoRecurse(TFixed x, TFixed y, TFixed offset, TColor32 tl, TColor32 tr, TColor32 br, TColor32 bl,
                     TColor32 m);
  TColor32 QuadrantColor(TColor32 c1, TColor32 c2, TFixed x, TFixed y, TFixed offset, TRecurseProc proc);
  TColor32 RecurseAC(TFixed x, TFixed y, TFixed offset, TColor32 tl, TColor32 br);
  TColor32 RecurseBD(TFixed x, TFixed y, TFixed offset, TColor32 tr, TColor32 bl);
  int32_t level_ = 4;
  TFixed minOffset_ = 0;
};

// Rows of cells of sub-pixel offsets, tiled over the plane.
using TFixedSamplePattern = std::vector<std::vector<TArrayOfFixedPoint>>;

// The mean of the samples at the offsets of the pattern cell the pixel falls in. Every
// cell needs at least one offset.
class TPatternSampler : public TNestedSampler {
  CLASSLIB_CLASS(TPatternSampler, TNestedSampler)
 public:
  using TNestedSampler::TNestedSampler;
  const TFixedSamplePattern& Pattern() const { return pattern_; }
  // An empty pattern is ignored.
  void SetPattern(const TFixedSamplePattern& value);
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;

 private:
  TFixedSamplePattern pattern_;
};

// TileHeight rows of TileWidth cells, each with SamplesX x SamplesY offsets, one at a
// random place in each stratum of the pixel (the library's random source).
TFixedSamplePattern CreateJitteredPattern(int32_t tileWidth, int32_t tileHeight, int32_t samplesX, int32_t samplesY);

}  // namespace imaging
