#pragma once
// Moving rectangles of pixels between bitmaps (placed, sub-pixel placed, blended from two
// sources, stretched), the resampler bound to a bitmap with the nearest-neighbour
// resampler, and the class registries that find resamplers and kernels by class name.
#include <cstdint>

#include "classlib/runtime/Exceptions.h"
#include "imaging/Bitmap32.h"
#include "imaging/Bitmap32_Containers.h"

namespace imaging {

CLASSLIB_EXCEPTION(EBitmapException, Exception)
CLASSLIB_EXCEPTION(ESrcInvalidException, Exception)

using TBlendTransferCallback = TColor32 (*)(TColor32 f, TColor32 b);
using TBlendTransferExCallback = TColor32 (*)(TColor32 f, TColor32 b, int32_t m);

// Every transfer takes its drawing properties (MasterAlpha, CombineMode, OuterColor) from
// the source, clips to the destination, reports the area to the destination and ends
// with EMMS, also when it fails. Null bitmaps raise EBitmapException "Destination bitmap
// is nil" / "Source bitmap is nil". dmCustom without a callback copies like dmOpaque.

// Places srcRect of src with its top-left at (dstX, dstY), within dstClip; reports the
// unclipped target rectangle.
void BlockTransfer(TBitmap32* dst, int32_t dstX, int32_t dstY, TRect dstClip, TBitmap32* src, TRect srcRect,
                   TDrawMode combineOp, const TPixelCombineEvent& combineCallBack = {});
// Places srcRect of src at a 16.16 position, blending every pixel by its bilinear
// coverage of the destination grid (the source's MasterAlpha applies).
void BlockTransferX(TBitmap32* dst, TFixed dstX, TFixed dstY, TBitmap32* src, TRect srcRect,
                    TDrawMode combineOp, const TPixelCombineEvent& combineCallBack = {});
// dst pixel := callback(srcF pixel, srcB pixel) over the common part.
void BlendTransfer(TBitmap32* dst, int32_t dstX, int32_t dstY, TRect dstClip, TBitmap32* srcF, TRect srcRectF,
                   TBitmap32* srcB, TRect srcRectB, TBlendTransferCallback blendCallback);
void BlendTransfer(TBitmap32* dst, int32_t dstX, int32_t dstY, TRect dstClip, TBitmap32* srcF, TRect srcRectF,
                   TBitmap32* srcB, TRect srcRectB, TBlendTransferExCallback blendCallback, int32_t masterAlpha);
// Scales srcRect of src into dstRect (within dstClip) through the resampler; equal sizes
// copy directly. A source rectangle outside src raises ESrcInvalidException "Source
// rectangle is invalid"; an empty one does nothing.
void StretchTransfer(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, const TRect& srcRect,
                     TCustomResampler* resampler, TDrawMode combineOp,
                     const TPixelCombineEvent& combineCallBack = {});

// One resampled colour reaching a destination pixel: dmOpaque stores it, dmBlend blends
// it by src's CombineMode with its MasterAlpha (also at 255), dmCustom hands it to the
// callback, dmTransparent stores it unless it equals src's OuterColor.
void CombinePixel(TColor32 color, TColor32& pixel, const TBitmap32* src, TDrawMode combineOp,
                  const TPixelCombineEvent& callback);

// Four accumulators in the order blue, green, red, alpha.
struct TBufferEntry {
  int32_t B = 0;
  int32_t G = 0;
  int32_t R = 0;
  int32_t A = 0;
  friend bool operator==(const TBufferEntry&, const TBufferEntry&) = default;
};
inline constexpr TBufferEntry EMPTY_ENTRY{};
void IncBuffer(TBufferEntry& buffer, TColor32 color);
void MultiplyBuffer(TBufferEntry& buffer, int32_t w);
// Logical shifts: the accumulators are taken as unsigned.
void ShrBuffer(TBufferEntry& buffer, int32_t shift);
TColor32 BufferToColor32(const TBufferEntry& entry, int32_t shift);

// How a bitmap resampler reads pixels around and outside the clip rectangle.
enum TPixelAccessMode : uint8_t { pamUnsafe = 0, pamSafe = 1, pamWrap = 2, pamTransparentEdge = 3 };

// A resampler reading one bitmap. Made for a bitmap it binds itself to it at once (the
// bitmap owns and frees it from then on); made without one it belongs to its creator.
class TBitmap32Resampler : public TCustomResampler, public IPublishedProperties {
  CLASSLIB_CLASS(TBitmap32Resampler, TCustomResampler)
 public:
  using TCreateArgument = TBitmap32*;
  explicit TBitmap32Resampler(TBitmap32* bitmap = nullptr);

  TBitmap32* Bitmap() const { return bitmap_; }
  // The nested-sampler class that transforms through this resampler (a TTransformer,
  // made with this resampler as its sampler): TTransformer, TNearestTransformer for
  // the nearest resampler.
  TClass TransformerClass() const { return transformerClass_; }
  TPixelAccessMode PixelAccessMode() const { return pixelAccessMode_; }
  // A different value is stored and notifies the bound bitmap.
  void SetPixelAccessMode(TPixelAccessMode value);

  // Notifies the bound bitmap.
  void Changed() override;
  // Takes a copy of the bound bitmap's clip rectangle.
  void PrepareSampling() override;
  bool HasBounds() override { return true; }
  // The clip rectangle, one pixel larger each side for pamTransparentEdge.
  TRect GetSampleBounds() override;
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 protected:
  void AssignTo(TPersistent* dest) override;
  const TRect& SampleClip() const { return clipRect_; }
  void SetTransformerClass(TClass value) { transformerClass_ = value; }

 private:
  TBitmap32* bitmap_;
  TClass transformerClass_;
  TRect clipRect_;
  TPixelAccessMode pixelAccessMode_ = pamSafe;
};

// Nearest-neighbour sampling and stretching: every bitmap's first resampler.
class TNearestResampler : public TBitmap32Resampler {
  CLASSLIB_CLASS(TNearestResampler, TBitmap32Resampler)
 public:
  using TCreateArgument = TBitmap32*;
  explicit TNearestResampler(TBitmap32* bitmap = nullptr);

  float GetWidth() override { return 1.0f; }
  // Chooses the pixel access by PixelAccessMode; samples are valid only after it.
  void PrepareSampling() override;
  TColor32 GetSampleInt(int32_t x, int32_t y) override;
  // (v + 0x7FFF) shr 16 in each coordinate.
  TColor32 GetSampleFixed(TFixed x, TFixed y) override;
  // Nearest pixel, halves to even.
  TColor32 GetSampleFloat(float x, float y) override;
  void Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, const TRect& srcRect,
                TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) override;
  // The pixel at (x, y) clamped into the clip rectangle; alpha 0 when it was outside.
  TColor32 GetPixelTransparentEdge(int32_t x, int32_t y);

 private:
  using TAccess = TColor32 (TNearestResampler::*)(int32_t x, int32_t y);
  TColor32 ReadUnsafe(int32_t x, int32_t y);
  TColor32 ReadSafe(int32_t x, int32_t y);
  TColor32 ReadWrapped(int32_t x, int32_t y);
  TAccess access_ = nullptr;
};

// The nearest stretch of TNearestResampler.Resample. A source rectangle outside src
// raises Exception "Invalid SrcRect".
void NearestStretch(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, const TRect& srcRect,
                    TDrawMode combineOp, const TPixelCombineEvent& combineCallBack);

// Registries, filled at start-up and only read afterwards; a look-up by name is Find
// (the first class of that exact name). Null until the first registration.
extern TClassList* ResamplerList;
extern TClassList* KernelList;
void RegisterResampler(TClass resamplerClass);
void RegisterKernel(TClass kernelClass);

// Start-up registers the resamplers (nearest, linear, draft, kernel) and the thirteen
// kernels in their fixed order, with their published properties; shut-down frees both
// registries. The linear resamplers' routines are bound before it.
void InitializeResamplers();
void FinalizeResamplers();

}  // namespace imaging
