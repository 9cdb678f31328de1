#include "classlib/windowing/WindowBinding.h"

#include <exception>

#include "classlib/runtime/Exceptions.h"

namespace {
constexpr const char* kMethodProperty = "ClasslibWndMethod";
thread_local TCreationBinding* g_binding = nullptr;

void Attach(HWND window, const TWndMethod* method) {
  SetPropA(window, kMethodProperty, const_cast<TWndMethod*>(method));
}
}  // namespace

const TWndMethod* BoundMethod(HWND window) {
  return static_cast<const TWndMethod*>(GetPropA(window, kMethodProperty));
}

LRESULT CALLBACK ObjectWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  const TWndMethod* method = BoundMethod(window);
  if (method == nullptr && g_binding != nullptr && g_binding->window_ == nullptr) {
    g_binding->window_ = window;
    method = g_binding->method_;
    Attach(window, method);
  }
  if (method == nullptr) return DefWindowProcA(window, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam, 0};
  try {
    (*method)(message);
  } catch (...) {
    HandleException(std::current_exception());
    return 0;
  }
  if (msg == WM_NCDESTROY) RemovePropA(window, kMethodProperty);
  return message.Result;
}

WNDPROC BindWindow(HWND window, const TWndMethod* method) {
  Attach(window, method);
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ObjectWindowProc)));
}

void UnbindWindow(HWND window, WNDPROC previous) {
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  RemovePropA(window, kMethodProperty);
}

TCreationBinding::TCreationBinding(const TWndMethod* method) : method_(method), previous_(g_binding) {
  g_binding = this;
}

TCreationBinding::~TCreationBinding() { g_binding = previous_; }
