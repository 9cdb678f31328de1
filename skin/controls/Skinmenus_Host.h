#pragma once
#include "classlib/runtime/Component.h"

class TControl;
class TCustomForm;
class TspSkinData;
class TspSkinMenu;

// Messages of the skinned menus (no parameters): WM_CLOSESKINMENU goes to the control
// that opened a menu when it closes, and to the form when the menu is hidden;
// WM_AFTERDISPATCH goes to the opener after a chosen item's command ran.
constexpr UINT WM_CLOSESKINMENU = WM_USER + 204;
constexpr UINT WM_AFTERDISPATCH = WM_USER + 205;

// What a skinned popup menu needs of the component that skins its form: the form, the
// skins, the menu controller the component owns, and the start and end of menu mode.
// A component implementing it is found among a form's components by a class test.
//
// While a menu is open the host is expected to take every WM_KEYDOWN and WM_MOUSEWHEEL
// from the application's message loop (forwarding keys to PopupKeyDown of the
// controller's last window), to hide the menu (TspSkinMenu::Hide) when CanMenuClose is
// true for a message of its form, and to end menu mode (SkinMenuClose) when
// WM_CLOSESKINMENU reaches its form.
class IspSkinMenuHost {
 public:
  virtual TCustomForm* MenuHostForm() const = 0;
  virtual TspSkinData* SkinData() const = 0;
  // The skin of the menus; none: the menus take SkinData.
  virtual TspSkinData* MenusSkinData() const = 0;
  virtual TspSkinMenu* SkinMenu() const = 0;
  // Menu mode starts: keys go to the menu.
  virtual void SkinMenuOpen() = 0;
  // Menu mode ends.
  virtual void SkinMenuClose() = 0;

 protected:
  ~IspSkinMenuHost() = default;
};

// The first component of `owner` (a form) that is a menu host, or null.
IspSkinMenuHost* FindSkinMenuHost(TComponent* owner);

// Sends a menu message to a control: SendMessage to a windowed control with a window,
// Perform to any other.
void SendMenuMessage(TControl* control, UINT message);
