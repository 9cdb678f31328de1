// Audio-only jobs over generated media with the test plug-ins: what the plug-in is given
// and receives, and the failures that end a job in state 4. What the real plug-ins write is
// checked with the native ffprobe and ffmpeg by check_audio_conversion.py.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "classlib/runtime/FileUtils.h"
#include "engine/Convertjob.h"
#include "tests/engine/conversion/ConversionTestSupport.h"
#include "tests/support/test_support.h"

using namespace conversiontest;

namespace {

std::string BinFile(const char* name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(ExtractFilePath(path).c_str()) + name;
}

TAudioEncoderScheme Scheme(const char* plugin, const std::vector<EncoderParamPair>& pairs) {
  TAudioEncoderScheme scheme;
  scheme.PluginPath = BinFile(plugin).c_str();
  scheme.PresetName = "test";
  scheme.Extension = "raw";
  for (const EncoderParamPair& pair : pairs) scheme.Params.pairs[scheme.Params.count++] = pair;
  return scheme;
}

std::unique_ptr<TConvertJob> AudioJob(const char* source, const TAudioEncoderScheme& scheme, const std::string& output) {
  auto job = std::make_unique<TConvertJob>(MediaPath(source).c_str());
  job->Probed = job->Probe();
  job->SetAudioScheme(&scheme);
  job->OutputPath = output.c_str();
  job->Year = "2026";
  job->State = jsConverting;
  return job;
}

// "key value" lines of the recorder's log.
std::map<std::string, std::string> ReadLog(const std::string& output) {
  std::ifstream in(output + ".log");
  std::map<std::string, std::string> values;
  std::string line;
  while (std::getline(in, line)) {
    const auto space = line.find(' ');
    if (space != std::string::npos) values[line.substr(0, space)] = line.substr(space + 1);
  }
  return values;
}

std::int64_t FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  return in ? static_cast<std::int64_t>(in.tellg()) : -1;
}

struct TRecordingCase {
  const char* name;
  const char* source;
  std::vector<EncoderParamPair> pairs;
  const char* input;  // bits, layout, rate, channels as the plug-in was given them
  double seconds;
  int rate, channels;
};

class AudioJobRecording : public testing::TestWithParam<TRecordingCase> {};

// Every sample of the source reaches the plug-in once, at the rate and in the layout it
// asked for; the title and year reach it; finish comes once with 1.
TEST_P(AudioJobRecording, ThePluginGetsTheWholeSourceInItsFormat) {
  const TRecordingCase& c = GetParam();
  const std::string output = testsupport::FreshTempFolder(std::string("audio-job-") + c.name) + "\\out.raw";
  auto job = AudioJob(c.source, Scheme("test_audio_plugin.dll", c.pairs), output);
  job->Title = "Tone";
  job->Convert();
  EXPECT_EQ(job->State.load(), jsCompleted);
  EXPECT_EQ(CurrentConvertJob.load(), nullptr);
  const auto log = ReadLog(output);
  EXPECT_EQ(log.count("input") ? log.at("input") : "", c.input);
  EXPECT_EQ(log.count("title") ? log.at("title") : "", "Tone");
  EXPECT_EQ(log.count("year") ? log.at("year") : "", "2026");
  EXPECT_EQ(log.count("finish") ? log.at("finish") : "", "1");
  const double produced = std::stod(log.count("produced") ? log.at("produced") : "0");
  // Within 2 %: a compressed source may carry its encoder's padding.
  EXPECT_NEAR(produced, c.seconds * c.rate, c.seconds * c.rate * 0.02);
  EXPECT_EQ(FileBytes(output), static_cast<std::int64_t>(produced) * 2 * c.channels);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, AudioJobRecording,
    testing::Values(TRecordingCase{"resampled", "bars_h264_aac.mp4", {{1, 22050}}, "16 1 48000 2", 3.0, 22050, 2},
                    TRecordingCase{"planar_mono", "bars_mpeg4_mp3.avi", {{0, 0}, {2, 1}}, "16 1 44100 2", 3.0, 44100, 1},
                    TRecordingCase{"six_channels", "surround_6ch.m4a", {}, "16 1 48000 2", 2.0, 48000, 2},
                    TRecordingCase{"mono_source", "mono_22050.mp3", {{2, 2}}, "16 1 22050 1", 2.0, 22050, 2}),
    [](const testing::TestParamInfo<TRecordingCase>& info) { return std::string(info.param.name); });

struct TFailingCase {
  const char* name;
  const char* source;
  const char* plugin;
  std::vector<EncoderParamPair> pairs;
  bool leavesFile;
};

TEST(AudioJob, FailuresEndInStateFour) {
  const TFailingCase cases[] = {
      {"no_module", "bars_h264_aac.mp4", "test_audio_plugin_no_module.dll", {}, false},
      {"null_entries", "bars_h264_aac.mp4", "test_audio_plugin_null_entries.dll", {}, false},
      {"missing_plugin", "bars_h264_aac.mp4", "no_such_plugin.dll", {}, false},
      {"no_audio", "video_only.avi", "test_audio_plugin.dll", {}, false},
      {"finish_fails", "bars_h264_aac.mp4", "test_audio_plugin.dll", {{3, -1}}, true},
  };
  for (const TFailingCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string output = testsupport::FreshTempFolder(std::string("audio-fail-") + c.name) + "\\out.raw";
    auto job = AudioJob(c.source, Scheme(c.plugin, c.pairs), output);
    job->Convert();
    EXPECT_EQ(job->State.load(), jsFailed);
    EXPECT_FALSE(job->HasDecoder());
    EXPECT_EQ(FileExists(output.c_str()), c.leavesFile);
    testsupport::PumpMessages(100);
    EXPECT_EQ(job->State.load(), jsFailed) << "turned into another state later";
  }
}

TEST(AudioJob, TheJobKeepsADeepCopyOfItsSchemeAndOneKindOfSettings) {
  TAudioEncoderScheme scheme = Scheme("test_audio_plugin.dll", {{1, 22050}});
  TConvertJob job(MediaPath("bars_h264_aac.mp4").c_str());
  job.SetAudioScheme(&scheme);
  scheme.PluginPath = "changed";
  scheme.Params.pairs[0].value = 8000;
  scheme.Params.count = 0;
  ASSERT_NE(job.GetAudioScheme(), nullptr);
  EXPECT_EQ(std::string(job.GetAudioScheme()->PluginPath.c_str()), BinFile("test_audio_plugin.dll"));
  EXPECT_EQ(job.GetAudioScheme()->Params.count, 1);
  EXPECT_EQ(job.GetAudioScheme()->Params.pairs[0].value, 22050);
  job.SetProfile(LoadShippedProfile("AVI MPEG-4 640x480"));
  EXPECT_EQ(job.GetAudioScheme(), nullptr);
  job.SetAudioScheme(&scheme);
  EXPECT_EQ(job.GetProfile(), nullptr);
  job.SetAudioScheme(nullptr);
  EXPECT_EQ(job.GetAudioScheme(), nullptr);
}

}  // namespace
