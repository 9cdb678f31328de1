#pragma once
// Operating-system and processor services of the bitmap library: a high-resolution
// timer, instruction-set tests, tick count, processor count and the optional binding of
// the visual-styles library that the scroll and range bars draw with.
#include <cstdint>
#include <memory>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Messages.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/UtilityWindow.h"
#include "classlib/runtime/WinApi.h"
// The visual-styles declarations need the Windows API first.
#include <uxtheme.h>

namespace imaging {

enum TCPUInstructionSet : uint8_t { ciMMX = 0, ciEMMX = 1, ciSSE = 2, ciSSE2 = 3, ci3DNow = 4, ci3DNowExt = 5 };
// A set of instruction sets: bit n stands for the set of value n.
using TCPUInstructionSets = uint8_t;

// The EDX feature mask of each instruction set.
extern const uint32_t CPUISChecks[6];

// Asks the processor anew at every call.
bool HasInstructionSet(TCPUInstructionSet instructionSet);
bool HasMMX();
bool HasEMMX();
bool HasSSE();
bool HasSSE2();
bool Has3DNow();
bool Has3DNowExt();

uint32_t GetTickCount();
int32_t GetProcessorCount();

// Elapsed performance-counter counts in microseconds, rounded (halves to even).
int64_t PerfCountToMicroseconds(int64_t counts, int64_t frequency);

// Measures time with the performance counter; readings are meaningful after Start.
class TPerfTimer : public TObject {
  CLASSLIB_CLASS(TPerfTimer, TObject)
 public:
  void Start();
  // Microseconds since Start.
  int64_t ReadValue();
  // The same microseconds as decimal text.
  AnsiString ReadNanoseconds();
  // The microseconds divided by 1000, as text.
  AnsiString ReadMilliseconds();

 private:
  int64_t frequency_ = 0;
  int64_t start_ = 0;
  int64_t stop_ = 0;
};

// Shared timer, alive between start-up and shut-down; it has no lock.
extern TPerfTimer* GlobalPerfTimer;

// --- Visual styles ---------------------------------------------------------------------

// Valid while USE_THEMES is true.
extern bool USE_THEMES;
extern HTHEME SCROLLBAR_THEME;
extern HTHEME GLOBALS_THEME;

extern decltype(&::OpenThemeData) OpenThemeData;
extern decltype(&::CloseThemeData) CloseThemeData;
extern decltype(&::DrawThemeBackground) DrawThemeBackground;
extern decltype(&::DrawThemeEdge) DrawThemeEdge;
extern decltype(&::GetThemeColor) GetThemeColor;
extern decltype(&::GetThemeMetric) GetThemeMetric;
extern decltype(&::GetThemeMargins) GetThemeMargins;
extern decltype(&::SetWindowTheme) SetWindowTheme;
extern decltype(&::IsThemeActive) IsThemeActive;
extern decltype(&::IsAppThemed) IsAppThemed;
extern decltype(&::EnableTheming) EnableTheming;

// Loads "uxtheme.dll" and binds its routines; false (nothing bound) when the library or
// one of its required routines is missing. Success at once when already loaded.
bool LoadThemeLibrary();
// Releases the library and clears every routine variable.
void FreeThemeLibrary();
// Library loaded, application themed and theme active.
bool ThemesUsable();

// Keeps the theme handles open while the application is themed, reopening them on every
// theme change that its hidden window receives.
class TThemeNexus : public TObject {
  CLASSLIB_CLASS(TThemeNexus, TObject)
 public:
  TThemeNexus();
  ~TThemeNexus() override;
  HWND Handle() const { return window_.Handle(); }

 private:
  void WndProc(TMessage& message);
  void OpenVisualStyles();
  void CloseVisualStyles();
  TUtilityWindow window_;
};

// Start-up creates the theme nexus, then GlobalPerfTimer; shut-down frees them in
// reverse order.
void InitializeSystem();
void FinalizeSystem();

// For tests: the instruction sets in `masked` are reported absent from now on.
void MaskInstructionSets(TCPUInstructionSets masked);

}  // namespace imaging
