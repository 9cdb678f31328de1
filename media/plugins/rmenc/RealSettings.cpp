#include "media/plugins/rmenc/RealSettings.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>

namespace rmenc {
namespace {

using videoplugin::OutputPlan;
using videoplugin::VideoPlan;

constexpr int kAc3Rates[] = {32000, 44100, 48000};
constexpr int kFallbackRate = 44100;

// rv20 at the manual settings' bit rate, peak and longest key-frame interval; the
// pictures keep the input's size.
VideoPlan VideoOf(const RealSettings& settings) {
  const videoplugin::SourceInput& input = settings.input;
  const RealManualSettings& manual = settings.manual;
  VideoPlan video;
  video.codec = "rv20";
  video.width = video.inputWidth = input.width;
  video.height = video.inputHeight = input.height;
  video.inputPixelFormat = input.pixelFormat;
  video.frameRate = manual.frameRate > 0.0 ? manual.frameRate : input.frameRate;
  video.bitRate = static_cast<std::int64_t>(manual.videoKbps) * 1000;
  video.maxRate = manual.useVbr != 0 ? static_cast<std::int64_t>(manual.maxVideoKbps) * 1000 : video.bitRate;
  video.bufferBits = video.maxRate;
  video.keyFrameInterval = std::max(1, static_cast<int>(std::lround(video.frameRate * manual.maxKeyFrameSeconds)));
  return video;
}

}  // namespace

int Ac3Rate(int inputRate) {
  const bool taken = std::find(std::begin(kAc3Rates), std::end(kAc3Rates), inputRate) != std::end(kAc3Rates);
  return taken ? inputRate : kFallbackRate;
}

videoplugin::AudioPlan AudioPlanOf(const RealAudioCodec& codec, int inputRate, int inputChannels) {
  const int rate = codec.rate > 0 ? codec.rate : Ac3Rate(inputRate);
  return videoplugin::AudioPlan{codec.codec, rate, codec.channels, codec.bitRate, inputRate, inputChannels};
}

OutputPlan PlanOf(const RealSettings& settings) {
  if (!settings.manualGiven || settings.twoPass) throw std::runtime_error("no settings for one pass");
  const int index = settings.manual.audioCodecIndex;
  if (index < 0 || index >= static_cast<int>(std::size(kAudioCodecs))) throw std::runtime_error("audio codec");
  OutputPlan plan;
  plan.container = "rm";
  plan.tags = settings.tags;
  const videoplugin::SourceInput& input = settings.input;
  if (input.hasVideo) plan.video = VideoOf(settings);
  if (input.DeliversAudio()) plan.audio = AudioPlanOf(kAudioCodecs[index], input.sampleRate, input.channels);
  if (!plan.video && !plan.audio) throw std::runtime_error("neither video nor audio");
  return plan;
}

}  // namespace rmenc
