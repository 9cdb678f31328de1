#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "bitmap_fixtures.h"
#include "classlib/formres/FormReader.h"
#include "classlib/formres/FormText.h"
#include "imaging/Bitmap32_Kernels.h"

using namespace imaging;
using namespace bitmaptest;

namespace {

std::unique_ptr<TCustomKernel> MakeKernel(const char* name) {
  return std::unique_ptr<TCustomKernel>(static_cast<TCustomKernel*>(KernelList->Find(name)->Create()));
}

TEST(MappingTable, LinearKernelShrinkingFourToTwo) {
  const TLinearKernel kernel;
  const TMappingTable table = MakeMappingTable(0, 2, 0, 2, 0, 4, kernel);
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[0], (TCluster{{0, 32}, {0, 96}, {1, 96}, {2, 32}}));
  EXPECT_EQ(table[1], (TCluster{{1, 32}, {2, 96}, {3, 96}, {3, 32}}));
}

TEST(MappingTable, OneWideSourceGivesItsColumn) {
  const TCubicKernel kernel;
  const TMappingTable table = MakeMappingTable(10, 15, 11, 14, 7, 8, kernel);
  ASSERT_EQ(table.size(), 3u);
  for (const TCluster& cluster : table) EXPECT_EQ(cluster, (TCluster{{7, 256}}));
  EXPECT_TRUE(MakeMappingTable(0, 5, 0, 5, 3, 3, kernel).empty());
}

TEST(MappingTable, ClustersSumTo256InsideTheSourceForEveryKernel) {
  const struct {
    int dstW, clipLo, clipHi, srcLo, srcHi;
  } sizes[] = {{2, 0, 2, 0, 4}, {7, 1, 6, 3, 23}, {40, 0, 40, 2, 9}, {5, 0, 5, 0, 5}, {3, 0, 3, 0, 2}, {64, 10, 50, 0, 64}};
  for (int k = 0; k < KernelList->Count(); ++k) {
    const auto kernel = MakeKernel(KernelList->GetItems(k)->ClassName().c_str());
    for (const auto& s : sizes) {
      const TMappingTable table = MakeMappingTable(0, s.dstW, s.clipLo, s.clipHi, s.srcLo, s.srcHi, *kernel);
      ASSERT_EQ(table.size(), size_t(s.clipHi - s.clipLo));
      for (const TCluster& cluster : table) {
        int sum = 0;
        for (const TPointRec& entry : cluster) {
          EXPECT_GE(entry.Pos, s.srcLo);
          EXPECT_LT(entry.Pos, s.srcHi);
          sum += entry.Weight;
        }
        EXPECT_EQ(sum, 256) << kernel->ClassName().c_str() << " " << s.dstW << " from " << s.srcHi - s.srcLo;
      }
    }
  }
}

TEST(Kernels, FilterValues) {
  const TCubicKernel cubic;
  EXPECT_EQ(cubic.Filter(0), 1.0f);
  EXPECT_EQ(cubic.Filter(1), 0.0f);
  EXPECT_EQ(cubic.Filter(0.5f), 0.5625f);
  EXPECT_EQ(cubic.Filter(-2.5f), 0.0f);
  const TLinearKernel linear;
  EXPECT_EQ(linear.Filter(-0.25f), 0.75f);
  EXPECT_EQ(TBoxKernel().Filter(0.5f), 1.0f);
  EXPECT_EQ(TBoxKernel().Filter(0.51f), 0.0f);
  EXPECT_NEAR(TSplineKernel().Filter(0), 2.0f / 3, 1e-6);
  EXPECT_NEAR(TMitchellKernel().Filter(0), 16.0f / 18, 1e-6);
  const TLanczosKernel lanczos;
  EXPECT_EQ(lanczos.Filter(0), 1.0f);
  EXPECT_NEAR(lanczos.Filter(1), 0.0f, 1e-6);
  EXPECT_EQ(lanczos.Filter(3), 0.0f);
  EXPECT_NEAR(THermiteKernel().Filter(0), 1.0f, 1e-6);
  EXPECT_NEAR(THermiteKernel().Filter(1), 0.0f, 1e-6);
  EXPECT_NEAR(TSinshKernel().Filter(0.5f), 0.5 * 1 / std::sinh(0.5 * 3.14159265358979 * 0.5), 1e-6);
}

TEST(Kernels, SettersLimitAndRefuse) {
  TLanczosKernel lanczos;
  lanczos.SetWidth(6);
  EXPECT_EQ(lanczos.Width(), 4.0f);
  TGaussianKernel gaussian;
  EXPECT_EQ(gaussian.Sigma(), 1.33f);
  gaussian.SetSigma(0);
  EXPECT_EQ(gaussian.Sigma(), 1.33f);
  TSinshKernel sinsh;
  sinsh.SetCoeff(0);
  EXPECT_EQ(sinsh.Coeff(), 0.5f);
  sinsh.SetWidth(6);
  EXPECT_EQ(sinsh.GetWidth(), 6.0f);
}

TEST(Kernels, ChangesReachTheObserverOnlyForNewValues) {
  TNotifiablePersistent observer;
  TEventLog log;
  observer.OnChange = TNotifyEvent(&log, &TEventLog::Change);
  TCubicKernel kernel;
  kernel.Observer = &observer;
  kernel.SetCoeff(-0.5f);
  kernel.SetCoeff(-1);
  EXPECT_EQ(log.lines.size(), 1u);
}

TEST(Kernels, AssignCopiesParameters) {
  TGaussianKernel source, copy;
  source.SetWidth(2);
  source.SetSigma(0.5f);
  copy.Assign(&source);
  EXPECT_EQ(copy.Width(), 2.0f);
  EXPECT_EQ(copy.Sigma(), 0.5f);
}

TEST(KernelResampler, KernelChosenByClassName) {
  TKernelResampler resampler;
  EXPECT_EQ(resampler.KernelClassName(), "TBoxKernel");
  resampler.SetKernelClassName("TLanczosKernel");
  ASSERT_EQ(resampler.KernelClassName(), "TLanczosKernel");
  EXPECT_EQ(resampler.GetWidth(), 3.0f);
  TCustomKernel* lanczos = resampler.Kernel();
  resampler.SetKernelClassName("TNoSuchKernel");
  resampler.SetKernelClassName("tlanczoskernel");
  EXPECT_EQ(resampler.Kernel(), lanczos);
  resampler.SetTableSize(1);
  EXPECT_EQ(resampler.TableSize(), 2);
}

TEST(KernelResampler, KernelRegistryOrder) {
  const char* names[] = {"TBoxKernel",     "TLinearKernel",   "TCosineKernel",   "TSplineKernel", "TCubicKernel",
                         "TMitchellKernel", "TLanczosKernel", "TGaussianKernel", "TBlackmanKernel", "THannKernel",
                         "THammingKernel", "TSinshKernel",    "THermiteKernel"};
  ASSERT_EQ(KernelList->Count(), 13);
  for (int i = 0; i < 13; ++i) EXPECT_EQ(KernelList->GetItems(i)->ClassName(), names[i]);
  const char* resamplers[] = {"TNearestResampler", "TLinearResampler", "TDraftResampler", "TKernelResampler"};
  ASSERT_EQ(ResamplerList->Count(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(ResamplerList->GetItems(i)->ClassName(), resamplers[i]);
}

// A sample at a pixel position reads that pixel; a constant image stays constant
// anywhere inside, whatever the weighting.
TEST(KernelResampler, SamplesInEveryModeAndAccess) {
  const auto indexed = Indexed(12, 10);
  const auto constant = Filled(12, 10, 0xC0604020);
  for (TKernelMode mode : {kmDynamic, kmTableNearest, kmTableLinear})
    for (TPixelAccessMode access : {pamUnsafe, pamSafe, pamWrap, pamTransparentEdge})
      for (const char* kernel : {"TLinearKernel", "TCubicKernel", "TLanczosKernel"}) {
        SCOPED_TRACE(std::string(kernel) + " mode " + std::to_string(mode) + " access " + std::to_string(access));
        for (TBitmap32* bitmap : {indexed.get(), constant.get()}) {
          auto* resampler = new TKernelResampler(bitmap);
          resampler->SetKernelClassName(kernel);
          resampler->SetKernelMode(mode);
          resampler->SetPixelAccessMode(access);
          resampler->PrepareSampling();
          if (bitmap == indexed.get()) {
            EXPECT_EQ(resampler->GetSampleFloat(5, 4), Index(5, 4));
          } else {
            EXPECT_EQ(resampler->GetSampleFloat(5.3f, 4.6f), 0xC0604020u);
            EXPECT_EQ(resampler->GetSampleFloat(6.75f, 3.1f), 0xC0604020u);
          }
          resampler->FinalizeSampling();
        }
      }
}

TEST(KernelResampler, SamplesAtAndOutsideTheClip) {
  const auto bitmap = Filled(8, 8, 0xFF404040);
  bitmap->OuterColor = 0x12345678;
  auto* resampler = new TKernelResampler(bitmap.get());
  resampler->SetKernelClassName("TLinearKernel");
  resampler->PrepareSampling();
  EXPECT_EQ(resampler->GetSampleFloat(-1.5f, 3), 0x12345678u);
  EXPECT_EQ(resampler->GetSampleFloat(3, 8.5f), 0x12345678u);
  // Half a pixel outside: half the outer colour.
  const TColor32 halfway = resampler->GetSampleFloat(-0.5f, 3);
  EXPECT_EQ(halfway >> 24, (0xFFu + 0x12) / 2);
  resampler->SetPixelAccessMode(pamTransparentEdge);
  resampler->PrepareSampling();
  EXPECT_EQ(resampler->GetSampleFloat(-1.5f, 3), 0u);
  EXPECT_EQ(resampler->GetSampleFloat(-0.5f, 3), 0x7F404040u);
}

// Form resources: a bitmap choosing the kernel resampler and its kernel by name.
TEST(KernelResampler, ReadFromFormText) {
  const TFormObject text = ParseFormText(
      "object Holder: TComponent\n"
      "  ResamplerClassName = 'TKernelResampler'\n"
      "  Resampler.KernelClassName = 'TLanczosKernel'\n"
      "  Resampler.Kernel.Width = 2\n"
      "  Resampler.KernelMode = kmTableLinear\n"
      "  Resampler.TableSize = 64\n"
      "end\n",
      "Bitmap.form");
  TComponent root(nullptr);
  TFormReader reader(&root, TComponent::StaticClass(), "Bitmap.form");
  TBitmap32 bitmap;
  reader.ApplyProperties(&bitmap, text.properties);
  auto* resampler = dynamic_cast<TKernelResampler*>(bitmap.Resampler());
  ASSERT_NE(resampler, nullptr);
  auto* lanczos = dynamic_cast<TLanczosKernel*>(resampler->Kernel());
  ASSERT_NE(lanczos, nullptr);
  EXPECT_EQ(lanczos->Width(), 2.0f);
  EXPECT_EQ(resampler->KernelMode(), kmTableLinear);
  EXPECT_EQ(resampler->TableSize(), 64);
}

TEST(KernelResampler, AssignCopiesKernelAndSettings) {
  TKernelResampler source, copy;
  source.SetKernelClassName("TGaussianKernel");
  static_cast<TGaussianKernel*>(source.Kernel())->SetSigma(2);
  source.SetKernelMode(kmTableNearest);
  source.SetPixelAccessMode(pamWrap);
  copy.Assign(&source);
  auto* gaussian = dynamic_cast<TGaussianKernel*>(copy.Kernel());
  ASSERT_NE(gaussian, nullptr);
  EXPECT_NE(copy.Kernel(), source.Kernel());
  EXPECT_EQ(gaussian->Sigma(), 2.0f);
  EXPECT_EQ(copy.KernelMode(), kmTableNearest);
  EXPECT_EQ(copy.PixelAccessMode(), pamWrap);
}

}  // namespace
