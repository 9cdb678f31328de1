#pragma once
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "skin/data/Sputils_Values.h"

// A look descriptor keeps each value of its section in a field of its own. Each look
// kind lists its keys once, in reading order, as a table of (key, field, value when
// missing); reading and writing walk the table, and a kind that writes in another
// order lists the key names in that order.
template <class C>
struct TspLookKey {
  using TReader = std::function<void(C&, TCustomIniFile*, const AnsiString&)>;
  using TWriter = std::function<void(const C&, TCustomIniFile*, const AnsiString&)>;

  const char* Name;  // the key as written
  TReader Read;
  TWriter Write;
};

template <class C>
using TspLookKeys = std::vector<TspLookKey<C>>;

namespace skinkeys {

template <class C>
TspLookKey<C> Integer(const char* name, int C::*field, int missing = 0) {
  return {name, [=](C& c, TCustomIniFile* ini, const AnsiString& s) { c.*field = ReadInteger(ini, s, name, missing); },
          [=](const C& c, TCustomIniFile* ini, const AnsiString& s) { WriteInteger(ini, s, name, c.*field); }};
}

template <class C>
TspLookKey<C> Boolean(const char* name, bool C::*field) {
  return {name, [=](C& c, TCustomIniFile* ini, const AnsiString& s) { c.*field = ReadBoolean(ini, s, name); },
          [=](const C& c, TCustomIniFile* ini, const AnsiString& s) { WriteBoolean(ini, s, name, c.*field); }};
}

template <class C>
TspLookKey<C> Point(const char* name, TPoint C::*field) {
  return {name, [=](C& c, TCustomIniFile* ini, const AnsiString& s) { c.*field = ReadPoint(ini, s, name); },
          [=](const C& c, TCustomIniFile* ini, const AnsiString& s) { WritePoint(ini, s, name, c.*field); }};
}

template <class C>
TspLookKey<C> Rect(const char* name, TRect C::*field) {
  return {name, [=](C& c, TCustomIniFile* ini, const AnsiString& s) { c.*field = ReadRect(ini, s, name); },
          [=](const C& c, TCustomIniFile* ini, const AnsiString& s) { WriteRect(ini, s, name, c.*field); }};
}

// `readName` spells the key for reading when a kind reads it under another spelling
// (names match without regard to case, so both name one key).
template <class C>
TspLookKey<C> Text(const char* name, AnsiString C::*field, const char* missing = "", const char* readName = nullptr) {
  const char* readAs = readName != nullptr ? readName : name;
  return {name, [=](C& c, TCustomIniFile* ini, const AnsiString& s) { c.*field = ini->ReadString(s, readAs, missing); },
          [=](const C& c, TCustomIniFile* ini, const AnsiString& s) { ini->WriteString(s, name, c.*field); }};
}

template <class C>
TspLookKey<C> Styles(const char* name, TFontStyles C::*field) {
  return {name, [=](C& c, TCustomIniFile* ini, const AnsiString& s) { c.*field = ReadFontStyles(ini, s, name); },
          [=](const C& c, TCustomIniFile* ini, const AnsiString& s) { WriteFontStyles(ini, s, name, c.*field); }};
}

template <class C, class E>
TspLookKey<C> Word(const char* name, E C::*field, const TspWords<E>& words, E missing) {
  return {name,
          [=, &words](C& c, TCustomIniFile* ini, const AnsiString& s) { c.*field = ReadWord(ini, s, name, words, missing); },
          [=, &words](const C& c, TCustomIniFile* ini, const AnsiString& s) { WriteWord(ini, s, name, words, c.*field); }};
}

// A line list held by the look (the reader appends to it).
template <class C>
TspLookKey<C> Lines(const char* name, TStringList C::*field) {
  return {name, [=](C& c, TCustomIniFile* ini, const AnsiString& s) { ReadStrings(ini, s, name, &(c.*field)); },
          [=](const C& c, TCustomIniFile* ini, const AnsiString& s) { WriteStrings(ini, s, name, &(c.*field)); }};
}

// The common keys of a font: "fontname" ("Arial" when missing), "fontheight" (14),
// "fontstyle" and "fontcolor", in that order.
template <class C>
TspLookKeys<C> Font(AnsiString C::*name, int C::*height, TFontStyles C::*style, int C::*color) {
  return {Text("fontname", name, "Arial"), Integer("fontheight", height, 14), Styles("fontstyle", style),
          Integer("fontcolor", color)};
}

// Joins parts of a table.
template <class C>
TspLookKeys<C> Join(std::initializer_list<TspLookKeys<C>> parts) {
  TspLookKeys<C> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// The same keys in the order of `names`, which must name each key once.
template <class C>
TspLookKeys<C> Reordered(const TspLookKeys<C>& keys, std::initializer_list<const char*> names) {
  TspLookKeys<C> ordered;
  for (const char* name : names) {
    for (const auto& key : keys) {
      if (AnsiString(key.Name) == name) ordered.push_back(key);
    }
  }
  if (ordered.size() != keys.size() || names.size() != keys.size()) {
    throw std::logic_error("a writing order must name every key of its look once");
  }
  return ordered;
}

}  // namespace skinkeys

// A value that does not convert raises EConvertError naming its section and key.
template <class C>
void ReadLookKeys(C& look, TCustomIniFile* ini, const AnsiString& section, const TspLookKeys<C>& keys) {
  for (const auto& key : keys) {
    try {
      key.Read(look, ini, section);
    } catch (const EConvertError& e) {
      throw EConvertError("[" + section + "] " + key.Name + ": " + e.Message());
    }
  }
}

template <class C>
void WriteLookKeys(const C& look, TCustomIniFile* ini, const AnsiString& section, const TspLookKeys<C>& keys) {
  for (const auto& key : keys) key.Write(look, ini, section);
}

// A look kind whose own keys follow its parent's: reading and writing run the parent's
// first (the root's writer erases the section), then the kind's own table. `Self`
// provides `ReadKeys()` and may provide `WriteKeys()` when it writes in another order.
template <class Self, class Parent>
class TspLookKind : public Parent {
 public:
  using Parent::Parent;

  void LoadFromFile(TCustomIniFile* ini) override {
    Parent::LoadFromFile(ini);
    ReadLookKeys(static_cast<Self&>(*this), ini, this->IDName, Self::ReadKeys());
  }
  void SaveToFile(TCustomIniFile* ini) override {
    Parent::SaveToFile(ini);
    WriteLookKeys(static_cast<const Self&>(*this), ini, this->IDName, Self::WriteKeys());
  }

  static const TspLookKeys<Self>& WriteKeys() { return Self::ReadKeys(); }
};
