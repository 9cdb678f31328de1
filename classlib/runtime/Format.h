#pragma once
#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "classlib/runtime/AnsiString.h"

// One argument of Format: an integer, a float, a text, a character or a pointer,
// tagged with its kind so a directive of another kind is refused.
class TFormatArg {
 public:
  enum class Kind { Integer, Unsigned, Float, Text, Pointer };

  template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>)
  TFormatArg(T value)  // NOLINT
      : kind_(std::is_signed_v<T> ? Kind::Integer : Kind::Unsigned), integer_(static_cast<int64_t>(value)) {}
  TFormatArg(bool value) : kind_(Kind::Integer), integer_(value ? 1 : 0) {}  // NOLINT
  TFormatArg(double value) : kind_(Kind::Float), float_(value) {}          // NOLINT
  TFormatArg(float value) : kind_(Kind::Float), float_(value) {}           // NOLINT
  TFormatArg(long double value) : kind_(Kind::Float), float_(static_cast<double>(value)) {}  // NOLINT
  TFormatArg(const AnsiString& value) : kind_(Kind::Text), text_(value) {}  // NOLINT
  TFormatArg(const char* value) : kind_(Kind::Text), text_(value) {}        // NOLINT
  TFormatArg(const std::string& value) : kind_(Kind::Text), text_(value) {} // NOLINT
  TFormatArg(std::string_view value) : kind_(Kind::Text), text_(value) {}   // NOLINT
  TFormatArg(char value) : kind_(Kind::Text), text_(value) {}               // NOLINT
  TFormatArg(const void* value) : kind_(Kind::Pointer), pointer_(value) {}  // NOLINT

  Kind kind() const { return kind_; }
  int64_t integer() const { return integer_; }
  double floating() const { return float_; }
  const AnsiString& text() const { return text_; }
  const void* pointer() const { return pointer_; }

 private:
  Kind kind_;
  int64_t integer_ = 0;
  double float_ = 0.0;
  AnsiString text_;
  const void* pointer_ = nullptr;
};

// Formats `format` with `args`. Directives: "%" [index ":"] ["-"] ["0"] [width] ["." precision]
// type, with width or precision "*" taken from the arguments ("0" pads numbers with
// zeros). Types: d (integer; the
// precision is a minimum digit count), u (unsigned), x (hexadecimal), e, f, g, n
// (floats; the precision is the decimal count, 2 by default for f and n), s (text;
// the precision cuts it), p (pointer). "%%" gives "%", and a "%" ending the format stays
// as it is. A missing argument or one of another kind raises EConvertError
// "Format '%s' invalid or incompatible with argument".
AnsiString Format(const AnsiString& format, std::initializer_list<TFormatArg> args);

template <class... Args>
AnsiString Format(const AnsiString& format, const Args&... args) {
  return Format(format, {TFormatArg(args)...});
}
