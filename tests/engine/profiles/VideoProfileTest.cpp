#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/SysUtils.h"
#include "engine/Quorinvcenvloader.h"
#include "engine/Videoprofilekinds.h"
#include "tests/engine/profiles/ProfileTestFiles.h"

using namespace profiletest;

namespace {

template <class Kind>
Kind& As(TVideoProfile& profile) {
  return dynamic_cast<Kind&>(profile);
}

// One profile kind: what a new profile writes (its keys in order with their defaults)
// and a change of every one of its settings.
struct KindCase {
  const char* format;
  int code;
  const char* section;
  const char* extension;
  std::vector<std::string> defaultLines;
  std::function<void(TVideoProfile&)> changeEverySetting;
};

std::string KindName(const ::testing::TestParamInfo<KindCase>& info) { return info.param.format; }
void PrintTo(const KindCase& kind, std::ostream* out) { *out << kind.format; }

const std::vector<KindCase>& Kinds() {
  static const std::vector<KindCase> kinds = {
      {"3GPP", 0, "3GPProfile", ".3gp",
       {"Width=176", "Height=144", "3GPFormat=0", "FrameRate=15", "VideoCodec=1", "VideoBitrate=120000",
        "VideoBitrateTolerance=60000", "AudioCodec=2", "AudioFrequency=16000", "AudioChannels=1",
        "AudioBitrate=48000"},
       [](TVideoProfile& p) {
         auto& k = As<T3GPProfile>(p);
         k.Width = 352, k.Height = 288, k.Format3GP = 1, k.FrameRate = 12.5, k.VideoCodec = 0;
         k.VideoBitrate = 64000, k.VideoBitrateTolerance = 8000, k.AudioCodec = 0, k.AudioFrequency = 8000;
         k.AudioChannels = 2, k.AudioBitrate = 12200;
       }},
      {"AVI", 1, "AVIProfile", ".avi",
       {"Width=320", "Height=240", "AVIVideoCodec=0", "FrameRate=23.97", "VideoBitrate=768000", "UseVBR=0",
        "VideoVBRMaxBitrate=768000", "VideoVBRMinBitrate=0", "AVIAudioCodec=0", "AudioFrequency=44100",
        "AudioChannels=2", "AudioBitrate=96000"},
       [](TVideoProfile& p) {
         auto& k = As<TAVIProfile>(p);
         k.Width = 640, k.Height = 480, k.AVIVideoCodec = 7, k.FrameRate = 29.97, k.VideoBitrate = 1500000;
         k.UseVBR = true, k.VideoVBRMaxBitrate = 2000000, k.VideoVBRMinBitrate = 100000, k.AVIAudioCodec = 1;
         k.AudioFrequency = 22050, k.AudioChannels = 1, k.AudioBitrate = 64000;
       }},
      {"MPEG", 2, "MPEGProfile", ".mpg",
       {"MPEGVersion=1", "Width=320", "Height=240", "FrameRate=23.97", "VideoBitrate=1150000", "UseVBR=0",
        "VideoVBRMaxBitrate=1150000", "VideoVBRMinBitrate=0", "MPEGAudioType=0", "AudioFrequency=48000",
        "AudioChannels=2", "AudioBitrate=224000"},
       [](TVideoProfile& p) {
         auto& k = As<TMPEGProfile>(p);
         k.MPEGVersion = 0, k.Width = 352, k.Height = 288, k.FrameRate = 25, k.VideoBitrate = 1000000;
         k.UseVBR = true, k.VideoVBRMaxBitrate = 8000000, k.VideoVBRMinBitrate = 500000, k.MPEGAudioType = 1;
         k.AudioFrequency = 44100, k.AudioChannels = 1, k.AudioBitrate = 192000;
       }},
      {"MP4", 3, "MP4Profile", ".mp4",
       {"Width=320", "Height=240", "MP4VideoCodec=0", "FrameRate=23.97", "VideoBitrate=768000", "UseVBR=0",
        "VideoVBRMaxBitrate=768000", "VideoVBRMinBitrate=0", "AudioFrequency=48000", "AudioChannels=2",
        "AudioBitrate=96000"},
       [](TVideoProfile& p) {
         auto& k = As<TMP4Profile>(p);
         k.Width = 480, k.Height = 272, k.VideoCodec = 3, k.FrameRate = 29.97, k.VideoBitrate = 600000;
         k.UseVBR = true, k.VideoVBRMaxBitrate = 900000, k.VideoVBRMinBitrate = 1000, k.AudioFrequency = 44100;
         k.AudioChannels = 1, k.AudioBitrate = 128000;
       }},
      {"WMV", 4, "WMVProfile", ".wmv",
       {"UseSystemProfile=0", "SystemProfileName=", "Width=320", "Height=240", "WMV_Version=1", "FrameRate=23.97",
        "VideoBitrate=768000", "UseVBR=0", "VBRVideoQuality=90", "AudioFormatName=64 kbps, 44 kHz, stereo CBR"},
       [](TVideoProfile& p) {
         auto& k = As<TWMVProfile>(p);
         k.UseSystemProfile = true, k.SystemProfileName = "Video for broadband (256 Kbps)", k.Width = 640;
         k.Height = 480, k.WMVVersion = 2, k.FrameRate = 30, k.VideoBitrate = 1500000, k.UseVBR = true;
         k.VBRVideoQuality = 75, k.AudioFormatName = "128 kbps, 44 kHz, stereo CBR";
       }},
      {"REAL", 5, "RealProfile", ".rm",
       {"Width=176", "Height=144", "RealVersion=0", "FrameRate=15", "VideoBitrate=120000", "UseVBR=0",
        "VideoVBRMaxBitrate=120000", "VideoNoiseReduction=0", "AudioFormatName=44 Kbps Music - RealAudio"},
       [](TVideoProfile& p) {
         auto& k = As<TRealProfile>(p);
         k.Width = 320, k.Height = 240, k.RealVersion = 2, k.FrameRate = 25, k.VideoBitrate = 450000;
         k.UseVBR = true, k.VideoVBRMaxBitrate = 600000, k.VideoNoiseReduction = true;
         k.AudioFormatName = "64 Kbps Stereo Music - RealAudio";
       }},
      {"MOV", 6, "MOVProfile", ".mov",
       {"Width=320", "Height=240", "MOVVideoCodec=0", "FrameRate=23.97", "VideoBitrate=768000", "UseVBR=0",
        "VideoVBRMaxBitrate=768000", "VideoVBRMinBitrate=0", "AudioFrequency=48000", "AudioChannels=2",
        "AudioBitrate=96000"},
       [](TVideoProfile& p) {
         auto& k = As<TMOVProfile>(p);
         k.Width = 640, k.Height = 480, k.VideoCodec = 5, k.FrameRate = 15, k.VideoBitrate = 1000000;
         k.UseVBR = true, k.VideoVBRMaxBitrate = 1200000, k.VideoVBRMinBitrate = 1, k.AudioFrequency = 32000;
         k.AudioChannels = 1, k.AudioBitrate = 64000;
       }},
      {"FLV", 7, "FLVProfile", ".flv",
       {"Width=320", "Height=240", "FrameRate=24", "VideoBitrate=768000", "AudioFrequency=44100",
        "AudioChannels=2", "AudioBitrate=96000"},
       [](TVideoProfile& p) {
         auto& k = As<TFLVProfile>(p);
         k.Width = 480, k.Height = 360, k.FrameRate = 25, k.VideoBitrate = 500000, k.AudioFrequency = 22050;
         k.AudioChannels = 1, k.AudioBitrate = 64000;
       }},
  };
  return kinds;
}

std::string KeyOf(const std::string& line) { return line.substr(0, line.find('=')); }

std::vector<std::string> KeysOf(const std::vector<std::string>& lines) {
  std::vector<std::string> keys;
  for (const std::string& line : lines) keys.push_back(KeyOf(line));
  return keys;
}

std::unique_ptr<TVideoProfile> NewProfile(const KindCase& kind, const AnsiString& name, const std::string& path = "") {
  std::unique_ptr<TVideoProfile> profile = CreateProfileOfFormat(kind.format, name, path.c_str());
  EXPECT_NE(profile, nullptr) << kind.format;
  return profile;
}

class ProfileKinds : public ProfileFolderTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(ProfileKinds, NewProfileWritesEveryKeyWithItsDefaultInOrder) {
  const KindCase& kind = GetParam();
  auto profile = NewProfile(kind, "Fresh");
  EXPECT_EQ(profile->FormatCode(), kind.code);
  EXPECT_EQ(profile->Extension(), kind.extension);
  const std::string path = PathOf("fresh.pf");
  ASSERT_TRUE(profile->SaveToFile(path.c_str()));
  EXPECT_EQ(SectionLines(path, "ProfileCommon"),
            (std::vector<std::string>{"ProfileName=\"Fresh\"", std::string("VideoFormat=") + kind.format}));
  EXPECT_EQ(SectionLines(path, kind.section), kind.defaultLines);
  EXPECT_TRUE(SectionLines(path, "AdditionalParam").empty());
}

TEST_P(ProfileKinds, EverySettingSurvivesSavingAndLoading) {
  const KindCase& kind = GetParam();
  auto original = NewProfile(kind, "  Trip: one  ");
  kind.changeEverySetting(*original);
  original->SetAdditionalParam("g", "250");
  original->SetAdditionalParam("f", "avi");
  const std::string path = PathOf("trip.pf");
  ASSERT_TRUE(original->SaveToFile(path.c_str()));
  EXPECT_EQ(original->FilePath(), path.c_str());

  // Every key is written, in order, and none holds its default any more.
  const std::vector<std::string> written = SectionLines(path, kind.section);
  ASSERT_EQ(KeysOf(written), KeysOf(kind.defaultLines));
  for (size_t i = 0; i < written.size(); ++i) EXPECT_NE(written[i], kind.defaultLines[i]);
  EXPECT_EQ(SectionLines(path, "ProfileCommon").front(), "ProfileName=\"  Trip: one  \"");
  EXPECT_EQ(SectionLines(path, "AdditionalParam"), (std::vector<std::string>{"g=250", "f=avi"}));

  auto loaded = NewProfile(kind, "", path);
  ASSERT_TRUE(loaded->LoadFromFile());
  EXPECT_EQ(loaded->ProfileName, "  Trip: one  ");
  EXPECT_TRUE(loaded->IsEqual(original.get()));
  EXPECT_TRUE(original->IsEqual(loaded.get()));
  EXPECT_EQ(loaded->Extension(), original->Extension());
  EXPECT_EQ(loaded->AdditionalParamNames()->CommaText(), "g,f");
  EXPECT_EQ(loaded->AdditionalParamValues()->CommaText(), "250,avi");

  // The same name with the defaults is another profile.
  auto fresh = NewProfile(kind, "  Trip: one  ");
  EXPECT_FALSE(fresh->IsEqual(loaded.get()));
}

TEST_P(ProfileKinds, CloneIsAnIndependentCopy) {
  const KindCase& kind = GetParam();
  auto original = NewProfile(kind, "Original", "C:\\somewhere\\Original.pf");
  kind.changeEverySetting(*original);
  original->SetAdditionalParam("g", "250");
  original->SetAdditionalParam("bf", "2");
  original->SetAdditionalParam("f", "avi");

  auto copy = original->Clone();
  EXPECT_EQ(copy->FormatCode(), kind.code);
  EXPECT_EQ(copy->FilePath(), "C:\\somewhere\\Original.pf");
  EXPECT_EQ(copy->Extension(), original->Extension());
  EXPECT_EQ(copy->Width, original->Width);
  EXPECT_TRUE(copy->IsEqual(original.get()));
  EXPECT_EQ(copy->AdditionalParamNames()->CommaText(), "g,bf,f");
  EXPECT_EQ(copy->AdditionalParamValues()->CommaText(), "250,2,avi");

  copy->SetAdditionalParam("g", "12");
  copy->SetAdditionalParam("video_qscale", "4:3");
  EXPECT_EQ(original->AdditionalParamNames()->CommaText(), "g,bf,f");
  EXPECT_EQ(original->AdditionalParamValues()->CommaText(), "250,2,avi");
}

INSTANTIATE_TEST_SUITE_P(Kinds, ProfileKinds, ::testing::ValuesIn(Kinds()), KindName);

TEST(ProfileKindNames, FormatNamesAreFoundInAnyCaseAndOthersNot) {
  EXPECT_EQ(CreateProfileOfFormat("mpeg", "a", "")->FormatCode(), 2);
  EXPECT_EQ(CreateProfileOfFormat("Real", "a", "")->FormatCode(), 5);
  EXPECT_EQ(CreateProfileOfFormat("flv", "a", "")->FormatCode(), 7);
  EXPECT_EQ(CreateProfileOfFormat("MPEG2", "a", ""), nullptr);
  EXPECT_EQ(CreateProfileOfFormat("", "a", ""), nullptr);
}

// --- hand-written files ---

struct HandWrittenCase {
  const char* title;
  const char* format;  // the kind that reads the file
  std::string content;
  bool loads;
  std::function<void(TVideoProfile&)> check;
};

std::string CaseName(const ::testing::TestParamInfo<HandWrittenCase>& info) { return info.param.title; }
void PrintTo(const HandWrittenCase& c, std::ostream* out) { *out << c.title; }

const std::vector<HandWrittenCase>& HandWrittenFiles() {
  static const std::vector<HandWrittenCase> cases = {
      {"HexWidth", "AVI", "[ProfileCommon]\nProfileName=\"A\"\nVideoFormat=AVI\n[AVIProfile]\nWidth=0x140\nHeight=0X0F0\n",
       true, [](TVideoProfile& p) { EXPECT_EQ(p.Width, 320);
         EXPECT_EQ(p.Height, 240); }},
      {"UnquotedName", "AVI", "[ProfileCommon]\nProfileName=News\nVideoFormat=AVI\n", true,
       [](TVideoProfile& p) { EXPECT_EQ(p.ProfileName, "News"); }},
      {"LowerCaseFormat", "MPEG", "[ProfileCommon]\nProfileName=\"m\"\nVideoFormat=mpeg\n[MPEGProfile]\nMPEGVersion=0\n",
       true, [](TVideoProfile& p) { EXPECT_EQ(As<TMPEGProfile>(p).MPEGVersion, 0); }},
      {"UnknownFormatRefused", "MPEG", "[ProfileCommon]\nProfileName=\"Two\"\nVideoFormat=MPEG2\n[MPEGProfile]\nWidth=720\n",
       false,
       [](TVideoProfile& p) {
         EXPECT_EQ(p.ProfileName, "Two");  // the name is read before the kind is checked
         EXPECT_EQ(p.Width, 320);
       }},
      {"OtherKindRefused", "AVI", "[ProfileCommon]\nProfileName=\"x\"\nVideoFormat=MP4\n", false,
       [](TVideoProfile& p) { EXPECT_EQ(p.ProfileName, "x"); }},
      {"NoKindSectionGivesDefaults", "MPEG", "[ProfileCommon]\nProfileName=\"d\"\nVideoFormat=MPEG\n", true,
       [](TVideoProfile& p) {
         EXPECT_TRUE(p.IsEqual(CreateProfileOfFormat("MPEG", "d", "").get()));
         EXPECT_EQ(p.AdditionalParamNames()->Count(), 0);
       }},
      {"MalformedNumbersGiveDefaults", "AVI",
       "[ProfileCommon]\nProfileName=\"a\"\nVideoFormat=AVI\n[AVIProfile]\nWidth=abc\nHeight=\nFrameRate=\n"
       "VideoBitrate=12x\nAudioBitrate=$100\n",
       true,
       [](TVideoProfile& p) {
         auto& k = As<TAVIProfile>(p);
         EXPECT_EQ(k.Width, 320);
         EXPECT_EQ(k.Height, 240);
         EXPECT_EQ(k.FrameRate, 23.97);
         EXPECT_EQ(k.VideoBitrate, 768000);
         EXPECT_EQ(k.AudioBitrate, 96000);
       }},
      {"ThreeGPP2Extension", "3GPP", "[ProfileCommon]\nProfileName=\"t\"\nVideoFormat=3GPP\n[3GPProfile]\n3GPFormat=1\n",
       true, [](TVideoProfile& p) { EXPECT_EQ(p.Extension(), ".3g2"); }},
      {"CommaFrameRate", "MP4", "[ProfileCommon]\nProfileName=\"c\"\nVideoFormat=MP4\n[MP4Profile]\nFrameRate=23,97\n",
       true, [](TVideoProfile& p) { EXPECT_EQ(As<TMP4Profile>(p).FrameRate, 23.97); }},
      {"IndexKeepsLowByteFlagAnyNonzero", "AVI",
       "[ProfileCommon]\nProfileName=\"i\"\nVideoFormat=AVI\n[AVIProfile]\nAVIVideoCodec=263\nUseVBR=5\n", true,
       [](TVideoProfile& p) {
         EXPECT_EQ(As<TAVIProfile>(p).AVIVideoCodec, 7);
         EXPECT_TRUE(As<TAVIProfile>(p).UseVBR);
       }},
      {"ParametersInFileOrder", "FLV",
       "[ProfileCommon]\nProfileName=\"p\"\nVideoFormat=FLV\n[AdditionalParam]\ng=250\nf=avi\nqmin=\n", true,
       [](TVideoProfile& p) {
         EXPECT_EQ(p.AdditionalParamNames()->CommaText(), "g,f,qmin");
         EXPECT_EQ(p.AdditionalParamValues()->CommaText(), "250,avi,\"\"");
       }},
      {"TextsAsTheyAre", "WMV",
       "[ProfileCommon]\nProfileName=\"w\"\nVideoFormat=WMV\n[WMVProfile]\nSystemProfileName=High quality\n"
       "AudioFormatName=\n",
       true,
       [](TVideoProfile& p) {
         EXPECT_EQ(As<TWMVProfile>(p).SystemProfileName, "High quality");
         EXPECT_EQ(As<TWMVProfile>(p).AudioFormatName, "");
       }},
  };
  return cases;
}

class HandWrittenFile : public ProfileFolderTest, public ::testing::WithParamInterface<HandWrittenCase> {};

TEST_P(HandWrittenFile, ReadsAsExpected) {
  const HandWrittenCase& c = GetParam();
  const std::string path = PathOf("hand.pf");
  WriteTextFile(path, c.content);
  auto profile = CreateProfileOfFormat(c.format, "before", path.c_str());
  EXPECT_EQ(profile->LoadFromFile(), c.loads);
  c.check(*profile);
}

INSTANTIATE_TEST_SUITE_P(Files, HandWrittenFile, ::testing::ValuesIn(HandWrittenFiles()), CaseName);

TEST_F(ProfileFolderTest, MissingFileIsRefusedWithTheDefaultName) {
  TAVIProfile profile("Named", PathOf("absent.pf").c_str());
  EXPECT_FALSE(profile.LoadFromFile());
  EXPECT_EQ(profile.ProfileName, "Unknow");
}

// The frame rate is written with "." whatever the user's decimal separator is, and
// read back under either.
TEST_F(ProfileFolderTest, FrameRateIgnoresTheDecimalSeparator) {
  const char saved = FormatSettings().DecimalSeparator;
  FormatSettings().DecimalSeparator = ',';
  TMP4Profile profile("rate", "");
  profile.FrameRate = 23.97;
  const std::string path = PathOf("rate.pf");
  const bool savedOk = profile.SaveToFile(path.c_str());
  TMP4Profile loaded("", path.c_str());
  const bool loadedOk = loaded.LoadFromFile();
  FormatSettings().DecimalSeparator = saved;

  ASSERT_TRUE(savedOk);
  EXPECT_EQ(SectionLines(path, "MP4Profile")[3], "FrameRate=23.97");
  ASSERT_TRUE(loadedOk);
  EXPECT_EQ(loaded.FrameRate, 23.97);
}

// --- equality, estimates, parameters, file names ---

TEST(ProfileEquality, RulesOfTheKinds) {
  TMOVProfile movA("m", ""), movB("m", "");
  movB.UseVBR = true, movB.VideoVBRMaxBitrate = 1, movB.VideoVBRMinBitrate = 2;
  EXPECT_TRUE(movA.IsEqual(&movB)) << "MOV rate control takes no part";
  movB.VideoCodec = 3;
  EXPECT_FALSE(movA.IsEqual(&movB));

  TMP4Profile mp4A("m", ""), mp4B("m", "");
  mp4B.UseVBR = true;
  EXPECT_FALSE(mp4A.IsEqual(&mp4B)) << "MP4 rate control counts";

  TWMVProfile wmvA("w", ""), wmvB("w", "");
  wmvA.UseSystemProfile = wmvB.UseSystemProfile = true;
  wmvA.SystemProfileName = wmvB.SystemProfileName = "Broadband";
  wmvB.Width = 640, wmvB.VideoBitrate = 1;
  EXPECT_TRUE(wmvA.IsEqual(&wmvB)) << "both on the same system profile";
  wmvB.SystemProfileName = "broadband";
  EXPECT_FALSE(wmvA.IsEqual(&wmvB));
  TWMVProfile wmvC("w", ""), wmvD("w", "");
  wmvD.SystemProfileName = "only the name differs";
  EXPECT_TRUE(wmvC.IsEqual(&wmvD)) << "the name of an unused system profile takes no part";
  wmvD.UseSystemProfile = true;
  EXPECT_FALSE(wmvC.IsEqual(&wmvD)) << "only one uses a system profile";

  TAVIProfile avi("Same", ""), aviCase("same", "");
  TMP4Profile mp4("Same", "");
  EXPECT_FALSE(avi.IsEqual(&mp4));
  EXPECT_FALSE(mp4.IsEqual(&avi));
  EXPECT_FALSE(avi.IsEqual(&aviCase));
  EXPECT_FALSE(avi.IsEqual(nullptr));

  TAVIProfile aviPath("Same", "C:\\a.pf");
  aviPath.SetAdditionalParam("g", "1");
  EXPECT_TRUE(avi.IsEqual(&aviPath)) << "path and parameters take no part";
  aviPath.FrameRate = 23.970001;
  EXPECT_FALSE(avi.IsEqual(&aviPath));
}

TEST(ProfileEstimate, KilobytesForADuration) {
  TMPEGProfile mpeg("m", "");  // 1150000 + 224000 bit/s
  EXPECT_EQ(mpeg.EstimateOutputSize(1.0), 171);
  EXPECT_EQ(mpeg.EstimateOutputSize(0.0), 0);
  EXPECT_EQ(mpeg.EstimateOutputSize(3600.0), 618300);
  TWMVProfile wmv("w", "");  // 768000 bit/s video, audio assumed 48000
  EXPECT_EQ(wmv.EstimateOutputSize(1.0), 102);
  TRealProfile real("r", "");  // 120000 + 48000
  EXPECT_EQ(real.EstimateOutputSize(10.0), 210);
  T3GPProfile gp("g", "");  // 120000 + 48000
  EXPECT_EQ(gp.EstimateOutputSize(1.5), 31);
  TFLVProfile flv("f", "");
  flv.VideoBitrate = 2000000000, flv.AudioBitrate = 2000000000;  // a 32-bit sum, as the encoder takes them
  EXPECT_EQ(flv.EstimateOutputSize(1.0), static_cast<int32_t>(static_cast<uint32_t>(4000000000u)) / 8000);
}

TEST(ProfileExtension, ThreeGPPFollowsItsFormatAtOnce) {
  T3GPProfile profile("switch", "");
  EXPECT_EQ(profile.Extension(), ".3gp");
  profile.Format3GP = 1;
  EXPECT_EQ(profile.Extension(), ".3g2") << "an edited profile used at once writes 3GPP2";
  EXPECT_EQ(profile.Clone()->Extension(), ".3g2");
  profile.Format3GP = 0;
  EXPECT_EQ(profile.Extension(), ".3gp");
}

TEST(ProfileParameters, SameNameReplacesOtherCaseAppends) {
  TAVIProfile profile("p", "");
  profile.SetAdditionalParam("video_qscale", "4:3");
  profile.SetAdditionalParam("video_qscale", "16:9");
  ASSERT_EQ(profile.AdditionalParamNames()->Count(), 1);
  EXPECT_EQ(profile.AdditionalParamValues()->Strings(0), "16:9");
  profile.SetAdditionalParam("Video_QScale", "1:1");
  EXPECT_EQ(profile.AdditionalParamNames()->CommaText(), "video_qscale,Video_QScale");
  EXPECT_EQ(profile.AdditionalParamValues()->CommaText(), "16:9,1:1");
}

TEST(ProfileFileName, NineCharactersBecomeUnderscores) {
  EXPECT_EQ(ProfileFileTitle("a/b\\c"), "a_b_c");
  EXPECT_EQ(ProfileFileTitle("TV 4:3"), "TV 4_3");
  EXPECT_EQ(ProfileFileTitle("*?\"<>|"), "______");
  EXPECT_EQ(ProfileFileTitle(" x.y; [z] "), " x.y; [z] ");
  TAVIProfile profile("a/b\\c", "");
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  EXPECT_EQ(MakeProfileFileName(&profile), ExtractFilePath(exe) + EnvLoader.ProfilePath + "a_b_c.pf");
  EXPECT_EQ(profile.ProfileName, "a/b\\c");
  EXPECT_EQ(ExtractFileName(MakeProfileFileName(std::make_unique<TAVIProfile>("", "").get())), ".pf");
}

// --- saving ---

TEST_F(ProfileFolderTest, SavingUnderANewNameLeavesOnlyTheNewFile) {
  const std::string oldPath = PathOf("Old.pf");
  WriteTextFile(oldPath, "[ProfileCommon]\nProfileName=\"Old\"\nVideoFormat=AVI\n");
  TAVIProfile profile("", oldPath.c_str());
  ASSERT_TRUE(profile.LoadFromFile());
  profile.ProfileName = "New";
  const std::string newPath = PathOf("New.pf");
  ASSERT_TRUE(profile.SaveToFile(newPath.c_str()));
  EXPECT_FALSE(FileThere(oldPath));
  EXPECT_TRUE(FileThere(newPath));
  EXPECT_EQ(profile.FilePath(), newPath.c_str());
  EXPECT_EQ(SectionLines(newPath, "ProfileCommon").front(), "ProfileName=\"New\"");
}

// An empty target saves under the default name in the profile folder beside the program
// (here a folder of this test's own, named as the environment's profile folder).
TEST_F(ProfileFolderTest, SavingWithoutATargetUsesTheDefaultName) {
  const AnsiString savedProfilePath = EnvLoader.ProfilePath;
  EnvLoader.ProfilePath = ".\\profiles-default-name-test\\";
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  const std::string defaultFolder = (ExtractFilePath(exe) + EnvLoader.ProfilePath).str();
  CreateDirectoryA(defaultFolder.c_str(), nullptr);

  const std::string oldPath = PathOf("Old.pf");
  WriteTextFile(oldPath, "[ProfileCommon]\nProfileName=\"Old\"\nVideoFormat=MOV\n");
  TMOVProfile profile("", oldPath.c_str());
  const bool loaded = profile.LoadFromFile();
  profile.ProfileName = "New: 4/3";
  const bool saved = profile.SaveToFile("");
  const bool oldThere = FileThere(oldPath);
  const std::vector<std::string> defaultFiles = FilesIn(defaultFolder);
  const AnsiString path = profile.FilePath();
  ::DeleteFileA(path.c_str());
  RemoveDirectoryA(defaultFolder.c_str());
  EnvLoader.ProfilePath = savedProfilePath;

  ASSERT_TRUE(loaded);
  EXPECT_TRUE(saved);
  EXPECT_FALSE(oldThere);
  EXPECT_EQ(defaultFiles, std::vector<std::string>{"New_ 4_3.pf"});
  EXPECT_EQ(path, (defaultFolder + "New_ 4_3.pf").c_str());
}

TEST_F(ProfileFolderTest, SavingOverItsOwnFileInOtherCaseKeepsIt) {
  const std::string path = PathOf("Same.pf");
  TFLVProfile profile("Same", path.c_str());
  ASSERT_TRUE(profile.SaveToFile(path.c_str()));
  ASSERT_TRUE(profile.SaveToFile(PathOf("SAME.PF").c_str()));
  EXPECT_TRUE(FileThere(path));
}

TEST_F(ProfileFolderTest, SavedFileHoldsOnlyWhatTheProfileWrites) {
  const std::string path = PathOf("target.pf");
  WriteTextFile(path, "[Extra]\nkept=1\n[FLVProfile]\nOld=2\n[AdditionalParam]\nstale=3\n");
  TFLVProfile profile("clean", "");
  ASSERT_TRUE(profile.SaveToFile(path.c_str()));
  const std::string text = ReadTextFile(path);
  EXPECT_EQ(text.find("Extra"), std::string::npos);
  EXPECT_EQ(text.find("Old"), std::string::npos);
  EXPECT_EQ(text.find("stale"), std::string::npos);
  EXPECT_EQ(SectionLines(path, "FLVProfile").size(), 7u);
}

TEST_F(ProfileFolderTest, ParameterNamesDifferingInCaseMergeWhenSaved) {
  TAVIProfile profile("merge", "");
  profile.SetAdditionalParam("qmin", "2");
  profile.SetAdditionalParam("QMIN", "5");
  const std::string path = PathOf("merge.pf");
  ASSERT_TRUE(profile.SaveToFile(path.c_str()));
  const std::vector<std::string> lines = SectionLines(path, "AdditionalParam");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].substr(lines[0].find('=')), "=5");
}

TEST_F(ProfileFolderTest, ReadOnlyTargetIsLeftAlone) {
  const std::string oldPath = PathOf("mine.pf");
  const std::string target = PathOf("locked.pf");
  const std::string lockedText = "[ProfileCommon]\nProfileName=\"Locked\"\nVideoFormat=AVI\n";
  WriteTextFile(oldPath, "[ProfileCommon]\nProfileName=\"Mine\"\nVideoFormat=AVI\n");
  WriteTextFile(target, lockedText);
  ASSERT_TRUE(FileSetAttr(target.c_str(), faReadOnly));
  TAVIProfile profile("", oldPath.c_str());
  ASSERT_TRUE(profile.LoadFromFile());

  EXPECT_FALSE(profile.SaveToFile(target.c_str()));
  EXPECT_EQ(ReadTextFile(target), lockedText);
  EXPECT_TRUE(FileThere(oldPath)) << "the profile's own file stays";
  EXPECT_EQ(profile.FilePath(), oldPath.c_str());
  FileSetAttr(target.c_str(), 0);
  EXPECT_EQ(FilesIn(folder_), (std::vector<std::string>{"locked.pf", "mine.pf"})) << "no replacement file left";
}

TEST_F(ProfileFolderTest, UnwritableFolderAnswersFalse) {
  TAVIProfile profile("nowhere", "");
  EXPECT_FALSE(profile.SaveToFile(PathOf("missing\\folder\\x.pf").c_str()));
  EXPECT_TRUE(profile.FilePath().IsEmpty());
  WriteTextFile(PathOf("plainfile"), "x");
  EXPECT_FALSE(profile.SaveToFile(PathOf("plainfile\\x.pf").c_str()));
}

}  // namespace
