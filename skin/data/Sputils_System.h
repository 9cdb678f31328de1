#pragma once
#include "classlib/graphics/Types.h"
#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/DateUtils.h"
#include "classlib/runtime/Streams.h"
#include "classlib/runtime/WinApi.h"

// What the skin library asks of the system: its version and three optional entries of
// the window library, which older systems lack. They are looked up once and can be
// replaced as a whole, so that code can be run as on an older system.
struct TspSystemEntries {
  using TGetScrollBarInfo = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
  using TMonitorFromWindow = HMONITOR(WINAPI*)(HWND, DWORD);
  using TGetMonitorInfoA = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);

  DWORD Version = 0;  // as the system's GetVersion answers it
  TGetScrollBarInfo GetScrollBarInfo = nullptr;
  TMonitorFromWindow MonitorFromWindow = nullptr;
  TGetMonitorInfoA GetMonitorInfoA = nullptr;
};

// The entries of the running system.
TspSystemEntries PlatformSystemEntries();
// The entries in use (the running system's until replaced).
const TspSystemEntries& SystemEntries();
// Puts `entries` in use and answers the ones replaced.
TspSystemEntries SetSystemEntries(const TspSystemEntries& entries);

// Holds other entries in use for its lifetime.
class TspSystemEntriesScope {
 public:
  explicit TspSystemEntriesScope(const TspSystemEntries& entries) : saved_(SetSystemEntries(entries)) {}
  ~TspSystemEntriesScope() { SetSystemEntries(saved_); }
  TspSystemEntriesScope(const TspSystemEntriesScope&) = delete;
  TspSystemEntriesScope& operator=(const TspSystemEntriesScope&) = delete;

 private:
  TspSystemEntries saved_;
};

// True on the NT family (wide text output); follows the entries in use.
extern bool SP_PlatformIsUnicode;
// The GetScrollBarInfo entry in use, or null.
extern TspSystemEntries::TGetScrollBarInfo GetScrollBarInfoFunc;

void GetWindowsVersion(int& major, int& minor);
bool IsVistaOs();
bool Is9XOS();
// 5.1 (XP) and every later major version.
bool CheckWXP();
// 5.0, 5.1, 5.2 and every later major version.
bool CheckW2KWXP();

// Without the system entry the bar is reported invisible and the answer is false.
bool MyGetScrollBarInfo(HWND wnd, LONG objectId, SCROLLBARINFO& info);

// The primary monitor's work area, or the whole screen without `workArea`.
TRect GetPrimaryMonitorWorkArea(bool workArea);
// The work area (or whole area) of the monitor nearest to the window; the primary
// monitor's with one monitor, without the system entries or when they fail.
TRect GetMonitorWorkArea(HWND wnd, bool workArea);

int ExtractDay(TDateTime date);
int ExtractMonth(TDateTime date);
int ExtractYear(TDateTime date);
// Days of `month` (1 to 12) in `year`.
int DaysPerMonth(int year, int month);

// A 32-bit little-endian length, then the bytes.
void WriteStringToStream(const AnsiString& s, TStream* stream);
// Raises EReadError when the length is negative or more than the stream holds.
void ReadStringFromStream(AnsiString& s, TStream* stream);
