#include "media/plugins/common/BackgroundOutput.h"

#include <algorithm>
#include <stdexcept>

namespace audioplugin {

BackgroundOutput::BackgroundOutput(std::unique_ptr<AudioOutput> inner, int channels)
    : inner_(std::move(inner)),
      channels_(static_cast<std::size_t>(std::max(channels, 1))),
      worker_(kMostQueuedBlocks) {
  filling_.reserve(kBlockSamples * channels_);
}

void BackgroundOutput::Encode(const std::int16_t* samples, int count) {
  const std::size_t blockValues = kBlockSamples * channels_;
  std::size_t left = static_cast<std::size_t>(std::max(count, 0)) * channels_;
  while (left > 0) {
    const std::size_t taken = std::min(left, blockValues - filling_.size());
    filling_.insert(filling_.end(), samples, samples + taken);
    samples += taken;
    left -= taken;
    if (filling_.size() == blockValues) QueueBlock();
  }
}

void BackgroundOutput::Finish() {
  if (!filling_.empty()) QueueBlock();
  const bool encoded = worker_.Drain();
  inner_->Finish();
  if (!encoded) throw std::runtime_error("encoding failed");
}

void BackgroundOutput::QueueBlock() {
  auto block = std::make_shared<std::vector<std::int16_t>>(std::move(filling_));
  filling_ = std::vector<std::int16_t>();
  filling_.reserve(kBlockSamples * channels_);
  worker_.Post([this, block] { inner_->Encode(block->data(), static_cast<int>(block->size() / channels_)); });
}

}  // namespace audioplugin
