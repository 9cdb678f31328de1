#include "media/plugins/videoplugin/OutputSlot.h"

#include <algorithm>
#include <limits>

namespace videoplugin {

bool OutputSlot::Close() {
  if (!output_) return false;
  const bool finished = output_->Close();
  lastSize_ = output_->Size();
  output_.reset();
  return finished;
}

bool OutputSlot::EncodeVideo(const void* picture, double start) {
  return output_ && output_->EncodeVideo(picture, start);
}

bool OutputSlot::EncodeAudio(const void* samples, int bytes, double start) {
  return output_ && output_->EncodeAudio(samples, bytes, start);
}

std::uint32_t OutputSlot::Size() {
  const std::int64_t size = output_ ? output_->Size() : lastSize_;
  return static_cast<std::uint32_t>(std::min<std::int64_t>(size, std::numeric_limits<std::uint32_t>::max()));
}

}  // namespace videoplugin
