// Shortcuts of actions, popup menus on a right click, scrolling and the wheel, with real
// keys and pointer.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "../windowing/WindowingFixtures.h"
#include "classlib/stdctrls/Edit.h"
#include "classlib/windowing/Action.h"
#include "classlib/windowing/Menus.h"

namespace {

void Key(BYTE vk, bool down) {
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)), down ? 0 : KEYEVENTF_KEYUP, 0);
}

void Press(BYTE vk, BYTE modifier = 0) {
  if (modifier != 0) Key(modifier, true);
  Key(vk, true);
  Key(vk, false);
  if (modifier != 0) Key(modifier, false);
  ServeApplication(60);
}

class TLog : public TObject {
 public:
  std::vector<std::string> entries;
  bool refuse = false;
  void Executed(TObject*) { entries.push_back("execute"); }
  void First(TObject*) { entries.push_back("first"); }
  void Second(TObject*) { entries.push_back("second"); }
  void Third(TObject*) { entries.push_back("third"); }
  // The menu's own loop reads these keys: the second item is picked.
  void PickSecond(TObject*) {
    entries.push_back("popup");
    for (BYTE vk : {VK_DOWN, VK_DOWN, VK_RETURN}) {
      Key(vk, true);
      Key(vk, false);
    }
  }
  void ContextPopup(TObject*, TPoint, bool& handled) {
    entries.push_back("context");
    handled = refuse;
  }
  void WheelDown(TObject*, TShiftState, TPoint, bool& handled) {
    entries.push_back("wheel down");
    handled = true;
  }
  void WheelUp(TObject*, TShiftState, TPoint, bool& handled) {
    entries.push_back("wheel up");
    handled = true;
  }
};

class CommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(ShowTestForm(300, 200));
    panel = new TColorPanel(form.get());
    panel->SetBounds(10, 10, 120, 80);
    panel->SetColor(clWhite);
    panel->SetTabStop(true);
    panel->SetParent(form.get());
    edit = new TEdit(form.get());
    edit->SetBounds(150, 10, 120, 21);
    edit->SetParent(form.get());
    SetForegroundWindow(form->Handle());
    ServeApplication(60);
  }
  TPoint OnPanel(int x, int y) const { return panel->ClientToScreen(Point(x, y)); }

  std::unique_ptr<TForm> form;
  TColorPanel* panel = nullptr;
  TEdit* edit = nullptr;
  TLog log;
};

TEST_F(CommandsTest, CtrlBRunsTheActionOnceFromAnyControlAndNeverWhileDisabled) {
  auto* list = new TActionList(form.get());
  auto* action = new TAction(form.get());
  action->SetActionList(list);
  action->SetShortCut(TextToShortCut("Ctrl+B"));
  action->OnExecute = TNotifyEvent(&log, &TLog::Executed);
  panel->SetFocus();
  ServeApplication(60);
  Press('B', VK_CONTROL);
  EXPECT_EQ(1u, log.entries.size());
  edit->SetFocus();
  ServeApplication(60);
  Press('B', VK_CONTROL);
  EXPECT_EQ(2u, log.entries.size());
  EXPECT_EQ(AnsiString(""), edit->Text());  // the key went to the action, not the edit
  action->SetEnabled(false);
  Press('B', VK_CONTROL);
  EXPECT_EQ(2u, log.entries.size());
  Press('B');
  EXPECT_EQ(AnsiString("b"), edit->Text());
}

TEST_F(CommandsTest, AMainMenuItemAnswersItsShortcut) {
  auto* menu = new TMainMenu(form.get());
  auto* item = new TMenuItem(form.get());
  item->SetParentComponent(menu);
  item->SetShortCut(TextToShortCut("F2"));
  item->OnClick = TNotifyEvent(&log, &TLog::First);
  panel->SetFocus();
  Press(VK_F2);
  EXPECT_EQ(std::vector<std::string>({"first"}), log.entries);
}

class PopupTest : public CommandsTest {
 protected:
  void SetUp() override {
    CommandsTest::SetUp();
    popup = new TPopupMenu(form.get());
    const TNotifyEvent handlers[] = {TNotifyEvent(&log, &TLog::First), TNotifyEvent(&log, &TLog::Second),
                                     TNotifyEvent(&log, &TLog::Third)};
    int n = 0;
    for (const TNotifyEvent& handler : handlers) {
      auto* item = new TMenuItem(form.get());
      item->SetCaption(AnsiString("Item ") + AnsiString(static_cast<char>('1' + n++)));
      item->OnClick = handler;
      item->SetParentComponent(popup);
    }
    popup->OnPopup = TNotifyEvent(&log, &TLog::PickSecond);
    panel->SetPopupMenu(popup);
    panel->OnContextPopup = TContextPopupEvent(&log, &TLog::ContextPopup);
  }
  void RightClick(const TPoint& at) {
    SetCursorPos(at.X, at.Y);
    ServeApplication(60);
    mouse_event(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0);
    ServeApplication(60);
    mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
    ServeApplication(300);
  }
  TPopupMenu* popup = nullptr;
};

TEST_F(PopupTest, ARightClickOpensThePopupMenuAtThePointerAndKeysPickTheSecondItem) {
  const TPoint at = OnPanel(40, 30);
  RightClick(at);
  EXPECT_EQ(std::vector<std::string>({"context", "popup", "second"}), log.entries);
  EXPECT_EQ(at, popup->PopupPoint());
  EXPECT_EQ(panel, popup->PopupComponent());
}

TEST_F(PopupTest, ARefusingContextPopupOpensNothing) {
  log.refuse = true;
  RightClick(OnPanel(40, 30));
  EXPECT_EQ(std::vector<std::string>({"context"}), log.entries);
}

TEST_F(PopupTest, AWindowlessChildWithoutMenuUsesItsParentsMenu) {
  auto* shape = new TColorShape(form.get());
  shape->SetBounds(60, 40, 40, 30);
  shape->SetParent(panel);
  RightClick(OnPanel(70, 50));
  EXPECT_EQ(std::vector<std::string>({"popup", "second"}), log.entries);
  EXPECT_EQ(shape, popup->PopupComponent());
}

TEST_F(CommandsTest, ScrollByMovesEveryChildAndAWheelNotchReachesOnMouseWheelDown) {
  auto* shape = new TColorShape(form.get());
  shape->SetBounds(10, 40, 20, 20);
  shape->SetParent(panel);
  auto* inner = new TColorPanel(form.get());
  inner->SetBounds(50, 30, 30, 30);
  inner->SetParent(panel);
  panel->ScrollBy(0, -20);
  EXPECT_EQ(Bounds(10, 20, 20, 20), shape->BoundsRect());
  EXPECT_EQ(Bounds(50, 10, 30, 30), inner->BoundsRect());
  RECT r;
  GetWindowRect(inner->Handle(), &r);
  EXPECT_EQ(OnPanel(50, 10), Point(r.left, r.top));

  panel->OnMouseWheelDown = TMouseWheelUpDownEvent(&log, &TLog::WheelDown);
  panel->OnMouseWheelUp = TMouseWheelUpDownEvent(&log, &TLog::WheelUp);
  panel->SetFocus();
  const TPoint at = OnPanel(5, 5);
  SetCursorPos(at.X, at.Y);
  ServeApplication(60);
  mouse_event(MOUSEEVENTF_WHEEL, 0, 0, static_cast<DWORD>(-WHEEL_DELTA), 0);
  ServeApplication(100);
  mouse_event(MOUSEEVENTF_WHEEL, 0, 0, WHEEL_DELTA, 0);
  ServeApplication(100);
  EXPECT_EQ(std::vector<std::string>({"wheel down", "wheel up"}), log.entries);
}

}  // namespace
