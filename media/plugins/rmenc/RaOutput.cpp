// rmenc.dll as the RealAudio plug-in: ".ra" files (RealMedia) with the music codec of the
// chosen line of "Audiences.Lst" (the pair (0, line): line i is codec row i + 1), or without
// a pair AC-3 in the source's channels at 128 kbit/s stereo or 64 mono. AC-3 is written at
// 32, 44.1 or 48 kHz, any other rate resampled to 44.1 kHz.
#include <iterator>
#include <memory>
#include <stdexcept>

#include "media/plugins/rmenc/RealSettings.h"
#include "media/plugins/videoplugin/ContextOutput.h"

namespace {

using audioplugin::AudioOutput;
using audioplugin::OutputRequest;
using videoplugin::AudioPlan;

constexpr std::int32_t kAudienceLine = 0;

AudioPlan PlanOf(const OutputRequest& request) {
  const auto line = request.params.Find(kAudienceLine);
  if (!line) return videoplugin::SourceFormatAudio("ac3", rmenc::Ac3Rate(request.inputRate), request.inputChannels);
  const int row = *line + rmenc::kFirstAudience;
  if (*line < 0 || row >= static_cast<int>(std::size(rmenc::kAudioCodecs))) throw std::runtime_error("no such line");
  AudioPlan plan = rmenc::AudioPlanOf(rmenc::kAudioCodecs[row], request.inputRate, request.inputChannels);
  // The host resamples to the output's own format.
  plan.inputRate = plan.rate;
  plan.inputChannels = plan.channels;
  return plan;
}

std::unique_ptr<AudioOutput> OpenOutput(const OutputRequest& request, AudioSampleBuffer& buffer) {
  return std::make_unique<videoplugin::ContextAudioOutput>(request, "rm", PlanOf(request), buffer);
}

}  // namespace

extern "C" const AudioEncoderModule* MC_CALL GetEncoderModule() {
  return audioplugin::PluginModule("RealAudio", "ra", &OpenOutput);
}
