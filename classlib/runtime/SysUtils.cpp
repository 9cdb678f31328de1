#include "classlib/runtime/SysUtils.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <mutex>

#include "classlib/runtime/WinApi.h"

namespace {

const char* const kShortMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kLongMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};
const char* const kShortDays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kLongDays[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

AnsiString LocaleText(LCTYPE type, const AnsiString& fallback) {
  char buffer[256] = {};
  const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
  return length > 1 ? AnsiString(buffer) : fallback;
}

char LocaleChar(LCTYPE type, char fallback) {
  const AnsiString text = LocaleText(type, AnsiString(fallback));
  return text.Length() == 1 ? text[1] : fallback;
}

[[noreturn]] void BadInteger(const AnsiString& text) {
  throw EConvertError("'" + text + "' is not a valid integer value");
}

[[noreturn]] void BadFloat(const AnsiString& text) {
  throw EConvertError("'" + text + "' is not a valid floating point value");
}

}  // namespace

TFormatSettings TFormatSettings::Invariant() {
  TFormatSettings fs;
  for (int i = 0; i < 12; ++i) {
    fs.ShortMonthNames[i] = kShortMonths[i];
    fs.LongMonthNames[i] = kLongMonths[i];
  }
  for (int i = 0; i < 7; ++i) {
    fs.ShortDayNames[i] = kShortDays[i];
    fs.LongDayNames[i] = kLongDays[i];
  }
  return fs;
}

TFormatSettings TFormatSettings::FromLocale() {
  TFormatSettings fs = Invariant();
  fs.DecimalSeparator = LocaleChar(LOCALE_SDECIMAL, fs.DecimalSeparator);
  fs.ThousandSeparator = LocaleChar(LOCALE_STHOUSAND, fs.ThousandSeparator);
  fs.DateSeparator = LocaleChar(LOCALE_SDATE, fs.DateSeparator);
  fs.TimeSeparator = LocaleChar(LOCALE_STIME, fs.TimeSeparator);
  fs.ShortDateFormat = LocaleText(LOCALE_SSHORTDATE, fs.ShortDateFormat);
  fs.LongDateFormat = LocaleText(LOCALE_SLONGDATE, fs.LongDateFormat);
  fs.TimeAMString = LocaleText(LOCALE_S1159, fs.TimeAMString);
  fs.TimePMString = LocaleText(LOCALE_S2359, fs.TimePMString);
  for (int i = 0; i < 12; ++i) {
    fs.ShortMonthNames[i] = LocaleText(LOCALE_SABBREVMONTHNAME1 + i, fs.ShortMonthNames[i]);
    fs.LongMonthNames[i] = LocaleText(LOCALE_SMONTHNAME1 + i, fs.LongMonthNames[i]);
  }
  for (int i = 0; i < 7; ++i) {  // the system's week starts on Monday, ours on Sunday
    const int system = (i + 6) % 7;
    fs.ShortDayNames[i] = LocaleText(LOCALE_SABBREVDAYNAME1 + system, fs.ShortDayNames[i]);
    fs.LongDayNames[i] = LocaleText(LOCALE_SDAYNAME1 + system, fs.LongDayNames[i]);
  }
  return fs;
}

TFormatSettings& FormatSettings() {
  static TFormatSettings settings = TFormatSettings::FromLocale();
  return settings;
}

AnsiString IntToStr(int64_t value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value));
  return buffer;
}

AnsiString IntToHex(int64_t value, int digits) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*llX", digits, static_cast<unsigned long long>(value));
  return buffer;
}

namespace {
// Reads an optionally signed decimal, or hexadecimal after "$", "0x" or "0X" (which may
// name any 64-bit pattern); `hex` tells which it was.
bool ParseInteger(const AnsiString& text, int64_t& value, bool& hex) {
  const AnsiString t = text.Trim();
  const char* p = t.c_str();
  const char* end = p + t.Length();
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  hex = false;
  if (p < end && *p == '$') {
    hex = true;
    ++p;
  } else if (end - p > 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
    hex = true;
    p += 2;
  }
  if (p == end) return false;
  uint64_t magnitude = 0;
  const auto [stop, error] = std::from_chars(p, end, magnitude, hex ? 16 : 10);
  if (error != std::errc() || stop != end) return false;
  const uint64_t limit = hex ? std::numeric_limits<uint64_t>::max()
                             : static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0);
  if (magnitude > limit) return false;
  value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  return true;
}
}  // namespace

bool TryStrToInt64(const AnsiString& text, int64_t& value) {
  bool hex = false;
  return ParseInteger(text, value, hex);
}

bool TryStrToInt(const AnsiString& text, int& value) {
  int64_t wide = 0;
  bool hex = false;
  if (!ParseInteger(text, wide, hex)) return false;
  if (hex && wide >= 0 && wide <= 0xFFFFFFFFLL) {
    value = static_cast<int>(static_cast<uint32_t>(wide));  // $FFFFFFFF is -1
    return true;
  }
  if (wide < std::numeric_limits<int>::min() || wide > std::numeric_limits<int>::max()) return false;
  value = static_cast<int>(wide);
  return true;
}

int StrToInt(const AnsiString& text) {
  int value = 0;
  if (!TryStrToInt(text, value)) BadInteger(text);
  return value;
}

int StrToIntDef(const AnsiString& text, int fallback) {
  int value = 0;
  return TryStrToInt(text, value) ? value : fallback;
}

int64_t StrToInt64(const AnsiString& text) {
  int64_t value = 0;
  if (!TryStrToInt64(text, value)) BadInteger(text);
  return value;
}

int64_t StrToInt64Def(const AnsiString& text, int64_t fallback) {
  int64_t value = 0;
  return TryStrToInt64(text, value) ? value : fallback;
}

namespace {
// Puts the settings' decimal separator in place of the C library's point.
AnsiString LocalSeparator(const char* buffer) {
  AnsiString text(buffer);
  const int dot = text.Pos(".");
  if (dot > 0) text[dot] = FormatSettings().DecimalSeparator;
  return text;
}
}  // namespace

AnsiString FloatToStrG(double value, int precision) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*G", precision, value);
  AnsiString text = LocalSeparator(buffer);
  const int e = text.Pos("E");
  if (e == 0) return text;
  // "1E+020" is written "1E20", "1E-05" is written "1E-5".
  AnsiString exponent = text.SubString(e + 1, text.Length());
  const bool negative = exponent[1] == '-';
  exponent = exponent.SubString(2, exponent.Length());
  while (exponent.Length() > 1 && exponent[1] == '0') exponent.Delete(1, 1);
  return text.SubString(1, e) + (negative ? "-" : "") + exponent;
}

AnsiString FloatToStr(double value) { return FloatToStrG(value, 15); }

AnsiString FloatToStrF(double value, int digits) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", digits, value);
  return LocalSeparator(buffer);
}

AnsiString FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
  switch (format) {
    case ffGeneral: return FloatToStrG(value, precision);
    case ffExponent: return Format("%.*e", {precision, value});
    case ffNumber: return Format("%.*n", {digits, value});
    default: return FloatToStrF(value, digits);
  }
}

bool TryStrToFloat(const AnsiString& text, double& value) {
  AnsiString t = text.Trim();
  const char separator = FormatSettings().DecimalSeparator;
  for (int i = 1; i <= t.Length(); ++i) {
    const char c = t[i];
    if (c == separator) {
      t[i] = '.';
    } else if (c == '.' || c == ',') {
      return false;  // the other separator is not a decimal point here
    } else if ((c < '0' || c > '9') && c != '+' && c != '-' && c != 'e' && c != 'E') {
      return false;  // no "inf", "nan" or hexadecimal floats
    }
  }
  const char* p = t.c_str();
  const char* end = p + t.Length();
  if (p < end && *p == '+') ++p;
  if (p == end) return false;
  double parsed = 0.0;
  const auto [stop, error] = std::from_chars(p, end, parsed, std::chars_format::general);
  if (error != std::errc() || stop != end) return false;
  value = parsed;
  return true;
}

double StrToFloat(const AnsiString& text) {
  double value = 0.0;
  if (!TryStrToFloat(text, value)) BadFloat(text);
  return value;
}

double StrToFloatDef(const AnsiString& text, double fallback) {
  double value = 0.0;
  return TryStrToFloat(text, value) ? value : fallback;
}

int64_t Round(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  double result = below;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) result = below + 1.0;
  return static_cast<int64_t>(result);
}

int64_t Trunc(double value) { return static_cast<int64_t>(std::trunc(value)); }

AnsiString Trim(const AnsiString& s) { return s.Trim(); }
AnsiString TrimLeft(const AnsiString& s) { return s.TrimLeft(); }
AnsiString TrimRight(const AnsiString& s) { return s.TrimRight(); }
AnsiString UpperCase(const AnsiString& s) { return s.UpperCase(); }
AnsiString LowerCase(const AnsiString& s) { return s.LowerCase(); }
int CompareStr(const AnsiString& a, const AnsiString& b) { return a.Compare(b); }
int CompareText(const AnsiString& a, const AnsiString& b) { return a.CompareIC(b); }
bool SameText(const AnsiString& a, const AnsiString& b) { return a.CompareIC(b) == 0; }

namespace {
int LocaleCompare(DWORD flags, const AnsiString& a, const AnsiString& b) {
  return CompareStringA(LOCALE_USER_DEFAULT, flags, a.c_str(), a.Length(), b.c_str(), b.Length()) - CSTR_EQUAL;
}
}  // namespace

int AnsiCompareText(const AnsiString& a, const AnsiString& b) { return LocaleCompare(NORM_IGNORECASE, a, b); }
int AnsiCompareStr(const AnsiString& a, const AnsiString& b) { return LocaleCompare(0, a, b); }

AnsiString QuotedStr(const AnsiString& s) { return "'" + StringReplace(s, "'", "''") + "'"; }

AnsiString StringReplace(const AnsiString& s, const AnsiString& from, const AnsiString& to, bool all,
                         bool ignoreCase) {
  if (from.IsEmpty()) return s;
  const AnsiString haystack = ignoreCase ? s.UpperCase() : s;
  const AnsiString needle = ignoreCase ? from.UpperCase() : from;
  AnsiString result;
  int start = 1;
  while (start <= s.Length()) {
    const int at = haystack.SubString(start, s.Length()).Pos(needle);
    if (at == 0) break;
    result += s.SubString(start, at - 1) + to;
    start += at - 1 + from.Length();
    if (!all) break;
  }
  return result + s.SubString(start, s.Length());
}
