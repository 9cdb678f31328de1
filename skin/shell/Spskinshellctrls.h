#pragma once
// The shell controls' unit: namespace items and their shell queries, context menus and
// the change notifier, with the state all shell controls share.
#include "classlib/runtime/SyncObjs.h"
#include "skin/shell/Spskinshellctrls_Folder.h"
#include "skin/shell/Spskinshellctrls_ItemIDs.h"
#include "skin/shell/Spskinshellctrls_Menus.h"
#include "skin/shell/Spskinshellctrls_Notifier.h"
#include "skin/shell/Spskinshellctrls_Shell.h"

// The desktop's item, from InitializeShellControls to FinalizeShellControls.
extern TspShellFolder* DesktopFolder;

// Starts the unit once, on the window thread (start-up and test mains call it): OLE for
// the thread, the desktop item and the critical section of the change watchers, and the
// page and tab controls' form resource classes. Raises EOleError when the shell gives no
// desktop.
void InitializeShellControls();
// Ends it again: frees the desktop item and the critical section, releases the context
// menu on screen (if any) and OLE.
void FinalizeShellControls();

// The critical section the change watchers share with the window thread.
TCriticalSection& ShellControlsLock();
