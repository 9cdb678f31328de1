// The list view's native scroll state mirrored into its skinned bars per view style, and
// the view scrolling itself when a bar moves.
#include <gtest/gtest.h>

#include "ViewsFixtures.h"
#include "classlib/runtime/SysUtils.h"
#include "classlib/stdctrls/Panel.h"
#include "skin/controls/Skinctrls_ListView.h"
#include "skin/controls/Skinctrls_ScrollBar.h"
#include "window_support.h"

namespace {

using rangetest::RangeTest;

class ListViewBarsTest : public RangeTest {
 protected:
  // A view of `rows` owner-data rows in two columns, a vertical bar right of it and a
  // horizontal one below.
  TspSkinListView* PlaceList(TViewStyle style, int rows, int columnWidth = 70) {
    view = Place<TspSkinListView>(10, 10, 180, 150);
    view->SetViewStyle(style);
    for (const char* caption : {"Name", "Size"}) {
      TListColumn* column = view->Columns()->Add();
      column->SetCaption(caption);
      column->SetWidth(columnWidth);
    }
    view->OnData = TLVOwnerDataEvent(this, &ListViewBarsTest::Fill);
    view->Items()->SetCount(rows);
    vbar = Place<TspSkinScrollBar>(192, 10, 16, 150);
    vbar->SetKind(sbVertical);
    hbar = Place<TspSkinScrollBar>(10, 162, 180, 16);
    view->SetVScrollBar(vbar);
    view->SetHScrollBar(hbar);
    testsupport::ServeApplication(50);
    return view;
  }
  void Fill(TObject*, TListItem* item) { item->SetCaption("row " + IntToStr(item->Index())); }
  int NativePosition(int bar) { return GetScrollPos(view->Handle(), bar); }
  int FirstRowTop() { return view->ItemRect(0).Top; }

  TspSkinListView* view = nullptr;
  TspSkinScrollBar* vbar = nullptr;
  TspSkinScrollBar* hbar = nullptr;
};

TEST_F(ListViewBarsTest, AReportViewShowsItsRowsOnTheVerticalBar) {
  PlaceList(vsReport, 10000);
  const int perPage = static_cast<int>(SendMessageA(view->Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
  ASSERT_GT(perPage, 2);
  EXPECT_TRUE(vbar->Visible());
  EXPECT_EQ(perPage, vbar->PageSize());
  EXPECT_EQ(perPage, vbar->LargeChange());
  EXPECT_EQ(9999, vbar->Max());
  EXPECT_FALSE(hbar->Visible());  // two columns of 70 fit
  RECT window, client;
  GetWindowRect(view->Handle(), &window);
  GetClientRect(view->Handle(), &client);
  EXPECT_EQ(window.right - window.left, client.right);
}

TEST_F(ListViewBarsTest, MovingTheBarByTwoScrollsByTwoRows) {
  PlaceList(vsReport, 10000);
  const int top = FirstRowTop();
  const int rowHeight = view->ItemRect(0).Height();
  vbar->SetPosition(2);
  testsupport::ServeApplication(30);
  EXPECT_EQ(2, view->TopIndex());
  EXPECT_EQ(top - 2 * rowHeight, FirstRowTop());
  EXPECT_EQ(2, NativePosition(SB_VERT));
}

TEST_F(ListViewBarsTest, KeysAndTheWheelLeaveTheBarAtTheNativePosition) {
  PlaceList(vsReport, 10000);
  view->SetFocus();
  testsupport::PressKey(VK_END);
  testsupport::ServeApplication(50);
  EXPECT_GT(NativePosition(SB_VERT), 9000);
  EXPECT_EQ(NativePosition(SB_VERT), vbar->Position());
  const int atEnd = NativePosition(SB_VERT);
  testsupport::PressKey(VK_PRIOR);  // the focus goes to the top of the page
  testsupport::PressKey(VK_PRIOR);  // and the page goes up
  testsupport::ServeApplication(50);
  EXPECT_LT(NativePosition(SB_VERT), atEnd);
  EXPECT_EQ(NativePosition(SB_VERT), vbar->Position());
  const int afterPage = NativePosition(SB_VERT);
  testsupport::MoveMouse(view, 60, 80);
  INPUT wheel{};
  wheel.type = INPUT_MOUSE;
  wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
  wheel.mi.mouseData = static_cast<DWORD>(WHEEL_DELTA);
  SendInput(1, &wheel, sizeof wheel);
  testsupport::ServeApplication(80);
  EXPECT_LT(NativePosition(SB_VERT), afterPage);
  EXPECT_EQ(NativePosition(SB_VERT), vbar->Position());
}

TEST_F(ListViewBarsTest, AListStyleViewScrollsByLinesAndNeverShowsTheVerticalBar) {
  PlaceList(vsList, 1000);
  EXPECT_FALSE(vbar->Visible());
  ASSERT_TRUE(hbar->Visible());
  EXPECT_EQ(1, hbar->SmallChange());
  std::vector<std::string> log;
  {
    testsupport::TMessageSpy spy(view, "view", {WM_HSCROLL}, &log);
    hbar->SetPosition(hbar->Position() + 3);
  }
  EXPECT_EQ(3u, log.size());
  EXPECT_GT(NativePosition(SB_HORZ), 0);
}

TEST_F(ListViewBarsTest, TheHorizontalBarShowsItsCornerExactlyWhileTheVerticalOneShows) {
  PlaceList(vsReport, 10000, 150);  // two columns of 150: wider than the view
  ASSERT_TRUE(hbar->Visible());
  EXPECT_TRUE(vbar->Visible());
  EXPECT_TRUE(hbar->Both());
  view->Items()->SetCount(2);
  view->UpDateScrollBars();
  EXPECT_FALSE(vbar->Visible());
  EXPECT_TRUE(hbar->Visible());
  EXPECT_FALSE(hbar->Both());
}

TEST_F(ListViewBarsTest, AnAlignedViewMakesItsParentRealignWhenABarAppears) {
  auto* panel = new TPanel(nullptr);  // freed after the view and the bar it holds
  panel->SetParent(form);
  panel->SetBounds(10, 10, 200, 150);
  vbar = new TspSkinScrollBar(nullptr);
  placed.emplace_back(vbar);
  vbar->SetKind(sbVertical);
  vbar->SetParent(panel);
  vbar->SetBounds(180, 0, 16, 150);
  vbar->SetAlign(alRight);
  view = new TspSkinListView(nullptr);
  placed.emplace_back(view);
  view->SetParent(panel);
  view->SetAlign(alClient);
  view->SetViewStyle(vsReport);
  view->Columns()->Add()->SetCaption("Name");
  view->SetVScrollBar(vbar);
  placed.emplace_back(panel);
  testsupport::ServeApplication(30);
  const int fullWidth = view->Width();
  EXPECT_FALSE(vbar->Visible());
  view->Items()->SetCount(10000);
  view->UpDateScrollBars();
  testsupport::ServeApplication(30);
  EXPECT_TRUE(vbar->Visible());
  EXPECT_EQ(fullWidth - vbar->Width(), view->Width());
}

}  // namespace
