#pragma once
#include <shlobj.h>

#include <functional>
#include <vector>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/WinApi.h"

// What the program asks of the system beyond its own windows: opening a document, folder
// or link through the shell, the shell's open-with command, shutting the computer down,
// a beep, a message box and the help of a help file. Every such request of the program goes through the routines
// below, each served by a replaceable handler.
//
// When the environment variable CONVERTER_ACTIONS_LOG names a file, the system's own
// handlers do nothing and append one line per request to that file instead (see
// TActionRecorder); message boxes then answer from CONVERTER_BOX_ANSWERS, a comma list
// taken in order ("6,7"), and afterwards with their default button.

// A shell open: a file, folder or link by its name, or a shell item by its id list.
struct TShellOpenRequest {
  HWND Owner = nullptr;
  AnsiString Verb;  // empty: the item's default verb
  AnsiString File;
  AnsiString Parameters;
  AnsiString Directory;
  LPCITEMIDLIST ItemIDList = nullptr;  // when set, File is not used
  int Show = SW_SHOWNORMAL;
  // SEE_MASK_* flags added to the call; a process handle it asks for is closed again.
  unsigned Mask = 0;
};

struct TMessageBoxRequest {
  HWND Owner = nullptr;
  AnsiString Text;
  AnsiString Caption;
  unsigned Flags = MB_OK;
};

// A help file opened at a topic: a WinHelp command (HELP_CONTEXT, ...) and its data.
struct THelpRequest {
  HWND Owner = nullptr;
  AnsiString File;
  unsigned Command = HELP_CONTEXT;
  ULONG_PTR Data = 0;
};

// The handlers; an empty member stands for the system's own.
struct TSystemActionHandlers {
  std::function<bool(const TShellOpenRequest&)> ShellOpen;
  // A command line started as the shell's open-with dialog (rundll32 ... OpenAs_RunDLL).
  std::function<bool(const AnsiString& commandLine, int show)> RunCommand;
  // ExitWindowsEx flags (EWX_SHUTDOWN, EWX_POWEROFF, ...).
  std::function<bool(unsigned flags)> Shutdown;
  // MessageBeep types (MB_OK, MB_ICONHAND, ...).
  std::function<void(unsigned type)> Beep;
  // Answers the pressed button (IDOK, IDYES, ...).
  std::function<int(const TMessageBoxRequest&)> MessageBox;
  // True when the system's help took the request (WinHelp).
  std::function<bool(const THelpRequest&)> Help;
};

// True when the shell took the request (ShellExecuteEx succeeded).
bool ShellOpen(const TShellOpenRequest& request);
// True when the command started.
bool RunCommand(const AnsiString& commandLine, int show);
// Takes the shutdown privilege, then asks the system to end the session; true when the
// request was accepted.
bool RequestShutdown(unsigned flags);
void SystemBeep(unsigned type);
int SystemMessageBox(HWND owner, const AnsiString& text, const AnsiString& caption, unsigned flags);
bool ShowHelp(const THelpRequest& request);

// Installs `handlers` (empty members: the system's own) and answers those in use before.
TSystemActionHandlers SetSystemActionHandlers(const TSystemActionHandlers& handlers);

// The button a message box of `flags` answers when nobody presses one: its default
// button (MB_DEFBUTTON1..4 of the buttons MB_OK .. MB_CANCELTRYCONTINUE).
int DefaultBoxAnswer(unsigned flags);

// Takes requests down instead of acting on them.
class TActionRecorder {
 public:
  virtual ~TActionRecorder() = default;
  // One request: its kind, then its arguments, all as text:
  //   "open" verb, file, parameters, directory, show
  //   "open-item" verb, the item's path (or empty when it has none), show
  //   "run" command line, show
  //   "shutdown" flags
  //   "beep" type
  //   "box" text, caption, flags, answer
  //   "help" file, command, data
  virtual void Record(const std::vector<AnsiString>& fields) = 0;
  // The answer for the next box of `flags`.
  virtual int NextBoxAnswer(unsigned flags) = 0;
};

// Handlers that hand every request to `recorder` (which must outlive them) and do
// nothing else: opens, runs, shutdowns and help requests answer true.
TSystemActionHandlers RecordingHandlers(TActionRecorder& recorder);

// One recorded request as a line: the fields joined by tabs, with backslash, tab, CR and
// LF inside a field written as \\, \t, \r and \n (no line end is added).
AnsiString FormatActionLine(const std::vector<AnsiString>& fields);
// The fields of such a line.
std::vector<AnsiString> ParseActionLine(const AnsiString& line);
