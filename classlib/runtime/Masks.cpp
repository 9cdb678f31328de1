#include "classlib/runtime/Masks.h"

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Format.h"

namespace {
unsigned char Fold(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 'a' && b <= 'z') ? static_cast<unsigned char>(b - 'a' + 'A') : b;
}
}  // namespace

TMask::TMask(const AnsiString& mask) {
  const int n = mask.Length();
  auto invalid = [&](int at) { throw EMaskException(Format("'%s' is an invalid mask at (%d)", {mask, at})); };
  for (int i = 1; i <= n; ++i) {
    const char c = mask[i];
    Element e;
    if (c == '*') {
      if (!elements_.empty() && elements_.back().kind == Element::AnyRun) continue;
      e.kind = Element::AnyRun;
    } else if (c == '?') {
      e.kind = Element::AnyChar;
    } else if (c == '[') {
      e.kind = Element::Set;
      const int start = i;
      ++i;
      if (i <= n && mask[i] == '!') {
        e.negated = true;
        ++i;
      }
      while (i <= n && mask[i] != ']') {
        const unsigned char low = Fold(mask[i]);
        unsigned char high = low;
        if (i + 2 <= n && mask[i + 1] == '-' && mask[i + 2] != ']') {
          high = Fold(mask[i + 2]);
          if (high < low) invalid(i + 1);
          i += 2;
        }
        e.ranges.emplace_back(low, high);
        ++i;
      }
      if (i > n || e.ranges.empty()) invalid(i > n ? start - 1 : i - 1);
    } else {
      e.literal = static_cast<char>(Fold(c));
    }
    elements_.push_back(std::move(e));
  }
}

bool TMask::InSet(const Element& e, char c) {
  const unsigned char f = Fold(c);
  bool inside = false;
  for (const auto& [low, high] : e.ranges) inside = inside || (f >= low && f <= high);
  return inside != e.negated;
}

bool TMask::MatchFrom(size_t element, const char* name, const char* end) const {
  for (; element < elements_.size(); ++element) {
    const Element& e = elements_[element];
    if (e.kind == Element::AnyRun) {
      for (const char* p = name;; ++p) {
        if (MatchFrom(element + 1, p, end)) return true;
        if (p == end) return false;
      }
    }
    if (name == end) return false;
    const bool ok = e.kind == Element::AnyChar || (e.kind == Element::Literal && Fold(*name) == static_cast<unsigned char>(e.literal)) ||
                    (e.kind == Element::Set && InSet(e, *name));
    if (!ok) return false;
    ++name;
  }
  return name == end;
}

bool TMask::Matches(const AnsiString& fileName) const {
  return MatchFrom(0, fileName.c_str(), fileName.c_str() + fileName.Length());
}

bool MatchesMask(const AnsiString& fileName, const AnsiString& mask) { return TMask(mask).Matches(fileName); }
