// The form component's menus on real skinned dialogs: the system menu built for the
// window state and BorderIcons, opened by Alt+Space, the system-menu button and a right
// click on the caption; the open-menu bookkeeping with its events and the application
// hook; the messages that close an open menu; popup menus of the form; the user's
// SystemMenu; the tray menu and the menu settings.
#include <gtest/gtest.h>

#include "../form/FormObjectFixtures.h"
#include "../menus/MenuFixture.h"
#include "classlib/stdctrls/Edit.h"
#include "classlib/windowing/Application.h"
#include "classlib/runtime/Strings.h"
#include "classlib/windowing/ShortCut.h"
#include "skin/data/Skindata_Strings.h"

using namespace formskin;
using namespace formobjects;

namespace {

constexpr int kLeft = 100;
constexpr int kTop = 100;
const TRect kSysFace{20, 10, 30, 20};    // a face of active picture 1
const TRect kMenuButton{30, 8, 46, 20};  // a push button in the top band

std::vector<TObjectEntry> DialogObjects() {
  return {CaptionButton("SysBtn", "cmsysmenu", kSysFace), CaptionButton("CloseBtn", "cmclose", kCloseFace),
          CaptionButton("MaxBtn", "cmmaximize", kMaxFace), CaptionButton("MinBtn", "cmminimize", kMinFace),
          Button("MenuBtn", kMenuButton)};
}

// The form skin with caption buttons and a usable popup-menu look.
std::map<std::string, std::string> DialogValues() {
  std::map<std::string, std::string> values = menutest::MenuLookValues();
  values["FORMINFO/buttonsrect"] = "150,5,190,15";
  values["FORMINFO/buttonsoffset"] = "2";
  values["FORMINFO/captionrect"] = "10,5,148,15";
  return values;
}

// "caption" or "caption shortcut" for each item, joined by "|".
std::string ItemsText(const std::vector<TMenuItem*>& items) {
  std::string text;
  for (TMenuItem* item : items) {
    if (!text.empty()) text += "|";
    text += item->Caption().c_str();
    if (item->ShortCut() != 0) text += " " + std::string(ShortCutToText(item->ShortCut()).c_str());
  }
  return text;
}

std::string ItemsText(TMenuItem* root) {
  std::vector<TMenuItem*> items;
  for (int i = 0; i < root->Count(); ++i) items.push_back(root->Items(i));
  return ItemsText(items);
}

// The items of the menu's first window, or "closed".
std::string OpenMenuText(TspFormSkinner* skinner) {
  TspSkinMenu* menu = skinner->SkinMenu();
  if (!menu->Visible() || menu->WindowCount() == 0) return "closed";
  TspSkinPopupWindow* window = menu->Windows(0);
  std::vector<TMenuItem*> items;
  for (int i = 0; i < window->ItemCount(); ++i) items.push_back(window->Items(i)->MenuItem());
  return ItemsText(items);
}

std::string ActiveCaption(TspFormSkinner* skinner) {
  TspSkinPopupWindow* window = skinner->SkinMenu()->LastWindow();
  if (window == nullptr || window->ActiveIndex() < 0) return "";
  return window->Items(window->ActiveIndex())->MenuItem()->Caption().c_str();
}

// The menu and main-menu events, item clicks and OnPopup, in order.
class TMenuLog : public TObject {
 public:
  void Watch(TspFormSkinner* skinner) {
    skinner->OnSkinMenuOpen = TNotifyEvent(this, &TMenuLog::Open);
    skinner->OnSkinMenuClose = TNotifyEvent(this, &TMenuLog::Close);
    skinner->OnMainMenuEnter = TNotifyEvent(this, &TMenuLog::Enter);
    skinner->OnMainMenuExit = TNotifyEvent(this, &TMenuLog::Exit);
  }
  void Open(TObject*) { lines.push_back("open"); }
  void Close(TObject*) { lines.push_back("close"); }
  void Enter(TObject*) { lines.push_back("enter"); }
  void Exit(TObject*) { lines.push_back("exit"); }
  void Popup(TObject* sender) { lines.push_back(std::string("popup ") + sender->ClassName().c_str()); }
  void Clicked(TObject* sender) {
    lines.push_back(std::string("click ") + static_cast<TMenuItem*>(sender)->Caption().c_str());
  }
  void StopShortCut(MSG&, bool& handled) { handled = true; }
  std::vector<std::string> lines;
};

// The application's own message handler, which the menus must give back.
class TAppHandler : public TObject {
 public:
  void Message(MSG&, bool&) {}
};

class FormMenus : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(1200, 1000);
    saved_ = Application->OnMessage;
    Application->OnMessage = Installed();
  }
  void TearDown() override {
    SetCursorPos(1200, 1000);
    form_.reset();
    testsupport::ServeApplication(20);
    Application->OnMessage = saved_;
  }
  static void TearDownTestSuite() { SharedSkins().clear(); }

  TMessageEvent Installed() { return TMessageEvent(&appHandler_, &TAppHandler::Message); }

  // A shown, active dialog skinned in non-client mode with a focused edit.
  TspFormSkinner* ShowDialog(const TspBorderIcons* icons = nullptr) {
    form_ = MakeForm(kLeft, kTop, 400, 300);
    edit_ = new TEdit(form_.get());
    edit_->SetBounds(10, 10, 120, 24);
    edit_->SetParent(form_.get());
    skinner_ = new TspFormSkinner(form_.get());
    if (icons != nullptr) skinner_->BorderIcons = *icons;
    skinner_->SetSkinData(SharedSkinData("formmenus", DialogObjects(), DialogValues()));
    log_.Watch(skinner_);
    form_->Show();
    SetForegroundWindow(form_->Handle());
    testsupport::PumpMessages(150);
    edit_->SetFocus();
    testsupport::ServeApplication(20);
    return skinner_;
  }

  TRect ScreenRectOf(const char* idName) const {
    const TRect r = skinner_->ObjectList[static_cast<size_t>(skinner_->GetIndex(idName))]->ObjectRect;
    return Rect(r.Left + form_->Left(), r.Top + form_->Top(), r.Right + form_->Left(), r.Bottom + form_->Top());
  }

  void AltSpace() {
    testsupport::HoldKey(VK_MENU);
    testsupport::PressKey(VK_SPACE);
    testsupport::ReleaseKey(VK_MENU);
    testsupport::ServeApplication(40);
  }

  // Moves the open menu's selection down to `caption`.
  void SelectDown(const std::string& caption) {
    for (int i = 0; i < 8 && ActiveCaption(skinner_) != caption; ++i) {
      testsupport::PressKey(VK_DOWN);
      testsupport::ServeApplication(20);
    }
    ASSERT_EQ(ActiveCaption(skinner_), caption);
  }

  std::unique_ptr<TForm> form_;
  TEdit* edit_ = nullptr;
  TspFormSkinner* skinner_ = nullptr;
  TMenuLog log_;
  TAppHandler appHandler_;
  TMessageEvent saved_;
};

struct TSystemMenuCase {
  const char* name;
  TspWindowState state;
  bool rolledUp;
  TspBorderIcons icons;
  const char* items;
};

TEST_F(FormMenus, TheSystemMenuFollowsTheWindowStateAndBorderIcons) {
  using enum TspBorderIcon;
  const TspBorderIcons defaults{biSystemMenu, biMinimize, biMaximize, biRollUp};
  const TSystemMenuCase cases[] = {
      {"normal", spwsNormal, false, defaults, "Mi&nimize|Ma&ximize|Ro&llUp|-|&Close Alt+F4"},
      {"maximised", spwsMaximized, false, defaults, "Mi&nimize|&Restore|Ro&llUp|-|&Close Alt+F4"},
      {"minimised", spwsMinimized, false, defaults, "Ma&ximize|&Restore|-|&Close Alt+F4"},
      {"rolled up", spwsNormal, true, defaults, "Mi&nimize|Ma&ximize|&Restore|-|&Close Alt+F4"},
      {"no icons", spwsNormal, false, {}, "&Close Alt+F4"},
      {"to tray", spwsNormal, false, {biMinimizeToTray}, "Minimize to &Tray|-|&Close Alt+F4"},
  };
  form_ = MakeForm(kLeft, kTop, 400, 300);
  auto* skinner = new TspFormSkinner(form_.get());
  for (const TSystemMenuCase& c : cases) {
    skinner->WindowState = c.state;
    skinner->RollUpState = c.rolledUp;
    skinner->BorderIcons = c.icons;
    EXPECT_EQ(ItemsText(skinner->GetSystemMenu()), c.items) << c.name;
  }
  skinner->WindowState = spwsNormal;
  skinner->RollUpState = false;
}

TEST_F(FormMenus, AltSpaceOpensTheSystemMenuBesideItsButtonAndCloseClosesTheForm) {
  TspFormSkinner* skinner = ShowDialog();
  AltSpace();
  EXPECT_EQ(OpenMenuText(skinner), "Mi&nimize|Ma&ximize|Ro&llUp|-|&Close Alt+F4");
  const TRect button = ScreenRectOf("SysBtn");
  ASSERT_GT(skinner->SkinMenu()->WindowCount(), 0);
  EXPECT_EQ(skinner->SkinMenu()->Windows(0)->ScreenPosition(), Point(button.Left, button.Bottom));
  EXPECT_EQ(log_.lines, std::vector<std::string>{"open"});
  SelectDown("&Close");
  testsupport::PressKey(VK_RETURN);
  testsupport::ServeApplication(40);
  EXPECT_FALSE(IsWindowVisible(form_->Handle()));
  EXPECT_EQ(OpenMenuText(skinner), "closed");
  EXPECT_EQ(log_.lines, (std::vector<std::string>{"open", "close"}));
  EXPECT_TRUE(Application->OnMessage == Installed());
}

TEST_F(FormMenus, AnOnShortCutHandlerThatTakesTheKeyStopsAltSpace) {
  TspFormSkinner* skinner = ShowDialog();
  skinner->OnShortCut = TShortCutEvent(&log_, &TMenuLog::StopShortCut);
  AltSpace();
  EXPECT_EQ(OpenMenuText(skinner), "closed");
  EXPECT_TRUE(log_.lines.empty());
}

TEST_F(FormMenus, ThePressedSystemMenuButtonDropsTheMenuAndStaysDownUntilAClientClickClosesIt) {
  TspFormSkinner* skinner = ShowDialog();
  const TRect button = ScreenRectOf("SysBtn");
  CursorTo(button.Left + 3, button.Top + 3);
  LeftButton(true);
  LeftButton(false);
  EXPECT_EQ(OpenMenuText(skinner), "Mi&nimize|Ma&ximize|Ro&llUp|-|&Close Alt+F4");
  EXPECT_EQ(skinner->SkinMenu()->Windows(0)->ScreenPosition(), Point(button.Left, button.Bottom));
  EXPECT_TRUE(skinner->ButtonGetDown("SysBtn"));
  EXPECT_TRUE(skinner->AppHooked);
  testsupport::Click(form_.get(), 300, 200);
  EXPECT_EQ(OpenMenuText(skinner), "closed");
  EXPECT_FALSE(skinner->ButtonGetDown("SysBtn"));
  EXPECT_EQ(log_.lines, (std::vector<std::string>{"open", "close"}));
  EXPECT_FALSE(skinner->AppHooked);
  EXPECT_TRUE(Application->OnMessage == Installed());
  EXPECT_TRUE(IsWindowVisible(form_->Handle()));
}

TEST_F(FormMenus, ADoubleClickOnTheSystemMenuButtonClosesTheForm) {
  TspFormSkinner* skinner = ShowDialog();
  const TRect button = ScreenRectOf("SysBtn");
  CursorTo(button.Left + 3, button.Top + 3);
  for (int i = 0; i < 2; ++i) {
    LeftButton(true);
    LeftButton(false);
  }
  testsupport::ServeApplication(40);
  EXPECT_FALSE(IsWindowVisible(form_->Handle()));
  EXPECT_EQ(OpenMenuText(skinner), "closed");
  EXPECT_FALSE(skinner->AppHooked);
}

TEST_F(FormMenus, ARightPressOnTheCaptionOpensTheSystemMenuAtTheCursor) {
  TspFormSkinner* skinner = ShowDialog();
  const POINT p = WindowPoint(form_.get(), 90, 10);
  // The platform's handling of the press waits for the release in a loop of its own.
  PostMessageA(form_->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(90, 10));
  SendMessageA(form_->Handle(), WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(p.x, p.y));
  testsupport::ServeApplication(20);
  EXPECT_EQ(OpenMenuText(skinner), "Mi&nimize|Ma&ximize|Ro&llUp|-|&Close Alt+F4");
  EXPECT_EQ(skinner->SkinMenu()->Windows(0)->ScreenPosition(), Point(p.x, p.y));
}

TEST_F(FormMenus, TwoOpensWithoutACloseFireOneOpen) {
  TspFormSkinner* skinner = ShowDialog();
  skinner->PopupSystemMenu();
  skinner->PopupSkinMenu(skinner->BuiltInSysMenu, Point(300, 300));
  EXPECT_EQ(log_.lines, std::vector<std::string>{"open"});
  skinner->SkinMenu()->Hide();
  EXPECT_EQ(log_.lines, (std::vector<std::string>{"open", "close"}));
}

TEST_F(FormMenus, WhileAMenuIsOpenKeysGoToItAndWheelTurnsAreDropped) {
  TspFormSkinner* skinner = ShowDialog();
  std::vector<std::string> editMessages;
  testsupport::TMessageSpy spy(edit_, "edit", {WM_KEYDOWN, WM_CHAR, WM_MOUSEWHEEL}, &editMessages);
  skinner->PopupSystemMenu();
  const std::string before = ActiveCaption(skinner);
  testsupport::PressKey(VK_DOWN);
  testsupport::ServeApplication(20);
  EXPECT_NE(ActiveCaption(skinner), before);
  testsupport::TypeText("a");
  PostMessageA(edit_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  testsupport::ServeApplication(40);
  EXPECT_TRUE(editMessages.empty());
  skinner->SkinMenu()->Hide();
  testsupport::TypeText("a");
  EXPECT_EQ(editMessages, (std::vector<std::string>{"edit:256", "edit:258"}));
}

struct TMessageCase {
  const char* name;
  UINT message;
  WPARAM wParam;
  bool closes;
};

TEST_F(FormMenus, ClosingMessagesOfTheFormCloseTheMenuOthersLeaveItOpen) {
  const TMessageCase cases[] = {
      {"paint", WM_PAINT, 0, false},
      {"mouse move", WM_MOUSEMOVE, 0, false},
      {"frame activation", WM_NCACTIVATE, 1, true},
      {"frame deactivation", WM_NCACTIVATE, 0, true},
      {"client press", WM_LBUTTONDOWN, MK_LBUTTON, true},
      {"cancel mode", WM_CANCELMODE, 0, true},
  };
  TspFormSkinner* skinner = ShowDialog();
  for (const TMessageCase& c : cases) {
    skinner->PopupSystemMenu();
    ASSERT_NE(OpenMenuText(skinner), "closed") << c.name;
    SendMessageA(form_->Handle(), c.message, c.wParam, MAKELPARAM(300, 200));
    EXPECT_EQ(OpenMenuText(skinner) == "closed", c.closes) << c.name;
    EXPECT_EQ(skinner->SkinMenuOpened, !c.closes) << c.name;
    skinner->SkinMenu()->Hide();
  }
}

TEST_F(FormMenus, APopupMenuShownUpwardsBesideAButtonRunsTheItemChosenByKeysOnce) {
  TspFormSkinner* skinner = ShowDialog();
  auto* popup = new TspSkinPopupMenu(form_.get());
  for (const char* caption : {"One", "Two", "Three"}) {
    auto* item = new TMenuItem(popup);
    item->SetCaption(caption);
    item->OnClick = TNotifyEvent(&log_, &TMenuLog::Clicked);
    popup->Items()->Add(item);
  }
  const TRect button = ScreenRectOf("MenuBtn");
  skinner->PopupSkinMenu1(popup, button, true);
  TspSkinPopupWindow* window = skinner->SkinMenu()->Windows(0);
  EXPECT_EQ(window->ScreenPosition().Y + window->Height(), button.Top);
  EXPECT_EQ(window->ScreenPosition().X, button.Left);
  SelectDown("Two");
  testsupport::PressKey(VK_RETURN);
  testsupport::ServeApplication(40);
  EXPECT_EQ(log_.lines, (std::vector<std::string>{"open", "close", "click Two"}));
  EXPECT_FALSE(skinner->AppHooked);
}

TEST_F(FormMenus, DoPopupMenuOverAnOpenMenuFiresPopupCloseAndOpenInOrder) {
  TspFormSkinner* skinner = ShowDialog();
  skinner->PopupSystemMenu();
  TPopupMenu menu(form_.get());
  auto* item = new TMenuItem(&menu);
  item->SetCaption("Only");
  menu.Items()->Add(item);
  menu.OnPopup = TNotifyEvent(&log_, &TMenuLog::Popup);
  log_.lines.clear();
  skinner->DoPopupMenu(&menu, 300, 300);
  EXPECT_EQ(log_.lines, (std::vector<std::string>{"popup TspFormSkinner", "close", "open"}));
  EXPECT_EQ(OpenMenuText(skinner), "Only");
  skinner->SkinMenu()->Hide();
}

TEST_F(FormMenus, TheUsersSystemMenuTakesTheStandardItemsOnceEachAndGivesThemBack) {
  form_ = MakeForm(kLeft, kTop, 400, 300);
  auto* skinner = new TspFormSkinner(form_.get());
  auto* user = new TPopupMenu(form_.get());
  for (const char* caption : {"A", "B"}) {
    auto* item = new TMenuItem(user);
    item->SetCaption(caption);
    user->Items()->Add(item);
  }
  // The built-in menu was shown before the user's menu came: the names must not clash.
  skinner->GetSystemMenu();
  skinner->SetSystemMenu(user);
  for (int showing = 0; showing < 2; ++showing) {
    EXPECT_NO_THROW(skinner->GetSystemMenu());
    EXPECT_EQ(ItemsText(user->Items()), "Mi&nimize|Ma&ximize|Ro&llUp|A|B|&Close Alt+F4") << showing;
  }
  skinner->SetSystemMenu(nullptr);
  EXPECT_EQ(ItemsText(skinner->GetSystemMenu()), "Mi&nimize|Ma&ximize|Ro&llUp|-|&Close Alt+F4");
  EXPECT_EQ(ItemsText(user->Items()), "A|B");
  skinner->SetSystemMenu(user);
  skinner->UseDefaultSysMenu = false;
  EXPECT_EQ(skinner->GetSystemMenu(), user->Items());
  EXPECT_EQ(ItemsText(user->Items()), "A|B");
  delete user;
  EXPECT_EQ(skinner->SystemMenu(), nullptr);
}

TEST_F(FormMenus, TheSkinsStringTableNamesTheSystemMenuItemsButNotTheTrayItems) {
  TspFormSkinner* skinner = ShowDialog();
  auto* table = new TspResourceStrData(form_.get());
  TStringList lines;
  lines.Add("MI_CLOSECAPTION=Shut");
  table->SetResStrs(&lines);
  TspSkinData* skin = skinner->SkinData();
  skin->SetResourceStrData(table);
  const std::string items = ItemsText(skinner->GetSystemMenu());
  skin->SetResourceStrData(nullptr);
  EXPECT_EQ(items.substr(items.rfind('|') + 1), "Shut Alt+F4");
  EXPECT_EQ(ItemsText(skinner->TrayMenu->Items()), "&Restore|-|&Close Alt+F4");
  EXPECT_EQ(skinner->TrayMenu->SkinData(), skin);
}

TEST_F(FormMenus, TheMenuKeyClosesAnOpenMenuAndWithoutMainMenuOnlyAnnouncesTheMainMenu) {
  TspFormSkinner* skinner = ShowDialog();
  skinner->PopupSystemMenu();
  testsupport::PressKey(VK_F10);
  testsupport::ServeApplication(40);
  EXPECT_EQ(OpenMenuText(skinner), "closed");
  EXPECT_EQ(log_.lines, (std::vector<std::string>{"open", "close", "enter"}));
  EXPECT_FALSE(skinner->MainMenuActive);
  EXPECT_FALSE(skinner->AppHooked);
}

TEST_F(FormMenus, TwoComponentsHookingInTurnGiveTheApplicationHandlerBackInReverseOrder) {
  form_ = MakeForm(kLeft, kTop, 400, 300);
  auto second = MakeForm(kLeft, kTop, 400, 300);
  auto* a = new TspFormSkinner(form_.get());
  auto* b = new TspFormSkinner(second.get());
  a->HookApp();
  b->HookApp();
  EXPECT_TRUE(Application->OnMessage == TMessageEvent(b, &TspFormSkinner::NewAppMessage));
  b->UnHookApp();
  EXPECT_TRUE(Application->OnMessage == TMessageEvent(a, &TspFormSkinner::NewAppMessage));
  a->UnHookApp();
  EXPECT_TRUE(Application->OnMessage == Installed());
}

TEST_F(FormMenus, MenuSettingsReachTheControllerAndOutOfRangeValuesAreIgnored) {
  form_ = MakeForm(kLeft, kTop, 400, 300);
  auto* skinner = new TspFormSkinner(form_.get());
  EXPECT_TRUE(skinner->GetUseSkinFontInMenu());
  EXPECT_EQ(skinner->GetDefaultMenuItemHeight(), 20);
  EXPECT_EQ(std::string(skinner->GetDefaultMenuItemFont()->Name().c_str()), "Arial");
  skinner->SetMaxMenuItemsInWindow(5);
  skinner->SetMaxMenuItemsInWindow(-1);
  skinner->SetDefaultMenuItemHeight(24);
  skinner->SetDefaultMenuItemHeight(0);
  skinner->SetUseSkinFontInMenu(false);
  skinner->SetMenusAlphaBlendValue(120);
  TspSkinMenu* menu = skinner->SkinMenu();
  EXPECT_EQ(menu->MaxMenuItemsInWindow(), 5);
  EXPECT_EQ(menu->ItemHeight(), 24);
  EXPECT_FALSE(menu->UseSkinFont);
  EXPECT_EQ(menu->AlphaBlendValue, 120);
}

TEST_F(FormMenus, WithShowIconTheSystemMenuButtonTakesTheSmallIconSizeAndDoesNotMorph) {
  TspFormSkinner* skinner = ShowDialog();
  auto* button = static_cast<TspSkinStdButtonObject*>(skinner->ObjectList[0].get());
  ASSERT_EQ(button->IDName, "SysBtn");
  EXPECT_EQ(button->ObjectRect.Width(), kSysFace.Width());
  skinner->SetShowIcon(true);
  testsupport::ServeApplication(20);
  int w = 0, h = 0;
  skinner->GetIconSize(w, h);
  EXPECT_EQ(button->ObjectRect.Width(), w);
  EXPECT_EQ(button->ObjectRect.Height(), h);
  EXPECT_FALSE(button->CanMorphing());
  skinner->SetShowIcon(false);
}

}  // namespace
