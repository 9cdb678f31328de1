#include "classlib/windowing/Screen.h"

#include "classlib/windowing/Forms.h"

void TScreen::SetCursor(TCursor cursor) {
  cursor_ = cursor;
  if (cursor != crDefault) {
    ::SetCursor(Cursors(cursor));
    return;
  }
  // The window under the pointer chooses its own cursor again.
  POINT p;
  GetCursorPos(&p);
  HWND window = WindowFromPoint(p);
  if (window == nullptr || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) {
    ::SetCursor(Cursors(crArrow));
    return;
  }
  const auto hit = SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(hit, WM_MOUSEMOVE));
}

int TScreen::PixelsPerInch() const {
  HDC dc = GetDC(nullptr);
  const int ppi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return ppi;
}

TCustomForm* TScreen::ActiveForm() const {
  HWND active = GetActiveWindow();
  for (TCustomForm* form : forms_) {
    if (form->HandleAllocated() && form->Handle() == active) return form;
  }
  return nullptr;
}

TWinControl* TScreen::ActiveControl() const {
  TCustomForm* form = ActiveForm();
  return form != nullptr ? form->ActiveControl() : nullptr;
}
