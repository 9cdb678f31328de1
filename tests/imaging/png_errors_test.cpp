// Broken PNG streams: each is rejected with exactly its exception class and text, and no
// damage makes the reader crash or hang.
#include <gtest/gtest.h>

#include <typeinfo>

#include "classlib/graphics/Bitmap.h"

#include "png_test_support.h"

using namespace pngtest;

namespace {

struct BrokenCase {
  const char* fixture;
  const std::type_info& type;
  TPngMessage message;
};

// Runs the load and answers the exception it raised (type and message).
struct Outcome {
  const std::type_info* type = nullptr;
  AnsiString message;
};

template <class Load>
Outcome Attempt(Load load) {
  try {
    load();
  } catch (const Exception& e) {
    return {&typeid(e), e.Message()};
  }
  return {};
}

class PngBrokenFiles : public testing::TestWithParam<BrokenCase> {};

TEST_P(PngBrokenFiles, RaiseExactlyTheirClassAndText) {
  const BrokenCase& c = GetParam();
  const Outcome outcome = Attempt([&] { LoadFixture(c.fixture); });
  ASSERT_NE(outcome.type, nullptr) << c.fixture << " loaded";
  EXPECT_EQ(*outcome.type, c.type) << c.fixture << " raised " << outcome.type->name();
  EXPECT_EQ(outcome.message, PngText(c.message)) << c.fixture;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PngBrokenFiles,
    testing::Values(
        BrokenCase{"bad_short_signature", typeid(EPNGInvalidFileHeader), EPNGInvalidFileHeaderText},
        BrokenCase{"bad_signature", typeid(EPNGInvalidFileHeader), EPNGInvalidFileHeaderText},
        BrokenCase{"bad_ihdr_not_first", typeid(EPNGIHDRNotFirst), EPNGIHDRNotFirstText},
        BrokenCase{"bad_unknown_critical", typeid(EPNGUnknownCriticalChunk), EPNGUnknownCriticalChunkText},
        BrokenCase{"bad_flipped_byte", typeid(EPngInvalidCRC), EPNGInvalidCRCText},
        BrokenCase{"bad_ihdr_12", typeid(EPngInvalidIHDR), EPNGInvalidIHDRText},
        BrokenCase{"bad_width_65536", typeid(EPNGSizeExceeds), EPNGSizeExceedsText},
        BrokenCase{"bad_interlace_2", typeid(EPNGUnknownInterlace), EPNGUnknownInterlaceText},
        BrokenCase{"bad_no_idat", typeid(EPNGNoImageData), EPNGNoImageDataText},
        BrokenCase{"bad_end_before_iend", typeid(EPngUnexpectedEnd), EPNGUnexpectedEndText},
        BrokenCase{"bad_plte_770", typeid(EPNGInvalidPalette), EPNGInvalidPaletteText},
        BrokenCase{"bad_trns_257", typeid(EPNGInvalidPalette), EPNGInvalidPaletteText},
        BrokenCase{"bad_crc_middle_idat", typeid(EPngInvalidCRC), EPNGInvalidCRCText},
        BrokenCase{"bad_idat_then_iend", typeid(EPNGMissingMultipleIDAT), EPNGMissingMultipleIDATText},
        BrokenCase{"bad_pair", typeid(EPngInvalidIHDR), EPNGInvalidIHDRText},
        BrokenCase{"bad_zero_width", typeid(EPngInvalidIHDR), EPNGInvalidIHDRText},
        BrokenCase{"bad_huge_length", typeid(EPngUnexpectedEnd), EPNGUnexpectedEndText},
        BrokenCase{"bad_length_past_end", typeid(EPngUnexpectedEnd), EPNGUnexpectedEndText},
        BrokenCase{"bad_end_inside_idat", typeid(EPngUnexpectedEnd), EPNGUnexpectedEndText}),
    [](const testing::TestParamInfo<BrokenCase>& info) { return std::string(info.param.fixture); });

TEST(PngErrors, CorruptDeflateNamesTheZlibError) {
  const Outcome outcome = Attempt([] { LoadFixture("bad_deflate"); });
  ASSERT_NE(outcome.type, nullptr);
  EXPECT_EQ(*outcome.type, typeid(EPNGZLIBError));
  EXPECT_EQ(outcome.message, PngText(EPNGZLIBErrorText) + "data error (-3)");
}

TEST(PngErrors, TextsKeepTheirExactWording) {
  EXPECT_EQ(PngText(EPNGIHDRNotFirstText),
            "This \"Portable Network Graphics\" image is not supported or it might be invalid.\r\n"
            "(IHDR chunk is not the first)");
  EXPECT_EQ(PngText(EPNGZLIBErrorText),
            "Could not decompress the image because it contains invalid compressed data.\r\n Description: ");
  EXPECT_EQ(PngText(EPNGUnexpectedEndText),
            "This \"Portable Network Graphics\" image is invalid because the decoder found an unexpected end "
            "of the file.");
  EXPECT_EQ(ZlibResultText(-6), "incompatible version (-6)");
  EXPECT_EQ(ZlibResultText(2), "need dictionary (2)");
  EXPECT_EQ(TPNGObject::GetLibraryVersion(), "1.564");
}

TEST(PngErrors, IhdrNotFirstLeavesTheListEmpty) {
  TPNGObject png;
  TMemoryStream stream;
  const Bytes bytes = FixtureBytes("bad_ihdr_not_first");
  stream.Write(bytes.data(), static_cast<int>(bytes.size()));
  stream.SetPosition(0);
  EXPECT_THROW(png.LoadFromStream(&stream), EPNGIHDRNotFirst);
  EXPECT_EQ(png.Chunks().Count(), 0u);
  EXPECT_TRUE(png.Empty());
}

TEST(PngErrors, AFailureKeepsTheChunksReadBeforeIt) {
  TPNGObject png;
  const Bytes bytes = FixtureBytes("bad_unknown_critical");
  TMemoryStream stream;
  stream.Write(bytes.data(), static_cast<int>(bytes.size()));
  stream.SetPosition(0);
  EXPECT_THROW(png.LoadFromStream(&stream), EPNGUnknownCriticalChunk);
  EXPECT_EQ(ChunkNames(png), (std::vector<std::string>{"IHDR", "BLOB"}));
}

TEST(PngErrors, StorageTooLargeForTheSystemLeavesThePictureEmpty) {
  TPNGObject png;
  Bytes header(13, 0);
  WriteBigEndian32(header.data(), 65535);
  WriteBigEndian32(header.data() + 4, 65535);
  header[8] = 16;
  header[9] = COLOR_RGBALPHA;
  const Bytes bytes = Concat({Signature(), Chunk("IHDR", header), Chunk("IDAT", {}), Chunk("IEND", {})});
  TMemoryStream stream;
  stream.Write(bytes.data(), static_cast<int>(bytes.size()));
  stream.SetPosition(0);
  try {
    png.LoadFromStream(&stream);
    FAIL() << "loaded";
  } catch (const Exception& e) {
    EXPECT_EQ(typeid(e), typeid(EPNGOutMemory));
    EXPECT_EQ(e.Message(), PngText(EPNGOutMemoryText));
  }
  EXPECT_TRUE(png.Empty());
  EXPECT_EQ(png.Width(), 0);
}

// A small 32-bit drawing surface shared by the damage tests.
TCanvas* Canvas() {
  static TBitmap bitmap;
  if (bitmap.Empty()) bitmap.SetSize(4, 4);
  return bitmap.Canvas();
}

// Every outcome of damaged input is a picture or an exception of the PNG family.
bool IsPngFailure(const std::type_info& type) {
  static const std::type_info* const kinds[] = {
      &typeid(EPNGNoImageData),   &typeid(EPngError),           &typeid(EPNGOutMemory),
      &typeid(EPngInvalidCRC),    &typeid(EPngInvalidIHDR),     &typeid(EPNGMissingMultipleIDAT),
      &typeid(EPNGZLIBError),     &typeid(EPNGInvalidPalette),  &typeid(EPNGInvalidFileHeader),
      &typeid(EPNGIHDRNotFirst),  &typeid(EPNGSizeExceeds),     &typeid(EPNGUnknownCriticalChunk),
      &typeid(EPNGUnknownCompression), &typeid(EPNGUnknownInterlace), &typeid(EPngUnexpectedEnd),
      &typeid(EPNGHeaderNotPresent)};
  for (const std::type_info* kind : kinds) {
    if (*kind == type) return true;
  }
  return false;
}

// Whatever was read, the picture can still be asked for pixels and drawn.
void ExpectPictureOrPngFailure(const Bytes& bytes, const std::string& what) {
  TPNGObject png;
  TMemoryStream stream;
  stream.Write(bytes.data(), static_cast<int>(bytes.size()));
  stream.SetPosition(0);
  const Outcome outcome = Attempt([&] { png.LoadFromStream(&stream); });
  if (outcome.type != nullptr) EXPECT_TRUE(IsPngFailure(*outcome.type)) << what << ": " << outcome.type->name();
  png.GetPixels(0, 0);
  png.SetPixels(0, 0, clRed);
  const Outcome drawn = Attempt([&] { png.Draw(Canvas(), Rect(0, 0, 4, 4)); });
  if (drawn.type != nullptr) EXPECT_TRUE(IsPngFailure(*drawn.type)) << what << " drawing: " << drawn.type->name();
}

class PngDamage : public testing::TestWithParam<const char*> {};

TEST_P(PngDamage, TruncatedAtEveryOffset) {
  const Bytes good = FixtureBytes(GetParam());
  for (size_t length = 0; length < good.size(); ++length) {
    ExpectPictureOrPngFailure(Bytes(good.begin(), good.begin() + length), "cut at " + std::to_string(length));
  }
}

TEST_P(PngDamage, EveryByteFlippedWithAndWithoutCrcRepair) {
  const Bytes good = FixtureBytes(GetParam());
  for (size_t at = 0; at < good.size(); ++at) {
    for (uint8_t mask : {uint8_t{0x01}, uint8_t{0x80}, uint8_t{0xFF}}) {
      Bytes bad = good;
      bad[at] ^= mask;
      ExpectPictureOrPngFailure(bad, "flipped " + std::to_string(at));
      FixCrcs(bad);
      ExpectPictureOrPngFailure(bad, "flipped with CRC " + std::to_string(at));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Small, PngDamage,
                         testing::Values("c3_d2_3x3_plain", "c6_d16_3x3_adam7", "c0_d1_1x40_adam7"));

}  // namespace
