#pragma once
// Codes frames of 16-bit samples as a Monkey's Audio (format 3.99) decoder reads them: the
// channels decorrelated (stereo), each value taken back through the predictor and the
// compression level's filters, then range-coded after the frame's CRC.
#include <cstdint>
#include <vector>

#include "media/plugins/apeenc/ApeFilter.h"
#include "media/plugins/apeenc/ApePredictor.h"

namespace apeenc {

class ApeFrameEncoder {
 public:
  // `level`: 1000 to 4000; `channels`: 1 or 2.
  ApeFrameEncoder(int level, int channels);

  // The frame's bytes for `count` samples per channel (interleaved), padded to whole 32-bit
  // words and in the file's byte order (each word's bytes reversed).
  std::vector<std::uint8_t> Encode(const std::int16_t* samples, int count);

 private:
  void Reset();
  // The value the decoder's entropy stage must read for one channel's predictor input.
  std::int32_t ThroughFilters(std::int32_t value, int channel);

  int channels_;
  ApePredictor predictor_;
  std::vector<ApeFilter> filters_[2];
};

// The CRC-32 of `size` bytes, as zlib computes it.
std::uint32_t Crc32(const void* data, std::size_t size);

}  // namespace apeenc
