// The WMV and RealMedia plug-ins in-process: the outputs their settings describe, their
// entries' answers around one output, their audio modules' formats, and the preset lists
// built from their tables. The files are read back with the media core; ffprobe checks
// live in check_encoder_output.py and the engine's conversion checks.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <string>
#include <vector>

#include "media/contracts/AudioEncoderPlugin.h"
#include "media/contracts/RealEncoderPlugin.h"
#include "media/contracts/WmvEncoderPlugin.h"
#include "media/core/MediaFile.h"
#include "media/plugins/rmenc/RealSettings.h"
#include "media/plugins/wmvenc/WmvSettings.h"

namespace {

using videoplugin::OutputPlan;

constexpr int kWidth = 160;
constexpr int kHeight = 120;

videoplugin::SourceInput Input(bool hasAudio = true) {
  return videoplugin::SourceInput{true, hasAudio, kWidth, kHeight, 25.0, PixelFormatI420, 44100, 2};
}

wmvenc::WmvSettings WmvCbr() {
  wmvenc::WmvSettings settings;
  settings.videoBitRate = 1500000;
  settings.width = 320;
  settings.height = 240;
  settings.frameRate = 25.0;
  settings.input = Input();
  return settings;
}

// ---------------------------------------------------------------------------------------
// What the WMV settings describe.

TEST(WmvSettings, AConstantBitRateOutput) {
  const OutputPlan plan = wmvenc::PlanOf(WmvCbr());
  EXPECT_EQ("asf", plan.container);
  ASSERT_TRUE(plan.video && plan.audio);
  EXPECT_EQ("wmv2", plan.video->codec);
  EXPECT_EQ(320, plan.video->width);
  EXPECT_EQ(kWidth, plan.video->inputWidth);
  EXPECT_EQ(1500000, plan.video->bitRate);
  EXPECT_EQ(1500000, plan.video->maxRate);
  EXPECT_EQ(15000000, plan.video->bufferBits);   // the 10 s buffer window
  EXPECT_EQ(200, plan.video->keyFrameInterval);  // 8 s at 25 frames per second
  EXPECT_EQ(0, plan.video->quantizer);
  EXPECT_EQ("wmav2", plan.audio->codec);
  EXPECT_EQ(44100, plan.audio->rate);
  EXPECT_EQ(64000, plan.audio->bitRate);
  EXPECT_EQ(44100, plan.audio->inputRate);
}

TEST(WmvSettings, ConstantQualityBecomesAQuantizer) {
  for (const auto& [quality, quantizer] :
       std::vector<std::pair<int, int>>{{1, 31}, {50, 17}, {100, 2}, {0, 31}, {250, 2}}) {
    wmvenc::WmvSettings settings = WmvCbr();
    settings.useVbr = true;
    settings.vbrMode = 1;
    settings.vbrQuality = quality;
    const OutputPlan plan = wmvenc::PlanOf(settings);
    EXPECT_EQ(quantizer, plan.video->quantizer) << "quality " << quality;
    EXPECT_EQ(0, plan.video->bitRate);
  }
}

TEST(WmvSettings, ASystemProfileSuppliesCodecRatesKeyFramesAndAudioButNotTheSize) {
  wmvenc::WmvSettings settings = WmvCbr();
  settings.videoCodec = 1;
  settings.useSystemProfile = true;
  settings.systemProfile = 0;
  const OutputPlan plan = wmvenc::PlanOf(settings);
  EXPECT_EQ("wmv2", plan.video->codec);
  EXPECT_EQ(224000, plan.video->bitRate);
  EXPECT_EQ(15.0, plan.video->frameRate);
  EXPECT_EQ(150, plan.video->keyFrameInterval);
  EXPECT_EQ(320, plan.video->width);
  EXPECT_EQ(240, plan.video->height);
  EXPECT_EQ(22050, plan.audio->rate);
  EXPECT_EQ(1, plan.audio->channels);
  EXPECT_EQ(32000, plan.audio->bitRate);
}

TEST(WmvSettings, CodecIndexesAndWhatCannotBeWritten) {
  wmvenc::WmvSettings settings = WmvCbr();
  settings.videoCodec = 1;
  settings.audioFormat = 6;
  EXPECT_EQ("wmv1", wmvenc::PlanOf(settings).video->codec);
  EXPECT_EQ(48000, wmvenc::PlanOf(settings).audio->rate);
  settings.videoCodec = 7;  // no such codec: the first
  settings.audioFormat = -1;
  EXPECT_EQ("wmv2", wmvenc::PlanOf(settings).video->codec);
  EXPECT_EQ(22050, wmvenc::PlanOf(settings).audio->rate);
  settings.input.sampleRate = 0;  // a source without audio
  EXPECT_FALSE(wmvenc::PlanOf(settings).audio);
  settings.input.hasVideo = false;
  EXPECT_THROW(wmvenc::PlanOf(settings), std::exception);
  settings = WmvCbr();
  settings.videoUncompressed = true;
  EXPECT_THROW(wmvenc::PlanOf(settings), std::exception);
}

// ---------------------------------------------------------------------------------------
// What the RealMedia settings describe.

rmenc::RealSettings RealWith(std::int32_t audioCodec, bool vbr) {
  rmenc::RealSettings settings;
  settings.input = Input();
  settings.manualGiven = true;
  settings.manual.useVbr = vbr ? 1 : 0;
  settings.manual.frameRate = 12.5;
  settings.manual.videoKbps = 450;
  settings.manual.maxVideoKbps = 900;
  settings.manual.audioCodecIndex = audioCodec;
  settings.manual.maxKeyFrameSeconds = 4.0;
  return settings;
}

TEST(RealSettings, TheManualBlockGivesBitRatePeakAndKeyFrames) {
  for (const bool vbr : {false, true}) {
    const OutputPlan plan = rmenc::PlanOf(RealWith(3, vbr));
    EXPECT_EQ("rm", plan.container);
    ASSERT_TRUE(plan.video && plan.audio);
    EXPECT_EQ("rv20", plan.video->codec);
    EXPECT_EQ(kWidth, plan.video->width);
    EXPECT_EQ(12.5, plan.video->frameRate);
    EXPECT_EQ(450000, plan.video->bitRate);
    EXPECT_EQ(vbr ? 900000 : 450000, plan.video->maxRate);
    EXPECT_EQ(50, plan.video->keyFrameInterval);
    EXPECT_EQ("ac3", plan.audio->codec);
    EXPECT_EQ(64000, plan.audio->bitRate);
  }
}

TEST(RealSettings, AudioCodecRows) {
  struct Row {
    std::int32_t index;
    int inputRate;
    const char* codec;
    int rate;
    int channels;
    int bitRate;
  };
  for (const Row& row : {Row{0, 44100, "real_144", 8000, 1, 8000}, Row{1, 44100, "ac3", 44100, 1, 32000},
                         Row{2, 22050, "ac3", 44100, 2, 48000}, Row{4, 32000, "ac3", 32000, 2, 96000},
                         Row{5, 48000, "ac3", 48000, 2, 128000}}) {
    rmenc::RealSettings settings = RealWith(row.index, false);
    settings.input.sampleRate = row.inputRate;
    const OutputPlan plan = rmenc::PlanOf(settings);
    EXPECT_EQ(row.codec, plan.audio->codec) << row.index;
    EXPECT_EQ(row.rate, plan.audio->rate) << row.index;
    EXPECT_EQ(row.channels, plan.audio->channels) << row.index;
    EXPECT_EQ(row.bitRate, plan.audio->bitRate) << row.index;
  }
}

TEST(RealSettings, RefusesWhatItCannotWrite) {
  rmenc::RealSettings settings = RealWith(2, false);
  settings.manualGiven = false;
  EXPECT_THROW(rmenc::PlanOf(settings), std::exception);
  settings = RealWith(6, false);
  EXPECT_THROW(rmenc::PlanOf(settings), std::exception);
  settings = RealWith(2, false);
  settings.twoPass = true;
  EXPECT_THROW(rmenc::PlanOf(settings), std::exception);
}

// ---------------------------------------------------------------------------------------
// The entries around one output.

std::vector<std::uint8_t> GreyPicture() {
  std::vector<std::uint8_t> picture(FrameByteSize(PixelFormatI420, kWidth, kHeight), 128);
  return picture;
}

std::int64_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Half a second of grey pictures and silence.
template <typename Video, typename Audio>
void FeedHalfASecond(Video&& video, Audio&& audio) {
  const std::vector<std::uint8_t> picture = GreyPicture();
  const std::vector<std::int16_t> silence(4410 * 2, 0);
  for (int i = 0; i < 12; ++i) {
    ASSERT_NE(0, video(picture.data(), i / 25.0)) << i;
    if (i % 5 == 0) ASSERT_NE(0, audio(silence.data(), static_cast<std::int32_t>(silence.size() * 2), i / 25.0));
  }
}

TEST(WmvPlugin, WritesOneOutputAtATimeAndEndsOnlyAnOpenOne) {
  const std::string path = "video-plugin-output.wmv";
  EXPECT_EQ(0, WMV_EndEncoding());
  WMV_SetVideoCodec(1);
  WMV_SetVideoBitrate(500000);
  WMV_SetVideoFPS(25.0);
  WMV_SetVideoWidth(kWidth);
  WMV_SetVideoHeight(kHeight);
  WMV_SetAudioCodecAndFormat(0, 0);
  WMV_SetInputParms(1, 1, kWidth, kHeight, 25.0, PixelFormatI420, 44100, 2);
  WMV_SetVideoTag("Title", "Author", "Copyright", "Comment", "");
  WMV_SetupDestinationFile(path.c_str());
  ASSERT_NE(0, WMV_BeginEncoding());
  FeedHalfASecond(&WMV_EncodeVideoSample, &WMV_EncodeAudioSample);
  ASSERT_NE(0, WMV_EndEncoding());
  EXPECT_EQ(0, WMV_EndEncoding());
  EXPECT_EQ(FileSize(path), static_cast<std::int64_t>(WMV_GetOutputSize()));
  EXPECT_EQ(0, WMV_EncodeVideoSample(GreyPicture().data(), 1.0));

  const auto file = mediacore::MediaFile::Open(path);
  ASSERT_TRUE(file);
  ASSERT_EQ(1u, file->VideoStreams().size());
  EXPECT_EQ("wmv1", file->VideoStreams()[0].codecName);
  ASSERT_EQ(1u, file->AudioStreams().size());
  EXPECT_EQ("wmav2", file->AudioStreams()[0].codecName);
  EXPECT_EQ(22050, file->AudioStreams()[0].sampleRate);
  EXPECT_EQ(1, file->AudioStreams()[0].channels);

  // The settings stay for the next output; its size starts afresh.
  const std::string second = "video-plugin-output-2.wmv";
  WMV_SetupDestinationFile(second.c_str());
  WMV_SetInputParms(1, 0, kWidth, kHeight, 25.0, PixelFormatI420, 44100, 2);
  ASSERT_NE(0, WMV_BeginEncoding());
  EXPECT_LT(static_cast<std::int64_t>(WMV_GetOutputSize()), FileSize(path));
  ASSERT_NE(0, WMV_EndEncoding());
  const auto again = mediacore::MediaFile::Open(second);
  ASSERT_TRUE(again);
  EXPECT_EQ("wmv1", again->VideoStreams().at(0).codecName);
  EXPECT_TRUE(again->AudioStreams().empty());
}

TEST(RealPlugin, EachHandleWritesItsOwnOutputOnce) {
  const std::string path = "video-plugin-output.rm";
  const RealEncoderHandle handle = Real_CreateEncoderHandle();
  ASSERT_NE(0u, handle);
  EXPECT_EQ(0, Real_BeginEncoding(handle));  // no manual settings yet
  EXPECT_EQ(0, Real_SetupDestinationFile(handle, ""));
  Real_SetInputParms(handle, 1, 1, kWidth, kHeight, 25.0, PixelFormatI420, 44100, 2);
  ASSERT_NE(0, Real_SetupDestinationFile(handle, path.c_str()));
  RealManualSettings block{};
  block.frameRate = 25.0;
  block.videoKbps = 300;
  block.maxVideoKbps = 300;
  block.audioCodecIndex = 2;
  block.maxKeyFrameSeconds = 4.0;
  Real_SetManualSettingsParams(handle, &block);
  ASSERT_NE(0, Real_SetupTag(handle, "Title", "Author", "Copyright", "Comment", ""));
  ASSERT_NE(0, Real_BeginEncoding(handle));
  EXPECT_EQ(0, Real_BeginEncoding(handle));
  EXPECT_EQ(0, Real_EndEncoding(handle + 1000));
  FeedHalfASecond(
      [&](const void* picture, double start) { return Real_EncodeVideoSample(handle, picture, start, start); },
      [&](const void* samples, std::int32_t bytes, double start) {
        return Real_EncodeAudioSample(handle, samples, bytes, start, start);
      });
  ASSERT_NE(0, Real_EndEncoding(handle));
  EXPECT_EQ(FileSize(path), static_cast<std::int64_t>(Real_GetOutputSize(handle)));
  Real_FreeEncoderHandle(handle);
  EXPECT_EQ(0u, Real_GetOutputSize(handle));

  const auto file = mediacore::MediaFile::Open(path);
  ASSERT_TRUE(file);
  EXPECT_EQ("rv20", file->VideoStreams().at(0).codecName);
  EXPECT_EQ("ac3", file->AudioStreams().at(0).codecName);
  EXPECT_EQ(2, file->AudioStreams().at(0).channels);
}

// ---------------------------------------------------------------------------------------
// The audio modules and their lists.

std::vector<std::string> LinesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

TEST(PluginLists, HoldThePluginTablesLineForLine) {
  std::vector<std::string> formats;
  std::array<char, kPluginNameBufferSize> name{};
  for (std::int32_t i = 0; i < WMV_GetAudioFormatCount(0); ++i) {
    ASSERT_NE(0, WMV_GetAudioFormat(0, i, name.data()));
    formats.push_back(name.data());
  }
  EXPECT_EQ(7u, formats.size());
  EXPECT_EQ(formats, LinesOf("WMA9Format.Lst"));

  const RealEncoderHandle handle = Real_CreateEncoderHandle();
  std::vector<std::string> audiences;
  for (std::int32_t i = 1; i < Real_GetAudioCodecCount(handle); ++i) {
    ASSERT_NE(0, Real_GetAudioCodecName(handle, i, name.data()));
    audiences.push_back(name.data());
  }
  Real_FreeEncoderHandle(handle);
  EXPECT_EQ(5u, audiences.size());
  EXPECT_EQ(audiences, LinesOf("Audiences.Lst"));
}

struct ModuleCase {
  const char* library;
  const char* path;
  std::int32_t line;  // -1: no pair
  int inputRate;
  int inputChannels;
  int rate;
  int channels;
};

class AudioModule : public testing::TestWithParam<ModuleCase> {};

// The format each module asks the host for; a line outside the list fails and leaves no file.
TEST_P(AudioModule, AsksForTheFormatOfTheLineOrOfTheSource) {
  const ModuleCase& c = GetParam();
  const HMODULE library = LoadLibraryA(c.library);
  ASSERT_NE(nullptr, library);
  const auto get =
      reinterpret_cast<GetEncoderModuleProc>(reinterpret_cast<void*>(GetProcAddress(library, kGetEncoderModuleName)));
  ASSERT_NE(nullptr, get);
  const AudioEncoderModule* module = get();
  AudioSampleBuffer buffer{};
  buffer.inputBits = 16;
  buffer.inputLayout = kSampleLayoutInterleaved;
  buffer.inputRate = c.inputRate;
  buffer.inputChannels = c.inputChannels;
  const EncoderParamPair pair{0, c.line};
  DeleteFileA(c.path);
  const std::int32_t begun = module->begin(c.path, nullptr, &buffer, &pair, c.line < 0 ? 0 : 1);
  if (c.rate == 0) {
    EXPECT_LT(begun, 0);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(c.path));
  } else {
    ASSERT_GE(begun, 0);
    EXPECT_EQ(c.rate, buffer.outputRate);
    EXPECT_EQ(c.channels, buffer.outputChannels);
    EXPECT_EQ(kSampleLayoutInterleaved, buffer.outputLayout);
    std::vector<std::int16_t> silence(static_cast<std::size_t>(c.rate / 10 * c.channels), 0);
    buffer.interleavedBuffer = silence.data();
    buffer.capacity = buffer.produced = c.rate / 10;
    EXPECT_GE(module->encode(&buffer), 0);
    EXPECT_GE(module->finish(1), 0);
    EXPECT_GT(FileSize(c.path), 0);
  }
  FreeLibrary(library);
}

INSTANTIATE_TEST_SUITE_P(Formats, AudioModule,
                         testing::Values(ModuleCase{"wmvenc.dll", "module-line0.wma", 0, 44100, 2, 22050, 1},
                                         ModuleCase{"wmvenc.dll", "module-line6.wma", 6, 44100, 2, 48000, 2},
                                         ModuleCase{"wmvenc.dll", "module-source.wma", -1, 32000, 1, 32000, 1},
                                         ModuleCase{"wmvenc.dll", "module-high.wma", -1, 96000, 6, 48000, 2},
                                         ModuleCase{"wmvenc.dll", "module-line7.wma", 7, 44100, 2, 0, 0},
                                         ModuleCase{"rmenc.dll", "module-line0.ra", 0, 48000, 2, 48000, 1},
                                         ModuleCase{"rmenc.dll", "module-line4.ra", 4, 22050, 2, 44100, 2},
                                         ModuleCase{"rmenc.dll", "module-source.ra", -1, 22050, 1, 44100, 1},
                                         ModuleCase{"rmenc.dll", "module-source32.ra", -1, 32000, 2, 32000, 2},
                                         ModuleCase{"rmenc.dll", "module-line5.ra", 5, 44100, 2, 0, 0}));

}  // namespace
