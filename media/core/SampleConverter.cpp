#include "media/core/SampleConverter.h"

#include <algorithm>

namespace mediacore {
namespace {

// The frame's layout, or the default order for its channel count when it names none.
AVChannelLayout LayoutOf(const AVFrame& frame) {
  AVChannelLayout layout{};
  if (frame.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || frame.ch_layout.nb_channels <= 0 ||
      av_channel_layout_copy(&layout, &frame.ch_layout) < 0) {
    av_channel_layout_default(&layout, std::max(frame.ch_layout.nb_channels, 1));
  }
  return layout;
}

}  // namespace

int SampleConverter::DeliveredChannels(int streamChannels) {
  return std::clamp(streamChannels, 1, 2);
}

SampleConverter::SampleConverter(int sampleRate, int channels)
    : rate_(sampleRate), channels_(DeliveredChannels(channels)) {}

SampleConverter::~SampleConverter() { av_channel_layout_uninit(&inputLayout_); }

bool SampleConverter::Configure(const AVFrame& frame) {
  AVChannelLayout layout = LayoutOf(frame);
  const bool same = resample_ && frame.format == inputFormat_ && frame.sample_rate == inputRate_ &&
                    av_channel_layout_compare(&layout, &inputLayout_) == 0;
  if (same) {
    av_channel_layout_uninit(&layout);
    return true;
  }
  AVChannelLayout target{};
  av_channel_layout_default(&target, channels_);
  SwrContext* raw = nullptr;
  const int made = swr_alloc_set_opts2(&raw, &target, AV_SAMPLE_FMT_S16, rate_, &layout,
                                       static_cast<AVSampleFormat>(frame.format),
                                       frame.sample_rate, 0, nullptr);
  resample_.reset(raw);
  av_channel_layout_uninit(&target);
  av_channel_layout_uninit(&inputLayout_);
  inputLayout_ = layout;
  inputFormat_ = frame.format;
  inputRate_ = frame.sample_rate;
  if (made < 0 || swr_init(resample_.get()) < 0) {
    resample_.reset();
    return false;
  }
  return true;
}

bool SampleConverter::Convert(const AVFrame& frame) {
  count_ = 0;
  if (frame.nb_samples <= 0 || frame.sample_rate <= 0 || !Configure(frame)) return false;
  const int capacity = swr_get_out_samples(resample_.get(), frame.nb_samples);
  if (capacity <= 0) return false;
  samples_.resize(static_cast<std::size_t>(capacity) * channels_);
  std::uint8_t* out[1] = {reinterpret_cast<std::uint8_t*>(samples_.data())};
  const int converted = swr_convert(resample_.get(), out, capacity,
                                    const_cast<const std::uint8_t**>(frame.extended_data),
                                    frame.nb_samples);
  if (converted < 0) return false;
  count_ = converted;
  return true;
}

}  // namespace mediacore
