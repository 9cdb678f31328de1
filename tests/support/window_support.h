#pragma once
// Helpers for tests that show real windows: forms on screen, message recording, serving
// the application's queue, real input, captures and screenshots, modal forms, and the
// program's system actions recorded in memory.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/graphics/Bitmap.h"
#include "classlib/runtime/SystemActions.h"
#include "classlib/windowing/Application.h"
#include "classlib/windowing/Forms.h"
#include "test_support.h"

namespace testsupport {

// Sees every message of a control first by replacing its WindowProc; records the
// numbers it is told to watch as "<name>:<number>".
class TMessageSpy {
 public:
  TMessageSpy(TControl* control, std::string name, std::vector<UINT> watched, std::vector<std::string>* log)
      : control_(control), name_(std::move(name)), watched_(std::move(watched)), log_(log) {
    saved_ = control->WindowProc;
    control->WindowProc = TWndMethod(this, &TMessageSpy::Spy);
  }
  ~TMessageSpy() { control_->WindowProc = saved_; }
  TMessageSpy(const TMessageSpy&) = delete;
  TMessageSpy& operator=(const TMessageSpy&) = delete;

 private:
  void Spy(TMessage& message) {
    for (UINT m : watched_) {
      if (m == message.Msg) log_->push_back(name_ + ":" + std::to_string(message.Msg));
    }
    saved_(message);
  }
  TControl* control_;
  std::string name_;
  std::vector<UINT> watched_;
  std::vector<std::string>* log_;
  TWndMethod saved_;
};

// A form on screen for a test, freed by the caller.
inline TForm* ShowTestForm(int clientWidth, int clientHeight) {
  auto* form = new TForm(nullptr, CreateNew);
  form->SetBounds(60, 60, 100, 100);
  form->SetClientSize(clientWidth, clientHeight);
  form->Show();
  PumpMessages(100);
  return form;
}

// The class name of a window.
inline std::string WindowClassName(HWND window) {
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The text of a window as WM_GETTEXT answers it.
inline std::string WindowText(HWND window) {
  char text[256] = {};
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

// Serves the application's queue (with its idle work) for `ms` milliseconds.
inline void ServeApplication(unsigned ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    Application->ProcessMessages();
    Application->DoIdle();
    Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

// Real input through the system's input queue (SendInput), as a user gives it. Points are
// in the control's client coordinates; the queue is served after each step so the
// control sees the input before the call returns.
void MoveMouse(TControl* control, int x, int y);
void Click(TControl* control, int x, int y, TMouseButton button = mbLeft, TShiftState shift = {});
void DoubleClick(TControl* control, int x, int y, TMouseButton button = mbLeft);
// Presses at (fromX, fromY), moves in a few steps to (toX, toY) and releases there.
void Drag(TControl* control, int fromX, int fromY, int toX, int toY, TMouseButton button = mbLeft);
// Presses at the first point, moves through the others one step each and releases at the last.
void DragAlong(TControl* control, const std::vector<TPoint>& path, TMouseButton button = mbLeft);
// A mouse button held down at a point of the control, and its release where the pointer is.
void HoldMouse(TControl* control, int x, int y, TMouseButton button = mbLeft);
void ReleaseMouse(TMouseButton button = mbLeft);
// A key held down, and its release (for what happens in between).
void HoldKey(WORD virtualKey);
void ReleaseKey(WORD virtualKey);
// Holds the modifier keys of `shift` (ssShift, ssCtrl, ssAlt) around one key stroke.
void PressKey(WORD virtualKey, TShiftState shift = {});
// Types printable characters (letters, digits, blanks and punctuation) one by one.
void TypeText(const std::string& text);

// What a window shows, read from its window context: one pixel, or a rectangle of the
// window as a 32-bit bitmap (the whole window when `rect` is empty).
COLORREF ControlPixel(TControl* control, int x, int y);
std::unique_ptr<TBitmap> CaptureWindow(HWND window, const TRect& rect = TRect{});

// Makes a form of class F with NewForm (its resource read, OnCreate run), shows it and
// serves the queue until it has painted. Freed by the caller.
template <class F, class... Args>
F* ShowForm(Args&&... args) {
  F* form = NewForm<F>(std::forward<Args>(args)...);
  form->Show();
  form->Update();
  ServeApplication(50);
  return form;
}

// Serves the application's queue (with its idle work) until `done` answers true or
// `timeoutMs` passes; answers `done()`.
bool ServeUntil(const std::function<bool()>& done, unsigned timeoutMs = 5000);

// Real left click at a point of the client area of any window, also of another program.
void Click(HWND window, int x, int y);

// Saves what the window shows as a PNG file "<name>.png" in the build tree's
// test-output folder; answers the file's path (empty when it could not be written).
std::string SaveScreenshot(HWND window, const std::string& name);

// Runs `action` on the next form of class F that shows modally while this object lives
// (the action may end it with SetModalResult); when the object goes without such a form
// having shown, the test fails naming F. One at a time.
class TModalWatch {
 public:
  TModalWatch(TClass formClass, std::function<void(TCustomForm*)> action);
  ~TModalWatch();
  TModalWatch(const TModalWatch&) = delete;
  TModalWatch& operator=(const TModalWatch&) = delete;

 private:
  static void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD);
  TClass formClass_;
  std::function<void(TCustomForm*)> action_;
  UINT_PTR timer_ = 0;
  bool seen_ = false;
};

template <class F>
[[nodiscard]] std::unique_ptr<TModalWatch> OnNextModal(std::function<void(F*)> action) {
  return std::make_unique<TModalWatch>(F::StaticClass(),
                                       [action](TCustomForm* form) { action(static_cast<F*>(form)); });
}

// Takes the program's system actions down in memory for its lifetime (shell opens, runs,
// shutdowns and beeps do nothing; boxes answer from `answers`, then with their default
// button), restoring the handlers before it afterwards.
class TRecordedActions : public TActionRecorder {
 public:
  explicit TRecordedActions(std::vector<int> answers = {});
  ~TRecordedActions() override;
  TRecordedActions(const TRecordedActions&) = delete;
  TRecordedActions& operator=(const TRecordedActions&) = delete;

  // The requests so far: kind first, then the arguments (TActionRecorder).
  const std::vector<std::vector<std::string>>& Lines() const { return lines_; }

  void Record(const std::vector<AnsiString>& fields) override;
  int NextBoxAnswer(unsigned flags) override;

 private:
  std::vector<int> answers_;
  size_t next_ = 0;
  std::vector<std::vector<std::string>> lines_;
  TSystemActionHandlers previous_;
};

}  // namespace testsupport
