#include "skin/controls/Skinctrls_NumberText.h"

#include "classlib/runtime/SysUtils.h"

namespace {

bool Holds(const AnsiString& text, char c) { return text.view().find(c) != std::string_view::npos; }

}  // namespace

bool IsValidNumberChar(char c, const AnsiString& text, bool isFloat, bool editorEnabled) {
  const char separator = FormatSettings().DecimalSeparator;
  const auto u = static_cast<unsigned char>(c);
  const bool control = u < 32 && c != '\r';
  bool valid = c == '-' || (c >= '0' && c <= '9') || control || (isFloat && c == separator);
  if (!editorEnabled && (c == '\b' || u >= 32)) valid = false;
  if (c == separator && Holds(text, separator)) valid = false;
  if (c == '-' && Holds(text, '-')) valid = false;
  return valid;
}

bool IsNumText(const AnsiString& text, bool isFloat) {
  const std::string_view s = text.view();
  if (s.empty() || s == "-") return false;
  const char separator = FormatSettings().DecimalSeparator;
  int separators = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c >= '0' && c <= '9') continue;
    if (c == '-' && i == 0) continue;
    if (isFloat && c == separator && i > 0 && separators++ == 0) continue;
    return false;
  }
  return true;
}

std::optional<double> ReadNumberText(const AnsiString& text, bool isFloat) {
  if (isFloat) {
    double value = 0;
    if (TryStrToFloat(text, value)) return value;
    return std::nullopt;
  }
  int value = 0;
  if (TryStrToInt(text, value)) return value;
  return std::nullopt;
}

AnsiString FormatNumberText(double value, bool isFloat, int decimals) {
  if (isFloat) return FloatToStrF(value, ffFixed, 15, decimals);
  return IntToStr(Round(value));
}
