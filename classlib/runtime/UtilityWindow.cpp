#include "classlib/runtime/UtilityWindow.h"

#include <exception>

#include "classlib/runtime/Exceptions.h"

namespace {
constexpr const char* kClassName = "ClasslibUtilityWindow";

LRESULT CALLBACK UtilityWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* method = reinterpret_cast<TWndMethod*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (method == nullptr || !*method) return DefWindowProcA(window, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam, 0};
  try {
    (*method)(message);
  } catch (...) {
    HandleException(std::current_exception());
    return 0;
  }
  return message.Result;
}

void RegisterUtilityClass(HINSTANCE instance) {
  WNDCLASSA existing;
  if (GetClassInfoA(instance, kClassName, &existing)) return;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = &UtilityWindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  if (RegisterClassA(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) RaiseLastOSError();
}
}  // namespace

HWND AllocateHWnd(const TWndMethod& method) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterUtilityClass(instance);
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                                nullptr);
  if (window == nullptr) RaiseLastOSError();
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new TWndMethod(method)));
  return window;
}

void DeallocateHWnd(HWND window) {
  if (window == nullptr) return;
  auto* method = reinterpret_cast<TWndMethod*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
  delete method;
}
