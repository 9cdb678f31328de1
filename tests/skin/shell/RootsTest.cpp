// Root texts: special-folder names, drive texts, paths, and the texts that open nothing.
#include "ShellFixture.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/SysUtils.h"
#include "skin/data/Spconst.h"

using namespace shelltest;

TEST(Roots, EveryRootFolderNameOpensItsSpecialFolder) {
  for (int i = 0; i < kRootFolderCount; ++i) {
    const auto folder = static_cast<TspRootFolder>(i);
    const AnsiString name = RootFolderName(folder);
    SCOPED_TRACE(name.c_str());
    EXPECT_EQ(i, RootFolderIndex(name));
    EXPECT_EQ(i, RootFolderIndex(UpperCase(name)));
    TspItemIDList expected;
    const bool exists = SUCCEEDED(SHGetSpecialFolderLocation(nullptr, RootFolderCSIDL(folder), expected.Put()));
    AnsiString root = name;
    if (!exists) {
      EXPECT_THROW(CreateRootFolder(nullptr, "C:\\", root), Exception);
      continue;
    }
    std::unique_ptr<TspShellFolder> opened(CreateRootFolder(nullptr, "C:\\", root));
    EXPECT_TRUE(SameItemIDs(expected.Get(), opened->AbsoluteID()));
    EXPECT_EQ(name, root);
  }
  EXPECT_EQ(-1, RootFolderIndex("rfNowhere"));
  EXPECT_EQ(CSIDL_DRIVES, RootFolderCSIDL(rfMyComputer));
  EXPECT_EQ(CSIDL_TEMPLATES, RootFolderCSIDL(rfTemplates));
}

TEST(Roots, ADriveTextGetsItsBackslash) {
  AnsiString root = "C:";
  std::unique_ptr<TspShellFolder> drive(CreateRootFolder(nullptr, "", root));
  EXPECT_STREQ("C:\\", root.c_str());
  EXPECT_STREQ("C:\\", drive->PathName().c_str());
  EXPECT_STREQ("C:\\", drive->FullObjectName().c_str());
}

TEST(Roots, APathOpensThatFolder) {
  const std::string base = CaseFolder();
  AnsiString root = base.c_str();
  std::unique_ptr<TspShellFolder> folder(CreateRootFolder(nullptr, "", root));
  EXPECT_EQ(base, folder->PathName().c_str());
  EXPECT_TRUE(folder->IsFolder());
  EXPECT_NE(nullptr, folder->ShellFolder());
}

TEST(Roots, TextsThatOpenNothingRaiseAndKeepTheOldRoot) {
  EXPECT_STREQ("Error setting path: \"%s\"", SErrorSettingPath.Text().c_str());
  const std::string base = CaseFolder();
  std::unique_ptr<TspShellFolder> old(OpenFolder(base));
  const std::string cases[] = {"", base + "\\missing", base + "\\missing\\deeper"};
  for (const std::string& text : cases) {
    SCOPED_TRACE(text);
    AnsiString root = text.c_str();
    try {
      CreateRootFolder(old.get(), base.c_str(), root);
      ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
      EXPECT_EQ("Error setting path: \"" + text + "\"", e.Message().c_str());
    }
    EXPECT_EQ(base, root.c_str());
    EXPECT_EQ(base, old->PathName().c_str());  // the old folder is left alone
  }
}

TEST(Roots, AVirtualFolderIsNamedByItsNormalName) {
  AnsiString root = "rfControlPanel";
  std::unique_ptr<TspShellFolder> panel(CreateRootFolder(nullptr, "", root));
  const AnsiString normal = GetDisplayNameText(DesktopFolder->ShellFolder(), panel->AbsoluteID(), SHGDN_NORMAL);
  EXPECT_FALSE(normal.IsEmpty());
  EXPECT_EQ(normal, panel->PathName());
  EXPECT_NE(1, panel->PathName().Pos("::{"));
  EXPECT_TRUE(panel->FullObjectName().IsEmpty());
  EXPECT_STREQ("parentfolder = nil", GetDisplayNameText(nullptr, panel->AbsoluteID(), SHGDN_NORMAL).c_str());
}
