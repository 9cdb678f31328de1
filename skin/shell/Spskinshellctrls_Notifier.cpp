#include "skin/shell/Spskinshellctrls_Notifier.h"

#include <mutex>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/SysUtils.h"
#include "skin/shell/Spskinshellctrls.h"

DWORD NotifyFiltersToFlags(TNotifyFilters filters) {
  static constexpr DWORD kFlags[] = {FILE_NOTIFY_CHANGE_FILE_NAME,  FILE_NOTIFY_CHANGE_DIR_NAME,
                                     FILE_NOTIFY_CHANGE_ATTRIBUTES, FILE_NOTIFY_CHANGE_SIZE,
                                     FILE_NOTIFY_CHANGE_LAST_WRITE, FILE_NOTIFY_CHANGE_SECURITY};
  DWORD flags = 0;
  for (int filter = nfFileNameChange; filter <= nfSecurityChange; ++filter) {
    if (filters.Contains(static_cast<TNotifyFilter>(filter))) flags |= kFlags[filter];
  }
  return flags;
}

// The watcher's system objects: the stop mutex (owned by the creating thread until Stop
// lets it go), the options event and the change notification handle.
class TspShellChangeThread::THandles {
 public:
  THandles()
      : stopMutex(CreateMutexA(nullptr, TRUE, nullptr)), optionsEvent(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {
    if (stopMutex == nullptr || optionsEvent == nullptr) {
      Close();
      RaiseLastOSError();
    }
  }
  ~THandles() { Close(); }
  THandles(const THandles&) = delete;
  THandles& operator=(const THandles&) = delete;

  void ReplaceChange(HANDLE handle) {
    if (change != INVALID_HANDLE_VALUE) FindCloseChangeNotification(change);
    change = handle;
  }

  HANDLE stopMutex;
  HANDLE optionsEvent;
  HANDLE change = INVALID_HANDLE_VALUE;

 private:
  void Close() {
    ReplaceChange(INVALID_HANDLE_VALUE);
    if (stopMutex != nullptr) CloseHandle(stopMutex);
    if (optionsEvent != nullptr) CloseHandle(optionsEvent);
  }
};

TspShellChangeThread::TspShellChangeThread(const TThreadMethod& onChange)
    : handles_(std::make_unique<THandles>()), onChange_(onChange) {}

TspShellChangeThread::~TspShellChangeThread() {
  if (!Finished() && !Suspended()) {
    Stop();
    WaitFor();
  }
}

bool TspShellChangeThread::SetDirectoryOptions(const AnsiString& directory, bool watchSubTree, DWORD flags) {
  {
    std::lock_guard guard(ShellControlsLock());
    if (ended_) return false;
    directory_ = directory;
    watchSubTree_ = watchSubTree;
    flags_ = flags;
    optionsChanged_ = true;
  }
  SetEvent(handles_->optionsEvent);
  return true;
}

void TspShellChangeThread::SetOnChange(const TThreadMethod& onChange) {
  std::lock_guard guard(ShellControlsLock());
  onChange_ = onChange;
}

void TspShellChangeThread::Stop() {
  SetOnChange(nullptr);
  Terminate();
  if (handles_->stopMutex != nullptr) {
    ReleaseMutex(handles_->stopMutex);
  }
}

// Under the unit's lock: a handle for the stored options replaces the watched one; false
// (and the watcher ends) when the folder cannot be watched.
bool TspShellChangeThread::OpenChangeHandle() {
  HANDLE change = FindFirstChangeNotificationA(directory_.c_str(), watchSubTree_, flags_);
  optionsChanged_ = false;
  if (change == INVALID_HANDLE_VALUE) return false;
  handles_->ReplaceChange(change);
  return true;
}

bool TspShellChangeThread::ApplyChangedOptions() {
  std::lock_guard guard(ShellControlsLock());
  return !optionsChanged_ || OpenChangeHandle();
}

void TspShellChangeThread::CallOnChange() {
  TThreadMethod method;
  {
    std::lock_guard guard(ShellControlsLock());
    method = onChange_;
  }
  method();
}

void TspShellChangeThread::Execute() {
  Watch();
  std::lock_guard guard(ShellControlsLock());
  ended_ = true;
}

void TspShellChangeThread::Watch() {
  {
    std::lock_guard guard(ShellControlsLock());
    if (!OpenChangeHandle()) return;
  }
  while (!Terminated()) {
    HANDLE waits[] = {handles_->change, handles_->stopMutex, handles_->optionsEvent};
    const DWORD woken = WaitForMultipleObjects(3, waits, FALSE, INFINITE);
    if (woken == WAIT_OBJECT_0) {
      if (!Terminated()) Synchronize(TThreadMethod(this, &TspShellChangeThread::CallOnChange));
      FindNextChangeNotification(handles_->change);
    } else if (woken == WAIT_OBJECT_0 + 1 || woken == WAIT_ABANDONED_0 + 1) {
      ReleaseMutex(handles_->stopMutex);
    } else if (woken != WAIT_OBJECT_0 + 2) {
      return;
    }
    if (!Terminated() && !ApplyChangedOptions()) return;
  }
}

TspCustomShellChangeNotifier::TspCustomShellChangeNotifier(TComponent* owner) : TComponent(owner) { Start(); }

TspCustomShellChangeNotifier::~TspCustomShellChangeNotifier() { StopWatcher(); }

void TspCustomShellChangeNotifier::StopWatcher() {
  if (!thread_) return;
  thread_->Stop();
  thread_->WaitFor();
  thread_.reset();
}

void TspCustomShellChangeNotifier::Start() {
  if (!onChange_ || thread_) return;
  auto thread = std::make_unique<TspShellChangeThread>(onChange_);
  thread->SetDirectoryOptions(root_, watchSubTree_, NotifyFiltersToFlags(filters_));
  thread->Start();
  thread_ = std::move(thread);
}

void TspCustomShellChangeNotifier::Change() {
  if (!thread_) return;
  if (thread_->SetDirectoryOptions(root_, watchSubTree_, NotifyFiltersToFlags(filters_))) return;
  StopWatcher();
  Start();
}

void TspCustomShellChangeNotifier::SetFilters(TNotifyFilters filters) {
  filters_ = filters;
  Change();
}

void TspCustomShellChangeNotifier::SetRoot(const TRoot& root) {
  if (SameText(root, root_)) return;
  root_ = root;
  Change();
}

void TspCustomShellChangeNotifier::SetWatchSubTree(bool watch) {
  watchSubTree_ = watch;
  Change();
}

void TspCustomShellChangeNotifier::SetOnChange(const TThreadMethod& onChange) {
  onChange_ = onChange;
  if (thread_)
    thread_->SetOnChange(onChange);
  else
    Start();
}
