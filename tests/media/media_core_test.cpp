// The media core over the generated test media, with the native ffprobe's readings and
// ffmpeg's decoded first frames (written beside the media by the generator) as reference.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "media/contracts/LibraryAbi.h"
#include "media/core/MediaDecoder.h"
#include "media/core/MediaFile.h"

namespace {

using mediacore::DecodeRequest;
using mediacore::MediaDecoder;
using mediacore::MediaFile;

const std::string kMediaFolder = "test-media/";

std::string MediaPath(const std::string& name) { return kMediaFolder + name; }

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ffprobe's "flat" output: key=value per line, texts quoted.
class ProbeReference {
 public:
  explicit ProbeReference(const std::string& mediaName) {
    std::ifstream in(MediaPath(mediaName) + ".probe");
    std::string line;
    while (std::getline(in, line)) {
      const auto equals = line.find('=');
      if (equals == std::string::npos) continue;
      std::string value = line.substr(equals + 1);
      if (value.size() >= 2 && value.front() == '"') value = value.substr(1, value.size() - 2);
      values_[line.substr(0, equals)] = value;
    }
  }
  bool Empty() const { return values_.empty(); }
  std::string Get(const std::string& key) const {
    const auto found = values_.find(key);
    return found == values_.end() ? "" : found->second;
  }
  std::string Stream(int index, const std::string& field) const {
    return Get("streams.stream." + std::to_string(index) + "." + field);
  }
  // Container indexes of the streams of `type` ("video" or "audio"), attached pictures out.
  std::vector<int> StreamsOf(const std::string& type) const {
    std::vector<int> indexes;
    for (int i = 0; !Stream(i, "codec_type").empty(); ++i) {
      if (Stream(i, "codec_type") == type && Stream(i, "disposition.attached_pic") != "1")
        indexes.push_back(i);
    }
    return indexes;
  }

 private:
  std::map<std::string, std::string> values_;
};

// "30000/1001" or "16:9" as two numbers; 0/0 when unreadable.
std::pair<long, long> Ratio(const std::string& text) {
  long a = 0, b = 0;
  char separator = 0;
  std::istringstream in(text);
  if (!(in >> a >> separator >> b)) return {0, 0};
  return {a, b};
}

std::string LibraryCodecName(const std::string& ffprobeName) {
  return ffprobeName == "aac" ? "mpeg4aac" : ffprobeName;
}

// Every file the generator writes, except the truncated one.
const char* const kProbedFiles[] = {
    "bars_mpeg4_mp3.avi", "bars_h264_aac.mp4", "two_streams.mkv",   "bars.flv",
    "bars.wmv",           "bars.rm",           "bars.mpg",          "surround_6ch.m4a",
    "mono_22050.mp3",     "video_only.avi",    "audio_only.wav",    "odd_641x481.avi",
    "anamorphic_720x480.mp4", "ntsc_2997.mp4",     "cover_art.mp3"};

TEST(MediaFileProbe, StreamTableAgreesWithFfprobe) {
  for (const char* name : kProbedFiles) {
    SCOPED_TRACE(name);
    const ProbeReference reference(name);
    ASSERT_FALSE(reference.Empty()) << "no ffprobe reference; did the generator run?";
    const auto file = MediaFile::Open(MediaPath(name));
    ASSERT_TRUE(file);
    EXPECT_NEAR(file->Duration(), std::atof(reference.Get("format.duration").c_str()), 1e-3);

    const auto videoIndexes = reference.StreamsOf("video");
    ASSERT_EQ(file->VideoStreams().size(), videoIndexes.size());
    for (std::size_t k = 0; k < videoIndexes.size(); ++k) {
      const int i = videoIndexes[k];
      const auto& video = file->VideoStreams()[k];
      EXPECT_EQ(video.codecName, LibraryCodecName(reference.Stream(i, "codec_name")));
      EXPECT_EQ(video.width, std::atoi(reference.Stream(i, "width").c_str()));
      EXPECT_EQ(video.height, std::atoi(reference.Stream(i, "height").c_str()));
      const auto rate = Ratio(reference.Stream(i, "avg_frame_rate"));
      ASSERT_GT(rate.second, 0);
      EXPECT_NEAR(video.frameRate, double(rate.first) / rate.second, 1e-9);
      const auto sar = Ratio(reference.Stream(i, "sample_aspect_ratio"));
      const bool square = sar.first <= 0 || sar.second <= 0 || sar.first == sar.second;
      const auto dar = square ? std::pair<long, long>{0, 1}
                              : Ratio(reference.Stream(i, "display_aspect_ratio"));
      EXPECT_EQ(video.aspectNumerator, dar.first);
      EXPECT_EQ(video.aspectDenominator, dar.second);
    }

    const auto audioIndexes = reference.StreamsOf("audio");
    ASSERT_EQ(file->AudioStreams().size(), audioIndexes.size());
    for (std::size_t k = 0; k < audioIndexes.size(); ++k) {
      const int i = audioIndexes[k];
      const auto& audio = file->AudioStreams()[k];
      EXPECT_EQ(audio.codecName, LibraryCodecName(reference.Stream(i, "codec_name")));
      EXPECT_EQ(audio.sampleRate, std::atoi(reference.Stream(i, "sample_rate").c_str()));
      EXPECT_EQ(audio.channels, std::atoi(reference.Stream(i, "channels").c_str()));
    }
  }
}

TEST(MediaFileProbe, AgreedNamesRatesAndAspects) {
  const auto mkv = MediaFile::Open(MediaPath("two_streams.mkv"));
  ASSERT_TRUE(mkv);
  ASSERT_EQ(mkv->VideoStreams().size(), 2u);
  ASSERT_EQ(mkv->AudioStreams().size(), 2u);
  EXPECT_EQ(mkv->VideoStreams()[1].width, 176);
  EXPECT_EQ(mkv->AudioStreams()[0].sampleRate, 44100);
  EXPECT_EQ(mkv->AudioStreams()[1].sampleRate, 22050);

  const auto mp4 = MediaFile::Open(MediaPath("bars_h264_aac.mp4"));
  ASSERT_TRUE(mp4);
  EXPECT_EQ(mp4->VideoStreams()[0].codecName, "h264");
  EXPECT_EQ(mp4->AudioStreams()[0].codecName, "mpeg4aac");
  EXPECT_EQ(mp4->VideoStreams()[0].aspectNumerator, 0);
  EXPECT_EQ(mp4->VideoStreams()[0].aspectDenominator, 1);

  const auto wide = MediaFile::Open(MediaPath("anamorphic_720x480.mp4"));
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->VideoStreams()[0].width, 720);
  EXPECT_EQ(wide->VideoStreams()[0].aspectNumerator, 16);
  EXPECT_EQ(wide->VideoStreams()[0].aspectDenominator, 9);

  const auto ntsc = MediaFile::Open(MediaPath("ntsc_2997.mp4"));
  ASSERT_TRUE(ntsc);
  char rate[32];
  std::snprintf(rate, sizeof rate, "%.3f", ntsc->VideoStreams()[0].frameRate);
  EXPECT_STREQ(rate, "29.970");
}

TEST(MediaFileProbe, OpensPathsInTheSystemCodePage) {
  // "caf\xe9" is "café" in the Western code pages; FFmpeg itself wants UTF-8.
  const std::string accented = MediaPath("caf\xe9.avi");
  ASSERT_TRUE(CopyFileA(MediaPath("video_only.avi").c_str(), accented.c_str(), FALSE));
  const auto file = MediaFile::Open(accented);
  EXPECT_TRUE(file);
  DeleteFileA(accented.c_str());
}

TEST(MediaFileProbe, UnreadableFilesDoNotOpen) {
  const std::string junk = MediaPath("not_media.avi");
  std::ofstream(junk, std::ios::binary) << std::string(4096, 'x');
  EXPECT_FALSE(MediaFile::Open(junk));
  EXPECT_FALSE(MediaFile::Open(MediaPath("no_such_file.avi")));
  std::remove(junk.c_str());
}

// Records what a decoder delivers.
class RecordingSink final : public mediacore::MediaSink {
 public:
  explicit RecordingSink(std::size_t frameBytes = 0) : frameBytes_(frameBytes) {}

  std::vector<double> frameStarts;
  std::vector<double> frameEnds;
  std::vector<std::uint8_t> firstFrame;
  std::vector<double> audioStarts;
  std::vector<double> audioEnds;
  std::vector<std::int16_t> audio;  // every delivered sample, interleaved
  int stopAfterFrames = -1;

  bool OnVideoFrame(double start, double end, const std::uint8_t* pixels) override {
    if (frameStarts.empty() && frameBytes_ > 0) firstFrame.assign(pixels, pixels + frameBytes_);
    frameStarts.push_back(start);
    frameEnds.push_back(end);
    return stopAfterFrames < 0 || int(frameStarts.size()) < stopAfterFrames;
  }
  bool OnAudioSamples(double start, double end, const std::int16_t* samples,
                      int bytes) override {
    audioStarts.push_back(start);
    audioEnds.push_back(end);
    audio.insert(audio.end(), samples, samples + bytes / 2);
    return true;
  }

 private:
  std::size_t frameBytes_;
};

struct Decoded {
  MediaDecoder::Step step;
  RecordingSink sink;
};

std::unique_ptr<Decoded> DecodeFile(const std::string& name, DecodeRequest request,
                                    std::size_t frameBytes = 0, int stopAfterFrames = -1) {
  auto file = MediaFile::Open(MediaPath(name));
  if (!file) return nullptr;
  auto decoder = MediaDecoder::Create(*file, request);
  if (!decoder) return nullptr;
  auto result = std::make_unique<Decoded>(Decoded{MediaDecoder::Step::More, RecordingSink(frameBytes)});
  result->sink.stopAfterFrames = stopAfterFrames;
  result->step = decoder->DecodeAll(result->sink);
  return result;
}

DecodeRequest Streams(int video, int audio, int pixelFormat = PixelFormatI420) {
  DecodeRequest request;
  request.videoStream = video;
  request.audioStream = audio;
  request.pixelFormat = pixelFormat;
  return request;
}

void ExpectIncreasing(const std::vector<double>& times) {
  for (std::size_t i = 1; i < times.size(); ++i) EXPECT_GT(times[i], times[i - 1]) << i;
}

TEST(MediaDecoding, WholeClipGivesEveryFrameAndAllAudio) {
  const struct {
    const char* name;
    int frames;
    int sampleRate;
    long tolerance;  // samples
  } cases[] = {
      // MP4 signals the encoder's priming, so what is left is within one AAC frame.
      {"bars_h264_aac.mp4", 75, 48000, 1024},
      // AVI cannot signal the MP3 encoder's delay (1105 samples): up to one frame more.
      {"bars_mpeg4_mp3.avi", 75, 44100, 1152 + 1105}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto decoded = DecodeFile(c.name, Streams(0, 0));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->step, MediaDecoder::Step::End);
    const RecordingSink& sink = decoded->sink;
    ASSERT_EQ(int(sink.frameStarts.size()), c.frames);
    EXPECT_NEAR(sink.frameStarts.front(), 0.0, 1e-9);
    EXPECT_NEAR(sink.frameEnds.front(), 0.04, 1e-9);
    EXPECT_NEAR(sink.frameStarts.back(), 2.96, 1e-6);
    ExpectIncreasing(sink.frameStarts);
    const long samples = long(sink.audio.size() / 2);
    EXPECT_NEAR(samples, 3L * c.sampleRate, c.tolerance);
    ASSERT_FALSE(sink.audioStarts.empty());
    EXPECT_NEAR(sink.audioStarts.front(), 0.0, 1152.0 / c.sampleRate);
    ExpectIncreasing(sink.audioStarts);
  }
}

TEST(MediaDecoding, EveryContainerDeliversAllItsFramesAndSamples) {
  const struct {
    const char* name;
    int frames;
    int sampleRate;  // 0: no audio
    int channels;
  } cases[] = {{"video_only.avi", 50, 0, 0},  {"odd_641x481.avi", 50, 0, 0},
               {"anamorphic_720x480.mp4", 50, 0, 0}, {"ntsc_2997.mp4", 60, 0, 0},
               {"two_streams.mkv", 50, 44100, 1}, {"bars.flv", 50, 22050, 2},
               {"bars.wmv", 50, 44100, 2},      {"bars.rm", 50, 44100, 2},
               {"bars.mpg", 50, 48000, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto decoded = DecodeFile(c.name, Streams(0, c.sampleRate > 0 ? 0 : -1));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->step, MediaDecoder::Step::End);
    const RecordingSink& sink = decoded->sink;
    ASSERT_EQ(int(sink.frameStarts.size()), c.frames);
    // Times count from the container's start; muxers may delay one stream a little.
    EXPECT_GE(sink.frameStarts.front(), 0.0);
    EXPECT_LT(sink.frameStarts.front(), 0.1);
    ExpectIncreasing(sink.frameStarts);
    if (c.sampleRate == 0) continue;
    // Two seconds, give or take what the encoders add as priming and padding or, for WMA,
    // drop of the last partial frame (2048 samples).
    const double samples = double(sink.audio.size()) / c.channels;
    EXPECT_GE(samples, 2.0 * c.sampleRate - 2048);
    EXPECT_LE(samples, 2.0 * c.sampleRate + 2 * 1152);
  }
}

TEST(MediaDecoding, ClipRangeKeepsFramesAndSamplesInside) {
  DecodeRequest request = Streams(0, 0);
  request.clipStart = 1.0;
  request.clipEnd = 2.0;
  const auto decoded = DecodeFile("bars_mpeg4_mp3.avi", request);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->step, MediaDecoder::Step::End);
  const RecordingSink& sink = decoded->sink;
  ASSERT_EQ(sink.frameStarts.size(), 25u);
  for (double t : sink.frameStarts) {
    EXPECT_GE(t, 1.0 - 1e-9);
    EXPECT_LT(t, 2.0);
  }
  ExpectIncreasing(sink.frameStarts);
  // Audio is cut at the sample: one second of it, starting at the start of the range.
  EXPECT_NEAR(double(sink.audio.size() / 2), 44100.0, 1.0);
  ASSERT_FALSE(sink.audioStarts.empty());
  EXPECT_NEAR(sink.audioStarts.front(), 1.0, 1.0 / 44100);
  EXPECT_NEAR(sink.audioEnds.back(), 2.0, 1.0 / 44100);
}

TEST(MediaDecoding, AudioIsStereoOrMonoAtTheStreamRate) {
  const struct {
    const char* name;
    int channels;
    int rate;
    long tolerance;
  } cases[] = {{"surround_6ch.m4a", 2, 48000, 1024},
               {"mono_22050.mp3", 1, 22050, 1152},
               {"audio_only.wav", 2, 44100, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto decoded = DecodeFile(c.name, Streams(-1, 0));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->step, MediaDecoder::Step::End);
    const RecordingSink& sink = decoded->sink;
    ASSERT_FALSE(sink.audioStarts.empty());
    // Times and the delivered sample count agree only with the right channel count.
    const double seconds = sink.audioEnds.back() - sink.audioStarts.front();
    const long samples = long(sink.audio.size() / c.channels);
    EXPECT_NEAR(double(samples) / c.rate, seconds, 2.0 / c.rate);
    EXPECT_NEAR(samples, 2L * c.rate, c.tolerance);
  }
}

// Zero crossings per second per channel of interleaved samples: twice the tone frequency.
double CrossingsPerSecond(const std::vector<std::int16_t>& samples, int channels, int rate) {
  int crossings = 0;
  for (std::size_t i = channels; i < samples.size(); i += channels) {
    if ((samples[i - channels] < 0) != (samples[i] < 0)) ++crossings;
  }
  return crossings * double(rate) / (samples.size() / channels);
}

TEST(MediaDecoding, ChosenStreamsOfAMultiStreamFile) {
  const struct {
    int video;
    int audio;
    int rate;
    double tone;
  } cases[] = {{0, 0, 44100, 440}, {1, 1, 22050, 880}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.audio);
    const auto decoded = DecodeFile("two_streams.mkv", Streams(c.video, c.audio));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->sink.frameStarts.size(), 50u);
    // Matroska keeps the encoders' priming and padding: up to two frames more.
    EXPECT_NEAR(double(decoded->sink.audio.size()), 2.0 * c.rate, 2 * 1152);
    EXPECT_NEAR(CrossingsPerSecond(decoded->sink.audio, 1, c.rate), 2 * c.tone, 0.03 * c.tone);
  }
}

struct Rgb {
  int r, g, b;
};

// The top bars of the SMPTE pattern: grey, yellow, cyan, green, magenta, red, blue at 75 %.
const Rgb kTopBars[7] = {{191, 191, 191}, {191, 191, 0}, {0, 191, 191}, {0, 191, 0},
                         {191, 0, 191},   {191, 0, 0},   {0, 0, 191}};
constexpr int kBarsWidth = 320;
constexpr int kBarsHeight = 240;
constexpr int kTopBarRow = 40;  // a picture row inside the top bars

TEST(MediaDecoding, ColourBarsInBgraAreBottomUpWithOpaqueAlpha) {
  const auto decoded = DecodeFile("bars_mpeg4_mp3.avi", Streams(0, -1, PixelFormatBgra),
                                  FrameByteSize(PixelFormatBgra, kBarsWidth, kBarsHeight), 1);
  ASSERT_TRUE(decoded);
  const auto& frame = decoded->sink.firstFrame;
  ASSERT_EQ(frame.size(), std::size_t(kBarsWidth * kBarsHeight * 4));
  const std::size_t stride = kBarsWidth * 4;
  for (int bar = 0; bar < 7; ++bar) {
    const int x = (2 * bar + 1) * kBarsWidth / 14;
    const std::uint8_t* p = &frame[(kBarsHeight - 1 - kTopBarRow) * stride + x * 4];
    EXPECT_NEAR(p[2], kTopBars[bar].r, 12) << "bar " << bar;
    EXPECT_NEAR(p[1], kTopBars[bar].g, 12) << "bar " << bar;
    EXPECT_NEAR(p[0], kTopBars[bar].b, 12) << "bar " << bar;
  }
  // Against ffmpeg's own decoding (top row first): row r here is its row h - 1 - r.
  const auto reference = ReadBytes(MediaPath("bars_mpeg4_mp3.avi.frame0.bgra"));
  ASSERT_EQ(reference.size(), frame.size());
  // Builds of the converter may round a few values differently near the bar edges.
  int worst = 0;
  std::size_t off = 0;
  for (int row = 0; row < kBarsHeight; ++row) {
    for (std::size_t i = 0; i < stride; ++i) {
      const std::uint8_t ours = frame[row * stride + i];
      const int difference = std::abs(ours - reference[(kBarsHeight - 1 - row) * stride + i]);
      worst = std::max(worst, difference);
      if (difference > 4) ++off;
      if (i % 4 == 3) {
        ASSERT_EQ(ours, 255) << "alpha at row " << row;
      }
    }
  }
  EXPECT_LE(worst, 32);
  EXPECT_LE(off, frame.size() / 200);
}

TEST(MediaDecoding, ColourBarsInRgb565AreBottomUp) {
  const auto decoded = DecodeFile("bars_mpeg4_mp3.avi", Streams(0, -1, PixelFormatRgb565),
                                  FrameByteSize(PixelFormatRgb565, kBarsWidth, kBarsHeight), 1);
  ASSERT_TRUE(decoded);
  const auto& frame = decoded->sink.firstFrame;
  ASSERT_EQ(frame.size(), std::size_t(kBarsWidth * kBarsHeight * 2));
  for (int bar = 0; bar < 7; ++bar) {
    const int x = (2 * bar + 1) * kBarsWidth / 14;
    const std::size_t at = (kBarsHeight - 1 - kTopBarRow) * kBarsWidth * 2 + x * 2;
    const int pixel = frame[at] | (frame[at + 1] << 8);
    EXPECT_NEAR(((pixel >> 11) & 31) * 255 / 31, kTopBars[bar].r, 16) << "bar " << bar;
    EXPECT_NEAR(((pixel >> 5) & 63) * 255 / 63, kTopBars[bar].g, 16) << "bar " << bar;
    EXPECT_NEAR((pixel & 31) * 255 / 31, kTopBars[bar].b, 16) << "bar " << bar;
  }
}

TEST(MediaDecoding, I420PlanesMatchFfmpegYuv420p) {
  const struct {
    const char* name;
    int width;
    int height;
  } cases[] = {{"bars_mpeg4_mp3.avi", 320, 240}, {"odd_641x481.avi", 641, 481}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::size_t bytes = FrameByteSize(PixelFormatI420, c.width, c.height);
    ASSERT_EQ(bytes, std::size_t(c.width * c.height + 2 * ((c.width + 1) / 2) * ((c.height + 1) / 2)));
    const auto decoded = DecodeFile(c.name, Streams(0, -1), bytes, 1);
    ASSERT_TRUE(decoded);
    const auto reference = ReadBytes(MediaPath(std::string(c.name) + ".frame0.yuv"));
    ASSERT_EQ(reference.size(), bytes);
    ASSERT_EQ(decoded->sink.firstFrame.size(), bytes);
    int worst = 0;
    for (std::size_t i = 0; i < bytes; ++i)
      worst = std::max(worst, std::abs(decoded->sink.firstFrame[i] - reference[i]));
    EXPECT_LE(worst, 2);
  }
}

TEST(MediaDecoding, ASinkAnsweringFalseStopsTheDelivery) {
  const auto decoded = DecodeFile("bars_mpeg4_mp3.avi", Streams(0, 0), 0, 10);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->step, MediaDecoder::Step::Stopped);
  EXPECT_EQ(decoded->sink.frameStarts.size(), 10u);
}

TEST(MediaDecoding, TruncatedFileEndsEarlyWithoutHanging) {
  // The header and the first 40 % of the frames are there; the index at the end is not.
  auto file = MediaFile::Open(MediaPath("truncated.avi"));
  ASSERT_TRUE(file);
  auto decoder = MediaDecoder::Create(*file, Streams(0, file->AudioStreams().empty() ? -1 : 0));
  ASSERT_TRUE(decoder);
  RecordingSink sink;
  EXPECT_EQ(decoder->DecodeAll(sink), MediaDecoder::Step::End);
  EXPECT_GT(sink.frameStarts.size(), 0u);
  EXPECT_LT(sink.frameStarts.size(), 75u);
  ExpectIncreasing(sink.frameStarts);
}

TEST(MediaDecoding, DamagedFramesAreSkipped) {
  const auto decoded = DecodeFile("damaged.avi", Streams(0, 0));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->step, MediaDecoder::Step::End);
  const auto& frames = decoded->sink.frameStarts;
  EXPECT_GT(frames.size(), 0u);
  EXPECT_LT(frames.size(), 75u);
  ExpectIncreasing(frames);
  EXPECT_NEAR(decoded->sink.audio.size() / 2.0, 3.0 * 44100, 1152 + 1105);
}

TEST(MediaDecoding, RequestsThatCannotBeServedAreRefused) {
  auto file = MediaFile::Open(MediaPath("video_only.avi"));
  ASSERT_TRUE(file);
  EXPECT_FALSE(MediaDecoder::Create(*file, Streams(-1, -1)));
  EXPECT_FALSE(MediaDecoder::Create(*file, Streams(0, 0)));  // no audio stream
  EXPECT_FALSE(MediaDecoder::Create(*file, Streams(1, -1)));
  EXPECT_FALSE(MediaDecoder::Create(*file, Streams(0, -1, PixelFormatYv12)));
  EXPECT_TRUE(MediaDecoder::Create(*file, Streams(0, -1, PixelFormatBgra)));
}

TEST(MediaDecoding, SeekContinuesAtTheNewTime) {
  auto file = MediaFile::Open(MediaPath("bars_h264_aac.mp4"));
  ASSERT_TRUE(file);
  auto decoder = MediaDecoder::Create(*file, Streams(0, -1));
  ASSERT_TRUE(decoder);
  RecordingSink sink;
  sink.stopAfterFrames = 5;
  EXPECT_EQ(decoder->DecodeAll(sink), MediaDecoder::Step::Stopped);
  ASSERT_TRUE(decoder->Seek(2.0));
  sink.stopAfterFrames = -1;
  EXPECT_EQ(decoder->DecodeAll(sink), MediaDecoder::Step::End);
  ASSERT_EQ(sink.frameStarts.size(), 5u + 25u);
  EXPECT_NEAR(sink.frameStarts[5], 2.0, 1e-6);
  EXPECT_NEAR(decoder->Position(), 2.96, 1e-6);
}

}  // namespace
