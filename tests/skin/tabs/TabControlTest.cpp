// The tab control: close states per tab index, closing the selected line, indexes out of
// range, and the background its children ask for.
#include "TabsFixture.h"
#include "skin/data/Sputils_ParentImage.h"

namespace tabstest {
namespace {

using TabControl = TabsTest;

TEST_F(TabControl, TurningCloseButtonsOnAgainClearsEveryCloseState) {
  MakeTabs(3);
  tabs->SetShowCloseButtons(true);
  tabs->CloseState(1)->Hot = true;
  tabs->CloseState(2)->Pressed = true;
  tabs->SetShowCloseButtons(true);
  EXPECT_FALSE(tabs->CloseState(1)->Hot);
  EXPECT_FALSE(tabs->CloseState(2)->Pressed);
  tabs->SetShowCloseButtons(false);
  EXPECT_EQ(nullptr, tabs->CloseState(0));
}

TEST_F(TabControl, IndexesOutsideTheCloseStatesHaveNone) {
  MakeTabs(3);
  tabs->SetShowCloseButtons(true);
  for (int index : {-1, 255, 300}) {
    SCOPED_TRACE(index);
    EXPECT_EQ(nullptr, tabs->CloseState(index));
  }
  EXPECT_NE(nullptr, tabs->CloseState(254));
}

TEST_F(TabControl, ThreeHundredTabsPaintAndTrackWithoutCloseStatesBeyondTheLast) {
  MakeTabs(300, 300, 120);
  tabs->SetShowCloseButtons(true);
  tabs->SetTabIndex(299);
  Redraw(tabs.get());
  testsupport::MoveMouse(tabs.get(), 150, 5);
  testsupport::ServeApplication(50);
  EXPECT_EQ(299, tabs->TabIndex());
  EXPECT_EQ(300, tabs->Tabs()->Count());
}

// Closes through a click on the selected tab's close button.
void ClickCloseButton(TspSkinTabControl* tabs) {
  const int index = tabs->TabIndex();
  const TRect button = tabs->CloseState(index)->Rect;
  const TRect tab = tabs->GetItemRect(index);
  testsupport::Click(tabs, tab.Left + (button.Left + button.Right) / 2, tab.Top + (button.Top + button.Bottom) / 2);
  testsupport::ServeApplication(50);
}

TEST_F(TabControl, AnAllowedCloseDeletesExactlyTheSelectedLine) {
  MakeTabs(4);
  TCloseLog log;
  tabs->OnClose = TspCloseEvent2(&log, &TCloseLog::TabClose);
  tabs->OnAfterClose = TNotifyEvent(&log, &TCloseLog::AfterClose);
  tabs->SetShowCloseButtons(true);
  tabs->SetTabIndex(2);
  Redraw(tabs.get());
  ClickCloseButton(tabs.get());
  EXPECT_EQ(1, log.asked);
  EXPECT_EQ(2, log.askedIndex);
  EXPECT_EQ(1, log.after);
  ASSERT_EQ(3, tabs->Tabs()->Count());
  EXPECT_EQ("Tab 0", std::string(tabs->Tabs()->Strings(0).c_str()));
  EXPECT_EQ("Tab 1", std::string(tabs->Tabs()->Strings(1).c_str()));
  EXPECT_EQ("Tab 3", std::string(tabs->Tabs()->Strings(2).c_str()));
}

TEST_F(TabControl, ACloseWithoutASelectedTabDoesNothing) {
  MakeTabs(3);
  TCloseLog log;
  tabs->OnClose = TspCloseEvent2(&log, &TCloseLog::TabClose);
  tabs->OnAfterClose = TNotifyEvent(&log, &TCloseLog::AfterClose);
  tabs->SetTabIndex(-1);
  ASSERT_EQ(-1, tabs->TabIndex());
  tabs->DoClose();
  EXPECT_EQ(0, log.asked);
  EXPECT_EQ(0, log.after);
  EXPECT_EQ(3, tabs->Tabs()->Count());
}

TEST_F(TabControl, ARefusedCloseKeepsTheTab) {
  MakeTabs(3);
  TCloseLog log;
  log.allow = false;
  tabs->OnClose = TspCloseEvent2(&log, &TCloseLog::TabClose);
  tabs->SetShowCloseButtons(true);
  tabs->SetTabIndex(0);
  Redraw(tabs.get());
  ClickCloseButton(tabs.get());
  EXPECT_EQ(1, log.asked);
  EXPECT_EQ(3, tabs->Tabs()->Count());
}

TEST_F(TabControl, AChildPaintingItsParentsBackgroundGetsTheSkinBackgroundWithoutTabs) {
  skin = LoadTabSkin("tabs_child");
  MakeTabs(3);
  tabs->SetSkinData(skin.get());
  TWinControl child(nullptr);
  child.SetParent(tabs.get());
  child.SetBounds(0, 0, 60, 60);
  TBitmap picture;
  picture.SetPixelFormat(pf24bit);
  picture.SetSize(60, 60);
  GetParentImage(&child, picture.Canvas());
  // The client part (4,4)-(36,36) tiled from the control's corner, over the tab row too.
  EXPECT_EQ(PictureRgb(4 + 5, 4 + 3), GetPixel(picture.Canvas()->Handle(), 5, 3));
  EXPECT_EQ(PictureRgb(4 + 40 - 32, 4 + 50 - 32), GetPixel(picture.Canvas()->Handle(), 40, 50));
  child.SetParent(nullptr);
}

TEST_F(TabControl, WithoutALookTheBackgroundIsButtonFace) {
  MakeTabs(2);
  TBitmap picture;
  picture.SetPixelFormat(pf24bit);
  picture.SetSize(20, 20);
  tabs->PaintBG(picture.Canvas()->Handle());
  EXPECT_EQ(Rgb(clBtnFace), GetPixel(picture.Canvas()->Handle(), 10, 10));
}

}  // namespace
}  // namespace tabstest
