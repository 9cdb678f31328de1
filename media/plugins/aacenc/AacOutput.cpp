// aacenc.dll: ADTS AAC files written through an audio-only output of the codec library with
// its native AAC encoder, the title and year in an ID3v2 tag. The bit rate is the total of
// all channels; a quantizer quality selects constant-quality coding instead.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>

#include "media/plugins/common/ContextOutput.h"

namespace {

using audioplugin::AudioOutput;
using audioplugin::OutputRequest;

enum AacParam : std::int32_t {
  kBitRate = 0,
  kQuality = 1,
  kBandwidth = 2,
  kMpegVersion = 3,
  kObjectType = 4,
  kMidSide = 5,
  kTns = 6,
};

// The rates an ADTS header can state.
constexpr int kAacRates[] = {96000, 88200, 64000, 48000, 44100, 32000, 24000, 22050, 16000, 12000, 11025, 8000, 7350};
constexpr std::int32_t kAutomaticStereoRate = 128000;
constexpr std::int32_t kAutomaticMonoRate = 64000;
constexpr std::int64_t kMinBitRatePerChannel = 8000;
// An AAC frame of 1024 samples carries at most 6144 bits per channel.
constexpr std::int64_t kMaxFrameBitsPerChannel = 6144;
constexpr int kFrameSamples = 1024;
// The encoder's constant-quality scale runs from about 0.1 to 2 (in lambda units of 118).
constexpr double kLowestScale = 0.1;
constexpr double kHighestScale = 2.0;
constexpr double kLambdaUnit = 118.0;
constexpr int kMaxQuality = 100;
// The object types, numbered as the encoder's profiles: Main, LC and LTP.
constexpr std::int32_t kLtpObjectType = 3;
constexpr std::int32_t kObjectTypes[] = {0, 1, kLtpObjectType};

// The total bit rate asked for (-1: automatic), within what the encoder takes.
std::int64_t BitRateOf(std::int32_t wanted, int rate, int channels) {
  if (wanted < 0) wanted = channels > 1 ? kAutomaticStereoRate : kAutomaticMonoRate;
  const std::int64_t most = kMaxFrameBitsPerChannel * channels * rate / kFrameSamples;
  return std::clamp<std::int64_t>(wanted, kMinBitRatePerChannel * channels, most);
}

// The encoder's quality in lambda units for a quality of 0 to 100, rising with it.
std::string LambdaOf(std::int32_t quality) {
  const double share = static_cast<double>(std::clamp(quality, 0, kMaxQuality)) / kMaxQuality;
  return std::to_string(std::lround((kLowestScale + share * (kHighestScale - kLowestScale)) * kLambdaUnit));
}

std::string Switch(std::int32_t value) { return value != 0 ? "1" : "0"; }

class AacOutput final : public audioplugin::ContextOutput {
 public:
  AacOutput(const OutputRequest& request, AudioSampleBuffer& buffer)
      : ContextOutput(request.path, audioplugin::NearestRate(request.inputRate, kAacRates),
                      audioplugin::OutputChannels(-1, request.inputChannels)) {
    const audioplugin::ParamList& params = request.params;
    const std::int32_t objectType = params.Get(kObjectType, 1);
    if (std::find(std::begin(kObjectTypes), std::end(kObjectTypes), objectType) == std::end(kObjectTypes))
      throw std::runtime_error("unknown AAC object type");
    const std::int32_t quality = params.Get(kQuality, -1);
    const std::int64_t bitRate = quality >= 0 ? 0 : BitRateOf(params.Get(kBitRate, -1), Rate(), Channels());

    EncoderContext& context = Context();
    Check(context.SetFormat("adts"));
    Check(context.SetAudioCodec("aac"));
    Check(context.SetAudioParams(Rate(), Channels(), static_cast<std::int32_t>(bitRate), Rate(), Channels()));
    if (quality >= 0) {
      Check(context.SetOption("flags", "+qscale"));
      Check(context.SetOption("global_quality", LambdaOf(quality).c_str()));
    }
    if (const std::int32_t bandwidth = params.Get(kBandwidth, 0); bandwidth > 0)
      Check(context.SetOption("cutoff", std::to_string(std::min(bandwidth, Rate() / 2)).c_str()));
    Check(context.SetOption("profile", std::to_string(objectType).c_str()));
    // The encoder marks its LTP coding as experimental.
    if (objectType == kLtpObjectType) Check(context.SetOption("strict", "experimental"));
    Check(context.SetOption("aac_ms", Switch(params.Get(kMidSide, 1)).c_str()));
    Check(context.SetOption("aac_tns", Switch(params.Get(kTns, 1)).c_str()));
    Check(context.SetOption("write_mpeg2", Switch(params.Get(kMpegVersion, 0)).c_str()));
    Check(context.SetOption("write_id3v2", "1"));
    Check(context.SetOption("str_title", request.title.c_str()));
    Check(context.SetOption("rec_timestamp", request.year.c_str()));
    Open(buffer);
  }
};

std::unique_ptr<AudioOutput> OpenOutput(const OutputRequest& request, AudioSampleBuffer& buffer) {
  return std::make_unique<AacOutput>(request, buffer);
}

}  // namespace

extern "C" const AudioEncoderModule* MC_CALL GetEncoderModule() {
  return audioplugin::PluginModule("AAC", "aac", &OpenOutput);
}
