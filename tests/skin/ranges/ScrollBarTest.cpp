// The scroll bar: its values and silent container operations, the default and skin
// geometry, and input on the display: held buttons, paging, dragging, keys and wheel.
#include <gtest/gtest.h>

#include "RangesFixtures.h"
#include "SkinControlsFixtures.h"
#include "window_support.h"

using namespace rangetest;

namespace {

class ScrollBar : public RangeTest {
 protected:
  void SetUp() override {
    RangeTest::SetUp();
    bar = Place<TRecordedScrollBar>(10, 10, 200, 19);
    bar->OnChange = changes.Event();
    testsupport::ServeApplication(30);
  }

  TRecordedScrollBar* bar = nullptr;
  TCounter changes;
};

using Timer = std::vector<std::string>;

}  // namespace

TEST_F(ScrollBar, ANewBarIsHorizontalWithoutPage) {
  TspSkinScrollBar fresh(nullptr);
  EXPECT_EQ(sbHorizontal, fresh.Kind());
  EXPECT_EQ(200, fresh.Width());
  EXPECT_EQ(19, fresh.Height());
  EXPECT_EQ(0, fresh.Min());
  EXPECT_EQ(100, fresh.Max());
  EXPECT_EQ(0, fresh.Position());
  EXPECT_EQ(0, fresh.PageSize());
  EXPECT_FALSE(fresh.CanFocused());
  EXPECT_EQ(AnsiString("hscrollbar"), fresh.SkinDataName());
}

TEST_F(ScrollBar, PositionsAreClampedBelowTheLastPage) {
  bar->SetPageSize(10);
  bar->SetPosition(200);
  EXPECT_EQ(91, bar->Position());
  EXPECT_EQ(1, changes.count);
  bar->SetPosition(91);
  EXPECT_EQ(1, changes.count);
  bar->SetPosition(-4);
  EXPECT_EQ(0, bar->Position());
  EXPECT_EQ(2, changes.count);
}

TEST_F(ScrollBar, APageBeyondTheRangeIsRefusedExceptThroughSetRange) {
  bar->SetPosition(50);
  bar->SetPageSize(60);  // 50 + 60 > 101
  EXPECT_EQ(0, bar->PageSize());
  bar->SetPageSize(51);
  EXPECT_EQ(51, bar->PageSize());
  bar->SetRange(0, 100, 30, 150);
  EXPECT_EQ(150, bar->PageSize());
  EXPECT_EQ(-49, bar->Position());  // Max - PageSize + 1 lies below Min and wins
  bar->SetPosition(0);
  EXPECT_EQ(-49, bar->Position());
}

TEST_F(ScrollBar, ContainerOperationsNeverFireOnChange) {
  bar->SetRange(0, 500, 300, 20);
  EXPECT_EQ(300, bar->Position());
  bar->SimplySetPosition(490);
  EXPECT_EQ(481, bar->Position());
  bar->SetMax(200);  // the position moves into the new range
  EXPECT_EQ(181, bar->Position());
  bar->SetMin(190);
  EXPECT_EQ(190, bar->Position());
  bar->SetSmallChange(5);
  bar->SetLargeChange(50);
  EXPECT_EQ(5, bar->SmallChange());
  EXPECT_EQ(50, bar->LargeChange());
  EXPECT_EQ(0, changes.count);
}

TEST_F(ScrollBar, TheDefaultThumbIsProportionalToThePage) {
  struct Case {
    int page, position;
    TRect thumb;
  } cases[] = {
      {0, 0, Rect(17, 1, 33, 18)},     {0, 100, Rect(167, 1, 183, 18)}, {10, 0, Rect(17, 1, 33, 18)},
      {10, 91, Rect(167, 1, 183, 18)}, {50, 0, Rect(17, 1, 99, 18)},     {50, 51, Rect(101, 1, 183, 18)},
  };
  for (const Case& c : cases) {
    bar->SetRange(0, 100, c.position, c.page);
    bar->CalcRects();
    EXPECT_EQ(c.thumb, bar->Part(0).R) << "page " << c.page << " at " << c.position;
  }
  EXPECT_EQ(Rect(17, 1, 183, 18), bar->TrackRect());
  EXPECT_EQ(Rect(1, 1, 17, 18), bar->Part(2).R);
  EXPECT_EQ(Rect(183, 1, 199, 18), bar->Part(1).R);
}

TEST_F(ScrollBar, CornerModeWithoutALookLeavesTheCornerFree) {
  bar->SetBothMarkerWidth(19);
  bar->SetBoth(true);
  bar->CalcRects();
  EXPECT_EQ(Rect(164, 1, 180, 18), bar->Part(1).R);
  EXPECT_EQ(Rect(17, 1, 164, 18), bar->TrackRect());
  EXPECT_EQ(AnsiString("bothhscrollbar"), bar->SkinDataName());
  bar->SetBoth(false);
  EXPECT_EQ(AnsiString("hscrollbar"), bar->SkinDataName());
}

TEST_F(ScrollBar, AVerticalBarStacksItsParts) {
  bar->SetKind(sbVertical);
  bar->SetBounds(10, 10, 19, 200);
  bar->SetRange(0, 100, 100, 0);
  bar->CalcRects();
  EXPECT_EQ(Rect(1, 1, 18, 17), bar->Part(2).R);
  EXPECT_EQ(Rect(1, 183, 18, 199), bar->Part(1).R);
  EXPECT_EQ(Rect(1, 167, 18, 183), bar->Part(0).R);
}

TEST_F(ScrollBar, ADisabledBarShowsItsButtonsButNoThumb) {
  const auto thumbFrame = [&] { return skinbases::FaceOf(bar)[static_cast<size_t>(10 * 200 + 17)]; };
  const auto buttonFrame = [&] { return skinbases::FaceOf(bar)[static_cast<size_t>(10 * 200 + 1)]; };
  EXPECT_EQ(ColorToRGB(clBtnShadow), thumbFrame());
  bar->SetEnabled(false);
  EXPECT_EQ(ColorToRGB(clBtnFace), thumbFrame());
  EXPECT_EQ(ColorToRGB(clBtnShadow), buttonFrame());
}

TEST_F(ScrollBar, TheSkinGeometryFollowsTheLook) {
  bar->SetSkinDataName("scrollbar");
  bar->SetSkinData(SharedRangesSkin());
  ASSERT_NE(-1, bar->LookIndex());
  bar->SetBounds(10, 10, 200, 16);
  bar->SetRange(0, 100, 0, 50);
  bar->CalcRects();
  EXPECT_EQ(Rect(16, 0, 184, 16), bar->TrackRect());
  EXPECT_EQ(Rect(184, 0, 200, 16), bar->Part(1).R);  // right of the look's right corner: moved
  EXPECT_EQ(Rect(0, 0, 16, 16), bar->Part(2).R);
  EXPECT_EQ(Rect(16, 0, 98, 16), bar->Part(0).R);  // nearest(168 x 50 / 101) = 83, two halves of 41
}

TEST_F(ScrollBar, AHeldButtonStepsAtOnceThenRepeatsWhileThePointerIsOnIt) {
  PressLeft(bar, 190, 9);
  EXPECT_EQ(1, bar->Position());
  EXPECT_EQ(Timer({"S500"}), bar->timer);
  Tick(bar, 1);  // the first tick only re-arms the timer
  EXPECT_EQ(1, bar->Position());
  EXPECT_EQ(Timer({"S500", "K", "S50"}), bar->timer);
  Tick(bar, 1);
  Tick(bar, 1);
  EXPECT_EQ(3, bar->Position());
  testsupport::MoveMouse(bar, 100, 9);  // off the button: the repeat pauses
  EXPECT_EQ("K", bar->timer.back());
  testsupport::MoveMouse(bar, 191, 9);
  EXPECT_EQ("S50", bar->timer.back());
  Tick(bar, 1);
  EXPECT_EQ(4, bar->Position());
  ReleaseLeft();
  EXPECT_EQ(4, bar->Position());
  EXPECT_EQ("K", bar->timer.back());
  EXPECT_EQ(0, bar->RepeatMode());
}

TEST_F(ScrollBar, TheRealTimerRepeatsAfterHalfASecond) {
  auto* real = Place<TspSkinScrollBar>(10, 60, 200, 19);
  testsupport::ServeApplication(30);
  PressLeft(real, 190, 9);
  const DWORD pressed = GetTickCount();
  ASSERT_TRUE(testsupport::ServeUntil([&] { return real->Position() >= 2; }, 3000));
  const DWORD firstRepeat = GetTickCount() - pressed;
  ASSERT_TRUE(testsupport::ServeUntil([&] { return real->Position() >= 6; }, 3000));
  const DWORD fourMore = GetTickCount() - pressed - firstRepeat;
  ReleaseLeft();
  EXPECT_GE(firstRepeat, 450u);
  EXPECT_LE(firstRepeat, 1200u);
  EXPECT_LE(fourMore, 800u);  // 50 ms apart, with room for a busy machine
}

TEST_F(ScrollBar, PressingTheTrackPagesUntilTheThumbPassesThePointer) {
  TCounter pagesDown, pagesUp;
  bar->OnPageDown = pagesDown.Event();
  bar->OnPageUp = pagesUp.Event();
  bar->SetRange(0, 100, 0, 10);
  bar->SetLargeChange(10);
  PressLeft(bar, 120, 9);
  EXPECT_EQ(10, bar->Position());
  EXPECT_EQ(4, bar->RepeatMode());
  for (int i = 0; i < 12; ++i) Tick(bar, 1);
  bar->CalcRects();
  EXPECT_GE(bar->Part(0).R.Right, 120);
  EXPECT_LT(bar->Part(0).R.Left - 16, 120);
  EXPECT_EQ(0, bar->RepeatMode());
  EXPECT_EQ(bar->Position() / 10, pagesDown.count);
  EXPECT_EQ(0, pagesUp.count);
  ReleaseLeft();
  EXPECT_EQ(pagesDown.count, changes.count);
}

TEST_F(ScrollBar, ADragEndsWithOneLastChangeAndButtonClicksHaveNone) {
  TCounter last;
  bar->OnLastChange = last.Event();
  testsupport::Click(bar, 190, 9);
  testsupport::Click(bar, 8, 9);
  EXPECT_EQ(0, last.count);
  testsupport::Drag(bar, 25, 9, 100, 9);
  EXPECT_EQ(1, last.count);
  // 75 pixels of a 150-pixel travel
  EXPECT_EQ(50, bar->Position());
}

TEST_F(ScrollBar, AnUpButtonHandlerReplacesTheStep) {
  TCounter ups;
  bar->OnUpButtonClick = ups.Event();
  PressLeft(bar, 190, 9);
  Tick(bar, 1);
  Tick(bar, 1);
  ReleaseLeft();
  EXPECT_EQ(2, ups.count);
  EXPECT_EQ(0, bar->Position());
}

TEST_F(ScrollBar, KeysAndWheelActOnlyOnAFocusableBar) {
  bar->SetPosition(10);
  changes.count = 0;
  bar->SetFocus();
  testsupport::PressKey(VK_RIGHT);
  SendMessageA(bar->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(10, bar->Position());
  bar->SetCanFocused(true);
  EXPECT_TRUE(bar->TabStop());
  bar->SetFocus();
  testsupport::PressKey(VK_RIGHT);
  EXPECT_EQ(11, bar->Position());
  testsupport::PressKey(VK_UP);
  testsupport::PressKey(VK_UP);
  EXPECT_EQ(9, bar->Position());
  SendMessageA(bar->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);  // away from the user
  EXPECT_EQ(8, bar->Position());
  SendMessageA(bar->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(9, bar->Position());
  EXPECT_EQ(5, changes.count);
}
