#pragma once
// One-dimensional filter kernels, the separable kernel resampling built on them (a
// mapping table of weighted source positions per destination column and row) and the
// kernel resampler, which also samples single points through its kernel.
#include <cstdint>
#include <memory>
#include <vector>

#include "imaging/Bitmap32_Containers.h"
#include "imaging/Bitmap32_OrdinalMaps.h"
#include "imaging/Bitmap32_Resamplers.h"

namespace imaging {

// A filter function of one variable with a support width. Every formula is evaluated
// in single precision. Setters store a different value and call Changed; an equal value
// does nothing.
class TCustomKernel : public TPersistent, public IPublishedProperties {
  CLASSLIB_CLASS(TCustomKernel, TPersistent)
 public:
  // Told of every change when set (not owned).
  TNotifiablePersistent* Observer = nullptr;

  virtual bool RangeCheck() const { return false; }
  virtual float Filter(float value) const = 0;
  virtual float GetWidth() const = 0;
  // The kernel's published parameters, in declaration order.
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 protected:
  void Changed();
  // Property-wise into another kernel.
  void AssignTo(TPersistent* dest) override;
  // Stores a different value and calls Changed.
  void Store(float& field, float value);
};

class TBoxKernel : public TCustomKernel {
  CLASSLIB_CLASS(TBoxKernel, TCustomKernel)
 public:
  float Filter(float value) const override;
  float GetWidth() const override { return 1; }
};

class TLinearKernel : public TCustomKernel {
  CLASSLIB_CLASS(TLinearKernel, TCustomKernel)
 public:
  float Filter(float value) const override;
  float GetWidth() const override { return 1; }
};

class TCosineKernel : public TCustomKernel {
  CLASSLIB_CLASS(TCosineKernel, TCustomKernel)
 public:
  float Filter(float value) const override;
  float GetWidth() const override { return 1; }
};

class TSplineKernel : public TCustomKernel {
  CLASSLIB_CLASS(TSplineKernel, TCustomKernel)
 public:
  bool RangeCheck() const override { return true; }
  float Filter(float value) const override;
  float GetWidth() const override { return 2; }
};

class TMitchellKernel : public TCustomKernel {
  CLASSLIB_CLASS(TMitchellKernel, TCustomKernel)
 public:
  bool RangeCheck() const override { return true; }
  float Filter(float value) const override;
  float GetWidth() const override { return 2; }
};

class TCubicKernel : public TCustomKernel {
  CLASSLIB_CLASS(TCubicKernel, TCustomKernel)
 public:
  bool RangeCheck() const override { return true; }
  float Filter(float value) const override;
  float GetWidth() const override { return 2; }
  float Coeff() const { return coeff_; }
  void SetCoeff(float value) { Store(coeff_, value); }
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 private:
  float coeff_ = -0.5f;
};

class THermiteKernel : public TCustomKernel {
  CLASSLIB_CLASS(THermiteKernel, TCustomKernel)
 public:
  bool RangeCheck() const override { return true; }
  float Filter(float value) const override;
  float GetWidth() const override { return 2; }
  float Bias() const { return bias_; }
  void SetBias(float value) { Store(bias_, value); }
  float Tension() const { return tension_; }
  void SetTension(float value) { Store(tension_, value); }
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 private:
  float bias_ = 0;
  float tension_ = 0;
};

// sinc(x) times a window, cut off at Width (at most 4).
class TWindowedSincKernel : public TCustomKernel {
  CLASSLIB_CLASS(TWindowedSincKernel, TCustomKernel)
 public:
  bool RangeCheck() const override { return true; }
  float Filter(float value) const override;
  float GetWidth() const override { return width_; }
  float Width() const { return width_; }
  // Values above 4 store 4.
  void SetWidth(float value);
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 protected:
  virtual float Window(float value) const = 0;

 private:
  float width_ = 3.0f;
};

class TLanczosKernel : public TWindowedSincKernel {
  CLASSLIB_CLASS(TLanczosKernel, TWindowedSincKernel)
 protected:
  float Window(float value) const override;
};

class TGaussianKernel : public TWindowedSincKernel {
  CLASSLIB_CLASS(TGaussianKernel, TWindowedSincKernel)
 public:
  float Sigma() const { return sigma_; }
  // Zero is refused.
  void SetSigma(float value);
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 protected:
  float Window(float value) const override;

 private:
  float sigma_ = 1.33f;
};

class TBlackmanKernel : public TWindowedSincKernel {
  CLASSLIB_CLASS(TBlackmanKernel, TWindowedSincKernel)
 protected:
  float Window(float value) const override;
};

class THannKernel : public TWindowedSincKernel {
  CLASSLIB_CLASS(THannKernel, TWindowedSincKernel)
 protected:
  float Window(float value) const override;
};

class THammingKernel : public TWindowedSincKernel {
  CLASSLIB_CLASS(THammingKernel, TWindowedSincKernel)
 protected:
  float Window(float value) const override;
};

// Coeff * sin(pi x) / sinh(Coeff * pi x), without a cut-off at its width.
class TSinshKernel : public TCustomKernel {
  CLASSLIB_CLASS(TSinshKernel, TCustomKernel)
 public:
  bool RangeCheck() const override { return true; }
  float Filter(float value) const override;
  float GetWidth() const override { return width_; }
  float Coeff() const { return coeff_; }
  // Zero is refused.
  void SetCoeff(float value);
  float Width() const { return width_; }
  void SetWidth(float value) { Store(width_, value); }
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 private:
  float coeff_ = 0.5f;
  float width_ = 3.0f;
};

// One weighted source position; weights are in 1/256.
struct TPointRec {
  int32_t Pos = 0;
  int32_t Weight = 0;
  friend bool operator==(const TPointRec&, const TPointRec&) = default;
};
using TCluster = std::vector<TPointRec>;
// One cluster per destination column (or row) of the clip; each sums to 256.
using TMappingTable = std::vector<TCluster>;

// The clusters of destination positions clipLo .. clipHi - 1 of dstLo .. dstHi mapped
// onto source positions srcLo .. srcHi - 1; empty for an empty source.
TMappingTable MakeMappingTable(int32_t dstLo, int32_t dstHi, int32_t clipLo, int32_t clipHi, int32_t srcLo,
                               int32_t srcHi, const TCustomKernel& kernel);

// Separable resampling of srcRect into dstRect within dstClip (already clipped to dst
// and dstRect): a vertical pass per destination row over just the source columns the
// row needs, then a horizontal one. Reads nothing outside srcRect.
void KernelResample(TBitmap32* dst, const TRect& dstRect, const TRect& dstClip, TBitmap32* src, const TRect& srcRect,
                    const TCustomKernel& kernel, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack);

// How the kernel resampler weighs single samples.
enum TKernelMode : uint8_t { kmDynamic = 0, kmTableNearest = 1, kmTableLinear = 2 };

// Resamples and samples through a kernel of any registered class (a box kernel at
// first). Sampling widths are limited to 4 pixels on each side.
class TKernelResampler : public TBitmap32Resampler {
  CLASSLIB_CLASS(TKernelResampler, TBitmap32Resampler)
 public:
  using TCreateArgument = TBitmap32*;
  explicit TKernelResampler(TBitmap32* bitmap = nullptr);
  ~TKernelResampler() override;

  TCustomKernel* Kernel() const { return kernel_.get(); }
  // Takes ownership; null or the current kernel is ignored.
  void SetKernel(TCustomKernel* kernel);
  AnsiString KernelClassName() const;
  // A new kernel of the registered class of that exact name; an empty, unknown or
  // current name changes nothing.
  void SetKernelClassName(const AnsiString& name);
  TKernelMode KernelMode() const { return kernelMode_; }
  void SetKernelMode(TKernelMode value);
  int32_t TableSize() const { return tableSize_; }
  // Never below 2.
  void SetTableSize(int32_t value);

  float GetWidth() override;
  void Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, const TRect& srcRect,
                TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) override;
  // Takes the clip rectangle and outer colour; the table modes build the weight table.
  void PrepareSampling() override;
  void FinalizeSampling() override;
  // The kernel-weighted sum around (x, y) by PixelAccessMode.
  TColor32 GetSampleFloat(float x, float y) override;
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 private:
  static constexpr int32_t kMaxWidth = 4;
  using TWeights = int32_t[2 * kMaxWidth + 1];
  int32_t SampleWidth() const;
  void Weights(float offset, TWeights& weights) const;

  std::unique_ptr<TCustomKernel> kernel_;
  TKernelMode kernelMode_ = kmDynamic;
  std::unique_ptr<TIntegerMap> weightTable_;
  int32_t tableSize_ = 32;
  TColor32 outerColor_ = 0;
};

// Start-up: registers the published properties of the kernels and of the kernel
// resampler for form resources.
void RegisterKernelProperties();

}  // namespace imaging
