// wavenc.dll: WAV files written through an audio-only output of the codec library, in the
// chosen compression, rate and channels (the host resamples), with the title as "INAM" and
// the year as "ICRD".
#include <memory>
#include <stdexcept>
#include <string>

#include "media/plugins/common/ContextOutput.h"

namespace {

using audioplugin::AudioOutput;
using audioplugin::OutputRequest;

enum WavParam : std::int32_t { kCompression = 0, kRate = 1, kChannels = 2 };

// The codec names of the compression codes.
const char* CodecOf(std::int32_t compression) {
  switch (compression) {
    case 2: return "pcm_s16le";
    case 16: return "pcm_mulaw";
    case 17: return "pcm_alaw";
    case 18: return "adpcm_ima_wav";
    case 19: return "adpcm_ms";
    default: throw std::runtime_error("unknown compression");
  }
}

class WavOutput final : public audioplugin::ContextOutput {
 public:
  WavOutput(const OutputRequest& request, AudioSampleBuffer& buffer)
      : ContextOutput(request.path,
                      request.params.Get(kRate, -1) > 0 ? request.params.Get(kRate, -1) : request.inputRate,
                      audioplugin::OutputChannels(request.params.Get(kChannels, -1), request.inputChannels)) {
    EncoderContext& context = Context();
    Check(context.SetFormat("wav"));
    Check(context.SetAudioCodec(CodecOf(request.params.Get(kCompression, 2))));
    Check(context.SetAudioParams(Rate(), Channels(), 0, Rate(), Channels()));
    Check(context.SetOption("str_title", request.title.c_str()));
    Check(context.SetOption("rec_timestamp", request.year.c_str()));
    Open(buffer);
  }
};

std::unique_ptr<AudioOutput> OpenOutput(const OutputRequest& request, AudioSampleBuffer& buffer) {
  return std::make_unique<WavOutput>(request, buffer);
}

}  // namespace

extern "C" const AudioEncoderModule* MC_CALL GetEncoderModule() {
  return audioplugin::PluginModule("WAV", "wav", &OpenOutput);
}
