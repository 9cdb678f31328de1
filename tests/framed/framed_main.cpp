// The framed tests' main: the class library's classes and the framed library started
// as the program's start-up does, and shut down at the end.
#include <gtest/gtest.h>

#include "case_guard.h"
#include "classlib/formres/ControlClasses.h"
#include "framed/FrCommon.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testsupport::InstallCaseGuards();
  InitializeControlClasses();
  InitializeFramed();
  const int result = RUN_ALL_TESTS();
  FinalizeFramed();
  return result;
}
