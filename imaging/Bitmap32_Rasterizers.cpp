#include "imaging/Bitmap32_Rasterizers.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "imaging/Bitmap32_OrdinalMaps.h"
#include "imaging/Bitmap32_System.h"

namespace imaging {

TClass DefaultRasterizerClass = TRegularRasterizer::StaticClass();
int32_t NumberOfProcessors = 1;

void InitializeRasterizers() { NumberOfProcessors = GetProcessorCount(); }

TCombineInfo CombineInfo(const TBitmap32* bitmap) {
  TCombineInfo info;
  info.SrcAlpha = static_cast<int32_t>(bitmap->MasterAlpha());
  info.DrawMode = bitmap->DrawMode();
  info.CombineMode = bitmap->CombineMode();
  info.CombineCallBack = bitmap->OnPixelCombine;
  info.TransparentColor = bitmap->OuterColor;
  if (info.DrawMode == dmCustom && !info.CombineCallBack) info.DrawMode = dmOpaque;
  return info;
}

// --- TRasterizer ----------------------------------------------------------------------

TRasterizer::TRasterizer() { UpdateCombineInfo(DEFAULT_COMBINE_INFO); }

void TRasterizer::SetSampler(TCustomSampler* value) {
  if (value == sampler_) return;
  sampler_ = value;
  Changed();
}

void TRasterizer::UpdateCombineInfo(const TCombineInfo& info) {
  srcAlpha_ = info.SrcAlpha;
  transparentColor_ = info.TransparentColor;
  blendMemEx_ = BLEND_MEM_EX[info.CombineMode];
  combineCallBack_ = info.CombineCallBack;
  switch (info.DrawMode) {
    case dmOpaque: assignColor_ = &TRasterizer::AssignColorOpaque; break;
    case dmBlend: assignColor_ = &TRasterizer::AssignColorBlend; break;
    case dmTransparent: assignColor_ = &TRasterizer::AssignColorTransparent; break;
    case dmCustom:
      assignColor_ = combineCallBack_ ? &TRasterizer::AssignColorCustom : &TRasterizer::AssignColorBlend;
      break;
  }
}

void TRasterizer::AssignColorOpaque(TColor32& dst, TColor32 src) const { dst = src; }

void TRasterizer::AssignColorBlend(TColor32& dst, TColor32 src) const {
  blendMemEx_(src, dst, srcAlpha_);
  EMMS();
}

void TRasterizer::AssignColorTransparent(TColor32& dst, TColor32 src) const {
  if (src != transparentColor_) dst = src;
}

void TRasterizer::AssignColorCustom(TColor32& dst, TColor32 src) const {
  combineCallBack_(src, dst, static_cast<TColor32>(srcAlpha_));
}

void TRasterizer::Rasterize(TBitmap32* dst) { Rasterize(dst, dst->BoundsRect()); }

void TRasterizer::Rasterize(TBitmap32* dst, const TRect& dstRect, const TCombineInfo& info) {
  UpdateCombineInfo(info);
  Rasterize(dst, dstRect);
}

void TRasterizer::Rasterize(TBitmap32* dst, const TRect& dstRect, const TBitmap32* src) {
  Rasterize(dst, dstRect, CombineInfo(src));
}

void TRasterizer::Rasterize(TBitmap32* dst, const TRect& dstRect) {
  const int32_t updateCount = dst->UpdateCount();
  if (sampler_ == nullptr) return;
  sampler_->PrepareSampling();
  try {
    TRect rect;
    IntersectRect(rect, dstRect, dst->BoundsRect());
    if (sampler_->HasBounds()) IntersectRect(rect, rect, sampler_->GetSampleBounds());
    DoRasterize(dst, rect);
  } catch (...) {
    while (dst->UpdateCount() > updateCount) dst->EndUpdate();
    sampler_->FinalizeSampling();
    throw;
  }
  while (dst->UpdateCount() > updateCount) dst->EndUpdate();
  sampler_->FinalizeSampling();
}

void TRasterizer::Assign(TPersistent* source) {
  BeginUpdate();
  try {
    if (auto* bitmap = dynamic_cast<TBitmap32*>(source)) UpdateCombineInfo(CombineInfo(bitmap));
    else TThreadPersistent::Assign(source);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  Changed();
}

void TRasterizer::AssignTo(TPersistent* dest) {
  if (dynamic_cast<TRasterizer*>(dest) != nullptr) SmartAssign(this, dest, tkAny - TTypeKinds{tkMethod});
  else TThreadPersistent::AssignTo(dest);
}

void TRasterizer::CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const {
  if (auto* target = dynamic_cast<TRasterizer*>(dest))
    copy.Value(tkClass, [&] { target->SetSampler(sampler_); });
}

// --- TRegularRasterizer ---------------------------------------------------------------

void TRegularRasterizer::CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const {
  TRasterizer::CopyPublishedProperties(dest, copy);
  if (auto* target = dynamic_cast<TRegularRasterizer*>(dest))
    copy.Value(tkInteger, [&] { target->UpdateRowCount = UpdateRowCount; });
}

void TRegularRasterizer::DoRasterize(TBitmap32* dst, const TRect& dstRect) {
  TCustomSampler* sampler = Sampler();
  int32_t rows = 0;
  for (int32_t y = dstRect.Top; y < dstRect.Bottom; ++y) {
    TColor32* pixel = dst->GetPixelPtr(dstRect.Left, y);
    for (int32_t x = dstRect.Left; x < dstRect.Right; ++x) AssignColor(*pixel++, sampler->GetSampleInt(x, y));
    if (++rows == UpdateRowCount) {
      dst->Changed(TRect{dstRect.Left, y - rows, dstRect.Right, y}, AREA_KIND_RECT);
      rows = 0;
    }
  }
  dst->Changed(TRect{dstRect.Left, dstRect.Bottom - rows - 1, dstRect.Right, dstRect.Bottom}, AREA_KIND_RECT);
}

// --- TSwizzlingRasterizer -------------------------------------------------------------

namespace {

// Steps through a W x H area in Morton order, x the lower bit, skipping the points of
// the enclosing power-of-two square that lie outside.
class TMortonWalk {
 public:
  TMortonWalk(int32_t width, int32_t height) : width_(width), height_(height) {
    int32_t bits = 0;
    while ((int64_t{1} << (bits + 1)) <= std::max({width, height, 1})) ++bits;
    zeros_.assign((size_t{1} << (bits + 1)) + 1, 0);
    for (size_t i = 2; i < zeros_.size(); i += 2) zeros_[i] = zeros_[i / 2] + 1;
  }

  TPoint Next() {
    for (;;) {
      const int32_t a = zeros_[x_ + 1];
      const int32_t b = zeros_[y_ + 1];
      TPoint candidate{x_ + 1, y_ + 1};
      if (a <= b) candidate.Y -= 1 << a;
      else candidate.X -= 1 << (b + 1);
      if (candidate.Y >= height_) {
        y_ += 1 << b;
      } else if (candidate.X >= width_) {
        x_ += 1 << a;
      } else {
        x_ = candidate.X;
        y_ = candidate.Y;
        return candidate;
      }
    }
  }

 private:
  int32_t width_;
  int32_t height_;
  int32_t x_ = -1;
  int32_t y_ = 0;
  std::vector<int32_t> zeros_;  // trailing zero bits of the even indices
};

}  // namespace

void TSwizzlingRasterizer::CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const {
  TRasterizer::CopyPublishedProperties(dest, copy);
  if (auto* target = dynamic_cast<TSwizzlingRasterizer*>(dest))
    copy.Value(tkInteger, [&] { target->BlockSize = BlockSize; });
}

void TSwizzlingRasterizer::DoRasterize(TBitmap32* dst, const TRect& dstRect) {
  const int32_t width = dstRect.Right - dstRect.Left;
  const int32_t height = dstRect.Bottom - dstRect.Top;
  if (width <= 0 || height <= 0) return;
  TCustomSampler* sampler = Sampler();
  const int32_t d = 1 << BlockSize;
  TPoint corner{dstRect.Left + d, dstRect.Top + d};
  TMortonWalk walk(width, height);
  for (int64_t i = int64_t{width} * height; i > 0; --i) {
    const TPoint p = walk.Next();
    const int32_t x = dstRect.Left + p.X;
    const int32_t y = dstRect.Top + p.Y;
    AssignColor(*dst->GetPixelPtr(x, y), sampler->GetSampleInt(x, y));
    if (x >= corner.X || y >= corner.Y) {
      dst->Changed(TRect{corner.X - d, corner.Y - d, corner.X, corner.Y}, AREA_KIND_RECT);
      corner = TPoint{x + d, y + d};
    }
  }
  dst->Changed(TRect{corner.X - d, corner.Y - d, corner.X, corner.Y}, AREA_KIND_RECT);
}

// --- TProgressiveRasterizer -----------------------------------------------------------

void TProgressiveRasterizer::CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const {
  TRasterizer::CopyPublishedProperties(dest, copy);
  if (auto* target = dynamic_cast<TProgressiveRasterizer*>(dest)) {
    copy.Value(tkInteger, [&] { target->Steps = Steps; });
    copy.Value(tkEnumeration, [&] { target->UpdateRows = UpdateRows; });
  }
}

void TProgressiveRasterizer::FillBlock(TBitmap32* dst, const TRect& block) {
  if (block.Left >= block.Right || block.Top >= block.Bottom) return;
  dst->FillRect(block.Left, block.Top, block.Right, block.Bottom, Sampler()->GetSampleInt(block.Left, block.Top));
}

void TProgressiveRasterizer::Notify(TBitmap32* dst, const TRect& area) const {
  if (notify_) dst->OnAreaChanged(dst, area, AREA_KIND_RECT);
}

void TProgressiveRasterizer::DoRasterize(TBitmap32* dst, const TRect& dstRect) {
  notify_ = dst->UpdateCount() == 0 && static_cast<bool>(dst->OnAreaChanged);
  dst->BeginUpdate();  // Rasterize ends it
  const int32_t width = dstRect.Right - dstRect.Left;
  const int32_t height = dstRect.Bottom - dstRect.Top;
  int32_t shift = Steps;
  int32_t step = 1 << shift;
  for (int32_t y = dstRect.Top; y < dstRect.Bottom; y += step) {
    const int32_t bandBottom = std::min(y + step, dstRect.Bottom);
    int32_t x = dstRect.Left;
    for (; x < dstRect.Right - step; x += step) FillBlock(dst, TRect{x, y, x + step, bandBottom});
    if (x < dstRect.Right) FillBlock(dst, TRect{x, y, dstRect.Right, bandBottom});
    if (UpdateRows) Notify(dst, TRect{dstRect.Left, y, dstRect.Right, bandBottom});
  }
  if (!UpdateRows) Notify(dst, dstRect);
  while (step > 1) {
    --shift;
    step >>= 1;
    // At least one block per band: a rectangle narrower than the step is one block.
    const int32_t lastBlock = std::max(width / step - 1, 0);
    for (int32_t j = 0; j <= height / step; ++j) {
      const int32_t y = dstRect.Top + j * step;
      const int32_t bandBottom = std::min(y + step, dstRect.Bottom);
      if (y >= bandBottom) break;
      for (int32_t i = (j & 1) ? 0 : 1; i <= lastBlock; i += (j & 1) ? 1 : 2) {
        const int32_t x = dstRect.Left + i * step;
        FillBlock(dst, TRect{x, y, std::min(x + step, dstRect.Right), bandBottom});
      }
      FillBlock(dst, TRect{dstRect.Left + lastBlock * step, y, dstRect.Right, bandBottom});
      if (UpdateRows) Notify(dst, TRect{dstRect.Left, y, dstRect.Right, bandBottom});
    }
    if (!UpdateRows) Notify(dst, dstRect);
  }
}

// --- TTesseralRasterizer --------------------------------------------------------------

void TTesseralRasterizer::WritePixel(int32_t x, int32_t y) {
  AssignColor(*dst_->GetPixelPtr(x, y), Sampler()->GetSampleInt(x, y));
}

void TTesseralRasterizer::DoRasterize(TBitmap32* dst, const TRect& dstRect) {
  const int32_t width = dstRect.Right - dstRect.Left;
  const int32_t height = dstRect.Bottom - dstRect.Top;
  if (width <= 0 || height <= 0) return;
  dst_ = dst;
  for (int32_t x = dstRect.Left; x < dstRect.Right; ++x) WritePixel(x, dstRect.Top);
  dst->Changed(TRect{dstRect.Left, dstRect.Top, dstRect.Right, dstRect.Top + 1}, AREA_KIND_RECT);
  for (int32_t y = dstRect.Top; y < dstRect.Bottom; ++y) WritePixel(dstRect.Left, y);
  dst->Changed(TRect{dstRect.Left, dstRect.Top, dstRect.Left + 1, dstRect.Bottom}, AREA_KIND_RECT);
  if (width > height) SplitVertical(dstRect.Left, dstRect.Top, width, height);
  else SplitHorizontal(dstRect.Left, dstRect.Top, width, height);
}

void TTesseralRasterizer::SplitVertical(int32_t x, int32_t y, int32_t w, int32_t h) {
  const int32_t half = w / 2;
  if (half <= 0) return;
  for (int32_t row = y + 1; row < y + h; ++row) WritePixel(x + half, row);
  dst_->Changed(TRect{x + half, y, x + half + 1, y + h}, AREA_KIND_RECT);
  SplitHorizontal(x, y, half, h);
  SplitHorizontal(x + half, y, w - half, h);
}

void TTesseralRasterizer::SplitHorizontal(int32_t x, int32_t y, int32_t w, int32_t h) {
  const int32_t half = h / 2;
  if (half <= 0) return;
  for (int32_t column = x + 1; column < x + w; ++column) WritePixel(column, y + half);
  dst_->Changed(TRect{x, y + half, x + w, y + half + 1}, AREA_KIND_RECT);
  SplitVertical(x, y, w, half);
  SplitVertical(x, y + half, w, h - half);
}

// --- TContourRasterizer ---------------------------------------------------------------

void TContourRasterizer::DoRasterize(TBitmap32* dst, const TRect& dstRect) {
  const int32_t width = dstRect.Right - dstRect.Left;
  const int32_t height = dstRect.Bottom - dstRect.Top;
  if (width <= 0 || height <= 0) return;
  static constexpr TPoint kSteps[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};  // up, right, down, left
  TCustomSampler* sampler = Sampler();
  TBooleanMap visited;
  visited.SetSize(width, height);
  auto write = [&](int32_t x, int32_t y) {
    const TColor32 color = sampler->GetSampleInt(dstRect.Left + x, dstRect.Top + y);
    AssignColor(*dst->GetPixelPtr(dstRect.Left + x, dstRect.Top + y), color);
    return color;
  };
  TPoint p{0, 0};
  int32_t direction = 1;
  TColor32 last = write(0, 0);
  TRect update{p.X, p.Y, p.X + 1, p.Y + 1};
  int32_t scan = 0;  // where the search for an unvisited pixel goes on
  for (;;) {
    int32_t best = -1;
    int32_t bestDifference = 0;
    for (const int32_t candidate : {direction, (direction + 3) % 4, (direction + 1) % 4}) {
      const int32_t x = p.X + kSteps[candidate].X;
      const int32_t y = p.Y + kSteps[candidate].Y;
      if (x < 0 || y < 0 || x >= width || y >= height || visited.GetValue(x, y)) continue;
      const int32_t difference = Intensity(ColorSub(write(x, y), last));
      visited.SetValue(x, y, true);
      update = TRect{std::min(update.Left, x), std::min(update.Top, y), std::max(update.Right, x + 1),
                     std::max(update.Bottom, y + 1)};
      if (best < 0 || difference < bestDifference) {
        best = candidate;
        bestDifference = difference;
      }
    }
    if (best >= 0) {
      direction = best;
      p = TPoint{p.X + kSteps[best].X, p.Y + kSteps[best].Y};
      last = dst->GetPixel(dstRect.Left + p.X, dstRect.Top + p.Y);
      continue;
    }
    OffsetRect(update, dstRect.Left, dstRect.Top);
    dst->Changed(update, AREA_KIND_RECT);
    while (scan < width * height && visited.GetValue(scan % width, scan / width)) ++scan;
    if (scan >= width * height) return;
    p = TPoint{scan % width, scan / width};
    visited.SetValue(p.X, p.Y, true);
    last = write(p.X, p.Y);
    update = TRect{p.X, p.Y, p.X + 1, p.Y + 1};
  }
}

// --- TMultithreadedRegularRasterizer --------------------------------------------------

TScanLineRasterizerThread::TScanLineRasterizerThread(std::atomic<int32_t>& row, int32_t bottom,
                                                     const TRowWriter& writeRow)
    : row_(row), bottom_(bottom), writeRow_(writeRow) {}

void TScanLineRasterizerThread::Execute() {
  for (int32_t y = ++row_; y < bottom_; y = ++row_) writeRow_(y);
}

void TMultithreadedRegularRasterizer::WriteRow(int32_t y) {
  TCustomSampler* sampler = Sampler();
  TColor32* pixel = dst_->GetPixelPtr(rect_.Left, y);
  for (int32_t x = rect_.Left; x < rect_.Right; ++x) AssignColor(*pixel++, sampler->GetSampleInt(x, y));
}

void TMultithreadedRegularRasterizer::DoRasterize(TBitmap32* dst, const TRect& dstRect) {
  dst_ = dst;
  rect_ = dstRect;
  std::atomic<int32_t> row{dstRect.Top - 1};
  std::exception_ptr failure;
  if (dstRect.Right > dstRect.Left) {
    std::vector<std::unique_ptr<TScanLineRasterizerThread>> workers;
    const TScanLineRasterizerThread::TRowWriter writer(this, &TMultithreadedRegularRasterizer::WriteRow);
    for (int32_t i = 0; i < std::max(NumberOfProcessors, 1); ++i)
      workers.push_back(std::make_unique<TScanLineRasterizerThread>(row, dstRect.Bottom, writer));
    for (auto& worker : workers) worker->Start();
    for (auto& worker : workers) {
      worker->WaitFor();
      if (!failure) failure = worker->FatalException();
    }
  }
  dst->Changed(dstRect, AREA_KIND_RECT);
  if (failure) std::rethrow_exception(failure);
}

}  // namespace imaging
