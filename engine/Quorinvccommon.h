#pragma once
#include <vector>

#include "classlib/runtime/AnsiString.h"

// Routines the engine and the windows share: the message box of the program's own
// notices and questions, the busy cursor, two text routines and the user's folders.

// The output folder from which the windows build the output paths of new jobs.
extern AnsiString CurrentOutputFolder;

// Shows the application's message box and answers the pressed button (IDYES ...).
// A null text or caption shows as empty. Flags as MessageBox takes them (MB_ICONSTOP,
// MB_YESNO | MB_ICONINFORMATION, ...).
int ShowMessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags);

// Who really shows the box. Until the application object exists the plain system box
// is shown, owned by the calling thread's active window; the application object
// installs its own presenter. Null restores the plain box.
using TMessageBoxPresenter = int (*)(const AnsiString& text, const AnsiString& caption, unsigned flags);
void SetMessageBoxPresenter(TMessageBoxPresenter presenter);

// Cursors are given by the screen object's identifiers: 0 the default cursor, -11 the
// hourglass, -19 the arrow with the hourglass.

// The screen cursor the process shows (0 when nothing is busy).
int ScreenCursor();
// Who really changes the screen cursor. Until the screen object exists the cursor is
// kept here and set on the calling thread; the screen object installs its own setter.
// Null restores that plain setter.
using TScreenCursorSetter = void (*)(int cursor);
void SetScreenCursorSetter(TScreenCursorSetter setter);

// Shows a cursor (the hourglass, usually) for its scope. Its end brings back the
// default cursor, not the one shown before: an inner scope ending also ends the
// hourglass of an outer one.
class MyCursor {
 public:
  explicit MyCursor(int cursor);
  ~MyCursor();
  MyCursor(const MyCursor&) = delete;
  MyCursor& operator=(const MyCursor&) = delete;
};

// `text` with the first occurrence of `pattern` (exact, case included) replaced.
AnsiString ReplaceFirst(const AnsiString& text, const AnsiString& pattern, const AnsiString& replacement);

// Appends the items of `text` separated by `separator` to `items`. Blanks around an
// item are dropped, blanks inside it kept; empty items are skipped. Only the blank
// counts as blank (a tab is an ordinary character).
void SplitString(const AnsiString& text, char separator, std::vector<AnsiString>& items);

// The folder of the program's executable, with its trailing backslash.
AnsiString ExecutableFolder();
// The user's documents folder, made when missing; no trailing backslash.
AnsiString GetMyDocumentsFolder();
// The system's temporary folder in its long form, with its trailing backslash.
AnsiString GetTempFolder();
