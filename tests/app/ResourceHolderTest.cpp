#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "app/Resourcefrm.h"
#include "classlib/formres/LiveForms.h"
#include "classlib/runtime/FileUtils.h"
#include "engine/Decodermodemap.h"
#include "engine/Encoderwrappers.h"
#include "engine/Quorinvccommon.h"
#include "engine/Quorinvcenvloader.h"
#include "window_support.h"

namespace {

// The holder over the test plug-ins (testplugins\ beside the program), loaded first by
// their full paths so that the holder's load by bare name finds them; their tables come
// from the environment.
class ResourceHolder : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    logPath_ = std::string(ExecutableFolder().c_str()) + "holder-plugins.log";
    DeleteFileA(logPath_.c_str());
    SetEnvironmentVariableA("TEST_PLUGIN_LOG", logPath_.c_str());
  }
  void TearDown() override {
    holder_.reset();
    for (HMODULE plugin : plugins_) FreeLibrary(plugin);
    for (const char* name : {"TEST_WMV_AUDIO_CODECS", "TEST_WMV_AUDIO_FORMATS", "TEST_WMV_SYSTEM_PROFILES",
                             "TEST_WMV_INIT", "TEST_REAL_AUDIO_CODECS", "TEST_PLUGIN_LOG"}) {
      SetEnvironmentVariableA(name, nullptr);
    }
    DeleteFileA(logPath_.c_str());
    AppFixture::TearDown();
  }

  void LoadPlugins(const char* realFolder = "testplugins\\") {
    const std::string folder = ExecutableFolder().c_str();
    plugins_.push_back(LoadLibraryA((folder + "testplugins\\wmvenc.dll").c_str()));
    plugins_.push_back(LoadLibraryA((folder + realFolder + "rmenc.dll").c_str()));
    ASSERT_NE(nullptr, plugins_[0]);
    ASSERT_NE(nullptr, plugins_[1]);
  }

  TResourceForm* Holder() {
    if (holder_ == nullptr) holder_.reset(NewForm<TResourceForm>(Application));
    return holder_.get();
  }

  static std::vector<std::string> Items(TComboBox* list) {
    std::vector<std::string> items;
    for (int i = 0; i < list->Items()->Count(); ++i) items.push_back(list->Items()->Strings(i).c_str());
    return items;
  }

  std::vector<std::string> PluginLog() const {
    std::vector<std::string> lines;
    std::ifstream log(logPath_);
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
  }

  std::unique_ptr<TResourceForm> holder_;
  std::vector<HMODULE> plugins_;
  std::string logPath_;
};

TEST_F(ResourceHolder, AudioFormatsComeFromTheFirstCodecOfAListedNameTrimmed) {
  LoadPlugins();
  SetEnvironmentVariableA("TEST_WMV_AUDIO_CODECS", "Windows Media Audio Voice|Windows Media Audio 9.2");
  SetEnvironmentVariableA("TEST_WMV_AUDIO_FORMATS", "voice 8 kbps|  48 kbps, 44 kHz, stereo CBR  ; 64 kbps ");
  SetEnvironmentVariableA("TEST_WMV_SYSTEM_PROFILES", "Low bandwidth video|Broadband video");
  Holder()->LoadProfiles();

  EXPECT_EQ((std::vector<std::string>{"48 kbps, 44 kHz, stereo CBR", "64 kbps"}), Items(Holder()->cbWMVAudioFormat));
  EXPECT_EQ(0, Holder()->cbWMVAudioFormat->ItemIndex());
  EXPECT_EQ((std::vector<std::string>{"Low bandwidth video", "Broadband video"}), Items(Holder()->cbSystemProfile));
  EXPECT_EQ(0, Holder()->cbSystemProfile->ItemIndex());
}

TEST_F(ResourceHolder, EveryListedCodecNameIsTakenAndNoOtherName) {
  LoadPlugins();
  SetEnvironmentVariableA("TEST_WMV_AUDIO_FORMATS", "first codec|second codec");
  struct TCase {
    const char* name;
    const char* list;
  };
  const TCase cases[] = {{"Windows Media Audio 10.0", "second codec"}, {"Windows Media Audio 10.9", "second codec"},
                         {"Windows Media Audio 10", "second codec"},   {"Windows Media Audio 9.0", "second codec"},
                         {"Windows Media Audio 9.9", "second codec"},  {"Windows Media Audio 9", "second codec"},
                         {"Windows Media Audio 8", "second codec"},    {"Windows Media Audio 8.0", "second codec"},
                         {"Windows Media Audio 8.9", "second codec"},  {"Windows Media Audio 9.10", "first codec"},
                         {"Windows Media Audio 11", "first codec"},    {"windows media audio 9", "first codec"},
                         {"Windows Media Audio 9 ", "first codec"},    {"Windows Media Audio 7", "first codec"},
                         {"Windows Media Audio 10 Professional", "first codec"}};
  for (const TCase& c : cases) {
    SetEnvironmentVariableA("TEST_WMV_AUDIO_CODECS", (std::string("Some Codec|") + c.name).c_str());
    holder_.reset();
    Holder()->LoadProfiles();
    EXPECT_EQ(std::vector<std::string>{c.list}, Items(Holder()->cbWMVAudioFormat)) << "'" << c.name << "'";
  }
}

TEST_F(ResourceHolder, RealAudioCodecsLoseTheMusicMarkAndKeepThePluginIndexes) {
  LoadPlugins();
  SetEnvironmentVariableA("TEST_REAL_AUDIO_CODECS",
                          "8 Kbps Voice - RealAudio (voice)|32 Kbps Music - RealAudio (music)  |"
                          "Multichannel 5.1 Music|96 Kbps Stereo Music - RealAudio| (music) 44 Kbps (music)");
  Holder()->LoadProfiles();

  TComboBox* list = Holder()->cbRealAudioFormat;
  EXPECT_EQ((std::vector<std::string>{"32 Kbps Music - RealAudio", "96 Kbps Stereo Music - RealAudio",
                                      "44 Kbps (music)"}),
            Items(list));
  ASSERT_EQ(3, list->Items()->Count());
  const intptr_t expected[] = {1, 3, 4};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(expected[i], reinterpret_cast<intptr_t>(list->Items()->Objects(i)));
  EXPECT_EQ(0, list->ItemIndex());
}

TEST_F(ResourceHolder, UnusablePluginsAreDroppedAndTheListsStayEmpty) {
  LoadPlugins("testplugins\\incomplete\\");
  SetEnvironmentVariableA("TEST_WMV_INIT", "0");
  SetEnvironmentVariableA("TEST_WMV_AUDIO_CODECS", "Windows Media Audio 9");
  SetEnvironmentVariableA("TEST_WMV_AUDIO_FORMATS", "64 kbps");
  SetEnvironmentVariableA("TEST_WMV_SYSTEM_PROFILES", "Broadband video");
  SetEnvironmentVariableA("TEST_REAL_AUDIO_CODECS", "32 Kbps Music - RealAudio (music)");
  Holder()->LoadProfiles();

  EXPECT_EQ(nullptr, Holder()->WMVEncoder());
  EXPECT_EQ(nullptr, Holder()->RealEncoder());
  EXPECT_EQ(nullptr, WMVEncoderWrapper());
  EXPECT_EQ(nullptr, RealEncoderWrapper());
  for (TComboBox* list : {Holder()->cbWMVAudioFormat, Holder()->cbSystemProfile, Holder()->cbRealAudioFormat}) {
    EXPECT_EQ(0, list->Items()->Count()) << list->Name().c_str();
    EXPECT_EQ(-1, list->ItemIndex()) << list->Name().c_str();
  }
  // A failed initialisation is finished too; an incomplete plug-in gets no handle.
  EXPECT_EQ((std::vector<std::string>{"WMV_Init", "WMV_Uninit"}), PluginLog());
}

TEST_F(ResourceHolder, TheEngineSeesTheWrappersWhileTheHolderLivesAndItFreesThemInOrder) {
  LoadPlugins();
  Holder();
  ASSERT_NE(nullptr, Holder()->WMVEncoder());
  ASSERT_NE(nullptr, Holder()->RealEncoder());
  EXPECT_EQ(Holder()->WMVEncoder(), WMVEncoderWrapper());
  EXPECT_EQ(Holder()->RealEncoder(), RealEncoderWrapper());
  EXPECT_EQ(static_cast<TComponent*>(Holder()), FindLiveForm("ResourceForm"));
  holder_.reset();

  EXPECT_EQ(nullptr, WMVEncoderWrapper());
  EXPECT_EQ(nullptr, RealEncoderWrapper());
  EXPECT_EQ((std::vector<std::string>{"WMV_Init", "Real_CreateEncoderHandle", "WMV_Uninit", "Real_FreeEncoderHandle"}),
            PluginLog());
}

TEST_F(ResourceHolder, LoadProfilesFillsTheProfileManagerAndTheDecoderModeTable) {
  LoadPlugins();
  DecoderModeMap.SetItem(TDecoderModeMapItem{".zzz", "", 1});
  Holder()->LoadProfiles();

  int files = 0;
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((ExecutableFolder() + EnvLoader.ProfilePath + "*.pf").c_str(), &entry);
  for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &entry)) ++files;
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  ASSERT_GT(files, 0);
  EXPECT_EQ(files, Holder()->ProfileManager()->GetCount());
  EXPECT_NE(DecoderModeMap.End(), DecoderModeMap.Find(".avi"));
  EXPECT_EQ(DecoderModeMap.End(), DecoderModeMap.Find(".zzz")) << "the table is read afresh";
}

TEST_F(ResourceHolder, ReplaceTextReplacesTheFirstOccurrenceOnly) {
  EXPECT_EQ(AnsiString("a b(music)"), TResourceForm::ReplaceText("a(music) b(music)", "(music)", ""));
  EXPECT_EQ(AnsiString("a (voice)"), TResourceForm::ReplaceText("a (voice)", "(music)", ""));
  EXPECT_EQ(AnsiString("x-y"), TResourceForm::ReplaceText("x+y", "+", "-"));
}

}  // namespace
