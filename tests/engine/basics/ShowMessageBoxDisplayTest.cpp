#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "engine/Quorinvccommon.h"
#include "test_support.h"

namespace {

// What a watcher saw of the message box it answered.
struct SeenBox {
  std::atomic<bool> found{false};
  HWND owner = nullptr;
  std::string text;
};

// Waits for the box with `caption`, notes its owner and text, and presses `button`.
void AnswerBox(const char* caption, int button, SeenBox& seen) {
  for (int i = 0; i < 500 && !seen.found; ++i) {
    HWND box = FindWindowA("#32770", caption);
    if (box == nullptr) {
      Sleep(10);
      continue;
    }
    seen.owner = GetWindow(box, GW_OWNER);
    char text[256] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    seen.text = text;
    seen.found = true;
    PostMessageA(box, WM_COMMAND, button, 0);
  }
}

TEST(ShowMessageBox, ShowsTheSystemBoxOwnedByTheActiveWindowAndAnswersItsButton) {
  HWND window = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                                nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  SetForegroundWindow(window);
  SetActiveWindow(window);
  testsupport::PumpMessages(50);
  ASSERT_EQ(GetActiveWindow(), window);

  SeenBox seen;
  std::thread watcher(AnswerBox, "Engine box question", IDYES, std::ref(seen));
  const int answer = ShowMessageBox("Convert all jobs now?", "Engine box question", 68);
  watcher.join();
  DestroyWindow(window);

  ASSERT_TRUE(seen.found);
  EXPECT_EQ(answer, IDYES);
  EXPECT_EQ(seen.owner, window);
  EXPECT_EQ(seen.text, "Convert all jobs now?");
}

}  // namespace
