// The codec-library encoder kinds: the settings each profile turns into, in order, as a
// recording encoder context sees them, and what a refusal or a failed close does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Codecencoderobjects.h"
#include "engine/Videoprofilekinds.h"

namespace {

// Records every call as text; refuses the calls whose text starts with `refuse`.
class TRecordingContext : public EncoderContext {
 public:
  std::vector<std::string> calls;
  std::string refuse;
  std::int32_t closeAnswer = kCallOk;

  std::int32_t MC_CALL SetVideoCodec(const char* name) override { return Note("vcodec " + std::string(name)); }
  std::int32_t MC_CALL SetAudioCodec(const char* name) override { return Note("acodec " + std::string(name)); }
  std::int32_t MC_CALL SetFormat(const char* name) override { return Note("format " + std::string(name)); }
  std::int32_t MC_CALL SetAudioParams(std::int32_t rate, std::int32_t channels, std::int32_t bitRate,
                                      std::int32_t sourceRate, std::int32_t sourceChannels) override {
    return Note("audio " + Join({rate, channels, bitRate, sourceRate, sourceChannels}));
  }
  std::int32_t MC_CALL SetVideoParams(std::int32_t width, std::int32_t height, std::int32_t bitRate, double frameRate,
                                      std::int32_t sourceWidth, std::int32_t sourceHeight, std::int32_t pixelFormat,
                                      std::int32_t cropLeft, std::int32_t cropRight, std::int32_t cropTop,
                                      std::int32_t cropBottom, std::int32_t spare1, std::int32_t spare2,
                                      std::int32_t spare3, std::int32_t spare4) override {
    return Note("video " + Join({width, height, bitRate, static_cast<std::int32_t>(frameRate * 1000), sourceWidth,
                                 sourceHeight, pixelFormat, cropLeft, cropRight, cropTop, cropBottom, spare1, spare2,
                                 spare3, spare4}));
  }
  std::int32_t MC_CALL Reserved5() override { return kCallFailed; }
  std::int32_t MC_CALL Reserved6() override { return kCallFailed; }
  std::int32_t MC_CALL Reserved7() override { return kCallFailed; }
  std::int32_t MC_CALL Reserved8() override { return kCallFailed; }
  std::int32_t MC_CALL Reserved9() override { return kCallFailed; }
  std::int32_t MC_CALL Reserved10() override { return kCallFailed; }
  std::int32_t MC_CALL Open() override { return Note("open"); }
  std::int32_t MC_CALL Close() override {
    Note("close");
    return closeAnswer;
  }
  std::int32_t MC_CALL EncodeVideo(const void*, double) override { return Note("encode video"); }
  std::int32_t MC_CALL EncodeAudio(const void*, std::int32_t, double) override { return Note("encode audio"); }
  std::int32_t MC_CALL SetOption(const char* name, const char* value) override {
    return Note("option " + std::string(name) + "=" + value);
  }
  std::int64_t MC_CALL GetOutputSize() override { return 0; }

 private:
  std::int32_t Note(const std::string& call) {
    calls.push_back(call);
    return !refuse.empty() && call.rfind(refuse, 0) == 0 ? kCallFailed : kCallOk;
  }
  static std::string Join(std::initializer_list<std::int32_t> values) {
    std::string text;
    for (std::int32_t v : values) text += (text.empty() ? "" : ",") + std::to_string(v);
    return text;
  }
};

// The context handed out next, and what happened to it.
TRecordingContext* Recorder = nullptr;
int Releases = 0;

EncoderContext* MC_CALL CreateRecorder(const char*) { return Recorder; }
void MC_CALL ReleaseRecorder(EncoderContext* context) {
  EXPECT_EQ(context, Recorder);
  ++Releases;
}

class CodecEncoderObject : public testing::Test {
 protected:
  void SetUp() override {
    Recorder = &context;
    Releases = 0;
    previous = SetEncoderContextEntries({&CreateRecorder, &ReleaseRecorder});
    args.OutputPath = "out.avi";
    args.SourceWidth = 720;
    args.SourceHeight = 576;
    args.SourcePixelFormat = 5;
    args.SourceFrameRate = 25.0;
    args.SourceSampleRate = 48000;
    args.SourceChannels = 2;
  }
  void TearDown() override {
    SetEncoderContextEntries(previous);
    Recorder = nullptr;
  }
  std::vector<std::string> Build(const TVideoProfile& profile) {
    CreateEncoderObject(profile, args);
    return context.calls;
  }
  // The calls starting with `prefix`.
  std::vector<std::string> Calls(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& call : context.calls)
      if (call.rfind(prefix, 0) == 0) found.push_back(call);
    return found;
  }

  TRecordingContext context;
  TEncoderContextEntries previous{};
  TEncoderObjectArgs args;
};

TEST_F(CodecEncoderObject, AnAVIProfileBecomesTheSettingsInOrder) {
  TAVIProfile profile("p", "");
  profile.Width = 321;
  profile.Height = 241;
  profile.AVIVideoCodec = 1;
  profile.FrameRate = 29.97;
  profile.VideoBitrate = 768000;
  profile.AVIAudioCodec = 5;
  profile.AudioFrequency = 44100;
  profile.AudioChannels = 2;
  profile.AudioBitrate = 192000;
  profile.SetAdditionalParam("f", "mp4");
  profile.SetAdditionalParam("F", "x");
  args.FixAspectRatio = true;
  args.CropLeft = 8;
  args.CropRight = 16;
  args.CropTop = 4;
  args.CropBottom = 2;
  const std::vector<std::string> expected{
      "format avi",
      "option bitexact=1",
      "option fix_aspect_ratio=1",
      "video 320,240,768000,29970,720,576,5,8,16,4,2,0,0,0,0",
      "vcodec xvid",
      "option vcodecTag=DIVX",
      "option video_rc_max_rate=768000",
      "option video_rc_min_rate=768000",
      "option video_rc_buffer_size=768000",
      "acodec ac3",
      "audio 44100,2,192000,48000,2",
      "format mp4",
      "option F=x",
      "close",
  };
  EXPECT_EQ(Build(profile), expected);
  EXPECT_EQ(Releases, 1);
}

TEST_F(CodecEncoderObject, OutputSizesAreAlignedByKindAndCodec) {
  struct TSizeCase {
    const char* name;
    std::unique_ptr<TVideoProfile> profile;
    const char* expected;
  };
  auto avi = [](int w, int h, int codec) {
    auto p = std::make_unique<TAVIProfile>("p", "");
    p->Width = w;
    p->Height = h;
    p->AVIVideoCodec = static_cast<std::uint8_t>(codec);
    return p;
  };
  auto mp4 = [](int w, int h, int codec) {
    auto p = std::make_unique<TMP4Profile>("p", "");
    p->Width = w;
    p->Height = h;
    p->VideoCodec = static_cast<std::uint8_t>(codec);
    return p;
  };
  auto gpp = std::make_unique<T3GPProfile>("p", "");
  gpp->Width = 177;
  gpp->Height = 145;
  TSizeCase cases[] = {
      {"source size less the crop", avi(0, 0, 0), "video 704,576"},
      {"even", avi(321, 241, 0), "video 320,240"},
      {"h264 in AVI", avi(330, 250, 7), "video 320,240"},
      {"h264 in MP4", mp4(330, 250, 3), "video 320,240"},
      {"index 7 of MP4 is MPEG-4", mp4(330, 250, 7), "video 330,250"},
      {"3GP unchanged", std::move(gpp), "video 177,145"},
  };
  args.CropLeft = 8;
  args.CropRight = 8;
  for (TSizeCase& c : cases) {
    SCOPED_TRACE(c.name);
    context.calls.clear();
    Build(*c.profile);
    const std::vector<std::string> video = Calls("video ");
    ASSERT_EQ(video.size(), 1u);
    EXPECT_EQ(video[0].rfind(c.expected, 0), 0u) << video[0];
  }
}

TEST_F(CodecEncoderObject, RateControlFollowsTheVBRSwitchAlsoForQuickTime) {
  TMPEGProfile mpeg("p", "");
  mpeg.MPEGVersion = 2;
  mpeg.UseVBR = true;
  mpeg.VideoVBRMaxBitrate = 1150000;
  mpeg.VideoVBRMinBitrate = 0;
  Build(mpeg);
  EXPECT_EQ(Calls("format "), std::vector<std::string>{"format dvd"});
  EXPECT_EQ(Calls("vcodec "), std::vector<std::string>{"vcodec mpeg2video"});
  EXPECT_TRUE(Calls("option bitexact").empty());
  EXPECT_EQ(Calls("option video_rc"),
            (std::vector<std::string>{"option video_rc_max_rate=1150000", "option video_rc_min_rate=0",
                                      "option video_rc_buffer_size=1150000"}));

  context.calls.clear();
  TMOVProfile mov("p", "");
  mov.VideoBitrate = 768000;
  mov.VideoCodec = 5;
  Build(mov);
  EXPECT_EQ(Calls("vcodec "), std::vector<std::string>{"vcodec svq1"});
  EXPECT_EQ(Calls("option video_rc"),
            (std::vector<std::string>{"option video_rc_max_rate=768000", "option video_rc_min_rate=768000",
                                      "option video_rc_buffer_size=768000"}));
}

TEST_F(CodecEncoderObject, WithoutAudioNoAudioSettingIsMadeAndBuffersAreDropped) {
  args.DisableAudio = true;
  TFLVProfile profile("p", "");
  auto encoder = CreateEncoderObject(profile, args);
  ASSERT_TRUE(encoder->Open());
  EXPECT_TRUE(encoder->EncodeAudioSamples("\0\0\0\0", 4, 0.0, 0.1));
  EXPECT_TRUE(Calls("acodec").empty());
  EXPECT_TRUE(Calls("audio").empty());
  EXPECT_TRUE(Calls("encode audio").empty());
  EXPECT_EQ(Calls("vcodec "), std::vector<std::string>{"vcodec flv"});
}

TEST_F(CodecEncoderObject, ARefusedTagReleasesTheContextBeforeOpening) {
  TMP4Profile profile("p", "");
  auto encoder = CreateEncoderObject(profile, args);
  encoder->SetMetadata("t", "a", "c", "m", "2024");
  context.refuse = "option str_author";
  EXPECT_FALSE(encoder->Open());
  EXPECT_TRUE(Calls("open").empty());
  EXPECT_EQ(Releases, 1);
  const size_t seen = context.calls.size();
  EXPECT_TRUE(encoder->Close());
  encoder.reset();
  EXPECT_EQ(context.calls.size(), seen);
  EXPECT_EQ(Releases, 1);
}

TEST_F(CodecEncoderObject, ARefusedSettingLeavesAnObjectThatCannotOpen) {
  context.refuse = "option no_such";
  TAVIProfile profile("p", "");
  profile.SetAdditionalParam("no_such", "1");
  auto encoder = CreateEncoderObject(profile, args);
  ASSERT_NE(encoder, nullptr);
  EXPECT_EQ(Releases, 1);
  EXPECT_FALSE(encoder->Open());
  EXPECT_TRUE(Calls("open").empty());
}

TEST_F(CodecEncoderObject, CloseReportsAnOutputThatCouldNotBeFinished) {
  TAVIProfile profile("p", "");
  auto encoder = CreateEncoderObject(profile, args);
  ASSERT_TRUE(encoder->Open());
  context.closeAnswer = kCallFailed;
  EXPECT_FALSE(encoder->Close());
  EXPECT_EQ(Releases, 1);
  EXPECT_TRUE(encoder->Close());
}

}  // namespace
