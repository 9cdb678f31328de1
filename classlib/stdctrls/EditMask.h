#pragma once
#include <vector>

#include "classlib/runtime/AnsiString.h"

// An edit mask "mask;save-literals;blank": one position per character of the edit text,
// either a literal (":", "/", "\x", others) or a place for a character: L letter, A letter
// or digit, C any character, 0 digit (these required), l, a, c, 9 optional, # digit or
// sign optional; ">" makes the following letters upper case, "<" lower case, "<>" leaves
// them; "!" is accepted. A save-literals field of "0" keeps the literals out of the text;
// the blank character (default "_") shows empty places.
class TEditMask {
 public:
  TEditMask() = default;
  explicit TEditMask(const AnsiString& mask);

  bool Active() const { return !positions_.empty(); }
  int Length() const { return static_cast<int>(positions_.size()); }
  bool IsLiteral(int pos) const;
  // Whether `c` may stand at place `pos`; `c` is brought to the place's case.
  bool Accepts(int pos, char& c) const;
  char Blank() const { return blank_; }
  bool SaveLiterals() const { return saveLiterals_; }
  // The next (or previous) place for a character from `pos` on (before `pos`); -1 when none.
  int NextPlace(int pos) const;
  int PreviousPlace(int pos) const;
  // The edit text of an empty field: literals and blanks.
  AnsiString EmptyText() const;
  // The literal or blank that clears position `pos`.
  char ClearedChar(int pos) const;
  // The first required place left blank in `editText`, or -1 when the text is complete.
  int FirstMissing(const AnsiString& editText) const;
  // The text of `editText` as the field's value: blanks become spaces, literals are
  // dropped unless saved.
  AnsiString ValueText(const AnsiString& editText) const;
  // The edit text that shows `value` (with or without literals as saved).
  AnsiString EditTextOf(const AnsiString& value) const;

 private:
  enum class TCase { None, Upper, Lower };
  struct TPosition {
    bool literal;
    char ch;  // the literal, or the mask character
    TCase charCase;
  };
  std::vector<TPosition> positions_;
  bool saveLiterals_ = true;
  char blank_ = '_';
};
