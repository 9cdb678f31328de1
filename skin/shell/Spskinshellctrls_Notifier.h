#pragma once
#include <memory>

#include "classlib/runtime/Component.h"
#include "classlib/runtime/Sets.h"
#include "classlib/runtime/Threads.h"

// The change notifier of the shell controls: a watcher thread waits on the system's
// file-change notification for one folder and calls OnChange on the window thread.

enum TNotifyFilter {
  nfFileNameChange, nfDirNameChange, nfAttributeChange, nfSizeChange, nfWriteChange, nfSecurityChange
};
using TNotifyFilters = TSet<TNotifyFilter>;
// FILE_NOTIFY_CHANGE_* flags of the set.
DWORD NotifyFiltersToFlags(TNotifyFilters filters);

using TRoot = AnsiString;

// Waits for changes in one folder and reports each through Synchronize. Owned by its
// notifier (not freed by itself); option changes and the end wake it through events of
// its own, so the handle it waits on is only ever replaced by the watcher itself.
class TspShellChangeThread : public TThread {
  CLASSLIB_CLASS(TspShellChangeThread, TThread)
 public:
  // Created suspended; give it its options, then Start.
  explicit TspShellChangeThread(const TThreadMethod& onChange);
  ~TspShellChangeThread() override;

  // Hands new options to the watcher, which opens a handle for them when it next wakes
  // (woken at once). False when the watcher has already ended (its folder could not be
  // watched): it takes no options any more.
  bool SetDirectoryOptions(const AnsiString& directory, bool watchSubTree, DWORD flags);
  void SetOnChange(const TThreadMethod& onChange);
  // Window thread: forgets the method, marks the watcher terminated and wakes it.
  void Stop();

 protected:
  void Execute() override;

 private:
  class THandles;
  void Watch();
  bool OpenChangeHandle();
  bool ApplyChangedOptions();
  void CallOnChange();

  std::unique_ptr<THandles> handles_;
  TThreadMethod onChange_;
  AnsiString directory_;
  bool watchSubTree_ = false;
  bool optionsChanged_ = false;
  bool ended_ = false;
  DWORD flags_ = 0;
};

class TspCustomShellChangeNotifier : public TComponent {
  CLASSLIB_CLASS(TspCustomShellChangeNotifier, TComponent)
 public:
  explicit TspCustomShellChangeNotifier(TComponent* owner);
  ~TspCustomShellChangeNotifier() override;

  TNotifyFilters NotifyFilters() const { return filters_; }
  void SetFilters(TNotifyFilters filters);
  const TRoot& Root() const { return root_; }
  // Nothing when the text equals Root ignoring case.
  void SetRoot(const TRoot& root);
  bool WatchSubTree() const { return watchSubTree_; }
  void SetWatchSubTree(bool watch);
  const TThreadMethod& OnChange() const { return onChange_; }
  // Assigning a method starts the watcher when none runs.
  void SetOnChange(const TThreadMethod& onChange);
  // The watcher at work (none while OnChange is unassigned).
  TspShellChangeThread* Watcher() const { return thread_.get(); }

 protected:
  // Starts a watcher with the current options when OnChange is assigned.
  void Start();
  // Hands the current options to the watcher; one that has ended is replaced.
  void Change();

 private:
  void StopWatcher();

  TNotifyFilters filters_{nfFileNameChange, nfDirNameChange};
  bool watchSubTree_ = true;
  TRoot root_ = "C:\\";
  std::unique_ptr<TspShellChangeThread> thread_;
  TThreadMethod onChange_;
};

class TspShellChangeNotifier : public TspCustomShellChangeNotifier {
  CLASSLIB_CLASS(TspShellChangeNotifier, TspCustomShellChangeNotifier)
 public:
  using TspCustomShellChangeNotifier::TspCustomShellChangeNotifier;
};
