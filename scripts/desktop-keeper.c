/* Keeps Wine's desktop in use for as long as the wineserver runs. The desktop process is
   started by the first program that makes a window and ends a moment after its last user
   leaves; started by a test, it would inherit that test's output pipe and hold it open
   after the test ended. This hidden window's owner is started detached and never ends. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command, int show) {
  (void)previous;
  (void)command;
  (void)show;
  HWND wnd = CreateWindowExA(0, "STATIC", "desktop keeper", WS_POPUP, 0, 0, 1, 1, NULL, NULL,
                             instance, NULL);
  if (wnd == NULL) return 1;
  MSG msg;
  while (GetMessageA(&msg, NULL, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
