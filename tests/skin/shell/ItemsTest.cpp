// Items: folder tests, capability and property sets, enumeration flags, emptiness and
// renaming.
#include "ShellFixture.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/FileUtils.h"

using namespace shelltest;

TEST(Items, FolderAttributeMakesAFolderExceptForZipFiles) {
  struct Case {
    ULONG attributes;
    const char* name;
    bool folder;
  } cases[] = {
      {SFGAO_FOLDER, "C:\\data", true},
      {SFGAO_FOLDER | SFGAO_FILESYSTEM, "C:\\data\\x.ZIP", false},
      {SFGAO_FOLDER, "x.zip", false},
      {SFGAO_FOLDER, "x.zipped", true},
      {SFGAO_FOLDER, "", true},  // a virtual folder has no file name
      {SFGAO_FILESYSTEM, "C:\\data", false},
      {0, "x.zip", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.folder, IsFolderItem(c.attributes, c.name));
  }
}

TEST(Items, RealItemsAreFoldersOnlyWhenTheyAreFolders) {
  const std::string base = CaseFolder();
  MakeFolder(base + "\\sub");
  MakeFile(base + "\\plain.txt");
  MakeFile(base + "\\packed.zip");
  auto folder = OpenFolder(base);
  EXPECT_TRUE(ChildItem(folder.get(), "sub")->IsFolder());
  EXPECT_FALSE(ChildItem(folder.get(), "plain.txt")->IsFolder());
  EXPECT_FALSE(ChildItem(folder.get(), "packed.zip")->IsFolder());
}

TEST(Items, EachSetMemberStandsForItsAttribute) {
  struct Capability {
    TspShellFolderCapability member;
    ULONG attribute;
  } capabilities[] = {{fcCanCopy, SFGAO_CANCOPY},     {fcCanDelete, SFGAO_CANDELETE},
                      {fcCanLink, SFGAO_CANLINK},     {fcCanMove, SFGAO_CANMOVE},
                      {fcCanRename, SFGAO_CANRENAME}, {fcDropTarget, SFGAO_DROPTARGET},
                      {fcHasPropSheet, SFGAO_HASPROPSHEET}};
  ULONG all = 0;
  for (const Capability& c : capabilities) {
    SCOPED_TRACE(c.member);
    EXPECT_EQ(TspShellFolderCapabilities{c.member}, CapabilitiesFromAttributes(c.attribute | SFGAO_FOLDER));
    all |= c.attribute;
  }
  EXPECT_EQ(all, CapabilityAttributes());

  struct Property {
    TspShellFolderProperty member;
    ULONG attribute;
  } properties[] = {{fpCut, SFGAO_GHOSTED},
                    {fpIsLink, SFGAO_LINK},
                    {fpReadOnly, SFGAO_READONLY},
                    {fpShared, SFGAO_SHARE},
                    {fpFileSystem, SFGAO_FILESYSTEM},
                    {fpFileSystemAncestor, SFGAO_FILESYSANCESTOR},
                    {fpRemovable, SFGAO_REMOVABLE},
                    {fpValidate, SFGAO_VALIDATE}};
  for (const Property& p : properties) {
    SCOPED_TRACE(p.member);
    EXPECT_EQ(TspShellFolderProperties{p.member}, PropertiesFromAttributes(p.attribute | SFGAO_FOLDER));
  }
}

TEST(Items, CapabilitiesAndPropertiesFollowTheParentsAnswers) {
  const std::string base = CaseFolder();
  MakeFile(base + "\\plain.txt");
  MakeFile(base + "\\locked.txt");
  ASSERT_TRUE(SetFileAttributesA((base + "\\locked.txt").c_str(), FILE_ATTRIBUTE_READONLY));
  MakeFolder(base + "\\sub");
  auto folder = OpenFolder(base);
  for (const char* name : {"plain.txt", "locked.txt", "sub"}) {
    SCOPED_TRACE(name);
    auto item = ChildItem(folder.get(), name);
    IShellFolder* parent = item->ParentShellFolder();
    EXPECT_EQ(folder->ShellFolder(), parent);
    const ULONG capabilities = ItemAttributes(parent, item->RelativeID(), CapabilityAttributes());
    EXPECT_EQ(CapabilitiesFromAttributes(capabilities & CapabilityAttributes()), item->Capabilities());
    const ULONG asked = ItemAttributes(parent, item->RelativeID(), PropertyAttributesAsked());
    const ULONG all = ItemAttributes(parent, item->RelativeID(), 0);
    EXPECT_EQ(PropertiesFromAttributes((asked & PropertyAttributesAsked()) |
                                       (all & (SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR | SFGAO_REMOVABLE |
                                               SFGAO_VALIDATE))),
              item->Properties());
    EXPECT_TRUE(item->Properties().Contains(fpFileSystem));
    EXPECT_TRUE(item->Capabilities().Contains(fcCanRename));
  }
  EXPECT_TRUE(ChildItem(folder.get(), "locked.txt")->Properties().Contains(fpReadOnly));
  EXPECT_FALSE(ChildItem(folder.get(), "plain.txt")->Properties().Contains(fpReadOnly));
  SetFileAttributesA((base + "\\locked.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(Items, EnumerationFlagsSelectFilesFoldersOrBoth) {
  EXPECT_EQ(DWORD{SHCONTF_FOLDERS}, ObjectTypesToFlags({otFolders}));
  EXPECT_EQ(DWORD{SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN}, ObjectTypesToFlags({otNonFolders, otHidden}));
  EXPECT_EQ(DWORD{0}, ObjectTypesToFlags({}));

  const std::string base = CaseFolder();
  MakeFile(base + "\\a.txt");
  MakeFile(base + "\\b.avi");
  MakeFile(base + "\\hidden.txt");
  ASSERT_TRUE(SetFileAttributesA((base + "\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
  MakeFolder(base + "\\dir");
  auto folder = OpenFolder(base);
  using Names = std::vector<std::string>;
  EXPECT_EQ((Names{"a.txt", "b.avi"}), EnumeratedNames(folder->ShellFolder(), ObjectTypesToFlags({otNonFolders})));
  EXPECT_EQ((Names{"dir"}), EnumeratedNames(folder->ShellFolder(), ObjectTypesToFlags({otFolders})));
  EXPECT_EQ((Names{"a.txt", "b.avi", "dir"}),
            EnumeratedNames(folder->ShellFolder(), ObjectTypesToFlags({otFolders, otNonFolders})));
  EXPECT_EQ((Names{"a.txt", "b.avi", "dir", "hidden.txt"}),
            EnumeratedNames(folder->ShellFolder(), ObjectTypesToFlags({otFolders, otNonFolders, otHidden})));
}

TEST(Items, AnEmptyFolderHasNoObjects) {
  const std::string base = CaseFolder();
  MakeFolder(base + "\\empty");
  MakeFolder(base + "\\files");
  MakeFile(base + "\\files\\one.txt");
  auto folder = OpenFolder(base);
  auto empty = ChildItem(folder.get(), "empty");
  auto files = ChildItem(folder.get(), "files");
  const DWORD everything = ObjectTypesToFlags({otFolders, otNonFolders, otHidden});
  EXPECT_FALSE(FolderHasObjects(empty->ShellFolder(), everything));
  EXPECT_TRUE(FolderHasObjects(files->ShellFolder(), everything));
  EXPECT_FALSE(FolderHasObjects(files->ShellFolder(), ObjectTypesToFlags({otFolders})));
  EXPECT_FALSE(FolderHasObjects(nullptr, everything));
}

TEST(Items, RenameMovesTheFileAndBothLists) {
  const std::string base = CaseFolder();
  MakeFile(base + "\\old.txt");
  auto folder = OpenFolder(base);
  auto item = ChildItem(folder.get(), "old.txt");
  ASSERT_TRUE(item->Rename(L"new.txt"));
  EXPECT_FALSE(FileExists((base + "\\old.txt").c_str()));
  EXPECT_TRUE(FileExists((base + "\\new.txt").c_str()));
  EXPECT_EQ(base + "\\new.txt", item->FullObjectName().c_str());
  auto fresh = ChildItem(folder.get(), "new.txt");
  EXPECT_TRUE(SameItemIDs(fresh->AbsoluteID(), item->AbsoluteID()));
  EXPECT_EQ(0, folder->ShellFolder()->CompareIDs(0, fresh->RelativeID(), item->RelativeID()) & 0xFFFF);
  EXPECT_EQ(ItemIDCount(folder->AbsoluteID()) + 1, ItemIDCount(item->AbsoluteID()));
}

TEST(Items, RenameOntoAnExistingNameRaisesAndKeepsTheItem) {
  const std::string base = CaseFolder();
  MakeFile(base + "\\mine.txt");
  MakeFile(base + "\\taken.txt");
  auto folder = OpenFolder(base);
  auto item = ChildItem(folder.get(), "mine.txt");
  try {
    item->Rename(L"taken.txt");
    ADD_FAILURE() << "no exception";
  } catch (const Exception& e) {
    EXPECT_STREQ("Rename to taken.txt failed", e.Message().c_str());
  }
  EXPECT_TRUE(FileExists((base + "\\mine.txt").c_str()));
  EXPECT_EQ(base + "\\mine.txt", item->FullObjectName().c_str());
}
