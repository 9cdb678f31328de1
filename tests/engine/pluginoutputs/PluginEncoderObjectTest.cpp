// The WMV and RealMedia wrappers, the stand-in holder's keep-or-drop rules and the two
// plug-in encoder kinds, against fake plug-ins that record every call (and the real ones
// where the binding itself is under test).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "engine/Pluginencoderobjects.h"
#include "engine/Realencoderdllwarper.h"
#include "engine/Encoderwrappers.h"
#include "engine/Videoprofilekinds.h"
#include "engine/Wmvencoderdllwarper.h"

namespace {

constexpr const char* kFakeWmv = "fakewmvenc.dll";
constexpr const char* kFakeWmvLackingEntry = "fakewmvenc46.dll";
constexpr const char* kFakeReal = "fakermenc.dll";
constexpr const char* kFakeRealLackingEntry = "fakermenc20.dll";

// The record and the settings of a loaded fake plug-in.
class TFake {
 public:
  explicit TFake(const char* library) : Module(GetModuleHandleA(library)) {}
  bool Loaded() const { return Module != nullptr; }
  void Configure(const char* key, const char* value) const {
    using TConfigure = void(MC_CALL*)(const char*, const char*);
    reinterpret_cast<TConfigure>(reinterpret_cast<void*>(GetProcAddress(Module, "Fake_Configure")))(key, value);
  }
  // The calls recorded since the last take, one per line.
  std::vector<std::string> Take() const {
    using TTake = void(MC_CALL*)(char*, std::int32_t);
    std::vector<char> buffer(1 << 16);
    reinterpret_cast<TTake>(reinterpret_cast<void*>(GetProcAddress(Module, "Fake_TakeRecord")))(
        buffer.data(), static_cast<std::int32_t>(buffer.size()));
    std::vector<std::string> lines;
    std::string text = buffer.data();
    for (std::size_t start = 0, stop; (stop = text.find('\n', start)) != std::string::npos; start = stop + 1)
      lines.push_back(text.substr(start, stop - start));
    return lines;
  }
  // The recorded calls whose entry is `entry`.
  std::vector<std::string> Taken(const std::string& entry) const {
    std::vector<std::string> found;
    for (const std::string& line : Take())
      if (line == entry || line.rfind(entry + " ", 0) == 0) found.push_back(line);
    return found;
  }

 private:
  HMODULE Module;
};

// A frame converter that records its set-up and hands out one picture.
class TRecordingConverter : public FrameConverter {
 public:
  std::vector<std::int32_t> setup;
  std::int32_t convertAnswer = 1;
  std::array<std::uint8_t, 16> picture{};

  std::int32_t MC_CALL Setup(std::int32_t outputWidth, std::int32_t outputHeight, std::int32_t sourceWidth,
                             std::int32_t sourceHeight, std::int32_t sourcePixelFormat, Bool8 fixAspect,
                             std::int32_t cropLeft, std::int32_t cropRight, std::int32_t cropTop,
                             std::int32_t cropBottom, std::int32_t spare1, std::int32_t spare2, std::int32_t spare3,
                             std::int32_t spare4) override {
    setup = {outputWidth, outputHeight, sourceWidth, sourceHeight, sourcePixelFormat,
             fixAspect,   cropLeft,     cropRight,   cropTop,      cropBottom,
             spare1,      spare2,       spare3,      spare4};
    return 1;
  }
  std::int32_t MC_CALL Convert(const void*) override { return convertAnswer; }
  const void* MC_CALL GetOutput() override { return picture.data(); }
};

TRecordingConverter* Converter = nullptr;
FrameConverter* MC_CALL CreateRecordingConverter() { return Converter; }
void MC_CALL ReleaseRecordingConverter(FrameConverter*) {}

// ---------------------------------------------------------------------------------------
// Binding and the holder.

TEST(PluginWrappers, BindEveryEntryOfThePlugins) {
  WM9EncoderDllWarper wmv;
  ASSERT_TRUE(wmv.IsUsable());
  EXPECT_NE(0, wmv.Init());
  std::array<char, kPluginNameBufferSize> name{};
  ASSERT_EQ(2, wmv.GetVideoCodecCount());
  ASSERT_NE(0, wmv.GetVideoCodecName(0, name.data()));
  EXPECT_STREQ("Windows Media Video 8", name.data());
  wmv.Uninit();

  RealEncoderDllWarper real;
  ASSERT_TRUE(real.IsUsable());
  real.ResetHandle();
  EXPECT_NE(0u, real.Handle());
  ASSERT_EQ(6, real.GetAudioCodecCount());
  ASSERT_NE(0, real.GetAudioCodecName(2, name.data()));
  EXPECT_STREQ("44 Kbps Music - RealAudio (music)", name.data());
}

struct THolderCase {
  const char* wmvLibrary;
  const char* realLibrary;
  const char* init;  // what the fake WMV_Init answers
  bool keepsWmv;
  bool keepsReal;
};

class ResourceHolder : public testing::TestWithParam<THolderCase> {};

TEST_P(ResourceHolder, KeepsOnlyUsablePlugins) {
  const THolderCase& c = GetParam();
  // The fake answers as told from its first load on.
  HMODULE preload = LoadLibraryA(kFakeWmv);
  ASSERT_NE(nullptr, preload);
  TFake(kFakeWmv).Configure("init", c.init);
  TFake(kFakeWmv).Take();
  {
    TEncoderPlugins holder(c.wmvLibrary, c.realLibrary);
    EXPECT_EQ(c.keepsWmv, holder.WMV() != nullptr);
    EXPECT_EQ(c.keepsReal, holder.Real() != nullptr);
    if (std::string(c.wmvLibrary) == kFakeWmv && !c.keepsWmv) {
      EXPECT_EQ((std::vector<std::string>{"Init", "Uninit"}), TFake(kFakeWmv).Take());
    }
    if (holder.Real() != nullptr) {
      EXPECT_NE(0u, holder.Real()->Handle());
    }
  }
  TFake(kFakeWmv).Configure("init", "1");
  FreeLibrary(preload);
}

INSTANTIATE_TEST_SUITE_P(Libraries, ResourceHolder,
                         testing::Values(THolderCase{"wmvenc.dll", "rmenc.dll", "1", true, true},
                                         THolderCase{kFakeWmvLackingEntry, kFakeRealLackingEntry, "1", false, false},
                                         THolderCase{kFakeWmv, kFakeReal, "0", false, true},
                                         THolderCase{kFakeWmv, "nosuchplugin.dll", "1", true, false},
                                         THolderCase{"nosuchplugin.dll", kFakeReal, "1", false, true}));

TEST(PluginWrappers, AnUnusableWmvWrapperCallsNothingAndAnswersZero) {
  WM9EncoderDllWarper wmv(kFakeWmvLackingEntry);
  ASSERT_FALSE(wmv.IsUsable());
  EXPECT_EQ(0, wmv.Init());
  EXPECT_EQ(0, wmv.GetVideoCodecCount());
  EXPECT_EQ(0, wmv.BeginEncoding());
  wmv.SetVideoCodec(1);
  EXPECT_EQ(0u, wmv.GetOutputSize());
  EXPECT_TRUE(TFake(kFakeWmvLackingEntry).Take().empty());
}

TEST(PluginWrappers, ResetHandleFreesTheHeldHandleBeforeMakingTheNext) {
  HMODULE keep = LoadLibraryA(kFakeReal);
  const TFake fake(kFakeReal);
  fake.Take();
  {
    RealEncoderDllWarper real(kFakeReal);
    EXPECT_EQ(0u, real.Handle());
    real.ResetHandle();
    const RealEncoderHandle first = real.Handle();
    real.ResetHandle();
    const RealEncoderHandle second = real.Handle();
    EXPECT_EQ((std::vector<std::string>{"CreateEncoderHandle " + std::to_string(first),
                                        "FreeEncoderHandle " + std::to_string(first),
                                        "CreateEncoderHandle " + std::to_string(second)}),
              fake.Take());
  }
  EXPECT_EQ(1u, fake.Taken("FreeEncoderHandle").size());
  FreeLibrary(keep);
}

TEST(PluginWrappers, OutputSizesAsEachPluginCountsThem) {
  TEncoderPlugins holder(kFakeWmv, kFakeReal);
  TFake(kFakeReal).Configure("size", "3145728");
  TFake(kFakeWmv).Configure("size", "4000000000");
  EXPECT_DOUBLE_EQ(3.0, holder.Real()->GetOutputSize());
  EXPECT_EQ(4000000000u, holder.WMV()->GetOutputSize());
}

// ---------------------------------------------------------------------------------------
// The encoder kinds.

class PluginEncoderObject : public testing::Test {
 protected:
  static void SetUpTestSuite() { Holder = new TEncoderPlugins(kFakeWmv, kFakeReal); }
  static void TearDownTestSuite() {
    delete Holder;
    Holder = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(nullptr, Holder->WMV());
    ASSERT_NE(nullptr, Holder->Real());
    SetEncoderWrappers(Holder->WMV(), Holder->Real());
    Converter = &converter;
    previous = SetFrameConverterEntries({&CreateRecordingConverter, &ReleaseRecordingConverter});
    Wmv.Configure("videoCodecs", "Windows Media Video 8|Windows Media Video 9");
    Wmv.Configure("audioCodecs", "Windows Media Audio 9 Voice|Windows Media Audio 9.2");
    Wmv.Configure("audioFormats", "48 kbps, 44 kHz, stereo CBR|64 kbps, 44 kHz, stereo CBR  ");
    Wmv.Configure("systemProfiles", "Low|  Broadband  ");
    Real.Configure("audioCodecs",
                   "8 Kbps Voice - RealAudio (voice)|44 Kbps Music - RealAudio (voice)|"
                   "44 Kbps Surround Multichannel|44 Kbps Music - RealAudio (music)");
    for (const char* step : {"destination", "profile", "tag", "begin"}) Real.Configure(step, "1");
    Wmv.Configure("begin", "1");
    Wmv.Take();
    Real.Take();
    args.OutputPath = "out.wmv";
    args.SourceWidth = 720;
    args.SourceHeight = 576;
    args.SourcePixelFormat = 3;
    args.SourceFrameRate = 25.0;
    args.SourceSampleRate = 48000;
    args.SourceChannels = 2;
    wmvProfile.Width = 352;
    wmvProfile.Height = 288;
    wmvProfile.FrameRate = 29.97;
    wmvProfile.VideoBitrate = 1500000;
    wmvProfile.AudioFormatName = "64 kbps, 44 kHz, stereo CBR";
    realProfile.Width = 350;
    realProfile.Height = 242;
    realProfile.AudioFormatName = " 44 Kbps Music - RealAudio ";
  }
  void TearDown() override {
    SetFrameConverterEntries(previous);
    SetEncoderWrappers(nullptr, nullptr);
    Converter = nullptr;
  }

  static TEncoderPlugins* Holder;
  const TFake Wmv{kFakeWmv};
  const TFake Real{kFakeReal};
  TRecordingConverter converter;
  TFrameConverterEntries previous{};
  TEncoderObjectArgs args;
  TWMVProfile wmvProfile{"w", ""};
  TRealProfile realProfile{"r", ""};
};

TEncoderPlugins* PluginEncoderObject::Holder = nullptr;

TEST_F(PluginEncoderObject, AWmvProfileBecomesThePluginSettingsInOrder) {
  args.DisableAudio = true;
  args.FixAspectRatio = true;
  args.CropLeft = 8;
  args.CropRight = 4;
  args.Spare[0] = 1;
  args.Spare[1] = 2;
  CreateEncoderObject(wmvProfile, args).reset();
  const std::vector<std::string> expected{
      "SetUseSMPTEStream 0",
      "SetLanguage 0",
      "SetAudioUseUncompressed 0",
      "SetAudioCodecAndFormat 1 1",
      "SetAudioBufferWindow 1000",
      "SetVideoUseUncompressed 0",
      "SetVideoCodec 0",
      "SetVideoUseVBR 0",
      "SetVideoVBRMode 0",
      "SetVideoQuality 100",
      "SetVideoBitrate 1500000",
      "SetVideoBufferWindow 10000",
      "SetVideoFPS 29.97",
      "SetVideoSecsKeyframe 8",
      "SetUseSystemProfile 0 0",
      "SetVideoWidth 352",
      "SetVideoHeight 288",
      "SetInputParms 1 0 352 288 25 5 48000 2",
      "SetupDestinationFile 'out.wmv'",
      "EndEncoding",
  };
  EXPECT_EQ(expected, Wmv.Take());
  // The spare values as the encoder object keeps them: first, third, second, fourth.
  EXPECT_EQ((std::vector<std::int32_t>{352, 288, 720, 576, 3, 1, 8, 4, 0, 0, 1, 0, 2, 0}), converter.setup);
}

TEST_F(PluginEncoderObject, VariableBitRateAndSystemProfileSettings) {
  wmvProfile.UseVBR = true;
  wmvProfile.VBRVideoQuality = 75;
  wmvProfile.UseSystemProfile = true;
  wmvProfile.SystemProfileName = "Broadband ";
  CreateEncoderObject(wmvProfile, args).reset();
  const std::vector<std::string> calls = Wmv.Take();
  const auto at = std::find(calls.begin(), calls.end(), "SetVideoVBRMode 1");
  ASSERT_NE(calls.end(), at);
  EXPECT_EQ((std::vector<std::string>{"SetVideoVBRMode 1", "SetVideoQuality 100", "SetVideoBitrate 1500000",
                                      "SetVideoVBRQuality 75", "SetVideoVBRMaxBitrate 0", "SetVideoVBRMaxBuffer 0"}),
            std::vector<std::string>(at, at + 6));
  EXPECT_NE(calls.end(), std::find(calls.begin(), calls.end(), "SetUseSystemProfile 1 1"));
}

struct TVersionCase {
  int version;
  const char* codecs;
  int chosen;
};

class WmvVideoCodecChoice : public PluginEncoderObject, public testing::WithParamInterface<TVersionCase> {};

TEST_P(WmvVideoCodecChoice, TakesTheFirstCodecOfAnAcceptedFamily) {
  Wmv.Configure("videoCodecs", GetParam().codecs);
  wmvProfile.WMVVersion = static_cast<std::uint8_t>(GetParam().version);
  CreateEncoderObject(wmvProfile, args).reset();
  EXPECT_EQ((std::vector<std::string>{"SetVideoCodec " + std::to_string(GetParam().chosen)}),
            Wmv.Taken("SetVideoCodec"));
}

INSTANTIATE_TEST_SUITE_P(
    Versions, WmvVideoCodecChoice,
    testing::Values(TVersionCase{2, "Windows Media Video 8|Windows Media Video 9", 1},
                    TVersionCase{0, "Windows Media Video 8|Windows Media Video 9", 0},
                    TVersionCase{1, "Windows Media Video 7|Windows Media Video V8.1", 1},
                    TVersionCase{1, "Windows Media Video 7.0|Windows Media Video 8.0|Windows Media Video 9 ", 2},
                    TVersionCase{2, "Windows Media Video 8|Windows Media Video 7", 0},
                    TVersionCase{3, "Windows Media Video 7|Windows Media Video 9", 0}));

struct TSizeCase {
  std::int32_t profileWidth;
  std::int32_t sourceWidth;
  std::int32_t wmvWidth;
  std::int32_t realWidth;
};

class PluginOutputSize : public PluginEncoderObject, public testing::WithParamInterface<TSizeCase> {};

TEST_P(PluginOutputSize, CutsTheWidthToEachPluginsMultiple) {
  args.SourceWidth = GetParam().sourceWidth;
  wmvProfile.Width = realProfile.Width = GetParam().profileWidth;
  CreateEncoderObject(wmvProfile, args).reset();
  EXPECT_EQ((std::vector<std::string>{"SetVideoWidth " + std::to_string(GetParam().wmvWidth)}),
            Wmv.Taken("SetVideoWidth"));
  EXPECT_EQ(GetParam().wmvWidth, converter.setup.at(0));
  CreateEncoderObject(realProfile, args).reset();
  EXPECT_EQ(GetParam().realWidth, converter.setup.at(0));
  const std::vector<std::string> input = Real.Taken("SetInputParms");
  ASSERT_EQ(1u, input.size());
  EXPECT_NE(std::string::npos, input[0].find(" " + std::to_string(GetParam().realWidth) + " 240 "));
}

INSTANTIATE_TEST_SUITE_P(Widths, PluginOutputSize,
                         testing::Values(TSizeCase{0, 641, 640, 640}, TSizeCase{0, 642, 642, 640},
                                         TSizeCase{350, 720, 350, 348}));

// The audio codec: "(voice)" and "Multichannel" names are skipped, the first "(music)" is
// taken out and the blanks trimmed, on both sides.
TEST_F(PluginEncoderObject, ARealProfileBecomesThePluginSettingsInOrder) {
  args.OutputPath = "out.rm";
  CreateEncoderObject(realProfile, args).reset();
  const std::vector<std::string> calls = Real.Take();
  // The holder's handle is freed first, then each output gets a fresh one.
  ASSERT_EQ(8u, calls.size());
  EXPECT_EQ(0u, calls[0].rfind("FreeEncoderHandle ", 0));
  const std::string handle = calls[1].substr(calls[1].rfind(' ') + 1);
  EXPECT_EQ((std::vector<std::string>{"CreateEncoderHandle " + handle,
                                      "SetInputParms " + handle + " 1 1 348 240 25 5 48000 2",
                                      "SetupDestinationFile " + handle + " 'out.rm'",
                                      "SetupMediaProfile " + handle + " 0 0", "SetParamsMode " + handle + " 1",
                                      "SetManualSettingsParams " + handle + " 3", "SetUse2Pass " + handle + " 0"}),
            std::vector<std::string>(calls.begin() + 1, calls.end()));
}

TEST_F(PluginEncoderObject, ARefusedDestinationEndsTheRealSetUp) {
  Real.Configure("destination", "0");
  CreateEncoderObject(realProfile, args).reset();
  EXPECT_TRUE(Real.Taken("SetupMediaProfile").empty());
  EXPECT_TRUE(Real.Taken("SetManualSettingsParams").empty());
}

TEST_F(PluginEncoderObject, ARealOutputIsEndedOnceAndOnlyWhenOpened) {
  CreateEncoderObject(realProfile, args).reset();
  EXPECT_TRUE(Real.Taken("EndEncoding").empty());

  auto encoder = CreateEncoderObject(realProfile, args);
  encoder->SetMetadata("T", "A", "C", "N", "2024");
  ASSERT_TRUE(encoder->Open());
  EXPECT_TRUE(encoder->Close());
  EXPECT_TRUE(encoder->Close());
  encoder.reset();
  const std::vector<std::string> calls = Real.Take();
  const auto count = [&](const std::string& entry) {
    return std::count_if(calls.begin(), calls.end(), [&](const std::string& c) { return c.rfind(entry, 0) == 0; });
  };
  EXPECT_EQ(1, count("EndEncoding"));
  EXPECT_EQ(1, count("SetupTag"));
  for (const std::string& call : calls) {
    if (call.rfind("SetupTag", 0) == 0) {
      EXPECT_NE(std::string::npos, call.find("'T' 'A' 'C' 'N' ''"));
    }
  }
}

TEST_F(PluginEncoderObject, ARefusedTagFailsTheRealOpening) {
  Real.Configure("tag", "0");
  auto encoder = CreateEncoderObject(realProfile, args);
  EXPECT_FALSE(encoder->Open());
  encoder.reset();
  EXPECT_TRUE(Real.Taken("BeginEncoding").empty());
}

TEST_F(PluginEncoderObject, AWmvObjectTagsOpensAndHandsFramesWithoutTheirEnd) {
  auto encoder = CreateEncoderObject(wmvProfile, args);
  encoder->SetMetadata("Title", "Author", "", "Comment", "1999");
  Wmv.Take();
  ASSERT_TRUE(encoder->Open());
  const std::array<std::uint8_t, 4> frame{};
  EXPECT_TRUE(encoder->EncodeVideoFrame(frame.data(), 1.5, 1.54));
  EXPECT_TRUE(encoder->EncodeAudioSamples(frame.data(), 4, 1.5, 1.6));
  converter.convertAnswer = 0;
  EXPECT_FALSE(encoder->EncodeVideoFrame(frame.data(), 1.54, 1.58));
  EXPECT_EQ((std::vector<std::string>{"SetVideoTag 'Title' 'Author' '' 'Comment' ''", "BeginEncoding",
                                      "EncodeVideoSample data 1.5", "EncodeAudioSample data 4 1.5"}),
            Wmv.Take());
  EXPECT_TRUE(encoder->Close());
  encoder.reset();
  EXPECT_EQ((std::vector<std::string>{"EndEncoding", "EndEncoding"}), Wmv.Take());
}

TEST_F(PluginEncoderObject, ARealObjectHandsFramesWithTheirEnd) {
  auto encoder = CreateEncoderObject(realProfile, args);
  ASSERT_TRUE(encoder->Open());
  Real.Take();
  const std::array<std::uint8_t, 4> frame{};
  EXPECT_TRUE(encoder->EncodeVideoFrame(frame.data(), 2.0, 2.04));
  const std::vector<std::string> calls = Real.Take();
  ASSERT_EQ(1u, calls.size());
  EXPECT_NE(std::string::npos, calls[0].find(" data 2 2.04"));
  Real.Configure("size", "3145728");
  EXPECT_EQ(3145728, encoder->GetOutputSize());
}

// Without a wrapper or a frame converter nothing reaches a plug-in and the job fails.
TEST_F(PluginEncoderObject, MissingWrappersOrConverterFailTheOutput) {
  const std::array<std::uint8_t, 4> frame{};
  SetEncoderWrappers(nullptr, nullptr);
  for (const TVideoProfile* profile :
       {static_cast<const TVideoProfile*>(&wmvProfile), static_cast<const TVideoProfile*>(&realProfile)}) {
    auto encoder = CreateEncoderObject(*profile, args);
    ASSERT_NE(nullptr, encoder);
    EXPECT_FALSE(encoder->Open());
    EXPECT_FALSE(encoder->EncodeVideoFrame(frame.data(), 0.0, 0.04));
    EXPECT_FALSE(encoder->EncodeAudioSamples(frame.data(), 4, 0.0, 0.1));
    EXPECT_EQ(0, encoder->GetOutputSize());
  }
  SetEncoderWrappers(Holder->WMV(), Holder->Real());
  Converter = nullptr;
  for (const TVideoProfile* profile :
       {static_cast<const TVideoProfile*>(&wmvProfile), static_cast<const TVideoProfile*>(&realProfile)}) {
    auto encoder = CreateEncoderObject(*profile, args);
    EXPECT_FALSE(encoder->Open());
    EXPECT_FALSE(encoder->EncodeVideoFrame(frame.data(), 0.0, 0.04));
  }
  EXPECT_TRUE(Wmv.Taken("BeginEncoding").empty());
  EXPECT_TRUE(Real.Taken("BeginEncoding").empty());
}

struct TBlockCase {
  std::uint8_t version;
  bool vbr;
  bool noiseReduction;
  std::int32_t codec;
  std::int32_t noise;
  std::int32_t maxKbps;
  std::int32_t rateMode;
};

class RealManualSettingsBlock : public testing::TestWithParam<TBlockCase> {};

TEST_P(RealManualSettingsBlock, FollowsTheProfile) {
  const TBlockCase& c = GetParam();
  TRealProfile profile("r", "");
  profile.RealVersion = c.version;
  profile.UseVBR = c.vbr;
  profile.VideoNoiseReduction = c.noiseReduction;
  profile.VideoBitrate = 450999;
  profile.VideoVBRMaxBitrate = 900500;
  profile.FrameRate = 12.5;
  const RealManualSettings block = RealManualSettingsOf(profile, 4);
  EXPECT_EQ(c.vbr ? 1 : 0, block.useVbr);
  EXPECT_EQ(c.codec, block.videoCodec);
  EXPECT_EQ(c.noise, block.noiseFilter);
  EXPECT_EQ(0, block.reserved12);
  EXPECT_EQ(12.5, block.frameRate);
  EXPECT_EQ(450, block.videoKbps);
  EXPECT_EQ(c.maxKbps, block.maxVideoKbps);
  EXPECT_EQ(450, block.averageVideoKbps);
  EXPECT_EQ(90, block.quality);
  EXPECT_EQ(4, block.audioCodecIndex);
  EXPECT_EQ(4.0, block.maxKeyFrameSeconds);
  EXPECT_EQ(10.0, block.maxStartupLatency);
  EXPECT_EQ(c.rateMode, block.rateMode);
  EXPECT_EQ(1, block.flag68);
  EXPECT_EQ(1, block.flag69);
}

INSTANTIATE_TEST_SUITE_P(Profiles, RealManualSettingsBlock,
                         testing::Values(TBlockCase{0, false, false, 2, 2, 450, 0},
                                         TBlockCase{1, true, true, 1, 0, 900, 2},
                                         TBlockCase{2, false, true, 0, 0, 450, 0},
                                         TBlockCase{7, true, false, 0, 2, 900, 2}));

}  // namespace
