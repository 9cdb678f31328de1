// A small program for the program driver's own tests. Its window lists in a report list
// view what reached it: "click x y" for a left click on its free area, "char c" for each
// typed character, "drop <file>" for each dropped file. F5 asks the system for a shell
// open of a link, a shutdown and a beep and shows a Yes/No box, listing "box <answer>".
// It ends with the number of rows as its exit code.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "classlib/runtime/SystemActions.h"

namespace {

HWND g_list = nullptr;

void AddRow(const std::string& text) {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(SendMessageA(g_list, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(g_list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void AskTheSystem(HWND window) {
  ShellOpen(TShellOpenRequest{window, "open", "http://www.example.com/", "", "", nullptr, SW_SHOWNORMAL});
  RequestShutdown(EWX_SHUTDOWN);
  SystemBeep(MB_OK);
  AddRow("box " + std::to_string(SystemMessageBox(window, "Go on?", "Driven", MB_YESNO | MB_ICONQUESTION)));
}

void TakeDrop(HDROP drop) {
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    char file[MAX_PATH] = {};
    DragQueryFileA(drop, i, file, MAX_PATH);
    AddRow(std::string("drop ") + file);
  }
  DragFinish(drop);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      AddRow("click " + std::to_string(static_cast<short>(LOWORD(lParam))) + " " +
             std::to_string(static_cast<short>(HIWORD(lParam))));
      return 0;
    case WM_CHAR:
      AddRow(std::string("char ") + static_cast<char>(wParam));
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_F5) AskTheSystem(window);
      return 0;
    case WM_DROPFILES:
      TakeDrop(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) SetFocus(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(static_cast<int>(SendMessageA(g_list, LVM_GETITEMCOUNT, 0, 0)));
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "DrivenWindow";
  RegisterClassA(&windowClass);
  RECT bounds{0, 0, 400, 300};
  AdjustWindowRect(&bounds, WS_OVERLAPPEDWINDOW, FALSE);
  HWND window = CreateWindowExA(WS_EX_ACCEPTFILES, "DrivenWindow", "Driven", WS_OVERLAPPEDWINDOW, 80, 80,
                                bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr, instance,
                                nullptr);
  g_list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, 200, 0, 200, 300,
                           window, nullptr, instance, nullptr);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 190;
  column.pszText = const_cast<char*>("Event");
  SendMessageA(g_list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
