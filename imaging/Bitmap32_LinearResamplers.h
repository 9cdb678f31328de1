#pragma once
// The bilinear resampler (bilinear stretching when enlarging both ways, separable
// linear-kernel resampling otherwise) and the draft resampler (box averaging when
// shrinking), with the two per-pixel routines they use.
#include <cstdint>
#include <memory>

#include "imaging/Bitmap32_Kernels.h"
#include "imaging/Bitmap32_Resamplers.h"

namespace imaging {

// The average of a dx x dy block whose top-left pixel is at `block`, rows `rowBytes`
// apart: each byte summed, times 2^24 div (dx * dy), the result bytes taken from the
// products (so a reciprocal rounded down costs every non-zero byte at most 1).
using TBoxAverage = TColor32 (*)(int32_t dx, int32_t dy, const TColor32* block, int32_t rowBytes);
// The bilinear mix of the 2 x 2 block at `top` (its right neighbour follows) and
// `bottom`. Each weight (0 .. 256, the share of the left or top pixel) is packed into
// both 16-bit halves.
using TBilinearMix = TColor32 (*)(uint32_t weightX, uint32_t weightY, const TColor32* top, const TColor32* bottom);

// Bound by the processor tests (BindLinearResamplerRoutines).
extern TBoxAverage BoxAverage;
extern TBilinearMix BilinearMix;

// A block of zero width or height answers 0.
TColor32 BoxAveragePlain(int32_t dx, int32_t dy, const TColor32* block, int32_t rowBytes);
// Runs at least one row and one column; sums in 32 bits like the plain form.
TColor32 BoxAverageMmx(int32_t dx, int32_t dy, const TColor32* block, int32_t rowBytes);
// Through CombineReg, weights above 255 taken as 255.
TColor32 BilinearMixPlain(uint32_t weightX, uint32_t weightY, const TColor32* top, const TColor32* bottom);
// Byte lanes with 256 as the full weight.
TColor32 BilinearMixMmx(uint32_t weightX, uint32_t weightY, const TColor32* top, const TColor32* bottom);

// The processor forms with MMX or 3DNow!, the plain forms otherwise.
void BindLinearResamplerRoutines();

// Bilinear enlargement of srcRect (at least 2 x 2) into dstRect within dstClip (clipped
// to dst and dstRect). Reads nothing right of or below srcRect.
void LinearStretch(TBitmap32* dst, const TRect& dstRect, const TRect& dstClip, TBitmap32* src, const TRect& srcRect,
                   TDrawMode combineOp, const TPixelCombineEvent& combineCallBack);
// Box averaging when shrinking (or keeping the size) both ways; enlarging either way
// goes through LinearStretch, or KernelResample with `kernel` for a source under 2
// pixels wide or high.
void BoxDownsample(TBitmap32* dst, const TRect& dstRect, const TRect& dstClip, TBitmap32* src, const TRect& srcRect,
                   const TCustomKernel& kernel, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack);

class TLinearResampler : public TBitmap32Resampler {
  CLASSLIB_CLASS(TLinearResampler, TBitmap32Resampler)
 public:
  using TCreateArgument = TBitmap32*;
  explicit TLinearResampler(TBitmap32* bitmap = nullptr);
  ~TLinearResampler() override;

  float GetWidth() override { return 1.0f; }
  // Chooses the pixel access by PixelAccessMode; samples are valid only after it.
  void PrepareSampling() override;
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;
  // At the 16.16 position nearest (x, y), halves to even.
  TColor32 GetSampleFloat(float x, float y) override;
  // LinearStretch when enlarging both ways from at least 2 x 2, otherwise KernelResample
  // with the linear kernel.
  void Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, const TRect& srcRect,
                TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) override;
  // A bilinear read at a 16.16 position that fades to transparent across the clip
  // rectangle's border; 0 more than a pixel outside it.
  TColor32 GetPixelTransparentEdge(TFixed x, TFixed y);

 protected:
  const TLinearKernel& LinearKernel() const { return *kernel_; }

 private:
  using TAccess = TColor32 (TLinearResampler::*)(TFixed x, TFixed y);
  TColor32 ReadUnsafe(TFixed x, TFixed y);
  TColor32 ReadSafe(TFixed x, TFixed y);
  TColor32 ReadWrapped(TFixed x, TFixed y);
  std::unique_ptr<TLinearKernel> kernel_;
  TAccess access_ = nullptr;
};

// Scales down by box averaging (BoxDownsample with the linear kernel).
class TDraftResampler : public TLinearResampler {
  CLASSLIB_CLASS(TDraftResampler, TLinearResampler)
 public:
  using TCreateArgument = TBitmap32*;
  explicit TDraftResampler(TBitmap32* bitmap = nullptr) : TLinearResampler(bitmap) {}
  void Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, const TRect& srcRect,
                TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) override;
};

}  // namespace imaging
