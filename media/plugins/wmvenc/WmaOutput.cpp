// wmvenc.dll as the WMA audio plug-in: ".wma" files (ASF with Windows Media Audio 8) in the
// format of the chosen line of "WMA9Format.Lst" (the pair (0, line)), or without a pair in
// the source's rate and channels. Its state is apart from the WMV entries'.
#include <algorithm>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "media/plugins/videoplugin/ContextOutput.h"
#include "media/plugins/wmvenc/WmaFormats.h"

namespace {

using audioplugin::AudioOutput;
using audioplugin::OutputRequest;
using videoplugin::AudioPlan;

constexpr std::int32_t kFormatLine = 0;
constexpr int kMaxRate = 48000;

AudioPlan PlanOf(const OutputRequest& request) {
  const auto line = request.params.Find(kFormatLine);
  if (!line)
    return videoplugin::SourceFormatAudio("wmav2", std::min(request.inputRate, kMaxRate), request.inputChannels);
  if (*line < 0 || *line >= static_cast<int>(std::size(wmvenc::kWmaFormats)))
    throw std::runtime_error("no such format");
  const wmvenc::WmaFormat& format = wmvenc::kWmaFormats[*line];
  return AudioPlan{"wmav2", format.rate, format.channels, format.bitRate, format.rate, format.channels};
}

std::unique_ptr<AudioOutput> OpenOutput(const OutputRequest& request, AudioSampleBuffer& buffer) {
  return std::make_unique<videoplugin::ContextAudioOutput>(request, "asf", PlanOf(request), buffer);
}

}  // namespace

extern "C" const AudioEncoderModule* MC_CALL GetEncoderModule() {
  return audioplugin::PluginModule("Windows Media Audio", "wma", &OpenOutput);
}
