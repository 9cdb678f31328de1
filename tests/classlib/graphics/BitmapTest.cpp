// Bitmaps: pixel formats, BMP reading and writing, bad input, resources and colour maps.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <map>
#include <vector>

#include "GlyphRows.h"
#include "classlib/graphics/Graphics.h"

namespace {

// Fills every byte of every row with a pattern depending on row and column.
void Scribble(TBitmap& bitmap) {
  int used = (bitmap.Width() * TBitmap::BitsPerPixel(bitmap.PixelFormat()) + 7) / 8;
  for (int y = 0; y < bitmap.Height(); ++y) {
    auto* row = static_cast<uint8_t*>(bitmap.ScanLine(y));
    for (int i = 0; i < used; ++i) row[i] = static_cast<uint8_t>(i * 7 + y * 13 + 1);
  }
}

// The bytes that carry pixels (row padding left out).
std::vector<uint8_t> PixelBytes(TBitmap& bitmap) {
  std::vector<uint8_t> bytes;
  int bits = bitmap.Width() * TBitmap::BitsPerPixel(bitmap.PixelFormat());
  for (int y = 0; y < bitmap.Height(); ++y) {
    const auto* row = static_cast<const uint8_t*>(bitmap.ScanLine(y));
    bytes.insert(bytes.end(), row, row + bits / 8);
    if (bits % 8 != 0) bytes.push_back(static_cast<uint8_t>(row[bits / 8] & (0xFF00 >> (bits % 8))));
  }
  return bytes;
}

bool SameColors(const std::vector<RGBQUAD>& a, const std::vector<RGBQUAD>& b) {
  return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(RGBQUAD)) == 0);
}

class BmpRoundTrip : public testing::TestWithParam<TPixelFormat> {};

TEST_P(BmpRoundTrip, SaveThenLoadGivesIdenticalPixelsAndFormat) {
  TBitmap original;
  original.SetPixelFormat(GetParam());
  original.SetSize(13, 7);  // odd width: rows carry padding
  Scribble(original);
  TMemoryStream stream;
  original.SaveToStream(&stream);
  stream.SetPosition(0);
  TBitmap copy;
  copy.LoadFromStream(&stream);
  EXPECT_EQ(stream.Position(), stream.Size());
  EXPECT_EQ(copy.PixelFormat(), GetParam());
  EXPECT_EQ(copy.Width(), 13);
  EXPECT_EQ(copy.Height(), 7);
  EXPECT_EQ(PixelBytes(copy), PixelBytes(original));
  EXPECT_TRUE(SameColors(copy.Colors(), original.Colors()));
}

INSTANTIATE_TEST_SUITE_P(Formats, BmpRoundTrip, testing::Values(pf1bit, pf4bit, pf8bit, pf24bit, pf32bit));

TEST(Bitmap, TwoBmpsInOneStreamReadBackToBack) {
  TBitmap first;
  first.SetPixelFormat(pf8bit);
  first.SetSize(5, 3);
  Scribble(first);
  TBitmap second;
  second.SetPixelFormat(pf24bit);
  second.SetSize(2, 9);
  Scribble(second);
  TMemoryStream stream;
  first.SaveToStream(&stream);
  second.SaveToStream(&stream);
  stream.SetPosition(0);
  TBitmap a;
  TBitmap b;
  a.LoadFromStream(&stream);
  b.LoadFromStream(&stream);
  EXPECT_EQ(PixelBytes(a), PixelBytes(first));
  EXPECT_EQ(PixelBytes(b), PixelBytes(second));
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  EXPECT_EQ(stream.Position(), stream.Size());
}

TEST(Bitmap, TruncatedFileRaisesAndLeavesBitmapEmpty) {
  TBitmap source;
  source.SetPixelFormat(pf24bit);
  source.SetSize(10, 10);
  TMemoryStream whole;
  source.SaveToStream(&whole);
  for (int64_t cut : {int64_t{5}, int64_t{30}, int64_t{60}, whole.Size() - 1}) {
    TMemoryStream truncated;
    truncated.WriteBuffer(whole.Memory(), static_cast<int>(cut));
    truncated.SetPosition(0);
    TBitmap target;
    target.SetSize(4, 4);
    EXPECT_THROW(target.LoadFromStream(&truncated), EInvalidGraphic) << cut;
    EXPECT_TRUE(target.Empty()) << cut;
  }
}

TEST(Bitmap, BadHeadersRaise) {
  TBitmap source;
  source.SetPixelFormat(pf8bit);
  source.SetSize(4, 4);
  TMemoryStream whole;
  source.SaveToStream(&whole);
  struct Damage {
    const char* what;
    int offset;
    int32_t value;
  };
  const Damage damages[] = {
      {"signature", 0, 0x4D41},
      {"absurd width", 18, 1 << 30},
      {"negative width", 18, -4},
      {"absurd height", 22, 1 << 30},
      {"bit count", 28, 7},
      {"compression", 30, 9},
  };
  for (const Damage& d : damages) {
    std::vector<uint8_t> bytes(static_cast<const uint8_t*>(whole.Memory()),
                               static_cast<const uint8_t*>(whole.Memory()) + whole.Size());
    int size = d.offset == 0 || d.offset == 28 ? 2 : 4;
    std::memcpy(bytes.data() + d.offset, &d.value, size);
    TMemoryStream damaged;
    damaged.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
    damaged.SetPosition(0);
    TBitmap target;
    EXPECT_THROW(target.LoadFromStream(&damaged), EInvalidGraphic) << d.what;
    EXPECT_TRUE(target.Empty()) << d.what;
  }
}

// A BMP file made by hand: header fields, then masks or colours, then the bits.
std::vector<uint8_t> HandMadeBmp(int width, int height, int bitCount, DWORD compression,
                                 const std::vector<uint32_t>& table, const std::vector<uint8_t>& bits) {
  BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), width, height, 1, static_cast<WORD>(bitCount), compression,
                        static_cast<DWORD>(bits.size()), 0, 0, 0, 0};
  if (bitCount <= 8) info.biClrUsed = static_cast<DWORD>(table.size());
  uint32_t offset = 14 + sizeof(info) + static_cast<uint32_t>(table.size() * 4);
  std::vector<uint8_t> file(offset + bits.size());
  BITMAPFILEHEADER header{0x4D42, static_cast<DWORD>(file.size()), 0, 0, offset};
  std::memcpy(file.data(), &header, 14);
  std::memcpy(file.data() + 14, &info, sizeof(info));
  std::memcpy(file.data() + 14 + sizeof(info), table.data(), table.size() * 4);
  std::memcpy(file.data() + offset, bits.data(), bits.size());
  return file;
}

TEST(Bitmap, CompressedAndSixteenBitFilesAreRead) {
  struct Case {
    const char* what;
    std::vector<uint8_t> file;
    TPixelFormat format;
    std::vector<std::array<int, 3>> expect;  // x, y, colour
  };
  const uint32_t red = 0x00FF0000;  // as RGBQUAD bytes: blue, green, red, 0
  const uint32_t blue = 0x000000FF;
  const Case cases[] = {
      {"rle8", HandMadeBmp(2, 2, 8, BI_RLE8, {red, blue}, {2, 0, 0, 0, 2, 1, 0, 1}), pf8bit,
       {{0, 0, clBlue}, {1, 0, clBlue}, {0, 1, clRed}, {1, 1, clRed}}},
      {"16-bit 555", HandMadeBmp(2, 1, 16, BI_RGB, {}, {0x00, 0x7C, 0x1F, 0x00}), pf24bit,
       {{0, 0, clRed}, {1, 0, clBlue}}},
      {"16-bit 565 bit fields", HandMadeBmp(2, 1, 16, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F}, {0xE0, 0x07, 0x00, 0xF8}),
       pf24bit, {{0, 0, clLime}, {1, 0, clRed}}},
  };
  for (const Case& c : cases) {
    TMemoryStream stream;
    stream.WriteBuffer(c.file.data(), static_cast<int>(c.file.size()));
    stream.SetPosition(0);
    TBitmap bitmap;
    bitmap.LoadFromStream(&stream);
    EXPECT_EQ(bitmap.PixelFormat(), c.format) << c.what;
    EXPECT_EQ(stream.Position(), stream.Size()) << c.what;
    for (const auto& [x, y, color] : c.expect) {
      EXPECT_EQ(bitmap.Canvas()->Pixels(x, y), color) << c.what << " at " << x << "," << y;
    }
  }
}

TEST(Bitmap, AbsurdSizeRaisesInvalidGraphic) {
  TBitmap bitmap;
  EXPECT_THROW(bitmap.SetSize(100000, 100000), EInvalidGraphic);
  EXPECT_THROW(bitmap.SetSize(-1, 5), EInvalidGraphic);
  EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap, NewlySizedIsZeroAndResizeKeepsOverlap) {
  TBitmap bitmap;
  bitmap.SetSize(6, 4);
  for (int y = 0; y < 4; ++y) {
    const auto* row = static_cast<const uint8_t*>(bitmap.ScanLine(y));
    for (int i = 0; i < 24; ++i) ASSERT_EQ(row[i], 0) << y << "," << i;
  }
  bitmap.Canvas()->SetPixels(1, 1, clRed);
  bitmap.SetSize(10, 8);
  EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clRed);
  EXPECT_EQ(bitmap.Canvas()->Pixels(8, 7), clBlack);
}

TEST(Bitmap, ScanLineZeroIsTheTopRow) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(3, 3);
  bitmap.Canvas()->SetPixels(0, 0, RGB(10, 20, 30));
  const auto* top = static_cast<const uint8_t*>(bitmap.ScanLine(0));
  EXPECT_EQ(top[0], 30);
  EXPECT_EQ(top[1], 20);
  EXPECT_EQ(top[2], 10);
  EXPECT_THROW(bitmap.ScanLine(3), EInvalidGraphicOperation);
}

TEST(Bitmap, PixelFormatChangeConvertsPixels) {
  TBitmap bitmap;
  bitmap.SetSize(4, 4);
  bitmap.Canvas()->SetPixels(2, 1, clWhite);
  bitmap.SetMonochrome(true);
  EXPECT_TRUE(bitmap.Monochrome());
  EXPECT_EQ(bitmap.PixelFormat(), pf1bit);
  EXPECT_EQ(bitmap.Canvas()->Pixels(2, 1), clWhite);
  EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clBlack);
  bitmap.SetPixelFormat(pf24bit);
  EXPECT_EQ(bitmap.Canvas()->Pixels(2, 1), clWhite);
  EXPECT_FALSE(bitmap.Monochrome());
}

TEST(Bitmap, AutomaticTransparentColourIsTheLowerLeftPixel) {
  TBitmap bitmap;
  bitmap.SetSize(3, 3);
  bitmap.Canvas()->SetPixels(0, 2, clTeal);
  EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
  EXPECT_EQ(bitmap.TransparentColor(), clTeal);
  bitmap.SetTransparentColor(clRed);
  EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
  EXPECT_EQ(bitmap.TransparentColor(), clRed);
  bitmap.SetTransparentMode(tmAuto);
  EXPECT_EQ(bitmap.TransparentColor(), clTeal);
}

TEST(Bitmap, DataForFormResourcesRoundTrips) {
  TBitmap original;
  original.SetPixelFormat(pf4bit);
  original.SetSize(9, 5);
  Scribble(original);
  TMemoryStream stream;
  original.WriteData(&stream);
  const int32_t trailer = 0x51525354;
  stream.WriteBuffer(&trailer, sizeof(trailer));
  stream.SetPosition(0);
  TBitmap copy;
  copy.ReadData(&stream);
  EXPECT_EQ(PixelBytes(copy), PixelBytes(original));
  int32_t after = 0;
  stream.ReadBuffer(&after, sizeof(after));
  EXPECT_EQ(after, trailer);
}

TEST(Bitmap, AssignCopiesPixelsAndTransparency) {
  TBitmap original;
  original.SetPixelFormat(pf8bit);
  original.SetSize(5, 5);
  Scribble(original);
  original.SetTransparentColor(clLime);
  original.SetTransparent(true);
  TBitmap copy;
  copy.Assign(&original);
  EXPECT_EQ(copy.PixelFormat(), pf8bit);
  EXPECT_EQ(PixelBytes(copy), PixelBytes(original));
  EXPECT_TRUE(copy.Transparent());
  EXPECT_EQ(copy.TransparentColor(), clLime);
  // The copy is independent.
  copy.Canvas()->SetPixels(0, 0, clWhite);
  EXPECT_NE(PixelBytes(copy), PixelBytes(original));
}

TEST(Bitmap, MissingResourceRaises) {
  TBitmap bitmap;
  EXPECT_THROW(bitmap.LoadFromResourceName(GetModuleHandleA(nullptr), "NO_SUCH_BITMAP"), EResNotFound);
}

const std::map<char, COLORREF>& LetterColors() {
  static const std::map<char, COLORREF> colors{
      {'K', RGB(0, 0, 0)},     {'m', RGB(128, 0, 0)},     {'g', RGB(0, 128, 0)},   {'o', RGB(128, 128, 0)},
      {'n', RGB(0, 0, 128)},   {'p', RGB(128, 0, 128)},   {'t', RGB(0, 128, 128)}, {'S', RGB(192, 192, 192)},
      {'G', RGB(128, 128, 128)}, {'R', RGB(255, 0, 0)},   {'L', RGB(0, 255, 0)},   {'Y', RGB(255, 255, 0)},
      {'B', RGB(0, 0, 255)},   {'F', RGB(255, 0, 255)},   {'A', RGB(0, 255, 255)}, {'W', RGB(255, 255, 255)},
  };
  return colors;
}

TEST(Bitmap, ResourceLoadsWithItsColours) {
  TBitmap bitmap;
  bitmap.LoadFromResourceName(GetModuleHandleA(nullptr), "GLYPH13");
  ASSERT_EQ(bitmap.Width(), 13);
  ASSERT_EQ(bitmap.Height(), 13);
  EXPECT_EQ(bitmap.PixelFormat(), pf4bit);
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < 13; ++x) {
      EXPECT_EQ(bitmap.Canvas()->Pixels(x, y), static_cast<TColor>(LetterColors().at(kGlyphRows[y][x])));
    }
  }
}

TEST(Bitmap, MappedResourceReplacesEveryKeyColour) {
  // Every key letter of the glyph gets a colour of its own; white becomes a system colour.
  std::vector<TColorMap> map;
  std::map<char, TColor> replaced;
  int n = 0;
  for (const auto& [letter, color] : LetterColors()) {
    TColor to = letter == 'W' ? clBtnFace : static_cast<TColor>(RGB(20 + n, 40 + n, 60 + n));
    map.push_back({static_cast<TColor>(color), to});
    replaced[letter] = ColorToRGB(to);
    ++n;
  }
  TBitmap bitmap;
  bitmap.LoadMappedResourceName(GetModuleHandleA(nullptr), "GLYPH13", map);
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < 13; ++x) {
      EXPECT_EQ(bitmap.Canvas()->Pixels(x, y), replaced.at(kGlyphRows[y][x])) << x << "," << y;
    }
  }
}

}  // namespace
