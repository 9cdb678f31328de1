#pragma once
// The rules of a number typed into an edit, shared by the spin edit, the numeric edit and
// the track edit: which characters may be typed, when a text is a number, how it is read
// and how a value is shown. The decimal separator is the process's FormatSettings().
#include <optional>

#include "classlib/runtime/AnsiString.h"

// Whether `c` may be typed into an editor holding `text`: digits, '-' and the control
// characters (but Enter), the decimal separator with `isFloat`; with `editorEnabled` off
// nothing from Backspace and the blank up; a second separator or '-' never.
bool IsValidNumberChar(char c, const AnsiString& text, bool isFloat, bool editorEnabled);
// Digits with at most one '-', only in front, and (`isFloat`) at most one decimal
// separator, not in front; not empty and not "-" alone.
bool IsNumText(const AnsiString& text, bool isFloat);
// The number a number text stands for; none when it lies beyond what an integer
// (or, with `isFloat`, a double) holds, so it cannot be read yet.
std::optional<double> ReadNumberText(const AnsiString& text, bool isFloat);
// `isFloat`: fixed point with `decimals` digits after the decimal separator; else the
// value rounded to the nearest integer (halves to even).
AnsiString FormatNumberText(double value, bool isFloat, int decimals);
