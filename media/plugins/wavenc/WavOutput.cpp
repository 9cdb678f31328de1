// wavenc.dll: WAV files written through an audio-only output of the codec library, in the
// chosen compression, rate and channels (the host resamples), with the title as "INAM" and
// the year as "ICRD".
#include <memory>
#include <stdexcept>
#include <string>

#include "media/contracts/CodecLibrary.h"
#include "media/plugins/common/AudioPlugin.h"

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

struct ContextReleaser {
  void operator()(EncoderContext* context) const { ReleaseEncoderContext(context); }
};

void Check(std::int32_t answer) {
  if (answer != kCallOk) throw std::runtime_error("the codec library refused a setting");
}

class WavOutput final : public AudioOutput {
 public:
  WavOutput(const OutputRequest& request, AudioSampleBuffer& buffer)
      : context_(CreateEncoderContext(request.path.c_str())),
        rate_(request.params.Get(kRate, -1) > 0 ? request.params.Get(kRate, -1) : request.inputRate),
        channels_(audioplugin::OutputChannels(request.params.Get(kChannels, -1), request.inputChannels)) {
    if (!context_) throw std::bad_alloc();
    EncoderContext* context = context_.get();
    Check(context->SetFormat("wav"));
    Check(context->SetAudioCodec(CodecOf(request.params.Get(kCompression, 2))));
    Check(context->SetAudioParams(rate_, channels_, 0, rate_, channels_));
    Check(context->SetOption("str_title", request.title.c_str()));
    Check(context->SetOption("rec_timestamp", request.year.c_str()));
    Check(context->Open());
    buffer.outputBits = 16;
    buffer.outputLayout = kSampleLayoutInterleaved;
    buffer.outputRate = rate_;
    buffer.outputChannels = channels_;
  }

  void Encode(const std::int16_t* samples, int count) override {
    const double time = static_cast<double>(written_) / rate_;
    Check(context_->EncodeAudio(samples, count * channels_ * 2, time));
    written_ += count;
  }

  void Finish() override {
    const std::int32_t closed = context_->Close();
    context_.reset();
    Check(closed);
  }

 private:
  std::unique_ptr<EncoderContext, ContextReleaser> context_;
  int rate_;
  int channels_;
  std::int64_t written_ = 0;
};

std::unique_ptr<AudioOutput> OpenOutput(const OutputRequest& request, AudioSampleBuffer& buffer) {
  return std::make_unique<WavOutput>(request, buffer);
}

}  // namespace

extern "C" const AudioEncoderModule* MC_CALL GetEncoderModule() {
  return audioplugin::PluginModule("WAV", "wav", &OpenOutput);
}
