// The images menu with real windows and input: layout, keys, mouse, events, placement,
// and a push button bound to it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TestSkin.h"
#include "classlib/graphics/Graphics.h"
#include "classlib/windowing/Forms.h"
#include "skin/controls/Skinctrls_Button.h"
#include "skin/controls/Skinimagesmenu.h"
#include "skin/data/Sputils_System.h"
#include "tests/support/window_support.h"

using namespace testsupport;

namespace {

constexpr int kCell = 26;  // 16 px pictures
constexpr int kRow = kCell + 1;

HWND TspSkinHintWindowOf(TspSkinHint& hint) {
  for (int i = 0; i < hint.ComponentCount(); ++i)
    if (auto* window = dynamic_cast<TspSkinHintWindow*>(hint.Components(i))) return window->Handle();
  return nullptr;
}

TColor PictureColour(int index) { return static_cast<TColor>(RGB(20 * index, 255 - 20 * index, 100)); }

struct TEventLog : public TObject {
  std::vector<std::string> entries;
  void Add(const char* what) { entries.push_back(what); }
  void ItemClicked(TObject*) { Add("item OnClick"); }
  void MenuItemClick(TObject*) { Add("OnItemClick"); }
  void Changed(TObject*) { Add("OnChange"); }
  void ChangeHook(TObject*) { Add("change hook"); }
  void Closed(TObject*) { Add("OnMenuClose"); }
  void CloseHook(TObject*) { Add("close hook"); }
  void Message(MSG&, bool&) {}
};

class TMainForm : public TForm {
 public:
  explicit TMainForm(TComponent* owner) : TForm(owner, CreateNew) {}
};

class ImagesMenuTest : public ::testing::Test {
 protected:
  // One form serves every case (showing a form is slow under Wine).
  static void SetUpTestSuite() {
    InitializeGraphics();
    if (Application->MainForm() == nullptr) {
      TMainForm* main = nullptr;
      Application->CreateForm(main);
    }
    form = ShowTestForm(400, 300);
  }
  static void TearDownTestSuite() {
    delete form;
    form = nullptr;
  }
  void SetUp() override {
    images = new TImageList(form);
    images->SetSize(16, 16);
    for (int i = 0; i < 10; ++i) {
      TBitmap picture;
      picture.SetPixelFormat(pf24bit);
      picture.SetSize(16, 16);
      picture.Canvas()->Brush()->SetColor(PictureColour(i));
      picture.Canvas()->FillRect(Rect(0, 0, 16, 16));
      images->Add(&picture, nullptr);
    }
    menu = new TspSkinImagesMenu(form);
    menu->SetImages(images);
    menu->SetColumnsCount(4);
    for (int i = 0; i < 10; ++i) menu->ImagesItems()->Add()->SetImageIndex(i);
    menu->OnItemClick = TNotifyEvent(&log, &TEventLog::MenuItemClick);
    menu->OnChange = TNotifyEvent(&log, &TEventLog::Changed);
    menu->OnMenuClose = TNotifyEvent(&log, &TEventLog::Closed);
    menu->ChangeHook = TNotifyEvent(&log, &TEventLog::ChangeHook);
    menu->CloseHook = TNotifyEvent(&log, &TEventLog::CloseHook);
    for (int i = 0; i < 10; ++i) Item(i)->OnClick = TNotifyEvent(&log, &TEventLog::ItemClicked);
    Application->OnMessage = TMessageEvent(&log, &TEventLog::Message);
    MoveMouse(form, 390, 290);
  }
  void TearDown() override {
    delete menu;
    delete images;
    for (TControl* control : made) delete control;
    ServeApplication(20);
    Application->OnMessage = nullptr;
  }
  TspImagesMenuItem* Item(int i) const { return menu->ImagesItems()->Items(i); }
  TspSkinImagesMenuPopupWindow* Open(int x = 100, int y = 100) {
    menu->Popup(x, y);
    ServeApplication(30);
    return menu->PopupWindow();
  }
  void Key(WORD key) {
    PressKey(key);
    ServeApplication(30);
  }

  static TForm* form;
  std::vector<TControl*> made;
  TImageList* images = nullptr;
  TspSkinImagesMenu* menu = nullptr;
  TEventLog log;
};

TForm* ImagesMenuTest::form = nullptr;

TEST_F(ImagesMenuTest, PicturesFillRowsOfColumnsCountAndAHeaderStartsANewRow) {
  TspImagesMenuItem* header = menu->ImagesItems()->Add();
  header->SetHeader(true);
  header->SetCaption("More");
  TspSkinImagesMenuPopupWindow* window = Open();
  ASSERT_NE(window, nullptr);
  for (int i = 0; i < 10; ++i) {
    const TRect expected = Bounds(5 + (i % 4) * kCell, 5 + (i / 4) * kRow, kCell, kCell);
    EXPECT_EQ(window->GetItemRect(i), expected) << i;
  }
  EXPECT_EQ(window->GetItemRect(10), Bounds(5, 5 + 3 * kRow, 4 * kCell, kCell));
  EXPECT_EQ(window->Width(), 4 * kCell + 10);
  EXPECT_EQ(window->Height(), 3 * kRow + kCell + 10);
  EXPECT_FALSE(window->Skinned());
  // A header is never chosen: the point over it finds nothing.
  EXPECT_EQ(window->GetItemFromPoint(Point(20, 5 + 3 * kRow + 5)), -1);
  EXPECT_EQ(window->GetItemFromPoint(Point(5 + kCell, 5)), 0);  // edges included
  // The picture of item 5 is drawn inside its cell.
  EXPECT_EQ(ColorToRGB(PictureColour(5)), ControlPixel(window, 5 + kCell + 12, 5 + kRow + 12));
}

TEST_F(ImagesMenuTest, AnItemsHintShowsWhileTheMouseIsOverIt) {
  std::unique_ptr<TspSkinHint> hint(new TspSkinHint(Application->MainForm()));
  Application->HintPause = 10;
  menu->SetSkinHint(hint.get());
  Item(5)->SetHint("five");
  TspSkinImagesMenuPopupWindow* window = Open();
  MoveMouse(window, 5 + kCell + 12, 5 + kRow + 12);
  EXPECT_EQ(window->ActiveItem(), 5);
  ASSERT_TRUE(ServeUntil([&] { return hint->IsVisible(); }, 2000));
  EXPECT_EQ(WindowText(TspSkinHintWindowOf(*hint)), "five");
  MoveMouse(window, 5 + 12, 5 + 12);  // item 0 has no hint
  EXPECT_EQ(window->ActiveItem(), 0);
  EXPECT_FALSE(hint->IsVisible());
  menu->Hide();
  Application->HintPause = 500;
}

TEST_F(ImagesMenuTest, AssignedItemsAreCopiesWithTheirKind) {
  TspSkinImagesMenu other(nullptr);
  TspImagesMenuItem* header = other.ImagesItems()->Add();
  header->SetHeader(true);
  header->SetCaption("Colours");
  TspImagesMenuItem* button = other.ImagesItems()->Add();
  button->SetButton(true);
  button->SetImageIndex(3);
  button->SetHint("three");
  menu->SetImagesItems(other.ImagesItems());
  ASSERT_EQ(menu->ImagesItems()->Count(), 2);
  EXPECT_TRUE(Item(0)->Header());
  EXPECT_EQ(Item(0)->Caption(), AnsiString("Colours"));
  EXPECT_TRUE(Item(1)->Button());
  EXPECT_FALSE(Item(1)->Header());
  EXPECT_EQ(Item(1)->ImageIndex(), 3);
  EXPECT_EQ(Item(1)->Hint(), AnsiString("three"));
  EXPECT_NE(Item(1), button);
}

TEST_F(ImagesMenuTest, ColumnsCountTakesOnlyOneToFifty) {
  struct Case {
    int value, expected;
  };
  for (const Case& c : {Case{0, 4}, Case{51, 4}, Case{-3, 4}, Case{1, 1}, Case{50, 50}}) {
    menu->SetColumnsCount(4);
    menu->SetColumnsCount(c.value);
    EXPECT_EQ(menu->ColumnsCount(), c.expected) << c.value;
  }
}

TEST_F(ImagesMenuTest, ArrowKeysMoveThroughTheGrid) {
  // Pictures 0..9 in rows of 4, then a full-width button (10).
  menu->ImagesItems()->Add()->SetButton(true);
  struct Case {
    int from;
    WORD key;
    int to;
  };
  const Case cases[] = {
      {-1, VK_RIGHT, 0}, {-1, VK_DOWN, 0}, {-1, VK_LEFT, 10}, {-1, VK_UP, 10}, {10, VK_RIGHT, 0}, {0, VK_LEFT, 10},
      {1, VK_RIGHT, 2},  {4, VK_LEFT, 3},  {1, VK_DOWN, 5},    {5, VK_DOWN, 9}, {9, VK_DOWN, 10}, {6, VK_DOWN, 10},
      {5, VK_UP, 1},     {1, VK_UP, 1},    {10, VK_UP, 8},
  };
  for (const Case& c : cases) {
    TspSkinImagesMenuPopupWindow* window = Open();
    ASSERT_NE(window, nullptr);
    // Reach the start by keys from nothing: Right moves one item on.
    for (int i = -1; i < c.from; ++i) window->ProcessKey(VK_RIGHT);
    ASSERT_EQ(window->ActiveItem(), c.from);
    window->ProcessKey(c.key);
    EXPECT_EQ(window->ActiveItem(), c.to) << c.from << " key " << c.key;
    menu->Hide();
  }
  // Without a button row, Down from the last row and Up from the top stay put.
  menu->ImagesItems()->Delete(10);
  TspSkinImagesMenuPopupWindow* window = Open();
  for (int i = 0; i < 9; ++i) window->ProcessKey(VK_RIGHT);
  window->ProcessKey(VK_DOWN);
  EXPECT_EQ(window->ActiveItem(), 8);
}

TEST_F(ImagesMenuTest, RealKeysGoThroughTheHookAndEnterChooses) {
  TspSkinImagesMenuPopupWindow* window = Open();
  ASSERT_NE(window, nullptr);
  Key(VK_RIGHT);
  Key(VK_RIGHT);
  Key(VK_DOWN);
  EXPECT_EQ(window->ActiveItem(), 5);
  Key(VK_RETURN);
  EXPECT_EQ(menu->PopupWindow(), nullptr);
  EXPECT_EQ(menu->ItemIndex(), 5);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"close hook", "OnMenuClose", "item OnClick", "OnItemClick",
                                                   "change hook", "OnChange"}));
  EXPECT_TRUE(Application->OnMessage == TMessageEvent(&log, &TEventLog::Message));
}

TEST_F(ImagesMenuTest, ReChoosingTheSelectedItemDoesNotChangeIt) {
  menu->SetItemIndex(3);
  ASSERT_NE(Open(), nullptr);  // the mouse is outside every item
  Key(VK_RETURN);
  EXPECT_EQ(menu->ItemIndex(), 3);
  EXPECT_EQ(log.entries,
            (std::vector<std::string>{"close hook", "OnMenuClose", "item OnClick", "OnItemClick"}));
}

TEST_F(ImagesMenuTest, AClickOnAnItemChoosesIt) {
  TspSkinImagesMenuPopupWindow* window = Open();
  Click(window, 5 + 2 * kCell + 10, 5 + kRow + 10);
  ServeApplication(30);
  EXPECT_EQ(menu->PopupWindow(), nullptr);
  EXPECT_EQ(menu->ItemIndex(), 6);
  EXPECT_EQ(log.entries.back(), "OnChange");
}

TEST_F(ImagesMenuTest, AClickOutsideClosesWithoutAChoice) {
  menu->SetItemIndex(2);
  ASSERT_NE(Open(), nullptr);
  EXPECT_FALSE(Application->OnMessage == TMessageEvent(&log, &TEventLog::Message));
  Click(form, 380, 20);
  ServeApplication(30);
  EXPECT_EQ(menu->PopupWindow(), nullptr);
  EXPECT_EQ(menu->ItemIndex(), 2);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"close hook", "OnMenuClose"}));
  EXPECT_TRUE(Application->OnMessage == TMessageEvent(&log, &TEventLog::Message));
}

TEST_F(ImagesMenuTest, EscapeClosesAndNothingOpensWithoutPicturesOrItems) {
  ASSERT_NE(Open(), nullptr);
  Key(VK_ESCAPE);
  EXPECT_EQ(menu->PopupWindow(), nullptr);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"close hook", "OnMenuClose"}));

  menu->ImagesItems()->Clear();
  EXPECT_EQ(Open(), nullptr);
  menu->ImagesItems()->Add();
  images->Clear();
  EXPECT_EQ(Open(), nullptr);
}

TEST_F(ImagesMenuTest, NearTheScreenBottomThePopupOpensAboveItsRectangle) {
  const TRect work = GetMonitorWorkArea(form->Handle(), true);
  const TRect below = Bounds(100, 100, 60, 20);
  menu->PopupFromRect(below);
  RECT r{};
  GetWindowRect(menu->PopupWindow()->Handle(), &r);
  EXPECT_EQ(r.top, below.Bottom);
  menu->Hide();
  const TRect low = Bounds(work.Right - 30, work.Bottom - 25, 60, 20);
  menu->PopupFromRect(low);
  TspSkinImagesMenuPopupWindow* window = menu->PopupWindow();
  GetWindowRect(window->Handle(), &r);
  EXPECT_EQ(r.top, low.Top - window->Height());
  EXPECT_EQ(r.right, work.Right);
}

TEST_F(ImagesMenuTest, ABoundButtonShowsTheChosenItemsImage) {
  auto* button = new TspSkinButton(form);
  made.push_back(button);
  button->SetParent(form);
  button->SetBounds(20, 200, 80, 40);
  button->SetSkinImagesMenu(menu);
  button->SetUseImagesMenuImage(true);
  ServeApplication(30);
  const auto hasColour = [&](TColor colour) {
    std::unique_ptr<TBitmap> shown = CaptureWindow(button->Handle());
    for (int y = 0; y < shown->Height(); ++y)
      for (int x = 0; x < shown->Width(); ++x)
        if (GetPixel(shown->Canvas()->Handle(), x, y) == ColorToRGB(colour)) return true;
    return false;
  };
  EXPECT_FALSE(hasColour(PictureColour(7)));
  TspSkinImagesMenuPopupWindow* window = Open();
  for (int i = 0; i < 8; ++i) window->ProcessKey(VK_RIGHT);
  window->ProcessKey(VK_RETURN);
  ServeApplication(50);
  EXPECT_EQ(menu->ItemIndex(), 7);
  EXPECT_TRUE(hasColour(PictureColour(7)));
}

TEST_F(ImagesMenuTest, TheSkinsPopupLookSizesTheWindow) {
  TspSkinData skin(nullptr);
  skin.LoadFromFile(skintest::WriteTestSkin(
                        "imagesmenu-skin", {{"PICTURES/activepicturescount", "5"},
                                            {"PICTURES/3", "form.bmp"},
                                            {"PICTURES/4", "mask.bmp"},
                                            {"POPUPWINDOW/windowpictureindex", "3"},
                                            {"POPUPWINDOW/maskpictureindex", "4"},
                                            {"POPUPWINDOW/lefttoppoint", "10,10"},
                                            {"POPUPWINDOW/righttoppoint", "110,10"},
                                            {"POPUPWINDOW/leftbottompoint", "10,80"},
                                            {"POPUPWINDOW/rightbottompoint", "110,80"},
                                            {"POPUPWINDOW/itemsrect", "12,12,108,78"}})
                        .c_str());
  ASSERT_FALSE(skin.Empty);
  menu->SetSkinData(&skin);
  TspSkinImagesMenuPopupWindow* window = Open();
  ASSERT_TRUE(window->Skinned());
  EXPECT_EQ(window->GetItemRect(0), Bounds(12, 12, kCell, kCell));
  EXPECT_EQ(window->Width(), 120 + 4 * kCell - 96);
  EXPECT_EQ(window->Height(), 90 + (2 * kRow + kCell) - 66);
  EXPECT_NE(window->Region(), nullptr);
  menu->Hide();
  // After a skin change the next popup takes the new look.
  menu->SetSkinData(nullptr);
  EXPECT_FALSE(Open()->Skinned());
}

}  // namespace
