#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/Masks.h"
#include "classlib/runtime/Exceptions.h"
#include "TestFolder.h"

namespace {

struct PathCase {
  const char* path;
  const char* dir;
  const char* filePath;
  const char* name;
  const char* ext;
  const char* drive;
};

// Local time 2005-06-15 12:34:56 as the system stores it.
FILETIME KnownWriteTime() {
  SYSTEMTIME local = {};
  local.wYear = 2005;
  local.wMonth = 6;
  local.wDay = 15;
  local.wHour = 12;
  local.wMinute = 34;
  local.wSecond = 56;
  FILETIME localTime, utc;
  SystemTimeToFileTime(&local, &localTime);
  LocalFileTimeToFileTime(&localTime, &utc);
  return utc;
}

constexpr int kKnownDosTime = ((2005 - 1980) << 25) | (6 << 21) | (15 << 16) | (12 << 11) | (34 << 5) | (56 / 2);

void MakeFile(const AnsiString& path, int64_t size, DWORD attributes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
  LARGE_INTEGER at;
  at.QuadPart = size;
  SetFilePointerEx(h, at, nullptr, FILE_BEGIN);
  SetEndOfFile(h);
  const FILETIME t = KnownWriteTime();
  SetFileTime(h, nullptr, nullptr, &t);
  CloseHandle(h);
  SetFileAttributesA(path.c_str(), attributes);
}

class FileSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = TestFolder();
    MakeFile(root_ + "a.txt", 10, FILE_ATTRIBUTE_ARCHIVE);
    MakeFile(root_ + "b.TXT", 0, FILE_ATTRIBUTE_READONLY);
    MakeFile(root_ + "h.txt", 1, FILE_ATTRIBUTE_HIDDEN);
    MakeFile(root_ + "s.dat", 2, FILE_ATTRIBUTE_SYSTEM);
    MakeFile(root_ + "big.bin", (int64_t{5} << 30) + 3, FILE_ATTRIBUTE_ARCHIVE);  // sparse, above 4 GB
    ASSERT_TRUE(ForceDirectories(root_ + "sub\\deeper"));
    MakeFile(root_ + "sub\\c.txt", 3, FILE_ATTRIBUTE_NORMAL);
  }
  void TearDown() override {
    for (const char* name : {"b.TXT", "h.txt", "s.dat"}) SetFileAttributesA((root_ + name).c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(root_ + "big.bin");
  }

  std::vector<AnsiString> Find(const AnsiString& pattern, int attr) {
    std::vector<AnsiString> names;
    TSearchRec rec;
    for (int r = FindFirst(root_ + pattern, attr, rec); r == 0; r = FindNext(rec)) {
      names.push_back(rec.Name);
      if ((rec.Attr & faDirectory) == 0) EXPECT_EQ(rec.Time, kKnownDosTime) << rec.Name;  // every file was dated
    }
    FindClose(rec);
    std::sort(names.begin(), names.end());
    return names;
  }

  AnsiString root_;
};

}  // namespace

TEST_F(FileSearch, MasksAndAttributeSetsGiveExactlyTheExpectedNames) {
  using Names = std::vector<AnsiString>;
  struct Case {
    const char* pattern;
    int attr;
    Names expected;
  };
  const Case cases[] = {
      {"*.*", 0, {"a.txt", "b.TXT", "big.bin"}},
      {"*.*", faReadOnly | faArchive, {"a.txt", "b.TXT", "big.bin"}},
      {"*.*", faAnyFile, {".", "..", "a.txt", "b.TXT", "big.bin", "h.txt", "s.dat", "sub"}},
      {"*.*", faDirectory, {".", "..", "a.txt", "b.TXT", "big.bin", "sub"}},
      {"*.*", faHidden, {"a.txt", "b.TXT", "big.bin", "h.txt"}},
      {"*.*", faSysFile, {"a.txt", "b.TXT", "big.bin", "s.dat"}},
      {"*.txt", 0, {"a.txt", "b.TXT"}},
      {"*.txt", faAnyFile, {"a.txt", "b.TXT", "h.txt"}},
      {"sub\\*.*", faAnyFile, {".", "..", "c.txt", "deeper"}},
      {"?.txt", 0, {"a.txt", "b.TXT"}},
      {"nothing*", faAnyFile, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Find(c.pattern, c.attr), c.expected) << c.pattern << " " << c.attr;
}

TEST_F(FileSearch, EntriesCarryLocalDosTimeSizeAndAttributes) {
  TSearchRec rec;
  ASSERT_EQ(FindFirst(root_ + "big.bin", faAnyFile, rec), 0);
  EXPECT_EQ(rec.Time, kKnownDosTime);
  EXPECT_EQ(rec.Size, (int64_t{5} << 30) + 3);
  EXPECT_EQ(rec.Attr & faDirectory, 0);
  EXPECT_NE(FindNext(rec), 0);
  FindClose(rec);
  ASSERT_EQ(FindFirst(root_ + "b.TXT", faAnyFile, rec), 0);
  EXPECT_EQ(rec.Attr & faReadOnly, faReadOnly);
  EXPECT_EQ(rec.Size, 0);
  ASSERT_EQ(FindFirst(root_ + "sub", faDirectory, rec), 0);  // a second search closes the first
  EXPECT_EQ(rec.Attr & faDirectory, faDirectory);
  EXPECT_EQ(FindFirst(root_ + "missing.txt", faAnyFile, rec), ERROR_FILE_NOT_FOUND);
}

TEST_F(FileSearch, FileAndFolderRoutines) {
  EXPECT_TRUE(FileExists(root_ + "a.txt"));
  EXPECT_FALSE(FileExists(root_ + "sub"));
  EXPECT_TRUE(DirectoryExists(root_ + "sub"));
  EXPECT_FALSE(DirectoryExists(root_ + "a.txt"));
  EXPECT_EQ(FileSizeOf(root_ + "a.txt"), 10);
  EXPECT_EQ(FileSizeOf(root_ + "none"), -1);
  EXPECT_TRUE(RenameFile(root_ + "a.txt", root_ + "renamed.txt"));
  EXPECT_TRUE(FileExists(root_ + "renamed.txt"));
  EXPECT_TRUE(DeleteFile(root_ + "renamed.txt"));
  EXPECT_FALSE(FileExists(root_ + "renamed.txt"));
  EXPECT_TRUE(ForceDirectories(root_ + "x\\y\\z\\"));
  EXPECT_TRUE(DirectoryExists(root_ + "x\\y\\z"));
  EXPECT_TRUE(RemoveDir(root_ + "x\\y\\z"));
  EXPECT_FALSE(ForceDirectories(root_ + "b.TXT\\inside"));  // a file blocks the way
}

TEST(FilePaths, PartsOfNames) {
  const PathCase cases[] = {
      {"C:\\a\\b.txt", "C:\\a", "C:\\a\\", "b.txt", ".txt", "C:"},
      {"a.b\\c", "a.b", "a.b\\", "c", "", ""},
      {"C:\\b.txt", "C:\\", "C:\\", "b.txt", ".txt", "C:"},
      {"C:b.txt", "C:", "C:", "b.txt", ".txt", "C:"},
      {"name", "", "", "name", "", ""},
      {"arc.tar.gz", "", "", "arc.tar.gz", ".gz", ""},
      {".hidden", "", "", ".hidden", ".hidden", ""},
      {"dir\\", "dir", "dir\\", "", "", ""},
      {"\\\\srv\\share\\f.avi", "\\\\srv\\share", "\\\\srv\\share\\", "f.avi", ".avi", "\\\\srv\\share"},
  };
  for (const PathCase& c : cases) {
    EXPECT_EQ(ExtractFileDir(c.path), c.dir) << c.path;
    EXPECT_EQ(ExtractFilePath(c.path), c.filePath) << c.path;
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
    EXPECT_EQ(ExtractFileDrive(c.path), c.drive) << c.path;
  }
  EXPECT_EQ(ChangeFileExt("a.b\\c", ".pf"), "a.b\\c.pf");
  EXPECT_EQ(ChangeFileExt("x\\movie.avi", ".mp4"), "x\\movie.mp4");
  EXPECT_EQ(ChangeFileExt("movie.avi", ""), "movie");
  EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\a"), "C:\\a\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\a\\"), "C:\\a\\");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("C:\\a\\"), "C:\\a");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("C:\\a"), "C:\\a");
  EXPECT_EQ(ExpandFileName("C:\\a\\..\\b\\.\\c.txt"), "C:\\b\\c.txt");
}

TEST(FileMasks, MatchTable) {
  struct Case {
    const char* mask;
    const char* name;
    bool matches;
  };
  const Case cases[] = {
      {"*.avi", "Movie.AVI", true},   {"*.avi", "movie.avix", false}, {"*.*", "noext", false},
      {"*.*", "a.b", true},           {"*", "", true},                {"a?c", "abc", true},
      {"a?c", "ac", false},           {"[a-c]*.txt", "B1.txt", true}, {"[a-c]*.txt", "d1.txt", false},
      {"[!a-c]*", "d", true},         {"[!a-c]*", "a", false},        {"*x*y", "axbxcy", true},
      {"*x*y", "axbxcyz", false},     {"M4V*.mp4", "M4V00001.mp4", true}, {"[xyz].mp4", "Y.MP4", true},
      {"**a", "a", true},             {"abc", "ABC", true},           {"abc", "abcd", false},
  };
  for (const Case& c : cases) EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches) << c.mask << " " << c.name;
  EXPECT_THROW(TMask("[a-"), EMaskException);
  EXPECT_THROW(TMask("[]"), EMaskException);
  EXPECT_THROW(TMask("[z-a]"), EMaskException);
}
