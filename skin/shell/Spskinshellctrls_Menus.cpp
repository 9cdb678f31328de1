#include "skin/shell/Spskinshellctrls_Menus.h"

#include "classlib/windowing/WinControl.h"
#include "skin/shell/Spskinshellctrls.h"

IContextMenu2* ActiveContextMenu2 = nullptr;

namespace {

constexpr UINT kFirstCommand = 1;
constexpr UINT kLastCommand = 0x7FFF;
constexpr unsigned kVerbBufferSize = 256;

// A popup menu destroyed with the scope.
class TPopupMenuHandle {
 public:
  TPopupMenuHandle() : menu_(CreatePopupMenu()) {}
  ~TPopupMenuHandle() {
    if (menu_ != nullptr) DestroyMenu(menu_);
  }
  TPopupMenuHandle(const TPopupMenuHandle&) = delete;
  TPopupMenuHandle& operator=(const TPopupMenuHandle&) = delete;
  HMENU Get() const { return menu_; }

 private:
  HMENU menu_;
};

// ActiveContextMenu2 names the menu's second interface for the scope.
class TActiveMenuScope {
 public:
  explicit TActiveMenuScope(const TspComRef<IContextMenu>& menu) {
    ReleaseActiveContextMenu();
    ActiveContextMenu2 = menu.As<IContextMenu2>(IID_IContextMenu2).Detach();
  }
  ~TActiveMenuScope() { ReleaseActiveContextMenu(); }
  TActiveMenuScope(const TActiveMenuScope&) = delete;
  TActiveMenuScope& operator=(const TActiveMenuScope&) = delete;
};

AnsiString CommandVerb(IContextMenu* menu, UINT offset) {
  char verb[kVerbBufferSize] = {};
  if (FAILED(menu->GetCommandString(offset, GCS_VERBA, nullptr, verb, kVerbBufferSize))) return AnsiString();
  verb[kVerbBufferSize - 1] = '\0';
  return verb;
}

bool InvokeCommand(IContextMenu* menu, HWND window, LPCSTR verb, DWORD mask) {
  CMINVOKECOMMANDINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = mask;
  info.hwnd = window;
  info.lpVerb = verb;
  info.nShow = SW_SHOWNORMAL;
  return SUCCEEDED(menu->InvokeCommand(&info));
}

// Command `command` (1-based) of the menu: the owner's, else the shell's.
void RunMenuCommand(TWinControl* owner, IContextMenu* menu, UINT command) {
  const UINT offset = command - kFirstCommand;
  const AnsiString verb = CommandVerb(menu, offset);
  auto* hook = dynamic_cast<IShellCommandVerb*>(owner);
  bool handled = false;
  if (hook != nullptr) hook->ExecuteCommand(verb, handled);
  const bool invoked = !handled && InvokeCommand(menu, owner->Handle(), MAKEINTRESOURCEA(offset), 0);
  if (hook != nullptr) hook->CommandCompleted(verb, handled || invoked);
}

}  // namespace

void ReleaseActiveContextMenu() {
  if (ActiveContextMenu2 == nullptr) return;
  IContextMenu2* menu = ActiveContextMenu2;
  ActiveContextMenu2 = nullptr;
  menu->Release();
}

void InvokeContextMenu(TWinControl* owner, TspShellFolder* folder, int x, int y) {
  if (folder == nullptr || owner == nullptr) return;
  HWND window = owner->Handle();
  TspComRef<IContextMenu> menu;
  if (FAILED(ItemContextMenu(folder->ParentShellFolder(), window, folder->RelativeID(), menu.Put())) || !menu)
    return;
  const TPoint at = owner->ClientToScreen(TPoint{x, y});
  TPopupMenuHandle popup;
  if (popup.Get() == nullptr) return;
  menu->QueryContextMenu(popup.Get(), 0, kFirstCommand, kLastCommand, CMF_EXPLORE | CMF_CANRENAME);
  UINT command = 0;
  {
    TActiveMenuScope active(menu);
    command = static_cast<UINT>(
        TrackPopupMenu(popup.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.X, at.Y, 0, window, nullptr));
  }
  if (command >= kFirstCommand) RunMenuCommand(owner, menu.Get(), command);
}

bool InvokeVerb(TspShellFolder* folder, const AnsiString& verb) {
  if (folder == nullptr) return false;
  TspComRef<IContextMenu> menu;
  if (FAILED(ItemContextMenu(folder->ParentShellFolder(), nullptr, folder->RelativeID(), menu.Put())) || !menu)
    return false;
  return InvokeCommand(menu.Get(), nullptr, verb.c_str(), CMIC_MASK_ASYNCOK);
}
