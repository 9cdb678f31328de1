// Page controls: the display area asked through WndProc, hidden tabs, refused changes and
// real clicks on the tabs.
#include <gtest/gtest.h>

#include <memory>

#include "../windowing/WindowingFixtures.h"
#include "classlib/comctrls/TabControl.h"

#include <commctrl.h>

namespace {

// Answers the display-area request with a rectangle 10 px smaller on every side.
class TShrinkingPages : public TPageControl {
 public:
  using TPageControl::TPageControl;
  void WndProc(TMessage& message) override {
    TPageControl::WndProc(message);
    if (message.Msg == TCM_ADJUSTRECT && message.WParam == FALSE)
      InflateRect(reinterpret_cast<RECT*>(message.LParam), -10, -10);
  }
};

class TPageLog : public TObject {
 public:
  int changes = 0;
  bool allow = true;
  void Changed(TObject*) { ++changes; }
  void Changing(TObject*, bool& allowChange) { allowChange = allow; }
};

class PageControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(ShowTestForm(400, 260));
    SetForegroundWindow(form->Handle());
  }
  template <class P>
  P* AddPages(int left) {
    auto* pages = new P(form.get());
    pages->SetBounds(left, 10, 180, 150);
    pages->SetParent(form.get());
    for (const char* caption : {"First", "Second", "Third"}) {
      auto* sheet = new TTabSheet(form.get());
      sheet->SetCaption(caption);
      sheet->SetPageControl(pages);
    }
    return pages;
  }
  void ClickTab(TPageControl* pages, int index) {
    const TRect tab = pages->TabRect(index);
    const TPoint at = pages->ClientToScreen(Point((tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2));
    SetCursorPos(at.X, at.Y);
    ServeApplication(60);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    ServeApplication(60);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    ServeApplication(150);
  }
  std::unique_ptr<TForm> form;
};

TEST_F(PageControlTest, SheetsFillTheDisplayAreaThatWndProcAnswers) {
  auto* plain = AddPages<TPageControl>(10);
  auto* shrinking = AddPages<TShrinkingPages>(200);
  ServeApplication(100);
  const TRect wide = plain->ActivePage()->BoundsRect();
  EXPECT_GT(wide.Top, 10);  // below the tabs
  EXPECT_EQ(Rect(wide.Left + 10, wide.Top + 10, wide.Right - 10, wide.Bottom - 10), shrinking->ActivePage()->BoundsRect());
  EXPECT_EQ(shrinking->DisplayRect(), shrinking->ActivePage()->BoundsRect());
  EXPECT_EQ(3, plain->Tabs()->Count());
  EXPECT_EQ(AnsiString("Second"), plain->Tabs()->Strings(1));
}

TEST_F(PageControlTest, HidingTheActiveTabActivatesTheNextVisiblePage) {
  auto* pages = AddPages<TPageControl>(10);
  EXPECT_EQ(pages->Pages(0), pages->ActivePage());
  pages->Pages(0)->SetTabVisible(false);
  EXPECT_EQ(pages->Pages(1), pages->ActivePage());
  EXPECT_EQ(2, pages->Tabs()->Count());
  EXPECT_EQ(0, pages->TabIndex());
  EXPECT_FALSE(pages->Pages(0)->Visible());
  EXPECT_TRUE(pages->Pages(1)->Visible());
  pages->Pages(2)->SetTabVisible(false);
  pages->Pages(1)->SetTabVisible(false);
  EXPECT_EQ(nullptr, pages->ActivePage());
}

TEST_F(PageControlTest, AClickOnATabsReportedRectangleChangesThePageOnceUnlessRefused) {
  auto* pages = AddPages<TPageControl>(10);
  TPageLog log;
  pages->OnChange = TNotifyEvent(&log, &TPageLog::Changed);
  pages->OnChanging = TTabChangingEvent(&log, &TPageLog::Changing);
  ServeApplication(100);
  log.allow = false;
  ClickTab(pages, 2);
  EXPECT_EQ(pages->Pages(0), pages->ActivePage());
  EXPECT_EQ(0, pages->TabIndex());
  EXPECT_EQ(0, log.changes);
  log.allow = true;
  ServeApplication(GetDoubleClickTime() + 100);  // a separate click, not a double click
  ClickTab(pages, 2);
  EXPECT_EQ(pages->Pages(2), pages->ActivePage());
  EXPECT_EQ(1, log.changes);
  EXPECT_TRUE(pages->Pages(2)->Showing());
  EXPECT_FALSE(pages->Pages(0)->Showing());
}

}  // namespace
