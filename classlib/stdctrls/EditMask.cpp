#include "classlib/stdctrls/EditMask.h"

#include <cctype>
#include <cstring>

#include "classlib/runtime/WinApi.h"

namespace {
constexpr const char* kPlaceChars = "LlAaCc09#";
constexpr const char* kRequiredChars = "LAC0";

bool IsPlaceChar(char c) { return c != '\0' && std::strchr(kPlaceChars, c) != nullptr; }
}  // namespace

TEditMask::TEditMask(const AnsiString& mask) {
  AnsiString body = mask;
  // Trailing fields: ";save-literals;blank" (each optional, taken from the end).
  const int last = body.LastDelimiter(";");
  if (last > 0 && last == body.Length() - 1) {
    blank_ = body[last + 1];
    body = body.SubString(1, last - 1);
    const int save = body.LastDelimiter(";");
    if (save > 0 && save == body.Length() - 1) {
      saveLiterals_ = body[save + 1] != '0';
      body = body.SubString(1, save - 1);
    }
  } else if (last > 0 && last == body.Length()) {
    body = body.SubString(1, last - 1);
  }
  TCase charCase = TCase::None;
  for (int i = 1; i <= body.Length(); ++i) {
    const char c = body[i];
    if (c == '!') continue;
    if (c == '>') {
      charCase = TCase::Upper;
      continue;
    }
    if (c == '<') {
      const bool none = i < body.Length() && body[i + 1] == '>';
      charCase = none ? TCase::None : TCase::Lower;
      if (none) ++i;
      continue;
    }
    if (c == '\\' && i < body.Length()) {
      positions_.push_back({true, body[++i], charCase});
      continue;
    }
    if (c == '_') {
      positions_.push_back({true, ' ', charCase});
      continue;
    }
    positions_.push_back({!IsPlaceChar(c), c, charCase});
  }
}

bool TEditMask::IsLiteral(int pos) const { return pos < 0 || pos >= Length() || positions_[static_cast<size_t>(pos)].literal; }

bool TEditMask::Accepts(int pos, char& c) const {
  if (IsLiteral(pos)) return false;
  const TPosition& p = positions_[static_cast<size_t>(pos)];
  const auto u = static_cast<unsigned char>(c);
  bool ok = false;
  switch (p.ch) {
    case 'L':
    case 'l':
      ok = IsCharAlphaA(static_cast<CHAR>(c)) != FALSE;
      break;
    case 'A':
    case 'a':
      ok = IsCharAlphaNumericA(static_cast<CHAR>(c)) != FALSE;
      break;
    case 'C':
    case 'c':
      ok = u >= ' ';
      break;
    case '#':
      ok = std::isdigit(u) != 0 || c == '+' || c == '-';
      break;
    default:
      ok = std::isdigit(u) != 0;
  }
  if (!ok) return false;
  if (p.charCase == TCase::Upper) c = static_cast<char>(std::toupper(u));
  if (p.charCase == TCase::Lower) c = static_cast<char>(std::tolower(u));
  return true;
}

int TEditMask::NextPlace(int pos) const {
  for (int i = pos < 0 ? 0 : pos; i < Length(); ++i) {
    if (!IsLiteral(i)) return i;
  }
  return -1;
}

int TEditMask::PreviousPlace(int pos) const {
  for (int i = pos - 1; i >= 0; --i) {
    if (!IsLiteral(i)) return i;
  }
  return -1;
}

char TEditMask::ClearedChar(int pos) const { return IsLiteral(pos) ? positions_[static_cast<size_t>(pos)].ch : blank_; }

AnsiString TEditMask::EmptyText() const {
  AnsiString text;
  for (int i = 0; i < Length(); ++i) text += ClearedChar(i);
  return text;
}

int TEditMask::FirstMissing(const AnsiString& editText) const {
  for (int i = 0; i < Length(); ++i) {
    if (IsLiteral(i) || std::strchr(kRequiredChars, positions_[static_cast<size_t>(i)].ch) == nullptr) continue;
    const char c = i < editText.Length() ? editText[i + 1] : blank_;
    if (c == blank_ || c == ' ') return i;
  }
  return -1;
}

AnsiString TEditMask::ValueText(const AnsiString& editText) const {
  AnsiString value;
  for (int i = 0; i < Length() && i < editText.Length(); ++i) {
    const char c = editText[i + 1];
    if (IsLiteral(i)) {
      if (saveLiterals_) value += c;
    } else {
      value += c == blank_ ? ' ' : c;
    }
  }
  return value;
}

AnsiString TEditMask::EditTextOf(const AnsiString& value) const {
  AnsiString text = EmptyText();
  int source = 1;
  for (int i = 0; i < Length() && source <= value.Length(); ++i) {
    if (IsLiteral(i)) {
      if (saveLiterals_) ++source;
      continue;
    }
    char c = value[source++];
    text[i + 1] = c != ' ' && Accepts(i, c) ? c : blank_;
  }
  return text;
}
