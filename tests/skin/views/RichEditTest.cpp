// The skinned rich edit: bars disabled (not hidden) while there is nothing to scroll, the
// arrow buttons scrolling by the edit's own lines, and the user's font without SkinSupport.
#include <gtest/gtest.h>

#include "ViewsFixtures.h"
#include "classlib/runtime/SysUtils.h"
#include "skin/controls/Skinctrls_RichEdit.h"
#include "skin/controls/Skinctrls_ScrollBar.h"
#include "window_support.h"

namespace {

using rangetest::RangeTest;

class RichEditTest : public RangeTest {
 protected:
  void PlaceEdit(int lines) {
    edit = Place<TspSkinRichEdit>(10, 10, 150, 100);
    vbar = Place<TspSkinScrollBar>(162, 10, 16, 100);
    vbar->SetKind(sbVertical);
    AnsiString text;
    for (int i = 0; i < lines; ++i) text += "line " + IntToStr(i) + "\r\n";
    edit->SetText(text);
    edit->SetVScrollBar(vbar);
    testsupport::ServeApplication(50);
  }
  // Clicks a part of the bar (1 raises the position, 2 lowers it) and counts the
  // WM_VSCROLL the edit gets meanwhile.
  size_t ClickBarButton(int part) {
    std::vector<std::string> log;
    testsupport::TMessageSpy spy(edit, "edit", {WM_VSCROLL}, &log);
    const TRect r = vbar->Part(part).R;
    testsupport::Click(vbar, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    testsupport::ServeApplication(40);
    return log.size();
  }

  TspSkinRichEdit* edit = nullptr;
  TspSkinScrollBar* vbar = nullptr;
};

TEST_F(RichEditTest, AShortTextDisablesTheBarAndEmptiesTheNativeRange) {
  PlaceEdit(2);
  EXPECT_TRUE(vbar->Visible());
  EXPECT_FALSE(vbar->Enabled());
  int min = -1, max = -1;
  GetScrollRange(edit->Handle(), SB_VERT, &min, &max);
  EXPECT_EQ(0, min);
  EXPECT_EQ(0, max);
}

TEST_F(RichEditTest, ALongTextEnablesTheBarWithTheNativeRange) {
  PlaceEdit(60);
  EXPECT_TRUE(vbar->Enabled());
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(edit->Handle(), SB_VERT, &info);
  EXPECT_EQ(info.nMax, vbar->Max());
  EXPECT_EQ(static_cast<int>(info.nPage), vbar->PageSize());
}

TEST_F(RichEditTest, AtEitherEndTheMatchingButtonSendsNothingButRefreshesTheBar) {
  PlaceEdit(60);
  const int max = vbar->Max();
  vbar->SetRange(0, 5, 0, 1);  // stale: the button's refresh puts the native range back
  EXPECT_EQ(0u, ClickBarButton(2));
  EXPECT_EQ(max, vbar->Max());

  SendMessageA(edit->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  edit->UpDateScrollBars();
  ASSERT_EQ(GetScrollPos(edit->Handle(), SB_VERT), vbar->Position());
  ASSERT_GT(vbar->Position(), 0);
  vbar->SetRange(0, 5, 0, 1);
  vbar->SimplySetPosition(5);
  EXPECT_EQ(0u, ClickBarButton(1));
  EXPECT_EQ(max, vbar->Max());
}

TEST_F(RichEditTest, TheButtonsScrollByTheEditsLines) {
  PlaceEdit(60);
  EXPECT_EQ(1u, ClickBarButton(1));
  EXPECT_EQ(GetScrollPos(edit->Handle(), SB_VERT), vbar->Position());
  EXPECT_GT(vbar->Position(), 0);
}

TEST_F(RichEditTest, WithoutSkinSupportTheUsersFontAndColourStay) {
  edit = Place<TspSkinRichEdit>(10, 10, 150, 100);
  edit->Font()->SetName("Verdana");
  edit->SetColor(clYellow);
  edit->SetSkinData(viewtest::SharedViewsSkin());
  EXPECT_NE(-1, edit->LookIndex());
  EXPECT_EQ(AnsiString("Verdana"), edit->Font()->Name());
  EXPECT_EQ(clYellow, edit->Color());
}

}  // namespace
