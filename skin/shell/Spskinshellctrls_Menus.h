#pragma once
#include <shlobj.h>

#include "classlib/runtime/AnsiString.h"

class TWinControl;
class TspShellFolder;

// A control that takes part in the commands of its items' context menus: it may carry
// out a command itself and hears how each one ended. The shell tree and list have it.
class IShellCommandVerb {
 public:
  // Sets `handled` when the control carried out `verb` itself; the shell then does not.
  virtual void ExecuteCommand(const AnsiString& verb, bool& handled) = 0;
  virtual void CommandCompleted(const AnsiString& verb, bool succeeded) = 0;

 protected:
  ~IShellCommandVerb() = default;
};

// The second context menu interface of the menu on screen (none otherwise): the shell
// controls hand it WM_DRAWITEM, WM_MEASUREITEM, WM_INITMENUPOPUP and WM_MENUCHAR meanwhile.
extern IContextMenu2* ActiveContextMenu2;
void ReleaseActiveContextMenu();

// Shows the shell's context menu of `folder` at (x, y) of the owner's client area and
// runs the chosen command (the owner first, when it is an IShellCommandVerb). Nothing for
// no folder or an item without a menu.
void InvokeContextMenu(TWinControl* owner, TspShellFolder* folder, int x, int y);
// Runs the named verb of the item's context menu; true when the menu accepted it.
bool InvokeVerb(TspShellFolder* folder, const AnsiString& verb);
