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
    twelveHour_ = lower.Pos("am/pm") > 0 || lower.Pos("a/p") > 0;
    for (int i = 1; i <= format.Length();) {
      const int used = Literal(format, lower, i, out);
      if (used > 0) {
        i += used;
        continue;
      }
      const char c = lower[i];
      const int run = RunLength(lower, i);
      out += Token(c, run, depth, format.SubString(i, run));
      i += IsToken(c) ? TokenLength(c, run) : run;
    }
    return out;
  }

 private:
  // Quoted text and the am/pm markers at `i`: appends them and answers the characters
  // used, 0 when none stands there.
  int Literal(const AnsiString& format, const AnsiString& lower, int i, AnsiString& out) const {
    const char c = format[i];
    if (c == '"' || c == '\'') {
      const int close = format.SubString(i + 1, format.Length()).Pos(AnsiString(c));
      const int length = close == 0 ? format.Length() - i : close - 1;
      out += format.SubString(i + 1, length);
      return length + (close == 0 ? 1 : 2);
    }
    if (lower.SubString(i, 5) == "am/pm") {
      out += hour_ < 12 ? settings_.TimeAMString : settings_.TimePMString;
      return 5;
    }
    if (lower.SubString(i, 3) == "a/p") {
      out += hour_ < 12 ? "a" : "p";
      return 3;
    }
    return 0;
  }

  AnsiString Token(char c, int run, int depth, const AnsiString& text) {
    const bool afterHour = lastWasHour_;
    lastWasHour_ = c == 'h' || (lastWasHour_ && !IsToken(c));
    switch (c) {
      case 'd': return Day(run);
      case 'm': return afterHour ? Number(minute_, run >= 2 ? 2 : 1) : Month(run);
      case 'y': return run <= 2 ? Number(year_ % 100, 2) : Number(year_, 4);
      case 'h': return Number(twelveHour_ ? (hour_ % 12 == 0 ? 12 : hour_ % 12) : hour_, run >= 2 ? 2 : 1);
      case 'n': return Number(minute_, run >= 2 ? 2 : 1);
      case 's': return Number(second_, run >= 2 ? 2 : 1);
      case 'z': return Number(ms_, run >= 3 ? 3 : 1);
      case 'c':
        return depth == 0 ? Run(settings_.ShortDateFormat, 1) + " " + Run(settings_.LongTimeFormat, 1) : AnsiString();
      case '/': return AnsiString(settings_.DateSeparator);
      case ':': return AnsiString(settings_.TimeSeparator);
      default: return text;
    }
  }

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
  bool twelveHour_ = false;
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

namespace {

struct DateNumber {
  int value;
  int digits;
};

// The numbers of a date text separated by the date separator (two or three of them);
// false for any other text.
bool ReadDateNumbers(const AnsiString& text, char separator, std::vector<DateNumber>& numbers) {
  const AnsiString t = text.Trim();
  int i = 1;
  while (i <= t.Length()) {
    DateNumber n{0, 0};
    for (; i <= t.Length() && t[i] >= '0' && t[i] <= '9' && n.digits < 5; ++i, ++n.digits) {
      n.value = n.value * 10 + (t[i] - '0');
    }
    if (n.digits == 0) return false;
    numbers.push_back(n);
    if (i > t.Length()) break;
    if (t[i] != separator || numbers.size() == 3 || i == t.Length()) return false;
    ++i;
  }
  return numbers.size() >= 2;
}

// A year given with one or two digits, placed in the century window.
int ExpandYear(int year, const TFormatSettings& settings) {
  const int base = CurrentYear() - settings.TwoDigitYearCenturyWindow;
  year += base / 100 * 100;
  if (settings.TwoDigitYearCenturyWindow > 0 && year < base) year += 100;
  return year;
}

}  // namespace

bool TryStrToDate(const AnsiString& text, TDateTime& date, const TFormatSettings& settings) {
  std::vector<DateNumber> numbers;
  if (!ReadDateNumbers(text, settings.DateSeparator, numbers)) return false;
  // The order of day, month and year follows the short date format.
  const AnsiString order = settings.ShortDateFormat.LowerCase();
  const int dPos = order.Pos("d"), mPos = order.Pos("m"), yPos = order.Pos("y");
  const bool dayFirst = dPos > 0 && dPos < mPos;
  const bool yearFirst = numbers.size() == 3 && yPos > 0 && yPos < dPos && yPos < mPos;
  const size_t first = yearFirst ? 1 : 0;
  const int day = numbers[dayFirst ? first : first + 1].value;
  const int month = numbers[dayFirst ? first + 1 : first].value;
  int year = CurrentYear();
  if (numbers.size() == 3) {
    const DateNumber& y = numbers[yearFirst ? 0 : 2];
    year = y.digits <= 2 ? ExpandYear(y.value, settings) : y.value;
  }
  return TryEncodeDate(year, month, day, date);
}

TDateTime StrToDate(const AnsiString& text, const TFormatSettings& settings) {
  TDateTime date = 0;
  if (!TryStrToDate(text, date, settings)) throw EConvertError("'" + text + "' is not a valid date");
  return date;
}
