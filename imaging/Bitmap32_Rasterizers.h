#pragma once
// Rasterizers: fill a rectangle of a bitmap with the colours a sampler answers for its
// pixels, written by a combine rule. The kinds differ in the order they visit the pixels
// and in how often they tell the bitmap which area changed, so that a slow sampler can
// show its result progressively; one kind spreads the rows over worker threads.
#include <atomic>
#include <cstdint>

#include "classlib/runtime/Threads.h"
#include "imaging/Bitmap32.h"
#include "imaging/Bitmap32_Containers.h"

namespace imaging {

// How a rasterizer writes each sampled colour (the drawing properties of a bitmap).
struct TCombineInfo {
  int32_t SrcAlpha = 255;
  TDrawMode DrawMode = dmOpaque;
  TCombineMode CombineMode = cmBlend;
  TPixelCombineEvent CombineCallBack;
  TColor32 TransparentColor = 0xFF000000;
};
// Alpha 255, dmOpaque, cmBlend, no callback, opaque black as transparent colour.
inline const TCombineInfo DEFAULT_COMBINE_INFO{};

// The combine information of a bitmap: MasterAlpha, DrawMode, CombineMode,
// OnPixelCombine and OuterColor; dmCustom without a handler gives dmOpaque.
TCombineInfo CombineInfo(const TBitmap32* bitmap);

class TRasterizer : public TThreadPersistent, public IPublishedProperties {
  CLASSLIB_CLASS(TRasterizer, TThreadPersistent)
 public:
  // Applies DEFAULT_COMBINE_INFO.
  TRasterizer();

  TCustomSampler* Sampler() const { return sampler_; }
  // Not owned; a different sampler notifies a change.
  void SetSampler(TCustomSampler* value);
  void UpdateCombineInfo(const TCombineInfo& info);

  // Without a sampler nothing happens. Otherwise the sampler is prepared, the rectangle
  // clipped to the destination's bounds (and to the sampler's bounds when it has them)
  // and the pixels written; the destination's update count is restored and the sampler
  // finalised afterwards, also on failure.
  void Rasterize(TBitmap32* dst);
  void Rasterize(TBitmap32* dst, const TRect& dstRect);
  void Rasterize(TBitmap32* dst, const TRect& dstRect, const TCombineInfo& info);
  // With the source bitmap's combine information.
  void Rasterize(TBitmap32* dst, const TRect& dstRect, const TBitmap32* src);

  // From a TBitmap32: its combine information, then one change notification.
  void Assign(TPersistent* source) override;
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 protected:
  // The clipped, possibly empty rectangle.
  virtual void DoRasterize(TBitmap32* dst, const TRect& dstRect) = 0;
  // Another rasterizer takes the published properties.
  void AssignTo(TPersistent* dest) override;
  // The pixel-write rule chosen by the combine information.
  void AssignColor(TColor32& dst, TColor32 src) const { (this->*assignColor_)(dst, src); }

 private:
  using TAssignColor = void (TRasterizer::*)(TColor32& dst, TColor32 src) const;
  void AssignColorOpaque(TColor32& dst, TColor32 src) const;
  void AssignColorBlend(TColor32& dst, TColor32 src) const;
  void AssignColorTransparent(TColor32& dst, TColor32 src) const;
  void AssignColorCustom(TColor32& dst, TColor32 src) const;

  TCustomSampler* sampler_ = nullptr;
  int32_t srcAlpha_ = 255;
  TColor32 transparentColor_ = 0;
  TBlendMemEx blendMemEx_ = nullptr;
  TPixelCombineEvent combineCallBack_;
  TAssignColor assignColor_ = nullptr;
};

// Rows top to bottom, each left to right. With UpdateRowCount n > 0 the destination is
// told of every n rows as they are done; a final notification covers the rest.
class TRegularRasterizer : public TRasterizer {
  CLASSLIB_CLASS(TRegularRasterizer, TRasterizer)
 public:
  int32_t UpdateRowCount = 0;
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 protected:
  void DoRasterize(TBitmap32* dst, const TRect& dstRect) override;
};

// Morton order (x the lower bit), notified in blocks of 2^BlockSize pixels.
class TSwizzlingRasterizer : public TRasterizer {
  CLASSLIB_CLASS(TSwizzlingRasterizer, TRasterizer)
 public:
  int32_t BlockSize = 3;
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 protected:
  void DoRasterize(TBitmap32* dst, const TRect& dstRect) override;
};

// Blocks of 2^Steps pixels first, each filled with the sample at its corner, then
// refined by halves down to single pixels. Writes opaquely (FillRect), whatever the
// combine information; UpdateRows notifies band by band, else pass by pass.
class TProgressiveRasterizer : public TRasterizer {
  CLASSLIB_CLASS(TProgressiveRasterizer, TRasterizer)
 public:
  int32_t Steps = 4;
  bool UpdateRows = true;
  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override;

 protected:
  void DoRasterize(TBitmap32* dst, const TRect& dstRect) override;

 private:
  void FillBlock(TBitmap32* dst, const TRect& block);
  void Notify(TBitmap32* dst, const TRect& area) const;
  bool notify_ = false;
};

// The top row and left column, then lines bisecting the area recursively.
class TTesseralRasterizer : public TRasterizer {
  CLASSLIB_CLASS(TTesseralRasterizer, TRasterizer)

 protected:
  void DoRasterize(TBitmap32* dst, const TRect& dstRect) override;

 private:
  void SplitVertical(int32_t x, int32_t y, int32_t w, int32_t h);
  void SplitHorizontal(int32_t x, int32_t y, int32_t w, int32_t h);
  void WritePixel(int32_t x, int32_t y);
  TBitmap32* dst_ = nullptr;
};

// Follows paths of similar colour from pixel to pixel.
class TContourRasterizer : public TRasterizer {
  CLASSLIB_CLASS(TContourRasterizer, TRasterizer)

 protected:
  void DoRasterize(TBitmap32* dst, const TRect& dstRect) override;
};

// Rows handed out to NumberOfProcessors workers by one atomic counter; Rasterize
// returns when every worker has finished. The sampler's GetSampleInt and the combine
// rule are called from all workers at once. A failure of a worker is raised again
// after all have ended.
class TMultithreadedRegularRasterizer : public TRasterizer {
  CLASSLIB_CLASS(TMultithreadedRegularRasterizer, TRasterizer)

 protected:
  void DoRasterize(TBitmap32* dst, const TRect& dstRect) override;

 private:
  void WriteRow(int32_t y);
  TBitmap32* dst_ = nullptr;
  TRect rect_;
};

// One worker of TMultithreadedRegularRasterizer: claims rows until none is left.
class TScanLineRasterizerThread : public TThread {
  CLASSLIB_CLASS(TScanLineRasterizerThread, TThread)
 public:
  using TRowWriter = TEvent<int32_t>;
  TScanLineRasterizerThread(std::atomic<int32_t>& row, int32_t bottom, const TRowWriter& writeRow);

 protected:
  void Execute() override;

 private:
  std::atomic<int32_t>& row_;
  int32_t bottom_;
  TRowWriter writeRow_;
};

// The kind Transform and the kernel filters draw through.
extern TClass DefaultRasterizerClass;
// Workers of the multithreaded kind: 1 until start-up sets the processor count.
extern int32_t NumberOfProcessors;
void InitializeRasterizers();

}  // namespace imaging
