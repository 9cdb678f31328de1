// Switchable checks that the test runner reports failures and kills hanging tests:
// CONVERTER_FAIL_ON_PURPOSE=1 makes one test fail, CONVERTER_HANG_ON_PURPOSE=1 makes one hang.
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
