#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/FileUtils.h"
#include "engine/Profilemanager.h"
#include "engine/Quorinvccommon.h"
#include "engine/Quorinvcenvloader.h"
#include "engine/Videoprofilekinds.h"
#include "tests/engine/profiles/ProfileTestFiles.h"

using namespace profiletest;

namespace {

using Listed = std::vector<std::pair<int, std::string>>;  // format code, name

Listed ListOf(const TProfileManager& manager) {
  Listed listed;
  for (int i = 0; i < manager.GetCount(); ++i) {
    const TVideoProfile* profile = manager.GetProfile(i);
    listed.emplace_back(profile->FormatCode(), profile->ProfileName.str());
  }
  return listed;
}

std::string ProfileText(const std::string& name, const std::string& format, const std::string& rest = "") {
  return "[ProfileCommon]\r\nProfileName=\"" + name + "\"\r\nVideoFormat=" + format + "\r\n" + rest;
}

// A manager over the test's folder that records the files it could not read.
class ManagerTest : public ProfileFolderTest {
 protected:
  void SetUp() override {
    ProfileFolderTest::SetUp();
    manager_ = std::make_unique<TProfileManager>(folder_.c_str());
    manager_->SetReadFailureHandler([this](const AnsiString& path) { failures_.push_back(path.str()); });
  }
  void Write(const std::string& file, const std::string& text) { WriteTextFile(PathOf(file), text); }

  std::unique_ptr<TProfileManager> manager_;
  std::vector<std::string> failures_;
};

TEST(ProfileOrder, CompareByCodeThenNameBytes) {
  struct Case {
    std::pair<int, const char*> a, b;
    int expected;
  };
  const auto make = [](std::pair<int, const char*> p) {
    static const char* const formats[] = {"3GPP", "AVI", "MPEG", "MP4", "WMV", "REAL", "MOV", "FLV"};
    return CreateProfileOfFormat(formats[p.first], p.second, "");
  };
  const Case cases[] = {
      {{1, "a"}, {1, "b"}, -1}, {{1, "b"}, {1, "B"}, 1},     {{1, "a"}, {1, "a"}, 0},
      {{1, "a"}, {1, "ab"}, -1}, {{1, "\xE9"}, {1, "z"}, 1}, {{0, "z"}, {1, "a"}, -1},
      {{6, "a"}, {3, "z"}, 1},  {{7, ""}, {5, "zz"}, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CompareProfiles(make(c.a).get(), make(c.b).get()), c.expected) << c.a.second << " / " << c.b.second;
  }
}

TEST_F(ManagerTest, AddedProfilesStaySortedAndDuplicatesStay) {
  for (const char* name : {"b", "B", "a", "ab", "\xE9"}) manager_->AddProfile(std::make_unique<TAVIProfile>(name, ""));
  manager_->AddProfile(std::make_unique<TMOVProfile>("a", ""));
  manager_->AddProfile(std::make_unique<TMP4Profile>("m", ""));
  manager_->AddProfile(std::make_unique<T3GPProfile>("z", ""));
  manager_->AddProfile(std::make_unique<TAVIProfile>("a", ""));
  EXPECT_EQ(ListOf(*manager_), (Listed{{0, "z"},
                                       {1, "B"},
                                       {1, "a"},
                                       {1, "a"},
                                       {1, "ab"},
                                       {1, "b"},
                                       {1, "\xE9"},
                                       {3, "m"},
                                       {6, "a"}}));
  EXPECT_THROW(manager_->GetProfile(9), EListError);
  EXPECT_THROW(manager_->GetProfile(-1), EListError);
}

TEST_F(ManagerTest, LoadsEveryProfileFileOfTheFolder) {
  Write("one.pf", ProfileText("b", "AVI"));
  Write("two.pf", ProfileText("B", "AVI"));
  Write("three.pf", ProfileText("a", "AVI", "[AVIProfile]\r\nWidth=640\r\n"));
  Write("zz.pf", ProfileText("z", "3GPP"));
  Write("a-mov.pf", ProfileText("movie", "MOV"));
  Write("b-mp4.pf", ProfileText("movie", "MP4"));
  Write("lower.pf", ProfileText("flash", "flv"));
  Write("bare.pf", ProfileText("bare", "MPEG"));
  Write("noformat.pf", "[ProfileCommon]\r\nProfileName=\"none\"\r\n");
  Write("other.pf", ProfileText("other", "MKV"));
  Write("notes.txt", ProfileText("text", "AVI"));
  ASSERT_TRUE(CreateDir((folder_ + "folder.pf").c_str()));

  manager_->LoadProfiles();
  EXPECT_EQ(ListOf(*manager_), (Listed{{0, "z"},
                                       {1, "B"},
                                       {1, "a"},
                                       {1, "b"},
                                       {2, "bare"},
                                       {3, "movie"},
                                       {6, "movie"},
                                       {7, "flash"}}));
  EXPECT_TRUE(failures_.empty());
  EXPECT_EQ(manager_->GetProfile(2)->Width, 640);
  EXPECT_EQ(manager_->GetProfile(2)->FilePath(), (folder_ + "three.pf").c_str());
  EXPECT_TRUE(manager_->GetProfile(4)->IsEqual(CreateProfileOfFormat("MPEG", "bare", "").get()));

  manager_->LoadProfiles();
  EXPECT_EQ(manager_->GetCount(), 8) << "loading again starts afresh";
}

TEST_F(ManagerTest, AFileThatCannotBeReadIsReportedAndLoadingGoesOn) {
  Write("a.pf", ProfileText("first", "AVI"));
  Write("b.pf", ProfileText("held", "AVI"));
  Write("c.pf", ProfileText("last", "AVI"));
  const std::string held = PathOf("b.pf");
  HANDLE lock = CreateFileA(held.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  manager_->LoadProfiles();
  CloseHandle(lock);

  EXPECT_EQ(failures_, std::vector<std::string>{held});
  EXPECT_EQ(ListOf(*manager_), (Listed{{1, "first"}, {1, "last"}}));
}

// Without a handler of its own the manager shows the stop-icon message, captioned with
// the application's name.
struct ShownMessage {
  std::string text, caption;
  unsigned flags = 0;
  int count = 0;
};
ShownMessage g_shown;

int RecordMessage(const AnsiString& text, const AnsiString& caption, unsigned flags) {
  g_shown = {text.str(), caption.str(), flags, g_shown.count + 1};
  return IDOK;
}

TEST_F(ProfileFolderTest, UnreadableFileShowsTheStopMessageByDefault) {
  WriteTextFile(PathOf("held.pf"), ProfileText("held", "AVI"));
  WriteTextFile(PathOf("free.pf"), ProfileText("free", "AVI"));
  HANDLE lock = CreateFileA(PathOf("held.pf").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  SetMessageBoxPresenter(&RecordMessage);
  TProfileManager manager(folder_.c_str());
  manager.LoadProfiles();
  SetMessageBoxPresenter(nullptr);
  CloseHandle(lock);

  EXPECT_EQ(g_shown.count, 1);
  EXPECT_EQ(g_shown.text, "Failed to read the Profiles file:\n" + PathOf("held.pf"));
  EXPECT_EQ(g_shown.caption, EnvLoader.ApplicationName.str());
  EXPECT_EQ(g_shown.flags, 16u);
  EXPECT_EQ(ListOf(manager), (Listed{{1, "free"}}));
}

TEST_F(ManagerTest, MissingFolderGivesAnEmptyList) {
  TProfileManager manager((folder_ + "absent\\").c_str());
  manager.SetReadFailureHandler([this](const AnsiString& path) { failures_.push_back(path.str()); });
  manager.AddProfile(std::make_unique<TAVIProfile>("gone on load", ""));
  manager.LoadProfiles();
  EXPECT_EQ(manager.GetCount(), 0);
  EXPECT_TRUE(failures_.empty());
}

TEST_F(ManagerTest, DeleteRemovesTheFileAndKeepsTheOrder) {
  Write("1.pf", ProfileText("c", "FLV"));
  Write("2.pf", ProfileText("a", "FLV"));
  Write("3.pf", ProfileText("b", "FLV"));
  Write("4.pf", ProfileText("d", "AVI"));
  manager_->LoadProfiles();
  ASSERT_EQ(ListOf(*manager_), (Listed{{1, "d"}, {7, "a"}, {7, "b"}, {7, "c"}}));

  TVideoProfile* removed = manager_->GetProfile(2);
  manager_->DeleteProfile(2);
  EXPECT_FALSE(FileThere(PathOf("3.pf")));
  EXPECT_EQ(ListOf(*manager_), (Listed{{1, "d"}, {7, "a"}, {7, "c"}}));
  EXPECT_EQ(removed->ProfileName, "b") << "the removed profile lives on with the manager";
  EXPECT_EQ(FilesIn(folder_), (std::vector<std::string>{"1.pf", "2.pf", "4.pf"}));
  EXPECT_THROW(manager_->DeleteProfile(3), EListError);
}

// --- the shipped profile folder ---

struct Shipped {
  TProfileManager manager;
  std::vector<std::string> failures;
  Shipped() : manager(ShippedFolder()) {
    manager.SetReadFailureHandler([this](const AnsiString& path) { failures.push_back(path.str()); });
    manager.LoadProfiles();
  }
  static AnsiString ShippedFolder() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    return ExtractFilePath(exe) + EnvLoader.ProfilePath;
  }
};

TEST(ShippedProfiles, EveryFileLoadsInDisplayOrder) {
  Shipped shipped;
  EXPECT_TRUE(shipped.failures.empty());
  EXPECT_EQ(static_cast<size_t>(shipped.manager.GetCount()), FilesIn(shipped.ShippedFolder().str()).size())
      << "no file is passed over";
  EXPECT_EQ(ListOf(shipped.manager), (Listed{
                                         {0, "3G2 MPEG-4 176x144 AAC"},
                                         {0, "3GP H.263 176x144 AMR"},
                                         {0, "3GP MPEG-4 320x240 AAC"},
                                         {1, "AVI H.264 640x480"},
                                         {1, "AVI MPEG-4 1280x720"},
                                         {1, "AVI MPEG-4 640x480"},
                                         {1, "AVI MPEG-4 Source Size"},
                                         {1, "AVI Xvid 640x480"},
                                         {2, "MPEG-1 VCD NTSC 352x240"},
                                         {2, "MPEG-1 VCD PAL 352x288"},
                                         {2, "MPEG-2 DVD NTSC 720x480"},
                                         {2, "MPEG-2 DVD PAL 720x576"},
                                         {3, "MP4 H.264 1280x720"},
                                         {3, "MP4 H.264 640x480"},
                                         {3, "MP4 MPEG-4 320x240"},
                                         {3, "Portable H.264 368x208"},
                                         {3, "Portable H.264 480x272"},
                                         {3, "Portable MPEG-4 320x240"},
                                         {4, "WMV 1280x720 4000 kbps"},
                                         {4, "WMV 320x240 768 kbps"},
                                         {4, "WMV 640x480 1500 kbps"},
                                         {5, "RealMedia 176x144 120 kbps"},
                                         {5, "RealMedia 320x240 450 kbps"},
                                         {5, "RealMedia 640x480 1000 kbps"},
                                         {6, "MOV H.264 640x480"},
                                         {6, "MOV MPEG-4 320x240"},
                                         {7, "FLV 320x240"},
                                         {7, "FLV 480x360"},
                                         {7, "FLV 640x480"},
                                     }));
  for (int i = 0; i < shipped.manager.GetCount(); ++i) {
    const TVideoProfile* profile = shipped.manager.GetProfile(i);
    EXPECT_EQ(ExtractFileName(profile->FilePath()), ProfileFileTitle(profile->ProfileName) + ".pf");
  }
}

// What our encoders accept: sizes aligned as the kind aligns them (multiples of 16 for
// H.264, of 4 for RealMedia, even otherwise), H.263 at its standard sizes, AMR-NB at
// 8000 Hz mono, FLV audio at 44100 Hz or its halves, MPEG at standard rates.
void CheckAligned(const TVideoProfile& p, int multiple) {
  EXPECT_EQ(p.Width % multiple, 0) << p.ProfileName;
  EXPECT_EQ(p.Height % multiple, 0) << p.ProfileName;
}

bool OneOf(double value, std::initializer_list<double> allowed) {
  for (double a : allowed) {
    if (value == a) return true;
  }
  return false;
}

TEST(ShippedProfiles, SettingsAreWhatOurEncodersAccept) {
  Shipped shipped;
  ASSERT_GT(shipped.manager.GetCount(), 0);
  for (int i = 0; i < shipped.manager.GetCount(); ++i) {
    TVideoProfile& p = *shipped.manager.GetProfile(i);
    SCOPED_TRACE(p.ProfileName.str());
    EXPECT_GE(p.Width, 0);
    EXPECT_GE(p.Height, 0);
    if (auto* gp = dynamic_cast<T3GPProfile*>(&p)) {
      EXPECT_LE(gp->VideoCodec, 1);
      if (gp->VideoCodec == 0) {
        const std::set<std::pair<int, int>> h263Sizes{{128, 96}, {176, 144}, {352, 288}, {704, 576}, {1408, 1152}};
        EXPECT_EQ(h263Sizes.count({gp->Width, gp->Height}), 1u);
      }
      if (gp->AudioCodec == 0) {
        EXPECT_EQ(gp->AudioFrequency, 8000);
        EXPECT_EQ(gp->AudioChannels, 1);
        EXPECT_LE(gp->AudioBitrate, 12200);
      } else {
        EXPECT_EQ(gp->AudioCodec, 2) << "AAC";
      }
    } else if (auto* avi = dynamic_cast<TAVIProfile*>(&p)) {
      CheckAligned(p, avi->AVIVideoCodec == 7 ? 16 : 2);
      EXPECT_EQ(avi->AVIAudioCodec, 0) << "MP3";
      EXPECT_EQ(avi->AudioFrequency, 44100);
      EXPECT_EQ(avi->AudioChannels, 2);
    } else if (auto* mpeg = dynamic_cast<TMPEGProfile*>(&p)) {
      CheckAligned(p, 2);
      EXPECT_TRUE(OneOf(mpeg->FrameRate, {23.976, 24, 25, 29.97, 30}));
      EXPECT_TRUE(OneOf(mpeg->AudioFrequency, {32000, 44100, 48000}));
      EXPECT_EQ(mpeg->MPEGAudioType, 0) << "MP2";
      if (mpeg->UseVBR) EXPECT_GE(mpeg->VideoVBRMaxBitrate, mpeg->VideoBitrate);
    } else if (auto* iso = dynamic_cast<TIsoMediaProfile*>(&p)) {
      EXPECT_TRUE(iso->VideoCodec == 0 || iso->VideoCodec == 3) << "MPEG-4 or H.264";
      CheckAligned(p, iso->VideoCodec == 3 ? 16 : 2);
      EXPECT_TRUE(OneOf(iso->AudioFrequency, {44100, 48000}));
    } else if (auto* flv = dynamic_cast<TFLVProfile*>(&p)) {
      CheckAligned(p, 2);
      EXPECT_TRUE(OneOf(flv->AudioFrequency, {11025, 22050, 44100}));
    } else if (auto* wmv = dynamic_cast<TWMVProfile*>(&p)) {
      CheckAligned(p, 2);
      EXPECT_FALSE(wmv->UseSystemProfile);
      EXPECT_EQ(wmv->AudioFormatName, "64 kbps, 44 kHz, stereo CBR");
    } else if (auto* real = dynamic_cast<TRealProfile*>(&p)) {
      CheckAligned(p, 4);
      EXPECT_EQ(real->AudioFormatName, "44 Kbps Music - RealAudio");
    }
  }
}

}  // namespace
