#include <gtest/gtest.h>

#include <cfloat>

#include "classlib/runtime/SysUtils.h"

namespace {

// Sets the decimal separator for one test and restores it.
class SeparatorScope {
 public:
  explicit SeparatorScope(char separator) : saved_(FormatSettings()) {
    FormatSettings().DecimalSeparator = separator;
    FormatSettings().ThousandSeparator = separator == ',' ? '.' : ',';
  }
  ~SeparatorScope() { FormatSettings() = saved_; }

 private:
  TFormatSettings saved_;
};

struct FormatCase {
  const char* format;
  std::initializer_list<TFormatArg> args;
  const char* expected;
};

}  // namespace

TEST(Format, DirectiveTable) {
  SeparatorScope scope('.');
  const FormatCase cases[] = {
      {"%.2f%", {37.5}, "37.50%"},
      {"%d%%", {42}, "42%"},
      {"%2.2d:%2.2d:%2.2d.%3.3d", {1, 2, 3, 4}, "01:02:03.004"},
      {"%05u", {42}, "00042"},
      {"%05u", {123456}, "123456"},
      {"%u", {-1}, "4294967295"},
      {"%5d|%-5d|", {-12, 7}, "  -12|7    |"},
      {"%05d", {-12}, "-0012"},
      {"%.3d", {-5}, "-005"},
      {"%x %.4x", {255, 10}, "FF 000A"},
      {"%s and %s", {"one", AnsiString("two")}, "one and two"},
      {"%.2s|%6s|%-6s|", {"abcdef", "ab", "ab"}, "ab|    ab|ab    |"},
      {"%1:s %0:s", {"a", "b"}, "b a"},
      {"%*d", {4, 7}, "   7"},
      {"%f", {2.0}, "2.00"},
      {"%.0f", {2.5}, "2"},
      {"%.1f", {-0.04}, "-0.0"},
      {"%g", {0.1}, "0.1"},
      {"%n", {1234567.891}, "1,234,567.89"},
      {"%e", {1234.5}, "1.23450000000000E+003"},
      {"%s", {'x'}, "x"},
      {"no directives", {}, "no directives"},
      {"%", {}, "%"},
      {"100%", {}, "100%"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(Format(c.format, c.args), c.expected) << c.format;
  }
  EXPECT_EQ(Format("%d-%s", 3, "x"), "3-x");
  EXPECT_EQ(Format("%s/%s/%u", std::string("std"), AnsiString("ansi"), size_t{7}), "std/ansi/7");
}

TEST(Format, MissingOrMismatchedArgumentRaises) {
  const FormatCase bad[] = {
      {"%d", {"text"}, ""}, {"%s", {12}, ""},   {"%f", {12}, ""},     {"%d", {1.5}, ""},
      {"%d %d", {1}, ""},   {"%c", {1}, ""},    {"%5", {1}, ""},      {"%p", {1}, ""},
  };
  for (const FormatCase& c : bad) {
    EXPECT_THROW(Format(c.format, c.args), EConvertError) << c.format;
  }
  try {
    Format("%d", {"x"});
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Format '%d' invalid or incompatible with argument");
  }
}

TEST(Conversions, IntegerTable) {
  struct Case {
    const char* text;
    int expected;
  };
  const Case cases[] = {
      {"$1A", 26},  {"0x1A", 26},   {"0X1a", 26},        {"12a", -7},   {"  42 ", 42},   {"-17", -17},
      {"+5", 5},    {"", -7},       {"$", -7},           {"0x", -7},    {"--1", -7},     {"2147483647", 2147483647},
      {"2147483648", -7}, {"-2147483648", INT32_MIN}, {"$FFFFFFFF", -1}, {"$100000000", -7}, {"1 2", -7}, {"0", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(StrToIntDef(c.text, -7), c.expected) << c.text;
  EXPECT_THROW(StrToInt("12a"), EConvertError);
  try {
    StrToInt("12a");
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'12a' is not a valid integer value");
  }
  EXPECT_EQ(IntToStr(-123), "-123");
  EXPECT_EQ(IntToStr(int64_t{1} << 40), "1099511627776");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(StrToInt64("$10000000000"), int64_t{1} << 40);
}

TEST(Conversions, FloatsFollowTheDecimalSeparator) {
  struct Case {
    char separator;
    double value;
    const char* text;
  };
  const Case cases[] = {
      {'.', 1.5, "1.5"},   {',', 1.5, "1,5"},   {'.', -0.25, "-0.25"}, {',', 100.0, "100"},
      {'.', 1e20, "1E20"}, {'.', 1e-5, "1E-5"}, {'.', 0.125, "0.125"},
  };
  for (const Case& c : cases) {
    SeparatorScope scope(c.separator);
    EXPECT_EQ(FloatToStr(c.value), c.text) << c.separator;
    EXPECT_DOUBLE_EQ(StrToFloat(c.text), c.value) << c.text;
  }
  {
    SeparatorScope scope('.');
    EXPECT_EQ(FloatToStr(1.0 / 3.0), "0.333333333333333");  // 15 significant digits
  }
  {
    SeparatorScope scope(',');
    EXPECT_EQ(Format("%.2f", {37.5}), "37,50");
    EXPECT_THROW(StrToFloat("1.5"), EConvertError);
    EXPECT_DOUBLE_EQ(StrToFloatDef("1.5", -1.0), -1.0);
  }
  {
    SeparatorScope scope('.');
    EXPECT_THROW(StrToFloat("1,5"), EConvertError);
    EXPECT_THROW(StrToFloat("abc"), EConvertError);
    EXPECT_THROW(StrToFloat(""), EConvertError);
    EXPECT_THROW(StrToFloat("inf"), EConvertError);
    EXPECT_THROW(StrToFloat("1.5x"), EConvertError);
    EXPECT_DOUBLE_EQ(StrToFloat(" 2.5e3 "), 2500.0);
  }
}

TEST(Conversions, FloatFormatsTable) {
  SeparatorScope scope(',');
  struct Case {
    TFloatFormat format;
    int precision, digits;
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {ffFixed, 18, 2, 3.14159, "3,14"},     {ffFixed, 18, 0, -2.0, "-2"},
      {ffNumber, 18, 1, 12345.67, "12.345,7"}, {ffGeneral, 4, 0, 3.14159, "3,142"},
      {ffExponent, 3, 0, 1234.5, "1,23E+003"},
  };
  for (const Case& c : cases) EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), c.expected);
}

TEST(Conversions, RoundHalvesToEven) {
  const std::pair<double, int64_t> cases[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {-0.5, 0}, {-1.5, -2}, {0.49999999999999994, 0},
      {2.6, 3}, {-2.6, -3}, {1e10 + 0.5, 10000000000},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(Round(value), expected) << value;
  EXPECT_EQ(Trunc(-2.7), -2);
}

TEST(Conversions, SystemMulDivRoundsHalfAwayFromZero) {
  EXPECT_EQ(MulDiv(5, 1, 2), 3);
  EXPECT_EQ(MulDiv(-5, 1, 2), -3);
  EXPECT_EQ(MulDiv(1000000, 1000000, 1000000), 1000000);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST(TextHelpers, CompareAndReplace) {
  EXPECT_EQ(CompareText("abc", "ABC"), 0);
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_NE(CompareStr("abc", "ABC"), 0);
  EXPECT_TRUE(SameText("Key", "kEY"));
  EXPECT_EQ(AnsiCompareText("apple", "BANANA") < 0, true);
  EXPECT_EQ(QuotedStr("it's"), "'it''s'");
  EXPECT_EQ(StringReplace("aXbxc", "x", "-"), "aXb-c");
  EXPECT_EQ(StringReplace("aXbxc", "x", "-", true, true), "a-b-c");
  EXPECT_EQ(StringReplace("aXbxc", "x", "-", false, true), "a-bxc");
}
