#pragma once
#include <cstdint>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Format.h"
#include "classlib/runtime/WinApi.h"  // MulDiv is the system's: rounds halves away from zero

// Number and date formatting settings, read once from the user's locale; tests and
// callers may change the fields (they are shared by the whole process).
struct TFormatSettings {
  char DecimalSeparator = '.';
  char ThousandSeparator = ',';
  char DateSeparator = '/';
  char TimeSeparator = ':';
  AnsiString ShortDateFormat = "M/d/yyyy";
  AnsiString LongDateFormat = "dddd, MMMM d, yyyy";
  AnsiString ShortTimeFormat = "h:mm";
  AnsiString LongTimeFormat = "h:mm:ss";
  AnsiString TimeAMString = "AM";
  AnsiString TimePMString = "PM";
  AnsiString ShortMonthNames[12];
  AnsiString LongMonthNames[12];
  AnsiString ShortDayNames[7];  // Sunday first
  AnsiString LongDayNames[7];
  // Years given with two digits fall in the century window starting this many years
  // before the current year.
  int TwoDigitYearCenturyWindow = 50;

  // The settings of the user's locale.
  static TFormatSettings FromLocale();
  // Fixed English settings with "." as decimal separator (what FromLocale falls back on).
  static TFormatSettings Invariant();
};

// The process's settings (initialised from the locale on first use).
TFormatSettings& FormatSettings();

// Integer and text conversions. StrToInt accepts an optional sign and decimal digits,
// or hexadecimal after "$", "0x" or "0X"; blanks around the text are ignored.
AnsiString IntToStr(int64_t value);
AnsiString IntToHex(int64_t value, int digits);
int StrToInt(const AnsiString& text);  // EConvertError "'%s' is not a valid integer value"
int StrToIntDef(const AnsiString& text, int fallback);
bool TryStrToInt(const AnsiString& text, int& value);
int64_t StrToInt64(const AnsiString& text);
int64_t StrToInt64Def(const AnsiString& text, int64_t fallback);
bool TryStrToInt64(const AnsiString& text, int64_t& value);

// Floats use FormatSettings().DecimalSeparator, both ways. FloatToStr gives the
// shortest general form of up to 15 significant digits.
AnsiString FloatToStr(double value);
// The general form with at most `precision` significant digits.
AnsiString FloatToStrG(double value, int precision);
double StrToFloat(const AnsiString& text);  // EConvertError "'%s' is not a valid floating point value"
double StrToFloatDef(const AnsiString& text, double fallback);
bool TryStrToFloat(const AnsiString& text, double& value);
// Fixed notation with `digits` decimals (rounded as the C library rounds the exact
// binary value).
AnsiString FloatToStrF(double value, int digits);
enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber };
// General: `precision` significant digits; exponent: `precision` digits in the
// mantissa; fixed: `digits` decimals; number: fixed with thousand separators.
AnsiString FloatToStrF(double value, TFloatFormat format, int precision, int digits);

// Rounds to the nearest integer, halves to the even neighbour (0.5 -> 0, 1.5 -> 2,
// -2.5 -> -2). Trunc drops the fraction.
int64_t Round(double value);
int64_t Trunc(double value);

// Text helpers (ASCII case rules).
AnsiString Trim(const AnsiString& s);
AnsiString TrimLeft(const AnsiString& s);
AnsiString TrimRight(const AnsiString& s);
AnsiString UpperCase(const AnsiString& s);
AnsiString LowerCase(const AnsiString& s);
int CompareStr(const AnsiString& a, const AnsiString& b);   // byte-wise
int CompareText(const AnsiString& a, const AnsiString& b);  // ignoring the case of A-Z
bool SameText(const AnsiString& a, const AnsiString& b);
// Case-insensitive comparison by the user's locale (sorting of user-visible names).
int AnsiCompareText(const AnsiString& a, const AnsiString& b);
int AnsiCompareStr(const AnsiString& a, const AnsiString& b);
AnsiString QuotedStr(const AnsiString& s);  // 'it''s'
// Replaces every (or the first) occurrence of `from`, optionally ignoring case.
AnsiString StringReplace(const AnsiString& s, const AnsiString& from, const AnsiString& to, bool all = true,
                         bool ignoreCase = false);
