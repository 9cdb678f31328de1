#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

#include "program_driver.h"
#include "test_support.h"

namespace {

using testsupport::StageProgram;
using testsupport::TProgramRun;
using Rows = std::vector<std::vector<std::string>>;

// driven_program.exe lists what reached it in its list view (see driven_program.cpp).
constexpr const char* kProgram = "driven_program.exe";

HWND ListOf(HWND window) { return FindWindowExA(window, nullptr, "SysListView32", nullptr); }

// The processes that `parent` started and that still run.
std::vector<DWORD> ChildrenOf(DWORD parent) {
  std::vector<DWORD> children;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (entry.th32ParentProcessID == parent) children.push_back(entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  return children;
}

TEST(ProgramDriver, ADrivenProgramGetsAClickKeysAndATwoFileDrop) {
  const std::string folder = StageProgram(kProgram);
  TProgramRun run(folder, kProgram);
  HWND window = run.WaitWindow("DrivenWindow", "Driven");
  ASSERT_NE(nullptr, window);
  run.Click(window, 50, 40);
  run.Keys(window, "ok");
  ASSERT_TRUE(run.Drop(window, {"C:\\videos\\a.avi", "C:\\videos\\b c.mpg"}));
  testsupport::PumpUntil([&] { return run.ListRows(ListOf(window)).size() >= 5; }, 5000);
  EXPECT_EQ((Rows{{"click 50 40"}, {"char o"}, {"char k"}, {"drop C:\\videos\\a.avi"}, {"drop C:\\videos\\b c.mpg"}}),
            run.ListRows(ListOf(window)));
  EXPECT_EQ(std::vector<std::string>{"DrivenWindow|Driven"}, run.Appeared());
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(5u, run.ExitCode()) << "one row per event";
}

TEST(ProgramDriver, TheDrivenProgramsSystemActionsAreRecordedAndItsBoxAnswered) {
  const std::string folder = StageProgram(kProgram);
  TProgramRun run(folder, kProgram, {}, "7");
  HWND window = run.WaitWindow("DrivenWindow", "Driven");
  ASSERT_NE(nullptr, window);
  run.Key(window, VK_F5);
  testsupport::PumpUntil([&] { return !run.ListRows(ListOf(window)).empty(); }, 5000);
  EXPECT_EQ(Rows{{"box 7"}}, run.ListRows(ListOf(window))) << "the box answered 7 and the program went on";
  const auto log = run.ActionsLog();
  ASSERT_EQ(4u, log.size());
  EXPECT_EQ((std::vector<std::string>{"open", "open", "http://www.example.com/", "", "", "1"}), log[0]);
  EXPECT_EQ((std::vector<std::string>{"shutdown", "1"}), log[1]);
  EXPECT_EQ((std::vector<std::string>{"beep", "0"}), log[2]);
  EXPECT_EQ((std::vector<std::string>{"box", "Go on?", "Driven", "36", "7"}), log[3]);
  EXPECT_TRUE(ChildrenOf(GetProcessId(run.Process())).empty()) << "no browser or other program started";
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(1u, run.ExitCode());
}

}  // namespace
