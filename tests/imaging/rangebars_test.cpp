#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "imaging/Bitmap32_Image.h"
#include "imaging/Bitmap32_System.h"
#include "rangebar_fixtures.h"

namespace {

using namespace imaging;
using rangebartest::BarsOnAForm;
using rangebartest::TRecordedThemeParts;
using rangebartest::TUnthemed;

// A horizontal 100 x 16 bar with a single border has a 98 x 14 client area: 14-pixel
// buttons and a 70-pixel track from x = 14.
TEST_F(BarsOnAForm, RangeBarHandleSizeAndOffsetFollowRangeAndPosition) {
  struct Case {
    int32_t range;
    float position;
    ::TRect handle;
  };
  const Case cases[] = {
      {1000, 450, Rect(40, 0, 57, 14)},  // 7 pixels in proportion: drawn 17 long
      {200, 50, Rect(32, 0, 67, 14)},    // in proportion: 35 long at rnd(17.5)
      {1000, 2000, Rect(67, 0, 84, 14)}, // clamped to Range less the window: at the end
  };
  auto* bar = Place<TRangeBar>(10, 10);
  EXPECT_EQ(98, bar->ClientWidth());
  EXPECT_EQ(14, bar->ClientHeight());
  EXPECT_EQ(14, bar->GetButtonSize());
  EXPECT_EQ(Rect(14, 0, 84, 14), bar->GetTrackBoundary());
  for (const Case& c : cases) {
    bar->SetRange(c.range);
    bar->SetPosition(c.position);
    EXPECT_EQ(c.handle, bar->GetZoneRect(zHandle)) << "range " << c.range << " position " << c.position;
  }
}

TEST_F(BarsOnAForm, ZonesAlongARangeBar) {
  auto* bar = Place<TRangeBar>(10, 10);
  bar->SetRange(1000);
  bar->SetPosition(450);  // handle 40..56
  const std::pair<int, TRBZone> cases[] = {{0, zBtnPrev},    {13, zBtnPrev},   {14, zTrackPrev}, {39, zTrackPrev},
                                           {40, zHandle},    {56, zHandle},    {57, zTrackNext}, {83, zTrackNext},
                                           {84, zBtnNext},   {97, zBtnNext},   {98, zNone}};
  for (const auto& [x, zone] : cases) EXPECT_EQ(zone, bar->GetZone(x, 7)) << "x " << x;
  EXPECT_EQ(zNone, bar->GetZone(20, 14));
}

TEST_F(BarsOnAForm, RangeWithinTheWindowHasNoHandleAndIgnoresPresses) {
  auto* bar = Place<TRangeBar>(10, 10);
  rangebartest::TMouseDownCounter downs;
  bar->OnMouseDown = TMouseEvent(&downs, &rangebartest::TMouseDownCounter::Down);
  for (int32_t range : {0, 60, 100}) {
    bar->SetRange(range);
    EXPECT_TRUE(bar->GetZoneRect(zHandle).IsEmpty()) << "range " << range;
    Press(bar, 90, 7);
    EXPECT_EQ(zNone, bar->DragZone());
    EXPECT_EQ(0.0f, bar->Position());
    Release(bar, 90, 7);
  }
  EXPECT_EQ(0, downs.count);
}

TEST_F(BarsOnAForm, WheelMovesTheRangeBarWithoutAUserChange) {
  auto* bar = Place<TRangeBar>(10, 10);
  bar->SetRange(1000);
  bar->SetPosition(100);
  rangebartest::TChangeCounts counts(bar);
  Wheel(bar, 120);
  EXPECT_EQ(108.0f, bar->Position());
  Wheel(bar, -240);
  EXPECT_EQ(92.0f, bar->Position());
  EXPECT_EQ(2, counts.changes);
  EXPECT_EQ(0, counts.userChanges);

  rangebartest::TWheelEater eater;
  bar->OnMouseWheel = TMouseWheelEvent(&eater, &rangebartest::TWheelEater::Eat);
  Wheel(bar, 120);
  EXPECT_EQ(92.0f, bar->Position());
}

TEST_F(BarsOnAForm, HeldButtonStepsAtOnceAfterTheFirstDelayThenEveryRepeatUntilItStops) {
  auto* bar = Place<TRangeBar>(10, 10);
  bar->SetRange(1000);
  bar->SetPosition(880);  // the end is 900
  TTimer* timer = rangebartest::TimerOf(bar);
  rangebartest::TChangeCounts counts(bar);

  Press(bar, 90, 7);
  EXPECT_EQ(zBtnNext, bar->DragZone());
  EXPECT_EQ(888.0f, bar->Position());
  EXPECT_EQ(1, counts.userChanges);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(600u, timer->Interval());
  EXPECT_EQ(tmFirstDelay, bar->TimerMode());

  timer->OnTimer(timer);
  EXPECT_EQ(896.0f, bar->Position());
  EXPECT_EQ(100u, timer->Interval());
  EXPECT_EQ(tmRepeating, bar->TimerMode());
  timer->OnTimer(timer);
  EXPECT_EQ(900.0f, bar->Position());
  EXPECT_EQ(100u, timer->Interval());

  timer->OnTimer(timer);  // nothing moves: the repeat ends
  EXPECT_EQ(900.0f, bar->Position());
  EXPECT_EQ(tmHotTracking, bar->TimerMode());
  EXPECT_EQ(150u, timer->Interval());
  EXPECT_EQ(3, counts.userChanges);
  EXPECT_EQ(3, counts.changes);

  Release(bar, 90, 7);
  EXPECT_EQ(zNone, bar->DragZone());
}

TEST_F(BarsOnAForm, DraggingTheHandleMovesInProportionAsAUserChange) {
  auto* bar = Place<TRangeBar>(10, 10);
  bar->SetRange(200);
  bar->SetPosition(50);  // handle 32..66
  rangebartest::TChangeCounts counts(bar);
  Press(bar, 40, 7);
  EXPECT_EQ(zHandle, bar->DragZone());
  EXPECT_EQ(tmHotTracking, bar->TimerMode());
  bar->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(47, 7));
  // 7 pixels of the 98 - 28 - 2 the handle travels over, in the range of 200.
  EXPECT_NEAR(50.0 + 200.0 * 7 / 68, bar->Position(), 1e-4);
  EXPECT_EQ(1, counts.userChanges);
  Release(bar, 47, 7);
}

TEST_F(BarsOnAForm, CentredRangeBarKeepsTheWindowMiddleAtItsFraction) {
  auto* bar = Place<TRangeBar>(10, 10);
  bar->SetCentered(true);
  bar->SetRange(1000);
  bar->SetPosition(450);  // middle at 500 of 1000
  bar->SetRange(2000);
  EXPECT_EQ(950.0f, bar->Position());
  bar->SetWidth(200);  // window 200: the middle stays at 1000
  EXPECT_EQ(900.0f, bar->Position());
}

TEST_F(BarsOnAForm, ResizedRangeBarClampsToItsNewWindow) {
  auto* bar = Place<TRangeBar>(10, 10);
  bar->SetRange(1000);
  bar->SetPosition(950);  // clamped to 1000 - 100
  EXPECT_EQ(900.0f, bar->Position());
  bar->SetWidth(200);
  EXPECT_EQ(200, bar->EffectiveWindow());
  EXPECT_EQ(800.0f, bar->Position());
}

TEST_F(BarsOnAForm, GaugeBarLimitsStayApart) {
  struct Case {
    const char* step;
    void (TCustomGaugeBar::*set)(int32_t);
    int32_t value;
    int32_t min, max, position;
  };
  const Case cases[] = {
      {"Min up to Max", &TCustomGaugeBar::SetMin, 100, 99, 100, 100},
      {"Max down to Min", &TCustomGaugeBar::SetMax, 0, 99, 100, 100},
      {"Min below", &TCustomGaugeBar::SetMin, -5, -5, 100, 100},
      {"Max down to the position", &TCustomGaugeBar::SetMax, 40, -5, 40, 40},
      {"Max to Min", &TCustomGaugeBar::SetMax, -5, -5, -4, -4},
  };
  auto* gauge = Place<TGaugeBar>(10, 40);
  gauge->SetPosition(100);
  for (const Case& c : cases) {
    (gauge->*c.set)(c.value);
    EXPECT_EQ(c.min, gauge->Min()) << c.step;
    EXPECT_EQ(c.max, gauge->Max()) << c.step;
    EXPECT_EQ(c.position, gauge->Position()) << c.step;
  }
  gauge->SetLargeChange(0);
  gauge->SetSmallChange(-3);
  EXPECT_EQ(1, gauge->LargeChange());
  EXPECT_EQ(1, gauge->SmallChange());
}

TEST_F(BarsOnAForm, GaugeBarHandleAndWheel) {
  auto* gauge = Place<TGaugeBar>(10, 40);
  gauge->SetPosition(50);
  // 14 long (the client thickness) at rnd(56 * 50 / 100) in the 70-pixel track.
  EXPECT_EQ(Rect(42, 0, 56, 14), gauge->GetZoneRect(zHandle));
  gauge->SetSmallChange(3);
  rangebartest::TChangeCounts counts(gauge);
  Wheel(gauge, -240);
  EXPECT_EQ(44, gauge->Position());
  EXPECT_EQ(1, counts.changes);
  EXPECT_EQ(0, counts.userChanges);
}

TEST_F(BarsOnAForm, GaugeBarWithMinEqualToMaxPlacesItsHandleAtTheTrackStart) {
  auto* gauge = Place<TGaugeBar>(10, 40);
  gauge->SetComponentState(csLoading, true);
  gauge->SetMin(50);
  gauge->SetMax(50);
  gauge->SetComponentState(csLoading, false);
  ASSERT_EQ(gauge->Min(), gauge->Max());
  EXPECT_EQ(Rect(14, 0, 28, 14), gauge->GetZoneRect(zHandle));
  TUnthemed unthemed;
  ShowNow(gauge);
  EXPECT_EQ(static_cast<COLORREF>(GetSysColor(COLOR_3DDKSHADOW)), ClientPixel(gauge, 27, 13));
}

TEST_F(BarsOnAForm, UnthemedRangeBarDrawsArrowsTrackHandleAndBorder) {
  TUnthemed unthemed;
  auto* bar = Place<TRangeBar>(10, 10);
  bar->SetRange(1000);
  bar->SetPosition(450);  // handle 40..56
  ShowNow(bar);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF arrow = GetSysColor(COLOR_BTNTEXT);
  // Buttons: the face round a dark glyph in the middle.
  EXPECT_EQ(face, ClientPixel(bar, 2, 2));
  EXPECT_EQ(arrow, ClientPixel(bar, 6, 7));
  EXPECT_EQ(arrow, ClientPixel(bar, 91, 7));
  // Track: the two-colour pattern of the highlight and the bar's colour.
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF barColour = GetSysColor(COLOR_SCROLLBAR);
  for (int x : {20, 21, 70, 71}) {
    const COLORREF expected = (x + 3) % 2 == 0 ? highlight : barColour;
    EXPECT_EQ(expected, ClientPixel(bar, x, 3)) << "track x " << x;
  }
  // Handle: a raised edge, darkest at the bottom right.
  EXPECT_EQ(static_cast<COLORREF>(GetSysColor(COLOR_3DDKSHADOW)), ClientPixel(bar, 56, 13));
  EXPECT_EQ(face, ClientPixel(bar, 48, 7));
  // Border: a sunken line, shadow at the top left of the window.
  EXPECT_EQ(static_cast<COLORREF>(GetSysColor(COLOR_BTNSHADOW)), WindowPixel(bar, 0, 0));
  EXPECT_EQ(highlight, WindowPixel(bar, 99, 15));
}

TEST_F(BarsOnAForm, FlatStyleDrawsItsOwnLook) {
  TUnthemed unthemed;
  auto* bar = Place<TRangeBar>(10, 10);
  bar->SetStyle(rbsMac);
  bar->SetRange(1000);
  bar->SetPosition(450);
  ShowNow(bar);
  EXPECT_EQ(13, bar->GetButtonSize());
  const ::TRect handle = bar->GetZoneRect(zHandle);
  // The handle's frame in the border colour, its middle in the handle colour.
  EXPECT_EQ(static_cast<COLORREF>(GetSysColor(COLOR_WINDOWFRAME)), ClientPixel(bar, handle.Left, handle.Top + 5));
  EXPECT_EQ(static_cast<COLORREF>(GetSysColor(COLOR_BTNSHADOW)), ClientPixel(bar, handle.Left + 5, handle.Top + 7));
  // The button's outer line and its arrow in the border colour.
  EXPECT_EQ(static_cast<COLORREF>(GetSysColor(COLOR_WINDOWFRAME)), ClientPixel(bar, 0, 7));
  EXPECT_EQ(static_cast<COLORREF>(GetSysColor(COLOR_WINDOWFRAME)), ClientPixel(bar, 6, 6));
}

TEST_F(BarsOnAForm, ThemedBarDrawsPressedButtonsAndHotHandleParts) {
  TRecordedThemeParts theme;
  auto* bar = Place<TRangeBar>(10, 10);
  bar->SetRange(1000);
  bar->SetPosition(450);

  Press(bar, 90, 7);
  theme.parts.clear();
  bar->Repaint();
  EXPECT_TRUE(theme.Drew(SBP_ARROWBTN, ABS_RIGHTPRESSED));
  EXPECT_TRUE(theme.Drew(SBP_ARROWBTN, ABS_LEFTNORMAL));
  Release(bar, 90, 7);

  bar->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(48, 7));
  EXPECT_EQ(zHandle, bar->HotZone());
  theme.parts.clear();
  bar->Repaint();
  const std::vector<std::pair<int, int>> hotHandle{{SBP_THUMBBTNHORZ, SCRBS_HOT}, {SBP_GRIPPERHORZ, 0}};
  EXPECT_NE(theme.parts.end(), std::search(theme.parts.begin(), theme.parts.end(), hotHandle.begin(), hotHandle.end()));
}

TEST_F(BarsOnAForm, AccessSetsMasterAndSlave) {
  auto* master = Place<TRangeBar>(10, 10);
  auto* slave = Place<TGaugeBar>(10, 40);
  TArrowBarAccess access(master, slave);
  access.SetStyle(rbsMac);
  access.SetButtonSize(9);
  access.SetHandleColor(clRed);
  for (TArrowBar* bar : {static_cast<TArrowBar*>(master), static_cast<TArrowBar*>(slave)}) {
    EXPECT_EQ(rbsMac, bar->Style());
    EXPECT_EQ(9, bar->ButtonSize());
    EXPECT_EQ(clRed, bar->HandleColor());
  }
  slave->SetShowArrows(false);
  EXPECT_TRUE(access.ShowArrows());  // read from the master
}

}  // namespace
