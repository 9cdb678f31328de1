#pragma once
// The abstract samplers: an object answering a colour for a position, and a resampler
// that also scales a rectangle of one bitmap into another.
#include <cstdint>

#include "imaging/Bitmap32_Math.h"
#include "imaging/Bitmap32_Persistent.h"
#include "imaging/Bitmap32_Types.h"

namespace imaging {

class TBitmap32;

// Sampling protocol: PrepareSampling, any number of samples, FinalizeSampling. The
// integer and fixed forms default to the fixed and float forms, and the float form to
// the fixed form: a concrete sampler overrides at least GetSampleFixed or GetSampleFloat.
class TCustomSampler : public TNotifiablePersistent {
  CLASSLIB_CLASS(TCustomSampler, TNotifiablePersistent)
 public:
  virtual TColor32 GetSampleInt(int32_t x, int32_t y);
  virtual TColor32 GetSampleFixed(TFixed x, TFixed y);
  virtual TColor32 GetSampleFloat(float x, float y);
  virtual void PrepareSampling() {}
  virtual void FinalizeSampling() {}
  virtual bool HasBounds() { return false; }
  virtual TRect GetSampleBounds();
};

// A sampler that also scales: GetWidth is its reach in source pixels, Resample draws
// SrcRect of Src into DstRect of Dst within DstClip.
class TCustomResampler : public TCustomSampler {
  CLASSLIB_CLASS(TCustomResampler, TCustomSampler)
 public:
  virtual float GetWidth() = 0;
  virtual void Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src,
                        const TRect& srcRect, TDrawMode combineOp,
                        const TPixelCombineEvent& combineCallBack) = 0;
};

}  // namespace imaging
