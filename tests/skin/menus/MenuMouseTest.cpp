// The pointer in an open skinned menu, the messages of a chosen item, and what closes a
// menu.
#include "MenuFixture.h"
#include "TestSkin.h"

namespace menutest {
namespace {

TRect OnScreen(TspSkinPopupWindow* window, const TRect& r) {
  const TPoint origin = window->ScreenPosition();
  return Rect(r.Left + origin.X, r.Top + origin.Y, r.Right + origin.X, r.Bottom + origin.Y);
}

// Records how many popup windows were open each time an item's click ran.
struct TWindowsAtClick : public TObject {
  TspSkinMenu* menu = nullptr;
  std::vector<int> counts;
  void Clicked(TObject*) { counts.push_back(menu->WindowCount()); }
};

TEST_F(MenuTest, RestingOnASubMenuItemOpensItAfterTheWaitBesideTheItem) {
  OpenAt(100, 100);
  const TPoint more = ItemCentre(Window(0), "More");
  const DWORD start = GetTickCount();
  testsupport::MoveMouse(Window(0), more.X, more.Y);
  EXPECT_EQ(1, Menu()->WindowCount());
  ASSERT_TRUE(ServeUntil([&] { return Menu()->WindowCount() == 2; }));
  EXPECT_GE(GetTickCount() - start, 400u);
  EXPECT_EQ("Alpha", ActiveCaption());
  const TRect r = OnScreen(Window(0), FindItem(Window(0), "More")->ItemRect);
  EXPECT_EQ(r.Right + 1, Window(1)->ScreenPosition().X);
  EXPECT_EQ(r.Top - Window(1)->ItemArea().Top, Window(1)->ScreenPosition().Y);
  EXPECT_TRUE(FindItem(Window(0), "More")->Down);
}

TEST_F(MenuTest, ASubMenuFlipsLeftOfItsItemNearTheRightEdge) {
  const TRect work = Menu()->GetWorkArea();
  OpenAt(work.Right - 5, 100);  // the top level is kept inside the work area
  ASSERT_EQ(1, Menu()->WindowCount());
  EXPECT_EQ(work.Right - Window(0)->Width(), Window(0)->ScreenPosition().X);
  Key(VK_DOWN);
  Key(VK_RIGHT);
  ASSERT_EQ(2, Menu()->WindowCount());
  const TRect r = OnScreen(Window(0), FindItem(Window(0), "More")->ItemRect);
  EXPECT_EQ(r.Left - Window(1)->Width() - 1, Window(1)->ScreenPosition().X);
}

TEST_F(MenuTest, MovingToASiblingClosesTheDeeperLevels) {
  struct Case {
    int window;
    const char* sibling;
    int windowsLeft;
  } cases[] = {{1, "Beta", 2}, {0, "Last", 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sibling);
    testsupport::MoveMouse(form_.get(), 390, 290);  // away from where the windows open
    OpenAt(100, 100);
    for (WORD key : {WORD(VK_DOWN), WORD(VK_RIGHT), WORD(VK_DOWN), WORD(VK_RIGHT)}) Key(key);
    ASSERT_EQ(3, Menu()->WindowCount());
    const TPoint p = ItemCentre(Window(c.window), c.sibling);
    testsupport::MoveMouse(Window(c.window), p.X, p.Y);
    EXPECT_TRUE(ServeUntil([&] { return Menu()->WindowCount() == c.windowsLeft; }));
    EXPECT_EQ(c.sibling, ActiveCaption());
    Menu()->Hide();
  }
}

TEST_F(MenuTest, ASubMenuItemsClickRunsBeforeItsSubMenuOpensEachTime) {
  TWindowsAtClick atClick;
  atClick.menu = Menu();
  more_->OnClick = TNotifyEvent(&atClick, &TWindowsAtClick::Clicked);
  OpenAt(100, 100);
  for (int round = 0; round < 2; ++round) {
    const TPoint p = ItemCentre(Window(0), "More");
    testsupport::Click(Window(0), p.X, p.Y);
    ASSERT_TRUE(ServeUntil([&] { return Menu()->WindowCount() == 2; }));
    Key(VK_LEFT);
    ASSERT_EQ(1, Menu()->WindowCount());
  }
  EXPECT_EQ((std::vector<int>{1, 1}), atClick.counts);
}

TEST_F(MenuTest, ADisabledItemOrALineUnderThePointerIsNeitherLitNorRun) {
  OpenAt(100, 100);
  for (const char* caption : {"Disabled", "-"}) {
    SCOPED_TRACE(caption);
    const TPoint p = ItemCentre(Window(0), caption);
    testsupport::Click(Window(0), p.X, p.Y);
    testsupport::ServeApplication(120);
    EXPECT_FALSE(FindItem(Window(0), caption)->Active);
    EXPECT_EQ(1, Menu()->WindowCount());
  }
  EXPECT_TRUE(log_.entries.empty());
}

class SkinnedMenuTest : public MenuTest {
 protected:
  void SetUp() override {
    MenuTest::SetUp();
    LoadMenuSkin(&skin_, "skin-menu-messages");
    host_->SetSkinData(&skin_);
  }
  TspSkinData skin_{nullptr};
};

TEST_F(SkinnedMenuTest, AChosenLeafTellsTheOpenerAndTheFormInOrder) {
  testsupport::TMessageSpy opener(edit_, "opener", {WM_CLOSESKINMENU, WM_AFTERDISPATCH}, &log_.entries);
  testsupport::TMessageSpy form(form_.get(), "form", {WM_CLOSESKINMENU}, &log_.entries);
  popup_->Popup2(edit_, 100, 100);
  testsupport::ServeApplication(30);
  ASSERT_EQ(1, Menu()->WindowCount());
  EXPECT_TRUE(host_->InMenuMode());
  const TPoint p = ItemCentre(Window(0), "Open");
  testsupport::Click(Window(0), p.X, p.Y);
  ASSERT_TRUE(ServeUntil([&] { return !log_.entries.empty() && log_.entries.back() == "opener:1229"; }));
  EXPECT_EQ((std::vector<std::string>{"opener:1228", "menu closed", "form:1228", "click:Open", "opener:1229"}),
            log_.entries);
  EXPECT_FALSE(host_->InMenuMode());
  EXPECT_EQ(1, log_.menuCloses);
  EXPECT_EQ(0, Menu()->WindowCount());
}

TEST_F(SkinnedMenuTest, ASecondPopupClosesTheOpenOneWithItsMessageAndHandler) {
  auto* second = new TEdit(form_.get());
  second->SetBounds(10, 50, 120, 24);
  second->SetParent(form_.get());
  std::vector<std::string> messages;
  testsupport::TMessageSpy first(edit_, "first", {WM_CLOSESKINMENU}, &messages);
  testsupport::TMessageSpy other(second, "second", {WM_CLOSESKINMENU}, &messages);
  Menu()->AlphaBlend = true;
  Menu()->AlphaBlendAnimation = true;
  popup_->Popup2(edit_, 100, 100);
  testsupport::ServeApplication(30);
  popup_->Popup2(second, 150, 150);
  testsupport::ServeApplication(30);
  EXPECT_EQ((std::vector<std::string>{"first:1228"}), messages);
  EXPECT_EQ(1, log_.menuCloses);
  ASSERT_EQ(1, Menu()->WindowCount());
  EXPECT_TRUE(host_->InMenuMode());
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(Window(0)->Handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(Menu()->AlphaBlendValue, alpha);
  Key(VK_ESCAPE);
  EXPECT_EQ((std::vector<std::string>{"first:1228", "second:1228"}), messages);
  EXPECT_EQ(2, log_.menuCloses);
}

TEST_F(MenuTest, APressOnTheFormOrMovingItClosesTheMenu) {
  const std::pair<const char*, std::function<void()>> closers[] = {
      {"press", [&] { testsupport::Click(form_.get(), 300, 200); }},
      {"move", [&] { form_->SetLeft(form_->Left() + 10); }}};
  int closes = 0;
  for (const auto& [name, close] : closers) {
    SCOPED_TRACE(name);
    OpenAt(100, 100);
    ASSERT_TRUE(host_->InMenuMode());
    close();
    testsupport::ServeApplication(30);
    EXPECT_EQ(0, Menu()->WindowCount());
    EXPECT_FALSE(host_->InMenuMode());
    EXPECT_EQ(++closes, log_.menuCloses);
  }
  EXPECT_EQ((std::vector<std::string>{"menu closed", "menu closed"}), log_.entries);
}

}  // namespace
}  // namespace menutest
