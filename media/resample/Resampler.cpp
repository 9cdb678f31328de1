#include "media/resample/Resampler.h"

#include <stdexcept>

#include "media/contracts/ResamplingLibrary.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace mcresample {
namespace {

constexpr int kMaxChannels = 8;
constexpr int kMaxRate = 384000;

bool Valid(int channels, int rate) {
  return channels >= 1 && channels <= kMaxChannels && rate >= 1 && rate <= kMaxRate;
}

}  // namespace

Resampler::Resampler(int inputChannels, int inputRate, int outputChannels, int outputRate)
    : inputRate_(inputRate), outputRate_(outputRate) {
  if (!Valid(inputChannels, inputRate) || !Valid(outputChannels, outputRate)) {
    throw std::runtime_error("resampler format");
  }
  AVChannelLayout in{};
  AVChannelLayout out{};
  av_channel_layout_default(&in, inputChannels);
  av_channel_layout_default(&out, outputChannels);
  SwrContext* context = nullptr;
  const int made = swr_alloc_set_opts2(&context, &out, AV_SAMPLE_FMT_S16, outputRate, &in,
                                       AV_SAMPLE_FMT_S16, inputRate, 0, nullptr);
  context_.reset(context);
  if (made < 0 || context == nullptr) throw std::runtime_error("resampler");
  if (swr_init(context) < 0) throw std::runtime_error("resampler");
}

int Resampler::Convert(const std::int16_t* input, int count, std::int16_t* output) {
  if (input == nullptr || count < 0) return 0;
  const auto* in = reinterpret_cast<const std::uint8_t*>(input);
  return Write(&in, count, ResampledCapacity(count, inputRate_, outputRate_), output);
}

int Resampler::Flush(std::int16_t* output) {
  return Write(nullptr, 0, ResampledCapacity(kFlushInputSamples, inputRate_, outputRate_), output);
}

int Resampler::Write(const std::uint8_t** input, int count, std::int64_t capacity,
                     std::int16_t* output) {
  if (output == nullptr) return 0;
  auto* out = reinterpret_cast<std::uint8_t*>(output);
  const int written = swr_convert(context_.get(), &out, static_cast<int>(capacity), input, count);
  return written > 0 ? written : 0;
}

}  // namespace mcresample
