// The application's message box works before any window exists (a process of its own).
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <utility>
#include <thread>

#include "classlib/windowing/Application.h"

namespace {

using TPressArgs = std::pair<int, std::atomic<bool>*>;

// Clicks the button of a visible dialog box of this process.
BOOL CALLBACK PressInDialog(HWND window, LPARAM param) {
  auto* args = reinterpret_cast<TPressArgs*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (process != GetCurrentProcessId() || std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
  PostMessageA(GetDlgItem(window, args->first), BM_CLICK, 0, 0);
  *args->second = true;
  return FALSE;
}

// Presses a button of the first dialog box of this process that shows up.
void PressWhenShown(int buttonId, std::atomic<bool>* pressed) {
  TPressArgs args(buttonId, pressed);
  for (int attempt = 0; attempt < 200 && !*pressed; ++attempt) {
    Sleep(50);
    EnumWindows(&PressInDialog, reinterpret_cast<LPARAM>(&args));
  }
}

TEST(MessageBoxTest, AnswersYesBeforeAnyWindowExists) {
  std::atomic<bool> pressed{false};
  std::thread presser(PressWhenShown, IDYES, &pressed);
  const int answer = Application->MessageBox("Delete the job?", "Delete", MB_YESNO | MB_ICONINFORMATION);
  presser.join();
  EXPECT_TRUE(pressed);
  EXPECT_EQ(answer, 6);
}

}  // namespace
