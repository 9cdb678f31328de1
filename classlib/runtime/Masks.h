#pragma once
#include <vector>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Object.h"

// A file-name pattern: "*" matches any run of characters, "?" any one character,
// "[abc]", "[a-z]" a character of the set and "[!a-z]" one outside it; letters match
// without regard to case. A malformed set raises EMaskException
// "'%s' is an invalid mask at (%d)".
class TMask : public TObject {
  CLASSLIB_CLASS(TMask, TObject)
 public:
  explicit TMask(const AnsiString& mask);
  bool Matches(const AnsiString& fileName) const;

 private:
  struct Element {
    enum Kind { Literal, AnyChar, AnyRun, Set } kind = Literal;
    char literal = 0;
    bool negated = false;
    std::vector<std::pair<unsigned char, unsigned char>> ranges;
  };
  bool MatchFrom(size_t element, const char* name, const char* end) const;
  static bool InSet(const Element& e, char c);

  std::vector<Element> elements_;
};

// True when `fileName` matches `mask` (see TMask).
bool MatchesMask(const AnsiString& fileName, const AnsiString& mask);
