// The form's keys: its shortcut handler (Alt+Space pops the system menu), the keys that
// reach an open menu through the application hook, and the menu key (F10 or Alt).
#include "skin/controls/Skinmenus.h"
#include "skin/form/Formskinner.h"

namespace {

// Alt alone: Alt from the key data, neither Shift nor Ctrl held.
bool ExactlyAlt(const MSG& message) {
  const bool alt = (HIWORD(message.lParam) & KF_ALTDOWN) != 0;
  return alt && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0;
}

}  // namespace

// The form's main menus answer their shortcuts after this handler (the form's own
// dispatch); Alt+F4 is none of ours and goes on to the platform's close command.
void TspFormSkinner::FormShortCut(MSG& message, bool& handled) {
  OnShortCut(message, handled);
  if (handled) return;
  if (ExactlyAlt(message) && message.wParam == VK_SPACE) {
    PopupSystemMenu();
    handled = true;
  }
}

void TspFormSkinner::FormKeyDown(const MSG& message) {
  const int key = LOWORD(message.wParam);
  if (skinMenu_->Visible() && skinMenu_->LastWindow() != nullptr) skinMenu_->LastWindow()->PopupKeyDown(key);
  if (key != VK_ESCAPE || skinMenu_->WindowCount() > 0) return;
  if (MainMenuActive) {
    SkinMenuClose2();
  } else {
    SkinMenuClose();
  }
}

// Without main-menu items there is nothing to highlight: main-menu mode does not begin.
void TspFormSkinner::ActivateMenu() { OnMainMenuEnter(this); }

// The menu key: an open menu closes (its closing message ends menu mode), then the main
// menu is entered, or left when it was active.
void TspFormSkinner::KeyMenu() {
  if (MainMenuActive) {
    SkinMainMenuClose();
    return;
  }
  if (skinMenu_->Visible()) skinMenu_->Hide();
  ActivateMenu();
}
