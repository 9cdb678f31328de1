#include "skin/data/Sputils_System.h"

#include <cstdint>

#include "classlib/runtime/Exceptions.h"

namespace {

template <class F>
F UserEntry(const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

bool IsNtVersion(DWORD version) { return (version & 0x80000000u) == 0; }

TspSystemEntries& EntriesInUse() {
  static TspSystemEntries entries = PlatformSystemEntries();
  return entries;
}

}  // namespace

bool SP_PlatformIsUnicode = IsNtVersion(EntriesInUse().Version);
TspSystemEntries::TGetScrollBarInfo GetScrollBarInfoFunc = EntriesInUse().GetScrollBarInfo;

TspSystemEntries PlatformSystemEntries() {
  TspSystemEntries entries;
  entries.Version = GetVersion();
  entries.GetScrollBarInfo = UserEntry<TspSystemEntries::TGetScrollBarInfo>("GetScrollBarInfo");
  entries.MonitorFromWindow = UserEntry<TspSystemEntries::TMonitorFromWindow>("MonitorFromWindow");
  entries.GetMonitorInfoA = UserEntry<TspSystemEntries::TGetMonitorInfoA>("GetMonitorInfoA");
  return entries;
}

const TspSystemEntries& SystemEntries() { return EntriesInUse(); }

TspSystemEntries SetSystemEntries(const TspSystemEntries& entries) {
  TspSystemEntries previous = EntriesInUse();
  EntriesInUse() = entries;
  SP_PlatformIsUnicode = IsNtVersion(entries.Version);
  GetScrollBarInfoFunc = entries.GetScrollBarInfo;
  return previous;
}

void GetWindowsVersion(int& major, int& minor) {
  DWORD version = SystemEntries().Version;
  major = static_cast<int>(version & 0xFF);
  minor = static_cast<int>((version >> 8) & 0xFF);
}

namespace {

struct TVersion {
  int major = 0;
  int minor = 0;
};

TVersion WindowsVersion() {
  TVersion v;
  GetWindowsVersion(v.major, v.minor);
  return v;
}

}  // namespace

bool IsVistaOs() { return WindowsVersion().major > 5; }

bool Is9XOS() { return WindowsVersion().major < 5; }

bool CheckWXP() {
  TVersion v = WindowsVersion();
  return v.major > 5 || (v.major == 5 && v.minor == 1);
}

bool CheckW2KWXP() {
  TVersion v = WindowsVersion();
  return v.major > 5 || (v.major == 5 && v.minor >= 0 && v.minor <= 2);
}

bool MyGetScrollBarInfo(HWND wnd, LONG objectId, SCROLLBARINFO& info) {
  if (GetScrollBarInfoFunc != nullptr) return GetScrollBarInfoFunc(wnd, objectId, &info) != FALSE;
  info.rgstate[0] = STATE_SYSTEM_INVISIBLE;
  return false;
}

TRect GetPrimaryMonitorWorkArea(bool workArea) {
  if (!workArea) return TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  TRect area;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, area.AsRECT(), 0);
  return area;
}

TRect GetMonitorWorkArea(HWND wnd, bool workArea) {
  const TspSystemEntries& entries = SystemEntries();
  if (GetSystemMetrics(SM_CMONITORS) <= 1 || entries.GetMonitorInfoA == nullptr || entries.MonitorFromWindow == nullptr) {
    return GetPrimaryMonitorWorkArea(workArea);
  }
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  HMONITOR monitor = entries.MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST);
  if (monitor == nullptr || !entries.GetMonitorInfoA(monitor, &info)) return GetPrimaryMonitorWorkArea(workArea);
  const RECT& r = workArea ? info.rcWork : info.rcMonitor;
  return TRect{r.left, r.top, r.right, r.bottom};
}

namespace {

struct TDateParts {
  int year = 0;
  int month = 0;
  int day = 0;
};

TDateParts DateParts(TDateTime date) {
  TDateParts parts;
  DecodeDate(date, parts.year, parts.month, parts.day);
  return parts;
}

}  // namespace

int ExtractDay(TDateTime date) { return DateParts(date).day; }

int ExtractMonth(TDateTime date) { return DateParts(date).month; }

int ExtractYear(TDateTime date) { return DateParts(date).year; }

int DaysPerMonth(int year, int month) { return DaysInAMonth(year, month); }

void WriteStringToStream(const AnsiString& s, TStream* stream) {
  int32_t length = s.Length();
  stream->WriteBuffer(&length, sizeof(length));
  if (length > 0) stream->WriteBuffer(s.c_str(), length);
}

void ReadStringFromStream(AnsiString& s, TStream* stream) {
  int32_t length = 0;
  stream->ReadBuffer(&length, sizeof(length));
  if (length < 0 || length > stream->Size() - stream->Position()) throw EReadError("Stream read error");
  s.SetLength(length);
  if (length > 0) stream->ReadBuffer(s.WritableBuffer(), length);
}
