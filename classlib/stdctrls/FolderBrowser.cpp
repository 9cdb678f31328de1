#include "classlib/stdctrls/FolderBrowser.h"

#include "classlib/windowing/Application.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/Screen.h"

namespace {
bool SystemFolderDialog(BROWSEINFOA& request, AnsiString& folder) {
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&request);
  if (chosen == nullptr) return false;
  char path[MAX_PATH] = {};
  const bool found = SHGetPathFromIDListA(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  if (found) folder = path;
  return found;
}

TFolderDialogHandler& Handler() {
  static TFolderDialogHandler handler = &SystemFolderDialog;
  return handler;
}
}  // namespace

TFolderDialogHandler SetFolderDialogHandler(TFolderDialogHandler handler) {
  TFolderDialogHandler previous = Handler();
  Handler() = handler ? std::move(handler) : TFolderDialogHandler(&SystemFolderDialog);
  return previous;
}

bool SelectDirectory(const AnsiString& caption, AnsiString& directory) {
  char display[MAX_PATH] = {};
  BROWSEINFOA request{};
  TCustomForm* active = Screen != nullptr ? Screen->ActiveForm() : nullptr;
  request.hwndOwner = active != nullptr ? active->Handle() : Application->Handle();
  request.pszDisplayName = display;
  request.lpszTitle = caption.c_str();
  request.ulFlags = BIF_RETURNONLYFSDIRS;
  // The browser needs COM on this thread; a thread that has it keeps its own.
  const HRESULT com = CoInitialize(nullptr);
  AnsiString folder;
  const bool chosen = Handler()(request, folder);
  if (SUCCEEDED(com)) CoUninitialize();
  if (chosen) directory = folder;
  return chosen;
}
