// The tree view's vertical bar shown only while its expanded items do not fit, and its
// painting settling when the bar comes and goes.
#include <gtest/gtest.h>

#include "ViewsFixtures.h"
#include "classlib/runtime/SysUtils.h"
#include "classlib/stdctrls/Panel.h"
#include "skin/controls/Skinctrls_ScrollBar.h"
#include "skin/controls/Skinctrls_TreeView.h"
#include "window_support.h"

namespace {

using rangetest::RangeTest;

class TreeViewBarsTest : public RangeTest {
 protected:
  // A tree aligned in a panel with its bar at the right: three roots, the first with
  // `children` children (collapsed).
  void PlaceTree(int children) {
    panel = new TPanel(nullptr);  // freed after the tree and the bar it holds
    panel->SetParent(form);
    panel->SetBounds(10, 10, 160, 120);
    bar = new TspSkinScrollBar(nullptr);
    placed.emplace_back(bar);
    bar->SetKind(sbVertical);
    bar->SetParent(panel);
    bar->SetBounds(140, 0, 16, 120);
    bar->SetAlign(alRight);
    tree = new TspSkinTreeView(nullptr);
    placed.emplace_back(tree);
    tree->SetParent(panel);
    tree->SetAlign(alClient);
    placed.emplace_back(panel);
    first = tree->Items()->Add(nullptr, "first");
    for (int i = 0; i < children; ++i) tree->Items()->AddChild(first, "child " + IntToStr(i));
    tree->Items()->Add(nullptr, "second");
    tree->Items()->Add(nullptr, "third");
    tree->SetVScrollBar(bar);
    testsupport::ServeApplication(50);
  }

  TPanel* panel = nullptr;
  TspSkinScrollBar* bar = nullptr;
  TspSkinTreeView* tree = nullptr;
  TTreeNode* first = nullptr;
};

TEST_F(TreeViewBarsTest, TheBarShowsOnlyWhileTheExpandedItemsDoNotFit) {
  PlaceTree(30);
  EXPECT_FALSE(bar->Visible());
  const int fullWidth = tree->Width();
  first->Expand(false);
  testsupport::ServeApplication(50);
  ASSERT_TRUE(bar->Visible());
  EXPECT_EQ(static_cast<int>(SendMessageA(tree->Handle(), TVM_GETVISIBLECOUNT, 0, 0)), bar->PageSize());
  EXPECT_EQ(32, bar->Max());  // 33 rows shown
  EXPECT_EQ(fullWidth - bar->Width(), tree->Width());  // the parent re-aligned
  first->Collapse(false);
  testsupport::ServeApplication(50);
  EXPECT_FALSE(bar->Visible());
  EXPECT_EQ(fullWidth, tree->Width());
}

TEST_F(TreeViewBarsTest, MovingTheBarScrollsTheTree) {
  PlaceTree(30);
  first->Expand(false);
  testsupport::ServeApplication(50);
  ASSERT_TRUE(bar->Visible());
  bar->SetPosition(5);
  testsupport::ServeApplication(30);
  EXPECT_EQ(5, GetScrollPos(tree->Handle(), SB_VERT));
  EXPECT_EQ(AnsiString("child 4"), tree->TopItem()->Text());
}

TEST_F(TreeViewBarsTest, CollapsingAndExpandingRepeatedlyLetsPaintingSettle) {
  PlaceTree(30);
  for (int round = 0; round < 4; ++round) {
    first->Expand(false);
    testsupport::ServeApplication(20);
    first->Collapse(false);
    testsupport::ServeApplication(20);
  }
  first->Expand(false);
  testsupport::ServeApplication(50);
  std::vector<std::string> log;
  testsupport::TMessageSpy spy(tree, "tree", {WM_PAINT}, &log);
  testsupport::ServeApplication(200);
  EXPECT_TRUE(log.empty()) << log.size() << " paints while nothing changed";
  EXPECT_TRUE(bar->Visible());
  EXPECT_FALSE(GetUpdateRect(tree->Handle(), nullptr, FALSE));
}

}  // namespace
