// Colour values, system colours and colour names.
#include <gtest/gtest.h>

#include <vector>

#include "classlib/graphics/Graphics.h"

namespace {

TEST(Colors, SystemColoursResolveThroughTheSystem) {
  EXPECT_EQ(ColorToRGB(clBtnFace), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(ColorToRGB(clWindowText), static_cast<TColor>(GetSysColor(COLOR_WINDOWTEXT)));
  EXPECT_EQ(ColorToRGB(clHighlight), static_cast<TColor>(GetSysColor(COLOR_HIGHLIGHT)));
  EXPECT_EQ(ColorToRGB(0x123456), 0x123456);
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  EXPECT_EQ(ColorToRGB(clDefault), clDefault);
}

TEST(Colors, NamesAndValuesConvertBothWays) {
  struct Case {
    const char* text;
    TColor color;
  };
  const Case cases[] = {
      {"clOlive", 32896},          {"clLime", 65280},    {"clGray", 8421504},        {"clMoneyGreen", 0xC0DCC0},
      {"clBtnFace", clBtnFace},    {"clNone", clNone},   {"clDefault", clDefault},   {"cl3DDkShadow", cl3DDkShadow},
      {"$00A0B0C1", 0xA0B0C1},     {"$80000063", SystemColor(0x63)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StringToColor(c.text), c.color) << c.text;
    EXPECT_EQ(ColorToString(c.color), c.text) << c.text;
  }
  EXPECT_EQ(StringToColor("CLRED"), clRed);
  EXPECT_EQ(StringToColor("255"), clRed);
  EXPECT_EQ(StringToColor("$80000005"), clWindow);
  EXPECT_THROW(StringToColor("clNoSuchColour"), EConvertError);
}

TEST(Colors, ColourTableHasFiftyTwoNamesInOrder) {
  std::vector<AnsiString> names;
  GetColorValues([&](const AnsiString& name) { names.push_back(name); });
  ASSERT_EQ(names.size(), 52u);
  EXPECT_EQ(names[0], "clBlack");
  EXPECT_EQ(names[15], "clWhite");
  EXPECT_EQ(names[16], "clMoneyGreen");
  EXPECT_EQ(names[19], "clMedGray");
  EXPECT_EQ(names[20], "clActiveBorder");
  EXPECT_EQ(names[45], "clNone");
  EXPECT_EQ(names[51], "clWindowText");
  for (const AnsiString& name : names) {
    TColor color = 0;
    EXPECT_TRUE(IdentToColor(name, color)) << name;
  }
}

}  // namespace
