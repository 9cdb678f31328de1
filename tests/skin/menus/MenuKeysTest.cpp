// The keyboard in an open skinned menu: selection, sub-menus, closing, and keys kept
// from the focused control.
#include "MenuFixture.h"

namespace menutest {
namespace {

struct KeyWalk {
  const char* name;
  std::vector<WORD> keys;
  const char* active;
};

class MenuKeys : public MenuTest, public testing::WithParamInterface<KeyWalk> {};

TEST_P(MenuKeys, DownAndUpSkipSeparatorsAndDisabledItemsAndWrap) {
  OpenAt(100, 100);
  ASSERT_EQ(1, Menu()->WindowCount());
  EXPECT_EQ("Open", ActiveCaption());
  for (WORD key : GetParam().keys) Key(key);
  EXPECT_EQ(GetParam().active, ActiveCaption());
  EXPECT_EQ(1, Menu()->WindowCount());
}

INSTANTIATE_TEST_SUITE_P(Walks, MenuKeys,
                         testing::Values(KeyWalk{"FirstEnabledOnOpen", {}, "Open"},
                                         KeyWalk{"DownSkipsLineAndDisabled", {VK_DOWN}, "More"},
                                         KeyWalk{"DownToLast", {VK_DOWN, VK_DOWN}, "Last"},
                                         KeyWalk{"DownWrapsToFirst", {VK_DOWN, VK_DOWN, VK_DOWN}, "Open"},
                                         KeyWalk{"UpWrapsToLast", {VK_UP}, "Last"},
                                         KeyWalk{"UpSkipsBack", {VK_UP, VK_UP, VK_UP}, "Open"}),
                         [](const testing::TestParamInfo<KeyWalk>& info) { return info.param.name; });

TEST_F(MenuTest, RightAndEnterOpenSubMenusAndEscapeClosesOneLevelAtATime) {
  OpenAt(100, 100);
  Key(VK_DOWN);
  Key(VK_RIGHT);
  ASSERT_EQ(2, Menu()->WindowCount());
  EXPECT_EQ("Alpha", ActiveCaption());
  EXPECT_TRUE(FindItem(Window(0), "More")->Down);
  Key(VK_DOWN);
  Key(VK_RETURN);
  ASSERT_EQ(3, Menu()->WindowCount());
  EXPECT_EQ("Inner1", ActiveCaption());
  EXPECT_EQ((std::vector<std::string>{"click:More", "click:Deeper"}), log_.entries);

  Key(VK_ESCAPE);
  EXPECT_EQ(2, Menu()->WindowCount());
  EXPECT_FALSE(FindItem(Window(1), "Deeper")->Down);
  Key(VK_LEFT);
  EXPECT_EQ(1, Menu()->WindowCount());
  EXPECT_FALSE(FindItem(Window(0), "More")->Down);
  Key(VK_LEFT);  // nothing left to close on the top level
  EXPECT_EQ(1, Menu()->WindowCount());
  EXPECT_TRUE(host_->InMenuMode());

  Key(VK_ESCAPE);
  EXPECT_EQ(0, Menu()->WindowCount());
  EXPECT_FALSE(Menu()->Visible());
  EXPECT_FALSE(host_->InMenuMode());
  EXPECT_EQ(1, log_.menuCloses);
}

TEST_F(MenuTest, EnterOnALeafRunsItAndClosesTheMenu) {
  OpenAt(100, 100);
  Key(VK_UP);
  Key(VK_RETURN);
  // The menu closes (its close handler runs) before the command.
  EXPECT_EQ((std::vector<std::string>{"menu closed", "click:Last"}), log_.entries);
  EXPECT_EQ(0, Menu()->WindowCount());
  EXPECT_FALSE(host_->InMenuMode());
}

TEST_F(MenuTest, KeysNeverReachTheFocusedControlWhileTheMenuIsOpen) {
  std::vector<std::string> keys;
  testsupport::TMessageSpy spy(edit_, "edit", {WM_KEYDOWN, WM_CHAR}, &keys);
  OpenAt(100, 100);
  for (WORD key : {WORD(VK_DOWN), WORD('X'), WORD(VK_RIGHT), WORD(VK_LEFT)}) Key(key);
  EXPECT_TRUE(keys.empty());
  EXPECT_EQ(1, Menu()->WindowCount());
  Key(VK_ESCAPE);
  EXPECT_TRUE(keys.empty());
  Key('Y');  // the menu is closed: keys reach the edit again
  EXPECT_FALSE(keys.empty());
}

TEST_F(MenuTest, WithEveryItemDisabledNothingIsSelectedAndEnterDoesNothing) {
  for (int i = 0; i < popup_->Items()->Count(); ++i) popup_->Items()->Items(i)->SetEnabled(false);
  OpenAt(100, 100);
  ASSERT_EQ(1, Menu()->WindowCount());
  EXPECT_EQ(-1, Window(0)->ActiveIndex());
  Key(VK_RETURN);
  Key(VK_DOWN);
  Key(VK_RETURN);
  EXPECT_TRUE(log_.entries.empty());
  EXPECT_EQ(1, Menu()->WindowCount());
}

TEST_F(MenuTest, AnAcceleratorRunsItsItem) {
  popup_->Items()->Items(4)->SetCaption("&Last");
  OpenAt(100, 100);
  Key('L');
  EXPECT_EQ((std::vector<std::string>{"menu closed", "click:&Last"}), log_.entries);
  EXPECT_EQ(0, Menu()->WindowCount());
}

}  // namespace
}  // namespace menutest
