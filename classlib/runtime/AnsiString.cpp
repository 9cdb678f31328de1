#include "classlib/runtime/AnsiString.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <ostream>

struct AnsiString::Rep {
  std::atomic<int> refs;
  int length;
  char* bytes() { return reinterpret_cast<char*>(this + 1); }
};

namespace {
constexpr const char* kEmpty = "";

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

AnsiString::Rep* AnsiString::NewRep(int length) {
  void* memory = std::malloc(sizeof(Rep) + static_cast<size_t>(length) + 1);
  if (memory == nullptr) throw std::bad_alloc();
  Rep* rep = new (memory) Rep{};
  rep->refs.store(1, std::memory_order_relaxed);
  rep->length = length;
  rep->bytes()[length] = '\0';
  return rep;
}

void AnsiString::Release(Rep* rep) noexcept {
  if (rep != nullptr && rep->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    rep->~Rep();
    std::free(rep);
  }
}

void AnsiString::Assign(const char* bytes, int length) {
  Rep* fresh = nullptr;
  if (length > 0) {
    fresh = NewRep(length);
    std::memcpy(fresh->bytes(), bytes, static_cast<size_t>(length));
  }
  Release(rep_);
  rep_ = fresh;
}

AnsiString::AnsiString(const char* text) {
  if (text != nullptr) Assign(text, static_cast<int>(std::strlen(text)));
}

AnsiString::AnsiString(const char* text, int length) {
  if (text != nullptr && length > 0) Assign(text, length);
}

AnsiString::AnsiString(std::string_view text) { Assign(text.data(), static_cast<int>(text.size())); }

AnsiString::AnsiString(const std::string& text) { Assign(text.data(), static_cast<int>(text.size())); }

AnsiString::AnsiString(char c) { Assign(&c, 1); }

AnsiString::AnsiString(const AnsiString& other) noexcept : rep_(other.rep_) {
  if (rep_ != nullptr) rep_->refs.fetch_add(1, std::memory_order_relaxed);
}

AnsiString::AnsiString(AnsiString&& other) noexcept : rep_(other.rep_) { other.rep_ = nullptr; }

AnsiString& AnsiString::operator=(const AnsiString& other) noexcept {
  if (other.rep_ != nullptr) other.rep_->refs.fetch_add(1, std::memory_order_relaxed);
  Release(rep_);
  rep_ = other.rep_;
  return *this;
}

AnsiString& AnsiString::operator=(AnsiString&& other) noexcept {
  if (this != &other) {
    Release(rep_);
    rep_ = other.rep_;
    other.rep_ = nullptr;
  }
  return *this;
}

AnsiString::~AnsiString() { Release(rep_); }

AnsiString AnsiString::StringOfChar(char c, int count) {
  AnsiString result;
  if (count > 0) {
    result.rep_ = NewRep(count);
    std::memset(result.rep_->bytes(), static_cast<unsigned char>(c), static_cast<size_t>(count));
  }
  return result;
}

int AnsiString::Length() const noexcept { return rep_ == nullptr ? 0 : rep_->length; }

const char* AnsiString::c_str() const noexcept { return rep_ == nullptr ? kEmpty : rep_->bytes(); }

void AnsiString::Detach() {
  if (rep_ != nullptr && rep_->refs.load(std::memory_order_acquire) != 1) Assign(rep_->bytes(), rep_->length);
}

char* AnsiString::MutableBytes() {
  Detach();
  return rep_ == nullptr ? nullptr : rep_->bytes();
}

char AnsiString::operator[](int index) const { return c_str()[index - 1]; }

char& AnsiString::operator[](int index) { return MutableBytes()[index - 1]; }

char* AnsiString::WritableBuffer() { return MutableBytes(); }

void AnsiString::SetLength(int length) {
  length = std::max(length, 0);
  if (length == Length()) return;
  Rep* fresh = nullptr;
  if (length > 0) {
    fresh = NewRep(length);
    const int kept = std::min(length, Length());
    std::memcpy(fresh->bytes(), c_str(), static_cast<size_t>(kept));
    std::memset(fresh->bytes() + kept, 0, static_cast<size_t>(length - kept));
  }
  Release(rep_);
  rep_ = fresh;
}

AnsiString& AnsiString::operator+=(const AnsiString& other) {
  const AnsiString keep(other);  // `other` may be this text
  const int old = Length();
  SetLength(old + keep.Length());
  if (keep.Length() > 0) std::memcpy(rep_->bytes() + old, keep.c_str(), static_cast<size_t>(keep.Length()));
  return *this;
}

AnsiString& AnsiString::operator+=(const char* other) { return *this += AnsiString(other); }

AnsiString& AnsiString::operator+=(char c) { return *this += AnsiString(c); }

AnsiString operator+(const AnsiString& a, const AnsiString& b) {
  AnsiString result(a);
  result += b;
  return result;
}

AnsiString operator+(const AnsiString& a, const char* b) { return a + AnsiString(b); }

AnsiString operator+(const char* a, const AnsiString& b) { return AnsiString(a) + b; }

AnsiString operator+(const AnsiString& a, char b) { return a + AnsiString(b); }

int AnsiString::Pos(const AnsiString& sub) const {
  if (sub.IsEmpty() || sub.Length() > Length()) return 0;
  const size_t at = view().find(sub.view());
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

AnsiString AnsiString::SubString(int index, int count) const {
  index = std::max(index, 1);
  count = std::min(count, Length() - index + 1);
  if (count <= 0) return {};
  return AnsiString(c_str() + index - 1, count);
}

AnsiString& AnsiString::Delete(int index, int count) {
  if (index < 1 || index > Length() || count <= 0) return *this;
  count = std::min(count, Length() - index + 1);
  *this = SubString(1, index - 1) + SubString(index + count, Length());
  return *this;
}

AnsiString& AnsiString::Insert(const AnsiString& text, int index) {
  index = std::clamp(index, 1, Length() + 1);
  *this = SubString(1, index - 1) + text + SubString(index, Length());
  return *this;
}

int AnsiString::LastDelimiter(const AnsiString& delimiters) const {
  const size_t at = view().find_last_of(delimiters.view());
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

bool AnsiString::IsDelimiter(const AnsiString& delimiters, int index) const {
  if (index < 1 || index > Length()) return false;
  return delimiters.view().find((*this)[index]) != std::string_view::npos;
}

AnsiString AnsiString::UpperCase() const {
  AnsiString result(*this);
  for (int i = 1; i <= result.Length(); ++i) {
    const char c = result.c_str()[i - 1];
    if (c >= 'a' && c <= 'z') result[i] = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

AnsiString AnsiString::LowerCase() const {
  AnsiString result(*this);
  for (int i = 1; i <= result.Length(); ++i) {
    const char c = result.c_str()[i - 1];
    if (c >= 'A' && c <= 'Z') result[i] = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

AnsiString AnsiString::TrimLeft() const {
  int first = 1;
  while (first <= Length() && IsBlank((*this)[first])) ++first;
  return SubString(first, Length());
}

AnsiString AnsiString::TrimRight() const {
  int last = Length();
  while (last >= 1 && IsBlank((*this)[last])) --last;
  return SubString(1, last);
}

AnsiString AnsiString::Trim() const { return TrimLeft().TrimRight(); }

int AnsiString::Compare(const AnsiString& other) const noexcept {
  const int common = std::min(Length(), other.Length());
  const int bytes = std::memcmp(c_str(), other.c_str(), static_cast<size_t>(common));
  if (bytes != 0) return bytes;
  return Length() - other.Length();
}

int AnsiString::CompareIC(const AnsiString& other) const noexcept {
  const int common = std::min(Length(), other.Length());
  for (int i = 0; i < common; ++i) {
    auto fold = [](char c) {
      const auto b = static_cast<unsigned char>(c);
      return (b >= 'a' && b <= 'z') ? b - 'a' + 'A' : b;
    };
    const int diff = fold(c_str()[i]) - fold(other.c_str()[i]);
    if (diff != 0) return diff;
  }
  return Length() - other.Length();
}

std::ostream& operator<<(std::ostream& out, const AnsiString& s) { return out << s.view(); }
