#pragma once
#include <map>
#include <string>
#include <vector>

// Every look kind of a skin description as a test sees it: its keys level by level
// (the root's first), each written "key:K" with K the value kind (I integer or colour,
// B boolean, P point, R rectangle, T text, S font styles, W word, L line list) and,
// after "=", the value a missing key reads ("=default/other" for words: the word read
// when missing, and another word of the same enumeration).
namespace lookkinds {

struct Level {
  const char* read;           // the keys in reading order
  const char* write = nullptr;  // the key names in writing order, when it differs
};

struct Kind {
  std::string word;  // the type word; "POPUPWINDOW" and "HINTWINDOW" for the two fixed looks
  bool object;       // a form object (else a control look)
  std::vector<Level> levels;
  std::map<std::string, std::string> forced = {};  // saved values whatever was read
};

const std::vector<Kind>& AllKinds();

}  // namespace lookkinds
