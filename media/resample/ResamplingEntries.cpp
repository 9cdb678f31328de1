// Entries of mcresample.dll. No resampler is available yet: every entry answers failure.
#include "media/contracts/ResamplingLibrary.h"

extern "C" {

ResamplerHandle MC_CALL CreateResampler(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
  return 0;
}

std::int32_t MC_CALL ResampleSamples(ResamplerHandle, const std::int16_t*, std::int32_t,
                                     std::int16_t*) {
  return 0;
}

void MC_CALL DestroyResampler(ResamplerHandle) {}

}  // extern "C"
