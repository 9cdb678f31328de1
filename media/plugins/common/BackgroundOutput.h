#pragma once
// An output whose encoder runs on a thread of its own, so that decoding the source and
// encoding it overlap: encode copies the samples into blocks of about two thirds of a second
// and queues each full block for the inner output, waiting only while a few are queued.
// Every hand-over between the threads may put one to sleep and wake it, which under Wine
// goes through its server: large blocks keep those round trips rare.
// Finish encodes what is queued, then finishes the inner output on the calling thread. A
// failure of the inner output's encode is thrown by a later encode or by finish.
#include <cstdint>
#include <memory>
#include <vector>

#include "media/codec/SerialWorker.h"
#include "media/plugins/common/AudioPlugin.h"

namespace audioplugin {

class BackgroundOutput final : public AudioOutput {
 public:
  // `channels`: of the interleaved samples the inner output takes.
  BackgroundOutput(std::unique_ptr<AudioOutput> inner, int channels);

  void Encode(const std::int16_t* samples, int count) override;
  void Finish() override;

  static constexpr std::size_t kBlockSamples = 32768;  // per channel
  static constexpr std::size_t kMostQueuedBlocks = 4;

 private:
  void QueueBlock();

  std::unique_ptr<AudioOutput> inner_;
  const std::size_t channels_;
  std::vector<std::int16_t> filling_;
  // Last, so that it stops before the inner output goes.
  mccodec::SerialWorker worker_;
};

// The factory of a plug-in whose `Output` encodes in the background.
template <class Output>
std::unique_ptr<AudioOutput> OpenInBackground(const OutputRequest& request, AudioSampleBuffer& buffer) {
  auto inner = std::make_unique<Output>(request, buffer);  // sets the buffer's output side
  return std::make_unique<BackgroundOutput>(std::move(inner), buffer.outputChannels);
}

}  // namespace audioplugin
