#include "classlib/windowing/Application.h"

#include <algorithm>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/SystemActions.h"
#include "classlib/runtime/Threads.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/HintWindow.h"
#include "classlib/windowing/Screen.h"
#include "classlib/windowing/WindowBinding.h"

namespace {
constexpr UINT_PTR kHintShowTimer = 1;
constexpr UINT_PTR kHintHideTimer = 2;
constexpr int kHintMaxWidth = 300;

void ApplicationExceptionHandler(const std::exception_ptr& error) {
  if (Application == nullptr) return;
  try {
    std::rethrow_exception(error);
  } catch (...) {
    Application->HandleException(Application);
  }
}

// Application and Screen exist from start-up on: code of every unit may use them.
struct TGlobalObjects {
  TGlobalObjects() {
    Application = new TApplication(nullptr);
    Screen = new TScreen(nullptr);
  }
} g_globals;
}  // namespace

TApplication* Application;
TScreen* Screen;

AnsiString GetShortHint(const AnsiString& hint) {
  const int bar = hint.Pos("|");
  return bar == 0 ? hint : hint.SubString(1, bar - 1);
}

AnsiString GetLongHint(const AnsiString& hint) {
  const int bar = hint.Pos("|");
  return bar == 0 ? hint : hint.SubString(bar + 1, hint.Length() - bar);
}

TApplication::TApplication(TComponent* owner)
    : TComponent(owner), method_(this, &TApplication::WndProc), icon_(new TIcon),
      hintWindowClass_(THintWindow::StaticClass()) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  AnsiString name = path;
  const int slash = std::max(name.LastDelimiter("\\"), 0);
  name = name.SubString(slash + 1, name.Length() - slash);
  const int dot = name.LastDelimiter(".");
  title_ = dot > 0 ? name.SubString(1, dot - 1) : name;
  icon_->OnChange = TNotifyEvent(this, &TApplication::IconChanged);
  SetExceptionHandler(&ApplicationExceptionHandler);
}

TApplication::~TApplication() {
  SetExceptionHandler(nullptr);
  DestroyComponents();  // the hint window among them
  delete icon_;
  if (handle_ != nullptr) DestroyWindow(handle_);
}

HWND TApplication::Handle() {
  if (handle_ != nullptr) return handle_;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  if (!GetClassInfoA(instance, "TApplication", &wc)) {
    wc.lpfnWndProc = &ObjectWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = "TApplication";
    if (RegisterClassA(&wc) == 0) RaiseLastOSError();
  }
  TCreationBinding binding(&method_);
  creation_ = &binding;
  HWND window = CreateWindowExA(0, "TApplication", title_.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  creation_ = nullptr;
  handle_ = window;
  if (handle_ == nullptr) RaiseLastOSError();
  IconChanged(icon_);
  return handle_;
}

void TApplication::IconChanged(TObject*) {
  const auto icon = reinterpret_cast<LPARAM>(icon_->Handle());
  if (handle_ != nullptr) SendMessageA(handle_, WM_SETICON, ICON_BIG, icon);
  for (int i = 0; Screen != nullptr && i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (form->HandleAllocated() && form->Parent() == nullptr) SendMessageA(form->Handle(), WM_SETICON, ICON_BIG, icon);
  }
}

void TApplication::AddForm(TCustomForm* form) {
  if (mainForm_ == nullptr) mainForm_ = form;
  form->AfterConstruction();
}

void TApplication::Run() {
  if (mainForm_ != nullptr && ShowMainForm) mainForm_->Show();
  while (!terminated_) HandleMessage();
  // The forms go in reverse order of making: the main window before what it uses.
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    if (auto* form = dynamic_cast<TCustomForm*>(Components(i))) form->BeforeDestruction();
  }
  mainForm_ = nullptr;
  DestroyComponents();
}

void TApplication::HandleMessage() {
  try {
    MSG msg;
    if (!ProcessMessage(msg)) {
      DoIdle();
      if (!terminated_) WaitMessage();
    }
  } catch (...) {
    HandleException(this);
  }
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
  CheckSynchronize();
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  bool handled = false;
  OnMessage(msg, handled);
  if (handled) return true;
  if ((msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) || msg.message == WM_NCMOUSEMOVE) {
    UpdateMouseControl();
    if (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE) CancelHint();
  }
  if (IsKeyMsg(msg)) return true;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
  return true;
}

bool TApplication::IsKeyMsg(MSG& msg) {
  const bool keyDown = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  if (!keyDown && msg.message != WM_SYSCHAR) return false;
  HWND window = msg.hwnd;
  TWinControl* control = FindControl(window);
  while (control == nullptr && window != nullptr) {
    window = GetParent(window);
    control = FindControl(window);
  }
  TCustomForm* form = control != nullptr ? GetParentForm(control) : nullptr;
  if (form == nullptr) return false;
  if (msg.message == WM_SYSCHAR) return form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
  CancelHint();
  if (form->IsShortCut(msg)) return true;
  const auto key = static_cast<WORD>(msg.wParam);
  switch (key) {
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL:
    case VK_EXECUTE:
      return !control->WantsKey(key) && form->Perform(CM_DIALOGKEY, key, msg.lParam) != 0;
    default:
      return false;
  }
}

void TApplication::DoIdle() {
  UpdateMouseControl();
  CheckSynchronize();
  if (Screen != nullptr) {
    for (int i = 0; i < Screen->FormCount(); ++i) {
      if (TCustomForm* form = Screen->Forms(i); form->Visible()) form->UpdateActions();
    }
  }
  bool done = true;
  OnIdle(this, done);
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

// The forms it owns go out of sight with the application window (not every platform
// hides the owned windows of a hidden owner) and come back with it.
void TApplication::Minimize() {
  if (Minimized()) return;
  ShowWindow(Handle(), SW_MINIMIZE);
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (!form->HandleAllocated() || !IsWindowVisible(form->Handle())) continue;
    if (GetWindow(form->Handle(), GW_OWNER) != handle_) continue;
    ShowWindow(form->Handle(), SW_HIDE);
    hiddenByMinimize_.push_back(form->Handle());
  }
}

void TApplication::Restore() {
  if (!Minimized()) return;
  ShowWindow(Handle(), SW_RESTORE);
  ShowWindow(Handle(), SW_HIDE);
  for (HWND window : hiddenByMinimize_) {
    if (IsWindow(window)) ShowWindow(window, SW_SHOWNA);
  }
  hiddenByMinimize_.clear();
}

bool TApplication::Minimized() { return IsIconic(Handle()) != FALSE; }

void TApplication::SetTitle(const AnsiString& title) {
  title_ = title;
  if (handle_ != nullptr) SetWindowTextA(handle_, title.c_str());
}

int TApplication::MessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) {
  return SystemMessageBox(GetActiveWindow(), text, caption, flags);
}

bool TApplication::HelpContext(int context) {
  TCustomForm* form = Screen != nullptr ? Screen->ActiveForm() : nullptr;
  const AnsiString file = form != nullptr && !form->HelpFile().IsEmpty() ? form->HelpFile() : helpFile_;
  if (file.IsEmpty()) return false;
  return ShowHelp(THelpRequest{form != nullptr ? form->Handle() : Handle(), file, HELP_CONTEXT,
                               static_cast<ULONG_PTR>(context)});
}

void TApplication::HandleException(TObject* sender) {
  std::exception_ptr error = std::current_exception();
  if (!error) return;
  try {
    std::rethrow_exception(error);
  } catch (const EAbort&) {
    return;
  } catch (...) {
  }
  if (OnException) OnException(sender, error);
  else ShowException(error);
}

void TApplication::ShowException(const std::exception_ptr& error) {
  AnsiString text = ExceptionMessage(error);
  if (!text.IsEmpty() && text[text.Length()] != '.') text += ".";
  MessageBox(text, title_, MB_OK | MB_ICONSTOP);
}

void TApplication::HookMainWindow(const TWindowHook& hook) {
  Handle();
  if (std::find(hooks_.begin(), hooks_.end(), hook) == hooks_.end()) hooks_.push_back(hook);
}

void TApplication::UnhookMainWindow(const TWindowHook& hook) { std::erase(hooks_, hook); }

void TApplication::WndProc(TMessage& message) {
  if (handle_ == nullptr && creation_ != nullptr) handle_ = creation_->Window();
  for (const TWindowHook& hook : std::vector<TWindowHook>(hooks_)) {
    bool handled = false;
    hook(message, handled);
    if (handled) return;
  }
  switch (message.Msg) {
    case CM_RELEASE:
      FreeReleased();
      return;
    case WM_TIMER:
      if (message.WParam == kHintShowTimer) ActivateHint();
      else if (message.WParam == kHintHideTimer) CancelHint();
      return;
    case WM_CLOSE:
      if (mainForm_ != nullptr) mainForm_->Close();
      return;
    default:
      message.Result = DefWindowProcA(handle_, message.Msg, message.WParam, message.LParam);
  }
}

void TApplication::SetHint(const AnsiString& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  OnHint(this);
}

void TApplication::SetShowHint(bool on) {
  showHint_ = on;
  if (!on) CancelHint();
}

void TApplication::SetHintWindowClass(TClass windowClass) {
  CancelHint();
  hintWindowClass_ = windowClass;
  FreeAndNil(hintWindow_);
}

void TApplication::UpdateMouseControl() {
  POINT p;
  GetCursorPos(&p);
  HWND window = WindowFromPoint(p);
  TWinControl* windowed = FindControl(window);
  while (windowed == nullptr && window != nullptr) {
    window = GetParent(window);
    windowed = FindControl(window);
  }
  TControl* target = windowed;
  if (windowed != nullptr) {
    ScreenToClient(window, &p);
    if (TControl* inner = windowed->ControlAtPos(Point(p.x, p.y), true)) target = inner;
  }
  if (target == mouseControl_) return;
  TControl* previous = mouseControl_;
  mouseControl_ = target;
  if (previous != nullptr) previous->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(previous));
  if (target != nullptr && target == mouseControl_)
    target->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(target));
  HintControlChanged(mouseControl_);
}

void TApplication::HintControlChanged(TControl* control) {
  TControl* owner = control;
  while (owner != nullptr && owner->Hint().IsEmpty()) owner = owner->Parent();
  SetHint(owner != nullptr ? GetLongHint(owner->Hint()) : AnsiString());
  if (owner == hintControl_) return;
  const bool hintShowing = hintWindow_ != nullptr && hintWindow_->Active();
  CancelHint();
  hintControl_ = owner;
  if (owner == nullptr || !showHint_ || !owner->ShowHint()) return;
  const int pause = hintShowing ? HintShortPause : HintPause;
  if (pause <= 0) ActivateHint();
  else SetTimer(Handle(), kHintShowTimer, static_cast<UINT>(pause), nullptr);
}

void TApplication::ActivateHint() {
  if (handle_ != nullptr) KillTimer(handle_, kHintShowTimer);
  if (hintControl_ == nullptr) return;
  POINT cursor;
  GetCursorPos(&cursor);
  THintInfo info;
  info.HintControl = hintControl_;
  info.HintPos = Point(cursor.x, cursor.y + GetSystemMetrics(SM_CYCURSOR) / 2);
  info.HintMaxWidth = kHintMaxWidth;
  info.HintStr = GetShortHint(hintControl_->Hint());
  bool canShow = hintControl_->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
  OnShowHint(info.HintStr, canShow, info);
  if (!canShow || info.HintStr.IsEmpty()) return;
  if (hintWindow_ == nullptr) hintWindow_ = static_cast<THintWindow*>(hintWindowClass_->Create(this));
  TRect r = hintWindow_->CalcHintRect(info.HintMaxWidth, info.HintStr);
  r = Bounds(info.HintPos.X, info.HintPos.Y, r.Width(), r.Height());
  hintWindow_->ActivateHint(r, info.HintStr);
  if (HintHidePause > 0) SetTimer(Handle(), kHintHideTimer, static_cast<UINT>(HintHidePause), nullptr);
}

void TApplication::CancelHint() {
  if (handle_ != nullptr) {
    KillTimer(handle_, kHintShowTimer);
    KillTimer(handle_, kHintHideTimer);
  }
  if (hintWindow_ != nullptr) hintWindow_->ReleaseHandle();
}

void TApplication::ReleaseLater(TControl* control) {
  if (std::find(released_.begin(), released_.end(), control) != released_.end()) return;
  released_.push_back(control);
  PostMessageA(Handle(), CM_RELEASE, 0, 0);
}

void TApplication::FreeReleased() {
  // Freeing one may free others of the list (owned ones): they leave it then.
  while (!released_.empty()) {
    TControl* control = released_.front();
    released_.erase(released_.begin());
    if (auto* form = dynamic_cast<TCustomForm*>(control)) form->BeforeDestruction();
    delete control;
  }
}

void TApplication::ControlDestroying(TControl* control) {
  std::erase(released_, control);
  if (mouseControl_ == control) mouseControl_ = nullptr;
  if (hintControl_ == control) {
    CancelHint();
    hintControl_ = nullptr;
  }
  if (mainForm_ == control) mainForm_ = nullptr;
}
