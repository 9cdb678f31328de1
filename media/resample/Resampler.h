#pragma once
// One resampler of mcresample.dll: 16-bit interleaved audio from one rate and channel count
// to another, with what the filter holds back and what a call could not hand out kept for
// the next call.
#include <cstdint>

#include "media/core/FFmpegHandles.h"

namespace mcresample {

class Resampler {
 public:
  // Throws std::runtime_error for counts or rates the resampler cannot take.
  Resampler(int inputChannels, int inputRate, int outputChannels, int outputRate);

  // Converts `count` samples per channel into `output` and answers the samples per channel
  // written, at most ResampledCapacity of `count`.
  int Convert(const std::int16_t* input, int count, std::int16_t* output);
  // Writes what is kept, at most the capacity of kFlushInputSamples.
  int Flush(std::int16_t* output);

 private:
  // Null input drains what is kept.
  int Write(const std::uint8_t** input, int count, std::int64_t capacity, std::int16_t* output);

  mediacore::ResampleContextPtr context_;
  int inputRate_;
  int outputRate_;
};

}  // namespace mcresample
