#pragma once
// An output written through an audio-only encoder context of the codec library: the
// plug-in chooses container, codec and options, then opens it; samples go to the context
// at the time they stand for.
#include <cstdint>
#include <memory>
#include <string>

#include "media/contracts/CodecLibrary.h"
#include "media/plugins/common/AudioPlugin.h"

namespace audioplugin {

class ContextOutput : public AudioOutput {
 public:
  void Encode(const std::int16_t* samples, int count) override;
  void Finish() override;

 protected:
  // A context writing `path` that takes `rate` and `channels` as they come.
  ContextOutput(const std::string& path, int rate, int channels);

  EncoderContext& Context() { return *context_; }
  int Rate() const { return rate_; }
  int Channels() const { return channels_; }
  // Opens the context and asks the host for 16-bit interleaved samples at the rate and
  // channel count.
  void Open(AudioSampleBuffer& buffer);
  // Throws when the codec library refused a call.
  static void Check(std::int32_t answer);

 private:
  struct ContextReleaser {
    void operator()(EncoderContext* context) const { ReleaseEncoderContext(context); }
  };

  std::unique_ptr<EncoderContext, ContextReleaser> context_;
  int rate_;
  int channels_;
  std::int64_t written_ = 0;
};

}  // namespace audioplugin
