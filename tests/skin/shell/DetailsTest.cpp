// Detail columns: through the folder's detail interface, and from the file data when the
// folder has none.
#include "ShellFixture.h"
#include "classlib/runtime/DateUtils.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/SysUtils.h"

using namespace shelltest;

namespace {

constexpr int kColumns = 4;

// Sets the file's last write to this local time.
void SetLocalWriteTime(const std::string& path, WORD year, WORD month, WORD day, WORD hour, WORD minute) {
  SYSTEMTIME local{};
  local.wYear = year;
  local.wMonth = month;
  local.wDay = day;
  local.wHour = hour;
  local.wMinute = minute;
  FILETIME localTime;
  FILETIME utc;
  ASSERT_TRUE(SystemTimeToFileTime(&local, &localTime));
  ASSERT_TRUE(LocalFileTimeToFileTime(&localTime, &utc));
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &utc));
  CloseHandle(file);
}

}  // namespace

TEST(Details, TheSecondFolderInterfaceGivesTheTexts) {
  const std::string base = CaseFolder();
  MakeFile(base + "\\clip.avi", 1234);
  MakeFolder(base + "\\sub");
  auto root = OpenFolder(base);
  IShellFolder2* folder2 = root->GetShellFolder2();
  ASSERT_NE(nullptr, folder2);
  EXPECT_EQ(nullptr, root->GetShellDetails());
  TspComRef<IUnknown> expected;
  folder2->QueryInterface(IID_IUnknown, expected.PutVoid());
  TspComRef<IUnknown> used;
  root->GetDetailInterface()->QueryInterface(IID_IUnknown, used.PutVoid());
  EXPECT_EQ(expected.Get(), used.Get());

  for (const char* name : {"clip.avi", "sub"}) {
    SCOPED_TRACE(name);
    auto item = ChildItem(root.get(), name);
    item->LoadColumnDetails(root.get(), nullptr, kColumns);
    int filled = 0;
    for (int column = 1; column <= kColumns; ++column) {
      SHELLDETAILS answer{};
      AnsiString text;
      if (SUCCEEDED(folder2->GetDetailsOf(item->RelativeID(), column, &answer)))
        text = StrRetToText(item->RelativeID(), answer.str);
      EXPECT_EQ(text, item->GetDetails(column)) << column;
      if (!text.IsEmpty()) ++filled;
    }
    EXPECT_GT(filled, 0);
  }
}

TEST(Details, WithoutDetailInterfacesTheFileDataFillsTheColumns) {
  TWithoutDetailInterfaces off(true);
  const std::string base = CaseFolder();
  const std::string big = base + "\\big.bin";
  MakeFile(big, 5000000000LL);
  SetLocalWriteTime(big, 2021, 3, 4, 5, 6);
  MakeFolder(base + "\\sub");
  auto root = OpenFolder(base);
  EXPECT_EQ(nullptr, root->GetDetailInterface());
  EXPECT_EQ(nullptr, root->GetShellFolder2());

  auto file = ChildItem(root.get(), "big.bin");
  file->LoadColumnDetails(root.get(), nullptr, kColumns);
  EXPECT_STREQ("5000000000", file->GetDetails(1).c_str());
  EXPECT_STREQ(".bin", file->GetDetails(2).c_str());
  EXPECT_EQ(FormatDateTime("c", EncodeDate(2021, 3, 4) + EncodeTime(5, 6, 0, 0)), file->GetDetails(3));
  EXPECT_EQ(IntToStr(static_cast<int64_t>(GetFileAttributesA(big.c_str()))), file->GetDetails(4));

  auto folder = ChildItem(root.get(), "sub");
  folder->LoadColumnDetails(root.get(), nullptr, kColumns);
  EXPECT_STREQ("-1", folder->GetDetails(1).c_str());
  EXPECT_STREQ("", folder->GetDetails(2).c_str());
  EXPECT_EQ(FormatDateTime("c", -1), folder->GetDetails(3));
  EXPECT_EQ(IntToStr(FILE_ATTRIBUTE_DIRECTORY), IntToStr(StrToInt(folder->GetDetails(4)) & FILE_ATTRIBUTE_DIRECTORY));
}

TEST(Details, AVanishedFileRaisesInvalidPath) {
  TWithoutDetailInterfaces off(true);
  const std::string base = CaseFolder();
  MakeFile(base + "\\gone.txt");
  auto root = OpenFolder(base);
  auto item = ChildItem(root.get(), "gone.txt");
  ASSERT_TRUE(DeleteFileA((base + "\\gone.txt").c_str()));
  try {
    item->LoadColumnDetails(root.get(), nullptr, kColumns);
    ADD_FAILURE() << "no exception";
  } catch (const EInvalidPath& e) {
    EXPECT_EQ("Unable to retrieve folder details for \"" + std::string(item->DisplayName().c_str()) +
                  "\". Error code $2",
              e.Message().c_str());
  }
}

TEST(Details, ReadingBeforeLoadingRaises) {
  const std::string base = CaseFolder();
  MakeFile(base + "\\early.txt");
  auto root = OpenFolder(base);
  auto item = ChildItem(root.get(), "early.txt");
  try {
    item->GetDetails(1);
    ADD_FAILURE() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(std::string(item->DisplayName().c_str()) + ": Missing call to LoadColumnDetails", e.Message().c_str());
  }
}

TEST(Details, LoadedTextsStayUntilMoreColumnsAreAskedAndCanBeSet) {
  TWithoutDetailInterfaces off(true);
  const std::string base = CaseFolder();
  MakeFile(base + "\\kept.txt", 10);
  auto root = OpenFolder(base);
  auto item = ChildItem(root.get(), "kept.txt");
  item->LoadColumnDetails(root.get(), nullptr, 2);
  item->SetDetails(1, "changed");
  item->LoadColumnDetails(root.get(), nullptr, 2);  // enough texts: nothing read again
  EXPECT_STREQ("changed", item->GetDetails(1).c_str());
  item->SetDetails(2, "last");  // the last text is replaced, not pushed aside
  EXPECT_STREQ("last", item->GetDetails(2).c_str());
  item->SetDetails(3, "added");
  EXPECT_STREQ("added", item->GetDetails(3).c_str());
  item->LoadColumnDetails(root.get(), nullptr, kColumns);  // more columns: all read again
  EXPECT_STREQ("10", item->GetDetails(1).c_str());
  EXPECT_STREQ(".txt", item->GetDetails(2).c_str());
  EXPECT_THROW(item->GetDetails(kColumns + 1), Exception);
}
