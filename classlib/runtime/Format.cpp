#include "classlib/runtime/Format.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/SysUtils.h"

namespace {

struct Directive {
  bool leftAlign = false;
  bool zeroPad = false;
  int width = -1;
  int precision = -1;
  char type = 0;
};

class Formatter {
 public:
  Formatter(const AnsiString& format, std::initializer_list<TFormatArg> args)
      : format_(format), args_(args.begin(), args.end()) {}

  AnsiString Run() {
    const int n = format_.Length();
    int i = 1;
    while (i <= n) {
      const char c = format_[i];
      if (c != '%' || i == n) {  // a "%" ending the format stays as it is
        out_ += c;
        ++i;
      } else if (format_[i + 1] == '%') {
        out_ += '%';
        i += 2;
      } else {
        i = Directive(i + 1);
      }
    }
    return out_;
  }

 private:
  [[noreturn]] void Fail() const {
    throw EConvertError("Format '" + format_ + "' invalid or incompatible with argument");
  }

  char At(int i) const { return i <= format_.Length() ? format_[i] : '\0'; }

  const TFormatArg& NextArg() {
    if (next_ >= static_cast<int>(args_.size())) Fail();
    return args_[static_cast<size_t>(next_++)];
  }

  // Reads digits or "*" at `i`; answers -1 when there are none.
  int Number(int& i) {
    if (At(i) == '*') {
      ++i;
      const TFormatArg& arg = NextArg();
      if (arg.kind() != TFormatArg::Kind::Integer && arg.kind() != TFormatArg::Kind::Unsigned) Fail();
      return static_cast<int>(arg.integer());
    }
    int value = -1;
    while (At(i) >= '0' && At(i) <= '9') {
      value = (value < 0 ? 0 : value * 10) + (At(i) - '0');
      if (value > 100000) Fail();
      ++i;
    }
    return value;
  }

  // Parses the directive starting after "%" at `i`, appends its text, answers the
  // position after it.
  int Directive(int i) {
    struct Directive d;
    int j = i;
    while (At(j) >= '0' && At(j) <= '9') ++j;
    if (j > i && At(j) == ':') {  // argument index
      next_ = std::atoi(format_.c_str() + i - 1);
      i = j + 1;
    }
    if (At(i) == '-') {
      d.leftAlign = true;
      ++i;
    }
    if (At(i) == '0') {
      d.zeroPad = true;
      ++i;
    }
    d.width = Number(i);
    if (At(i) == '.') {
      ++i;
      d.precision = Number(i);
      if (d.precision < 0) d.precision = 0;
    }
    d.type = static_cast<char>(At(i) | 0x20);  // lower case
    if (At(i) == '\0') Fail();
    Append(d, Convert(d, NextArg()));
    return i + 1;
  }

  AnsiString Convert(const struct Directive& d, const TFormatArg& arg) {
    switch (d.type) {
      case 'd': return Integer(d, arg, false);
      case 'u': return Integer(d, arg, true);
      case 'x': return Hex(d, arg);
      case 'e': case 'f': case 'g': case 'n': return Float(d, arg);
      case 's': return Text(d, arg);
      case 'p': return Pointer(arg);
      default: Fail();
    }
  }

  static bool IsInteger(const TFormatArg& arg) {
    return arg.kind() == TFormatArg::Kind::Integer || arg.kind() == TFormatArg::Kind::Unsigned;
  }

  AnsiString Integer(const struct Directive& d, const TFormatArg& arg, bool asUnsigned) {
    if (!IsInteger(arg)) Fail();
    int64_t value = arg.integer();
    bool negative = false;
    uint64_t magnitude;
    if (asUnsigned || arg.kind() == TFormatArg::Kind::Unsigned) {
      // A negative 32-bit value prints as its 32-bit unsigned pattern.
      magnitude = (value < 0 && value >= INT32_MIN) ? static_cast<uint32_t>(value) : static_cast<uint64_t>(value);
    } else {
      negative = value < 0;
      magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    }
    char digits[32];
    std::snprintf(digits, sizeof digits, "%llu", static_cast<unsigned long long>(magnitude));
    return Signed(d, negative, PadDigits(digits, d.precision));
  }

  AnsiString Hex(const struct Directive& d, const TFormatArg& arg) {
    if (!IsInteger(arg)) Fail();
    const int64_t value = arg.integer();
    const uint64_t bits = (value < 0 && value >= INT32_MIN) ? static_cast<uint32_t>(value) : static_cast<uint64_t>(value);
    char digits[32];
    std::snprintf(digits, sizeof digits, "%llX", static_cast<unsigned long long>(bits));
    return Signed(d, false, PadDigits(digits, d.precision));
  }

  static AnsiString PadDigits(const AnsiString& digits, int minimum) {
    if (digits.Length() >= minimum) return digits;
    return AnsiString::StringOfChar('0', minimum - digits.Length()) + digits;
  }

  // Zero padding goes between the sign and the digits.
  static AnsiString Signed(const struct Directive& d, bool negative, const AnsiString& digits) {
    AnsiString body = digits;
    const int room = d.width - digits.Length() - (negative ? 1 : 0);
    if (d.zeroPad && !d.leftAlign && room > 0) body = AnsiString::StringOfChar('0', room) + body;
    return negative ? "-" + body : body;
  }

  AnsiString Float(const struct Directive& d, const TFormatArg& arg) {
    if (arg.kind() != TFormatArg::Kind::Float) Fail();
    const double value = arg.floating();
    const char separator = FormatSettings().DecimalSeparator;
    AnsiString text;
    switch (d.type) {
      case 'f': text = FloatToStrF(value, d.precision < 0 ? 2 : d.precision); break;
      case 'n': text = Thousands(FloatToStrF(value, d.precision < 0 ? 2 : d.precision)); break;
      case 'g': text = General(value, d.precision < 0 ? 15 : d.precision); break;
      default: text = Scientific(value, d.precision < 0 ? 15 : d.precision, separator); break;
    }
    const bool negative = text.Length() > 0 && text[1] == '-';
    return Signed(d, negative, negative ? text.SubString(2, text.Length()) : text);
  }

  static AnsiString General(double value, int precision) {
    return FloatToStrG(value, precision <= 0 || precision > 15 ? 15 : precision);
  }

  static AnsiString Scientific(double value, int precision, char separator) {
    if (precision <= 0 || precision > 18) precision = 15;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*E", precision - 1, value);
    AnsiString text(buffer);
    const int e = text.Pos("E");
    if (e == 0) return text;
    // The exponent is written with its sign and at least three digits.
    AnsiString mantissa = text.SubString(1, e - 1);
    const int dot = mantissa.Pos(".");
    if (dot > 0) mantissa[dot] = separator;
    const char sign = text[e + 1];
    const int exponent = std::atoi(text.c_str() + e + 1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "%03d", exponent < 0 ? -exponent : exponent);
    return mantissa + "E" + AnsiString(sign == '-' ? '-' : '+') + exp;
  }

  static AnsiString Thousands(const AnsiString& fixed) {
    const TFormatSettings& fs = FormatSettings();
    const bool negative = fixed.Length() > 0 && fixed[1] == '-';
    AnsiString digits = negative ? fixed.SubString(2, fixed.Length()) : fixed;
    int end = digits.Pos(AnsiString(fs.DecimalSeparator));
    if (end == 0) end = digits.Length() + 1;
    for (int at = end - 3; at > 1; at -= 3) digits.Insert(AnsiString(fs.ThousandSeparator), at);
    return negative ? "-" + digits : digits;
  }

  AnsiString Text(const struct Directive& d, const TFormatArg& arg) {
    if (arg.kind() != TFormatArg::Kind::Text) Fail();
    return d.precision >= 0 ? arg.text().SubString(1, d.precision) : arg.text();
  }

  AnsiString Pointer(const TFormatArg& arg) {
    if (arg.kind() != TFormatArg::Kind::Pointer) Fail();
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%08llX",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(arg.pointer())));
    return buffer;
  }

  void Append(const struct Directive& d, const AnsiString& text) {
    const int room = d.width - text.Length();
    if (room <= 0) {
      out_ += text;
    } else if (d.leftAlign) {
      out_ += text + AnsiString::StringOfChar(' ', room);
    } else {
      out_ += AnsiString::StringOfChar(' ', room) + text;
    }
  }

  AnsiString format_;
  std::vector<TFormatArg> args_;
  int next_ = 0;
  AnsiString out_;
};

}  // namespace

AnsiString Format(const AnsiString& format, std::initializer_list<TFormatArg> args) {
  return Formatter(format, args).Run();
}
