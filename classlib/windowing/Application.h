#pragma once
#include <exception>
#include <vector>

#include "classlib/graphics/Icon.h"
#include "classlib/runtime/Component.h"
#include "classlib/runtime/Messages.h"
#include "classlib/windowing/Control.h"

class TCustomForm;
class THintWindow;

// What a hint about to show carries; OnShowHint may change it.
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;  // screen point of the hint window's corner
  int HintMaxWidth = 0;
  AnsiString HintStr;  // the text shown (the short part of the control's hint)
};

using TMessageEvent = TEvent<MSG&, bool&>;
using TIdleEvent = TEvent<TObject*, bool&>;
using TExceptionEvent = TEvent<TObject*, const std::exception_ptr&>;
using TShowHintEvent = TEvent<AnsiString&, bool&, THintInfo&>;
// A hook of the application window: sets its bool when it handled the message.
using TWindowHook = TEvent<TMessage&, bool&>;

// The text before the first "|" of a hint (all of it without one), and the text after.
AnsiString GetShortHint(const AnsiString& hint);
AnsiString GetLongHint(const AnsiString& hint);

// The program: its message loop (and the one inside modal forms), a hidden window
// owning the forms, the main form, exception display, the pointer's control and hints.
//
// Each message taken from the queue goes to OnMessage first; key downs then go to the
// active form's IsShortCut; dialog keys (Tab, arrows, Enter, Escape) the focused control
// does not want go to its form as CM_DIALOGKEY; Alt+letters nobody took go to the form
// as CM_DIALOGCHAR; everything else is translated and dispatched. Every loop serves
// Synchronize.
class TApplication : public TComponent {
  CLASSLIB_CLASS(TApplication, TComponent)
 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  void Initialize() {}
  // The hidden application window (made on first use).
  HWND Handle();
  template <class T>
  void CreateForm(T*& reference) {
    reference = new T(this);
    AddForm(reference);
  }
  // Shows the main form and serves messages until Terminate; then frees the forms.
  void Run();
  // Serves one message, or idles and waits when there is none.
  void HandleMessage();
  // Serves every message waiting, and Synchronize requests.
  void ProcessMessages();
  // What the loops do when the queue is empty: track the pointer's control, serve
  // hints and Synchronize, run OnIdle.
  void DoIdle();
  void Terminate();
  // Minimises the application window, which hides the forms it owns, and restores it.
  void Minimize();
  void Restore();
  bool Minimized();
  bool Terminated() const { return terminated_; }

  TCustomForm* MainForm() const { return mainForm_; }
  bool ShowMainForm = true;
  AnsiString Title() const { return title_; }
  void SetTitle(const AnsiString& title);
  TIcon* Icon() const { return icon_; }

  int MessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags);
  // The help file of forms that name none.
  AnsiString HelpFile() const { return helpFile_; }
  void SetHelpFile(const AnsiString& file) { helpFile_ = file; }
  // Opens the topic `context` of the help file in use (the active form's HelpFile, else the
  // application's) through the system's help (ShowHelp); false without a help file or when
  // the help refused.
  bool HelpContext(int context);
  // Shows (or hands to OnException) the exception being handled; EAbort stays silent.
  void HandleException(TObject* sender);
  void ShowException(const std::exception_ptr& error);

  void HookMainWindow(const TWindowHook& hook);
  void UnhookMainWindow(const TWindowHook& hook);

  AnsiString Hint() const { return hint_; }
  void SetHint(const AnsiString& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on);
  int HintPause = 500;
  // The wait before the next control's hint while a hint is still showing.
  int HintShortPause = 50;
  int HintHidePause = 2500;
  TClass HintWindowClass() const { return hintWindowClass_; }
  void SetHintWindowClass(TClass windowClass);
  void CancelHint();
  // The hint window now in use (null while none was shown).
  THintWindow* HintWindow() const { return hintWindow_; }
  // The control under the pointer as last seen.
  TControl* MouseControl() const { return mouseControl_; }

  // Frees the control after the current message (CM_RELEASE to the application window).
  void ReleaseLater(TControl* control);
  // A control is being freed: the application forgets it.
  void ControlDestroying(TControl* control);

  TMessageEvent OnMessage;
  TIdleEvent OnIdle;
  TExceptionEvent OnException;
  TNotifyEvent OnHint;
  TShowHintEvent OnShowHint;

 private:
  void AddForm(TCustomForm* form);
  void IconChanged(TObject* sender);
  bool ProcessMessage(MSG& msg);
  bool IsKeyMsg(MSG& msg);
  void UpdateMouseControl();
  void HintControlChanged(TControl* control);
  void ActivateHint();
  void WndProc(TMessage& message);
  void FreeReleased();

  HWND handle_ = nullptr;
  std::vector<HWND> hiddenByMinimize_;
  class TCreationBinding* creation_ = nullptr;
  TWndMethod method_;
  std::vector<TWindowHook> hooks_;
  TCustomForm* mainForm_ = nullptr;
  bool terminated_ = false;
  AnsiString title_;
  AnsiString helpFile_;
  TIcon* icon_;
  AnsiString hint_;
  bool showHint_ = true;
  TClass hintWindowClass_;
  THintWindow* hintWindow_ = nullptr;
  TControl* hintControl_ = nullptr;
  TControl* mouseControl_ = nullptr;
  std::vector<TControl*> released_;
};

// The one application object, made at start-up.
extern TApplication* Application;
