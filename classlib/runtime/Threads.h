#pragma once
#include <atomic>
#include <exception>
#include <functional>

#include "classlib/runtime/Events.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/WinApi.h"

using TThreadMethod = TEvent<>;

// The thread the process started on: the window thread, where synchronized methods run.
DWORD MainThreadID();

// Runs the methods that threads handed to Synchronize, in the order they came, on the
// window thread (elsewhere it does nothing). Waits up to `timeoutMs` for one to arrive
// when none is pending. Answers true when a method ran. The application's message loop
// calls it; the hidden runtime window also calls it when a thread posts its wake-up
// message, so modal loops (message boxes, menus) serve the queue too.
bool CheckSynchronize(unsigned timeoutMs = 0);

// A system thread running Execute. It is created suspended: Start (or Resume) lets it
// run, which a derived constructor may do last when the thread should run at once.
// An exception escaping Execute ends the thread quietly and is kept in FatalException.
// When Execute has ended, OnTerminate runs on the window thread; then, with
// FreeOnTerminate, the thread object deletes itself.
// A thread whose Execute uses members of a derived class must be stopped (Terminate,
// WaitFor) before those members go, i.e. in the derived destructor at the latest.
class TThread : public TObject {
  CLASSLIB_CLASS(TThread, TObject)
 public:
  TThread();
  ~TThread() override;

  void Start();
  void Resume() { Start(); }
  // Asks Execute to stop: Terminated() answers true from now on.
  void Terminate() { terminated_.store(true); }
  bool Terminated() const { return terminated_.load(); }
  // Waits until the thread has ended and answers ReturnValue (at once for a thread
  // never started). On the window thread the wait serves Synchronize requests and sent
  // messages.
  int WaitFor();

  bool Suspended() const { return !started_; }
  bool Finished() const { return finished_.load(); }
  bool FreeOnTerminate() const { return freeOnTerminate_; }
  void SetFreeOnTerminate(bool value) { freeOnTerminate_ = value; }
  HANDLE Handle() const { return handle_; }
  DWORD ThreadID() const { return threadId_; }
  int ReturnValue() const { return returnValue_; }
  std::exception_ptr FatalException() const { return fatalException_; }

  TNotifyEvent OnTerminate;

 protected:
  virtual void Execute() = 0;
  void SetReturnValue(int value) { returnValue_ = value; }
  // Runs `method` on the window thread and waits until it has run; an exception it
  // raises is raised again here. On the window thread itself it runs at once.
  void Synchronize(const TThreadMethod& method);
  void Synchronize(const std::function<void()>& call);
  // Calls OnTerminate on the window thread (through Synchronize).
  virtual void DoTerminate();

 private:
  static unsigned __stdcall ThreadProc(void* self);
  void Run();
  void CallOnTerminate();

  HANDLE handle_ = nullptr;
  unsigned threadId_ = 0;
  bool started_ = false;
  bool freeOnTerminate_ = false;
  bool skipExecute_ = false;
  std::atomic<bool> terminated_{false};
  std::atomic<bool> finished_{false};
  int returnValue_ = 0;
  std::exception_ptr fatalException_;
};
