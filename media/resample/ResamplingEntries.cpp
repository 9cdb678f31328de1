// Entries of mcresample.dll: resamplers reached through handles, from any thread (one
// thread at a time per handle).
#include <memory>

#include "media/contracts/ResamplingLibrary.h"
#include "media/core/HandleTable.h"
#include "media/resample/Resampler.h"

namespace {

using mcresample::Resampler;

mediacore::HandleTable<std::shared_ptr<Resampler>>& Resamplers() {
  static mediacore::HandleTable<std::shared_ptr<Resampler>> table;
  return table;
}

template <typename Body>
std::int32_t WithResampler(ResamplerHandle handle, Body&& body) noexcept {
  try {
    const auto found = Resamplers().Find(handle);
    return found ? body(**found) : 0;
  } catch (...) {
    return 0;
  }
}

}  // namespace

extern "C" {

ResamplerHandle MC_CALL CreateResampler(std::int32_t inputChannels, std::int32_t inputRate,
                                        std::int32_t outputChannels, std::int32_t outputRate) {
  try {
    return Resamplers().Add(
        std::make_shared<Resampler>(inputChannels, inputRate, outputChannels, outputRate));
  } catch (...) {
    return 0;
  }
}

std::int32_t MC_CALL ResampleSamples(ResamplerHandle handle, const std::int16_t* input,
                                     std::int32_t inputSamplesPerChannel, std::int16_t* output) {
  return WithResampler(handle, [&](Resampler& resampler) {
    return resampler.Convert(input, inputSamplesPerChannel, output);
  });
}

void MC_CALL DestroyResampler(ResamplerHandle handle) {
  try {
    Resamplers().Remove(handle);
  } catch (...) {
  }
}

std::int32_t MC_CALL FlushResampler(ResamplerHandle handle, std::int16_t* output) {
  return WithResampler(handle, [&](Resampler& resampler) { return resampler.Flush(output); });
}

}  // extern "C"
