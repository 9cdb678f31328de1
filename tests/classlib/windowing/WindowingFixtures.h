#pragma once
#include <string>
#include <vector>

#include "classlib/windowing/Application.h"
#include "classlib/windowing/CustomControl.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/GraphicControl.h"
#include "test_support.h"

// A windowed control that fills its client area with its colour.
class TColorPanel : public TCustomControl {
  CLASSLIB_CLASS(TColorPanel, TCustomControl)
 public:
  explicit TColorPanel(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  }

 protected:
  void Paint() override { Canvas()->FillRect(ClientRect()); }
};

// A window-less control that fills itself with its colour.
class TColorShape : public TGraphicControl {
  CLASSLIB_CLASS(TColorShape, TGraphicControl)
 public:
  explicit TColorShape(TComponent* owner) : TGraphicControl(owner) {}

 protected:
  void Paint() override { Canvas()->FillRect(ClientRect()); }
};

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

// A form on screen for a test, freed at the end.
inline TForm* ShowTestForm(int clientWidth, int clientHeight) {
  auto* form = new TForm(nullptr, CreateNew);
  form->SetBounds(60, 60, 100, 100);
  form->SetClientSize(clientWidth, clientHeight);
  form->Show();
  testsupport::PumpMessages(100);
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
