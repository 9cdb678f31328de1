#include "classlib/runtime/SystemActions.h"

#include <mutex>

#include "classlib/runtime/SysUtils.h"

namespace {

bool SystemShellOpen(const TShellOpenRequest& request) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.hwnd = request.Owner;
  info.lpVerb = request.Verb.IsEmpty() ? nullptr : request.Verb.c_str();
  info.lpParameters = request.Parameters.IsEmpty() ? nullptr : request.Parameters.c_str();
  info.lpDirectory = request.Directory.IsEmpty() ? nullptr : request.Directory.c_str();
  info.nShow = request.Show;
  info.fMask = request.Mask;
  if (request.ItemIDList != nullptr) {
    info.fMask |= SEE_MASK_INVOKEIDLIST;  // the item's own verbs, through its context menu
    info.lpIDList = const_cast<LPITEMIDLIST>(request.ItemIDList);
  } else {
    info.lpFile = request.File.c_str();
  }
  const bool opened = ShellExecuteExA(&info) != FALSE;
  if (opened && info.hProcess != nullptr) CloseHandle(info.hProcess);
  return opened;
}

bool SystemRunCommand(const AnsiString& commandLine, int show) {
  return WinExec(commandLine.c_str(), static_cast<UINT>(show)) > 31;
}

// A process may end the session only while it holds the shutdown privilege.
bool TakeShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  bool taken = LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid) &&
               AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
               GetLastError() == ERROR_SUCCESS;
  CloseHandle(token);
  return taken;
}

bool SystemShutdown(unsigned flags) {
  TakeShutdownPrivilege();
  return ExitWindowsEx(flags, SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_FLAG_PLANNED) != FALSE;
}

void SystemBeepNow(unsigned type) { MessageBeep(type); }

int SystemBox(const TMessageBoxRequest& request) {
  return MessageBoxA(request.Owner, request.Text.c_str(), request.Caption.c_str(), request.Flags);
}

bool SystemHelp(const THelpRequest& request) {
  return WinHelpA(request.Owner, request.File.c_str(), request.Command, request.Data) != FALSE;
}

AnsiString EnvironmentText(const char* name) {
  char value[2048] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? AnsiString(value) : AnsiString();
}

// Appends each request as a line to the file the environment names; boxes answer from
// the environment's list, then with their default button.
class TLogFileRecorder : public TActionRecorder {
 public:
  TLogFileRecorder(const AnsiString& path, const AnsiString& answers) : path_(path) {
    AnsiString item;
    for (int i = 1; i <= answers.Length() + 1; ++i) {
      if (i <= answers.Length() && answers[i] != ',') {
        item += answers[i];
      } else if (!Trim(item).IsEmpty()) {
        answers_.push_back(StrToIntDef(Trim(item), 0));
        item = AnsiString();
      }
    }
  }

  void Record(const std::vector<AnsiString>& fields) override {
    const AnsiString line = FormatActionLine(fields) + "\r\n";
    std::lock_guard<std::mutex> lock(mutex_);
    HANDLE file = CreateFileA(path_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line.c_str(), static_cast<DWORD>(line.Length()), &written, nullptr);
    CloseHandle(file);
  }

  int NextBoxAnswer(unsigned flags) override {
    std::lock_guard<std::mutex> lock(mutex_);
    if (next_ >= answers_.size()) return DefaultBoxAnswer(flags);
    return answers_[next_++];
  }

 private:
  AnsiString path_;
  std::vector<int> answers_;
  size_t next_ = 0;
  std::mutex mutex_;
};

// The system's own handlers, or the log file's when the environment asks for one.
const TSystemActionHandlers& OwnHandlers() {
  static const TSystemActionHandlers handlers = [] {
    const AnsiString log = EnvironmentText("CONVERTER_ACTIONS_LOG");
    if (!log.IsEmpty()) {
      static TLogFileRecorder recorder(log, EnvironmentText("CONVERTER_BOX_ANSWERS"));
      return RecordingHandlers(recorder);
    }
    return TSystemActionHandlers{&SystemShellOpen, &SystemRunCommand, &SystemShutdown, &SystemBeepNow, &SystemBox,
                                &SystemHelp};
  }();
  return handlers;
}

std::mutex g_handlersLock;
TSystemActionHandlers g_installed;

// The handler in use for one member: the installed one, else the own one.
template <class F>
F Current(F TSystemActionHandlers::*member) {
  {
    std::lock_guard<std::mutex> lock(g_handlersLock);
    if (g_installed.*member) return g_installed.*member;
  }
  return OwnHandlers().*member;
}

AnsiString ItemPath(LPCITEMIDLIST item) {
  char path[MAX_PATH] = {};
  return SHGetPathFromIDListA(item, path) ? AnsiString(path) : AnsiString();
}

}  // namespace

bool ShellOpen(const TShellOpenRequest& request) { return Current(&TSystemActionHandlers::ShellOpen)(request); }

bool RunCommand(const AnsiString& commandLine, int show) {
  return Current(&TSystemActionHandlers::RunCommand)(commandLine, show);
}

bool RequestShutdown(unsigned flags) { return Current(&TSystemActionHandlers::Shutdown)(flags); }

void SystemBeep(unsigned type) { Current(&TSystemActionHandlers::Beep)(type); }

int SystemMessageBox(HWND owner, const AnsiString& text, const AnsiString& caption, unsigned flags) {
  return Current(&TSystemActionHandlers::MessageBox)(TMessageBoxRequest{owner, text, caption, flags});
}

bool ShowHelp(const THelpRequest& request) { return Current(&TSystemActionHandlers::Help)(request); }

TSystemActionHandlers SetSystemActionHandlers(const TSystemActionHandlers& handlers) {
  std::lock_guard<std::mutex> lock(g_handlersLock);
  TSystemActionHandlers previous = g_installed;
  g_installed = handlers;
  return previous;
}

int DefaultBoxAnswer(unsigned flags) {
  static const std::vector<int> kButtons[] = {
      {IDOK},                       // MB_OK
      {IDOK, IDCANCEL},             // MB_OKCANCEL
      {IDABORT, IDRETRY, IDIGNORE}, // MB_ABORTRETRYIGNORE
      {IDYES, IDNO, IDCANCEL},      // MB_YESNOCANCEL
      {IDYES, IDNO},                // MB_YESNO
      {IDRETRY, IDCANCEL},          // MB_RETRYCANCEL
      {IDCANCEL, IDTRYAGAIN, IDCONTINUE}};  // MB_CANCELTRYCONTINUE
  const unsigned kind = flags & MB_TYPEMASK;
  const std::vector<int>& buttons = kind < std::size(kButtons) ? kButtons[kind] : kButtons[0];
  const unsigned index = (flags & MB_DEFMASK) >> 8;
  return index < buttons.size() ? buttons[index] : buttons[0];
}

TSystemActionHandlers RecordingHandlers(TActionRecorder& recorder) {
  TSystemActionHandlers handlers;
  handlers.ShellOpen = [&recorder](const TShellOpenRequest& r) {
    if (r.ItemIDList != nullptr) recorder.Record({"open-item", r.Verb, ItemPath(r.ItemIDList), IntToStr(r.Show)});
    else recorder.Record({"open", r.Verb, r.File, r.Parameters, r.Directory, IntToStr(r.Show)});
    return true;
  };
  handlers.RunCommand = [&recorder](const AnsiString& commandLine, int show) {
    recorder.Record({"run", commandLine, IntToStr(show)});
    return true;
  };
  handlers.Shutdown = [&recorder](unsigned flags) {
    recorder.Record({"shutdown", IntToStr(static_cast<int>(flags))});
    return true;
  };
  handlers.Beep = [&recorder](unsigned type) { recorder.Record({"beep", IntToStr(static_cast<int>(type))}); };
  handlers.MessageBox = [&recorder](const TMessageBoxRequest& r) {
    const int answer = recorder.NextBoxAnswer(r.Flags);
    recorder.Record({"box", r.Text, r.Caption, IntToStr(static_cast<int>(r.Flags)), IntToStr(answer)});
    return answer;
  };
  handlers.Help = [&recorder](const THelpRequest& r) {
    recorder.Record({"help", r.File, IntToStr(static_cast<int>(r.Command)), IntToStr(static_cast<int>(r.Data))});
    return true;
  };
  return handlers;
}

AnsiString FormatActionLine(const std::vector<AnsiString>& fields) {
  AnsiString line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += "\t";
    for (int c = 1; c <= fields[i].Length(); ++c) {
      switch (fields[i][c]) {
        case '\\': line += "\\\\"; break;
        case '\t': line += "\\t"; break;
        case '\r': line += "\\r"; break;
        case '\n': line += "\\n"; break;
        default: line += fields[i][c];
      }
    }
  }
  return line;
}

std::vector<AnsiString> ParseActionLine(const AnsiString& line) {
  std::vector<AnsiString> fields(1);
  for (int c = 1; c <= line.Length(); ++c) {
    const char ch = line[c];
    if (ch == '\t') {
      fields.emplace_back();
    } else if (ch == '\\' && c < line.Length()) {
      const char next = line[++c];
      fields.back() += next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : next;
    } else {
      fields.back() += ch;
    }
  }
  return fields;
}
