#pragma once
// Drives a real program of the build in a process of its own: staged in a fresh folder,
// started with its own settings file and with its system actions recorded, watched for
// its windows and fed real input.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

// Copies what `program` (an executable of the build's bin folder) needs to run into a
// fresh temporary folder named after it: the program itself, every library and data
// file beside it and the data folders (profiles, skins), but no other program and no
// file named in `omit`. Answers the folder with its trailing backslash.
std::string StageProgram(const std::string& program, const std::vector<std::string>& omit = {});

// One run of a staged program. The program finds its settings file "LastSettings.ini"
// written from `settings` (lines of its [LastSettings] section, "Key=Value") and records
// its system actions in the folder's "actions.log", boxes answering from `boxAnswers`
// ("6,7"). The run is ended when the object goes, if it still runs.
class TProgramRun {
 public:
  TProgramRun(const std::string& folder, const std::string& program, const std::vector<std::string>& settings = {},
              const std::string& boxAnswers = "");
  ~TProgramRun();
  TProgramRun(const TProgramRun&) = delete;
  TProgramRun& operator=(const TProgramRun&) = delete;

  // The first visible top-level window of the program with that class (and caption, when
  // one is given) that has shown so far, waiting for it up to `timeoutMs`; null if none.
  HWND WaitWindow(const std::string& className, const std::string& caption = "", unsigned timeoutMs = 20000);
  // "class|caption" of every top-level window the program has shown, in order of showing.
  std::vector<std::string> Appeared() const;

  // Real input: a left click at a point of the window's client area; text typed (with
  // "\n" as Enter) or a key (with Shift when `shift`), the window brought to the front first.
  void Click(HWND window, int x, int y);
  void Keys(HWND window, const std::string& text);
  void Key(HWND window, WORD key, bool shift = false);
  // Saves what the window shows as the build tree's test-output/<name>.png.
  std::string Screenshot(HWND window, const std::string& name);

  // The recorded actions so far, one list of fields per line.
  std::vector<std::vector<std::string>> ActionsLog() const;

  // Drops files on the window as the shell would (WM_DROPFILES, message 563).
  bool Drop(HWND window, const std::vector<std::string>& files);
  // From now on, "destroyed <class>" is appended to `file` when the window is destroyed.
  bool NoteDestroy(HWND window, const std::string& file);
  // The cells of every row of a report list view of the program.
  std::vector<std::vector<std::string>> ListRows(HWND listView);

  // Waits for the program to end; its exit code, or STILL_ACTIVE after `timeoutMs`.
  DWORD ExitCode(unsigned timeoutMs = 20000);
  HANDLE Process() const { return process_.hProcess; }
  const std::string& Folder() const { return folder_; }

 private:
  void Watch();
  void NoteWindows();
  void LoadHook();
  DWORD CallHook(const char* entry, const void* block, size_t bytes);

  std::string folder_;
  PROCESS_INFORMATION process_{};
  mutable std::mutex lock_;
  std::vector<std::pair<HWND, std::string>> seen_;
  std::atomic<bool> stop_{false};
  std::thread watcher_;
  HMODULE localHook_ = nullptr;
  uintptr_t remoteHook_ = 0;
};

}  // namespace testsupport
