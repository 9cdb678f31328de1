// Writing: pictures saved and read again keep their storage; the image data is split,
// filtered and compressed as the picture's settings say.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "imaging/Pngencode.h"
#include "png_test_support.h"

using namespace pngtest;

namespace {

struct ParsedChunk {
  std::string name;
  Bytes data;
};

std::vector<ParsedChunk> ParseChunks(const Bytes& png) {
  std::vector<ParsedChunk> chunks;
  for (size_t at = 8; at + 12 <= png.size();) {
    const uint32_t length = ReadBigEndian32(png.data() + at);
    const auto* data = png.data() + at + 8;
    chunks.push_back({std::string(reinterpret_cast<const char*>(png.data() + at + 4), 4), Bytes(data, data + length)});
    EXPECT_EQ(ReadBigEndian32(data + length), ~update_crc(0xFFFFFFFFu, png.data() + at + 4, length + 4))
        << "CRC of " << chunks.back().name;
    at += 12 + length;
  }
  return chunks;
}

std::vector<uint32_t> IdatSizes(const Bytes& png) {
  std::vector<uint32_t> sizes;
  for (const ParsedChunk& chunk : ParseChunks(png))
    if (chunk.name == "IDAT") sizes.push_back(static_cast<uint32_t>(chunk.data.size()));
  return sizes;
}

// The IDAT data joined and inflated; `ended` tells whether it was one complete stream
// with nothing after it.
Bytes InflatedImageData(const Bytes& png, bool* ended = nullptr) {
  Bytes joined;
  for (const ParsedChunk& chunk : ParseChunks(png))
    if (chunk.name == "IDAT") joined.insert(joined.end(), chunk.data.begin(), chunk.data.end());
  z_stream zlib{};
  inflateInit(&zlib);
  zlib.next_in = joined.data();
  zlib.avail_in = static_cast<uInt>(joined.size());
  Bytes out;
  int result = Z_OK;
  while (result == Z_OK) {
    uint8_t buffer[4096];
    zlib.next_out = buffer;
    zlib.avail_out = sizeof buffer;
    result = inflate(&zlib, Z_NO_FLUSH);
    out.insert(out.end(), buffer, buffer + (sizeof buffer - zlib.avail_out));
  }
  if (ended != nullptr) *ended = result == Z_STREAM_END && zlib.avail_in == 0;
  inflateEnd(&zlib);
  return out;
}

// The filter byte of every row of a non-interlaced picture.
std::vector<int> FilterTypes(const Bytes& png, uint32_t rowBytes) {
  const Bytes data = InflatedImageData(png);
  std::vector<int> types;
  for (size_t at = 0; at < data.size(); at += rowBytes + 1) types.push_back(data[at]);
  return types;
}

void ExpectSameImage(const TPNGObject& a, const TPNGObject& b) {
  ASSERT_EQ(a.Width(), b.Width());
  ASSERT_EQ(a.Height(), b.Height());
  const TChunkIHDR* ha = a.GetHeader();
  const TChunkIHDR* hb = b.GetHeader();
  ASSERT_EQ(ha->ColorType(), hb->ColorType());
  ASSERT_EQ(ha->BitDepth(), hb->BitDepth());
  ASSERT_EQ(ha->BytesPerRow(), hb->BytesPerRow());
  for (int y = 0; y < a.Height(); ++y) {
    ASSERT_EQ(std::memcmp(a.GetScanline(y), b.GetScanline(y), ha->BytesPerRow()), 0) << "row " << y;
    ASSERT_EQ(a.GetAlphaScanline(y) != nullptr, b.GetAlphaScanline(y) != nullptr);
    if (a.GetAlphaScanline(y) != nullptr) {
      ASSERT_EQ(std::memcmp(a.GetAlphaScanline(y), b.GetAlphaScanline(y), a.Width()), 0) << "alpha row " << y;
    }
    ASSERT_EQ(a.GetExtraScanline(y) != nullptr, b.GetExtraScanline(y) != nullptr);
    if (a.GetExtraScanline(y) != nullptr) {
      ASSERT_EQ(std::memcmp(a.GetExtraScanline(y), b.GetExtraScanline(y), ha->BytesPerRow()), 0) << "low bytes row " << y;
    }
  }
  EXPECT_EQ(std::memcmp(ha->BitmapInfoPtr()->bmiColors, hb->BitmapInfoPtr()->bmiColors, 256 * sizeof(RGBQUAD)), 0);
}

TEST(PngEncode, EveryDecodableFixtureRoundTripsPlainAndAdam7) {
  for (const std::string& name : DecodableFixtures()) {
    for (TInterlaceMethod layout : {imNone, imAdam7}) {
      SCOPED_TRACE(name + (layout == imAdam7 ? " adam7" : " plain"));
      const auto png = LoadFixture(name);
      png->InterlaceMethod = layout;
      const Bytes written = SaveBytes(*png);
      const auto again = LoadBytes(written);
      EXPECT_EQ(again->InterlaceMethod, layout);
      ExpectSameImage(*png, *again);
    }
  }
}

TEST(PngEncode, TwoBitPicturesAreWrittenAsFourBit) {
  for (const char* name : {"c0_d2_33x7_plain", "c3_d2_33x7_adam7"}) {
    const auto png = LoadFixture(name);
    const Bytes written = SaveBytes(*png);
    EXPECT_EQ(ParseChunks(written)[0].data[8], 4) << name;
    const auto again = LoadBytes(written);
    for (int y = 0; y < png->Height(); ++y)
      for (int x = 0; x < png->Width(); ++x) ASSERT_EQ(again->GetPixels(x, y), png->GetPixels(x, y)) << name;
  }
}

// --- IDAT chunks --------------------------------------------------------------------------

std::unique_ptr<TPNGObject> NoisePicture(int width, int height) {
  auto png = std::make_unique<TPNGObject>(COLOR_RGB, 8, width, height);
  uint32_t seed = 12345;
  for (int y = 0; y < height; ++y)
    for (int i = 0; i < 3 * width; ++i) {
      seed = seed * 1103515245u + 12345u;
      png->GetScanline(y)[i] = static_cast<uint8_t>(seed >> 16);
    }
  return png;
}

TEST(PngEncode, ImageDataIsCutIntoChunksOfTheMaximumSize) {
  const struct {
    int width, height, level, maxSize;
  } cases[] = {{20, 10, 7, 65535}, {200, 150, 7, 65535}, {300, 200, 0, 65535}, {300, 200, 0, 100000},
               {300, 200, 9, 70000}, {300, 400, 0, 300000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " max " + std::to_string(c.maxSize));
    const auto png = NoisePicture(c.width, c.height);
    png->CompressionLevel = static_cast<TCompressionLevel>(c.level);
    png->SetMaxIdatSize(c.maxSize);
    const Bytes written = SaveBytes(*png);
    const std::vector<uint32_t> sizes = IdatSizes(written);
    ASSERT_FALSE(sizes.empty());
    uint64_t total = 0;
    for (uint32_t size : sizes) total += size;
    const uint64_t m = static_cast<uint64_t>(c.maxSize);
    ASSERT_EQ(sizes.size(), total / m + (total % m != 0 ? 1 : 0));
    for (size_t i = 0; i + 1 < sizes.size(); ++i) EXPECT_EQ(sizes[i], m);
    EXPECT_EQ(sizes.back(), total % m != 0 ? total % m : m);
    bool ended = false;
    EXPECT_EQ(InflatedImageData(written, &ended).size(), size_t(c.height) * (3 * c.width + 1));
    EXPECT_TRUE(ended);
    ExpectSameImage(*png, *LoadBytes(written));
  }
}

TEST(PngEncode, MaximumIdatSizeHasAFloor) {
  TPNGObject png;
  png.SetMaxIdatSize(1000);
  EXPECT_EQ(png.MaxIdatSize(), 65535);
  const auto big = NoisePicture(300, 400);
  big->CompressionLevel = 0;
  big->SetMaxIdatSize(100000);
  const std::vector<uint32_t> sizes = IdatSizes(SaveBytes(*big));
  ASSERT_EQ(sizes.size(), 4u);
  EXPECT_EQ(sizes[0], 100000u);
  EXPECT_EQ(sizes[2], 100000u);
}

// --- Filters ----------------------------------------------------------------------------------

TEST(PngEncode, WrittenRowsCarryTheFilterOfTheSet) {
  const struct {
    TFilters filters;
    int expected;
  } cases[] = {{TFilters{pfSub}, 1}, {TFilters{}, 0}, {TFilters{pfNone}, 0}, {TFilters{pfPaeth}, 4}, {TFilters{pfUp}, 2}};
  for (const auto& c : cases) {
    const auto png = LoadFixture("c2_d8_33x7_plain");
    png->Filters = c.filters;
    EXPECT_EQ(FilterTypes(SaveBytes(*png), 33 * 3), std::vector<int>(7, c.expected)) << c.expected;
  }
  const auto fresh = LoadFixture("c6_d8_33x7_plain");
  EXPECT_EQ(FilterTypes(SaveBytes(*fresh), 33 * 4), std::vector<int>(7, 1)) << "default set";
}

// The rule written out independently: outputs of every filter, then the run scores.
struct ReferenceFilter {
  Bytes previous;
  std::vector<Bytes> outputs = std::vector<Bytes>(5);

  int Choose(const Bytes& raw, uint32_t offset, TFilters set) {
    previous.resize(raw.size(), 0);
    for (int type = 0; type < 5; ++type) {
      outputs[type].assign(raw.size(), 0);
      for (size_t i = 0; i < raw.size(); ++i) {
        const int a = i >= offset ? raw[i - offset] : 0, b = previous[i], c = i >= offset ? previous[i - offset] : 0;
        const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
        const int paeth = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
        const int predictor[5] = {0, a, b, (a + b) / 2, paeth};
        outputs[type][i] = static_cast<uint8_t>(raw[i] - predictor[type]);
      }
    }
    previous = raw;
    std::vector<int> members;
    for (int type = 0; type < 5; ++type)
      if (set.Contains(static_cast<TFilter>(type))) members.push_back(type);
    if (members.size() == 1) return members[0];
    int best = 0, longest = 0;
    for (int type : members) {
      int run = 0;
      for (size_t k = 2; k < raw.size(); ++k)
        if (outputs[type][k] == outputs[type][k - 1] || outputs[type][k] == outputs[type][k - 2]) ++run;
      if (run > longest) {
        best = type;
        longest = run;
      }
    }
    return best;
  }
};

TEST(PngEncode, FilterChoiceFollowsTheRule) {
  const TFilters sets[] = {TFilters{},
                           TFilters{pfNone},
                           TFilters{pfAverage},
                           TFilters{pfSub, pfUp},
                           TFilters{pfUp, pfPaeth},
                           TFilters{pfNone, pfSub, pfUp, pfAverage, pfPaeth},
                           TFilters{pfSub, pfAverage, pfPaeth}};
  uint32_t seed = 99;
  const auto next = [&seed](int range) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % range);
  };
  for (const TFilters& set : sets)
    for (uint32_t offset : {1u, 3u, 4u})
      for (uint32_t rowBytes : {1u, 2u, 5u, 12u, 24u}) {
        TPngRowFilter filter(set, rowBytes, offset);
        ReferenceFilter reference;
        for (int row = 0; row < 6; ++row) {
          Bytes raw(rowBytes);
          const int palette = 1 + next(4);  // few distinct values make runs likely
          for (auto& byte : raw) byte = static_cast<uint8_t>(next(palette) * 40);
          const int expected = reference.Choose(raw, offset, set);
          const uint8_t chosen = filter.FilterToEncode(raw.data());
          ASSERT_EQ(chosen, expected) << "offset " << offset << " bytes " << rowBytes << " row " << row;
          ASSERT_EQ(Bytes(filter.Output(chosen), filter.Output(chosen) + rowBytes), reference.outputs[chosen]);
        }
      }
}

TEST(PngEncode, FilterTiesGoToTheLowerTypeAndNoScoreToNone) {
  TPngRowFilter filter(TFilters{pfSub, pfUp}, 6, 1);
  const Bytes constant(6, 7);  // Sub: 7 0 0 0 0 0, Up: 7 7 7 7 7 7, both run 4
  EXPECT_EQ(filter.FilterToEncode(constant.data()), pfSub);
  TPngRowFilter narrow(TFilters{pfSub, pfUp}, 2, 1);
  const Bytes two{1, 2};
  EXPECT_EQ(narrow.FilterToEncode(two.data()), pfNone);
  EXPECT_EQ(Bytes(narrow.Output(pfNone), narrow.Output(pfNone) + 2), two);
}

// --- Samples, gamma and the chunks around the image ---------------------------------------

TEST(PngEncode, EightBitPictureWithoutGammaKeepsTheFileSamples) {
  const Expected e = ReadExpected("c2_d8_33x7_plain");
  const auto png = LoadFixture("c2_d8_33x7_plain");
  png->Filters = TFilters{};
  const Bytes data = InflatedImageData(SaveBytes(*png));
  ASSERT_EQ(data.size(), 7u * (33 * 3 + 1));
  for (int y = 0; y < 7; ++y)
    for (int i = 0; i < 33 * 3; ++i) ASSERT_EQ(data[y * 100 + 1 + i], e.rows[y][i]) << y << "," << i;
}

TEST(PngEncode, SixteenBitLowBytesAreWritten) {
  const Expected e = ReadExpected("c2_d16_33x7_plain");
  const auto png = LoadFixture("c2_d16_33x7_plain");
  png->Filters = TFilters{};
  const Bytes data = InflatedImageData(SaveBytes(*png));
  const int rowBytes = 33 * 6;
  for (int y = 0; y < 7; ++y)
    for (int i = 0; i < 33 * 3; ++i) {
      const int sample = data[y * (rowBytes + 1) + 1 + 2 * i] << 8 | data[y * (rowBytes + 1) + 2 + 2 * i];
      ASSERT_EQ(sample, e.rows[y][i]) << y << "," << i;
    }
}

TEST(PngEncode, GammaPicturesKeepTheirStoredSamples) {
  const auto png = LoadFixture("gamma_rgb");
  ExpectSameImage(*png, *LoadBytes(SaveBytes(*png)));
  TPNGObject copy;
  copy.AssignPNG(png.get());
  ExpectSameImage(*png, *LoadBytes(SaveBytes(copy)));
}

TEST(PngEncode, ChunksAroundTheImageSurvive) {
  const Bytes original = FixtureBytes("ancillary");
  const auto png = LoadBytes(original);
  const Bytes written = SaveBytes(*png);
  const std::vector<std::string> names = WrittenChunkNames(written);
  EXPECT_EQ(names, ChunkNames(*png));
  EXPECT_EQ(std::count(names.begin(), names.end(), "cHRM"), 0);
  const auto dataOf = [](const Bytes& file, const std::string& name) {
    for (const ParsedChunk& chunk : ParseChunks(file))
      if (chunk.name == name) return chunk.data;
    ADD_FAILURE() << "no " << name;
    return Bytes();
  };
  for (const char* name : {"tEXt", "tIME", "pHYs", "ruSt"}) EXPECT_EQ(dataOf(written, name), dataOf(original, name)) << name;
  const auto again = LoadBytes(written);
  const auto* text = again->Chunks().FindChunk<TChunkzTXt>();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Keyword, "Comment");
  EXPECT_EQ(text->Text, "compressed words");
  EXPECT_LT(text->GetIndex(), again->Chunks().FindChunk<TChunkIDAT>()->GetIndex());

  const auto transparent = LoadFixture("trns_rgb16");
  const Bytes withTrns = SaveBytes(*transparent);
  EXPECT_EQ(dataOf(withTrns, "tRNS"), dataOf(FixtureBytes("trns_rgb16"), "tRNS"));
  EXPECT_EQ(dataOf(SaveBytes(*LoadFixture("gamma_rgb")), "gAMA"), dataOf(FixtureBytes("gamma_rgb"), "gAMA"));
}

TEST(PngEncode, FailingCompressorRaisesAndLeavesThePicture) {
  const auto png = LoadFixture("c6_d8_33x7_plain");
  png->CompressionLevel = 10;
  try {
    SaveBytes(*png);
    ADD_FAILURE() << "level 10 was accepted";
  } catch (const EPNGZLIBError& error) {
    EXPECT_NE(std::string(error.Message().c_str()).find("(-2)"), std::string::npos) << error.Message().c_str();
  }
  png->CompressionLevel = 7;
  ExpectSameImage(*LoadFixture("c6_d8_33x7_plain"), *LoadBytes(SaveBytes(*png)));
}

}  // namespace
