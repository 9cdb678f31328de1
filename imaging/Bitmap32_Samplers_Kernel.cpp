#include "imaging/Bitmap32_Samplers_Kernel.h"

#include <algorithm>
#include <cstdlib>

#include "imaging/Bitmap32_Blend.h"
#include "imaging/Bitmap32_Rasterizers.h"

namespace imaging {

namespace {

// The four channels of a colour in the order of a buffer entry's accumulators.
struct TChannels {
  int32_t B, G, R, A;
};

TChannels ChannelsOf(TColor32 c) {
  return TChannels{static_cast<int32_t>(c & 0xFF), static_cast<int32_t>((c >> 8) & 0xFF),
                   static_cast<int32_t>((c >> 16) & 0xFF), static_cast<int32_t>(c >> 24)};
}

template <class Rule>
void ForEachChannel(TBufferEntry& entry, TColor32 color, Rule rule) {
  const TChannels c = ChannelsOf(color);
  rule(entry.B, c.B);
  rule(entry.G, c.G);
  rule(entry.R, c.R);
  rule(entry.A, c.A);
}

void Constrain(TBufferEntry& entry, int32_t high) {
  for (int32_t* a : {&entry.B, &entry.G, &entry.R, &entry.A}) *a = std::clamp(*a, 0, high);
}

TColor32 Pack(const TBufferEntry& e) {
  return (static_cast<TColor32>(e.A & 0xFF) << 24) | (static_cast<TColor32>(e.R & 0xFF) << 16) |
         (static_cast<TColor32>(e.G & 0xFF) << 8) | static_cast<TColor32>(e.B & 0xFF);
}

// Rasterizes dst with a sampler of the class over src's resampler and the caller's kernel.
template <class Sampler>
void FilterWith(TBitmap32* src, TBitmap32* dst, TIntegerMap* kernel) {
  std::unique_ptr<TRasterizer> rasterizer(static_cast<TRasterizer*>(DefaultRasterizerClass->Create()));
  dst->SetSizeFrom(src);
  Sampler sampler(src->Resampler());
  sampler.UseKernel(kernel);
  rasterizer->SetSampler(&sampler);
  rasterizer->Rasterize(dst);
}

}  // namespace

// --- TKernelSampler --------------------------------------------------------------------

TKernelSampler::TKernelSampler(TCustomSampler* sampler)
    : TNestedSampler(sampler), ownKernel_(std::make_unique<TIntegerMap>()), kernel_(ownKernel_.get()) {}

void TKernelSampler::UseKernel(TIntegerMap* kernel) {
  kernel_ = kernel;
  ownKernel_.reset();
}

template <class Sample>
TColor32 TKernelSampler::Accumulate(Sample sample) {
  TBufferEntry entry = StartEntry;
  for (int32_t i = 0; i < kernel_->Width(); ++i)
    for (int32_t j = 0; j < kernel_->Height(); ++j) UpdateBuffer(entry, sample(i, j), kernel_->GetValue(i, j));
  return ConvertBuffer(entry);
}

TColor32 TKernelSampler::GetSampleInt(int32_t x, int32_t y) {
  TCustomSampler* nested = Nested();
  return Accumulate([&](int32_t i, int32_t j) { return nested->GetSampleInt(x + CenterX - i, y + CenterY - j); });
}

TColor32 TKernelSampler::GetSampleFixed(TFixed x, TFixed y) {
  TCustomSampler* nested = Nested();
  const TFixed x0 = x + Fixed(CenterX);
  const TFixed y0 = y + Fixed(CenterY);
  return Accumulate([&](int32_t i, int32_t j) { return nested->GetSampleFixed(x0 - Fixed(i), y0 - Fixed(j)); });
}

TColor32 TKernelSampler::ConvertBuffer(TBufferEntry& entry) {
  Constrain(entry, 65535);
  return BufferToColor32(entry, 8);
}

void TKernelSampler::CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const {
  TNestedSampler::CopyPublishedProperties(dest, copy);
  if (auto* target = dynamic_cast<TKernelSampler*>(dest)) {
    copy.Value(tkInteger, [&] { target->CenterX = CenterX; });
    copy.Value(tkInteger, [&] { target->CenterY = CenterY; });
  }
}

// --- The kinds -------------------------------------------------------------------------

void TConvolver::UpdateBuffer(TBufferEntry& entry, TColor32 color, int32_t weight) {
  ForEachChannel(entry, color, [weight](int32_t& a, int32_t c) { a += weight * c; });
}

void TDilater::UpdateBuffer(TBufferEntry& entry, TColor32 color, int32_t weight) {
  ForEachChannel(entry, color, [weight](int32_t& a, int32_t c) { a = std::max(a, weight + c); });
}

TEroder::TEroder(TCustomSampler* sampler) : TMorphologicalSampler(sampler) {
  StartEntry = TBufferEntry{65535, 65535, 65535, 65535};
}

void TEroder::UpdateBuffer(TBufferEntry& entry, TColor32 color, int32_t weight) {
  ForEachChannel(entry, color, [weight](int32_t& a, int32_t c) { a = std::min(a, c - weight); });
}

TColor32 TMorphologicalSampler::ConvertBuffer(TBufferEntry& entry) {
  Constrain(entry, 255);
  return Pack(entry);
}

void TExpander::UpdateBuffer(TBufferEntry& entry, TColor32 color, int32_t weight) {
  ForEachChannel(entry, color, [weight](int32_t& a, int32_t c) { a = std::max(a, weight * c); });
}

void TContracter::UpdateBuffer(TBufferEntry& entry, TColor32 color, int32_t weight) {
  TExpander::UpdateBuffer(entry, ~color, weight);
}

void TContracter::PrepareSampling() {
  TExpander::PrepareSampling();
  int32_t m = INT32_MIN;
  const TIntegerMap* kernel = Kernel();
  for (int32_t j = 0; j < kernel->Height(); ++j)
    for (int32_t i = 0; i < kernel->Width(); ++i) m = std::max(m, kernel->GetValue(i, j));
  m = std::min(m, 255);
  maxWeight_ = Gray32(static_cast<uint8_t>(m), static_cast<uint8_t>(m));
}

TColor32 TContracter::GetSampleInt(int32_t x, int32_t y) { return ColorSub(maxWeight_, TExpander::GetSampleInt(x, y)); }

TColor32 TContracter::GetSampleFixed(TFixed x, TFixed y) {
  return ColorSub(maxWeight_, TExpander::GetSampleFixed(x, y));
}

// --- TSelectiveConvolver ---------------------------------------------------------------

TColor32 TSelectiveConvolver::GetSampleInt(int32_t x, int32_t y) {
  reference_ = Nested()->GetSampleInt(x, y);
  weightSum_ = EMPTY_ENTRY;
  return TConvolver::GetSampleInt(x, y);
}

TColor32 TSelectiveConvolver::GetSampleFixed(TFixed x, TFixed y) {
  reference_ = Nested()->GetSampleFixed(x, y);
  weightSum_ = EMPTY_ENTRY;
  return TConvolver::GetSampleFixed(x, y);
}

void TSelectiveConvolver::UpdateBuffer(TBufferEntry& entry, TColor32 color, int32_t weight) {
  const TChannels reference = ChannelsOf(reference_);
  const TChannels c = ChannelsOf(color);
  const auto take = [&](int32_t& sum, int32_t& weights, int32_t ref, int32_t value) {
    if (std::abs(ref - value) > Delta) return;
    sum += weight * value;
    weights += weight;
  };
  take(entry.B, weightSum_.B, reference.B, c.B);
  take(entry.G, weightSum_.G, reference.G, c.G);
  take(entry.R, weightSum_.R, reference.R, c.R);
  take(entry.A, weightSum_.A, reference.A, c.A);
}

TColor32 TSelectiveConvolver::ConvertBuffer(TBufferEntry& entry) {
  // A channel without passing weight keeps 0 instead of dividing by zero.
  const auto mean = [](int32_t sum, int32_t weights) { return weights != 0 ? sum / weights : 0; };
  return Pack(TBufferEntry{mean(entry.B, weightSum_.B), mean(entry.G, weightSum_.G), mean(entry.R, weightSum_.R),
                           mean(entry.A, weightSum_.A)});
}

void TSelectiveConvolver::CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const {
  TConvolver::CopyPublishedProperties(dest, copy);
  if (auto* target = dynamic_cast<TSelectiveConvolver*>(dest)) copy.Value(tkInteger, [&] { target->Delta = Delta; });
}

// --- Whole-bitmap filters --------------------------------------------------------------

void Convolve(TBitmap32* src, TBitmap32* dst, TIntegerMap* kernel, int32_t, int32_t) {
  FilterWith<TConvolver>(src, dst, kernel);
}
void Dilate(TBitmap32* src, TBitmap32* dst, TIntegerMap* kernel, int32_t, int32_t) {
  FilterWith<TDilater>(src, dst, kernel);
}
void Erode(TBitmap32* src, TBitmap32* dst, TIntegerMap* kernel, int32_t, int32_t) {
  FilterWith<TEroder>(src, dst, kernel);
}
void Expand(TBitmap32* src, TBitmap32* dst, TIntegerMap* kernel, int32_t, int32_t) {
  FilterWith<TExpander>(src, dst, kernel);
}
void Contract(TBitmap32* src, TBitmap32* dst, TIntegerMap* kernel, int32_t, int32_t) {
  FilterWith<TContracter>(src, dst, kernel);
}

}  // namespace imaging
