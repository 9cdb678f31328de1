#pragma once
#include <functional>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/WinApi.h"

#include <shlobj.h>

// The system call behind SelectDirectory: shows the folder browser for `request` and
// answers the chosen folder's path, or false when none was chosen. Tests put their own.
using TFolderDialogHandler = std::function<bool(BROWSEINFOA& request, AnsiString& folder)>;
// Installs `handler` (empty: the system's) and answers the one it replaces.
TFolderDialogHandler SetFolderDialogHandler(TFolderDialogHandler handler);

// Shows the system folder browser with `caption` above the tree of every folder (no
// root); true and `directory` set when a folder was chosen, false when cancelled.
bool SelectDirectory(const AnsiString& caption, AnsiString& directory);
