#include "MenuFixture.h"

#include "TestSkin.h"
#include "classlib/graphics/Graphics.h"

namespace menutest {

TTestMenuHost::TTestMenuHost(TCustomForm* form)
    : TComponent(form), form_(form), menu_(new TspSkinMenu(this, form)) {
  savedWindowProc_ = form->WindowProc;
  form->WindowProc = TWndMethod(this, &TTestMenuHost::FormWindowProc);
}

TTestMenuHost::~TTestMenuHost() {
  form_->WindowProc = savedWindowProc_;
  if (hooked_) Application->OnMessage = savedOnMessage_;
}

void TTestMenuHost::SkinMenuOpen() {
  if (!hooked_) {
    savedOnMessage_ = Application->OnMessage;
    Application->OnMessage = TMessageEvent(this, &TTestMenuHost::ApplicationMessage);
    hooked_ = true;
  }
  menuMode_ = true;
}

void TTestMenuHost::SkinMenuClose() {
  menuMode_ = false;
  ++menuModeEnds_;
  if (hooked_) Application->OnMessage = savedOnMessage_;
  hooked_ = false;
}

void TTestMenuHost::ApplicationMessage(MSG& message, bool& handled) {
  if (message.message == WM_MOUSEWHEEL) {
    handled = true;
  } else if (message.message == WM_KEYDOWN) {
    handled = true;
    if (menu_->Visible() && menu_->LastWindow() != nullptr) {
      menu_->LastWindow()->PopupKeyDown(static_cast<int>(message.wParam));
    }
    if (message.wParam == VK_ESCAPE && menu_->WindowCount() == 0) SkinMenuClose();
  }
}

void TTestMenuHost::FormWindowProc(TMessage& message) {
  if (CanMenuClose(message.Msg)) {
    if (menu_->Visible()) menu_->Hide();
    else if (menuMode_) SkinMenuClose();
  }
  if (message.Msg == WM_CLOSESKINMENU) {
    SkinMenuClose();
    return;
  }
  savedWindowProc_(message);
}

std::map<std::string, std::string> MenuLookValues() {
  return {{"POPUPWINDOW/windowpictureindex", "0"},
          {"POPUPWINDOW/maskpictureindex", "-1"},
          {"POPUPWINDOW/lefttoppoint", "4,4"},
          {"POPUPWINDOW/righttoppoint", "60,4"},
          {"POPUPWINDOW/leftbottompoint", "4,44"},
          {"POPUPWINDOW/rightbottompoint", "60,44"},
          {"POPUPWINDOW/itemsrect", "4,4,60,44"},
          {"POPUPWINDOW/cursorindex", "-1"},
          {"POPUPWINDOW/leftstretch", "0"},
          {"POPUPWINDOW/rightstretch", "0"},
          {"POPUPWINDOW/topstretch", "0"},
          {"POPUPWINDOW/bottomstretch", "0"},
          {"POPUPWINDOW/stretcheffect", "0"},
          {"menuitem/activepictureindex", "1"},
          {"menuitem/skinrect", "0,0,32,16"},
          {"menuitem/activeskinrect", "0,16,32,32"},
          {"menuitem/itemleftoffset", "4"},
          {"menuitem/itemrightoffset", "4"},
          {"menuitem/dividerrect", "0,0,32,4"},
          {"menuitem/dividerleftoffset", "2"},
          {"menuitem/dividerrightoffset", "2"},
          {"menuitem/textrect", "4,0,28,16"},
          {"menuitem/imagerect", "0,0,0,0"},
          {"menuitem/fontname", "Arial"},
          {"menuitem/fontheight", "13"},
          {"menuitem/fontcolor", "0"},
          {"menuitem/activefontcolor", "0"},
          {"menuitem/unenabledfontcolor", "8421504"},
          {"menuitem/stretcheffect", "0"},
          {"menuitem/inactivestretcheffect", "0"},
          {"menuitem/dividerstretcheffect", "0"},
          {"menuitem/animateskinrect", "0,0,0,0"},
          {"menuitem/framecount", "0"},
          {"menuitem/morphing", "0"},
          {"menuitem/useimagecolor", "0"},
          {"menuitem/inactivetransparent", "0"},
          {"menuitem/checkimagerect", "0,0,0,0"},
          {"menuitem/activecheckimagerect", "0,0,0,0"},
          {"menuitem/radioimagerect", "0,0,0,0"},
          {"menuitem/activeradioimagerect", "0,0,0,0"},
          {"menuitem/arrowimagerect", "0,0,0,0"},
          {"menuitem/activearrowimagerect", "0,0,0,0"}};
}

void LoadMenuSkin(TspSkinData* skin, const std::string& name, const std::map<std::string, std::string>& overrides) {
  std::map<std::string, std::string> values = MenuLookValues();
  for (const auto& [key, value] : overrides) values[key] = value;
  skin->LoadFromFile(skintest::WriteTestSkin(name, values).c_str());
}

void TClickLog::Clicked(TObject* sender) {
  entries.push_back("click:" + static_cast<TMenuItem*>(sender)->Caption().str());
}

void TClickLog::MenuClosed(TObject* sender) {
  (void)sender;
  ++menuCloses;
  entries.push_back("menu closed");
}

void MenuTest::SetUp() {
  InitializeGraphics();
  form_.reset(testsupport::ShowTestForm(400, 300));
  edit_ = new TEdit(form_.get());
  edit_->SetBounds(10, 10, 120, 24);
  edit_->SetParent(form_.get());
  edit_->SetFocus();
  host_ = new TTestMenuHost(form_.get());
  popup_ = new TspSkinPopupMenu(form_.get());
  popup_->OnMenuClose = TNotifyEvent(&log_, &TClickLog::MenuClosed);
  TMenuItem* root = popup_->Items();
  AddItem(root, "Open");
  AddItem(root, "-");
  AddItem(root, "Disabled", false);
  more_ = AddItem(root, "More");
  AddItem(more_, "Alpha");
  deeper_ = AddItem(more_, "Deeper");
  AddItem(deeper_, "Inner1");
  AddItem(deeper_, "Inner2");
  AddItem(more_, "Beta");
  AddItem(root, "Last");
  testsupport::MoveMouse(form_.get(), 390, 290);
}

void MenuTest::TearDown() {
  delete host_;  // before the form: it hooks the form's window procedure
  testsupport::ServeApplication(20);
  form_.reset();
  testsupport::ServeApplication(20);
}

TMenuItem* MenuTest::AddItem(TMenuItem* parent, const char* caption, bool enabled) {
  auto* item = new TMenuItem(popup_);
  item->SetCaption(caption);
  item->SetEnabled(enabled);
  item->OnClick = TNotifyEvent(&log_, &TClickLog::Clicked);
  parent->Add(item);
  return item;
}

void MenuTest::OpenAt(int x, int y) {
  popup_->Popup(x, y);
  testsupport::ServeApplication(30);
}

void MenuTest::Key(WORD virtualKey) {
  testsupport::PressKey(virtualKey);
  testsupport::ServeApplication(20);
}

std::string MenuTest::ActiveCaption() const {
  TspSkinPopupWindow* window = Menu()->LastWindow();
  if (window == nullptr || window->ActiveIndex() < 0) return "";
  return window->Items(window->ActiveIndex())->MenuItem()->Caption().str();
}

TspSkinMenuItem* MenuTest::FindItem(TspSkinPopupWindow* window, const char* caption) const {
  for (int i = 0; i < window->ItemCount(); ++i) {
    if (window->Items(i)->MenuItem()->Caption() == caption) return window->Items(i);
  }
  ADD_FAILURE() << "no item " << caption;
  return window->Items(0);
}

TPoint MenuTest::ItemCentre(TspSkinPopupWindow* window, const char* caption) const {
  const TRect r = FindItem(window, caption)->ItemRect;
  return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

bool MenuTest::ServeUntil(const std::function<bool()>& done) {
  const DWORD end = GetTickCount() + 2000;
  while (!done()) {
    if (static_cast<int>(end - GetTickCount()) <= 0) return false;
    testsupport::ServeApplication(10);
  }
  return true;
}

}  // namespace menutest
