#pragma once
// Shared helpers of the PNG picture tests: the fixtures written by make_png_fixtures.py,
// the samples python3-png decoded from them, and building PNG bytes in memory.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "imaging/Pngcrc.h"
#include "imaging/Pngimage.h"

namespace pngtest {

using Bytes = std::vector<uint8_t>;

// The bytes of fixture NAME.png.
Bytes FixtureBytes(const std::string& name);
// The fixtures the reader decodes: every colour type and depth at four sizes, plain and
// Adam7, and the filter, split, gamma, ancillary and transparency pictures.
std::vector<std::string> DecodableFixtures();

// A picture read from bytes or from fixture NAME.png.
std::unique_ptr<TPNGObject> LoadBytes(const Bytes& bytes);
std::unique_ptr<TPNGObject> LoadFixture(const std::string& name);

// What python3-png decoded from fixture NAME.png (NAME.txt).
struct Expected {
  int width = 0;
  int height = 0;
  int colorType = 0;
  int bitDepth = 0;
  int interlace = 0;
  std::vector<int> palette;             // red, green, blue per entry
  std::vector<std::vector<int>> rows;   // every sample of each row
};
Expected ReadExpected(const std::string& name);

// A chunk with its length and CRC; the PNG signature.
Bytes Chunk(const char* name, const Bytes& data);
Bytes Signature();
Bytes Concat(std::initializer_list<Bytes> parts);
// Recomputes the CRC of every chunk (after a deliberate change of the data).
void FixCrcs(Bytes& png);

// Chunk names in the order the picture holds them, and in a written PNG.
std::vector<std::string> ChunkNames(const TPNGObject& png);
std::vector<std::string> WrittenChunkNames(const Bytes& png);
Bytes SaveBytes(TPNGObject& png);

// The bits-per-pixel index at column x of a storage row.
int StoredIndex(const uint8_t* row, int x, int bits);

}  // namespace pngtest
