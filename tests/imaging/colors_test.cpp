#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "imaging/Bitmap32_Colors.h"

using namespace imaging;

namespace {

TEST(Color32Values, BuiltFromClassLibraryColours) {
  EXPECT_EQ(Color32(0x02FF0000), 0xFF0000FFu);
  EXPECT_EQ(Color32(0x00123456), 0xFF563412u);
  // clBtnFace: the system colour of buttons, made opaque.
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const TColor32 expected = 0xFF000000u | (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
  EXPECT_EQ(Color32(clBtnFace), expected);
  EXPECT_EQ(WinColor(0x80563412), 0x00123456);
}

TEST(Color32Values, BuiltFromPartsAndTakenApart) {
  EXPECT_EQ(Color32(0x12, 0x34, 0x56, 0x78), 0x78123456u);
  EXPECT_EQ(Color32(1, 2, 3), 0xFF010203u);
  TPalette32 palette{};
  palette[7] = 0x11223344;
  EXPECT_EQ(Color32(7, palette), 0x11223344u);
  EXPECT_EQ(Gray32(0x40, 0x80), 0x80404040u);
  EXPECT_EQ(Gray32(0x40), 0xFF404040u);
  EXPECT_EQ(ArrayOfColor32({3, 1, 2}), (TArrayOfColor32{3, 1, 2}));
  uint8_t r, g, b, a;
  Color32ToRGBA(0x78123456, r, g, b, a);
  EXPECT_EQ((std::array<int, 4>{r, g, b, a}), (std::array<int, 4>{0x12, 0x34, 0x56, 0x78}));
  EXPECT_EQ(RedComponent(0x78123456), 0x12);
  EXPECT_EQ(GreenComponent(0x78123456), 0x34);
  EXPECT_EQ(BlueComponent(0x78123456), 0x56);
  EXPECT_EQ(AlphaComponent(0x78123456), 0x78);
  EXPECT_EQ(Color32Components(true, false, true, true), (1 << ccRed) | (1 << ccBlue) | (1 << ccAlpha));
  EXPECT_EQ(Color32Components(false, true, false, false), 1 << ccGreen);
}

TEST(Color32Values, IntensityAndAlpha) {
  EXPECT_EQ(Intensity(0xFFFFFFFF), 255);
  EXPECT_EQ(Intensity(0xFF808080), 128);
  EXPECT_EQ(Intensity(0xFF00FF00), 173);
  EXPECT_EQ(SetAlpha(0x12345678, -5), 0x00345678u);
  EXPECT_EQ(SetAlpha(0x12345678, 300), 0xFF345678u);
  EXPECT_EQ(SetAlpha(0x12345678, 0x9A), 0x9A345678u);
}

TEST(HslConversion, FloatForms) {
  EXPECT_EQ(HSLtoRGB(0.0f, 0.0f, 0.5f), 0xFF808080u);  // 127.5 rounds to even
  EXPECT_EQ(HSLtoRGB(0.0f, 1.0f, 0.5f), 0xFFFF0000u);
  EXPECT_EQ(HSLtoRGB(1.0f / 3, 1.0f, 0.5f), 0xFF00FF00u);
  EXPECT_EQ(HSLtoRGB(0.1f, 1.0f, 0.5f), 0xFFFF9900u);
  EXPECT_EQ(HSLtoRGB(1.1f, 1.0f, 0.5f), 0xFFFF9900u);  // the hue wraps
  float h, s, l;
  RGBtoHSL(0xFF0000FF, h, s, l);
  EXPECT_FLOAT_EQ(h, 2.0f / 3);
  EXPECT_FLOAT_EQ(s, 1.0f);
  EXPECT_FLOAT_EQ(l, 0.5f);
  RGBtoHSL(0xFFFF0080, h, s, l);  // red largest, blue above green: hue below 0 wraps
  EXPECT_GT(h, 0.9f);
  EXPECT_LT(h, 1.0f);
  RGBtoHSL(0xFF404040, h, s, l);
  EXPECT_EQ(h, 0.0f);
  EXPECT_EQ(s, 0.0f);
  // Every fully saturated colour survives the round trip.
  for (TColor32 c : {0xFFFF8000u, 0xFF10E060u, 0xFF2040C0u}) {
    RGBtoHSL(c, h, s, l);
    EXPECT_EQ(HSLtoRGB(h, s, l), c) << std::hex << c;
  }
}

TEST(HslConversion, IntegerForms) {
  EXPECT_EQ(HSLtoRGB(0, 255, 128), 0x00FF0101u);
  EXPECT_EQ(HSLtoRGB(0, 0, 100), 0x00646464u);
  EXPECT_EQ(HSLtoRGB(0, 0, 0), 0u);
  EXPECT_EQ(HSLtoRGB(256, 255, 128), 0u);  // no seventh sextant
  EXPECT_EQ(HSLtoRGB(128, 255, 100), 0x0001C7C7u);
  uint8_t h, s, l;
  RGBtoHSL(0xFFFF0000, h, s, l);
  EXPECT_EQ((std::array<int, 3>{h, s, l}), (std::array<int, 3>{0, 255, 127}));
  // Red largest, blue above green: (-10 * 65025) div (200 * 1530) = -2, plus 510.
  RGBtoHSL(0xFFC8000A, h, s, l);
  EXPECT_EQ(h, (510 - 2) & 0xFF);
  EXPECT_EQ(l, 100);
  EXPECT_EQ(s, (200 * 255) / 200);
  RGBtoHSL(0xFF00FF00, h, s, l);
  EXPECT_EQ(h, 85);
  RGBtoHSL(0xFF808080, h, s, l);
  EXPECT_EQ((std::array<int, 3>{h, s, l}), (std::array<int, 3>{0, 0, 128}));
}

TEST(SystemPalette, CarriesThePaletteColours) {
  TPalette32 palette{};
  for (int i = 0; i < 256; ++i) palette[i] = Color32(i, 255 - i, i / 2, 0x40);
  HPALETTE handle = WinPalette(palette);
  ASSERT_NE(handle, nullptr);
  PALETTEENTRY entries[256];
  EXPECT_EQ(GetPaletteEntries(handle, 0, 256, entries), 256u);
  for (int i : {0, 1, 127, 255}) {
    EXPECT_EQ(entries[i].peRed, i);
    EXPECT_EQ(entries[i].peGreen, 255 - i);
    EXPECT_EQ(entries[i].peBlue, i / 2);
    EXPECT_EQ(entries[i].peFlags, 0);
  }
  DeleteObject(handle);
}

TEST(GammaTable, StartsAtGamma07AndFollowsSetGamma) {
  EXPECT_EQ(GAMMA_TABLE[128], 157);
  EXPECT_EQ(GAMMA_TABLE[64], 97);
  SetGamma(1.0f);
  for (int i = 0; i < 256; ++i) EXPECT_EQ(GAMMA_TABLE[i], i);
  SetGamma(2.2f);
  EXPECT_EQ(GAMMA_TABLE[0], 0);
  EXPECT_EQ(GAMMA_TABLE[255], 255);
  EXPECT_EQ(GAMMA_TABLE[128], static_cast<int>(std::lrint(std::pow(128 / 255.0, 2.2f) * 255)));
  SetGamma(0.7f);
  EXPECT_EQ(GAMMA_TABLE[128], 157);
}

}  // namespace
