// Switchable checks that the test runner reports failures and kills hanging tests:
// CONVERTER_FAIL_ON_PURPOSE=1 makes one test fail, CONVERTER_HANG_ON_PURPOSE=1 makes one hang
// and CONVERTER_CRASH_ON_PURPOSE=1 makes one crash its process.
#include <gtest/gtest.h>
#include <windows.h>

#include "test_support.h"

TEST(Runner, FailsOnPurposeWhenAsked) {
  EXPECT_NE(testsupport::EnvironmentValue("CONVERTER_FAIL_ON_PURPOSE"), "1")
      << "failing on purpose";
}

TEST(Runner, HangsOnPurposeWhenAsked) {
  while (testsupport::EnvironmentValue("CONVERTER_HANG_ON_PURPOSE") == "1") Sleep(1000);
  SUCCEED();
}

static DWORD WINAPI RaiseAccessViolation(void*) {
  RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  return 0;
}

// The fault is raised on a thread of its own, out of GoogleTest's reach, so it ends the
// whole process as a crash in library code would.
TEST(Runner, CrashesOnPurposeWhenAsked) {
  if (testsupport::EnvironmentValue("CONVERTER_CRASH_ON_PURPOSE") == "1") {
    HANDLE thread = CreateThread(nullptr, 0, RaiseAccessViolation, nullptr, 0, nullptr);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  }
  SUCCEED();
}
