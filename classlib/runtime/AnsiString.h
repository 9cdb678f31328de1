#pragma once
#include <compare>
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

// Counted, shared 8-bit text. Copies share one buffer until one of them is written
// (copy on write); the empty text holds no buffer. Positions are 1-based, comparison is
// byte-wise (unsigned bytes), and the text may hold zero bytes.
class AnsiString {
 public:
  AnsiString() noexcept = default;
  AnsiString(const char* text);  // NOLINT: null reads as empty
  AnsiString(const char* text, int length);
  AnsiString(std::string_view text);  // NOLINT
  AnsiString(const std::string& text);  // NOLINT
  explicit AnsiString(char c);
  AnsiString(const AnsiString& other) noexcept;
  AnsiString(AnsiString&& other) noexcept;
  AnsiString& operator=(const AnsiString& other) noexcept;
  AnsiString& operator=(AnsiString&& other) noexcept;
  ~AnsiString();

  // A text of `count` copies of `c`.
  static AnsiString StringOfChar(char c, int count);

  int Length() const noexcept;
  bool IsEmpty() const noexcept { return Length() == 0; }
  // Never null: the empty text gives "". The bytes are followed by a zero byte.
  const char* c_str() const noexcept;
  std::string_view view() const noexcept { return {c_str(), static_cast<size_t>(Length())}; }
  std::string str() const { return std::string(view()); }

  // Byte at 1-based position `index` (1..Length()).
  char operator[](int index) const;
  // Writable byte: detaches the buffer from other copies first.
  char& operator[](int index);
  // A writable buffer of Length() bytes plus the terminating zero, owned by this text
  // alone (for system calls that fill text); null when empty.
  char* WritableBuffer();
  // Resizes to `length` bytes: keeps the leading bytes, new bytes are zero.
  void SetLength(int length);

  AnsiString& operator+=(const AnsiString& other);
  AnsiString& operator+=(const char* other);
  AnsiString& operator+=(char c);

  // 1-based position of the first occurrence of `sub`, 0 when absent (or `sub` empty).
  int Pos(const AnsiString& sub) const;
  // `count` bytes from 1-based `index`, clipped to the text.
  AnsiString SubString(int index, int count) const;
  // Removes `count` bytes from 1-based `index`, clipped to the text.
  AnsiString& Delete(int index, int count);
  // Inserts `text` before 1-based `index` (clipped to 1..Length()+1).
  AnsiString& Insert(const AnsiString& text, int index);
  // 1-based position of the last byte that is one of `delimiters`, 0 when none.
  int LastDelimiter(const AnsiString& delimiters) const;
  bool IsDelimiter(const AnsiString& delimiters, int index) const;

  AnsiString UpperCase() const;  // A-Z only
  AnsiString LowerCase() const;  // a-z only
  AnsiString Trim() const;       // drops control characters and blanks (<= ' ') at both ends
  AnsiString TrimLeft() const;
  AnsiString TrimRight() const;

  // Byte-wise comparison: negative, zero or positive.
  int Compare(const AnsiString& other) const noexcept;
  // Comparison ignoring the case of A-Z.
  int CompareIC(const AnsiString& other) const noexcept;

  friend AnsiString operator+(const AnsiString& a, const AnsiString& b);
  friend AnsiString operator+(const AnsiString& a, const char* b);
  friend AnsiString operator+(const char* a, const AnsiString& b);
  friend AnsiString operator+(const AnsiString& a, char b);
  friend bool operator==(const AnsiString& a, const AnsiString& b) noexcept { return a.Compare(b) == 0; }
  friend bool operator==(const AnsiString& a, const char* b) noexcept { return a.Compare(AnsiString(b)) == 0; }
  friend std::strong_ordering operator<=>(const AnsiString& a, const AnsiString& b) noexcept {
    return a.Compare(b) <=> 0;
  }
  friend std::ostream& operator<<(std::ostream& out, const AnsiString& s);

 private:
  struct Rep;
  void Detach();  // makes the buffer this text's own
  static Rep* NewRep(int length);
  static void Release(Rep* rep) noexcept;
  void Assign(const char* bytes, int length);
  char* MutableBytes();

  Rep* rep_ = nullptr;
};

template <>
struct std::hash<AnsiString> {
  size_t operator()(const AnsiString& s) const noexcept { return std::hash<std::string_view>()(s.view()); }
};
