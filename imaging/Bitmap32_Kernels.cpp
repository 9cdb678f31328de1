#include "imaging/Bitmap32_Kernels.h"

#include <algorithm>
#include <cmath>

#include "classlib/formres/PropertyBinders.h"
#include "imaging/Bitmap32_Rounding.h"

namespace imaging {

namespace {

constexpr long double kPi = 3.1415926535897932385L;

float SinC(float x) {
  if (x == 0) return 1;
  const long double px = kPi * x;
  return static_cast<float>(std::sin(px) / px);
}

float CosPi(float x) { return static_cast<float>(std::cos(kPi * x)); }

}  // namespace

// --- Kernels ------------------------------------------------------------------------------

void TCustomKernel::Changed() {
  if (Observer != nullptr) Observer->Changed();
}

void TCustomKernel::AssignTo(TPersistent* dest) {
  if (dynamic_cast<TCustomKernel*>(dest) != nullptr) SmartAssign(this, dest);
  else TPersistent::AssignTo(dest);
}

void TCustomKernel::CopyPublishedProperties(TPersistent*, const TPublishedCopy&) const {}

void TCustomKernel::Store(float& field, float value) {
  if (field == value) return;
  field = value;
  Changed();
}

float TBoxKernel::Filter(float value) const { return value >= -0.5f && value <= 0.5f ? 1.0f : 0.0f; }

float TLinearKernel::Filter(float value) const {
  const float a = std::fabs(value);
  return a < 1 ? 1 - a : 0;
}

float TCosineKernel::Filter(float value) const {
  return std::fabs(value) < 1 ? (CosPi(value) + 1) / 2 : 0;
}

float TSplineKernel::Filter(float value) const {
  const float a = std::fabs(value);
  if (a < 1) return a * a * a / 2 - a * a + 2.0f / 3;
  if (a < 2) {
    const float b = 2 - a;
    return b * b * b / 6;
  }
  return 0;
}

float TMitchellKernel::Filter(float value) const {
  const float a = std::fabs(value);
  const float a2 = a * a, a3 = a2 * a;
  if (a < 1) return (7 * a3 - 12 * a2 + 16.0f / 3) / 6;
  if (a < 2) return (-7.0f / 3 * a3 + 12 * a2 - 20 * a + 32.0f / 3) / 6;
  return 0;
}

float TCubicKernel::Filter(float value) const {
  const float a = std::fabs(value);
  const float a2 = a * a, a3 = a2 * a;
  if (a < 1) return (coeff_ + 2) * a3 - (coeff_ + 3) * a2 + 1;
  if (a < 2) return coeff_ * (a3 - 5 * a2 + 8 * a - 4);
  return 0;
}

void TCubicKernel::CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const {
  if (auto* target = dynamic_cast<TCubicKernel*>(dest)) copy.Value(tkFloat, [&] { target->SetCoeff(coeff_); });
}

float THermiteKernel::Filter(float value) const {
  const float t0 = (1 - tension_) * 0.5f;
  const float tb1 = (1 + bias_) * t0;
  const float tb2 = (1 - bias_) * t0;
  const float z = std::floor(value);
  const float u = std::fabs(z - value);
  const float u2 = u * u, u3 = u2 * u;
  const float m1 = u3 - 2 * u2 + u;
  const float m2 = u3 - u2;
  const float a3 = -2 * u3 + 3 * u2;
  const float a0 = 1 - a3;
  switch (static_cast<int>(z)) {
    case -2: return m2 * tb2;
    case -1: return m1 * tb2 + a3 + (tb1 - tb2) * m2;
    case 0: return (tb1 - tb2) * m1 + a0 - m2 * tb1;
    case 1: return -m1 * tb1;
    default: return 0;
  }
}

void THermiteKernel::CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const {
  auto* target = dynamic_cast<THermiteKernel*>(dest);
  if (target == nullptr) return;
  copy.Value(tkFloat, [&] { target->SetBias(bias_); });
  copy.Value(tkFloat, [&] { target->SetTension(tension_); });
}

float TWindowedSincKernel::Filter(float value) const {
  const float a = std::fabs(value);
  return a >= width_ ? 0 : SinC(a) * Window(a);
}

void TWindowedSincKernel::SetWidth(float value) { Store(width_, std::min(value, 4.0f)); }

void TWindowedSincKernel::CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const {
  if (auto* target = dynamic_cast<TWindowedSincKernel*>(dest)) copy.Value(tkFloat, [&] { target->SetWidth(width_); });
}

float TLanczosKernel::Window(float value) const { return SinC(value / Width()); }

float TGaussianKernel::Window(float value) const {
  return static_cast<float>(std::exp2(-(value * value) / sigma_));
}

void TGaussianKernel::SetSigma(float value) {
  if (value != 0) Store(sigma_, value);
}

void TGaussianKernel::CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const {
  TWindowedSincKernel::CopyPublishedProperties(dest, copy);
  if (auto* target = dynamic_cast<TGaussianKernel*>(dest)) copy.Value(tkFloat, [&] { target->SetSigma(sigma_); });
}

float TBlackmanKernel::Window(float value) const {
  const float t = value / Width();
  return 0.42f + 0.5f * CosPi(t) + 0.08f * CosPi(2 * t);
}

float THannKernel::Window(float value) const { return 0.5f + 0.5f * CosPi(value / Width()); }

float THammingKernel::Window(float value) const { return 0.54f + 0.46f * CosPi(value / Width()); }

float TSinshKernel::Filter(float value) const {
  if (value == 0) return 1;
  const long double px = kPi * value;
  return static_cast<float>(coeff_ * std::sin(px) / std::sinh(coeff_ * px));
}

void TSinshKernel::SetCoeff(float value) {
  if (value != 0) Store(coeff_, value);
}

void TSinshKernel::CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const {
  auto* target = dynamic_cast<TSinshKernel*>(dest);
  if (target == nullptr) return;
  copy.Value(tkFloat, [&] { target->SetCoeff(coeff_); });
  copy.Value(tkFloat, [&] { target->SetWidth(width_); });
}

// --- Mapping tables -------------------------------------------------------------------------

namespace {

// Appends the non-zero weights of source positions left .. right, constrained to the
// source; answers their sum.
template <class WeightOf>
int32_t FillCluster(TCluster& cluster, int32_t left, int32_t right, int32_t srcLo, int32_t srcHi, WeightOf weightOf) {
  int32_t sum = 0;
  for (int32_t j = left; j <= right; ++j) {
    const int32_t weight = weightOf(j);
    if (weight == 0) continue;
    cluster.push_back(TPointRec{Constrain(j, srcLo, srcHi - 1), weight});
    sum += weight;
  }
  return sum;
}

// A cluster that stayed empty takes `fallback` whole; otherwise the middle entry takes
// what the rounded weights miss of 256.
void CompleteCluster(TCluster& cluster, int32_t sum, int32_t fallback) {
  if (cluster.empty()) {
    cluster.push_back(TPointRec{fallback, 256});
    return;
  }
  cluster[(cluster.size() - 1) / 2].Weight += 256 - sum;
}

}  // namespace

TMappingTable MakeMappingTable(int32_t dstLo, int32_t dstHi, int32_t clipLo, int32_t clipHi, int32_t srcLo,
                               int32_t srcHi, const TCustomKernel& kernel) {
  const int32_t srcW = srcHi - srcLo, dstW = dstHi - dstLo, clipW = clipHi - clipLo;
  if (srcW == 0) return {};
  TMappingTable result(static_cast<size_t>(std::max(clipW, 0)));
  if (srcW == 1) {
    for (auto& cluster : result) cluster.push_back(TPointRec{srcLo, 256});
    return result;
  }
  if (clipW == 0) return result;
  const float scale = static_cast<float>(static_cast<double>(dstW) / srcW);
  const float filterWidth = kernel.GetWidth();
  if (scale == 0) {
    Assert(result.size() == 1, "Assertion failure");
    result[0].push_back(TPointRec{(srcLo + srcHi) / 2, 256});
    return result;
  }
  const float s = 1 / scale;
  for (int32_t i = 0; i < clipW; ++i) {
    TCluster& cluster = result[i];
    const float center = static_cast<float>(i + clipLo - dstLo + 0.5f) * s + srcLo - 0.5f;
    if (scale >= 1) {
      const int32_t left = Floor(center - filterWidth), right = Ceil(center + filterWidth);
      const int32_t sum = FillCluster(cluster, left, right, srcLo, srcHi,
                                      [&](int32_t j) { return Round(kernel.Filter(center - j) * 256.0f); });
      CompleteCluster(cluster, sum, Constrain(Round(center), srcLo, srcHi - 1));
    } else {
      const float width = filterWidth * s;
      const int32_t left = Floor(center - width), right = Ceil(center + width);
      const int32_t sum = FillCluster(cluster, left, right, srcLo, srcHi, [&](int32_t j) {
        return Round(scale * (kernel.Filter((center - j) * scale) * 256.0f));
      });
      CompleteCluster(cluster, sum, Floor(center));
    }
  }
  return result;
}

// --- Separable resampling ---------------------------------------------------------------------

namespace {

void AddWeighted(TBufferEntry& sum, TColor32 color, int32_t weight) {
  sum.B += weight * static_cast<int32_t>(color & 0xFF);
  sum.G += weight * static_cast<int32_t>((color >> 8) & 0xFF);
  sum.R += weight * static_cast<int32_t>((color >> 16) & 0xFF);
  sum.A += weight * static_cast<int32_t>(color >> 24);
}

void AddWeighted(TBufferEntry& sum, const TBufferEntry& entry, int32_t weight) {
  sum.B += weight * entry.B;
  sum.G += weight * entry.G;
  sum.R += weight * entry.R;
  sum.A += weight * entry.A;
}

// Bits 16-23 of a 16.16 sum, clamped to 0 .. 0xFF0000 first when asked.
TColor32 UnpackChannel(int32_t value, bool rangeCheck) {
  if (rangeCheck) value = std::clamp(value, 0, 0xFF0000);
  return (static_cast<uint32_t>(value) >> 16) & 0xFF;
}

TColor32 UnpackSums(const TBufferEntry& sums, bool rangeCheck) {
  return UnpackChannel(sums.A, rangeCheck) << 24 | UnpackChannel(sums.R, rangeCheck) << 16 |
         UnpackChannel(sums.G, rangeCheck) << 8 | UnpackChannel(sums.B, rangeCheck);
}

void Positions(const TMappingTable& map, int32_t& lo, int32_t& hi) {
  lo = map.front().front().Pos;
  hi = lo;
  for (const TCluster& cluster : map)
    for (const TPointRec& entry : cluster) {
      lo = std::min(lo, entry.Pos);
      hi = std::max(hi, entry.Pos);
    }
}

}  // namespace

void KernelResample(TBitmap32* dst, const TRect& dstRect, const TRect& dstClip, TBitmap32* src, const TRect& srcRect,
                    const TCustomKernel& kernel, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) {
  if (combineOp == dmCustom && !combineCallBack) combineOp = dmOpaque;
  if (combineOp == dmBlend && src->MasterAlpha() == 0) return;
  struct Guard {
    ~Guard() { EMMS(); }
  } guard;
  const TMappingTable mapX =
      MakeMappingTable(dstRect.Left, dstRect.Right, dstClip.Left, dstClip.Right, srcRect.Left, srcRect.Right, kernel);
  const TMappingTable mapY =
      MakeMappingTable(dstRect.Top, dstRect.Bottom, dstClip.Top, dstClip.Bottom, srcRect.Top, srcRect.Bottom, kernel);
  if (mapX.empty() || mapY.empty()) return;
  const bool rangeCheck = kernel.RangeCheck();
  int32_t mapXLo = 0, mapXHi = 0;
  Positions(mapX, mapXLo, mapXHi);
  std::vector<TBufferEntry> buffer(static_cast<size_t>(mapXHi - mapXLo + 1));
  for (int32_t y = dstClip.Top; y < dstClip.Bottom; ++y) {
    const TCluster& clusterY = mapY[y - dstClip.Top];
    for (int32_t x = mapXLo; x <= mapXHi; ++x) {
      TBufferEntry& entry = buffer[x - mapXLo];
      entry = EMPTY_ENTRY;
      for (const TPointRec& row : clusterY) AddWeighted(entry, src->GetPixel(x, row.Pos), row.Weight);
    }
    TColor32* d = dst->GetPixelPtr(dstClip.Left, y);
    for (int32_t x = dstClip.Left; x < dstClip.Right; ++x, ++d) {
      TBufferEntry sums;
      for (const TPointRec& column : mapX[x - dstClip.Left])
        AddWeighted(sums, buffer[column.Pos - mapXLo], column.Weight);
      CombinePixel(UnpackSums(sums, rangeCheck), *d, src, combineOp, combineCallBack);
    }
  }
}

// --- Kernel resampler -------------------------------------------------------------------------

TKernelResampler::TKernelResampler(TBitmap32* bitmap)
    : TBitmap32Resampler(bitmap), kernel_(std::make_unique<TBoxKernel>()) {}

TKernelResampler::~TKernelResampler() = default;

void TKernelResampler::SetKernel(TCustomKernel* kernel) {
  if (kernel == nullptr || kernel == kernel_.get()) return;
  kernel_.reset(kernel);
  Changed();
}

AnsiString TKernelResampler::KernelClassName() const { return kernel_->ClassName(); }

void TKernelResampler::SetKernelClassName(const AnsiString& name) {
  if (name.IsEmpty() || name == KernelClassName() || KernelList == nullptr) return;
  const TClass found = KernelList->Find(name);
  if (found == nullptr || !found->InheritsFrom(TCustomKernel::StaticClass())) return;
  kernel_.reset(static_cast<TCustomKernel*>(found->Create()));
  Changed();
}

void TKernelResampler::SetKernelMode(TKernelMode value) {
  if (value == kernelMode_) return;
  kernelMode_ = value;
  Changed();
}

void TKernelResampler::SetTableSize(int32_t value) {
  value = std::max(value, 2);
  if (value == tableSize_) return;
  tableSize_ = value;
  Changed();
}

float TKernelResampler::GetWidth() { return kernel_->GetWidth(); }

void TKernelResampler::Resample(TBitmap32* dst, const TRect& dstRect, TRect dstClip, TBitmap32* src,
                                const TRect& srcRect, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) {
  KernelResample(dst, dstRect, dstClip, src, srcRect, *kernel_, combineOp, combineCallBack);
}

int32_t TKernelResampler::SampleWidth() const { return std::min(Ceil(kernel_->GetWidth()), kMaxWidth); }

namespace {
// Corrects the centre weight so that the 2w + 1 weights around it sum to 256.
void Normalize(int32_t* centre, int32_t w) {
  int32_t sum = 0;
  for (int32_t i = -w; i <= w; ++i) sum += centre[i];
  centre[0] -= sum - 256;
}
}  // namespace

void TKernelResampler::PrepareSampling() {
  TBitmap32Resampler::PrepareSampling();
  outerColor_ = Bitmap()->OuterColor;
  if (kernelMode_ == kmDynamic) return;
  const int32_t w = SampleWidth();
  weightTable_ = std::make_unique<TIntegerMap>();
  weightTable_->SetSize(2 * w + 1, tableSize_ + 1);
  for (int32_t i = 0; i <= tableSize_; ++i) {
    const float fraction = static_cast<float>(i) / static_cast<float>(tableSize_ - 1);
    for (int32_t j = -w; j <= w; ++j)
      weightTable_->SetValue(j + w, i, Round(kernel_->Filter(static_cast<float>(j) + fraction) * 256.0f));
    Normalize(weightTable_->GetValPtr(w, i), w);
  }
}

void TKernelResampler::FinalizeSampling() {
  weightTable_.reset();
  TBitmap32Resampler::FinalizeSampling();
}

// Weights of the taps -w .. w (at weights[kMaxWidth + i]) for a sample `offset` (0 .. 1)
// before the tap at 0.
void TKernelResampler::Weights(float offset, TWeights& weights) const {
  const int32_t w = SampleWidth();
  int32_t* centre = weights + kMaxWidth;
  if (kernelMode_ == kmDynamic || weightTable_ == nullptr) {
    for (int32_t i = -w; i <= w; ++i) centre[i] = Round(kernel_->Filter(static_cast<float>(i) + offset) * 256.0f);
    Normalize(centre, w);
    return;
  }
  // The table's own width: the kernel may have changed since it was built.
  const int32_t tableW = (weightTable_->Width() - 1) / 2;
  const auto r = static_cast<float>(weightTable_->Height() - 2);
  if (kernelMode_ == kmTableNearest) {
    const int32_t row = Round(offset * r);
    for (int32_t i = -tableW; i <= tableW; ++i) centre[i] = weightTable_->GetValue(i + tableW, row);
    return;
  }
  const int32_t f = Round(offset * r * 65536.0f);
  const int32_t row0 = f >> 16, fraction = f & 0xFFFF;
  for (int32_t i = -tableW; i <= tableW; ++i) {
    const int32_t v0 = weightTable_->GetValue(i + tableW, row0);
    const int32_t v1 = weightTable_->GetValue(i + tableW, row0 + 1);
    centre[i] = v0 + ((v1 - v0) * fraction + 0x7FFF) / 65536;
  }
  Normalize(centre, tableW);
}

namespace {

// The upper 16 bits of a 16.16 sum as a signed number: clamped to a byte, or its low byte.
TColor32 SampleChannel(int32_t value, bool rangeCheck) {
  const auto high = static_cast<int16_t>(static_cast<uint32_t>(value) >> 16);
  return rangeCheck ? static_cast<TColor32>(std::clamp<int32_t>(high, 0, 255)) : static_cast<TColor32>(high & 0xFF);
}

}  // namespace

TColor32 TKernelResampler::GetSampleFloat(float x, float y) {
  const int32_t w = SampleWidth();
  const int32_t clX = Ceil(x), clY = Ceil(y);
  const TRect& clip = SampleClip();
  const TPixelAccessMode mode = PixelAccessMode();
  const bool bounded = mode == pamSafe || mode == pamTransparentEdge;
  int32_t loX = -w, hiX = w, loY = -w, hiY = w;
  bool edge = false;
  if (bounded) {
    if (clX < clip.Left || clX > clip.Right || clY < clip.Top || clY > clip.Bottom)
      return mode == pamSafe ? outerColor_ : 0;
    if (clX - w < clip.Left) loX = clip.Left - clX;
    if (clX + w >= clip.Right) hiX = clip.Right - clX - 1;
    if (clY - w < clip.Top) loY = clip.Top - clY;
    if (clY + w >= clip.Bottom) hiY = clip.Bottom - clY - 1;
    edge = loX != -w || hiX != w || loY != -w || hiY != w;
  }
  TWeights hw{}, vw{};
  Weights(static_cast<float>(clX) - x, hw);
  Weights(static_cast<float>(clY) - y, vw);
  const int32_t* h = hw + kMaxWidth;
  const int32_t* v = vw + kMaxWidth;
  TBitmap32* bitmap = Bitmap();
  const auto pixel = [&](int32_t tx, int32_t ty) {
    if (mode != pamWrap) return bitmap->GetPixel(clX + tx, clY + ty);
    const TWrapProcEx wrap = WRAP_PROCS_EX[bitmap->WrapMode()];
    return bitmap->GetPixel(wrap(clX + tx, clip.Left, clip.Right - 1), wrap(clY + ty, clip.Top, clip.Bottom - 1));
  };
  TBufferEntry sums;
  for (int32_t i = loY; i <= hiY; ++i) {
    if (v[i] == 0) continue;
    TBufferEntry row;
    for (int32_t j = loX; j <= hiX; ++j) AddWeighted(row, pixel(j, i), h[j]);
    AddWeighted(sums, row, v[i]);
  }
  if (edge) {
    for (int32_t i = -w; i <= w; ++i)
      for (int32_t j = -w; j <= w; ++j) {
        if (j >= loX && j <= hiX && i >= loY && i <= hiY) continue;
        if (mode == pamSafe) {
          AddWeighted(sums, outerColor_, h[j] * v[i]);
        } else {
          const TColor32 c = bitmap->GetPixel(Constrain(clX + j, 0, bitmap->Width() - 1),
                                              Constrain(clY + i, 0, bitmap->Height() - 1));
          AddWeighted(sums, c & 0x00FFFFFF, h[j] * v[i]);
        }
      }
  }
  const bool rangeCheck = kernel_->RangeCheck();
  return SampleChannel(sums.A, rangeCheck) << 24 | SampleChannel(sums.R, rangeCheck) << 16 |
         SampleChannel(sums.G, rangeCheck) << 8 | SampleChannel(sums.B, rangeCheck);
}

void TKernelResampler::CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const {
  TBitmap32Resampler::CopyPublishedProperties(dest, copy);
  auto* target = dynamic_cast<TKernelResampler*>(dest);
  if (target == nullptr) return;
  copy.Value(tkLString, [&] { target->SetKernelClassName(KernelClassName()); });
  copy.Object(kernel_.get(), target->kernel_.get());
  copy.Value(tkEnumeration, [&] { target->SetKernelMode(kernelMode_); });
  copy.Value(tkInteger, [&] { target->SetTableSize(tableSize_); });
}

// --- Form resources ----------------------------------------------------------------------------

namespace {

const TIdentTable& KernelModes() {
  static const TIdentTable table("TKernelMode",
                                 {{"kmDynamic", kmDynamic}, {"kmTableNearest", kmTableNearest}, {"kmTableLinear", kmTableLinear}});
  return table;
}

template <class K, class Setter>
TPropertyInfo KernelFloat(const char* name, Setter setter, double defaultValue) {
  return FloatProperty<K>(name, [setter](K* kernel, double value) { (kernel->*setter)(static_cast<float>(value)); },
                          defaultValue);
}

}  // namespace

void RegisterKernelProperties() {
  using R = TKernelResampler;
  RegisterClassProperties(
      R::StaticClass(),
      {StringProperty<R>("KernelClassName", &R::SetKernelClassName),
       ObjectProperty<R>("Kernel", [](R* r) -> TPersistent* { return r->Kernel(); }),
       EnumProperty<R, TKernelMode>("KernelMode", &R::SetKernelMode, KernelModes(), "kmDynamic"),
       IntegerProperty<R>("TableSize", [](R* r, int value) { r->SetTableSize(value); }, 32)});
  for (TClass plain : {TBoxKernel::StaticClass(), TLinearKernel::StaticClass(), TCosineKernel::StaticClass(),
                       TSplineKernel::StaticClass(), TMitchellKernel::StaticClass(), TLanczosKernel::StaticClass(),
                       TBlackmanKernel::StaticClass(), THannKernel::StaticClass(), THammingKernel::StaticClass()})
    RegisterClassProperties(plain, {});
  RegisterClassProperties(TCubicKernel::StaticClass(), {KernelFloat<TCubicKernel>("Coeff", &TCubicKernel::SetCoeff, -0.5)});
  RegisterClassProperties(THermiteKernel::StaticClass(),
                          {KernelFloat<THermiteKernel>("Bias", &THermiteKernel::SetBias, 0),
                           KernelFloat<THermiteKernel>("Tension", &THermiteKernel::SetTension, 0)});
  RegisterClassProperties(TWindowedSincKernel::StaticClass(),
                          {KernelFloat<TWindowedSincKernel>("Width", &TWindowedSincKernel::SetWidth, 3)});
  RegisterClassProperties(TGaussianKernel::StaticClass(),
                          {KernelFloat<TGaussianKernel>("Sigma", &TGaussianKernel::SetSigma, 1.33)});
  RegisterClassProperties(TSinshKernel::StaticClass(),
                          {KernelFloat<TSinshKernel>("Coeff", &TSinshKernel::SetCoeff, 0.5),
                           KernelFloat<TSinshKernel>("Width", &TSinshKernel::SetWidth, 3)});
}

}  // namespace imaging
