#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "app/Lastsettings.h"
#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/IniFiles.h"
#include "classlib/runtime/SysUtils.h"
#include "engine/Quorinvccommon.h"
#include "engine/Quorinvcenvloader.h"

namespace {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

std::string KeyOf(const TLastSetting& setting) {
  return std::visit([](const auto* s) { return std::string(s->Key); }, setting);
}

// A setting's value as text: texts as they are, integers in decimal, booleans as 0/1.
std::string ReadAsText(const TLastSetting& setting) {
  return std::visit(Overloaded{[](const TTextSetting* s) { return std::string(ReadSetting(*s).c_str()); },
                               [](const TIntegerSetting* s) { return std::to_string(ReadSetting(*s)); },
                               [](const TBoolSetting* s) { return std::string(ReadSetting(*s) ? "1" : "0"); }},
                    setting);
}

// Writes a value that differs from every default; answers it as ReadAsText shows it.
std::string WriteOtherValue(const TLastSetting& setting) {
  return std::visit(Overloaded{[](const TTextSetting* s) {
                                 WriteSetting(*s, "C:\\Out put\\x");
                                 return std::string("C:\\Out put\\x");
                               },
                               [](const TIntegerSetting* s) {
                                 WriteSetting(*s, 12345);
                                 return std::string("12345");
                               },
                               [](const TBoolSetting* s) {
                                 WriteSetting(*s, !s->Default);
                                 return std::string(s->Default ? "0" : "1");
                               }},
                    setting);
}

bool IsText(const TLastSetting& setting) { return std::holds_alternative<const TTextSetting*>(setting); }

class LastSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    savedConfig_ = EnvLoader.ConfigFile;
    savedFormat_ = EnvLoader.nDefaultFormat;
    savedFolder_ = EnvLoader.DefaultOutputFolder;
    EnvLoader.ConfigFile = ".\\LastSettingsTest.ini";
    EnvLoader.nDefaultFormat = 6;
    EnvLoader.DefaultOutputFolder = "Converted Videos";
    DeleteFile(LastSettingsFile());
  }
  void TearDown() override {
    DeleteFile(LastSettingsFile());
    EnvLoader.ConfigFile = savedConfig_;
    EnvLoader.nDefaultFormat = savedFormat_;
    EnvLoader.DefaultOutputFolder = savedFolder_;
  }

  // The default of every key, as ReadAsText shows it.
  static std::map<std::string, std::string> Defaults() {
    std::map<std::string, std::string> defaults{
        {"OutputFolder", std::string((GetMyDocumentsFolder() + "\\Converted Videos\\").c_str())},
        {"PreviewMovie", "1"},
        {"IncludedSubdir", "0"},
        {"AutoCloseAnalysisForm", "1"},
        {"AdvanceSettingsFormWidth", "705"},
        {"AdvanceSettingsFormHeight", "740"},
        {"ShowCustom", "0"},
        {"FixAspectRatio", "0"},
        {"LastFormat", "6"},
        {"LastAudioScheme", ""},
        {"MultiStreamsMethod", "1"},
        {"PSPOutputIndex", "10001"}};
    for (const char* format : {"3GP", "AVI", "MPEG", "MP4", "WMV", "Real", "MOV", "FLV", "MP3", "WMA", "WAV", "RA",
                               "OGG", "AAC", "APE", "MPC", "FLAC"}) {
      defaults[std::string("Last") + format + "Profile"] = "";
    }
    return defaults;
  }

  void WriteSettingsText(const std::string& text) {
    HANDLE file = CreateFileA(LastSettingsFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
  }

 private:
  AnsiString savedConfig_;
  int savedFormat_ = 0;
  AnsiString savedFolder_;
};

TEST_F(LastSettings, TheTableHoldsEveryKeyOnceWithTheFlacKeyOfItsOwn) {
  std::set<std::string> keys;
  for (const TLastSetting& setting : AllLastSettings()) EXPECT_TRUE(keys.insert(KeyOf(setting)).second) << KeyOf(setting);
  std::set<std::string> expected;
  for (const auto& [key, value] : Defaults()) expected.insert(key);
  EXPECT_EQ(expected, keys);
  EXPECT_STREQ("LastFLACProfile", lastsettings::LastProfile[16].Key);
  EXPECT_STREQ("LastRAProfile", lastsettings::LastProfile[11].Key);
  EXPECT_STREQ("LastOGGProfile", lastsettings::LastProfile[12].Key);
}

TEST_F(LastSettings, WithoutFileOrKeyEveryKeyReadsItsDefault) {
  const auto defaults = Defaults();
  for (const TLastSetting& setting : AllLastSettings()) {
    EXPECT_EQ(defaults.at(KeyOf(setting)), ReadAsText(setting)) << KeyOf(setting) << " without a file";
  }
  WriteSettingsText("[Other]\r\nOutputFolder=D:\\x\r\nLastFormat=2\r\n[LastSettings]\r\nUnrelated=1\r\n");
  for (const TLastSetting& setting : AllLastSettings()) {
    EXPECT_EQ(defaults.at(KeyOf(setting)), ReadAsText(setting)) << KeyOf(setting) << " without its key";
  }
}

TEST_F(LastSettings, TextWhereANumberBelongsReadsTheDefault) {
  std::string text = "[LastSettings]\r\n";
  for (const TLastSetting& setting : AllLastSettings()) text += KeyOf(setting) + "=abc\r\n";
  WriteSettingsText(text);
  const auto defaults = Defaults();
  for (const TLastSetting& setting : AllLastSettings()) {
    const std::string expected = IsText(setting) ? "abc" : defaults.at(KeyOf(setting));
    EXPECT_EQ(expected, ReadAsText(setting)) << KeyOf(setting);
  }
}

TEST_F(LastSettings, AWrittenValueReadsBackFromTheFileUntilTheFileVanishes) {
  const auto defaults = Defaults();
  for (const TLastSetting& setting : AllLastSettings()) {
    const std::string written = WriteOtherValue(setting);
    EXPECT_EQ(written, ReadAsText(setting)) << KeyOf(setting);
  }
  TIniFile ini(LastSettingsFile());
  EXPECT_EQ("12345", ini.ReadString("LastSettings", "PSPOutputIndex", ""));
  EXPECT_EQ("0", ini.ReadString("LastSettings", "PreviewMovie", ""));
  ASSERT_TRUE(DeleteFile(LastSettingsFile()));
  for (const TLastSetting& setting : AllLastSettings()) {
    EXPECT_EQ(defaults.at(KeyOf(setting)), ReadAsText(setting)) << KeyOf(setting) << " after the file went";
  }
}

}  // namespace
