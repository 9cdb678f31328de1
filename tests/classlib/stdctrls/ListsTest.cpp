// List and combo boxes: owner drawing, items and data across a recreated window, the
// combo's subclassed parts and its drop-down events.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "../windowing/WindowingFixtures.h"
#include "classlib/stdctrls/ComboBox.h"
#include "classlib/stdctrls/ListBox.h"

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

TColor ScreenAt(TControl* control, int x, int y) {
  const TPoint p = control->ClientToScreen(Point(x, y));
  return static_cast<TColor>(testsupport::ScreenPixel(p.X, p.Y));
}

// A list box that logs the item data it stores.
class TDataListBox : public TListBox {
 public:
  using TListBox::TListBox;
  std::vector<std::pair<int, LONG_PTR>> stored;

 protected:
  void SetItemData(int index, LONG_PTR data) override {
    stored.emplace_back(index, data);
    TListBox::SetItemData(index, data);
  }
};

class TPainter : public TObject {
 public:
  std::vector<int> drawn;
  void DrawItem(TWinControl* control, int index, TRect rect, TOwnerDrawState) {
    drawn.push_back(index);
    TCanvas* canvas = static_cast<TListBox*>(control)->Canvas();
    canvas->Brush()->SetColor(index == 0 ? clRed : clBlue);
    canvas->FillRect(rect);
  }
};

class ListsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(ShowTestForm(300, 220));
    SetForegroundWindow(form->Handle());
  }
  std::unique_ptr<TForm> form;
};

TEST_F(ListsTest, OwnerDrawnItemsArePaintedThroughCnDrawItem) {
  auto* list = new TListBox(form.get());
  list->SetBounds(10, 10, 120, 100);
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(20);
  TPainter painter;
  list->OnDrawItem = TDrawItemEvent(&painter, &TPainter::DrawItem);
  list->SetParent(form.get());
  list->Items()->Add("red");
  list->Items()->Add("blue");
  ServeApplication(200);
  EXPECT_EQ(clRed, ScreenAt(list, 10, 10));
  EXPECT_EQ(clBlue, ScreenAt(list, 10, 30));
  EXPECT_EQ(Rect(0, 20, list->ClientWidth(), 40), list->ItemRect(1));
  EXPECT_EQ(1, list->ItemAtPos(Point(5, 25), true));
  EXPECT_EQ(-1, list->ItemAtPos(Point(5, 70), true));
  EXPECT_EQ(2, list->ItemAtPos(Point(5, 70), false));
  EXPECT_NE(painter.drawn.end(), std::find(painter.drawn.begin(), painter.drawn.end(), 1));
}

TEST_F(ListsTest, ARecreatedWindowGetsItsItemsAndDataBackThroughSetItemData) {
  auto* list = new TDataListBox(form.get());
  list->SetBounds(10, 10, 120, 100);
  TObject a, b;
  list->Items()->AddObject("one", &a);  // no window yet: kept by the control
  list->SetParent(form.get());
  list->Items()->AddObject("two", &b);
  list->SetItemIndex(1);
  list->stored.clear();
  list->RecreateWnd();
  ASSERT_EQ(2, list->Items()->Count());
  EXPECT_EQ(AnsiString("two"), list->Items()->Strings(1));
  EXPECT_EQ(&a, list->Items()->Objects(0));
  EXPECT_EQ(&b, list->Items()->Objects(1));
  EXPECT_EQ(1, list->ItemIndex());
  const std::vector<std::pair<int, LONG_PTR>> expected{{0, reinterpret_cast<LONG_PTR>(&a)},
                                                       {1, reinterpret_cast<LONG_PTR>(&b)}};
  EXPECT_EQ(expected, list->stored);
}

TEST_F(ListsTest, MultiSelectAndTypedLettersSearchTheItems) {
  auto* list = new TListBox(form.get());
  list->SetBounds(10, 10, 120, 100);
  list->SetParent(form.get());
  for (const char* item : {"apple", "banana", "blueberry", "cherry"}) list->Items()->Add(item);
  list->SetFocus();
  ServeApplication(60);
  Press('B');
  Press('L');
  EXPECT_EQ(2, list->ItemIndex());
  Sleep(1100);  // a pause starts a new search
  Press('C');
  EXPECT_EQ(3, list->ItemIndex());

  list->SetMultiSelect(true);
  list->SetSelected(0, true);
  list->SetSelected(3, true);
  EXPECT_EQ(2, list->SelCount());
  EXPECT_TRUE(list->Selected(3));
  EXPECT_FALSE(list->Selected(1));
  EXPECT_EQ(4, list->Items()->Count());  // the items survived the new window
}

// A combo box that logs what its parts' procedures see.
class TSpyComboBox : public TComboBox {
 public:
  using TComboBox::TComboBox;
  std::vector<char> editChars;
  std::vector<UINT> listMessages;
  int dropDowns = 0;
  int closeUps = 0;

 protected:
  void EditWndProc(TMessage& message) override {
    if (message.Msg == WM_CHAR) editChars.push_back(static_cast<char>(message.WParam));
    TComboBox::EditWndProc(message);
  }
  void ListWndProc(TMessage& message) override {
    listMessages.push_back(message.Msg);
    TComboBox::ListWndProc(message);
  }
  void DropDown() override {
    ++dropDowns;
    TComboBox::DropDown();
  }
  void CloseUp() override {
    ++closeUps;
    TComboBox::CloseUp();
  }
};

TEST_F(ListsTest, TheComboPartsProceduresSeeTheirMessagesAndEachCloseIsOneCloseUp) {
  auto* combo = new TSpyComboBox(form.get());
  combo->SetBounds(10, 10, 150, 21);
  combo->SetParent(form.get());
  for (const char* item : {"one", "two", "three"}) combo->Items()->Add(item);
  ASSERT_NE(nullptr, combo->EditHandle());
  combo->SetFocus();
  ServeApplication(60);
  Press('T');
  Press('W');
  EXPECT_EQ(std::vector<char>({'t', 'w'}), combo->editChars);
  EXPECT_EQ(AnsiString("tw"), combo->Text());

  combo->listMessages.clear();
  for (int round = 1; round <= 2; ++round) {
    Press(VK_DOWN, VK_MENU);  // opens the list
    EXPECT_TRUE(combo->DroppedDown());
    Press(VK_ESCAPE);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(round, combo->dropDowns);
    EXPECT_EQ(round, combo->closeUps);
  }
  EXPECT_NE(combo->listMessages.end(),
            std::find(combo->listMessages.begin(), combo->listMessages.end(), static_cast<UINT>(WM_WINDOWPOSCHANGED)));

  combo->RecreateWnd();
  EXPECT_EQ(3, combo->Items()->Count());
  ASSERT_NE(nullptr, combo->EditHandle());
  combo->SetFocus();
  ServeApplication(60);
  Press('X');
  EXPECT_EQ('x', combo->editChars.back());
}

}  // namespace
