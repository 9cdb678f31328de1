// The gauge: values, fill and text, the skin face (tiles, caps, vertical looks) and the
// progress animation, driven through its timers.
#include <gtest/gtest.h>

#include <algorithm>

#include "RangesFixtures.h"
#include "SkinControlsFixtures.h"
#include "TestSkin.h"
#include "skin/controls/Skinctrls_Gauge.h"
#include "window_support.h"

using namespace rangetest;

namespace {

class Gauge : public RangeTest {
 protected:
  TspSkinGauge* Place(int width, int height, TspSkinData* data) {
    auto* gauge = RangeTest::Place<TspSkinGauge>(10, 10, width, height);
    gauge->SetSkinData(data);
    return gauge;
  }

  TspSkinData* skin = SharedRangesSkin();
};

int Red(TColor c) { return GetRValue(c); }
int Green(TColor c) { return GetGValue(c); }

}  // namespace

TEST_F(Gauge, ANewGaugeIsHalfFullWithoutText) {
  TspSkinGauge gauge(nullptr);
  EXPECT_EQ(100, gauge.Width());
  EXPECT_EQ(20, gauge.Height());
  EXPECT_EQ(0, gauge.MinValue());
  EXPECT_EQ(100, gauge.MaxValue());
  EXPECT_EQ(50, gauge.Value());
  EXPECT_EQ(AnsiString("gauge"), gauge.SkinDataName());
  EXPECT_EQ(AnsiString(""), gauge.ProgressCaption());
}

TEST_F(Gauge, FillTruncatesAndTextJoinsProgressTextAndPercent) {
  struct Case {
    int min, max, value, filled;
    const char* percent;
  } cases[] = {{0, 100, 50, 50, "50%"}, {0, 3, 1, 33, "33%"}, {5, 5, 5, 0, "0%"}, {0, 100, 100, 100, "100%"},
               {-50, 50, 0, 50, "50%"}, {0, 3, 2, 66, "66%"}};
  for (const Case& c : cases) {
    TspSkinGauge gauge(nullptr);
    gauge.SetMaxValue(c.max);
    gauge.SetMinValue(c.min);
    gauge.SetValue(c.value);
    gauge.SetShowPercent(true);
    EXPECT_EQ(Rect(0, 0, c.filled, 20), gauge.CalcProgressRect(Rect(0, 0, 100, 20))) << c.min << ".." << c.max;
    EXPECT_EQ(AnsiString(c.percent), gauge.ProgressCaption());
    gauge.SetProgressText("Converting ");
    gauge.SetShowProgressText(true);
    EXPECT_EQ(AnsiString("Converting ") + c.percent, gauge.ProgressCaption());
  }
}

TEST_F(Gauge, ValuesAreClampedAndBoundsPullTheValue) {
  TspSkinGauge gauge(nullptr);
  gauge.SetValue(250);
  EXPECT_EQ(100, gauge.Value());
  gauge.SetValue(-3);
  EXPECT_EQ(0, gauge.Value());
  gauge.SetMinValue(60);
  EXPECT_EQ(60, gauge.Value());
  gauge.SetMaxValue(40);  // the other bound is not checked
  EXPECT_EQ(40, gauge.Value());
  gauge.SetProgressAnimationPause(-1);
  EXPECT_EQ(1000, gauge.ProgressAnimationPause());
}

TEST_F(Gauge, TheDefaultLookFillsItsInnerAreaUpToTheValue) {
  TspSkinGauge* gauge = Place(100, 20, nullptr);
  const std::vector<TColor> face = skinbases::FaceOf(gauge);
  const auto at = [&](int x, int y) { return face[static_cast<size_t>(y * 100 + x)]; };
  EXPECT_EQ(ColorToRGB(clBtnShadow), at(0, 10));
  EXPECT_EQ(static_cast<TColor>(0xD2BDB6), at(1, 10));
  EXPECT_EQ(static_cast<TColor>(0xD2BDB6), at(49, 10));  // (98 x 0.5) pixels from x = 1
  EXPECT_EQ(ColorToRGB(clWindow), at(50, 10));
}

TEST_F(Gauge, ATiledProgressPictureRepeatsFromTheLeftAndCutsTheLastTile) {
  TspSkinGauge* gauge = Place(104, 20, skin);
  ASSERT_NE(-1, gauge->LookIndex());
  gauge->SetValue(25);
  ASSERT_EQ(Rect(2, 2, 102, 18), gauge->ActualProgressArea());
  const std::vector<TColor> face = skinbases::FaceOf(gauge);
  for (int x = 2; x < 27; ++x) {
    const TColor pixel = face[static_cast<size_t>(10 * 104 + x)];
    EXPECT_EQ(2 * ((x - 2) % 10), Red(pixel)) << x;
    EXPECT_GE(Green(pixel), 40) << x;  // rows 20..29 of the picture
  }
  EXPECT_LT(Green(face[static_cast<size_t>(10 * 104 + 27)]), 40);
}

TEST_F(Gauge, EndCapsStayFixedAndAStretchedMiddleFillsBetween) {
  auto capped = LoadRangesSkin("ranges_gauge_caps", {{"gauge/beginoffset", "2"}, {"gauge/endoffset", "3"},
                                                     {"gauge/progressstretch", "1"}});
  TspSkinGauge* gauge = Place(104, 20, capped.get());
  gauge->SetValue(40);  // 40 pixels from x = 2
  const std::vector<TColor> face = skinbases::FaceOf(gauge);
  const auto red = [&](int x) { return Red(face[static_cast<size_t>(10 * 104 + x)]); };
  EXPECT_EQ(0, red(2));
  EXPECT_EQ(2, red(3));
  EXPECT_EQ(18, red(41));  // the last 3 columns of the picture end the fill
  EXPECT_EQ(14, red(39));
  EXPECT_EQ(4, red(4));  // the middle (columns 2..6) stretched over 35 pixels
  EXPECT_EQ(12, red(38));
}

TEST_F(Gauge, AVerticalLookFillsFromTheBottomWhateverVerticalSays) {
  auto upright = LoadRangesSkin("ranges_gauge_vertical",
                                {{"gauge/vertical", "1"}, {"gauge/skinrect", "0,0,20,32"}, {"gauge/lefttoppoint", "0,6"},
                                 {"gauge/righttoppoint", "0,0"}, {"gauge/leftbottompoint", "0,26"},
                                 {"gauge/progressarea", "2,2,18,30"}});
  TspSkinGauge* gauge = Place(20, 32, upright.get());
  gauge->SetVertical(false);
  gauge->SetValue(50);
  const std::vector<TColor> face = skinbases::FaceOf(gauge);
  EXPECT_TRUE(gauge->Vertical());
  EXPECT_EQ(Rect(2, 16, 18, 30), gauge->CalcProgressRect(gauge->ActualProgressArea()));
  EXPECT_GE(Green(face[static_cast<size_t>(29 * 20 + 10)]), 40);  // progress picture at the bottom
  EXPECT_LT(Green(face[static_cast<size_t>(5 * 20 + 10)]), 40);   // face above the fill
}

TEST_F(Gauge, TheAnimationShowsEachFrameThenPausesOnThePlainPicture) {
  TspSkinGauge* gauge = Place(104, 20, skin);
  gauge->SetValue(100);
  gauge->StartProgressAnimation();
  ASSERT_NE(nullptr, gauge->FrameTimer());
  EXPECT_TRUE(gauge->FrameTimer()->Enabled());
  EXPECT_EQ(100u, gauge->FrameTimer()->Interval());
  EXPECT_FALSE(gauge->PauseTimer()->Enabled());
  EXPECT_EQ(1000u, gauge->PauseTimer()->Interval());
  for (int frame = 1; frame <= 4; ++frame) {
    gauge->FrameTimer()->OnTimer(gauge->FrameTimer());
    EXPECT_EQ(frame, gauge->AnimationFrame());
    EXPECT_EQ(Rect(8 * (frame - 1), 20, 8 * frame, 30), gauge->GetAnimationFrameRect());
    // A frame is stretched over the whole fill: its first column starts it.
    EXPECT_EQ(2 * 8 * (frame - 1), Red(skinbases::FaceOf(gauge)[10 * 104 + 2]));
  }
  gauge->FrameTimer()->OnTimer(gauge->FrameTimer());
  EXPECT_EQ(0, gauge->AnimationFrame());
  EXPECT_FALSE(gauge->FrameTimer()->Enabled());
  EXPECT_TRUE(gauge->PauseTimer()->Enabled());
  EXPECT_EQ(2 * 5, Red(skinbases::FaceOf(gauge)[10 * 104 + 7]));  // the plain tiled picture
  gauge->PauseTimer()->OnTimer(gauge->PauseTimer());
  EXPECT_TRUE(gauge->FrameTimer()->Enabled());
  EXPECT_FALSE(gauge->PauseTimer()->Enabled());
  gauge->StopProgressAnimation();
  EXPECT_EQ(nullptr, gauge->FrameTimer());
}

TEST_F(Gauge, TheAnimationRunsOnItsOwnTimers) {
  TspSkinGauge* gauge = Place(104, 20, skin);
  gauge->SetProgressAnimationPause(300);
  gauge->StartProgressAnimation();
  // Frames rise within a run; the run ends on the plain picture for the pause, then the
  // next run starts. A busy machine may serve two ticks at once, so frames may be skipped.
  int highest = 0;
  DWORD runEnded = 0, pause = 0;
  EXPECT_TRUE(testsupport::ServeUntil([&] {
    const int frame = gauge->AnimationFrame();
    if (frame > 0 && runEnded != 0) pause = GetTickCount() - runEnded;
    else if (frame == 0 && highest > 0 && runEnded == 0) runEnded = GetTickCount();
    highest = std::max(highest, frame);
    return pause != 0;
  }));
  EXPECT_GE(highest, 3);
  EXPECT_LE(highest, 4);
  EXPECT_GE(pause, 250u);
}

TEST_F(Gauge, NoAnimationWithoutALookOrStrip) {
  TspSkinGauge* plain = Place(100, 20, nullptr);
  plain->StartProgressAnimation();
  EXPECT_EQ(nullptr, plain->FrameTimer());
  auto stripless = LoadRangesSkin("ranges_gauge_stripless", {{"gauge/progressanimationskinrect", "0,0,0,0"}});
  TspSkinGauge* gauge = Place(104, 20, stripless.get());
  gauge->StartProgressAnimation();
  EXPECT_EQ(nullptr, gauge->FrameTimer());
}

TEST_F(Gauge, HalfTransparentTextBlendsIntoTheFace) {
  TspSkinGauge* gauge = Place(104, 20, skin);
  gauge->SetValue(0);
  const std::vector<TColor> bare = skinbases::FaceOf(gauge);
  gauge->SetProgressText("WWWW");
  gauge->SetShowProgressText(true);
  const std::vector<TColor> opaque = skinbases::FaceOf(gauge);
  gauge->SetTextAlphaBlend(true);
  gauge->SetTextAlphaBlendValue(255);
  EXPECT_EQ(opaque, skinbases::FaceOf(gauge));
  gauge->SetTextAlphaBlendValue(0);
  EXPECT_EQ(bare, skinbases::FaceOf(gauge));
  EXPECT_NE(bare, opaque);
}

TEST_F(Gauge, WithoutTheSkinSizeTheLookIsStretchedToTheControl) {
  TspSkinGauge* gauge = Place(104, 20, skin);
  gauge->SetUseSkinSize(false);
  gauge->SetBounds(10, 10, 64, 40);
  EXPECT_EQ(64, gauge->Width());
  EXPECT_EQ(40, gauge->Height());
  gauge->SetValue(100);
  const std::vector<TColor> face = skinbases::FaceOf(gauge);
  // The look gives 64 x 20 (it stretches across only): that face, twice as high. The
  // fill's columns keep their places, its rows 2..17 become 4..35.
  EXPECT_EQ(0, Red(face[20 * 64 + 2]));
  EXPECT_EQ(4, Red(face[20 * 64 + 4]));
  EXPECT_GE(Green(face[35 * 64 + 30]), 40);
  EXPECT_LT(Green(face[38 * 64 + 30]), 40);
}
