#pragma once
// mcresample.dll: converts the rate and channel count of 16-bit interleaved audio.
// Entries by ordinal, see media/resample/mcresample.def.
#include <cstdint>

#include "media/contracts/LibraryAbi.h"

using ResamplerHandle = std::uint32_t;  // 0 = none

extern "C" {
ResamplerHandle MC_CALL CreateResampler(std::int32_t inputChannels,  // 1
                                        std::int32_t inputRate,
                                        std::int32_t outputChannels,
                                        std::int32_t outputRate);
// Answers the samples per channel written to `output`.
std::int32_t MC_CALL ResampleSamples(ResamplerHandle handle, const std::int16_t* input,  // 2
                                     std::int32_t inputSamplesPerChannel,
                                     std::int16_t* output);
void MC_CALL DestroyResampler(ResamplerHandle handle);                                   // 3
}
