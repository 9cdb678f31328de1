// The track bar: default geometry, dragging both ways, keys and wheel, jumps on a click
// (also on a look whose vertical track area is not symmetric) and mouse support off.
#include <gtest/gtest.h>

#include "RangesFixtures.h"
#include "SkinControlsFixtures.h"
#include "skin/controls/Skinctrls_TrackBar.h"
#include "window_support.h"

using namespace rangetest;

namespace {

class TrackBar : public RangeTest {
 protected:
  void SetUp() override {
    RangeTest::SetUp();
    bar = Place<TspSkinTrackBar>(10, 10, 100, 20);
    bar->OnChange = changes.Event();
    bar->OnLastChange = lastChanges.Event();
    testsupport::ServeApplication(30);
  }

  TspSkinTrackBar* bar = nullptr;
  TCounter changes, lastChanges;
};

}  // namespace

TEST_F(TrackBar, ANewBarHasItsThumbInTheMiddleOfTheDefaultTrack) {
  EXPECT_EQ(AnsiString("htrackbar"), bar->SkinDataName());
  EXPECT_FALSE(bar->Vertical());
  EXPECT_FALSE(bar->CanFocused());
  EXPECT_TRUE(bar->MouseSupport());
  const std::vector<TColor> face = skinbases::FaceOf(bar);
  EXPECT_EQ(Rect(46, 2, 54, 18), bar->ButtonRect());
  EXPECT_EQ(ColorToRGB(clBtnShadow), face[10 * 100 + 46]);
  EXPECT_EQ(ColorToRGB(clBtnShadow), face[9 * 100 + 20]);     // the groove's shadow row
  EXPECT_EQ(ColorToRGB(clBtnHighlight), face[10 * 100 + 20]);  // and its highlight row
}

TEST_F(TrackBar, AVerticalBarHasItsMinimumAtTheBottomAndGrowsUpward) {
  bar->SetVertical(true);
  bar->SetBounds(10, 10, 20, 100);
  bar->SetValue(0);
  skinbases::FaceOf(bar);
  EXPECT_EQ(Rect(2, 90, 18, 98), bar->ButtonRect());
  TCounter starts;
  bar->OnStartDragButton = starts.Event();
  testsupport::Drag(bar, 10, 94, 10, 50);
  EXPECT_EQ(50, bar->Value());  // 44 of 88 pixels up
  EXPECT_EQ(1, starts.count);
  EXPECT_EQ(1, lastChanges.count);
}

TEST_F(TrackBar, ArrowsAndWheelStepByOneOnAFocusableBarAlsoAtALimit) {
  bar->SetFocus();
  testsupport::PressKey(VK_RIGHT);
  EXPECT_EQ(50, bar->Value());
  bar->SetCanFocused(true);
  bar->SetFocus();
  struct Step {
    WORD key;
    int delta;
  } steps[] = {{VK_RIGHT, 1}, {VK_UP, 1}, {VK_LEFT, -1}, {VK_DOWN, -1}};
  for (const Step& s : steps) {
    const int before = bar->Value();
    testsupport::PressKey(s.key);
    EXPECT_EQ(before + s.delta, bar->Value()) << s.key;
  }
  EXPECT_EQ(4, lastChanges.count);
  bar->SetValue(100);
  testsupport::PressKey(VK_UP);
  EXPECT_EQ(100, bar->Value());
  EXPECT_EQ(5, lastChanges.count);
  SendMessageA(bar->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);  // away: a horizontal bar decreases
  EXPECT_EQ(99, bar->Value());
  bar->SetVertical(true);
  SendMessageA(bar->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(100, bar->Value());
  EXPECT_EQ(7, lastChanges.count);
}

TEST_F(TrackBar, AClickBesideTheThumbJumpsOnlyWhenAsked) {
  testsupport::Click(bar, 20, 10);
  EXPECT_EQ(50, bar->Value());
  bar->SetJumpWhenClick(true);
  testsupport::Click(bar, 20, 10);
  EXPECT_EQ(16, bar->Value());  // nearest(100 x 14 / 88)
  EXPECT_EQ(1, changes.count);
  EXPECT_EQ(0, lastChanges.count);
}

TEST_F(TrackBar, WithoutMouseSupportPressesOnlyReachTheMouseEvents) {
  struct TDowns {
    int count = 0;
    void Down(TObject*, TMouseButton, TShiftState, int, int) { ++count; }
  } downs;
  bar->OnMouseDown = TMouseEvent(&downs, &TDowns::Down);
  bar->SetMouseSupport(false);
  bar->SetJumpWhenClick(true);
  testsupport::Drag(bar, 50, 10, 90, 10);
  testsupport::Click(bar, 20, 10);
  EXPECT_EQ(50, bar->Value());
  EXPECT_EQ(2, downs.count);
}

TEST_F(TrackBar, AClickPutsTheThumbCentreUnderThePointerOnAnAsymmetricVerticalTrack) {
  bar->SetSkinDataName("trackbar");
  bar->SetSkinData(SharedRangesSkin());
  ASSERT_NE(-1, bar->LookIndex());
  EXPECT_TRUE(bar->Vertical());
  EXPECT_EQ(20, bar->Width());
  EXPECT_EQ(48, bar->Height());
  bar->SetMaxValue(28);  // one value a pixel: the travel runs from 8 to 36
  bar->SetJumpWhenClick(true);
  for (int y : {30, 20, 10}) {  // each beside the thumb the click before left
    testsupport::Click(bar, 10, y);
    EXPECT_EQ(36 - y, bar->Value()) << y;
    skinbases::FaceOf(bar);
    EXPECT_EQ(y, bar->ButtonRect().Top + bar->ButtonRect().Height() / 2) << y;
  }
}
