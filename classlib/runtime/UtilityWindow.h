#pragma once
#include "classlib/runtime/Messages.h"
#include "classlib/runtime/WinApi.h"

// A hidden top-level window whose messages go to a method of an object (it receives
// the broadcasts top-level windows get, such as WM_THEMECHANGED). The method answers
// every message, calling DefWindowProc for those it leaves alone. An exception leaving
// the method goes to HandleException and the message answers 0.
// Made on the calling thread, which must serve its messages.
HWND AllocateHWnd(const TWndMethod& method);
// Destroys a window made by AllocateHWnd, on the thread that made it (null is ignored).
void DeallocateHWnd(HWND window);

// Owns one such window for its lifetime.
class TUtilityWindow {
 public:
  explicit TUtilityWindow(const TWndMethod& method) : handle_(AllocateHWnd(method)) {}
  ~TUtilityWindow() { DeallocateHWnd(handle_); }
  TUtilityWindow(const TUtilityWindow&) = delete;
  TUtilityWindow& operator=(const TUtilityWindow&) = delete;
  HWND Handle() const { return handle_; }

 private:
  HWND handle_;
};
