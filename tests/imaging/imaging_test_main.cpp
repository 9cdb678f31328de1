#include <gtest/gtest.h>

#include "case_guard.h"
#include "imaging/Imaging.h"

// The bitmap library is started once for the whole test program, as the application
// does, and shut down after the last test.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testsupport::InstallCaseGuards();
  imaging::InitializeImaging();
  const int result = RUN_ALL_TESTS();
  imaging::FinalizeImaging();
  return result;
}
