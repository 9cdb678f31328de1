#pragma once
// What the shell tests share: folders made for a case and shell items of their entries.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/shell/Spskinshellctrls.h"
#include "test_support.h"

namespace shelltest {

// Makes an empty file, or one of `size` bytes (sparse, so large sizes cost no disk).
void MakeFile(const std::string& path, long long size = 0);
void MakeFolder(const std::string& path);

// The item of a folder path (a root folder below the desktop), owned by the caller.
std::unique_ptr<TspShellFolder> OpenFolder(const std::string& path);
// The item of the entry `name` of `parent` with its own shell folder when it has one.
std::unique_ptr<TspShellFolder> ChildItem(TspShellFolder* parent, const std::string& name);
// The names of the entries `folder` lists for the enumeration flags, sorted.
std::vector<std::string> EnumeratedNames(IShellFolder* folder, DWORD flags);

// A fresh (empty) folder for the case: "<temp>\shell-<suite>-<case><suffix>".
std::string CaseFolder(const std::string& suffix = "");

// Detail interfaces of the shell made unavailable for the scope.
class TWithoutDetailInterfaces {
 public:
  explicit TWithoutDetailInterfaces(bool folder2Too);
  ~TWithoutDetailInterfaces();

 private:
  TspShellSeams previous_;
};

}  // namespace shelltest
