#pragma once
// The image data chunk: reading inflates the compressed data across every IDAT chunk the
// image needs, undoes the row filters, places the Adam7 passes and copies each row into
// the header's storage.
#include "imaging/Pngchunks.h"

class TChunkIDAT : public TChunk {
  PNG_CHUNK_CLASS(TChunkIDAT, "IDAT")
 public:
  using TChunk::TChunk;
  // Decodes into the header's storage; EPngInvalidCRC, EPNGMissingMultipleIDAT,
  // EPngUnexpectedEnd or EPNGZLIBError when the data is broken.
  bool LoadFromStream(TStream* stream, const char* name, uint32_t length) override;
  // Writes the header's image as one or more IDAT chunks (EncodeImageData).
  bool SaveToStream(TStream* stream) override;
};
