// The picture object: state, pixels and rows, resizing, conversions and its place in the
// class library's picture registry.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "classlib/graphics/Bitmap.h"
#include "imaging/Imaging.h"
#include "png_test_support.h"
#include "test_support.h"

using namespace pngtest;

namespace {

TEST(PngObject, EmptyPictureHasNoHeader) {
  TPNGObject png;
  EXPECT_TRUE(png.Empty());
  EXPECT_EQ(png.Width(), 0);
  EXPECT_EQ(png.Height(), 0);
  EXPECT_FALSE(png.HeaderPresent());
  EXPECT_EQ(png.GetPixels(0, 0), 0);
  EXPECT_THROW(png.GetHeader(), EPNGHeaderNotPresent);
  EXPECT_THROW(png.GetTransparencyMode(), EPNGHeaderNotPresent);
  EXPECT_THROW(png.Resize(2, 2), EPNGHeaderNotPresent);
  EXPECT_FALSE(png.Transparent());
  png.SetTransparentColor(clRed);  // nothing to change
  EXPECT_TRUE(png.Empty());
}

TEST(PngObject, MissingResourceRaisesItsOwnError) {
  TPNGObject png;
  try {
    png.LoadFromResourceName(GetModuleHandleA(nullptr), "NO_SUCH_PICTURE");
    FAIL() << "loaded";
  } catch (const EPNGCouldNotLoadResource& e) {
    EXPECT_EQ(e.Message(), PngText(EPNGCouldNotLoadResourceText));
  }
  EXPECT_THROW(png.LoadFromResourceID(GetModuleHandleA(nullptr), 4711), EPNGCouldNotLoadResource);
}

TEST(PngObject, MaxIdatSizeNeverFallsBelowTheDefault) {
  TPNGObject png;
  png.SetMaxIdatSize(1000);
  EXPECT_EQ(png.MaxIdatSize(), 65535);
  png.SetMaxIdatSize(100000);
  EXPECT_EQ(png.MaxIdatSize(), 100000);
}

struct PixelCase {
  unsigned colorType;
  unsigned bitDepth;
  TColor set;
  TColor got;
};

class PngPixels : public testing::TestWithParam<PixelCase> {};

TEST_P(PngPixels, SetThenGet) {
  const PixelCase& c = GetParam();
  TPNGObject png(c.colorType, c.bitDepth, 9, 4);
  png.SetPixels(7, 2, c.set);
  EXPECT_EQ(png.GetPixels(7, 2), c.got);
  EXPECT_EQ(png.GetPixels(6, 2), png.GetPixels(0, 0)) << "neighbours unchanged";
  png.SetPixels(-1, 0, c.set);
  png.SetPixels(9, 0, c.set);
  EXPECT_EQ(png.GetPixels(-1, 0), 0);
  EXPECT_EQ(png.GetPixels(9, 0), 0);
  EXPECT_EQ(png.GetPixels(0, 4), 0);
}

INSTANTIATE_TEST_SUITE_P(Types, PngPixels,
                         testing::Values(PixelCase{0, 8, 0x646464, 0x646464}, PixelCase{0, 1, 0xF0F0F0, 0xFFFFFF},
                                         PixelCase{0, 4, 0x888888, 0x888888}, PixelCase{3, 8, 0xFFFFFF, 0xFFFFFF},
                                         PixelCase{3, 1, 0x000000, 0x000000}, PixelCase{4, 8, 0x0000C8, 0xC8C8C8},
                                         PixelCase{2, 8, 0x123456, 0x123456}, PixelCase{6, 16, 0x654321, 0x654321}),
                         [](const testing::TestParamInfo<PixelCase>& info) {
                           return "type" + std::to_string(info.param.colorType) + "_depth" +
                                  std::to_string(info.param.bitDepth);
                         });

TEST(PngPixelsSystem, SystemColoursAreResolvedOnColourImages) {
  TPNGObject png(2, 8, 2, 2);
  png.SetPixels(1, 1, clBtnFace);
  EXPECT_EQ(png.GetPixels(1, 1), ColorToRGB(clBtnFace));
}

TEST(PngPixelsSystem, PalettePixelsNeedNoSecondGamma) {
  const Bytes plain = FixtureBytes("c3_d8_3x3_plain");
  Bytes gamma(4);
  WriteBigEndian32(gamma.data(), 100000);
  const auto png = LoadBytes(Concat({Bytes(plain.begin(), plain.begin() + 33), Chunk("gAMA", gamma),
                                     Bytes(plain.begin() + 33, plain.end())}));
  const Expected e = ReadExpected("c3_d8_3x3_plain");
  const int index = e.rows[1][2];
  const uint8_t* table = png->GammaTable;
  const TColor once = table[e.palette[3 * index]] | table[e.palette[3 * index + 1]] << 8 |
                      table[e.palette[3 * index + 2]] << 16;
  EXPECT_EQ(png->GetPixels(2, 1), once);
}

TEST(PngRows, AccessorsAnswerNoneWhereThereIsNoPlane) {
  TPNGObject rgb(2, 8, 3, 3);
  EXPECT_EQ(rgb.GetAlphaScanline(0), nullptr);
  EXPECT_EQ(rgb.GetExtraScanline(0), nullptr);
  TPNGObject rgba(6, 16, 3, 3);
  EXPECT_NE(rgba.GetAlphaScanline(0), nullptr);
  EXPECT_NE(rgba.GetExtraScanline(0), nullptr);
  EXPECT_EQ(rgba.GetScanline(0) - rgba.GetScanline(1), rgba.GetHeader()->BytesPerRow()) << "bottom-up rows";
}

TEST(PngResize, KeepsTopLeftPadsBlackAndOpaque) {
  TPNGObject png(6, 8, 10, 10);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      png.SetPixels(x, y, static_cast<TColor>(x * 20 + y));
      png.GetAlphaScanline(y)[x] = static_cast<uint8_t>(x + 10 * y);
    }
  }
  png.Resize(20, 5);
  ASSERT_EQ(png.Width(), 20);
  ASSERT_EQ(png.Height(), 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 20; ++x) {
      EXPECT_EQ(png.GetPixels(x, y), x < 10 ? static_cast<TColor>(x * 20 + y) : 0) << x << "," << y;
      EXPECT_EQ(png.GetAlphaScanline(y)[x], x < 10 ? x + 10 * y : 255) << x << "," << y;
    }
  }
  EXPECT_THROW(png.Resize(0, 10), EPNGInvalidNewSize);
  png.SetWidth(3);
  EXPECT_EQ(png.Width(), 3);
  EXPECT_EQ(png.Canvas()->Handle(), png.GetHeader()->ImageDC());
}

TEST(PngAlpha, CreateAlphaPerColourType) {
  TPNGObject rgb(2, 8, 3, 2);
  rgb.SetPixels(1, 1, 0x102030);
  rgb.CreateAlpha();
  EXPECT_EQ(rgb.GetHeader()->ColorType(), COLOR_RGBALPHA);
  EXPECT_EQ(rgb.GetTransparencyMode(), ptmPartial);
  EXPECT_EQ(rgb.GetPixels(1, 1), 0x102030);
  for (int x = 0; x < 3; ++x) EXPECT_EQ(rgb.GetAlphaScanline(1)[x], 255);

  TPNGObject palette(3, 4, 3, 2);
  palette.CreateAlpha();
  auto* transparency = palette.Chunks().FindChunk<TChunktRNS>();
  ASSERT_NE(transparency, nullptr);
  EXPECT_EQ(transparency->DataSize(), 16u);
  EXPECT_EQ(transparency->PaletteValues[15], 255);
  EXPECT_EQ(palette.GetTransparencyMode(), ptmPartial);

  const auto grey = LoadFixture("c0_d2_33x7_plain");
  const TColor before = grey->GetPixels(5, 3);
  grey->CreateAlpha();
  EXPECT_EQ(grey->GetHeader()->ColorType(), COLOR_GRAYSCALEALPHA);
  EXPECT_EQ(grey->GetHeader()->StorageBits(), 8);
  EXPECT_EQ(grey->GetPixels(5, 3), before);
  EXPECT_EQ(grey->GetAlphaScanline(3)[5], 255);
}

TEST(PngAlpha, RemoveTransparency) {
  TPNGObject rgba(6, 8, 2, 2);
  rgba.RemoveTransparency();
  EXPECT_EQ(rgba.GetHeader()->ColorType(), COLOR_RGB);
  EXPECT_EQ(rgba.GetAlphaScanline(0), nullptr);
  const auto grey = LoadFixture("trns_grey8");
  grey->RemoveTransparency();
  EXPECT_NE(grey->Chunks().FindChunk<TChunktRNS>(), nullptr);
  const auto palette = LoadFixture("trns_pal_partial");
  palette->RemoveTransparency();
  EXPECT_EQ(palette->Chunks().FindChunk<TChunktRNS>(), nullptr);
  EXPECT_EQ(palette->GetTransparencyMode(), ptmNone);
}

TEST(PngAssign, CopiesEveryChunkTheImageAndBothGammaTables) {
  const auto source = LoadFixture("gamma_rgb");
  TPNGObject copy;
  copy.Assign(source.get());
  EXPECT_EQ(ChunkNames(copy), ChunkNames(*source));
  EXPECT_EQ(copy.GammaTable[128], 186);
  EXPECT_EQ(copy.InverseTable[186], 128);
  for (int y = 0; y < source->Height(); ++y) {
    ASSERT_EQ(std::memcmp(copy.GetScanline(y), source->GetScanline(y), 33 * 3), 0);
  }
  const auto palette = LoadFixture("trns_pal_partial");
  TPNGObject paletteCopy;
  paletteCopy.Assign(palette.get());
  EXPECT_EQ(paletteCopy.GetPixels(1, 0), palette->GetPixels(1, 0));
  EXPECT_EQ(paletteCopy.GetTransparencyMode(), ptmPartial);
  paletteCopy.Assign(nullptr);
  EXPECT_TRUE(paletteCopy.Empty());
}

TEST(PngAssign, ClassLibraryBitmapsBecomeRgbOrPalettePictures) {
  TBitmap colour;
  colour.SetPixelFormat(pf24bit);
  colour.SetSize(4, 3);
  colour.Canvas()->SetPixels(2, 1, 0x336699);
  TPNGObject fromColour;
  fromColour.Assign(&colour);
  EXPECT_EQ(fromColour.GetHeader()->ColorType(), COLOR_RGB);
  EXPECT_EQ(fromColour.GetHeader()->BitDepth(), 8);
  EXPECT_EQ(fromColour.GetPixels(2, 1), 0x336699);
  EXPECT_EQ(ChunkNames(fromColour), (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));

  TBitmap indexed;
  indexed.SetPixelFormat(pf8bit);
  indexed.SetSize(4, 3);
  TPNGObject fromIndexed;
  fromIndexed.Assign(&indexed);
  EXPECT_EQ(fromIndexed.GetHeader()->ColorType(), COLOR_PALETTE);
  EXPECT_EQ(fromIndexed.GetHeader()->BitDepth(), 8);
  EXPECT_EQ(fromIndexed.Chunks().FindChunk<TChunkPLTE>()->Count(), 256);
  EXPECT_EQ(ChunkNames(fromIndexed), (std::vector<std::string>{"IHDR", "PLTE", "IDAT", "IEND"}));
}

// Opens the copy into other pictures that TPersistent::Assign falls back to.
class TAssigningPng : public TPNGObject {
 public:
  using TPNGObject::AssignTo;
};

TEST(PngAssign, ToBitmapChoosesTheFormatAndDraws) {
  TAssigningPng png;
  png.Assign(LoadFixture("c2_d8_33x7_plain").get());
  TBitmap bitmap;
  png.AssignTo(&bitmap);
  EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
  EXPECT_EQ(bitmap.Width(), 33);
  EXPECT_EQ(bitmap.Canvas()->Pixels(5, 4), png.GetPixels(5, 4));
  TAssigningPng palette;
  palette.Assign(LoadFixture("c3_d4_3x3_plain").get());
  palette.AssignTo(&bitmap);
  EXPECT_EQ(bitmap.PixelFormat(), pf4bit);
  EXPECT_EQ(bitmap.Width(), 3);
}

TEST(PngRegistry, PictureFilesNamedPngLoadAsPngObjects) {
  const std::string folder = testsupport::FreshTempFolder("png-registry");
  const std::string path = folder + "\\x.PNG";
  const Bytes bytes = FixtureBytes("c2_d8_3x3_plain");
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  EXPECT_EQ(TPicture::GraphicDescription("png"), "Portable Network Graphics");
  {
    TPicture picture;
    picture.LoadFromFile(path.c_str());
    ASSERT_NE(dynamic_cast<TPNGObject*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 3);
  }
  imaging::FinalizeImaging();
  EXPECT_EQ(TPicture::GraphicClassOf("PNG"), nullptr);
  {
    TPicture picture;
    EXPECT_THROW(picture.LoadFromFile(path.c_str()), Exception);
  }
  imaging::InitializeImaging();
  EXPECT_EQ(TPicture::GraphicClassOf(".png"), TPNGObject::StaticClass());
}

}  // namespace
