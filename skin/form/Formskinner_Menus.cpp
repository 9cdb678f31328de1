// The form's menu controller and its settings, the routines that pop menus up, the
// bookkeeping of an open menu and the application hook that hands an open menu the keys.
#include "skin/controls/Skinhint.h"
#include "skin/controls/Skinmenus.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/form/Formskinner.h"
#include "skin/form/Formskinner_AnimateObject.h"

void TspFormSkinner::CreateMenus() {
  BuiltInSysMenu = new TPopupMenu(this);
  TrayMenu = new TspSkinPopupMenu(this);
  TrayMenu->SetHostForm(OwnerForm);
  CreateSysTrayMenu();
  skinMenu_ = new TspSkinMenu(this, OwnerForm);
}

// The standard items the component owns go with it; the controller goes after the objects.
void TspFormSkinner::FreeMenus() {
  UnHookApp();
  delete BuiltInSysMenu;
  BuiltInSysMenu = nullptr;
  delete TrayMenu;
  TrayMenu = nullptr;
  delete skinMenu_;
  skinMenu_ = nullptr;
}

bool TspFormSkinner::GetUseSkinFontInMenu() const { return skinMenu_->UseSkinFont; }
void TspFormSkinner::SetUseSkinFontInMenu(bool value) { skinMenu_->UseSkinFont = value; }
int TspFormSkinner::GetDefaultMenuItemHeight() const { return skinMenu_->ItemHeight(); }
void TspFormSkinner::SetDefaultMenuItemHeight(int value) { skinMenu_->SetDefaultMenuItemHeight(value); }
TFont* TspFormSkinner::GetDefaultMenuItemFont() const { return skinMenu_->ItemFont(); }
void TspFormSkinner::SetDefaultMenuItemFont(TFont* value) { skinMenu_->SetDefaultMenuItemFont(value); }
int TspFormSkinner::MaxMenuItemsInWindow() const { return skinMenu_->MaxMenuItemsInWindow(); }
void TspFormSkinner::SetMaxMenuItemsInWindow(int value) { skinMenu_->SetMaxMenuItemsInWindow(value); }
bool TspFormSkinner::MenusAlphaBlend() const { return skinMenu_->AlphaBlend; }
void TspFormSkinner::SetMenusAlphaBlend(bool value) { skinMenu_->AlphaBlend = value; }
bool TspFormSkinner::MenusAlphaBlendAnimation() const { return skinMenu_->AlphaBlendAnimation; }
void TspFormSkinner::SetMenusAlphaBlendAnimation(bool value) { skinMenu_->AlphaBlendAnimation = value; }
int TspFormSkinner::MenusAlphaBlendValue() const { return skinMenu_->AlphaBlendValue; }
void TspFormSkinner::SetMenusAlphaBlendValue(int value) { skinMenu_->AlphaBlendValue = value; }

void TspFormSkinner::TrackSystemMenu(int x, int y) { TrackSystemMenu2(Rect(x, y, x, y)); }

void TspFormSkinner::TrackSystemMenu2(const TRect& r) {
  // The items are rebuilt below: an open menu must not show the old ones any more.
  if (skinMenu_->Visible()) skinMenu_->Hide();
  TMenuItem* items = GetSystemMenu();
  SkinMenuOpen();
  skinMenu_->Popup(nullptr, MenuSkin(), 0, r, items, false);
}

void TspFormSkinner::PopupSystemMenu() {
  for (const auto& object : ObjectList) {
    TStdCommand command = cmClose;
    if (!ObjectCommand(object.get(), command) || command != cmSysMenu || !object->Enabled) continue;
    TrackSystemMenu2(MovedRect(object->ObjectRect, OwnerForm->Left(), OwnerForm->Top()));
  }
}

void TspFormSkinner::DoPopupMenu(TPopupMenu* menu, int x, int y) {
  menu->OnPopup(this);
  if (skinMenu_->Visible()) SkinMenuClose();
  SkinMenuOpen();
  skinMenu_->Popup(nullptr, skinData_, 0, Rect(x, y, x, y), menu->Items(), false);
}

void TspFormSkinner::PopupSkinMenu(TMenu* menu, const TPoint& p) { PopupSkinMenu1(menu, Rect(p.X, p.Y, p.X, p.Y), false); }

void TspFormSkinner::PopupSkinMenu1(TMenu* menu, const TRect& r, bool popupUp) {
  SkinMenuOpen();
  skinMenu_->Popup(nullptr, MenuSkin(), 0, r, menu->Items(), popupUp);
}

void TspFormSkinner::SkinMenuOpen() {
  if (!MainMenuActive) HookApp();
  if (SkinMenuOpened) return;
  SkinMenuOpened = true;
  OnSkinMenuOpen(this);
}

void TspFormSkinner::SkinMenuClose() {
  SkinMenuOpened = false;
  // The menu button that opened the menu comes up; an animation that dropped it plays
  // back to its first frame.
  for (const auto& object : ObjectList) {
    if (auto* button = dynamic_cast<TspSkinButtonObject*>(object.get())) {
      if (button->MenuItem != nullptr && button->Down) {
        button->SetDown(false);
        break;
      }
    } else if (auto* animation = dynamic_cast<TspSkinAnimateObject*>(object.get())) {
      if (animation->MenuItem != nullptr && animation->MenuTracking) {
        animation->PlayBack();
        break;
      }
    }
  }
  UnHookApp();
  OnSkinMenuClose(this);
  if (!MainMenuActive) return;
  MainMenuActive = false;
  OnMainMenuExit(this);
}

void TspFormSkinner::SkinMenuClose2() {
  SkinMenuOpened = false;
  OnSkinMenuClose(this);
}

void TspFormSkinner::SkinMainMenuClose() {
  MainMenuActive = false;
  if (skinMenu_->Visible()) skinMenu_->Hide();
  UnHookApp();
  OnMainMenuExit(this);
}

void TspFormSkinner::CheckMenuVisible(UINT message) {
  if (!CanMenuClose(message)) return;
  if (ShowObjectHint && skinHint_ != nullptr) skinHint_->HideHint();
  if (MainMenuActive && !SkinMenuOpened) {
    SkinMainMenuClose();
  } else if (skinMenu_->Visible()) {
    skinMenu_->Hide();
  } else if (SkinMenuOpened) {
    SkinMenuClose();
  }
}

void TspFormSkinner::HookApp() {
  if (AppHooked) return;
  OldAppMessage = Application->OnMessage;
  Application->OnMessage = TMessageEvent(this, &TspFormSkinner::NewAppMessage);
  AppHooked = true;
}

void TspFormSkinner::UnHookApp() {
  if (!AppHooked) return;
  AppHooked = false;
  Application->OnMessage = OldAppMessage;
}

// While hooked every key press of the application goes to the open menu and wheel turns
// are dropped; the handler saved by HookApp is not called meanwhile.
void TspFormSkinner::NewAppMessage(MSG& message, bool& handled) {
  if (message.message == WM_KEYDOWN) {
    FormKeyDown(message);
  } else if (message.message != WM_MOUSEWHEEL) {
    return;
  }
  message.message = 0;
  handled = true;
}

// The window procedure's menu rows: the controller's closing message, the menu key, and
// a deactivation of the frame, which hides an open menu.
bool TspFormSkinner::HandleMenuMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSESKINMENU:
      SkinMenuClose();
      OldWindowProc(message);
      return true;
    case WM_SYSCOMMAND:
      if (message.WParam != SC_KEYMENU) return false;
      KeyMenu();
      return true;
    case WM_NCACTIVATE:
      if (skinnableForm_ && skinMenu_->Visible()) skinMenu_->Hide();
      return false;
    default:
      return false;
  }
}
