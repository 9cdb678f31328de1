#include "skin/shell/Spskinshellctrls.h"
#include "skin/shell/Skintabs.h"

#include <memory>

TspShellFolder* DesktopFolder = nullptr;

namespace {

std::unique_ptr<TCriticalSection> g_lock;
bool g_oleStarted = false;

void CreateDesktopShellFolder() {
  TspItemIDList list(DesktopItemIDList());
  TspComRef<IShellFolder> desktop = GetDesktopShellFolder();
  DesktopFolder = new TspShellFolder(nullptr, desktop.Get(), list.Get());
}

}  // namespace

void InitializeShellControls() {
  if (g_lock) return;
  RegisterSkinTabs();
  g_oleStarted = SUCCEEDED(OleInitialize(nullptr));
  try {
    CreateDesktopShellFolder();
  } catch (...) {
    if (g_oleStarted) OleUninitialize();
    g_oleStarted = false;
    throw;
  }
  g_lock = std::make_unique<TCriticalSection>();
}

void FinalizeShellControls() {
  if (!g_lock) return;
  delete DesktopFolder;
  DesktopFolder = nullptr;
  g_lock.reset();
  ReleaseActiveContextMenu();
  if (g_oleStarted) OleUninitialize();
  g_oleStarted = false;
}

TCriticalSection& ShellControlsLock() { return *g_lock; }
