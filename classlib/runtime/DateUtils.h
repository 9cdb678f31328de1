#pragma once
#include <cstdint>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/SysUtils.h"

// Days since 1899-12-30 (the integral part) and the fraction of the day.
using TDateTime = double;

bool IsLeapYear(int year);
int DaysInAMonth(int year, int month);
// Raises EConvertError "Invalid argument to date encode" / "... time encode".
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& time);
void DecodeDate(TDateTime date, int& year, int& month, int& day);
void DecodeTime(TDateTime time, int& hour, int& minute, int& second, int& millisecond);
// 1 for Sunday to 7 for Saturday.
int DayOfWeek(TDateTime date);

// The local date and time now, today's date, the time of day now.
TDateTime Now();
TDateTime Date();
TDateTime Time();

// Formats with these tokens (letters in either case): d, dd (day), ddd, dddd (day
// names), m, mm (month; minutes right after an hour token), mmm, mmmm (month names),
// yy, yyyy (year), h, hh (hour), n, nn (minute), s, ss (second), z, zzz (millisecond),
// am/pm and a/p (12-hour clock), c (short date and long time), / (date separator),
// : (time separator), text in quotes as it is.
AnsiString FormatDateTime(const AnsiString& format, TDateTime value,
                          const TFormatSettings& settings = FormatSettings());
AnsiString DateToStr(TDateTime date, const TFormatSettings& settings = FormatSettings());

// Reads a date in the order of the short date format (day, month and year by the
// position of their first letters), numbers separated by the date separator; a missing
// year is this year, and a two-digit year falls in the century window (the 100 years
// starting TwoDigitYearCenturyWindow years before this year). Raises EConvertError
// "'%s' is not a valid date".
TDateTime StrToDate(const AnsiString& text, const TFormatSettings& settings = FormatSettings());
bool TryStrToDate(const AnsiString& text, TDateTime& date, const TFormatSettings& settings = FormatSettings());
