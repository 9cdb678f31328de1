// The codec library's encoder context in-process: refusals that leave no file, outputs
// without audio, the constant output rate and silence over gaps, options handed on to
// FFmpeg, the display aspect and the answers of Close and GetOutputSize. The files are
// read back with the media core; ffprobe checks live in check_encoder_output.py.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "media/contracts/CodecLibrary.h"
#include "media/core/MediaDecoder.h"
#include "media/core/MediaFile.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kRate = 44100;

struct ContextReleaser {
  void operator()(EncoderContext* context) const { ReleaseEncoderContext(context); }
};
using ContextPtr = std::unique_ptr<EncoderContext, ContextReleaser>;

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::int64_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string OutputPath(const std::string& name) {
  CreateDirectoryA("encoder-output", nullptr);
  const std::string path = "encoder-output/context_" + name;
  DeleteFileA(path.c_str());
  return path;
}

// The calls the AVI output makes before opening, with the given codecs.
ContextPtr AviContext(const std::string& path, const char* videoCodec, const char* audioCodec,
                      int width = kWidth, int height = kHeight) {
  ContextPtr context(CreateEncoderContext(path.c_str()));
  EXPECT_TRUE(context);
  EXPECT_EQ(context->SetFormat("avi"), 0);
  EXPECT_EQ(context->SetVideoParams(width, height, 1000000, 25.0, kWidth, kHeight,
                                    PixelFormatI420, 0, 0, 0, 0, 0, 0, 0, 0),
            0);
  EXPECT_EQ(context->SetVideoCodec(videoCodec), 0);
  if (audioCodec != nullptr) EXPECT_EQ(context->SetAudioCodec(audioCodec), 0);
  EXPECT_EQ(context->SetAudioParams(kRate, 2, 128000, kRate, 2), 0);
  return context;
}

std::vector<std::uint8_t> GreyFrame() {
  std::vector<std::uint8_t> frame(FrameByteSize(PixelFormatI420, kWidth, kHeight), 128);
  std::fill(frame.begin(), frame.begin() + kWidth * kHeight, 100);
  return frame;
}

// Stereo 440 Hz tone of `count` samples per channel starting at sample `first`.
std::vector<std::int16_t> Tone(int first, int count) {
  std::vector<std::int16_t> samples(static_cast<std::size_t>(count) * 2);
  for (int i = 0; i < count; ++i) {
    const double value = 8000.0 * std::sin(2 * 3.14159265358979 * 440.0 * (first + i) / kRate);
    samples[2 * i] = samples[2 * i + 1] = static_cast<std::int16_t>(value);
  }
  return samples;
}

// Counts what the media core decodes from a written file.
struct Tally final : mediacore::MediaSink {
  bool OnVideoFrame(double start, double, const std::uint8_t*) override {
    frameTimes.push_back(start);
    return true;
  }
  bool OnAudioSamples(double start, double, const std::int16_t* data, int bytes) override {
    const int count = bytes / 4;
    for (int i = 0; i < count; ++i) {
      const double time = start + static_cast<double>(i) / kRate;
      if (time > 0.6 && time < 0.9) quietest = std::max<int>(quietest, std::abs(data[2 * i]));
    }
    samples += count;
    return true;
  }
  std::vector<double> frameTimes;
  long long samples = 0;
  int quietest = 0;  // loudest sample inside the gap of the delivery
};

Tally Decode(const std::string& path) {
  Tally tally;
  auto file = mediacore::MediaFile::Open(path);
  EXPECT_TRUE(file);
  if (!file) return tally;
  mediacore::DecodeRequest request;
  request.videoStream = file->VideoStreams().empty() ? -1 : 0;
  request.audioStream = file->AudioStreams().empty() ? -1 : 0;
  auto decoder = mediacore::MediaDecoder::Create(*file, request);
  EXPECT_TRUE(decoder);
  if (decoder) decoder->DecodeAll(tally);
  return tally;
}

// Refused steps: the decided call answers failure, and no file is left behind.
struct Refusal {
  const char* name;
  const char* videoCodec;
  int width, height;
  const char* option;  // set last, when not null
  const char* refusedAt;
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

class EncoderContextRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(EncoderContextRefusal, FailsAtTheDecidedCallAndLeavesNoFile) {
  const Refusal r = GetParam();
  const std::string path = OutputPath(std::string(r.name) + ".avi");
  ContextPtr context(CreateEncoderContext(path.c_str()));
  ASSERT_TRUE(context);
  ASSERT_EQ(context->SetFormat("avi"), 0);
  ASSERT_EQ(context->SetVideoParams(r.width, r.height, 500000, 25.0, kWidth, kHeight,
                                    PixelFormatI420, 0, 0, 0, 0, 0, 0, 0, 0),
            0);
  const bool codecAccepted = context->SetVideoCodec(r.videoCodec) == 0;
  EXPECT_EQ(codecAccepted, std::string(r.refusedAt) != "SetVideoCodec");
  if (r.option != nullptr) {
    EXPECT_EQ(context->SetOption(r.option, "1") == 0, std::string(r.refusedAt) != "SetOption");
  }
  // Without its codec the output cannot open either; a refused option is only left out.
  if (std::string(r.refusedAt) != "SetOption") {
    EXPECT_NE(context->Open(), 0);
    EXPECT_NE(context->Close(), 0);  // nothing was completed
  }
  context.reset();
  EXPECT_FALSE(FileExists(path));
}

INSTANTIATE_TEST_SUITE_P(
    Decided, EncoderContextRefusal,
    testing::Values(Refusal{"msmpeg4v1", "msmpeg4v1", kWidth, kHeight, nullptr, "SetVideoCodec"},
                    Refusal{"h263_odd_size", "h263", 177, 145, nullptr, "Open"},
                    Refusal{"unknown_option", "mpeg4", kWidth, kHeight, "no_such_option", "SetOption"},
                    Refusal{"no_codec_name", "", kWidth, kHeight, nullptr, "SetVideoCodec"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST(EncoderContext, WithoutAnAudioCodecTakesAudioWithoutWritingIt) {
  const std::string path = OutputPath("no_audio.avi");
  ContextPtr context = AviContext(path, "mpeg4", nullptr);
  ASSERT_EQ(context->Open(), 0);
  const auto frame = GreyFrame();
  const auto tone = Tone(0, 4410);
  for (int i = 0; i < 25; ++i) {
    ASSERT_EQ(context->EncodeVideo(frame.data(), i / 25.0), 0);
    ASSERT_EQ(context->EncodeAudio(tone.data(), static_cast<int>(tone.size() * 2), i / 25.0), 0);
  }
  EXPECT_EQ(context->Close(), 0);
  auto file = mediacore::MediaFile::Open(path);
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->AudioStreams().empty());
  EXPECT_EQ(file->VideoStreams().size(), 1u);
}

// Frames at 50 per second into 25: every second one falls on a taken slot. Then a gap of
// half a second, over which the last picture repeats and the audio is silent.
TEST(EncoderContext, KeepsAConstantRateAndFillsGaps) {
  const std::string path = OutputPath("gaps.avi");
  ContextPtr context = AviContext(path, "mpeg4", "pcm_s16le");
  ASSERT_EQ(context->Open(), 0);
  const auto frame = GreyFrame();
  constexpr int kChunk = 441;  // 10 ms
  for (double base : {0.0, 1.0}) {
    for (int i = 0; i < 25; ++i) {
      ASSERT_EQ(context->EncodeVideo(frame.data(), 10.0 + base + i / 50.0), 0);
    }
    for (int i = 0; i < 50; ++i) {
      const int first = static_cast<int>(base * kRate) + i * kChunk;
      const auto tone = Tone(first, kChunk);
      ASSERT_EQ(context->EncodeAudio(tone.data(), kChunk * 4, 10.0 + static_cast<double>(first) / kRate), 0);
    }
  }
  ASSERT_EQ(context->Close(), 0);
  EXPECT_EQ(context->GetOutputSize(), FileSize(path));

  const Tally tally = Decode(path);
  // Slots 0 to 12, 13 to 24 repeated, 25 to 37: 38 frames 1/25 s apart from 0.
  ASSERT_EQ(tally.frameTimes.size(), 38u);
  for (std::size_t i = 0; i < tally.frameTimes.size(); ++i) {
    EXPECT_NEAR(tally.frameTimes[i], i / 25.0, 0.002) << "frame " << i;
  }
  EXPECT_NEAR(static_cast<double>(tally.samples) / kRate, 1.5, 1024.0 / kRate);
  EXPECT_LT(tally.quietest, 16);
}

// Mean luma of each picture decoded from a written file.
struct LumaTally final : mediacore::MediaSink {
  bool OnVideoFrame(double, double, const std::uint8_t* pixels) override {
    long long sum = 0;
    for (int i = 0; i < kWidth * kHeight; ++i) sum += pixels[i];
    levels.push_back(static_cast<double>(sum) / (kWidth * kHeight));
    return true;
  }
  bool OnAudioSamples(double, double, const std::int16_t*, int) override { return true; }
  std::vector<double> levels;
};

// The caller draws each picture into the same buffer right after handing over the last
// one, while the encoding may still lag behind: every slot must still show the picture
// delivered for it, and a gap the picture before it. Through a codec that takes I420 as
// it is and one whose pictures are converted first.
class EncoderContextPictures : public testing::TestWithParam<const char*> {};

TEST_P(EncoderContextPictures, KeepEachDeliveredPictureAsItWas) {
  const std::string path = OutputPath(std::string("pictures_") + GetParam() + ".avi");
  ContextPtr context = AviContext(path, GetParam(), nullptr);
  ASSERT_EQ(context->Open(), 0);
  const auto levelOf = [](int slot) { return 40 + 6 * slot; };
  auto frame = GreyFrame();
  constexpr int kSlots = 30;
  constexpr int kGapFirst = 20;
  constexpr int kGapEnd = 25;
  for (int slot = 0; slot < kSlots; ++slot) {
    if (slot >= kGapFirst && slot < kGapEnd) continue;
    std::fill(frame.begin(), frame.begin() + kWidth * kHeight, static_cast<std::uint8_t>(levelOf(slot)));
    ASSERT_EQ(context->EncodeVideo(frame.data(), slot / 25.0), 0);
  }
  ASSERT_EQ(context->Close(), 0);

  LumaTally tally;
  auto file = mediacore::MediaFile::Open(path);
  ASSERT_TRUE(file);
  mediacore::DecodeRequest request;
  request.videoStream = 0;
  auto decoder = mediacore::MediaDecoder::Create(*file, request);
  ASSERT_TRUE(decoder);
  decoder->DecodeAll(tally);
  ASSERT_EQ(tally.levels.size(), static_cast<std::size_t>(kSlots));
  for (int slot = 0; slot < kSlots; ++slot) {
    const int shown = slot >= kGapFirst && slot < kGapEnd ? kGapFirst - 1 : slot;
    EXPECT_NEAR(tally.levels[slot], levelOf(shown), 3.0) << "slot " << slot;
  }
}

INSTANTIATE_TEST_SUITE_P(Codecs, EncoderContextPictures, testing::Values("mpeg4", "rawvideo"));

TEST(EncoderContext, HandsOtherOptionsToTheEncodersAndTheMuxer) {
  const std::string path = OutputPath("options.mp4");
  ContextPtr context(CreateEncoderContext(path.c_str()));
  ASSERT_EQ(context->SetFormat("mp4"), 0);
  ASSERT_EQ(context->SetVideoParams(kWidth, kHeight, 800000, 25.0, kWidth, kHeight,
                                    PixelFormatI420, 0, 0, 0, 0, 0, 0, 0, 0),
            0);
  ASSERT_EQ(context->SetVideoCodec("mpeg4"), 0);
  ASSERT_EQ(context->SetAudioCodec("aac"), 0);
  ASSERT_EQ(context->SetAudioParams(kRate, 2, 128000, kRate, 2), 0);
  EXPECT_EQ(context->SetOption("g", "5"), 0);              // generic codec option
  EXPECT_EQ(context->SetOption("mpeg_quant", "1"), 0);     // of the MPEG-4 encoder
  EXPECT_EQ(context->SetOption("aac_coder", "fast"), 0);   // of the AAC encoder
  EXPECT_EQ(context->SetOption("movflags", "faststart"), 0);  // of the MP4 muxer
  EXPECT_EQ(context->SetOption("vcodecTag", "DIVX"), 0);   // ignored by MP4
  EXPECT_NE(context->SetOption("video_rc_max_rate", "fast"), 0);
  EXPECT_NE(context->SetOption("frame_aspect_ratio", "wide"), 0);
  EXPECT_EQ(context->SetOption("frame_aspect_ratio", "16:9"), 0);
  EXPECT_EQ(context->SetOption("str_title", ""), 0);
  ASSERT_EQ(context->Open(), 0);
  EXPECT_NE(context->SetOption("g", "6"), 0);  // too late
  const auto frame = GreyFrame();
  for (int i = 0; i < 10; ++i) ASSERT_EQ(context->EncodeVideo(frame.data(), i / 25.0), 0);
  ASSERT_EQ(context->Close(), 0);
  EXPECT_EQ(context->GetOutputSize(), FileSize(path));

  auto file = mediacore::MediaFile::Open(path);
  ASSERT_TRUE(file);
  ASSERT_EQ(file->VideoStreams().size(), 1u);
  EXPECT_EQ(file->VideoStreams()[0].aspectNumerator, 16);
  EXPECT_EQ(file->VideoStreams()[0].aspectDenominator, 9);
}

// Moving the MP4 index to the front reads the file back; when another program keeps it
// from being read, the file is not complete and Close says so.
TEST(EncoderContext, CloseAnswersFailureWhenTheTrailerCannotBeWritten) {
  const std::string path = OutputPath("blocked.mp4");
  ContextPtr context(CreateEncoderContext(path.c_str()));
  ASSERT_EQ(context->SetFormat("mp4"), 0);
  ASSERT_EQ(context->SetVideoParams(kWidth, kHeight, 800000, 25.0, kWidth, kHeight,
                                    PixelFormatI420, 0, 0, 0, 0, 0, 0, 0, 0),
            0);
  ASSERT_EQ(context->SetVideoCodec("mpeg4"), 0);
  ASSERT_EQ(context->SetOption("movflags", "faststart"), 0);
  ASSERT_EQ(context->Open(), 0);
  const auto frame = GreyFrame();
  for (int i = 0; i < 5; ++i) ASSERT_EQ(context->EncodeVideo(frame.data(), i / 25.0), 0);
  // Shares writing with the encoder but not reading.
  const std::unique_ptr<void, decltype(&CloseHandle)> blocker(
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                  FILE_ATTRIBUTE_NORMAL, nullptr),
      &CloseHandle);
  ASSERT_NE(blocker.get(), INVALID_HANDLE_VALUE);
  EXPECT_NE(context->Close(), 0);
}

TEST(EncoderContext, RefusesABadValueOfAHandedOnOptionAtOpen) {
  const std::string path = OutputPath("bad_value.avi");
  ContextPtr context = AviContext(path, "mpeg4", "mp3");
  ASSERT_EQ(context->SetOption("g", "many"), 0);  // known name; the value is tried at Open
  EXPECT_NE(context->Open(), 0);
  context.reset();
  EXPECT_FALSE(FileExists(path));
}

// A decimal display aspect becomes a sample aspect the MPEG-4 bitstream can carry (terms
// up to 255), close to the one asked for.
TEST(EncoderContext, ReducesTheSampleAspectToWhatTheCodecCarries) {
  const std::string path = OutputPath("aspect.avi");
  ContextPtr context = AviContext(path, "mpeg4", nullptr);
  ASSERT_EQ(context->SetOption("frame_aspect_ratio", "2.35"), 0);
  ASSERT_EQ(context->Open(), 0);
  const auto frame = GreyFrame();
  ASSERT_EQ(context->EncodeVideo(frame.data(), 0.0), 0);
  ASSERT_EQ(context->Close(), 0);
  auto file = mediacore::MediaFile::Open(path);
  ASSERT_TRUE(file);
  const auto& video = file->VideoStreams().at(0);
  ASSERT_GT(video.aspectDenominator, 0);
  EXPECT_NEAR(static_cast<double>(video.aspectNumerator) / video.aspectDenominator, 2.35, 0.01);
}

TEST(EncoderContext, AnswersFailureOutsideItsOpenSpan) {
  const std::string path = OutputPath("span.avi");
  ContextPtr context = AviContext(path, "mpeg4", "mp3");
  const auto frame = GreyFrame();
  EXPECT_NE(context->EncodeVideo(frame.data(), 0.0), 0);  // not open yet
  EXPECT_EQ(context->GetOutputSize(), 0);
  ASSERT_EQ(context->Open(), 0);
  EXPECT_NE(context->Open(), 0);
  EXPECT_NE(context->EncodeVideo(nullptr, 0.0), 0);
  ASSERT_EQ(context->EncodeVideo(frame.data(), 0.0), 0);
  ASSERT_EQ(context->Close(), 0);
  EXPECT_EQ(context->Close(), 0);  // the same answer again
  EXPECT_NE(context->EncodeVideo(frame.data(), 0.04), 0);
  EXPECT_GT(context->GetOutputSize(), 0);
  EXPECT_EQ(context->GetOutputSize(), FileSize(path));
  ReleaseEncoderContext(nullptr);
}

TEST(EncoderContext, OpenFailsWithoutAWritableFile) {
  ContextPtr context = AviContext("no-such-folder/out.avi", "mpeg4", "mp3");
  EXPECT_NE(context->Open(), 0);
  ContextPtr unnamed = AviContext("", "mpeg4", "mp3");
  EXPECT_NE(unnamed->Open(), 0);
}

}  // namespace
