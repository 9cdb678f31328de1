#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "classlib/runtime/FileUtils.h"
#include "engine/Decodermodemap.h"
#include "test_support.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string TestFolder() {
  return testsupport::FreshTempFolder(std::string("engine-decoder-modes-") +
                                      testing::UnitTest::GetInstance()->current_test_info()->name()) +
         "\\";
}

std::vector<std::string> Extensions(const TDecoderModeMap& map) {
  std::vector<std::string> out;
  TDecoderModeMapItem item;
  for (int i = 0; map.GetItem(i, item); ++i) out.push_back(item.Extension.str());
  return out;
}

TEST(DecoderModeMap, TheShippedFileHoldsEveryVideoExtensionWithTheFirstMode) {
  TDecoderModeMap map;
  map.SetDefaultMode(3);
  ASSERT_TRUE(map.LoadFromFile("DecoderMode.cfg"));
  EXPECT_EQ(map.GetDefaultMode(), 0);
  EXPECT_EQ(Extensions(map), (std::vector<std::string>{".3g2", ".3gp", ".asf", ".avi", ".dat", ".flv", ".mkv", ".mov",
                                                       ".mp4", ".mpeg", ".mpg", ".ogm", ".qt", ".rm", ".rmvb", ".vob",
                                                       ".wmv"}));
  TDecoderModeMapItem item;
  for (int i = 0; map.GetItem(i, item); ++i) {
    EXPECT_EQ(item.DecoderMode, 0) << item.Extension;
    EXPECT_FALSE(item.Note.IsEmpty()) << item.Extension;
  }
}

TEST(DecoderModeMap, SavingAndLoadingKeepsItemsNotesModesAndTheDefault) {
  const std::string file = TestFolder() + "DecoderMode.cfg";
  TDecoderModeMap saved;
  saved.SetDefaultMode(2);
  saved.SetItem({".avi", "AVI video", 1});
  saved.SetItem({".mkv", "Matroska = video; with signs", 3});
  saved.SetItem({".vob", "", 2});
  saved.SetItem({".avi", "replaced", 0});
  ASSERT_TRUE(saved.SaveToFile(file.c_str()));

  TDecoderModeMap loaded;
  ASSERT_TRUE(loaded.LoadFromFile(file.c_str()));
  EXPECT_EQ(loaded.GetDefaultMode(), 2);
  ASSERT_EQ(Extensions(loaded), (std::vector<std::string>{".avi", ".mkv", ".vob"}));
  for (int i = 0; i < 3; ++i) {
    TDecoderModeMapItem a, b;
    saved.GetItem(i, a);
    loaded.GetItem(i, b);
    EXPECT_EQ(a.Note, b.Note);
    EXPECT_EQ(a.DecoderMode, b.DecoderMode);
  }
  EXPECT_EQ(loaded.Find(".avi")->second.Note, "replaced");
}

TEST(DecoderModeMap, TheFileListsExtensionsLowerCaseAndSectionsAsStored) {
  const std::string file = TestFolder() + "DecoderMode.cfg";
  TDecoderModeMap map;
  map.SetDefaultMode(1);
  map.SetItem({".MKV", "upper", 2});
  map.SetItem({".avi", "lower", 3});
  ASSERT_TRUE(map.SaveToFile(file.c_str()));
  const std::string text = ReadAll(file);
  const std::vector<std::string> order{"[Default]", "DefaultDecoderMode=1", "[Ext]", ".mkv=", ".avi=",
                                       "[.MKV]",    "Note=upper",           "DecoderMode=2", "[.avi]",
                                       "Note=lower", "DecoderMode=3"};
  size_t at = 0;
  for (const std::string& piece : order) {
    const size_t found = text.find(piece, at);
    ASSERT_NE(found, std::string::npos) << piece << " in order in:\n" << text;
    at = found + piece.size();
  }
}

TEST(DecoderModeMap, ModesOutsideTheFourAnswerTheDefault) {
  TDecoderModeMap map;
  map.SetDefaultMode(1);
  map.SetItem({".avi", "", 3});
  map.SetItem({".bad", "", -1});
  map.SetItem({".far", "", 7});
  map.SetItem({".AVI", "", 2});
  struct Case {
    const char* extension;
    int mode;
  };
  for (const Case& c : {Case{".avi", 3}, Case{".AVI", 2}, Case{".bad", 1}, Case{".far", 1}, Case{".xyz", 1},
                        Case{"", 1}}) {
    EXPECT_EQ(map.GetMode(c.extension), c.mode) << c.extension;
  }
  map.SetDefaultMode(9);
  EXPECT_EQ(map.GetMode(".xyz"), 0);
  EXPECT_EQ(map.GetMode(".bad"), 0);
  map.SetDefaultMode(-1);
  EXPECT_EQ(map.GetMode(".far"), 0);
}

TEST(DecoderModeMap, LookUpsRemovalAndItemsByIndex) {
  TDecoderModeMap map;
  map.SetItem({".mp4", "", 0});
  map.SetItem({".avi", "", 0});
  EXPECT_EQ(map.LowerBound(".b")->first, ".mp4");
  EXPECT_EQ(map.LowerBound(".avi")->first, ".avi");
  EXPECT_TRUE(map.Find(".AVI") == map.End());
  TDecoderModeMapItem item;
  EXPECT_FALSE(map.GetItem(-1, item));
  EXPECT_FALSE(map.GetItem(2, item));
  EXPECT_TRUE(map.RemoveItem(".avi"));
  EXPECT_FALSE(map.RemoveItem(".avi"));
  EXPECT_EQ(map.GetCount(), 1);
}

TEST(DecoderModeMap, AMissingFileLeavesTheTableEmptyAndTheDefault) {
  TDecoderModeMap map;
  map.SetItem({".avi", "", 1});
  map.SetDefaultMode(3);
  EXPECT_FALSE(map.LoadFromFile((TestFolder() + "missing.cfg").c_str()));
  EXPECT_EQ(map.GetCount(), 0);
  EXPECT_EQ(map.GetDefaultMode(), 3);
}

TEST(DecoderModeMap, AnExtensionWithoutItsSectionHasNoNoteAndTheFirstMode) {
  const std::string file = TestFolder() + "partial.cfg";
  WriteAll(file, "[Default]\r\nDefaultDecoderMode=2\r\n[Ext]\r\n.avi=\r\n.mov=\r\n[.mov]\r\nNote=movie\r\nDecoderMode=3\r\n");
  TDecoderModeMap map;
  ASSERT_TRUE(map.LoadFromFile(file.c_str()));
  ASSERT_EQ(Extensions(map), (std::vector<std::string>{".avi", ".mov"}));
  EXPECT_EQ(map.Find(".avi")->second.Note, "");
  EXPECT_EQ(map.Find(".avi")->second.DecoderMode, 0);
  EXPECT_EQ(map.Find(".mov")->second.Note, "movie");
  EXPECT_EQ(map.GetMode(".mov"), 3);
}

TEST(DecoderModeMap, SavingOntoAReadOnlyFileFailsAndKeepsTheOldFile) {
  const std::string folder = TestFolder();
  const std::string file = folder + "DecoderMode.cfg";
  const std::string old = "[Default]\r\nDefaultDecoderMode=1\r\n[Ext]\r\n.avi=\r\n";
  WriteAll(file, old);
  ASSERT_TRUE(FileSetAttr(file.c_str(), faReadOnly));
  TDecoderModeMap map;
  map.SetItem({".mkv", "new", 2});
  const bool saved = map.SaveToFile(file.c_str());
  FileSetAttr(file.c_str(), 0);
  EXPECT_FALSE(saved);
  EXPECT_EQ(ReadAll(file), old);
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &entry);
  std::vector<std::string> names;
  do {
    if (std::string(entry.cFileName) != "." && std::string(entry.cFileName) != "..") names.push_back(entry.cFileName);
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  EXPECT_EQ(names, (std::vector<std::string>{"DecoderMode.cfg"}));
}

TEST(DecoderModeMap, SavingIntoAMissingFolderFails) {
  TDecoderModeMap map;
  map.SetItem({".avi", "", 0});
  EXPECT_FALSE(map.SaveToFile((TestFolder() + "no such folder\\DecoderMode.cfg").c_str()));
}

}  // namespace
