#include <gtest/gtest.h>

#include "bitmap_fixtures.h"
#include "imaging/Bitmap32_DrawingEx.h"
#include "imaging/Bitmap32_Filters.h"

using namespace imaging;
using namespace bitmaptest;

namespace {

constexpr TColor32Components kRGB = 1u << ccRed | 1u << ccGreen | 1u << ccBlue;
constexpr TColor32Components kAlpha = 1u << ccAlpha;

TEST(ClipLine, ClipsBothEndsWithRounding) {
  int x1 = 0, y1 = 0, x2 = 20, y2 = 10;
  EXPECT_TRUE(ClipLine(x1, y1, x2, y2, 5, 0, 15, 10));
  EXPECT_EQ((std::vector<int>{x1, y1, x2, y2}), (std::vector<int>{5, 3, 15, 8}));
}

TEST(ClipLine, Cases) {
  const struct {
    int in[4];
    bool visible;
    int out[4];
  } cases[] = {
      {{-5, 2, -1, 9}, false, {-5, 2, -1, 9}},  // wholly left
      {{6, 1, 9, 4}, true, {6, 1, 9, 4}},       // wholly inside
      {{7, -10, 7, 20}, true, {7, 0, 7, 10}},   // crossing vertically
      {{0, 20, 30, 20}, false, {0, 20, 30, 20}},  // wholly below
      {{15, 10, 5, 0}, true, {15, 10, 5, 0}},   // on the bounds
  };
  for (const auto& c : cases) {
    int x1 = c.in[0], y1 = c.in[1], x2 = c.in[2], y2 = c.in[3];
    EXPECT_EQ(ClipLine(x1, y1, x2, y2, 5, 0, 15, 10), c.visible) << c.in[0] << "," << c.in[1];
    EXPECT_EQ((std::vector<int>{x1, y1, x2, y2}), (std::vector<int>(c.out, c.out + 4))) << c.in[0] << "," << c.in[1];
  }
}

TEST(Filters, CopyComponentsAlphaOnly) {
  const auto src = Indexed(4, 3);
  for (int x = 0; x < 4; ++x) src->SetPixel(x, 1, (src->GetPixel(x, 1) & 0x00FFFFFF) | TColor32(x * 50) << 24);
  const auto dst = Filled(4, 3, 0x11223344);
  CopyComponents(dst.get(), src.get(), kAlpha);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(dst->GetPixel(x, y), (src->GetPixel(x, y) & 0xFF000000) | 0x223344);
  const auto whole = Filled(1, 1, 0);
  CopyComponents(whole.get(), src.get(), kRGB | kAlpha);
  EXPECT_EQ(Pixels(*whole), Pixels(*src));
}

TEST(Filters, CopyComponentsToAPlaceClipsAndReports) {
  const auto src = Filled(4, 4, 0xFFFFFFFF);
  const auto dst = Filled(5, 5, 0);
  TEventLog log;
  dst->OnAreaChanged = log.AreaEvent();
  CopyComponents(dst.get(), 3, 2, src.get(), imaging::TRect{0, 0, 4, 4}, 1u << ccRed);
  EXPECT_EQ(log.lines, std::vector<std::string>{"area 3,2,5,5 rect"});
  EXPECT_EQ(dst->GetPixel(4, 4), 0x00FF0000u);
  EXPECT_EQ(dst->GetPixel(2, 4), 0u);
  EXPECT_THROW(CopyComponents(dst.get(), nullptr, kAlpha), Exception);
}

TEST(Filters, InvertAndInvertRGB) {
  const auto a = Indexed(3, 2);
  const std::vector<TColor32> before = Pixels(*a);
  TBitmap32 b;
  InvertRGB(a.get(), &b);
  EXPECT_EQ(Pixels(*a), before);
  ASSERT_EQ(b.Width(), 3);
  for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(Pixels(b)[i], before[i] ^ 0x00FFFFFFu);
  Invert(a.get(), a.get(), kAlpha);
  for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(Pixels(*a)[i], before[i] ^ 0xFF000000u);
}

TEST(Filters, ChromaKeyMatchesColourAlone) {
  const auto bitmap = Filled(4, 1, 0xFF102030);
  bitmap->SetPixel(1, 0, 0xFF112030);
  bitmap->SetPixel(2, 0, 0xFF102130);
  bitmap->SetPixel(3, 0, 0xFF102031);
  ChromaKey(bitmap.get(), 0x40102030);
  EXPECT_EQ(Pixels(*bitmap), (std::vector<TColor32>{0x00102030, 0xFF112030, 0xFF102130, 0xFF102031}));
}

TEST(Filters, GreyAndAlphaConversions) {
  const auto src = Filled(2, 1, 0x80402010);
  const uint8_t intensity = static_cast<uint8_t>(Intensity(0x80402010));
  TBitmap32 dst;
  ColorToGrayscale(&dst, src.get());
  EXPECT_EQ(dst.GetPixel(1, 0), Gray32(intensity));
  ColorToGrayscale(&dst, src.get(), true);
  EXPECT_EQ(dst.GetPixel(1, 0), Gray32(intensity, 0x80));
  AlphaToGrayscale(&dst, src.get());
  EXPECT_EQ(dst.GetPixel(0, 0), Gray32(0x80));
  dst.Clear(0xFF0000FF);
  IntensityToAlpha(&dst, src.get());
  EXPECT_EQ(dst.GetPixel(0, 0), SetAlpha(0xFF0000FF, intensity));
}

TEST(Filters, ApplyLUTKeepsDestinationAlphaWhenAsked) {
  const auto src = Filled(2, 2, 0x10203040);
  TLUT8 lut{};
  for (int i = 0; i < 256; ++i) lut[i] = static_cast<uint8_t>(255 - i);
  const auto dst = Filled(2, 2, 0x77000000);
  ApplyLUT(dst.get(), src.get(), lut, true);
  EXPECT_EQ(dst->GetPixel(1, 1), 0x77DFCFBFu);
  ApplyLUT(dst.get(), src.get(), lut);
  EXPECT_EQ(dst->GetPixel(1, 1), 0xFFDFCFBFu);
}

TEST(Filters, BitmasksByOperator) {
  EXPECT_EQ(CreateBitmask(kAlpha | 1u << ccGreen), 0xFF00FF00u);
  const auto src = Filled(3, 1, 0x12345678);
  const struct {
    TLogicalOperator op;
    TColor32 expected;
  } cases[] = {{loXOR, 0x12345678u ^ 0x0F0F0F0Fu}, {loAND, 0x12345678u & 0x0F0F0F0Fu}, {loOR, 0x12345678u | 0x0F0F0F0Fu}};
  for (const auto& c : cases) {
    const auto dst = Filled(3, 1, 0);
    ApplyBitmask(dst.get(), 0, 0, src.get(), src->BoundsRect(), 0x0F0F0F0F, c.op);
    EXPECT_EQ(dst->GetPixel(2, 0), c.expected);
    const auto inPlace = Filled(3, 2, 0x12345678);
    ApplyBitmask(inPlace.get(), imaging::TRect{1, 0, 3, 2}, 0x0F0F0F0F, c.op);
    EXPECT_EQ(inPlace->GetPixel(0, 1), 0x12345678u);
    EXPECT_EQ(inPlace->GetPixel(2, 1), c.expected);
  }
  EXPECT_THROW(ApplyBitmask(nullptr, imaging::TRect{0, 0, 1, 1}, 0, loOR), Exception);
}

}  // namespace
