#include "classlib/runtime/Threads.h"

#include <process.h>

#include <deque>
#include <memory>
#include <mutex>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/UtilityWindow.h"

namespace {

// Taken while the process starts, on the thread that runs static initialisation.
const DWORD g_mainThreadId = GetCurrentThreadId();

constexpr UINT kWakeMessage = WM_APP + 0x3E1;

// A system event handle owned for the scope.
class ScopedEvent {
 public:
  explicit ScopedEvent(bool manualReset) : handle_(CreateEventA(nullptr, manualReset, FALSE, nullptr)) {
    if (handle_ == nullptr) RaiseLastOSError();
  }
  ~ScopedEvent() { CloseHandle(handle_); }
  ScopedEvent(const ScopedEvent&) = delete;
  ScopedEvent& operator=(const ScopedEvent&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

struct SyncRequest {
  std::function<void()> call;
  ScopedEvent done{true};
  std::exception_ptr error;
};

// The queue of synchronized methods and the hidden window that is woken for them.
class SyncQueue {
 public:
  static SyncQueue& Instance() {
    static SyncQueue queue;
    return queue;
  }

  // Makes the wake-up window when on the window thread and it is missing.
  void EnsureWindow() {
    if (GetCurrentThreadId() != g_mainThreadId || window_ != nullptr) return;
    window_.store(AllocateHWnd(TWndMethod(this, &SyncQueue::WindowMethod)));
  }

  void Post(SyncRequest* request) {
    {
      std::lock_guard guard(lock_);
      pending_.push_back(request);
    }
    SetEvent(signal_.get());
    HWND window = window_.load();
    if (window != nullptr) PostMessageA(window, kWakeMessage, 0, 0);
  }

  bool Serve(unsigned timeoutMs) {
    if (GetCurrentThreadId() != g_mainThreadId) return false;
    EnsureWindow();
    if (timeoutMs > 0 && Empty()) WaitForSingleObject(signal_.get(), timeoutMs);
    bool ran = false;
    while (SyncRequest* request = Take()) {
      try {
        request->call();
      } catch (...) {
        request->error = std::current_exception();
      }
      SetEvent(request->done.get());
      ran = true;
    }
    return ran;
  }

  HANDLE Signal() const { return signal_.get(); }

 private:
  SyncQueue() = default;

  bool Empty() {
    std::lock_guard guard(lock_);
    return pending_.empty();
  }

  SyncRequest* Take() {
    std::lock_guard guard(lock_);
    if (pending_.empty()) {
      ResetEvent(signal_.get());
      return nullptr;
    }
    SyncRequest* request = pending_.front();
    pending_.pop_front();
    return request;
  }

  void WindowMethod(TMessage& message) {
    if (message.Msg == kWakeMessage) {
      Serve(0);
      message.Result = 0;
    } else {
      message.Result = DefWindowProcA(window_.load(), message.Msg, message.WParam, message.LParam);
    }
  }

  std::mutex lock_;
  std::deque<SyncRequest*> pending_;
  ScopedEvent signal_{true};
  std::atomic<HWND> window_{nullptr};
};

}  // namespace

DWORD MainThreadID() { return g_mainThreadId; }

bool CheckSynchronize(unsigned timeoutMs) { return SyncQueue::Instance().Serve(timeoutMs); }

TThread::TThread() {
  SyncQueue::Instance().EnsureWindow();
  handle_ = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &TThread::ThreadProc, this, CREATE_SUSPENDED, &threadId_));
  if (handle_ == nullptr) throw EThread("Thread creation error: " + SysErrorMessage(GetLastError()));
}

TThread::~TThread() {
  if (GetCurrentThreadId() == threadId_) {  // freed by itself at its end
    CloseHandle(handle_);
    return;
  }
  if (!started_) {
    // Never run: let the system thread end without calling Execute.
    skipExecute_ = true;
    started_ = true;
    ResumeThread(handle_);
  }
  Terminate();
  WaitFor();
  CloseHandle(handle_);
}

void TThread::Start() {
  if (started_) return;
  started_ = true;
  ResumeThread(handle_);
}

unsigned __stdcall TThread::ThreadProc(void* self) {
  static_cast<TThread*>(self)->Run();
  return 0;
}

void TThread::Run() {
  if (skipExecute_) {
    finished_.store(true);
    return;
  }
  try {
    Execute();
  } catch (...) {
    fatalException_ = std::current_exception();
  }
  const bool freeThread = freeOnTerminate_;
  finished_.store(true);
  try {
    DoTerminate();
  } catch (...) {
    HandleException(std::current_exception());
  }
  if (freeThread) delete this;
}

void TThread::DoTerminate() {
  if (OnTerminate) Synchronize(TThreadMethod(this, &TThread::CallOnTerminate));
}

void TThread::CallOnTerminate() { OnTerminate(this); }

int TThread::WaitFor() {
  if (GetCurrentThreadId() == threadId_) throw EThread("A thread cannot wait for itself");
  if (!started_) return returnValue_;  // never ran: nothing to wait for
  if (GetCurrentThreadId() != g_mainThreadId) {
    WaitForSingleObject(handle_, INFINITE);
    return returnValue_;
  }
  HANDLE handles[2] = {handle_, SyncQueue::Instance().Signal()};
  for (;;) {
    const DWORD r = MsgWaitForMultipleObjects(2, handles, FALSE, INFINITE, QS_SENDMESSAGE);
    if (r == WAIT_OBJECT_0) break;
    if (r == WAIT_OBJECT_0 + 1) {
      CheckSynchronize();
    } else if (r == WAIT_OBJECT_0 + 2) {
      MSG msg;
      PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // delivers the sent messages
    } else {
      RaiseLastOSError();
    }
  }
  return returnValue_;
}

void TThread::Synchronize(const TThreadMethod& method) {
  Synchronize(std::function<void()>([method] { method(); }));
}

void TThread::Synchronize(const std::function<void()>& call) {
  if (GetCurrentThreadId() == g_mainThreadId) {
    call();
    return;
  }
  SyncRequest request;
  request.call = call;
  SyncQueue::Instance().Post(&request);
  WaitForSingleObject(request.done.get(), INFINITE);
  if (request.error) std::rethrow_exception(request.error);
}
