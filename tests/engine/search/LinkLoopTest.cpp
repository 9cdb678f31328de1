#include <gtest/gtest.h>
#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "classlib/runtime/FileUtils.h"
#include "engine/Searchfilethread.h"
#include "test_support.h"

namespace {

// Collects the reported folders and files, relative to `root`.
class Collector : public SearchCallBackBase {
 public:
  explicit Collector(std::string root) : root_(std::move(root)) {}
  void FileFound(const SearchResultItem& item) override { files.push_back(Relative(item.FullPath)); }
  void FolderChanged(const AnsiString& folder) override { folders.push_back(Relative(folder)); }
  std::vector<std::string> folders, files;

 private:
  std::string Relative(const AnsiString& path) const { return path.str().substr(root_.size()); }
  std::string root_;
};

std::vector<std::string> Sorted(std::vector<std::string> v) {
  std::sort(v.begin(), v.end());
  return v;
}

Collector SearchTree(const std::string& root) {
  Collector collector(root);
  std::vector<SearchResultItem> results;
  TSearchFileThread thread(false, &collector, true, root + "top", "*.avi", &results, nullptr);
  thread.WaitFor();
  return collector;
}

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return ExtractFilePath(path).str();
}

// The tree made on the host side with symbolic links to a parent folder and to the
// link's own folder.
TEST(SearchLinkLoops, SymbolicLinksToParentFoldersEndWithEachRealFolderOnce) {
  const std::string root = ExpandFileName((ProgramFolder() + "..\\test-trees\\search-links\\").c_str()).str();
  ASSERT_TRUE(DirectoryExists((root + "top\\mid\\up").c_str())) << root;
  const Collector found = SearchTree(root);
  EXPECT_EQ(Sorted(found.folders), (std::vector<std::string>{"top\\", "top\\mid\\", "top\\mid\\low\\"}));
  EXPECT_EQ(Sorted(found.files),
            (std::vector<std::string>{"top\\a.avi", "top\\mid\\clip.avi", "top\\mid\\low\\b.avi"}));
}

// The mount-point record a junction carries.
struct MountPointData {
  DWORD ReparseTag;
  WORD ReparseDataLength;
  WORD Reserved;
  WORD SubstituteNameOffset;
  WORD SubstituteNameLength;
  WORD PrintNameOffset;
  WORD PrintNameLength;
  WCHAR PathBuffer[MAX_PATH * 2];
};

bool MakeJunction(const std::string& link, const std::string& target) {
  if (!CreateDirectoryA(link.c_str(), nullptr)) return false;
  HANDLE handle = CreateFileA(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const std::wstring substitute = L"\\??\\" + std::wstring(target.begin(), target.end());
  const std::wstring print(target.begin(), target.end());
  MountPointData data{};
  data.ReparseTag = IO_REPARSE_TAG_MOUNT_POINT;
  data.SubstituteNameLength = static_cast<WORD>(substitute.size() * sizeof(WCHAR));
  data.PrintNameOffset = static_cast<WORD>(data.SubstituteNameLength + sizeof(WCHAR));
  data.PrintNameLength = static_cast<WORD>(print.size() * sizeof(WCHAR));
  std::copy(substitute.begin(), substitute.end(), data.PathBuffer);
  std::copy(print.begin(), print.end(), data.PathBuffer + substitute.size() + 1);
  data.ReparseDataLength = static_cast<WORD>(4 * sizeof(WORD) + data.PrintNameOffset + data.PrintNameLength +
                                             sizeof(WCHAR));
  DWORD returned = 0;
  const bool made = DeviceIoControl(handle, FSCTL_SET_REPARSE_POINT, &data, 8 + data.ReparseDataLength, nullptr, 0,
                                    &returned, nullptr) != FALSE;
  CloseHandle(handle);
  return made;
}

TEST(SearchLinkLoops, AJunctionToTheParentFolderEndsWithEachRealFolderOnce) {
  const std::string root = testsupport::FreshTempFolder("engine-search-junction") + "\\";
  CreateDirectoryA((root + "top").c_str(), nullptr);
  CreateDirectoryA((root + "top\\mid").c_str(), nullptr);
  std::ofstream(root + "top\\mid\\clip.avi") << "clip";
  const std::string junction = root + "top\\mid\\back";
  const bool made = MakeJunction(junction, root + "top");
  if (!made) {
    RemoveDirectoryA(junction.c_str());
    GTEST_SKIP() << "this system cannot make junctions";
  }
  const Collector found = SearchTree(root);
  RemoveDirectoryA(junction.c_str());
  EXPECT_EQ(Sorted(found.folders), (std::vector<std::string>{"top\\", "top\\mid\\"}));
  EXPECT_EQ(found.files, (std::vector<std::string>{"top\\mid\\clip.avi"}));
}

}  // namespace
