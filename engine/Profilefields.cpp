#include "engine/Profilefields.h"

#include <charconv>
#include <cmath>

#include "classlib/runtime/SysUtils.h"

namespace {

// Integers: decimal, or hexadecimal after "0x".
int32_t ProfileIntegerFromText(const AnsiString& text, int32_t fallback) {
  const AnsiString t = Trim(text);
  if (t.IsEmpty() || t[1] == '$') return fallback;  // only decimal or "0x" hexadecimal
  return StrToIntDef(t, fallback);
}

// Reals: "." or "," as decimal separator, whatever the locale says.
double ProfileRealFromText(const AnsiString& text, double fallback) {
  AnsiString t = Trim(text);
  for (int i = 1; i <= t.Length(); ++i) {
    if (t[i] == ',') t[i] = '.';
  }
  const char* p = t.c_str();
  const char* end = p + t.Length();
  if (p < end && *p == '+') ++p;
  double value = 0.0;
  const auto [stop, error] = std::from_chars(p, end, value, std::chars_format::general);
  if (p == end || error != std::errc() || stop != end || !std::isfinite(value)) return fallback;
  return value;
}

// Reals are written with "." whatever the locale says.
AnsiString ProfileRealToText(double value) {
  AnsiString text = FloatToStr(value);
  const char separator = FormatSettings().DecimalSeparator;
  for (int i = 1; i <= text.Length(); ++i) {
    if (text[i] == separator) text[i] = '.';
  }
  return text;
}

AnsiString ValueText(int32_t value) { return IntToStr(value); }
AnsiString ValueText(uint8_t value) { return IntToStr(value); }
AnsiString ValueText(bool value) { return value ? "1" : "0"; }
AnsiString ValueText(double value) { return ProfileRealToText(value); }
AnsiString ValueText(const AnsiString& value) { return value; }

int32_t ValueFromText(const AnsiString& text, int32_t fallback) { return ProfileIntegerFromText(text, fallback); }
uint8_t ValueFromText(const AnsiString& text, uint8_t fallback) {
  return static_cast<uint8_t>(ProfileIntegerFromText(text, fallback) & 0xFF);
}
bool ValueFromText(const AnsiString& text, bool fallback) { return ProfileIntegerFromText(text, fallback ? 1 : 0) != 0; }
double ValueFromText(const AnsiString& text, double fallback) { return ProfileRealFromText(text, fallback); }
AnsiString ValueFromText(const AnsiString& text, const AnsiString&) { return text; }

}  // namespace

template <class T>
TProfileFields& TProfileFields::Bind(const char* key, T& field, T fallback, TFieldUse use) {
  entries_.push_back({key, TFieldBinding<T>{&field, std::move(fallback)}, use});
  return *this;
}

TProfileFields& TProfileFields::Integer(const char* key, int32_t& field, int32_t fallback, TFieldUse use) {
  return Bind(key, field, fallback, use);
}

TProfileFields& TProfileFields::Index(const char* key, uint8_t& field, uint8_t fallback, TFieldUse use) {
  return Bind(key, field, fallback, use);
}

TProfileFields& TProfileFields::Flag(const char* key, bool& field, bool fallback, TFieldUse use) {
  return Bind(key, field, fallback, use);
}

TProfileFields& TProfileFields::Real(const char* key, double& field, double fallback, TFieldUse use) {
  return Bind(key, field, fallback, use);
}

TProfileFields& TProfileFields::Text(const char* key, AnsiString& field, const char* fallback, TFieldUse use) {
  return Bind(key, field, AnsiString(fallback), use);
}

void TProfileFields::SetDefaults() const {
  for (const TProfileField& entry : entries_) {
    std::visit([](const auto& binding) { *binding.field = binding.fallback; }, entry.binding);
  }
}

bool TProfileFields::SameValues(const TProfileFields& other) const {
  if (other.entries_.size() != entries_.size()) return false;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if ((entries_[i].use & fuCompared) == 0) continue;
    const bool same = std::visit(
        [&](const auto& mine) {
          using Binding = std::decay_t<decltype(mine)>;
          const auto* theirs = std::get_if<Binding>(&other.entries_[i].binding);
          return theirs != nullptr && *theirs->field == *mine.field;
        },
        entries_[i].binding);
    if (!same) return false;
  }
  return true;
}

void TProfileFields::CopyTo(const TProfileFields& target) const {
  for (size_t i = 0; i < entries_.size() && i < target.entries_.size(); ++i) {
    if ((entries_[i].use & fuCopied) == 0) continue;
    std::visit(
        [&](const auto& mine) {
          using Binding = std::decay_t<decltype(mine)>;
          if (const auto* theirs = std::get_if<Binding>(&target.entries_[i].binding)) *theirs->field = *mine.field;
        },
        entries_[i].binding);
  }
}

AnsiString FieldText(const TProfileField& entry) {
  return std::visit([](const auto& binding) { return ValueText(*binding.field); }, entry.binding);
}

AnsiString FieldDefaultText(const TProfileField& entry) {
  return std::visit([](const auto& binding) { return ValueText(binding.fallback); }, entry.binding);
}

void SetFieldFromText(const TProfileField& entry, const AnsiString& text) {
  std::visit([&](const auto& binding) { *binding.field = ValueFromText(text, binding.fallback); }, entry.binding);
}
