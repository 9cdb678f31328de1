#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bitmap_fixtures.h"
#include "imaging/Bitmap32_Rasterizers.h"
#include "imaging/Bitmap32_System.h"
#include "sampler_fixtures.h"

using namespace imaging;
using namespace bitmaptest;

namespace {

using Rect = imaging::TRect;

std::unique_ptr<TRasterizer> Make(TClass kind) { return std::unique_ptr<TRasterizer>(static_cast<TRasterizer*>(kind->Create())); }

const TClass kKinds[] = {TRegularRasterizer::StaticClass(),    TSwizzlingRasterizer::StaticClass(),
                         TProgressiveRasterizer::StaticClass(), TTesseralRasterizer::StaticClass(),
                         TContourRasterizer::StaticClass(),     TMultithreadedRegularRasterizer::StaticClass()};

// Counts the writes of every pixel (the written colour names its pixel) in order.
struct TWriteLog {
  std::map<std::pair<int, int>, int> counts;
  std::vector<std::pair<int, int>> order;
  void Write(TColor32 f, TColor32& b, TColor32) {
    const std::pair<int, int> p{static_cast<int>(f & 0xFF), static_cast<int>((f >> 8) & 0xFF)};
    ++counts[p];
    order.push_back(p);
    b = f;
  }
  TCombineInfo Info() {
    TCombineInfo info;
    info.DrawMode = dmCustom;
    info.CombineCallBack = TPixelCombineEvent(this, &TWriteLog::Write);
    return info;
  }
};

// Every pixel of `area` holds Index(x, y), every other one `background`.
void ExpectIndexedWithin(const TBitmap32& bitmap, const Rect& area, TColor32 background, const std::string& what) {
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const bool inside = x >= area.Left && x < area.Right && y >= area.Top && y < area.Bottom;
      ASSERT_EQ(bitmap.GetPixel(x, y), inside ? Index(x, y) : background) << what << " at " << x << "," << y;
    }
}

// Sets NumberOfProcessors for the scope.
struct TProcessors {
  explicit TProcessors(int n) : saved(NumberOfProcessors) { NumberOfProcessors = n; }
  ~TProcessors() { NumberOfProcessors = saved; }
  int saved;
};

TEST(Rasterizers, EveryKindWritesTheSamplersImage) {
  const Rect areas[] = {{0, 0, 1, 1}, {2, 3, 7, 6}, {1, 1, 14, 10}, {0, 0, 16, 16}, {4, 0, 7, 17}, {0, 2, 19, 3}};
  for (const int processors : {1, 4}) {
    TProcessors scope(processors);
    for (const TClass kind : kKinds)
      for (const Rect& area : areas) {
        const std::string what = kind->ClassName().c_str() + std::string(" ") + std::to_string(area.Right - area.Left) +
                                 "x" + std::to_string(area.Bottom - area.Top) + " cpus " + std::to_string(processors);
        auto bitmap = Filled(20, 18, 0);
        TIndexSampler sampler;
        auto rasterizer = Make(kind);
        rasterizer->SetSampler(&sampler);
        rasterizer->Rasterize(bitmap.get(), area);
        ExpectIndexedWithin(*bitmap, area, 0, what);
        EXPECT_EQ(sampler.prepared, 1) << what;
        EXPECT_EQ(sampler.finalized, 1) << what;
        EXPECT_EQ(bitmap->UpdateCount(), 0) << what;
      }
  }
}

TEST(Rasterizers, SwizzlingVisitsEachPixelOnceInMortonOrder) {
  auto bitmap = Filled(5, 3, 0);
  TIndexSampler sampler;
  TSwizzlingRasterizer rasterizer;
  rasterizer.SetSampler(&sampler);
  TWriteLog log;
  rasterizer.Rasterize(bitmap.get(), bitmap->BoundsRect(), log.Info());
  ASSERT_EQ(log.counts.size(), 15u);
  for (const auto& [pixel, count] : log.counts) EXPECT_EQ(count, 1) << pixel.first << "," << pixel.second;
  const std::vector<std::pair<int, int>> expected = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {2, 0}, {3, 0}, {2, 1}, {3, 1},
                                                     {0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 0}, {4, 1}, {4, 2}};
  EXPECT_EQ(log.order, expected);
}

TEST(Rasterizers, ProgressiveWithoutStepsMakesOnePass) {
  TEventLog events;  // outlives the bitmap
  auto bitmap = Filled(6, 5, 0);
  events.Watch(*bitmap);
  TIndexSampler sampler;
  TProgressiveRasterizer rasterizer;
  rasterizer.Steps = 0;
  rasterizer.UpdateRows = false;
  rasterizer.SetSampler(&sampler);
  rasterizer.Rasterize(bitmap.get());
  EXPECT_EQ(sampler.samples.load(), 30);
  ExpectIndexedWithin(*bitmap, bitmap->BoundsRect(), 0, "one pass");
  EXPECT_EQ(events.lines, std::vector<std::string>{"area 0,0,6,5 rect"});
}

TEST(Rasterizers, ProgressiveCoarsePassStaysInsideANarrowRectangle) {
  // Steps 4 on a rectangle narrower than every refinement step.
  auto bitmap = Filled(8, 8, 0);
  TIndexSampler sampler;
  TProgressiveRasterizer rasterizer;
  rasterizer.SetSampler(&sampler);
  rasterizer.Rasterize(bitmap.get(), Rect{3, 2, 5, 7});
  ExpectIndexedWithin(*bitmap, Rect{3, 2, 5, 7}, 0, "narrow");
}

TEST(Rasterizers, TesseralWritesASinglePixelTwice) {
  auto bitmap = Filled(3, 3, 0);
  TIndexSampler sampler;
  TTesseralRasterizer rasterizer;
  rasterizer.SetSampler(&sampler);
  TWriteLog log;
  rasterizer.Rasterize(bitmap.get(), Rect{1, 1, 2, 2}, log.Info());
  EXPECT_EQ(log.order, (std::vector<std::pair<int, int>>{{1, 1}, {1, 1}}));
}

TEST(Rasterizers, SamplerBoundsLimitTheWrittenArea) {
  for (const TClass kind : kKinds) {
    auto bitmap = Filled(9, 8, 0);
    TIndexSampler sampler;
    sampler.hasBounds = true;
    sampler.bounds = Rect{2, 3, 6, 5};
    auto rasterizer = Make(kind);
    rasterizer->SetSampler(&sampler);
    rasterizer->Rasterize(bitmap.get(), Rect{1, 1, 8, 8});
    ExpectIndexedWithin(*bitmap, sampler.bounds, 0, kind->ClassName().c_str());
  }
}

TEST(Rasterizers, EmptyRectangleWritesNothingAndRegularStillNotifies) {
  for (const TClass kind : kKinds) {
    TEventLog events;
    auto bitmap = Filled(6, 6, 0);
    events.Watch(*bitmap);
    TIndexSampler sampler;
    auto rasterizer = Make(kind);
    rasterizer->SetSampler(&sampler);
    rasterizer->Rasterize(bitmap.get(), Rect{3, 3, 3, 5});
    EXPECT_EQ(sampler.samples.load(), 0) << kind->ClassName().c_str();
    EXPECT_EQ(Pixels(*bitmap), Pixels(*Filled(6, 6, 0))) << kind->ClassName().c_str();
    if (kind == TRegularRasterizer::StaticClass()) {
      EXPECT_EQ(events.lines, (std::vector<std::string>{"area 3,2,3,5 rect", "change"}));
    }
  }
}

TEST(Rasterizers, RegularNotifiesEveryUpdateRowCountRows) {
  TEventLog events;
  auto bitmap = Filled(4, 5, 0);
  bitmap->OnAreaChanged = events.AreaEvent();
  TIndexSampler sampler;
  TRegularRasterizer rasterizer;
  rasterizer.UpdateRowCount = 2;
  rasterizer.SetSampler(&sampler);
  rasterizer.Rasterize(bitmap.get());
  EXPECT_EQ(events.lines,
            (std::vector<std::string>{"area 0,-1,4,1 rect", "area 0,1,4,3 rect", "area 0,3,4,5 rect"}));
}

TEST(Rasterizers, CombineInfoOfTheSourceBitmapSelectsTheWrite) {
  auto source = Filled(1, 1, 0);
  source->SetDrawMode(dmTransparent);
  source->OuterColor = Index(1, 1);  // the one sample not written
  auto bitmap = Filled(3, 3, 0xFF0000FF);
  TIndexSampler sampler;
  TRegularRasterizer rasterizer;
  rasterizer.SetSampler(&sampler);
  rasterizer.Rasterize(bitmap.get(), bitmap->BoundsRect(), source.get());
  EXPECT_EQ(bitmap->GetPixel(1, 1), 0xFF0000FFu);
  EXPECT_EQ(bitmap->GetPixel(2, 1), Index(2, 1));

  source->SetDrawMode(dmCustom);  // without a handler: opaque
  EXPECT_EQ(CombineInfo(source.get()).DrawMode, dmOpaque);
  source->SetDrawMode(dmBlend);
  source->SetMasterAlpha(0);
  rasterizer.Rasterize(bitmap.get(), bitmap->BoundsRect(), source.get());
  EXPECT_EQ(bitmap->GetPixel(2, 1), Index(2, 1));  // alpha 0 leaves the pixels
  EXPECT_EQ(bitmap->GetPixel(1, 1), 0xFF0000FFu);
}

TEST(Rasterizers, FailureRestoresTheUpdateCountAndFinalizesTheSampler) {
  for (const TClass kind : kKinds) {
    auto bitmap = Filled(8, 8, 0);
    bitmap->BeginUpdate();
    TIndexSampler sampler;
    sampler.failAfter = 5;
    auto rasterizer = Make(kind);
    rasterizer->SetSampler(&sampler);
    EXPECT_THROW(rasterizer->Rasterize(bitmap.get()), Exception) << kind->ClassName().c_str();
    EXPECT_EQ(bitmap->UpdateCount(), 1) << kind->ClassName().c_str();
    EXPECT_EQ(sampler.finalized, 1) << kind->ClassName().c_str();
    bitmap->EndUpdate();
  }
}

TEST(Rasterizers, WithoutSamplerNothingHappens) {
  TEventLog events;
  auto bitmap = Filled(2, 2, 0);
  events.Watch(*bitmap);
  TRegularRasterizer rasterizer;
  rasterizer.Rasterize(bitmap.get());
  EXPECT_TRUE(events.lines.empty());
}

TEST(Rasterizers, AssignCopiesSettingsAndTakesABitmapsCombineInfo) {
  TIndexSampler sampler;
  TProgressiveRasterizer from;
  from.SetSampler(&sampler);
  from.Steps = 2;
  from.UpdateRows = false;
  TProgressiveRasterizer to;
  to.Assign(&from);
  EXPECT_EQ(to.Sampler(), &sampler);
  EXPECT_EQ(to.Steps, 2);
  EXPECT_FALSE(to.UpdateRows);

  auto source = Filled(1, 1, 0);
  source->SetDrawMode(dmTransparent);
  source->OuterColor = Index(0, 0);
  TRegularRasterizer regular;
  regular.SetSampler(&sampler);
  regular.Assign(source.get());
  auto bitmap = Filled(2, 1, 0xFF0000FF);
  regular.Rasterize(bitmap.get());
  EXPECT_EQ(bitmap->GetPixel(0, 0), 0xFF0000FFu);
  EXPECT_EQ(bitmap->GetPixel(1, 0), Index(1, 0));
}

TEST(Rasterizers, StartUpSetsTheProcessorCount) {
  EXPECT_EQ(NumberOfProcessors, GetProcessorCount());
  EXPECT_EQ(DefaultRasterizerClass, TRegularRasterizer::StaticClass());
}

}  // namespace
