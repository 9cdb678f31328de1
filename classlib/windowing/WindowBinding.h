#pragma once
#include "classlib/runtime/Messages.h"
#include "classlib/runtime/WinApi.h"

// Ties windows to methods of objects. Every message of a bound window goes to its
// method, which answers it (calling on to the old procedure or DefWindowProc itself);
// an exception leaving the method goes to HandleException and the message answers 0,
// so no exception crosses the system's frames.

// The window procedure of bound windows; class-library window classes use it.
LRESULT CALLBACK ObjectWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Sends the messages of `window` (of any class, also a foreign one) to `*method` from
// now on and answers the procedure the window had, which the method calls for the
// messages it leaves alone. `*method` must live until UnbindWindow.
WNDPROC BindWindow(HWND window, const TWndMethod* method);
// Gives `window` its procedure `previous` back and forgets the method.
void UnbindWindow(HWND window, WNDPROC previous);

// The method bound to `window`, or null.
const TWndMethod* BoundMethod(HWND window);

// While alive, the next window made on this thread with ObjectWindowProc as its class
// procedure is bound to `method` from its very first message.
class TCreationBinding {
 public:
  explicit TCreationBinding(const TWndMethod* method);
  ~TCreationBinding();
  TCreationBinding(const TCreationBinding&) = delete;
  TCreationBinding& operator=(const TCreationBinding&) = delete;
  // The window bound so far (null until its first message).
  HWND Window() const { return window_; }

 private:
  friend LRESULT CALLBACK ObjectWindowProc(HWND, UINT, WPARAM, LPARAM);
  const TWndMethod* method_;
  HWND window_ = nullptr;
  TCreationBinding* previous_;
};
