#pragma once
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/FileUtils.h"
#include "test_support.h"

// An empty folder of the running test's own (tests run in parallel), with its "\".
inline AnsiString TestFolder() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string("classlib-") + info->test_suite_name() + "-" + info->name();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '-';
  }
  return IncludeTrailingPathDelimiter(testsupport::FreshTempFolder(name).c_str());
}
