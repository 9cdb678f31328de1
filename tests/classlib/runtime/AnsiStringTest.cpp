#include "classlib/runtime/AnsiString.h"

#include <gtest/gtest.h>

TEST(AnsiString, CopiesShareOneBufferUntilWritten) {
  AnsiString a = "hello";
  AnsiString b = a;
  EXPECT_EQ(a.c_str(), b.c_str());
  b[1] = 'j';
  EXPECT_EQ(a, "hello");
  EXPECT_EQ(b, "jello");
  EXPECT_NE(a.c_str(), b.c_str());
}

TEST(AnsiString, EmptyTextIsNeverNull) {
  AnsiString empty;
  ASSERT_NE(empty.c_str(), nullptr);
  EXPECT_STREQ(empty.c_str(), "");
  EXPECT_EQ(AnsiString(static_cast<const char*>(nullptr)).Length(), 0);
  EXPECT_TRUE(empty.IsEmpty());
}

TEST(AnsiString, CompareIsBytewiseUnsigned) {
  EXPECT_LT(AnsiString("B"), AnsiString("a"));            // case matters
  EXPECT_LT(AnsiString("z"), AnsiString("\xE9"));         // bytes above 127 sort last
  EXPECT_LT(AnsiString("ab"), AnsiString("abc"));
  EXPECT_EQ(AnsiString("a\0b", 3).Length(), 3);           // zero bytes are kept
  EXPECT_NE(AnsiString("a\0b", 3), AnsiString("a\0c", 3));
  EXPECT_EQ(AnsiString("Abc").CompareIC("aBC"), 0);
}

TEST(AnsiString, PositionsAreOneBased) {
  const AnsiString s = "abcabc";
  EXPECT_EQ(s.Pos("c"), 3);
  EXPECT_EQ(s.Pos("x"), 0);
  EXPECT_EQ(s.Pos(""), 0);
  EXPECT_EQ(s[1], 'a');
  EXPECT_EQ(s.SubString(2, 3), "bca");
  EXPECT_EQ(s.SubString(5, 100), "bc");
  EXPECT_EQ(s.SubString(0, 2), "ab");
  EXPECT_EQ(s.SubString(7, 1), "");
  EXPECT_EQ(s.LastDelimiter("ab"), 5);
  EXPECT_TRUE(s.IsDelimiter("c", 3));
  EXPECT_FALSE(s.IsDelimiter("c", 7));
}

TEST(AnsiString, EditingOperations) {
  AnsiString s = "abcdef";
  s.Delete(2, 2);
  EXPECT_EQ(s, "adef");
  s.Delete(4, 10);
  EXPECT_EQ(s, "ade");
  s.Insert("XY", 2);
  EXPECT_EQ(s, "aXYde");
  s.Insert("!", 99);
  EXPECT_EQ(s, "aXYde!");
  s.SetLength(2);
  EXPECT_EQ(s, "aX");
  s.SetLength(4);
  EXPECT_EQ(s.Length(), 4);
  EXPECT_EQ(s[3], '\0');
  AnsiString t = "x";
  t += t;
  t += 'y';
  EXPECT_EQ(t, "xxy");
  EXPECT_EQ(AnsiString::StringOfChar('-', 3), "---");
}

TEST(AnsiString, CaseAndTrimTouchAsciiOnly) {
  EXPECT_EQ(AnsiString("aZ\xE9").UpperCase(), "AZ\xE9");
  EXPECT_EQ(AnsiString("aZ\xC9").LowerCase(), "az\xC9");
  EXPECT_EQ(AnsiString(" \t x y \r\n").Trim(), "x y");
  EXPECT_EQ(AnsiString("  x ").TrimLeft(), "x ");
  EXPECT_EQ(AnsiString("  x ").TrimRight(), "  x");
}
