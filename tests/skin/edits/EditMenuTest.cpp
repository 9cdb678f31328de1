#include <gtest/gtest.h>

#include "EditsFixture.h"
#include "classlib/stdctrls/Clipboard.h"

namespace edittest {
namespace {

// The context menu's enabled states for the edit's text, selection and read-only mode.
struct TMenuStateCase {
  const char* name;
  const char* text;
  int selStart;
  int selLength;
  bool readOnly;
  const char* states;  // Undo - Cut Copy Paste Delete - SelectAll
};

class EditMenuStateTest : public EditsTest, public testing::WithParamInterface<TMenuStateCase> {};

TEST_P(EditMenuStateTest, TheItemsFollowTheEdit) {
  const TMenuStateCase& c = GetParam();
  TspSkinEdit* edit = AddEdit(true);
  edit->SetText(c.text);
  edit->SetReadOnly(c.readOnly);
  edit->SetSelStart(c.selStart);
  edit->SetSelLength(c.selLength);
  Clipboard()->SetAsText("clip");
  edit->CreateSysPopupMenu();
  EXPECT_EQ("Undo,-,Cut,Copy,Paste,Delete,-,Select All", MenuCaptions(edit));
  EXPECT_EQ(c.states, MenuStates(edit));
}

INSTANTIATE_TEST_SUITE_P(
    States, EditMenuStateTest,
    testing::Values(TMenuStateCase{"Empty", "", 0, 0, false, "-+--+-+-"},
                    TMenuStateCase{"PartlySelected", "hello", 1, 2, false, "-+++++++"},
                    TMenuStateCase{"ReadOnly", "hello", 1, 2, true, "-+-+--++"},
                    TMenuStateCase{"AllSelected", "hello", 0, 5, false, "-++++++-"},
                    TMenuStateCase{"NothingSelected", "hello", 2, 0, false, "-+--+-++"}),
    [](const testing::TestParamInfo<TMenuStateCase>& info) { return std::string(info.param.name); });

using EditMenuTest = EditsTest;

TEST_F(EditMenuTest, ARightClickOpensTheSkinnedMenuAndCopyRunsAndFreesIt) {
  TspSkinEdit* edit = AddEdit(true);
  edit->SetText("hello");
  edit->SelectAll();
  Clipboard()->SetAsText("before");
  testsupport::Click(edit, 20, 5, mbRight);
  ASSERT_TRUE(ServeUntil([&] { return Menu()->Visible(); }));
  ASSERT_NE(nullptr, edit->SysPopupMenu());
  TspSkinPopupWindow* window = Window(0);
  const TPoint copy = ItemCentre(window, "Copy");
  testsupport::Click(window, copy.X, copy.Y);
  ASSERT_TRUE(ServeUntil([&] { return !Menu()->Visible(); }));
  EXPECT_EQ("hello", Clipboard()->AsText().str());
  EXPECT_EQ(nullptr, edit->SysPopupMenu());
}

TEST_F(EditMenuTest, TheKeyboardOpensTheMenuAtTheEditsCentre) {
  TspSkinEdit* edit = AddEdit(true);
  SendMessageA(edit->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->Handle()), MAKELPARAM(-1, -1));
  ASSERT_TRUE(ServeUntil([&] { return Menu()->Visible(); }));
  const TPoint origin = edit->ClientToScreen(Point(0, 0));
  EXPECT_EQ(Point(origin.X + edit->Width() / 2, origin.Y + edit->Height() / 2), edit->SysPopupMenu()->PopupPoint());
  Menu()->Hide();
}

TEST_F(EditMenuTest, AnAssignedPopupMenuOpensInstead) {
  TspSkinEdit* edit = AddEdit(true);
  edit->SetPopupMenu(popup_);
  testsupport::Click(edit, 20, 5, mbRight);
  ASSERT_TRUE(ServeUntil([&] { return Menu()->Visible(); }));
  EXPECT_EQ(nullptr, edit->SysPopupMenu());
  EXPECT_EQ("Open", Window(0)->Items(0)->MenuItem()->Caption().str());
  Menu()->Hide();
}

}  // namespace
}  // namespace edittest
