#include "media/plugins/common/ContextOutput.h"

#include <new>
#include <stdexcept>

namespace audioplugin {

ContextOutput::ContextOutput(const std::string& path, int rate, int channels)
    : context_(CreateEncoderContext(path.c_str())), rate_(rate), channels_(channels) {
  if (!context_) throw std::bad_alloc();
}

void ContextOutput::Check(std::int32_t answer) {
  if (answer != kCallOk) throw std::runtime_error("the codec library refused a setting");
}

void ContextOutput::Open(AudioSampleBuffer& buffer) {
  Check(context_->Open());
  buffer.outputBits = 16;
  buffer.outputLayout = kSampleLayoutInterleaved;
  buffer.outputRate = rate_;
  buffer.outputChannels = channels_;
}

void ContextOutput::Encode(const std::int16_t* samples, int count) {
  const double time = static_cast<double>(written_) / rate_;
  Check(context_->EncodeAudio(samples, count * channels_ * 2, time));
  written_ += count;
}

void ContextOutput::Finish() {
  const std::int32_t closed = context_->Close();
  context_.reset();
  Check(closed);
}

}  // namespace audioplugin
