#include "imaging/Bitmap32_System.h"

#include <cpuid.h>

#include "classlib/runtime/SysUtils.h"
#include "classlib/runtime/WinApi.h"
#include "imaging/Bitmap32_Rounding.h"

namespace imaging {

const uint32_t CPUISChecks[6] = {0x00800000, 0x00400000, 0x02000000, 0x04000000, 0x80000000, 0x40000000};

namespace {

TCPUInstructionSets maskedSets = 0;

// What the processor identification tells about its instruction sets.
struct TProcessorFeatures {
  bool identified = false;  // CPUID available and family 5 or later
  uint32_t standard = 0;    // EDX of leaf 1
  bool hasExtended = false;
  uint32_t extended = 0;    // EDX of leaf 0x80000001
};

TProcessorFeatures ReadProcessorFeatures() {
  TProcessorFeatures features;
  // __get_cpuid_max answers 0 when the identification flag of EFLAGS cannot be toggled.
  if (__get_cpuid_max(0, nullptr) < 1) return features;
  unsigned eax, ebx, ecx, edx;
  __cpuid(1, eax, ebx, ecx, edx);
  if (((eax >> 8) & 0xF) < 5) return features;
  features.identified = true;
  features.standard = edx;
  if (__get_cpuid_max(0x80000000, nullptr) > 0x80000000) {
    __cpuid(0x80000001, eax, ebx, ecx, edx);
    features.hasExtended = true;
    features.extended = edx;
  }
  return features;
}

bool ProcessorHas(TCPUInstructionSet instructionSet) {
  const TProcessorFeatures features = ReadProcessorFeatures();
  if (!features.identified) return false;
  const uint32_t mask = CPUISChecks[instructionSet];
  switch (instructionSet) {
    case ciEMMX:
      return (features.standard & CPUISChecks[ciSSE]) != 0 || (features.hasExtended && (features.extended & mask));
    case ci3DNow:
    case ci3DNowExt:
      return features.hasExtended && (features.extended & mask);
    default:
      return (features.standard & mask) != 0;
  }
}

}  // namespace

bool HasInstructionSet(TCPUInstructionSet instructionSet) {
  if (maskedSets & (1u << instructionSet)) return false;
  return ProcessorHas(instructionSet);
}

bool HasMMX() { return HasInstructionSet(ciMMX); }
bool HasEMMX() { return HasInstructionSet(ciEMMX); }
bool HasSSE() { return HasInstructionSet(ciSSE); }
bool HasSSE2() { return HasInstructionSet(ciSSE2); }
bool Has3DNow() { return HasInstructionSet(ci3DNow); }
bool Has3DNowExt() { return HasInstructionSet(ci3DNowExt); }

uint32_t GetTickCount() { return ::GetTickCount(); }

int32_t GetProcessorCount() {
  SYSTEM_INFO info;
  ::GetSystemInfo(&info);
  return static_cast<int32_t>(info.dwNumberOfProcessors);
}

void MaskInstructionSets(TCPUInstructionSets masked) { maskedSets = masked; }

// --- Timer -----------------------------------------------------------------------------

int64_t PerfCountToMicroseconds(int64_t counts, int64_t frequency) {
  return Round64(static_cast<long double>(1000000 * counts) / frequency);
}

namespace {

int64_t PerformanceCounter() {
  LARGE_INTEGER value;
  QueryPerformanceCounter(&value);
  return value.QuadPart;
}

int64_t PerformanceFrequency() {
  LARGE_INTEGER value;
  QueryPerformanceFrequency(&value);
  return value.QuadPart;
}

}  // namespace

TPerfTimer* GlobalPerfTimer = nullptr;

void TPerfTimer::Start() { start_ = PerformanceCounter(); }

int64_t TPerfTimer::ReadValue() {
  stop_ = PerformanceCounter();
  frequency_ = PerformanceFrequency();
  return PerfCountToMicroseconds(stop_ - start_, frequency_);
}

AnsiString TPerfTimer::ReadNanoseconds() { return IntToStr(ReadValue()); }

AnsiString TPerfTimer::ReadMilliseconds() { return FloatToStr(static_cast<double>(ReadValue() / 1000.0L)); }

// --- Visual styles ---------------------------------------------------------------------

bool USE_THEMES = false;
HTHEME SCROLLBAR_THEME = nullptr;
HTHEME GLOBALS_THEME = nullptr;

decltype(&::OpenThemeData) OpenThemeData = nullptr;
decltype(&::CloseThemeData) CloseThemeData = nullptr;
decltype(&::DrawThemeBackground) DrawThemeBackground = nullptr;
decltype(&::DrawThemeEdge) DrawThemeEdge = nullptr;
decltype(&::GetThemeColor) GetThemeColor = nullptr;
decltype(&::GetThemeMetric) GetThemeMetric = nullptr;
decltype(&::GetThemeMargins) GetThemeMargins = nullptr;
decltype(&::SetWindowTheme) SetWindowTheme = nullptr;
decltype(&::IsThemeActive) IsThemeActive = nullptr;
decltype(&::IsAppThemed) IsAppThemed = nullptr;
decltype(&::EnableTheming) EnableTheming = nullptr;

namespace {

struct ModuleRelease {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleRelease> themeLibrary;

template <class Routine>
void Bind(Routine& routine, const char* name) {
  routine = reinterpret_cast<Routine>(reinterpret_cast<void*>(GetProcAddress(themeLibrary.get(), name)));
}

// Sets all eleven routine variables, bound by name or cleared.
void BindThemeRoutines(bool bind) {
  auto bindOrClear = [bind](auto& routine, const char* name) {
    if (bind)
      Bind(routine, name);
    else
      routine = nullptr;
  };
  bindOrClear(OpenThemeData, "OpenThemeData");
  bindOrClear(CloseThemeData, "CloseThemeData");
  bindOrClear(DrawThemeBackground, "DrawThemeBackground");
  bindOrClear(DrawThemeEdge, "DrawThemeEdge");
  bindOrClear(GetThemeColor, "GetThemeColor");
  bindOrClear(GetThemeMetric, "GetThemeMetric");
  bindOrClear(GetThemeMargins, "GetThemeMargins");
  bindOrClear(SetWindowTheme, "SetWindowTheme");
  bindOrClear(IsThemeActive, "IsThemeActive");
  bindOrClear(IsAppThemed, "IsAppThemed");
  bindOrClear(EnableTheming, "EnableTheming");
}

TThemeNexus* themeNexus = nullptr;

}  // namespace

bool LoadThemeLibrary() {
  if (themeLibrary) return true;
  themeLibrary.reset(LoadLibraryA("uxtheme.dll"));
  if (!themeLibrary) return false;
  BindThemeRoutines(true);
  if (!OpenThemeData || !CloseThemeData || !IsThemeActive || !IsAppThemed || !EnableTheming) {
    FreeThemeLibrary();
    return false;
  }
  return true;
}

void FreeThemeLibrary() {
  if (!themeLibrary) return;
  themeLibrary.reset();
  BindThemeRoutines(false);
}

bool ThemesUsable() { return themeLibrary && IsAppThemed() && IsThemeActive(); }

TThemeNexus::TThemeNexus() : window_(TWndMethod(this, &TThemeNexus::WndProc)) { OpenVisualStyles(); }

TThemeNexus::~TThemeNexus() { CloseVisualStyles(); }

void TThemeNexus::OpenVisualStyles() {
  USE_THEMES = false;
  if (!LoadThemeLibrary()) return;
  USE_THEMES = ThemesUsable();
  if (USE_THEMES) {
    SCROLLBAR_THEME = OpenThemeData(Handle(), L"SCROLLBAR");
    GLOBALS_THEME = OpenThemeData(Handle(), L"GLOBALS");
  }
}

// Handles are closed whenever the library is still bound (also after the theme was
// switched off), so none is left open or dangling.
void TThemeNexus::CloseVisualStyles() {
  for (HTHEME* theme : {&SCROLLBAR_THEME, &GLOBALS_THEME}) {
    if (*theme != nullptr && CloseThemeData != nullptr) CloseThemeData(*theme);
    *theme = nullptr;
  }
  USE_THEMES = false;
  FreeThemeLibrary();
}

void TThemeNexus::WndProc(TMessage& message) {
  if (message.Msg == WM_THEMECHANGED) {
    CloseVisualStyles();
    OpenVisualStyles();
  }
  message.Result = DefWindowProcA(Handle(), message.Msg, message.WParam, message.LParam);
}

void InitializeSystem() {
  themeNexus = new TThemeNexus();
  GlobalPerfTimer = new TPerfTimer();
}

void FinalizeSystem() {
  FreeAndNil(GlobalPerfTimer);
  FreeAndNil(themeNexus);
}

}  // namespace imaging
