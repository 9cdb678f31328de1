// The tree view: nodes over three levels as the system holds them, a refused expansion,
// deletions and custom sorting.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "../windowing/WindowingFixtures.h"
#include "classlib/comctrls/TreeView.h"
#include "classlib/runtime/SysUtils.h"

namespace {

// A tree view that refuses to open nodes marked "closed" and logs what it deletes.
class TLoggingTreeView : public TTreeView {
 public:
  using TTreeView::TTreeView;
  std::vector<std::string> deleted;

 protected:
  bool CanExpand(TTreeNode* node) override { return node->Text() != "closed" && TTreeView::CanExpand(node); }
  void Delete(TTreeNode* node) override {
    deleted.push_back(node->Text().c_str());
    TTreeView::Delete(node);
  }
};

std::string SystemText(TTreeNode* node) {
  char text[64] = {};
  TVITEMA item{};
  item.mask = TVIF_TEXT;
  item.hItem = node->ItemId();
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(node->TreeView()->Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return text;
}

int ByTextDescending(TTreeNode* a, TTreeNode* b, LPARAM) { return -CompareText(a->Text(), b->Text()); }

class TreeViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(ShowTestForm(300, 260));
    tree = new TLoggingTreeView(form.get());
    tree->SetBounds(10, 10, 250, 230);
    tree->SetParent(form.get());
  }
  std::unique_ptr<TForm> form;
  TLoggingTreeView* tree = nullptr;
  int data[3] = {1, 2, 3};
};

TEST_F(TreeViewTest, NodesOverThreeLevelsAreTheSystemsItems) {
  TTreeNodes* nodes = tree->Items();
  TTreeNode* root = nodes->AddChildObject(nullptr, "Video", &data[0]);
  TTreeNode* child = nodes->AddChildObject(root, "MPEG-4", &data[1]);
  TTreeNode* leaf = nodes->AddChildObject(child, "Xvid", &data[2]);
  TTreeNode* second = nodes->AddChild(root, "H.264");
  EXPECT_EQ(0, root->Level());
  EXPECT_EQ(1, child->Level());
  EXPECT_EQ(2, leaf->Level());
  EXPECT_EQ(nullptr, root->Parent());
  EXPECT_EQ(root, child->Parent());
  EXPECT_EQ(child, leaf->Parent());
  EXPECT_EQ(&data[2], leaf->Data());
  EXPECT_TRUE(root->HasChildren());
  EXPECT_FALSE(leaf->HasChildren());
  leaf->SetHasChildren(true);
  EXPECT_TRUE(leaf->HasChildren());
  EXPECT_EQ("Xvid", SystemText(leaf));
  leaf->SetText("XviD");
  EXPECT_EQ("XviD", SystemText(leaf));
  EXPECT_EQ(2, root->Count());
  EXPECT_EQ(second, root->Item(1));
  EXPECT_EQ(1, second->Index());
  EXPECT_EQ(4, nodes->Count());
  EXPECT_EQ(leaf, nodes->Item(2));  // depth first: Video, MPEG-4, XviD, H.264
  TTreeNode* first = nodes->Insert(second, "AV1");
  EXPECT_EQ(first, root->Item(1));
}

TEST_F(TreeViewTest, ARefusingCanExpandKeepsTheNodeClosed) {
  TTreeNodes* nodes = tree->Items();
  TTreeNode* closed = nodes->AddChild(nullptr, "closed");
  TTreeNode* open = nodes->AddChild(nullptr, "open");
  nodes->AddChild(closed, "inside");
  nodes->AddChild(open, "inside");
  closed->Expand(false);
  open->Expand(false);
  EXPECT_FALSE(closed->Expanded());
  EXPECT_TRUE(open->Expanded());
  // The user's expansion asks the same.
  SendMessageA(tree->Handle(), WM_KEYDOWN, VK_ADD, 0);
  tree->SetSelected(closed);
  SendMessageA(tree->Handle(), WM_KEYDOWN, VK_ADD, 0);
  EXPECT_FALSE(closed->Expanded());
}

TEST_F(TreeViewTest, DeletingAParentRunsDeleteOncePerDescendantAndFreesThem) {
  TTreeNodes* nodes = tree->Items();
  TTreeNode* parent = nodes->AddChild(nullptr, "parent");
  TTreeNode* child = nodes->AddChild(parent, "child");
  nodes->AddChild(child, "grandchild");
  nodes->AddChild(parent, "second child");
  nodes->AddChild(nullptr, "stays");
  parent->Delete();
  std::vector<std::string> deleted = tree->deleted;
  std::sort(deleted.begin(), deleted.end());
  EXPECT_EQ(std::vector<std::string>({"child", "grandchild", "parent", "second child"}), deleted);
  EXPECT_EQ(1, nodes->Count());
  EXPECT_EQ(AnsiString("stays"), nodes->GetFirstNode()->Text());
}

TEST_F(TreeViewTest, CustomSortOrdersSiblings) {
  TTreeNodes* nodes = tree->Items();
  TTreeNode* root = nodes->AddChild(nullptr, "root");
  for (const char* name : {"b", "d", "a", "c"}) nodes->AddChild(root, name);
  nodes->AddChild(nullptr, "another root");
  nodes->CustomSort(nullptr, &ByTextDescending, 0, true);
  std::string order;
  for (TTreeNode* child = root->GetFirstChild(); child != nullptr; child = child->GetNextSibling())
    order += child->Text().c_str();
  EXPECT_EQ("dcba", order);
  EXPECT_EQ(AnsiString("root"), nodes->GetFirstNode()->Text());
}

}  // namespace
