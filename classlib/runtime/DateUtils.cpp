#include "classlib/runtime/DateUtils.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/WinApi.h"

namespace {

// Day number of 1899-12-30 counted like DaysBefore below.
constexpr int64_t kEpochDays = 693593;
constexpr double kMsPerDay = 86400000.0;

// Days from 0001-01-01 to the given date (proleptic Gregorian calendar).
int64_t DaysBefore(int year, int month, int day) {
  static const int kBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const int64_t y = year - 1;
  int64_t days = y * 365 + y / 4 - y / 100 + y / 400 + kBefore[month - 1] + day - 1;
  if (month > 2 && IsLeapYear(year)) ++days;
  return days;
}

// Splits a date-time into whole days and milliseconds of the day (negative dates count
// their fraction toward the day's end, as the integral part names the day).
void Split(TDateTime value, int64_t& days, int64_t& ms) {
  const int64_t total = static_cast<int64_t>(std::llround(std::fabs(value) * kMsPerDay));
  days = total / 86400000;
  ms = total % 86400000;
  if (value < 0) days = -days;
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInAMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInAMonth(year, month)) return false;
  date = static_cast<double>(DaysBefore(year, month, day) - kEpochDays);
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime date = 0;
  if (!TryEncodeDate(year, month, day, date)) throw EConvertError("Invalid argument to date encode");
  return date;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& time) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
      millisecond > 999)
    return false;
  time = (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / kMsPerDay;
  return true;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  TDateTime time = 0;
  if (!TryEncodeTime(hour, minute, second, millisecond, time)) throw EConvertError("Invalid argument to time encode");
  return time;
}

void DecodeDate(TDateTime date, int& year, int& month, int& day) {
  int64_t days = 0;
  int64_t ms = 0;
  Split(date, days, ms);
  int64_t n = days + kEpochDays;  // days since 0001-01-01
  const int64_t y400 = n / 146097;
  n %= 146097;
  int64_t y100 = n / 36524;
  if (y100 == 4) y100 = 3;
  n -= y100 * 36524;
  const int64_t y4 = n / 1461;
  n %= 1461;
  int64_t y1 = n / 365;
  if (y1 == 4) y1 = 3;
  n -= y1 * 365;
  year = static_cast<int>(y400 * 400 + y100 * 100 + y4 * 4 + y1 + 1);
  month = 1;
  while (n >= DaysInAMonth(year, month)) n -= DaysInAMonth(year, month++);
  day = static_cast<int>(n) + 1;
}

void DecodeTime(TDateTime time, int& hour, int& minute, int& second, int& millisecond) {
  int64_t days = 0;
  int64_t ms = 0;
  Split(time, days, ms);
  hour = static_cast<int>(ms / 3600000);
  minute = static_cast<int>(ms / 60000 % 60);
  second = static_cast<int>(ms / 1000 % 60);
  millisecond = static_cast<int>(ms % 1000);
}

int DayOfWeek(TDateTime date) {
  const int64_t days = static_cast<int64_t>(std::floor(date));
  // 1899-12-30 was a Saturday.
  return static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
}

TDateTime Now() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return EncodeDate(t.wYear, t.wMonth, t.wDay) + EncodeTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
}

TDateTime Date() { return std::floor(Now()); }

TDateTime Time() {
  const TDateTime now = Now();
  return now - std::floor(now);
}

namespace {

class DateFormatter {
 public:
  DateFormatter(TDateTime value, const TFormatSettings& settings) : settings_(settings) {
    DecodeDate(value, year_, month_, day_);
    DecodeTime(value, hour_, minute_, second_, ms_);
    dayOfWeek_ = DayOfWeek(value);
  }

  AnsiString Run(const AnsiString& format, int depth = 0) {
    AnsiString out;
    const AnsiString lower = format.LowerCase();
    const bool twelveHour = lower.Pos("am/pm") > 0 || lower.Pos("a/p") > 0;
    int i = 1;
    const int n = format.Length();
    while (i <= n) {
      const char c = lower[i];
      const int run = RunLength(lower, i);
      if (c == '"' || c == '\'') {
        const int close = format.SubString(i + 1, n).Pos(AnsiString(format[i]));
        const int end = close == 0 ? n + 1 : i + close;
        out += format.SubString(i + 1, end - i - 1);
        i = end + 1;
        continue;
      }
      if (lower.SubString(i, 5) == "am/pm") {
        out += hour_ < 12 ? settings_.TimeAMString : settings_.TimePMString;
        i += 5;
        continue;
      }
      if (lower.SubString(i, 3) == "a/p") {
        out += hour_ < 12 ? "a" : "p";
        i += 3;
        continue;
      }
      switch (c) {
        case 'd': out += Day(run); lastWasHour_ = false; break;
        case 'm': out += lastWasHour_ ? Number(minute_, run >= 2 ? 2 : 1) : Month(run); lastWasHour_ = false; break;
        case 'y': out += run <= 2 ? Number(year_ % 100, 2) : Number(year_, 4); lastWasHour_ = false; break;
        case 'h': out += Number(twelveHour ? (hour_ % 12 == 0 ? 12 : hour_ % 12) : hour_, run >= 2 ? 2 : 1); lastWasHour_ = true; break;
        case 'n': out += Number(minute_, run >= 2 ? 2 : 1); lastWasHour_ = false; break;
        case 's': out += Number(second_, run >= 2 ? 2 : 1); lastWasHour_ = false; break;
        case 'z': out += Number(ms_, run >= 3 ? 3 : 1); lastWasHour_ = false; break;
        case 'c':
          if (depth == 0) out += Run(settings_.ShortDateFormat, 1) + " " + Run(settings_.LongTimeFormat, 1);
          break;
        case '/': out += settings_.DateSeparator; break;
        case ':': out += settings_.TimeSeparator; break;
        default: out += AnsiString(format.SubString(i, run)); break;
      }
      i += IsToken(c) ? TokenLength(c, run) : run;
    }
    return out;
  }

 private:
  static bool IsToken(char c) { return c == 'd' || c == 'm' || c == 'y' || c == 'h' || c == 'n' || c == 's' || c == 'z'; }
  static int TokenLength(char c, int run) {
    const int longest = c == 'd' ? 4 : c == 'm' ? 4 : c == 'y' ? 4 : c == 'z' ? 3 : 2;
    return run > longest ? longest : run;
  }
  static int RunLength(const AnsiString& s, int i) {
    int j = i;
    while (j <= s.Length() && s[j] == s[i]) ++j;
    return j - i;
  }
  static AnsiString Number(int value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", digits, value);
    return buffer;
  }
  AnsiString Day(int run) const {
    if (run >= 4) return settings_.LongDayNames[dayOfWeek_ - 1];
    if (run == 3) return settings_.ShortDayNames[dayOfWeek_ - 1];
    return Number(day_, run);
  }
  AnsiString Month(int run) const {
    if (run >= 4) return settings_.LongMonthNames[month_ - 1];
    if (run == 3) return settings_.ShortMonthNames[month_ - 1];
    return Number(month_, run);
  }

  const TFormatSettings& settings_;
  int year_, month_, day_, hour_, minute_, second_, ms_, dayOfWeek_;
  bool lastWasHour_ = false;
};

int CurrentYear() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return t.wYear;
}

}  // namespace

AnsiString FormatDateTime(const AnsiString& format, TDateTime value, const TFormatSettings& settings) {
  return DateFormatter(value, settings).Run(format);
}

AnsiString DateToStr(TDateTime date, const TFormatSettings& settings) {
  return FormatDateTime(settings.ShortDateFormat, date, settings);
}

bool TryStrToDate(const AnsiString& text, TDateTime& date, const TFormatSettings& settings) {
  // The numbers, in the order they stand.
  std::vector<int> numbers;
  std::vector<int> widths;
  const AnsiString t = text.Trim();
  int i = 1;
  while (i <= t.Length()) {
    int value = 0;
    int digits = 0;
    while (i <= t.Length() && t[i] >= '0' && t[i] <= '9' && digits < 5) {
      value = value * 10 + (t[i] - '0');
      ++digits;
      ++i;
    }
    if (digits == 0) return false;
    numbers.push_back(value);
    widths.push_back(digits);
    if (i > t.Length()) break;
    if (t[i] != settings.DateSeparator || numbers.size() == 3) return false;
    ++i;
    if (i > t.Length()) return false;
  }
  if (numbers.size() < 2) return false;
  // The order of day, month and year follows the short date format.
  const AnsiString order = settings.ShortDateFormat.LowerCase();
  const int dPos = order.Pos("d"), mPos = order.Pos("m"), yPos = order.Pos("y");
  int day = 0, month = 0, year = CurrentYear(), yearWidth = 4;
  if (numbers.size() == 2) {
    const bool dayFirst = dPos > 0 && dPos < mPos;
    day = numbers[dayFirst ? 0 : 1];
    month = numbers[dayFirst ? 1 : 0];
  } else {
    const bool yearFirst = yPos > 0 && yPos < dPos && yPos < mPos;
    const bool dayFirst = dPos > 0 && dPos < mPos;
    const size_t yi = yearFirst ? 0 : 2;
    const size_t first = yearFirst ? 1 : 0;
    day = numbers[dayFirst ? first : first + 1];
    month = numbers[dayFirst ? first + 1 : first];
    year = numbers[yi];
    yearWidth = widths[yi];
  }
  if (yearWidth <= 2) {
    const int base = CurrentYear() - settings.TwoDigitYearCenturyWindow;
    year += base / 100 * 100;
    if (settings.TwoDigitYearCenturyWindow > 0 && year < base) year += 100;
  }
  return TryEncodeDate(year, month, day, date);
}

TDateTime StrToDate(const AnsiString& text, const TFormatSettings& settings) {
  TDateTime date = 0;
  if (!TryStrToDate(text, date, settings)) throw EConvertError("'" + text + "' is not a valid date");
  return date;
}
