// The media probe over the generated media, in every decoder mode, with the native
// ffprobe's readings (written beside the media) as reference.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "classlib/runtime/WinApi.h"
#include "engine/Decderwarpper.h"
#include "engine/Decodermodemap.h"
#include "engine/Videoinforeader.h"

namespace {

std::string MediaPath(const std::string& name) { return "test-media/" + name; }

// "format.duration" of ffprobe's flat output beside the medium.
double ReferenceDuration(const std::string& name) {
  std::ifstream in(MediaPath(name) + ".probe");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("format.duration=", 0) == 0) return std::atof(line.substr(17).c_str());
  }
  return -1.0;
}

class VideoInfoReaderTest : public ::testing::Test {
 protected:
  void TearDown() override { DecoderModeMap.SetDefaultMode(dmBuiltInFirst); }
};

TEST_F(VideoInfoReaderTest, ConstructedEmpty) {
  const TVideoInfoReader reader("test-media/bars.flv");
  EXPECT_EQ(reader.GetFileName(), AnsiString("test-media/bars.flv"));
  EXPECT_FALSE(reader.IsValid());
  EXPECT_EQ(reader.GetDuration(), 0.0);
  EXPECT_FALSE(reader.HasVideo());
  EXPECT_FALSE(reader.HasAudio());
  EXPECT_EQ(reader.GetPixelFormat(), 3);
  EXPECT_EQ(reader.GetDecoderKind(), dkBuiltIn);
  EXPECT_STREQ(reader.GetVideoStream(0).CodecName, "");
}

TEST_F(VideoInfoReaderTest, EveryModeProbesWithItsDecoder) {
  const struct {
    const char* name;
    int videos, audios;  // as the built-in decoder lists them
    int width, height;
    double frameRate;
    int sampleRate, channels;
    const char* videoCodec;
    const char* audioCodec;
  } files[] = {
      {"two_streams.mkv", 2, 2, 320, 240, 25, 44100, 1, "mpeg4", "mpeg4aac"},
      {"bars_h264_aac.mp4", 1, 1, 320, 240, 25, 48000, 2, "h264", "mpeg4aac"},
      {"bars_mpeg4_mp3.avi", 1, 1, 320, 240, 25, 44100, 2, "mpeg4", "mp3"},
      {"video_only.avi", 1, 0, 320, 240, 25, 0, 0, "mpeg4", ""},
  };
  for (const auto& f : files) {
    for (int mode = dmBuiltInFirst; mode <= dmDirectShowOnly; ++mode) {
      SCOPED_TRACE(std::string(f.name) + " mode " + std::to_string(mode));
      DecoderModeMap.SetDefaultMode(mode);
      TVideoInfoReader reader(MediaPath(f.name).c_str());
      ASSERT_TRUE(reader.Probe());
      EXPECT_TRUE(reader.IsValid());
      const bool builtIn = mode == dmBuiltInFirst || mode == dmBuiltInOnly;
      EXPECT_EQ(reader.GetDecoderKind(), builtIn ? dkBuiltIn : dkDirectShow);
      EXPECT_NEAR(reader.GetDuration(), ReferenceDuration(f.name), 1.0 / f.frameRate);
      EXPECT_EQ(reader.GetVideoStreamCount(), builtIn ? f.videos : 1);
      EXPECT_EQ(reader.GetAudioStreamCount(), builtIn ? f.audios : (f.audios > 0 ? 1 : 0));
      const VideoStreamInfo& video = reader.GetVideoStream(0);
      EXPECT_EQ(video.Width, f.width);
      EXPECT_EQ(video.Height, f.height);
      EXPECT_DOUBLE_EQ(video.FrameRate, f.frameRate);
      EXPECT_EQ(video.AspectNumerator, 0);
      EXPECT_EQ(video.AspectDenominator, 1);
      EXPECT_STREQ(video.CodecName, builtIn ? f.videoCodec : "");
      if (f.audios == 0) continue;
      const AudioStreamInfo& audio = reader.GetAudioStream(0);
      EXPECT_EQ(audio.SampleRate, f.sampleRate);
      EXPECT_EQ(audio.Channels, f.channels);
      EXPECT_STREQ(audio.CodecName, builtIn ? f.audioCodec : "");
    }
  }
}

TEST_F(VideoInfoReaderTest, BuiltInProbeKeepsTheAnamorphicAspect) {
  TVideoInfoReader reader("test-media/anamorphic_720x480.mp4");
  ASSERT_TRUE(reader.ProbeBuiltIn());
  EXPECT_EQ(reader.GetVideoStream(0).AspectNumerator, 16);
  EXPECT_EQ(reader.GetVideoStream(0).AspectDenominator, 9);
  ASSERT_TRUE(reader.ProbeDirectShow());  // the DirectShow decoder knows no aspect
  EXPECT_EQ(reader.GetVideoStream(0).AspectNumerator, 0);
  EXPECT_EQ(reader.GetVideoStream(0).AspectDenominator, 1);
}

TEST_F(VideoInfoReaderTest, PlayerClipReadsBackAsTheDeviceCheckNeedsIt) {
  TVideoInfoReader reader("test-media-decoding/player_368x208.mp4");
  ASSERT_TRUE(reader.ProbeBuiltIn());
  ASSERT_EQ(reader.GetVideoStreamCount(), 1);
  ASSERT_EQ(reader.GetAudioStreamCount(), 1);
  EXPECT_STREQ(reader.GetVideoStream(0).CodecName, "h264");
  EXPECT_STREQ(reader.GetAudioStream(0).CodecName, "mpeg4aac");
  EXPECT_EQ(reader.GetVideoStream(0).Width, 368);
  EXPECT_EQ(reader.GetVideoStream(0).Height, 208);
  char rate[32];
  std::snprintf(rate, sizeof rate, "%.3f", reader.GetVideoStream(0).FrameRate);
  EXPECT_STREQ(rate, "29.970");
  EXPECT_EQ(reader.GetAudioStream(0).SampleRate, 48000);
}

TEST_F(VideoInfoReaderTest, AFailedProbeAfterAGoodOneClearsOnlyValid) {
  const std::string copy = MediaPath("probe_copy.mkv");
  for (int mode = dmBuiltInFirst; mode <= dmDirectShowOnly; ++mode) {
    SCOPED_TRACE(mode);
    DecoderModeMap.SetDefaultMode(mode);
    ASSERT_TRUE(CopyFileA(MediaPath("two_streams.mkv").c_str(), copy.c_str(), FALSE));
    TVideoInfoReader reader(copy.c_str());
    ASSERT_TRUE(reader.Probe());
    const int kind = reader.GetDecoderKind();
    const int videos = reader.GetVideoStreamCount();
    const double duration = reader.GetDuration();
    std::ofstream(copy, std::ios::binary | std::ios::trunc) << "no longer a video\r\n";
    EXPECT_FALSE(reader.Probe());
    EXPECT_FALSE(reader.IsValid());
    EXPECT_EQ(reader.GetDecoderKind(), kind);
    EXPECT_EQ(reader.GetVideoStreamCount(), videos);
    EXPECT_EQ(reader.GetDuration(), duration);
  }
  std::remove(copy.c_str());
}

TEST_F(VideoInfoReaderTest, UnreadableFilesFailWithoutHanging) {
  const std::string text = MediaPath("probe_text.avi");
  std::ofstream(text, std::ios::binary) << "Just some text with a video extension.\r\n";
  for (int mode = dmBuiltInFirst; mode <= dmDirectShowOnly; ++mode) {
    SCOPED_TRACE(mode);
    DecoderModeMap.SetDefaultMode(mode);
    for (const std::string& path : {text, MediaPath("no_such_file.avi")}) {
      TVideoInfoReader reader(path.c_str());
      EXPECT_FALSE(reader.Probe()) << path;
      EXPECT_FALSE(reader.IsValid());
      EXPECT_EQ(reader.GetDecoderKind(), dkBuiltIn);
    }
    // The truncated file has its header: it is read as far as it goes.
    TVideoInfoReader truncated(MediaPath("truncated.avi").c_str());
    if (truncated.Probe()) EXPECT_TRUE(truncated.HasVideo());
  }
  std::remove(text.c_str());
}

TEST_F(VideoInfoReaderTest, ProbeWithDecoderSwitchesKindOrFallsBack) {
  TVideoInfoReader reader("test-media/two_streams.mkv");
  ASSERT_TRUE(reader.Probe());
  EXPECT_EQ(reader.GetDecoderKind(), dkBuiltIn);
  ASSERT_TRUE(reader.ProbeWithDecoder(dkDirectShow));
  EXPECT_EQ(reader.GetDecoderKind(), dkDirectShow);
  EXPECT_EQ(reader.GetVideoStreamCount(), 1);
  ASSERT_TRUE(reader.ProbeWithDecoder(dkBuiltIn));
  EXPECT_EQ(reader.GetDecoderKind(), dkBuiltIn);
  EXPECT_EQ(reader.GetVideoStreamCount(), 2);

  TVideoInfoReader missing("test-media/no_such_file.mkv");
  EXPECT_FALSE(missing.ProbeWithDecoder(dkDirectShow));
  EXPECT_EQ(missing.GetDecoderKind(), dkBuiltIn);
}

TEST_F(VideoInfoReaderTest, StreamIndexesOutsideTheTableAnswerTheFirstStream) {
  TVideoInfoReader reader("test-media/two_streams.mkv");
  ASSERT_TRUE(reader.ProbeBuiltIn());
  EXPECT_EQ(reader.GetVideoStream(1).Width, 176);
  for (int index : {-1, 2, 16, 1000}) {
    EXPECT_EQ(reader.GetVideoStream(index).Width, 320) << index;
    EXPECT_EQ(reader.GetAudioStream(index).SampleRate, 44100) << index;
  }
}

}  // namespace
