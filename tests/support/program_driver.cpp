#include "program_driver.h"

#include <tlhelp32.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "classlib/runtime/SystemActions.h"
#include "driverhook.h"
#include "test_support.h"
#include "window_support.h"

namespace testsupport {

namespace {

constexpr const char* kActionsLog = "actions.log";
constexpr const char* kSettingsFile = "LastSettings.ini";
constexpr const char* kHookLibrary = "driverhook.dll";
constexpr DWORD kWatchIntervalMs = 2;
constexpr DWORD kHookCallTimeoutMs = 10000;

std::string ExecutableFolderPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string LowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return text;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// What a staged program takes of the bin folder: no other program, none of the files
// that runs write there, nothing omitted.
bool TakenAlong(const std::string& name, const std::string& program, const std::vector<std::string>& omit) {
  const std::string lower = LowerCase(name);
  if (EndsWith(lower, ".exe")) return lower == LowerCase(program);
  if (lower == LowerCase(kSettingsFile) || lower == kActionsLog) return false;
  for (const std::string& omitted : omit) {
    if (lower == LowerCase(omitted)) return false;
  }
  return true;
}

void CopyFolder(const std::string& from, const std::string& to, const std::string& program,
                const std::vector<std::string>& omit) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((from + "*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == ".." || !TakenAlong(name, program, omit)) continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      CreateDirectoryA((to + name).c_str(), nullptr);
      CopyFolder(from + name + "\\", to + name + "\\", program, omit);
    } else {
      CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE);
    }
  } while (FindNextFileA(search, &entry));
  FindClose(search);
}

// This process's environment with the recording variables set for a child.
std::string ChildEnvironment(const std::string& log, const std::string& answers) {
  std::string block;
  char* strings = GetEnvironmentStringsA();
  for (const char* entry = strings; *entry != '\0'; entry += std::strlen(entry) + 1) {
    const std::string text = entry;
    if (text.rfind("CONVERTER_ACTIONS_LOG=", 0) == 0 || text.rfind("CONVERTER_BOX_ANSWERS=", 0) == 0) continue;
    block += text;
    block += '\0';
  }
  FreeEnvironmentStringsA(strings);
  block += "CONVERTER_ACTIONS_LOG=" + log;
  block += '\0';
  if (!answers.empty()) {
    block += "CONVERTER_BOX_ANSWERS=" + answers;
    block += '\0';
  }
  block += '\0';
  return block;
}

std::string WindowCaption(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

uintptr_t RemoteModuleBase(DWORD processId, const char* name) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  uintptr_t base = 0;
  for (BOOL more = Module32First(snapshot, &module); more && base == 0; more = Module32Next(snapshot, &module)) {
    if (LowerCase(module.szModule) == name) base = reinterpret_cast<uintptr_t>(module.modBaseAddr);
  }
  CloseHandle(snapshot);
  return base;
}

// Runs `routine` in the process as a thread's start with `bytes` of `block` copied there.
DWORD RunRemote(HANDLE process, uintptr_t routine, const void* block, size_t bytes) {
  void* remote = VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (remote == nullptr) return 0;
  DWORD result = 0;
  if (WriteProcessMemory(process, remote, block, bytes, nullptr)) {
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(routine), remote,
                                       0, nullptr);
    if (thread != nullptr) {
      if (WaitForSingleObject(thread, kHookCallTimeoutMs) == WAIT_OBJECT_0) GetExitCodeThread(thread, &result);
      CloseHandle(thread);
    }
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  return result;
}

// The visible top-level windows of one process, as EnumWindows finds them.
struct TWindowSearch {
  DWORD processId;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<TWindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window)) search->windows.push_back(window);
  return TRUE;
}

}  // namespace

std::string StageProgram(const std::string& program, const std::vector<std::string>& omit) {
  const std::string folder = FreshTempFolder("staged-" + program) + "\\";
  CopyFolder(ExecutableFolderPath(), folder, program, omit);
  return folder;
}

TProgramRun::TProgramRun(const std::string& folder, const std::string& program,
                         const std::vector<std::string>& settings, const std::string& boxAnswers)
    : folder_(folder) {
  std::ofstream settingsFile(folder + kSettingsFile, std::ios::trunc);
  settingsFile << "[LastSettings]\r\n";
  for (const std::string& line : settings) settingsFile << line << "\r\n";
  settingsFile.close();
  DeleteFileA((folder + kActionsLog).c_str());

  std::string environment = ChildEnvironment(folder + kActionsLog, boxAnswers);
  std::string commandLine = "\"" + folder + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, environment.data(), folder.c_str(),
                      &startup, &process_)) {
    process_ = PROCESS_INFORMATION{};
    return;
  }
  watcher_ = std::thread(&TProgramRun::Watch, this);
}

TProgramRun::~TProgramRun() {
  stop_ = true;
  if (watcher_.joinable()) watcher_.join();
  if (process_.hProcess == nullptr) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 255);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
  if (localHook_ != nullptr) FreeLibrary(localHook_);
}

void TProgramRun::Watch() {
  while (!stop_) {
    NoteWindows();
    if (WaitForSingleObject(process_.hProcess, kWatchIntervalMs) == WAIT_OBJECT_0) break;
  }
}

void TProgramRun::NoteWindows() {
  TWindowSearch search{process_.dwProcessId, {}};
  EnumWindows(&CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
  std::lock_guard<std::mutex> guard(lock_);
  for (HWND window : search.windows) {
    const std::string name = ClassOf(window) + "|" + WindowCaption(window);
    bool known = false;
    for (const auto& [seenWindow, seenName] : seen_) known = known || (seenWindow == window && seenName == name);
    if (!known) seen_.emplace_back(window, name);
  }
}

HWND TProgramRun::WaitWindow(const std::string& className, const std::string& caption, unsigned timeoutMs) {
  HWND found = nullptr;
  PumpUntil(
      [&] {
        std::lock_guard<std::mutex> guard(lock_);
        for (const auto& [window, name] : seen_) {
          const std::string windowClass = name.substr(0, name.find('|'));
          const std::string windowCaption = name.substr(name.find('|') + 1);
          if (windowClass == className && (caption.empty() || windowCaption == caption) && IsWindow(window)) {
            found = window;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  return found;
}

std::vector<std::string> TProgramRun::Appeared() const {
  std::lock_guard<std::mutex> guard(lock_);
  std::vector<std::string> names;
  for (const auto& entry : seen_) names.push_back(entry.second);
  return names;
}

void TProgramRun::Click(HWND window, int x, int y) {
  SetForegroundWindow(window);
  testsupport::Click(window, x, y);
}

void TProgramRun::Keys(HWND window, const std::string& text) {
  SetForegroundWindow(window);
  PumpMessages(50);
  TypeText(text);
}

void TProgramRun::Key(HWND window, WORD key, bool shift) {
  SetForegroundWindow(window);
  PumpMessages(50);
  PressKey(key, shift ? TShiftState{ssShift} : TShiftState{});
}

std::string TProgramRun::Screenshot(HWND window, const std::string& name) { return SaveScreenshot(window, name); }

std::vector<std::vector<std::string>> TProgramRun::ActionsLog() const {
  std::vector<std::vector<std::string>> lines;
  std::ifstream log(folder_ + kActionsLog);
  std::string line;
  while (std::getline(log, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::vector<std::string> fields;
    for (const AnsiString& field : ParseActionLine(line.c_str())) fields.push_back(field.c_str());
    lines.push_back(fields);
  }
  return lines;
}

void TProgramRun::LoadHook() {
  if (remoteHook_ != 0) return;
  const std::string path = folder_ + kHookLibrary;
  localHook_ = LoadLibraryA(path.c_str());
  if (localHook_ == nullptr) return;
  const auto loadLibrary = reinterpret_cast<uintptr_t>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA"));
  RunRemote(process_.hProcess, loadLibrary, path.c_str(), path.size() + 1);
  remoteHook_ = RemoteModuleBase(process_.dwProcessId, kHookLibrary);
}

DWORD TProgramRun::CallHook(const char* entry, const void* block, size_t bytes) {
  LoadHook();
  if (remoteHook_ == 0) return 0;
  const auto local = reinterpret_cast<uintptr_t>(GetProcAddress(localHook_, entry));
  if (local == 0) return 0;
  const uintptr_t remote = remoteHook_ + (local - reinterpret_cast<uintptr_t>(localHook_));
  return RunRemote(process_.hProcess, remote, block, bytes);
}

bool TProgramRun::Drop(HWND window, const std::vector<std::string>& files) {
  std::string list;
  for (const std::string& file : files) {
    list += file;
    list += '\0';
  }
  list += '\0';
  std::vector<char> block(offsetof(DriverDropRequest, FileList) + list.size());
  auto* request = reinterpret_cast<DriverDropRequest*>(block.data());
  request->Window = reinterpret_cast<uintptr_t>(window);
  request->X = 10;
  request->Y = 10;
  request->FileListBytes = static_cast<std::uint32_t>(list.size());
  std::memcpy(request->FileList, list.data(), list.size());
  return CallHook("DriverDropFiles", block.data(), block.size()) == 1;
}

bool TProgramRun::NoteDestroy(HWND window, const std::string& file) {
  DriverWindowRequest request{};
  request.Window = reinterpret_cast<uintptr_t>(window);
  std::strncpy(request.OutputFile, file.c_str(), sizeof request.OutputFile - 1);
  return CallHook("DriverNoteDestroy", &request, sizeof request) == 1;
}

std::vector<std::vector<std::string>> TProgramRun::ListRows(HWND listView) {
  DriverWindowRequest request{};
  request.Window = reinterpret_cast<uintptr_t>(listView);
  const std::string output = folder_ + "list-rows.txt";
  std::strncpy(request.OutputFile, output.c_str(), sizeof request.OutputFile - 1);
  std::vector<std::vector<std::string>> rows;
  if (CallHook("DriverListRows", &request, sizeof request) == 0) return rows;
  std::ifstream file(output);
  std::string line;
  while (std::getline(file, line)) {
    std::vector<std::string> cells(1);
    for (char c : line) {
      if (c == '\t') cells.emplace_back();
      else cells.back() += c;
    }
    rows.push_back(cells);
  }
  return rows;
}

DWORD TProgramRun::ExitCode(unsigned timeoutMs) {
  DWORD code = STILL_ACTIVE;
  if (process_.hProcess == nullptr) return code;
  WaitForSingleObject(process_.hProcess, timeoutMs);
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

}  // namespace testsupport
