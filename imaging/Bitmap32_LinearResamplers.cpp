#include "imaging/Bitmap32_LinearResamplers.h"

#include <algorithm>
#include <vector>

#include "imaging/Bitmap32_Interpolator.h"
#include "imaging/Bitmap32_Math.h"
#include "imaging/Bitmap32_Rounding.h"
#include "imaging/Bitmap32_System.h"

namespace imaging {

TBoxAverage BoxAverage = BoxAveragePlain;
TBilinearMix BilinearMix = BilinearMixPlain;

// --- Per-pixel routines ---------------------------------------------------------------------

TColor32 BoxAveragePlain(int32_t dx, int32_t dy, const TColor32* block, int32_t rowBytes) {
  if (dx <= 0 || dy <= 0) return 0;
  uint32_t sumA = 0, sumR = 0, sumG = 0, sumB = 0;
  const auto* row = reinterpret_cast<const uint8_t*>(block);
  for (int32_t y = 0; y < dy; ++y, row += rowBytes) {
    const auto* pixel = reinterpret_cast<const TColor32*>(row);
    for (int32_t x = 0; x < dx; ++x) {
      sumB += pixel[x] & 0xFF;
      sumG += (pixel[x] >> 8) & 0xFF;
      sumR += (pixel[x] >> 16) & 0xFF;
      sumA += pixel[x] >> 24;
    }
  }
  const uint32_t reciprocal = (1u << 24) / static_cast<uint32_t>(dx * dy);
  return ((sumA * reciprocal) & 0xFF000000u) | (((sumR * reciprocal) >> 8) & 0xFF0000u) |
         (((sumG * reciprocal) >> 16) & 0xFF00u) | ((sumB * reciprocal) >> 24);
}

TColor32 BoxAverageMmx(int32_t dx, int32_t dy, const TColor32* block, int32_t rowBytes) {
  return BoxAveragePlain(std::max(dx, 1), std::max(dy, 1), block, rowBytes);
}

TColor32 BilinearMixPlain(uint32_t weightX, uint32_t weightY, const TColor32* top, const TColor32* bottom) {
  return InterpolatorPlain(weightX & 0xFFFF, weightY & 0xFFFF, top, bottom);
}

TColor32 BilinearMixMmx(uint32_t weightX, uint32_t weightY, const TColor32* top, const TColor32* bottom) {
  return InterpolatorMmx(weightX & 0xFFFF, weightY & 0xFFFF, top, bottom);
}

void BindLinearResamplerRoutines() {
  const bool multimedia = Has3DNow() || HasMMX();
  BoxAverage = multimedia ? BoxAverageMmx : BoxAveragePlain;
  BilinearMix = multimedia ? BilinearMixMmx : BilinearMixPlain;
}

// --- Bilinear stretch -------------------------------------------------------------------------

namespace {

struct TLinearMapEntry {
  int32_t pos;      // left (top) pixel of the pair
  uint32_t weight;  // its share in 1/256, in both 16-bit halves
};

// Entries for destination positions clipLo .. clipLo + count - 1 of a destination
// starting at dstLo; the source runs srcLo .. srcHi - 1 inside a bitmap of `size`.
std::vector<TLinearMapEntry> LinearMap(int32_t dstLo, int32_t dstSize, int32_t clipLo, int32_t count, int32_t srcLo,
                                       int32_t srcHi, int32_t size) {
  std::vector<TLinearMapEntry> map(static_cast<size_t>(count));
  const float scale = static_cast<float>(static_cast<double>(srcHi - srcLo) / dstSize);
  const auto last = static_cast<float>(size - 1);
  for (int32_t i = 0; i < count; ++i) {
    float t = static_cast<float>(srcLo) - 0.5f + static_cast<float>(i + clipLo - dstLo + 0.5f) * scale;
    t = std::clamp(t, 0.0f, last);
    const int32_t pos = Floor(t);
    const auto w = static_cast<uint32_t>(256 - Round((t - static_cast<float>(pos)) * 256.0f));
    map[i] = TLinearMapEntry{pos, w << 16 | w};
  }
  // The pairs starting at the source's last position start one earlier and take their
  // right pixel whole, so nothing beyond the source is read.
  for (auto entry = map.rbegin(); entry != map.rend() && entry->pos == srcHi - 1; ++entry) *entry = {entry->pos - 1, 0};
  return map;
}

}  // namespace

void LinearStretch(TBitmap32* dst, const TRect& dstRect, const TRect& dstClip, TBitmap32* src, const TRect& srcRect,
                   TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) {
  struct Guard {
    ~Guard() { EMMS(); }
  } guard;
  const int32_t clipW = dstClip.Right - dstClip.Left, clipH = dstClip.Bottom - dstClip.Top;
  const auto mapX = LinearMap(dstRect.Left, dstRect.Right - dstRect.Left, dstClip.Left, clipW, srcRect.Left,
                              srcRect.Right, src->Width());
  const auto mapY = LinearMap(dstRect.Top, dstRect.Bottom - dstRect.Top, dstClip.Top, clipH, srcRect.Top,
                              srcRect.Bottom, src->Height());
  for (int32_t j = 0; j < clipH; ++j) {
    const TColor32* row = src->GetScanLine(mapY[j].pos);
    TColor32* d = dst->GetPixelPtr(dstClip.Left, dstClip.Top + j);
    for (int32_t i = 0; i < clipW; ++i) {
      const TColor32* top = row + mapX[i].pos;
      CombinePixel(BilinearMix(mapX[i].weight, mapY[j].weight, top, top + src->Width()), d[i], src, combineOp,
                   combineCallBack);
    }
  }
}

// --- Box averaging -------------------------------------------------------------------------------

namespace {

// Block boundaries 0, trunc(scale), then k * step shifted right by 16 (step in 16.16).
class TBoundaries {
 public:
  explicit TBoundaries(float scale) : first_(Trunc(scale)), step_(Trunc(scale * 65536.0f)) {}
  // The width of block k (from 0).
  int32_t Size(int32_t k) const { return At(k + 1) - At(k); }

 private:
  int32_t At(int32_t k) const {
    if (k < 2) return k == 0 ? 0 : first_;
    return static_cast<int32_t>((int64_t{k} * step_) >> 16);
  }
  int32_t first_;
  int32_t step_;
};

}  // namespace

void BoxDownsample(TBitmap32* dst, const TRect& dstRect, const TRect& dstClip, TBitmap32* src, const TRect& srcRect,
                   const TCustomKernel& kernel, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) {
  const int32_t srcW = srcRect.Right - srcRect.Left, srcH = srcRect.Bottom - srcRect.Top;
  const int32_t dstW = dstRect.Right - dstRect.Left, dstH = dstRect.Bottom - dstRect.Top;
  if (srcW < dstW || srcH < dstH) {
    if (srcW < 2 || srcH < 2) KernelResample(dst, dstRect, dstClip, src, srcRect, kernel, combineOp, combineCallBack);
    else LinearStretch(dst, dstRect, dstClip, src, srcRect, combineOp, combineCallBack);
    return;
  }
  struct Guard {
    ~Guard() { EMMS(); }
  } guard;
  const float scaleX = static_cast<float>(static_cast<double>(srcW) / dstW);
  const float scaleY = static_cast<float>(static_cast<double>(srcH) / dstH);
  const TBoundaries columns(scaleX), rows(scaleY);
  const int32_t x0 = Trunc(static_cast<float>(dstClip.Left - dstRect.Left) * scaleX);
  const int32_t y0 = Trunc(static_cast<float>(dstClip.Top - dstRect.Top) * scaleY);
  const int32_t rowBytes = 4 * src->Width();
  const TColor32* rowStart = src->GetPixelPtr(srcRect.Left + x0, srcRect.Top + y0);
  for (int32_t j = 0; j < dstClip.Bottom - dstClip.Top; ++j) {
    const int32_t dy = rows.Size(j);
    const TColor32* block = rowStart;
    TColor32* d = dst->GetPixelPtr(dstClip.Left, dstClip.Top + j);
    for (int32_t i = 0; i < dstClip.Right - dstClip.Left; ++i) {
      const int32_t dx = columns.Size(i);
      CombinePixel(BoxAverage(dx, dy, block, rowBytes), d[i], src, combineOp, combineCallBack);
      block += dx;
    }
    rowStart += static_cast<ptrdiff_t>(dy) * src->Width();
  }
}

// --- Resamplers --------------------------------------------------------------------------------------

TLinearResampler::TLinearResampler(TBitmap32* bitmap)
    : TBitmap32Resampler(bitmap), kernel_(std::make_unique<TLinearKernel>()) {}

TLinearResampler::~TLinearResampler() = default;

void TLinearResampler::PrepareSampling() {
  TBitmap32Resampler::PrepareSampling();
  switch (PixelAccessMode()) {
    case pamUnsafe: access_ = &TLinearResampler::ReadUnsafe; break;
    case pamSafe: access_ = &TLinearResampler::ReadSafe; break;
    case pamWrap: access_ = &TLinearResampler::ReadWrapped; break;
    case pamTransparentEdge: access_ = &TLinearResampler::GetPixelTransparentEdge; break;
  }
}

TColor32 TLinearResampler::ReadUnsafe(TFixed x, TFixed y) { return Bitmap()->GetPixelX(x, y); }
TColor32 TLinearResampler::ReadSafe(TFixed x, TFixed y) { return Bitmap()->GetPixelXS(x, y); }
TColor32 TLinearResampler::ReadWrapped(TFixed x, TFixed y) { return Bitmap()->GetPixelXW(x, y); }

TColor32 TLinearResampler::GetSampleFixed(TFixed x, TFixed y) { return (this->*access_)(x, y); }

TColor32 TLinearResampler::GetSampleFloat(float x, float y) {
  return (this->*access_)(Round(x * 65536.0f), Round(y * 65536.0f));
}

void TLinearResampler::Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src,
                                const TRect& srcRect, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) {
  const int32_t srcW = srcRect.Right - srcRect.Left, srcH = srcRect.Bottom - srcRect.Top;
  const int32_t dstW = dstRect.Right - dstRect.Left, dstH = dstRect.Bottom - dstRect.Top;
  if (dstW > srcW && dstH > srcH && srcW > 1 && srcH > 1)
    LinearStretch(dst, dstRect, dstClip, src, srcRect, combineOp, combineCallBack);
  else
    KernelResample(dst, dstRect, dstClip, src, srcRect, *kernel_, combineOp, combineCallBack);
}

TColor32 TLinearResampler::GetPixelTransparentEdge(TFixed x, TFixed y) {
  struct Guard {
    ~Guard() { EMMS(); }
  } guard;
  const TBitmap32* bitmap = Bitmap();
  const TRect& clip = bitmap->ClipRect();
  const int32_t l = clip.Left, t = clip.Top, r1 = clip.Right - 1, b1 = clip.Bottom - 1;
  const int32_t xi = x >> 16, yi = y >> 16;
  if (l <= xi && xi < r1 && t <= yi && yi < b1) return bitmap->GET_T256(x / 256, y / 256);
  if (xi < l - 1 || yi < t - 1 || xi > r1 || yi > b1) return 0;
  const int32_t x1 = Clamp(xi, r1), x2 = Clamp(xi + Sign(x), r1);
  const int32_t y1 = Clamp(yi, b1), y2 = Clamp(yi + Sign(y), b1);
  TColor32 c1 = bitmap->GetPixel(x1, y1), c2 = bitmap->GetPixel(x2, y1);
  TColor32 c3 = bitmap->GetPixel(x1, y2), c4 = bitmap->GetPixel(x2, y2);
  constexpr TColor32 kNoAlpha = 0x00FFFFFF;
  if (x <= l * 65536) {
    c1 &= kNoAlpha;
    c3 &= kNoAlpha;
  } else if (xi == r1) {
    c2 &= kNoAlpha;
    c4 &= kNoAlpha;
  }
  if (y <= t * 65536) {
    c1 &= kNoAlpha;
    c2 &= kNoAlpha;
  } else if (yi == b1) {
    c3 &= kNoAlpha;
    c4 &= kNoAlpha;
  }
  const int32_t wx = GAMMA_TABLE[255 - ((x >> 8) & 255)];
  const int32_t wy = GAMMA_TABLE[255 - ((y >> 8) & 255)];
  const TColor32 bottom = CombineReg(c3, c4, wx);
  const TColor32 top = CombineReg(c1, c2, wx);
  return CombineReg(top, bottom, wy);
}

void TDraftResampler::Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src,
                               const TRect& srcRect, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) {
  BoxDownsample(dst, dstRect, dstClip, src, srcRect, LinearKernel(), combineOp, combineCallBack);
}

}  // namespace imaging
