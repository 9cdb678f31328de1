#pragma once
#include <map>
#include <string>
#include <vector>

#include "classlib/runtime/IniFiles.h"

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
// The kind of a type word (a form object when `object`).
const Kind& KindOf(const std::string& word, bool object);

struct Key {
  std::string name;
  char kind;
  std::string missing;  // the value written back after the key was missing
  std::string other;    // another word (W keys)
};

std::vector<Key> ParseKeys(const char* text);
// Every key of the kind, the root's first.
std::vector<Key> ReadKeys(const Kind& kind);
// The key names a save writes, in order; a line list stands for its count and
// `listLines` lines.
std::vector<std::string> WrittenNames(const Kind& kind, int listLines);
// Gives every key of the kind a value of its own in `section` of `ini`; answers what a
// save must write back for each key name. `seed` makes the values of two calls differ.
std::map<std::string, std::string> FillDistinct(const Kind& kind, TCustomIniFile* ini, const AnsiString& section,
                                                int seed = 2);

}  // namespace lookkinds
