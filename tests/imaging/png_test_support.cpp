#include "png_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "imaging/Pngcrc.h"

namespace pngtest {

namespace {

std::string FixturePath(const std::string& name) { return "png-fixtures/" + name; }

uint32_t Crc(const uint8_t* bytes, size_t count) { return ~update_crc(0xFFFFFFFFu, bytes, count); }

}  // namespace

std::vector<std::string> DecodableFixtures() {
  const int formats[][2] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                            {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};
  const char* sizes[] = {"1x1", "3x3", "33x7", "1x40"};
  std::vector<std::string> names;
  for (const auto& format : formats) {
    for (const char* size : sizes) {
      for (const char* layout : {"plain", "adam7"}) {
        names.push_back("c" + std::to_string(format[0]) + "_d" + std::to_string(format[1]) + "_" + size + "_" + layout);
      }
    }
  }
  for (const char* name : {"filter0", "filter1", "filter2", "filter3", "filter4", "split_idat", "big_idat",
                           "gamma_rgb", "gamma_grey", "ancillary", "trns_pal_partial", "trns_grey16",
                           "trns_rgb16"}) {
    names.emplace_back(name);
  }
  return names;
}

Bytes FixtureBytes(const std::string& name) {
  std::ifstream file(FixturePath(name + ".png"), std::ios::binary);
  if (!file) ADD_FAILURE() << "missing fixture " << name;
  return Bytes(std::istreambuf_iterator<char>(file), {});
}

std::unique_ptr<TPNGObject> LoadBytes(const Bytes& bytes) {
  auto png = std::make_unique<TPNGObject>();
  TMemoryStream stream;
  stream.Write(bytes.data(), static_cast<int>(bytes.size()));
  stream.SetPosition(0);
  png->LoadFromStream(&stream);
  return png;
}

std::unique_ptr<TPNGObject> LoadFixture(const std::string& name) { return LoadBytes(FixtureBytes(name)); }

Expected ReadExpected(const std::string& name) {
  Expected expected;
  std::ifstream file(FixturePath(name + ".txt"));
  if (!file) ADD_FAILURE() << "missing samples of " << name;
  std::string line;
  while (std::getline(file, line)) {
    std::istringstream words(line);
    std::string key;
    words >> key;
    if (key == "size") {
      words >> expected.width >> expected.height;
    } else if (key == "format") {
      words >> expected.colorType >> expected.bitDepth >> expected.interlace;
    } else {
      std::vector<int>& target = key == "palette" ? expected.palette : expected.rows.emplace_back();
      for (int value; words >> value;) target.push_back(value);
    }
  }
  return expected;
}

Bytes Chunk(const char* name, const Bytes& data) {
  Bytes out(4);
  WriteBigEndian32(out.data(), static_cast<uint32_t>(data.size()));
  out.insert(out.end(), name, name + 4);
  out.insert(out.end(), data.begin(), data.end());
  out.resize(out.size() + 4);
  WriteBigEndian32(out.data() + out.size() - 4, Crc(out.data() + 4, data.size() + 4));
  return out;
}

Bytes Signature() { return {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A}; }

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

void FixCrcs(Bytes& png) {
  size_t at = 8;
  while (at + 12 <= png.size()) {
    const uint32_t length = ReadBigEndian32(png.data() + at);
    if (length > png.size() - at - 12) return;
    WriteBigEndian32(png.data() + at + 8 + length, Crc(png.data() + at + 4, length + 4));
    at += 12 + length;
  }
}

std::vector<std::string> ChunkNames(const TPNGObject& png) {
  std::vector<std::string> names;
  for (unsigned i = 0; i < png.Chunks().Count(); ++i) names.push_back(png.Chunks().GetItem(i)->GetChunkName().str());
  return names;
}

std::vector<std::string> WrittenChunkNames(const Bytes& png) {
  std::vector<std::string> names;
  for (size_t at = 8; at + 12 <= png.size(); at += 12 + ReadBigEndian32(png.data() + at)) {
    names.emplace_back(reinterpret_cast<const char*>(png.data() + at + 4), 4);
  }
  return names;
}

Bytes SaveBytes(TPNGObject& png) {
  TMemoryStream stream;
  png.SaveToStream(&stream);
  const auto* begin = static_cast<const uint8_t*>(stream.Memory());
  return Bytes(begin, begin + stream.Size());
}

int StoredIndex(const uint8_t* row, int x, int bits) {
  const int perByte = 8 / bits;
  return (row[x / perByte] >> (8 - bits - bits * (x % perByte))) & ((1 << bits) - 1);
}

}  // namespace pngtest
