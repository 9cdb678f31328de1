#pragma once
// mcresample.dll: converts the rate and channel count of 16-bit interleaved audio, keeping
// its state from one call to the next. Entries by ordinal, see media/resample/mcresample.def.
#include <cstdint>

#include "media/contracts/LibraryAbi.h"

using ResamplerHandle = std::uint32_t;  // 0 = none

// The most samples per channel one ResampleSamples call writes for `inputSamples` input
// samples per channel: ceil(inputSamples x outputRate / inputRate) + 32. What the
// resampler could produce beyond that it keeps for the next call.
constexpr std::int64_t ResampledCapacity(std::int64_t inputSamples, std::int64_t inputRate,
                                         std::int64_t outputRate) {
  if (inputSamples < 0 || inputRate <= 0 || outputRate <= 0) return 32;
  return (inputSamples * outputRate + inputRate - 1) / inputRate + 32;
}
// FlushResampler writes at most what a call of this many input samples may write.
constexpr std::int64_t kFlushInputSamples = 64;

extern "C" {
// 0 for channel counts outside 1..8 or rates outside 1..384000.
ResamplerHandle MC_CALL CreateResampler(std::int32_t inputChannels,  // 1
                                        std::int32_t inputRate,
                                        std::int32_t outputChannels,
                                        std::int32_t outputRate);
// Answers the samples per channel written to `output` (at most ResampledCapacity), 0 for
// an unknown handle or a failure.
std::int32_t MC_CALL ResampleSamples(ResamplerHandle handle, const std::int16_t* input,  // 2
                                     std::int32_t inputSamplesPerChannel,
                                     std::int16_t* output);
void MC_CALL DestroyResampler(ResamplerHandle handle);                                   // 3
// Writes what the resampler still keeps, at most ResampledCapacity(kFlushInputSamples, ...)
// samples per channel a call, and answers their count; call until it answers 0.
std::int32_t MC_CALL FlushResampler(ResamplerHandle handle, std::int16_t* output);      // 4
}
