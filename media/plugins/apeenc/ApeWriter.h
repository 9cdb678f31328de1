#pragma once
// A Monkey's Audio file (format 3.99, 16 bits, 1 or 2 channels) written as samples come:
// whole frames are coded into a spool file; at the end the descriptor, header and seek
// table (which need the frame count) go to the output, followed by the frames and the tag.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "media/plugins/apeenc/ApeFrameEncoder.h"

namespace apeenc {

class ApeWriter {
 public:
  // Writes through `output` and `spool` (both empty, read-write, closed by the caller).
  // `level`: 1000 to 4000. `tag`: the tag's bytes, written last.
  ApeWriter(std::FILE* output, std::FILE* spool, int level, int rate, int channels, std::vector<std::uint8_t> tag);

  // `count` samples per channel, interleaved. Throws when writing fails.
  void Write(const std::int16_t* samples, int count);
  // Codes the last frame and writes the file; throws without samples or when writing fails.
  void Finish();

  // Samples per channel in a frame of `level`.
  static int FrameLength(int level);

 private:
  void EncodeHeld();
  void WriteHeader(std::uint32_t finalFrameBlocks, std::uint64_t audioBytes);
  void CopySpool();

  std::FILE* output_;
  std::FILE* spool_;
  int level_;
  int rate_;
  int channels_;
  std::vector<std::uint8_t> tag_;
  ApeFrameEncoder encoder_;
  std::vector<std::int16_t> held_;    // samples of the frame being filled
  std::vector<std::uint32_t> sizes_;  // coded size of each frame in the spool
};

}  // namespace apeenc
