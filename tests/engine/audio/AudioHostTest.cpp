// The audio plug-in host: the resampler container in each output layout over a job's worth
// of buffers, plug-ins that cannot be called, and the real plug-ins called directly: a begin
// that cannot create its file or is given a value it refuses answers a negative value and
// leaves nothing behind, the plug-in then begins again as if nothing had happened, and
// identifiers it does not know are ignored.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "classlib/runtime/FileUtils.h"
#include "engine/Encoderplugin.h"
#include "engine/Myid3tagimp.h"
#include "engine/Resamplecontainer.h"

namespace {

// `frames` samples per channel of interleaved audio; channel c holds a tone of 300 (c + 1) Hz.
std::vector<std::int16_t> Tones(int rate, int frames, int channels, int first = 0) {
  std::vector<std::int16_t> samples;
  for (int i = first; i < first + frames; ++i)
    for (int c = 0; c < channels; ++c)
      samples.push_back(static_cast<std::int16_t>(8000 * std::sin(2 * std::numbers::pi * 300 * (c + 1) * i / rate)));
  return samples;
}

struct TOutput {
  std::uint8_t layout;
  int rate;
  int channels;
};

// A record as a plug-in leaves it after its begin.
AudioSampleBuffer Record(const TOutput& output) {
  AudioSampleBuffer buffer;
  InitAudioSampleBuffer(buffer);
  buffer.outputBits = 16;
  buffer.outputLayout = output.layout;
  buffer.outputRate = output.rate;
  buffer.outputChannels = output.channels;
  return buffer;
}

// Channel c of what the record holds after a conversion.
std::vector<std::int16_t> OutputChannel(const AudioSampleBuffer& buffer, int c) {
  std::vector<std::int16_t> values;
  for (int i = 0; i < buffer.produced; ++i) {
    values.push_back(buffer.outputLayout == kSampleLayoutPlanar
                         ? static_cast<const std::int16_t*>(buffer.channelBuffers[c])[i]
                         : static_cast<const std::int16_t*>(buffer.interleavedBuffer)[i * buffer.outputChannels + c]);
  }
  return values;
}

double Rms(const std::vector<std::int16_t>& values) {
  double sum = 0;
  for (std::int16_t v : values) sum += static_cast<double>(v) * v;
  return values.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(values.size()));
}

struct TContainerCase {
  const char* name;
  int inRate, inChannels;
  TOutput output;
};

class ResampleContainerRun : public testing::TestWithParam<TContainerCase> {};

// A second of audio in buffers of 100 ms, then the flush: every sample arrives once (a
// resampler per buffer would drop its filter's delay at every join), no call produces more
// than the buffers hold, and each output channel carries what its input channel carried.
TEST_P(ResampleContainerRun, ASecondInBuffersComesOutWhole) {
  const TContainerCase& c = GetParam();
  AudioSampleBuffer buffer = Record(c.output);
  std::vector<std::vector<std::int16_t>> received(static_cast<std::size_t>(c.output.channels));
  {
    ResampleContainer container(buffer);
    container.SetInputFormat(16, true, c.inRate, c.inChannels);
    const int frames = c.inRate / 10;
    const auto keep = [&](std::int32_t produced) {
      EXPECT_EQ(produced, buffer.produced);
      EXPECT_LE(produced, buffer.capacity);
      for (int ch = 0; ch < c.output.channels; ++ch) {
        const auto values = OutputChannel(buffer, ch);
        received[static_cast<std::size_t>(ch)].insert(received[static_cast<std::size_t>(ch)].end(), values.begin(),
                                                      values.end());
      }
      return produced;
    };
    for (int k = 0; k < 10; ++k) {
      const auto input = Tones(c.inRate, frames, c.inChannels, k * frames);
      keep(container.Process(input.data(), frames));
    }
    while (keep(container.Flush()) > 0) {
    }
  }
  EXPECT_EQ(buffer.interleavedBuffer, nullptr) << "buffers left in the record";
  EXPECT_EQ(buffer.channelBuffers, nullptr);
  for (const auto& channel : received) EXPECT_NEAR(static_cast<double>(channel.size()), c.output.rate, 2);
  // Mixed down, the first output channel still carries sound; a mono input reaches both.
  EXPECT_GT(Rms(received[0]), 2000);
  if (c.output.channels == 2) {
    EXPECT_GT(Rms(received[1]), 2000);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ResampleContainerRun,
    testing::Values(TContainerCase{"interleaved_48000_to_44100", 48000, 2, {kSampleLayoutInterleaved, 44100, 2}},
                    TContainerCase{"planar_44100_to_22050", 44100, 2, {kSampleLayoutPlanar, 22050, 2}},
                    TContainerCase{"planar_stereo_to_mono", 44100, 2, {kSampleLayoutPlanar, 44100, 1}},
                    TContainerCase{"interleaved_mono_to_stereo", 22050, 1, {kSampleLayoutInterleaved, 22050, 2}},
                    TContainerCase{"upsampled_8000_to_48000", 8000, 2, {kSampleLayoutInterleaved, 48000, 2}},
                    TContainerCase{"interleaved_same_format", 48000, 2, {kSampleLayoutInterleaved, 48000, 2}}),
    [](const testing::TestParamInfo<TContainerCase>& info) { return std::string(info.param.name); });

TEST(ResampleContainer, PlanarOutputKeepsEachChannelApart) {
  AudioSampleBuffer buffer = Record({kSampleLayoutPlanar, 44100, 2});
  ResampleContainer container(buffer);
  container.SetInputFormat(16, true, 44100, 2);
  std::vector<std::int16_t> input;
  for (int i = 0; i < 4410; ++i) input.insert(input.end(), {static_cast<std::int16_t>(i), static_cast<std::int16_t>(-i)});
  ASSERT_EQ(container.Process(input.data(), 4410), 4410);
  const auto left = OutputChannel(buffer, 0);
  const auto right = OutputChannel(buffer, 1);
  for (int i = 0; i < 4410; ++i) {
    ASSERT_EQ(left[static_cast<std::size_t>(i)], i);
    ASSERT_EQ(right[static_cast<std::size_t>(i)], -i);
  }
}

// Without a change of rate or channels the samples arrive exactly as given, buffer after
// buffer, and nothing is kept back for the flush.
TEST(ResampleContainer, TheSameFormatArrivesUnchanged) {
  AudioSampleBuffer buffer = Record({kSampleLayoutInterleaved, 48000, 2});
  ResampleContainer container(buffer);
  container.SetInputFormat(16, true, 48000, 2);
  for (int k = 0; k < 3; ++k) {
    const auto input = Tones(48000, 4800, 2, k * 4800);
    ASSERT_EQ(container.Process(input.data(), 4800), 4800);
    const auto* output = static_cast<const std::int16_t*>(buffer.interleavedBuffer);
    ASSERT_EQ(std::vector<std::int16_t>(output, output + input.size()), input) << "buffer " << k;
  }
  EXPECT_EQ(container.Flush(), 0);
}

TEST(ResampleContainer, AnOutputLayoutNotSetGetsTheCountAndNoSamples) {
  AudioSampleBuffer buffer = Record({kSampleLayoutNotSet, 22050, 2});
  ResampleContainer container(buffer);
  container.SetInputFormat(16, true, 44100, 2);
  const auto input = Tones(44100, 1000, 2);
  EXPECT_EQ(container.Process(input.data(), 1000), 1000);
  EXPECT_EQ(buffer.produced, 1000);
  EXPECT_EQ(buffer.interleavedBuffer, nullptr);
  EXPECT_EQ(buffer.channelBuffers, nullptr);
  EXPECT_EQ(container.Flush(), 0);
}

TEST(ResampleContainer, AFormatNoResamplerTakesProducesNothing) {
  AudioSampleBuffer buffer = Record({kSampleLayoutInterleaved, 44100, 2});
  buffer.outputBits = 24;
  ResampleContainer container(buffer);
  container.SetInputFormat(16, true, 44100, 2);
  const auto input = Tones(44100, 1000, 2);
  EXPECT_EQ(container.Process(input.data(), 1000), 0);
  EXPECT_EQ(buffer.produced, 0);
}

TEST(MyID3TagImp, KeepsEachFieldApart) {
  MyID3TagImp tag;
  EXPECT_STREQ(tag.GetTitle(), "");
  EXPECT_EQ(tag.GetTrack(), 0);
  tag.SetTitle("A title");
  tag.SetYear("2026");
  tag.SetTrack(7);
  tag.SetComment(nullptr);
  EXPECT_STREQ(tag.GetTitle(), "A title");
  EXPECT_STREQ(tag.GetYear(), "2026");
  EXPECT_STREQ(tag.GetArtist(), "");
  EXPECT_STREQ(tag.GetComment(), "");
  EXPECT_EQ(tag.GetTrack(), 7);
}

std::string BinFile(const char* name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(ExtractFilePath(path).c_str()) + name;
}

TEST(EncoderPlugin, APluginThatCannotBeCalledFailsItsBeginAndIsNotCalledAgain) {
  for (const char* name : {"no_such_plugin.dll", "test_audio_plugin_no_module.dll", "test_audio_plugin_null_entries.dll"}) {
    SCOPED_TRACE(name);
    EncoderPlugin plugin(BinFile(name).c_str());
    EXPECT_FALSE(plugin.IsUsable());
    AudioSampleBuffer buffer;
    InitAudioSampleBuffer(buffer);
    MyID3TagImp tag;
    EXPECT_EQ(plugin.BeginEncode("out.raw", &tag, &buffer, nullptr, 0), -1);
    EXPECT_EQ(plugin.EncodeSamples(&buffer), 0);
    EXPECT_EQ(plugin.Finish(1), 0);
  }
  EncoderPlugin recorder(BinFile("test_audio_plugin.dll").c_str());
  EXPECT_TRUE(recorder.IsUsable());
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

struct TPluginCase {
  const char* plugin;
  const char* extension;
  // A value the plug-in refuses (identifier 0 with 0 where it refuses none).
  EncoderParamPair refused;
};

class RealPluginBegin : public testing::TestWithParam<TPluginCase> {
 protected:
  // A stereo 44.1 kHz record, as the host fills its input side.
  static AudioSampleBuffer Record() {
    AudioSampleBuffer buffer;
    InitAudioSampleBuffer(buffer);
    buffer.inputBits = 16;
    buffer.inputLayout = kSampleLayoutInterleaved;
    buffer.inputRate = 44100;
    buffer.inputChannels = 2;
    return buffer;
  }
};

TEST_P(RealPluginBegin, FailedBeginsLeaveNothingAndUnknownIdentifiersAreIgnored) {
  const TPluginCase& c = GetParam();
  EncoderPlugin plugin(BinFile(c.plugin).c_str());
  ASSERT_TRUE(plugin.IsUsable());
  MyID3TagImp tag;
  tag.SetTitle("Tone");

  const std::string unreachable = BinFile("no_such_folder\\out.") + c.extension;
  AudioSampleBuffer buffer = Record();
  EXPECT_LT(plugin.BeginEncode(unreachable.c_str(), &tag, &buffer, nullptr, 0), 0);
  EXPECT_FALSE(Exists(BinFile("no_such_folder")));

  const std::string output = BinFile("plugin-begin-") + c.plugin + "." + c.extension;
  DeleteFileA(output.c_str());
  if (c.refused.id != 0 || c.refused.value != 0) {
    buffer = Record();
    EXPECT_LT(plugin.BeginEncode(output.c_str(), &tag, &buffer, &c.refused, 1), 0);
    EXPECT_FALSE(Exists(output));
  }

  // An identifier no plug-in knows, then a tenth of a second of a tone.
  const EncoderParamPair unknown{977, 12345};
  buffer = Record();
  ASSERT_EQ(plugin.BeginEncode(output.c_str(), &tag, &buffer, &unknown, 1), 0);
  ASSERT_EQ(buffer.outputLayout, kSampleLayoutInterleaved);
  const int count = buffer.outputRate / 10;
  std::vector<std::int16_t> samples;
  for (int i = 0; i < count; ++i)
    for (int channel = 0; channel < buffer.outputChannels; ++channel)
      samples.push_back(static_cast<std::int16_t>(8000 * std::sin(2 * std::numbers::pi * 440 * i / buffer.outputRate)));
  buffer.interleavedBuffer = samples.data();
  buffer.capacity = count;
  buffer.produced = count;
  EXPECT_EQ(plugin.EncodeSamples(&buffer), 0);
  EXPECT_EQ(plugin.Finish(1), 0);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ASSERT_TRUE(GetFileAttributesExA(output.c_str(), GetFileExInfoStandard, &data));
  EXPECT_GT(data.nFileSizeLow, 0u);
  DeleteFileA(output.c_str());
}

INSTANTIATE_TEST_SUITE_P(
    EveryPlugin, RealPluginBegin,
    testing::Values(TPluginCase{"mp3enc.dll", "mp3", {0, 0}}, TPluginCase{"wavenc.dll", "wav", {0, 5}},
                    TPluginCase{"oggenc.dll", "ogg", {0, 0}}, TPluginCase{"flacenc.dll", "flac", {0, 0}},
                    TPluginCase{"aacenc.dll", "aac", {4, 2}}, TPluginCase{"mpcenc.dll", "mpc", {0, 0}},
                    TPluginCase{"apeenc.dll", "ape", {1, 5000}}, TPluginCase{"apeenc.dll", "ape", {0, 2}}),
    [](const testing::TestParamInfo<TPluginCase>& info) {
      return std::string(info.param.extension) + "_" + std::to_string(info.index);
    });

}  // namespace
