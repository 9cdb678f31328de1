// The rich edit: lines, typing and the system's scroll range.
#include <gtest/gtest.h>

#include <memory>

#include "../windowing/WindowingFixtures.h"
#include "classlib/comctrls/RichEdit.h"

namespace {

class TRichLog : public TObject {
 public:
  int changes = 0;
  int selections = 0;
  void Changed(TObject*) { ++changes; }
  void Selected(TObject*) { ++selections; }
};

// A rich edit that counts its Change calls.
class TCountingRichEdit : public TRichEdit {
 public:
  using TRichEdit::TRichEdit;
  int changes = 0;

 protected:
  void Change() override {
    ++changes;
    TRichEdit::Change();
  }
};

class RichEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(ShowTestForm(300, 200));
    rich = new TCountingRichEdit(form.get());
    rich->SetBounds(10, 10, 200, 100);
    rich->SetScrollBars(ssVertical);
    rich->SetParent(form.get());
    SetForegroundWindow(form->Handle());
    ServeApplication(60);
  }
  std::unique_ptr<TForm> form;
  TCountingRichEdit* rich = nullptr;
};

TEST_F(RichEditTest, LinesGoInAndComeBackOut) {
  rich->Lines()->Add("first");
  rich->Lines()->Add("second");
  rich->Lines()->Add("third");
  ASSERT_EQ(3, rich->Lines()->Count());
  EXPECT_EQ(AnsiString("second"), rich->Lines()->Strings(1));
  EXPECT_EQ(AnsiString("first\r\nsecond\r\nthird\r\n"), rich->Lines()->Text());
}

TEST_F(RichEditTest, TypingFiresChangeAndMovesTheSelection) {
  TRichLog log;
  rich->OnChange = TNotifyEvent(&log, &TRichLog::Changed);
  rich->OnSelectionChange = TNotifyEvent(&log, &TRichLog::Selected);
  rich->SetFocus();
  ServeApplication(60);
  rich->changes = 0;
  for (BYTE vk : {'A', 'B'}) {
    keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)), 0, 0);
    keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)), KEYEVENTF_KEYUP, 0);
    ServeApplication(60);
  }
  EXPECT_EQ(AnsiString("ab"), rich->Text());
  EXPECT_EQ(2, rich->changes);
  EXPECT_EQ(2, log.changes);
  EXPECT_GE(log.selections, 2);
}

TEST_F(RichEditTest, TheNativeVerticalRangeGrowsWithTheText) {
  SCROLLINFO before{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
  GetScrollInfo(rich->Handle(), SB_VERT, &before);
  for (int i = 0; i < 40; ++i) rich->Lines()->Add(AnsiString("line"));
  ServeApplication(60);
  SCROLLINFO after{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
  GetScrollInfo(rich->Handle(), SB_VERT, &after);
  EXPECT_GT(after.nMax - static_cast<int>(after.nPage), before.nMax - static_cast<int>(before.nPage));
  EXPECT_GT(after.nMax, 200);
}

}  // namespace
