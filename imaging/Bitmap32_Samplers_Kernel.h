#pragma once
// Kernel samplers: nested samplers that weigh the samples under an integer kernel, for
// convolution and morphology, and the routines that filter a whole bitmap with them.
// The kernel covers positions (x + CenterX - i, y + CenterY - j) for its cells (i, j).
#include <cstdint>
#include <memory>

#include "imaging/Bitmap32_OrdinalMaps.h"
#include "imaging/Bitmap32_Samplers_Nested.h"

namespace imaging {

class TKernelSampler : public TNestedSampler {
  CLASSLIB_CLASS(TKernelSampler, TNestedSampler)
 public:
  // Starts with an empty kernel map of its own.
  explicit TKernelSampler(TCustomSampler* sampler = nullptr);
  TIntegerMap* Kernel() const { return kernel_; }
  // Samples through a map the caller keeps (and frees); the sampler's own is released.
  void UseKernel(TIntegerMap* kernel);
  int32_t CenterX = 0;
  int32_t CenterY = 0;

  TColor32 GetSampleInt(int32_t x, int32_t y) override;
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 protected:
  virtual void UpdateBuffer(TBufferEntry& entry, TColor32 color, int32_t weight) = 0;
  // Each accumulator taken into 0..65535, then shifted down by 8.
  virtual TColor32 ConvertBuffer(TBufferEntry& entry);
  TBufferEntry StartEntry = EMPTY_ENTRY;

 private:
  template <class Sample>
  TColor32 Accumulate(Sample sample);
  std::unique_ptr<TIntegerMap> ownKernel_;
  TIntegerMap* kernel_ = nullptr;
};

// Weighted sums.
class TConvolver : public TKernelSampler {
  CLASSLIB_CLASS(TConvolver, TKernelSampler)
 public:
  using TKernelSampler::TKernelSampler;

 protected:
  void UpdateBuffer(TBufferEntry& entry, TColor32 color, int32_t weight) override;
};

// Weighted means of the samples whose channel lies within Delta of the centre sample's,
// channel by channel. The kernel's weights of the passing samples must not sum to 0
// (a non-zero centre weight ensures it).
class TSelectiveConvolver : public TConvolver {
  CLASSLIB_CLASS(TSelectiveConvolver, TConvolver)
 public:
  using TConvolver::TConvolver;
  int32_t Delta = 30;
  TColor32 GetSampleInt(int32_t x, int32_t y) override;
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 protected:
  void UpdateBuffer(TBufferEntry& entry, TColor32 color, int32_t weight) override;
  TColor32 ConvertBuffer(TBufferEntry& entry) override;

 private:
  TColor32 reference_ = 0;
  TBufferEntry weightSum_;
};

// Dilation and erosion: each accumulator is taken into 0..255 at the end.
class TMorphologicalSampler : public TKernelSampler {
  CLASSLIB_CLASS(TMorphologicalSampler, TKernelSampler)
 public:
  using TKernelSampler::TKernelSampler;

 protected:
  TColor32 ConvertBuffer(TBufferEntry& entry) override;
};

// Per channel the largest weight + sample.
class TDilater : public TMorphologicalSampler {
  CLASSLIB_CLASS(TDilater, TMorphologicalSampler)
 public:
  using TMorphologicalSampler::TMorphologicalSampler;

 protected:
  void UpdateBuffer(TBufferEntry& entry, TColor32 color, int32_t weight) override;
};

// Per channel the smallest sample - weight.
class TEroder : public TMorphologicalSampler {
  CLASSLIB_CLASS(TEroder, TMorphologicalSampler)
 public:
  explicit TEroder(TCustomSampler* sampler = nullptr);

 protected:
  void UpdateBuffer(TBufferEntry& entry, TColor32 color, int32_t weight) override;
};

// Per channel the largest weight x sample.
class TExpander : public TKernelSampler {
  CLASSLIB_CLASS(TExpander, TKernelSampler)
 public:
  using TKernelSampler::TKernelSampler;

 protected:
  void UpdateBuffer(TBufferEntry& entry, TColor32 color, int32_t weight) override;
};

// The expansion of the inverted samples, subtracted from grey of the largest weight.
class TContracter : public TExpander {
  CLASSLIB_CLASS(TContracter, TExpander)
 public:
  using TExpander::TExpander;
  void PrepareSampling() override;
  TColor32 GetSampleInt(int32_t x, int32_t y) override;
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;

 protected:
  void UpdateBuffer(TBufferEntry& entry, TColor32 color, int32_t weight) override;

 private:
  TColor32 maxWeight_ = 0;
};

// dst takes src's size and the filtered pixels, sampled through src's resampler with
// the kernel, which stays the caller's. The two integers are not used (the kernel's
// centre stays at its cell (0, 0)).
void Convolve(TBitmap32* src, TBitmap32* dst, TIntegerMap* kernel, int32_t centerX, int32_t centerY);
void Dilate(TBitmap32* src, TBitmap32* dst, TIntegerMap* kernel, int32_t centerX, int32_t centerY);
void Erode(TBitmap32* src, TBitmap32* dst, TIntegerMap* kernel, int32_t centerX, int32_t centerY);
void Expand(TBitmap32* src, TBitmap32* dst, TIntegerMap* kernel, int32_t centerX, int32_t centerY);
void Contract(TBitmap32* src, TBitmap32* dst, TIntegerMap* kernel, int32_t centerX, int32_t centerY);

}  // namespace imaging
