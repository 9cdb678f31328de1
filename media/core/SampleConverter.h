#pragma once
// Turns decoded audio into 16-bit interleaved samples at the stream's rate with at most
// two channels (more are mixed down).
#include <cstdint>
#include <vector>

#include "media/core/FFmpegHandles.h"

namespace mediacore {

class SampleConverter {
 public:
  // Channels delivered for a stream of `streamChannels`.
  static int DeliveredChannels(int streamChannels);

  SampleConverter(int sampleRate, int channels);
  ~SampleConverter();
  SampleConverter(const SampleConverter&) = delete;
  SampleConverter& operator=(const SampleConverter&) = delete;

  // Converts `frame`; false when its samples cannot be read.
  bool Convert(const AVFrame& frame);
  const std::int16_t* Samples() const { return samples_.data(); }
  // Samples per channel of the last conversion.
  int Count() const { return count_; }
  int Channels() const { return channels_; }
  int SampleRate() const { return rate_; }

 private:
  bool Configure(const AVFrame& frame);

  int rate_;
  int channels_;
  std::vector<std::int16_t> samples_;
  int count_ = 0;
  ResampleContextPtr resample_;
  // The input the context was made for.
  int inputFormat_ = -1;
  int inputRate_ = 0;
  AVChannelLayout inputLayout_{};
};

}  // namespace mediacore
