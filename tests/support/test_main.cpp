#include <gtest/gtest.h>

#include "case_guard.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testsupport::InstallCaseGuards();
  return RUN_ALL_TESTS();
}
