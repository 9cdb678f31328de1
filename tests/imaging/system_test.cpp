#include <gtest/gtest.h>

#include <cpuid.h>

#include <set>
#include <string>

#include "classlib/runtime/SysUtils.h"
#include "classlib/runtime/WinApi.h"
#include "imaging/Bitmap32_Blend.h"
#include "imaging/Bitmap32_System.h"
#include "imaging/Imaging.h"

using namespace imaging;

namespace {

TEST(ProcessorTests, AgreeWithTheSystemsFeatureReport) {
  EXPECT_EQ(HasMMX(), IsProcessorFeaturePresent(PF_MMX_INSTRUCTIONS_AVAILABLE) != 0);
  EXPECT_EQ(HasSSE(), IsProcessorFeaturePresent(PF_XMMI_INSTRUCTIONS_AVAILABLE) != 0);
  EXPECT_EQ(HasSSE2(), IsProcessorFeaturePresent(PF_XMMI64_INSTRUCTIONS_AVAILABLE) != 0);
  unsigned eax, ebx, ecx, edx;
  ASSERT_TRUE(__get_cpuid(1, &eax, &ebx, &ecx, &edx));
  EXPECT_EQ(HasMMX(), (edx & CPUISChecks[ciMMX]) != 0);
  EXPECT_EQ(HasSSE2(), (edx & CPUISChecks[ciSSE2]) != 0);
  // Extended MMX comes with SSE even without the extended feature bit.
  if (HasSSE()) {
    EXPECT_TRUE(HasEMMX());
  }
  EXPECT_EQ(HasInstructionSet(ci3DNow), Has3DNow());
  EXPECT_EQ(HasInstructionSet(ci3DNowExt), Has3DNowExt());
}

TEST(ProcessorTests, MaskedSetsAreReportedAbsent) {
  ASSERT_TRUE(HasSSE2());
  MaskInstructionSets(1 << ciSSE2);
  EXPECT_FALSE(HasSSE2());
  EXPECT_TRUE(HasMMX());
  MaskInstructionSets(0);
  EXPECT_TRUE(HasSSE2());
}

TEST(SystemInfo, TickAndProcessorCount) {
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  EXPECT_EQ(GetProcessorCount(), static_cast<int32_t>(info.dwNumberOfProcessors));
  const uint32_t before = ::GetTickCount();
  const uint32_t ticks = imaging::GetTickCount();
  EXPECT_LE(ticks - before, 1000u);
}

TEST(PerfTimer, CountsBecomeRoundedMicroseconds) {
  EXPECT_EQ(PerfCountToMicroseconds(15000000, 10000000), 1500000);  // 1.5 s
  EXPECT_EQ(PerfCountToMicroseconds(1, 3), 333333);
  EXPECT_EQ(PerfCountToMicroseconds(1, 2000000), 0);  // 0.5 rounds to even
  EXPECT_EQ(PerfCountToMicroseconds(3, 2000000), 2);  // 1.5 rounds to even
  EXPECT_EQ(PerfCountToMicroseconds(-3, 1000000), -3);
}

TEST(PerfTimer, ReadingsAgreeWithEachOther) {
  ASSERT_NE(GlobalPerfTimer, nullptr);
  TPerfTimer timer;
  timer.Start();
  const int64_t first = timer.ReadValue();
  const int64_t text = StrToInt64(timer.ReadNanoseconds());
  const double milliseconds = StrToFloat(timer.ReadMilliseconds());
  const int64_t last = timer.ReadValue();
  EXPECT_GE(first, 0);
  EXPECT_GE(text, first);
  EXPECT_LE(text, last);
  EXPECT_GE(milliseconds, text / 1000.0);
  EXPECT_LE(milliseconds, last / 1000.0);
}

// Windows of this thread, to see the theme nexus come and go.
std::string ClassOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The class of the class library's utility windows.
std::string UtilityWindowClass() {
  TUtilityWindow probe{TWndMethod()};
  return ClassOf(probe.Handle());
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  reinterpret_cast<std::set<HWND>*>(param)->insert(window);
  return TRUE;
}

// Utility windows of this thread, to see the theme nexus come and go (the system may
// add windows of its own, such as the input-method window).
std::set<HWND> ThreadWindows() {
  std::set<HWND> windows, utility;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  const std::string utilityClass = UtilityWindowClass();
  for (HWND w : windows)
    if (ClassOf(w) == utilityClass) utility.insert(w);
  return utility;
}

// What the system itself says about themes, asked through its own library.
bool SystemThemesActive() {
  HMODULE library = LoadLibraryA("uxtheme.dll");
  if (library == nullptr) return false;
  auto isAppThemed = reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(library, "IsAppThemed")));
  auto isThemeActive =
      reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(library, "IsThemeActive")));
  const bool active = isAppThemed && isThemeActive && isAppThemed() && isThemeActive();
  FreeLibrary(library);
  return active;
}

void ExpectThemeStateCleared() {
  EXPECT_FALSE(USE_THEMES);
  EXPECT_EQ(SCROLLBAR_THEME, nullptr);
  EXPECT_EQ(GLOBALS_THEME, nullptr);
  EXPECT_EQ(imaging::OpenThemeData, nullptr);
  EXPECT_EQ(imaging::IsAppThemed, nullptr);
  EXPECT_EQ(imaging::EnableTheming, nullptr);
}

TEST(VisualStyles, UseThemesFollowsTheSystem) {
  EXPECT_EQ(USE_THEMES, SystemThemesActive());
  EXPECT_EQ(USE_THEMES, ThemesUsable());
  ASSERT_NE(imaging::OpenThemeData, nullptr);  // the library is bound either way
  if (USE_THEMES) {
    EXPECT_NE(SCROLLBAR_THEME, nullptr);
    EXPECT_NE(GLOBALS_THEME, nullptr);
  } else {
    EXPECT_EQ(SCROLLBAR_THEME, nullptr);
  }
}

TEST(VisualStyles, ThemeChangeReopensTheThemes) {
  FinalizeImaging();
  const std::set<HWND> before = ThreadWindows();
  InitializeImaging();
  std::set<HWND> after = ThreadWindows();
  for (HWND w : before) after.erase(w);
  ASSERT_EQ(after.size(), 1u);
  HWND nexus = *after.begin();
  SendMessageA(nexus, WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(USE_THEMES, SystemThemesActive());
  EXPECT_EQ(SCROLLBAR_THEME != nullptr, USE_THEMES);
  EXPECT_EQ(GLOBALS_THEME != nullptr, USE_THEMES);
  EXPECT_NE(imaging::OpenThemeData, nullptr);
}

TEST(StartUp, IsCountedAndShutDownLeavesNothingBehind) {
  FinalizeImaging();  // the test main's start-up
  ExpectThemeStateCleared();
  EXPECT_EQ(GlobalPerfTimer, nullptr);
  EXPECT_EQ(alpha_ptr, nullptr);
  const std::set<HWND> windowsBefore = ThreadWindows();

  InitializeImaging();
  const TPerfTimer* timer = GlobalPerfTimer;
  InitializeImaging();  // counted: does nothing
  EXPECT_EQ(GlobalPerfTimer, timer);
  EXPECT_EQ(ThreadWindows().size(), windowsBefore.size() + 1);
  FinalizeImaging();  // still started once
  EXPECT_EQ(GlobalPerfTimer, timer);
  EXPECT_NE(alpha_ptr, nullptr);
  FinalizeImaging();
  ExpectThemeStateCleared();
  EXPECT_EQ(GlobalPerfTimer, nullptr);
  EXPECT_EQ(alpha_ptr, nullptr);
  EXPECT_FALSE(MMX_ACTIVE);  // plain forms: nothing left that needs the weight table
  EXPECT_EQ(BlendReg(0x80FFFFFF, 0xFF000000), 0xBF808080u);
  EXPECT_EQ(ThreadWindows(), windowsBefore);
  FinalizeImaging();  // an unmatched shut-down does nothing
  InitializeImaging();  // for the test main's shut-down
  EXPECT_NE(GlobalPerfTimer, nullptr);
}

}  // namespace
