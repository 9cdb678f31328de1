// The program's whole run in this process: the cover's statuses as they reach the
// screen, the main window last, and the run's end when the main window closes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/Coverfrm.h"
#include "app/Mainfrm.h"
#include "app/Startup.h"
#include "classlib/windowing/WinControl.h"
#include "engine/Quorinvccommon.h"
#include "window_support.h"

namespace {

// One painting of the cover as it left the window: the status text and a digest of the
// status line's pixels.
struct TCoverPaint {
  std::string status;
  unsigned long long digest;
};

std::vector<TCoverPaint> g_paints;
std::vector<std::string> g_events;

unsigned long long StatusDigest(TCoverForm* cover) {
  std::unique_ptr<TBitmap> line = testsupport::CaptureWindow(cover->Handle(), cover->lblInfoText->BoundsRect());
  unsigned long long digest = 1469598103934665603ull;
  for (int y = 0; y < line->Height(); ++y) {
    for (int x = 0; x < line->Width(); ++x) digest = (digest ^ line->Canvas()->Pixels(x, y)) * 1099511628211ull;
  }
  return digest;
}

// Sees each message of the thread after its window handled it.
LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION) {
    TWinControl* control = FindControl(message->hwnd);
    if (auto* cover = dynamic_cast<TCoverForm*>(control); cover != nullptr && message->message == WM_PAINT) {
      g_paints.push_back({cover->lblInfoText->Caption().c_str(), StatusDigest(cover)});
    }
    if (auto* main = dynamic_cast<TMainForm*>(control);
        main != nullptr && message->message == WM_SHOWWINDOW && message->wParam != 0) {
      g_events.push_back("main window shown");
      PostMessageA(message->hwnd, WM_CLOSE, 0, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string ReadWhole(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(StartUp, TheCoverShowsEveryStatusOnScreenInOrderThenTheMainWindowComesAndTheRunEnds) {
  // The run writes the program folder's settings file: it is put back afterwards.
  const std::string settings = std::string(ExecutableFolder().c_str()) + "LastSettings.ini";
  const bool hadSettings = GetFileAttributesA(settings.c_str()) != INVALID_FILE_ATTRIBUTES;
  const std::string savedSettings = hadSettings ? ReadWhole(settings) : "";
  testsupport::TRecordedActions recorded;
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, &AfterMessage, nullptr, GetCurrentThreadId());
  ASSERT_NE(nullptr, hook);

  const int exitCode = RunConverter();

  UnhookWindowsHookEx(hook);
  if (hadSettings) std::ofstream(settings, std::ios::binary | std::ios::trunc) << savedSettings;
  else DeleteFileA(settings.c_str());
  EXPECT_EQ(0, exitCode);
  EXPECT_EQ(std::vector<std::string>{"main window shown"}, g_events);
  // Each status reached the screen in order, each drawn differently from the one before.
  std::vector<std::string> statuses;
  for (size_t i = 0; i < g_paints.size(); ++i) {
    if (g_paints[i].status.empty()) continue;
    if (!statuses.empty() && statuses.back() == g_paints[i].status) continue;
    statuses.push_back(g_paints[i].status);
    if (i > 0) EXPECT_NE(g_paints[i - 1].digest, g_paints[i].digest) << g_paints[i].status;
  }
  EXPECT_EQ((std::vector<std::string>{kLoadingMainSkinText, kLoadingFormSkinText, kLoadingProfilesText,
                                      kStartingText}),
            statuses);
  EXPECT_TRUE(recorded.Lines().empty()) << "no box: " << (recorded.Lines().empty() ? "" : recorded.Lines()[0][1]);
}

}  // namespace
