// The page control's geometry, hidden tab row, tab scroller, close buttons, erasing and
// skin changes.
#include "TabsFixture.h"

#include <commctrl.h>
#include "skin/controls/Skinctrls_UpDown.h"
#include "skin/form/Formskinner.h"

namespace tabstest {
namespace {

// The display rectangle the control answers for the system's answer `s`: the tables of
// the skinned look (margins 4) and of the built-in look, by tab position.
TRect ExpectedDisplay(const TRect& s, TTabPosition position, bool look, bool hidden, int w, int h) {
  const int more = hidden ? 1 : 0;
  if (look) {
    switch (position) {
      case tpTop: return Rect(4, s.Top + 4 - 6 - more, w - 4, h - 4);
      case tpBottom: return Rect(4, s.Top + 4 - 4, w - 4, s.Bottom + 4 - 4 + more);
      case tpLeft: return Rect(s.Left + 4 - 4 - more, s.Top + 4 - 4, w - 4, h - 4);
      case tpRight: return Rect(4, s.Top + 4 - 4, s.Right - 4 + 4 + more, h - 4);
    }
  }
  switch (position) {
    case tpTop: return Rect(1, s.Top - 5 - more, w - 1, h - 1);
    case tpBottom: return Rect(1, 1, w - 1, s.Bottom + 3);
    case tpLeft: return Rect(s.Left - 3 - more, s.Top - 5, w - 1, h - 1);
    case tpRight: return Rect(s.Left - 3, s.Top - 5, s.Right + 3 + more, h - 1);
  }
  return {};
}

std::string Show(const TRect& r) {
  return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
         std::to_string(r.Bottom);
}

using PageControl = TabsTest;

TEST_F(PageControl, TheDisplayRectangleIsTheSystemsAnswerChangedByTheTables) {
  skin = LoadTabSkin("tabs_display");
  for (bool look : {true, false}) {
    for (TTabPosition position : {tpTop, tpBottom, tpLeft, tpRight}) {
      for (bool hidden : {false, true}) {
        SCOPED_TRACE(std::string(look ? "look" : "default") + " position " + std::to_string(position) +
                     (hidden ? " hidden" : " shown"));
        MakePages(3, position);
        if (look) pages->SetSkinData(skin.get());
        if (hidden) pages->HideTabs();
        Redraw(pages.get());
        const TRect system = SystemDisplayRect(pages.get());
        const TRect expected = ExpectedDisplay(system, pages->TabPosition(), look, hidden, pages->ClientWidth(),
                                               pages->ClientHeight());
        EXPECT_EQ(Show(expected), Show(pages->DisplayRect()));
        EXPECT_EQ(Show(expected), Show(pages->ActivePage()->BoundsRect()));
      }
    }
  }
}

TEST_F(PageControl, HiddenTabsGrowThePageAreaOnePixelTowardTheRow) {
  MakePages(3);
  const TRect shown = pages->ActivePage()->BoundsRect();
  pages->HideTabs();
  Redraw(pages.get());
  const TRect hidden = pages->ActivePage()->BoundsRect();
  // The row is one pixel high now; the sheet starts one pixel above the system's area.
  EXPECT_LT(hidden.Top, shown.Top);
  EXPECT_EQ(SystemDisplayRect(pages.get()).Top - 6, hidden.Top);
  EXPECT_EQ(1, pages->TabHeight());
}

TEST_F(PageControl, LeftTabsComeBackLeftAndTheirHeightReturns) {
  MakePages(3, tpLeft);
  pages->SetMultiLine(true);
  const TRect before = pages->TabRect(0);
  pages->HideTabs();
  EXPECT_TRUE(pages->TabsHidden());
  EXPECT_EQ(tpTop, pages->TabPosition());
  EXPECT_FALSE(pages->MultiLine());
  pages->ShowTabs();
  Redraw(pages.get());
  EXPECT_FALSE(pages->TabsHidden());
  EXPECT_EQ(tpLeft, pages->TabPosition());
  EXPECT_TRUE(pages->MultiLine());
  EXPECT_EQ(0, pages->TabHeight());
  EXPECT_EQ(Show(before), Show(pages->TabRect(0)));
}

TEST_F(PageControl, HideAndShowTabsOutOfTurnChangeNothing) {
  MakePages(3, tpLeft);
  pages->ShowTabs();  // never hidden
  EXPECT_EQ(tpLeft, pages->TabPosition());
  EXPECT_FALSE(pages->TabsHidden());
  pages->HideTabs();
  pages->HideTabs();  // a second time
  pages->ShowTabs();
  EXPECT_EQ(tpLeft, pages->TabPosition());
  EXPECT_FALSE(pages->TabsHidden());
  EXPECT_EQ(0, pages->TabHeight());

  // No visible tab: nothing to hide.
  for (int i = 0; i < pages->PageCount(); ++i) pages->Pages(i)->SetTabVisible(false);
  pages->HideTabs();
  EXPECT_FALSE(pages->TabsHidden());
  EXPECT_EQ(tpLeft, pages->TabPosition());
}

TEST_F(PageControl, NoTabIsPaintedWhileTheRowIsHidden) {
  MakePages(3);
  const COLORREF frame = Rgb(static_cast<TColor>(0x800000));  // the built-in look's active tab frame
  const TRect row = Rect(0, 0, 200, pages->TabRect(0).Bottom + 2);
  EXPECT_GT(CountColour(pages.get(), row, frame), 0);
  pages->HideTabs();
  Redraw(pages.get());
  EXPECT_EQ(0, CountColour(pages.get(), row, frame));
}

TEST_F(PageControl, MultiLineTabsShowNoScroller) {
  MakePages(8, tpTop, 150, 160);
  pages->SetMultiLine(true);
  pages->SetBounds(10, 10, 140, 160);
  testsupport::ServeApplication(30);
  EXPECT_EQ(nullptr, pages->Scroller());
}

// Where the active tab's close button is on the control.
TRect CloseButtonOnControl(TspSkinPageControl* pages) {
  const TRect button = pages->CloseState(pages->ActivePageIndex())->Rect;
  const TRect tab = pages->GetItemRect(pages->ActivePage()->TabIndex());
  return Rect(button.Left + tab.Left, button.Top + tab.Top, button.Right + tab.Left, button.Bottom + tab.Top);
}

TEST_F(PageControl, AClickOnALeftTabsCloseButtonAtItsTopEndClosesThatPage) {
  MakePages(3, tpLeft);
  TCloseLog log;
  pages->OnClose = TspCloseEvent(&log, &TCloseLog::PageClose);
  pages->OnAfterClose = TNotifyEvent(&log, &TCloseLog::AfterClose);
  pages->SetShowCloseButtons(true);
  pages->SetActivePageIndex(1);
  Redraw(pages.get());
  const TRect tab = pages->GetItemRect(1);
  const TRect button = CloseButtonOnControl(pages.get());
  ASSERT_FALSE(IsRectEmpty(button.AsRECT()));
  EXPECT_LT(button.Top - tab.Top, tab.Height() / 2);  // at the tab's top end
  testsupport::Click(pages.get(), (button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2);
  testsupport::ServeApplication(50);
  EXPECT_EQ(1, log.asked);
  EXPECT_EQ(pages->Pages(1), log.askedPage);
  EXPECT_EQ(1, log.after);
  EXPECT_FALSE(pages->Pages(1)->TabVisible());
  EXPECT_TRUE(pages->Pages(0)->TabVisible());
  EXPECT_TRUE(pages->Pages(2)->TabVisible());
}

TEST_F(PageControl, ARefusedCloseKeepsThePageAndTheButtonTurnsNormalWhenThePointerLeaves) {
  MakePages(3);
  TCloseLog log;
  log.allow = false;
  pages->OnClose = TspCloseEvent(&log, &TCloseLog::PageClose);
  pages->SetShowCloseButtons(true);
  Redraw(pages.get());
  const TRect button = CloseButtonOnControl(pages.get());
  const int x = (button.Left + button.Right) / 2;
  const int y = (button.Top + button.Bottom) / 2;
  testsupport::MoveMouse(pages.get(), x, y);
  testsupport::ServeApplication(50);
  const COLORREF white = Rgb(clWhite);
  EXPECT_GT(CountColour(pages.get(), button, white), 0);  // hot: a white cross
  testsupport::Click(pages.get(), x, y);
  testsupport::ServeApplication(50);
  EXPECT_EQ(1, log.asked);
  EXPECT_TRUE(pages->Pages(0)->TabVisible());
  testsupport::MoveMouse(form, 5, 280);
  testsupport::ServeApplication(100);
  EXPECT_FALSE(pages->CloseState(0)->Hot);
  EXPECT_FALSE(pages->CloseState(0)->Pressed);
  EXPECT_EQ(0, CountColour(pages.get(), button, white));
  EXPECT_GT(CountColour(pages.get(), button, Rgb(clBlack)), 0);
}

// WM_ERASEBKGND into a bitmap filled with a sentinel colour: the bitmap's middle pixel.
COLORREF ErasedPixel(TWinControl* control, int x, int y) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(control->Width(), control->Height());
  bitmap.Canvas()->Brush()->SetColor(clFuchsia);
  bitmap.Canvas()->FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
  SendMessageA(control->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(bitmap.Canvas()->Handle()), 0);
  return GetPixel(bitmap.Canvas()->Handle(), x, y);
}

TEST_F(PageControl, ErasingPaintsNothingWithVisibleTabsAndTheSkinBackgroundWithoutPages) {
  skin = LoadTabSkin("tabs_erase");
  MakePages(2);
  pages->SetSkinData(skin.get());
  EXPECT_EQ(Rgb(clFuchsia), ErasedPixel(pages.get(), 50, 50));
  MakePages(0);
  pages->SetSkinData(skin.get());
  // The client part (4,4)-(36,36) tiled from the corner: (50, 50) shows (4 + 18, 4 + 18).
  EXPECT_EQ(PictureRgb(22, 22), ErasedPixel(pages.get(), 50, 50));
}

TEST_F(PageControl, ASkinChangeReskinsThePageAndTabControls) {
  skin = LoadTabSkin("tabs_reskin_a");
  std::unique_ptr<TForm> skinned(testsupport::ShowTestForm(400, 300));
  auto* skinner = new TspFormSkinner(skinned.get());
  skinner->SetSkinData(skin.get());
  MakePages(3, tpTop, 300, 200, skinned.get());
  MakeTabs(3, 300, 200, skinned.get());
  pages->SetSkinData(skin.get());
  tabs->SetSkinData(skin.get());
  EXPECT_EQ(16, pages->TabRect(0).Height());
  skin->LoadFromFile(skintest::WriteTestSkin("tabs_reskin_b", {{"tab/pictureindex", "0"},
                                                               {"tab/skinrect", "0,0,40,40"},
                                                               {"tab/clientrect", "4,4,36,36"},
                                                               {"tab/tabrect", "40,0,60,24"},
                                                               {"tab/activetabrect", "40,0,60,24"},
                                                               {"tab/fontcolor", "65280"}})
                         .c_str());
  testsupport::ServeApplication(50);
  EXPECT_EQ(24, pages->TabRect(0).Height());
  EXPECT_EQ(24, tabs->TabRect(0).Height());
  EXPECT_EQ(static_cast<TColor>(65280), pages->Font()->Color());
  EXPECT_EQ(static_cast<TColor>(65280), tabs->Font()->Color());
  pages.reset();
  tabs.reset();
}

}  // namespace
}  // namespace tabstest
