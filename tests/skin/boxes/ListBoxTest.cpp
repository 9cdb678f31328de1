// The skinned list box in the built-in look: the row bar mirrors the inner list's own
// (hidden) scroll state and drives it, the wheel and keys move both, input reaches the
// outer control's events, and the rows are painted by the inner list.
#include <memory>

#include <gtest/gtest.h>

#include "ListBoxFixtures.h"
#include "classlib/windowing/Menus.h"
#include "window_support.h"

using namespace boxtest;

using ListBox = ListBoxTest;

TEST_F(ListBox, ThirtyRowsGetARowBarOverTheWholeRangeThatMovesTheList) {
  Fill(30);
  TspSkinScrollBar* bar = list->ScrollBar();
  ASSERT_NE(nullptr, bar);
  EXPECT_EQ(sbVertical, bar->Kind());
  EXPECT_EQ(0, bar->Min());
  EXPECT_EQ(29, bar->Max());
  const int rows = list->ListBox()->Height() / 20;
  EXPECT_EQ(9, rows);
  EXPECT_EQ(rows, bar->PageSize());
  EXPECT_EQ(rows, bar->LargeChange());
  EXPECT_EQ(bar->Left() + bar->Width(), list->Width() - 1);
  EXPECT_EQ(bar->Left(), list->ListBox()->Left() + list->ListBox()->Width());

  bar->SetPosition(10);
  EXPECT_EQ(10, list->TopIndex());
}

TEST_F(ListBox, OneWheelNotchScrollsOneRowAndTheBarFollows) {
  Fill(30);
  ASSERT_NE(nullptr, list->ScrollBar());
  Wheel(-WHEEL_DELTA);
  EXPECT_EQ(1, list->TopIndex());
  EXPECT_EQ(1, list->ScrollBar()->Position());
  Wheel(-WHEEL_DELTA);
  Wheel(WHEEL_DELTA);
  EXPECT_EQ(1, list->TopIndex());
  EXPECT_EQ(1, list->ScrollBar()->Position());
}

TEST_F(ListBox, TypedKeysMoveTheSelectionAndTheBarFollows) {
  Fill(30);
  list->ListBox()->SetFocus();
  list->SetItemIndex(0);
  testsupport::PressKey(VK_DOWN);
  EXPECT_EQ(1, list->ItemIndex());
  testsupport::PressKey(VK_END);
  testsupport::ServeApplication(30);
  EXPECT_EQ(29, list->ItemIndex());
  ASSERT_NE(nullptr, list->ScrollBar());
  EXPECT_GT(list->TopIndex(), 0);
  EXPECT_EQ(list->TopIndex(), list->ScrollBar()->Position());
}

TEST_F(ListBox, NoRowBarWhenAllRowsFitOrRowCountMatchesTheItems) {
  Fill(5);
  EXPECT_EQ(nullptr, list->ScrollBar());
  Fill(25);
  ASSERT_NE(nullptr, list->ScrollBar());
  list->SetRowCount(30);
  EXPECT_EQ(nullptr, list->ScrollBar());
  EXPECT_EQ(30 * 20 + 4, list->Height());
}

TEST_F(ListBox, SortingRebuildsTheListAndTheBarStillMirrorsIt) {
  Fill(30);
  list->ScrollBar()->SetPosition(12);
  list->SetSorted(true);  // the old bar goes; re-adding the items decides afresh
  EXPECT_EQ(AnsiString("item 0"), list->Items()->Strings(0));
  EXPECT_EQ(AnsiString("item 1"), list->Items()->Strings(1));
  EXPECT_EQ(AnsiString("item 10"), list->Items()->Strings(2));
  ASSERT_NE(nullptr, list->ScrollBar());
  EXPECT_EQ(29, list->ScrollBar()->Max());
  EXPECT_EQ(list->TopIndex(), list->ScrollBar()->Position());
}

TEST_F(ListBox, CalcHeightAddsTheFrameAndTheCaption) {
  EXPECT_EQ(64, list->CalcHeight(3));
  list->SetCaptionMode(true);
  EXPECT_EQ(84, list->CalcHeight(3));
  EXPECT_EQ(21, list->ListBox()->Top());
}

TEST_F(ListBox, AClickReachesTheOuterEventAndShiftExtendsTheSelection) {
  Fill(10);
  list->SetMultiSelect(true);
  list->SetExtandedSelect(true);
  TSenderLog clicks;
  list->OnListBoxClick = TNotifyEvent(&clicks, &TSenderLog::Fire);
  testsupport::Click(list->ListBox(), 20, 10);
  EXPECT_EQ(list.get(), clicks.sender);
  EXPECT_GE(clicks.count, 1);
  testsupport::Click(list->ListBox(), 20, 3 * 20 + 10, mbLeft, TShiftState{ssShift});
  EXPECT_EQ(4, list->SelCount());
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(list->Selected(i)) << i;
}

TEST_F(ListBox, RowsArePaintedByTheInnerList) {
  Fill(3);
  list->ListBox()->SetFocus();
  list->SetItemIndex(1);
  testsupport::ServeApplication(50);
  TControl* inner = list->ListBox();
  EXPECT_EQ(ColorToRGB(clHighlight), testsupport::ControlPixel(inner, 100, 30));  // selected row
  EXPECT_EQ(ColorToRGB(clWindow), testsupport::ControlPixel(inner, 100, 10));     // plain row
  EXPECT_EQ(ColorToRGB(clWindow), testsupport::ControlPixel(inner, 100, 150));    // below the rows
}

TEST_F(ListBox, AnEmptyListShowsTheWindowColourOverTheWholeList) {
  testsupport::ServeApplication(30);
  TControl* inner = list->ListBox();
  for (const auto& [x, y] : {std::pair{1, 1}, std::pair{inner->Width() - 2, inner->Height() - 2}})
    EXPECT_EQ(ColorToRGB(clWindow), testsupport::ControlPixel(inner, x, y)) << x << "," << y;
}

TEST_F(ListBox, TabOrderTabStopMenuAndSearchPassThroughToTheInnerList) {
  Fill(30);
  ASSERT_NE(nullptr, list->ScrollBar());  // a second child to order the inner list against
  TspListBox* inner = list->ListBox();
  EXPECT_EQ(0, inner->TabOrder());
  list->SetListBoxTabOrder(1);
  EXPECT_EQ(1, inner->TabOrder());
  EXPECT_EQ(1, list->ListBoxTabOrder());

  EXPECT_TRUE(list->ListBoxTabStop());
  list->SetListBoxTabStop(false);
  EXPECT_FALSE(inner->TabStop());

  EXPECT_TRUE(list->AutoComplete());
  list->SetAutoComplete(false);
  EXPECT_FALSE(inner->AutoComplete());

  {
    TPopupMenu menu(nullptr);
    list->SetListBoxPopupMenu(&menu);
    EXPECT_EQ(&menu, inner->PopupMenu());
    EXPECT_EQ(nullptr, list->PopupMenu());
  }
  EXPECT_EQ(nullptr, list->ListBoxPopupMenu());  // a freed menu is forgotten
}

TEST_F(ListBox, ATypedLetterSelectsTheMatchingItemOnlyWithAutoComplete) {
  for (const char* name : {"alpha", "bravo", "charlie"}) list->Items()->Add(name);
  list->ListBox()->SetFocus();
  // Off first: the search keeps the letters typed within a second.
  for (const bool autoComplete : {false, true}) {
    SCOPED_TRACE(autoComplete);
    list->SetItemIndex(0);
    list->SetAutoComplete(autoComplete);
    testsupport::TypeText("c");
    testsupport::ServeApplication(20);
    EXPECT_EQ(autoComplete ? 2 : 0, list->ItemIndex());
  }
}
