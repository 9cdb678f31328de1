#include "engine/Quorinvccommon.h"

#include <shlobj.h>

#include <atomic>

#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/SystemActions.h"
#include "classlib/runtime/WinApi.h"

AnsiString CurrentOutputFolder;

namespace {

constexpr int kDefaultCursor = 0;
constexpr int kHourGlassCursor = -11;
constexpr int kAppStartCursor = -19;

int PlainMessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) {
  return SystemMessageBox(GetActiveWindow(), text, caption, flags);
}

std::atomic<int> g_screenCursor{kDefaultCursor};

const char* SystemCursorName(int cursor) {
  switch (cursor) {
    case kHourGlassCursor:
      return IDC_WAIT;
    case kAppStartCursor:
      return IDC_APPSTARTING;
    default:
      return IDC_ARROW;
  }
}

void PlainCursorSetter(int cursor) {
  g_screenCursor.store(cursor);
  SetCursor(LoadCursorA(nullptr, SystemCursorName(cursor)));
}

std::atomic<TMessageBoxPresenter> g_presenter{&PlainMessageBox};
std::atomic<TScreenCursorSetter> g_cursorSetter{&PlainCursorSetter};

}  // namespace

int ShowMessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) {
  return g_presenter.load()(text, caption, flags);
}

void SetMessageBoxPresenter(TMessageBoxPresenter presenter) {
  g_presenter.store(presenter != nullptr ? presenter : &PlainMessageBox);
}

int ScreenCursor() { return g_screenCursor.load(); }

void SetScreenCursorSetter(TScreenCursorSetter setter) {
  g_cursorSetter.store(setter != nullptr ? setter : &PlainCursorSetter);
}

MyCursor::MyCursor(int cursor) { g_cursorSetter.load()(cursor); }

MyCursor::~MyCursor() { g_cursorSetter.load()(kDefaultCursor); }

AnsiString ReplaceFirst(const AnsiString& text, const AnsiString& pattern, const AnsiString& replacement) {
  const int at = text.Pos(pattern);
  if (at == 0) return text;
  return text.SubString(1, at - 1) + replacement + text.SubString(at + pattern.Length(), text.Length());
}

void SplitString(const AnsiString& text, char separator, std::vector<AnsiString>& items) {
  AnsiString item;
  int pendingBlanks = 0;
  bool inside = false;
  for (const char c : text.view()) {
    if (c == ' ') {
      if (inside) ++pendingBlanks;
    } else if (c == separator) {
      if (inside && !item.IsEmpty()) items.push_back(item);
      item = AnsiString();
      pendingBlanks = 0;
      inside = false;
    } else {
      if (pendingBlanks > 0) item += AnsiString::StringOfChar(' ', pendingBlanks);
      item += c;
      pendingBlanks = 0;
      inside = true;
    }
  }
  if (!item.IsEmpty()) items.push_back(item);
}

AnsiString ExecutableFolder() {
  AnsiString path;
  path.SetLength(MAX_PATH);
  DWORD length = 0;
  while ((length = GetModuleFileNameA(nullptr, path.WritableBuffer(), path.Length() + 1)) >
         static_cast<DWORD>(path.Length())) {
    path.SetLength(path.Length() * 2);
  }
  path.SetLength(static_cast<int>(length));
  return ExtractFilePath(path);
}

AnsiString GetMyDocumentsFolder() {
  char path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, path, CSIDL_PERSONAL, TRUE)) return AnsiString();
  return AnsiString(path);
}

AnsiString GetTempFolder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetTempPathA(MAX_PATH, path);
  if (length == 0 || length >= MAX_PATH) return AnsiString();
  char longPath[MAX_PATH] = {};
  const DWORD longLength = GetLongPathNameA(path, longPath, MAX_PATH);
  if (longLength == 0 || longLength >= MAX_PATH) return AnsiString(path);
  return AnsiString(longPath);
}
