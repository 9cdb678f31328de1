// The shell tests' main: the shell controls' unit started as the program's start-up does,
// and ended after the last case.
#include <gtest/gtest.h>

#include "case_guard.h"
#include "skin/shell/Spskinshellctrls.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testsupport::InstallCaseGuards();
  InitializeShellControls();
  const int result = RUN_ALL_TESTS();
  FinalizeShellControls();
  return result;
}
