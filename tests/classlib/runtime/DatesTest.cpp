#include <gtest/gtest.h>

#include "classlib/runtime/DateUtils.h"

namespace {

TFormatSettings English() {
  TFormatSettings fs = TFormatSettings::Invariant();
  fs.ShortDateFormat = "dd.MM.yy";
  fs.DateSeparator = '.';
  return fs;
}

}  // namespace

TEST(Dates, DaysCountFrom18991230) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
  EXPECT_EQ(EncodeDate(1899, 12, 29), -1.0);
  EXPECT_EQ(DayOfWeek(EncodeDate(2005, 12, 31)), 7);  // a Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 2, 25)), 1);   // a Sunday
  EXPECT_DOUBLE_EQ(EncodeTime(18, 0, 0, 0), 0.75);
}

TEST(Dates, EncodeDecodeRoundTripsIncludingLeapDays) {
  struct Case {
    int y, m, d;
  };
  const Case cases[] = {{2000, 2, 29}, {2004, 2, 29}, {1900, 3, 1}, {2100, 2, 28}, {1, 1, 1},
                        {9999, 12, 31}, {1899, 12, 30}, {1850, 6, 15}, {2024, 12, 31}};
  for (const Case& c : cases) {
    int y = 0, m = 0, d = 0;
    DecodeDate(EncodeDate(c.y, c.m, c.d), y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, c.y * 10000 + c.m * 100 + c.d);
  }
  EXPECT_EQ(EncodeDate(2000, 3, 1) - EncodeDate(2000, 2, 28), 2.0);
  EXPECT_EQ(EncodeDate(1900, 3, 1) - EncodeDate(1900, 2, 28), 1.0);  // 1900 has no leap day
  for (const auto& bad : {std::tuple{1900, 2, 29}, std::tuple{2005, 2, 29}, std::tuple{2005, 13, 1},
                          std::tuple{2005, 4, 31}, std::tuple{0, 1, 1}}) {
    EXPECT_THROW(EncodeDate(std::get<0>(bad), std::get<1>(bad), std::get<2>(bad)), EConvertError);
  }
  int h = 0, n = 0, s = 0, ms = 0;
  DecodeTime(EncodeDate(2005, 1, 1) + EncodeTime(23, 59, 59, 999), h, n, s, ms);
  EXPECT_EQ(h * 10000000 + n * 100000 + s * 1000 + ms, 23 * 10000000 + 59 * 100000 + 59 * 1000 + 999);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
}

TEST(Dates, FormatTable) {
  const TFormatSettings fs = English();
  const TDateTime t = EncodeDate(2005, 3, 7) + EncodeTime(14, 5, 9, 42);
  const std::pair<const char*, const char*> cases[] = {
      {"MMMM, YYYY", "March, 2005"},
      {"mmm d yy", "Mar 7 05"},
      {"dd/mm/yyyy", "07.03.2005"},
      {"dddd ddd", "Monday Mon"},
      {"hh:nn:ss.zzz", "14:05:09.042"},
      {"h:mm", "14:05"},  // m after an hour is minutes
      {"hh:mm am/pm", "02:05 PM"},
      {"'at' hh\"h\"", "at 14h"},
      {"c", "07.03.05 14:05:09"},
  };
  TFormatSettings withTime = fs;
  withTime.LongTimeFormat = "hh:nn:ss";
  for (const auto& [format, expected] : cases) EXPECT_EQ(FormatDateTime(format, t, withTime), expected) << format;
}

TEST(Dates, StrToDateFollowsTheShortFormat) {
  const TFormatSettings fs = English();
  EXPECT_EQ(StrToDate("31.12.05", fs), EncodeDate(2005, 12, 31));
  EXPECT_EQ(StrToDate("31.12.2005", fs), EncodeDate(2005, 12, 31));
  EXPECT_EQ(StrToDate("1.2.1999", fs), EncodeDate(1999, 2, 1));
  EXPECT_EQ(StrToDate("29.02.2004", fs), EncodeDate(2004, 2, 29));
  TFormatSettings us = TFormatSettings::Invariant();  // M/d/yyyy
  EXPECT_EQ(StrToDate("12/31/2005", us), EncodeDate(2005, 12, 31));
  TFormatSettings iso = TFormatSettings::Invariant();
  iso.ShortDateFormat = "yyyy-MM-dd";
  iso.DateSeparator = '-';
  EXPECT_EQ(StrToDate("2005-12-31", iso), EncodeDate(2005, 12, 31));
  for (const char* bad : {"31.02.2005", "29.02.2005", "32.01.2005", "", "a.b.c", "1..2005", "1.2.3.4", "31/12/2005"}) {
    EXPECT_THROW(StrToDate(bad, fs), EConvertError) << bad;
  }
  // Day and month only: this year.
  int y = 0, m = 0, d = 0;
  DecodeDate(Date(), y, m, d);
  TDateTime parsed = 0;
  EXPECT_TRUE(TryStrToDate("31.12", parsed, fs));
  EXPECT_EQ(parsed, EncodeDate(y, 12, 31));
}

TEST(Dates, TwoDigitYearsFallInTheCenturyWindow) {
  TFormatSettings fs = English();
  int thisYear = 0, m = 0, d = 0;
  DecodeDate(Date(), thisYear, m, d);
  // With a window of 50 years, "yy" means the year within [this year - 50, this year + 49].
  for (int yy : {0, 5, 49, 50, 75, 99}) {
    int year = 0;
    DecodeDate(StrToDate(Format("1.1.%.2d", {yy}), fs), year, m, d);
    EXPECT_EQ(year % 100, yy);
    EXPECT_GE(year, thisYear - 50);
    EXPECT_LT(year, thisYear + 50);
  }
  fs.TwoDigitYearCenturyWindow = 0;  // no window: this century
  int year = 0;
  DecodeDate(StrToDate("1.1.99", fs), year, m, d);
  EXPECT_EQ(year, thisYear / 100 * 100 + 99);
}
