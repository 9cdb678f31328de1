// Loaded by a test's program driver into the program it drives: each export runs there as
// the start routine of a thread the driver makes, with a block of the driver's request
// written into the program's memory. Nothing runs when the library is loaded.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "driverhook.h"

namespace {

HWND g_watched = nullptr;
char g_noteFile[260] = {};

void AppendLine(const char* path, const std::string& line) {
  HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

LRESULT CALLBACK BeforeMessage(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_DESTROY && message->hwnd == g_watched) {
    char name[256] = {};
    GetClassNameA(message->hwnd, name, sizeof name);
    AppendLine(g_noteFile, std::string("destroyed ") + name);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

extern "C" {

// Drops the files of the block on its window as the shell would: a DROPFILES memory
// block posted with WM_DROPFILES, freed by the window's DragFinish. Answers 1 when posted.
__declspec(dllexport) DWORD WINAPI DriverDropFiles(LPVOID parameter) {
  const auto* request = static_cast<const DriverDropRequest*>(parameter);
  const size_t listBytes = request->FileListBytes;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + listBytes);
  if (memory == nullptr) return 0;
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = POINT{request->X, request->Y};
  drop->fNC = FALSE;
  drop->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), request->FileList, listBytes);
  GlobalUnlock(memory);
  const HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(request->Window));
  if (!PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0)) {
    GlobalFree(memory);
    return 0;
  }
  return 1;
}

// Writes the rows of a report list view into the block's file: one line per row, the
// cells separated by tabs. Answers the number of rows plus one (0 when the file could
// not be written).
__declspec(dllexport) DWORD WINAPI DriverListRows(LPVOID parameter) {
  const auto* request = static_cast<const DriverWindowRequest*>(parameter);
  const HWND list = reinterpret_cast<HWND>(static_cast<uintptr_t>(request->Window));
  const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  const HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  int columns = header != nullptr ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
  if (columns < 1) columns = 1;
  std::string text;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      char cell[1024] = {};
      LVITEMA item{};
      item.iSubItem = column;
      item.pszText = cell;
      item.cchTextMax = sizeof cell;
      SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
      if (column > 0) text += '\t';
      text += cell;
    }
    text += "\n";
  }
  HANDLE file = CreateFileA(request->OutputFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return static_cast<DWORD>(rows + 1);
}

// Watches the block's window from its own thread: when it is destroyed, "destroyed
// <class>" is appended to the block's file. Answers 1 when the watch is set.
__declspec(dllexport) DWORD WINAPI DriverNoteDestroy(LPVOID parameter) {
  const auto* request = static_cast<const DriverWindowRequest*>(parameter);
  g_watched = reinterpret_cast<HWND>(static_cast<uintptr_t>(request->Window));
  std::memcpy(g_noteFile, request->OutputFile, sizeof g_noteFile);
  HMODULE self = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&BeforeMessage), &self);
  const DWORD thread = GetWindowThreadProcessId(g_watched, nullptr);
  return SetWindowsHookExA(WH_CALLWNDPROC, &BeforeMessage, self, thread) != nullptr ? 1 : 0;
}

}  // extern "C"
