// Decoding: every fixture's storage is what the samples python3-png read from it give by
// the storage mappings (rows, colour table, alpha, low bytes, gamma on colour samples).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "png_test_support.h"

using namespace pngtest;

namespace {

class PngConformance : public testing::TestWithParam<std::string> {};

// Compares pixel (x, y) of the storage with the file's samples.
void ExpectPixel(const TPNGObject& png, const Expected& e, int x, int y) {
  const TChunkIHDR* header = png.GetHeader();
  const std::vector<int>& row = e.rows[y];
  const int channels = e.colorType == 0 || e.colorType == 3 ? 1 : e.colorType == 4 ? 2 : e.colorType == 2 ? 3 : 4;
  const auto sample = [&](int c) { return row[x * channels + c]; };
  const bool wide = e.bitDepth == 16;
  const auto high = [&](int c) { return wide ? sample(c) >> 8 : sample(c); };
  const auto low = [&](int c) { return sample(c) & 0xFF; };
  const uint8_t* stored = png.GetScanline(y);
  const uint8_t* extra = png.GetExtraScanline(y);
  const uint8_t* alpha = png.GetAlphaScanline(y);
  const uint8_t* gamma = png.GammaTable;
  const std::string where = "pixel " + std::to_string(x) + "," + std::to_string(y);
  switch (e.colorType) {
    case 0:
    case 3: {
      const int index = StoredIndex(stored, x, header->StorageBits());
      const int expected = e.bitDepth == 2 && e.colorType == 0 ? 5 * sample(0) : high(0);
      ASSERT_EQ(index, expected) << where;
      if (wide) ASSERT_EQ(extra[x], low(0)) << where;
      break;
    }
    case 4:
      ASSERT_EQ(stored[x], high(0)) << where;
      ASSERT_EQ(alpha[x], high(1)) << where;
      if (wide) ASSERT_EQ(extra[x], low(0)) << where;
      break;
    default:
      for (int c = 0; c < 3; ++c) {
        ASSERT_EQ(stored[3 * x + 2 - c], gamma[high(c)]) << where << " channel " << c;
        if (wide) ASSERT_EQ(extra[3 * x + 2 - c], gamma[low(c)]) << where << " channel " << c;
      }
      if (e.colorType == 6) ASSERT_EQ(alpha[x], high(3)) << where;
      break;
  }
}

TEST_P(PngConformance, StorageMatchesTheDecodedSamples) {
  const Expected e = ReadExpected(GetParam());
  const auto png = LoadFixture(GetParam());
  const TChunkIHDR* header = png->GetHeader();
  ASSERT_EQ(png->Width(), e.width);
  ASSERT_EQ(png->Height(), e.height);
  ASSERT_EQ(header->ColorType(), e.colorType);
  ASSERT_EQ(header->BitDepth(), e.bitDepth);
  ASSERT_EQ(png->InterlaceMethod, e.interlace);
  EXPECT_EQ(png->GetExtraScanline(0) != nullptr, e.bitDepth == 16);
  EXPECT_EQ(png->GetAlphaScanline(0) != nullptr, e.colorType == 4 || e.colorType == 6);
  for (int y = 0; y < e.height; ++y) {
    for (int x = 0; x < e.width; ++x) ExpectPixel(*png, e, x, y);
  }
  const RGBQUAD* colours = header->BitmapInfoPtr()->bmiColors;
  for (size_t i = 0; i < e.palette.size() / 3; ++i) {
    EXPECT_EQ(colours[i].rgbRed, e.palette[3 * i]) << "entry " << i;
    EXPECT_EQ(colours[i].rgbGreen, e.palette[3 * i + 1]) << "entry " << i;
    EXPECT_EQ(colours[i].rgbBlue, e.palette[3 * i + 2]) << "entry " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, PngConformance, testing::ValuesIn(DecodableFixtures()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

// Grey levels as GetPixels reports them: 2-bit 3 is white, 1 is 85; 1-bit 1 is white.
TEST(PngDecode, GreyPixelsScaleToFullRange) {
  for (const char* name : {"c0_d1_33x7_plain", "c0_d2_33x7_plain", "c0_d2_33x7_adam7", "c0_d4_33x7_adam7",
                           "c0_d8_33x7_plain", "c0_d16_33x7_plain"}) {
    const Expected e = ReadExpected(name);
    const auto png = LoadFixture(name);
    const int top = (1 << e.bitDepth) - 1;
    for (int y = 0; y < e.height; ++y) {
      for (int x = 0; x < e.width; ++x) {
        const int sample = e.rows[y][x];
        const int level = e.bitDepth == 16 ? sample >> 8 : sample * 255 / top;
        ASSERT_EQ(png->GetPixels(x, y), level * 0x010101) << name << " " << x << "," << y;
      }
    }
  }
}

void ExpectSameStorage(const TPNGObject& a, const TPNGObject& b) {
  ASSERT_EQ(a.Width(), b.Width());
  ASSERT_EQ(a.Height(), b.Height());
  const int rowBytes = a.GetHeader()->BytesPerRow();
  for (int y = 0; y < a.Height(); ++y) {
    EXPECT_EQ(std::memcmp(a.GetScanline(y), b.GetScanline(y), rowBytes), 0) << "row " << y;
  }
}

TEST(PngDecode, Adam7ThreeByThreeEqualsItsPlainTwin) {
  ExpectSameStorage(*LoadFixture("twin_adam7"), *LoadFixture("twin_plain"));
}

TEST(PngDecode, EmptyIdatChunksBetweenOthersAreSteppedOver) {
  const Bytes split = FixtureBytes("split_idat");
  const auto second = std::search(split.begin() + 40, split.end(), std::begin("IDAT"), std::end("IDAT") - 1) - 4;
  const Bytes empty = Chunk("IDAT", {});
  const Bytes withEmpty = Concat({Bytes(split.begin(), second), empty, empty, Bytes(second, split.end())});
  ExpectSameStorage(*LoadBytes(withEmpty), *LoadFixture("split_idat"));
}

TEST(PngDecode, FilterTypeSevenDecodesAsNone) {
  ExpectSameStorage(*LoadFixture("filter7"), *LoadFixture("filter7_twin"));
}

TEST(PngDecode, CompressedStreamEndingEarlyLeavesTheOtherRowsZero) {
  const auto early = LoadFixture("early_zlib_end");
  const auto whole = LoadFixture("filter0");
  const int rowBytes = 33 * 3;
  for (int y = 0; y < 3; ++y) EXPECT_EQ(std::memcmp(early->GetScanline(y), whole->GetScanline(y), rowBytes), 0);
  for (int y = 3; y < 7; ++y) {
    for (int i = 0; i < rowBytes; ++i) ASSERT_EQ(early->GetScanline(y)[i], 0) << "row " << y;
  }
}

TEST(PngDecode, GammaGoesIntoColourSamplesAndTheGreyRamp) {
  const auto rgb = LoadFixture("gamma_rgb");
  EXPECT_EQ(rgb->GammaTable[128], 186);
  EXPECT_EQ(rgb->InverseTable[186], 128);
  const auto grey = LoadFixture("gamma_grey");
  const Expected e = ReadExpected("gamma_grey");
  EXPECT_EQ(grey->GetScanline(0)[0], e.rows[0][0]);  // stored as in the file
  const RGBQUAD* ramp = grey->GetHeader()->BitmapInfoPtr()->bmiColors;
  for (int i = 0; i < 256; i += 51) EXPECT_EQ(ramp[i].rgbRed, grey->GammaTable[i]) << i;
  EXPECT_EQ(ramp[128].rgbGreen, 186);
}

TEST(PngDecode, GammaValueZeroLeavesTheTablesIdentity) {
  const Bytes bytes = FixtureBytes("c2_d8_3x3_plain");
  Bytes gama(4, 0);
  const Bytes withGamma = Concat({Bytes(bytes.begin(), bytes.begin() + 33), Chunk("gAMA", gama),
                                  Bytes(bytes.begin() + 33, bytes.end())});
  const auto png = LoadBytes(withGamma);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(png->GammaTable[i], i);
}

}  // namespace
