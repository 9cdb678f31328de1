#include "imaging/Bitmap32_Samplers_Nested.h"

#include "imaging/Bitmap32_Blend.h"
#include "imaging/Bitmap32_LowLevel.h"
#include "imaging/Bitmap32_Rounding.h"

namespace imaging {

// --- TNestedSampler --------------------------------------------------------------------

TCustomSampler* TNestedSampler::Nested() const {
  if (sampler_ == nullptr) throw ENestedException("Nested sampler is nil");
  return sampler_;
}

void TNestedSampler::PrepareSampling() { Nested()->PrepareSampling(); }
void TNestedSampler::FinalizeSampling() { Nested()->FinalizeSampling(); }
bool TNestedSampler::HasBounds() { return Nested()->HasBounds(); }
TRect TNestedSampler::GetSampleBounds() { return Nested()->GetSampleBounds(); }

void TNestedSampler::CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const {
  if (auto* target = dynamic_cast<TNestedSampler*>(dest)) copy.Value(tkClass, [&] { target->SetSampler(sampler_); });
}

void TNestedSampler::AssignTo(TPersistent* dest) {
  if (dynamic_cast<TNestedSampler*>(dest) != nullptr) SmartAssign(this, dest);
  else TCustomSampler::AssignTo(dest);
}

// --- TTransformer ----------------------------------------------------------------------

TTransformer::TTransformer(TCustomSampler* sampler, TTransformation* transformation) : TNestedSampler(sampler) {
  SetTransformation(transformation);
}

TColor32 TTransformer::GetSampleInt(int32_t x, int32_t y) {
  TFixed u;
  TFixed v;
  transformation_->ReverseTransformFixed(Fixed(x), Fixed(y), u, v);
  return Sampler()->GetSampleFixed(u, v);
}

TColor32 TTransformer::GetSampleFixed(TFixed x, TFixed y) {
  TFixed u;
  TFixed v;
  transformation_->ReverseTransformFixed(x, y, u, v);
  return Sampler()->GetSampleFixed(u, v);
}

TColor32 TTransformer::GetSampleFloat(float x, float y) {
  float u;
  float v;
  transformation_->ReverseTransformFloat(x, y, u, v);
  return Sampler()->GetSampleFloat(u, v);
}

void TTransformer::PrepareSampling() {
  TNestedSampler::PrepareSampling();
  if (!transformation_->TransformValid()) transformation_->PrepareTransform();
}

bool TTransformer::HasBounds() { return transformation_->HasTransformedBounds() && TNestedSampler::HasBounds(); }

TRect TTransformer::GetSampleBounds() {
  return transformation_->GetTransformedBounds(FloatRect(TNestedSampler::GetSampleBounds()));
}

// --- TNearestTransformer ---------------------------------------------------------------

TColor32 TNearestTransformer::GetSampleInt(int32_t x, int32_t y) {
  int32_t u;
  int32_t v;
  Mapping()->ReverseTransformInt(x, y, u, v);
  return Sampler()->GetSampleInt(u, v);
}

TColor32 TNearestTransformer::GetSampleFixed(TFixed x, TFixed y) {
  TFixed u;
  TFixed v;
  Mapping()->ReverseTransformFixed(x, y, u, v);
  return Sampler()->GetSampleInt(static_cast<int32_t>(static_cast<uint32_t>(u) >> 16),
                                 static_cast<int32_t>(static_cast<uint32_t>(v) >> 16));
}

TColor32 TNearestTransformer::GetSampleFloat(float x, float y) {
  float u;
  float v;
  Mapping()->ReverseTransformFloat(x, y, u, v);
  return Sampler()->GetSampleInt(Round(u), Round(v));
}

// --- TSuperSampler ---------------------------------------------------------------------

TSuperSampler::TSuperSampler(TCustomSampler* sampler) : TNestedSampler(sampler) {
  SetSamplingX(4);
  SetSamplingY(4);
}

void TSuperSampler::SetSamplingX(TSamplingRange value) {
  samplingX_ = value;
  distanceX_ = Fixed(1.0f / static_cast<float>(value));
  offsetX_ = Fixed((1.0f / static_cast<float>(value) - 1) / 2);
  UpdateScale();
}

void TSuperSampler::SetSamplingY(TSamplingRange value) {
  samplingY_ = value;
  distanceY_ = Fixed(1.0f / static_cast<float>(value));
  offsetY_ = Fixed((1.0f / static_cast<float>(value) - 1) / 2);
  UpdateScale();
}

void TSuperSampler::UpdateScale() {
  scale_ = Fixed(static_cast<float>(1.0 / (static_cast<double>(samplingX_) * samplingY_)));
}

TColor32 TSuperSampler::GetSampleFixed(TFixed x, TFixed y) {
  TCustomSampler* nested = Nested();
  TBufferEntry entry = EMPTY_ENTRY;
  TFixed y0 = y + offsetY_;
  for (int32_t j = 0; j < samplingY_; ++j, y0 += distanceY_) {
    TFixed x0 = x + offsetX_;
    for (int32_t i = 0; i < samplingX_; ++i, x0 += distanceX_) IncBuffer(entry, nested->GetSampleFixed(x0, y0));
  }
  MultiplyBuffer(entry, scale_);
  return BufferToColor32(entry, 16);
}

void TSuperSampler::CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const {
  TNestedSampler::CopyPublishedProperties(dest, copy);
  if (auto* target = dynamic_cast<TSuperSampler*>(dest)) {
    copy.Value(tkInteger, [&] { target->SetSamplingX(samplingX_); });
    copy.Value(tkInteger, [&] { target->SetSamplingY(samplingY_); });
  }
}

// --- TAdaptiveSuperSampler -------------------------------------------------------------

TAdaptiveSuperSampler::TAdaptiveSuperSampler(TCustomSampler* sampler) : TNestedSampler(sampler) { SetLevel(4); }

void TAdaptiveSuperSampler::SetLevel(int32_t value) {
  level_ = value;
  minOffset_ = Fixed(1.0f / static_cast<float>(uint32_t{1} << (value & 31)));
}

bool TAdaptiveSuperSampler::CompareColors(TColor32 c1, TColor32 c2) {
  const TColor32 d = ColorDifference(c1, c2);
  const int32_t sum = static_cast<int32_t>(((d >> 16) & 0xFF) + ((d >> 8) & 0xFF) + (d & 0xFF));
  return Tolerance < sum;
}

TColor32 TAdaptiveSuperSampler::GetSampleFixed(TFixed x, TFixed y) {
  Nested();
  const TColor32 tl = Sample(x - FixedHalf, y - FixedHalf);
  const TColor32 tr = Sample(x + FixedHalf, y - FixedHalf);
  const TColor32 br = Sample(x + FixedHalf, y + FixedHalf);
  const TColor32 bl = Sample(x - FixedHalf, y + FixedHalf);
  const TColor32 result = DoRecurse(x, y, FixedOne / 4, tl, tr, br, bl, Sample(x, y));
  EMMS();
  return result;
}

TColor32 TAdaptiveSuperSampler::DoRecurse(TFixed x, TFixed y, TFixed offset, TColor32 tl, TColor32 tr, TColor32 br,
                                          TColor32 bl, TColor32 m) {
  const TColor32 q1 = QuadrantColor(tl, m, x - offset, y - offset, offset, &TAdaptiveSuperSampler::RecurseAC);
  const TColor32 q2 = QuadrantColor(tr, m, x + offset, y - offset, offset, &TAdaptiveSuperSampler::RecurseBD);
  const TColor32 q3 = QuadrantColor(m, br, x + offset, y + offset, offset, &TAdaptiveSuperSampler::RecurseAC);
  const TColor32 q4 = QuadrantColor(m, bl, x - offset, y + offset, offset, &TAdaptiveSuperSampler::RecurseBD);
  return ColorAverage(ColorAverage(q1, q2), ColorAverage(q3, q4));
}

TColor32 TAdaptiveSuperSampler::QuadrantColor(TColor32 c1, TColor32 c2, TFixed x, TFixed y, TFixed offset,
                                              TRecurseProc proc) {
  if (CompareColors(c1, c2) && offset >= minOffset_) return (this->*proc)(x, y, offset, c1, c2);
  return ColorAverage(c1, c2);
}

TColor32 TAdaptiveSuperSampler::RecurseAC(TFixed x, TFixed y, TFixed offset, TColor32 tl, TColor32 br) {
  EMMS();
  const TColor32 tr = Sample(x + offset, y - offset);
  const TColor32 bl = Sample(x - offset, y + offset);
  return DoRecurse(x, y, offset >> 1, tl, tr, br, bl, Sample(x, y));
}

TColor32 TAdaptiveSuperSampler::RecurseBD(TFixed x, TFixed y, TFixed offset, TColor32 tr, TColor32 bl) {
  EMMS();
  const TColor32 tl = Sample(x - offset, y - offset);
  const TColor32 br = Sample(x + offset, y + offset);
  return DoRecurse(x, y, offset >> 1, tl, tr, br, bl, Sample(x, y));
}

void TAdaptiveSuperSampler::CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const {
  TNestedSampler::CopyPublishedProperties(dest, copy);
  if (auto* target = dynamic_cast<TAdaptiveSuperSampler*>(dest)) {
    copy.Value(tkInteger, [&] { target->SetLevel(level_); });
    copy.Value(tkInteger, [&] { target->Tolerance = Tolerance; });
  }
}

// --- TPatternSampler -------------------------------------------------------------------

void TPatternSampler::SetPattern(const TFixedSamplePattern& value) {
  if (!value.empty()) pattern_ = value;
}

TColor32 TPatternSampler::GetSampleFixed(TFixed x, TFixed y) {
  TCustomSampler* nested = Nested();
  const auto& row = pattern_[Wrap(y >> 16, static_cast<int32_t>(pattern_.size()) - 1)];
  const TArrayOfFixedPoint& offsets = row[Wrap(x >> 16, static_cast<int32_t>(row.size()) - 1)];
  TBufferEntry entry = EMPTY_ENTRY;
  for (const TFixedPoint& offset : offsets) IncBuffer(entry, nested->GetSampleFixed(x + offset.X, y + offset.Y));
  MultiplyBuffer(entry, FixedOne / static_cast<int32_t>(offsets.size()));
  return BufferToColor32(entry, 16);
}

TFixedSamplePattern CreateJitteredPattern(int32_t tileWidth, int32_t tileHeight, int32_t samplesX,
                                          int32_t samplesY) {
  TFixedSamplePattern pattern(tileHeight, std::vector<TArrayOfFixedPoint>(tileWidth));
  for (int32_t i = 0; i < tileWidth; ++i)
    for (int32_t j = 0; j < tileHeight; ++j) {
      TArrayOfFixedPoint& cell = pattern[j][i];
      cell.resize(static_cast<size_t>(samplesX) * samplesY);
      for (int32_t sx = 0; sx < samplesX; ++sx)
        for (int32_t sy = 0; sy < samplesY; ++sy) {
          const int32_t r1 = RandomInteger(65536);
          const int32_t r2 = RandomInteger(65536);
          cell[sx + sy * samplesX] = TFixedPoint{(r1 + sx * 65536) / samplesX - 32768, (r2 + sy * 65536) / samplesY - 32768};
        }
    }
  return pattern;
}

}  // namespace imaging
