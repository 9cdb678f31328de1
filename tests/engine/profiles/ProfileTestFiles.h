#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/test_support.h"

// Files of the profile tests: each test works in a fresh folder of its own.
namespace profiletest {

inline void WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

inline std::string ReadTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The lines of a text file without their line breaks, empty lines dropped.
inline std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

// The "key=value" lines of one section, in file order.
inline std::vector<std::string> SectionLines(const std::string& path, const std::string& section) {
  std::vector<std::string> result;
  bool inside = false;
  for (const std::string& line : ReadLines(path)) {
    if (line.front() == '[') {
      inside = line == "[" + section + "]";
    } else if (inside) {
      result.push_back(line);
    }
  }
  return result;
}

inline bool FileThere(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The names of the files in `folder` (with its trailing backslash), sorted.
inline std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(data.cFileName);
  } while (FindNextFileA(search, &data));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

// A fresh folder named after the running test, with its trailing backslash.
class ProfileFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("profiles-") + info->test_suite_name() + "-" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    folder_ = testsupport::FreshTempFolder(name) + "\\";
  }
  std::string PathOf(const std::string& name) const { return folder_ + name; }

  std::string folder_;
};

}  // namespace profiletest
