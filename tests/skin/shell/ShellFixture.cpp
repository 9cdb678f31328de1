#include "ShellFixture.h"

#include <algorithm>

#include "classlib/runtime/WinApi.h"

namespace shelltest {

namespace {

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  wide.resize(length > 0 ? static_cast<size_t>(length - 1) : 0);
  return wide;
}

}  // namespace

void MakeFile(const std::string& path, long long size) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file) << path;
  if (size > 0) {
    DWORD returned = 0;
    DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = size;
    EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN));
    EXPECT_TRUE(SetEndOfFile(file));
  }
  CloseHandle(file);
}

void MakeFolder(const std::string& path) { ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path; }

std::unique_ptr<TspShellFolder> OpenFolder(const std::string& path) {
  AnsiString root = path.c_str();
  return std::unique_ptr<TspShellFolder>(CreateRootFolder(nullptr, "", root));
}

std::unique_ptr<TspShellFolder> ChildItem(TspShellFolder* parent, const std::string& name) {
  std::wstring wide = Wide(name);
  TspItemIDList relative;
  ULONG eaten = 0;
  if (FAILED(parent->ShellFolder()->ParseDisplayName(nullptr, nullptr, wide.data(), &eaten, relative.Put(), nullptr)))
    return nullptr;
  TspComRef<IShellFolder> own;
  if (ItemIsFolder(parent->ShellFolder(), relative.Get()))
    own = BindShellFolder(parent->ShellFolder(), relative.Get(), nullptr);
  return std::make_unique<TspShellFolder>(parent, own.Get(), relative.Get());
}

std::vector<std::string> EnumeratedNames(IShellFolder* folder, DWORD flags) {
  std::vector<std::string> names;
  TspComRef<IEnumIDList> items;
  if (folder->EnumObjects(nullptr, flags, items.Put()) != S_OK) return names;
  for (;;) {
    TspItemIDList item;
    ULONG fetched = 0;
    if (items->Next(1, item.Put(), &fetched) != S_OK || fetched != 1) break;
    names.push_back(GetDisplayNameText(folder, item.Get(), SHGDN_INFOLDER | SHGDN_FORPARSING).c_str());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string CaseFolder(const std::string& suffix) {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  return testsupport::FreshTempFolder(std::string("shell-") + info->test_suite_name() + "-" + info->name() + suffix);
}

TWithoutDetailInterfaces::TWithoutDetailInterfaces(bool folder2Too) {
  TspShellSeams seams;
  seams.DetailInterfaceAvailable = [folder2Too](REFIID iid) {
    return !(IsEqualIID(iid, IID_IShellDetails) || (folder2Too && IsEqualIID(iid, IID_IShellFolder2)));
  };
  previous_ = SetShellSeams(seams);
}

TWithoutDetailInterfaces::~TWithoutDetailInterfaces() { SetShellSeams(previous_); }

}  // namespace shelltest
