#pragma once
// Writing a picture's image data: PNG rows rebuilt from the header's storage, each
// filtered by the filter chosen from the picture's filter set, compressed as one zlib
// stream and cut into IDAT chunks of exactly the picture's maximum size (the last holds
// the rest).
#include <array>
#include <cstdint>
#include <vector>

#include "imaging/Pngimage.h"

// The filter outputs of the rows of one image (or Adam7 pass) and the choice among them.
class TPngRowFilter {
 public:
  TPngRowFilter(TFilters filters, uint32_t rowBytes, uint32_t offset);

  // The next row is the first of an image or pass: its previous row is zero.
  void Restart();
  // Fills the outputs of the filters in the set for `raw` (row bytes long) against the
  // previous row and chooses one: the longest run of bytes equal to one of the two
  // before them (from position 2 on), ties to the lower type, None when no output
  // scores; a set of one filter gives that filter, an empty set None. The row then
  // becomes the previous one.
  uint8_t FilterToEncode(const uint8_t* raw);
  // The bytes of the last row filtered by `type` (a type of the set, or None).
  const uint8_t* Output(uint8_t type) const { return outputs_[type].data(); }

 private:
  TFilters filters_;
  uint32_t rowBytes_;
  uint32_t offset_;
  std::vector<uint8_t> previous_;
  std::array<std::vector<uint8_t>, 5> outputs_;  // by filter type; None is the raw row
};

// Writes the header's image as IDAT chunks at the stream's position, by the owner's
// Filters, CompressionLevel, InterlaceMethod, MaxIdatSize and InverseTable.
// EPNGInvalidSpec for a colour type and bit depth without an encoding, EPNGZLIBError
// when the compressor fails.
void EncodeImageData(TChunkIHDR& header, TStream* stream);
