// Both decoding libraries over the generated media: what a conversion run delivers, with
// the native ffprobe's frame counts as reference.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "tests/media/DecodingRuns.h"

namespace {

using decodingtest::DecodingRecorder;
using decodingtest::DeliveryRecord;

struct Library {
  const char* name;
  std::function<DeliveryRecord(const std::string&, double, double)> run;
};

const Library kLibraries[] = {{"mcdecode", decodingtest::RunDecoderLibrary},
                              {"decoder object", decodingtest::RunDecoderObject}};

std::string MediaPath(const std::string& name) { return "test-media/" + name; }

void ExpectIncreasing(const std::vector<double>& times) {
  for (std::size_t i = 1; i < times.size(); ++i) ASSERT_GT(times[i], times[i - 1]) << i;
}

TEST(DecodingDelivery, EveryFileDeliversFormatFramesAudioAndOneEnd) {
  const struct {
    const char* name;
    bool video;
    double seconds;   // of audio; 0 without audio
    int rate;
    int channels;     // delivered
    long tolerance;   // samples per channel: priming, padding, a partial codec frame
  } cases[] = {
      {"bars_mpeg4_mp3.avi", true, 3, 44100, 2, 1152 + 1105},
      {"bars_h264_aac.mp4", true, 3, 48000, 2, 1024},
      {"two_streams.mkv", true, 2, 44100, 1, 2 * 1152},
      {"bars.flv", true, 2, 22050, 2, 2 * 1152},
      {"bars.wmv", true, 2, 44100, 2, 2 * 1152},
      {"bars.rm", true, 2, 44100, 2, 2 * 1152},
      {"bars.mpg", true, 2, 48000, 2, 2 * 1152},
      {"ntsc_2997.mp4", true, 0, 0, 0, 0},
      {"video_only.avi", true, 0, 0, 0, 0},
      {"surround_6ch.m4a", false, 2, 48000, 2, 1024},
      {"audio_only.wav", false, 2, 44100, 2, 1},
  };
  for (const Library& library : kLibraries) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(library.name) + " " + c.name);
      DecodingRecorder::Instance().Reset();
      const DeliveryRecord r = library.run(MediaPath(c.name), -1.0, -1.0);
      EXPECT_EQ(r.formats, 1);
      EXPECT_TRUE(r.formatFirst);
      EXPECT_EQ(r.ends, 1);
      if (c.video) {
        const int expected = decodingtest::ReferenceFrameCount(c.name);
        ASSERT_GT(expected, 0) << "no frame count; did the generator run?";
        EXPECT_EQ(int(r.frameStarts.size()), expected);
        ASSERT_FALSE(r.frameStarts.empty());
        EXPECT_GE(r.frameStarts.front(), 0.0);
        EXPECT_LT(r.frameStarts.front(), 0.1);
        ExpectIncreasing(r.frameStarts);
      } else {
        EXPECT_TRUE(r.frameStarts.empty());
      }
      if (c.seconds == 0) {
        EXPECT_EQ(r.audioBytes, 0);
        continue;
      }
      // With any other channel count the byte total misses the expected sample count.
      const long samples = long(r.audioBytes / (2 * c.channels));
      EXPECT_NEAR(samples, long(c.seconds * c.rate), c.tolerance);
      ASSERT_FALSE(r.audioStarts.empty());
      EXPECT_NEAR(r.audioStarts.front(), 0.0, 0.1);
    }
  }
}

TEST(DecodingDelivery, RangeKeepsOneSecondOfFramesAndAudio) {
  for (const Library& library : kLibraries) {
    SCOPED_TRACE(library.name);
    DecodingRecorder::Instance().Reset();
    const DeliveryRecord r = library.run(MediaPath("bars_mpeg4_mp3.avi"), 1.0, 2.0);
    EXPECT_EQ(r.ends, 1);
    ASSERT_EQ(r.frameStarts.size(), 25u);
    for (double t : r.frameStarts) {
      EXPECT_GE(t, 1.0 - 1e-9);
      EXPECT_LT(t, 2.0);
    }
    ExpectIncreasing(r.frameStarts);
    EXPECT_NEAR(double(r.audioBytes / 4), 44100.0, 1.0);
  }
}

TEST(DecodingDelivery, UnreadableFilesDeliverNothing) {
  const std::string text = MediaPath("decoding_text.avi");
  FILE* file = std::fopen(text.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fputs("This is a text file, not a video.\r\n", file);
  std::fclose(file);
  for (const Library& library : kLibraries) {
    for (const std::string& path : {text, MediaPath("no_such_file.avi")}) {
      SCOPED_TRACE(std::string(library.name) + " " + path);
      DecodingRecorder::Instance().Reset();
      const DeliveryRecord r = library.run(path, -1.0, -1.0);
      EXPECT_EQ(r.formats, 0);
      EXPECT_EQ(r.ends, 0);
      EXPECT_TRUE(r.frameStarts.empty());
    }
  }
  std::remove(text.c_str());
}

TEST(DecodingDelivery, TruncatedFileEndsOnceWithoutHanging) {
  for (const Library& library : kLibraries) {
    SCOPED_TRACE(library.name);
    DecodingRecorder::Instance().Reset();
    const DeliveryRecord r = library.run(MediaPath("truncated.avi"), -1.0, -1.0);
    EXPECT_EQ(r.ends, 1);
    EXPECT_GT(r.frameStarts.size(), 0u);
    EXPECT_LT(r.frameStarts.size(), 75u);
  }
}

}  // namespace
