#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "bitmap_fixtures.h"
#include "imaging/Bitmap32_LinearResamplers.h"
#include "imaging/Imaging.h"

using namespace imaging;
using namespace bitmaptest;

namespace {

using Rect = imaging::TRect;

// Binds the plain forms of every processor routine for the scope.
struct TPlainForms {
  TPlainForms() { RebindWithMaskedInstructionSets(0xFF); }
  ~TPlainForms() { RebindWithMaskedInstructionSets(0); }
};

// Deterministic noise of every byte.
std::unique_ptr<TBitmap32> Noise(int width, int height, uint32_t seed) {
  auto bitmap = std::make_unique<TBitmap32>();
  bitmap->SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      seed = seed * 1103515245u + 12345u;
      bitmap->SetPixel(x, y, seed ^ (seed >> 13));
    }
  return bitmap;
}

TColor32 Grey(int v) { return 0xFF000000u | static_cast<TColor32>(v) * 0x010101u; }

// Stretches all of src into a new bitmap of that size through `resampler` (owned by src).
std::unique_ptr<TBitmap32> Stretched(TBitmap32& src, int width, int height) {
  auto dst = Filled(width, height, 0);
  dst->Draw(Rect{0, 0, width, height}, src.BoundsRect(), &src);
  return dst;
}

TEST(LinearResampler, ShrinkingARowGoesThroughTheLinearKernel) {
  const auto src = Filled(4, 1, 0);
  const int values[] = {0, 100, 200, 255};
  for (int x = 0; x < 4; ++x) src->SetPixel(x, 0, Grey(values[x]));
  new TLinearResampler(src.get());
  const auto dst = Stretched(*src, 2, 1);
  EXPECT_EQ(dst->GetPixel(0, 0), Grey(62));
  EXPECT_EQ(dst->GetPixel(1, 0), Grey(215));
}

std::unique_ptr<TBitmap32> BlackWhiteColumns() {
  const auto src = Filled(2, 2, clBlack32);
  src->SetPixel(1, 0, clWhite32);
  src->SetPixel(1, 1, clWhite32);
  new TLinearResampler(src.get());
  return Stretched(*src, 4, 4);
}

TEST(LinearResampler, EnlargingBothWaysMixesBilinearly) {
  const auto dst = BlackWhiteColumns();
  for (int y = 0; y < 4; ++y) {
    EXPECT_EQ(dst->GetPixel(0, y), Grey(0)) << y;
    EXPECT_EQ(dst->GetPixel(1, y), Grey(63)) << y;
    EXPECT_EQ(dst->GetPixel(2, y), Grey(191)) << y;
    EXPECT_EQ(dst->GetPixel(3, y), Grey(255)) << y;
  }
}

TEST(LinearResampler, PlainMixGoesThroughCombineReg) {
  TPlainForms plain;
  const auto dst = BlackWhiteColumns();
  EXPECT_EQ(dst->GetPixel(2, 0) & 0xFF, 190u);
  EXPECT_EQ(dst->GetPixel(3, 1), 0xFEFEFEFEu);
  EXPECT_EQ(dst->GetPixel(3, 2), 0xFEFEFEFEu);
}

// The preview path: drawing a bitmap whose resampler is linear equals the routine the
// sizes choose.
TEST(LinearResampler, DrawRoutesBySize) {
  const struct {
    int srcW, srcH, dstW, dstH;
    bool stretch;
  } cases[] = {{64, 36, 20, 11, false}, {16, 12, 48, 36, true}, {16, 12, 48, 8, false}, {1, 5, 4, 9, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.srcW) + "x" + std::to_string(c.srcH));
    const auto src = Noise(c.srcW, c.srcH, 7);
    new TLinearResampler(src.get());
    const auto drawn = Stretched(*src, c.dstW, c.dstH);
    const auto direct = Filled(c.dstW, c.dstH, 0);
    const Rect dstRect{0, 0, c.dstW, c.dstH};
    if (c.stretch) LinearStretch(direct.get(), dstRect, dstRect, src.get(), src->BoundsRect(), dmOpaque, {});
    else KernelResample(direct.get(), dstRect, dstRect, src.get(), src->BoundsRect(), TLinearKernel(), dmOpaque, {});
    EXPECT_EQ(Pixels(*drawn), Pixels(*direct));
  }
}

TEST(LinearResampler, BlendModeBlendsTheResampledColour) {
  const auto src = Filled(4, 4, 0x80FFFFFF);
  src->SetDrawMode(dmBlend);
  new TLinearResampler(src.get());
  const auto dst = Filled(2, 2, clBlack32);
  dst->Draw(Rect{0, 0, 2, 2}, src->BoundsRect(), src.get());
  const TColor32 grey = dst->GetPixel(1, 1);
  EXPECT_GT(grey & 0xFF, 0x70u);
  EXPECT_LT(grey & 0xFF, 0x90u);
}

TEST(LinearResampler, TransparentEdgeFadesAcrossTheClip) {
  const auto bitmap = Filled(10, 10, 0xFF808080);
  bitmap->SetClipRect(Rect{2, 2, 8, 8});
  auto* resampler = new TLinearResampler(bitmap.get());
  resampler->SetPixelAccessMode(pamTransparentEdge);
  resampler->PrepareSampling();
  EXPECT_EQ(resampler->GetSampleFixed(0, 5 * 65536), 0u);
  const TColor32 half = resampler->GetSampleFloat(1.5f, 5);
  EXPECT_GT(half >> 24, 0u);
  EXPECT_LT(half >> 24, 255u);
  EXPECT_EQ(resampler->GetSampleFloat(4, 5), 0xFF808080u);
}

TEST(LinearResampler, SamplesByAccessMode) {
  const auto bitmap = Indexed(6, 6);
  bitmap->OuterColor = 0x01020304;
  auto* resampler = new TLinearResampler(bitmap.get());
  for (TPixelAccessMode mode : {pamUnsafe, pamSafe, pamWrap}) {
    resampler->SetPixelAccessMode(mode);
    resampler->PrepareSampling();
    EXPECT_EQ(resampler->GetSampleFloat(2, 3), Index(2, 3)) << int(mode);
  }
  resampler->SetPixelAccessMode(pamSafe);
  resampler->PrepareSampling();
  EXPECT_EQ(resampler->GetSampleFixed(-20 * 65536, 0), 0x01020304u);
}

// --- Draft resampler -----------------------------------------------------------------------

TEST(DraftResampler, BoxAverages) {
  const auto nine = Filled(6, 6, 0xFF102030);
  new TDraftResampler(nine.get());
  EXPECT_EQ(Pixels(*Stretched(*nine, 2, 2)), std::vector<TColor32>(4, 0xFE0F1F2Fu));

  const auto src = Noise(4, 4, 3);
  new TDraftResampler(src.get());
  const auto dst = Stretched(*src, 2, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) {
      TColor32 expected = 0;
      for (int shift = 0; shift < 32; shift += 8) {
        uint32_t sum = 0;
        for (int j = 0; j < 2; ++j)
          for (int i = 0; i < 2; ++i) sum += (src->GetPixel(2 * x + i, 2 * y + j) >> shift) & 0xFF;
        expected |= (sum / 4) << shift;
      }
      EXPECT_EQ(dst->GetPixel(x, y), expected) << x << "," << y;
    }
}

TEST(DraftResampler, EnlargingOneWayStretches) {
  const auto src = Noise(4, 6, 9);
  new TDraftResampler(src.get());
  const auto drawn = Stretched(*src, 9, 3);
  const auto direct = Filled(9, 3, 0);
  const Rect dstRect{0, 0, 9, 3};
  LinearStretch(direct.get(), dstRect, dstRect, src.get(), src->BoundsRect(), dmOpaque, {});
  EXPECT_EQ(Pixels(*drawn), Pixels(*direct));
}

// Blocks wider than 257 pixels would wrap 16-bit sums.
TEST(DraftResampler, WideBlocksAverageWithoutWrapping) {
  for (bool plain : {false, true}) {
    std::unique_ptr<TPlainForms> forms(plain ? new TPlainForms : nullptr);
    const auto src = Noise(600, 2, 5);
    for (TColor32& pixel : std::span(src->Bits(), 1200)) pixel |= 0xE0E0E0E0;  // a row sums above 65535
    new TDraftResampler(src.get());
    const auto dst = Stretched(*src, 2, 1);
    for (int x = 0; x < 2; ++x) {
      TColor32 expected = 0;
      for (int shift = 0; shift < 32; shift += 8) {
        uint64_t sum = 0;
        for (int j = 0; j < 2; ++j)
          for (int i = 0; i < 300; ++i) sum += (src->GetPixel(300 * x + i, j) >> shift) & 0xFF;
        expected |= static_cast<TColor32>((sum * ((1u << 24) / 600)) >> 24) << shift;
      }
      EXPECT_EQ(dst->GetPixel(x, 0), expected) << (plain ? "plain " : "bound ") << x;
    }
  }
}

TEST(BoxAverage, FormsAgreeAndEmptyBlocks) {
  const auto src = Noise(5, 4, 11);
  for (int dx = 1; dx <= 5; ++dx)
    for (int dy = 1; dy <= 4; ++dy)
      EXPECT_EQ(BoxAverageMmx(dx, dy, src->Bits(), 20), BoxAveragePlain(dx, dy, src->Bits(), 20));
  EXPECT_EQ(BoxAveragePlain(0, 3, src->Bits(), 20), 0u);
  EXPECT_EQ(BoxAverageMmx(0, 0, src->Bits(), 20), src->GetPixel(0, 0));
}

TEST(BilinearMix, FullWeightReturnsThePixel) {
  const TColor32 top[2] = {0x80112233, 0xFF445566};
  const TColor32 bottom[2] = {0x01020304, 0x10203040};
  for (TBilinearMix mix : {BilinearMixPlain, BilinearMixMmx}) {
    EXPECT_EQ(mix(256u << 16 | 256u, 256u << 16 | 256u, top, bottom), top[0]);
    EXPECT_EQ(mix(0, 0, top, bottom), bottom[1]);
  }
}

// --- Reads stay inside the source rectangle ---------------------------------------------------

constexpr TColor32 kMarker = 0xFFFF00FF;
constexpr TColor32 kInside = 0xC0806040;

// A source of srcW x srcH inside a 3-pixel marker border; `leftTopToo` fills the
// border left of and above the rectangle with the inside colour instead.
std::unique_ptr<TBitmap32> Guarded(int srcW, int srcH, bool leftTopToo, Rect& srcRect) {
  auto bitmap = Filled(srcW + 6, srcH + 6, kMarker);
  srcRect = Rect{3, 3, 3 + srcW, 3 + srcH};
  bitmap->FillRect(leftTopToo ? 0 : 3, leftTopToo ? 0 : 3, 3 + srcW, 3 + srcH, kInside);
  return bitmap;
}

TEST(ResamplingGuard, NothingOutsideTheSourceRectangleIsRead) {
  const struct {
    int srcW, srcH, dstW, dstH;
  } sizes[] = {{20, 15, 7, 5}, {5, 4, 17, 13}, {10, 3, 4, 9}, {1, 6, 5, 3}, {6, 1, 2, 7},
               {1, 1, 4, 4},   {2, 2, 9, 9},   {3, 7, 3, 2}, {13, 11, 13, 12}};
  const Rect clips[] = {{0, 0, 1000, 1000}, {1, 1, 3, 2}};
  for (const auto& s : sizes)
    for (const Rect& clipLimit : clips) {
      SCOPED_TRACE(std::to_string(s.srcW) + "x" + std::to_string(s.srcH) + " to " + std::to_string(s.dstW) + "x" +
                   std::to_string(s.dstH));
      const Rect dstRect{2, 1, 2 + s.dstW, 1 + s.dstH};
      Rect dstClip;
      IntersectRect(dstClip, Rect{2 + clipLimit.Left, 1 + clipLimit.Top, 2 + clipLimit.Right, 1 + clipLimit.Bottom},
                    dstRect);
      for (const char* kernel : {"TLinearKernel", "TCubicKernel", "TLanczosKernel", "TBoxKernel"}) {
        Rect srcRect;
        const auto src = Guarded(s.srcW, s.srcH, false, srcRect);
        const auto dst = Filled(s.dstW + 4, s.dstH + 2, 0);
        std::unique_ptr<TCustomKernel> k(static_cast<TCustomKernel*>(KernelList->Find(kernel)->Create()));
        KernelResample(dst.get(), dstRect, dstClip, src.get(), srcRect, *k, dmOpaque, {});
        for (int y = dstClip.Top; y < dstClip.Bottom; ++y)
          for (int x = dstClip.Left; x < dstClip.Right; ++x)
            ASSERT_EQ(dst->GetPixel(x, y), kInside) << kernel << " at " << x << "," << y;
      }
      if (s.srcW < 2 || s.srcH < 2) continue;
      Rect srcRect;
      const auto src = Guarded(s.srcW, s.srcH, true, srcRect);
      const auto dst = Filled(s.dstW + 4, s.dstH + 2, 0);
      LinearStretch(dst.get(), dstRect, dstClip, src.get(), srcRect, dmOpaque, {});
      for (int y = dstClip.Top; y < dstClip.Bottom; ++y)
        for (int x = dstClip.Left; x < dstClip.Right; ++x)
          ASSERT_EQ(dst->GetPixel(x, y), kInside) << "stretch at " << x << "," << y;
    }
}

}  // namespace
