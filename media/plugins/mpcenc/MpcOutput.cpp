// mpcenc.dll: Musepack SV8 files at a quality of 0 (0.00) to 1000 (10.00), at the encoder's
// rate nearest the input's, in at most two channels, with "Title" and "Year" as APEv2 items.
#include <algorithm>
#include <stdexcept>
#include <utility>

#include "media/plugins/common/AudioPlugin.h"
#include "media/plugins/common/FileWriter.h"
#include "media/plugins/mpcenc/MpcStream.h"

namespace {

using audioplugin::AudioOutput;
using audioplugin::OutputRequest;

enum MpcParam : std::int32_t { kQuality = 0 };
constexpr std::int32_t kDefaultQuality = 500;  // "Standard"

float QualityOf(std::int32_t hundredths) {
  return std::clamp(static_cast<float>(hundredths) / 100.0f, MPC_STREAM_MIN_QUALITY, MPC_STREAM_MAX_QUALITY);
}

class MpcOutput final : public AudioOutput {
 public:
  MpcOutput(const OutputRequest& request, AudioSampleBuffer& buffer)
      : rate_(audioplugin::NearestRate(request.inputRate, kMpcStreamRates)), channels_(audioplugin::OutputChannels(-1, request.inputChannels)) {
    stream_ = MpcStreamOpen(audioplugin::FileWriter(request.path).Release(), rate_, channels_,
                            QualityOf(request.params.Get(kQuality, kDefaultQuality)), request.title.c_str(),
                            request.year.c_str());
    if (stream_ == nullptr) throw std::runtime_error("the Musepack encoder cannot start");
    buffer.outputBits = 16;
    buffer.outputLayout = kSampleLayoutInterleaved;
    buffer.outputRate = rate_;
    buffer.outputChannels = channels_;
  }

  ~MpcOutput() override { MpcStreamAbandon(stream_); }

  void Encode(const std::int16_t* samples, int count) override {
    if (MpcStreamWrite(stream_, samples, count) != 0) throw std::runtime_error("Musepack write failed");
  }

  void Finish() override {
    MpcStream* stream = std::exchange(stream_, nullptr);
    if (MpcStreamClose(stream) != 0) throw std::runtime_error("Musepack finish failed");
  }

 private:
  int rate_;
  int channels_;
  MpcStream* stream_ = nullptr;
};

std::unique_ptr<AudioOutput> OpenOutput(const OutputRequest& request, AudioSampleBuffer& buffer) {
  return std::make_unique<MpcOutput>(request, buffer);
}

}  // namespace

extern "C" const AudioEncoderModule* MC_CALL GetEncoderModule() {
  return audioplugin::PluginModule("Musepack", "mpc", &OpenOutput);
}
