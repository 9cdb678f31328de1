#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "imaging/Bitmap32_Blend.h"
#include "imaging/Bitmap32_System.h"
#include "imaging/Imaging.h"

using namespace imaging;

namespace {

// --- Scalar references, one channel at a time ------------------------------------------

uint32_t Channel(TColor32 c, int i) { return (c >> (8 * i)) & 0xFF; }
uint32_t Alpha(TColor32 c) { return c >> 24; }

TColor32 EachChannel(TColor32 a, TColor32 b, const std::function<int64_t(int64_t, int64_t)>& op) {
  TColor32 result = 0;
  for (int i = 0; i < 4; ++i) result |= (static_cast<uint32_t>(op(Channel(a, i), Channel(b, i))) & 0xFF) << (8 * i);
  return result;
}

// Plain sum: ((x * w + 128) shr 8) + ((y * (255 - w) + 128) shr 8).
TColor32 RefComb(TColor32 x, TColor32 y, uint32_t w) {
  return EachChannel(x, y, [w](int64_t a, int64_t b) { return ((a * w + 128) >> 8) + ((b * (255 - w) + 128) >> 8); });
}

TColor32 RefRgbComb(TColor32 x, TColor32 y, uint32_t w) { return RefComb(x, y, w) & 0x00FFFFFF; }

// Multimedia sum: ((x - y) * w + 256 * y + 128) in a wrapping 16-bit lane, shifted
// logically, saturated to a byte.
TColor32 RefMComb(TColor32 x, TColor32 y, uint32_t w) {
  return EachChannel(x, y, [w](int64_t a, int64_t b) {
    const auto lane = static_cast<uint16_t>((a - b) * w + 256 * b + 128);
    return std::min<int64_t>(lane >> 8, 255);
  });
}

// The expected forms of one processor kind.
struct Reference {
  bool processor;
  TColor32 Sum(TColor32 x, TColor32 y, uint32_t w) const { return processor ? RefMComb(x, y, w) : RefComb(x, y, w); }

  TColor32 CombineReg(TColor32 x, TColor32 y, uint32_t w) const {
    if (!processor && w == 0) return y;
    if (!processor && w == 255) return x;
    return Sum(x, y, w);
  }
  TColor32 CombineMem(TColor32 f, TColor32 b, uint32_t w) const {
    if (w == 0) return b;
    return w == 255 ? f : Sum(f, b, w);
  }
  TColor32 BlendReg(TColor32 f, TColor32 b) const {
    if (!processor && Alpha(f) == 0) return b;
    if (!processor && Alpha(f) == 255) return f;
    return Sum(f, b, Alpha(f));
  }
  TColor32 BlendMem(TColor32 f, TColor32 b) const { return CombineMem(f, b, Alpha(f)); }
  TColor32 BlendRegEx(TColor32 f, TColor32 b, uint32_t m) const {
    if (Alpha(f) == 0) return b;
    const uint32_t w = ((m + 1) * Alpha(f)) >> 8;
    if (w == 0) return b;
    return processor ? RefMComb(f, b, w) : RefRgbComb(f, b, w);
  }
  TColor32 BlendLineExPixel(TColor32 s, TColor32 d, uint32_t m) const {
    if (!processor) return BlendRegEx(s, d, m);
    if (Alpha(s) == 0) return d;
    const uint32_t w = ((Alpha(s) + 1) * m) >> 8;
    return w == 0 ? d : RefMComb(s, d, w);
  }
};

const std::array<std::array<TColor32, 2>, 5> ColourPairs = {{
    {0x00000000, 0xFFFFFFFF},
    {0xFFFFFFFF, 0x00000000},
    {0x80FF0040, 0x4000FF80},
    {0x12345678, 0x9ABCDEF0},
    {0xFE01FE01, 0x01FE01FE},
}};

TColor32 WithAlpha(TColor32 c, uint32_t alpha) { return (c & 0x00FFFFFF) | (alpha << 24); }

// Runs `check` once with the plain forms bound and once with the processor's forms.
void ForBothForms(const std::function<void(const Reference&)>& check) {
  for (bool processor : {false, true}) {
    SCOPED_TRACE(processor ? "processor forms" : "plain forms");
    RebindWithMaskedInstructionSets(processor ? 0 : 0xFF);
    ASSERT_EQ(MMX_ACTIVE, processor);
    check(Reference{processor});
  }
  RebindWithMaskedInstructionSets(0);
}

TEST(BlendForms, CombineRoutinesMatchTheirFormulaForEveryWeight) {
  ForBothForms([](const Reference& ref) {
    for (const auto& [x, y] : ColourPairs) {
      std::vector<TColor32> src(256, x), line(256, y), expectedLine(256);
      for (uint32_t w = 0; w < 256; ++w) {
        ASSERT_EQ(CombineReg(x, y, w), ref.CombineReg(x, y, w)) << std::hex << x << " " << y << " w " << w;
        TColor32 b = y;
        CombineMem(x, b, w);
        ASSERT_EQ(b, ref.CombineMem(x, y, w)) << std::hex << x << " " << y << " w " << w;
        std::vector<TColor32> dst(3, y);
        CombineLine(src.data(), dst.data(), 3, w);
        ASSERT_EQ(dst, std::vector<TColor32>(3, ref.CombineMem(x, y, w))) << "w " << w;
      }
    }
  });
}

TEST(BlendForms, BlendRoutinesMatchTheirFormulaForEveryAlpha) {
  ForBothForms([](const Reference& ref) {
    for (const auto& [f0, b] : ColourPairs) {
      std::vector<TColor32> src(256), dst(256, b), expected(256);
      for (uint32_t a = 0; a < 256; ++a) {
        const TColor32 f = WithAlpha(f0, a);
        ASSERT_EQ(BlendReg(f, b), ref.BlendReg(f, b)) << std::hex << f << " " << b;
        TColor32 mem = b;
        BlendMem(f, mem);
        ASSERT_EQ(mem, ref.BlendMem(f, b)) << std::hex << f << " " << b;
        src[a] = f;
        expected[a] = ref.BlendMem(f, b);
      }
      BlendLine(src.data(), dst.data(), 256);
      ASSERT_EQ(dst, expected);
    }
  });
}

TEST(BlendForms, MasterAlphaRoutinesMatchTheirFormula) {
  ForBothForms([](const Reference& ref) {
    for (const auto& [f0, b] : ColourPairs) {
      for (uint32_t m = 0; m < 256; ++m) {
        std::vector<TColor32> src(256), dst(256, b), expected(256);
        for (uint32_t a = 0; a < 256; ++a) {
          const TColor32 f = WithAlpha(f0, a);
          ASSERT_EQ(BlendRegEx(f, b, m), ref.BlendRegEx(f, b, m)) << std::hex << f << " " << b << " m " << m;
          TColor32 mem = b;
          BlendMemEx(f, mem, m);
          ASSERT_EQ(mem, ref.BlendRegEx(f, b, m)) << std::hex << f << " " << b << " m " << m;
          src[a] = f;
          expected[a] = ref.BlendLineExPixel(f, b, m);
        }
        BlendLineEx(src.data(), dst.data(), 256, m);
        ASSERT_EQ(dst, expected) << "m " << m;
      }
    }
  });
}

// --- Merge ---------------------------------------------------------------------------

uint32_t RefProduct(uint32_t i, uint32_t j) { return static_cast<uint32_t>(std::lrint(i * j / 255.0)); }
uint32_t RefQuotient(uint32_t i, uint32_t j) {
  return i == 0 ? 0 : static_cast<uint32_t>(std::lrint(j * 255.0 / i)) & 0xFF;
}

TColor32 RefMerge(TColor32 f, TColor32 b, const Reference& ref) {
  const uint32_t fa = Alpha(f), ba = Alpha(b);
  if (fa == 0) return b;
  if (ba == 255) return ref.BlendReg(f, b) | 0xFF000000;
  if (fa == 255 || ba == 0) return f;
  const uint32_t ra = (fa + ba - RefProduct(ba, fa)) & 0xFF;
  TColor32 result = ra << 24;
  for (int i = 0; i < 3; ++i) {
    const int32_t r = static_cast<int32_t>(RefProduct(ba, Channel(b, i)));
    const int32_t x = static_cast<int32_t>(Channel(f, i)) - r;
    const uint32_t c = x >= 0 ? RefQuotient(ra, RefProduct(fa, x) + r) : RefQuotient(ra, r - RefProduct(fa, -x));
    result |= c << (8 * i);
  }
  return result;
}

TEST(MergeForms, MergeRoutinesMatchTheirFormula) {
  ForBothForms([](const Reference& ref) {
    for (const auto& [f0, b0] : ColourPairs) {
      for (uint32_t ba : {0u, 1u, 128u, 254u, 255u}) {
        const TColor32 b = WithAlpha(b0, ba);
        std::vector<TColor32> src(256), dst(256, b), dstEx(256, b), expected(256), expectedEx(256);
        for (uint32_t a = 0; a < 256; ++a) {
          const TColor32 f = WithAlpha(f0, a);
          const TColor32 scaled = WithAlpha(f, RefProduct(77, a));
          ASSERT_EQ(MergeReg(f, b), RefMerge(f, b, ref)) << std::hex << f << " " << b;
          ASSERT_EQ(MergeRegEx(f, b, 77), RefMerge(scaled, b, ref)) << std::hex << f << " " << b;
          TColor32 mem = b, memEx = b;
          MergeMem(f, mem);
          MergeMemEx(f, memEx, 77);
          ASSERT_EQ(mem, RefMerge(f, b, ref));
          ASSERT_EQ(memEx, RefMerge(scaled, b, ref));
          src[a] = f;
          expected[a] = RefMerge(f, b, ref);
          expectedEx[a] = RefMerge(scaled, b, ref);
        }
        MergeLine(src.data(), dst.data(), 256);
        MergeLineEx(src.data(), dstEx.data(), 256, 77);
        ASSERT_EQ(dst, expected);
        ASSERT_EQ(dstEx, expectedEx);
      }
    }
  });
}

// --- Colour algebra ------------------------------------------------------------------

TEST(ColorAlgebra, EveryOperationMatchesItsFormula) {
  ForBothForms([](const Reference& ref) {
    const bool extended = ref.processor && HasEMMX();
    struct Case {
      const char* name;
      TColorOp op;
      std::function<int64_t(int64_t, int64_t)> channel;
    };
    const Case cases[] = {
        {"ColorAdd", ColorAdd, [](int64_t a, int64_t b) { return std::min<int64_t>(a + b, 255); }},
        {"ColorSub", ColorSub, [](int64_t a, int64_t b) { return std::max<int64_t>(a - b, 0); }},
        {"ColorDiv", ColorDiv, [](int64_t a, int64_t b) { return a == 0 ? 255 : std::min<int64_t>(b * 256 / a, 255); }},
        {"ColorModulate", ColorModulate, [](int64_t a, int64_t b) { return (a * b) >> 8; }},
        {"ColorMax", ColorMax, [](int64_t a, int64_t b) { return std::max(a, b); }},
        {"ColorMin", ColorMin, [](int64_t a, int64_t b) { return std::min(a, b); }},
        {"ColorDifference", ColorDifference, [](int64_t a, int64_t b) { return std::abs(a - b); }},
        {"ColorAverage", ColorAverage,
         [extended](int64_t a, int64_t b) { return extended ? (a + b + 1) >> 1 : (a + b) >> 1; }},
        {"ColorExclusion", ColorExclusion, [](int64_t a, int64_t b) { return a + b - ((a * b) >> 7); }},
    };
    for (const auto& c : cases)
      for (uint32_t v1 = 0; v1 < 256; v1 += 3)
        for (uint32_t v2 = 0; v2 < 256; v2 += 5) {
          const TColor32 c1 = v1 * 0x01010101u ^ 0x00FF00FFu, c2 = v2 * 0x01010101u;
          ASSERT_EQ(c.op(c1, c2), EachChannel(c1, c2, c.channel)) << c.name << std::hex << " " << c1 << " " << c2;
        }
    for (const auto& [c1, c2] : ColourPairs)
      for (int32_t w = 0; w < 256; ++w)
        ASSERT_EQ(ColorScale(c1, w), EachChannel(c1, 0, [w](int64_t a, int64_t) { return (a * w) >> 8; }))
            << std::hex << c1 << " w " << w;
  });
}

// --- Values from the library's documentation --------------------------------------------

TEST(BlendValues, DocumentedResults) {
  RebindWithMaskedInstructionSets(0xFF);
  EXPECT_EQ(CombineReg(0xFFFFFFFF, 0x00000000, 128), 0x80808080u);
  EXPECT_EQ(ColorAverage(0x00000001, 0x00000002), 0x00000001u);
  EXPECT_EQ(BlendRegEx(0xFF123456, 0x80ABCDEF, 0), 0x80ABCDEFu);
  EXPECT_EQ(ColorScale(0x00804020, 512), 0x00FF8040u);  // the plain form limits each channel
  RebindWithMaskedInstructionSets(0);
  EXPECT_EQ(ColorAverage(0x00000001, 0x00000002), 0x00000002u);
  EXPECT_EQ(CombineReg(0xFFFFFFFF, 0x00000000, 255), 0xFFFFFFFFu - 0x01010101u);  // weight 255 is not singled out
  EXPECT_EQ(ColorScale(0x00804020, 512), ColorScale(0x00804020, 255));  // the table limits the weight
  EXPECT_EQ(MergeReg(0x80FF0000, 0x800000FF), 0xC0AA0055u);
  EXPECT_EQ(ColorDiv(0x00000000, 0x12345678), 0xFFFFFFFFu);
  EXPECT_EQ(Lighten(0x80F01008, 20), 0x80FF241Cu);
  EXPECT_EQ(Lighten(0x80F01008, -20), 0x80DC0000u);
}

TEST(BlendValues, LineFormsWithoutPixelsChangeNothing) {
  ForBothForms([](const Reference&) {
    const std::array<TColor32, 2> src{0x80FF0000, 0xFF00FF00};
    for (int32_t n : {0, -1}) {
      std::array<TColor32, 2> dst{0x11111111, 0x22222222};
      const auto before = dst;
      CombineLine(src.data(), dst.data(), n, 128);
      BlendLine(src.data(), dst.data(), n);
      BlendLineEx(src.data(), dst.data(), n, 200);
      MergeLine(src.data(), dst.data(), n);
      MergeLineEx(src.data(), dst.data(), n, 200);
      EXPECT_EQ(dst, before) << n;
    }
  });
}

TEST(BlendBinding, StartUpBindsTheProcessorFormsIntoVariablesAndTables) {
  ASSERT_TRUE(HasMMX());
  EXPECT_TRUE(MMX_ACTIVE);
  ASSERT_NE(alpha_ptr, nullptr);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(alpha_ptr) % 8, 0u);
  EXPECT_EQ(bias_ptr, alpha_ptr + 4 * 128);
  EXPECT_EQ(alpha_ptr[4 * 77 + 3], 77);
  // The processor's BlendRegEx blends alpha like the other channels.
  EXPECT_EQ(BlendRegEx(0x80FF0000, 0xFF0000FF, 255), RefMComb(0x80FF0000, 0xFF0000FF, 128));
  EXPECT_NE(BlendRegEx(0x80FF0000, 0xFF0000FF, 255) >> 24, 0u);
  EXPECT_EQ(BLEND_REG[cmBlend], BlendReg);
  EXPECT_EQ(BLEND_MEM[cmBlend], BlendMem);
  EXPECT_EQ(BLEND_REG_EX[cmBlend], BlendRegEx);
  EXPECT_EQ(BLEND_MEM_EX[cmBlend], BlendMemEx);
  EXPECT_EQ(BLEND_LINE[cmBlend], BlendLine);
  EXPECT_EQ(BLEND_LINE_EX[cmBlend], BlendLineEx);
  EXPECT_EQ(BLEND_REG[cmMerge], MergeReg);
  EXPECT_EQ(BLEND_MEM[cmMerge], MergeMem);
  EXPECT_EQ(BLEND_REG_EX[cmMerge], MergeRegEx);
  EXPECT_EQ(BLEND_MEM_EX[cmMerge], MergeMemEx);
  EXPECT_EQ(BLEND_LINE[cmMerge], MergeLine);
  EXPECT_EQ(BLEND_LINE_EX[cmMerge], MergeLineEx);
  // The tables hold the processor forms: weight 255 is not singled out there.
  EXPECT_EQ(BLEND_REG[cmBlend](0xFFFFFFFF, 0), 0xFEFEFEFEu);
  EXPECT_EQ(ProductTable[255][128], 128);
  EXPECT_EQ(QuotientTable[192][128], 170);
  EXPECT_EQ(QuotientTable[0][9], 0);
}

TEST(BlendBinding, PlainBindingDropsTheWeightTable) {
  RebindWithMaskedInstructionSets(0xFF);
  EXPECT_FALSE(MMX_ACTIVE);
  EXPECT_EQ(alpha_ptr, nullptr);
  EXPECT_EQ(BLEND_REG[cmBlend](0xFFFFFFFF, 0), 0xFFFFFFFFu);
  EMMS();  // a call point only
  RebindWithMaskedInstructionSets(0);
  EXPECT_NE(alpha_ptr, nullptr);
}

}  // namespace
