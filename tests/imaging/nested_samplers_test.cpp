#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "bitmap_fixtures.h"
#include "imaging/Bitmap32_Samplers_Kernel.h"
#include "imaging/Bitmap32_Samplers_Nested.h"
#include "sampler_fixtures.h"

using namespace imaging;
using namespace bitmaptest;

namespace {

using Rect = imaging::TRect;
using Pt = imaging::TPoint;

TEST(NestedSamplers, SuperSamplerAveragesAnEvenGrid) {
  TRecordingSampler nested;
  TSuperSampler one(&nested);
  one.SetSamplingX(1);
  one.SetSamplingY(1);
  EXPECT_EQ(one.GetSampleFixed(FixedOne * 3, FixedOne * 2), nested.color);
  EXPECT_EQ(nested.fixeds, (std::vector<TFixedPoint>{{FixedOne * 3, FixedOne * 2}}));

  nested.fixeds.clear();
  TSuperSampler grid(&nested);
  EXPECT_EQ(grid.GetSampleFixed(FixedOne, FixedOne), nested.color);
  ASSERT_EQ(nested.fixeds.size(), 16u);
  const std::set<TFixed> offsets = {-24576, -8192, 8192, 24576};  // -0.375 .. 0.375
  std::set<TFixed> xs;
  std::set<TFixed> ys;
  for (const TFixedPoint& p : nested.fixeds) {
    xs.insert(p.X - FixedOne);
    ys.insert(p.Y - FixedOne);
  }
  EXPECT_EQ(xs, offsets);
  EXPECT_EQ(ys, offsets);
}

TEST(NestedSamplers, SuperSamplerMeanOfAHalfCoveredPixel) {
  auto bitmap = Filled(2, 1, 0xFF000000);
  bitmap->SetPixel(1, 0, 0xFFFFFFFF);
  TSuperSampler sampler(bitmap->Resampler());
  sampler.SetSamplingX(2);
  sampler.SetSamplingY(1);
  sampler.PrepareSampling();
  // Samples at 0.25 and 0.75 round to pixels 0 and 1 (nearest): the mean grey.
  EXPECT_EQ(sampler.GetSampleFixed(FixedHalf, 0), 0xFF7F7F7Fu);
  sampler.FinalizeSampling();
}

TEST(NestedSamplers, AdaptiveSuperSamplerOverAUniformAreaTakesFiveSamples) {
  TRecordingSampler nested;
  TAdaptiveSuperSampler sampler(&nested);
  EXPECT_EQ(sampler.GetSampleFixed(FixedOne * 2, FixedOne * 2), nested.color);
  EXPECT_EQ(nested.fixeds.size(), 5u);
  EXPECT_EQ(nested.fixeds.back(), (TFixedPoint{FixedOne * 2, FixedOne * 2}));
}

TEST(NestedSamplers, AdaptiveSuperSamplerRefinesAnEdge) {
  auto bitmap = Filled(4, 4, 0xFF000000);
  for (int y = 0; y < 4; ++y) bitmap->SetPixel(2, y, 0xFFFFFFFF);
  bitmap->SetPixel(3, 0, 0xFFFFFFFF);
  TAdaptiveSuperSampler sampler(bitmap->Resampler());
  sampler.PrepareSampling();
  const TColor32 mixed = sampler.GetSampleFixed(FixedOne + FixedHalf, FixedOne);
  sampler.FinalizeSampling();
  const int red = static_cast<int>((mixed >> 16) & 0xFF);
  EXPECT_GT(red, 0);
  EXPECT_LT(red, 255);
}

TEST(NestedSamplers, MorphologyWithAZeroKernelTakesChannelExtremes) {
  auto bitmap = std::make_unique<TBitmap32>();
  bitmap->SetSize(3, 3);
  const TColor32 pixels[9] = {0xFF102030, 0x80FF0040, 0x40405060, 0xC0000000, 0xFF7F7F7F,
                              0x10203040, 0xFFFFFFFF, 0x00000001, 0x20E0D0C0};
  for (int i = 0; i < 9; ++i) bitmap->SetPixel(i % 3, i / 3, pixels[i]);
  TColor32 low = 0, high = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    uint32_t lo = 255, hi = 0;
    for (const TColor32 p : pixels) {
      lo = std::min(lo, (p >> shift) & 0xFF);
      hi = std::max(hi, (p >> shift) & 0xFF);
    }
    low |= lo << shift;
    high |= hi << shift;
  }
  TIntegerMap kernel;
  kernel.SetSize(3, 3);
  struct Case {
    std::unique_ptr<TKernelSampler> sampler;
    TColor32 expected;
  };
  Case cases[2] = {{std::make_unique<TEroder>(bitmap->Resampler()), low},
                   {std::make_unique<TDilater>(bitmap->Resampler()), high}};
  for (Case& c : cases) {
    c.sampler->UseKernel(&kernel);
    c.sampler->PrepareSampling();
    EXPECT_EQ(c.sampler->GetSampleInt(2, 2), c.expected) << c.sampler->ClassName().c_str();
    EXPECT_EQ(c.sampler->GetSampleFixed(Fixed(2), Fixed(2)), c.expected) << c.sampler->ClassName().c_str();
    c.sampler->FinalizeSampling();
  }
}

TEST(NestedSamplers, KernelFiltersKeepTheCallersKernel) {
  auto src = Indexed(4, 3);
  TBitmap32 dst;
  TIntegerMap kernel;
  kernel.SetSize(1, 1);
  kernel.SetValue(0, 0, 256);  // the identity convolution
  Convolve(src.get(), &dst, &kernel, 5, 5);
  EXPECT_EQ(Pixels(dst), Pixels(*src));
  ASSERT_EQ(kernel.Width(), 1);
  EXPECT_EQ(kernel.GetValue(0, 0), 256);
  kernel.SetSize(2, 1);  // still the caller's to change and use
  kernel.SetValue(0, 0, 128);
  kernel.SetValue(1, 0, 128);
  Convolve(src.get(), &dst, &kernel, 0, 0);
  // (x, y) mixes pixels x and x - 1 (outside: OuterColor 0).
  EXPECT_EQ(dst.GetPixel(0, 0), 0x7F400000u);
  EXPECT_EQ(dst.GetPixel(2, 1), 0xFF800101u);
}

TEST(NestedSamplers, ExpandAndContractAreDualOnGrey) {
  auto src = Filled(3, 1, 0xFF404040);
  src->SetPixel(1, 0, 0xFFC0C0C0);
  TIntegerMap kernel;
  kernel.SetSize(2, 1);
  kernel.SetValue(0, 0, 1);
  kernel.SetValue(1, 0, 1);
  TBitmap32 expanded;
  Expand(src.get(), &expanded, &kernel, 0, 0);
  EXPECT_EQ(expanded.GetPixel(2, 0), 0x00000000u);  // weights of 1 scale the bytes down by 8 bits
  kernel.SetValue(0, 0, 256);
  kernel.SetValue(1, 0, 256);
  Expand(src.get(), &expanded, &kernel, 0, 0);
  EXPECT_EQ(expanded.GetPixel(2, 0), 0xFFC0C0C0u);  // the brighter of pixels 2 and 1
  EXPECT_EQ(expanded.GetPixel(0, 0), 0xFF404040u);
  kernel.SetValue(0, 0, 255);
  kernel.SetValue(1, 0, 255);
  TBitmap32 contracted;
  Contract(src.get(), &contracted, &kernel, 0, 0);
  // 255 - the larger inverted byte: the darker of the two pixels.
  EXPECT_EQ(contracted.GetPixel(2, 0) & 0x00FFFFFF, 0x00414141u);  // 255 - (255 * 0xBF >> 8)
}

TEST(NestedSamplers, SelectiveConvolverAveragesOnlySimilarSamples) {
  auto src = Filled(3, 1, 0xFF646464);
  src->SetPixel(0, 0, 0xFF6E6E6E);  // within Delta of pixel 1
  src->SetPixel(2, 0, 0xFFF0F0F0);  // far from pixel 1 ... but pixel 2's own reference
  TIntegerMap kernel;
  kernel.SetSize(2, 1);
  kernel.SetValue(0, 0, 1);
  kernel.SetValue(1, 0, 1);
  TSelectiveConvolver sampler(src->Resampler());
  sampler.UseKernel(&kernel);
  sampler.PrepareSampling();
  EXPECT_EQ(sampler.GetSampleInt(1, 0), 0xFF696969u);  // (0x64 + 0x6E) / 2
  EXPECT_EQ(sampler.GetSampleInt(2, 0), 0xFFF0F0F0u);  // pixel 1 differs by more than 30
  sampler.FinalizeSampling();
}

TEST(NestedSamplers, NearestTransformerReadsNegativeFixedCoordinatesAsUnsigned) {
  TRecordingSampler nested;
  TAffineTransformation t;
  t.Translate(0.5f, 0);  // reverse: (x - 0.5, y)
  TNearestTransformer transformer(&nested, &t);
  transformer.PrepareSampling();
  transformer.GetSampleFixed(0, 0);
  EXPECT_EQ(nested.ints, (std::vector<Pt>{{65535, 0}}));
  nested.ints.clear();
  transformer.GetSampleInt(3, 1);  // 2.5 rounds down
  transformer.GetSampleFloat(3.0f, 1.0f);  // 2.5 rounds to even
  EXPECT_EQ(nested.ints, (std::vector<Pt>{{2, 1}, {2, 1}}));
}

TEST(NestedSamplers, TransformerMapsBeforeSamplingAndBoundsItsArea) {
  TIndexSampler nested;
  nested.hasBounds = true;
  nested.bounds = Rect{0, 0, 4, 4};
  TAffineTransformation t;
  t.Translate(10, 20);
  TTransformer transformer(&nested, &t);
  transformer.PrepareSampling();
  EXPECT_TRUE(t.TransformValid());
  EXPECT_EQ(nested.prepared, 1);
  EXPECT_TRUE(transformer.HasBounds());
  EXPECT_EQ(transformer.GetSampleBounds(), (Rect{10, 20, 14, 24}));
  transformer.FinalizeSampling();
  EXPECT_EQ(nested.finalized, 1);
  nested.hasBounds = false;
  EXPECT_FALSE(transformer.HasBounds());
}

TEST(NestedSamplers, MissingNestedSamplerRaises) {
  TSuperSampler sampler;
  for (const auto& call : std::vector<std::function<void()>>{[&] { sampler.PrepareSampling(); },
                                                            [&] { sampler.FinalizeSampling(); },
                                                            [&] { sampler.HasBounds(); },
                                                            [&] { sampler.GetSampleBounds(); }}) {
    try {
      call();
      ADD_FAILURE() << "no exception";
    } catch (const ENestedException& e) {
      EXPECT_STREQ(e.Message().c_str(), "Nested sampler is nil");
    }
  }
}

TEST(NestedSamplers, JitteredPatternPlacesOneSamplePerStratum) {
  SetRandomSeed(1234);
  const TFixedSamplePattern pattern = CreateJitteredPattern(3, 2, 2, 3);
  ASSERT_EQ(pattern.size(), 2u);
  for (const auto& row : pattern) {
    ASSERT_EQ(row.size(), 3u);
    for (const TArrayOfFixedPoint& cell : row) {
      ASSERT_EQ(cell.size(), 6u);
      for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j) {
          const TFixedPoint p = cell[i + j * 2];
          EXPECT_GE(p.X, i * 32768 - 32768);
          EXPECT_LT(p.X, (i + 1) * 32768 - 32768);
          EXPECT_GE(p.Y, j * 65536 / 3 - 32768);
          EXPECT_LT(p.Y, (j + 1) * 65536 / 3 - 32768 + 1);
        }
    }
  }
  SetRandomSeed(1234);
  EXPECT_EQ(CreateJitteredPattern(3, 2, 2, 3), pattern);  // the seed repeats the pattern
  EXPECT_NE(CreateJitteredPattern(3, 2, 2, 3), pattern);
}

TEST(NestedSamplers, PatternSamplerAveragesTheTiledCell) {
  TRecordingSampler nested;
  TPatternSampler sampler(&nested);
  TFixedSamplePattern pattern(1, std::vector<TArrayOfFixedPoint>(2));
  pattern[0][0] = {TFixedPoint{-100, 0}, TFixedPoint{100, 0}};
  pattern[0][1] = {TFixedPoint{0, 7}};
  sampler.SetPattern(pattern);
  sampler.SetPattern({});  // ignored
  EXPECT_EQ(sampler.GetSampleFixed(Fixed(4), Fixed(9)), nested.color);
  EXPECT_EQ(nested.fixeds, (std::vector<TFixedPoint>{{Fixed(4) - 100, Fixed(9)}, {Fixed(4) + 100, Fixed(9)}}));
  nested.fixeds.clear();
  sampler.GetSampleFixed(Fixed(3), Fixed(-1));  // column 3 wraps to cell 1
  EXPECT_EQ(nested.fixeds, (std::vector<TFixedPoint>{{Fixed(3), Fixed(-1) + 7}}));
}

}  // namespace
