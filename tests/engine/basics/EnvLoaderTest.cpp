#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "classlib/runtime/FileUtils.h"
#include "engine/Envfilescrambling.h"
#include "engine/Quorinvcenvloader.h"
#include "test_support.h"

namespace {

std::string TestFolder() {
  return testsupport::FreshTempFolder(std::string("engine-env-") +
                                      testing::UnitTest::GetInstance()->current_test_info()->name()) +
         "\\";
}

// Writes INI text as a scrambled environment file.
void WriteEnvFile(const std::string& path, std::string text) {
  ScrambleEnvBytes(reinterpret_cast<unsigned char*>(text.data()), text.size());
  std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> FilesIn(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((folder + pattern).c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(entry.cFileName);
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return names;
}

// Points the process's temporary folder elsewhere for the scope.
class TemporaryFolderOverride {
 public:
  explicit TemporaryFolderOverride(const std::string& folder) {
    for (const char* name : {"TMP", "TEMP"}) {
      char old[MAX_PATH] = {};
      saved_.push_back(GetEnvironmentVariableA(name, old, MAX_PATH) > 0 ? old : "");
      SetEnvironmentVariableA(name, folder.c_str());
    }
  }
  ~TemporaryFolderOverride() {
    SetEnvironmentVariableA("TMP", saved_[0].empty() ? nullptr : saved_[0].c_str());
    SetEnvironmentVariableA("TEMP", saved_[1].empty() ? nullptr : saved_[1].c_str());
  }

 private:
  std::vector<std::string> saved_;
};

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }
bool Overlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}
std::vector<LONG> Values(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

TEST(EnvLoader, TheBuiltEnvironmentFileShowsAllCategoriesLaidOutApart) {
  const std::string temp = TestFolder();
  TemporaryFolderOverride useTemp(temp);
  QuorinVCEnvLoader env;
  ASSERT_TRUE(env.LoadFromFile("ZediruVeze.EDF"));
  EXPECT_EQ(env.ApplicationName, "Quorin Video Converter");
  EXPECT_EQ(env.nDefaultFormat, 3);
  EXPECT_EQ(env.SkinPath, ".\\Skin\\Quorin\\");
  EXPECT_EQ(env.CoverLoadInfoTextColor, 0xFFFFFF);
  EXPECT_EQ(env.FormatEntries[ocREAL].Text, "RMVB,RM");
  std::vector<RECT> rects;
  for (int i = 0; i < kOutputCategoryCount; ++i) {
    const OutputFormatEntry& e = env.FormatEntries[i];
    SCOPED_TRACE(kOutputCategoryCodes[i]);
    EXPECT_TRUE(e.Show);
    EXPECT_FALSE(Empty(e.IconRect));
    EXPECT_FALSE(Empty(e.TextRect));
    if (i >= ocMP3) {
      EXPECT_GE(e.IconRect.left, 700) << "audio categories are reached by scrolling";
    } else {
      EXPECT_TRUE(Inside(e.IconRect, env.IconsBackgroundRect) && Inside(e.TextRect, env.IconsBackgroundRect))
          << "video categories show in the visible panel";
    }
    rects.push_back(e.IconRect);
    rects.push_back(e.TextRect);
  }
  for (size_t a = 0; a < rects.size(); ++a)
    for (size_t b = a + 1; b < rects.size(); ++b) EXPECT_FALSE(Overlap(rects[a], rects[b])) << a << " and " << b;
  ASSERT_EQ(env.PreviewModeCount, 3);
  EXPECT_EQ(env.PreviewModes[2].Name, "Play on iPod Touch");
  EXPECT_EQ(env.PreviewModes[1].Height, 272);
  EXPECT_EQ(FilesIn(temp, "Tmp*.ini"), std::vector<std::string>{});
}

TEST(EnvLoader, AMissingFileAnswersFalseWithTheDefaults) {
  QuorinVCEnvLoader env;
  EXPECT_FALSE(env.LoadFromFile((TestFolder() + "ZediruVeze.EDF").c_str()));
  EXPECT_EQ(env.ApplicationVersion, "3.5.0");
  EXPECT_EQ(Values(env.IconsBackgroundRect), (std::vector<LONG>{16, 0, 636, 83}));
  EXPECT_TRUE(env.FormatEntries[ocFLV].Show);
  EXPECT_FALSE(env.FormatEntries[ocMP3].Show);
  EXPECT_EQ(env.MainFormIconFile[ocThreeGP], "3gp.png");
  EXPECT_EQ(env.PreviewModeCount, 3);
}

TEST(EnvLoader, AFileThatCannotBeUnscrambledIntoTheTemporaryFolderAnswersFalse) {
  const std::string folder = TestFolder();
  WriteEnvFile(folder + "env.EDF", "[Environment]\r\nApplicationName=Other\r\n");
  TemporaryFolderOverride useMissing(folder + "no such folder");
  QuorinVCEnvLoader env;
  EXPECT_FALSE(env.LoadFromFile((folder + "env.EDF").c_str()));
  EXPECT_EQ(env.ApplicationName, "Quorin Video Converter");
}

// Hand-written environment files over the defaults, each with what it must give.
TEST(EnvLoader, HandWrittenFilesOverTheDefaults) {
  struct Case {
    const char* name;
    const char* keys;
    std::function<void(QuorinVCEnvLoader&)> before;  // may set values the file must keep
    std::function<void(const QuorinVCEnvLoader&)> check;
  };
  const auto none = [](QuorinVCEnvLoader&) {};
  const Case cases[] = {
      {"background rect given", "IconsBackgroundRect=16,0,636,83\r\nAVIIconRect=0,0,5,120\r\n", none,
       [](auto& e) {
         EXPECT_EQ(Values(e.IconsBackgroundRect), (std::vector<LONG>{16, 0, 636, 83}));
         EXPECT_EQ(Values(e.FormatEntries[ocAVI].IconRect), (std::vector<LONG>{0, 0, 5, 120}));
       }},
      {"rects absent", "ApplicationName=Absent\r\n",
       [](auto& e) { e.FormatEntries[ocAVI].TextRect = RECT{9, 9, 9, 9}; },
       [](auto& e) {
         EXPECT_EQ(e.ApplicationName, "Absent");
         EXPECT_EQ(Values(e.IconsBackgroundRect), (std::vector<LONG>{0, 0, 0, 0}));
         EXPECT_EQ(Values(e.FormatEntries[ocAVI].TextRect), (std::vector<LONG>{0, 0, 0, 0}));
       }},
      {"rects malformed", "IconsBackgroundRect=1,2,3\r\nAVITextRect=1,2,3\r\nWMVTextRect=a,b,c,d\r\n",
       [](auto& e) {
         e.FormatEntries[ocAVI].TextRect = RECT{9, 9, 9, 9};
         e.FormatEntries[ocWMV].TextRect = RECT{7, 7, 7, 7};
       },
       [](auto& e) {
         EXPECT_EQ(Values(e.IconsBackgroundRect), (std::vector<LONG>{16, 0, 636, 83}));
         EXPECT_EQ(Values(e.FormatEntries[ocAVI].TextRect), (std::vector<LONG>{9, 9, 9, 9}));
         EXPECT_EQ(Values(e.FormatEntries[ocWMV].TextRect), (std::vector<LONG>{7, 7, 7, 7}));
       }},
      {"integers", "nDefaultFormat=0x10\r\nCoverVersionTextColor=0xFF\r\nCoverVersionTextPosX=abc\r\nIconsPanelHeight=-5\r\n",
       none,
       [](auto& e) {
         EXPECT_EQ(e.nDefaultFormat, 16);
         EXPECT_EQ(e.CoverVersionTextColor, 255);
         EXPECT_EQ(e.CoverVersionTextPosX, 370);
         EXPECT_EQ(e.IconsPanelHeight, -5);
       }},
      {"flags", "ShowMP3Format=1\r\nShowAVIFormat=0\r\nShowWMAFormat=2\r\nShowFLVFormat=yes\r\nMP3Text=Lame MP3\r\n",
       none,
       [](auto& e) {
         EXPECT_TRUE(e.FormatEntries[ocMP3].Show);
         EXPECT_FALSE(e.FormatEntries[ocAVI].Show);
         EXPECT_TRUE(e.FormatEntries[ocWMA].Show);
         EXPECT_TRUE(e.FormatEntries[ocFLV].Show);
         EXPECT_FALSE(e.FormatEntries[ocOGG].Show);
         EXPECT_EQ(e.FormatEntries[ocMP3].Text, "Lame MP3");
         EXPECT_EQ(e.FormatEntries[ocWMA].Text, "WMA");
       }},
      {"preview count -1", "PreviewModeCount=-1\r\n", none, [](auto& e) { EXPECT_EQ(e.PreviewModeCount, 0); }},
      {"preview count 0", "PreviewModeCount=0\r\nPreviewModeName1=Unused\r\n", none,
       [](auto& e) {
         EXPECT_EQ(e.PreviewModeCount, 0);
         EXPECT_EQ(e.PreviewModes[0].Name, "Play on iPod");
       }},
      {"preview count 2", "PreviewModeCount=2\r\nPreviewModeName1=Phone\r\n", none,
       [](auto& e) {
         EXPECT_EQ(e.PreviewModeCount, 2);
         EXPECT_EQ(e.PreviewModes[0].Name, "Phone");
         EXPECT_EQ(e.PreviewModes[0].Width, 320);
         EXPECT_EQ(e.PreviewModes[1].Name, "Play on PSP");
       }},
      {"preview count 9",
       "PreviewModeCount=9\r\nPreviewModeName4=Tablet\r\nPreviewModeWidth4=1024\r\nPreviewModeHeight4=768\r\n"
       "PreviewModeFixAspectRatio4=1\r\nPreviewModeName5=Beyond\r\n",
       none,
       [](auto& e) {
         EXPECT_EQ(e.PreviewModeCount, 4);
         EXPECT_EQ(e.PreviewModes[3].Name, "Tablet");
         EXPECT_TRUE(e.PreviewModes[3].FixAspectRatio);
         EXPECT_EQ(e.PreviewModes[3].Width, 1024);
         EXPECT_EQ(e.PreviewModes[3].Height, 768);
       }},
      {"preview mode partly given", "PreviewModeWidth1=640\r\nPreviewModeFixAspectRatio1=1\r\n", none,
       [](auto& e) {
         EXPECT_EQ(e.PreviewModeCount, 3);
         EXPECT_EQ(e.PreviewModes[0].Name, "Play on iPod");
         EXPECT_TRUE(e.PreviewModes[0].FixAspectRatio);
         EXPECT_EQ(e.PreviewModes[0].Width, 640);
         EXPECT_EQ(e.PreviewModes[0].Height, 240);
       }},
  };
  const std::string folder = TestFolder();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = folder + "env.EDF";
    WriteEnvFile(path, std::string("[Environment]\r\n") + c.keys);
    QuorinVCEnvLoader env;
    c.before(env);
    ASSERT_TRUE(env.LoadFromFile(path.c_str()));
    c.check(env);
  }
}

TEST(EnvLoader, ParseRectTakesFourIntegersOrLeavesTheRectangle) {
  struct Case {
    const char* text;
    bool parsed;
    std::vector<LONG> result;
  };
  const Case cases[] = {
      {"1,2,3,4", true, {1, 2, 3, 4}},
      {"-5,0,10,20", true, {-5, 0, 10, 20}},
      {" 16, 0 ,636,83 ", true, {16, 0, 636, 83}},
      {"1,2,3", false, {9, 8, 7, 6}},
      {"1,2,3,4,5", false, {9, 8, 7, 6}},
      {"1,,3,4", false, {9, 8, 7, 6}},
      {"a,2,3,4", false, {9, 8, 7, 6}},
      {"1,2,3,x", false, {9, 8, 7, 6}},
      {"", false, {9, 8, 7, 6}},
  };
  for (const Case& c : cases) {
    RECT rect{9, 8, 7, 6};
    EXPECT_EQ(QuorinVCEnvLoader::ParseRect(c.text, rect), c.parsed) << c.text;
    EXPECT_EQ(Values(rect), c.result) << c.text;
  }
}

TEST(EnvLoader, TemporaryNamesAreNewIniNamesInTheTemporaryFolder) {
  const std::string temp = TestFolder();
  TemporaryFolderOverride useTemp(temp);
  const AnsiString first = QuorinVCEnvLoader::MakeTempFileName();
  EXPECT_EQ(ExtractFilePath(first).str(), temp);
  EXPECT_EQ(ExtractFileName(first).SubString(1, 3), "Tmp");
  EXPECT_EQ(ExtractFileExt(first), ".ini");
  EXPECT_FALSE(FileExists(first));
  EXPECT_EQ(FilesIn(temp, "*.tmp"), std::vector<std::string>{});
}

}  // namespace
