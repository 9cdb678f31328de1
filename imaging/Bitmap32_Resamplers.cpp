#include "imaging/Bitmap32_Resamplers.h"

#include <vector>

#include "classlib/formres/PropertyBinders.h"
#include "imaging/Bitmap32_Kernels.h"
#include "imaging/Bitmap32_LinearResamplers.h"
#include "imaging/Bitmap32_Samplers_Nested.h"
#include "imaging/Bitmap32_Rounding.h"

namespace imaging {

TClassList* ResamplerList = nullptr;
TClassList* KernelList = nullptr;

namespace {

// Runs `work`, then EMMS, also when `work` fails.
template <class Work>
void ThenEmms(Work&& work) {
  struct Guard {
    ~Guard() { EMMS(); }
  } guard;
  work();
}

void CheckTransferBitmaps(const TBitmap32* dst, const TBitmap32* src) {
  if (dst == nullptr) throw EBitmapException("Destination bitmap is nil");
  if (src == nullptr) throw EBitmapException("Source bitmap is nil");
}

bool CheckSourceRect(const TBitmap32* src, const TRect& srcRect) {
  if (IsRectEmpty(srcRect)) return false;
  if (srcRect.Left >= 0 && srcRect.Top >= 0 && srcRect.Right <= src->Width() && srcRect.Bottom <= src->Height())
    return true;
  throw ESrcInvalidException("Source rectangle is invalid");
}

// A missing callback makes dmCustom a plain copy.
TDrawMode EffectiveMode(TDrawMode combineOp, const TPixelCombineEvent& callback) {
  return combineOp == dmCustom && !callback ? dmOpaque : combineOp;
}

bool NothingToBlend(TDrawMode combineOp, const TBitmap32* src) {
  return combineOp == dmBlend && src->MasterAlpha() == 0;
}

void CombineRow(const TColor32* s, TColor32* d, int32_t n, const TBitmap32* src, TDrawMode combineOp,
                const TPixelCombineEvent& callback) {
  const auto ma = static_cast<int32_t>(src->MasterAlpha());
  switch (combineOp) {
    case dmOpaque:
      MoveLongword(s, d, n);
      break;
    case dmBlend:
      if (ma >= 255) BLEND_LINE[src->CombineMode()](s, d, n);
      else BLEND_LINE_EX[src->CombineMode()](s, d, n, ma);
      break;
    case dmTransparent:
      for (int32_t i = 0; i < n; ++i)
        if (s[i] != src->OuterColor) d[i] = s[i];
      break;
    case dmCustom:
      for (int32_t i = 0; i < n; ++i) callback(s[i], d[i], src->MasterAlpha());
      break;
  }
}

// dstRect is clipped and not empty; the source block starts at (srcX, srcY).
void CombineBlock(TBitmap32* dst, const TRect& dstRect, const TBitmap32* src, int32_t srcX, int32_t srcY,
                  TDrawMode combineOp, const TPixelCombineEvent& callback) {
  const int32_t w = dstRect.Right - dstRect.Left;
  for (int32_t y = dstRect.Top; y < dstRect.Bottom; ++y)
    CombineRow(src->GetPixelPtr(srcX, srcY + y - dstRect.Top), dst->GetPixelPtr(dstRect.Left, y), w, src,
               combineOp, callback);
}

}  // namespace

void CombinePixel(TColor32 color, TColor32& pixel, const TBitmap32* src, TDrawMode combineOp,
                  const TPixelCombineEvent& callback) {
  switch (combineOp) {
    case dmOpaque: pixel = color; break;
    case dmBlend: BLEND_MEM_EX[src->CombineMode()](color, pixel, static_cast<int32_t>(src->MasterAlpha())); break;
    case dmCustom: callback(color, pixel, src->MasterAlpha()); break;
    case dmTransparent:
      if (color != src->OuterColor) pixel = color;
      break;
  }
}

// --- Placed transfers ----------------------------------------------------------------

void BlockTransfer(TBitmap32* dst, int32_t dstX, int32_t dstY, TRect dstClip, TBitmap32* src, TRect srcRect,
                   TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) {
  CheckTransferBitmaps(dst, src);
  if (dst->Empty() || src->Empty() || NothingToBlend(combineOp, src)) return;
  const int32_t srcX = srcRect.Left;
  const int32_t srcY = srcRect.Top;
  const TRect target{dstX, dstY, dstX + srcRect.Right - srcRect.Left, dstY + srcRect.Bottom - srcRect.Top};
  if (!dst->MeasuringMode()) {
    const TDrawMode mode = EffectiveMode(combineOp, combineCallBack);
    IntersectRect(dstClip, dstClip, dst->BoundsRect());
    IntersectRect(srcRect, srcRect, src->BoundsRect());
    OffsetRect(srcRect, dstX - srcX, dstY - srcY);
    IntersectRect(srcRect, dstClip, srcRect);
    dstClip = srcRect;
    OffsetRect(srcRect, srcX - dstX, srcY - dstY);
    if (!IsRectEmpty(srcRect))
      ThenEmms([&] { CombineBlock(dst, dstClip, src, srcRect.Left, srcRect.Top, mode, combineCallBack); });
  }
  dst->Changed(target, AREA_KIND_RECT);
}

namespace {

template <class Blend>
void BlendTransferRows(TBitmap32* dst, TRect dstClip, int32_t dstX, int32_t dstY, TBitmap32* srcF, TRect srcRectF,
                       TBitmap32* srcB, TRect srcRectB, Blend blend) {
  if (!dst->MeasuringMode()) {
    const int32_t fx = srcRectF.Left - dstX, fy = srcRectF.Top - dstY;
    const int32_t bx = srcRectB.Left - dstX, by = srcRectB.Top - dstY;
    IntersectRect(dstClip, dstClip, dst->BoundsRect());
    IntersectRect(srcRectF, srcRectF, srcF->BoundsRect());
    IntersectRect(srcRectB, srcRectB, srcB->BoundsRect());
    OffsetRect(srcRectF, -fx, -fy);
    OffsetRect(srcRectB, -bx, -by);
    IntersectRect(dstClip, dstClip, srcRectF);
    IntersectRect(dstClip, dstClip, srcRectB);
    if (!IsRectEmpty(dstClip))
      ThenEmms([&] {
        for (int32_t y = dstClip.Top; y < dstClip.Bottom; ++y)
          for (int32_t x = dstClip.Left; x < dstClip.Right; ++x)
            dst->SetPixel(x, y, blend(srcF->GetPixel(x + fx, y + fy), srcB->GetPixel(x + bx, y + by)));
      });
  }
  dst->Changed(dstClip, AREA_KIND_RECT);
}

bool BlendSourcesUsable(TBitmap32* dst, TBitmap32* srcF, TBitmap32* srcB) {
  if (dst == nullptr) throw EBitmapException("Destination bitmap is nil");
  if (srcF == nullptr || srcB == nullptr) throw EBitmapException("Source bitmap is nil");
  return !dst->Empty() && !srcF->Empty() && !srcB->Empty();
}

}  // namespace

void BlendTransfer(TBitmap32* dst, int32_t dstX, int32_t dstY, TRect dstClip, TBitmap32* srcF, TRect srcRectF,
                   TBitmap32* srcB, TRect srcRectB, TBlendTransferCallback blendCallback) {
  if (!BlendSourcesUsable(dst, srcF, srcB) || blendCallback == nullptr) return;
  BlendTransferRows(dst, dstClip, dstX, dstY, srcF, srcRectF, srcB, srcRectB,
                    [blendCallback](TColor32 f, TColor32 b) { return blendCallback(f, b); });
}

void BlendTransfer(TBitmap32* dst, int32_t dstX, int32_t dstY, TRect dstClip, TBitmap32* srcF, TRect srcRectF,
                   TBitmap32* srcB, TRect srcRectB, TBlendTransferExCallback blendCallback, int32_t masterAlpha) {
  if (!BlendSourcesUsable(dst, srcF, srcB) || blendCallback == nullptr) return;
  BlendTransferRows(dst, dstClip, dstX, dstY, srcF, srcRectF, srcB, srcRectB,
                    [=](TColor32 f, TColor32 b) { return blendCallback(f, b, masterAlpha); });
}

// --- Sub-pixel placement ---------------------------------------------------------------
//
// The rectangle shifted by (fx, fy) / 256 covers one more column and row than it has.
// Each output pixel is the bilinear mix of the four source pixels around it: a
// pixel's left neighbour weighs fx and the pixel itself 255 - fx, its upper neighbour fy
// and itself 255 - fy. Beyond the rectangle the pixels beside it are used when the
// source has them, the rectangle's own edge pixels otherwise. The outer columns and rows
// are then blended by the part of the destination pixel they cover.

namespace {

struct TSubPixelPlacement {
  TBitmap32* dst;
  TBitmap32* src;
  TRect srcRect;      // clipped source rectangle
  int32_t dstX, dstY;  // destination of the output's top-left pixel
  uint32_t fracX, fracY;
  int32_t leftW, topW, rightW, bottomW;

  // Source pixel at column offset i (-1 .. width) of row y, falling back to the edge.
  TColor32 Pixel(int32_t i, int32_t y) const {
    int32_t x = srcRect.Left + i;
    if (x < 0) x = 0;
    if (x >= src->Width()) x = src->Width() - 1;
    return src->GetPixel(x, y);
  }
  int32_t SourceRow(int32_t j) const {
    const int32_t y = srcRect.Top + j;
    if (y < 0) return 0;
    return y >= src->Height() ? src->Height() - 1 : y;
  }
  // The horizontally shifted row j (-1 .. height) of the rectangle: width + 1 entries.
  void ShiftedRow(int32_t j, std::vector<TColor32>& row) const {
    const int32_t y = SourceRow(j);
    const int32_t w = srcRect.Right - srcRect.Left;
    for (int32_t k = 0; k <= w; ++k) row[k] = CombineReg(Pixel(k - 1, y), Pixel(k, y), static_cast<int32_t>(fracX));
  }
  static constexpr int32_t kInner = -1;
  // The blend weight of an output pixel: master alpha times the coverage of the outer
  // column and row it lies on (kInner where it lies on none).
  static int32_t Weight(int32_t hw, int32_t vw, uint32_t ma) {
    const auto m = static_cast<int32_t>(ma);
    if (hw != kInner && vw != kInner) return (hw * vw * m) >> 16;
    if (hw != kInner) return (hw * m) >> 8;
    return vw != kInner ? (vw * m) >> 8 : m;
  }
  void WriteRow(int32_t j, const std::vector<TColor32>& row, uint32_t ma) const {
    const int32_t last = srcRect.Right - srcRect.Left;
    const int32_t h = srcRect.Bottom - srcRect.Top;
    const int32_t vw = j == 0 ? topW : (j == h ? bottomW : kInner);
    TColor32* d = dst->GetPixelPtr(dstX, dstY + j);
    const TCombineMode cm = src->CombineMode();
    BLEND_MEM_EX[cm](row[0], d[0], Weight(leftW, vw, ma));
    if (last > 1) BLEND_LINE_EX[cm](&row[1], d + 1, last - 1, Weight(kInner, vw, ma));
    BLEND_MEM_EX[cm](row[last], d[last], Weight(rightW, vw, ma));
  }
  void Run() const {
    const int32_t w = srcRect.Right - srcRect.Left;
    const int32_t h = srcRect.Bottom - srcRect.Top;
    std::vector<TColor32> previous(w + 1), current(w + 1), mixed(w + 1);
    const uint32_t ma = src->MasterAlpha();
    ShiftedRow(-1, previous);
    for (int32_t j = 0; j <= h; ++j) {
      ShiftedRow(j, current);
      for (int32_t k = 0; k <= w; ++k) mixed[k] = CombineReg(previous[k], current[k], static_cast<int32_t>(fracY));
      WriteRow(j, mixed, ma);
      previous.swap(current);
    }
  }
};

int32_t FixedIntPart(TFixed v) { return v / 65536; }

}  // namespace

void BlockTransferX(TBitmap32* dst, TFixed dstX, TFixed dstY, TBitmap32* src, TRect srcRect, TDrawMode combineOp,
                    const TPixelCombineEvent& combineCallBack) {
  (void)combineCallBack;
  CheckTransferBitmaps(dst, src);
  if (dst->Empty() || src->Empty() || NothingToBlend(combineOp, src)) return;
  const int32_t rw0 = srcRect.Right - srcRect.Left - 1;
  const int32_t rh0 = srcRect.Bottom - srcRect.Top - 1;
  TSubPixelPlacement p{dst, src, srcRect, FixedIntPart(dstX), FixedIntPart(dstY),
                       static_cast<uint32_t>((dstX >> 8) & 0xFF), static_cast<uint32_t>((dstY >> 8) & 0xFF)};
  if (p.dstX >= dst->Width() || p.dstY >= dst->Height() || src->MasterAlpha() == 0 || p.dstX + rw0 <= 0 ||
      p.dstY + rh0 <= 0)
    return;
  const auto fx = static_cast<int32_t>(p.fracX), fy = static_cast<int32_t>(p.fracY);
  p.leftW = p.dstX < 0 ? 255 : 255 - fx;
  p.topW = p.dstY < 0 ? 255 : 255 - fy;
  p.rightW = p.dstX + rw0 < dst->Width() ? fx : 255;
  p.bottomW = p.dstY + rh0 < dst->Height() ? fy : 255;
  TRect limit{0, 0, dst->Width() - 1, dst->Height() - 1};
  OffsetRect(limit, srcRect.Left - p.dstX, srcRect.Top - p.dstY);
  IntersectRect(p.srcRect, p.srcRect, limit);
  if (IsRectEmpty(p.srcRect)) return;
  if (p.dstX < 0) p.dstX = 0;
  if (p.dstY < 0) p.dstY = 0;
  if (!dst->MeasuringMode()) ThenEmms([&] { p.Run(); });
  dst->Changed(TRect{p.dstX, p.dstY, p.dstX + (p.srcRect.Right - p.srcRect.Left) + 1,
                     p.dstY + (p.srcRect.Bottom - p.srcRect.Top) + 1},
               AREA_KIND_RECT);
}

// --- Stretched transfers ---------------------------------------------------------------

void StretchTransfer(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, const TRect& srcRect,
                     TCustomResampler* resampler, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) {
  CheckTransferBitmaps(dst, src);
  if (src->Empty() || dst->Empty() || NothingToBlend(combineOp, src) || !CheckSourceRect(src, srcRect)) return;
  if (!dst->MeasuringMode()) {
    IntersectRect(dstClip, dstClip, dst->BoundsRect());
    IntersectRect(dstClip, dstClip, dstRect);
    if (IsRectEmpty(dstClip)) return;
    const TDrawMode mode = EffectiveMode(combineOp, combineCallBack);
    ThenEmms([&] {
      if (EqualRectSize(srcRect, dstRect))
        CombineBlock(dst, dstClip, src, srcRect.Left + dstClip.Left - dstRect.Left,
                     srcRect.Top + dstClip.Top - dstRect.Top, mode, combineCallBack);
      else
        resampler->Resample(dst, dstRect, dstClip, src, srcRect, mode, combineCallBack);
    });
  }
  dst->Changed(dstRect, AREA_KIND_RECT);
}

namespace {

// Source column (or row) of each destination position from `first` on, `count` of them.
std::vector<int32_t> NearestMap(int32_t srcLo, int32_t srcHi, int32_t dstSize, int32_t first, int32_t count) {
  std::vector<int32_t> map(count);
  if (dstSize < 2) {
    for (auto& entry : map) entry = (srcLo + srcHi - 1) / 2;
    return map;
  }
  const float scale = static_cast<float>(static_cast<double>(srcHi - srcLo) / dstSize);
  for (int32_t i = 0; i < count; ++i) map[i] = Trunc(srcLo + static_cast<double>(i + first) * scale);
  return map;
}

void NearestOpaque(TBitmap32* dst, const TRect& clip, TBitmap32* src, const std::vector<int32_t>& columns,
                   const std::vector<int32_t>& rows) {
  const int32_t clipW = clip.Right - clip.Left;
  for (size_t i = 0; i < rows.size(); ++i) {
    const int32_t y = clip.Top + static_cast<int32_t>(i);
    TColor32* d = dst->GetPixelPtr(clip.Left, y);
    if (i > 0 && rows[i] == rows[i - 1]) {
      MoveLongword(d - dst->Width(), d, clipW);
      continue;
    }
    const TColor32* s = src->GetScanLine(rows[i]);
    for (int32_t x = 0; x < clipW; ++x) d[x] = s[columns[x]];
  }
}

void NearestCombined(TBitmap32* dst, const TRect& clip, TBitmap32* src, const std::vector<int32_t>& columns,
                     const std::vector<int32_t>& rows, TDrawMode combineOp, const TPixelCombineEvent& callback) {
  const int32_t clipW = clip.Right - clip.Left;
  std::vector<TColor32> buffer(clipW);
  for (size_t i = 0; i < rows.size(); ++i) {
    EMMS();
    if (i == 0 || rows[i] != rows[i - 1]) {
      const TColor32* s = src->GetScanLine(rows[i]);
      for (int32_t x = 0; x < clipW; ++x) buffer[x] = s[columns[x]];
    }
    CombineRow(buffer.data(), dst->GetPixelPtr(clip.Left, clip.Top + static_cast<int32_t>(i)), clipW, src, combineOp,
               callback);
  }
}

}  // namespace

void NearestStretch(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src, const TRect& srcRect,
                    TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) {
  IntersectRect(dstClip, dstClip, dst->BoundsRect());
  IntersectRect(dstClip, dstClip, dstRect);
  if (IsRectEmpty(dstClip)) return;
  if (srcRect.Left < 0 || srcRect.Top < 0 || srcRect.Right > src->Width() || srcRect.Bottom > src->Height())
    throw Exception("Invalid SrcRect");
  ThenEmms([&] {
    if (EqualRectSize(srcRect, dstRect)) {
      CombineBlock(dst, dstClip, src, srcRect.Left + dstClip.Left - dstRect.Left,
                   srcRect.Top + dstClip.Top - dstRect.Top, combineOp, combineCallBack);
      return;
    }
    const auto columns = NearestMap(srcRect.Left, srcRect.Right, dstRect.Right - dstRect.Left,
                                    dstClip.Left - dstRect.Left, dstClip.Right - dstClip.Left);
    Assert(columns.front() >= srcRect.Left && columns.back() < srcRect.Right, "Assertion failure");
    const auto rows = NearestMap(srcRect.Top, srcRect.Bottom, dstRect.Bottom - dstRect.Top,
                                 dstClip.Top - dstRect.Top, dstClip.Bottom - dstClip.Top);
    if (combineOp == dmOpaque) NearestOpaque(dst, dstClip, src, columns, rows);
    else NearestCombined(dst, dstClip, src, columns, rows, combineOp, combineCallBack);
  });
}

// --- Accumulators ------------------------------------------------------------------------

void IncBuffer(TBufferEntry& buffer, TColor32 color) {
  buffer.B += static_cast<int32_t>(color & 0xFF);
  buffer.G += static_cast<int32_t>((color >> 8) & 0xFF);
  buffer.R += static_cast<int32_t>((color >> 16) & 0xFF);
  buffer.A += static_cast<int32_t>(color >> 24);
}

void MultiplyBuffer(TBufferEntry& buffer, int32_t w) {
  buffer.B *= w;
  buffer.G *= w;
  buffer.R *= w;
  buffer.A *= w;
}

namespace {
int32_t Shr(int32_t v, int32_t shift) { return static_cast<int32_t>(static_cast<uint32_t>(v) >> shift); }
}  // namespace

void ShrBuffer(TBufferEntry& buffer, int32_t shift) {
  buffer.B = Shr(buffer.B, shift);
  buffer.G = Shr(buffer.G, shift);
  buffer.R = Shr(buffer.R, shift);
  buffer.A = Shr(buffer.A, shift);
}

TColor32 BufferToColor32(const TBufferEntry& entry, int32_t shift) {
  const auto byte = [shift](int32_t v) { return static_cast<TColor32>(Shr(v, shift) & 0xFF); };
  return byte(entry.B) | byte(entry.G) << 8 | byte(entry.R) << 16 | byte(entry.A) << 24;
}

// --- Bitmap resamplers -------------------------------------------------------------------

TBitmap32Resampler::TBitmap32Resampler(TBitmap32* bitmap)
    : bitmap_(bitmap), transformerClass_(TTransformer::StaticClass()) {
  if (bitmap_ != nullptr) bitmap_->SetResampler(this);
}

void TBitmap32Resampler::SetPixelAccessMode(TPixelAccessMode value) {
  if (value == pixelAccessMode_) return;
  pixelAccessMode_ = value;
  Changed();
}

void TBitmap32Resampler::Changed() {
  if (bitmap_ != nullptr) bitmap_->Changed();
}

void TBitmap32Resampler::PrepareSampling() { clipRect_ = bitmap_->ClipRect(); }

TRect TBitmap32Resampler::GetSampleBounds() {
  TRect bounds = bitmap_->ClipRect();
  if (pixelAccessMode_ == pamTransparentEdge) InflateRect(bounds, 1, 1);
  return bounds;
}

void TBitmap32Resampler::CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const {
  auto* target = dynamic_cast<TBitmap32Resampler*>(dest);
  if (target == nullptr) return;
  copy.Value(tkEnumeration, [&] { target->SetPixelAccessMode(pixelAccessMode_); });
}

void TBitmap32Resampler::AssignTo(TPersistent* dest) {
  if (dynamic_cast<TBitmap32Resampler*>(dest) != nullptr) SmartAssign(this, dest);
  else TCustomResampler::AssignTo(dest);
}

TNearestResampler::TNearestResampler(TBitmap32* bitmap) : TBitmap32Resampler(bitmap) {
  SetTransformerClass(TNearestTransformer::StaticClass());
}

void TNearestResampler::PrepareSampling() {
  TBitmap32Resampler::PrepareSampling();
  switch (PixelAccessMode()) {
    case pamUnsafe: access_ = &TNearestResampler::ReadUnsafe; break;
    case pamSafe: access_ = &TNearestResampler::ReadSafe; break;
    case pamWrap: access_ = &TNearestResampler::ReadWrapped; break;
    case pamTransparentEdge: access_ = &TNearestResampler::GetPixelTransparentEdge; break;
  }
}

TColor32 TNearestResampler::ReadUnsafe(int32_t x, int32_t y) { return Bitmap()->GetPixel(x, y); }
TColor32 TNearestResampler::ReadSafe(int32_t x, int32_t y) { return Bitmap()->GetPixelS(x, y); }
TColor32 TNearestResampler::ReadWrapped(int32_t x, int32_t y) { return Bitmap()->GetPixelW(x, y); }

TColor32 TNearestResampler::GetSampleInt(int32_t x, int32_t y) { return (this->*access_)(x, y); }

TColor32 TNearestResampler::GetSampleFixed(TFixed x, TFixed y) {
  return (this->*access_)((x + 0x7FFF) >> 16, (y + 0x7FFF) >> 16);
}

TColor32 TNearestResampler::GetSampleFloat(float x, float y) { return (this->*access_)(Round(x), Round(y)); }

void TNearestResampler::Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src,
                                 const TRect& srcRect, TDrawMode combineOp,
                                 const TPixelCombineEvent& combineCallBack) {
  NearestStretch(dst, dstRect, dstClip, src, srcRect, combineOp, combineCallBack);
}

TColor32 TNearestResampler::GetPixelTransparentEdge(int32_t x, int32_t y) {
  const TRect& clip = Bitmap()->ClipRect();
  const int32_t cx = Constrain(x, clip.Left, clip.Right - 1);
  const int32_t cy = Constrain(y, clip.Top, clip.Bottom - 1);
  const TColor32 pixel = Bitmap()->GetPixel(cx, cy);
  return cx == x && cy == y ? pixel : pixel & 0x00FFFFFF;
}

// --- Registries ----------------------------------------------------------------------------

namespace {
void Register(TClassList*& list, TClass aClass) {
  if (list == nullptr) list = new TClassList;
  list->Add(aClass);
}
}  // namespace

void RegisterResampler(TClass resamplerClass) { Register(ResamplerList, resamplerClass); }
void RegisterKernel(TClass kernelClass) { Register(KernelList, kernelClass); }

namespace {

const TIdentTable& PixelAccessModes() {
  static const TIdentTable table("TPixelAccessMode", {{"pamUnsafe", pamUnsafe}, {"pamSafe", pamSafe},
                                                      {"pamWrap", pamWrap}, {"pamTransparentEdge", pamTransparentEdge}});
  return table;
}

}  // namespace

void InitializeResamplers() {
  using R = TBitmap32Resampler;
  RegisterClassProperties(R::StaticClass(), {EnumProperty<R, TPixelAccessMode>("PixelAccessMode", &R::SetPixelAccessMode,
                                                                                PixelAccessModes(), "pamSafe")});
  for (TClass resampler : {TNearestResampler::StaticClass(), TLinearResampler::StaticClass(),
                           TDraftResampler::StaticClass(), TKernelResampler::StaticClass()}) {
    RegisterClassProperties(resampler, {});
    RegisterResampler(resampler);
  }
  for (TClass kernel : {TBoxKernel::StaticClass(), TLinearKernel::StaticClass(), TCosineKernel::StaticClass(),
                        TSplineKernel::StaticClass(), TCubicKernel::StaticClass(), TMitchellKernel::StaticClass(),
                        TLanczosKernel::StaticClass(), TGaussianKernel::StaticClass(), TBlackmanKernel::StaticClass(),
                        THannKernel::StaticClass(), THammingKernel::StaticClass(), TSinshKernel::StaticClass(),
                        THermiteKernel::StaticClass()})
    RegisterKernel(kernel);
  RegisterKernelProperties();
}

void FinalizeResamplers() {
  FreeAndNil(ResamplerList);
  FreeAndNil(KernelList);
}

}  // namespace imaging
