#include <gtest/gtest.h>

#include "framed/FrCommon.h"

namespace {

struct HslCase {
  const char* name;
  TColor color;
  THslColor hsl;
  TColor rebuilt;  // the hue comes back on a 0..239 scale: primaries away from red drift
};

const HslCase kHslCases[] = {
    {"black", clBlack, {0, 0, 0}, clBlack},
    {"white", clWhite, {0, 0, 240}, clWhite},
    {"grey", 0x808080, {0, 0, 120}, 0x808080},
    {"dark grey", 0x404040, {0, 0, 60}, 0x404040},
    {"red", 0x0000FF, {0, 240, 120}, 0x0000FF},
    {"green", 0x00FF00, {80, 240, 120}, 0x02FF00},
    {"blue", 0xFF0000, {160, 240, 120}, 0xFF0004},
};

TEST(FramedColors, SplitsAndRebuildsOnTheHslScale) {
  for (const HslCase& c : kHslCases) {
    SCOPED_TRACE(c.name);
    const THslColor hsl = SplitColorToHsl(c.color);
    EXPECT_EQ(c.hsl.H, hsl.H);
    EXPECT_EQ(c.hsl.S, hsl.S);
    EXPECT_EQ(c.hsl.L, hsl.L);
    EXPECT_EQ(c.hsl.H, HueOfColor(c.color));
    EXPECT_EQ(c.rebuilt, MakeColorFromHsl(hsl.H, hsl.S, hsl.L));
  }
}

TEST(FramedColors, GreysKeepEqualChannelsAtEveryLightness) {
  for (int l = 0; l <= 255; l += 15) {
    const COLORREF grey = static_cast<COLORREF>(MakeColorFromHsl(0, 0, static_cast<uint8_t>(l)));
    EXPECT_EQ(GetRValue(grey), GetGValue(grey)) << l;
    EXPECT_EQ(GetGValue(grey), GetBValue(grey)) << l;
  }
}

TEST(FramedColors, TopHuesWrapToRed) {
  // 239 and 240 read past the last sextant and are taken as the first.
  EXPECT_EQ(0x0000FF, MakeColorFromHsl(239, 240, 120));
  EXPECT_EQ(0x0006FF, MakeColorFromHsl(240, 240, 120));
}

TEST(FramedColors, LightnessShiftsStopAtTheEnds) {
  EXPECT_EQ(clWhite, LightenColor(clWhite, 10));
  EXPECT_EQ(clBlack, DarkenColor(clBlack, 10));
  // Above 240 the channels are capped: near white, not wrapped.
  EXPECT_EQ(clWhite, LightenColor(0x808080, 255));
  EXPECT_EQ(0x404040, DarkenColor(0x808080, 60));
  EXPECT_EQ(0xBFBFBF, LightenColor(0x808080, 60));
  EXPECT_EQ(DarkenColor(0x3C8CC8, 40), ShiftColorLightness(0x3C8CC8, -40));
  EXPECT_EQ(LightenColor(0x3C8CC8, 40), ShiftColorLightness(0x3C8CC8, 40));
  // No shift answers the colour itself, a system colour included.
  EXPECT_EQ(clBtnFace, ShiftColorLightness(clBtnFace, 0));
  EXPECT_EQ(0x123456, ShiftColorLightness(0x123456, 0));
}

TEST(FramedColors, ShadesOfSystemColoursUseTheirRgbValue) {
  const TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(DarkenColor(face, 50), DarkenColor(clBtnFace, 50));
  EXPECT_EQ(MixColors(face, clBlack, 100), MixColors(clBtnFace, clBlack, 100));
}

TEST(FramedColors, MixesByAlpha) {
  const TColor a = 0x3C8CC8, b = 0x102030;
  EXPECT_EQ(a, MixColors(a, b, 255));
  EXPECT_EQ(b, MixColors(a, b, 0));
  EXPECT_EQ(0x808080, MixColors(clWhite, clBlack, 128));
  EXPECT_EQ(0x7F7F7F, MixColors(clWhite, clBlack, 127));
}

TEST(FramedColors, TellsCloseColoursApart) {
  struct Case {
    TColor fore, back;
    bool hard;
  };
  const Case cases[] = {
      {clBlack, 0x101010, true},    // same hue, lightness 15 apart
      {clBlack, clWhite, false},    // lightness apart
      {0x0000FF, 0x00FF00, false},  // hues 80 apart
      {0x000080, 0x8080FF, false},  // one hue, lightness 120 apart
      {0x0000FF, 0x0010FF, true},   // hues 4 apart
  };
  for (const Case& c : cases) EXPECT_EQ(c.hard, ColorsHardToTellApart(c.fore, c.back)) << std::hex << c.fore << " " << c.back;
}

TEST(FramedColors, CentresWithHalvesTowardZero) {
  EXPECT_EQ(Rect(3, 3, 7, 7), CenteredBounds(Rect(0, 0, 10, 10), 4, 4));
  EXPECT_EQ(Rect(3, 1, 6, 6), CenteredBounds(Rect(0, 0, 10, 8), 3, 5));
  // (-10 + 0 - 3) / 2 is -6, not -7.
  EXPECT_EQ(Rect(-6, -6, -3, -3), CenteredBounds(Rect(-10, -10, 0, 0), 3, 3));
}

TEST(FramedColors, HotTrackColourPairs) {
  const TColor hot = 0x3C8CC8;
  const THotTrackColors actual = HotTrackColors(hot, htctActual);
  EXPECT_EQ(hot, actual.Track);
  EXPECT_EQ(LightenColor(hot, 30), actual.Light);
  // Red (hue 0) gets the complement at hue 120, saturation 220, lightness 180.
  const THotTrackColors complement = HotTrackColors(0x0000FF, htctComplement);
  EXPECT_EQ(static_cast<TColor>(RGB(133, 248, 250)), complement.Track);
  EXPECT_EQ(complement.Track, complement.Light);
  // Blue (hue 160) turns back to hue 40.
  EXPECT_EQ(MakeColorFromHsl(40, 220, 180), HotTrackColors(0xFF0000, htctComplement).Track);
}

TEST(FramedColors, FullColourDisplay) { EXPECT_TRUE(DisplayHasFullColor()); }

}  // namespace
