// The chunk list: typed construction, where added chunks go, what reading keeps, and
// the ancillary chunks' data.
#include <gtest/gtest.h>

#include <typeinfo>

#include "png_test_support.h"

using namespace pngtest;
using Names = std::vector<std::string>;

namespace {

struct TypedCase {
  unsigned colorType;
  unsigned bitDepth;
  bool valid;
  unsigned heldDepth;
  Names chunks;
};

class PngTypedConstructor : public testing::TestWithParam<TypedCase> {};

TEST_P(PngTypedConstructor, MakesOnlyAllowedPairs) {
  const TypedCase& c = GetParam();
  if (!c.valid) {
    EXPECT_THROW(TPNGObject(c.colorType, c.bitDepth, 4, 4), EPNGInvalidSpec);
    return;
  }
  TPNGObject png(c.colorType, c.bitDepth, 5, 3);
  EXPECT_EQ(png.GetHeader()->BitDepth(), c.heldDepth);
  EXPECT_EQ(png.Width(), 5);
  EXPECT_EQ(png.Height(), 3);
  EXPECT_EQ(ChunkNames(png), c.chunks);
  if (auto* palette = png.Chunks().FindChunk<TChunkPLTE>()) EXPECT_EQ(palette->Count(), 1 << c.heldDepth);
  EXPECT_EQ(png.GetScanline(1)[0], 0);
}

const Names kPlain{"IHDR", "IDAT", "IEND"};
const Names kPalette{"IHDR", "PLTE", "IDAT", "IEND"};

INSTANTIATE_TEST_SUITE_P(Pairs, PngTypedConstructor,
                         testing::Values(TypedCase{3, 16, false, 0, {}}, TypedCase{2, 4, false, 0, {}},
                                         TypedCase{6, 1, false, 0, {}}, TypedCase{5, 8, false, 0, {}},
                                         TypedCase{0, 2, true, 4, kPlain}, TypedCase{0, 16, true, 16, kPlain},
                                         TypedCase{2, 8, true, 8, kPlain}, TypedCase{3, 2, true, 4, kPalette},
                                         TypedCase{3, 8, true, 8, kPalette}, TypedCase{6, 16, true, 16, kPlain}),
                         [](const testing::TestParamInfo<TypedCase>& info) {
                           return "type" + std::to_string(info.param.colorType) + "_depth" +
                                  std::to_string(info.param.bitDepth);
                         });

TEST(PngChunks, TypedConstructorRefusesAnEmptySize) {
  EXPECT_THROW(TPNGObject(2, 8, 0, 5), EPNGInvalidSpec);
  EXPECT_THROW(TPNGObject(2, 8, 5, -1), EPNGInvalidSpec);
}

TEST(PngChunks, AddPutsEachKindInItsPlace) {
  TPNGObject palette(3, 4, 2, 2);
  palette.Chunks().Add<TChunktEXt>();
  palette.Chunks().Add<TChunktRNS>();
  palette.Chunks().Add<TChunkgAMA>();
  EXPECT_EQ(ChunkNames(palette), (Names{"IHDR", "gAMA", "PLTE", "tRNS", "IDAT", "tEXt", "IEND"}));
  TPNGObject rgb(2, 8, 2, 2);
  rgb.Chunks().Add<TChunktRNS>();
  rgb.Chunks().Add<TChunkpHYs>();
  EXPECT_EQ(ChunkNames(rgb), (Names{"IHDR", "pHYs", "tRNS", "IDAT", "IEND"}));
}

TEST(PngChunks, AddRefusesSecondsCriticalsAndIncompleteLists) {
  TPNGObject png(2, 8, 2, 2);
  png.Chunks().Add<TChunktRNS>();
  const auto messageOf = [](auto add) {
    try {
      add();
    } catch (const EPngError& e) {
      return e.Message();
    }
    return AnsiString("nothing raised");
  };
  EXPECT_EQ(messageOf([&] { png.Chunks().Add<TChunktRNS>(); }), PngText(EPNGCannotAddChunkText));
  EXPECT_EQ(messageOf([&] { png.Chunks().Add<TChunkPLTE>(); }), PngText(EPNGCannotAddChunkText));
  TPNGObject empty;
  EXPECT_EQ(messageOf([&] { empty.Chunks().Add<TChunktEXt>(); }), PngText(EPNGCannotAddInvalidImageText));
}

TEST(PngChunks, ReadingDropsChrmAndKeepsUnknownAncillaryChunksInPlace) {
  const auto png = LoadFixture("ancillary");
  const Names read{"IHDR", "tEXt", "zTXt", "tIME", "pHYs", "ruSt", "IDAT", "IEND"};
  EXPECT_EQ(ChunkNames(*png), read);
  const Bytes written = SaveBytes(*png);
  EXPECT_EQ(WrittenChunkNames(written), read);
  const Bytes ruSt = Chunk("ruSt", Bytes{'k', 'e', 'p', 't', ' ', 'r', 'a', 'w'});
  EXPECT_NE(std::search(written.begin(), written.end(), ruSt.begin(), ruSt.end()), written.end());
  EXPECT_EQ(typeid(*png->Chunks().GetItem(5)), typeid(TChunk));
}

TEST(PngChunks, AncillaryFieldsAreDecoded) {
  const auto png = LoadFixture("ancillary");
  const TPNGList& chunks = png->Chunks();
  auto* text = chunks.FindChunk<TChunktEXt>();  // the first text chunk of either kind
  EXPECT_EQ(text->Keyword, "Title");
  EXPECT_EQ(text->Text, "abc");
  auto* compressed = chunks.FindChunk<TChunkzTXt>();
  EXPECT_EQ(compressed->Keyword, "Comment");
  EXPECT_EQ(compressed->Text, "compressed words");
  auto* time = chunks.FindChunk<TChunktIME>();
  EXPECT_EQ(time->Year, 2024);
  EXPECT_EQ(time->Month, 5);
  EXPECT_EQ(time->Second, 9);
  auto* physical = chunks.FindChunk<TChunkpHYs>();
  EXPECT_EQ(physical->PPUnitX, 3780u);
  EXPECT_EQ(physical->UnitType, utMeter);
  EXPECT_TRUE(png->HasPixelInformation());
}

TEST(PngChunks, PixelInformationIsAddedInMetresWhenMissing) {
  TPNGObject png(2, 8, 2, 2);
  EXPECT_FALSE(png.HasPixelInformation());
  TChunkpHYs* physical = png.GetPixelInformation();
  EXPECT_EQ(physical->UnitType, utMeter);
  EXPECT_EQ(physical->PPUnitX, 0u);
  EXPECT_EQ(png.GetPixelInformation(), physical);
  EXPECT_EQ(ChunkNames(png), (Names{"IHDR", "pHYs", "IDAT", "IEND"}));
}

// Writes one chunk alone and reads it back into a fresh chunk of the same class.
template <class T>
T* RoundTrip(TPNGObject& owner, TChunk* chunk, Bytes* written = nullptr) {
  TMemoryStream stream;
  EXPECT_TRUE(chunk->SaveToStream(&stream));
  const auto* begin = static_cast<const uint8_t*>(stream.Memory());
  if (written != nullptr) *written = Bytes(begin, begin + stream.Size());
  stream.SetPosition(0);
  uint8_t head[8];
  stream.Read(head, 8);
  auto* copy = new T(&owner);
  owner.Chunks().Append(copy);
  copy->LoadFromStream(&stream, reinterpret_cast<const char*>(head + 4), ReadBigEndian32(head));
  return copy;
}

TEST(PngChunks, TextChunkSavesKeywordZeroText) {
  TPNGObject png(2, 8, 1, 1);
  png.AddtEXt("Title", "abc");
  Bytes written;
  RoundTrip<TChunktEXt>(png, png.Chunks().FindChunk<TChunktEXt>(), &written);
  EXPECT_EQ(written, Chunk("tEXt", Bytes{'T', 'i', 't', 'l', 'e', 0, 'a', 'b', 'c'}));
}

TEST(PngChunks, TextWithoutSeparatorLoadsWithEmptyText) {
  const Bytes bytes = FixtureBytes("c2_d8_3x3_plain");
  const Bytes withText = Concat({Bytes(bytes.begin(), bytes.begin() + 33), Chunk("tEXt", Bytes{'a', 'b', 'c', 'd'}),
                                 Bytes(bytes.begin() + 33, bytes.end())});
  const auto png = LoadBytes(withText);
  auto* text = png->Chunks().FindChunk<TChunktEXt>();
  EXPECT_EQ(text->Keyword, "abcd");
  EXPECT_EQ(text->Text, "");
}

TEST(PngChunks, CompressedTextPastOneOutputStepRoundTrips) {
  TPNGObject png(2, 8, 1, 1);
  AnsiString text;
  uint32_t state = 99;
  for (int i = 0; i < 3000; ++i) {
    state = state * 1103515245u + 12345u;
    text += static_cast<char>('!' + (state >> 16) % 90);
  }
  png.AddzTXt("Story", text);
  Bytes written;
  auto* copy = RoundTrip<TChunkzTXt>(png, png.Chunks().FindChunk<TChunkzTXt>(), &written);
  EXPECT_GT(written.size(), 12u + 6u + 256u);
  EXPECT_EQ(copy->Keyword, "Story");
  EXPECT_EQ(copy->Text, text);
}

TEST(PngChunks, CompressedEmptyTextIsWrittenAsASpace) {
  TPNGObject png(2, 8, 1, 1);
  png.AddzTXt("Empty", "");
  auto* copy = RoundTrip<TChunkzTXt>(png, png.Chunks().FindChunk<TChunkzTXt>());
  EXPECT_EQ(png.Chunks().FindChunk<TChunkzTXt>()->Text, " ");
  EXPECT_EQ(copy->Text, " ");
}

TEST(PngChunks, TimeOfWrongLengthKeepsItsFieldsAndSavesSeven) {
  TPNGObject png(2, 8, 1, 1);
  auto* time = png.Chunks().Add<TChunktIME>();
  time->Year = 1999;
  time->Month = 12;
  const Bytes bytes = Chunk("tIME", Bytes(8, 7));
  TMemoryStream stream;
  stream.Write(bytes.data() + 8, 12);
  stream.SetPosition(0);
  time->LoadFromStream(&stream, "tIME", 8);
  EXPECT_EQ(time->Year, 1999);
  Bytes written;
  RoundTrip<TChunktIME>(png, time, &written);
  EXPECT_EQ(written, Chunk("tIME", Bytes{0x07, 0xCF, 12, 0, 0, 0, 0}));
}

TEST(PngChunks, TwoBitHeaderIsSavedAsFourBits) {
  const auto png = LoadFixture("c3_d2_3x3_plain");
  EXPECT_EQ(png->GetHeader()->BitDepth(), 2);
  const Bytes written = SaveBytes(*png);
  EXPECT_EQ(written[8 + 8 + 8], 4);
  EXPECT_EQ(png->GetHeader()->BitDepth(), 4);
}

TEST(PngChunks, GammaChunkValueAndAssignment) {
  TPNGObject png(2, 8, 1, 1);
  auto* gamma = png.Chunks().Add<TChunkgAMA>();
  EXPECT_EQ(gamma->GetValue(), 1u);
  gamma->SetValue(45455);
  TPNGObject other(2, 8, 1, 1);
  auto* copy = other.Chunks().Add<TChunkgAMA>();
  copy->Assign(gamma);
  EXPECT_EQ(copy->GetValue(), 45455u);
  EXPECT_THROW(copy->Assign(png.GetHeader()), EPngError);
}

TEST(PngChunks, PaletteItemPastTheCountRaises) {
  const auto png = LoadFixture("c3_d1_3x3_plain");
  auto* palette = png->Chunks().FindChunk<TChunkPLTE>();
  const Expected e = ReadExpected("c3_d1_3x3_plain");
  EXPECT_EQ(palette->GetPaletteItem(1), uint32_t(e.palette[5] | e.palette[4] << 8 | e.palette[3] << 16));
  EXPECT_THROW(palette->GetPaletteItem(2), EPngError);
}

// ---- transparency ----

struct ModeCase {
  const char* fixture;
  TPNGTransparencyMode mode;
  TColor colour;
};

class PngTransparency : public testing::TestWithParam<ModeCase> {};

TEST_P(PngTransparency, ModeAndColour) {
  const auto png = LoadFixture(GetParam().fixture);
  EXPECT_EQ(png->GetTransparencyMode(), GetParam().mode);
  EXPECT_EQ(png->GetTransparentColor(), GetParam().colour);
  EXPECT_EQ(png->Transparent(), GetParam().mode != ptmNone);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, PngTransparency,
    testing::Values(ModeCase{"trns_pal_bit", ptmBit, 0x00FC6C35},  // entry 1: 53, 108, 252
                    ModeCase{"trns_pal_partial", ptmPartial, 0x00FF0700},
                    ModeCase{"trns_pal_lone_half", ptmPartial, 0},
                    ModeCase{"trns_grey8", ptmBit, 0x000A0A0A},
                    ModeCase{"trns_grey16", ptmBit, 0x00121212},
                    ModeCase{"trns_grey2", ptmBit, 0x00555555},
                    ModeCase{"trns_rgb8", ptmBit, 0x001E140A},
                    ModeCase{"trns_rgb16", ptmBit, 0x001E140A},
                    ModeCase{"c6_d8_3x3_plain", ptmPartial, 0},
                    ModeCase{"c2_d8_3x3_plain", ptmNone, 0}),
    [](const testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.fixture); });

TEST(PngTransparencyChanges, SetTransparentColorOnRgbStoresSixBytes) {
  TPNGObject png(2, 8, 2, 2);
  png.SetTransparentColor(0x1E140A);
  auto* transparency = png.Chunks().FindChunk<TChunktRNS>();
  ASSERT_NE(transparency, nullptr);
  EXPECT_EQ(Bytes(transparency->PaletteValues, transparency->PaletteValues + transparency->DataSize()),
            (Bytes{0, 10, 0, 20, 0, 30}));
  EXPECT_EQ(png.GetTransparencyMode(), ptmBit);
  EXPECT_EQ(png.GetTransparentColor(), 0x1E140A);
}

TEST(PngTransparencyChanges, SixteenBitColourReadsBackWhatWasSet) {
  TPNGObject png(2, 16, 2, 2);
  png.SetTransparentColor(0x1E140A);
  EXPECT_EQ(png.GetTransparentColor(), 0x1E140A);
}

TEST(PngTransparencyChanges, AlphaImagesRefuseATransparentColour) {
  TPNGObject png(6, 8, 2, 2);
  try {
    png.SetTransparentColor(clRed);
    FAIL();
  } catch (const EPNGCannotChangeTransparent& e) {
    EXPECT_EQ(e.Message(), PngText(EPNGCannotChangeTransparentText));
  }
}

TEST(PngTransparencyChanges, PaletteColourMissingFromThePaletteKeepsTheOldTransparency) {
  const auto png = LoadFixture("trns_pal_bit");
  const TColor before = png->GetTransparentColor();
  png->SetTransparentColor(0x123456);
  EXPECT_EQ(png->GetTransparentColor(), before);
  EXPECT_EQ(png->GetTransparencyMode(), ptmBit);
  const auto plain = LoadFixture("c3_d1_3x3_plain");
  plain->SetTransparentColor(0x123456);
  EXPECT_EQ(plain->Chunks().FindChunk<TChunktRNS>(), nullptr);
  const Expected e = ReadExpected("c3_d1_3x3_plain");
  const TColor second = e.palette[3] | e.palette[4] << 8 | e.palette[5] << 16;
  plain->SetTransparentColor(second);
  EXPECT_EQ(plain->GetTransparentColor(), second);
  EXPECT_EQ(plain->Chunks().FindChunk<TChunktRNS>()->DataSize(), 2u);
}

}  // namespace
