#include <gtest/gtest.h>

#include "classlib/runtime/SysUtils.h"
#include "skin/controls/Skinctrls_NumberText.h"

namespace {

struct TNumTextCase {
  const char* text;
  bool isFloat;
  bool number;
};

class NumberTextTest : public testing::TestWithParam<TNumTextCase> {};

TEST_P(NumberTextTest, IsNumText) {
  EXPECT_EQ(GetParam().number, IsNumText(GetParam().text, GetParam().isFloat)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberTextTest,
                         testing::Values(TNumTextCase{"", false, false}, TNumTextCase{"-", false, false},
                                         TNumTextCase{"-12", false, true}, TNumTextCase{"1-2", false, false},
                                         TNumTextCase{"--1", false, false}, TNumTextCase{"1.5", false, false},
                                         TNumTextCase{"1.5", true, true}, TNumTextCase{".5", true, false},
                                         TNumTextCase{"1.5.2", true, false}, TNumTextCase{"-0.25", true, true},
                                         TNumTextCase{"1a", true, false}));

TEST(NumberText, ValidCharsFollowTheModeAndWhatIsAlreadyTyped) {
  EXPECT_TRUE(IsValidNumberChar('7', "", false, true));
  EXPECT_TRUE(IsValidNumberChar('\b', "1", false, true));
  EXPECT_FALSE(IsValidNumberChar('\r', "", false, true));
  EXPECT_FALSE(IsValidNumberChar('.', "1", false, true));
  EXPECT_TRUE(IsValidNumberChar('.', "1", true, true));
  EXPECT_FALSE(IsValidNumberChar('.', "1.2", true, true));
  EXPECT_FALSE(IsValidNumberChar('-', "-1", false, true));
  EXPECT_FALSE(IsValidNumberChar('x', "", true, true));
  EXPECT_FALSE(IsValidNumberChar('7', "", false, false));
  EXPECT_FALSE(IsValidNumberChar('\b', "1", false, false));
}

TEST(NumberText, ANumberBeyondTheConversionIsNotANumberYet) {
  EXPECT_EQ(std::optional<double>(2147483647), ReadNumberText("2147483647", false));
  EXPECT_EQ(std::nullopt, ReadNumberText("9999999999", false));
  EXPECT_EQ(std::optional<double>(-12.5), ReadNumberText("-12.5", true));
}

TEST(NumberText, FormattingRoundsIntegersToEvenAndFixesDecimals) {
  EXPECT_EQ("2", FormatNumberText(2.5, false, 2).str());
  EXPECT_EQ("4", FormatNumberText(3.5, false, 2).str());
  EXPECT_EQ("12.50", FormatNumberText(12.5, true, 2).str());
  EXPECT_EQ("-3", FormatNumberText(-3.0, true, 0).str());
}

}  // namespace
