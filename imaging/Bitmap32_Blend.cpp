#include "imaging/Bitmap32_Blend.h"

#include <emmintrin.h>

#include <algorithm>
#include <memory>

#include "imaging/Bitmap32_Rounding.h"
#include "imaging/Bitmap32_System.h"

namespace imaging {

bool MMX_ACTIVE = false;
const uint16_t* alpha_ptr = nullptr;
const uint16_t* bias_ptr = nullptr;
uint8_t ProductTable[256][256];
uint8_t QuotientTable[256][256];

namespace {

constexpr TColor32 AlphaMask = 0xFF000000;

uint32_t AlphaOf(TColor32 color) { return color >> 24; }

// The raw block behind alpha_ptr: 256 entries of 8 bytes plus room to align them.
std::unique_ptr<uint8_t[]> AlphaTable;

void MakeAlphaTable() {
  AlphaTable = std::make_unique<uint8_t[]>(2056);
  const auto address = reinterpret_cast<uintptr_t>(AlphaTable.get());
  auto* entries = reinterpret_cast<uint16_t*>((address + 7) & ~uintptr_t{7});
  for (int i = 0; i < 256; ++i) std::fill_n(entries + 4 * i, 4, static_cast<uint16_t>(i));
  alpha_ptr = entries;
  bias_ptr = entries + 4 * 128;
}

void FreeAlphaTable() {
  alpha_ptr = nullptr;
  bias_ptr = nullptr;
  AlphaTable.reset();
}

void MakeMergeTables() {
  for (int i = 0; i < 256; ++i)
    for (int j = 0; j < 256; ++j) {
      ProductTable[i][j] = static_cast<uint8_t>(Round(i * j / 255.0));
      QuotientTable[i][j] = i == 0 ? 0 : static_cast<uint8_t>(Round(j * 255.0 / i));
    }
}

// --- Weighted sums -------------------------------------------------------------------

// Two channels at a time in 16-bit lanes: ((c * w + 128) shr 8) per channel.
uint32_t WeighLanes(uint32_t lanes, uint32_t w) { return ((lanes * w + 0x00800080) >> 8) & 0x00FF00FF; }

// Plain weighted sum of all four channels.
TColor32 Comb(TColor32 x, TColor32 y, uint32_t w) {
  const uint32_t rb = WeighLanes(x & 0x00FF00FF, w) + WeighLanes(y & 0x00FF00FF, 255 - w);
  const uint32_t ag = WeighLanes((x >> 8) & 0x00FF00FF, w) + WeighLanes((y >> 8) & 0x00FF00FF, 255 - w);
  return rb | (ag << 8);
}

// Plain weighted sum of red, green and blue; alpha 0.
TColor32 RgbComb(TColor32 x, TColor32 y, uint32_t w) { return Comb(x, y, w) & ~AlphaMask; }

__m128i UnpackColor(TColor32 color) {
  return _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(color)), _mm_setzero_si128());
}

TColor32 PackColor(__m128i lanes) {
  return static_cast<TColor32>(_mm_cvtsi128_si32(_mm_packus_epi16(lanes, _mm_setzero_si128())));
}

__m128i WeightEntry(uint32_t w) { return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(alpha_ptr + 4 * w)); }

// Multimedia weighted sum: ((x - y) * w + 256 * y + 128) shr 8 per channel in wrapping
// 16-bit lanes, shifted logically and packed with unsigned saturation.
TColor32 MComb(TColor32 x, TColor32 y, uint32_t w) {
  const __m128i xs = UnpackColor(x);
  const __m128i ys = UnpackColor(y);
  const __m128i bias = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(bias_ptr));
  const __m128i weighted = _mm_mullo_epi16(_mm_sub_epi16(xs, ys), WeightEntry(w));
  const __m128i sum = _mm_add_epi16(weighted, _mm_add_epi16(_mm_slli_epi16(ys, 8), bias));
  return PackColor(_mm_srli_epi16(sum, 8));
}

using TWeighedSum = TColor32 (*)(TColor32 x, TColor32 y, uint32_t w);

// --- Forms shared by both sums ----------------------------------------------------

template <TWeighedSum Sum>
void CombineMemForm(TColor32 f, TColor32& b, int32_t w) {
  if (w == 0) return;
  b = w == 255 ? f : Sum(f, b, static_cast<uint32_t>(w));
}

template <TWeighedSum Sum>
void CombineLineForm(const TColor32* src, TColor32* dst, int32_t n, int32_t w) {
  for (int32_t i = 0; i < n; ++i) CombineMemForm<Sum>(src[i], dst[i], w);
}

template <TWeighedSum Sum>
void BlendMemForm(TColor32 f, TColor32& b) {
  CombineMemForm<Sum>(f, b, static_cast<int32_t>(AlphaOf(f)));
}

template <TWeighedSum Sum>
void BlendLineForm(const TColor32* src, TColor32* dst, int32_t n) {
  for (int32_t i = 0; i < n; ++i) BlendMemForm<Sum>(src[i], dst[i]);
}

// The weight of a foreground under master alpha m: ((m + 1) * alpha) shr 8.
template <TWeighedSum Sum>
TColor32 BlendRegExForm(TColor32 f, TColor32 b, int32_t m) {
  const uint32_t w = ((static_cast<uint32_t>(m) + 1) * AlphaOf(f)) >> 8;
  return w == 0 ? b : Sum(f, b, w);
}

template <TWeighedSum Sum>
void BlendMemExForm(TColor32 f, TColor32& b, int32_t m) {
  b = BlendRegExForm<Sum>(f, b, m);
}

// --- Plain forms ---------------------------------------------------------------------

TColor32 CombineRegPlain(TColor32 x, TColor32 y, int32_t w) {
  if (w == 0) return y;
  if (w == 255) return x;
  return Comb(x, y, static_cast<uint32_t>(w));
}

TColor32 BlendRegPlain(TColor32 f, TColor32 b) {
  const uint32_t alpha = AlphaOf(f);
  if (alpha == 0) return b;
  if (alpha == 255) return f;
  return Comb(f, b, alpha);
}

void BlendLineExPlain(const TColor32* src, TColor32* dst, int32_t n, int32_t m) {
  for (int32_t i = 0; i < n; ++i) BlendMemExForm<RgbComb>(src[i], dst[i], m);
}

// --- Multimedia forms ----------------------------------------------------------------

TColor32 CombineRegMmx(TColor32 x, TColor32 y, int32_t w) { return MComb(x, y, static_cast<uint32_t>(w)); }

TColor32 BlendRegMmx(TColor32 f, TColor32 b) { return MComb(f, b, AlphaOf(f)); }

// Weighs each source pixel by ((alpha + 1) * m) shr 8.
void BlendLineExMmx(const TColor32* src, TColor32* dst, int32_t n, int32_t m) {
  for (int32_t i = 0; i < n; ++i) {
    const uint32_t w = ((AlphaOf(src[i]) + 1) * static_cast<uint32_t>(m)) >> 8;
    if (w != 0) dst[i] = MComb(src[i], dst[i], w);
  }
}

// --- Merge ---------------------------------------------------------------------------

TColor32 MergeRegForm(TColor32 f, TColor32 b) {
  const uint32_t fa = AlphaOf(f);
  const uint32_t ba = AlphaOf(b);
  if (fa == 0) return b;
  if (ba == 255) return BlendReg(f, b) | AlphaMask;
  if (fa == 255 || ba == 0) return f;
  const uint32_t ra = (fa + ba - ProductTable[ba][fa]) & 0xFF;
  TColor32 result = ra << 24;
  for (int shift = 0; shift < 24; shift += 8) {
    const int32_t fc = static_cast<int32_t>((f >> shift) & 0xFF);
    const int32_t r = ProductTable[ba][(b >> shift) & 0xFF];
    const int32_t x = fc - r;
    const uint32_t c = x >= 0 ? QuotientTable[ra][ProductTable[fa][x] + r] : QuotientTable[ra][r - ProductTable[fa][-x]];
    result |= c << shift;
  }
  return result;
}

// The foreground with its alpha scaled by the master alpha m.
TColor32 ScaledAlpha(TColor32 f, int32_t m) {
  return (f & ~AlphaMask) | (TColor32{ProductTable[m & 0xFF][AlphaOf(f)]} << 24);
}

void MergeMemForm(TColor32 f, TColor32& b) { b = MergeRegForm(f, b); }

TColor32 MergeRegExForm(TColor32 f, TColor32 b, int32_t m) { return MergeRegForm(ScaledAlpha(f, m), b); }

void MergeMemExForm(TColor32 f, TColor32& b, int32_t m) { b = MergeRegExForm(f, b, m); }

void MergeLineForm(const TColor32* src, TColor32* dst, int32_t n) {
  for (int32_t i = 0; i < n; ++i) dst[i] = MergeRegForm(src[i], dst[i]);
}

void MergeLineExForm(const TColor32* src, TColor32* dst, int32_t n, int32_t m) {
  for (int32_t i = 0; i < n; ++i) dst[i] = MergeRegExForm(src[i], dst[i], m);
}

// --- Colour algebra ------------------------------------------------------------------

// Applies `op` to each of the four channel pairs; results are taken as bytes.
template <class Op>
TColor32 PerChannel(TColor32 c1, TColor32 c2, Op op) {
  TColor32 result = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const int32_t v = op(static_cast<int32_t>((c1 >> shift) & 0xFF), static_cast<int32_t>((c2 >> shift) & 0xFF));
    result |= (static_cast<TColor32>(v) & 0xFF) << shift;
  }
  return result;
}

TColor32 ColorAddPlain(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](int32_t a, int32_t b) { return std::min(a + b, 255); });
}
TColor32 ColorSubPlain(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](int32_t a, int32_t b) { return std::max(a - b, 0); });
}
TColor32 ColorDivPlain(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](int32_t a, int32_t b) { return a == 0 ? 255 : std::min((b * 256) / a, 255); });
}
TColor32 ColorModulatePlain(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](int32_t a, int32_t b) { return (a * b) >> 8; });
}
TColor32 ColorMaxPlain(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](int32_t a, int32_t b) { return std::max(a, b); });
}
TColor32 ColorMinPlain(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](int32_t a, int32_t b) { return std::min(a, b); });
}
TColor32 ColorDifferencePlain(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](int32_t a, int32_t b) { return a > b ? a - b : b - a; });
}
TColor32 ColorAveragePlain(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](int32_t a, int32_t b) { return (a + b) >> 1; });
}
TColor32 ColorExclusionPlain(TColor32 c1, TColor32 c2) {
  return PerChannel(c1, c2, [](int32_t a, int32_t b) { return a + b - ((a * b) >> 7); });
}
TColor32 ColorScalePlain(TColor32 color, int32_t w) {
  return PerChannel(color, 0, [w](int32_t c, int32_t) {
    return static_cast<int32_t>(std::min((static_cast<uint32_t>(c) * static_cast<uint32_t>(w)) >> 8, 255u));
  });
}

__m128i ColorVector(TColor32 color) { return _mm_cvtsi32_si128(static_cast<int>(color)); }
TColor32 ColorOfVector(__m128i bytes) { return static_cast<TColor32>(_mm_cvtsi128_si32(bytes)); }

TColor32 ColorAddMmx(TColor32 c1, TColor32 c2) {
  return ColorOfVector(_mm_adds_epu8(ColorVector(c1), ColorVector(c2)));
}
TColor32 ColorSubMmx(TColor32 c1, TColor32 c2) {
  return ColorOfVector(_mm_subs_epu8(ColorVector(c1), ColorVector(c2)));
}
TColor32 ColorModulateMmx(TColor32 c1, TColor32 c2) {
  return PackColor(_mm_srli_epi16(_mm_mullo_epi16(UnpackColor(c1), UnpackColor(c2)), 8));
}
TColor32 ColorMaxEmmx(TColor32 c1, TColor32 c2) {
  return ColorOfVector(_mm_max_epu8(ColorVector(c1), ColorVector(c2)));
}
TColor32 ColorMinEmmx(TColor32 c1, TColor32 c2) {
  return ColorOfVector(_mm_min_epu8(ColorVector(c1), ColorVector(c2)));
}
TColor32 ColorDifferenceMmx(TColor32 c1, TColor32 c2) {
  const __m128i a = ColorVector(c1);
  const __m128i b = ColorVector(c2);
  return ColorOfVector(_mm_or_si128(_mm_subs_epu8(a, b), _mm_subs_epu8(b, a)));
}
TColor32 ColorAverageEmmx(TColor32 c1, TColor32 c2) {
  return ColorOfVector(_mm_avg_epu8(ColorVector(c1), ColorVector(c2)));
}
TColor32 ColorExclusionMmx(TColor32 c1, TColor32 c2) {
  const __m128i a = UnpackColor(c1);
  const __m128i b = UnpackColor(c2);
  return PackColor(_mm_sub_epi16(_mm_add_epi16(a, b), _mm_srli_epi16(_mm_mullo_epi16(a, b), 7)));
}
// The weight comes from the weight table, so it is limited to 0..255.
TColor32 ColorScaleMmx(TColor32 color, int32_t w) {
  const auto entry = static_cast<uint32_t>(std::clamp(w, 0, 255));
  return PackColor(_mm_srli_epi16(_mm_mullo_epi16(UnpackColor(color), WeightEntry(entry)), 8));
}

}  // namespace

TCombineReg CombineReg = CombineRegPlain;
TCombineMem CombineMem = CombineMemForm<Comb>;
TCombineLine CombineLine = CombineLineForm<Comb>;
TBlendReg BlendReg = BlendRegPlain;
TBlendMem BlendMem = BlendMemForm<Comb>;
TBlendRegEx BlendRegEx = BlendRegExForm<RgbComb>;
TBlendMemEx BlendMemEx = BlendMemExForm<RgbComb>;
TBlendLine BlendLine = BlendLineForm<Comb>;
TBlendLineEx BlendLineEx = BlendLineExPlain;
TBlendReg MergeReg = MergeRegForm;
TBlendMem MergeMem = MergeMemForm;
TBlendRegEx MergeRegEx = MergeRegExForm;
TBlendMemEx MergeMemEx = MergeMemExForm;
TBlendLine MergeLine = MergeLineForm;
TBlendLineEx MergeLineEx = MergeLineExForm;

TColorOp ColorAdd = ColorAddPlain;
TColorOp ColorSub = ColorSubPlain;
TColorOp ColorDiv = ColorDivPlain;
TColorOp ColorModulate = ColorModulatePlain;
TColorOp ColorMax = ColorMaxPlain;
TColorOp ColorMin = ColorMinPlain;
TColorOp ColorDifference = ColorDifferencePlain;
TColorOp ColorAverage = ColorAveragePlain;
TColorOp ColorExclusion = ColorExclusionPlain;
TColorScale ColorScale = ColorScalePlain;

TBlendReg BLEND_REG[2];
TBlendMem BLEND_MEM[2];
TBlendRegEx BLEND_REG_EX[2];
TBlendMemEx BLEND_MEM_EX[2];
TBlendLine BLEND_LINE[2];
TBlendLineEx BLEND_LINE_EX[2];

void EMMS() {}

TColor32 Lighten(TColor32 color, int32_t n) {
  const TColor32 rgb = PerChannel(color & ~AlphaMask, 0, [n](int32_t c, int32_t) { return std::clamp(c + n, 0, 255); });
  return (color & AlphaMask) | (rgb & ~AlphaMask);
}

namespace {

// Binds the multimedia forms (mmx), the extended ones (emmx) or the plain forms.
void BindForms(bool mmx, bool emmx) {
  MMX_ACTIVE = mmx;

  MergeReg = MergeRegForm;
  MergeMem = MergeMemForm;
  MergeRegEx = MergeRegExForm;
  MergeMemEx = MergeMemExForm;
  MergeLine = MergeLineForm;
  MergeLineEx = MergeLineExForm;
  BLEND_REG[cmMerge] = MergeReg;
  BLEND_MEM[cmMerge] = MergeMem;
  BLEND_REG_EX[cmMerge] = MergeRegEx;
  BLEND_MEM_EX[cmMerge] = MergeMemEx;
  BLEND_LINE[cmMerge] = MergeLine;
  BLEND_LINE_EX[cmMerge] = MergeLineEx;

  if (MMX_ACTIVE) {
    CombineReg = CombineRegMmx;
    CombineMem = CombineMemForm<MComb>;
    BlendReg = BlendRegMmx;
    BlendMem = BlendMemForm<MComb>;
    BlendRegEx = BlendRegExForm<MComb>;
    BlendMemEx = BlendMemExForm<MComb>;
    BlendLine = BlendLineForm<MComb>;
    BlendLineEx = BlendLineExMmx;
    CombineLine = CombineLineForm<MComb>;
    ColorAdd = ColorAddMmx;
    ColorSub = ColorSubMmx;
    ColorModulate = ColorModulateMmx;
    ColorDifference = ColorDifferenceMmx;
    ColorExclusion = ColorExclusionMmx;
    ColorScale = ColorScaleMmx;
  } else {
    CombineReg = CombineRegPlain;
    CombineMem = CombineMemForm<Comb>;
    BlendReg = BlendRegPlain;
    BlendMem = BlendMemForm<Comb>;
    BlendRegEx = BlendRegExForm<RgbComb>;
    BlendMemEx = BlendMemExForm<RgbComb>;
    BlendLine = BlendLineForm<Comb>;
    BlendLineEx = BlendLineExPlain;
    CombineLine = CombineLineForm<Comb>;
    ColorAdd = ColorAddPlain;
    ColorSub = ColorSubPlain;
    ColorModulate = ColorModulatePlain;
    ColorDifference = ColorDifferencePlain;
    ColorExclusion = ColorExclusionPlain;
    ColorScale = ColorScalePlain;
  }
  ColorDiv = ColorDivPlain;
  BLEND_REG[cmBlend] = BlendReg;
  BLEND_MEM[cmBlend] = BlendMem;
  BLEND_REG_EX[cmBlend] = BlendRegEx;
  BLEND_MEM_EX[cmBlend] = BlendMemEx;
  BLEND_LINE[cmBlend] = BlendLine;
  BLEND_LINE_EX[cmBlend] = BlendLineEx;

  ColorMax = emmx ? ColorMaxEmmx : ColorMaxPlain;
  ColorMin = emmx ? ColorMinEmmx : ColorMinPlain;
  ColorAverage = emmx ? ColorAverageEmmx : ColorAveragePlain;

  if (MMX_ACTIVE)
    MakeAlphaTable();
  else
    FreeAlphaTable();
}

}  // namespace

void BindBlendRoutines() { BindForms(HasMMX(), HasEMMX()); }

void InitializeBlend() {
  MakeMergeTables();
  BindBlendRoutines();
}

// Back to the plain forms, which need no weight table.
void FinalizeBlend() { BindForms(false, false); }

}  // namespace imaging
